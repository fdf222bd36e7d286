#pragma once
namespace quarvel {

struct Partie;

// Draws the uneven heights of the user's 18 cards, with each hand he is given.
void tirerHauteursMain(Partie& jeu);
// A click on hand image i (1..24).
void cliquerCarteMain(Partie& jeu, int i);

} // namespace quarvel
