#include "aides/cartes_test.h"
#include "cartes/generation.h"
#include "donne/jeu.h"
#include "encheres/evaluation.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace quarvel;
using namespace quarvel::test;

namespace {

bool estTriee(const Carte* debut, const Carte* fin) {
    for (const Carte* c = debut + 1; c < fin; ++c)
        if (avant(*c, *(c - 1))) return false;
    return true;
}

int atoutsDe(const MainJoueur& m) {
    int n = 0;
    for (const Carte& c : m) n += c.couleur == ATOUT;
    return n;
}

bool contientPetit(const MainJoueur& m) {
    for (const Carte& c : m)
        if (estPetit(c)) return true;
    return false;
}

int ecartables(const Carte* debut, const Carte* fin) {
    int n = 0;
    for (const Carte* c = debut; c < fin; ++c) n += c->couleur != ATOUT && c->valeur < ROI;
    return n;
}

// Lays out the pack so that the deal gives these card numbers to each seat and to the dog.
void preparerPaquet(Jeu& jeu, const std::vector<std::vector<int>>& mains,
                    const std::vector<int>& chien) {
    for (int p = 1; p <= 78; ++p) {
        PlaceDonnee place = placeDeLaPosition(p);
        jeu.paquet[p] =
            place.siege == 0 ? chien[place.slot - 1] : mains[place.siege - 1][place.slot - 1];
    }
}

// SUD holds the given trumps and suit cards up to 18; the rest of the pack goes round the
// other seats, the dog taking six low suit cards.
void paquetAvecSud(Jeu& jeu, const std::vector<int>& atoutsSud) {
    std::vector<std::vector<int>> mains(4);
    std::vector<int> chien;
    bool pris[79] = {};
    for (int n : atoutsSud) {
        mains[0].push_back(n);
        pris[n] = true;
    }
    for (int n = 1; n <= 56 && mains[0].size() < 18; ++n)
        if ((n - 1) % 14 + 1 < ROI) {
            mains[0].push_back(n);
            pris[n] = true;
        }
    for (int n = 1; n <= 56 && chien.size() < 6; ++n)
        if (!pris[n] && (n - 1) % 14 + 1 < ROI) {
            chien.push_back(n);
            pris[n] = true;
        }
    int s = 1;
    for (int n = 1; n <= 78; ++n)
        if (!pris[n]) {
            mains[s].push_back(n);
            s = s == 3 ? 1 : s + 1;
        }
    preparerPaquet(jeu, mains, chien);
}

} // namespace

TEST(Generation, TriDesMainsEtDuChien) {
    Tableau<Carte, 5> m{{excuse(), atout(21), atout(1), carreau(ROI), pique(2)}};
    trierCartes(m);
    Tableau<Carte, 5> attendu{{atout(21), atout(1), excuse(), pique(2), carreau(ROI)}};
    EXPECT_EQ(m, attendu);

    Chien chien{{coeur(3), atout(5), carreau(1), coeur(ROI), pique(7), excuse()}};
    trierChien(chien);
    Chien chienAttendu{{atout(5), excuse(), pique(7), coeur(ROI), coeur(3), carreau(1)}};
    EXPECT_EQ(chien, chienAttendu);
}

TEST(Generation, DistributionParTroisAvecLeChien) {
    auto jeu = std::make_unique<Jeu>();
    for (int i = 1; i <= 78; ++i) jeu->paquet[i] = i;
    distribuer(*jeu);
    const Donne& d = jeu->donne;
    // First block: three cards to each seat from SUD, then one to the dog.
    EXPECT_EQ(d.mains[SUD][1], carteDuNumero(1));
    EXPECT_EQ(d.mains[SUD][3], carteDuNumero(3));
    EXPECT_EQ(d.mains[EST][1], carteDuNumero(4));
    EXPECT_EQ(d.mains[OUEST][3], carteDuNumero(12));
    EXPECT_EQ(d.chien[1], carteDuNumero(13));
    EXPECT_EQ(d.mains[SUD][4], carteDuNumero(14));
    EXPECT_EQ(d.chien[6], carteDuNumero(78));
    EXPECT_EQ(d.mains[OUEST][18], carteDuNumero(77));
    for (int s = 1; s <= 4; ++s)
        for (const Carte& c : d.mains[s]) EXPECT_TRUE(c.enMain);

    // Every position goes to exactly one place.
    int vus[5][19] = {};
    for (int p = 1; p <= 78; ++p) {
        PlaceDonnee place = placeDeLaPosition(p);
        ++vus[place.siege][place.slot];
    }
    for (int s = 0; s <= 4; ++s)
        for (int k = 1; k <= (s == 0 ? 6 : 18); ++k) EXPECT_EQ(vus[s][k], 1);
}

TEST(Generation, MelangeDetermineParLaGraine) {
    auto a = std::make_unique<Jeu>();
    auto b = std::make_unique<Jeu>();
    a->alea.graine = b->alea.graine = 12345;
    melanger(*a);
    melanger(*b);
    EXPECT_EQ(a->paquet, b->paquet);
    // 717 exchanges, two draws each.
    Aleatoire r{12345};
    for (int i = 0; i < 1434; ++i) r(78);
    EXPECT_EQ(a->alea.graine, r.graine);
    bool vu[79] = {};
    for (int n : a->paquet) {
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 78);
        EXPECT_FALSE(vu[n]);
        vu[n] = true;
    }
}

TEST(Generation, PetitSecEtEcartImpossibleRefuses) {
    auto jeu = std::make_unique<Jeu>();
    // The Petit with the Excuse is not a petit sec.
    paquetAvecSud(*jeu, {NUMERO_PETIT, NUMERO_EXCUSE});
    distribuer(*jeu);
    EXPECT_EQ(atoutsDe(jeu->donne.mains[SUD]), 2);
    EXPECT_TRUE(examinerCandidat(*jeu, false));
    // The Petit alone is.
    paquetAvecSud(*jeu, {NUMERO_PETIT});
    distribuer(*jeu);
    EXPECT_FALSE(examinerCandidat(*jeu, false));
    // A replay is accepted whatever the checks say, yet they all run.
    jeu->donne.encheresMeritees.remplir(-1);
    EXPECT_TRUE(faireCandidat(*jeu, true));
    for (int s = 1; s <= 4; ++s) EXPECT_GE(jeu->donne.encheresMeritees[s], 0);

    // SUD with 16 trumps and two Rois: nothing of his own to set aside, and only five
    // low cards in the dog.
    std::vector<int> sud;
    for (int n = 60; n <= 75; ++n) sud.push_back(n);
    sud.push_back(14);
    sud.push_back(28);
    std::vector<int> chien = {1, 2, 3, 4, 5, 42};
    bool pris[79] = {};
    for (int n : sud) pris[n] = true;
    for (int n : chien) pris[n] = true;
    std::vector<std::vector<int>> mains{sud, {}, {}, {}};
    int s = 1;
    for (int n = 1; n <= 78; ++n)
        if (!pris[n]) {
            mains[s].push_back(n);
            s = s == 3 ? 1 : s + 1;
        }
    preparerPaquet(*jeu, mains, chien);
    distribuer(*jeu);
    EXPECT_FALSE(examinerCandidat(*jeu, false));
    // Six low cards in the dog make the discard possible.
    std::swap(chien[5], mains[1][0]); // a low card for the TREFLE Roi
    ASSERT_LT((chien[5] - 1) % 14 + 1, ROI);
    preparerPaquet(*jeu, mains, chien);
    distribuer(*jeu);
    EXPECT_TRUE(examinerCandidat(*jeu, false));
}

TEST(Generation, DonnesNormalesRespectentLesRegles) {
    auto jeu = std::make_unique<Jeu>();
    jeu->alea.graine = 2024;
    jeu->reglages.optionForceMain = 2;
    int attendu = jeu->donne.premierParlant;
    for (int k = 0; k < 300; ++k) {
        produireDonne(*jeu, false);
        const Donne& d = jeu->donne;
        attendu = siegeSuivant(attendu);
        ASSERT_EQ(d.premierParlant, attendu);
        EXPECT_EQ(d.joueurCourant, attendu);
        EXPECT_EQ(d.pli.entame, attendu);
        EXPECT_FALSE(d.donneRejouee);
        EXPECT_GE(jeu->candidats, 1);
        const int chienBas = ecartables(d.chien.begin(), d.chien.end());
        EXPECT_TRUE(estTriee(d.chien.begin(), d.chien.end()));
        for (int s = 1; s <= 4; ++s) {
            const MainJoueur& m = d.mains[s];
            EXPECT_TRUE(estTriee(m.begin(), m.end()));
            EXPECT_FALSE(atoutsDe(m) == 1 && contientPetit(m)) << "petit sec, seat " << s;
            EXPECT_GE(chienBas + ecartables(m.begin(), m.end()), 6);
            EXPECT_EQ(d.encheresMeritees[s], evaluerMain(m));
        }
        EXPECT_EQ(d.mainsDonnees, d.mains);
        EXPECT_EQ(d.chienDonne, d.chien);
    }
}

TEST(Generation, ForcageDeLaMainDuJoueur) {
    auto jeu = std::make_unique<Jeu>();
    jeu->alea.graine = 7;
    jeu->reglages.optionForceMain = 4;
    for (int k = 0; k < 20; ++k) {
        produireDonne(*jeu, false);
        EXPECT_EQ(jeu->donne.encheresMeritees[SUD], GARDE);
        EXPECT_EQ(evaluerMain(jeu->donne, SUD), GARDE);
    }
    jeu->reglages.optionForceMain = 6;
    produireDonne(*jeu, false);
    EXPECT_EQ(jeu->donne.encheresMeritees[SUD], GARDE_CONTRE);

    jeu->reglages.optionForceMain = 1;
    jeu->reglages.optionAuMoinsUneMainDePrise = true;
    for (int k = 0; k < 30; ++k) {
        produireDonne(*jeu, false);
        const Donne& d = jeu->donne;
        EXPECT_EQ(d.encheresMeritees[SUD], PASSE);
        EXPECT_TRUE(d.encheresMeritees[EST] > 0 || d.encheresMeritees[NORD] > 0 ||
                    d.encheresMeritees[OUEST] > 0);
    }
    // A value outside 1..6 forces nothing.
    jeu->reglages.optionForceMain = 9;
    jeu->reglages.optionAuMoinsUneMainDePrise = false;
    bool autre = false;
    for (int k = 0; k < 40 && !autre; ++k) {
        produireDonne(*jeu, false);
        autre = jeu->donne.encheresMeritees[SUD] != PASSE;
    }
    EXPECT_TRUE(autre);
}

TEST(Generation, RejouerRedonneLesMemesCartes) {
    auto jeu = std::make_unique<Jeu>();
    jeu->alea.graine = 99;
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

    // The next new deal moves the first speaker on by one seat.
    jeu->reglages.optionForceMain = 2;
    produireDonne(*jeu, false);
    EXPECT_EQ(jeu->donne.premierParlant, siegeSuivant(avant.premierParlant));
    EXPECT_FALSE(jeu->donne.donneRejouee);
}

TEST(Generation, PremiereDonneOuverteParOuestEtRejouerSansDonne) {
    auto jeu = std::make_unique<Jeu>();
    // Nothing dealt yet: a replay still gives a sound deal instead of reading an empty pack.
    produireDonne(*jeu, true);
    EXPECT_EQ(jeu->donne.premierParlant, 3);
    int total = 0;
    for (int s = 1; s <= 4; ++s)
        for (const Carte& c : jeu->donne.mains[s]) total += pointsCarte(c);
    for (const Carte& c : jeu->donne.chien) total += pointsCarte(c);
    EXPECT_EQ(total, 182);

    auto neuf = std::make_unique<Jeu>();
    const int ordre[] = {OUEST, SUD, EST, NORD, OUEST};
    for (int attendu : ordre) {
        produireDonne(*neuf, false);
        EXPECT_EQ(neuf->donne.premierParlant, attendu);
    }
}
