#include "aides/cartes_test.h"
#include "encheres/evaluation.h"

#include <gtest/gtest.h>

using namespace quarvel;
using namespace quarvel::test;

TEST(Evaluation, PoidsDesCartes) {
    const Carte cartes[] = {excuse(),      atout(1),    atout(21),  atout(20),   atout(15),
                            atout(14),     atout(2),    coeur(ROI), coeur(DAME), trefle(CAVALIER),
                            trefle(VALET), carreau(10), Carte{}};
    const int poids[] = {12, 12, 12, 3, 3, 2, 2, 12, 6, 2, 2, 1, 0};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(poidsCarte(cartes[i]), poids[i]) << i;
}

TEST(Evaluation, MainsCommentees) {
    MainJoueur gardeSans =
        mainDe({atout(21), excuse(), atout(18), atout(16), atout(12), atout(9), atout(5),
                pique(ROI), pique(DAME), pique(7), coeur(ROI), coeur(4), coeur(2), trefle(VALET),
                trefle(6), trefle(3), carreau(8), carreau(1)});
    MesureMain m = mesurerMain(gardeSans);
    EXPECT_EQ(m.atoutsExcuse, 7);
    EXPECT_EQ(m.atouts, 6);
    EXPECT_EQ(m.hauts, 3);
    EXPECT_EQ(m.bouts, 2);
    EXPECT_EQ(m.score, 79);
    EXPECT_EQ(evaluerMain(gardeSans), GARDE_SANS);

    MainJoueur passe =
        mainDe({atout(20), atout(17), atout(13), atout(10), atout(8), atout(6), atout(3), atout(2),
                pique(ROI), pique(CAVALIER), pique(5), coeur(DAME), coeur(9), coeur(1), trefle(ROI),
                trefle(7), carreau(10), carreau(4)});
    EXPECT_EQ(mesurerMain(passe).score, 62);
    EXPECT_EQ(evaluerMain(passe), PASSE);

    // Both length bonuses apply.
    MainJoueur contre =
        mainDe({atout(21), atout(1), excuse(), atout(20), atout(19), atout(17), atout(15),
                atout(14), atout(11), atout(7), atout(4), pique(ROI), pique(DAME), coeur(ROI),
                trefle(9), trefle(2), carreau(6), carreau(5)});
    EXPECT_EQ(mesurerMain(contre).score, 128);
    Donne d;
    d.mains[3] = contre;
    EXPECT_EQ(evaluerMain(d, 3), GARDE_CONTRE);

    // Three bouts but three trumps besides the Excuse: PASSE, however many kings.
    MainJoueur rois = mainDe({atout(21), atout(1), excuse(), atout(20), pique(ROI), coeur(ROI),
                              trefle(ROI), carreau(ROI), pique(DAME), coeur(DAME), trefle(DAME),
                              carreau(DAME), pique(CAVALIER), coeur(CAVALIER), trefle(CAVALIER),
                              carreau(CAVALIER), pique(VALET), coeur(VALET)});
    EXPECT_GE(mesurerMain(rois).score, 84);
    EXPECT_EQ(evaluerMain(rois), PASSE);
}

TEST(Evaluation, EntreesEtBornes) {
    struct Cas {
        MesureMain m; // N, T, H, B, 21, S
        int attendu;
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
