#pragma once

#include <string>
#include <string_view>

#include "oru/error.hpp"

// The failures the frame and the panels raise, each with the description the error box shows
// after the context label. Descriptions are in French, like every text of the panels.
namespace oru::fail {

[[noreturn]] inline void raise(const std::string& description) { throw Error(description); }

[[noreturn]] inline void overflow() { raise("Dépassement de capacité"); }
[[noreturn]] inline void divisionByZero() { raise("Division par zéro"); }
[[noreturn]] inline void typeMismatch() { raise("Type incompatible"); }
[[noreturn]] inline void subscriptOutOfRange() {
    raise("L'indice n'appartient pas à la sélection");
}
[[noreturn]] inline void invalidPropertyValue() { raise("Valeur de propriété non valide"); }
[[noreturn]] inline void inputPastEnd() { raise("L'entrée dépasse la fin du fichier"); }

[[noreturn]] inline void fileNotFound(std::string_view path) {
    raise("Fichier introuvable : " + std::string(path));
}
[[noreturn]] inline void invalidPicture(std::string_view path) {
    raise("Image non valide : " + std::string(path));
}
[[noreturn]] inline void resourceNotFound(std::string_view name) {
    raise("La ressource '" + std::string(name) + "' est introuvable");
}
[[noreturn]] inline void noSuchWidget(std::string_view name) {
    raise("Contrôle '" + std::string(name) + "' introuvable");
}
[[noreturn]] inline void noSuchArrayElement(std::string_view name, int index) {
    raise("L'élément '" + std::to_string(index) + "' du groupe de contrôles '" + std::string(name) +
          "' n'existe pas");
}

}  // namespace oru::fail
