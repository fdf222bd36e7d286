#pragma once
// The parts of the windows that follow from the game state alone, drawn again after each event
// as the view re-syncs its widgets: the rules change the state, these show it.
namespace quarvel {

struct Jeu;

// Every part below, after a gesture or a tick.
void montrerJeu(Jeu& jeu);
// Once a new deal is dealt, the windows that looked back at the deal dropped and its result
// close; first, before what the event leaves due.
void montrerNouvelleDonne(Jeu& jeu);
// The game's timers copied into the window model, for whoever reads them there.
void montrerMinuteries(Jeu& jeu);

} // namespace quarvel
