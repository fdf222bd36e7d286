#include "partie/chien.h"

#include "encheres/ecart.h"
#include "partie/coeur.h"
#include "partie/flux.h"
#include "partie/main_joueur.h"
#include "partie/partie.h"

namespace quarvel {

void montrerChien(Partie& jeu) {
    if (jeu.donne.phase != Phase::ChienMontre) return;
    for (int k = 1; k <= 6; ++k) jeu.ecart.hauteursChien[k] = jeu.alea(3);
}

void retirerChien(Partie& jeu, bool parClicChien) {
    Donne& d = jeu.donne;
    if (d.phase != Phase::ChienMontre) return;
    jeu.ecart.chienLeveParClic = parClicChien;
    if (d.preneur != SUD) {
        appliquer(jeu, Action::ecart(d.preneur, ecartOrdinateur(jeu)));
        continuer(jeu);
    } else {
        passerA(d, Phase::Ecart);
        proposerEcart(jeu);
    }
}

void confirmerEcart(Partie& jeu) {
    const Action a = Action::ecart(SUD, selectionEcart(jeu));
    if (jeu.donne.phase != Phase::Ecart || !estLegale(jeu, a)) return;
    appliquer(jeu, a);
    tirerHauteursMain(jeu);
    continuer(jeu);
}

} // namespace quarvel
