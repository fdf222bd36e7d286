#pragma once
// The dispatcher: the view hands it each gesture (gestes.h), then copies the model back onto its
// widgets.
#include "fenetres/modele/gestes.h"

namespace quarvel {

struct Jeu;

void traiterEvenement(Jeu& jeu, Evenement e);

} // namespace quarvel
