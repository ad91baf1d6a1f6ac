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

}  // namespace

Panel::Panel(Host& host, std::string className, std::string errorTitle,
             std::span<const WidgetSpec> inventory, int width, int height)
    : host_(host),
      className_(std::move(className)),
      errorTitle_(std::move(errorTitle)),
      width_(width),
      height_(height) {
    for (const WidgetSpec& row : inventory) {
        const int count = row.count > 0 ? row.count : 1;
        for (int i = 0; i < count; ++i) {
            auto w = std::make_unique<Widget>(*this, std::string(row.name),
                                              row.count > 0 ? i : -1, row.kind);
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

void Panel::addObserver(std::function<void(Widget&, Property)> observer) {
    observers_.push_back(std::move(observer));
}

void Panel::notify(Widget& w, Property p) {
    for (const auto& observer : observers_)
        observer(w, p);
}

void Panel::userAction(const Widget& source, const std::function<void()>& action) noexcept {
    Trap(host_, errorTitle_, Prompt::LabelAndDescription, source.fullName(), action);
}

}  // namespace oru
