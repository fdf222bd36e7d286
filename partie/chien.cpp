#include "partie/chien.h"

#include "encheres/ecart.h"
#include "ia/connaissance.h"
#include "partie/flux.h"
#include "partie/main_joueur.h"
#include "partie/partie.h"

namespace quarvel {

void montrerChien(Partie& jeu) {
    Donne& d = jeu.donne;
    jeu.ecart.origineEcart.remplir(-1);
    if (d.contrat == GARDE_SANS || d.contrat == GARDE_CONTRE) {
        initialiserConnaissance(jeu);
        passerA(d, Phase::AttenteJeu);
        return;
    }
    passerA(d, Phase::ChienMontre);
    for (int k = 1; k <= 6; ++k) jeu.ecart.hauteursChien[k] = jeu.alea(3);
}

void retirerChien(Partie& jeu, bool parClicChien) {
    Donne& d = jeu.donne;
    if (d.phase != Phase::ChienMontre) return;
    jeu.ecart.chienLeveParClic = parClicChien;
    if (d.preneur != SUD) {
        ecartOrdinateurOuImpose(jeu);
        initialiserConnaissance(jeu);
        passerA(d, Phase::AttenteJeu);
        continuer(jeu);
    } else {
        passerA(d, Phase::Ecart);
        proposerEcart(jeu);
    }
}

void confirmerEcart(Partie& jeu) {
    if (!ecarterSelection(jeu)) return;
    initialiserConnaissance(jeu);
    tirerHauteursMain(jeu);
    passerA(jeu.donne, Phase::AttenteJeu);
    continuer(jeu);
}

} // namespace quarvel
