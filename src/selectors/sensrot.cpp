#include "oru/sensrot.hpp"

#include <algorithm>
#include <span>
#include <string_view>
#include <utility>

#include "frame/resources.hpp"
#include "frame/trap.hpp"
#include "frame/ui.hpp"
#include "oru/getters.hpp"

namespace oru {
namespace {

// clang-format off
constexpr WidgetSpec kInventory[] = {
    // name      kind                       n  caption    picture     left top  width height dx
    {"bSensRot", WidgetKind::CommandButton, 2, "",        "SROT_T_H", 150, 60, 600, 600, 900},
    {"tSensRot", WidgetKind::Label,         2, "Horaire", "",         0, 690, 900, 255, 900},
};
// clang-format on
constexpr int kWidth = 1800;
constexpr int kHeight = 960;

constexpr std::string_view kTipSpindle = "Sens de Rotation de la broche";
constexpr std::string_view kTipTool = "Sens de Rotation de l'outil";

enum class Tip { Spindle, Tool, None };

// What each configuration shows: which buttons, their tooltips, the active button and, when
// both buttons are shown, the off button with its icon and caption.
struct ConfigRow {
    std::int16_t tournant;
    bool show0, show1;
    Tip tip0, tip1;
    int active;     // -1 none
    int offButton;  // -1 none
};
constexpr ConfigRow kConfigs[] = {
    {-1, false, false, Tip::None, Tip::None, -1, -1},
    {0, true, false, Tip::Spindle, Tip::None, 0, -1},
    {1, true, false, Tip::Tool, Tip::None, 0, -1},
    {2, true, true, Tip::Spindle, Tip::Tool, 0, 1},
    {3, true, true, Tip::Spindle, Tip::Tool, 1, 0},
};

// The off picture of each button: button 1 (tool) reads "Fixe", button 0 (spindle) "Arrêt".
struct OffRow {
    std::string_view icon;
    std::string_view caption;
};
constexpr OffRow kOff[] = {
    {"SROT_T_OFF", "Arrêt"},  // button 0
    {"SROT_F_OFF", "Fixe"},   // button 1
};

// Direction display: icon suffix and caption for SensRot -1, 0, 1.
struct DirectionRow {
    std::int16_t sens;
    std::string_view suffix;
    std::string_view caption;
};
constexpr DirectionRow kDirections[] = {
    {-1, "H", "Horaire"},
    {0, "A", "Arrêt"},
    {1, "T", "Trigo"},
};

std::string_view familyOf(std::int16_t tournant) {
    return (tournant == 0 || tournant == 2) ? "SROT_T_" : "SROT_F_";
}

}  // namespace

struct SensRot::Ui {
    explicit Ui(Panel& p) : bSensRot(p, "bSensRot"), tSensRot(p, "tSensRot") {}
    WidgetArray<2> bSensRot, tSensRot;
};

SensRot::SensRot(Host& host)
    : Panel(host, "SensRot", std::string(kTitleCtrl), kInventory, kWidth, kHeight),
      ui_(std::make_unique<Ui>(*this)) {
    for (int i = 0; i < ui_->bSensRot.size(); ++i) {
        bindClick(ui_->bSensRot(i), [this, i] { bSensRot_Click(i); });
        ui_->tSensRot(i).setAlignment(kCentred);  // design-time: centred under its button
    }
    UserControl_Initialize();
}

SensRot::~SensRot() = default;

void SensRot::UserControl_Initialize() {
    tipSpindle_ = kTipSpindle;
    tipTool_ = kTipTool;
}

void SensRot::showOffButton(int button) {
    const OffRow& off = kOff[button];
    ui_->bSensRot(button).setPicture(res::LoadResPicture(off.icon, res::Type::Icon));
    ui_->tSensRot(button).setCaption(std::string(off.caption));
}

void SensRot::drawDirection(int button) {
    const DirectionRow& row = kDirections[sensRot_ + 1];  // sensRot_ is kept within -1 .. 1
    const std::string icon = std::string(familyOf(Tournant)) + std::string(row.suffix);
    ui_->bSensRot(button).setPicture(res::LoadResPicture(icon, res::Type::Icon));
    ui_->tSensRot(button).setCaption(std::string(row.caption));
}

// The argument keeps the name hosts know it by, although it hides the class name here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"
void SensRot::SetSensRot(std::int16_t& SensRot, std::int16_t OutilTournant) {
    sensRot_ = std::clamp<std::int16_t>(SensRot, -1, 1);
    Tournant = std::clamp<std::int16_t>(OutilTournant, -1, 3);
    const ConfigRow& cfg = kConfigs[Tournant + 1];

    const bool show[2] = {cfg.show0, cfg.show1};
    const Tip tips[2] = {cfg.tip0, cfg.tip1};
    for (int i = 0; i < 2; ++i) {
        ui_->bSensRot(i).setVisible(show[i]);
        ui_->tSensRot(i).setVisible(show[i]);
        if (tips[i] != Tip::None)
            ui_->bSensRot(i).setToolTip(tips[i] == Tip::Spindle ? tipSpindle_ : tipTool_);
    }
    if (cfg.offButton >= 0) showOffButton(cfg.offButton);
    if (Tournant == -1) SensRot = -2;

    // The caller's argument, not the clamped field, decides whether the direction is drawn.
    if (SensRot > -2 && cfg.active >= 0) drawDirection(cfg.active);
}

std::int16_t SensRot::SetSensRot(const std::int16_t& SensRot, std::int16_t OutilTournant) {
    std::int16_t written = SensRot;
    this->SetSensRot(written, OutilTournant);
    return written;
}
#pragma GCC diagnostic pop

void SensRot::bSensRot_Click(int Index) {
    const int active = Tournant == 3 ? 1 : 0;
    if (Index == active) {
        sensRot_ = sensRot_ == 1 ? -1 : static_cast<std::int16_t>(sensRot_ + 1);
    } else if (Index == 0) {
        showOffButton(1);
        Tournant = 2;
    } else {
        showOffButton(0);
        Tournant = 3;
    }
    drawDirection(Index);
}

std::int16_t SensRot::GetSensRot() const { return sensRot_; }
std::int16_t SensRot::GetTournant() const { return Tournant; }

// The getters as the public interface lists them, for a control that is not const.
std::int16_t SensRot::GetSensRot() { return std::as_const(*this).GetSensRot(); }
std::int16_t SensRot::GetTournant() { return std::as_const(*this).GetTournant(); }

namespace {
// The getters of the control; it has no error box of its own.
constexpr Getter<SensRot> kGetters[] = {
    Getter<SensRot>("GetSensRot", &SensRot::GetSensRot),
    Getter<SensRot>("GetTournant", &SensRot::GetTournant),
};
}  // namespace

template <>
std::span<const Getter<SensRot>> getters<SensRot>() {
    return kGetters;
}

}  // namespace oru
