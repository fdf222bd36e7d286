#include "donne/main_joueur.h"

#include "donne/flux.h"
#include "donne/jeu.h"
#include "donne/mesures.h"
#include "donne/poser.h"
#include "encheres/ecart.h"

namespace quarvel {

void afficherMain(Jeu& jeu) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    const int gauche = margeMain(jeu), pas = pasMain(jeu), haut = hautMain(jeu);
    const int largeur = largeurCarte(jeu), hauteur = hauteurCarte(jeu);
    for (int i = 1; i <= 18; ++i) {
        Composant& img = q.Carte3D[i];
        const int j = 3 - jeu.alea(3); // uneven heights, 0..2 units
        img.geo = Rect{gauche + (i - 1) * pas, haut + arrondir(j * jeu.echelleV), largeur, hauteur};
        img.curseur = Curseur::Interdit;
    }
    for (int i = 1; i <= 18; ++i) {
        q.Carte3D[i].visible = true;
        q.Carte3D[i].carte = jeu.donne.mains[SUD][i];
    }
}

void curseursMain(Jeu& jeu) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    for (int i = 1; i <= 18; ++i)
        q.Carte3D[i].curseur =
            jeu.donne.cartesJouables[SUD][i] == 1 ? Curseur::Main : Curseur::Interdit;
}

void cliquerCarteMain(Jeu& jeu, int i) {
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
