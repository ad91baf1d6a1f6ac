// The forms of SetOperTour, SetAccostage and SetSensRot that take values return exactly what the
// reference forms write back, and leave the panel in the same state; mixing a writable table
// with a read-only one does not compile.
#include <gtest/gtest.h>

#include <concepts>
#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "oru/oru.hpp"
#include "tournage/fixture.hpp"

namespace oru::test {
namespace {

// Every value a host reads back from a turning panel, through a const reference.
std::string readBack(const OperTournage& p) {
    std::string out;
    for (const Getter<OperTournage>& g : getters<OperTournage>()) {
        const GetterValue v = g(p);
        if (const auto* d = std::get_if<double>(&v))
            out += FormatNum3(*d) + "|";
        else if (const auto* c = std::get_if<std::int16_t>(&v))
            out += std::to_string(*c) + "|";
        else
            out += std::get<std::string>(v) + "|";
    }
    return out + std::to_string(p.NumOp);
}

using WriteBack = Tournage;

TEST_F(WriteBack, SetOperTourByValueReturnsWhatTheReferenceFormWritesBack) {
    struct Case {
        std::int16_t op;
        const char* profil;
        const char* outil;
        std::size_t tdIndex;  // the entry the set-up corrects (td or ti)
        double tdIn, tdOut;
        std::size_t tiIndex;
        std::int16_t tiIn, tiOut;
    };
    // clang-format off
    const Case cases[] = {
        // op   profile tool         td entry, in -> out              ti entry, in -> out
        {104, "E", "20_ABCDEF", td::kAngle,    0,   60,  ti::kOption,      0, 0},
        {104, "E", "20_ABCDEF", td::kAngle,    200, 60,  ti::kOption,      0, 0},
        {112, "E", "20_ABCDEF", td::kDiameter, -30, 330, ti::kOption,      0, 0},
        {110, "E", "20_ABCDEF", td::kDiameter, 40,  40,  ti::kOption,      1, 0},
        {123, "E", "20_ABGXX",  td::kDiameter, 0,   0,   ti::kTypeEbauche, 2, 0},
        {101, "E", "20_ABCDEF", td::kAngle,    7,   7,   ti::kOption,      1, 1},  // nothing
    };
    // clang-format on
    OperTournage byValue{host};
    byValue.chbmp = panel.chbmp;
    byValue.DirSld = panel.DirSld;
    for (const Case& c : cases) {
        std::vector<double> tdIn(td::kSize, 0.0);
        std::vector<std::int16_t> tiIn = {c.op, 10, 0, 4, 0, 0, 1, 0};
        tdIn[c.tdIndex] = c.tdIn;
        tiIn[c.tiIndex] = c.tiIn;

        td = tdIn;
        ti = tiIn;
        setUp(c.op, c.profil, c.outil);
        const OperTournage::Tables got =
            byValue.SetOperTour(c.outil, c.profil, "", std::as_const(tdIn), std::as_const(tiIn));

        EXPECT_EQ(td[c.tdIndex], c.tdOut) << c.op;
        EXPECT_EQ(ti[c.tiIndex], c.tiOut) << c.op;
        EXPECT_EQ(got.td, td) << c.op;
        EXPECT_EQ(got.ti, ti) << c.op;
        EXPECT_EQ(readBack(byValue), readBack(panel)) << c.op;
    }
}

TEST_F(WriteBack, AFailedSetOperTourReturnsTheTablesAsFarAsItGot) {
    ti = {104, 10, 0, 0, 0, 3, 0, 0};  // ti(5) = 3: no such direction
    const OperTournage::Tables got =
        panel.SetOperTour("20_ABCDEF", "E", "", std::as_const(td), std::as_const(ti));
    EXPECT_TRUE(boxStarts("Initialisation opération Tournage\r\n"));
    EXPECT_EQ(got.td[td::kAngle], 60);  // corrected before the failure
    EXPECT_EQ(td[td::kAngle], 0);       // the host's own tables are left alone
    // A table too short for what the operation reads.
    const OperTournage::Tables cut = panel.SetOperTour("20_ABCDEF", "E", "", {1, 2}, {101});
    EXPECT_TRUE(boxStarts("Initialisation opération Tournage\r\n"));
    EXPECT_EQ(cut.td, (std::vector<double>{1, 2}));
}

// Calls that would leave one table written back and the other not are refused.
template <class TD, class TI>
concept SetsUp = requires(OperTournage& p) {
    p.SetOperTour("", "", "", std::declval<TD>(), std::declval<TI>());
};
using Doubles = std::vector<double>;
using Shorts = std::vector<std::int16_t>;
static_assert(SetsUp<Doubles&, Shorts&>);
static_assert(SetsUp<const Doubles&, const Shorts&>);
static_assert(SetsUp<Doubles&&, Shorts&&>);
static_assert(!SetsUp<Doubles&, const Shorts&>);
static_assert(!SetsUp<Doubles&, Shorts&&>);
static_assert(!SetsUp<const Doubles&, Shorts&>);

TEST(WriteBackMilling, SetAccostageByValueReturnsTheCorrectedIndex) {
    struct Case {
        std::int16_t typoper;
        std::int16_t accostage;
        std::int16_t balayage;
        bool closed;
        std::int16_t expected;
        std::size_t boxes;
    };
    // clang-format off
    const Case cases[] = {
        {milling::kContour,     4, 1, true,  0,  0},  // no arc-tangent mode on a closed contour
        {milling::kContour,     4, 1, false, 4,  0},
        {milling::kTap,         1, 1, false, -1, 0},  // no engagement offered
        {milling::kDrill,       2, 1, false, -1, 0},
        {milling::kPocket,      9, 1, false, 9,  1},  // beyond the list: error box, kept
        {milling::kFacing,      0, 5, false, 0,  1},  // no picture for sweep 5: error box
    };
    // clang-format on
    for (const Case& c : cases) {
        Host hostRef, hostVal;
        OperFraisage ref(hostRef), val(hostVal);
        ref.Typoper = val.Typoper = c.typoper;
        std::int16_t written = c.accostage;
        ref.SetAccostage(written, 3, 5, 2, 30, c.balayage, c.closed ? -1 : 0);
        const std::int16_t returned =
            val.SetAccostage(c.accostage, 3, 5, 2, 30, c.balayage, c.closed ? -1 : 0);
        EXPECT_EQ(written, c.expected) << c.typoper;
        EXPECT_EQ(returned, written) << c.typoper;
        EXPECT_EQ(hostRef.messages().size(), c.boxes) << c.typoper;
        EXPECT_EQ(hostVal.messages().size(), c.boxes) << c.typoper;
        const OperFraisage& r = ref;
        const OperFraisage& v = val;
        EXPECT_EQ(v.GetAccostage(), r.GetAccostage());
        EXPECT_EQ(v.GetGardeAccoste(), r.GetGardeAccoste());
        EXPECT_EQ(v.GetGardeDegage(), r.GetGardeDegage());
        EXPECT_EQ(v.GetRecouvre(), r.GetRecouvre());
        EXPECT_EQ(v.GetAngBal(), r.GetAngBal());
    }
}

TEST(WriteBackSelectors, SetSensRotByValueReturnsWhatIsWrittenBack) {
    Host host;
    SensRot ref(host), val(host);
    for (const std::int16_t sens : {std::int16_t{-3}, std::int16_t{-2}, std::int16_t{-1},
                                    std::int16_t{0}, std::int16_t{1}, std::int16_t{5}}) {
        for (const int config : {-4, -1, 0, 2, 3, 7}) {
            std::int16_t written = sens;
            ref.SetSensRot(written, static_cast<std::int16_t>(config));
            EXPECT_EQ(val.SetSensRot(sens, static_cast<std::int16_t>(config)), written)
                << sens << " " << config;
            EXPECT_EQ(written, config <= -1 ? sensrot::kNoDirection : sens);
            EXPECT_EQ(val.GetSensRot(), ref.GetSensRot());
            EXPECT_EQ(val.GetTournant(), ref.GetTournant());
            for (int i = 0; i < 2; ++i)
                EXPECT_EQ(val.widget("bSensRot", i).picture(), ref.widget("bSensRot", i).picture());
        }
    }
}

}  // namespace
}  // namespace oru::test
