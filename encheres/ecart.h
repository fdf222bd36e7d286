#pragma once
#include "cartes/carte.h"

namespace quarvel {

struct Jeu;

// Neither a trump (the Excuse included) nor a Roi: the only cards a discard may hold.
bool ecartable(const Carte& c);

// The taker is known: the dog is shown at PRISE and GARDE, left alone otherwise.
void montrerChien(Jeu& jeu);
// Puts the dog away: through the go-on gesture, or by a click on a dog card.
void retirerChien(Jeu& jeu, bool parClicChien);
// The taker's hand and the dog merged into one sorted row of 24 (jeu.ecart.rangeeEcart).
void fusionnerRangee(Jeu& jeu);
// The computer's choice on jeu.ecart (garderCarte 0 = set aside), without touching the deal;
// during the user's discard his selection is left as it is, so the positions set aside can be
// clicked.
void choisirEcartOrdinateur(Jeu& jeu);
// The computer taker's whole discard.
void ecartOrdinateur(Jeu& jeu);
// The user's discard: the row of 24 cards.
void proposerEcart(Jeu& jeu);
void choisirCarteEcart(Jeu& jeu, int position);
void confirmerEcart(Jeu& jeu);
// Where each discard card came from: hand slot as dealt, or 18 + dog slot.
void calculerOrigineEcart(Jeu& jeu);

} // namespace quarvel
