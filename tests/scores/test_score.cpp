#include "scores/score.h"

#include <gtest/gtest.h>

using namespace quarvel;

namespace {

Donne fin(Contrat contrat, int demiPoints, int pointsContrat, int petitAuBout = 0,
          int poignee = 0) {
    Donne d;
    d.preneur = EST;
    d.contrat = contrat;
    d.pointsPreneur = demiPoints;
    d.pointsContrat = pointsContrat;
    d.petitAuBout = petitAuBout;
    d.poignee = poignee;
    return d;
}

} // namespace

TEST(Score, DemiPointsArrondisAuPair) {
    EXPECT_EQ(demiPointsVersPoints(91), 46);
    EXPECT_EQ(demiPointsVersPoints(81), 40);
    EXPECT_EQ(demiPointsVersPoints(101), 50);
    EXPECT_EQ(demiPointsVersPoints(82), 41);
    EXPECT_EQ(demiPointsVersPoints(0), 0);
    EXPECT_EQ(demiPointsVersPoints(1), 0);
    EXPECT_EQ(demiPointsVersPoints(3), 2);
    EXPECT_EQ(demiPointsVersPoints(182), 91);
    EXPECT_EQ(demiPointsVersPoints(-3), -2);
}

TEST(Score, ResultatsDuPreneur) {
    // Two bouts, 41 points exactly, GARDE.
    EXPECT_EQ(scorePreneur(fin(GARDE, 82, 41)), 150);
    // No bout, 55 points, PRISE, Petit au bout for the defence.
    EXPECT_EQ(scorePreneur(fin(PRISE, 110, 56, 2)), -108);
    // One bout, 50.5 points: 50, lost by one.
    EXPECT_EQ(scorePreneur(fin(PRISE, 101, 51)), (-1 - 25) * 3);
    // 51.5 rounds to 52: won by one.
    EXPECT_EQ(scorePreneur(fin(PRISE, 103, 51)), (1 + 25) * 3);
    // GARDE CONTRE won with a double handful: 30 added after the coefficient.
    EXPECT_EQ(scorePreneur(fin(GARDE_CONTRE, 100, 41, 0, 2)), ((50 - 41 + 25) * 6 + 30) * 3);
    // A handful is paid by the camp that loses; the Petit au bout is multiplied.
    EXPECT_EQ(scorePreneur(fin(GARDE_SANS, 60, 36, 1, 3)), ((30 - 36 - 25 + 10) * 4 - 40) * 3);
    // Never 0, even at the edges.
    EXPECT_EQ(scorePreneur(fin(PRISE, 112, 56, 2)), (25 - 10) * 3);
    EXPECT_EQ(scorePreneur(fin(PRISE, 110, 56, 1)), (-25 - 1 + 10) * 3);
    // No contract, nothing to score.
    EXPECT_EQ(scorePreneur(fin(PASSE, 120, 41)), 0);
}
