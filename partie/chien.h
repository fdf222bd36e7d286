#pragma once
// The dog and the discard in the flow of a deal.

namespace quarvel {

struct Partie;

// The bidding concluded: a dog on show at PRISE and GARDE gets its cards' uneven heights.
void montrerChien(Partie& jeu);
// Puts the dog away: through the go-on gesture, or by a click on a dog card.
void retirerChien(Partie& jeu, bool parClicChien);
// The user's discard confirmed: play starts.
void confirmerEcart(Partie& jeu);

} // namespace quarvel
