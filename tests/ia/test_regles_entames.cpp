// A defender's lead: SUD (seat 1) leads against EST (seat 2).
#include "ia/regles_fixture.h"

using namespace quarvel;
using namespace quarvel::test;

namespace {

Position sudEntame(std::vector<Carte> main) {
    Position p;
    p.mains[SUD] = std::move(main);
    p.mains[NORD] = {A(1)}; // the Petit is out, with a partner
    return p;
}

bool toutesDeLaCouleur(const std::vector<std::string>& reste, const std::string& couleur) {
    for (const auto& nom : reste)
        if (nom.rfind(couleur, 0) != 0 || (couleur == "ATOUT" && nom == "ATOUT22")) return false;
    return !reste.empty();
}

} // namespace

TEST_F(Regles, LeDefenseurMeneAtout) {
    // The master trump, while the Petit is out.
    partir(sudEntame(mainDe({A(21), A(8)}, {PIQUE, COEUR})));
    EXPECT_EQ(decision(), "ATOUT21");
    EXPECT_EQ(regle(), 28);

    // A partner signalled: return his signal with a small trump.
    partir(sudEntame(mainDe({A(15), A(9), A(4)}, {PIQUE, COEUR})));
    con().signaleur = NORD;
    con().signalAtout = true;
    EXPECT_EQ(decision(), "ATOUT4");
    EXPECT_EQ(regle(), 40);

    // The taker ruffed with the Petit: lead trumps four times in five.
    int atouts = 0;
    const int essais = 200;
    for (int i = 1; i <= essais; ++i) {
        partir(sudEntame(mainDe({A(15), A(9), A(4)}, {PIQUE, COEUR})));
        con().preneurCoupeDuPetit = 0;
        jeu->alea.graine = 1000u + 7919u * i;
        if (toutesDeLaCouleur(choisir(), "ATOUT")) ++atouts;
    }
    EXPECT_GT(atouts, essais * 70 / 100);
    EXPECT_LT(atouts, essais * 88 / 100);
}

TEST_F(Regles, LeDefenseurEvitantLesCouleursDuPreneur) {
    const auto main = mainDe({P(9), P(5), Co(7), Co(3), Tr(8), Tr(2)}, {CARREAU});
    // Not the suit the taker has just led.
    partir(sudEntame(main));
    con().derniereEntamePreneur = COEUR;
    for (const auto& nom : choisir()) EXPECT_EQ(nom.rfind("COEUR", 0), std::string::npos) << nom;

    // The taker without trumps: the suit he is void in.
    partir(sudEntame(main));
    con().sansAtout[SUD][EST] = true;
    con().couleurCoupee[SUD][EST][TREFLE] = true;
    EXPECT_EQ(choisir(), noms({Tr(8), Tr(2)}));
}
