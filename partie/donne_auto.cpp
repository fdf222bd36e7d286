#include "partie/donne_auto.h"

#include "cartes/generation.h"
#include "donne/pli.h"
#include "encheres/ecart.h"
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
// the best bid so far. Returns the taker, Siege::Aucun when all passed.
Siege encheres(Donne& d) {
    Contrat meilleure = PASSE;
    Siege preneur = Siege::Aucun;
    Siege s = d.premierParlant;
    for (int i = 0; i < 4; ++i, s = siegeSuivant(s)) {
        const Contrat e = d.encheresMeritees[s];
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

} // namespace

void jouerDonneAuto(Partie& jeu, DonneAuto& r) {
    Donne& d = jeu.donne;
    r.donnesDistribuees = 0;
    do {
        remettreAZero(jeu);
        produireDonne(jeu, false);
        ++r.donnesDistribuees;
    } while (encheres(d) == Siege::Aucun);
    r.preneur = d.preneur;
    r.contrat = d.contrat;

    d.pli.entame = d.premierParlant;
    d.pli.nbCartesJouees = 0;
    d.joueurCourant = d.premierParlant;
    // The knowledge is built once the discard is made.
    if (d.contrat == PRISE || d.contrat == GARDE) ecartOrdinateur(jeu);
    initialiserConnaissance(jeu);

    d.numeroPli = 1;
    for (int pli = 1; pli <= 18; ++pli) {
        for (int i = 0; i < 4; ++i) {
            const Siege s = d.joueurCourant;
            calculerJouables(d, s);
            const int slot = jouerOrdinateur(jeu, s);
            noterCarteJouee(jeu, s, slot);
            poserCarteDansPli(d, s, slot);
            ++d.pli.nbCartesJouees;
            d.joueurCourant = siegeSuivant(s);
        }
        jeu.connaissance.petitDansPli = false;
        compterFinDePli(d);
        noterFinDePli(jeu);
        for (Siege s : SIEGES) d.pli.cartes[s] = Carte{};
    }
    r.score = scorePreneur(d);
    adapterPoids(jeu, r.score >= 1);
}

} // namespace quarvel
