#pragma once

#include <cstdint>

#include "oru/panel.hpp"

namespace oru {

// Climb / conventional milling toggle: one picture button and its label.
class Avalant : public Panel {
public:
    explicit Avalant(Host& host);

    // -1 hides the control, 0 shows it in conventional mode, 1 in climb mode; else nothing.
    void SetAvalant(std::int16_t newaval);
    // 1 climb ("Avalant"), 0 conventional ("Opposition").
    std::int16_t GetAvalant();

private:
    void UserControl_Initialize();
    void Bavalant_Click();

    Widget& Bavalant_;
    Widget& Tavalant_;
    std::int16_t mode_ = 1;
};

}  // namespace oru
