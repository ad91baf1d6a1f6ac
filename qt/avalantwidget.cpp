#include "oru/qt/avalantwidget.hpp"

#include "oru/avalant.hpp"
#include "sixteen.hpp"

namespace oru::qt {

struct AvalantWidget::Private {
    std::unique_ptr<Avalant> panel;
};

AvalantWidget::AvalantWidget(QWidget* parent) : AvalantWidget(nullptr, parent) {}

AvalantWidget::AvalantWidget(Host& host, QWidget* parent) : AvalantWidget(&host, parent) {}

AvalantWidget::AvalantWidget(Host* host, QWidget* parent)
    : ControlWidget(host, parent), d_(std::make_unique<Private>()) {
    d_->panel = std::make_unique<Avalant>(this->host());
    trackValue([this] { return value(); }, [this](int now) { Q_EMIT valueChanged(now); });
    attachPanel(*d_->panel);
}

// The view goes before the panel it shows.
AvalantWidget::~AvalantWidget() { detachPanel(); }

Avalant& AvalantWidget::control() const { return *d_->panel; }

int AvalantWidget::value() const { return std::as_const(*d_->panel).GetAvalant(); }

void AvalantWidget::setValue(int value) {
    if (const auto v = toSixteen(value)) {
        d_->panel->SetAvalant(*v);
        panelChanged();
    }
}

void AvalantWidget::showExample() { setValue(1); }

}  // namespace oru::qt
