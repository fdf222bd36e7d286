#include "partie/donne_auto.h"

#include "cartes/generation.h"
#include "donne/pli.h"
#include "encheres/ecart.h"
#include "encheres/poignee.h"
#include "ia/connaissance.h"
#include "ia/moteur.h"
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
    passerA(d, Phase::JeuEnCours);
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

// One round from the first speaker: a seat announces what its hand deserves when that beats
// the best bid so far; an external seat says its own. Returns the taker, Siege::Aucun when all
// passed.
Siege encheres(Partie& jeu, SiegesExternes* x) {
    Donne& d = jeu.donne;
    Contrat meilleure = PASSE;
    Siege preneur = Siege::Aucun;
    Siege s = d.premierParlant;
    for (int i = 0; i < 4; ++i, s = siegeSuivant(s)) {
        Contrat e = d.encheresMeritees[s];
        if (x && x->externe(s)) {
            e = x->enchere(jeu, s);
            if (e < PRISE || e > GARDE_CONTRE || e <= meilleure) e = PASSE;
        }
        if (e > meilleure) {
            meilleure = e;
            preneur = s;
            d.encheresAnnoncees[s] = e;
        } else {
            d.encheresAnnoncees[s] = PASSE;
        }
    }
    d.preneur = preneur;
    d.contrat = meilleure;
    return preneur;
}

// An external taker's discard: six cards of the row, none a trump or a Roi; else the computer's.
void ecartExterne(Partie& jeu, SiegesExternes& x) {
    fusionnerRangee(jeu);
    Tableau<int, 24> dans;
    x.ecart(jeu, jeu.donne.preneur, dans);
    int n = 0;
    for (int p = 1; p <= 24; ++p) {
        if (dans[p] != 0 && dans[p] != 1) return ecartOrdinateur(jeu);
        if (dans[p] == 1 && !ecartable(jeu.ecart.rangeeEcart[p])) return ecartOrdinateur(jeu);
        n += dans[p];
    }
    if (n != 6) return ecartOrdinateur(jeu);
    poserEcart(jeu, dans);
}

// The kind of handful an external seat shows before its first card, 0 when none or not allowed:
// as many of its own trumps as the kind needs, the Excuse only when the others are too few.
int poigneeExterne(Partie& jeu, SiegesExternes& x, Siege s, Tableau<int, 15>& slots) {
    const MainJoueur& m = jeu.donne.mains[s];
    int atouts = 0, excuse = 0;
    for (int i : SLOTS) {
        atouts += m[i].couleur == ATOUT;
        excuse += estExcuse(m[i]);
    }
    if (atouts < taillePoignee(1)) return 0;
    slots.remplir(0);
    const int type = x.poignee(jeu, s, slots);
    if (type < 1 || type > 3) return 0;
    const int taille = taillePoignee(type);
    if (taille > atouts) return 0;
    Tableau<bool, 18> pris;
    bool avecExcuse = false;
    for (int k = 1; k <= taille; ++k) {
        const int i = slots[k];
        if (i < 1 || i > 18 || pris[i] || m[i].couleur != ATOUT) return 0;
        pris[i] = true;
        avecExcuse = avecExcuse || estExcuse(m[i]);
    }
    if (avecExcuse && atouts - excuse >= taille) return 0;
    return type;
}

// The external seat's card, or its first legal one.
int carteExterne(Partie& jeu, SiegesExternes& x, Siege s) {
    const Donne& d = jeu.donne;
    const int slot = x.carte(jeu, s);
    if (slot >= 1 && slot <= 18 && d.cartesJouables[s][slot] == 1 && d.mains[s][slot].enMain)
        return slot;
    for (int i : SLOTS)
        if (d.cartesJouables[s][i] == 1 && d.mains[s][i].enMain) return i;
    return 1;
}

} // namespace

void jouerDonneAuto(Partie& jeu, DonneAuto& r, SiegesExternes* x) {
    Donne& d = jeu.donne;
    r.donnesDistribuees = 0;
    do {
        remettreAZero(jeu);
        produireDonne(jeu, false);
        ++r.donnesDistribuees;
        if (x) x->donne(jeu);
    } while (encheres(jeu, x) == Siege::Aucun);
    r.preneur = d.preneur;
    r.contrat = d.contrat;
    if (x) x->contrat(jeu);

    d.pli.entame = d.premierParlant;
    d.pli.nbCartesJouees = 0;
    d.joueurCourant = d.premierParlant;
    // The knowledge is built once the discard is made.
    if (d.contrat == PRISE || d.contrat == GARDE) {
        if (x && x->externe(d.preneur))
            ecartExterne(jeu, *x);
        else
            ecartOrdinateur(jeu);
    }
    initialiserConnaissance(jeu);

    d.numeroPli = 1;
    for (int pli = 1; pli <= 18; ++pli) {
        for (int i = 0; i < 4; ++i) {
            const Siege s = d.joueurCourant;
            const bool externe = x && x->externe(s);
            if (externe && pli == 1 && d.poignee == 0) {
                Tableau<int, 15> slots;
                d.poignee = poigneeExterne(jeu, *x, s, slots);
                if (d.poignee != 0) x->poigneeMontree(jeu, s, slots, taillePoignee(d.poignee));
            }
            calculerJouables(d, s);
            const int slot = externe ? carteExterne(jeu, *x, s) : jouerOrdinateur(jeu, s);
            noterCarteJouee(jeu, s, slot);
            poserCarteDansPli(d, s, slot);
            if (x) x->carteJouee(jeu, s, d.mains[s][slot]);
            ++d.pli.nbCartesJouees;
            d.joueurCourant = siegeSuivant(s);
        }
        jeu.connaissance.petitDansPli = false;
        compterFinDePli(d);
        noterFinDePli(jeu);
        if (x) x->pliRamasse(jeu, d.pli.entame);
        for (Siege s : SIEGES) d.pli.cartes[s] = Carte{};
    }
    r.score = scorePreneur(d);
    if (x) x->fin(jeu, r);
    adapterPoids(jeu, r.score >= 1);
}

} // namespace quarvel
