#pragma once
#include "cartes/generation.h"

#include <cstdint>

namespace quarvel {

struct Partie;

// What a new deal must satisfy under the user's hand-strength options.
OptionsDonne optionsDonne(const Partie& jeu);
// The cards of a new deal (or the same again when `rejouer`) under the user's hand-strength
// options, from the game's random source; counts the candidates drawn.
void produireDonne(Partie& jeu, bool rejouer);
// Starts a deal (the same cards and first speaker again when `rejouer`), dropping any deal in
// progress, and opens the bidding. A new deal after chosen ones goes on where the game's own
// deals stopped.
void nouvelleDonne(Partie& jeu, bool rejouer);
// Starts the deal of that number: the cards a new deal from that random state has.
void nouvelleDonneNumero(Partie& jeu, std::uint32_t numero);
// The random state the game's own deals go on from: what the next run deals from.
std::uint32_t graineDesDonnes(const Partie& jeu);
// Clears the table for a new deal: the score panels, the timers, and leaves the windows of the
// deal dropped for the presentation to close.
void effacerTable(Partie& jeu);

} // namespace quarvel
