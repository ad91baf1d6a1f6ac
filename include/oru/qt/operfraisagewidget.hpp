#pragma once

#include <QString>
#include <memory>

#include "oru/operfraisage.hpp"
#include "oru/qt/controlwidget.hpp"

namespace oru::qt {

// The milling operation panel as a ready widget.
//
//     auto* milling = new oru::qt::OperFraisageWidget(host, &dialog);
//     milling->setPictureFolder("/opt/cam/pictures/");
//     milling->control().Typoper = oru::milling::kPocket;
//     milling->control().SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 8, 0, 10, 12, 10});
//     connect(milling, &oru::qt::ControlWidget::edited, applyButton, [=] { ... });
class OperFraisageWidget : public ControlWidget {
    Q_OBJECT
    // The picture folder (the panel's chbmp), with its jpeg/ and bmp/ sub-folders. It is read
    // at the next set-up.
    Q_PROPERTY(QString pictureFolder READ pictureFolder WRITE setPictureFolder)
public:
    explicit OperFraisageWidget(QWidget* parent = nullptr);
    OperFraisageWidget(oru::Host& host, QWidget* parent = nullptr);
    ~OperFraisageWidget() override;

    oru::OperFraisage& control() const;

    QString pictureFolder() const;
    void setPictureFolder(const QString& folder);

    // Sets the panel up for a representative operation, a blind pocket, as Qt Designer shows it;
    // once shown, a new picture folder shows it again.
    void showExample();

private:
    OperFraisageWidget(oru::Host* host, QWidget* parent);
    struct Private;
    std::unique_ptr<Private> d_;
};

}  // namespace oru::qt
