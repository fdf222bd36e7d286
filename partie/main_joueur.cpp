#include "partie/main_joueur.h"

#include "encheres/ecart.h"
#include "partie/flux.h"
#include "partie/partie.h"
#include "partie/poser.h"

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
    if (i > 18) return;
    if (d.phase != Phase::TourSud || d.joueurCourant != SUD) return;
    if (d.cartesJouables[SUD][i] != 1 || !d.mains[SUD][i].enMain) return;

    // The turn is spent: a second click must wait for the next computed turn.
    passerA(d, Phase::JeuEnCours);
    poserCarte(jeu, SUD, i);
    apresCarteJouee(jeu);
}

} // namespace quarvel
