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
//
// The view never disagrees with the model: what the user does on a Qt child, and what code
// writes into one through Qt's own setters (QLineEdit::setText, QComboBox::setCurrentIndex,
// QListWidget::setCurrentRow: a screen reader writes the same way), goes into the model as the
// model's user action (typing, a pick); what Qt changes on its own initiative (a list selecting
// its first row when the focus enters it, a combo box matching its text to an item when the
// focus leaves it) is undone. Enter never reaches the host dialog's default button: it presses
// a focused button, and moves on from a box, a combo or a list as Tab does.
//
//     oru::OperFraisage milling(host);
//     auto* view = new oru::qt::PanelView(milling, &dialog);
//     QObject::connect(view, &oru::qt::PanelView::edited, applyButton,
//                      [applyButton] { applyButton->setEnabled(true); });
class PanelView : public QWidget {
    Q_OBJECT
public:
    explicit PanelView(oru::Panel& panel, QWidget* parent = nullptr);
    ~PanelView() override;

    oru::Panel& panel() const;

    // The Qt widget that shows a model widget of this panel (nullptr for another panel's widget).
    QWidget* viewOf(const oru::Widget& widget) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // Once per user action the panel took: a keystroke that changed a box, a click on one of its
    // buttons (or on a control embedded in it), a pick of another item, leaving a box when that
    // changed something. Never for the host's own Set... calls or property writes, so that a
    // host can enable its Apply button, mark its document as modified or redraw a preview.
    void edited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// Shows the host's message boxes as modal QMessageBoxes: style 16 with the critical icon, 48
// with the exclamation icon, any other style without an icon; the title and the prompt as the
// panel gave them, and an OK button. Boxes are still recorded by the host.
void installMessageBoxes(oru::Host& host, QWidget* parent = nullptr);

}  // namespace oru::qt
