#include "oru/qt/avalantwidget.hpp"

#include "oru/avalant.hpp"
#include "sixteen.hpp"

namespace oru::qt {

struct AvalantWidget::Private {
    std::unique_ptr<Avalant> panel;
    int last = 0;
};

AvalantWidget::AvalantWidget(QWidget* parent) : AvalantWidget(nullptr, parent) {}

AvalantWidget::AvalantWidget(Host& host, QWidget* parent) : AvalantWidget(&host, parent) {}

AvalantWidget::AvalantWidget(Host* host, QWidget* parent)
    : ControlWidget(host, parent), d_(std::make_unique<Private>()) {
    d_->panel = std::make_unique<Avalant>(this->host());
    d_->last = value();
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

void AvalantWidget::panelChanged() {
    const int now = value();
    if (now == d_->last) return;
    d_->last = now;
    Q_EMIT valueChanged(now);
}

}  // namespace oru::qt
