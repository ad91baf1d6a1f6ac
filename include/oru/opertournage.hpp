#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "oru/panel.hpp"

namespace oru {

// The turning operation panel.
class OperTournage : public Panel {
public:
    explicit OperTournage(Host& host);
    ~OperTournage() override;

    std::string chbmp;
    std::string DirSld;
    std::int16_t NumOp = 0;

    void SetOperTour(std::string outil, std::string profil, std::string TypeFilet,
                     std::vector<double>& td, std::vector<std::int16_t>& ti);
    double GetXsecu();
    double GetZsecu();
    double GetGardeAccost();
    double GetGardeDeg();
    double GetGardeZ();
    double GetPasseZ();
    double GetProfFilet();
    double GetDerPasseZ();
    double GetSurepXY();
    double GetPas();
    double GetSurepZ();
    double GetSurepPlonge();
    double GetDepasseZ();
    double GetAnglePlonge();
    double GetProfondeur();
    double GetDiamChanf();
    std::int16_t GetTypeAppro();
    std::int16_t GetDegZsecu();
    std::int16_t GetNbPasse();
    std::int16_t GetTypeEbauche();
    std::int16_t GetUsineGorge();
    std::string GetTypeFilet();
    std::int16_t GetSensFilet();

private:
    // private state and routines: to be completed with the panel's behaviour
};

}  // namespace oru
