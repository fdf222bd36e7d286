#pragma once
// Creating the windows for a given screen: scale factors, rescaling of the drawn layout, the
// controls made at run time and the table layout.
#include "fenetres/modele/composant.h"
#include "fenetres/modele/controles.h"

#include <vector>

namespace quarvel {

struct Jeu;

struct Ecran {
    int largeur = 800;
    int hauteur = 600;
    int ppp = 96; // pixels per inch
};

// Sane figures for a screen the view could not measure.
Ecran ecranValide(Ecran e);
// M of the M : 800 rescaling: width x 96 / pixels per inch, truncated.
int rapportEchelle(Ecran e);
// echelleH = width / 800, echelleV = height / 600; the screen and M kept in jeu.disposition.
void calculerEchelles(Jeu& jeu, Ecran e);
// Rescales every control (position, size, font) by m : 800, edges rounded.
void reechelonner(std::vector<Controle>& liste, int m);

// Each creates one window from its drawn layout, rescaled for the screen.
void creerFenetreSplash(Jeu& jeu, Ecran e);
void creerFenetrePoignee(Jeu& jeu, Ecran e);
// Layout part of the main window's creation: rescale, run-time controls, menus, disposerTable.
void creerFenetreQuarvel(Jeu& jeu, Ecran e);

// Places what depends on the scale factors and fills jeu.disposition.
void disposerTable(Jeu& jeu);
// The table laid out again for another size (its window resized): every control's place and
// font follow the new size; everything else the presentation drew stays, and is drawn again.
void redisposerTable(Jeu& jeu, Ecran e);
// The screen whose 4:3 table is the largest that a client area of this size holds.
Ecran ecranPourClient(int largeur, int hauteur, int ppp);

} // namespace quarvel
