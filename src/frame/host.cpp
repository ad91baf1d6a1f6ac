#include "oru/host.hpp"

#include "frame/numbers_internal.hpp"

namespace oru {
namespace {

class NothingProvider final : public ToolPictureProvider {
public:
    std::optional<Picture> picture(std::string&) override { return std::nullopt; }
};

// The library used until the host installs its own: every provider returns nothing.
class NothingLibrary final : public ToolPictureLibrary {
public:
    std::unique_ptr<ToolPictureProvider> create(ToolFamilyProvider) override {
        return std::make_unique<NothingProvider>();
    }
};

}  // namespace

Picture::Picture(Kind kind, std::string name, std::string nativePath, int width, int height)
    : kind_(kind),
      name_(kind == Kind::None ? std::string() : std::move(name)),
      nativePath_(std::move(nativePath)),
      width_(width),
      height_(height) {}

Picture Picture::drawn(std::string name, std::shared_ptr<const PixelImage> pixels) {
    const int w = pixels ? pixels->width : 0;
    const int h = pixels ? pixels->height : 0;
    Picture p(Kind::Bitmap, std::move(name), {}, w, h);
    p.pixels_ = std::move(pixels);
    return p;
}

Host::Host()
    : library_(std::make_shared<NothingLibrary>()),
      decimalSeparator_(num::RegionalDecimalSeparator()) {}

void Host::setMessageHandler(std::function<void(const Message&)> show) {
    handler_ = std::move(show);
}

void Host::setToolPictureLibrary(std::shared_ptr<ToolPictureLibrary> lib) {
    library_ = std::move(lib);
}

void Host::setMessageLimit(std::size_t limit) {
    messageLimit_ = limit;
    trimMessages();
}

// Drops the oldest boxes beyond the limit, so that a long session keeps a bounded log.
void Host::trimMessages() {
    if (messages_.size() <= messageLimit_) return;
    const auto excess = static_cast<std::ptrdiff_t>(messages_.size() - messageLimit_);
    messages_.erase(messages_.begin(), messages_.begin() + excess);
}

void Host::showMessage(int style, std::string title, std::string prompt) {
    Message box{style, std::move(title), std::move(prompt)};
    if (messageLimit_ > 0) {
        messages_.push_back(box);
        trimMessages();
    }
    if (handler_) {
        // A box that cannot be shown must not turn into a failure of the panel. The handler
        // gets its own copy: it may show further boxes, which changes the log.
        try {
            handler_(box);
        } catch (...) {
        }
    }
}

}  // namespace oru
