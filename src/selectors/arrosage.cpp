#include "oru/arrosage.hpp"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "frame/resources.hpp"
#include "frame/trap.hpp"
#include "oru/getters.hpp"

namespace oru {
namespace {

// clang-format off
constexpr WidgetSpec kInventory[] = {
    // name   kind                       n  caption           picture   left top  width height
    {"bArro", WidgetKind::CommandButton, 0, "",               "ARRO_0", 300, 60, 600, 600},
    {"tArro", WidgetKind::Label,         0, "Arrêt Arrosage", "",       0, 690, 1200, 255},
};
// clang-format on
constexpr int kWidth = 1200;
constexpr int kHeight = 960;

// Caption of tArro for each coolant state; the icon is "ARRO_" + the state.
constexpr std::string_view kCaptions[] = {
    "Arrêt arrosage",   // 0
    "Arrosage 1",       // 1
    "Arrosage 2",       // 2
    "Arrosage 1 et 2",  // 3
};

}  // namespace

struct Arrosage::Ui {
    explicit Ui(Panel& p) : bArro(p.widget("bArro")), tArro(p.widget("tArro")) {}
    Widget &bArro, &tArro;
};

Arrosage::Arrosage(Host& host)
    : Panel(host, "Arrosage", std::string(kTitleCtrl), kInventory, kWidth, kHeight),
      ui_(std::make_unique<Ui>(*this)) {
    bindClick(ui_->bArro, [this] { bArro_Click(); });
    ui_->tArro.setAlignment(kCentred);  // design-time: the caption centred under the button
    UserControl_Initialize();
}

Arrosage::~Arrosage() = default;

void Arrosage::UserControl_Initialize() { ui_->bArro.setToolTip("Active ou désactive l'arrosage"); }

void Arrosage::drawState() {
    ui_->bArro.setPicture(res::LoadResPicture("ARRO_" + std::to_string(state_), res::Type::Icon));
    ui_->tArro.setCaption(std::string(kCaptions[static_cast<std::size_t>(state_)]));
}

void Arrosage::bArro_Click() {
    ++state_;
    if (state_ == 4) state_ = 0;
    drawState();
}

void Arrosage::SetArrosage(std::int16_t Arrose) {
    state_ = std::clamp<std::int16_t>(Arrose, -1, 3);
    if (state_ == -1) {
        ui_->bArro.setVisible(false);
        ui_->tArro.setVisible(false);
        return;
    }
    ui_->bArro.setVisible(true);
    ui_->tArro.setVisible(true);
    drawState();
}

std::int16_t Arrosage::GetArrosage() const { return state_; }

// The getters as the public interface lists them, for a control that is not const.
std::int16_t Arrosage::GetArrosage() { return std::as_const(*this).GetArrosage(); }

namespace {
// The getters of the control; it has no error box of its own.
constexpr Getter<Arrosage> kGetters[] = {
    Getter<Arrosage>("GetArrosage", &Arrosage::GetArrosage),
};
}  // namespace

template <>
std::span<const Getter<Arrosage>> getters<Arrosage>() {
    return kGetters;
}

}  // namespace oru
