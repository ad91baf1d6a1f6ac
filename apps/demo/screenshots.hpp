#pragma once

#include <QString>

namespace demo {

class DemoWindow;

// The demo's screenshots for the documentation: each turning family, the threading details
// page, milling pocket, contour, facing and a hole cycle, the selectors and the whole window,
// all in French, then the threading and the pocket panels again with a dark palette ("-dark"),
// and the threading panel, its details page and the pocket in English ("-en"). Written into
// `dir` as PNG files, offscreen or on a display; 0 when every file was written.
int writeScreenshots(DemoWindow& window, const QString& dir);
// The same two panels at the screen's scale ("2x-" files when the program runs with
// QT_SCALE_FACTOR=2): fonts and pictures drawn at that scale.
int writeScaledScreenshots(DemoWindow& window, const QString& dir);

}  // namespace demo
