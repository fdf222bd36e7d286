// The phases a deal goes through, gesture by gesture: every move made is one the flow allows,
// and whole deals of every kind use every allowed move.
#include "commun/partie_test.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

using namespace quarvel;
using quarvel::test::PartieTest;

namespace {

using P = Phase;

// A gesture or a tick may make a few moves at once (a computer's bid closes the bidding, the
// bid bar opens): each step of the way must be in the table.
bool suiteDeMouvementsPermis(P de, P vers) {
    if (mouvementPermis(de, vers)) return true;
    for (int m = 0; m <= static_cast<int>(P::DonneBloquee); ++m)
        if (mouvementPermis(de, P(m)) && mouvementPermis(P(m), vers)) return true;
    return false;
}

// One gesture of a person who bids the advice, shows a handful every other deal, discards the
// first cards he may and plays his first playable card; a tick when nothing is asked of him.
bool unPas(PartieTest& p, int donne) {
    const Donne& d = p.donne();
    switch (d.phase) {
    case P::EnchereSud:
        p.conseil();
        return true;
    case P::OffrePoignee:
        p.geste(Evt::ClicPoignee, donne % 2);
        return true;
    case P::ChoixPoignee:
        p.geste(Evt::ClicParesseux);
        p.geste(Evt::ClicOkPoignee);
        return true;
    case P::Ecart:
        for (int i = 1; i <= 24 && p.jeu.ecart.nbEcartees < 6; ++i)
            if (p.table().Carte3D[i].curseur == Curseur::Main) p.clicCarte(i);
        p.confirmerEcart();
        return true;
    case P::TourSud:
        for (int i = 1; i <= 18; ++i)
            if (d.cartesJouables[SUD][i] == 1 && d.mains[SUD][i].enMain) {
                p.clicCarte(i);
                return true;
            }
        return false;
    case P::DonneFinie:
        p.geste(Evt::ClicNouvelleDonne);
        return true;
    default:
        if (clicPourContinuer(d.phase) || d.phase == P::ChienMontre) {
            p.clicFond();
            return true;
        }
        return p.tic();
    }
}

TEST(Phases, DesDonnesEntieresNePassentQueParLesMouvementsPermis) {
    PartieTest p;
    p.menuAttente(0); // a click gathers each trick
    std::map<std::pair<P, P>, int> vus;
    int donnes = 0;
    P avant = p.donne().phase;
    ASSERT_EQ(avant, P::AttentePremiereDonne);
    p.clicFond(); // nothing before the first deal
    ASSERT_EQ(p.donne().phase, P::AttentePremiereDonne);
    p.commencer();
    for (int pas = 0; pas < 200000 && donnes < 60; ++pas) {
        const P ici = p.donne().phase;
        if (ici != avant) {
            EXPECT_TRUE(suiteDeMouvementsPermis(avant, ici))
                << nomPhase(avant) << " -> " << nomPhase(ici);
            ++vus[{avant, ici}];
            if (ici == P::DernierPli) ++donnes;
            // The hands get stronger deal after deal: guards without the dog and handfuls.
            if (ici == P::DonneFinie) p.menuForce(1 + donnes % 6);
            avant = ici;
        }
        ASSERT_TRUE(unPas(p, donnes)) << nomPhase(ici);
    }
    EXPECT_EQ(donnes, 60);
    // Every phase but the blocked deal is reached and left again.
    std::set<P> arrivees, departs;
    for (const auto& [m, n] : vus) {
        departs.insert(m.first);
        arrivees.insert(m.second);
    }
    for (int k = static_cast<int>(P::Encheres); k < static_cast<int>(P::DonneBloquee); ++k) {
        EXPECT_TRUE(arrivees.count(P(k))) << "never reached: " << nomPhase(P(k));
        EXPECT_TRUE(departs.count(P(k))) << "never left: " << nomPhase(P(k));
    }
}

// Gestures that the phase turns away leave the deal where it is.
TEST(Phases, UnGesteHorsDeSaPhaseNeChangeRien) {
    PartieTest p;
    p.menuForce(3);
    p.commencer();
    ASSERT_TRUE(p.donneOu([&](Donne&) { return p.meilleureOrdinateur() == PASSE; }));
    p.encheresAvec(PRISE);
    ASSERT_EQ(p.donne().phase, P::EncheresCloses);
    p.clicCarte(1); // the hand waits for the bidding to be over
    p.confirmerEcart();
    p.geste(Evt::ClicCarteChien, 1);
    EXPECT_EQ(p.donne().phase, P::EncheresCloses);
    p.geste(Evt::ClicPanelDec, entier(SUD));
    ASSERT_EQ(p.donne().phase, P::ChienMontre);
    p.clicTable(); // the round table is not on show yet
    p.confirmerEcart();
    p.encherir(GARDE);
    EXPECT_EQ(p.donne().phase, P::ChienMontre);
    p.clicChien(2);
    ASSERT_EQ(p.donne().phase, P::Ecart);
    p.espace();
    p.confirmerEcart(); // six cards are needed
    EXPECT_EQ(p.donne().phase, P::Ecart);
}

// A game is a value: a copy taken mid-deal is left alone by the play of the original, and the
// game put back to it plays the rest of the deal the same way again.
TEST(Phases, UneCopieDeLaPartieEstUnPointDeReprise) {
    PartieTest p;
    p.menuForce(3);
    p.commencer();
    ASSERT_TRUE(p.donneOu([&](Donne&) { return p.meilleureOrdinateur() == PASSE; }));
    p.encheresAvec(GARDE_CONTRE);
    // Into the third trick, SUD to play.
    for (int n = 0; n < 100 && !(p.donne().numeroPli == 3 && p.tourDuJoueur()); ++n) p.unPas();
    ASSERT_TRUE(p.tourDuJoueur());
    const Partie reprise = p.jeu;
    const Partie temoin = reprise;

    p.jouerJusquALaFin();
    ASSERT_TRUE(donneTerminee(p.donne().phase));
    const Partie fin = p.jeu;
    EXPECT_TRUE(reprise == temoin);
    EXPECT_FALSE(fin == reprise);

    static_cast<Partie&>(p.jeu) = reprise;
    p.clicFond(); // ignored while SUD is to play; the windows follow the game put back
    ASSERT_TRUE(p.tourDuJoueur());
    p.jouerJusquALaFin();
    EXPECT_TRUE(static_cast<const Partie&>(p.jeu) == fin);
}

} // namespace
