#pragma once
// The layout of each window as drawn for an 800 x 600 screen, before any scaling, with the
// state every control has when the window is created.
#include "fenetres/modele/fenetres.h"

namespace quarvel {

// The table window's client area in the 800 x 600 design: the rest goes to title and menus.
constexpr int HAUTEUR_CLIENT_DESSIN = 534;
// The smallest client area the table window takes: every caption of the table is whole there.
constexpr int LARGEUR_CLIENT_MIN = 720;
constexpr int HAUTEUR_CLIENT_MIN = (LARGEUR_CLIENT_MIN * HAUTEUR_CLIENT_DESSIN + 799) / 800;

// The points the taker still needs stand out in this colour until a taker gives his own.
constexpr int COULEUR_POINTS_A_FAIRE = couleurRGB(0xFFFF80);

// Seat colours shared by the taker frame, the bid bubble and the score panel (0x00BBGGRR).
int couleurSiege(Siege siege);

void dessinSplash(TfrmSplash& f);
void dessinQuarvel(TfrmQuarvel& f);
void dessinPoignee(TfrmPoignee& f);

} // namespace quarvel
