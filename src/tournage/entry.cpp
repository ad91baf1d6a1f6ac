// Reactions to edits of the parameter boxes: the pass summary of turning and facing, and the
// boxes that centring, finishing, drilling and tapping keep consistent with each other.
#include <cmath>
#include <string>

#include "frame/numbers_internal.hpp"
#include "oru/numbers.hpp"
#include "tournage/internal.hpp"

namespace oru {
namespace {

constexpr double kTolerance = 0.001;  // a depth within this of the pass depth is one pass
constexpr double kEpsilon = 0.0000001;

// A whole number of passes, written in full without a leading blank.
std::string Count(double whole) {
    std::string t = num::Str(whole);
    if (!t.empty() && t.front() == ' ') t.erase(0, 1);
    return t;
}

// How a depth T is taken in passes of at most P: either equal passes, or a first pass of P
// (shown as the user typed it) followed by equal passes sharing out the rest.
std::string PassSummary(double T, double P, const std::string& typedPass) {
    if (T <= 0 || P <= 0) return "0 passe";
    if (T <= P + kTolerance) return "1 passe=" + FormatNum3(T);

    const double q = num::Checked(T / P);
    if (q - std::trunc(q) < kTolerance) return Count(std::trunc(q)) + " passes=" + FormatNum3(P);

    const double R = T - P;
    if (R <= P + kTolerance) return "1° passe=" + typedPass + " + 1 passe=" + FormatNum3(R);

    // The count is kept as a double: a tiny pass depth gives more passes than 16 bits hold.
    const double q2 = num::Checked(R / P);
    const double n = q2 - std::trunc(q2) < kTolerance ? std::trunc(q2) : std::trunc(q2) + 1;
    return "1° passe=" + typedPass + " + " + Count(n) + " passes=" + FormatNum3(R / n);
}

}  // namespace

double OperTournage::rawBoxValue(int Index) const { return Val(ui_->tbPara(Index).text()); }

void OperTournage::tbPara_Change(int Index) {
    if (MajEnCours) return;
    Ui& u = *ui_;
    auto v = [this](int i) { return rawBoxValue(i); };
    auto box = [&u](int i) -> Widget& { return u.tbPara(i); };

    if (NumOp == 101) {
        if (Index != 0 && Index != 2 && Index != 3 && Index != 4) return;
        if (Index == 3 && DiamBrut > 0) {
            u.tXBrut.setCaption(FormatNum3(num::Checked((DiamBrut - v(3)) / 2)));
            box(0).writeText(u.tXBrut.caption());  // recomputes the summary from box 0
        }
        u.tPasses.setCaption(PassSummary(num::Checked(v(0) - v(4)), v(2), box(2).text()));
    } else if (NumOp == 102) {
        if (Index != 1 && Index != 2 && Index != 5) return;
        u.tPasses.setCaption(PassSummary(num::Checked(v(1) - v(5)), v(2), box(2).text()));
    } else if (NumOp == 104) {
        if (Index != 3 && Index != 5) return;
        UpdateGuard quiet(MajEnCours);
        if (Index == 5) {
            // The depth gives the diameter reached within the tool's range.
            if (v(5) < kEpsilon) {
                box(3).writeText(box(4).text());
            } else if (v(2) < v(5) + kEpsilon) {
                box(3).writeText("0");
            } else if (v(0) < v(5) + kEpsilon) {
                box(3).writeText(box(6).text());
            } else {
                const double X = num::Checked(v(4) - v(5) * v(7));
                box(3).writeText(v(6) > X ? box(6).text() : FormatNum3(X));
            }
        } else {
            // The diameter gives the depth; a diameter outside the tool's range, or a tool
            // without a slope, has none.
            if (v(6) > v(3) || v(4) < v(3) || v(7) == 0)
                box(5).writeText("erreur");
            else
                box(5).writeText(FormatNum3(num::Checked((v(4) - v(3)) / v(7))));
        }
    } else if (NumOp == 111) {
        if (Index == 0 && CopieGarde) box(1).writeText(box(0).text());
        if (OptionUsinage == "G1" && (Index == 4 || Index == 5))
            box(Index == 4 ? 5 : 4).writeText(box(Index).text());
    } else if (IsDrillingCycle(NumOp)) {
        if (Index != 5 && Index != 7) return;
        const double L = v(0);
        UpdateGuard quiet(MajEnCours);
        if (Index == 7)
            box(5).writeText(FormatNum3(num::Checked(L - v(7))));
        else
            box(7).writeText(FormatNum3(num::Checked(L - v(5))));
    } else if (NumOp == 180) {
        if (OptionUsinage != "0") return;
        const double L = Val(u.tZBrut.caption());
        UpdateGuard quiet(MajEnCours);
        if (Index == 4)
            box(5).writeText(FormatNum3(num::Checked(L - v(4))));
        else
            box(4).writeText(FormatNum3(num::Checked(L - v(5))));
    }
}

void OperTournage::tbPara_LostFocus(int Index) {
    // Once the user has left the retract clearance, the two clearances go their own ways.
    if (Index == 1 && NumOp == 111) CopieGarde = false;
}

}  // namespace oru
