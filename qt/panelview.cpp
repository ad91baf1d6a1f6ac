#include "oru/qt/panelview.hpp"

#include <QAccessible>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "oru/host.hpp"
#include "oru/panel.hpp"
#include "oru/qt/artwork.hpp"
#include "oru/widget.hpp"
#include "picturecache.hpp"
#include "typinghelp.hpp"
#include "viewwidgets.hpp"

namespace oru::qt {
namespace {

int px(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Buttons, boxes, lists and hosted controls stay above the pictures and labels they are laid
// over (the layouts put value boxes on the sketches); frames keep their place so that they never
// cover a sibling.
bool drawnAbove(WidgetKind k) {
    switch (k) {
        case WidgetKind::CommandButton:
        case WidgetKind::TextBox:
        case WidgetKind::ComboBox:
        case WidgetKind::ListBox:
        case WidgetKind::Control:
            return true;
        default:
            return false;
    }
}

Qt::Alignment labelAlignment(int a) {
    switch (a) {
        case kRightJustify:
            return Qt::AlignRight | Qt::AlignTop;
        case kCentred:
            return Qt::AlignHCenter | Qt::AlignTop;
        default:
            return Qt::AlignLeft | Qt::AlignTop;
    }
}

// A model picture as an image plus the logical size it was drawn for.
struct Rendered {
    QImage image;
    QSizeF logical;
};

Rendered renderPicture(const Picture& pic, qreal dpr) {
    if (pic.isEmpty()) return {};
    if (pic.pixels()) {
        QImage img = PictureCache::drawn(*pic.pixels());
        return {img, QSizeF(img.size())};
    }
    if (pic.kind() == Picture::Kind::File) {
        const std::string& path = pic.nativePath().empty() ? pic.name() : pic.nativePath();
        QImage img = PictureCache::instance().file(qs(path));
        return {img, QSizeF(img.size())};
    }
    const QPixmap pm = resourcePixmap(pic.name(), dpr);
    return {pm.toImage(), QSizeF(resourceSize(pic.name()))};
}

// Which focus-out means that the user left the box for another control of the dialog: not a
// window losing activation, nor a popup or menu opening over it.
bool leavesTheBox(Qt::FocusReason r) {
    return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason &&
           r != Qt::MenuBarFocusReason;
}

}  // namespace

struct PanelView::Impl {
    PanelView* q;
    Panel& panel;
    ObserverHandle observer;
    std::unordered_map<const Widget*, QWidget*> views;
    std::unordered_map<const QObject*, Widget*> models;
    int syncing = 0;  // > 0 while the view copies model state into Qt widgets
    int inModel = 0;  // > 0 while a user action runs in the model
    bool tabOrderPending = false;

    Impl(PanelView* view, Panel& p) : q(view), panel(p) {}

    // RAII marks.
    struct Mark {
        int& n;
        explicit Mark(int& counter) : n(counter) { ++n; }
        ~Mark() { --n; }
    };

    void build();
    QWidget* create(Widget& w, QWidget* parent);
    void refreshAll(Widget& w);
    void refresh(Widget& w, Property p);
    void applyGeometry(Widget& w, QWidget* v);
    void applyPicture(Widget& w, QWidget* v);
    void applyTip(Widget& w, QWidget* v);
    void applyText(Widget& w, QWidget* v);
    void applyList(Widget& w, QWidget* v);
    void applyListIndex(Widget& w, QWidget* v);
    void scheduleTabOrder();
    void applyTabOrder();

    // Runs a user action in the model; the model contains every failure itself.
    template <class F>
    void act(F&& f) {
        Mark m(inModel);
        f();
    }
    void leave(Widget& w);
};

void PanelView::Impl::build() {
    for (const auto& up : panel.widgets()) {
        Widget& w = *up;
        QWidget* parent = q;
        if (Widget* frame = w.container()) {
            auto it = views.find(frame);
            if (it != views.end()) parent = it->second;
        }
        QWidget* v = create(w, parent);
        v->setObjectName(qs(w.fullName()));
        views[&w] = v;
        models[v] = &w;
    }
    for (const auto& up : panel.widgets())
        refreshAll(*up);
    for (const auto& up : panel.widgets())
        if (drawnAbove(up->kind())) views[up.get()]->raise();
    applyTabOrder();
}

QWidget* PanelView::Impl::create(Widget& w, QWidget* parent) {
    Widget* model = &w;
    switch (w.kind()) {
        case WidgetKind::CommandButton: {
            auto* b = new QPushButton(parent);
            b->setAutoDefault(false);
            b->setDefault(false);
            b->setFocusPolicy(Qt::StrongFocus);
            QObject::connect(b, &QPushButton::clicked, q, [this, model] {
                if (syncing == 0) act([model] { model->click(); });
            });
            return b;
        }
        case WidgetKind::Label: {
            auto* l = new QLabel(parent);
            l->setTextFormat(Qt::PlainText);
            l->setWordWrap(false);
            return l;
        }
        case WidgetKind::TextBox: {
            auto* e = new ValueEdit(parent);
            e->installEventFilter(q);
            QObject::connect(e, &QLineEdit::textEdited, q, [this, model](const QString& text) {
                if (syncing == 0) act([model, &text] { model->setText(text.toStdString()); });
            });
            return e;
        }
        case WidgetKind::ComboBox: {
            // Shows the panel's text also when it is none of the items (a pitch written by the
            // panel); the user picks from the list and does not type.
            auto* c = new QComboBox(parent);
            c->setEditable(true);
            c->lineEdit()->setReadOnly(true);
            c->setInsertPolicy(QComboBox::NoInsert);
            QObject::connect(c, &QComboBox::activated, q, [this, model](int index) {
                if (syncing == 0) act([model, index] { model->setListIndex(index); });
            });
            return c;
        }
        case WidgetKind::ListBox: {
            auto* l = new QListWidget(parent);
            l->setSelectionMode(QAbstractItemView::SingleSelection);
            // List items are laid out in columns with blanks and tabs: a fixed-pitch font keeps
            // the columns straight.
            QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            fixed.setPixelSize(12);
            l->setFont(fixed);
            QObject::connect(l, &QListWidget::currentRowChanged, q, [this, model](int row) {
                if (syncing == 0 && row >= 0) act([model, row] { model->setListIndex(row); });
            });
            return l;
        }
        case WidgetKind::Image:
            return new PictureLabel(parent);
        case WidgetKind::PictureBox:
            return new FrameBox(parent);
        case WidgetKind::Line:
            return new LineFrame(parent);
        case WidgetKind::Control:
            if (Panel* hosted = w.hosted()) return new PanelView(*hosted, parent);
            return new FrameBox(parent);
    }
    return new QWidget(parent);
}

void PanelView::Impl::refreshAll(Widget& w) {
    for (Property p : {Property::Visible, Property::Enabled, Property::Left, Property::Caption,
                       Property::List, Property::Text, Property::ListIndex, Property::ToolTip,
                       Property::Alignment, Property::Picture})
        refresh(w, p);
}

void PanelView::Impl::refresh(Widget& w, Property p) {
    auto it = views.find(&w);
    if (it == views.end()) return;
    QWidget* v = it->second;
    Mark m(syncing);
    switch (p) {
        case Property::Visible:
            v->setHidden(!w.visible());
            scheduleTabOrder();
            break;
        case Property::Enabled:
            v->setEnabled(w.enabled());
            break;
        case Property::Left:
        case Property::Top:
        case Property::Width:
        case Property::Height:
            applyGeometry(w, v);
            break;
        case Property::Caption:
            if (auto* b = qobject_cast<QPushButton*>(v)) {
                b->setText(qs(w.caption()));
                applyTip(w, v);
            } else if (auto* l = qobject_cast<QLabel*>(v); l && w.kind() == WidgetKind::Label) {
                l->setText(qs(w.caption()));
            }
            break;
        case Property::Text:
            applyText(w, v);
            break;
        case Property::ToolTip:
            applyTip(w, v);
            break;
        case Property::Alignment:
            if (auto* l = qobject_cast<QLabel*>(v); l && w.kind() == WidgetKind::Label)
                l->setAlignment(labelAlignment(w.alignment()));
            break;
        case Property::Picture:
            applyPicture(w, v);
            break;
        case Property::List:
            applyList(w, v);
            applyListIndex(w, v);
            break;
        case Property::ListIndex:
            applyListIndex(w, v);
            break;
    }
}

void PanelView::Impl::applyGeometry(Widget& w, QWidget* v) {
    QRect r(px(w.left()), px(w.top()), px(w.width()), px(w.height()));
    if (w.kind() == WidgetKind::Line) {
        // A line of no thickness still needs room for its two strokes.
        if (r.height() < 2) r.setHeight(2);
        if (r.width() < 2) r.setWidth(2);
    }
    if (v->geometry() != r) {
        v->setGeometry(r);
        if (auto* b = qobject_cast<QPushButton*>(v)) {
            const int side = std::max(8, std::min(r.width(), r.height()) - 6);
            const QSize nominal = resourceSize(w.picture().name());
            const int icon = nominal.isEmpty() ? side : std::min(side, nominal.width());
            b->setIconSize(QSize(icon, icon));
        }
        scheduleTabOrder();
    }
}

void PanelView::Impl::applyPicture(Widget& w, QWidget* v) {
    const Picture& pic = w.picture();
    // The name of what is shown, for tests and for inspecting a host's dialog.
    v->setProperty("oruPicture", qs(pic.name()));
    if (auto* b = qobject_cast<QPushButton*>(v)) {
        if (pic.isEmpty()) {
            b->setIcon(QIcon());
        } else if (!pic.pixels() &&
                   (pic.kind() == Picture::Kind::Icon || pic.kind() == Picture::Kind::Bitmap)) {
            b->setIcon(resourceIcon(pic.name()));
        } else {
            const Rendered r = renderPicture(pic, b->devicePixelRatioF());
            b->setIcon(r.image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(r.image)));
        }
        applyGeometry(w, v);
        const QSize nominal = resourceSize(pic.name());
        const int side = std::max(8, std::min(v->width(), v->height()) - 6);
        const int icon = nominal.isEmpty() ? side : std::min(side, nominal.width());
        b->setIconSize(QSize(icon, icon));
    } else if (auto* l = dynamic_cast<PictureLabel*>(v)) {
        const Rendered r = renderPicture(pic, l->devicePixelRatioF());
        l->setSource(r.image, r.logical);
    }
}

void PanelView::Impl::applyTip(Widget& w, QWidget* v) {
    QString tip = qs(w.toolTip());
    if (auto* e = dynamic_cast<ValueEdit*>(v)) {
        const auto hint = typingHint(w.text());
        e->setWarning(hint.has_value());
        if (hint) tip = tip.isEmpty() ? *hint : tip + QLatin1Char('\n') + *hint;
        v->setAccessibleName(qs(w.toolTip()));
    } else if (w.kind() == WidgetKind::CommandButton) {
        // A screen reader names a picture button by its tooltip, else by its caption.
        v->setAccessibleName(w.toolTip().empty() ? qs(w.caption()) : qs(w.toolTip()));
    } else if (!w.toolTip().empty()) {
        v->setAccessibleName(qs(w.toolTip()));
    }
    v->setToolTip(tip);
}

void PanelView::Impl::applyText(Widget& w, QWidget* v) {
    const QString text = qs(w.text());
    if (auto* e = qobject_cast<QLineEdit*>(v)) {
        if (e->text() != text) {
            const int pos = e->cursorPosition();
            e->setText(text);
            e->setCursorPosition(e->hasFocus() ? std::min<int>(pos, int(text.size())) : 0);
        }
        applyTip(w, v);
    } else if (auto* c = qobject_cast<QComboBox*>(v)) {
        if (c->currentText() != text) c->setEditText(text);
    }
}

void PanelView::Impl::applyList(Widget& w, QWidget* v) {
    QStringList items;
    for (int i = 0; i < w.listCount(); ++i)
        items << qs(w.list(i));
    if (auto* c = qobject_cast<QComboBox*>(v)) {
        c->clear();
        c->addItems(items);
    } else if (auto* l = qobject_cast<QListWidget*>(v)) {
        l->clear();
        l->addItems(items);
    }
}

void PanelView::Impl::applyListIndex(Widget& w, QWidget* v) {
    const int i = w.listIndex();
    if (auto* c = qobject_cast<QComboBox*>(v)) {
        if (c->count() != w.listCount()) applyList(w, v);
        c->setCurrentIndex(i);
        const QString text = qs(w.text());
        if (c->currentText() != text) c->setEditText(text);
    } else if (auto* l = qobject_cast<QListWidget*>(v)) {
        if (l->count() != w.listCount()) applyList(w, v);
        l->setCurrentRow(i);
        if (i >= 0)
            l->scrollToItem(l->item(i));
        else
            l->clearSelection();
    }
}

// Tab order follows the layout: rows from top to bottom, left to right within a row. Positions
// change with the operation (boxes move over the sketch), so the order is rebuilt once after a
// burst of changes rather than after each one.
void PanelView::Impl::scheduleTabOrder() {
    if (tabOrderPending) return;
    tabOrderPending = true;
    QTimer::singleShot(0, q, [this] { applyTabOrder(); });
}

void PanelView::Impl::applyTabOrder() {
    tabOrderPending = false;
    struct Stop {
        QWidget* w;
        QPoint at;
    };
    std::vector<Stop> stops;
    // Every focusable widget of this view and of the views nested in it.
    const auto all = q->findChildren<QWidget*>();
    for (QWidget* w : all) {
        if (!(w->focusPolicy() & Qt::TabFocus)) continue;
        if (qobject_cast<PanelView*>(w)) continue;
        // Only widgets that show a model widget (not the inner parts of a Qt widget).
        if (w->objectName().isEmpty()) continue;
        stops.push_back({w, w->mapTo(q, QPoint(0, 0))});
    }
    constexpr int kRow = 8;  // widgets whose tops are this close share a row
    std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
        const int ra = a.at.y() / kRow;
        const int rb = b.at.y() / kRow;
        if (ra != rb) return ra < rb;
        return a.at.x() < b.at.x();
    });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1].w, stops[i].w);
}

void PanelView::Impl::leave(Widget& w) {
    if (syncing == 0 && inModel == 0) {
        act([&w] { w.lostFocus(); });
        return;
    }
    // The focus left the box while the model was busy (a box hidden by a set-up, a message box
    // shown by a handler): tell the model once it is done.
    QPointer<PanelView> self(q);
    Widget* model = &w;
    QTimer::singleShot(0, q, [self, this, model] {
        if (self) act([model] { model->lostFocus(); });
    });
}

PanelView::PanelView(Panel& panel, QWidget* parent)
    : QWidget(parent), d_(std::make_unique<Impl>(this, panel)) {
    // The panels are laid out in fixed positions: give them a font that fits the design sizes.
    QFont f = font();
    f.setPixelSize(12);
    setFont(f);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    d_->build();
    setFixedSize(sizeHint());
    d_->observer = panel.addObserver([this](Widget& w, Property p) { d_->refresh(w, p); });
}

PanelView::~PanelView() {
    d_->observer.remove();
    for (const auto& [object, model] : d_->models)
        const_cast<QObject*>(object)->removeEventFilter(this);
}

Panel& PanelView::panel() const { return d_->panel; }

QWidget* PanelView::viewOf(const Widget& widget) const {
    auto it = d_->views.find(&widget);
    return it == d_->views.end() ? nullptr : it->second;
}

QSize PanelView::sizeHint() const { return {px(d_->panel.width()), px(d_->panel.height())}; }

bool PanelView::eventFilter(QObject* watched, QEvent* event) {
    auto it = d_->models.find(watched);
    if (it == d_->models.end()) return QWidget::eventFilter(watched, event);
    Widget& w = *it->second;
    if (event->type() == QEvent::FocusOut) {
        if (leavesTheBox(static_cast<QFocusEvent*>(event)->reason())) d_->leave(w);
    } else if (event->type() == QEvent::KeyPress) {
        // Enter moves on to the next box, as Tab does, instead of reaching the dialog's default
        // button: leaving the box is what tells the panel that the value is complete.
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            auto* v = static_cast<QWidget*>(watched);
            QWidget* next = v->nextInFocusChain();
            while (
                next && next != v &&
                (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible() || !next->isEnabled()))
                next = next->nextInFocusChain();
            if (next && next != v) next->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PanelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
}

void installMessageBoxes(Host& host, QWidget* parent) {
    QPointer<QWidget> owner(parent);
    host.setMessageHandler([owner](const Message& m) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        if (m.style == kStyleCritical)
            icon = QMessageBox::Critical;
        else if (m.style == kStyleExclamation)
            icon = QMessageBox::Warning;
        QString prompt = QString::fromStdString(m.prompt);
        prompt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QMessageBox box(icon, QString::fromStdString(m.title), prompt, QMessageBox::Ok,
                        owner.data());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    });
}

}  // namespace oru::qt
