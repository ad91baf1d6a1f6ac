#include "viewwidgets.hpp"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <algorithm>

namespace oru::qt {

bool isUserInput(int eventType) {
    switch (static_cast<QEvent::Type>(eventType)) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::Gesture:
        case QEvent::NativeGesture:
            return true;
        default:
            return false;
    }
}

void Interaction::requestSettle() {
    if (depth_ > 0) {
        settlePending_ = true;
        return;
    }
    if (settlePending_) return;
    settlePending_ = true;
    QMetaObject::invokeMethod(
        self_, [this] { runSettle(); }, Qt::QueuedConnection);
}

void Interaction::runSettle() {
    if (!settlePending_) return;
    settlePending_ = false;
    if (settle) settle();
}

ButtonView::ButtonView(QWidget* parent) : QPushButton(parent), Interaction(this) {
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

bool ButtonView::event(QEvent* e) {
    return handle(e->type(), [&] { return QPushButton::event(e); });
}

void ButtonView::paintEvent(QPaintEvent* event) {
    if (beforePaint) beforePaint();
    QPushButton::paintEvent(event);
}

ValueEdit::ValueEdit(QWidget* parent) : QLineEdit(parent), Interaction(this) {}

bool ValueEdit::event(QEvent* e) {
    return handle(e->type(), [&] { return QLineEdit::event(e); });
}

ComboView::ComboView(QWidget* parent) : QComboBox(parent), Interaction(this) {
    // Editable so that it can show a text that is none of its items, but read-only: the user
    // picks, and nothing typed, completed or matched ever becomes a pick.
    setEditable(true);
    lineEdit()->setReadOnly(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // The line edit's end of editing would make the combo match its text to an item and report
    // it as activated; the panel's text is never the user's choice.
    QObject::disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    QObject::disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
}

bool ComboView::event(QEvent* e) {
    return handle(e->type(), [&] { return QComboBox::event(e); });
}

ListView::ListView(QWidget* parent) : QListWidget(parent), Interaction(this) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

bool ListView::event(QEvent* e) {
    return handle(e->type(), [&] { return QListWidget::event(e); });
}

bool ListView::viewportEvent(QEvent* e) {
    return handle(e->type(), [&] { return QListWidget::viewportEvent(e); });
}

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    if (beforePaint) beforePaint();
    QLabel::paintEvent(event);
}

void ValueEdit::setWarning(bool on) {
    if (warning_ == on) return;
    warning_ = on;
    update();
}

void ValueEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!warning_) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xd9, 0x77, 0x06), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 2.5, 2.5);
}

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureLabel::setSource(const QImage& image, QSizeF logicalSize) {
    // A set-up that assigns the same picture again (same image data) changes nothing on screen.
    if (!pixmap().isNull() && image.cacheKey() == source_.cacheKey() && logicalSize == logical_)
        return;
    source_ = image;
    logical_ = logicalSize;
    render();
}

void PictureLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    render();
}

void PictureLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::ScreenChangeInternal) render();
}

void PictureLabel::render() {
    if (source_.isNull() || width() <= 0 || height() <= 0) {
        if (!pixmap().isNull()) clear();
        return;
    }
    // Fit the picture's logical size into the widget, keeping its aspect.
    QSizeF target = logical_.isEmpty() ? QSizeF(source_.size()) : logical_;
    if (target.width() > width() || target.height() > height())
        target.scale(QSizeF(size()), Qt::KeepAspectRatio);
    const qreal dpr = devicePixelRatioF();
    const QSize pixels(std::max(1, qRound(target.width() * dpr)),
                       std::max(1, qRound(target.height() * dpr)));
    // Scaled pictures are kept for a while: panels switch between a handful of sketches.
    const QString key = QStringLiteral("oru-picture:%1:%2x%3")
                            .arg(source_.cacheKey())
                            .arg(pixels.width())
                            .arg(pixels.height());
    QPixmap pm;
    if (!QPixmapCache::find(key, &pm)) {
        const QImage scaled =
            source_.size() == pixels
                ? source_
                : source_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        pm = QPixmap::fromImage(scaled);
        QPixmapCache::insert(key, pm);
    }
    pm.setDevicePixelRatio(dpr);
    setPixmap(pm);
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor base = palette().color(QPalette::Window);
    p.fillRect(rect(), base);
    p.setPen(QPen(base.darker(125), 1));
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void LineFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor base = palette().color(QPalette::Window);
    const bool horizontal = width() >= height();
    p.setPen(QPen(base.darker(140), 1));
    if (horizontal)
        p.drawLine(QPointF(0, 0.5), QPointF(width(), 0.5));
    else
        p.drawLine(QPointF(0.5, 0), QPointF(0.5, height()));
    p.setPen(QPen(base.lighter(115), 1));
    if (horizontal)
        p.drawLine(QPointF(0, 1.5), QPointF(width(), 1.5));
    else
        p.drawLine(QPointF(1.5, 0), QPointF(1.5, height()));
}

}  // namespace oru::qt
