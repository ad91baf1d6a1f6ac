// The rules of each turning operation type: which machining directions are offered, where the
// direction button and the stock labels stand, the option buttons, tooltips and pictures.
#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <string_view>

#include "frame/numbers_internal.hpp"
#include "frame/resources.hpp"
#include "oru/numbers.hpp"
#include "tournage/internal.hpp"

namespace oru {
namespace {

constexpr Pos kNowhere{-1, -1};  // a position the row does not set

bool isSet(Pos p) { return p.left >= 0; }

void MoveIfSet(Widget& w, Pos p) {
    if (isSet(p)) MoveTo(w, p);
}

// The first row for the profile letter; a row with an empty letter stands for any other profile.
template <class Row>
const Row* ForProfile(std::span<const Row> rows, const std::string& profil) {
    for (const Row& r : rows)
        if (r.profil.empty() || r.profil == profil) return &r;
    return nullptr;
}

// The first row for the tool family, if any.
template <class Row>
const Row* ForFamily(std::span<const Row> rows, const std::string& family) {
    for (const Row& r : rows)
        if (r.family == family) return &r;
    return nullptr;
}

Picture Bitmap(const std::string& name) { return res::LoadResPicture(name, res::Type::Bitmap); }

// A direction row: where bSens stands and the directions offered.
struct SensRow {
    std::string_view profil;
    std::int16_t x, y;
    std::string_view sens0, sens1, sens2;
};

// ---- longitudinal turning -------------------------------------------------------------------

struct LongTurningRow {
    std::string_view profil;
    std::int16_t x, y;
    std::string_view sens0, sens1;
    Pos zBrut, xBrut;
    int xBrutAlignment;  // -1: left as it is
};
// clang-format off
constexpr LongTurningRow kLongTurning[] = {
    // profil x     y     directions                   tZBrut       tXBrut       align
    {"E",    2940, 1100, "Sens_ZmO1", "Sens_ZmXp", {4920, 3480}, {20, 2400},   -1},
    {"B",    2080, 1100, "Sens_ZpO2", "Sens_ZpXp", {990, 3360},  {4920, 2400}, 0},
    {"",     2200, 2300, "Sens_ZmO4", "Sens_ZmXm", kNowhere,     kNowhere,     -1},
};
// clang-format on

// ---- facing ---------------------------------------------------------------------------------

// clang-format off
constexpr SensRow kFacingSens[] = {
    {"E", 4980, 2940, "Sens_XmO1", "Sens_XmZp", ""},
    {"I", 4980, 1560, "Sens_XpO4", "Sens_XpZp", ""},
    {"",  300,  2040, "Sens_XmO2", "Sens_XmZm", ""},
};
// clang-format on

// ---- roughing -------------------------------------------------------------------------------

struct RoughingRow {
    std::string_view profil;
    std::int16_t x, y;
    std::string_view sens0, sens1;
    Pos xBrut, zBrut;
};
// clang-format off
constexpr RoughingRow kRoughing[] = {
    // profil x     y     directions             tXBrut       tZBrut
    {"E",    2720, 1900, "Sens_Zm", "Sens_Xm", {20, 1350},   {4800, 4200}},
    {"I",    2460, 2185, "Sens_Zm", "Sens_Xp", kNowhere,     kNowhere},
    {"B",    2350, 1900, "Sens_Zp", "Sens_Xm", {4930, 1350}, kNowhere},
};
// clang-format on

// ---- finishing ------------------------------------------------------------------------------

struct FinishingRow {
    std::string_view profil;
    std::string_view sens0, sens1;
    Pos gorge;
    std::int16_t y;
    std::int16_t xWithOption, xWithout;
};
// clang-format off
constexpr FinishingRow kFinishing[] = {
    // profil directions                 bGorge        YSens XSens: option, none
    {"I",    "Sens_ZmXm", "Sens_XpZp", {2180, 2185}, 2185, 3000, 2700},
    {"B",    "Sens_ZpXp", "Sens_XmZm", {2400, 1680}, 1680, 1620, 2160},
    {"E",    "Sens_ZmXp", "Sens_XmZp", {2640, 1680}, 1680, 3400, 2900},
};
// clang-format on

// ---- tool picture heights for face-side profiles --------------------------------------------

struct ToolTopRow {
    std::string_view family;
    int top;
};
// clang-format off
constexpr ToolTopRow kPlungeToolTop[] = {
    {"10", 1080},  // 1500 for the tool "10_TEGAP"
    {"15", 2055},
    {"17", 2550},
    {"25", 2550},
};
constexpr ToolTopRow kGroovingToolTop[] = {
    {"10", 450},
    {"15", 990},
    {"17", 1485},
};
// clang-format on

// ---- face grooving --------------------------------------------------------------------------

// clang-format off
constexpr SensRow kGroovingFace[] = {
    {"E", 2840, 3360, "Sens_2Xm", "Sens_XmZmXp", "Sens_XmZpXp"},
    {"I", 2760, 60,   "Sens_2Xp", "Sens_XpZmXm", "Sens_XpZpXm"},
    {"F", 2580, 1320, "Sens_2Zm", "Sens_ZmXmZp", "Sens_ZmXpZp"},
};
// clang-format on

// Tool families whose plain grooving tool keeps only the second direction of the three.
constexpr std::string_view kSecondDirectionFamilies[] = {"10", "12", "15", "17",
                                                         "20", "22", "25", "26"};

// ---- hole operations: label and button positions by profile ---------------------------------

struct HoleRow {
    std::string_view profil;
    Pos diamBrut, zBrut, gorge;
};
// clang-format off
constexpr HoleRow kDrilling[] = {
    // profil tDiamBrut     tZBrut        bGorge
    {"E",    {1590, 3450}, {20, 2400},   {2370, 3960}},
    {"",     {1320, 4360}, {3180, 2100}, {60, 3360}},
};
constexpr HoleRow kChamfering[] = {
    {"E",    {1440, 3450}, kNowhere,     kNowhere},
    {"",     {1320, 4320}, kNowhere,     kNowhere},
};
constexpr HoleRow kCounterboring[] = {
    {"E",    {1440, 1860}, {5040, 1860}, kNowhere},
    {"",     {1650, 2640}, {3690, 1680}, kNowhere},
};
// clang-format on

struct TappingRow {
    std::string_view profil;
    Pos diamBrut, gorge;
    Pos zBrutThrough;  // option "0"
    Pos zBrutOther;    // any other option
};
// clang-format off
constexpr TappingRow kTapping[] = {
    // profil tDiamBrut     bGorge        tZBrut: option "0", other
    {"E",    {1800, 3450}, {2370, 3960}, {120, 2400},  {120, 2700}},
    {"",     {1320, 4320}, {60, 3360},   {3240, 1080}, {2400, 1080}},
};
// clang-format on

// ---- tooltips of the operations -------------------------------------------------------------

// clang-format off
constexpr TipRow kThreadingTips[] = {
    {"tDiamBrut", -1, "Diamètre du Filetage"},
    {"tZBrut",    -1, "Longueur Totale du Cylindre"},
    {"tbPara",    2,  "Profondeur du Filet"},
    {"tbPara",    3,  "Profondeur de  la Dernière Passe"},
    {"tbPara",    4,  "Longueur du Filetage"},
    {"tbPara",    5,  "Longueur du Cône de Dégagement"},
    {"bSens",     -1, "Sens de Pénétration"},
};
constexpr TipRow kTappingTips[] = {
    {"tbPara",    2,  "Pas du Taraudage"},
    {"tbPara",    4,  "Longueur du Taraudage"},
    {"tDiamBrut", -1, "Diamètre du trou"},
    {"tZBrut",    -1, "Profondeur du Trou"},
};
constexpr TipRow kDrillingTips[] = {
    {"tbPara",    3,  "Profondeur de la Dernière Passe"},
    {"tbPara",    7,  "Longueur du Perçage"},
    {"tDiamBrut", -1, "Diamètre du trou"},
    {"tZBrut",    -1, "Profondeur du Trou"},
};
// clang-format on

}  // namespace

void OperTournage::rulesBarStop(Setup& s) {
    noDirection();
    if (s.d(3) > 0) {
        s.showZBrut = true;
        MoveTo(ui_->tZBrut, {4920, 2280});
    }
}

void OperTournage::rulesLongTurning(Setup& s) {
    Ui& u = *ui_;
    TabSens[2] = "";
    u.tbPara(0).setToolTip("Epaisseur Totale");

    // A family 11 tool on the outside with the option "2" works from the other side, and a
    // family 10 tool brings such a set-up back to the outside.
    if (Profil == "E" && s.family() == "11" && OptionUsinage == "2") Profil = "B";
    if (Profil == "B" && s.family() == "10" && OptionUsinage == "2") Profil = "E";

    const LongTurningRow& row = *ForProfile<LongTurningRow>(kLongTurning, Profil);
    s.XSens = row.x;
    s.YSens = row.y;
    TabSens[0] = row.sens0;
    TabSens[1] = row.sens1;
    MoveIfSet(u.tZBrut, row.zBrut);
    MoveIfSet(u.tXBrut, row.xBrut);
    if (row.xBrutAlignment >= 0) u.tXBrut.setAlignment(row.xBrutAlignment);

    if (OptionUsinage == "2") {
        TabSens[0] = TabSens[1] = "";
    } else if (OptionUsinage == "0") {
        u.tbPara(7).setToolTip("Longueur à Charioter");
        u.tbPara(3).setToolTip("Diamètre à Charioter");
    }
    if (DiamBrut > 0) s.showXBrut = true;
}

void OperTournage::rulesFacing(Setup& s) {
    Ui& u = *ui_;
    noDirection();
    u.tbPara(1).setToolTip("Longueur Totale à usiner");
    u.tZBrut.setLeft(3620);
    u.tZBrut.setTop(Profil == "E" ? 3900 : 390);
    MoveTo(u.tXBrut, {1440, 1800});

    if (OptionUsinage != "1") {
        if (OptionUsinage == "3" || OptionUsinage == "4") {
            s.showUsAxe = true;
            u.bUsAxe.setPicture(Bitmap("T_DRESSER_" + OptionUsinage));
            MoveTo(u.bUsAxe, {4980, 2940});
        }
    } else {
        const SensRow& row = *ForProfile<SensRow>(kFacingSens, Profil);
        s.XSens = row.x;
        s.YSens = row.y;
        TabSens[0] = row.sens0;
        TabSens[1] = row.sens1;
    }

    if (DiamBrut <= 0) {
        if (OptionUsinage == "0") u.tbPara(0).setToolTip("Rayon d'approche");
        return;
    }
    if (OptionUsinage == "0") {
        OptionUsinage = "0B";
        s.showDiamBrut = true;
    }
    if (Profil != "B") s.showXBrut = true;
    MoveTo(u.tDiamBrut, {20, 3580});
}

void OperTournage::rulesPartingOff(Setup& s) {
    Ui& u = *ui_;
    noDirection();
    MoveTo(u.tZBrut, {900, 4380});
    if (s.d(3) > 0.0000001) s.showZBrut = true;

    if (DiamBrut > 0) {
        if (OptionUsinage == "0") {
            OptionUsinage = "0B";
            s.showDiamBrut = true;
        }
        MoveTo(u.tDiamBrut, {20, 3580});
    } else if (OptionUsinage == "0") {
        u.tbPara(0).setToolTip("Rayon d'approche");
    }

    if (OptionUsinage == "2" || OptionUsinage == "3") {
        s.showUsAxe = true;
        u.bUsAxe.setPicture(Bitmap("T_TRONCONNER_" + OptionUsinage));
        MoveTo(u.bUsAxe, {4980, 3360});
    }
}

void OperTournage::rulesCentring(Setup& s) {
    Ui& u = *ui_;
    noDirection();
    u.tbPara(3).setToolTip("Diamètre de Centrage");
    MoveTo(u.tDiamBrut, {2550, 3960});
    u.tDiamBrut.setToolTip("Diamètre Centrage mini-maxi");
    if (rawBoxValue(4) > 0) {
        u.tDiamBrut.setCaption(u.tbPara(6).text() + "-" + u.tbPara(4).text());
        s.showDiamBrut = true;
    }
}

void OperTournage::rulesSpotting(Setup& s) {
    Ui& u = *ui_;
    noDirection();
    u.tbPara(3).writeText(FormatNum3(s.d(14)));
    u.tbPara(3).setToolTip("Diamètre de Pointage");
    if (s.d(12) <= 0) {
        OptionUsinage = "0";
        return;
    }
    s.showDiamBrut = true;
    u.tDiamBrut.setToolTip("Diamètre du Trou");
    MoveTo(u.tDiamBrut, Profil == "E" ? Pos{1560, 3450} : Pos{2700, 4200});
}

void OperTournage::rulesRoughing(Setup& s) {
    Ui& u = *ui_;
    s.showXBrut = true;
    const RoughingRow* row = ForProfile<RoughingRow>(kRoughing, Profil);
    if (row == nullptr) return;  // another profile keeps the directions it had

    s.XSens = row->x;
    s.YSens = row->y;
    TabSens = {std::string(row->sens0), std::string(row->sens1), ""};
    MoveIfSet(u.tXBrut, row->xBrut);
    MoveIfSet(u.tZBrut, row->zBrut);
    if (Profil != "E") return;

    if (OptionUsinage == "G1") {
        // Roughing with a groove on the outside: the host's option is consumed here.
        s.tiRef(7) = 0;
        TabSens[0] = TabSens[1] = "";
    }
    if (const std::int16_t toAxis = s.i(3); toAxis >= 3) {
        s.showUsAxe = true;
        u.bUsAxe.setPicture(Bitmap("T_DRESSER_" + std::to_string(toAxis)));
        MoveTo(u.bUsAxe, {5040, 3000});
    }
}

void OperTournage::rulesFinishing(Setup& s) {
    Ui& u = *ui_;
    const bool withOption = !OptionUsinage.empty();
    const FinishingRow* row = ForProfile<FinishingRow>(kFinishing, Profil);
    if (row != nullptr) {
        TabSens = {std::string(row->sens0), std::string(row->sens1), ""};
        MoveTo(u.bGorge, row->gorge);
        s.YSens = row->y;
        s.XSens = withOption ? row->xWithOption : row->xWithout;
        if (Profil == "E") {
            if (const std::int16_t toAxis = s.i(3); toAxis > 2) {
                s.showUsAxe = true;
                u.bUsAxe.setPicture(Bitmap("T_DRESSER_" + std::to_string(toAxis)));
                MoveTo(u.bUsAxe, {5040, 3960});
            }
        }
    }

    u.tbPara(0).setToolTip("Garde d'Accostage");
    u.tbPara(1).setToolTip("Garde de Dégagement");
    if (withOption) u.bGorge.setPicture(Bitmap("T_GORGE_" + OptionUsinage));
    // Equal clearances stay linked until the user leaves the retract clearance box.
    if (std::fabs(s.d(4) - s.d(5)) < 0.0000001) CopieGarde = true;
}

void OperTournage::rulesPlunge(Setup& s) {
    Ui& u = *ui_;
    u.tbPara(3).setToolTip("Surépaisseur sur la droite de pénétration");
    if (Profil == "B") Profil = "E";

    if (Profil == "F") {
        TabSens = {"Sens_Xp", "Sens_Xm", ""};
        s.XSens = 1500;
        s.YSens = 1560;
        if (const ToolTopRow* row = ForFamily<ToolTopRow>(kPlungeToolTop, s.family()))
            u.picOutilTI.setTop(s.outil == "10_TEGAP" ? 1500 : row->top);
        u.picOutilTE.setTop(u.picOutilTI.top());
    } else {
        TabSens = {"Sens_Zm", "Sens_Zp", ""};
        if (Profil == "E") {
            s.XSens = 2400;
            s.YSens = 1860;
        } else {
            s.XSens = 2240;
            s.YSens = 2070;
            MoveTo(u.tXBrut, {4930, 1600});
        }
    }

    MoveTo(u.bGorge, {8640, 3360});
    // The option button chooses the plunge mode; it must be on the panel to be changed.
    s.showGorge = true;
    TypeFilet = s.i(6) != 0 ? "1" : "0";
    u.bGorge.setPicture(Bitmap("T_POCHE_" + TypeFilet));
    u.bGorge.setToolTip("Pénétration suivant une droite ou au plus près du profil");

    double& toolAngle = s.tdRef(12);
    if (toolAngle != 0) {
        if (toolAngle < 0) toolAngle += 360;  // also in the host's table
        s.showZBrut = true;
        MoveTo(u.tZBrut, {8520, 2400});
        u.tZBrut.setToolTip("Angle de pénétration maxi de l'outil");
        const bool reversed = str::Mid(s.outil, 4, 2) == "TE";
        u.tZBrut.setCaption(FormatNum3(reversed ? toolAngle - 180 : 180 - toolAngle));
        if (s.d(11) == 0) u.tbPara(7).writeText(u.tZBrut.caption());
    }
}

namespace {

// Face-side grooving and plunging tools: their picture height depends on the tool family.
void PlaceFaceGroovingTool(Widget& picOutilTI, Widget& picOutilTE, const std::string& family) {
    if (const ToolTopRow* row = ForFamily<ToolTopRow>(kGroovingToolTop, family))
        picOutilTI.setTop(row->top);
    picOutilTE.setTop(picOutilTI.top());
}

}  // namespace

void OperTournage::rulesGroovingPlain(Setup& s) {
    Ui& u = *ui_;
    noDirection();
    if (Profil == "F") PlaceFaceGroovingTool(u.picOutilTI, u.picOutilTE, s.family());
    if (Profil == "E") u.picOutilTE.setLeft(s.family() == "10" ? 3480 : 2700);
}

void OperTournage::rulesGroovingSide(Setup& s) {
    Ui& u = *ui_;
    noDirection();
    if (Profil == "B") Profil = "E";
    if (Profil == "F") PlaceFaceGroovingTool(u.picOutilTI, u.picOutilTE, s.family());
}

void OperTournage::rulesGroovingFace(Setup& s) {
    Ui& u = *ui_;
    if (Profil == "B") Profil = "E";

    const SensRow* row = ForProfile<SensRow>(kGroovingFace, Profil);
    if (row != nullptr) {
        s.XSens = row->x;
        s.YSens = row->y;
        TabSens = {std::string(row->sens0), std::string(row->sens1), std::string(row->sens2)};
    }
    const std::string family = s.family();
    if (Profil == "E") {
        u.picOutilTE.setTop(940);
        u.picOutilTE.setLeft(family == "11" || family == "13" ? 2610 : 2640);
    } else if (Profil == "F") {
        PlaceFaceGroovingTool(u.picOutilTI, u.picOutilTE, family);
    }

    // The shape of the tool (characters 6 and 7 of its code, and its last one) limits the
    // directions it can cut in; the host learns the chosen one through ti(5).
    const std::string c6 = str::Mid(s.outil, 6, 1);
    const std::string c67 = str::Mid(s.outil, 6, 2);
    const std::string last = str::Right(s.outil, 1);
    if ((c6 == "G" && last != "R") || c67 == "TR") {
        TabSens[1] = TabSens[2] = "";
        s.tiRef(5) = 0;
    } else if (c6 != "G" && c67 != "PR") {
        if (std::find(std::begin(kSecondDirectionFamilies), std::end(kSecondDirectionFamilies),
                      family) != std::end(kSecondDirectionFamilies)) {
            TabSens[0] = TabSens[2] = "";
            s.tiRef(5) = 1;
        } else {
            TabSens[0] = TabSens[1] = "";
            s.tiRef(5) = 2;
        }
    }
}

void OperTournage::rulesThreading(Setup& s) {
    Ui& u = *ui_;
    if (Profil == "B") Profil = "E";
    TabSens = {"Sens_Xm", "Sens_O3", ""};
    s.XSens = 6140;
    s.YSens = 3120;

    u.tDiamBrut.setCaption(FormatNum3(s.d(12)));
    u.tZBrut.setCaption(FormatNum3(s.d(15)));
    u.tZBrut.setLeft(3140);
    u.tZBrut.setTop(Profil == "E" ? 3400 : 1620);

    LitFichierFilet(Profil, s.d(13), s.d(6), 0);
    if (s.d(13) > 0) u.cbPas.writeText(FormatNum3(s.d(13)));
    if (s.i(4) > 0) u.tbNbPasseFilet.writeText(FormatNum3(s.i(4)));

    s.showDiamBrut = true;
    s.showZBrut = true;
    ApplyTips(*this, kThreadingTips);
    u.tDiamBrut.setLeft(20);
    u.tDiamBrut.setTop(Profil == "E" ? 3580 : 3780);

    // The set-up always opens on the general page.
    for (std::string_view name : kThreadingPage)
        widget(name).setVisible(false);
    u.bFiletage.setCaption("Détails Filetage >>");

    u.tSensFilet.setCaption(s.i(3) != 0 ? "Filet à GAUCHE" : "Filet à DROITE");

    // Defaults: the thread runs the whole cylinder; the clearances follow the pitch.
    if (s.d(8) == 0) u.tbPara(4).writeText(FormatNum3(s.d(15)));
    if (s.d(4) == 0) u.tbPara(0).writeText(u.cbPas.text());
    if (s.d(5) == 0) u.tbPara(1).writeText(FormatNum3(num::Checked(2 * Val(u.cbPas.text()))));
}

void OperTournage::rulesChamfering(Setup& s) {
    Ui& u = *ui_;
    noDirection();
    u.tbPara(3).writeText(FormatNum3(s.d(14)));
    u.tDiamBrut.setCaption(FormatNum3(s.d(12)));
    u.tDiamBrut.setToolTip("Diamètre du Trou");
    u.tbPara(3).setToolTip("Diamètre du Chanfrein");
    MoveTo(u.tDiamBrut, ForProfile<HoleRow>(kChamfering, Profil)->diamBrut);
    s.showDiamBrut = true;
}

void OperTournage::rulesCounterboring(Setup& s) {
    Ui& u = *ui_;
    noDirection();
    u.tDiamBrut.setCaption(FormatNum3(s.d(12)));
    u.tZBrut.setCaption(FormatNum3(s.d(15)));
    const HoleRow& row = *ForProfile<HoleRow>(kCounterboring, Profil);
    MoveTo(u.tDiamBrut, row.diamBrut);
    MoveTo(u.tZBrut, row.zBrut);
    s.showDiamBrut = true;
    s.showZBrut = true;
    u.tDiamBrut.setToolTip("Diamètre du Lamage");
    u.tZBrut.setToolTip("Profondeur du Lamage");
}

void OperTournage::rulesTapping(Setup& s) {
    Ui& u = *ui_;
    noDirection();
    u.tDiamBrut.setCaption(FormatNum3(s.d(12)));
    u.tZBrut.setCaption(FormatNum3(s.d(15)));
    LitFichierFilet("I", s.d(13), 0, s.d(14));

    const TappingRow& row = *ForProfile<TappingRow>(kTapping, Profil);
    const bool through = OptionUsinage == "0";
    MoveTo(u.tDiamBrut, row.diamBrut);
    MoveTo(u.bGorge, row.gorge);
    MoveTo(u.tZBrut, through ? row.zBrutThrough : row.zBrutOther);

    s.showDiamBrut = true;
    s.showZBrut = true;
    if (!through) {
        s.showGorge = true;
        u.bGorge.setToolTip("Taraudage Borgne/Débouchant");
        u.bGorge.setPicture(Bitmap("T_TARAUDER_" + Profil + (OptionUsinage == "1" ? "D" : "B")));
    } else {
        u.tbPara(5).setToolTip("Longueur non Taraudée");
    }
    ApplyTips(*this, kTappingTips);
}

void OperTournage::rulesDrilling(Setup& s) {
    Ui& u = *ui_;
    noDirection();
    s.showZBrut = true;
    s.showDiamBrut = true;
    u.tXBrut.setToolTip("Longueur Totale de la Pièce");

    const std::string last = str::Right(OptionUsinage, 1);
    if (last == "0" || last == "1") {
        s.showGorge = true;
        u.bGorge.setToolTip("Perçage Borgne/Débouchant");
        u.bGorge.setPicture(Bitmap("T_PERCER_" + Profil + (last == "0" ? "D" : "B")));
    }

    const HoleRow& row = *ForProfile<HoleRow>(kDrilling, Profil);
    MoveTo(u.tDiamBrut, row.diamBrut);
    MoveTo(u.tZBrut, row.zBrut);
    MoveTo(u.bGorge, row.gorge);

    ApplyTips(*this, kDrillingTips);
    bTrou_Click(NumOp % 5);
}

}  // namespace oru
