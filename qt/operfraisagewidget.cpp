#include "oru/qt/operfraisagewidget.hpp"

#include <vector>

#include "oru/codes.hpp"
#include "oru/operfraisage.hpp"

namespace oru::qt {

struct OperFraisageWidget::Private {
    std::unique_ptr<OperFraisage> panel;
    bool example = false;
};

OperFraisageWidget::OperFraisageWidget(QWidget* parent) : OperFraisageWidget(nullptr, parent) {}

OperFraisageWidget::OperFraisageWidget(Host& host, QWidget* parent)
    : OperFraisageWidget(&host, parent) {}

OperFraisageWidget::OperFraisageWidget(Host* host, QWidget* parent)
    : ControlWidget(host, parent), d_(std::make_unique<Private>()) {
    d_->panel = std::make_unique<OperFraisage>(this->host());
    attachPanel(*d_->panel);
}

// The view goes before the panel it shows.
OperFraisageWidget::~OperFraisageWidget() { detachPanel(); }

OperFraisage& OperFraisageWidget::control() const { return *d_->panel; }

QString OperFraisageWidget::pictureFolder() const {
    return QString::fromStdString(d_->panel->chbmp);
}

void OperFraisageWidget::setPictureFolder(const QString& folder) {
    d_->panel->chbmp = folder.toStdString();
    if (d_->example) showExample();
}

void OperFraisageWidget::showExample() {
    d_->example = true;
    OperFraisage& p = *d_->panel;
    p.Typoper = milling::kPocket;
    p.debouchant = false;
    p.AttrImage = 0;
    p.ExtBrut = 1;
    p.sZmaxi = "0";
    // Safety Z 50, clearance 2, passes of 3 down to 10 deep with a last pass of 0.5, allowances
    // 0.2 and 0.3, a 10 mm cutter.
    p.SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 10, 1, 10, 12, 10});
    p.SetApproche(1);
    p.SetDegageZ(1);
    p.SetAval(1);
}

}  // namespace oru::qt
