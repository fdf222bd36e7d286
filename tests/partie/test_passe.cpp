// The rule pass leaves out the rules that cannot act where the seat stands (its place in the
// trick, taker or defender): over whole deals, the whole table run instead decides the same
// cards and makes the same draws.
#include "ia/moteur.h"
#include "ia/regles.h"
#include "partie/coeur.h"
#include "partie/donne_auto.h"
#include "partie/partie.h"

#include <gtest/gtest.h>

#include <memory>

using namespace quarvel;

namespace {

// The game as it stands once the first card is down.
class Photographe : public TemoinDonne {
public:
    std::unique_ptr<Partie> photo;

    void carteJouee(const Partie& jeu, Siege, const Carte&) override {
        if (!photo) photo = std::make_unique<Partie>(jeu);
    }
};

// The same rules as another table, which the pass runs whole.
const Tableau<FonctionRegle, 74> toutesLesRegles = reglesJeu;

} // namespace

TEST(Passe, LesReglesLaisseesDeCoteNeChangentRien) {
    int decisions = 0;
    for (int n = 0; n < 60; ++n) {
        auto jeu = std::make_unique<Partie>();
        jeu->alea.graine = 7919u * static_cast<std::uint32_t>(n) + 11u;
        jeu->reglages.niveau = n % 3 == 2 ? 3 : 4;
        jeu->reglages.poidsRegles.remplir(n % 5 == 0 ? 70 : 100);
        jeu->reglages.optionNiveauAdaptatif = n % 2 == 1;
        Photographe x;
        DonneAuto r;
        jouerDonneAuto(*jeu, r, &x);
        ASSERT_TRUE(x.photo);
        Partie& p = *x.photo;
        Donne& d = p.donne;
        if (d.phase == Phase::PliARamasser) ramasserPli(p);
        while (d.numeroPli >= 1 && d.numeroPli <= 18) {
            const Siege s = d.joueurCourant;
            ouvrirTour(p);
            auto entiere = std::make_unique<Partie>(p);
            entiere->moteur.autresRegles = &toutesLesRegles;
            const int slot = jouerOrdinateur(p, s);
            ASSERT_EQ(jouerOrdinateur(*entiere, s), slot)
                << "deal " << n << ", trick " << d.numeroPli;
            entiere->moteur.autresRegles = nullptr;
            ASSERT_TRUE(*entiere == p) << "deal " << n << ", trick " << d.numeroPli;
            ++decisions;
            appliquer(p, Action::carte(s, slot));
            if (d.phase == Phase::PliARamasser) ramasserPli(p);
        }
    }
    EXPECT_GT(decisions, 3000);
}
