#include "aides/cartes_test.h"
#include "encheres/evaluation.h"

#include <gtest/gtest.h>

using namespace quarvel;
using namespace quarvel::test;

TEST(Evaluation, PoidsDesCartes) {
    const Carte cartes[] = {EXC,     A(1),     A(21),        A(20),     A(15),  A(14),  A(2),
                            Co(ROI), Co(DAME), Tr(CAVALIER), Tr(VALET), Ca(10), Carte{}};
    const int poids[] = {12, 12, 12, 3, 3, 2, 2, 12, 6, 2, 2, 1, 0};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(poidsCarte(cartes[i]), poids[i]) << i;
}

TEST(Evaluation, MainsCommentees) {
    MainJoueur gardeSans =
        mainDe({A(21), EXC, A(18), A(16), A(12), A(9), A(5), P(ROI), P(DAME), P(7), Co(ROI), Co(4),
                Co(2), Tr(VALET), Tr(6), Tr(3), Ca(8), Ca(1)});
    MesureMain m = mesurerMain(gardeSans);
    EXPECT_EQ(m.atoutsExcuse, 7);
    EXPECT_EQ(m.atouts, 6);
    EXPECT_EQ(m.hauts, 3);
    EXPECT_EQ(m.bouts, 2);
    EXPECT_EQ(m.score, 79);
    EXPECT_EQ(evaluerMain(gardeSans), GARDE_SANS);

    MainJoueur passe =
        mainDe({A(20), A(17), A(13), A(10), A(8), A(6), A(3), A(2), P(ROI), P(CAVALIER), P(5),
                Co(DAME), Co(9), Co(1), Tr(ROI), Tr(7), Ca(10), Ca(4)});
    EXPECT_EQ(mesurerMain(passe).score, 62);
    EXPECT_EQ(evaluerMain(passe), PASSE);

    // Both length bonuses apply.
    MainJoueur contre = mainDe({A(21), A(1), EXC, A(20), A(19), A(17), A(15), A(14), A(11), A(7),
                                A(4), P(ROI), P(DAME), Co(ROI), Tr(9), Tr(2), Ca(6), Ca(5)});
    EXPECT_EQ(mesurerMain(contre).score, 128);
    Donne d;
    d.mains[3] = contre;
    EXPECT_EQ(evaluerMain(d, NORD), GARDE_CONTRE);

    // Three bouts but three trumps besides the Excuse: PASSE, however many kings.
    MainJoueur rois = mainDe({A(21), A(1), EXC, A(20), P(ROI), Co(ROI), Tr(ROI), Ca(ROI), P(DAME),
                              Co(DAME), Tr(DAME), Ca(DAME), P(CAVALIER), Co(CAVALIER), Tr(CAVALIER),
                              Ca(CAVALIER), P(VALET), Co(VALET)});
    EXPECT_GE(mesurerMain(rois).score, 84);
    EXPECT_EQ(evaluerMain(rois), PASSE);
}

TEST(Evaluation, EntreesEtBornes) {
    struct Cas {
        MesureMain m; // N, T, H, B, 21, S
        Contrat attendu;
    };
    const Cas cas[] = {
        // Petit and Excuse, T = 6, H = 1: bound 6.5. With the 21 instead: bound 4.5.
        {{7, 6, 1, 2, false, 80}, PASSE},
        {{7, 6, 1, 2, true, 80}, GARDE_SANS},
        // One bout, H = 3: bound 6.5; H = 4: exactly 6.
        {{7, 6, 3, 1, false, 72}, PASSE},
        {{7, 7, 3, 1, false, 72}, PRISE},
        {{7, 6, 4, 1, false, 72}, PRISE},
        // Three bouts, H = 4: the bound is 3 and T >= 4 decides.
        {{4, 3, 4, 3, true, 90}, PASSE},
        {{5, 4, 4, 3, true, 60}, PRISE},
        // Band edges.
        {{7, 6, 6, 3, true, 51}, PASSE},
        {{7, 6, 6, 3, true, 52}, PRISE},
        {{7, 6, 6, 3, true, 84}, GARDE_SANS},
        {{8, 7, 6, 3, true, 84}, GARDE_CONTRE},
        {{6, 5, 6, 3, true, 78}, GARDE},
        {{8, 7, 6, 2, true, 49}, PASSE},
        {{8, 7, 6, 2, true, 76}, GARDE_SANS},
        {{8, 8, 6, 1, false, 113}, GARDE_SANS},
        {{8, 8, 6, 1, false, 114}, GARDE_CONTRE},
        {{8, 8, 6, 0, false, 85}, PRISE},
        {{8, 8, 6, 0, false, 86}, GARDE},
        {{8, 8, 6, 0, false, 130}, GARDE_SANS},
        {{9, 9, 6, 0, false, 130}, GARDE_CONTRE},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(contratMerite(c.m), c.attendu)
            << "T " << c.m.atouts << " H " << c.m.hauts << " B " << c.m.bouts << " S " << c.m.score;
}
