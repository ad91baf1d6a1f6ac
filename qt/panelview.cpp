#include "oru/qt/panelview.hpp"

#include <QAccessible>
#include <QApplication>
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
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "deferredboxes.hpp"
#include "oru/error.hpp"
#include "oru/host.hpp"
#include "oru/numbers.hpp"
#include "oru/panel.hpp"
#include "oru/qt/artwork.hpp"
#include "oru/qt/translations.hpp"
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

// A widget's own disabled flag (a host may disable the whole view, which disables every child
// without changing what the model holds).
bool disabledFlag(const QWidget* v) { return v->testAttribute(Qt::WA_ForceDisabled); }

// Which focus-out means that the user left the box for another control of the dialog: not a
// window losing activation, nor a popup or menu opening over it.
bool leavesTheBox(Qt::FocusReason r) {
    return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason &&
           r != Qt::MenuBarFocusReason;
}

// The row of the thread list that describes the operation's thread: the pitch of the pitch
// combo, and a diameter range holding the stock diameter (else the first row of that pitch);
// -1 for another list or when none matches. Rows read "designation<tab>pas= pitch<tab>min <=D<
// max".
int threadRowOf(const Panel& panel, const Widget& list) {
    if (panel.className() != "OperTournage" || list.name() != "lPasFilet") return -1;
    try {
        const double pitch = Val(panel.widget("cbPas").text());
        const double diameter = Val(panel.widget("tDiamBrut").caption());
        int first = -1;
        for (int i = 0; i < list.listCount(); ++i) {
            const QStringList cells = qs(list.list(i)).split(QLatin1Char('\t'));
            if (cells.size() < 3) continue;
            QString p = cells[1];
            p.remove(QStringLiteral("pas="));
            if (std::abs(Val(p.toStdString()) - pitch) > 1e-9) continue;
            if (first < 0) first = i;
            const QStringList range = cells[2].split(QLatin1Char('D'));
            if (range.size() == 2 && Val(range[0].toStdString()) <= diameter &&
                diameter <= Val(range[1]
                                    .mid(range[1].indexOf(QLatin1Char('<')) + 1)
                                    .remove(QLatin1Char('='))
                                    .toStdString()))
                return i;
        }
        return first;
    } catch (const Error&) {
        return -1;
    }
}

// The luminance (0 to 1) of the opaque pixels of `image` within `area`, or -1 when none is.
double luminanceOf(const QImage& image, const QRect& area) {
    const QRect r = area.intersected(image.rect());
    if (r.isEmpty()) return -1;
    double sum = 0;
    int n = 0;
    const int step = std::max(1, std::min(r.width(), r.height()) / 8);
    for (int y = r.top(); y <= r.bottom(); y += step)
        for (int x = r.left(); x <= r.right(); x += step) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) < 128) continue;
            sum += (0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c)) / 255.0;
            ++n;
        }
    return n ? sum / n : -1;
}

}  // namespace

struct PanelView::Impl {
    PanelView* q;
    Panel& panel;
    ObserverHandle observer;
    std::unordered_map<const Widget*, QWidget*> views;
    std::unordered_map<const QObject*, Widget*> models;
    int syncing = 0;            // > 0 while the view copies model state into Qt widgets
    int inModel = 0;            // > 0 while a user action runs in the model
    std::uint64_t changes = 0;  // model notifications seen so far
    bool tabOrderPending = false;
    bool placementPending = false;
    bool contrastPending = false;
    bool revealPending = false;
    HintLabel* hint = nullptr;  // the inline hint of the focused value box
    // What the last keystroke in a box caused that the box's text does not tell: a message box
    // it raised, lines a paste left out.
    std::unordered_map<const Widget*, QString> notes;
    // The boxes the user typed in since the panel last wrote them.
    std::unordered_set<const Widget*> typed;

    Impl(PanelView* view, Panel& p) : q(view), panel(p) {}

    // A text of the panel as the screen shows it, in the application's language.
    QString shown(const std::string& text) const { return translatedText(panel.className(), text); }
    void retranslate();

    // Whether the panel is still there. It must outlive the view, but a host that gets the order
    // wrong gets a view that ignores everything rather than a crash.
    bool panelGone() const { return !observer.active(); }

    // RAII mark of a counter.
    struct Mark {
        int& n;
        explicit Mark(int& counter) : n(counter) { ++n; }
        ~Mark() { --n; }
    };

    void build();
    QWidget* create(Widget& w, QWidget* parent);
    void connectInteraction(Widget& w, QWidget* v);
    void refreshAll(Widget& w);
    void refresh(Widget& w, Property p);
    void reconcile(Widget& w);
    QRect geometryOf(const Widget& w) const;
    bool outOfPlace(const Widget& w, const QWidget* v) const;
    void applyGeometry(Widget& w, QWidget* v);
    void fitFont(const Widget& w, QWidget* v, int room);
    void applyPicture(Widget& w, QWidget* v);
    void applyTip(Widget& w, QWidget* v);
    void applyText(Widget& w, QWidget* v);
    void applyList(Widget& w, QWidget* v, bool appended);
    void applyListIndex(Widget& w, QWidget* v);
    void scheduleTabOrder();
    void applyTabOrder();
    void schedulePlacement();
    void scheduleContrast();
    void scheduleReveal();
    void updateContrast();

    // User actions, fed into the model as the model's own user actions.
    void userClick(Widget& w);
    void userText(Widget& w, const QString& text, QString note = {});
    QString hintFor(const Widget& w) const;
    void updateHint();
    void userPick(Widget& w, int index);
    void leave(Widget& w);
    // Runs one user action in the model (which contains every failure itself) and tells the host
    // when the panel took it: always for a click, for the rest when the model changed.
    template <class F>
    void act(bool alwaysEdited, F&& f);
    bool keyPress(Widget& w, QWidget* v, QKeyEvent* key);
    void moveOn(QWidget* from);
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
        v->installEventFilter(q);
        connectInteraction(w, v);
    }
    for (const auto& up : panel.widgets())
        refreshAll(*up);
    for (const auto& up : panel.widgets())
        if (drawnAbove(up->kind())) views[up.get()]->raise();
    applyTabOrder();
    schedulePlacement();
}

QWidget* PanelView::Impl::create(Widget& w, QWidget* parent) {
    switch (w.kind()) {
        case WidgetKind::CommandButton:
            return new ButtonView(parent);
        case WidgetKind::Label:
            return new CaptionLabel(parent);
        case WidgetKind::TextBox:
            return new ValueEdit(parent);
        case WidgetKind::ComboBox:
            return new ComboView(parent);
        case WidgetKind::ListBox: {
            auto* l = new ListView(parent);
            // List items are laid out in columns with blanks and tabs: a fixed-pitch font keeps
            // the columns straight.
            QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            fixed.setPixelSize(12);
            l->setFont(fixed);
            return l;
        }
        case WidgetKind::Image:
            return new PictureLabel(parent);
        case WidgetKind::PictureBox:
            return new FrameBox(parent);
        case WidgetKind::Line:
            return new LineFrame(parent);
        case WidgetKind::Control:
            if (Panel* hosted = w.hosted()) {
                auto* nested = new PanelView(*hosted, parent);
                // A user action on the embedded control is one on this panel too.
                QObject::connect(nested, &PanelView::edited, q, &PanelView::edited);
                return nested;
            }
            return new FrameBox(parent);
    }
    return new QWidget(parent);
}

// How each kind tells the view that Qt changed it. A change the view makes itself (syncing) is
// the model's own; a change made while Qt handles an event of its own is undone once the event
// is over; any other change is the user's (or code writing through Qt's setters, which a screen
// reader does too) and goes into the model, after which the widget shows what the model holds.
void PanelView::Impl::connectInteraction(Widget& w, QWidget* v) {
    Widget* model = &w;
    if (auto* b = dynamic_cast<ButtonView*>(v)) {
        QObject::connect(b, &QPushButton::clicked, q, [this, model] {
            if (syncing == 0) userClick(*model);
        });
        b->settle = [this, model] { reconcile(*model); };
        b->beforePaint = [this, model, b] {
            if (syncing == 0 && !panelGone() && b->text() != shown(model->caption()))
                reconcile(*model);
        };
    } else if (auto* e = dynamic_cast<ValueEdit*>(v)) {
        QObject::connect(e, &QLineEdit::textChanged, q, [this, model, e](const QString& text) {
            if (syncing != 0) return;
            if (e->cause() == ChangeCause::Internal) {
                e->requestSettle();
                return;
            }
            userText(*model, text, e->takeNote());
        });
        e->settle = [this, model] { reconcile(*model); };
    } else if (auto* c = dynamic_cast<ComboView*>(v)) {
        QObject::connect(c, &QComboBox::currentIndexChanged, q, [this, model, c](int index) {
            if (syncing != 0) return;
            if (c->cause() != ChangeCause::Internal) userPick(*model, index);
            c->requestSettle();
        });
        QObject::connect(c, &QComboBox::editTextChanged, q, [this, c](const QString&) {
            if (syncing == 0) c->requestSettle();
        });
        // Taking an item from the popup ends with this signal, once the combo is done: the
        // place where an item taken again (the index unchanged) gets the panel's text back.
        QObject::connect(c, &QComboBox::activated, q, [this, model, c](int) {
            if (syncing != 0) return;
            if (c->cause() == ChangeCause::Internal)
                c->requestSettle();
            else
                reconcile(*model);
        });
        auto undo = [this, c] {
            if (syncing == 0) c->requestSettle();
        };
        QObject::connect(c->model(), &QAbstractItemModel::rowsInserted, q, undo);
        QObject::connect(c->model(), &QAbstractItemModel::rowsRemoved, q, undo);
        QObject::connect(c->model(), &QAbstractItemModel::dataChanged, q, undo);
        QObject::connect(c->model(), &QAbstractItemModel::modelReset, q, undo);
        c->settle = [this, model] { reconcile(*model); };
    } else if (auto* l = dynamic_cast<ListView*>(v)) {
        QObject::connect(l, &QListWidget::currentRowChanged, q, [this, model, l](int row) {
            if (syncing != 0) return;
            // Qt makes the first row current when the focus enters a list that has none: that
            // is no pick.
            if (l->cause() != ChangeCause::Internal && row >= 0) userPick(*model, row);
            l->requestSettle();
        });
        auto undo = [this, l] {
            if (syncing == 0) l->requestSettle();
        };
        QObject::connect(l, &QListWidget::itemSelectionChanged, q, undo);
        QObject::connect(l->model(), &QAbstractItemModel::rowsInserted, q, undo);
        QObject::connect(l->model(), &QAbstractItemModel::rowsRemoved, q, undo);
        QObject::connect(l->model(), &QAbstractItemModel::dataChanged, q, undo);
        QObject::connect(l->model(), &QAbstractItemModel::modelReset, q, undo);
        l->settle = [this, model] { reconcile(*model); };
    } else if (auto* label = dynamic_cast<CaptionLabel*>(v)) {
        label->beforePaint = [this, model, label] {
            if (syncing == 0 && !panelGone() && label->text() != shown(model->caption()))
                reconcile(*model);
        };
    }
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
            if (v->isHidden() == w.visible()) v->setHidden(!w.visible());
            scheduleTabOrder();
            if (w.kind() == WidgetKind::Image) schedulePlacement();
            if (w.kind() == WidgetKind::ListBox && w.visible()) scheduleReveal();
            break;
        case Property::Enabled:
            if (disabledFlag(v) == w.enabled()) v->setEnabled(w.enabled());
            break;
        case Property::Left:
        case Property::Top:
        case Property::Width:
        case Property::Height:
            applyGeometry(w, v);
            if (w.kind() == WidgetKind::Image) schedulePlacement();
            break;
        case Property::Caption:
            if (auto* b = qobject_cast<QPushButton*>(v)) {
                if (b->text() != shown(w.caption())) b->setText(shown(w.caption()));
                applyTip(w, v);
                applyGeometry(w, v);
            } else if (auto* l = qobject_cast<QLabel*>(v); l && w.kind() == WidgetKind::Label) {
                if (l->text() != shown(w.caption())) l->setText(shown(w.caption()));
                applyGeometry(w, v);
                scheduleContrast();
            }
            break;
        case Property::Text:
            // Written by a host's set-up rather than as the user types: the box is the panel's.
            if (inModel == 0) typed.erase(&w);
            applyText(w, v);
            break;
        case Property::ToolTip:
            applyTip(w, v);
            break;
        case Property::Alignment:
            if (auto* l = qobject_cast<QLabel*>(v); l && w.kind() == WidgetKind::Label) {
                l->setAlignment(labelAlignment(w.alignment()));
                applyGeometry(w, v);
            }
            break;
        case Property::Picture:
            applyPicture(w, v);
            if (w.kind() == WidgetKind::Image) schedulePlacement();
            break;
        case Property::List:
            applyList(w, v, true);
            applyListIndex(w, v);
            if (w.kind() == WidgetKind::ListBox && w.visible()) scheduleReveal();
            break;
        case Property::ListIndex:
            applyListIndex(w, v);
            if (w.kind() == WidgetKind::ListBox && w.visible()) scheduleReveal();
            break;
    }
}

// The thread list opens on the thread of the operation (the pitch of the combo, the diameter of
// the stock) when none is picked, without picking it.
void PanelView::Impl::scheduleReveal() {
    if (revealPending) return;
    revealPending = true;
    QTimer::singleShot(0, q, [this] {
        revealPending = false;
        if (panelGone()) return;
        for (const auto& up : panel.widgets()) {
            if (up->kind() != WidgetKind::ListBox || !up->visible()) continue;
            if (auto* l = dynamic_cast<ListView*>(views[up.get()])) {
                Mark m(syncing);
                // Once the user has picked a thread, the pick is what the list shows.
                l->reveal(up->listIndex() >= 0 ? -1 : threadRowOf(panel, *up));
            }
        }
    });
}

void PanelView::Impl::retranslate() {
    for (const auto& up : panel.widgets()) {
        Widget& w = *up;
        auto it = views.find(&w);
        if (it == views.end()) continue;
        for (Property p : {Property::Caption, Property::ToolTip, Property::List, Property::Text})
            refresh(w, p);
        Mark m(syncing);
        applyListIndex(w, it->second);
    }
    updateHint();
    schedulePlacement();
}

// Places every widget again (the boxes over a picture follow it) and sets the labels' colours
// over the pictures, once after a burst of changes.
void PanelView::Impl::schedulePlacement() {
    if (placementPending) return;
    placementPending = true;
    QTimer::singleShot(0, q, [this] {
        placementPending = false;
        if (panelGone()) return;
        Mark m(syncing);
        for (const auto& up : panel.widgets())
            if (auto it = views.find(up.get()); it != views.end()) applyGeometry(*up, it->second);
        updateContrast();
    });
}

void PanelView::Impl::scheduleContrast() {
    if (contrastPending) return;
    contrastPending = true;
    QTimer::singleShot(0, q, [this] {
        contrastPending = false;
        if (!panelGone()) updateContrast();
    });
}

// Labels drawn over a picture take their colour from the picture, not from the palette: dark
// text over a light sketch even when the desktop is dark, and light text over a dark one.
void PanelView::Impl::updateContrast() {
    struct Shown {
        QRect at;  // where the picture is drawn, in the view
        QImage image;
        qreal dpr;
    };
    std::vector<Shown> pictures;
    for (const auto& up : panel.widgets()) {
        if (up->kind() != WidgetKind::Image) continue;
        auto* l = dynamic_cast<PictureLabel*>(views[up.get()]);
        if (!l || !l->isVisibleTo(q)) continue;
        const QPixmap pm = l->pixmap();
        if (pm.isNull()) continue;
        pictures.push_back({QRect(l->mapTo(q, QPoint(0, 0)), pm.deviceIndependentSize().toSize()),
                            pm.toImage(), pm.devicePixelRatio()});
    }
    for (const auto& up : panel.widgets()) {
        if (up->kind() != WidgetKind::Label) continue;
        auto* l = qobject_cast<QLabel*>(views[up.get()]);
        if (!l) continue;
        const QFontMetrics fm = l->fontMetrics();
        const int textWidth = std::min(l->width(), fm.horizontalAdvance(l->text()));
        QRect text(l->mapTo(q, QPoint(0, 0)), QSize(textWidth, std::min(l->height(), fm.height())));
        if (up->alignment() == kRightJustify)
            text.moveLeft(text.left() + l->width() - textWidth);
        else if (up->alignment() == kCentred)
            text.moveLeft(text.left() + (l->width() - textWidth) / 2);
        double luminance = -1;
        if (l->isVisibleTo(q) && !l->text().isEmpty()) {
            for (const Shown& p : pictures) {
                const QRect under = text.intersected(p.at);
                if (under.isEmpty()) continue;
                const QRect pixels(QPointF((under.topLeft() - p.at.topLeft()) * p.dpr).toPoint(),
                                   (QSizeF(under.size()) * p.dpr).toSize());
                luminance = std::max(luminance, luminanceOf(p.image, pixels));
            }
        }
        const bool over = luminance >= 0;
        if (!over) {
            if (l->property("oruOverPicture").toBool()) {
                l->setPalette(QPalette());
                l->setProperty("oruOverPicture", false);
            }
            continue;
        }
        QPalette pal;
        pal.setColor(QPalette::WindowText,
                     luminance >= 0.5 ? QColor(0x11, 0x18, 0x27) : QColor(0xf9, 0xfa, 0xfb));
        l->setPalette(pal);
        l->setProperty("oruOverPicture", true);
    }
}

// Puts back everything the model holds for one widget, where Qt shows something else.
void PanelView::Impl::reconcile(Widget& w) {
    if (panelGone()) return;
    auto it = views.find(&w);
    if (it == views.end()) return;
    QWidget* v = it->second;
    Mark m(syncing);
    if (v->isHidden() == w.visible()) v->setHidden(!w.visible());
    if (disabledFlag(v) == w.enabled()) v->setEnabled(w.enabled());
    applyGeometry(w, v);
    switch (w.kind()) {
        case WidgetKind::CommandButton:
            if (auto* b = qobject_cast<QPushButton*>(v); b && b->text() != shown(w.caption()))
                b->setText(shown(w.caption()));
            break;
        case WidgetKind::Label:
            if (auto* l = qobject_cast<QLabel*>(v); l && l->text() != shown(w.caption()))
                l->setText(shown(w.caption()));
            break;
        case WidgetKind::TextBox:
            applyText(w, v);
            break;
        case WidgetKind::ComboBox:
        case WidgetKind::ListBox:
            applyList(w, v, false);
            applyListIndex(w, v);
            break;
        default:
            break;
    }
}

QRect PanelView::Impl::geometryOf(const Widget& w) const {
    QRect r(px(w.left()), px(w.top()), px(w.width()), px(w.height()));
    if (w.kind() == WidgetKind::Line) {
        // A line of no thickness still needs room for its two strokes.
        if (r.height() < 2) r.setHeight(2);
        if (r.width() < 2) r.setWidth(2);
    }
    if (!views.contains(&w)) return r;
    // The frame the widget lies in: its picture-box frame, or the panel.
    const Widget* frame = w.container();
    const QRect bounds = frame ? QRect(0, 0, px(frame->width()), px(frame->height()))
                               : QRect(0, 0, px(panel.width()), px(panel.height()));
    // A widget the panel places wholly outside its frame stays there, hidden by it.
    if (!r.intersects(bounds)) return r;
    auto keepWithin = [](QRect& rect, const QRect& area) {
        if (rect.width() > area.width()) rect.setWidth(area.width());
        if (rect.right() > area.right()) rect.moveRight(area.right());
        if (rect.left() < area.left()) rect.moveLeft(area.left());
    };
    switch (w.kind()) {
        case WidgetKind::Label: {
            // A label grows as much as its text needs, from its design place and anchor: a
            // left-aligned label to the right, a right-aligned one to the left, a centred one
            // both ways; and it stays inside its frame.
            if (w.caption().empty()) return r;
            const QFontMetrics fm(q->font());
            const int need = fm.horizontalAdvance(shown(w.caption())) + 2;
            if (need > r.width()) {
                const int grow = need - r.width();
                if (w.alignment() == kRightJustify)
                    r.setLeft(r.left() - grow);
                else if (w.alignment() == kCentred)
                    r.adjust(-grow / 2, 0, grow - grow / 2, 0);
                else
                    r.setRight(r.right() + grow);
            }
            if (fm.height() > r.height()) r.setHeight(fm.height());
            keepWithin(r, bounds);
            // Nor does it grow under a neighbour it was clear of: a box, a button, another
            // label (by its design place); it then takes a smaller font (fitFont).
            const QRect design(px(w.left()), px(w.top()), px(w.width()), px(w.height()));
            for (const auto& up : panel.widgets()) {
                const Widget& o = *up;
                if (&o == &w || o.container() != frame || !o.visible()) continue;
                const bool windowed = drawnAbove(o.kind());
                if (!windowed && !(o.kind() == WidgetKind::Label && !o.caption().empty())) continue;
                const QRect other(px(o.left()), px(o.top()), px(o.width()), px(o.height()));
                if (other.intersects(design) || !other.intersects(r)) continue;
                if (other.center().x() >= design.center().x())
                    r.setRight(std::max(design.right(), other.left() - 2));
                else
                    r.setLeft(std::min(design.left(), other.right() + 2));
            }
            return r;
        }
        case WidgetKind::CommandButton: {
            // A button with a caption grows to show it with the style's margins.
            if (w.caption().empty()) return r;
            const int need = QFontMetrics(q->font()).horizontalAdvance(shown(w.caption())) + 16;
            if (need > r.width()) r.setWidth(need);
            keepWithin(r, bounds);
            return r;
        }
        case WidgetKind::TextBox:
        case WidgetKind::ComboBox:
        case WidgetKind::ListBox: {
            // A box never leaves its frame; a box laid over a picture does not stick out past
            // the picture's right edge (the dimension it stands for is drawn inside).
            keepWithin(r, bounds);
            for (const auto& other : panel.widgets()) {
                if (other->kind() != WidgetKind::Image || other->container() != frame ||
                    !other->visible() || other->picture().isEmpty())
                    continue;
                const QRect image(px(other->left()), px(other->top()), px(other->width()),
                                  px(other->height()));
                const QRect overlap = image.intersected(r);
                if (overlap.width() * 2 >= r.width() && overlap.height() * 2 >= r.height() &&
                    r.right() > image.right() && r.width() <= image.width())
                    r.moveRight(image.right());
            }
            return r;
        }
        default:
            return r;
    }
}

// Whether a Qt child's visibility, enabled state or place differs from the model's.
bool PanelView::Impl::outOfPlace(const Widget& w, const QWidget* v) const {
    return v->isHidden() == w.visible() || disabledFlag(v) == w.enabled() ||
           v->geometry() != geometryOf(w);
}

void PanelView::Impl::applyGeometry(Widget& w, QWidget* v) {
    const QRect r = geometryOf(w);
    if (w.kind() == WidgetKind::Label) fitFont(w, v, r.width());
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

// A label that cannot grow enough (its frame or the panel ends) takes a slightly smaller font,
// down to 9 pixels, rather than cut its text; one that fits keeps the panel's font.
void PanelView::Impl::fitFont(const Widget& w, QWidget* v, int room) {
    const QString text = shown(w.caption());
    QFont font = q->font();
    const bool fits = QFontMetrics(font).horizontalAdvance(text) + 2 <= room;
    if (fits) {
        if (v->testAttribute(Qt::WA_SetFont)) v->setFont(QFont());
        return;
    }
    const int base = font.pixelSize() > 0 ? font.pixelSize() : 12;
    for (int size = base - 1; size >= 9; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) + 2 <= room || size == 9) break;
    }
    if (v->font() != font) v->setFont(font);
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
        if (auto* bv = dynamic_cast<ButtonView*>(v))
            bv->setPictureOnly(!pic.isEmpty() && w.caption().empty());
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
    QString tip = shown(w.toolTip());
    if (auto* e = dynamic_cast<ValueEdit*>(v)) {
        const QString said = hintFor(w);
        e->setWarning(!said.isEmpty());
        if (!said.isEmpty()) tip = tip.isEmpty() ? said : tip + QLatin1Char('\n') + said;
        v->setAccessibleName(shown(w.toolTip()));
        if (v->hasFocus()) updateHint();
    } else if (w.kind() == WidgetKind::CommandButton) {
        // A screen reader names a picture button by its tooltip, else by its caption.
        v->setAccessibleName(w.toolTip().empty() ? shown(w.caption()) : shown(w.toolTip()));
    } else if (!w.toolTip().empty()) {
        v->setAccessibleName(shown(w.toolTip()));
    }
    v->setToolTip(tip);
}

void PanelView::Impl::applyText(Widget& w, QWidget* v) {
    // A box shows its value as it is; a combo box's text is one of its items, or a value.
    const QString text = w.kind() == WidgetKind::ComboBox ? shown(w.text()) : qs(w.text());
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

// The items of a combo or list box. `appended`: the model has just added one item, which is
// all that needs adding when the rest is already shown (a table of thousands of threads is
// filled one item at a time).
void PanelView::Impl::applyList(Widget& w, QWidget* v, bool appended) {
    const int n = w.listCount();
    auto same = [&](auto* box, auto text) {
        if (box->count() != n) return false;
        for (int i = 0; i < n; ++i)
            if (text(box, i) != shown(w.list(i))) return false;
        return true;
    };
    if (auto* c = qobject_cast<QComboBox*>(v)) {
        auto text = [](QComboBox* b, int i) { return b->itemText(i); };
        if (appended && n > 0 && c->count() == n - 1) {
            c->addItem(shown(w.list(n - 1)));
        } else if (!same(c, text)) {
            c->clear();
            for (int i = 0; i < n; ++i)
                c->addItem(shown(w.list(i)));
        }
    } else if (auto* l = qobject_cast<QListWidget*>(v)) {
        auto text = [](QListWidget* b, int i) { return b->item(i)->text(); };
        if (appended && n > 0 && l->count() == n - 1) {
            l->addItem(shown(w.list(n - 1)));
        } else if (!same(l, text)) {
            l->clear();
            for (int i = 0; i < n; ++i)
                l->addItem(shown(w.list(i)));
        }
    }
}

void PanelView::Impl::applyListIndex(Widget& w, QWidget* v) {
    // While the model empties a list it announces the empty list before the index it resets:
    // an index beyond the items shows as none until then.
    const int i = w.listIndex() < w.listCount() ? w.listIndex() : -1;
    if (auto* c = qobject_cast<QComboBox*>(v)) {
        if (c->count() != w.listCount()) applyList(w, v, false);
        if (c->currentIndex() != i) c->setCurrentIndex(i);
        // A combo's text and its index are two things in the model: the text may be none of
        // the items, or another item than the current one.
        const QString text = shown(w.text());
        if (c->currentText() != text) c->setEditText(text);
    } else if (auto* l = qobject_cast<QListWidget*>(v)) {
        if (l->count() != w.listCount()) applyList(w, v, false);
        if (l->currentRow() != i) {
            if (i >= 0) {
                l->setCurrentRow(i);
                l->scrollToItem(l->item(i));
            } else {
                l->setCurrentItem(nullptr);
            }
        }
        // The selection is the current row, or nothing.
        const QList<QListWidgetItem*> selected = l->selectedItems();
        const bool selectionRight =
            i >= 0 ? selected.size() == 1 && selected.front() == l->item(i) : selected.isEmpty();
        if (!selectionRight) {
            l->clearSelection();
            if (i >= 0) l->item(i)->setSelected(true);
        }
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

template <class F>
void PanelView::Impl::act(bool alwaysEdited, F&& f) {
    // The host may close and delete the view from a message box or from its edited() slot.
    if (panelGone()) return;
    QPointer<PanelView> self(q);
    const std::uint64_t before = changes;
    ++inModel;
    f();
    if (!self) return;
    --inModel;
    if (alwaysEdited || changes != before) Q_EMIT q->edited();
}

void PanelView::Impl::userClick(Widget& w) {
    act(true, [&w] { w.click(); });
}

void PanelView::Impl::userText(Widget& w, const QString& text, QString note) {
    // The box takes the first line of what it is given, with commas as decimal points ("12,5"
    // typed is 12.5, not the 12 the panel would read); the box then shows what the model holds.
    const std::string asTyped = ValueEdit::asTyped(text).toStdString();
    boxes::TypingScope typing;
    typed.insert(&w);
    act(false, [&w, &asTyped] { w.setText(asTyped); });
    if (panelGone()) return;
    // A box raised by the keystroke shows once the keystroke is done; the hint names it.
    for (const std::string& prompt : typing.deferred()) {
        const QString first = qs(prompt).section(QRegularExpression(QStringLiteral("[\\r\\n]")), 0,
                                                 0, QString::SectionSkipEmpty);
        if (!first.isEmpty()) note = note.isEmpty() ? first : note + QStringLiteral(" ; ") + first;
    }
    if (note.isEmpty())
        notes.erase(&w);
    else
        notes[&w] = note;
    if (auto it = views.find(&w); it != views.end()) {
        Mark m(syncing);
        applyText(w, it->second);
    }
    updateHint();
}

// The hint of a value box: what the panel read when it is not what the text says, and what the
// last keystroke caused.
QString PanelView::Impl::hintFor(const Widget& w) const {
    // An empty box is worth a hint once the user emptied it: the panels show some boxes empty on
    // purpose (the facing's retract distance when there is none).
    QString text = w.text().empty() && !typed.contains(&w)
                       ? QString()
                       : boxHint(w.text(), w.toolTip()).value_or(QString());
    if (auto it = notes.find(&w); it != notes.end()) {
        if (text.isEmpty()) text = readHint(w.text());
        text += QStringLiteral(" — ") + it->second;
    }
    return text;
}

// Shows the hint of the focused value box beside it (under it, or above when there is no room),
// or hides it.
void PanelView::Impl::updateHint() {
    if (panelGone()) {
        if (hint) hint->hide();
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    auto it = focus ? models.find(focus) : models.end();
    const Widget* w =
        it != models.end() && it->second->kind() == WidgetKind::TextBox ? it->second : nullptr;
    const QString text = w && focus->isVisible() ? hintFor(*w) : QString();
    if (text.isEmpty()) {
        if (hint) hint->hide();
        return;
    }
    if (!hint) {
        hint = new HintLabel(q);
        hint->setObjectName(QStringLiteral("oruHint"));
    }
    hint->setText(text);
    hint->adjustSize();
    const QRect box(focus->mapTo(q, QPoint(0, 0)), focus->size());
    QPoint at(box.left(), box.bottom() + 2);
    if (at.y() + hint->height() > q->height()) at.setY(box.top() - hint->height() - 2);
    at.setX(std::clamp(at.x(), 0, std::max(0, q->width() - hint->width())));
    at.setY(std::max(0, at.y()));
    hint->move(at);
    hint->show();
    hint->raise();
}

void PanelView::Impl::userPick(Widget& w, int index) {
    if (panelGone()) return;
    // Qt counts from -1 (nothing) like the model; anything else outside the list is not a pick.
    if (index < -1 || index >= w.listCount()) return;
    act(false, [&w, index] { w.setListIndex(index); });
}

void PanelView::Impl::leave(Widget& w) {
    // The focus leaves a box because the model changed the screen (the box was hidden or moved
    // away by a set-up, a message box opened): the user did not leave it.
    if (syncing != 0 || inModel != 0) return;
    act(false, [&w] { w.lostFocus(); });
}

// Moves the focus to the next widget of the dialog that takes it, as Tab does.
void PanelView::Impl::moveOn(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (next && next != from &&
           (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible() || !next->isEnabled()))
        next = next->nextInFocusChain();
    if (next && next != from) next->setFocus(Qt::TabFocusReason);
}

// Enter inside a panel never reaches the dialog's default button: on a button it presses the
// button, in a box or a list it moves on to the next widget, as Tab does (leaving a box is what
// tells the panel that the value is complete). Escape and every other key go their usual way.
bool PanelView::Impl::keyPress(Widget& w, QWidget* v, QKeyEvent* key) {
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (w.kind() == WidgetKind::CommandButton) {
        if (!key->isAutoRepeat())
            if (auto* b = qobject_cast<QAbstractButton*>(v); b && b->isEnabled()) b->click();
        return true;
    }
    if (w.kind() == WidgetKind::TextBox || w.kind() == WidgetKind::ComboBox ||
        w.kind() == WidgetKind::ListBox) {
        moveOn(v);
        return true;
    }
    return false;
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
    d_->observer = panel.addObserver([this](Widget& w, Property p) {
        ++d_->changes;
        d_->refresh(w, p);
    });
}

PanelView::~PanelView() {
    d_->observer.remove();
    for (const auto& [object, model] : d_->models)
        const_cast<QObject*>(object)->removeEventFilter(this);
    // The Qt children go while the view can still hear them: emptying a list or a combo box
    // on its way out signals a change, which the view takes as its own.
    ++d_->syncing;
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

Panel& PanelView::panel() const { return d_->panel; }

QWidget* PanelView::viewOf(const Widget& widget) const {
    auto it = d_->views.find(&widget);
    return it == d_->views.end() ? nullptr : it->second;
}

QSize PanelView::sizeHint() const { return {px(d_->panel.width()), px(d_->panel.height())}; }

QSize PanelView::minimumSizeHint() const { return sizeHint(); }

bool PanelView::eventFilter(QObject* watched, QEvent* event) {
    auto it = d_->models.find(watched);
    if (it == d_->models.end() || d_->panelGone()) return QWidget::eventFilter(watched, event);
    Widget& w = *it->second;
    auto* v = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::FocusIn:
            QMetaObject::invokeMethod(
                this, [this] { d_->updateHint(); }, Qt::QueuedConnection);
            break;
        case QEvent::FocusOut:
            if (leavesTheBox(static_cast<QFocusEvent*>(event)->reason())) {
                d_->notes.erase(&w);
                d_->leave(w);
            }
            QMetaObject::invokeMethod(
                this, [this] { d_->updateHint(); }, Qt::QueuedConnection);
            break;
        case QEvent::KeyPress:
            if (d_->keyPress(w, v, static_cast<QKeyEvent*>(event))) return true;
            break;
        case QEvent::ShortcutOverride: {
            // Claims Enter so that no shortcut of the host window takes it first.
            auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                w.kind() != WidgetKind::Control) {
                event->accept();
                return true;
            }
            break;
        }
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::EnabledChange:
            // Code showed, hid, moved or disabled a Qt child behind the model's back: put back
            // what the model holds once Qt is done with it.
            if (d_->syncing == 0 && d_->outOfPlace(w, v)) {
                QPointer<QWidget> guard(v);
                Widget* model = &w;
                QMetaObject::invokeMethod(
                    this,
                    [this, guard, model] {
                        if (guard) d_->reconcile(*model);
                    },
                    Qt::QueuedConnection);
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void PanelView::changeEvent(QEvent* event) {
    // Another font (the host's, a larger one): labels and captions are measured again.
    if (event->type() == QEvent::FontChange) d_->schedulePlacement();
    // Another language: every text again, in place, without touching the model.
    if (event->type() == QEvent::LanguageChange && !d_->panelGone()) d_->retranslate();
    QWidget::changeEvent(event);
}

void PanelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
}

}  // namespace oru::qt
