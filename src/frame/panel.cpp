#include "oru/panel.hpp"

#include "frame/failures.hpp"
#include "frame/resources.hpp"
#include "frame/trap.hpp"
#include "oru/host.hpp"

namespace oru {
namespace {

// A design-time picture: an icon of the resources, or else a bitmap.
Picture designPicture(std::string_view name) {
    if (res::find(name, res::Type::Icon)) return res::LoadResPicture(name, res::Type::Icon);
    return res::LoadResPicture(name, res::Type::Bitmap);
}

// A widget the panel owns; binding another panel's widget is a programming error.
Widget& own(const Panel& panel, Widget& w) {
    if (&w.panel() != &panel) fail::noSuchWidget(w.fullName());
    return w;
}

}  // namespace

Panel::Panel(Host& host, std::string className, std::string errorTitle,
             std::span<const WidgetSpec> inventory, int width, int height)
    : host_(host),
      className_(std::move(className)),
      errorTitle_(std::move(errorTitle)),
      width_(width),
      height_(height),
      observers_(std::make_shared<ObserverHandle::Registry>()) {
    for (const WidgetSpec& row : inventory) {
        const int count = row.count > 0 ? row.count : 1;
        for (int i = 0; i < count; ++i) {
            auto w = std::make_unique<Widget>(*this, std::string(row.name), row.count > 0 ? i : -1,
                                              row.kind);
            // Design-time state: no observer can be installed yet, so nothing is notified.
            w->setLeft(row.left + i * row.dx);
            w->setTop(row.top + i * row.dy);
            w->setWidth(row.width);
            w->setHeight(row.height);
            if (row.kind == WidgetKind::TextBox || row.kind == WidgetKind::ComboBox)
                w->writeText(std::string(row.caption));
            else
                w->setCaption(std::string(row.caption));
            if (!row.picture.empty()) w->setPicture(designPicture(row.picture));
            if (!row.container.empty()) w->setContainer(&widget(row.container));
            widgets_.push_back(std::move(w));
        }
    }
}

Panel::~Panel() = default;

const Widget& Panel::widget(std::string_view name, int index) const {
    bool nameFound = false;
    for (const auto& w : widgets_) {
        if (w->name() != name) continue;
        nameFound = true;
        if (w->index() == index) return *w;
    }
    if (!nameFound) fail::noSuchWidget(name);
    fail::noSuchArrayElement(name, index);
}

Widget& Panel::widget(std::string_view name, int index) {
    return const_cast<Widget&>(std::as_const(*this).widget(name, index));
}

// The observers of one panel. Entries removed while changes are being announced are emptied
// and swept once no announcement is running, so that an observer may remove itself or another.
struct ObserverHandle::Registry {
    struct Entry {
        std::uint64_t id;
        std::shared_ptr<const Observer> fn;  // shared: a call keeps its own observer alive
    };
    std::vector<Entry> entries;
    std::uint64_t nextId = 1;
    int announcing = 0;

    void sweep() {
        if (announcing > 0) return;
        std::erase_if(entries, [](const Entry& e) { return !e.fn; });
    }
};

void ObserverHandle::remove() {
    auto registry = registry_.lock();
    registry_.reset();
    if (!registry) return;
    for (auto& e : registry->entries)
        if (e.id == id_) e.fn = nullptr;
    registry->sweep();
}

bool ObserverHandle::active() const {
    auto registry = registry_.lock();
    if (!registry) return false;
    for (const auto& e : registry->entries)
        if (e.id == id_ && e.fn) return true;
    return false;
}

ObserverHandle Panel::addObserver(Observer observer) {
    const std::uint64_t id = observers_->nextId++;
    observers_->entries.push_back({id, std::make_shared<const Observer>(std::move(observer))});
    return ObserverHandle(observers_, id);
}

void Panel::notify(Widget& w, Property p) {
    ObserverHandle::Registry& registry = *observers_;
    if (registry.entries.empty()) return;
    struct Announcing {
        ObserverHandle::Registry& r;
        explicit Announcing(ObserverHandle::Registry& reg) : r(reg) { ++r.announcing; }
        ~Announcing() {
            --r.announcing;
            r.sweep();
        }
    } guard(registry);
    // Observers added during the announcement wait for the next change.
    const std::size_t n = registry.entries.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::shared_ptr<const Observer> fn = registry.entries[i].fn;
        if (fn) (*fn)(w, p);
    }
}

void Panel::bindClick(Widget& w, std::function<void()> handler) {
    own(*this, w).onClick(std::move(handler));
}

void Panel::bindChange(Widget& w, std::function<void()> handler) {
    own(*this, w).onChange(std::move(handler));
}

void Panel::bindLostFocus(Widget& w, std::function<void()> handler) {
    own(*this, w).onLostFocus(std::move(handler));
}

void Panel::bindHosted(Widget& w, Panel& control) { own(*this, w).setHosted(&control); }

void Panel::userAction(const Widget& source, const std::function<void()>& action) noexcept {
    Trap(host_, errorTitle_, Prompt::LabelAndDescription, source.fullName(), action);
}

}  // namespace oru
