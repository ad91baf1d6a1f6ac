#include "scenarios.hpp"

#include <vector>

namespace demo {
namespace {

// clang-format off
constexpr Named kMilling[] = {
    {10, "Déplacement le long d'un profil"},
    {11, "Déplacement le long d'un profil, sans accostage"},
    {12, "Surfaçage"},
    {15, "Contournage"},
    {16, "Contournage, côté extérieur ou intérieur"},
    {20, "Poche, profondeur donnée par l'hôte"},
    {21, "Poche sans passes d'ébauche"},
    {22, "Poche, profondeur saisie"},
    {23, "Poche ouverte"},
    {25, "Poche le long d'un profil"},
    {30, "Pointage"},
    {31, "Pointage - chanfreinage"},
    {40, "Perçage"},
    {41, "Perçage - chambrage"},
    {42, "Perçage avec brise-copeaux"},
    {43, "Perçage avec débourrage"},
    {44, "Perçage en plongée hélicoïdale + spirale"},
    {45, "Perçage en vidage de poche circulaire"},
    {51, "Chanfreinage en plongée"},
    {55, "Chanfreinage en contournage"},
    {60, "Alésage, retour rapide"},
    {61, "Alésage, retour travail"},
    {62, "Alésage, retour indexé"},
    {64, "Alésage en interpolation hélicoïdale"},
    {65, "Alésage en contournage"},
    {70, "Lamage en plongée"},
    {71, "Lamage en plongée avec chambrage"},
    {72, "Lamage de bossage en plongée"},
    {73, "Lamage de bossage avec chambrage"},
    {74, "Lamage en plongée hélicoïdale + spirale"},
    {75, "Lamage en vidage de poche circulaire"},
    {80, "Taraudage"},
    {84, "Filetage à la fraise, filet à gauche"},
    {85, "Filetage à la fraise, filet à droite"},
};

constexpr Named kTurning[] = {
    {100, "Butée de barre"},
    {101, "Chariotage"},
    {102, "Dressage"},
    {103, "Tronçonnage"},
    {104, "Centrage"},
    {105, "Pointage"},
    {110, "Ébauche"},
    {111, "Finition"},
    {112, "Pochage en plongée"},
    {113, "Pochage en plongée (variante)"},
    {120, "Gorge"},
    {121, "Gorge (D)"},
    {122, "Gorge (D, variante)"},
    {123, "Gorge par plongées (F)"},
    {124, "Gorge par plongées (F, variante)"},
    {130, "Filetage"},
    {140, "Perçage"},
    {141, "Perçage - chambrage"},
    {142, "Perçage avec brise-copeaux"},
    {143, "Perçage avec débourrage"},
    {145, "Perçage, 2e série"},
    {146, "Perçage - chambrage, 2e série"},
    {147, "Perçage avec brise-copeaux, 2e série"},
    {148, "Perçage avec débourrage, 2e série"},
    {150, "Chanfreinage"},
    {170, "Lamage"},
    {180, "Taraudage"},
};

constexpr Choice kProfiles[] = {
    {"E", "E - extérieur"},
    {"I", "I - intérieur"},
    {"B", "B - extérieur, côté opposé"},
    {"F", "F - de face"},
};

constexpr Choice kThreadTypes[] = {
    {"M", "M - ISO métrique"},
    {"G", "G - gaz"},
    {"T", "T - trapézoïdal"},
    {"R", "R - rond"},
};

constexpr Choice kTurningTools[] = {
    {"10_TECHA1", "10_TECHA1 - charioter ext."},
    {"11_TECHA1", "11_TECHA1 - charioter ext. à gauche"},
    {"15_TIALE1", "15_TIALE1 - barre d'alésage"},
    {"20_TEGOR3", "20_TEGOR3 - gorge ext."},
    {"22_TETRO3", "22_TETRO3 - lame à tronçonner"},
    {"25_TIGOR3", "25_TIGOR3 - gorge int."},
    {"26_TFGOR3", "26_TFGOR3 - gorge de face"},
    {"30_TEFIL1", "30_TEFIL1 - fileter ext."},
    {"31_TIFIL1", "31_TIFIL1 - fileter int."},
    {"40_RFOR10", "40_RFOR10 - foret radial"},
    {"42_RTAR10", "42_RTAR10 - taraud radial"},
    {"44_AFOR10", "44_AFOR10 - foret axial"},
    {"45_ACEN06", "45_ACEN06 - foret à centrer"},
    {"46_APOI10", "46_APOI10 - foret à pointer"},
    {"47_ATAR10", "47_ATAR10 - taraud axial"},
    {"48_ALAM16", "48_ALAM16 - fraise à lamer"},
    {"49_ACHA12", "49_ACHA12 - fraise à chanfreiner"},
};

// The tool a host would propose for an operation: external or internal by the profile, on the
// spindle axis for the face profile of hole operations, radial otherwise.
struct ToolRow {
    std::int16_t from, to;
    std::string_view external, internal, face;
};
constexpr ToolRow kDefaultTools[] = {
    {100, 102, "10_TECHA1", "15_TIALE1", "10_TECHA1"},
    {103, 103, "22_TETRO3", "22_TETRO3", "22_TETRO3"},
    {104, 104, "45_ACEN06", "45_ACEN06", "45_ACEN06"},
    {105, 105, "46_APOI10", "46_APOI10", "46_APOI10"},
    {110, 111, "10_TECHA1", "15_TIALE1", "10_TECHA1"},
    {112, 122, "20_TEGOR3", "25_TIGOR3", "26_TFGOR3"},
    {123, 124, "26_TFGOR3", "26_TFGOR3", "26_TFGOR3"},
    {130, 130, "30_TEFIL1", "31_TIFIL1", "30_TEFIL1"},
    {140, 149, "40_RFOR10", "44_AFOR10", "44_AFOR10"},
    {150, 150, "49_ACHA12", "49_ACHA12", "49_ACHA12"},
    {170, 170, "48_ALAM16", "48_ALAM16", "48_ALAM16"},
    {180, 180, "42_RTAR10", "47_ATAR10", "47_ATAR10"},
};

constexpr Choice kMillingTools[] = {
    {"FR10", "FR10 - fraise 2 tailles"},
    {"FR6", "FR6 - fraise 2 tailles"},
    {"FT50", "FT50 - fraise à surfacer"},
    {"FH8", "FH8 - fraise hémisphérique"},
    {"PC10", "PC10 - foret à pointer"},
    {"FO8", "FO8 - foret"},
    {"CH10", "CH10 - fraise à chanfreiner"},
    {"AL10", "AL10 - alésoir"},
    {"LA14", "LA14 - fraise à lamer"},
    {"TA10", "TA10 - taraud"},
    {"FF10", "FF10 - fraise à fileter"},
};
// clang-format on

}  // namespace

std::span<const Named> millingOperations() { return kMilling; }
std::span<const Named> turningOperations() { return kTurning; }
std::span<const Choice> turningProfiles() { return kProfiles; }
std::span<const Choice> threadTypes() { return kThreadTypes; }
std::span<const Choice> turningTools() { return kTurningTools; }
std::span<const Choice> millingTools() { return kMillingTools; }

std::string_view defaultTool(std::int16_t numop, std::string_view profil) {
    for (const ToolRow& r : kDefaultTools)
        if (numop >= r.from && numop <= r.to)
            return profil == "I" ? r.internal : profil == "F" ? r.face : r.external;
    return "10_TECHA1";
}

void setUp(oru::OperFraisage& panel, const Milling& m, const std::string& pictures) {
    panel.chbmp = pictures;
    panel.Typoper = m.typoper;
    panel.debouchant = m.debouchant;
    panel.AttrImage = m.attrImage;
    panel.ExtBrut = m.extBrut;
    panel.sZmaxi = "0";
    panel.SetOutil(m.tool);
    // Safety Z, approach clearance, maximum pass, last pass, bottom and side allowances,
    // diameter, overrun, total depth; then the stock depth and the host's depth.
    const bool hole = m.typoper >= 30;
    const std::vector<double> tabval = {50, 2, 3, 0.5, 0.2, 0.3, hole ? 8.5 : 10, 1, 10, 12, 10};
    panel.SetPasses(m.tool, tabval);
    panel.SetApproche(m.approche);
    panel.SetDegageZ(m.degage);
    panel.SetAval(m.aval);
    std::int16_t accostage = m.accostage;
    panel.SetAccostage(accostage, 2, 2, 1, 0, m.balayage, m.ferme ? -1 : 0);
}

void setUp(oru::OperTournage& panel, const Turning& t, const std::string& pictures,
           const std::string& dirSld) {
    panel.chbmp = pictures;
    panel.DirSld = dirSld;
    // td: safety retracts X and Z, stock diameter, axial distance to the stock, the eight
    // boxes (clearances, pass, pass in the groove, allowances, overrun, angle), then the main
    // diameter, pitch or small diameter, large diameter, length.
    std::vector<double> td = {2, 2, 50, 2, 1, 1, 2, 0.5, 0.4, 0.2, 1, 30, 40, 1.5, 12, 25};
    std::vector<std::int16_t> ti = {t.numop, t.appro, t.degage, 3, 0, 0, t.variant, t.option};
    switch (t.numop) {
        case 104:  // centring: angle, small and large diameters, depth
            td[11] = 90;
            td[13] = 3;
            td[14] = 8;
            td[15] = 5;
            break;
        case 105:  // spotting: hole and spot diameters
            td[12] = 10;
            td[14] = 6;
            break;
        case 112:
        case 113:  // plunge turning: tool angle
            td[12] = 55;
            td[11] = 45;
            break;
        case 130:  // threading M20 x 2.5, right hand, 8 passes, one start
            td[12] = 20;
            td[13] = 2.5;
            td[6] = 1.534;
            ti[3] = 0;
            ti[4] = 8;
            ti[6] = 1;
            break;
        case 150:  // chamfering
            td[12] = 10;
            td[14] = 12;
            break;
        case 170:  // counterboring
            td[12] = 16;
            td[15] = 8;
            break;
        case 180:  // tapping M10 x 1.5, 20 deep
            td[12] = 10;
            td[13] = 1.5;
            td[14] = 0;
            td[15] = 20;
            break;
        default:
            if (t.numop >= 140 && t.numop <= 149) {  // drilling 10 mm, 25 deep
                td[12] = 10;
                td[15] = 25;
            }
            break;
    }
    panel.NumOp = t.numop;
    panel.SetOperTour(t.tool, t.profil, t.typeFilet, td, ti);
}

}  // namespace demo
