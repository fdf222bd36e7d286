#include "partie/donne_auto.h"

#include "cartes/generation.h"
#include "donne/pli.h"
#include "encheres/ecart.h"
#include "encheres/encheres.h"
#include "encheres/poignee.h"
#include "ia/connaissance.h"
#include "ia/moteur.h"
#include "partie/coeur.h"
#include "partie/expert.h"
#include "partie/nouvelle_donne.h"
#include "partie/partie.h"
#include "scores/score.h"

namespace quarvel {

namespace {

void remettreAZero(Partie& jeu) {
    Donne& d = jeu.donne;
    d.poignee = 0;
    d.preneur = Siege::Aucun;
    d.contrat = PASSE;
    d.encheresAnnoncees.remplir(PAS_PARLE);
    jeu.encheres = EtatEncheres{};
    jeu.poignee = EtatPoignee{};
    passerA(d, Phase::Encheres);
    d.boutsPreneur = d.boutsDefense = 0;
    d.pointsPreneur = d.pointsDefense = 0;
    d.pointsContrat = 0;
    d.petitAuBout = 0;
    d.numeroPli = 0;
    for (Siege s : SIEGES) {
        d.pli.cartes[s] = Carte{};
        d.cartesJouables[s].remplir(0);
    }
    d.pli.atoutMax = 0;
    d.pli.couleurDemandee = AUCUNE;
    d.pli.valeurEntame = 0;
    jeu.ecart = EtatEcart{};
    jeu.connaissance.petitDansPli = false;
}

// An external taker's discard: six cards of the row, none a trump or a Roi; else the computer's.
std::uint32_t ecartExterne(Partie& jeu, SiegesExternes& x) {
    fusionnerRangee(jeu);
    Tableau<int, 24> dans;
    x.ecart(jeu, jeu.donne.preneur, dans);
    std::uint32_t positions = 0;
    for (int p = 1; p <= 24; ++p) {
        if (dans[p] != 0 && dans[p] != 1) return ecartOrdinateur(jeu);
        if (dans[p] == 1) positions |= 1u << p;
    }
    if (!estLegale(jeu, Action::ecart(jeu.donne.preneur, positions))) return ecartOrdinateur(jeu);
    return positions;
}

// The kind of handful an external seat shows before its first card, 0 when none or not allowed.
int poigneeExterne(Partie& jeu, SiegesExternes& x, Siege s, Tableau<int, 15>& slots) {
    int atouts = 0;
    for (const Carte& c : jeu.donne.mains[s]) atouts += c.couleur == ATOUT;
    if (atouts < taillePoignee(1)) return 0;
    slots.remplir(0);
    const int type = x.poignee(jeu, s, slots);
    if (type < 1 || type > 3) return 0;
    std::uint32_t montrees = 0;
    for (int k = 1; k <= taillePoignee(type); ++k) {
        const int i = slots[k];
        if (i < 1 || i > 18 || (montrees >> i & 1u)) return 0;
        montrees |= 1u << i;
    }
    const Action a = Action::poignee(s, type, montrees);
    if (!estLegale(jeu, a)) return 0;
    appliquer(jeu, a);
    return type;
}

// The external seat's card, or its first legal one.
int carteExterne(Partie& jeu, SiegesExternes& x, Siege s) {
    const int slot = x.carte(jeu, s);
    if (estLegale(jeu, Action::carte(s, slot))) return slot;
    const ActionsLegales l = actionsLegales(jeu);
    return l.nombre > 0 ? l.liste[1].valeur : 1;
}

} // namespace

bool finirEncheres(Partie& jeu, SiegesExternes* x) {
    for (Siege s = siegeQuiParle(jeu); s != Siege::Aucun; s = siegeQuiParle(jeu)) {
        Contrat e = x && x->externe(s) ? x->enchere(jeu, s) : enchereOrdinateur(jeu, s);
        if (!estLegale(jeu, Action::enchere(s, e))) e = PASSE;
        appliquer(jeu, Action::enchere(s, e));
    }
    return conclureEncheres(jeu);
}

void commencerJeu(Partie& jeu, SiegesExternes* x) {
    Donne& d = jeu.donne;
    d.pli.entame = d.premierParlant;
    d.pli.nbCartesJouees = 0;
    d.joueurCourant = d.premierParlant;
    if (d.phase == Phase::ChienMontre) {
        const bool externe = x && x->externe(d.preneur);
        appliquer(jeu,
                  Action::ecart(d.preneur, externe ? ecartExterne(jeu, *x) : ecartOrdinateur(jeu)));
    }
    passerA(d, Phase::JeuEnCours);
}

void jouerDonneAuto(Partie& jeu, DonneAuto& r, SiegesExternes* x) {
    Donne& d = jeu.donne;
    r.donnesDistribuees = 0;
    bool pris = false;
    while (!pris) {
        remettreAZero(jeu);
        produireDonne(jeu, false);
        ++r.donnesDistribuees;
        if (x) x->donne(jeu);
        pris = finirEncheres(jeu, x);
    }
    r.preneur = d.preneur;
    r.contrat = d.contrat;
    if (x) x->contrat(jeu);

    commencerJeu(jeu, x);

    while (d.numeroPli >= 1 && d.numeroPli <= 18) {
        const Siege s = d.joueurCourant;
        const bool externe = x && x->externe(s);
        if (externe && d.numeroPli == 1 && d.poignee == 0) {
            Tableau<int, 15> slots;
            const int type = poigneeExterne(jeu, *x, s, slots);
            if (type != 0) x->poigneeMontree(jeu, s, slots, taillePoignee(type));
        }
        ouvrirTour(jeu);
        const int slot = externe ? carteExterne(jeu, *x, s) : carteOrdinateur(jeu, s);
        if (!estLegale(jeu, Action::carte(s, slot))) break; // a seat with no card: cannot happen
        const Carte carte = d.mains[s][slot];
        appliquer(jeu, Action::carte(s, slot));
        if (x) x->carteJouee(jeu, s, carte);
        if (d.pli.nbCartesJouees == 0) {
            if (x) x->pliRamasse(jeu, d.pli.entame);
            ramasserPli(jeu);
        }
    }
    r.score = scorePreneur(d);
    if (x) x->fin(jeu, r);
    adapterPoids(jeu, r.score >= 1);
}

} // namespace quarvel
