#pragma once

#include <QString>
#include <memory>

#include "oru/opertournage.hpp"
#include "oru/qt/controlwidget.hpp"

namespace oru::qt {

// The turning operation panel as a ready widget.
//
//     auto* turning = new oru::qt::OperTournageWidget(host, &dialog);
//     turning->setPictureFolder(pictures);
//     turning->setDataFolder(dirSld);     // thread tables under user/
//     turning->control().SetOperTour("30_TEFIL1", "E", "M", td, ti);
class OperTournageWidget : public ControlWidget {
    Q_OBJECT
    // The picture folder (the panel's chbmp), read at the next set-up.
    Q_PROPERTY(QString pictureFolder READ pictureFolder WRITE setPictureFolder)
    // The folder holding the thread tables under user/ (the panel's DirSld).
    Q_PROPERTY(QString dataFolder READ dataFolder WRITE setDataFolder)
public:
    explicit OperTournageWidget(QWidget* parent = nullptr);
    OperTournageWidget(oru::Host& host, QWidget* parent = nullptr);
    ~OperTournageWidget() override;

    oru::OperTournage& control() const;

    QString pictureFolder() const;
    void setPictureFolder(const QString& folder);
    QString dataFolder() const;
    void setDataFolder(const QString& folder);

    // Sets the panel up for a representative operation, a longitudinal turning, as Qt Designer
    // shows it; once shown, a new picture folder shows it again.
    void showExample();

private:
    OperTournageWidget(oru::Host* host, QWidget* parent);
    struct Private;
    std::unique_ptr<Private> d_;
};

}  // namespace oru::qt
