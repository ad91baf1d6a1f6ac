#include "scenarios.hpp"

#include <QtGlobal>
#include <array>
#include <cmath>
#include <fstream>

namespace demo {
namespace {

// The names the window shows are the demo's texts (translated in the context "demo"); the codes
// are the panels' and never change.
// clang-format off
constexpr Named kMilling[] = {
    {10, QT_TRANSLATE_NOOP("demo", "Déplacement le long d'un profil")},
    {11, QT_TRANSLATE_NOOP("demo", "Déplacement le long d'un profil, sans accostage")},
    {12, QT_TRANSLATE_NOOP("demo", "Surfaçage")},
    {15, QT_TRANSLATE_NOOP("demo", "Contournage")},
    {16, QT_TRANSLATE_NOOP("demo", "Contournage, côté extérieur ou intérieur")},
    {20, QT_TRANSLATE_NOOP("demo", "Poche, profondeur donnée par l'hôte")},
    {21, QT_TRANSLATE_NOOP("demo", "Poche sans passes d'ébauche")},
    {22, QT_TRANSLATE_NOOP("demo", "Poche, profondeur saisie")},
    {23, QT_TRANSLATE_NOOP("demo", "Poche ouverte")},
    {25, QT_TRANSLATE_NOOP("demo", "Poche le long d'un profil")},
    {30, QT_TRANSLATE_NOOP("demo", "Pointage")},
    {31, QT_TRANSLATE_NOOP("demo", "Pointage - chanfreinage")},
    {40, QT_TRANSLATE_NOOP("demo", "Perçage")},
    {41, QT_TRANSLATE_NOOP("demo", "Perçage - chambrage")},
    {42, QT_TRANSLATE_NOOP("demo", "Perçage avec brise-copeaux")},
    {43, QT_TRANSLATE_NOOP("demo", "Perçage avec débourrage")},
    {44, QT_TRANSLATE_NOOP("demo", "Perçage en plongée hélicoïdale + spirale")},
    {45, QT_TRANSLATE_NOOP("demo", "Perçage en vidage de poche circulaire")},
    {51, QT_TRANSLATE_NOOP("demo", "Chanfreinage en plongée")},
    {55, QT_TRANSLATE_NOOP("demo", "Chanfreinage en contournage")},
    {60, QT_TRANSLATE_NOOP("demo", "Alésage, retour rapide")},
    {61, QT_TRANSLATE_NOOP("demo", "Alésage, retour travail")},
    {62, QT_TRANSLATE_NOOP("demo", "Alésage, retour indexé")},
    {64, QT_TRANSLATE_NOOP("demo", "Alésage en interpolation hélicoïdale")},
    {65, QT_TRANSLATE_NOOP("demo", "Alésage en contournage")},
    {70, QT_TRANSLATE_NOOP("demo", "Lamage en plongée")},
    {71, QT_TRANSLATE_NOOP("demo", "Lamage en plongée avec chambrage")},
    {72, QT_TRANSLATE_NOOP("demo", "Lamage de bossage en plongée")},
    {73, QT_TRANSLATE_NOOP("demo", "Lamage de bossage avec chambrage")},
    {74, QT_TRANSLATE_NOOP("demo", "Lamage en plongée hélicoïdale + spirale")},
    {75, QT_TRANSLATE_NOOP("demo", "Lamage en vidage de poche circulaire")},
    {80, QT_TRANSLATE_NOOP("demo", "Taraudage")},
    {84, QT_TRANSLATE_NOOP("demo", "Filetage à la fraise, filet à gauche")},
    {85, QT_TRANSLATE_NOOP("demo", "Filetage à la fraise, filet à droite")},
};

constexpr Named kTurning[] = {
    {100, QT_TRANSLATE_NOOP("demo", "Butée de barre")},
    {101, QT_TRANSLATE_NOOP("demo", "Chariotage")},
    {102, QT_TRANSLATE_NOOP("demo", "Dressage")},
    {103, QT_TRANSLATE_NOOP("demo", "Tronçonnage")},
    {104, QT_TRANSLATE_NOOP("demo", "Centrage")},
    {105, QT_TRANSLATE_NOOP("demo", "Pointage")},
    {110, QT_TRANSLATE_NOOP("demo", "Ébauche")},
    {111, QT_TRANSLATE_NOOP("demo", "Finition")},
    {112, QT_TRANSLATE_NOOP("demo", "Pochage en plongée")},
    {113, QT_TRANSLATE_NOOP("demo", "Pochage en plongée (variante)")},
    {120, QT_TRANSLATE_NOOP("demo", "Gorge")},
    {121, QT_TRANSLATE_NOOP("demo", "Gorge (D)")},
    {122, QT_TRANSLATE_NOOP("demo", "Gorge (D, variante)")},
    {123, QT_TRANSLATE_NOOP("demo", "Gorge par plongées (F)")},
    {124, QT_TRANSLATE_NOOP("demo", "Gorge par plongées (F, variante)")},
    {130, QT_TRANSLATE_NOOP("demo", "Filetage")},
    {140, QT_TRANSLATE_NOOP("demo", "Perçage")},
    {141, QT_TRANSLATE_NOOP("demo", "Perçage - chambrage")},
    {142, QT_TRANSLATE_NOOP("demo", "Perçage avec brise-copeaux")},
    {143, QT_TRANSLATE_NOOP("demo", "Perçage avec débourrage")},
    {145, QT_TRANSLATE_NOOP("demo", "Perçage, 2e série")},
    {146, QT_TRANSLATE_NOOP("demo", "Perçage - chambrage, 2e série")},
    {147, QT_TRANSLATE_NOOP("demo", "Perçage avec brise-copeaux, 2e série")},
    {148, QT_TRANSLATE_NOOP("demo", "Perçage avec débourrage, 2e série")},
    {150, QT_TRANSLATE_NOOP("demo", "Chanfreinage")},
    {170, QT_TRANSLATE_NOOP("demo", "Lamage")},
    {180, QT_TRANSLATE_NOOP("demo", "Taraudage")},
};

constexpr Choice kProfiles[] = {
    {"E", QT_TRANSLATE_NOOP("demo", "E - extérieur")},
    {"I", QT_TRANSLATE_NOOP("demo", "I - intérieur")},
    {"B", QT_TRANSLATE_NOOP("demo", "B - extérieur, côté opposé")},
    {"F", QT_TRANSLATE_NOOP("demo", "F - de face")},
};

constexpr Choice kThreadTypes[] = {
    {"M", QT_TRANSLATE_NOOP("demo", "M - ISO métrique")},
    {"G", QT_TRANSLATE_NOOP("demo", "G - gaz")},
    {"T", QT_TRANSLATE_NOOP("demo", "T - trapézoïdal")},
    {"R", QT_TRANSLATE_NOOP("demo", "R - rond")},
};

constexpr Choice kTurningTools[] = {
    {"10_TECHA1", QT_TRANSLATE_NOOP("demo", "10_TECHA1 - charioter ext.")},
    {"11_TECHA1", QT_TRANSLATE_NOOP("demo", "11_TECHA1 - charioter ext. à gauche")},
    {"12_TECOP1", QT_TRANSLATE_NOOP("demo", "12_TECOP1 - copier ext.")},
    {"13_TECOP1", QT_TRANSLATE_NOOP("demo", "13_TECOP1 - copier ext. à gauche")},
    {"10_TETRP", QT_TRANSLATE_NOOP("demo", "10_TETRP - lame à tronçonner (tronçonnage)")},
    {"15_TIALE1", QT_TRANSLATE_NOOP("demo", "15_TIALE1 - barre d'alésage")},
    {"17_TICOP1", QT_TRANSLATE_NOOP("demo", "17_TICOP1 - barre à copier")},
    {"20_TEGOR3", QT_TRANSLATE_NOOP("demo", "20_TEGOR3 - gorge ext.")},
    {"25_TIGOR3", QT_TRANSLATE_NOOP("demo", "25_TIGOR3 - gorge int.")},
    {"26_TFGOR3", QT_TRANSLATE_NOOP("demo", "26_TFGOR3 - gorge de face")},
    {"30_TEFIL1", QT_TRANSLATE_NOOP("demo", "30_TEFIL1 - fileter ext.")},
    {"31_TIFIL1", QT_TRANSLATE_NOOP("demo", "31_TIFIL1 - fileter int.")},
    {"40_RFOR10", QT_TRANSLATE_NOOP("demo", "40_RFOR10 - foret radial")},
    {"41_RPOI10", QT_TRANSLATE_NOOP("demo", "41_RPOI10 - foret à pointer radial")},
    {"41_RCHA12", QT_TRANSLATE_NOOP("demo", "41_RCHA12 - fraise à chanfreiner radiale")},
    {"42_RTAR10", QT_TRANSLATE_NOOP("demo", "42_RTAR10 - taraud radial")},
    {"43_RFRA16", QT_TRANSLATE_NOOP("demo", "43_RFRA16 - fraise radiale")},
    {"44_AFOR10", QT_TRANSLATE_NOOP("demo", "44_AFOR10 - foret axial")},
    {"45_ACEN06", QT_TRANSLATE_NOOP("demo", "45_ACEN06 - foret à centrer")},
    {"46_APOI10", QT_TRANSLATE_NOOP("demo", "46_APOI10 - foret à pointer")},
    {"47_ATAR10", QT_TRANSLATE_NOOP("demo", "47_ATAR10 - taraud axial")},
    {"48_ALAM16", QT_TRANSLATE_NOOP("demo", "48_ALAM16 - fraise à lamer")},
    {"49_ACHA12", QT_TRANSLATE_NOOP("demo", "49_ACHA12 - fraise à chanfreiner")},
    {"55_BUTE", QT_TRANSLATE_NOOP("demo", "55_BUTE - butée de barre")},
};

constexpr Choice kMillingTools[] = {
    {"FR10", QT_TRANSLATE_NOOP("demo", "FR10 - fraise 2 tailles")},
    {"FR6", QT_TRANSLATE_NOOP("demo", "FR6 - fraise 2 tailles")},
    {"FT50", QT_TRANSLATE_NOOP("demo", "FT50 - fraise à surfacer")},
    {"FH8", QT_TRANSLATE_NOOP("demo", "FH8 - fraise hémisphérique")},
    {"PC10", QT_TRANSLATE_NOOP("demo", "PC10 - foret à pointer")},
    {"FO8", QT_TRANSLATE_NOOP("demo", "FO8 - foret")},
    {"CH10", QT_TRANSLATE_NOOP("demo", "CH10 - fraise à chanfreiner")},
    {"AL10", QT_TRANSLATE_NOOP("demo", "AL10 - alésoir")},
    {"LA14", QT_TRANSLATE_NOOP("demo", "LA14 - fraise à lamer")},
    {"TA10", QT_TRANSLATE_NOOP("demo", "TA10 - taraud")},
    {"FF10", QT_TRANSLATE_NOOP("demo", "FF10 - fraise à fileter")},
};

// ---- what each turning operation is offered with ---------------------------------------------

// The profiles of each operation, the usual one first: the sides for which the panel lays the
// operation out. The hole operations work across the axis ("E", driven tools) or on the
// spindle axis ("F").
constexpr Choice kProfilesE[] = {kProfiles[0]};
constexpr Choice kProfilesEIB[] = {kProfiles[0], kProfiles[1], kProfiles[2]};
constexpr Choice kProfilesEIF[] = {kProfiles[0], kProfiles[1], kProfiles[3]};
constexpr Choice kProfilesEI[] = {kProfiles[0], kProfiles[1]};
constexpr Choice kProfilesHole[] = {
    {"E", QT_TRANSLATE_NOOP("demo", "E - radial, à travers l'axe")},
    {"F", QT_TRANSLATE_NOOP("demo", "F - axial, sur l'axe de broche")},
};

struct ProfileRow {
    std::int16_t from, to;
    std::span<const Choice> profiles;
};
constexpr ProfileRow kProfileRows[] = {
    {100, 100, kProfilesE},    {101, 102, kProfilesEIB}, {103, 104, kProfilesE},
    {105, 105, kProfilesHole}, {110, 111, kProfilesEIB}, {112, 124, kProfilesEIF},
    {130, 130, kProfilesEI},   {140, 149, kProfilesHole}, {150, 180, kProfilesHole},
};

constexpr Named kOptions101[] = {
    {0, QT_TRANSLATE_NOOP("demo", "0 - diamètre et longueur")},
    {1, QT_TRANSLATE_NOOP("demo", "1 - surépaisseurs radiale et axiale")},
    {2, QT_TRANSLATE_NOOP("demo", "2 - surépaisseur radiale et dépassement")},
};
constexpr Named kOptions102[] = {
    {0, QT_TRANSLATE_NOOP("demo", "0 - avec le diamètre du brut")},
    {1, QT_TRANSLATE_NOOP("demo", "1 - sens d'usinage au choix")},
    {3, QT_TRANSLATE_NOOP("demo", "3 - sans aller à l'axe")},
    {4, QT_TRANSLATE_NOOP("demo", "4 - jusqu'à l'axe")},
};
constexpr Named kOptions103[] = {
    {0, QT_TRANSLATE_NOOP("demo", "0 - avec le diamètre du brut")},
    {2, QT_TRANSLATE_NOOP("demo", "2 - sans aller à l'axe")},
    {3, QT_TRANSLATE_NOOP("demo", "3 - jusqu'à l'axe")},
};
constexpr Named kOptionsGroove[] = {
    {0, QT_TRANSLATE_NOOP("demo", "0 - sans gorge")},
    {1, QT_TRANSLATE_NOOP("demo", "1 - avec gorge")},
};
constexpr Named kOptions130[] = {
    {0, QT_TRANSLATE_NOOP("demo", "0 - cône de dégagement")},
    {1, QT_TRANSLATE_NOOP("demo", "1 - dépassement")},
};
constexpr Named kOptionsDrill[] = {
    {0, QT_TRANSLATE_NOOP("demo", "0 - débouchant")},
    {1, QT_TRANSLATE_NOOP("demo", "1 - borgne")},
};
constexpr Named kOptions180[] = {
    {0, QT_TRANSLATE_NOOP("demo", "0 - borgne, longueur non taraudée")},
    {1, QT_TRANSLATE_NOOP("demo", "1 - débouchant")},
    {2, QT_TRANSLATE_NOOP("demo", "2 - borgne")},
};

constexpr Named kVariantsGroove[] = {
    {0, QT_TRANSLATE_NOOP("demo", "0 - gorge G0")},
    {1, QT_TRANSLATE_NOOP("demo", "1 - gorge G1")},
};
constexpr Named kVariantsPlunge[] = {
    {0, QT_TRANSLATE_NOOP("demo", "0 - plongée droite")},
    {1, QT_TRANSLATE_NOOP("demo", "1 - au plus près du profil")},
};
constexpr Named kVariantsStarts[] = {
    {1, QT_TRANSLATE_NOOP("demo", "1 filet")},
    {2, QT_TRANSLATE_NOOP("demo", "2 filets")},
    {3, QT_TRANSLATE_NOOP("demo", "3 filets")},
};

struct ChoiceRow {
    std::int16_t from, to;
    std::span<const Named> choices;
};
constexpr ChoiceRow kOptionRows[] = {
    {101, 101, kOptions101},   {102, 102, kOptions102},   {103, 103, kOptions103},
    {110, 111, kOptionsGroove}, {130, 130, kOptions130},   {140, 149, kOptionsDrill},
    {180, 180, kOptions180},
};
constexpr ChoiceRow kVariantRows[] = {
    {110, 111, kVariantsGroove},
    {112, 113, kVariantsPlunge},
    {130, 130, kVariantsStarts},
};

// ---- turning examples -------------------------------------------------------------------------

// One example per operation and profile ('*' any profile not named in a row before): the tool,
// ti(7) option, ti(6) variant, ti(3) code, the thread, and td. The part is a bar of diameter 50
// (a bore of 20 for the internal work): turned to 40 over 30, faced to the axis, parted off at
// 30, drilled 10 and 20 deep across the axis or 30 deep on it, threaded M20x2.5 over 30 of a
// 40 long cylinder, tapped M10x1.5 15 deep in a hole of 8.5 and 20.
//
// td: Xsecu Zsecu, stock diameter, axial distance to the stock | boxes 0 to 7 | main diameter,
// pitch or smallest diameter, second diameter, length.
struct TurningRow {
    std::int16_t from, to;
    char profile;
    std::string_view tool;
    std::int16_t option, variant, code3;
    std::string_view thread;
    std::array<double, 16> td;
};
constexpr TurningRow kTurningRows[] = {
    // bar stop: 60 out of the chuck, the stop 2 from the bar's end (box 1 and the label agree)
    {100, 100, '*', "55_BUTE", 0, 0, 0, "",
     {2, 2, 50, 2,  60, 2, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0}},
    // turning: 5 off the radius of the Ø50 bar (Ø40) over 30, passes of 2, allowances 0.4/0.2
    {101, 101, 'I', "15_TIALE1", 0, 0, 0, "",
     {2, 2, 0, 2,  5, 2, 1.5, 30, 0.2, 0.1, 1, 25,  30, 0, 0, 0}},
    {101, 101, 'B', "11_TECHA1", 0, 0, 0, "",
     {2, 2, 50, 2,  5, 2, 2, 40, 0.4, 0.2, 1, 30,  40, 0, 0, 0}},
    {101, 101, '*', "10_TECHA1", 0, 0, 0, "",
     {2, 2, 50, 2,  5, 2, 2, 40, 0.4, 0.2, 1, 30,  40, 0, 0, 0}},
    // facing: 2 off the face to the axis in passes of 1; 0.5 over the axis (box 3 holds the
    // overrun the to-axis button copies into box 6); the outside is left 0.5 over Ø49
    {102, 102, 'I', "15_TIALE1", 1, 0, 0, "",
     {2, 2, 50, 2,  2, 2, 1, 0.5, 0.5, 0.2, 0.5, 0,  49, 0, 0, 0}},
    {102, 102, 'B', "11_TECHA1", 4, 0, 0, "",
     {2, 2, 50, 2,  2, 2, 1, 0.5, 0.5, 0.2, 0.5, 0,  49, 0, 0, 0}},
    {102, 102, '*', "10_TECHA1", 4, 0, 0, "",
     {2, 2, 50, 2,  2, 2, 1, 0.5, 0.5, 0.2, 0.5, 0,  49, 0, 0, 0}},
    // parting off a part 30 long, to the axis and 0.5 over it
    {103, 103, '*', "10_TETRP", 3, 0, 0, "",
     {2, 2, 50, 30,  2, 0, 0, 0.5, 0, 0.2, 0.5, 0,  0, 0, 0, 0}},
    // centring with a 60° centre drill of 2.5 / 6.3 to a diameter of 5 (box 5, the depth, is
    // worked out from the diameter as the panel does)
    {104, 104, '*', "45_ACEN06", 0, 0, 0, "",
     {2, 2, 50, 0,  0, 2, 0, 5, 0, 0, 0, 60,  0, 2.5, 6.3, 8}},
    // spotting a hole of 8 to a diameter of 9
    {105, 105, 'E', "41_RPOI10", 0, 0, 0, "",
     {2, 2, 50, 0,  0, 2, 0, 0, 0, 0, 0, 0,  8, 0, 9, 0}},
    {105, 105, '*', "46_APOI10", 0, 0, 0, "",
     {2, 2, 50, 0,  0, 2, 0, 0, 0, 0, 0, 0,  8, 0, 9, 0}},
    // roughing a profile whose largest diameter is 44 out of the Ø50 bar (a Ø20 bore to 30)
    {110, 110, 'I', "15_TIALE1", 0, 0, 3, "",
     {2, 2, 20, 2,  1, 2, 1.5, 1, 0.2, 0.1, 1, 0,  30, 0, 0, 0}},
    {110, 110, 'B', "11_TECHA1", 0, 0, 3, "",
     {2, 2, 50, 2,  1, 2, 2, 1, 0.4, 0.2, 1, 0,  44, 0, 0, 0}},
    {110, 110, '*', "10_TECHA1", 0, 0, 3, "",
     {2, 2, 50, 2,  1, 2, 2, 1, 0.4, 0.2, 1, 0,  44, 0, 0, 0}},
    // finishing the same profile to size: equal clearances, no allowance left
    {111, 111, 'I', "17_TICOP1", 0, 0, 3, "",
     {2, 2, 20, 2,  1, 1, 0, 0, 0, 0, 0, 0,  30, 0, 0, 0}},
    {111, 111, 'B', "13_TECOP1", 0, 0, 3, "",
     {2, 2, 50, 2,  1, 1, 0, 0, 0, 0, 0, 0,  44, 0, 0, 0}},
    {111, 111, '*', "12_TECOP1", 0, 0, 3, "",
     {2, 2, 50, 2,  1, 1, 0, 0, 0, 0, 0, 0,  44, 0, 0, 0}},
    // plunge turning with a grooving tool whose edge allows 45° (td(12), the tool angle), 30° used
    {112, 113, 'I', "25_TIGOR3", 0, 0, 0, "",
     {2, 2, 50, 2,  1, 2, 2, 0.2, 0.2, 0.1, 0, 30,  135, 0, 0, 0}},
    {112, 113, 'F', "26_TFGOR3", 0, 0, 0, "",
     {2, 2, 50, 2,  1, 2, 2, 0.2, 0.2, 0.1, 0, 30,  135, 0, 0, 0}},
    {112, 113, '*', "20_TEGOR3", 0, 0, 0, "",
     {2, 2, 50, 2,  1, 2, 2, 0.2, 0.2, 0.1, 0, 30,  225, 0, 0, 0}},
    // grooving: clearance 1, steps of 2.5 across a wide groove, 0.1 left at the bottom and sides
    {120, 124, 'I', "25_TIGOR3", 0, 0, 0, "",
     {2, 2, 50, 2,  1, 1, 2.5, 0, 0.1, 0.1, 0, 0,  0, 0, 0, 0}},
    {120, 124, 'F', "26_TFGOR3", 0, 0, 0, "",
     {2, 2, 50, 2,  1, 1, 2.5, 0, 0.1, 0.1, 0, 0,  0, 0, 0, 0}},
    {120, 124, '*', "20_TEGOR3", 0, 0, 0, "",
     {2, 2, 50, 2,  1, 1, 2.5, 0, 0.1, 0.1, 0, 0,  0, 0, 0, 0}},
    // threading M20x2.5 (the diameter, pitch, depth, last pass and passes come from the thread
    // table): 30 of a 40 long cylinder, run-out cone of 3; internal: 25 of a 30 deep bore
    {130, 130, 'I', "31_TIFIL1", 0, 1, 0, "M20x2.5",
     {2, 2, 20, 2,  1, 5, 0, 0, 25, 3, 3, 30,  0, 0, 0, 30}},
    {130, 130, '*', "30_TEFIL1", 0, 1, 0, "M20x2.5",
     {2, 2, 20, 2,  1, 5, 0, 0, 30, 3, 3, 30,  0, 0, 0, 40}},
    // drilling: the stock diameter and axial distance are the hole's diameter and depth; box 0
    // (hidden) is the depth again, box 7 the drilling length, so nothing is left at the bottom;
    // pecks of 5, last pass 2, 1 over when through. Across the axis: Ø10, 20 deep (the wall of
    // the part); on the axis: Ø10, 30 deep.
    {140, 149, 'F', "44_AFOR10", 1, 0, 0, "",
     {2, 2, 10, 30,  30, 2, 5, 2, 0, 0, 1, 30,  0, 0, 0, 0}},
    {140, 149, '*', "40_RFOR10", 1, 0, 0, "",
     {2, 2, 10, 20,  20, 2, 5, 2, 0, 0, 1, 20,  0, 0, 0, 0}},
    // chamfering a hole of 10 to a diameter of 12
    {150, 150, 'F', "49_ACHA12", 0, 0, 0, "",
     {2, 2, 50, 0,  0, 2, 0, 0, 0, 0, 0, 0,  10, 0, 12, 0}},
    {150, 150, '*', "41_RCHA12", 0, 0, 0, "",
     {2, 2, 50, 0,  0, 2, 0, 0, 0, 0, 0, 0,  10, 0, 12, 0}},
    // counterboring Ø16, 10 deep (a socket head of M10)
    {170, 170, 'F', "48_ALAM16", 0, 0, 0, "",
     {2, 2, 50, 0,  0, 2, 0, 0, 0, 0, 0, 0,  16, 0, 0, 10}},
    {170, 170, '*', "43_RFRA16", 0, 0, 0, "",
     {2, 2, 50, 0,  0, 2, 0, 0, 0, 0, 0, 0,  16, 0, 0, 10}},
    // tapping M10x1.5 15 deep in a hole of 8.5 and 20 (5 left untapped), 2 over when through
    {180, 180, 'F', "47_ATAR10", 0, 0, 0, "M10x1.5",
     {2, 2, 50, 0,  0, 2, 1.5, 0, 15, 5, 2, 0,  8.5, 1.5, 1, 20}},
    {180, 180, '*', "42_RTAR10", 0, 0, 0, "M10x1.5",
     {2, 2, 50, 0,  0, 2, 1.5, 0, 15, 5, 2, 0,  8.5, 1.5, 1, 20}},
    // any other code: the panel shows nothing of it
    {0, 32767, '*', "10_TECHA1", 0, 0, 0, "",
     {2, 2, 50, 2,  1, 1, 2, 0.5, 0.4, 0.2, 1, 0,  40, 0, 0, 0}},
};

// ---- milling examples -------------------------------------------------------------------------

// Per operation: the pass depth, last pass, bottom and side allowances, the diameter, the
// overrun, the depth and the depth extended to the stock. The safety plane is 25 over the top
// of the part (Z 0), the approach clearance 2. A pocket or contour 10 deep with a Ø10 end mill;
// facing 3 off; a hole of 8 drilled 20 deep, spotted to 9, chamfered to 9, reamed to 10,
// counterbored to 14 and 9 deep, tapped M10 (in a hole of 8.5), thread milled M16.
struct MillingRow {
    std::int16_t from, to;
    double passe, derpasse, surepZ, surepXY, diam, depasse, depth, profBrut;
};
constexpr MillingRow kMillingRows[] = {
    {10, 11, 3, 0.5, 0.2, 0.3, 0, 1, 5, 7},
    {12, 12, 2, 0.5, 0.2, 0, 0, 0, 3, 4},
    {15, 25, 3, 0.5, 0.2, 0.3, 0, 1, 10, 12},
    {30, 31, 0, 0, 0, 0, 9, 0, 0, 0},
    {40, 43, 5, 2, 0, 0, 8, 1, 20, 22},
    {44, 45, 3, 0.5, 0.2, 0.3, 20, 1, 20, 22},
    {51, 55, 0, 0, 0, 0, 9, 0, 0, 0},
    {60, 62, 0, 0, 0.2, 0, 10, 1, 20, 22},
    {64, 65, 3, 0.5, 0.2, 0.3, 20, 1, 20, 22},
    {70, 71, 0, 0, 0, 0, 14, 0, 9, 11},
    {72, 73, 0, 0, 0, 0, 14, 0, 2, 3},
    {74, 75, 3, 0.5, 0.2, 0.3, 20, 0, 9, 11},
    {80, 80, 0, 0, 0.5, 0, 8.5, 1, 20, 22},
    {84, 85, 1, 0, 0.5, 0, 16, 1, 20, 22},
    {0, 32767, 3, 0.5, 0.2, 0.3, 10, 1, 10, 12},
};

struct MillingToolRow {
    std::int16_t from, to;
    std::string_view tool;
};
constexpr MillingToolRow kMillingToolRows[] = {
    {12, 12, "FT50"}, {21, 21, "FR6"},  {30, 31, "PC10"}, {40, 43, "FO8"},
    {51, 55, "CH10"}, {60, 62, "AL10"}, {70, 73, "LA14"}, {80, 80, "TA10"},
    {84, 85, "FF10"}, {0, 32767, "FR10"},
};

// Thread designations of pipe threads and their major diameters.
struct PipeSize {
    std::string_view size;
    double diameter;
};
constexpr PipeSize kPipeSizes[] = {
    {"G1/16", 7.723},    {"G1/8", 9.728},     {"G1/4", 13.157},  {"G3/8", 16.662},
    {"G1/2", 20.955},    {"G5/8", 22.911},    {"G3/4", 26.441},  {"G7/8", 30.201},
    {"G1", 33.249},      {"G1 1/8", 37.897},  {"G1 1/4", 41.910}, {"G1 1/2", 47.803},
    {"G1 3/4", 53.746},  {"G2", 59.614},      {"G2 1/4", 65.710}, {"G2 1/2", 75.184},
    {"G2 3/4", 81.534},  {"G3", 87.884},      {"G3 1/2", 100.330}, {"G4", 113.030},
};

// Nominal diameter = bore + K x pitch, by thread type (the panel uses the same coefficients to
// offer the pitches of an internal thread).
// The flank angle is the one the panel's thread type buttons write into box 7.
struct TypeRow {
    std::string_view type;
    double k;
    double flank;
    std::string_view usual;  // the demo's usual thread of the type
};
constexpr TypeRow kTypes[] = {
    {"M", 1.0825, 30, "M20x2.5"},
    {"G", 1.280654, 27.5, "G1/2 (14 fil/pouce)"},
    {"T", 1.0, 15, "Tr20x4"},
    {"R", 0.9, 15, "Rd20x1/8"},
};
// clang-format on

template <class Row>
const Row* rowOf(std::span<const Row> rows, std::int16_t code) {
    for (const Row& r : rows)
        if (code >= r.from && code <= r.to) return &r;
    return nullptr;
}

const TurningRow& turningRow(std::int16_t numop, std::string_view profil) {
    for (const TurningRow& r : kTurningRows) {
        if (numop < r.from || numop > r.to) continue;
        if (r.profile == '*' || (profil.size() == 1 && profil[0] == r.profile)) return r;
    }
    return kTurningRows[std::size(kTurningRows) - 1];
}

double round3(double v) { return std::round(v * 1000) / 1000; }

bool drilling(std::int16_t numop) { return numop >= 140 && numop <= 149; }

// A getter that throws (a number beyond a double) leaves the host's value as it was.
template <class P, class R>
void readInto(P& panel, R (P::*getter)(), R& into) {
    try {
        into = (panel.*getter)();
    } catch (const oru::Error&) {
    }
}

// The getter that reads box i of the turning panel back, for an operation, and the entry of td
// it came from; nullptr for a box no getter reads as itself.
struct BoxReading {
    double (oru::OperTournage::*getter)();
    std::size_t td;
};
BoxReading boxReading(std::int16_t numop, std::size_t box) {
    using T = oru::OperTournage;
    switch (box) {
        case 0:
            return {&T::GetGardeAccost, oru::td::box(0)};
        case 1:
            return {&T::GetGardeDeg, oru::td::box(1)};
        case 2:
            return {&T::GetPasseZ, oru::td::box(2)};
        case 3:
            // Spotting and chamfering write their diameter into box 3 from td(14).
            if (numop == 105) return {&T::GetDiamChanf, oru::td::kDiameter2};
            if (numop == 150) return {&T::GetDerPasseZ, oru::td::kDiameter2};
            if (numop == 104) return {&T::GetDiamChanf, oru::td::box(3)};
            if (numop == 112 || numop == 113) return {&T::GetSurepPlonge, oru::td::box(3)};
            if (numop == 102 || numop == 103) return {nullptr, 0};
            return {&T::GetDerPasseZ, oru::td::box(3)};
        case 4:
            return {&T::GetSurepXY, oru::td::box(4)};
        case 5:
            return {&T::GetSurepZ, oru::td::box(5)};
        case 6:
            return {&T::GetDepasseZ, oru::td::box(6)};
        default:
            return {&T::GetAnglePlonge, oru::td::box(7)};
    }
}

}  // namespace

std::span<const Named> millingOperations() { return kMilling; }
std::span<const Named> turningOperations() { return kTurning; }
std::span<const Choice> turningProfiles() { return kProfiles; }
std::span<const Choice> threadTypes() { return kThreadTypes; }
std::span<const Choice> turningTools() { return kTurningTools; }
std::span<const Choice> millingTools() { return kMillingTools; }

std::span<const Choice> profilesOf(std::int16_t numop) {
    const ProfileRow* r = rowOf<ProfileRow>(kProfileRows, numop);
    return r ? r->profiles : std::span<const Choice>(kProfilesE);
}

std::span<const Named> optionsOf(std::int16_t numop) {
    const ChoiceRow* r = rowOf<ChoiceRow>(kOptionRows, numop);
    return r ? r->choices : std::span<const Named>();
}

std::span<const Named> variantsOf(std::int16_t numop) {
    const ChoiceRow* r = rowOf<ChoiceRow>(kVariantRows, numop);
    return r ? r->choices : std::span<const Named>();
}

std::string_view defaultTool(std::int16_t numop, std::string_view profil) {
    return turningRow(numop, profil).tool;
}

std::string_view defaultMillingTool(std::int16_t typoper, double diameter) {
    const MillingToolRow* r = rowOf<MillingToolRow>(kMillingToolRows, typoper);
    const std::string_view tool = r ? r->tool : "FR10";
    // An end mill that interpolates a hole must be smaller than the hole.
    if (tool == "FR10" && typoper >= 30 && diameter > 0 && diameter <= 10) return "FR6";
    return tool;
}

int turningFamily(std::int16_t numop) {
    if (drilling(numop)) return 140;
    if (numop == 113) return 112;
    if (numop == 122) return 121;
    if (numop == 124) return 123;
    return numop;
}

int millingFamily(std::int16_t typoper) {
    // Milling: the profile moves, facing, contouring, pockets. Holes: the cycles of a hole family
    // that use the same tool (the drilling cycles, the cycles of an end mill...).
    if (typoper < 30) {
        if (typoper == 11) return 10;
        if (typoper == 16) return 15;
        if (typoper > 20) return 20;
        return typoper;
    }
    const int family = typoper / 10;
    if (family == 3 || family == 5) return family * 10;
    return family * 10 + (typoper % 10 >= 4 ? 4 : 0);
}

void settleMillingDepth(Milling& m) {
    namespace tv = oru::tabval;
    const bool on =
        m.extBrut != oru::milling::kExtBrutNone && m.extBrut != oru::milling::kExtBrutOff;
    m.tabval[tv::kProfondeur] = on ? m.tabval[tv::kProfBrut] : m.tabval[tv::kProf];
}

Milling millingExample(std::int16_t typoper, bool debouchant, std::int16_t attrImage,
                       std::int16_t extBrut) {
    namespace tv = oru::tabval;
    Milling m;
    m.typoper = typoper;
    m.debouchant = debouchant;
    m.attrImage = attrImage;
    m.extBrut = extBrut;
    const MillingRow& r = *rowOf<MillingRow>(kMillingRows, typoper);
    m.tool = std::string(defaultMillingTool(typoper, r.diam));
    m.tabval.assign(tv::kSize, 0.0);
    m.tabval[tv::kZsecu] = 25;
    m.tabval[tv::kGardeZ] = 2;
    m.tabval[tv::kPasse] = r.passe;
    m.tabval[tv::kDerpasse] = r.derpasse;
    m.tabval[tv::kSurepZ] = r.surepZ;
    m.tabval[tv::kSurepXY] = r.surepXY;
    m.tabval[tv::kDiam] = r.diam;
    m.tabval[tv::kDepasse] = r.depasse;
    m.tabval[tv::kProfBrut] = r.profBrut;
    m.tabval[tv::kProf] = r.depth;
    // Tapping named after the thread: its diameter, and the thread's length.
    if (typoper == oru::milling::kTap && attrImage == oru::milling::kAttrImageThreadA) {
        m.tabval[tv::kDiam] = 10;
        m.tabval[tv::kProf] = 15;
        m.tabval[tv::kProfBrut] = 17;
    }
    settleMillingDepth(m);
    return m;
}

Turning turningExample(std::int16_t numop, std::string_view profil, const std::string& dirSld) {
    const TurningRow& r = turningRow(numop, profil);
    Turning t;
    t.profil = std::string(profil);
    t.tool = std::string(r.tool);
    t.td.assign(r.td.begin(), r.td.end());
    t.ti.assign(oru::ti::kSize, 0);
    t.ti[oru::ti::kNumOp] = numop;
    t.ti[oru::ti::kTypeAppro] = oru::turning::kApproachZThenX;
    t.ti[oru::ti::kSensFilet] = r.code3;
    t.ti[oru::ti::kUsineGorge] = r.variant;
    t.ti[oru::ti::kOption] = r.option;
    if (numop == oru::turning::kCentring) {
        // The depth that gives the centring diameter of box 3 with this tool.
        const double t2 = 2 * std::tan(t.td[oru::td::kAngle] * 3.14159265358979 / 360);
        t.td[oru::td::box(5)] = round3((t.td[oru::td::kDiameter2] - t.td[oru::td::box(3)]) / t2);
    }
    if (!r.thread.empty()) applyThread(t, r.thread, dirSld);
    return t;
}

void readBack(oru::OperFraisage& panel, Milling& m) {
    namespace tv = oru::tabval;
    using F = oru::OperFraisage;
    m.typoper = panel.Typoper;
    m.extBrut = panel.ExtBrut;
    readInto(panel, &F::GetZsecu, m.tabval[tv::kZsecu]);
    readInto(panel, &F::GetDiam, m.tabval[tv::kDiam]);
    readInto(panel, &F::GetProfondeur, m.tabval[tv::kProfondeur]);
    // The fields read only while shown: a hidden field keeps the host's value.
    const std::pair<std::size_t, double (F::*)()> shownOnly[] = {
        {tv::kGardeZ, &F::GetGardeZ},     {tv::kPasse, &F::GetPasse},
        {tv::kDerpasse, &F::GetDerpasse}, {tv::kSurepZ, &F::GetSurepZ},
        {tv::kSurepXY, &F::GetSurepXY},   {tv::kDepasse, &F::GetDepasse},
    };
    for (const auto& [i, getter] : shownOnly)
        if (panel.widget("tbVal", int(i)).visible()) readInto(panel, getter, m.tabval[i]);
    readInto(panel, &F::GetApproche, m.approche);
    std::int16_t degage = m.degage;
    readInto(panel, &F::GetDegageZ, degage);
    if (degage == 0 || degage == 1) m.degage = degage;
    readInto(panel, &F::GetAval, m.aval);
    if (panel.widget("pAccoste").visible() && panel.widget("cAccostage").visible()) {
        std::int16_t accostage = -1;
        readInto(panel, &F::GetAccostage, accostage);
        if (accostage >= 0) {
            m.accostage = accostage;
            readInto(panel, &F::GetGardeAccoste, m.gardeAccoste);
            readInto(panel, &F::GetGardeDegage, m.gardeDegage);
        }
        if (panel.widget("tbRecouvre").visible()) readInto(panel, &F::GetRecouvre, m.recouvre);
    }
    if (m.typoper == oru::milling::kFacing) {
        readInto(panel, &F::GetBalayage, m.balayage);
        if (panel.widget("tbAngBal").visible()) readInto(panel, &F::GetAngBal, m.angleBalayage);
    }
}

void readBack(oru::OperTournage& panel, Turning& t) {
    using T = oru::OperTournage;
    namespace ti = oru::ti;
    const std::int16_t numop = panel.NumOp;
    t.ti[ti::kNumOp] = numop;
    readInto(panel, &T::GetXsecu, t.td[oru::td::kXsecu]);
    readInto(panel, &T::GetZsecu, t.td[oru::td::kZsecu]);
    // Threading reads its boxes whether shown or not (its details page hides some); the other
    // operations only those shown, a hidden box keeping the host's value.
    for (std::size_t i = 0; i < 8; ++i) {
        if (numop != oru::turning::kThreading && !panel.widget("tbPara", int(i)).visible())
            continue;
        const BoxReading b = boxReading(numop, i);
        if (b.getter) readInto(panel, b.getter, t.td[b.td]);
    }
    readInto(panel, &T::GetTypeAppro, t.ti[ti::kTypeAppro]);
    readInto(panel, &T::GetDegZsecu, t.ti[ti::kDegZsecu]);
    readInto(panel, &T::GetTypeEbauche, t.ti[ti::kTypeEbauche]);
    std::int16_t sens = 0;
    readInto(panel, &T::GetSensFilet, sens);
    std::int16_t& option = t.ti[ti::kOption];
    switch (numop) {
        case oru::turning::kFacing:  // the to-axis button: 3 / 4
            if (option == 3 || option == 4) option = sens == 1 ? 4 : 3;
            break;
        case oru::turning::kPartingOff:  // the to-axis button: 2 / 3
            if (option == 2 || option == 3) option = sens == 1 ? 3 : 2;
            break;
        case oru::turning::kRoughing:
        case oru::turning::kFinishing:
            if (t.ti[ti::kSensFilet] >= 3) t.ti[ti::kSensFilet] = sens == 1 ? 4 : 3;
            // The groove button switches the groove variant (G0 / G1).
            if (numop == oru::turning::kFinishing && option != 0)
                readInto(panel, &T::GetUsineGorge, t.ti[ti::kUsineGorge]);
            break;
        case oru::turning::kPlunge:
        case oru::turning::kPlungeAlt:
            readInto(panel, &T::GetUsineGorge, t.ti[ti::kUsineGorge]);
            break;
        case oru::turning::kThreading:
            t.ti[ti::kSensFilet] = sens;
            readInto(panel, &T::GetNbPasse, t.ti[ti::kNbPasse]);
            readInto(panel, &T::GetUsineGorge, t.ti[ti::kUsineGorge]);
            readInto(panel, &T::GetPas, t.td[oru::td::kPitch]);
            readInto(panel, &T::GetTypeFilet, t.typeFilet);
            break;
        case oru::turning::kTapping:  // the blind / through button: boxes 5 and 6 tell
            readInto(panel, &T::GetPas, t.td[oru::td::kPitch]);
            option = panel.widget("tbPara", 5).visible()   ? 0
                     : panel.widget("tbPara", 6).visible() ? 1
                                                           : 2;
            break;
        default:
            // Drilling: the blind / through button; the overrun box is shown when through.
            if (drilling(numop) && (option == 0 || option == 1))
                option = panel.widget("tbPara", 6).visible() ? 0 : 1;
            break;
    }
}

void setUp(oru::OperFraisage& panel, const Milling& m, const std::string& pictures) {
    panel.chbmp = pictures;
    panel.Typoper = m.typoper;
    panel.debouchant = m.debouchant;
    panel.AttrImage = m.attrImage;
    panel.ExtBrut = m.extBrut;
    panel.sZmaxi = "0";
    panel.SetOutil(m.tool);
    panel.SetPasses(m.tool, m.tabval);
    panel.SetApproche(m.approche);
    panel.SetDegageZ(m.degage);
    panel.SetAval(m.aval);
    std::int16_t accostage = m.accostage;
    panel.SetAccostage(accostage, m.gardeAccoste, m.gardeDegage, m.recouvre, m.angleBalayage,
                       m.balayage, m.ferme ? -1 : 0);
}

void setUp(oru::OperTournage& panel, Turning& t, const std::string& pictures,
           const std::string& dirSld) {
    panel.chbmp = pictures;
    panel.DirSld = dirSld;
    panel.NumOp = t.numop();
    panel.SetOperTour(t.tool, t.profil, t.typeFilet, t.td, t.ti);
}

// ---- threads -----------------------------------------------------------------------------------

std::vector<Thread> threadsOf(const std::string& dirSld, bool internal, std::string_view type) {
    std::vector<Thread> out;
    if (dirSld.empty() || type.empty()) return out;
    std::ifstream in(dirSld + (internal ? "user/Filet_I.dat" : "user/Filet_E.dat"),
                     std::ios::binary);
    if (!in) return out;
    auto next = [&in](std::string& line) {
        if (!std::getline(in, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    };
    auto number = [](const std::string& s) {
        try {
            return oru::Val(s);
        } catch (const oru::Error&) {
            return 0.0;
        }
    };
    std::string line;
    // Comment lines, then the one line that is skipped, then records of seven lines and a
    // separator.
    while (next(line) && !line.empty() && line[0] == ';') {
    }
    std::string f[7];
    for (;;) {
        int read = 0;
        while (read < 7 && next(f[read]))
            ++read;
        if (read < 7) break;
        if (f[0].starts_with(type)) {
            const double passes = std::round(number(f[3]));
            out.push_back({f[0], number(f[1]), number(f[2]),
                           static_cast<std::int16_t>(passes >= 0 && passes < 1000 ? passes : 0),
                           number(f[4])});
        }
        if (!next(line)) break;
    }
    return out;
}

std::optional<double> nominalDiameter(std::string_view designation) {
    const std::string_view name = designation.substr(0, designation.find(" ("));
    if (name.starts_with("G")) {
        for (const PipeSize& p : kPipeSizes)
            if (p.size == name) return p.diameter;
        return std::nullopt;
    }
    std::size_t from = 0;
    if (name.starts_with("Tr") || name.starts_with("Rd"))
        from = 2;
    else if (name.starts_with("M"))
        from = 1;
    else
        return std::nullopt;
    if (from >= name.size() || name[from] < '0' || name[from] > '9') return std::nullopt;
    try {
        const double d = oru::Val(name.substr(from));
        if (d > 0) return d;
    } catch (const oru::Error&) {
    }
    return std::nullopt;
}

std::string designationOfListItem(std::string_view item) {
    return std::string(item.substr(0, item.find('\t')));
}

std::string_view defaultThread(std::int16_t numop, std::string_view type) {
    if (numop == oru::turning::kTapping && type == "M") return "M10x1.5";
    for (const TypeRow& r : kTypes)
        if (r.type == type) return r.usual;
    return kTypes[0].usual;
}

bool applyThread(Turning& t, std::string_view designation, const std::string& dirSld) {
    namespace td = oru::td;
    const bool tapping = t.numop() == oru::turning::kTapping;
    if (t.typeFilet.empty()) t.typeFilet = "M";
    const std::optional<double> d = nominalDiameter(designation);
    if (!d) return false;
    const TypeRow* type = nullptr;
    for (const TypeRow& r : kTypes)
        if (r.type == t.typeFilet) type = &r;
    if (!type) return false;
    const double k = type->k;
    // Tapping reads the internal table; threading the table of its side.
    const bool internal = tapping || t.profil == "I";
    for (const Thread& th : threadsOf(dirSld, internal, t.typeFilet)) {
        if (th.nom != designation) continue;
        t.thread = th.nom;
        t.td[td::kPitch] = th.pas;
        if (tapping) {
            // The hole to tap: the usual drill (diameter less the pitch) for metric threads,
            // the bore of the thread rounded up to a tenth for the others.
            t.td[td::kDiameter] = t.typeFilet == "M"
                                      ? round3(*d - th.pas)
                                      : std::ceil((*d - k * th.pas) * 10 - 1e-9) / 10;
            t.td[td::box(2)] = th.pas;
            return true;
        }
        // An internal thread is given by its bore, as the panel offers its pitches.
        t.td[td::kDiameter] = internal ? round3(*d - k * th.pas) : *d;
        t.td[td::kStockDiameter] = t.td[td::kDiameter];
        t.td[td::box(2)] = th.profondeur;
        t.td[td::box(3)] = th.derPasse;
        t.td[td::box(7)] = type->flank;
        t.ti[oru::ti::kNbPasse] = th.nbPasses;
        return true;
    }
    return false;
}

}  // namespace demo
