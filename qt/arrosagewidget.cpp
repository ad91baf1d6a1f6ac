#include "oru/qt/arrosagewidget.hpp"

#include "oru/arrosage.hpp"
#include "sixteen.hpp"

namespace oru::qt {

struct ArrosageWidget::Private {
    std::unique_ptr<Arrosage> panel;
};

ArrosageWidget::ArrosageWidget(QWidget* parent) : ArrosageWidget(nullptr, parent) {}

ArrosageWidget::ArrosageWidget(Host& host, QWidget* parent) : ArrosageWidget(&host, parent) {}

ArrosageWidget::ArrosageWidget(Host* host, QWidget* parent)
    : ControlWidget(host, parent), d_(std::make_unique<Private>()) {
    d_->panel = std::make_unique<Arrosage>(this->host());
    trackValue([this] { return value(); }, [this](int now) { Q_EMIT valueChanged(now); });
    attachPanel(*d_->panel);
}

// The view goes before the panel it shows.
ArrosageWidget::~ArrosageWidget() { detachPanel(); }

Arrosage& ArrosageWidget::control() const { return *d_->panel; }

int ArrosageWidget::value() const { return std::as_const(*d_->panel).GetArrosage(); }

void ArrosageWidget::setValue(int value) {
    if (const auto v = toSixteen(value)) {
        d_->panel->SetArrosage(*v);
        panelChanged();
    }
}

void ArrosageWidget::showExample() { setValue(1); }

}  // namespace oru::qt
