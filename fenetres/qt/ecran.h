#pragma once
// The screen the game lays itself out on.
#include "fenetres/modele/creation.h"

#include <QSize>

namespace quarvel::qt {

// The table is drawn for a 4:3 screen: on a wider one the game takes the widest 4:3 area of the
// screen's height, so cards keep their shape and the bottom panels stay on screen; the view
// centres that area in the window.
Ecran ecranDeJeu(QSize taille, double pointsParPouce);

// The program's look, for the program and its widget tests alike: Qt's Fusion style under the
// program's own style sheet.
void appliquerStyle();

} // namespace quarvel::qt
