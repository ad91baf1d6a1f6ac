#include "oru/qt/controls.hpp"

#include <QVBoxLayout>

#include "oru/qt/panelview.hpp"

namespace oru::qt {

ControlWidget::ControlWidget(Host* host, QWidget* parent)
    : QWidget(parent),
      ownHost_(host ? nullptr : std::make_unique<Host>()),
      host_(host ? host : ownHost_.get()) {
    if (ownHost_) installMessageBoxes(*ownHost_, this);
}

ControlWidget::~ControlWidget() {
    dropView();
    if (ownHost_) ownHost_->setMessageHandler(nullptr);
}

void ControlWidget::dropView() {
    delete view_;
    view_ = nullptr;
}

void ControlWidget::show(Panel& panel) {
    view_ = new PanelView(panel, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ControlWidget::sizeHint() const { return view_ ? view_->sizeHint() : QWidget::sizeHint(); }

// Each control: a constructor with its own Host and one with the host application's.
#define ORU_CONTROL_WIDGET(Widget, Control)                                           \
    Widget::Widget(QWidget* parent)                                                   \
        : ControlWidget(nullptr, parent), panel_(std::make_unique<Control>(host())) { \
        show(*panel_);                                                                \
    }                                                                                 \
    Widget::Widget(Host& h, QWidget* parent)                                          \
        : ControlWidget(&h, parent), panel_(std::make_unique<Control>(host())) {      \
        show(*panel_);                                                                \
    }                                                                                 \
    Widget::~Widget() { dropView(); } /* the view goes before the panel it shows */

ORU_CONTROL_WIDGET(OperFraisageWidget, OperFraisage)
ORU_CONTROL_WIDGET(OperTournageWidget, OperTournage)
ORU_CONTROL_WIDGET(AvalantWidget, Avalant)
ORU_CONTROL_WIDGET(SensRotWidget, SensRot)
ORU_CONTROL_WIDGET(ArrosageWidget, Arrosage)

#undef ORU_CONTROL_WIDGET

}  // namespace oru::qt
