// A scripted walk through the demo host: every example operation of both panels chosen through
// the window's own choices, and for each one what the host reads back (the pane on the right)
// against what the sketch shows (its labels and boxes), and the example's values against each
// other, as a machinist would check a part drawing: no box left empty, no dimension shown twice
// with two values, no hole wider than its part, no message box.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRegularExpression>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "demo_support.hpp"

namespace {

using demotest::choose;
using demotest::number;

bool isNumber(const std::string& s) {
    static const QRegularExpression re(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return re.match(QString::fromStdString(s)).hasMatch();
}

std::string fmt(double v) { return oru::FormatNum3(v); }

// Collects what is wrong in one state of the demo, each line naming the state.
class Findings {
public:
    explicit Findings(std::string state) : state_(std::move(state)) {}
    void add(const std::string& what) { lines_.push_back(state_ + ": " + what); }
    void expect(bool ok, const std::string& what) {
        if (!ok) add(what);
    }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::string state_;
    std::vector<std::string> lines_;
};

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines)
        out += l + "\n";
    return out;
}

// ---- turning ----------------------------------------------------------------------------------

// The getters that read a parameter box back, for an operation, as the pane names them.
std::vector<std::string> boxGetters(std::int16_t numop, int box, const std::string& option) {
    const bool drill = numop >= 140 && numop <= 149;
    const char last = option.empty() ? ' ' : option.back();
    switch (box) {
        case 0:
            return {"GetGardeAccost"};
        case 1:
            return {"GetGardeDeg", "GetGardeZ"};
        case 2:
            if (drill) return {"GetPasseZ"};
            return {"GetPasseZ", "GetProfFilet"};
        case 3:
            if (numop == 104 || numop == 105) return {"GetDiamChanf"};
            if (numop == 112 || numop == 113) return {"GetSurepPlonge", "GetDerPasseZ"};
            if (numop == 102 || numop == 103) return {};
            return {"GetDerPasseZ"};
        case 4:
            if (numop == 130 || (numop == 180 && option != "1"))
                return {"GetSurepXY", "GetProfondeur"};
            return {"GetSurepXY"};
        case 5:
            if (drill && last == '1') return {};
            return {"GetSurepZ"};
        case 6:
            return {"GetDepasseZ"};
        default:
            if (numop == 101) return {"GetAnglePlonge", "GetProfondeur"};
            return {"GetAnglePlonge"};
    }
}

void checkTurning(demo::DemoWindow& w, Findings& f) {
    oru::OperTournage& p = w.turning();
    const demo::Turning& t = w.turningOperation();
    const std::int16_t numop = p.NumOp;
    const std::string option = oru::FormatNum3(t.ti[oru::ti::kOption]);
    auto widget = [&p](const char* name, int i = -1) -> const oru::Widget& {
        return p.widget(name, i);
    };
    auto pane = [&w](const char* name) { return w.shownValue(QString::fromLatin1(name)); };

    f.expect(pane("NumOp") == QString::number(numop), "the pane's NumOp is not the panel's");
    f.expect(w.turningOperationBox()->currentData().toInt() == numop,
             "the operation list does not show the panel's operation");

    // Every box shown holds a number, and every getter that reads it says the same.
    for (int i = 0; i < 8; ++i) {
        const oru::Widget& box = widget("tbPara", i);
        if (!box.visible()) continue;
        if (!isNumber(box.text())) {
            f.add("box " + std::to_string(i) + " shows \"" + box.text() + "\"");
            continue;
        }
        f.expect(number(box.text()) >= 0, "box " + std::to_string(i) + " is negative");
        for (const std::string& g : boxGetters(numop, i, option)) {
            const QString shown = pane(g.c_str());
            f.expect(shown == QString::fromStdString(fmt(number(box.text()))),
                     g + " reads " + shown.toStdString() + " where box " + std::to_string(i) +
                         " shows " + box.text());
        }
    }
    for (const char* name : {"tbXsecu", "tbZsecu"}) {
        const oru::Widget& box = widget(name);
        if (box.visible())
            f.expect(isNumber(box.text()) && number(box.text()) > 0,
                     std::string(name) + " shows \"" + box.text() + "\"");
    }
    // The labels over the sketch shown are never empty; those that hold one number hold one.
    for (const char* name : {"tDiamBrut", "tXBrut", "tZBrut"}) {
        const oru::Widget& label = widget(name);
        if (!label.visible()) continue;
        const std::string& c = label.caption();
        const bool range = numop == oru::turning::kCentring && std::string(name) == "tDiamBrut";
        f.expect(range ? c.find('-') != std::string::npos : isNumber(c),
                 std::string(name) + " shows \"" + c + "\"");
    }
    const oru::Widget& diam = widget("tDiamBrut");
    const oru::Widget& zBrut = widget("tZBrut");
    const oru::Widget& xBrut = widget("tXBrut");
    const double stock = t.td[oru::td::kStockDiameter];
    if (diam.visible() && diam.toolTip() == "Diamètre du Brut")
        f.expect(diam.caption() == fmt(stock) && stock > 0,
                 "the stock label shows " + diam.caption() + ", the host's stock is " + fmt(stock));
    // The tool is drawn.
    const bool tool =
        (widget("picOutilTE").visible() && !widget("picOutilTE").picture().isEmpty()) ||
        (widget("picOutilTI").visible() && !widget("picOutilTI").picture().isEmpty());
    f.expect(tool, "no tool picture for the tool " + t.tool);
    f.expect(!widget("picOper").picture().isEmpty(), "no sketch");
    const oru::Widget& passes = widget("tPasses");
    if (passes.visible())
        f.expect(!passes.caption().empty() && passes.caption() != "0 passe",
                 "the pass summary reads \"" + passes.caption() + "\"");
    // A dimension the sketch shows twice shows one value.
    auto box = [&p](int i) { return number(p.widget("tbPara", i).text()); };
    auto shownBox = [&p](int i) { return p.widget("tbPara", i).visible(); };
    if (xBrut.visible() && isNumber(xBrut.caption())) {
        f.expect(number(xBrut.caption()) > 0, "the radial stock is " + xBrut.caption());
        if (numop == oru::turning::kLongTurning)
            f.expect(
                fmt(box(0)) == xBrut.caption(),
                "the depth of cut " + fmt(box(0)) + " is not the radial stock " + xBrut.caption());
    }
    if (numop == oru::turning::kLongTurning && shownBox(3) && t.profil != "I") {
        f.expect(box(3) > 0 && box(3) < stock,
                 "turning to " + fmt(box(3)) + " on a Ø" + fmt(stock) + " bar");
        f.expect(std::abs((stock - box(3)) / 2 - box(0)) < 1e-6,
                 "the depth of cut does not take Ø" + fmt(stock) + " to Ø" + fmt(box(3)));
    }
    if ((numop == 100 || numop == 101 || numop == 110) && zBrut.visible() && shownBox(1) &&
        t.profil != "I")
        f.expect(zBrut.caption() == fmt(box(1)), "the axial distance " + zBrut.caption() +
                                                     " and the clearance " + fmt(box(1)) +
                                                     " share a dimension");
    const bool drill = numop >= 140 && numop <= 149;
    if (drill) {
        const double d = number(diam.caption()), depth = number(zBrut.caption());
        f.expect(d > 0 && d < 50, "a hole of " + diam.caption());
        f.expect(depth > 0, "a hole " + zBrut.caption() + " deep");
        f.expect(number(pane("GetSurepZ").toStdString()) >= 0,
                 "GetSurepZ reads " + pane("GetSurepZ").toStdString());
        f.expect(pane("GetProfondeur").toStdString() == fmt(depth),
                 "GetProfondeur is not the hole's depth");
        f.expect(pane("GetDiamChanf").toStdString() == fmt(d),
                 "GetDiamChanf is not the hole's diameter");
        if (shownBox(7)) f.expect(box(7) <= depth, "drilling deeper than the hole");
    }
    if (numop == oru::turning::kThreading || numop == oru::turning::kTapping) {
        const oru::Widget& pitch = widget("cbPas");
        bool offered = false;
        for (int i = 0; i < pitch.listCount(); ++i)
            offered |= pitch.list(i) == pitch.text();
        f.expect(offered, "the pitch " + pitch.text() + " is not offered for Ø" + diam.caption());
        f.expect(pane("GetPas").toStdString() == pitch.text(), "GetPas is not the pitch shown");
    }
    if (numop == oru::turning::kThreading) {
        const std::optional<double> nominal = demo::nominalDiameter(t.thread);
        f.expect(nominal.has_value(), "no thread");
        if (nominal && t.profil != "I")
            f.expect(diam.caption() == fmt(*nominal),
                     "the sketch shows Ø" + diam.caption() + " for " + t.thread);
        f.expect(box(4) <= number(zBrut.caption()), "a thread longer than its cylinder");
        f.expect(box(2) > 0 && box(2) < number(diam.caption()) / 4,
                 "a thread depth of " + fmt(box(2)));
    }
    if (numop == oru::turning::kTapping) {
        const double depth = number(zBrut.caption());
        if (shownBox(4)) f.expect(box(4) <= depth, "tapping deeper than the hole");
        if (shownBox(4) && shownBox(5))
            f.expect(std::abs(box(4) + box(5) - depth) < 1e-6,
                     "the tapped and untapped lengths do not make the hole");
    }
    if (numop == oru::turning::kCentring) f.expect(isNumber(widget("tbPara", 5).text()), "erreur");
    if (numop == oru::turning::kSpotting || numop == oru::turning::kChamfering)
        f.expect(box(3) > number(diam.caption()), "a spot or chamfer narrower than its hole");
    if ((numop == 112 || numop == 113) && zBrut.visible())
        f.expect(box(7) > 0 && box(7) <= number(zBrut.caption()),
                 "plunging at " + fmt(box(7)) + "° with a tool allowing " + zBrut.caption());
}

TEST(DemoWalk, EveryTurningExampleReadsBackWhatItsSketchShows) {
    auto w = demotest::makeWindow();
    w->showTab(1);
    std::vector<std::string> problems;
    int states = 0;
    const int boxes = w->boxesShown();
    for (const demo::Named& op : demo::turningOperations()) {
        ASSERT_TRUE(choose(w->turningOperationBox(), int(op.code)));
        QComboBox* profiles = w->turningProfileBox();
        for (int pi = 0; pi < profiles->count(); ++pi) {
            ASSERT_TRUE(choose(profiles, profiles->itemData(pi)));
            QComboBox* options = w->turningOptionBox();
            const int nOptions = options->isEnabled() ? options->count() : 1;
            for (int oi = 0; oi < nOptions; ++oi) {
                if (options->isEnabled()) {
                    ASSERT_TRUE(choose(options, options->itemData(oi)));
                }
                const std::string state = std::to_string(op.code) + " " +
                                          profiles->itemData(pi).toString().toStdString() +
                                          " option " + options->currentText().toStdString();
                Findings f(state);
                f.expect(w->turning().NumOp == op.code, "the panel is set up for another code");
                checkTurning(*w, f);
                problems.insert(problems.end(), f.lines().begin(), f.lines().end());
                ++states;
            }
        }
    }
    EXPECT_GT(states, 50);
    EXPECT_TRUE(problems.empty()) << joined(problems);
    EXPECT_EQ(w->boxesShown(), boxes) << "message boxes: " << w->statusLine()->text().toStdString();
}

// ---- milling ----------------------------------------------------------------------------------

// The kind of tool each operation uses, by the prefix of the demo's tool codes.
std::string toolKind(std::int16_t typoper) {
    struct Row {
        int from, to;
        const char* prefix;
    };
    const Row rows[] = {{12, 12, "FT"}, {30, 31, "PC"}, {40, 43, "FO"}, {51, 55, "CH"},
                        {60, 62, "AL"}, {70, 73, "LA"}, {80, 80, "TA"}, {84, 85, "FF"}};
    for (const Row& r : rows)
        if (typoper >= r.from && typoper <= r.to) return r.prefix;
    return "FR";
}

void checkMilling(demo::DemoWindow& w, Findings& f) {
    oru::OperFraisage& p = w.milling();
    const demo::Milling& m = w.millingOperation();
    auto pane = [&w](const std::string& name) {
        return w.shownValue(QString::fromStdString(name)).toStdString();
    };
    f.expect(pane("Typoper") == std::to_string(p.Typoper), "the pane's Typoper is not the panel's");
    f.expect(w.millingOperationBox()->currentData().toInt() == p.Typoper,
             "the operation list does not show the panel's operation");
    const char* getters[] = {"GetZsecu",   "GetGardeZ", "GetPasse",   "GetDerpasse",  "GetSurepZ",
                             "GetSurepXY", "GetDiam",   "GetDepasse", "GetProfondeur"};
    const bool always[] = {true, false, false, false, false, false, true, false, true};
    for (int i = 0; i < 9; ++i) {
        const oru::Widget& box = p.widget("tbVal", i);
        if (box.visible()) {
            if (!isNumber(box.text())) {
                f.add("field " + std::to_string(i) + " shows \"" + box.text() + "\"");
                continue;
            }
            f.expect(number(box.text()) >= 0, "field " + std::to_string(i) + " is negative");
        }
        const std::string expected =
            box.visible() || always[i] ? fmt(number(box.text())) : std::string("0");
        f.expect(pane(getters[i]) == expected, std::string(getters[i]) + " reads " +
                                                   pane(getters[i]) + ", the field shows " +
                                                   (box.visible() ? box.text() : "nothing"));
    }
    const oru::Widget& hole = p.widget("tDiamTrou");
    if (hole.visible())
        f.expect(hole.caption() == p.widget("tbVal", 6).text() && number(hole.caption()) > 0,
                 "the hole label shows " + hole.caption());
    // The depth field holds the host's depth, or the depth extended to the stock.
    const std::string prof = p.widget("tProf").caption();
    if (!prof.empty() && p.widget("tbVal", 8).visible()) {
        const bool on = p.ExtBrut != 0 && p.ExtBrut != 1;
        const std::string depth = p.widget("tbVal", 8).text();
        f.expect(on ? depth == fmt(m.tabval[oru::tabval::kProfBrut]) : depth == prof,
                 "the depth " + depth + " against the host's " + prof);
    }
    const oru::Widget& passes = p.widget("tNbPasses");
    if (passes.visible()) f.expect(!passes.caption().empty(), "no pass summary");
    // The tool follows the operation, and fits its hole.
    const std::string kind = toolKind(p.Typoper);
    f.expect(m.tool.rfind(kind, 0) == 0, "the tool " + m.tool + " for a " + kind + " operation");
    const oru::Picture& tool = p.widget("pOutil").picture();
    f.expect(!tool.isEmpty() && tool.name().find("OP_" + m.tool) != std::string::npos,
             "the tool picture is \"" + tool.name() + "\"");
    const double toolDiameter = number(m.tool.substr(2));
    const double diam = number(p.widget("tbVal", 6).text());
    if (kind == "FO" || kind == "AL" || kind == "LA")
        f.expect(std::abs(toolDiameter - diam) < 1e-9,
                 "a Ø" + fmt(toolDiameter) + " tool makes a hole of " + fmt(diam));
    if (kind == "FR" && p.Typoper >= 30)
        f.expect(toolDiameter < diam,
                 "a Ø" + fmt(toolDiameter) + " end mill in a hole of " + fmt(diam));
}

TEST(DemoWalk, EveryMillingExampleReadsBackWhatItsSketchShows) {
    auto w = demotest::makeWindow();
    w->showTab(0);
    std::vector<std::string> problems;
    const int boxes = w->boxesShown();
    for (const demo::Named& op : demo::millingOperations()) {
        for (bool through : {false, true}) {
            ASSERT_TRUE(choose(w->millingOperationBox(), int(op.code)));
            w->millingThroughBox()->setChecked(through);
            demotest::settle();
            Findings f(std::to_string(op.code) + (through ? " débouchant" : " borgne"));
            f.expect(w->milling().Typoper == op.code, "the panel is set up for another code");
            f.expect(w->milling().debouchant == through, "débouchant not passed");
            checkMilling(*w, f);
            problems.insert(problems.end(), f.lines().begin(), f.lines().end());
        }
    }
    // The stock extension switched on: the depth extended to the stock.
    ASSERT_TRUE(choose(w->millingOperationBox(), 20));
    ASSERT_TRUE(choose(w->millingExtensionBox(), 2));
    Findings f("20 extension active");
    checkMilling(*w, f);
    f.expect(w->milling().widget("tbVal", 8).text() == "12", "the depth does not reach the stock");
    problems.insert(problems.end(), f.lines().begin(), f.lines().end());
    EXPECT_TRUE(problems.empty()) << joined(problems);
    EXPECT_EQ(w->boxesShown(), boxes) << "message boxes: " << w->statusLine()->text().toStdString();
}

}  // namespace
