#pragma once
// The contract a hand deserves, from a fixed score of its 18 cards. Deterministic: no level,
// position or earlier bid enters it.
#include "cartes/donne.h"

namespace quarvel {

// Weight of one card in the hand score.
int poidsCarte(const Carte& c);

// What the evaluation reads of a hand.
struct MesureMain {
    int atoutsExcuse = 0; // N: trumps, the Excuse included
    int atouts = 0;       // T: trumps without the Excuse
    int hauts = 0;        // H: trumps 13..21
    int bouts = 0;        // B
    bool a21 = false;
    int score = 0; // S
};

MesureMain mesurerMain(const MainJoueur& main);
// Contract code 0 (PASSE) .. 4 (GARDE CONTRE) for the measured quantities.
Contrat contratMerite(const MesureMain& m);

// Contract code deserved by a hand.
Contrat evaluerMain(const MainJoueur& main);
Contrat evaluerMain(const Donne& donne, Siege siege);

} // namespace quarvel
