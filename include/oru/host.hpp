#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "oru/picture.hpp"

namespace oru {

// One message box: style 16 critical (error box), 48 exclamation (warning box), 0 plain.
struct Message {
    int style;
    std::string title;
    std::string prompt;
};

inline constexpr int kStyleCritical = 16;
inline constexpr int kStyleExclamation = 48;
inline constexpr int kStylePlain = 0;

// Turns a tool code into a picture, or nothing. The code comes by non-const reference (the
// interface is fixed so); the turning panel passes a copy, so a provider that changes it changes
// nothing on the panel.
class ToolPictureProvider {
public:
    virtual ~ToolPictureProvider() = default;
    // The picture of the tool `toolCode` (Picture::drawn for pixels drawn at run time, or a
    // file picture), std::nullopt for "nothing": the turning panel then shows an empty tool
    // picture. An exception thrown here is shown in the panel's "Initialisation image outil" box.
    virtual std::optional<Picture> picture(std::string& toolCode) = 0;
};

// The three provider classes, chosen by tool family (the first two characters of the code):
// 50, 55, and every other family.
enum class ToolFamilyProvider { Family50, Family55, General };

// The host's tool picture library: the turning panel creates one provider per set-up.
class ToolPictureLibrary {
public:
    virtual ~ToolPictureLibrary() = default;
    // A provider of the class `which`; nullptr shows the "Initialisation image outil" box.
    virtual std::unique_ptr<ToolPictureProvider> create(ToolFamilyProvider which) = 0;
};

// What a panel needs from the application around it: message boxes, the tool picture library
// and the regional decimal separator. Panels keep a reference to their Host, which must outlive
// them. Everything runs on the thread that created the panels (the host's user-interface thread); a
// Host is not safe to share between threads.
class Host {
public:
    // Default size of the message log: the most recent boxes kept by messages().
    static constexpr std::size_t kDefaultMessageLimit = 1000;

    // Real file system; message boxes are recorded, nothing is shown; a tool picture library
    // whose providers return nothing; the decimal separator of the environment's locale.
    Host();

    // The boxes shown, oldest first: at most messageLimit() of them, the oldest dropped first.
    const std::vector<Message>& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }
    // How many boxes messages() keeps (kDefaultMessageLimit by default). Lowering it drops the
    // oldest boxes at once; 0 records nothing (the message handler still sees every box).
    void setMessageLimit(std::size_t limit);
    std::size_t messageLimit() const { return messageLimit_; }

    // A toolkit installs a handler that shows real modal boxes (the Qt layer does it with
    // oru::qt::installMessageBoxes); it is called once per box, after the box is recorded, and
    // must return when the user has closed it. An exception thrown by the handler is swallowed:
    // a box that cannot be shown never becomes a failure of the panel. An empty function removes
    // the handler.
    void setMessageHandler(std::function<void(const Message&)> show);
    // The library that draws tool pictures for the turning panel. nullptr = not available (the
    // turning panel then shows its "Initialisation image outil" error box when it needs one).
    void setToolPictureLibrary(std::shared_ptr<ToolPictureLibrary> lib);
    const std::shared_ptr<ToolPictureLibrary>& toolPictureLibrary() const { return library_; }

    // Shows one modal box: records it, then hands it to the handler; returns when it is closed.
    // Panels call it; a host may call it to show its own boxes the same way.
    void showMessage(int style, std::string title, std::string prompt);

    // Decimal separator of the user's regional settings, used where a panel formats with the
    // regional separator (the pass count of the milling panel). Read once from LC_ALL /
    // LC_NUMERIC / LANG; "." when none is set. The library never calls setlocale.
    const std::string& decimalSeparator() const { return decimalSeparator_; }
    void setDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }

private:
    void trimMessages();

    std::vector<Message> messages_;
    std::size_t messageLimit_ = kDefaultMessageLimit;
    std::function<void(const Message&)> handler_;
    std::shared_ptr<ToolPictureLibrary> library_;
    std::string decimalSeparator_;
};

}  // namespace oru
