#include "aides/cartes_test.h"
#include "encheres/evaluation.h"

#include <gtest/gtest.h>

using namespace quarvel;
using namespace quarvel::test;

TEST(Evaluation, PoidsDesCartes) {
    EXPECT_EQ(poidsCarte(excuse()), 12);
    EXPECT_EQ(poidsCarte(atout(1)), 12);
    EXPECT_EQ(poidsCarte(atout(21)), 12);
    EXPECT_EQ(poidsCarte(atout(20)), 3);
    EXPECT_EQ(poidsCarte(atout(15)), 3);
    EXPECT_EQ(poidsCarte(atout(14)), 2);
    EXPECT_EQ(poidsCarte(atout(2)), 2);
    EXPECT_EQ(poidsCarte(coeur(ROI)), 12);
    EXPECT_EQ(poidsCarte(coeur(DAME)), 6);
    EXPECT_EQ(poidsCarte(trefle(CAVALIER)), 2);
    EXPECT_EQ(poidsCarte(trefle(VALET)), 2);
    EXPECT_EQ(poidsCarte(carreau(10)), 1);
    EXPECT_EQ(poidsCarte(pique(1)), 1);
    EXPECT_EQ(poidsCarte(Carte{}), 0);
}

TEST(Evaluation, MainsCommentees) {
    // Two bouts with the 21, seven trumps counting the Excuse.
    MainJoueur gardeSans =
        mainDe({atout(21), excuse(), atout(18), atout(16), atout(12), atout(9), atout(5),
                pique(ROI), pique(DAME), pique(7), coeur(ROI), coeur(4), coeur(2), trefle(VALET),
                trefle(6), trefle(3), carreau(8), carreau(1)});
    MesureMain m = mesurerMain(gardeSans);
    EXPECT_EQ(m.atoutsExcuse, 7);
    EXPECT_EQ(m.atouts, 6);
    EXPECT_EQ(m.hauts, 3);
    EXPECT_EQ(m.bouts, 2);
    EXPECT_TRUE(m.a21);
    EXPECT_EQ(m.score, 79);
    EXPECT_EQ(evaluerMain(gardeSans), GARDE_SANS);

    // No bout: the entry is met but 62 is far from enough.
    MainJoueur passe =
        mainDe({atout(20), atout(17), atout(13), atout(10), atout(8), atout(6), atout(3), atout(2),
                pique(ROI), pique(CAVALIER), pique(5), coeur(DAME), coeur(9), coeur(1), trefle(ROI),
                trefle(7), carreau(10), carreau(4)});
    EXPECT_EQ(mesurerMain(passe).score, 62);
    EXPECT_EQ(evaluerMain(passe), PASSE);

    // Three bouts and ten trumps: both length bonuses apply.
    MainJoueur contre =
        mainDe({atout(21), atout(1), excuse(), atout(20), atout(19), atout(17), atout(15),
                atout(14), atout(11), atout(7), atout(4), pique(ROI), pique(DAME), coeur(ROI),
                trefle(9), trefle(2), carreau(6), carreau(5)});
    m = mesurerMain(contre);
    EXPECT_EQ(m.atoutsExcuse, 11);
    EXPECT_EQ(m.atouts, 10);
    EXPECT_EQ(m.hauts, 6);
    EXPECT_EQ(m.score, 128);
    EXPECT_EQ(evaluerMain(contre), GARDE_CONTRE);

    // The same hand read from a deal, by seat.
    Donne d;
    d.mains[3] = contre;
    EXPECT_EQ(evaluerMain(d, 3), GARDE_CONTRE);
}

TEST(Evaluation, ConditionsDEntree) {
    // Three bouts and only three trumps besides the Excuse: however many kings.
    MainJoueur rois = mainDe({atout(21), atout(1), excuse(), atout(20), pique(ROI), coeur(ROI),
                              trefle(ROI), carreau(ROI), pique(DAME), coeur(DAME), trefle(DAME),
                              carreau(DAME), pique(CAVALIER), coeur(CAVALIER), trefle(CAVALIER),
                              carreau(CAVALIER), pique(VALET), coeur(VALET)});
    EXPECT_GE(mesurerMain(rois).score, 84);
    EXPECT_EQ(evaluerMain(rois), PASSE);

    // Petit and Excuse without the 21, six trumps, one high: 6 < 7 - 1/2.
    MesureMain m{7, 6, 1, 2, false, 80};
    EXPECT_EQ(contratMerite(m), PASSE);
    // The 21 in place of the Petit: 6 >= 5 - 1/2, scored normally.
    m.a21 = true;
    EXPECT_EQ(contratMerite(m), GARDE_SANS);

    // One bout, H = 3: the bound is 6.5, so six trumps fail and seven pass.
    EXPECT_EQ(contratMerite({6, 6, 3, 1, false, 72}), PASSE);
    EXPECT_EQ(contratMerite({7, 7, 3, 1, false, 72}), PRISE);
    // One bout, H = 4: the bound is exactly 6.
    EXPECT_EQ(contratMerite({6, 6, 4, 1, false, 72}), PRISE);
    // Three bouts, H = 4: the bound is 3 and T >= 4 decides.
    EXPECT_EQ(contratMerite({4, 3, 4, 3, true, 90}), PASSE);
    EXPECT_EQ(contratMerite({5, 4, 4, 3, true, 60}), PRISE);
    // No bout: T >= 7 and T >= 9 - H/2.
    EXPECT_EQ(contratMerite({7, 7, 3, 0, false, 100}), PASSE);
    EXPECT_EQ(contratMerite({7, 7, 4, 0, false, 100}), GARDE);
}

TEST(Evaluation, BornesDesBandes) {
    auto trois = [](int s, int t) { return contratMerite({t + 1, t, 6, 3, true, s}); };
    EXPECT_EQ(trois(51, 6), PASSE);
    EXPECT_EQ(trois(52, 6), PRISE);
    EXPECT_EQ(trois(61, 6), PRISE);
    EXPECT_EQ(trois(62, 6), GARDE);
    EXPECT_EQ(trois(77, 6), GARDE);
    EXPECT_EQ(trois(78, 5), GARDE);
    EXPECT_EQ(trois(78, 6), GARDE_SANS);
    EXPECT_EQ(trois(84, 6), GARDE_SANS);
    EXPECT_EQ(trois(84, 7), GARDE_CONTRE);

    auto deux = [](int s, int t) { return contratMerite({t, t, 6, 2, true, s}); };
    EXPECT_EQ(deux(49, 7), PASSE);
    EXPECT_EQ(deux(50, 7), PRISE);
    EXPECT_EQ(deux(56, 7), GARDE);
    EXPECT_EQ(deux(76, 7), GARDE_SANS);
    EXPECT_EQ(deux(83, 7), GARDE_SANS);
    EXPECT_EQ(deux(84, 7), GARDE_CONTRE);

    auto un = [](int s, int t) { return contratMerite({t, t, 6, 1, false, s}); };
    EXPECT_EQ(un(69, 8), PASSE);
    EXPECT_EQ(un(70, 8), PRISE);
    EXPECT_EQ(un(76, 8), GARDE);
    EXPECT_EQ(un(104, 6), GARDE);
    EXPECT_EQ(un(104, 7), GARDE_SANS);
    EXPECT_EQ(un(114, 7), GARDE_SANS);
    EXPECT_EQ(un(114, 8), GARDE_CONTRE);

    auto aucun = [](int s, int t) { return contratMerite({t, t, 6, 0, false, s}); };
    EXPECT_EQ(aucun(79, 8), PASSE);
    EXPECT_EQ(aucun(80, 8), PRISE);
    EXPECT_EQ(aucun(86, 8), GARDE);
    EXPECT_EQ(aucun(124, 7), GARDE);
    EXPECT_EQ(aucun(124, 8), GARDE_SANS);
    EXPECT_EQ(aucun(130, 8), GARDE_SANS);
    EXPECT_EQ(aucun(130, 9), GARDE_CONTRE);
}
