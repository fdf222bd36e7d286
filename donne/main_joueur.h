#pragma once
namespace quarvel {

struct Jeu;

// Draws the uneven heights of the user's 18 cards, with each hand he is given.
void tirerHauteursMain(Jeu& jeu);
// A click on hand image i (1..24).
void cliquerCarteMain(Jeu& jeu, int i);

} // namespace quarvel
