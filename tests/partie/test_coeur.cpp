// The rules core alone: whole deals made of random legal choices, what it turns away, and the
// rest of a deal played from any point of it.
#include "encheres/poignee.h"
#include "ia/moteur.h"
#include "ia/position.h"
#include "partie/coeur.h"
#include "partie/donne_auto.h"
#include "partie/nouvelle_donne.h"

#include <gtest/gtest.h>

#include <bit>
#include <memory>

using namespace quarvel;
using namespace quarvel::test;

namespace {

// A fresh game with a deal dealt from that random state, bidding open.
std::unique_ptr<Jeu> donneDe(std::uint32_t etat) {
    auto jeu = nouveauJeu();
    jeu->reglages.optionForceMain = 2;
    jeu->reglages.optionAuMoinsUneMainDePrise = false;
    jeu->alea.graine = etat;
    jeu->donne.premierParlant = siegeNumero(static_cast<int>(etat % 4) + 1);
    produireDonne(*jeu, false);
    passerA(jeu->donne, Phase::Encheres);
    return jeu;
}

// The deal moved on while it waits for no one; false once it is over or all passed.
bool avancer(Jeu& jeu) {
    Donne& d = jeu.donne;
    switch (d.phase) {
    case Phase::EncheresCloses:
        return conclureEncheres(jeu);
    case Phase::AttenteJeu:
        passerA(d, Phase::JeuEnCours);
        return true;
    case Phase::PliARamasser:
        ramasserPli(jeu);
        return true;
    default:
        return false;
    }
}

// Something the rules turn away leaves the game exactly as it was.
void refusee(Jeu& jeu, const Action& a) {
    EXPECT_FALSE(estLegale(jeu, a));
    const Partie avant = jeu;
    appliquer(jeu, a);
    EXPECT_TRUE(static_cast<const Partie&>(jeu) == avant);
}

// Six of the positions allowed, at random.
std::uint32_t sixParmi(Jeu& jeu, std::uint32_t permises) {
    std::uint32_t choisies = 0;
    while (std::popcount(choisies) < 6 && std::popcount(permises) >= 6) {
        const int p = jeu.alea(24);
        if (permises >> p & 1u) choisies |= 1u << p;
    }
    return choisies;
}

} // namespace

// Random bids, discards and cards, drawn from what the core offers: each deal ends with every
// card played once, the points and the bouts all counted, and anything else turned away.
TEST(Coeur, DesChoixAuHasardFontDesDonnesEntieres) {
    int jouees = 0;
    for (std::uint32_t etat = 1; etat <= 300; ++etat) {
        auto jeu = donneDe(etat * 2654435761u);
        Donne& d = jeu->donne;
        for (int pas = 0; pas < 400; ++pas) {
            const Tour t = tour(*jeu);
            if (t.choix == Choix::Aucun) {
                if (!avancer(*jeu)) break;
                continue;
            }
            if (t.choix == Choix::Carte) ouvrirTour(*jeu);
            const ActionsLegales l = actionsLegales(*jeu);
            const Siege autre = siegeSuivant(t.siege);
            switch (t.choix) {
            case Choix::Enchere: {
                ASSERT_GE(l.nombre, 1);
                if (jeu->encheres.meilleureEnchere != PASSE)
                    refusee(*jeu, Action::enchere(t.siege, jeu->encheres.meilleureEnchere));
                refusee(*jeu, Action::enchere(autre, PASSE));
                // Bids lean to PASSE so that the four contracts all come.
                const int k = jeu->alea(l.nombre + 3);
                appliquer(*jeu, l.liste[k > l.nombre ? 1 : k]);
                break;
            }
            case Choix::Ecart: {
                const std::uint32_t permises = l.ecartables;
                const std::uint32_t interdites = 0x1fffffeu & ~permises;
                ASSERT_NE(interdites, 0u) << "a taker always holds a trump or a King";
                const std::uint32_t six = sixParmi(*jeu, permises);
                ASSERT_EQ(std::popcount(six), 6);
                refusee(*jeu, Action::ecart(t.siege, six & (six - 1))); // five cards
                const int p = std::countr_zero(interdites);
                refusee(*jeu, Action::ecart(t.siege, (six & (six - 1)) | 1u << p));
                refusee(*jeu, Action::ecart(autre, six));
                const Siege preneur = d.preneur;
                appliquer(*jeu, Action::ecart(t.siege, six));
                EXPECT_EQ(d.phase, Phase::AttenteJeu);
                // The hand and the discard are the hand and the dog as dealt.
                int cartes[79] = {};
                for (int i : SLOTS) ++cartes[numeroCarte(d.mains[preneur][i])];
                for (int i = 1; i <= 6; ++i) {
                    ++cartes[numeroCarte(d.chien[i])];
                    EXPECT_TRUE(d.chien[i].couleur != ATOUT && d.chien[i].valeur != ROI);
                }
                for (int i : SLOTS) --cartes[numeroCarte(d.mainsDonnees[preneur][i])];
                for (int i = 1; i <= 6; ++i) --cartes[numeroCarte(d.chienDonne[i])];
                for (int n = 1; n <= 78; ++n) ASSERT_EQ(cartes[n], 0) << n;
                break;
            }
            case Choix::Carte: {
                ASSERT_GE(l.nombre, 1) << "a seat with no card to play";
                int offertes = 0;
                for (int i : SLOTS) {
                    const bool legale = estLegale(*jeu, Action::carte(t.siege, i));
                    offertes += legale;
                    if (!legale) refusee(*jeu, Action::carte(t.siege, i));
                }
                EXPECT_EQ(offertes, l.nombre);
                refusee(*jeu, Action::carte(autre, 1));
                appliquer(*jeu, l.liste[jeu->alea(l.nombre)]);
                break;
            }
            default:
                FAIL() << "a handful is never offered to a seat that does not ask";
            }
        }
        if (d.contrat == PASSE) continue;
        ++jouees;
        ASSERT_EQ(d.phase, Phase::DernierPli) << "deal " << etat;
        for (Siege s : SIEGES)
            for (int i : SLOTS) EXPECT_FALSE(d.mains[s][i].enMain);
        EXPECT_EQ(d.pointsPreneur + d.pointsDefense, 182);
        EXPECT_EQ(d.boutsPreneur + d.boutsDefense, 3);
        ramasserPli(*jeu);
        EXPECT_EQ(d.phase, Phase::DonneFinie);
    }
    EXPECT_GT(jouees, 150);
}

// A handful goes before the seat's first card: as many of its own trumps as the kind needs,
// the Excuse only when the other trumps are too few.
TEST(Coeur, LaPoigneeSeMontreAvantLaPremiereCarte) {
    auto jeu = nouveauJeu();
    Position p;
    p.preneur = EST;
    p.contrat = GARDE_SANS;
    p.entame = SUD;
    for (int v = 1; v <= 9; ++v) p.mains[SUD].push_back(A(v + 1));
    p.mains[SUD].push_back(EXC);
    p.mains[SUD].push_back(P(ROI));
    installer(*jeu, p);
    ouvrirTour(*jeu);
    const MainJoueur& m = jeu->donne.mains[SUD];
    std::uint32_t atouts = 0, excuse = 0, roi = 0;
    for (int i : SLOTS) {
        if (estExcuse(m[i]))
            excuse |= 1u << i;
        else if (m[i].couleur == ATOUT)
            atouts |= 1u << i;
        else if (m[i] == P(ROI))
            roi |= 1u << i;
    }
    ASSERT_EQ(std::popcount(atouts), 9);
    ASSERT_EQ(taillePoignee(1), 10);
    // Ten cards are needed: nine trumps and the Excuse, which may go as the others are too few.
    refusee(*jeu, Action::poignee(SUD, 1, atouts));
    refusee(*jeu, Action::poignee(SUD, 1, atouts | roi));
    refusee(*jeu, Action::poignee(EST, 1, atouts | excuse));
    refusee(*jeu, Action::poignee(SUD, 2, atouts | excuse));
    const Action montree = Action::poignee(SUD, 1, atouts | excuse);
    EXPECT_TRUE(estLegale(*jeu, montree));

    // Once its card is down the handful has passed.
    Jeu apres = *jeu;
    const ActionsLegales l = actionsLegales(apres);
    ASSERT_GE(l.nombre, 1);
    appliquer(apres, l.liste[1]);
    refusee(apres, Action::poignee(SUD, 1, atouts | excuse));

    appliquer(*jeu, montree);
    EXPECT_EQ(jeu->donne.poignee, 1);
    refusee(*jeu, montree); // one handful a deal
}

namespace {

// Every seat plays by the rules; the game is copied as it stands after one chosen card.
class Photographe : public TemoinDonne {
public:
    explicit Photographe(int n) : apres_(n) {}
    std::unique_ptr<Partie> photo;

    void carteJouee(const Partie& jeu, Siege, const Carte&) override {
        if (++jouees_ == apres_) photo = std::make_unique<Partie>(jeu);
    }

private:
    int apres_;
    int jouees_ = 0;
};

} // namespace

// From any point of a deal, mid-trick or with a trick still to gather, the rest played by
// jouerReste is what the rules play in the whole deal: the same cards and the same score.
TEST(Coeur, LeResteDUneDonneEstCeluiDeLaDonneEntiere) {
    for (int n = 1; n <= 71; n += 5) {
        auto jeu = donneDe(static_cast<std::uint32_t>(n) * 40503u + 7u);
        Photographe x(n);
        DonneAuto r;
        jouerDonneAuto(*jeu, r, &x);
        ASSERT_TRUE(x.photo) << n;
        Partie& reste = *x.photo;
        EXPECT_EQ(jouerReste(reste), r.score) << "after card " << n;
        EXPECT_EQ(reste.donne.slotsJoues, jeu->donne.slotsJoues) << n;
        EXPECT_EQ(reste.donne.entamesPlis, jeu->donne.entamesPlis) << n;
        EXPECT_TRUE(donneTerminee(reste.donne.phase));
    }
}
