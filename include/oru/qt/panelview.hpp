#pragma once

#include <QWidget>
#include <memory>

namespace oru {
class Host;
class Panel;
class Widget;
}  // namespace oru

// The Qt 6 Widgets face of the controls. The model (oru::Panel and its widgets) stays the single
// source of truth: the view draws what the model holds, follows every change through an observer,
// and feeds the user's actions back as the model's own user actions.
namespace oru::qt {

// Shows any panel as a QWidget of the panel's design size (15 twips per logical pixel). Every
// model widget becomes a Qt child whose objectName is the model widget's fullName() ("tbPara(3)",
// "bSens", "Avalant1"): command button -> QPushButton, label -> QLabel, text box -> QLineEdit,
// combo box -> QComboBox, list box -> QListWidget, image -> QLabel showing a pixmap, picture-box
// frame -> QFrame holding its widgets, line -> QFrame, hosted control -> a nested PanelView.
// The panel must outlive the view.
class PanelView : public QWidget {
    Q_OBJECT
public:
    explicit PanelView(oru::Panel& panel, QWidget* parent = nullptr);
    ~PanelView() override;

    oru::Panel& panel() const;

    // The Qt widget that shows a model widget of this panel (nullptr for another panel's widget).
    QWidget* viewOf(const oru::Widget& widget) const;

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// Shows the host's message boxes as modal QMessageBoxes: style 16 with the critical icon, 48
// with the exclamation icon, any other style without an icon; the title and the prompt as the
// panel gave them, and an OK button. Boxes are still recorded by the host.
void installMessageBoxes(oru::Host& host, QWidget* parent = nullptr);

}  // namespace oru::qt
