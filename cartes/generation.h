#pragma once
// Making a deal: shuffle, deal by threes with the dog, check, evaluate, filter by the user's
// hand-strength options, sort.
#include "cartes/aleatoire.h"
#include "cartes/donne.h"

namespace quarvel {

// The contract a hand deserves; the bidding layer judges hands, the deal only asks.
using EvaluationMain = Contrat (*)(const Donne& donne, Siege siege);

// What a new deal must satisfy beyond the rules of the deal: the user's hand-strength options.
struct OptionsDonne {
    EvaluationMain evaluer = nullptr;
    int forceMain = 0; // optionForceMain: 1 PASSE, 3..6 PRISE..GARDE CONTRE, otherwise free
    bool auMoinsUneMainDePrise = false;
};

// The order of the pack for a deal, kept for a replay.
using Paquet = Tableau<int, 78>;

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

// Where the deal puts a position of the pack: a seat and hand slot, or Siege::Aucun and dog slot.
struct PlaceDonnee {
    Siege siege;
    int slot;
};
PlaceDonnee placeDeLaPosition(int position);

// Shuffles the pack: 717 exchanges of two positions drawn in 1..78.
void melanger(Paquet& paquet, Aleatoire& alea);
// Deals the pack into the hands and the dog, every card in hand.
void distribuer(const Paquet& paquet, Donne& d);
// Runs every check on the cards dealt and fills encheresMeritees; true when none refused.
bool examinerCandidat(Donne& d, const OptionsDonne& options, bool rejouer);
// One candidate deal; true when accepted (a replay always is).
bool faireCandidat(Donne& d, Paquet& paquet, Aleatoire& alea, const OptionsDonne& options,
                   bool rejouer);
// The cards of a new deal, or those of the previous one again when rejouer; returns the number
// of candidates drawn.
int produireDonne(Donne& d, Paquet& paquet, Aleatoire& alea, const OptionsDonne& options,
                  bool rejouer);

} // namespace quarvel
