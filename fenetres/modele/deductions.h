#pragma once
// The deductions panel: what SUD can tell of the cards still out.

namespace quarvel {

struct Jeu;

// Refreshes the panel from SUD's knowledge tables.
void afficherDeductions(Jeu& jeu);
// A new deal: markers hidden, figures cleared.
void effacerDeductions(Jeu& jeu);

} // namespace quarvel
