// The approach buttons (which on the threading page choose the thread type) and the
// end-of-operation retract button, with the safety distance boxes they need.
#include <string>
#include <string_view>

#include "frame/numbers_internal.hpp"
#include "frame/pictures.hpp"
#include "frame/resources.hpp"
#include "frame/trap.hpp"
#include "tournage/internal.hpp"

namespace oru {
namespace {

// The two uses of the four bAppro buttons: icon name = prefix + letter + "_ON" / "_OFF".
struct ButtonMode {
    std::string_view prefix;
    std::string_view letters[4];
};
constexpr ButtonMode kApproachButtons{"T_APPRO_", {"0", "1", "2", "3"}};
constexpr ButtonMode kThreadTypeButtons{"FILET_", {"M", "G", "T", "R"}};

Picture Icon(const std::string& name) { return res::LoadResPicture(name, res::Type::Icon); }

}  // namespace

// tbXsecu is needed by the approach type 13 and by the retract types above 1; tbZsecu by the
// retract types that end on the axial safety distance.
void OperTournage::showSafetyBoxes() {
    ui_->tbXsecu.setVisible(TypeAppro == 13 || DegZsecu > 1);
    ui_->tbZsecu.setVisible(DegZsecu == 1 || DegZsecu == 2 || DegZsecu == 4);
}

void OperTournage::bAppro_Click(int Index) {
    Trap(host(), kTitleCN, Prompt::LabelAndDescription, kLabelApproach, [&] {
        Ui& u = *ui_;
        const std::string p = ApproachProfile(Profil);
        // The threading page hides the operation picture; there the buttons choose the thread
        // type.
        const bool approach = NumOp != 130 || u.picOper.visible();
        const ButtonMode& mode = approach ? kApproachButtons : kThreadTypeButtons;

        if (approach) {
            TypeAppro = num::ToInt16(Index + 10);
            showSafetyBoxes();
        } else {
            ChoixTypeFilet(Index);
        }

        for (int i = 0; i < u.bAppro.size(); ++i) {
            const std::string letter(mode.letters[i]);
            std::string suffix = "_OFF";
            if (i == Index) {
                suffix = "_ON";
                if (!approach)
                    u.picFilet.setPicture(pict::LoadPicture(chbmp + "FILET_" + letter + "_" +
                                                            str::Right(SensCourant, 2) + ".BMP"));
            }
            u.bAppro(i).setPicture(Icon(std::string(mode.prefix) + letter + suffix));
        }

        // An internal profile offers only the approach types 1 and 2; all four thread types
        // are always offered.
        const bool all = p == "E" || !u.picOper.visible();
        u.bAppro(0).setVisible(all);
        u.bAppro(3).setVisible(all);
    });
}

void OperTournage::bDegage_Click() {
    Trap(host(), kTitleCN, Prompt::LabelAndDescription, kLabelRetract, [&] {
        const std::string p = RetractProfile(Profil);
        // External cycle 0, 3, 4; internal cycle 0, 1, 2.
        if (p == "E" && DegZsecu == 0)
            DegZsecu = 3;
        else if (DegZsecu == 2 || DegZsecu == 4)
            DegZsecu = 0;
        else
            DegZsecu = num::ToInt16(DegZsecu + 1);
        ui_->bDegage.setPicture(Icon("T_DEG_" + p + std::to_string(DegZsecu)));
        showSafetyBoxes();
    });
}

}  // namespace oru
