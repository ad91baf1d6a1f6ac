// Approach modes and the final retract to the safety Z plane. The safety Z field tbVal(0) is
// needed only when the approach starts from the safety plane or the tool goes back to it.
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "fraisage/internal.hpp"
#include "frame/resources.hpp"

namespace oru {
namespace {

// The approach buttons, by mode: icon stems, "_ON" when selected, "_OFF" otherwise.
struct ApproachRow {
    std::int16_t mode;
    std::string_view button;
    std::string_view icon;
};
// clang-format off
constexpr ApproachRow kApproaches[] = {
    {0, "bApproZsecu", "APPRO_ZSECU"},
    {1, "bApproXYZ",   "APPRO_XY_Z"},
    {2, "bApproZXY",   "APPRO_Z_XY"},
    {3, "bAppro3D",    "APPRO_XYZ"},
};
// clang-format on

constexpr std::string_view kRetractOn = "DEG_ZSECU_ON";
constexpr std::string_view kRetractOff = "DEG_ZSECU_OFF";

Picture icon(std::string_view name) { return res::LoadResPicture(name, res::Type::Icon); }

}  // namespace

void OperFraisage::approcheClick(std::int16_t mode) {
    Approche = mode;
    for (const ApproachRow& row : kApproaches) {
        const std::string name = std::string(row.icon) + (row.mode == mode ? "_ON" : "_OFF");
        widget(row.button).setPicture(icon(name));
    }
    ui_->tbVal(0).setVisible(mode == 0 || DegageZsecu == 1);
}

void OperFraisage::bDegageZsecu_Click() {
    if (DegageZsecu == 0) {
        DegageZsecu = 1;
        ui_->bDegageZsecu.setPicture(icon(kRetractOn));
        ui_->tbVal(0).setVisible(true);
    } else {
        DegageZsecu = 0;
        ui_->bDegageZsecu.setPicture(icon(kRetractOff));
        ui_->tbVal(0).setVisible(Approche == 0);
    }
}

// The arguments are spelt in lower case here: their names in the header are those of the fields.
void OperFraisage::SetApproche(std::int16_t approche) {
    if (approche >= 0 && approche <= 3) approcheClick(approche);
}

void OperFraisage::SetDegageZ(std::int16_t degageZsecu) {
    DegageZsecu = degageZsecu;
    switch (DegageZsecu) {
        case -1:
            ui_->bDegageZsecu.setVisible(false);
            break;
        case 1:
            ui_->bDegageZsecu.setVisible(true);
            ui_->bDegageZsecu.setPicture(icon(kRetractOn));
            ui_->tbVal(0).setVisible(true);
            break;
        case 0:
            ui_->bDegageZsecu.setVisible(true);
            ui_->bDegageZsecu.setPicture(icon(kRetractOff));
            ui_->tbVal(0).setVisible(Approche == 0);
            break;
        default:
            break;  // stored and returned as given
    }
}

std::int16_t OperFraisage::GetApproche() const { return Approche; }
std::int16_t OperFraisage::GetDegageZ() const { return DegageZsecu; }

}  // namespace oru
