// The option button of the operation (groove, blind or through hole, plunge mode) and the hole
// cycle buttons of drilling, which rewrite the operation type.
#include <string>
#include <string_view>

#include "frame/numbers_internal.hpp"
#include "frame/pictures.hpp"
#include "frame/resources.hpp"
#include "frame/trap.hpp"
#include "oru/numbers.hpp"
#include "tournage/internal.hpp"

namespace oru {
namespace {

// What bGorge toggles for a group of operations.
enum class Toggled : std::uint8_t {
    PlungeMode,  // TypeFilet of 112 and 113
    Groove,      // OptionUsinage below 140
    HoleEnd,     // last character of OptionUsinage, 140 upward but 180: blind or through hole
    Tapping,     // OptionUsinage of 180
};

// The picture of bGorge after a click: stem + the new value, or stem + profile + the letter of
// the click ("B" blind, "D" through).
struct GroupRow {
    Toggled toggled;
    std::string_view stem;
    bool byLetter;
};
// clang-format off
constexpr GroupRow kOptionGroups[] = {
    {Toggled::PlungeMode, "T_POCHE_",    false},
    {Toggled::Groove,     "T_GORGE_",    false},
    {Toggled::HoleEnd,    "T_PERCER_",   true},
    {Toggled::Tapping,    "T_TARAUDER_", true},
};
// clang-format on

// One click: the value `from` becomes `to` with the letter `letter`; "*" stands for any other
// value. A value that no row names stays as it is and takes no letter.
struct OptionRow {
    Toggled toggled;
    std::string_view from, to, letter;
};
// clang-format off
constexpr OptionRow kOptionStates[] = {
    // toggled             from  to    letter
    {Toggled::PlungeMode, "1",  "0",  ""},
    {Toggled::PlungeMode, "*",  "1",  ""},
    {Toggled::Groove,     "G0", "G1", ""},
    {Toggled::Groove,     "*",  "G0", ""},
    {Toggled::HoleEnd,    "0",  "1",  "B"},
    {Toggled::HoleEnd,    "1",  "0",  "D"},
    {Toggled::Tapping,    "1",  "2",  "B"},
    {Toggled::Tapping,    "*",  "1",  "D"},
};
// clang-format on

const GroupRow& GroupOf(std::int16_t op) {
    Toggled t = Toggled::Groove;
    if (op == 112 || op == 113)
        t = Toggled::PlungeMode;
    else if (op == 180)
        t = Toggled::Tapping;
    else if (op >= 140)
        t = Toggled::HoleEnd;
    for (const GroupRow& row : kOptionGroups)
        if (row.toggled == t) return row;
    return kOptionGroups[0];
}

// The row that applies to `value`, or nullptr.
const OptionRow* OptionStep(Toggled toggled, const std::string& value) {
    for (const OptionRow& row : kOptionStates)
        if (row.toggled == toggled && (row.from == value || row.from == "*")) return &row;
    return nullptr;
}

// Hole cycle buttons: plain and counterbore drilling use the single-pass sketch, chip-breaking
// and peck drilling the multi-pass one.
std::string_view DrillingStem(int Index) { return Index < 2 ? "T_PERCER_" : "T_PERCERMP_"; }

}  // namespace

void OperTournage::bGorge_Click() {
    Trap(host(), kTitleCN, Prompt::LabelAndDescription, kLabelOption, [&] {
        Ui& u = *ui_;
        const GroupRow& group = GroupOf(NumOp);
        std::string& field = group.toggled == Toggled::PlungeMode ? TypeFilet : OptionUsinage;
        const bool lastOnly = group.toggled == Toggled::HoleEnd;

        std::string letter;
        if (const OptionRow* step =
                OptionStep(group.toggled, lastOnly ? str::Right(field, 1) : field)) {
            letter = step->letter;
            // A hole option keeps its first two characters and gets the new last one.
            field = lastOnly ? str::Left(field, 2) + std::string(step->to) : std::string(step->to);
        }
        // A hole option ending in neither "0" nor "1" names no picture: the error box.
        const std::string picture =
            std::string(group.stem) + (group.byLetter ? Profil + letter : field);
        u.bGorge.setPicture(res::LoadResPicture(picture, res::Type::Bitmap));

        if (group.toggled == Toggled::PlungeMode) {
            u.picFilet.setPicture(pict::LoadPicture(chbmp + "T_POCHE_P" + TypeFilet + ".bmp"));
            return;
        }
        if (group.toggled == Toggled::Groove && OptionUsinage == "G1") {
            // With the groove, the two allowances are one value: the smaller.
            const double a = rawBoxValue(4);
            const double b = rawBoxValue(5);
            const double m = b < a ? b : a;
            UpdateGuard quiet(MajEnCours);
            u.tbPara(4).writeText(FormatNum3(m));
            u.tbPara(5).writeText(FormatNum3(m));
        }
        AfficheOperation();
    });
}

void OperTournage::bTrou_Click(int Index) {
    Trap(host(), kTitleCN, Prompt::LabelAndDescription, kLabelHoleCycle, [&] {
        Ui& u = *ui_;
        // 140 to 144 become 140 + Index, 145 to 149 become 145 + Index.
        const int base = NumOp % 10 >= 5 ? 5 : 0;
        NumOp = num::ToInt16(10LL * (NumOp / 10) + base + Index);

        for (int i = 0; i < u.bTrou.size(); ++i) {
            const std::string name = "TROU_4" + std::to_string(i) + (i == Index ? "_ON" : "_OFF");
            u.bTrou(i).setPicture(res::LoadResPicture(name, res::Type::Icon));
        }

        const std::string base_name =
            chbmp + std::string(DrillingStem(Index)) + Profil + OptionUsinage;
        u.tbPara(2).setVisible(Index > 1);
        u.tbPara(3).setVisible(Index > 1 && str::Right(OptionUsinage, 1) != "0");
        // The sketch is looked up like the display routine does: name.jpg, else name.bmp.
        u.picOper.setPicture(pict::JpegOrBmp(base_name));
    });
}

}  // namespace oru
