// The machining direction button, which steps through the directions the operation offers, and
// the to-axis option button of facing, parting off, roughing and finishing.
#include <cstddef>
#include <string>
#include <string_view>

#include "frame/pictures.hpp"
#include "frame/resources.hpp"
#include "frame/trap.hpp"
#include "tournage/internal.hpp"

namespace oru {
namespace {

// The next direction: when the current one is entry `from` and entry `to` is offered, `to`
// becomes current. Tried in this order; the first that holds decides. The result is the cycle
// 0 → 1 → 2 → 0 over the offered entries.
struct StepRow {
    std::size_t from, to;
};
// clang-format off
constexpr StepRow kDirectionSteps[] = {
    {0, 1},
    {0, 2},
    {1, 2},
    {1, 0},
    {2, 0},
    {2, 1},
};
// clang-format on

// The two states of the to-axis option: when the code is `when` it becomes `becomes`, otherwise
// it becomes `otherwise`; `copyOn*` tells which switch copies box 3 into box 6 (a facing switched
// to the axis, a parting off switched to "3"). `option` is true where the code is the option
// string itself, false where it lives only in tbSensFilet.
struct ToAxisRow {
    std::int16_t op;  // 0: any other operation
    bool option;
    std::string_view when, becomes;
    bool copyOnWhen;
    std::string_view otherwise;
    bool copyOnOtherwise;
    std::string_view stem;  // bitmap of bUsAxe: stem + the new code
};
// clang-format off
constexpr ToAxisRow kToAxis[] = {
    // op   option when becomes copy   otherwise copy   picture
    {102,  true,  "3", "4",    true,  "3",      false, "T_DRESSER_"},
    {103,  true,  "3", "2",    false, "3",      true,  "T_TRONCONNER_"},
    {0,    false, "3", "4",    false, "3",      false, "T_DRESSER_"},
};
// clang-format on

const ToAxisRow& ToAxisOf(std::int16_t op) {
    for (const ToAxisRow& row : kToAxis)
        if (row.op == op || row.op == 0) return row;
    return kToAxis[std::size(kToAxis) - 1];
}

}  // namespace

void OperTournage::bSens_Click() {
    Trap(host(), kTitleCN, Prompt::LabelAndDescription, kLabelDirection, [&] {
        Ui& u = *ui_;
        const StepRow* step = nullptr;
        for (const StepRow& row : kDirectionSteps) {
            if (SensCourant == TabSens[row.from] && !TabSens[row.to].empty()) {
                step = &row;
                break;
            }
        }
        if (step == nullptr) return;  // nothing else is offered

        SensCourant = TabSens[step->to];
        u.bSens.setPicture(res::LoadResPicture("T_" + SensCourant, res::Type::Bitmap));
        if (NumOp == 130) {
            // Threading shows the infeed on the thread picture, not on the operation sketch.
            u.picFilet.setPicture(pict::LoadPicture(chbmp + "Filet_" + TypeFilet +
                                                    str::Right(SensCourant, 3) + ".bmp"));
            return;
        }
        AfficheOperation();
    });
}

void OperTournage::bUsAxe_Click() {
    Trap(host(), kTitleCN, Prompt::LabelAndDescription, kLabelToAxis, [&] {
        Ui& u = *ui_;
        const ToAxisRow& row = ToAxisOf(NumOp);
        const std::string current = row.option ? OptionUsinage : u.tbSensFilet.text();
        const bool switched = current == row.when;
        const std::string next(switched ? row.becomes : row.otherwise);
        const bool copy = switched ? row.copyOnWhen : row.copyOnOtherwise;

        if (row.option) OptionUsinage = next;
        u.tbSensFilet.writeText(next);
        u.bUsAxe.setPicture(res::LoadResPicture(std::string(row.stem) + next, res::Type::Bitmap));
        if (copy) u.tbPara(6).writeText(u.tbPara(3).text());
        AfficheOperation();
    });
}

}  // namespace oru
