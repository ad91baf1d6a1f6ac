#pragma once

// Named codes of the public interface: operation types of both panels, the indexes of the value
// tables a host passes (tabval of OperFraisage::SetPasses, td and ti of
// OperTournage::SetOperTour) and the values of the small selectors. Every constant has the type
// the interface uses, so it goes straight into a property, an argument or an index:
//
//     milling.Typoper = oru::milling::kPocket;
//     td[oru::td::kStockDiameter] = 50;
//     ti[oru::ti::kNumOp] = oru::turning::kThreading;
//
// docs/guide.md describes what each code does on the panels.
#include <cstddef>
#include <cstdint>

namespace oru {

// ---- milling panel: OperFraisage::Typoper ------------------------------------------------------
namespace milling {

// Milling types (below 30). The picture stem of the operation sketch is given in brackets.
inline constexpr std::int16_t kProfileMove = 10;      // move along a profile [DEPLACER]
inline constexpr std::int16_t kProfileMoveFree = 11;  // the same, no engagement [DEPLACER]
inline constexpr std::int16_t kFacing = 12;           // facing, with its sweep [SURFACER]
inline constexpr std::int16_t kContour = 15;          // contouring [CONTOURNER_]
inline constexpr std::int16_t kContourSide = 16;      // contouring, outer / inner side
inline constexpr std::int16_t kPocket = 20;           // pocket, host depth [POCHE_E_]
inline constexpr std::int16_t kPocketFinish = 21;     // pocket without roughing passes
inline constexpr std::int16_t kPocketOwnDepth = 22;   // pocket, depth typed in the panel
inline constexpr std::int16_t kOpenPocket = 23;       // open pocket [CONTOURNER_]
inline constexpr std::int16_t kProfilePocket = 25;    // pocket along a profile [POCHE_P_]

// Hole types: tens digit the hole family, units digit the cycle (the index of its button).
inline constexpr std::int16_t kSpot = 30;                       // POINTER
inline constexpr std::int16_t kSpotChamfer = 31;                // "Pointer-Chanfreiner"
inline constexpr std::int16_t kDrill = 40;                      // PERCER
inline constexpr std::int16_t kDrillCounterbore = 41;           // "Percer - Chambrer"
inline constexpr std::int16_t kDrillChipBreak = 42;             // "... avec Brise copeaux"
inline constexpr std::int16_t kDrillPeck = 43;                  // "... avec Débourrage"
inline constexpr std::int16_t kDrillHelical = 44;               // helical plunge + spiral
inline constexpr std::int16_t kDrillCircularPocket = 45;        // circular pocket emptying
inline constexpr std::int16_t kChamferPlunge = 51;              // CHANFREINER, plunging
inline constexpr std::int16_t kChamferContour = 55;             // chamfer by contouring
inline constexpr std::int16_t kBoreRapidReturn = 60;            // ALESER, rapid return
inline constexpr std::int16_t kBoreFeedReturn = 61;             // return at feed rate
inline constexpr std::int16_t kBoreIndexedReturn = 62;          // indexed (oriented) return
inline constexpr std::int16_t kBoreHelical = 64;                // helical interpolation
inline constexpr std::int16_t kBoreContour = 65;                // boring by contouring
inline constexpr std::int16_t kCounterbore = 70;                // LAMER, plunging
inline constexpr std::int16_t kCounterboreChamber = 71;         // plunging with a chamber
inline constexpr std::int16_t kBossCounterbore = 72;            // boss counterboring, plunging
inline constexpr std::int16_t kBossCounterboreChamber = 73;     // boss, with a chamber
inline constexpr std::int16_t kCounterboreHelical = 74;         // helical plunge + spiral
inline constexpr std::int16_t kCounterboreCircularPocket = 75;  // circular pocket emptying
inline constexpr std::int16_t kTap = 80;                        // TARAUDER
inline constexpr std::int16_t kThreadMillLeft = 84;             // thread milling, left hand
inline constexpr std::int16_t kThreadMillRight = 85;            // thread milling, right hand

// OperFraisage::AttrImage: picture variants.
inline constexpr std::int16_t kAttrImagePlain = 0;
inline constexpr std::int16_t kAttrImageThreadA = 3;   // "A" variants of 80, 84, 85
inline constexpr std::int16_t kAttrImageSpotface = 4;  // "SP" variants of 70, 71, 74, 75

// OperFraisage::ExtBrut: the stock extension.
inline constexpr std::int16_t kExtBrutNone = 0;  // not offered
inline constexpr std::int16_t kExtBrutOff = 1;   // offered, off
inline constexpr std::int16_t kExtBrutOn = 2;    // offered, on (any value but 0 and 1 is on)

// SetApproche / GetApproche.
inline constexpr std::int16_t kApproachSafetyZ = 0;  // retract to safety Z, XY, plunge in Z
inline constexpr std::int16_t kApproachXYThenZ = 1;  // XY, then plunge in Z
inline constexpr std::int16_t kApproachZThenXY = 2;  // plunge in Z, then XY
inline constexpr std::int16_t kApproachXYZ = 3;      // XYZ together

// SetDegageZ / GetDegageZ: final retract to the safety Z.
inline constexpr std::int16_t kRetractNotOffered = -1;
inline constexpr std::int16_t kRetractOff = 0;
inline constexpr std::int16_t kRetractOn = 1;

// SetAccostage / GetAccostage: no engagement mode selected.
inline constexpr std::int16_t kNoEngagement = -1;
// SetAccostage: a retract distance above this means none; facing then reads back 999.
inline constexpr double kNoRetractDistanceAbove = 900;
inline constexpr double kNoRetractDistance = 999;

}  // namespace milling

// ---- milling panel: indexes of tabval (OperFraisage::SetPasses) --------------------------------
namespace tabval {

inline constexpr std::size_t kZsecu = 0;       // safety Z plane (GetZsecu)
inline constexpr std::size_t kGardeZ = 1;      // Z clearance of the approach (GetGardeZ)
inline constexpr std::size_t kPasse = 2;       // maximum pass depth (GetPasse)
inline constexpr std::size_t kDerpasse = 3;    // last pass depth (GetDerpasse)
inline constexpr std::size_t kSurepZ = 4;      // bottom allowance (GetSurepZ)
inline constexpr std::size_t kSurepXY = 5;     // side allowance (GetSurepXY)
inline constexpr std::size_t kDiam = 6;        // spotting, chamfer or hole diameter (GetDiam)
inline constexpr std::size_t kDepasse = 7;     // bottom overrun (GetDepasse)
inline constexpr std::size_t kProfondeur = 8;  // total depth to remove (GetProfondeur)
inline constexpr std::size_t kProfBrut = 9;    // depth when extended to the stock
inline constexpr std::size_t kProf = 10;       // the host's depth, shown in tProf
inline constexpr std::size_t kSize = 11;       // a table with every entry

}  // namespace tabval

// ---- turning panel: OperTournage::NumOp ---------------------------------------------------------
namespace turning {

inline constexpr std::int16_t kBarStop = 100;
inline constexpr std::int16_t kLongTurning = 101;
inline constexpr std::int16_t kFacing = 102;
inline constexpr std::int16_t kPartingOff = 103;
inline constexpr std::int16_t kCentring = 104;
inline constexpr std::int16_t kSpotting = 105;
inline constexpr std::int16_t kRoughing = 110;
inline constexpr std::int16_t kFinishing = 111;
inline constexpr std::int16_t kPlunge = 112;      // plunge turning (pocket) [T_POCHER_]
inline constexpr std::int16_t kPlungeAlt = 113;   // the same on the panel
inline constexpr std::int16_t kGroove = 120;      // grooving [T_GORGE_P]
inline constexpr std::int16_t kGrooveD = 121;     // grooving [T_GORGE_D]
inline constexpr std::int16_t kGrooveDAlt = 122;  // the same on the panel
inline constexpr std::int16_t kGrooveF = 123;     // grooving with strokes [T_GORGE_F]
inline constexpr std::int16_t kGrooveFAlt = 124;  // the same on the panel
inline constexpr std::int16_t kThreading = 130;
// Drilling: 140 to 149, the cycle is NumOp mod 5. The buttons give the first four cycles of
// each series (140 + i or 145 + i).
inline constexpr std::int16_t kDrill = 140;
inline constexpr std::int16_t kDrillCounterbore = 141;
inline constexpr std::int16_t kDrillChipBreak = 142;
inline constexpr std::int16_t kDrillPeck = 143;
inline constexpr std::int16_t kDrill2 = 145;
inline constexpr std::int16_t kDrill2Counterbore = 146;
inline constexpr std::int16_t kDrill2ChipBreak = 147;
inline constexpr std::int16_t kDrill2Peck = 148;
inline constexpr std::int16_t kChamfering = 150;
inline constexpr std::int16_t kCounterboring = 170;
inline constexpr std::int16_t kTapping = 180;

// Profile letters (the profil argument).
inline constexpr char kExternal[] = "E";
inline constexpr char kInternal[] = "I";
inline constexpr char kExternalFace[] = "B";  // face-side variant, read as external
inline constexpr char kInternalFace[] = "F";  // face-side variant

// Thread type letters (the TypeFilet argument, GetTypeFilet).
inline constexpr char kThreadIsoMetric[] = "M";
inline constexpr char kThreadPipe[] = "G";
inline constexpr char kThreadTrapezoidal[] = "T";
inline constexpr char kThreadRound[] = "R";

// Approach types (ti(1), GetTypeAppro).
inline constexpr std::int16_t kApproachZThenX = 10;
inline constexpr std::int16_t kApproachXThenZ = 11;
inline constexpr std::int16_t kApproachXZ = 12;
inline constexpr std::int16_t kApproachSafetyXThenZThenX = 13;  // external profiles only

}  // namespace turning

// ---- turning panel: indexes of td (OperTournage::SetOperTour) ----------------------------------
namespace td {

inline constexpr std::size_t kXsecu = 0;          // radial safety retract (GetXsecu)
inline constexpr std::size_t kZsecu = 1;          // axial safety retract (GetZsecu)
inline constexpr std::size_t kStockDiameter = 2;  // stock diameter
inline constexpr std::size_t kStockZ = 3;         // axial distance to the stock
inline constexpr std::size_t kBox0 = 4;           // initial text of parameter box 0
inline constexpr std::size_t kBox1 = 5;
inline constexpr std::size_t kBox2 = 6;
inline constexpr std::size_t kBox3 = 7;
inline constexpr std::size_t kBox4 = 8;
inline constexpr std::size_t kBox5 = 9;
inline constexpr std::size_t kBox6 = 10;
inline constexpr std::size_t kBox7 = 11;
inline constexpr std::size_t kAngle = 11;      // box 7; the angle of 104, 112, 113
inline constexpr std::size_t kDiameter = 12;   // the operation's main diameter
inline constexpr std::size_t kPitch = 13;      // thread / tapping pitch; 104 smallest diameter
inline constexpr std::size_t kDiameter2 = 14;  // 104 largest, 105 spot, 150 chamfer diameter
inline constexpr std::size_t kLength = 15;     // 130 cylinder, 170 / 180 depth; 104 box 2
inline constexpr std::size_t kSize = 16;       // a table with every entry

// The index of the initial text of parameter box i (0 to 7).
constexpr std::size_t box(std::size_t i) { return kBox0 + i; }

}  // namespace td

// ---- turning panel: indexes of ti (OperTournage::SetOperTour) ----------------------------------
namespace ti {

inline constexpr std::size_t kNumOp = 0;        // operation type code
inline constexpr std::size_t kTypeAppro = 1;    // approach type 10 to 13 (GetTypeAppro)
inline constexpr std::size_t kDegZsecu = 2;     // retract type (GetDegZsecu)
inline constexpr std::size_t kSensFilet = 3;    // thread hand / to-axis code (tbSensFilet)
inline constexpr std::size_t kNbPasse = 4;      // threading: number of passes (GetNbPasse)
inline constexpr std::size_t kTypeEbauche = 5;  // current direction 0..2 (GetTypeEbauche)
inline constexpr std::size_t kUsineGorge = 6;   // starts / groove variant / plunge mode
inline constexpr std::size_t kOption = 7;       // option value of the operation
inline constexpr std::size_t kSize = 8;         // a table with every entry

}  // namespace ti

// ---- selectors ---------------------------------------------------------------------------------
namespace avalant {
inline constexpr std::int16_t kHidden = -1;  // SetAvalant only
inline constexpr std::int16_t kConventional = 0;
inline constexpr std::int16_t kClimb = 1;
}  // namespace avalant

namespace sensrot {
// Directions.
inline constexpr std::int16_t kClockwise = -1;
inline constexpr std::int16_t kStopped = 0;
inline constexpr std::int16_t kCounterClockwise = 1;
// What configuration -1 writes back into the direction argument.
inline constexpr std::int16_t kNoDirection = -2;
// Configurations (OutilTournant, GetTournant).
inline constexpr std::int16_t kNone = -1;
inline constexpr std::int16_t kSpindle = 0;
inline constexpr std::int16_t kTool = 1;
inline constexpr std::int16_t kBothSpindleActive = 2;
inline constexpr std::int16_t kBothToolActive = 3;
}  // namespace sensrot

namespace arrosage {
inline constexpr std::int16_t kHidden = -1;
inline constexpr std::int16_t kOff = 0;
inline constexpr std::int16_t kCoolant1 = 1;
inline constexpr std::int16_t kCoolant2 = 2;
inline constexpr std::int16_t kBoth = 3;
}  // namespace arrosage

}  // namespace oru
