#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "oru/widget.hpp"

namespace oru {

class Host;

// One line of a panel's widget inventory: name, kind, number of elements (0 for a single widget,
// n for a widget array indexed 0 to n-1), design-time caption or text, design-time picture (a
// resource name, "" for none) and the design-time geometry in twips. An array repeats the
// geometry for every element, shifted by (dx, dy). A widget placed inside a picture-box frame
// names it in `container` (an earlier row) and has its position relative to that frame; hiding
// the frame hides it on screen.
struct WidgetSpec {
    std::string_view name;
    WidgetKind kind;
    std::int16_t count = 0;
    std::string_view caption = {};
    std::string_view picture = {};
    int left = 0, top = 0, width = 0, height = 0;
    int dx = 0, dy = 0;
    std::string_view container = {};
};

using Observer = std::function<void(Widget&, Property)>;

// Keeps track of one installed observer. remove() uninstalls it; it is safe to call more than
// once and after the panel is gone. Destroying the handle does not remove the observer.
class ObserverHandle {
public:
    ObserverHandle() = default;
    void remove();
    bool active() const;

private:
    friend class Panel;
    struct Registry;
    ObserverHandle(std::weak_ptr<Registry> registry, std::uint64_t id)
        : registry_(std::move(registry)), id_(id) {}
    std::weak_ptr<Registry> registry_;
    std::uint64_t id_ = 0;
};

// A control: a surface holding a fixed set of widgets laid out at design time.
class Panel {
public:
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;
    virtual ~Panel();

    // A widget by name (and index in a widget array); an unknown name or index throws oru::Error.
    Widget& widget(std::string_view name, int index = -1);
    const Widget& widget(std::string_view name, int index = -1) const;
    // Every widget, in inventory order (array elements in index order).
    const std::vector<std::unique_ptr<Widget>>& widgets() const { return widgets_; }

    // The host the panel was built on.
    Host& host() const { return host_; }
    // "OperFraisage", "OperTournage", "Avalant", "SensRot" or "Arrosage".
    const std::string& className() const { return className_; }
    // Title of the error box shown when a user action fails outside any trap of its own.
    const std::string& errorTitle() const { return errorTitle_; }
    // Design-time size of the panel, in twips (1/1440 inch).
    int width() const { return width_; }
    int height() const { return height_; }

    // A toolkit layer observes every property change of every widget, in the order they happen,
    // synchronously inside the change. Observers added while changes are being announced are
    // called from the next change on. The handle removes the observer (see ObserverHandle).
    ObserverHandle addObserver(Observer observer);

    // Runs a user action on `source`; any failure that escapes the handlers is shown in the
    // error box (panel title, widget name, "\r\n", description). Never throws.
    void userAction(const Widget& source, const std::function<void()>& action) noexcept;

protected:
    Panel(Host& host, std::string className, std::string errorTitle,
          std::span<const WidgetSpec> inventory, int width, int height);

    // Binding of the panel's own event handlers, done once when the panel is built. Each takes
    // a widget of this panel (another panel's widget throws oru::Error) and replaces its handler.
    void bindClick(Widget& w, std::function<void()> handler);
    void bindChange(Widget& w, std::function<void()> handler);
    void bindLostFocus(Widget& w, std::function<void()> handler);
    // Hosts another control inside the widget `w` (a widget of kind Control of this panel).
    void bindHosted(Widget& w, Panel& control);

private:
    friend class Widget;
    void notify(Widget& w, Property p);

    Host& host_;
    std::string className_;
    std::string errorTitle_;
    int width_, height_;
    std::vector<std::unique_ptr<Widget>> widgets_;
    std::shared_ptr<ObserverHandle::Registry> observers_;
};

}  // namespace oru
