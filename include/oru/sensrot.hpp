#pragma once

#include <cstdint>
#include <string>

#include "oru/panel.hpp"

namespace oru {

// Spindle / rotating tool direction selector: two picture buttons, each with a label.
class SensRot : public Panel {
public:
    explicit SensRot(Host& host);

    // SensRot: -1 clockwise, 0 stopped, 1 counter-clockwise (clamped). OutilTournant: the
    // configuration -1 to 3 (clamped). Configuration -1 writes -2 back into SensRot.
    void SetSensRot(std::int16_t& SensRot, std::int16_t OutilTournant);
    std::int16_t GetSensRot();
    std::int16_t GetTournant();

private:
    void UserControl_Initialize();
    void bSensRot_Click(int Index);
    void drawDirection(int button);
    void showOffButton(int button);

    Widget& bSensRot(int i);
    Widget& tSensRot(int i);

    std::int16_t sensRot_ = 0;
    std::int16_t tournant_ = 0;
    std::string tipSpindle_;
    std::string tipTool_;
};

}  // namespace oru
