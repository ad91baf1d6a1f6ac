#pragma once

#include <cstdint>
#include <memory>

#include "oru/panel.hpp"

namespace oru {

// Coolant selector: one picture button (bArro) and its label (tArro). Each click moves to the
// next state: 0 off, 1 coolant 1, 2 coolant 2, 3 both, then 0 again. A new control reports 0.
// Its operations have no error box of their own: a failure (none is expected) reaches the caller
// as oru::Error.
class Arrosage : public Panel {
public:
    explicit Arrosage(Host& host);
    ~Arrosage() override;

    // Sets the state, clamped to -1 .. 3: -1 hides the control, 0 to 3 show it in that state.
    // The argument is not written back.
    void SetArrosage(std::int16_t Arrose);
    // The state, -1 to 3 (-1 while hidden by SetArrosage).
    std::int16_t GetArrosage();
    std::int16_t GetArrosage() const;

private:
    struct Ui;  // the control's widgets, looked up once

    void UserControl_Initialize();
    void bArro_Click();
    void drawState();

    std::unique_ptr<Ui> ui_;
    std::int16_t state_ = 0;  // -1 hidden, 0 to 3
};

}  // namespace oru
