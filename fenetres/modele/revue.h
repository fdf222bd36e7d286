#pragma once
// The four review windows of a deal: the previous trick, all 18 tricks with their replay, the
// four hands with the dog and the discard, and the detailed score sheet.
//
// Geometry of children is relative to their parent: the hand images and the frames whose
// `parentCadre` is 1..4 sit in `PanelsMains[s]`; the dog images, the frames of parent 5 and the
// label `PanelChien` in `PanelChienAvantEcart`; the discard images and `PanelEcart` in
// `PanelChienApresEcart`; `panelLecture` in `PanelPasApas`. Everything else sits in its window.
// A frame of the hands window changes parent with each filling (`parentCadre`): the view
// re-parents it. Frames are outlines in `couleur`, 2 pixels wide, with a clear inside.
// The all-tricks, hands and score windows are modal; the previous-trick window is not.
// The close box of a review window is forwarded as the window's OK gesture.
// `TousPlisPas` shows one card more, as each tick of the replay timer does.
#include "fenetres/modele/composant.h"
#include "fenetres/modele/controles.h"
#include "fenetres/modele/gestes.h"
#include "fenetres/modele/plateforme.h"

#include <string>

namespace quarvel {

struct Jeu;

// Creates the four windows once, at start-up, after the main window.
void creerFenetresRevue(Jeu& jeu);

// Handles the gestures of the review windows and the main-window commands that open them or
// show the running scores; false when the gesture is not one of them.
bool traiterEvenementRevue(Jeu& jeu, Evenement e);

// Openings from the main window.
void montrerPliPrecedent(Jeu& jeu);
void ouvrirTousPlis(Jeu& jeu);
void ouvrirMains(Jeu& jeu);
void ouvrirScoreDetaille(Jeu& jeu);

// The all-tricks window's replay.
void remplirTousPlis(Jeu& jeu);
void effacerTousPlis(Jeu& jeu);
void lectureTousPlis(Jeu& jeu); // play/pause
void pasTousPlis(Jeu& jeu);     // one card more
void tickTousPlis(Jeu& jeu);
void arriereTousPlis(Jeu& jeu);
void voirToutTousPlis(Jeu& jeu);
void fermerTousPlis(Jeu& jeu);

void remplirMains(Jeu& jeu);

// Printing and colours of the three modal windows.
enum class FenetreRevue { TousPlis, Mains, ScoreDetaille };
void imprimerRevue(Jeu& jeu, FenetreRevue f);
// Prints a window under a title line; with no printer, says so and offers a PDF file instead.
void imprimerFenetre(Jeu& jeu, FenetreImprimee fenetre, const std::string& titre);
// The name a PDF of that window is offered under: after the deal, or after the window.
std::string nomFichierPdf(const Jeu& jeu, FenetreImprimee fenetre);
void couleurRevue(Jeu& jeu, FenetreRevue f);

// The windows as flat lists of controls, window first, each child after its parent.
std::vector<Controle> controles(TfrmPliPrecedent& f);
std::vector<Controle> controles(TfrmMains& f);
std::vector<Controle> controles(TfrmScoreDetaille& f);
std::vector<Controle> controles(TfrmTousPlis& f);

// Design units to pixels, as every window of the program scales its layout.
int echelleX(const Jeu& jeu, double unites);
int echelleY(const Jeu& jeu, double unites);
Rect echelleRect(const Jeu& jeu, int left, int top, int width, int height);
// Places a window in the middle of the screen.
void centrerFenetre(const Jeu& jeu, Composant& fenetre);

} // namespace quarvel
