#pragma once

#include <span>
#include <string_view>

namespace oru {

// One fixed text of the controls: where it shows ("Messages" for the message boxes, else the
// class name of the control whose widgets show it) and the French text, with %1, %2... where a
// text built from a fixed part carries values ("Fichier %1 non trouvé", "1° passe=%1 + %2
// passes=%3").
struct FixedText {
    std::string_view context;
    std::string_view text;
};

// The texts of the message boxes (titles, the label of every procedure that shows one, every
// description of a failure) and the texts the panels build from values: what driving the
// controls through their operations does not reliably show. For translation tools and their
// tests; the captions, tooltips and list items of the widgets are seen by driving the controls.
std::span<const FixedText> FixedTexts();

}  // namespace oru
