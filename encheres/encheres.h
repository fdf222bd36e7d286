#pragma once
namespace quarvel {

struct Jeu;

// Lets a seat speak: a computer bid waits for the bidding timer, the user gets the bid bar.
void etapeEnchere(Jeu& jeu, int siege);
// Tick of TimerEnchere: shows the pending computer bid and passes the turn on.
void tickEnchere(Jeu& jeu);
// The user's bid, 0..4.
void enchereJoueur(Jeu& jeu, int code);
void finEncheres(Jeu& jeu);
// The seat that bid last, with contrat set; premierParlant with 0 when all passed.
int trouverPreneur(Jeu& jeu);

} // namespace quarvel
