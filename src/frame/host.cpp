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

void Host::showMessage(int style, std::string title, std::string prompt) {
    messages_.push_back(Message{style, std::move(title), std::move(prompt)});
    if (handler_) {
        // A box that cannot be shown must not turn into a failure of the panel.
        try {
            const Message shown = messages_.back();  // the handler may show further boxes
            handler_(shown);
        } catch (...) {
        }
    }
}

}  // namespace oru
