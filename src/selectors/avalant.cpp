#include "oru/avalant.hpp"

#include <span>
#include <string_view>
#include <utility>

#include "frame/resources.hpp"
#include "frame/trap.hpp"
#include "oru/getters.hpp"

namespace oru {
namespace {

// clang-format off
constexpr WidgetSpec kInventory[] = {
    // name      kind                       n  caption    picture    left top  width height
    {"Bavalant", WidgetKind::CommandButton, 0, "",        "AVALANT", 150, 60, 600, 600},
    {"Tavalant", WidgetKind::Label,         0, "Avalant", "",        0, 690, 900, 255},
};
// clang-format on
constexpr int kWidth = 900;
constexpr int kHeight = 960;

// The two modes: icon on Bavalant and caption of Tavalant.
struct ModeRow {
    std::int16_t mode;
    std::string_view icon;
    std::string_view caption;
};
constexpr ModeRow kModes[] = {
    {1, "AVALANT", "Avalant"},
    {0, "OPPOSITION", "Opposition"},
};

constexpr std::string_view kToolTip = "Choisit le mode de travail en Avalant ou en Opposition";

}  // namespace

struct Avalant::Ui {
    explicit Ui(Panel& p) : Bavalant(p.widget("Bavalant")), Tavalant(p.widget("Tavalant")) {}
    Widget &Bavalant, &Tavalant;
};

Avalant::Avalant(Host& host)
    : Panel(host, "Avalant", std::string(kTitleCtrl), kInventory, kWidth, kHeight),
      ui_(std::make_unique<Ui>(*this)) {
    bindClick(ui_->Bavalant, [this] { Bavalant_Click(); });
    ui_->Tavalant.setAlignment(kCentred);  // design-time: the caption centred under the button
    UserControl_Initialize();
}

Avalant::~Avalant() = default;

void Avalant::UserControl_Initialize() {
    ui_->Bavalant.setPicture(res::LoadResPicture("AVALANT", res::Type::Icon));
    ui_->Bavalant.setToolTip(std::string(kToolTip));
    ui_->Tavalant.setToolTip(std::string(kToolTip));
    mode_ = 1;
}

void Avalant::Bavalant_Click() {
    const ModeRow& next = mode_ != 1 ? kModes[0] : kModes[1];
    mode_ = next.mode;
    ui_->Bavalant.setPicture(res::LoadResPicture(next.icon, res::Type::Icon));
    ui_->Tavalant.setCaption(std::string(next.caption));
}

void Avalant::SetAvalant(std::int16_t newaval) {
    switch (newaval) {
        case -1:
            ui_->Bavalant.setVisible(false);
            ui_->Tavalant.setVisible(false);
            break;
        case 0:
        case 1:
            ui_->Bavalant.setVisible(true);
            ui_->Tavalant.setVisible(true);
            // Force the other mode, then switch: the click draws the wanted one.
            mode_ = newaval == 0 ? 1 : 0;
            Bavalant_Click();
            break;
        default:
            break;
    }
}

std::int16_t Avalant::GetAvalant() const { return mode_; }

// The getters as the public interface lists them, for a control that is not const.
std::int16_t Avalant::GetAvalant() { return std::as_const(*this).GetAvalant(); }

namespace {
// The getters of the control; it has no error box of its own.
constexpr Getter<Avalant> kGetters[] = {
    Getter<Avalant>("GetAvalant", &Avalant::GetAvalant),
};
}  // namespace

template <>
std::span<const Getter<Avalant>> getters<Avalant>() {
    return kGetters;
}

}  // namespace oru
