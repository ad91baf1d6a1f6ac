#include "oru/qt/opertournagewidget.hpp"

#include <cstdint>
#include <vector>

#include "oru/codes.hpp"
#include "oru/opertournage.hpp"

namespace oru::qt {

struct OperTournageWidget::Private {
    std::unique_ptr<OperTournage> panel;
    bool example = false;
};

OperTournageWidget::OperTournageWidget(QWidget* parent) : OperTournageWidget(nullptr, parent) {}

OperTournageWidget::OperTournageWidget(Host& host, QWidget* parent)
    : OperTournageWidget(&host, parent) {}

OperTournageWidget::OperTournageWidget(Host* host, QWidget* parent)
    : ControlWidget(host, parent), d_(std::make_unique<Private>()) {
    d_->panel = std::make_unique<OperTournage>(this->host());
    attachPanel(*d_->panel);
}

// The view goes before the panel it shows.
OperTournageWidget::~OperTournageWidget() { detachPanel(); }

OperTournage& OperTournageWidget::control() const { return *d_->panel; }

QString OperTournageWidget::pictureFolder() const {
    return QString::fromStdString(d_->panel->chbmp);
}

void OperTournageWidget::setPictureFolder(const QString& folder) {
    d_->panel->chbmp = folder.toStdString();
    if (d_->example) showExample();
}

QString OperTournageWidget::dataFolder() const { return QString::fromStdString(d_->panel->DirSld); }

void OperTournageWidget::setDataFolder(const QString& folder) {
    d_->panel->DirSld = folder.toStdString();
}

void OperTournageWidget::showExample() {
    d_->example = true;
    OperTournage& p = *d_->panel;
    // A longitudinal turning of a 50 mm bar down to 40 mm over 25 mm, passes of 2, a rapid
    // approach along X then Z.
    std::vector<double> td = {2, 2, 50, 2, 1, 1, 2, 0.5, 0.4, 0.2, 1, 30, 40, 1.5, 12, 25};
    std::vector<std::int16_t> ti = {turning::kLongTurning, 10, 0, 3, 0, 0, 1, 0};
    p.NumOp = turning::kLongTurning;
    p.SetOperTour("10_TECHA1", "E", "", td, ti);
}

}  // namespace oru::qt
