#pragma once
#include "cartes/tableau.h"
#include "cartes/version.h"

#include <string>

namespace quarvel {

constexpr int LANGUE_AUCUNE = 0;
constexpr int FRANCAIS = 1;
constexpr int ANGLAIS = 2;

inline const std::string VERSION = VERSION_PRODUIT;
inline const std::string PRODUIT = PRODUIT_ET_VERSION;

struct Textes {
    int langue = LANGUE_AUCUNE;
    Tableau<std::string, 4> nomsJoueurs;
    Tableau<std::string, 5, 0> nomsEncheres;
    Tableau<std::string, 5> nomsNiveaux;
    std::string motConseil;
    std::string fichierAide;
    std::string dossierProgramme; // where the help pages are
};

// The French text, the English text, or nothing before the choice.
inline const char* texte(const Textes& t, const char* fr, const char* en) {
    return t.langue == FRANCAIS ? fr : t.langue == ANGLAIS ? en : "";
}

} // namespace quarvel
