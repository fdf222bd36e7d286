#pragma once
namespace quarvel {

struct Jeu;

// Starts a deal (the same cards and first speaker again when `rejouer`), dropping any deal in
// progress, and opens the bidding.
void nouvelleDonne(Jeu& jeu, bool rejouer);
// Clears the table for a new deal: windows, panels, figures, timers.
void effacerTable(Jeu& jeu);

} // namespace quarvel
