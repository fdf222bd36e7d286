#include "partie/conseil.h"

#include "encheres/ecart.h"
#include "ia/moteur.h"
#include "partie/coeur.h"
#include "partie/expert.h"
#include "partie/partie.h"

#include <memory>

namespace quarvel {

namespace {
constexpr int NIVEAU_PRO = 4;
}

int conseilCarte(const Partie& jeu) {
    const Donne& d = jeu.donne;
    if (d.phase != Phase::TourSud || d.joueurCourant != SUD) return 0;
    if (jeu.reglages.optionConseilSimulation) {
        const int slot = carteExpert(jeu, SUD, mondesDuJeu(jeu));
        return estLegale(jeu, Action::carte(SUD, slot)) ? slot : 0;
    }
    // On the heap: a game is too large for a comfortable stack copy.
    auto copie = std::make_unique<Partie>(jeu);
    copie->moteur.niveauSud = NIVEAU_PRO;
    const int slot = jouerOrdinateur(*copie, SUD);
    return estLegale(jeu, Action::carte(SUD, slot)) ? slot : 0;
}

Tableau<bool, 24> conseilEcart(const Partie& jeu) {
    Tableau<bool, 24> ecartees;
    ecartees.remplir(false);
    if (jeu.donne.phase != Phase::Ecart) return ecartees;
    auto copie = std::make_unique<Partie>(jeu);
    choisirEcartOrdinateur(*copie);
    for (int p = 1; p <= 24; ++p) ecartees[p] = copie->ecart.garderCarte[p] == 0;
    return ecartees;
}

} // namespace quarvel
