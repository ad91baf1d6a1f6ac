#pragma once

#include <cstdint>

#include "oru/panel.hpp"

namespace oru {

// Coolant selector: off, coolant 1, coolant 2, both; -1 hides it.
class Arrosage : public Panel {
public:
    explicit Arrosage(Host& host);

    void SetArrosage(std::int16_t Arrose);  // clamped to -1 .. 3
    std::int16_t GetArrosage();

private:
    void UserControl_Initialize();
    void bArro_Click();
    void drawState();

    Widget& bArro_;
    Widget& tArro_;
    std::int16_t state_ = 0;
};

}  // namespace oru
