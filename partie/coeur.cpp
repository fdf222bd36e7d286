#include "partie/coeur.h"

#include "donne/pli.h"
#include "encheres/ecart.h"
#include "encheres/encheres.h"
#include "encheres/poignee.h"
#include "ia/connaissance.h"
#include "ia/moteur.h"
#include "partie/partie.h"
#include "scores/score.h"

#include <bit>

namespace quarvel {

namespace {

// The card of that slot goes to the table; what every seat knows of the cards takes it in
// first, while the card is still in its hand.
void poserCarte(Partie& jeu, Siege siege, int slot) {
    noterCarteJouee(jeu, siege, slot);
    poserCarteDansPli(jeu.donne, siege, slot);
}

// Before its first card, the seat to play may show a handful: the user through the offer and
// then the dialog of the kind he chose.
bool poigneeOfferte(const Partie& jeu, const Action& a) {
    const Donne& d = jeu.donne;
    if (d.numeroPli != 1) return false;
    switch (d.phase) {
    case Phase::OffrePoignee:
        return a.siege == SUD && d.poignee == 0;
    case Phase::ChoixPoignee:
        return a.siege == SUD && d.poignee == a.valeur;
    case Phase::JeuEnCours:
    case Phase::TourSud:
        return a.siege == d.joueurCourant && d.poignee == 0 && d.pli.nbCartesJouees < 4;
    default:
        return false;
    }
}

bool poigneeLegale(const Partie& jeu, const Action& a) {
    const Siege s = a.siege;
    if (!poigneeOfferte(jeu, a)) return false;
    if (a.valeur == 0) return a.cartes == 0;
    const int taille = taillePoignee(a.valeur);
    if (taille == 0 || std::popcount(a.cartes) != taille || (a.cartes & 1u) != 0 ||
        (a.cartes >> 19) != 0)
        return false;
    const MainJoueur& m = jeu.donne.mains[s];
    int atouts = 0, excuse = 0;
    for (int i : SLOTS)
        if (m[i].enMain && m[i].couleur == ATOUT) {
            ++atouts;
            excuse += estExcuse(m[i]);
        }
    bool avecExcuse = false;
    for (int i : SLOTS) {
        if (!(a.cartes >> i & 1u)) continue;
        if (!m[i].enMain || m[i].couleur != ATOUT) return false;
        avecExcuse = avecExcuse || estExcuse(m[i]);
    }
    // The Excuse only when the other trumps are too few.
    return !(avecExcuse && atouts - excuse >= taille);
}

bool ecartLegal(const Partie& jeu, const Action& a) {
    const Donne& d = jeu.donne;
    if (a.siege != d.preneur || (d.contrat != PRISE && d.contrat != GARDE)) return false;
    if (d.phase != Phase::ChienMontre && d.phase != Phase::Ecart) return false;
    return std::popcount(a.cartes) == 6 && (a.cartes & ~positionsEcartables(jeu)) == 0;
}

} // namespace

Tour tour(const Partie& jeu) {
    const Donne& d = jeu.donne;
    switch (d.phase) {
    case Phase::Encheres:
        if (jeu.encheres.siegeEnAttente != Siege::Aucun) return {};
        return {Choix::Enchere, siegeQuiParle(jeu)};
    case Phase::EnchereSud:
        return {Choix::Enchere, SUD};
    case Phase::ChienMontre:
    case Phase::Ecart:
        return {Choix::Ecart, d.preneur};
    case Phase::OffrePoignee:
    case Phase::ChoixPoignee:
        return {Choix::Poignee, SUD};
    case Phase::TourSud:
        return {Choix::Carte, SUD};
    case Phase::JeuEnCours:
        if (d.numeroPli < 1 || d.numeroPli > 18 || d.pli.nbCartesJouees >= 4) return {};
        return {Choix::Carte, d.joueurCourant};
    default:
        return {};
    }
}

ActionsLegales actionsLegales(const Partie& jeu) {
    ActionsLegales l;
    const Tour t = tour(jeu);
    const Donne& d = jeu.donne;
    switch (t.choix) {
    case Choix::Enchere:
        for (Contrat c : {PASSE, PRISE, GARDE, GARDE_SANS, GARDE_CONTRE})
            if (enchereValable(jeu, c)) l.liste[++l.nombre] = Action::enchere(t.siege, c);
        break;
    case Choix::Ecart:
        l.ecartables = positionsEcartables(jeu);
        break;
    case Choix::Carte:
        for (int i : SLOTS)
            if (d.cartesJouables[t.siege][i] == 1 && d.mains[t.siege][i].enMain)
                l.liste[++l.nombre] = Action::carte(t.siege, i);
        break;
    default:
        break;
    }
    return l;
}

bool estLegale(const Partie& jeu, const Action& a) {
    const Donne& d = jeu.donne;
    switch (a.genre) {
    case Action::Genre::Enchere: {
        const Tour t = tour(jeu);
        return t.choix == Choix::Enchere && t.siege == a.siege && enchereValable(jeu, a.contrat);
    }
    case Action::Genre::Ecart:
        return ecartLegal(jeu, a);
    case Action::Genre::Poignee:
        return poigneeLegale(jeu, a);
    case Action::Genre::Carte: {
        const Tour t = tour(jeu);
        return t.choix == Choix::Carte && t.siege == a.siege && a.valeur >= 1 && a.valeur <= 18 &&
               d.cartesJouables[a.siege][a.valeur] == 1 && d.mains[a.siege][a.valeur].enMain;
    }
    }
    return false;
}

void appliquer(Partie& jeu, const Action& a) {
    if (!estLegale(jeu, a)) return;
    Donne& d = jeu.donne;
    switch (a.genre) {
    case Action::Genre::Enchere:
        noterEnchere(jeu, a.siege, a.contrat);
        break;
    case Action::Genre::Ecart: {
        fusionnerRangee(jeu);
        poserEcart(jeu, a.cartes);
        initialiserConnaissance(jeu);
        passerA(d, Phase::AttenteJeu);
        break;
    }
    case Action::Genre::Poignee:
        d.poignee = a.valeur;
        if (a.valeur != 0) {
            jeu.poignee.montreePar = a.siege;
            jeu.poignee.slotsMontres = a.cartes;
        }
        if (d.phase == Phase::OffrePoignee || d.phase == Phase::ChoixPoignee)
            passerA(d, Phase::TourSud);
        break;
    case Action::Genre::Carte:
        if (d.phase != Phase::JeuEnCours) passerA(d, Phase::JeuEnCours);
        poserCarte(jeu, a.siege, a.valeur);
        ++d.pli.nbCartesJouees;
        if (d.pli.nbCartesJouees < 4) {
            d.joueurCourant = siegeSuivant(a.siege);
            break;
        }
        jeu.connaissance.petitDansPli = false;
        compterFinDePli(d);
        noterFinDePli(jeu);
        break;
    }
}

bool conclureEncheres(Partie& jeu) {
    Donne& d = jeu.donne;
    d.numeroPli = 1;
    d.preneur = trouverPreneur(jeu);
    if (d.contrat == PASSE) return false;
    jeu.ecart.origineEcart.remplir(-1);
    if (d.contrat == GARDE_SANS || d.contrat == GARDE_CONTRE) {
        initialiserConnaissance(jeu);
        passerA(d, Phase::AttenteJeu);
    } else {
        passerA(d, Phase::ChienMontre);
    }
    return true;
}

void ouvrirTour(Partie& jeu) {
    calculerJouables(jeu.donne, jeu.donne.joueurCourant);
}

void ramasserPli(Partie& jeu) {
    Donne& d = jeu.donne;
    for (Siege s : SIEGES) d.pli.cartes[s] = Carte{};
    passerA(d, donneTerminee(d.phase) ? Phase::DonneFinie : Phase::JeuEnCours);
}

int jouerReste(Partie& jeu) {
    Donne& d = jeu.donne;
    if (d.phase == Phase::AttenteJeu) passerA(d, Phase::JeuEnCours);
    if (d.phase == Phase::PliARamasser) ramasserPli(jeu);
    while (d.numeroPli >= 1 && d.numeroPli <= 18) {
        const Siege s = d.joueurCourant;
        ouvrirTour(jeu);
        const int slot = jouerOrdinateur(jeu, s);
        if (slot < 1 || slot > 18) break;
        appliquer(jeu, Action::carte(s, slot));
        if (d.phase == Phase::PliARamasser) ramasserPli(jeu);
    }
    return scorePreneur(d);
}

} // namespace quarvel
