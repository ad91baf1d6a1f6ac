#include "oru/qt/sensrotwidget.hpp"

#include "oru/sensrot.hpp"
#include "sixteen.hpp"

namespace oru::qt {

struct SensRotWidget::Private {
    std::unique_ptr<SensRot> panel;
};

SensRotWidget::SensRotWidget(QWidget* parent) : SensRotWidget(nullptr, parent) {}

SensRotWidget::SensRotWidget(Host& host, QWidget* parent) : SensRotWidget(&host, parent) {}

SensRotWidget::SensRotWidget(Host* host, QWidget* parent)
    : ControlWidget(host, parent), d_(std::make_unique<Private>()) {
    d_->panel = std::make_unique<SensRot>(this->host());
    trackValue([this] { return value(); }, [this](int now) { Q_EMIT valueChanged(now); });
    attachPanel(*d_->panel);
}

// The view goes before the panel it shows.
SensRotWidget::~SensRotWidget() { detachPanel(); }

SensRot& SensRotWidget::control() const { return *d_->panel; }

int SensRotWidget::value() const { return std::as_const(*d_->panel).GetSensRot(); }

int SensRotWidget::configuration() const { return std::as_const(*d_->panel).GetTournant(); }

void SensRotWidget::setValue(int value) {
    if (const auto v = toSixteen(value)) {
        // The value overload: the direction written back (-2 when nothing is shown) is the
        // panel's business, not the property's.
        d_->panel->SetSensRot(*v, std::as_const(*d_->panel).GetTournant());
        panelChanged();
    }
}

void SensRotWidget::setConfiguration(int configuration) {
    if (const auto c = toSixteen(configuration)) {
        const std::int16_t direction = std::as_const(*d_->panel).GetSensRot();
        d_->panel->SetSensRot(direction, *c);
        panelChanged();
    }
}

void SensRotWidget::showExample() {
    setConfiguration(0);
    setValue(-1);
}

}  // namespace oru::qt
