#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
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
    // One record of a thread table.
    struct classFilet {
        std::string nom;
        double Pas = 0;
        double Profondeur = 0;
        std::int16_t NbPasses = 0;
        double DerPasse = 0;
        double Dmin = 0;
        double Dmax = 0;
    };

    struct Ui;     // the panel's widgets, looked up once
    struct Setup;  // arguments and working values of one SetOperTour call

    // ---- state ----
    std::string Profil;                  // "E", "I", "B" or "F"
    std::string SensCourant;             // current machining direction, "" when none
    std::string OptionUsinage;           // option string of the operation
    std::int16_t TypeAppro = 0;          // approach type, 10 to 13
    std::int16_t DegZsecu = 0;           // end-of-operation retract type
    std::array<std::string, 3> TabSens;  // directions offered; "" is not offered
    std::string TypeFilet;               // thread type letter, or the plunge mode "0"/"1"
    std::deque<classFilet> Filets;       // records of the last thread table read (a deque:
                                         // a long table grows without reallocating)
    double DiamBrut = 0;                 // stock diameter
    bool MajEnCours = false;             // code is writing linked boxes: no cascades
    bool CopieGarde = false;             // finishing: box 0 is copied into box 1

    std::unique_ptr<Ui> ui_;

    // ---- creation ----
    void UserControl_Initialize();

    // ---- set-up ----
    void setOperTourBody(Setup& s);
    void applyOperationRules(Setup& s);
    void finishSetup(Setup& s);
    void noDirection();
    void rulesBarStop(Setup& s);
    void rulesLongTurning(Setup& s);
    void rulesFacing(Setup& s);
    void rulesPartingOff(Setup& s);
    void rulesCentring(Setup& s);
    void rulesSpotting(Setup& s);
    void rulesRoughing(Setup& s);
    void rulesFinishing(Setup& s);
    void rulesPlunge(Setup& s);
    void rulesGroovingPlain(Setup& s);
    void rulesGroovingSide(Setup& s);
    void rulesGroovingFace(Setup& s);
    void rulesThreading(Setup& s);
    void rulesChamfering(Setup& s);
    void rulesCounterboring(Setup& s);
    void rulesTapping(Setup& s);
    void rulesDrilling(Setup& s);

    // ---- approach and retract ----
    void bAppro_Click(int Index);
    void bDegage_Click();
    void showSafetyBoxes();

    // ---- parameter boxes ----
    void tbPara_Change(int Index);
    void tbPara_LostFocus(int Index);
    double ValeurPara(int Index);
    double boxValue(int Index);

    // ---- operation picture and tool pictures ----
    void InitImageOutil(std::string outil);
    void AfficheOperation();

    // ---- machining direction and to-axis option ----
    void bSens_Click();
    void bUsAxe_Click();

    // ---- thread tables and pitch choice ----
    void LitFichierFilet(std::string profil, double PasInit, double ProfInit, double Drapeau);
    void cbPas_Click();
    void lPasFilet_Click();
    void ChoixTypeFilet(int Index);  // thread type choice on the threading page

    // ---- threading details page ----
    void bFiletage_Click();
    void showPage(bool details);  // visibility of the widgets of the two pages
    void restoreGeneralPage();    // a new set-up always starts from the general page

    // ---- groove and drilling options ----
    void bGorge_Click();
    void bTrou_Click(int Index);
};

}  // namespace oru
