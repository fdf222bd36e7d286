#include "aides/cartes_test.h"
#include "cartes/generation.h"
#include "donne/pli.h"
#include "fenetres/modele/jeu.h"
#include "partie/nouvelle_donne.h"

#include <gtest/gtest.h>

#include <memory>

using namespace quarvel;

namespace {

// The taker takes the dog's bouts into his hand: a discard never holds one.
void ecarterSansBout(Donne& d) {
    MainJoueur& m = d.mains[d.preneur];
    int i = 1;
    for (Carte& c : d.chien) {
        if (!estBout(c)) continue;
        while (estBout(m[i])) ++i;
        std::swap(c, m[i]);
        ++i;
    }
}

// Plays the whole deal with random legal cards; checks each card against the rules of play.
void jouerAuHasard(Jeu& jeu) {
    Donne& d = jeu.donne;
    d.numeroPli = 1;
    for (int pli : PLIS) {
        d.pli.cartes.remplir(Carte{});
        for (int k = 0; k < 4; ++k) {
            const Siege s = d.joueurCourant;
            calculerJouables(d, s);
            int jouables[18], n = 0;
            bool fournit = false;
            for (int i = 1; i <= 18; ++i) {
                const Carte& c = d.mains[s][i];
                if (d.cartesJouables[s][i]) {
                    ASSERT_TRUE(c.enMain);
                    jouables[n++] = i;
                }
                if (c.enMain && k > 0 && c.couleur == d.pli.couleurDemandee && !estExcuse(c))
                    fournit = true;
            }
            ASSERT_GT(n, 0) << "seat " << s << " cannot play in trick " << pli;
            // Whoever holds the suit asked plays it, or the Excuse.
            if (fournit && !(k == 1 && estExcuse(d.pli.cartes[d.pli.entame])))
                for (int j = 0; j < n; ++j) {
                    const Carte& c = d.mains[s][jouables[j]];
                    ASSERT_TRUE(estExcuse(c) || c.couleur == d.pli.couleurDemandee);
                }
            poserCarteDansPli(d, s, jouables[jeu.alea(n) - 1]);
            ++d.pli.nbCartesJouees;
            d.joueurCourant = siegeSuivant(s);
        }
        d.phase = Phase::JeuEnCours; // the trick is gathered
        const Siege w = compterFinDePli(d);
        ASSERT_EQ(d.joueurCourant, w);
        ASSERT_EQ(d.numeroPli, pli + 1);
    }
}

} // namespace

TEST(DonnesAleatoires, LesPointsEtLesBoutsSePartagentToujours) {
    auto jeu = std::make_unique<Jeu>();
    jeu->alea.graine = 31337;
    int petitsAuBout = 0;
    for (int k = 0; k < 400; ++k) {
        produireDonne(*jeu, false);
        Donne& d = jeu->donne;
        d.preneur = siegeNumero(jeu->alea(4));
        d.contrat = static_cast<Contrat>(jeu->alea(4));
        d.encheresAnnoncees.remplir(PASSE);
        d.encheresAnnoncees[d.preneur] = d.contrat;
        d.pointsPreneur = d.pointsDefense = 0;
        d.boutsPreneur = d.boutsDefense = 0;
        d.pointsContrat = 0;
        if (d.contrat <= GARDE) ecarterSansBout(d);
        jouerAuHasard(*jeu);
        if (HasFatalFailure()) return;
        ASSERT_EQ(d.pointsPreneur + d.pointsDefense, 182) << "deal " << k;
        ASSERT_EQ(d.boutsPreneur + d.boutsDefense, 3) << "deal " << k;
        ASSERT_GE(d.boutsPreneur, 0);
        ASSERT_GE(d.boutsDefense, 0);
        const int besoin[] = {56, 51, 41, 36};
        ASSERT_EQ(d.pointsContrat, besoin[d.boutsPreneur]);
        ASSERT_GE(d.petitAuBout, 0);
        ASSERT_LE(d.petitAuBout, 2);
        petitsAuBout += d.petitAuBout != 0;
        for (Siege s : SIEGES)
            for (const Carte& c : d.mains[s]) ASSERT_FALSE(c.enMain);
    }
    EXPECT_GT(petitsAuBout, 0);
}
