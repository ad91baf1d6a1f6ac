#pragma once

#include <cstdint>
#include <memory>

#include "oru/panel.hpp"

namespace oru {

// Climb / conventional milling toggle: one picture button (Bavalant) and its label (Tavalant).
// Each click of the button switches the mode. It starts in climb mode, shown. OperFraisage
// embeds one as Avalant1. Its operations have no error box of their own: a failure (none is
// expected) reaches the caller as oru::Error.
class Avalant : public Panel {
public:
    explicit Avalant(Host& host);
    ~Avalant() override;

    // -1 hides the control (the mode is kept), 0 shows it in conventional mode ("Opposition"),
    // 1 shows it in climb mode ("Avalant"); any other value changes nothing. The argument is
    // not written back.
    void SetAvalant(std::int16_t newaval);
    // 1 climb, 0 conventional; also while the control is hidden.
    std::int16_t GetAvalant();
    std::int16_t GetAvalant() const;

private:
    struct Ui;  // the control's widgets, looked up once

    void UserControl_Initialize();
    void Bavalant_Click();

    std::unique_ptr<Ui> ui_;
    std::int16_t mode_ = 1;  // 1 climb, 0 conventional
};

}  // namespace oru
