#pragma once

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

// Turns a tool code into a picture, or nothing. The code is passed by reference, as the tool
// libraries of host applications expect.
class ToolPictureProvider {
public:
    virtual ~ToolPictureProvider() = default;
    virtual std::optional<Picture> picture(std::string& toolCode) = 0;
};

enum class ToolFamilyProvider { Family50, Family55, General };

class ToolPictureLibrary {
public:
    virtual ~ToolPictureLibrary() = default;
    virtual std::unique_ptr<ToolPictureProvider> create(ToolFamilyProvider which) = 0;
};

// The platform a panel runs on: message boxes, the tool picture library and the regional
// decimal separator. Panels keep a reference to their Host, which must outlive them.
class Host {
public:
    // Real file system; message boxes are recorded, nothing is shown; a tool picture library
    // whose providers return nothing; the decimal separator of the environment's locale.
    Host();

    const std::vector<Message>& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }
    // A toolkit installs a handler that shows real modal boxes; boxes are recorded either way.
    void setMessageHandler(std::function<void(const Message&)> show);
    // nullptr = not available.
    void setToolPictureLibrary(std::shared_ptr<ToolPictureLibrary> lib);
    const std::shared_ptr<ToolPictureLibrary>& toolPictureLibrary() const { return library_; }

    // Shows (records, then hands to the handler) one modal box; returns when it is closed.
    void showMessage(int style, std::string title, std::string prompt);

    // Decimal separator of the user's regional settings, used where a panel formats with the
    // regional separator. Read once from LC_ALL / LC_NUMERIC / LANG; "." when none is set.
    const std::string& decimalSeparator() const { return decimalSeparator_; }
    void setDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }

private:
    std::vector<Message> messages_;
    std::function<void(const Message&)> handler_;
    std::shared_ptr<ToolPictureLibrary> library_;
    std::string decimalSeparator_;
};

}  // namespace oru
