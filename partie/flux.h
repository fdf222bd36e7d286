#pragma once
// The deal flow between gestures and timer ticks: the pace of the rules (partie/coeur.h).
#include "cartes/carte.h"

#include <optional>

namespace quarvel {

struct Partie;

// Lets a seat speak: a computer seat chooses now and the bidding timer shows its bid; the user
// gets the bid bar, with the bid his hand deserves as the advice.
void etapeEnchere(Partie& jeu, Siege siege);
// Tick of TimerEnchere: the pending computer bid is made and the turn passes on.
void tickEnchere(Partie& jeu);
// A bid chosen outside the game for the computer seat whose bid waits for the timer: PASSE, or
// above every bid before it; anything else passes.
void imposerEnchere(Partie& jeu, Contrat code);
// The user's bid, PASSE to GARDE CONTRE; one that does not beat the best bid is turned down
// (encheres.enchereRefusee).
void enchereJoueur(Partie& jeu, Contrat code);

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
// The seat's card, by the rules: put down and counted; after the fourth, the trick is scored,
// the deal too after the last, and the pause before the trick is gathered starts.
void jouerCarte(Partie& jeu, Siege siege, int slot);

} // namespace quarvel
