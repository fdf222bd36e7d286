#pragma once
// Start of the program: every window created, settings loaded, the start-up screen waiting
// for the language.
#include "fenetres/modele/creation.h"

#include <string>

namespace quarvel {

struct Jeu;
class MagasinReglages;
class Plateforme;

void demarrerJeu(Jeu& jeu, Ecran ecran, MagasinReglages* magasin, Plateforme* plateforme,
                 const std::string& dossierProgramme);

// The two buttons of the start-up screen: FRANCAIS or ANGLAIS.
void choisirLangue(Jeu& jeu, int langue);

} // namespace quarvel
