#pragma once

// The list of picture files the panels ask for, with what each file must show: for every name,
// the panel states in which it is shown (where the value boxes and labels stand over it). The
// catalogue is learnt by driving the two panels headless through every operation type, profile
// and option, and by the naming rules of the pictures loaded without an existence test.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace oru::picgen {

// A rectangle in twips, relative to the top left corner of the picture widget.
struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const Rect&) const = default;
    bool operator<(const Rect& o) const {
        if (x != o.x) return x < o.x;
        if (y != o.y) return y < o.y;
        if (w != o.w) return w < o.w;
        return h < o.h;
    }
};

// A widget laid over a picture: a value box ("0" to "8": the box of that index), a stock label
// ("D" diameter, "X" radial, "Z" axial), the tool picture ("T"), or a button ("bSens", ...).
struct Overlay {
    std::string what;
    Rect rect;
    bool operator<(const Overlay& o) const {
        if (what != o.what) return what < o.what;
        return rect < o.rect;
    }
    bool operator==(const Overlay&) const = default;
};

enum class Kind {
    Turning,      // operation sketch of the turning panel, in the folder itself
    Thread,       // thread picture "Filet_..." of threading and tapping
    Plunge,       // plunge picture "T_POCHE_P..."
    Milling,      // operation picture of the milling panel
    Engagement,   // engagement picture of the milling panel
    MillingTool,  // tool picture "OP_..." of the milling panel
};

// One state of a panel in which the picture is shown.
struct Shown {
    int op = 0;          // NumOp or Typoper
    std::string profil;  // turning profile letter
    std::string option;  // OptionUsinage (turning), "" for milling
    std::string suffix;  // turning suffix ("X", "Z", "m", "p", "")
    bool firstDirection = true;
    bool toAxis = false;      // turning: the to-axis stem
    bool debouchant = false;  // milling
    int attrImage = 0;        // milling
    int entry = -1;           // engagement index
    std::string tool;         // the tool code of the set-up
    std::vector<Overlay> overlays;
};

struct Job {
    std::string file;  // path relative to the folder, "/" separated, with its extension
    std::string stem;  // the name without folder nor extension, in the case the code gives it
    Kind kind = Kind::Turning;
    int widthTwips = 0, heightTwips = 0;
    std::vector<Shown> shown;  // at least one entry for the pictures learnt from the panels
};

// Sample tool names of the milling tool pictures, with what each stands for.
struct SampleTool {
    const char* name;
    const char* meaning;
};
extern const SampleTool kSampleMillingTools[];
extern const std::size_t kSampleMillingToolCount;

// Drives both panels over `folder` (which must already hold the thread and plunge pictures, so
// that the set-ups run to their end) and returns every picture they look up, sorted by file.
// No thread table is needed: a missing table only shows a plain message, and the pitches it
// would offer play no part in the picture names.
std::vector<Job> LearnFromPanels(const std::string& folder);

// The thread and plunge pictures, which the turning panel loads without asking first whether
// they exist, so that their names come from the naming rules rather than from a recording.
std::vector<Job> ThreadAndPlungePictures();

}  // namespace oru::picgen
