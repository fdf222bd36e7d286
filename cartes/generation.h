#pragma once
// Making a deal: shuffle, deal by threes with the dog, check, evaluate, filter by the user's
// hand-strength options, sort.
#include "cartes/donne.h"

namespace quarvel {

struct Jeu;

// Selection sort on (suit ascending, value descending): trumps from the 21 down, the Excuse last
// among them, then PIQUE, COEUR, TREFLE, CARREAU from the Roi down.
template <int N> void trierCartes(Tableau<Carte, N>& cartes) {
    for (int i = 1; i < N; ++i) {
        int m = i;
        for (int j = i + 1; j <= N; ++j)
            if (avant(cartes[j], cartes[m])) m = j;
        if (m != i) {
            Carte c = cartes[i];
            cartes[i] = cartes[m];
            cartes[m] = c;
        }
    }
}
inline void trierMain(MainJoueur& main) {
    trierCartes(main);
}
inline void trierChien(Chien& chien) {
    trierCartes(chien);
}

// Where the deal puts a position of the pack: seat 1..4 and hand slot, or seat 0 and dog slot.
struct PlaceDonnee {
    int siege;
    int slot;
};
PlaceDonnee placeDeLaPosition(int position);

// Shuffles jeu.paquet: 717 exchanges of two positions drawn in 1..78.
void melanger(Jeu& jeu);
// Deals jeu.paquet into the hands and the dog, every card in hand.
void distribuer(Jeu& jeu);
// Runs every check on the cards dealt and fills encheresMeritees; true when none refused.
bool examinerCandidat(Jeu& jeu, bool rejouer);
// One candidate deal; true when accepted (a replay always is).
bool faireCandidat(Jeu& jeu, bool rejouer);
// The cards of a new deal, or those of the previous one again when rejouer.
void produireDonne(Jeu& jeu, bool rejouer);

} // namespace quarvel
