#pragma once

// Drives every control through what a host and a user can make it show, for the tools and tests
// that must see every text of the panels (the translation catalogue): every operation type,
// profile, thread type and picture variant, every button clicked from each set-up (and again from
// the state it leads to), the threading details page and its lists, the engagement modes, the
// selectors' states, and the message boxes a user or a host can cause (a value too large typed
// in each box, thread tables or picture files missing or unreadable, codes out of range). Uses
// the public interface of the controls only.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "oru/oru.hpp"

namespace oru::textsweep {

struct Folders {
    std::string pictures;  // a complete picture folder (the sample pictures of the build)
    std::string dirSld;    // a folder with the thread tables under user/
};

// Called after every step with the control and its host (whose message boxes it may read and
// clear). The control goes once the call returns.
using Visit = std::function<void(Panel& panel, Host& host)>;

void SweepTurning(const Folders& folders, const Visit& visit);
void SweepMilling(const Folders& folders, const Visit& visit);
void SweepSelectors(const Visit& visit);
// The boxes of failures: each control in states where its procedures fail and show their box.
void SweepFailures(const Folders& folders, const Visit& visit);
// All of the above.
void SweepAll(const Folders& folders, const Visit& visit);

// One text a visible widget shows: its caption, tooltip, text (combo boxes and labels), or one
// of its list items.
struct Shown {
    const Widget* widget;
    std::string_view what;  // "caption", "tooltip", "text" or "item"
    std::string text;
};
// Every text on the visible widgets of a control (and of the controls hosted in it), with the
// control each belongs to.
std::vector<Shown> VisibleTexts(const Panel& panel);

}  // namespace oru::textsweep
