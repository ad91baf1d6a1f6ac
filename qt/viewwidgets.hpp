#pragma once

#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <utility>
#include <vector>

// The Qt widgets that stand for the model's kinds. Those the user works with know why Qt is
// changing them: the view feeds a change made by the user (or written by code through Qt's own
// setters) back into the model, and undoes a change Qt makes on its own initiative (a list that
// selects its first row when the focus enters it, a combo box that matches its text to an item
// when the focus leaves it).
namespace oru::qt {

// Why a widget's state is changing, as far as the widget can tell.
enum class ChangeCause {
    Code,      // outside any event of the widget: code called a setter (a host, a screen reader)
    User,      // while the widget handles the user's input (mouse, keys, wheel, touch, a drop)
    Internal,  // while the widget handles an event of its own (focus, show, resize, style...)
};

// Whether an event type is the user's input, as opposed to Qt's own housekeeping.
bool isUserInput(int eventType);

// What every interactive view widget shares: the cause of the change under way, and a hook run
// after the outermost event the widget handled, so that the view can put back what the model
// holds once Qt is done.
class Interaction {
public:
    explicit Interaction(QObject* self) : self_(self) {}
    ChangeCause cause() const { return cause_; }
    // Asks for the settle hook once the event under way is over; outside any event, as soon as
    // control returns to the event loop (Qt may still be in the middle of the setter).
    void requestSettle();
    std::function<void()> settle;

protected:
    // Wraps the handling of one event.
    template <class F>
    bool handle(int eventType, F&& base) {
        const ChangeCause outer = cause_;
        const bool outermost = depth_ == 0;
        cause_ = isUserInput(eventType) ? ChangeCause::User : ChangeCause::Internal;
        ++depth_;
        const bool result = base();
        --depth_;
        cause_ = outer;
        if (outermost) runSettle();
        return result;
    }

private:
    void runSettle();
    QObject* self_;
    ChangeCause cause_ = ChangeCause::Code;
    int depth_ = 0;
    bool settlePending_ = false;
};

// A command button. It never acts as a dialog's default button.
class ButtonView : public QPushButton, public Interaction {
public:
    explicit ButtonView(QWidget* parent = nullptr);
    // Run before each paint: a caption written into the button by code is put back.
    std::function<void()> beforePaint;
    // A button that shows a picture and no caption: a light tile and a visible focus ring.
    void setPictureOnly(bool on);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pictureOnly_ = false;
};

// A value box. The decimal comma a machinist types or pastes becomes the decimal point (the
// panels read "12,5" as 12), and a pasted text keeps its first line only. While its text does
// not read as the number the user means it draws a warning outline (the view then shows what
// the panel read).
class ValueEdit : public QLineEdit, public Interaction {
public:
    explicit ValueEdit(QWidget* parent = nullptr);
    void setWarning(bool on);
    bool warning() const { return warning_; }

    // A text as the box takes it from the user: its first line, commas as decimal points.
    static QString asTyped(QString text);
    // What the last paste left out ("première ligne seulement"), once; empty otherwise.
    QString takeNote() { return std::exchange(note_, QString()); }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void pasteFrom(int clipboardMode);
    bool warning_ = false;
    QString note_;
};

// The inline hint of a value box: what the panel read from it, shown beside the box without
// hovering while the box has the focus.
class HintLabel : public QLabel {
public:
    explicit HintLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A combo box: shows the panel's text also when it is none of the items (a pitch written by the
// panel), and lets the user pick from the list without typing. It never completes, inserts or
// matches a text by itself.
class ComboView : public QComboBox, public Interaction {
public:
    explicit ComboView(QWidget* parent = nullptr);

protected:
    bool event(QEvent* e) override;
};

// A list box with single selection. Items whose text holds tabs are laid out in columns as wide
// as their widest cell (the thread list: designation, pitch, diameter range), so that the list
// needs no horizontal scroll bar where the columns fit.
class ListView : public QListWidget, public Interaction {
public:
    explicit ListView(QWidget* parent = nullptr);
    ~ListView() override;
    // Where each column starts, in pixels from the item's text start.
    const std::vector<int>& columns() const { return columns_; }
    // Shows `row` in the middle of the list, marked (bold, a light tint) but not current: the
    // row the panel's state points at, which the user has not picked.
    void reveal(int row);

protected:
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    void measureColumns();
    std::vector<int> columns_;
    QPersistentModelIndex marked_;
};

// A label. Labels show what the model holds: a text written into one by code is put back when
// it is painted.
class CaptionLabel : public QLabel {
public:
    explicit CaptionLabel(QWidget* parent = nullptr);
    std::function<void()> beforePaint;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An image: shows its picture scaled to fit (aspect kept, anchored at the top left, never
// enlarged beyond what the picture was drawn for), rendered for the screen's pixel ratio.
class PictureLabel : public QLabel {
public:
    explicit PictureLabel(QWidget* parent = nullptr);
    // The picture's source image and the logical size it was drawn for.
    void setSource(const QImage& image, QSizeF logicalSize);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void render();
    QImage source_;
    QSizeF logical_;
};

// A picture-box frame: a light panel with a thin border that holds its widgets.
class FrameBox : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A line, drawn from the top left to the bottom right of the model's rectangle (a horizontal or
// vertical line in practice) with an etched look.
class LineFrame : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace oru::qt
