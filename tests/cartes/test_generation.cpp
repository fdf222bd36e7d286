#include "aides/cartes_test.h"
#include "cartes/generation.h"
#include "encheres/evaluation.h"
#include "fenetres/modele/jeu.h"
#include "partie/nouvelle_donne.h"

#include <gtest/gtest.h>

#include <utility>

#include <memory>
#include <vector>

using namespace quarvel;
using namespace quarvel::test;

namespace {

int compter(const Carte* debut, const Carte* fin, bool (*critere)(const Carte&)) {
    int n = 0;
    for (const Carte* c = debut; c < fin; ++c) n += critere(*c);
    return n;
}
bool ecartable(const Carte& c) {
    return c.couleur != ATOUT && c.valeur < ROI;
}

// Lays out the pack so that the deal gives SUD these cards (then low suit cards up to 18),
// the dog the given cards, and the rest round the other seats.
void preparerPaquet(Jeu& jeu, std::vector<int> sud, std::vector<int> chien) {
    bool pris[79] = {};
    for (int n : sud) pris[n] = true;
    for (int n : chien) pris[n] = true;
    for (int n = 1; n <= 56 && sud.size() < 18; ++n)
        if (!pris[n] && (n - 1) % 14 + 1 < ROI) sud.push_back(n), pris[n] = true;
    std::vector<int> autres;
    for (int n = 1; n <= 78; ++n)
        if (!pris[n]) autres.push_back(n);
    int k = 0;
    for (int p = 1; p <= 78; ++p) {
        PlaceDonnee place = placeDeLaPosition(p);
        jeu.paquet[p] = place.siege == Siege::Aucun ? chien[place.slot - 1]
                        : place.siege == SUD        ? sud[place.slot - 1]
                                                    : autres[k++];
    }
}

} // namespace

TEST(Generation, TriDistributionEtMelange) {
    Tableau<Carte, 5> m{{EXC, A(21), A(1), Ca(ROI), P(2)}};
    trierCartes(m);
    EXPECT_EQ(m, (Tableau<Carte, 5>{{A(21), A(1), EXC, P(2), Ca(ROI)}}));

    // By threes from SUD, one card to the dog after every twelve.
    auto jeu = std::make_unique<Jeu>();
    for (int i = 1; i <= 78; ++i) jeu->paquet[i] = i;
    distribuer(jeu->paquet, jeu->donne);
    const Donne& d = jeu->donne;
    EXPECT_EQ(d.mains[SUD][3], carteDuNumero(3));
    EXPECT_EQ(d.mains[EST][1], carteDuNumero(4));
    EXPECT_EQ(d.chien[1], carteDuNumero(13));
    EXPECT_EQ(d.mains[SUD][4], carteDuNumero(14));
    EXPECT_EQ(d.mains[OUEST][18], carteDuNumero(77));
    EXPECT_EQ(d.chien[6], carteDuNumero(78));
    EXPECT_TRUE(d.mains[NORD][7].enMain);

    // The shuffle makes exactly 1434 draws.
    jeu->alea.graine = 12345;
    melanger(jeu->paquet, jeu->alea);
    Aleatoire r{12345};
    for (int i = 0; i < 1434; ++i) r(78);
    EXPECT_EQ(jeu->alea.graine, r.graine);
}

TEST(Generation, PetitSecEtEcartImpossibleRefuses) {
    auto jeu = std::make_unique<Jeu>();
    const std::vector<int> chienBas = {1, 2, 3, 4, 5, 6};
    // The Petit with the Excuse is not a petit sec; the Petit alone is.
    preparerPaquet(*jeu, {NUMERO_PETIT, NUMERO_EXCUSE}, chienBas);
    distribuer(jeu->paquet, jeu->donne);
    EXPECT_TRUE(examinerCandidat(jeu->donne, optionsDonne(*jeu), false));
    preparerPaquet(*jeu, {NUMERO_PETIT}, chienBas);
    distribuer(jeu->paquet, jeu->donne);
    EXPECT_FALSE(examinerCandidat(jeu->donne, optionsDonne(*jeu), false));
    // A replay is accepted whatever the checks say, yet they all run.
    jeu->donne.encheresMeritees.remplir(PAS_PARLE);
    EXPECT_TRUE(faireCandidat(jeu->donne, jeu->paquet, jeu->alea, optionsDonne(*jeu), true));
    EXPECT_GE(jeu->donne.encheresMeritees[OUEST], PASSE);

    // SUD: 16 trumps and two Rois, nothing of his own to set aside; five low cards in the dog.
    std::vector<int> sud = {14, 28};
    for (int n = 60; n <= 75; ++n) sud.push_back(n);
    preparerPaquet(*jeu, sud, {1, 2, 3, 4, 5, 42});
    distribuer(jeu->paquet, jeu->donne);
    EXPECT_FALSE(examinerCandidat(jeu->donne, optionsDonne(*jeu), false));
    preparerPaquet(*jeu, sud, chienBas);
    distribuer(jeu->paquet, jeu->donne);
    EXPECT_TRUE(examinerCandidat(jeu->donne, optionsDonne(*jeu), false));
}

TEST(Generation, DonnesNormalesRespectentLesRegles) {
    auto jeu = std::make_unique<Jeu>();
    jeu->alea.graine = 2024;
    jeu->reglages.optionForceMain = 2;
    const Siege ordre[] = {OUEST, SUD, EST, NORD};
    for (int k = 0; k < 300; ++k) {
        produireDonne(*jeu, false);
        const Donne& d = jeu->donne;
        ASSERT_EQ(d.premierParlant, ordre[k % 4]);
        EXPECT_EQ(d.joueurCourant, d.premierParlant);
        EXPECT_EQ(d.pli.entame, d.premierParlant);
        const int chienBas = compter(d.chien.begin(), d.chien.end(), ecartable);
        for (Siege s : SIEGES) {
            const MainJoueur& m = d.mains[s];
            for (int i = 2; i <= 18; ++i) EXPECT_TRUE(avant(m[i - 1], m[i]));
            const bool petitSec = m[1] == A(PETIT) && m[2].couleur != ATOUT;
            EXPECT_FALSE(petitSec) << "seat " << s;
            EXPECT_GE(chienBas + compter(m.begin(), m.end(), ecartable), 6);
            EXPECT_EQ(d.encheresMeritees[s], evaluerMain(m));
        }
        EXPECT_EQ(d.mainsDonnees, d.mains);
        EXPECT_EQ(d.chienDonne, d.chien);
    }
}

TEST(Generation, ForcageDeLaMainDuJoueur) {
    auto jeu = std::make_unique<Jeu>();
    jeu->alea.graine = 7;
    const std::pair<int, Contrat> forcages[] = {{4, GARDE}, {6, GARDE_CONTRE}, {1, PASSE}};
    for (auto [option, attendu] : forcages) {
        jeu->reglages.optionForceMain = option;
        for (int k = 0; k < 10; ++k) {
            produireDonne(*jeu, false);
            EXPECT_EQ(jeu->donne.encheresMeritees[SUD], attendu);
        }
    }
    // PASSE for the user, and yet a hand to take among the others.
    jeu->reglages.optionAuMoinsUneMainDePrise = true;
    for (int k = 0; k < 30; ++k) {
        produireDonne(*jeu, false);
        const Donne& d = jeu->donne;
        EXPECT_EQ(d.encheresMeritees[SUD], PASSE);
        EXPECT_TRUE(d.encheresMeritees[EST] > PASSE || d.encheresMeritees[NORD] > PASSE ||
                    d.encheresMeritees[OUEST] > PASSE);
    }
}

TEST(Generation, RejouerRedonneLesMemesCartes) {
    auto jeu = std::make_unique<Jeu>();
    // Nothing dealt yet: a replay still gives a whole deal instead of reading an empty pack.
    produireDonne(*jeu, true);
    EXPECT_EQ(jeu->donne.premierParlant, NORD);
    EXPECT_EQ(compter(jeu->donne.chien.begin(), jeu->donne.chien.end(),
                      [](const Carte& c) { return c.enMain; }),
              6);

    jeu->reglages.optionForceMain = 2;
    produireDonne(*jeu, false);
    const Donne avant = jeu->donne;
    // Half a deal played, then the options changed: the replay ignores them.
    jeu->donne.mains[SUD][1].enMain = false;
    jeu->reglages.optionForceMain = 6;
    jeu->reglages.optionAuMoinsUneMainDePrise = true;
    produireDonne(*jeu, true);
    const Donne& d = jeu->donne;
    EXPECT_TRUE(d.donneRejouee);
    EXPECT_EQ(jeu->candidats, 1);
    EXPECT_EQ(d.premierParlant, avant.premierParlant);
    EXPECT_EQ(d.mains, avant.mains);
    EXPECT_TRUE(d.mains[SUD][1].enMain);
    EXPECT_EQ(d.chien, avant.chien);
    EXPECT_EQ(d.encheresMeritees, avant.encheresMeritees);

    jeu->reglages.optionForceMain = 2;
    produireDonne(*jeu, false);
    EXPECT_EQ(jeu->donne.premierParlant, siegeSuivant(avant.premierParlant));
    EXPECT_FALSE(jeu->donne.donneRejouee);
}
