#include "oru/texts.hpp"

namespace oru {
namespace {

// clang-format off
constexpr FixedText kTexts[] = {
    // titles of the boxes
    {"Messages", "ERREUR ORUCtrl"},
    {"Messages", "ERREUR ORUCN"},
    {"Messages", "AVERTISSEMENT ORUCN"},
    // labels of the milling panel's procedures
    {"Messages", "Affectation des passes"},
    {"Messages", "Calcul des passes"},
    {"Messages", "Changement de valeur"},
    {"Messages", "Extension au brut"},
    {"Messages", "Initialisation accostage"},
    {"Messages", "Initialisation des passes"},
    {"Messages", "Initialisation des trous"},
    {"Messages", "Retour accostage"},
    {"Messages", "Retour angle de balayage"},
    {"Messages", "Retour de valeur %1"},
    {"Messages", "Retour dégagement"},
    {"Messages", "Retour recouvrement"},
    {"Messages", "Retour type accostage"},
    {"Messages", "Sélection accostage"},
    {"Messages", "Sélection d'un trou : erreur=%1"},
    // labels of the turning panel's procedures
    {"Messages", "Initialisation opération Tournage"},
    {"Messages", "Sélection du type d'approche"},
    {"Messages", "Sélection du type de dégagement"},
    {"Messages", "Affichage opération TOURNAGE"},
    {"Messages", "Initialisation image outil"},
    {"Messages", "Sélection du sens d'usinage"},
    {"Messages", "Usinage jusqu'à l'axe"},
    {"Messages", "Sélection du pas du filetage"},
    {"Messages", "Sélection d'un filet"},
    {"Messages", "Sélection de la page FILETAGE"},
    {"Messages", "Sélection de l'option d'usinage"},
    {"Messages", "Sélection du type de perçage"},
    {"Messages", "Lecture du fichier %1"},
    // warnings and plain boxes
    {"Messages", "Dépassement de fond incorrect : USINAGE IMPOSSIBLE"},
    {"Messages", "Surépaisseur de fond incorrecte : USINAGE IMPOSSIBLE"},
    {"Messages", "Fichier %1 non trouvé"},
    // descriptions of failures
    {"Messages", "Dépassement de capacité"},
    {"Messages", "Division par zéro"},
    {"Messages", "Type incompatible"},
    {"Messages", "L'indice n'appartient pas à la sélection"},
    {"Messages", "Valeur de propriété non valide"},
    {"Messages", "L'entrée dépasse la fin du fichier"},
    {"Messages", "Fichier introuvable : %1"},
    {"Messages", "Image non valide : %1"},
    {"Messages", "La ressource '%1' est introuvable"},
    {"Messages", "Contrôle '%1' introuvable"},
    {"Messages", "L'élément '%1' du groupe de contrôles '%2' n'existe pas"},
    {"Messages", "Accès refusé au fichier %1"},
    {"Messages", "Erreur d'entrée/sortie de fichier"},
    {"Messages", "Erreur d'entrée/sortie sur le fichier %1"},
    {"Messages", "Fichier trop volumineux"},
    {"Messages", "Fichier trop volumineux : %1"},
    {"Messages", "Le fichier n'est pas un fichier texte"},
    {"Messages", "Ligne trop longue dans le fichier"},
    {"Messages", "Trop de filets dans le fichier"},
    {"Messages", "La bibliothèque des images d'outils n'est pas disponible"},
    {"Messages", "La bibliothèque des images d'outils n'a pas créé l'objet"},
    {"Messages", "Mémoire insuffisante"},
    {"Messages", "Erreur inattendue"},
    // the pass summary of the turning panel and the thread list
    {"OperTournage", "0 passe"},
    {"OperTournage", "1 passe=%1"},
    {"OperTournage", "%1 passes=%2"},
    {"OperTournage", "1° passe=%1 + 1 passe=%2"},
    {"OperTournage", "1° passe=%1 + %2 passes=%3"},
    {"OperTournage", "erreur"},
    {"OperTournage", "%1\tpas=%2\t%3"},
};
// clang-format on

}  // namespace

std::span<const FixedText> FixedTexts() { return kTexts; }

}  // namespace oru
