// The defenders' leads, the trump signal and the default plays, on hand-built positions.
// Rules 1 to 49 are silenced so that each position shows what the last rules make of it.
#include "ia/moteur.h"
#include "ia/position.h"
#include "ia/regles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace quarvel;
using namespace quarvel::test;

namespace {

void silence(PartieIA&, const ContexteDecision&) {}

// Seats: the taker is EST (2), so D1 = NORD (3), D2 = OUEST (4), D3 = SUD (1).
constexpr Siege T = EST, D1 = NORD, D2 = OUEST, D3 = SUD;

class Regles50a74 : public ::testing::Test {
protected:
    // Builds the position with rules 50 to 74 live, or only those named.
    void preparer(const Position& p, std::vector<int> actives = {}) {
        for (int k = 1; k <= 74; ++k) {
            const bool vive = actives.empty()
                                  ? k >= 50
                                  : std::find(actives.begin(), actives.end(), k) != actives.end();
            table[k] = vive ? reglesJeu[k] : silence;
        }
        jeu = nouveauJeu();
        installer(*jeu, p);
        initialiserConnaissance(*jeu);
        jeu->moteur.autresRegles = &table;
    }
    // Leads trick n, later in the deal, with the seat's first lead behind it.
    void plusTard(int n) {
        jeu->donne.numeroPli = n;
        for (Siege s : SIEGES) jeu->connaissance.pasEncoreEntame[s] = false;
    }
    // The rule pass for the seat whose turn it is: the candidates left.
    std::vector<Carte> choisir() {
        const Siege moi = jeu->donne.joueurCourant;
        jouables(*jeu, moi);
        choisirCarte(*jeu, moi);
        std::vector<Carte> restent;
        for (int slot : SLOTS)
            if (jeu->donne.cartesJouables[moi][slot] == 1) {
                Carte c = jeu->donne.mains[moi][slot];
                c.enMain = true;
                restent.push_back(c);
            }
        return restent;
    }
    // The rule that decided the last pass, 0 when none did.
    int regle() const {
        const MoteurRegles& m = jeu->moteur;
        return m.decisionPrise ? m.reglesDeclenchees[m.nbReglesDeclenchees].regle : 0;
    }
    Connaissance& k() { return jeu->connaissance; }

    Tableau<FonctionRegle, 74> table;
    std::unique_ptr<Jeu> jeu;
};

bool contient(const std::vector<Carte>& v, const Carte& c) {
    return std::find(v.begin(), v.end(), c) != v.end();
}

// NORD on lead at the first trick of a GARDE: the given trumps, then plain cards with no Pique.
Position signal(std::vector<int> atouts, std::vector<Carte> chien) {
    Position p;
    p.entame = D1;
    p.chien = chien;
    p.mains[T] = p.chien; // the taker took the dog
    for (int v : atouts) p.mains[D1].push_back(A(v));
    const Carte plaines[] = {Co(ROI), Co(8), Co(4), Co(2), Tr(DAME), Tr(9), Tr(3), Tr(2),
                             Ca(10),  Ca(7), Ca(6), Ca(3), Co(9),    Tr(8), Ca(9)};
    for (const Carte& c : plaines)
        if (p.mains[D1].size() < 18) p.mains[D1].push_back(c);
    return p;
}
// The named Coeurs completed with Piques and Trèfles, so that no other Coeur slips in.
std::vector<Carte> sansCoeur(std::vector<Carte> coeurs) {
    for (int v = 1; coeurs.size() < 18; ++v) coeurs.push_back(v <= 14 ? P(v) : Tr(v - 14));
    return coeurs;
}

const std::vector<Carte> chienSansAtout{A(8), P(1), P(3), P(4), P(5), P(6)};
const std::vector<Carte> chienDeuxAtouts{A(8), A(10), P(1), Co(1), Tr(1), Ca(1)};

} // namespace

TEST_F(Regles50a74, SignalDAtoutALaPremiereEntame) {
    // Seven trumps: the lowest odd one from the 3 up, and the seat becomes the signaller.
    preparer(signal({20, 17, 14, 9, 6, 5, 2}, chienSansAtout));
    EXPECT_EQ(choisir(), std::vector<Carte>{A(5)});
    EXPECT_EQ(regle(), 53);
    EXPECT_EQ(k().signaleur, D1);
    EXPECT_TRUE(k().signalAtout);

    // Six trumps: the lowest even one, up to the 12; nobody becomes the signaller.
    preparer(signal({20, 17, 14, 9, 6, 5}, chienSansAtout));
    EXPECT_EQ(choisir(), std::vector<Carte>{A(6)});
    EXPECT_EQ(regle(), 53);
    EXPECT_EQ(k().signaleur, Siege::Aucun);
    EXPECT_TRUE(k().signalAtout);

    // The lowest even trump is the 14: no signal.
    preparer(signal({20, 17, 14, 9, 5, 3}, chienSansAtout));
    choisir();
    EXPECT_FALSE(jeu->moteur.etatRegle[53] == 2);
    EXPECT_FALSE(k().signalAtout);

    // Holding the Petit, or after a first lead, or facing a dog of two trumps: no signal.
    preparer(signal({20, 17, 14, 9, 6, 5, 1}, chienSansAtout));
    choisir();
    EXPECT_FALSE(jeu->moteur.etatRegle[53] == 2);
    preparer(signal({20, 17, 14, 9, 6, 5, 2}, chienSansAtout));
    k().pasEncoreEntame[D1] = false;
    choisir();
    EXPECT_FALSE(jeu->moteur.etatRegle[53] == 2);
    preparer(signal({20, 17, 14, 9, 6, 5, 2}, chienDeuxAtouts));
    choisir();
    EXPECT_FALSE(jeu->moteur.etatRegle[53] == 2);
    EXPECT_EQ(k().signaleur, Siege::Aucun);
}

TEST_F(Regles50a74, SignalDAtoutSouventSansLeChien) {
    // Against a GARDE SANS the signal comes four times in five, against a GARDE CONTRE not one in
    // three, and never from rule 52 at a GARDE.
    auto frequence = [&](Contrat contrat) {
        int signaux = 0;
        for (std::uint32_t graine = 1; graine <= 400; ++graine) {
            Position p = signal({20, 17, 14, 9, 6, 5, 2}, {});
            p.contrat = contrat;
            preparer(p);
            jeu->alea.graine = graine * 2654435761u;
            const auto restent = choisir();
            if (regle() == 52) {
                ++signaux;
                EXPECT_EQ(restent, std::vector<Carte>{A(5)});
                EXPECT_EQ(k().signaleur, D1);
            }
        }
        return signaux;
    };
    const int sans = frequence(GARDE_SANS);
    EXPECT_GT(sans, 280);
    EXPECT_LT(sans, 352);
    const int contre = frequence(GARDE_CONTRE);
    EXPECT_GT(contre, 80);
    EXPECT_LT(contre, 152);
    EXPECT_EQ(frequence(GARDE), 0);
}

TEST_F(Regles50a74, PremiereEntameDansLaLongueQuandLeChienMontreDesAtouts) {
    // NORD's long suit is Pique (five cards); the dog showed two trumps.
    auto position = [](std::vector<Carte> piques, std::vector<int> atouts) {
        Position p;
        p.entame = D1;
        p.chien = chienDeuxAtouts;
        p.mains[T] = p.chien; // the taker took the dog
        auto& m = p.mains[D1];
        m = piques;
        for (int v : atouts) m.push_back(A(v));
        const Carte autres[] = {Co(9), Co(7), Co(3), Tr(9), Tr(4),
                                Ca(9), Ca(4), Co(6), Tr(6), Ca(6)};
        for (const Carte& c : autres)
            if (m.size() < 18) m.push_back(c);
        return p;
    };
    const std::vector<int> peu{19, 11, 3}, beaucoup{19, 16, 11, 7, 3, 2};
    struct Cas {
        std::vector<Carte> piques;
        std::vector<int> atouts;
        Carte attendue;
    };
    const Cas cas[] = {
        // Few trumps: under Roi and Dame, the highest card up to the 5...
        {{P(ROI), P(DAME), P(9), P(4), P(2)}, peu, P(4)},
        // ...with neither, the lowest card above the 5.
        {{P(10), P(9), P(7), P(5), P(2)}, peu, P(7)},
        // Six trumps or more: Roi and Dame lead the Roi, Dame and Cavalier the Cavalier,
        // one of Roi and Dame a small card, neither the highest small card.
        {{P(ROI), P(DAME), P(9), P(4), P(2)}, beaucoup, P(ROI)},
        {{P(DAME), P(CAVALIER), P(9), P(8), P(7)}, beaucoup, P(CAVALIER)},
        {{P(ROI), P(9), P(4), P(3), P(2)}, beaucoup, P(4)},
        {{P(DAME), P(9), P(4), P(3), P(2)}, beaucoup, P(4)},
        {{P(10), P(9), P(7), P(4), P(2)}, beaucoup, P(10)},
    };
    for (const Cas& c : cas) {
        preparer(position(c.piques, c.atouts));
        ASSERT_EQ(k().couleurLongue[D1], PIQUE);
        EXPECT_EQ(choisir(), std::vector<Carte>{c.attendue}) << c.attendue.valeur;
        EXPECT_EQ(regle(), 54);
    }
    // Few trumps and only the Roi over no small card: nothing to lead, but trumps stay home.
    const std::vector<int> maitres{21, 11, 3};
    preparer(position({P(ROI), P(10), P(9), P(8), P(7)}, maitres));
    const auto restent = choisir();
    EXPECT_EQ(regle(), 0);
    for (int v : maitres) EXPECT_FALSE(contient(restent, A(v)));
}

TEST_F(Regles50a74, EntameDuDefenseurEcarteLesCouleursDangereuses) {
    // NORD leads trick 5 of a GARDE: the dog showed three Trèfles, Coeur is a doubleton with
    // its Dame, the taker opened Carreau; unopened honours stay home. What is left: the small
    // Piques and the trumps (NORD holds the master trump).
    Position p;
    p.entame = D1;
    p.chien = {Tr(1), Tr(2), Tr(4), Co(1), Ca(1), A(3)};
    p.mains[T] = p.chien; // the taker took the dog
    p.mains[D1] = {A(21), A(16),   A(12), A(7),  P(ROI), P(DAME), P(8),  P(7),  Co(DAME),
                   Co(6), Tr(ROI), Tr(9), Tr(5), Ca(10), Ca(9),   Ca(8), Ca(3), Ca(2)};
    preparer(p);
    plusTard(5);
    k().entamePreneur1 = CARREAU;
    k().derniereEntamePreneur = CARREAU;
    const std::vector<Carte> attendu{A(21), A(16), A(12), A(7), P(8), P(7)};
    EXPECT_EQ(choisir(), attendu);
    EXPECT_EQ(regle(), 0);

    // OUEST leads a PRISE: the Roi of Coeur went to the taker with the dog, the taker is void
    // in Trèfle, NORD signalled and is void in Pique, the taker has led trumps, and small
    // Carreaux without an honour are not opened.
    Position q;
    q.contrat = PRISE;
    q.entame = D2;
    q.chien = {Co(ROI), P(1), Tr(1), Ca(1), A(3), A(5)};
    q.mains[T] = q.chien; // the taker took the dog
    q.mains[D2] = {A(19), A(11), A(6),    A(2),     EXC,          P(9),   P(8),  P(3),  Co(DAME),
                   Co(9), Co(4), Tr(ROI), Tr(DAME), Tr(CAVALIER), Ca(10), Ca(6), Ca(4), Ca(2)};
    preparer(q);
    plusTard(6);
    k().couleurCoupee[D2][T][TREFLE] = true;
    k().signaleur = D1;
    k().couleurCoupee[D2][D1][PIQUE] = true;
    k().derniereEntamePreneur = ATOUT;
    const std::vector<Carte> reste{Tr(CAVALIER), Ca(10), Ca(6)};
    EXPECT_EQ(choisir(), reste);
    EXPECT_EQ(regle(), 0);
}

TEST_F(Regles50a74, EntameDuDefenseurSousUnHonneurOuDansLaCoupe) {
    // A long Pique headed by the Roi, not opened yet: the lowest Pique.
    Position p;
    p.entame = D1;
    p.mains[D1] = {A(20), A(15), A(9),  P(ROI), P(9),  P(7),  P(4),  P(3),  P(1),
                   Co(9), Co(8), Co(7), Tr(10), Tr(8), Tr(6), Ca(9), Ca(8), Ca(7)};
    preparer(p);
    plusTard(4);
    EXPECT_EQ(choisir(), std::vector<Carte>{P(1)});
    EXPECT_EQ(regle(), 55);
    // Once Pique has been played, no more.
    preparer(p);
    plusTard(4);
    k().etatCouleur[PIQUE] = 0;
    choisir();
    EXPECT_NE(regle(), 55);

    // The taker is void in Coeur: a defender on lead usually plays a small Coeur at him, the first
    // defender nine times in ten; the taker himself never by this rule.
    Position q;
    q.entame = D1;
    q.chien = {P(1), Co(1), Tr(1), Ca(1), A(2), A(4)};
    q.mains[T] = q.chien; // the taker took the dog
    q.mains[D1] = {A(20),  A(15), A(9),  P(9),  P(7),  P(4),  Co(CAVALIER), Co(8), Co(5),
                   Tr(10), Tr(8), Tr(6), Ca(9), Ca(8), Ca(7), Ca(6),        Ca(3), Tr(3)};
    int coupes = 0;
    for (std::uint32_t graine = 1; graine <= 300; ++graine) {
        preparer(q);
        plusTard(3);
        k().couleurCoupee[D1][T][COEUR] = true;
        jeu->alea.graine = graine * 2654435761u;
        const auto restent = choisir();
        if (regle() == 56) {
            ++coupes;
            EXPECT_EQ(restent, std::vector<Carte>{Co(5)});
        }
    }
    EXPECT_GT(coupes, 240);
    EXPECT_LT(coupes, 295);
    q.entame = T;
    q.chien.clear();
    q.mains[T] = q.mains[D1];
    q.mains[D1].clear();
    preparer(q);
    plusTard(3);
    k().couleurCoupee[T][T][COEUR] = true;
    choisir();
    EXPECT_NE(regle(), 56);
}

TEST_F(Regles50a74, EntameDuPreneur) {
    // Six Piques under the Roi, Pique not opened yet: the Roi.
    Position p;
    p.entame = T;
    p.mains[T] = {A(21), A(19), A(17), A(14), A(12), A(10), P(ROI), P(10), P(8),
                  P(6),  P(5),  P(2),  Co(9), Co(7), Tr(9), Tr(7),  Ca(9), Ca(7)};
    preparer(p);
    plusTard(2);
    EXPECT_EQ(choisir(), std::vector<Carte>{P(ROI)});
    EXPECT_EQ(regle(), 65);
    preparer(p);
    plusTard(2);
    k().etatCouleur[PIQUE] = 0;
    choisir();
    EXPECT_NE(regle(), 65);

    // A bare Roi of Carreau stays home, so does a Cavalier without its Dame.
    Position q;
    q.entame = T;
    q.mains[T] = {A(21), A(20), A(18),        A(15), A(13), A(12),    A(9),         A(7),  A(5),
                  P(6),  P(5),  Co(CAVALIER), Co(7), Co(3), Tr(DAME), Tr(CAVALIER), Tr(4), Ca(ROI)};
    preparer(q);
    plusTard(2);
    auto restent = choisir();
    EXPECT_EQ(regle(), 0);
    EXPECT_FALSE(contient(restent, Ca(ROI)));
    EXPECT_FALSE(contient(restent, Co(CAVALIER)));
    EXPECT_TRUE(contient(restent, Tr(CAVALIER)));
    EXPECT_EQ(restent.size(), 16u);
    // With the Petit to bring home and no defender left with trumps, the bare Roi may go.
    q.mains[T][8] = A(1);
    preparer(q);
    plusTard(2);
    for (Siege d : {D1, D2, D3}) k().sansAtout[T][d] = true;
    restent = choisir();
    EXPECT_TRUE(contient(restent, Ca(ROI)));
}

TEST_F(Regles50a74, DefausseQuandOnNePeutPasPrendre) {
    // The taker leads the Roi of Pique: the second defender, unable to beat it, plays low.
    Position p;
    p.entame = T;
    p.mains[T] = {P(ROI)};
    p.mains[D1] = {P(5)};
    p.mains[D2] = {P(9), P(2)};
    preparer(p);
    jouer(*jeu, P(ROI));
    jouer(*jeu, P(5));
    EXPECT_EQ(choisir(), std::vector<Carte>{P(2)});
    EXPECT_EQ(regle(), 69);

    // Void in Pique and without trumps: the lowest plain card, the first in hand order on a tie.
    p.mains[D2] = {Co(ROI), Co(DAME), Co(9),  Co(5), Co(2), Tr(ROI), Tr(8), Tr(6), Tr(2),
                   Ca(ROI), Ca(DAME), Ca(10), Ca(9), Ca(8), Ca(7),   Ca(6), Ca(5), Ca(4)};
    preparer(p);
    jouer(*jeu, P(ROI));
    jouer(*jeu, P(5));
    EXPECT_EQ(choisir(), std::vector<Carte>{Co(2)});
    EXPECT_EQ(regle(), 69);

    // The taker third, under a defender's Roi: his lowest card.
    Position q;
    q.entame = D2;
    q.mains[D2] = {Co(ROI)};
    q.mains[D3] = {Co(3)};
    q.mains[T] = sansCoeur({Co(9), Co(4)});
    preparer(q);
    jouer(*jeu, Co(ROI));
    jouer(*jeu, Co(3));
    EXPECT_EQ(choisir(), std::vector<Carte>{Co(4)});
    EXPECT_EQ(regle(), 70);
}

TEST_F(Regles50a74, AtoutsEnSuivant) {
    // The first defender leads trumps, the second over-trumps: third, the highest over-trump.
    Position p;
    p.entame = D1;
    p.mains[D1] = {A(10)};
    p.mains[D2] = {A(15)};
    p.mains[D3] = {A(18), A(16), A(12), A(3)};
    preparer(p);
    jouer(*jeu, A(10));
    jouer(*jeu, A(15));
    EXPECT_EQ(choisir(), std::vector<Carte>{A(18)});
    EXPECT_EQ(regle(), 72);

    // The taker led trumps: the lowest trump that is allowed.
    Position q;
    q.entame = T;
    q.mains[T] = {A(10)};
    q.mains[D1] = {A(15)};
    q.mains[D2] = {A(18), A(16), A(12)};
    preparer(q);
    jouer(*jeu, A(10));
    jouer(*jeu, A(15));
    EXPECT_EQ(choisir(), std::vector<Carte>{A(16)});
    EXPECT_EQ(regle(), 73);

    // Ruffing a partner's lead: the lowest trump from the 2 up, not the Petit.
    Position r;
    r.entame = D1;
    r.mains[D1] = {Co(5)};
    r.mains[D2] = {A(7), A(4), A(1),  P(ROI), P(9),  P(8),  P(7),  P(6),  P(5),
                   P(4), P(3), Tr(9), Tr(8),  Tr(7), Tr(6), Tr(5), Tr(4), Tr(3)};
    preparer(r);
    jouer(*jeu, Co(5));
    EXPECT_EQ(choisir(), std::vector<Carte>{A(4)});
    EXPECT_EQ(regle(), 73);
    // After an Excuse led, the second seat is free: no trump is forced on it.
    r.mains[D1] = {EXC};
    preparer(r);
    jouer(*jeu, EXC);
    choisir();
    EXPECT_NE(regle(), 73);

    // The taker led the Excuse: the first defender gives its highest honour rather than a trump.
    Position e;
    e.entame = T;
    e.mains[T] = {EXC};
    e.mains[D1] = {A(7), A(4), Co(ROI), Co(9), P(DAME), P(2)};
    preparer(e);
    jouer(*jeu, EXC);
    EXPECT_EQ(choisir(), std::vector<Carte>{Co(ROI)});
    EXPECT_EQ(regle(), 74);
}

TEST_F(Regles50a74, LePreneurPrend) {
    // Last to play and able to win: the highest honour...
    Position p;
    p.entame = D1;
    p.mains[D1] = {Co(5)};
    p.mains[D2] = {Co(7)};
    p.mains[D3] = {Co(9)};
    p.mains[T] = sansCoeur({Co(ROI), Co(CAVALIER), Co(3)});
    preparer(p);
    for (const Carte& c : {Co(5), Co(7), Co(9)}) jouer(*jeu, c);
    EXPECT_EQ(choisir(), std::vector<Carte>{Co(ROI)});
    EXPECT_EQ(regle(), 74);
    // ...else the cheapest winning card.
    p.mains[T] = sansCoeur({Co(10), Co(3)});
    preparer(p);
    for (const Carte& c : {Co(5), Co(7), Co(9)}) jouer(*jeu, c);
    EXPECT_EQ(choisir(), std::vector<Carte>{Co(10)});
    EXPECT_EQ(regle(), 74);

    // Second, with a guarded Roi, the taker goes up unless the next defender may ruff.
    Position q;
    q.entame = D3;
    q.mains[D3] = {Co(5)};
    q.mains[T] = sansCoeur({Co(ROI), Co(9), Co(4)});
    preparer(q);
    jouer(*jeu, Co(5));
    EXPECT_EQ(choisir(), std::vector<Carte>{Co(ROI)});
    EXPECT_EQ(regle(), 67);
    preparer(q);
    jouer(*jeu, Co(5));
    k().couleurCoupee[T][D2][COEUR] = true;
    EXPECT_EQ(choisir().size(), 3u);
    EXPECT_EQ(regle(), 0);
}

TEST_F(Regles50a74, LeDefenseurGardeSesHonneursDevantLaCoupe) {
    // OUEST, void in Carreau and without trumps, discards before the taker, who still has
    // trumps and is void in Coeur: neither the Roi nor the Dame of Coeur.
    Position p;
    p.entame = D1;
    p.mains[D1] = {Ca(5)};
    p.mains[D2] = {Co(ROI), Co(DAME), Co(9), Co(5), Co(2), Tr(ROI), Tr(8), Tr(6), Tr(2),
                   P(ROI),  P(DAME),  P(10), P(9),  P(8),  P(7),    P(6),  P(5),  P(4)};
    preparer(p);
    k().couleurCoupee[D2][T][COEUR] = true;
    jouer(*jeu, Ca(5));
    const auto restent = choisir();
    EXPECT_EQ(regle(), 0);
    EXPECT_EQ(restent.size(), 16u);
    EXPECT_FALSE(contient(restent, Co(ROI)));
    EXPECT_FALSE(contient(restent, Co(DAME)));
    EXPECT_TRUE(contient(restent, P(ROI)));
}

TEST_F(Regles50a74, LesTiragesNeSeFontQueLorsquIlsSontAtteints) {
    // Rule 52 draws only against a GARDE SANS or CONTRE; rule 56 only for a defender on lead.
    Position p;
    p.entame = T;
    preparer(p, {52, 56});
    const auto graine = jeu->alea.graine;
    choisir();
    EXPECT_EQ(jeu->alea.graine, graine);

    p.entame = D1;
    preparer(p, {52, 56});
    Aleatoire attendu = jeu->alea;
    if (attendu(100) < 90) attendu(4); // rule 56: its draw, then its random suit
    choisir();
    EXPECT_EQ(jeu->alea.graine, attendu.graine);
}
