#pragma once
// The parts of the windows that follow from the game state alone, drawn again after each event
// as the view re-syncs its widgets: the rules change the state, these show it.
namespace quarvel {

struct Jeu;

// Every part below, after a gesture or a tick.
void montrerJeu(Jeu& jeu);
// The game's timers copied into the window model, for whoever reads them there.
void montrerMinuteries(Jeu& jeu);

} // namespace quarvel
