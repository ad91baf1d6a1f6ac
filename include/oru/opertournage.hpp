#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "oru/panel.hpp"

namespace oru {

// The turning operation panel: safety distances, clearances, pass depths, allowances, approach
// and retract, machining direction, thread data and drilling cycle of one turning operation.
//
// Call order: construct, set chbmp and DirSld, call SetOperTour once per operation, let the
// user work, read the results with the getters (and NumOp). SetOperTour may be called again at
// any time for another operation. Lengths are in the host's unit, angles in degrees; index
// names for td and ti, and the operation codes, are in <oru/codes.hpp>.
//
// Getters read the widgets. Those that go through a parameter box (tbPara) return 0 while the
// operation hides the box, except during threading (NumOp 130), whose details page hides boxes
// that still hold values; the others read their widget whether shown or not. A box whose text
// does not read as a number gives 0. Getters never change the panel. Those marked "box read"
// show the error box "Retour de valeur <i>" (title "ERREUR ORUCtrl") and return 0 when the box
// cannot be read; the others let oru::Error through (a number beyond the range of a double, or
// a 16-bit result out of range).
class OperTournage : public Panel {
public:
    explicit OperTournage(Host& host);
    ~OperTournage() override;

    // Picture folder, ending with a separator ("\" or "/"). Operation sketches, thread pictures
    // (Filet_*) and plunge pictures (T_POCHE_P*) are read from it directly (no sub-folders).
    std::string chbmp;
    // Folder, ending with a separator, whose "user" sub-folder holds the thread tables
    // Filet_E.dat (external) and Filet_I.dat (internal).
    std::string DirSld;
    // Operation type code (oru::turning::k...). SetOperTour sets it from ti(0); a click on a
    // drilling cycle button changes it; read it back after the user has worked.
    std::int16_t NumOp = 0;

    // Sets the panel up for one operation. outil: tool code, its first two characters the tool
    // family (a code of fewer than 7 characters shows no tool picture). profil: "E" external,
    // "I" internal, "B" and "F" the face-side variants. TypeFilet: thread type letter ("M",
    // "G", "T", "R"; "" becomes "M" for threading), or for 112/113 unused. td: 16 lengths and
    // angles, ti: 8 codes (their meaning by index: oru::td, oru::ti and docs/guide.md); entries
    // that the operation does not read may be missing, but every call reads td(0..12), ti(0..3)
    // and ti(5). Writes corrected values back into the caller's tables: 104 an angle td(11)
    // outside ]0, 179] becomes 60; 112/113 a negative td(12) gets 360 added; 110 with profile
    // "E" and the groove option clears ti(7); 123/124 may rewrite ti(5) to the only direction
    // the tool allows. Never throws: any failure (a table too short for what the operation
    // reads, ti(5) outside 0..2, a missing thread or plunge picture in chbmp) stops the set-up
    // where it happened and shows the error box "Initialisation opération Tournage" (title
    // "ERREUR ORUCN"); a missing thread table shows "Fichier ... non trouvé".
    void SetOperTour(std::string outil, std::string profil, std::string TypeFilet,
                     std::vector<double>& td, std::vector<std::int16_t>& ti);

    // The two tables after a set-up, corrected as SetOperTour corrects them.
    struct Tables {
        std::vector<double> td;
        std::vector<std::int16_t> ti;
    };
    // The same set-up for tables the host does not keep (temporaries, constants): works on
    // copies and returns them with the corrections that the form above writes back.
    Tables SetOperTour(std::string outil, std::string profil, std::string TypeFilet,
                       const std::vector<double>& td, const std::vector<std::int16_t>& ti);
    // Mixing a writable table with a read-only or temporary one is refused at compile time:
    // pass both as variables (corrections written back) or neither (corrections returned).
    void SetOperTour(std::string, std::string, std::string, std::vector<double>&,
                     const std::vector<std::int16_t>&) = delete;
    void SetOperTour(std::string, std::string, std::string, const std::vector<double>&,
                     std::vector<std::int16_t>&) = delete;

    // Radial and axial safety retract distances (tbXsecu, tbZsecu), shown or not.
    double GetXsecu();
    double GetZsecu();
    // Box 0 (approach clearance, or what the operation puts there). Box read.
    double GetGardeAccost();
    // Box 1 (retract / axial clearance). GetGardeDeg and GetGardeZ return the same. Box read.
    double GetGardeDeg();
    double GetGardeZ();
    // Box 2 (pass depth; thread depth for threading). Box read.
    double GetPasseZ();
    // Thread depth: drilling 140-149 box 0 whether shown or not; otherwise box 2 (box read).
    double GetProfFilet();
    // Last pass depth, box 3 (box read); 0 for facing and parting off (102, 103).
    double GetDerPasseZ();
    // Radial allowance, box 4. Box read.
    double GetSurepXY();
    // Pitch: the text of cbPas for threading and tapping (130, 180); 0 otherwise.
    double GetPas();
    // Axial allowance, box 5 (box read); for a blind drilling (140-149, option ending in "1")
    // the hole depth (tZBrut) minus box 7.
    double GetSurepZ();
    // Plunge allowance, box 3 for 112/113 (box read); 0 otherwise.
    double GetSurepPlonge();
    // Overrun, box 6 (box read); 0 for drilling 140-149 unless the option ends in "0".
    double GetDepasseZ();
    // Angle, box 7 (flank angle for threading, penetration angle otherwise). Box read.
    double GetAnglePlonge();
    // Depth or length: 130 box 4; 180 box 4, or the hole depth (tZBrut) for option "1";
    // 140-149 the hole depth (tZBrut); 101 box 7; 0 for every other operation.
    double GetProfondeur();
    // 104/105 box 3 (box read); 140-149 the hole diameter (tDiamBrut); otherwise the value of
    // tbXsecu.
    double GetDiamChanf();
    // Approach type, 10 to 13 (pass it back as ti(1)).
    std::int16_t GetTypeAppro();
    // Retract type: 0, 3, 4 for an external profile, 0, 1, 2 for an internal one (pass it back
    // as ti(2), which restores it).
    std::int16_t GetDegZsecu();
    // Number of thread passes (tbNbPasseFilet), truncated toward zero.
    std::int16_t GetNbPasse();
    // Position of the current machining direction among those offered: 0, 1, else 2 (pass it
    // back as ti(5)).
    std::int16_t GetTypeEbauche();
    // 1 when the groove option is on ("G1"); 112/113 the plunge mode (0 straight, 1 following
    // the profile); threading the number of starts (at least 1); otherwise 0.
    std::int16_t GetUsineGorge();
    // Thread type letter; "" for 112/113 (where the field holds the plunge mode).
    std::string GetTypeFilet();
    // Code of tbSensFilet: threading the thread hand (0 right, otherwise left); 102, 110, 111
    // 1 when machining to the axis (code 4), else 0; 103 1 when the code is 3, else 0; any other
    // operation the code itself.
    std::int16_t GetSensFilet();

    // The same getters on a const panel: same results, same error boxes.
    double GetXsecu() const;
    double GetZsecu() const;
    double GetGardeAccost() const;
    double GetGardeDeg() const;
    double GetGardeZ() const;
    double GetPasseZ() const;
    double GetProfFilet() const;
    double GetDerPasseZ() const;
    double GetSurepXY() const;
    double GetPas() const;
    double GetSurepZ() const;
    double GetSurepPlonge() const;
    double GetDepasseZ() const;
    double GetAnglePlonge() const;
    double GetProfondeur() const;
    double GetDiamChanf() const;
    std::int16_t GetTypeAppro() const;
    std::int16_t GetDegZsecu() const;
    std::int16_t GetNbPasse() const;
    std::int16_t GetTypeEbauche() const;
    std::int16_t GetUsineGorge() const;
    std::string GetTypeFilet() const;
    std::int16_t GetSensFilet() const;

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

    // A thread table as read from its file, shared read-only by every panel of the process
    // that reads the same file.
    struct FiletTable;
    // The records of the last thread table read: the first `count` records of its table.
    struct FiletRecords {
        std::shared_ptr<const FiletTable> table;
        std::size_t count = 0;
        std::size_t size() const { return count; }
        const classFilet& operator[](std::size_t i) const;
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
    FiletRecords Filets;                 // records of the last thread table read
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
    // The number parameter box Index shows (ValeurPara): its text read as a number, 0 while the
    // operation hides the box (threading reads its hidden boxes too: its details page hides
    // boxes that still hold values); a text that cannot be read shows the box "Retour de
    // valeur Index" and gives 0.
    double shownBoxValue(int Index) const;
    // The raw text of parameter box Index read as a number, shown or not; a failure propagates.
    double rawBoxValue(int Index) const;

    // ---- operation picture and tool pictures ----
    void InitImageOutil(std::string outil);
    void AfficheOperation();

    // ---- machining direction and to-axis option ----
    void bSens_Click();
    void bUsAxe_Click();

    // ---- thread tables and pitch choice ----
    void LitFichierFilet(const std::string& profil, double PasInit, double ProfInit,
                         double Drapeau);
    void cbPas_Click();
    void lPasFilet_Click();
    void ChoixTypeFilet(int Index);  // thread type choice on the threading page

    // ---- threading details page ----
    void bFiletage_Click();
    void showPage(bool G);      // visibility of the widgets of the two pages; G: the details page
    void restoreGeneralPage();  // a new set-up always starts from the general page

    // ---- groove and drilling options ----
    void bGorge_Click();
    void bTrou_Click(int Index);
};

}  // namespace oru
