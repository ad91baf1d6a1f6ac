#pragma once

#include <QImage>
#include <QPointF>
#include <memory>
#include <optional>
#include <string_view>

#include "oru/host.hpp"

// A tool picture library that draws a schematic of each turning tool from its code, for the
// tool pictures of the turning panel. A host installs it with
// `host.setToolPictureLibrary(std::make_shared<oru::qt::ToolPictures>())`.
//
// Tool codes have at least 7 characters: two digits for the family, then free characters
// ("10_TECHA"). The family says what the tool is and from which side it works:
//
//   10 / 11  external turning tool, right hand / left hand (80-degree insert)
//   12 / 13  external copying tool, right hand / left hand (35-degree insert)
//   15 / 16  boring bar, right hand / left hand
//   17       internal copying bar
//   20 / 21  external grooving tool, right hand / left hand
//   22       parting blade
//   23       external full-radius grooving tool
//   25       internal grooving bar
//   26       face grooving tool
//   30 / 32  external threading tool, right hand / left hand
//   31       internal threading bar
//   40 41 42 43  radial driven tools (working across the axis): drill, spot drill, tap, end mill
//   44 45 46 47 48 49  axial tools (on the spindle axis): drill, centre drill, spot drill, tap,
//                      counterbore, countersink
//   50       knurling tool (the family-50 provider)
//   52       external form tool
//   55       bar stop, "55_BUTE" (the family-55 provider)
//
// For the turning families 10 to 13, characters 6 and 7 may name another cutting edge on the
// same holder: "G" a grooving insert, "TR" a parting blade ("10_TETRP"), "PR" a full-radius
// profiling insert. Characters 4 and 5 ("TE" external, "TI" internal) and the rest of the code
// play no part in the drawing. Any other family, a code shorter than 7 characters or one that
// does not start with two digits is unknown: the providers return nothing for it.
//
// Each provider answers only for its own families: the family-50 provider for family 50, the
// family-55 provider for family 55, the general provider for every other known family.
//
// Pictures are 80 x 80 logical pixels drawn at 2x (160 x 160 pixels), on a transparent
// background, tool holders up or right, cutting edge towards the part: right-hand external tools
// cut at the bottom left corner, left-hand ones at the bottom right, grooving, parting and
// threading tools at the bottom middle, boring and internal tools at the top of their left end,
// axial tools at the middle of the left side and radial tools at the middle of the bottom side.
//
// The drawings themselves are artwork: one SVG file per shape in resources/tools/, drawn for the
// right hand. Only what follows from the code is code: which drawing a family and its edge
// letters name, the mirror image of a left-hand tool, the quarter turn of a radial tool, and
// which provider answers.
namespace oru::qt {

class ToolPictures final : public oru::ToolPictureLibrary {
public:
    static constexpr int kLogicalSize = 80;
    static constexpr int kScale = 2;

    std::unique_ptr<oru::ToolPictureProvider> create(oru::ToolFamilyProvider which) override;

    // Whether the code names a tool the library draws, and which provider answers for it.
    static bool knows(std::string_view code);
    static std::optional<oru::ToolFamilyProvider> providerOf(std::string_view code);

    // The drawing of a known tool (160 x 160, ARGB), or nothing.
    static std::optional<QImage> image(std::string_view code);
    // Where the tool cuts, in logical pixels of its 80 x 80 picture: the point that a sketch of
    // an operation reaches with the tool path.
    static std::optional<QPointF> cuttingPoint(std::string_view code);
};

}  // namespace oru::qt
