#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "oru/avalant.hpp"
#include "oru/panel.hpp"

namespace oru {

// The milling operation panel: safety Z, pass depths, allowances, overrun, depth, hole
// diameter and cycle, approach and final retract, climb / conventional milling, profile
// engagement and facing sweep of one milling or hole-making operation.
//
// Call order: construct; set chbmp, Typoper, AttrImage, debouchant, ExtBrut and sZmaxi; call
// SetPasses (SetOutil is optional: SetPasses loads the same tool picture); then SetApproche and
// SetDegageZ (they decide whether the safety Z field stays shown); SetAval and SetAccostage may
// come before or after SetPasses. Let the user work, then read the getters and the properties
// Typoper (the chosen hole cycle) and ExtBrut (the stock extension). Lengths are in the host's
// unit, angles in degrees. Codes and the tabval indexes are in <oru/codes.hpp>.
//
// Getters read the widgets and never change the panel; values come back signed as typed unless
// stated. A text that does not read as a number gives 0. Getters with a context label show the
// error box (title "ERREUR ORUCtrl") and return 0 when reading fails; the others let oru::Error
// through (a number beyond the range of a double).
class OperFraisage : public Panel {
public:
    explicit OperFraisage(Host& host);
    ~OperFraisage() override;

    // True for a through hole or cut, false for a blind one: picks the "D" / "B" picture
    // suffix, the fields shown and the pass formula. Read by SetPasses and every later set-up.
    bool debouchant = false;
    // Picture folder, ending with a separator; pictures are read from its jpeg\ sub-folder
    // (stem.jpg) first, then from its bmp\ sub-folder (stem.bmp).
    std::string chbmp;
    // Operation type code (oru::milling::k...): milling types 10 to 25, hole types 30 to 85
    // (tens digit the hole family, units digit the cycle). Choosing a hole cycle on the panel
    // rewrites it: read it back.
    std::int16_t Typoper = 0;
    // Picture variant: 3 the "A" variants of tapping and thread milling (80, 84, 85), 4 the
    // "SP" variants of counterboring (70, 71, 74, 75); anything else the plain pictures.
    std::int16_t AttrImage = 0;
    // Highest Z of the part, as text. SetPasses appends " > " and this text to the safety Z
    // tooltip, then empties it (so set it before each SetPasses that should show it).
    std::string sZmaxi;
    // Stock extension: 0 not offered, 1 offered and off, any other value offered and on. The
    // panel writes 1 or 2 when the user toggles it; read it back.
    std::int16_t ExtBrut = 0;

    // Stores the tool name and loads the tool picture "OP_" + outil from chbmp (cleared when
    // neither the jpeg nor the bmp file exists). Never throws; a picture file that cannot be
    // read shows the error box "Initialisation image outil".
    void SetOutil(std::string outil);
    // Sets the whole panel up for the current properties: loads the tool picture, writes
    // tabval(0..8) into the nine value fields (FormatNum3), keeps tabval(9) as the depth
    // extended to the stock and shows tabval(10) as the host's depth for the types that have one
    // (index names: oru::tabval). Then chooses the fields, picture, hole cycle buttons and pass
    // calculation of Typoper. tabval needs 10 values, 11 for types that show a host depth
    // (everything but 10, 11, 12, 16, 22, 72, 73 and the families 3, 5 and 9). Never throws: a
    // table too short, or an unknown Typoper, shows an error box ("Affectation des passes",
    // "Initialisation des passes").
    void SetPasses(std::string outil, const std::vector<double>& tabval);
    // Safety Z (field 0), whether shown or not.
    double GetZsecu();
    // Z clearance of the approach (field 1); 0 when hidden. Label "Retour de valeur 1".
    double GetGardeZ();
    // Maximum pass depth (field 2); 0 when hidden. Label "Retour de valeur 2".
    double GetPasse();
    // Last pass depth (field 3); 0 when hidden (always hidden for a through operation).
    double GetDerpasse();
    // Bottom allowance (field 4); 0 when hidden.
    double GetSurepZ();
    // Side allowance (field 5); 0 when hidden.
    double GetSurepXY();
    // Diameter (field 6: spotting, chamfer or hole diameter), whether shown or not.
    double GetDiam();
    // Bottom overrun (field 7, through operations); 0 when hidden.
    double GetDepasse();
    // Total depth to remove (field 8), whether shown or not.
    double GetProfondeur();
    // Climb / conventional mode of the embedded toggle: -1 hides it, 0 conventional, 1 climb,
    // anything else changes nothing.
    void SetAval(std::int16_t Aval);
    // 1 climb, 0 conventional (also while the toggle is hidden).
    std::int16_t GetAval();
    // Approach mode, as a click on its button: 0 retract to safety Z then XY then plunge,
    // 1 XY then plunge in Z, 2 plunge in Z then XY, 3 XYZ together; any other value changes
    // nothing. The safety Z field is shown for mode 0 or when the final retract is on.
    void SetApproche(std::int16_t Approche);
    // Final retract to safety Z: -1 not offered (button hidden), 0 off, 1 on; any other value
    // is stored and returned as given, with no change on the panel.
    void SetDegageZ(std::int16_t DegageZsecu);
    // Approach mode 0 to 3.
    std::int16_t GetApproche();
    // Final retract mode as set or toggled: -1, 0, 1 (or the value the host stored).
    std::int16_t GetDegageZ();
    // Fills the engagement part for the current Typoper: the modes offered in cAccostage, the
    // distances (engagement, retract, overlap), and for facing (12) the sweep mode Balayage
    // (1, 2 or 3) and its angle (rounded to one decimal, halves to even). Accostage is the index
    // of the mode to select, -1 for none; a retract distance above 900 means none (facing reads
    // it back as 999). Ferme: non-zero for a closed profile. Writes the corrected index back
    // into Accostage: -1 where the operation offers no engagement (the frame is hidden), 0 for
    // mode 4 of a closed contour (15). Never throws: an index beyond the list or a sweep mode
    // with no picture shows the error box "Initialisation accostage".
    void SetAccostage(std::int16_t& Accostage, double GardeAccoste, double GardeDegage,
                      double Recouvre, double AngleBalayage, std::int16_t Balayage,
                      std::int16_t Ferme);
    // The same for an index the host does not keep (a constant, a temporary): returns the
    // corrected index that the form above writes back.
    std::int16_t SetAccostage(const std::int16_t& Accostage, double GardeAccoste,
                              double GardeDegage, double Recouvre, double AngleBalayage,
                              std::int16_t Balayage, std::int16_t Ferme);
    // Index of the selected engagement mode, -1 when the mode list is hidden.
    std::int16_t GetAccostage();
    // Engagement distance (absolute value); 0 with no mode or the frame hidden. A mode that
    // shows only the retract box returns that box.
    double GetGardeAccoste();
    // Retract distance (absolute value); 0 with no mode or the frame hidden; a mode that shows
    // only the engagement box returns that box. Facing (12): the signed value, 999 when empty.
    double GetGardeDegage();
    // Overlap distance (absolute value); 0 when hidden.
    double GetRecouvre();
    // Facing sweep mode 1, 2 or 3 (as set or clicked).
    std::int16_t GetBalayage();
    // Facing sweep angle (signed); 0 when hidden (sweep mode 3, or not facing).
    double GetAngBal();
    // The embedded climb / conventional toggle; widget("Avalant1") is its container.
    Avalant& Avalant1();
    const Avalant& Avalant1() const;

    // The same getters on a const panel: same results, same error boxes.
    double GetZsecu() const;
    double GetGardeZ() const;
    double GetPasse() const;
    double GetDerpasse() const;
    double GetSurepZ() const;
    double GetSurepXY() const;
    double GetDiam() const;
    double GetDepasse() const;
    double GetProfondeur() const;
    std::int16_t GetAval() const;
    std::int16_t GetApproche() const;
    std::int16_t GetDegageZ() const;
    std::int16_t GetAccostage() const;
    double GetGardeAccoste() const;
    double GetGardeDegage() const;
    double GetRecouvre() const;
    std::int16_t GetBalayage() const;
    double GetAngBal() const;

private:
    struct Ui;  // the panel's widgets, looked up once

    // creation, set-up by operation type, pass calculation, hole cycles
    void UserControl_Initialize();
    void loadToolPicture(const std::string& outil);
    void InitPasses();
    void CalculPasses();
    void InitTrous();
    // The number value field i shows (ValeurVisible): its text read as a number, 0 while the
    // field is hidden; a text that cannot be read shows the box "Retour de valeur i" and gives 0.
    double shownFieldValue(int i) const;

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

    Avalant avalant1_;  // the embedded toggle, shown in the widget Avalant1
    std::unique_ptr<Ui> ui_;

    // ---- state: the fields of the panel ----
    std::string Outil;              // tool name of SetOutil / SetPasses
    std::string ProfBrut;           // the depth extended to the stock, tabval(9) as text
    std::string RacineExtBrut;      // icon stem of the stock extension button; "" none
    bool PassesActives = false;     // the type has a roughing pass calculation
    std::int16_t DegageZsecu = 0;   // final retract mode
    std::int16_t Approche = 0;      // approach mode
    bool GardeDegModifiee = false;  // the user has edited the retract distance
    std::string RacineAccoste;      // picture stem of the engagement modes
    std::vector<bool> VisGardeAcc;  // per engagement mode: the distance boxes it uses
    std::vector<bool> VisGardeDeg;
    std::vector<bool> VisRecouvre;
    std::int16_t Balayage = 0;    // facing sweep mode
    bool Ferme = false;           // closed profile
    bool writingFields_ = false;  // SetPasses is writing the value fields
};

}  // namespace oru
