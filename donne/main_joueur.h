#pragma once
namespace quarvel {

struct Jeu;

// Lays out and draws the user's 18 cards.
void afficherMain(Jeu& jeu);
// A click on hand image i (1..24).
void cliquerCarteMain(Jeu& jeu, int i);
// Hand cursor over the user's playable cards, no-drop over the others.
void curseursMain(Jeu& jeu);

} // namespace quarvel
