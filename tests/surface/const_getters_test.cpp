// Every getter read through a const control gives what the non-const getter gives: the same
// value, the same error box, the same oru::Error.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "oru/oru.hpp"
#include "support/test_support.hpp"

namespace oru::test {
namespace {

template <class P, class T>
struct Getter {
    const char* name;
    T (P::*mutableForm)();
    T (P::*constForm)() const;
};
// The two overloads of one getter, told apart by the member pointer types.
#define ORU_BOTH(P, T, g) \
    Getter<P, T> { #g, &P::g, &P::g }

std::string text(double v) { return FormatNum3(v); }
std::string text(std::int16_t v) { return std::to_string(v); }
std::string text(const std::string& v) { return v; }

// What one call gives: its value or its failure, then the boxes it showed.
template <class Call>
std::string outcome(Host& host, Call call) {
    host.clearMessages();
    std::string out;
    try {
        out = text(call());
    } catch (const Error& e) {
        out = std::string("throws ") + e.what();
    }
    for (const Message& m : host.messages())
        out += " / box " + m.title + ": " + m.prompt;
    return out;
}

template <class P, class T, std::size_t N>
void expectSameThroughConst(Host& host, P& panel, const Getter<P, T> (&getters)[N]) {
    for (const Getter<P, T>& g : getters) {
        const std::string viaMutable = outcome(host, [&] { return (panel.*g.mutableForm)(); });
        const std::string viaConst =
            outcome(host, [&] { return (std::as_const(panel).*g.constForm)(); });
        EXPECT_EQ(viaConst, viaMutable) << g.name;
    }
    host.clearMessages();
}

// clang-format off
const Getter<OperFraisage, double> kMillingValues[] = {
    ORU_BOTH(OperFraisage, double, GetZsecu),     ORU_BOTH(OperFraisage, double, GetGardeZ),
    ORU_BOTH(OperFraisage, double, GetPasse),     ORU_BOTH(OperFraisage, double, GetDerpasse),
    ORU_BOTH(OperFraisage, double, GetSurepZ),    ORU_BOTH(OperFraisage, double, GetSurepXY),
    ORU_BOTH(OperFraisage, double, GetDiam),      ORU_BOTH(OperFraisage, double, GetDepasse),
    ORU_BOTH(OperFraisage, double, GetProfondeur), ORU_BOTH(OperFraisage, double, GetGardeAccoste),
    ORU_BOTH(OperFraisage, double, GetGardeDegage), ORU_BOTH(OperFraisage, double, GetRecouvre),
    ORU_BOTH(OperFraisage, double, GetAngBal),
};
const Getter<OperFraisage, std::int16_t> kMillingCodes[] = {
    ORU_BOTH(OperFraisage, std::int16_t, GetAval),      ORU_BOTH(OperFraisage, std::int16_t, GetApproche),
    ORU_BOTH(OperFraisage, std::int16_t, GetDegageZ),   ORU_BOTH(OperFraisage, std::int16_t, GetAccostage),
    ORU_BOTH(OperFraisage, std::int16_t, GetBalayage),
};
const Getter<OperTournage, double> kTurningValues[] = {
    ORU_BOTH(OperTournage, double, GetXsecu),       ORU_BOTH(OperTournage, double, GetZsecu),
    ORU_BOTH(OperTournage, double, GetGardeAccost), ORU_BOTH(OperTournage, double, GetGardeDeg),
    ORU_BOTH(OperTournage, double, GetGardeZ),      ORU_BOTH(OperTournage, double, GetPasseZ),
    ORU_BOTH(OperTournage, double, GetProfFilet),   ORU_BOTH(OperTournage, double, GetDerPasseZ),
    ORU_BOTH(OperTournage, double, GetSurepXY),     ORU_BOTH(OperTournage, double, GetPas),
    ORU_BOTH(OperTournage, double, GetSurepZ),      ORU_BOTH(OperTournage, double, GetSurepPlonge),
    ORU_BOTH(OperTournage, double, GetDepasseZ),    ORU_BOTH(OperTournage, double, GetAnglePlonge),
    ORU_BOTH(OperTournage, double, GetProfondeur),  ORU_BOTH(OperTournage, double, GetDiamChanf),
};
const Getter<OperTournage, std::int16_t> kTurningCodes[] = {
    ORU_BOTH(OperTournage, std::int16_t, GetTypeAppro),   ORU_BOTH(OperTournage, std::int16_t, GetDegZsecu),
    ORU_BOTH(OperTournage, std::int16_t, GetNbPasse),     ORU_BOTH(OperTournage, std::int16_t, GetTypeEbauche),
    ORU_BOTH(OperTournage, std::int16_t, GetUsineGorge),  ORU_BOTH(OperTournage, std::int16_t, GetSensFilet),
};
const Getter<OperTournage, std::string> kTurningTexts[] = {
    ORU_BOTH(OperTournage, std::string, GetTypeFilet),
};
// clang-format on

// A number no double holds: reading it is the overflow failure.
constexpr const char* kOverflow = "1e999";

TEST(ConstGetters, MillingPanelReadsTheSameThroughAConstReference) {
    Host host;
    OperFraisage panel(host);
    panel.Typoper = milling::kPocket;
    panel.SetPasses("T1", {50, 2, 3, 0.5, 0.2, 0.3, 8, 1, 10, 15, 10});
    std::int16_t accostage = 1;
    panel.SetAccostage(accostage, 3, 5, 2, 30, 1, 0);
    panel.SetAval(avalant::kConventional);
    panel.SetApproche(milling::kApproachZThenXY);
    ASSERT_TRUE(host.messages().empty());
    expectSameThroughConst(host, panel, kMillingValues);
    expectSameThroughConst(host, panel, kMillingCodes);

    // Unreadable texts: the getters with a label show their box, the others throw.
    for (int i : {0, 2, 7, 8})
        panel.widget("tbVal", i).setText(kOverflow);
    panel.widget("tbGardeAcc").setText(kOverflow);
    host.clearMessages();
    expectSameThroughConst(host, panel, kMillingValues);
    EXPECT_THROW(std::as_const(panel).GetZsecu(), Error);
    EXPECT_EQ(std::as_const(panel).GetPasse(), 0);
    EXPECT_EQ(LastMessage(host).prompt, "Retour de valeur 2");
}

TEST(ConstGetters, TurningPanelReadsTheSameThroughAConstReference) {
    TempDir dir;
    Host host;
    OperTournage panel(host);
    panel.chbmp = dir.folder();
    std::vector<double> td = {2, 3, 50, 5, 10, 1, 2.5, 0.2, 0.4, 0.1, 1, 60, 40, 0, 0, 0};
    std::vector<std::int16_t> ti = {turning::kLongTurning, 10, 0, 4, 0, 1, 0, 1};
    panel.SetOperTour("20_ABCDEF", turning::kExternal, "", td, ti);
    ASSERT_TRUE(host.messages().empty());
    expectSameThroughConst(host, panel, kTurningValues);
    expectSameThroughConst(host, panel, kTurningCodes);
    expectSameThroughConst(host, panel, kTurningTexts);

    for (const char* name : {"tbXsecu", "tbNbPasseFilet"})
        panel.widget(name).setText(kOverflow);
    panel.widget("tbPara", 0).setText(kOverflow);
    panel.widget("tbNbPasseFilet").setText("40000");  // beyond 16 bits
    host.clearMessages();
    expectSameThroughConst(host, panel, kTurningValues);
    expectSameThroughConst(host, panel, kTurningCodes);
    EXPECT_THROW(std::as_const(panel).GetNbPasse(), Error);
    EXPECT_EQ(std::as_const(panel).GetGardeAccost(), 0);
    EXPECT_EQ(LastMessage(host).prompt, "Retour de valeur 0");
}

TEST(ConstGetters, SelectorsReadTheSameThroughAConstReference) {
    Host host;
    Avalant a(host);
    SensRot s(host);
    Arrosage r(host);
    a.SetAvalant(avalant::kConventional);
    std::int16_t sens = sensrot::kCounterClockwise;
    s.SetSensRot(sens, sensrot::kBothToolActive);
    r.SetArrosage(arrosage::kCoolant2);
    EXPECT_EQ(std::as_const(a).GetAvalant(), a.GetAvalant());
    EXPECT_EQ(std::as_const(s).GetSensRot(), s.GetSensRot());
    EXPECT_EQ(std::as_const(s).GetTournant(), s.GetTournant());
    EXPECT_EQ(std::as_const(r).GetArrosage(), r.GetArrosage());
    EXPECT_EQ(std::as_const(r).GetArrosage(), arrosage::kCoolant2);
}

}  // namespace
}  // namespace oru::test
