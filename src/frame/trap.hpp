#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "oru/host.hpp"

// Failure traps. A procedure with a context label runs its body inside a trap: on any failure
// the error box is shown (critical icon, the title, the label alone or followed by "\r\n" and
// the failure's description) and the procedure ends, keeping what it had already done.
namespace oru {

inline constexpr std::string_view kTitleCtrl = "ERREUR ORUCtrl";
inline constexpr std::string_view kTitleCN = "ERREUR ORUCN";
inline constexpr std::string_view kTitleWarning = "AVERTISSEMENT ORUCN";

enum class Prompt { Label, LabelAndDescription };

// The description of the exception being handled; call only inside a catch block.
std::string CurrentFailureDescription();

void ShowErrorBox(Host& host, std::string_view title, std::string_view label, Prompt form,
                  std::string_view description);
void ShowWarningBox(Host& host, std::string_view prompt);
void ShowPlainBox(Host& host, std::string_view prompt);

// Runs `body`; on failure shows the error box and returns false. `label` is a text or a callable
// returning one, evaluated only when the failure is handled (for labels that carry a progress
// number or an index).
template <class Label, class Body>
bool Trap(Host& host, std::string_view title, Prompt form, Label&& label, Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (...) {
        try {
            const std::string description = CurrentFailureDescription();
            if constexpr (std::is_invocable_v<Label>) {
                ShowErrorBox(host, title, std::string(label()), form, description);
            } else {
                ShowErrorBox(host, title, std::string_view(label), form, description);
            }
        } catch (...) {
            // Showing the box itself failed (out of memory): nothing more can be done.
        }
        return false;
    }
}

}  // namespace oru
