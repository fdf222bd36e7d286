#include "partie/main_joueur.h"

#include "encheres/ecart.h"
#include "partie/coeur.h"
#include "partie/flux.h"
#include "partie/partie.h"

namespace quarvel {

void tirerHauteursMain(Partie& jeu) {
    for (int i = 1; i <= 18; ++i) jeu.donne.hauteursMain[i] = 3 - jeu.alea(3);
}

void cliquerCarteMain(Partie& jeu, int i) {
    Donne& d = jeu.donne;
    if (i < 1 || i > 24) return;
    if (clicPourContinuer(d.phase)) {
        continuer(jeu);
        return;
    }
    if (d.phase == Phase::Ecart) {
        choisirCarteEcart(jeu, i);
        return;
    }
    // The turn is spent with the card: a second click waits for the next computed turn.
    if (d.phase == Phase::TourSud && estLegale(jeu, Action::carte(SUD, i))) jouerCarte(jeu, SUD, i);
}

} // namespace quarvel
