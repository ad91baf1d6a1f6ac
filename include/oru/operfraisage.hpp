#pragma once

#include <array>
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
    // creation, set-up by operation type, pass calculation, hole cycles
    void UserControl_Initialize();
    void loadToolPicture(const std::string& outil);
    void InitPasses();
    void CalculPasses();
    void InitTrous();
    double ValeurVisible(int i);

    // handlers
    void tbVal_Change(int Index);
    void bExtBrut_Click();
    void bTrou_Click(int Index);
    void approcheClick(std::int16_t mode);
    void bDegageZsecu_Click();
    void cAccostage_Click();
    void bSurf_Click();
    void tbGardeAcc_Change();
    void tbGardeDeg_LostFocus();

    // engagement helpers
    bool engagementFlag(const std::vector<bool>& flags, int k) const;

    // widget arrays, index-checked
    Widget& tbVal(int i);
    Widget& bTrou(int i);

    Avalant avalant1_;

    Widget& Avalant1_;
    Widget& pTrou_;
    Widget& tTrou_;
    Widget& tNbPasses_;
    Widget& tProf_;
    Widget& tDiamTrou_;
    Widget& pOutil_;
    Widget& pPasses_;
    Widget& bExtBrut_;
    Widget& bApproZsecu_;
    Widget& bApproXYZ_;
    Widget& bApproZXY_;
    Widget& bAppro3D_;
    Widget& bDegageZsecu_;
    Widget& pAccoste_;
    Widget& cAccostage_;
    Widget& imgAccoste_;
    Widget& tbGardeAcc_;
    Widget& tbGardeDeg_;
    Widget& tbRecouvre_;
    Widget& bSurf_;
    Widget& tbAngBal_;
    std::array<Widget*, 9> tbVal_{};
    std::array<Widget*, 6> bTrou_{};

    // panel state
    std::string Outil_;
    std::string ProfBrut_;
    std::string RacineExtBrut_;
    bool PassesActives_ = false;
    bool writingFields_ = false;  // SetPasses is writing the value fields
    std::int16_t DegageZsecu_ = 0;
    std::int16_t Approche_ = 0;
    bool GardeDegModifiee_ = false;
    std::string RacineAccoste_;
    std::vector<bool> VisGardeAcc_;
    std::vector<bool> VisGardeDeg_;
    std::vector<bool> VisRecouvre_;
    std::int16_t Balayage_ = 0;
    bool Ferme_ = false;
};

}  // namespace oru
