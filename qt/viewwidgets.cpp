#include "viewwidgets.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QStyle>
#include <QStyledItemDelegate>
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

void ButtonView::setPictureOnly(bool on) {
    if (on == pictureOnly_) return;
    pictureOnly_ = on;
    if (on) {
        // The artwork is drawn for a light tile: a picture button keeps one whatever the
        // desktop's palette, so that its quiet (off) pictures stay legible on a dark desktop.
        QPalette pal(QColor(0xe9, 0xec, 0xf0));
        pal.setColor(QPalette::Highlight, palette().color(QPalette::Highlight));
        setPalette(pal);
    } else {
        setPalette(QPalette());
    }
}

void ButtonView::paintEvent(QPaintEvent* event) {
    if (beforePaint) beforePaint();
    QPushButton::paintEvent(event);
    if (!pictureOnly_ || !hasFocus()) return;
    // A focus ring that shows also on a button whose picture is the highlighted (on) one.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor ring = QApplication::palette(this).color(QPalette::Highlight);
    p.setPen(QPen(ring, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
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

namespace {

// Paints an item's tab-separated cells at the list's column starts.
class ColumnsDelegate : public QStyledItemDelegate {
public:
    explicit ColumnsDelegate(ListView* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QStringList cells = opt.text.split(QLatin1Char('\t'));
        if (cells.size() < 2) {
            QStyledItemDelegate::paint(p, option, index);
            return;
        }
        opt.text.clear();
        const QWidget* w = opt.widget;
        QStyle* style = w ? w->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, p, w);
        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, w);
        p->save();
        p->setFont(opt.font);
        p->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                       : QPalette::Text));
        const auto& columns = list_->columns();
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const int x = i < qsizetype(columns.size()) ? columns[std::size_t(i)] : 0;
            p->drawText(text.adjusted(x, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, cells[i]);
        }
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const auto& columns = list_->columns();
        if (columns.size() > 1) size.setWidth(columns.back() + 8);
        return size;
    }

private:
    ListView* list_;
};

}  // namespace

ListView::ListView(QWidget* parent) : QListWidget(parent), Interaction(this) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new ColumnsDelegate(this));
    setTextElideMode(Qt::ElideNone);
    auto remeasure = [this] { measureColumns(); };
    connect(model(), &QAbstractItemModel::rowsInserted, this, remeasure);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, remeasure);
    connect(model(), &QAbstractItemModel::modelReset, this, remeasure);
    connect(model(), &QAbstractItemModel::dataChanged, this, remeasure);
}

// The items go after the list's own parts: it stops measuring them first.
ListView::~ListView() { QObject::disconnect(model(), nullptr, this, nullptr); }

// Each column starts one blank after the widest cell of the column before; the last start is
// where the widest row ends.
void ListView::measureColumns() {
    std::vector<int> widths;
    const QFontMetrics fm = fontMetrics();
    for (int row = 0; row < count(); ++row) {
        const QStringList cells = item(row)->text().split(QLatin1Char('\t'));
        if (cells.size() > qsizetype(widths.size())) widths.resize(std::size_t(cells.size()), 0);
        for (qsizetype i = 0; i < cells.size(); ++i)
            widths[std::size_t(i)] =
                std::max(widths[std::size_t(i)], fm.horizontalAdvance(cells[i]));
    }
    const int gap = 2 * fm.horizontalAdvance(QLatin1Char(' '));
    columns_.assign(1, 0);
    for (std::size_t i = 0; i < widths.size(); ++i)
        columns_.push_back(columns_.back() + widths[i] + (i + 1 < widths.size() ? gap : 0));
    if (widths.size() < 2) columns_.clear();
}

void ListView::reveal(int row) {
    if (marked_.isValid()) {
        model()->setData(marked_, QVariant(), Qt::FontRole);
        model()->setData(marked_, QVariant(), Qt::BackgroundRole);
        marked_ = QPersistentModelIndex();
    }
    if (row < 0 || row >= count()) return;
    QListWidgetItem* it = item(row);
    QFont bold = font();
    bold.setBold(true);
    it->setFont(bold);
    QColor tint = palette().color(QPalette::Highlight);
    tint.setAlpha(48);
    it->setBackground(tint);
    marked_ = QPersistentModelIndex(indexFromItem(it));
    scrollToItem(it, QAbstractItemView::PositionAtCenter);
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

QString ValueEdit::asTyped(QString text) {
    const qsizetype lineEnd = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
    if (lineEnd >= 0) text.truncate(lineEnd);
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

void ValueEdit::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly()) {
        if (event->matches(QKeySequence::Paste)) {
            pasteFrom(int(QClipboard::Clipboard));
            return;
        }
        // The decimal comma of the keyboard (the main keys or the keypad's) types a point.
        if (event->text() == QStringLiteral(",") &&
            !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            insert(QStringLiteral("."));
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void ValueEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The menu's Paste takes the first line with points, as the keyboard's does.
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        QObject::disconnect(paste, &QAction::triggered, nullptr, nullptr);
        QObject::connect(paste, &QAction::triggered, this,
                         [this] { pasteFrom(int(QClipboard::Clipboard)); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ValueEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The X11 selection pasted with the middle button.
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        pasteFrom(int(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void ValueEdit::pasteFrom(int clipboardMode) {
    const QString text =
        QGuiApplication::clipboard()->text(static_cast<QClipboard::Mode>(clipboardMode));
    const QString typed = asTyped(text);
    if (typed.size() < text.trimmed().size() && text.trimmed().contains(QLatin1Char('\n')))
        note_ = QCoreApplication::translate("PanelView", "première ligne seulement");
    if (!text.isEmpty() || hasSelectedText()) insert(typed);
}

HintLabel::HintLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setContentsMargins(5, 1, 5, 1);
    setFocusPolicy(Qt::NoFocus);
}

void HintLabel::paintEvent(QPaintEvent* event) {
    // An amber note, readable whatever the palette.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xd9, 0x77, 0x06), 1));
    p.setBrush(QColor(0xff, 0xf4, 0xd6));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(QColor(0x5c, 0x3a, 0x00));
    p.setFont(font());
    p.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, text());
    (void)event;
}

void ValueEdit::setWarning(bool on) {
    if (warning_ == on) return;
    warning_ = on;
    // Also a dynamic property, for a host's style sheet ([oruWarning="true"]) and for tests.
    setProperty("oruWarning", on);
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
