#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QStringList>
#include <string_view>

// The artwork of the library's picture resources, drawn from the SVG files embedded in the Qt
// layer. Resource names are matched without regard to letter case; toolbox bitmaps are named by
// their number ("30000" to "30004").
namespace oru::qt {

// Nominal size of a resource in logical pixels: icons 32 x 32, bitmaps 36 x 36, toolbox
// bitmaps 16 x 15; an empty size for a name the catalogue does not know.
QSize resourceSize(std::string_view name);

// The resource rendered at its nominal size for the given device pixel ratio (the pixmap carries
// that ratio, so it is crisp on high-dpi screens). A catalogue name without artwork renders as a
// neat placeholder tile showing the name; an unknown name gives a null pixmap.
QPixmap resourcePixmap(std::string_view name, qreal devicePixelRatio = 1.0);

// The resource as an icon that renders crisply at any size and scale.
QIcon resourceIcon(std::string_view name);

// Whether the resource has embedded artwork (an SVG file named after it).
bool hasArtwork(std::string_view name);

// The names of every embedded SVG, upper case, sorted.
QStringList artworkNames();

}  // namespace oru::qt
