#pragma once
#include "cartes/donne.h"

#include <string>

// The parts of the windows that follow from the game state alone, drawn again after each event
// as the view re-syncs its widgets: the rules change the state, these show it.
namespace quarvel {

struct Jeu;

// Everything the windows show of the game, after a gesture or a tick (`avant`: the phase
// before it). What moved since the last time decides what opens or closes: a new deal closes
// the review windows, a deal scored shows its result, SUD's bid bar opening gives the advice
// the keys.
void presenter(Jeu& jeu, Phase avant);
// "Donne n° …" / "Deal #…": the deal's number, on the table and on printed pages.
std::string libelleDonne(const Jeu& jeu);
// The game's timers copied into the window model, for whoever reads them there.
void montrerMinuteries(Jeu& jeu);

} // namespace quarvel
