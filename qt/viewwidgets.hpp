#pragma once

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

// The Qt widgets that stand for the model's kinds where a plain Qt widget does not do.
namespace oru::qt {

// A value box. While its text does not read entirely as a number it draws a discreet warning
// outline (the tooltip then tells what the panel read).
class ValueEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    void setWarning(bool on);
    bool warning() const { return warning_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool warning_ = false;
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
