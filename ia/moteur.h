#pragma once
// The rule pass of the computer players.
#include "cartes/tableau.h"

namespace quarvel {

struct RegleDeclenchee {
    int regle = 0;
    int siege = 0;
};

struct MoteurRegles {
    Tableau<int, 100> etatRegle;
    Tableau<bool, 100> regleAleatoire;
    bool decisionPrise = false;
    // At most one per computer card: 54 in a deal.
    Tableau<RegleDeclenchee, 64> reglesDeclenchees;
    int nbReglesDeclenchees = 0;
};

} // namespace quarvel

namespace quarvel {

struct Jeu;

// The slot a computer seat plays, among its cartesJouables.
int jouerOrdinateur(Jeu& jeu, int siege);

} // namespace quarvel
