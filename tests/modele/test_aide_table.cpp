// Help at the table: the play advice changes nothing, a card taken back puts the game back.
#include "commun/partie_test.h"
#include "ia/moteur.h"

#include <gtest/gtest.h>

using namespace quarvel;
using namespace quarvel::test;

namespace {

// What a deal decided: cards, knowledge, rules fired, random state, scores.
bool memesDecisions(const Partie& a, const Partie& b) {
    return a.donne == b.donne && a.alea == b.alea && a.moteur == b.moteur &&
           a.connaissance == b.connaissance && a.reglages.scoresGlobaux == b.reglages.scoresGlobaux;
}

// A guard against the dog by SUD, into the third trick, SUD to play with two cards or more.
bool versUnTourAvecChoix(PartieTest& p) {
    p.menuForce(3);
    p.commencer();
    if (!p.donneOu([&](Donne&) { return p.meilleureOrdinateur() == PASSE; })) return false;
    p.encheresAvec(GARDE_CONTRE);
    for (int n = 0; n < 300; ++n) {
        if (p.tourDuJoueur() && p.donne().numeroPli >= 3) {
            int jouables = 0;
            for (int i = 1; i <= 18; ++i)
                jouables += p.donne().mains[SUD][i].enMain && p.donne().cartesJouables[SUD][i] == 1;
            if (jouables >= 2) return true;
        }
        p.unPas();
    }
    return false;
}

int autreJouable(const Donne& d, int sauf) {
    for (int i = 1; i <= 18; ++i)
        if (i != sauf && d.mains[SUD][i].enMain && d.cartesJouables[SUD][i] == 1) return i;
    return 0;
}

// Plays SUD's card, then lets the computer seats answer and the trick be gathered.
void jouerPuisAttendre(PartieTest& p, int carte) {
    p.clicCarte(carte);
    for (int n = 0; n < 20 && !p.tourDuJoueur() && !donneTerminee(p.donne().phase); ++n)
        if (clicPourContinuer(p.donne().phase))
            p.clicFond();
        else
            p.tic();
}

TEST(AideTable, LeConseilMontreUneCarteJouableSansRienChangerALaPartie) {
    PartieTest p;
    ASSERT_TRUE(versUnTourAvecChoix(p));
    const Partie avant = p.jeu;
    p.geste(Evt::MenuConseilJeu);
    EXPECT_TRUE(static_cast<const Partie&>(p.jeu) == avant);
    int conseillee = 0;
    for (int i = 1; i <= 24; ++i)
        if (p.table().Carte3D[i].conseille) conseillee = conseillee ? -1 : i;
    ASSERT_GT(conseillee, 0);
    EXPECT_EQ(p.donne().cartesJouables[SUD][conseillee], 1);
    // It is the card the computer plays for SUD at level Pro.
    Partie copie = avant;
    copie.moteur.niveauSud = 4;
    EXPECT_EQ(jouerOrdinateur(copie, SUD), conseillee);
    // Gone with the turn.
    p.clicCarte(conseillee);
    for (const Composant& c : p.table().Carte3D) EXPECT_FALSE(c.conseille);
}

TEST(AideTable, UneCarteRepriseRemetLaPartieEtUneAutreSeJoue) {
    PartieTest p;
    ASSERT_TRUE(versUnTourAvecChoix(p));
    const Partie avant = p.jeu;
    const int premiere = p.premiereJouable(), seconde = autreJouable(p.donne(), premiere);
    ASSERT_GT(seconde, 0);

    jouerPuisAttendre(p, premiere);
    EXPECT_FALSE(p.donne().mains[SUD][premiere].enMain);
    ASSERT_TRUE(p.table().menuReprendre.enabled);
    p.geste(Evt::MenuReprendre);
    EXPECT_TRUE(memesDecisions(p.jeu, avant));
    EXPECT_TRUE(p.tourDuJoueur());
    EXPECT_TRUE(p.table().Carte3D[premiere].visible);
    EXPECT_EQ(p.cartesSurLaTable(), avant.donne.pli.nbCartesJouees);

    p.clicCarte(seconde);
    EXPECT_TRUE(p.donne().mains[SUD][premiere].enMain);
    EXPECT_FALSE(p.donne().mains[SUD][seconde].enMain);
    EXPECT_TRUE(p.donne().pli.cartes[SUD] == p.donne().mains[SUD][seconde]);
}

// The deductions panel as the player sees it.
std::vector<Composant> panneauDeductions(const TfrmQuarvel& q) {
    std::vector<Composant> v = {q.PanelAtoutMax, q.PanelAtExt, q.Panel21, q.PanelPetit,
                                q.PanelExcuse};
    for (int c = 1; c <= 4; ++c) {
        v.push_back(q.ComptesCouleurs[c]);
        for (int h = 1; h <= 4; ++h) v.push_back(q.MarqueursHonneurs[c][h]);
    }
    return v;
}

int marqueursMontres(const TfrmQuarvel& q) {
    int n = q.Panel21.visible + q.PanelPetit.visible + q.PanelExcuse.visible;
    for (int c = 1; c <= 4; ++c)
        for (int h = 1; h <= 4; ++h) n += q.MarqueursHonneurs[c][h].visible;
    return n;
}

// A card taken back after the trick showed an honour or a bout gone: the panel shows it held
// again, as everything else drawn from the game.
TEST(AideTable, UneCarteRepriseRemetLePanneauDesDeductions) {
    PartieTest p;
    ASSERT_TRUE(versUnTourAvecChoix(p));
    bool vu = false;
    for (int tour = 0; tour < 16 && !vu && p.tourDuJoueur(); ++tour) {
        const auto avant = panneauDeductions(p.table());
        const int marqueurs = marqueursMontres(p.table());
        jouerPuisAttendre(p, p.premiereJouable());
        if (marqueursMontres(p.table()) == marqueurs || !p.table().menuReprendre.enabled) continue;
        p.geste(Evt::MenuReprendre);
        EXPECT_EQ(panneauDeductions(p.table()), avant);
        vu = true;
    }
    EXPECT_TRUE(vu) << "no card of the deal showed an honour or a bout gone";
}

TEST(AideTable, RejouerLaCarteRepriseRefaitLaMemeDonne) {
    PartieTest p;
    ASSERT_TRUE(versUnTourAvecChoix(p));
    const Partie depart = p.jeu;
    const int carte = p.premiereJouable();

    // Straight to the end.
    jouerPuisAttendre(p, carte);
    p.jouerJusquALaFin();
    ASSERT_TRUE(donneTerminee(p.donne().phase));
    EXPECT_FALSE(p.table().menuReprendre.enabled); // the deal is over
    const Partie fin = p.jeu;

    // The same point again: the card, taken back, played again.
    static_cast<Partie&>(p.jeu) = depart;
    p.clicFond();
    jouerPuisAttendre(p, carte);
    p.geste(Evt::MenuReprendre);
    jouerPuisAttendre(p, carte);
    p.jouerJusquALaFin();
    EXPECT_TRUE(memesDecisions(p.jeu, fin));
}

} // namespace
