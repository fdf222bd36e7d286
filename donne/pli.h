#pragma once
// The rules of one trick on the deal record: which cards may be played, what a card put down
// changes, and the count when the fourth card is down. No window is touched here.
#include "cartes/donne.h"

namespace quarvel {

// Fills cartesJouables[s] and raisonsJouables[s] (every seat's codes reset to Raison::Suit first).
void calculerJouables(Donne& d, Siege s);
// Puts the card of that slot on the table; the caller then counts it in pli.nbCartesJouees.
void poserCarteDansPli(Donne& d, Siege s, int slot);
// Scores the complete trick: winner, points and bouts by camp, the Excuse, the last trick with
// the dog and the Petit au bout, the points needed. Returns the winner, who leads next.
Siege compterFinDePli(Donne& d);

// Whether card t takes the trick from the winning card w: a higher card of w's suit, a trump
// over a plain card, any card over a winning Excuse. The end of a trick and the computer
// players' view of the trick so far both compare this way.
constexpr bool prendLaMain(const Carte& t, const Carte& w) {
    return (t.couleur == w.couleur && t.valeur > w.valeur) || (estAtout(t) && w.couleur != ATOUT) ||
           estExcuse(w);
}

// Winner of the four cards of the trick led by entame.
Siege gagnantDuPli(const Pli& pli);

} // namespace quarvel
