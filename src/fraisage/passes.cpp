// The roughing pass calculation and the value-change handling that reruns it.
#include <cmath>
#include <string>
#include <string_view>

#include "fraisage/internal.hpp"
#include "frame/numbers_internal.hpp"
#include "frame/trap.hpp"
#include "oru/host.hpp"
#include "oru/numbers.hpp"

namespace oru {
namespace {

// The warnings of an impossible machining.
constexpr std::string_view kOverrunWarning = "Dépassement de fond incorrect : USINAGE IMPOSSIBLE";
constexpr std::string_view kAllowanceWarning =
    "Surépaisseur de fond incorrecte : USINAGE IMPOSSIBLE";

}  // namespace

void OperFraisage::tbVal_Change(int Index) {
    Trap(host(), kTitleCtrl, Prompt::Label, "Changement de valeur", [&] {
        // Safety Z, Z clearance and diameter take no part in the passes.
        if (Index > 1 && Index != 6 && PassesActives) CalculPasses();
    });
}

void OperFraisage::CalculPasses() {
    Trap(host(), kTitleCtrl, Prompt::Label, "Calcul des passes", [&] {
        const double A = std::fabs(Val(ui_->tbVal(2).text()));
        const double B = std::fabs(Val(ui_->tbVal(3).text()));
        const double C = Val(ui_->tbVal(4).text());
        const double D = Val(ui_->tbVal(7).text());
        const double P = std::fabs(Val(ui_->tbVal(8).text()));

        std::string result;
        double T = 0.0;
        double L = 0.0;
        std::string_view warning;
        if (debouchant) {
            T = num::Checked(P + D);
            L = T;
            warning = kOverrunWarning;
        } else {
            L = num::Checked(P - C);
            T = num::Checked(L - B);
            warning = kAllowanceWarning;
        }

        if (T > 0 && A > 0) {
            double n = num::Checked(T / A);
            // Less than a hundredth of a pass left over adds no pass.
            if (std::fabs(n - std::trunc(n)) < 0.01)
                n = std::trunc(n);
            else
                n = std::trunc(n) + 1;
            if (n == 0) n = 1;
            const double h = T / n;
            result = num::Str(n) + "*" + num::FormatFixed(h, 3, host().decimalSeparator());
        }

        if (L <= -0.0000001 && P > 0.0000001 && !writingFields_) ShowWarningBox(host(), warning);
        ui_->tNbPasses.setCaption(result);
    });
}

}  // namespace oru
