// Random gestures on the whole game: whatever is clicked, in whatever order, the game holds.
#include "outils/singe/singe.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace quarvel;

namespace {

// Enough gestures for a few dozen deals per seed, and every seed a different road.
constexpr long GESTES_PAR_GRAINE = 20000;

class Singe : public ::testing::TestWithParam<unsigned> {};

TEST_P(Singe, AucunGesteNeCasseLeJeu) {
    std::ostringstream journal;
    OptionsSinge options;
    options.graine = GetParam();
    options.gestes = GESTES_PAR_GRAINE;
    options.journal = &journal;
    ResultatSinge r = lancerSinge(options);
    EXPECT_EQ(r.echecs, 0) << r.premierEchec;
    EXPECT_EQ(r.gestes, GESTES_PAR_GRAINE);
    // The gestures do reach the end of deals, or the test proves little.
    EXPECT_GT(r.donnes, 5);
}

INSTANTIATE_TEST_SUITE_P(Graines, Singe, ::testing::Values(1u, 2u, 3u, 42u, 2026u, 99999u));

} // namespace
