#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "oru/avalant.hpp"
#include "oru/panel.hpp"

namespace oru {

// The milling operation panel.
class OperFraisage : public Panel {
public:
    explicit OperFraisage(Host& host);
    ~OperFraisage() override;

    bool debouchant = false;
    std::string chbmp;
    std::int16_t Typoper = 0;
    std::int16_t AttrImage = 0;
    std::string sZmaxi;
    std::int16_t ExtBrut = 0;

    void SetOutil(std::string outil);
    void SetPasses(std::string outil, const std::vector<double>& tabval);
    double GetZsecu();
    double GetGardeZ();
    double GetPasse();
    double GetDerpasse();
    double GetSurepZ();
    double GetSurepXY();
    double GetDiam();
    double GetDepasse();
    double GetProfondeur();
    void SetAval(std::int16_t Aval);
    std::int16_t GetAval();
    void SetApproche(std::int16_t Approche);
    void SetDegageZ(std::int16_t DegageZsecu);
    std::int16_t GetApproche();
    std::int16_t GetDegageZ();
    void SetAccostage(std::int16_t& Accostage, double GardeAccoste, double GardeDegage,
                      double Recouvre, double AngleBalayage, std::int16_t Balayage,
                      std::int16_t Ferme);
    std::int16_t GetAccostage();
    double GetGardeAccoste();
    double GetGardeDegage();
    double GetRecouvre();
    std::int16_t GetBalayage();
    double GetAngBal();
    Avalant& Avalant1();  // the embedded toggle; widget("Avalant1") is its container

private:
    // private state and routines: to be completed with the panel's behaviour
};

}  // namespace oru
