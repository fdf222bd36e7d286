#pragma once
// The deal flow between gestures and timer ticks.
#include "cartes/carte.h"

#include <optional>

namespace quarvel {

struct Partie;

// The go-on gesture: a click on the table, the window or a bid panel, the space bar, the
// transition timer.
void continuer(Partie& jeu);
// The next seat's turn comes after one card-speed interval.
void relancerJeu(Partie& jeu);
// A computer seat with no legal card: the deal cannot go on.
struct Blocage {
    Siege siege = Siege::Aucun;
};

// One tick of the card timer: one seat's turn. The deal is left in DonneBloquee when a computer
// seat finds no card to play.
std::optional<Blocage> tourSuivant(Partie& jeu);
// A card has been put down: count it, then the next seat or the end of the trick.
void apresCarteJouee(Partie& jeu);

} // namespace quarvel
