#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "oru/panel.hpp"

namespace oru {

// Spindle / rotating tool direction selector: two picture buttons (bSensRot(0), bSensRot(1)),
// each with a label (tSensRot). Clicking the active button steps the direction (clockwise,
// stopped, counter-clockwise, clockwise...); clicking the off button makes it the active one
// and keeps the direction. Its operations have no error box of their own: a failure (none is
// expected) reaches the caller as oru::Error.
class SensRot : public Panel {
public:
    explicit SensRot(Host& host);
    ~SensRot() override;

    // SensRot: the direction, -1 clockwise ("Horaire"), 0 stopped ("Arrêt"), 1 counter-clockwise
    // ("Trigo"), clamped to -1 .. 1. OutilTournant: the configuration, clamped to -1 .. 3:
    // -1 nothing shown; 0 the spindle button alone; 1 the tool button alone (button 0); 2 both,
    // the spindle active; 3 both, the tool active. Configuration -1 writes -2 back into the
    // caller's SensRot. An argument below -1 is stored as -1 but not drawn.
    void SetSensRot(std::int16_t& SensRot, std::int16_t OutilTournant);
    // The same for a direction the host does not keep (a constant, a temporary): returns what
    // the form above writes back (-2 for configuration -1, otherwise the argument unchanged).
    std::int16_t SetSensRot(const std::int16_t& SensRot, std::int16_t OutilTournant);
    // The direction, -1, 0 or 1.
    std::int16_t GetSensRot();
    std::int16_t GetSensRot() const;
    // The configuration, -1 to 3; after the user has switched the active button, 2 (spindle)
    // or 3 (tool).
    std::int16_t GetTournant();
    std::int16_t GetTournant() const;

private:
    struct Ui;  // the control's widgets, looked up once

    void UserControl_Initialize();
    void bSensRot_Click(int Index);
    void drawDirection(int button);
    void showOffButton(int button);

    std::unique_ptr<Ui> ui_;
    // The direction, the field SensRot (a member cannot take the name of its class).
    std::int16_t sensRot_ = 0;
    std::int16_t Tournant = 0;  // the configuration
    std::string tipSpindle_;    // the two tooltip texts set at creation
    std::string tipTool_;
};

}  // namespace oru
