#include "qt_support.hpp"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <cmath>
#include <fstream>
#include <sstream>
#include <variant>

#include "oru/codes.hpp"
#include "oru/getters.hpp"
#include "oru/qt/translations.hpp"

namespace oru::test {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// A text of a control as the screen shows it, in the application's language.
QString tr(const Widget& w, const std::string& s) {
    return qt::translatedText(w.panel().className(), s);
}

int px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

void check(const qt::PanelView& view, std::vector<std::string>& out) {
    auto say = [&out](const Widget& w, const std::string& what, const QString& shown,
                      const QString& held) {
        out.push_back(w.panel().className() + "." + w.fullName() + " " + what + ": shows \"" +
                      shown.toStdString() + "\", model holds \"" + held.toStdString() + "\"");
    };
    for (const auto& up : view.panel().widgets()) {
        const Widget& w = *up;
        const QWidget* v = view.viewOf(w);
        if (!v) {
            out.push_back(w.fullName() + " has no Qt child");
            continue;
        }
        if (v->objectName() != qs(w.fullName())) say(w, "name", v->objectName(), qs(w.fullName()));
        if (v->isHidden() == w.visible())
            say(w, "visible", v->isHidden() ? "hidden" : "shown", w.visible() ? "shown" : "hidden");
        if (v->testAttribute(Qt::WA_ForceDisabled) == w.enabled())
            say(w, "enabled", v->isEnabled() ? "on" : "off", w.enabled() ? "on" : "off");
        if (const std::string where = PlaceProblem(w, *v); !where.empty())
            out.push_back(w.panel().className() + "." + w.fullName() + " " + where);
        switch (w.kind()) {
            case WidgetKind::TextBox:
                if (auto* e = qobject_cast<const QLineEdit*>(v); e->text() != qs(w.text()))
                    say(w, "text", e->text(), qs(w.text()));
                break;
            case WidgetKind::Label:
                if (auto* l = qobject_cast<const QLabel*>(v); l->text() != tr(w, w.caption()))
                    say(w, "caption", l->text(), tr(w, w.caption()));
                if (v->toolTip() != tr(w, w.toolTip()))
                    say(w, "tooltip", v->toolTip(), tr(w, w.toolTip()));
                break;
            case WidgetKind::CommandButton:
                if (auto* b = qobject_cast<const QPushButton*>(v); b->text() != tr(w, w.caption()))
                    say(w, "caption", b->text(), tr(w, w.caption()));
                if (v->toolTip() != tr(w, w.toolTip()))
                    say(w, "tooltip", v->toolTip(), tr(w, w.toolTip()));
                [[fallthrough]];
            case WidgetKind::Image:
                if (v->property("oruPicture").toString() != qs(w.picture().name()))
                    say(w, "picture", v->property("oruPicture").toString(), qs(w.picture().name()));
                break;
            case WidgetKind::ComboBox: {
                auto* c = qobject_cast<const QComboBox*>(v);
                if (c->count() != w.listCount())
                    say(w, "count", QString::number(c->count()), QString::number(w.listCount()));
                for (int i = 0; i < std::min(c->count(), w.listCount()); ++i)
                    if (c->itemText(i) != tr(w, w.list(i)))
                        say(w, "item " + std::to_string(i), c->itemText(i), tr(w, w.list(i)));
                if (c->currentIndex() != w.listIndex())
                    say(w, "index", QString::number(c->currentIndex()),
                        QString::number(w.listIndex()));
                if (c->currentText() != tr(w, w.text()))
                    say(w, "text", c->currentText(), tr(w, w.text()));
                break;
            }
            case WidgetKind::ListBox: {
                auto* l = qobject_cast<const QListWidget*>(v);
                if (l->count() != w.listCount())
                    say(w, "count", QString::number(l->count()), QString::number(w.listCount()));
                for (int i = 0; i < std::min(l->count(), w.listCount()); ++i)
                    if (l->item(i)->text() != tr(w, w.list(i)))
                        say(w, "item " + std::to_string(i), l->item(i)->text(), tr(w, w.list(i)));
                if (l->currentRow() != w.listIndex())
                    say(w, "row", QString::number(l->currentRow()), QString::number(w.listIndex()));
                const auto selected = l->selectedItems();
                const int selectedRow = selected.size() == 1 ? l->row(selected.front()) : -1;
                if (selected.size() > 1 || selectedRow != w.listIndex())
                    say(w, "selection", QString::number(selectedRow),
                        QString::number(w.listIndex()));
                break;
            }
            case WidgetKind::Control:
                if (auto* nested = qobject_cast<const qt::PanelView*>(v)) check(*nested, out);
                break;
            default:
                break;
        }
    }
}

QString rectText(QRect g) {
    return QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
}

template <class T>
std::string show(T v) {
    std::ostringstream out;
    out << v;
    return out.str();
}

}  // namespace

std::string PlaceProblem(const Widget& w, const QWidget& v) {
    const QRect design(px(w.left()), px(w.top()), px(w.width()), px(w.height()));
    const QRect at = v.geometry();
    const QWidget* parent = v.parentWidget();
    const QRect frame = parent ? QRect(QPoint(0, 0), parent->size()) : at;
    const bool inside = frame.contains(at);
    auto problem = [&](const char* what) {
        return std::string(what) + ": shows " + rectText(at).toStdString() + ", model holds " +
               rectText(design).toStdString();
    };
    // A widget the panel places wholly outside its frame is hidden by it, wherever it is.
    if (!design.intersects(frame) && !at.intersects(frame)) return {};
    switch (w.kind()) {
        case WidgetKind::Line:
            return {};
        case WidgetKind::Label: {
            // Grown for its text from its design place and anchor, inside its frame.
            if (at.width() < design.width() || at.height() < design.height() ||
                at.y() != design.y())
                return problem("label place");
            const bool clamped = at.left() == 0 || at.right() == frame.right();
            const bool anchored = w.alignment() == kRightJustify ? at.right() == design.right()
                                  : w.alignment() == kCentred
                                      ? std::abs(at.center().x() - design.center().x()) <= 1
                                      : at.left() == design.left();
            if (!anchored && !clamped) return problem("label anchor");
            if (!inside && design.width() <= frame.width() && frame.contains(design))
                return problem("label leaves its frame");
            return {};
        }
        case WidgetKind::CommandButton:
            if (at.height() != design.height() || at.y() != design.y() ||
                at.width() < design.width())
                return problem("button place");
            if (at.left() != design.left() && !(inside && at.right() == frame.right()))
                return problem("button anchor");
            return {};
        case WidgetKind::TextBox:
        case WidgetKind::ComboBox:
        case WidgetKind::ListBox:
            // Kept inside its frame (and inside a picture it lies on) by moving it left, or
            // narrowed to its frame's width when it is wider.
            if (design.width() > frame.width()) {
                if (at != QRect(0, design.y(), frame.width(), design.height()))
                    return problem("box place");
                return {};
            }
            if (at.size() != design.size() || at.y() != design.y() || at.x() > design.x() ||
                at.x() < design.x() - design.width())
                return problem("box place");
            if (at.x() != design.x() && !inside) return problem("box leaves its frame");
            return {};
        default:
            return at == design ? std::string() : problem("geometry");
    }
}

std::vector<std::string> Disagreements(const qt::PanelView& view) {
    std::vector<std::string> out;
    check(view, out);
    return out;
}

// Every getter of the control's table, its value as text; one that fails says so.
template <class Control>
std::vector<std::string> readAll(const Control& panel) {
    std::vector<std::string> out;
    for (const Getter<Control>& g : getters<Control>()) {
        std::string value;
        try {
            std::visit([&](const auto& v) { value = show(v); }, g(panel));
        } catch (const Error& e) {
            value = std::string("failure: ") + e.what();
        }
        out.push_back(std::string(g.name) + "=" + value);
    }
    return out;
}

std::vector<std::string> ReadBack(OperTournage& p) { return readAll(p); }

std::vector<std::string> ReadBack(OperFraisage& p) { return readAll(p); }

BoxCloser::BoxCloser() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = box->windowTitle() + " / " + box->text();
            box->accept();
        }
    });
    timer_.start(5);
}

SampleData::SampleData() {
    for (const char* name : {"Filet_E.dat", "Filet_I.dat"}) {
        std::ifstream in(std::string(ORU_DATA_DIR) + "/threads/" + name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        tables_.writeText(std::string("user/") + name, bytes.str());
    }
}

std::string SampleData::pictures() { return std::string(ORU_SAMPLE_PICTURES_DIR) + "/"; }

void SetUpThreading(OperTournage& panel, const SampleData& data) {
    panel.DirSld = data.dirSld();
    panel.chbmp = SampleData::pictures();
    std::vector<double> td = {2, 2, 20, 2, 1, 1, 1.534, 0.1, 0, 0, 0, 30, 20, 2.5, 0, 30};
    std::vector<std::int16_t> ti = {turning::kThreading, 10, 0, 0, 8, 0, 1, 0};
    panel.NumOp = turning::kThreading;
    panel.SetOperTour("30_TEFIL1", "E", "M", td, ti);
}

void SetUpTurning(OperTournage& panel, const SampleData& data, std::int16_t numop,
                  const std::string& profil) {
    panel.DirSld = data.dirSld();
    panel.chbmp = SampleData::pictures();
    std::vector<double> td = {2, 2, 50, 2, 1, 1, 2, 0.5, 0.4, 0.2, 1, 30, 40, 1.5, 12, 25};
    std::vector<std::int16_t> ti = {numop, 10, 0, 3, 0, 0, 1, 0};
    if (numop == turning::kThreading || numop == turning::kTapping) {
        td[12] = numop == turning::kThreading ? 20 : 10;
        td[13] = numop == turning::kThreading ? 2.5 : 1.5;
        td[6] = 1.534;
        ti[3] = 0;
        ti[4] = 8;
    }
    panel.NumOp = numop;
    panel.SetOperTour(numop >= 140 ? "44_AFOR10" : "10_TECHA1", profil, "M", td, ti);
}

void SetUpMilling(OperFraisage& panel, std::int16_t typoper) {
    panel.chbmp = SampleData::pictures();
    panel.Typoper = typoper;
    panel.debouchant = false;
    panel.AttrImage = 0;
    panel.ExtBrut = 1;
    const bool hole = typoper >= 30;
    panel.SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, hole ? 8.5 : 10, 1, 10, 12, 10});
    panel.SetApproche(1);
    panel.SetDegageZ(1);
    panel.SetAval(1);
    std::int16_t accostage = 0;
    panel.SetAccostage(accostage, 2, 2, 1, 0, 1, -1);
}

}  // namespace oru::test
