// Whole deals played by the rules: what must hold after every card, whatever the rules decide.
#include "fenetres/modele/deductions.h"
#include "ia/connaissance.h"
#include "ia/moteur.h"
#include "ia/position.h"

#include <gtest/gtest.h>

using namespace quarvel;
using namespace quarvel::test;

namespace {

// A shuffled deal; at PRISE and GARDE the taker discards the dog itself.
void donneAuHasard(Jeu& jeu, int numero) {
    Tableau<int, 78> paquet;
    for (int i = 1; i <= 78; ++i) paquet[i] = i;
    for (int i = 78; i >= 2; --i) std::swap(paquet[i], paquet[jeu.alea(i)]);
    Position p;
    for (Siege s : SIEGES)
        for (int i = 1; i <= 18; ++i)
            p.mains[s].push_back(carteDuNumero(paquet[(entier(s) - 1) * 18 + i]));
    for (int i = 73; i <= 78; ++i) p.chien.push_back(carteDuNumero(paquet[i]));
    p.preneur = siegeNumero(numero % 4 + 1);
    p.contrat = static_cast<Contrat>(numero % 4 + 1);
    p.entame = siegeNumero((numero / 4) % 4 + 1);
    if (p.contrat == PRISE || p.contrat == GARDE) {
        p.ecart = p.chien;
        p.chien.clear();
        // The dog as dealt is the discard: keep them the same cards.
        installer(jeu, p);
        jeu.donne.chienDonne = jeu.donne.chien;
    } else {
        installer(jeu, p);
    }
}

// Where a card really is: its seat, or 0 in the dog.
int detenteurReel(const Jeu& jeu, const Carte& c) {
    for (Siege s : SIEGES)
        for (int i = 1; i <= 18; ++i)
            if (jeu.donne.mainsDonnees[s][i] == c) return entier(s);
    return 0;
}

void verifier(const Jeu& jeu) {
    const Connaissance& k = jeu.connaissance;
    int enMain = 0, donnes = 0;
    for (Siege s : SIEGES) {
        enMain += k.atoutsEnMain[s];
        donnes += k.atoutsDonnes[s];
        ASSERT_EQ(k.atoutsDehors[s], 21 - k.atoutsDonnes[s] -
                                         (k.atoutsJoues - (k.atoutsDonnes[s] - k.atoutsEnMain[s])));
        for (int c = 1; c <= 4; ++c) ASSERT_GE(k.cartesDehors[s][c], 0);
    }
    ASSERT_EQ(enMain + k.atoutsJoues, donnes);
    for (Siege o : SIEGES)
        for (int n = 1; n <= 78; ++n) {
            const Carte c = carteDuNumero(n);
            const int l =
                c.couleur == ATOUT ? k.lieuAtout[o][c.valeur] : k.lieuCarte[o][c.couleur][c.valeur];
            // A card placed at a seat was dealt to it, unless it lies in the dog.
            if (l >= 1 && l <= 4) {
                const int vrai = detenteurReel(jeu, c);
                ASSERT_TRUE(vrai == l || vrai == 0) << "observer " << o << " card " << n;
            }
            if (l == LIEU_ECART) {
                ASSERT_EQ(detenteurReel(jeu, c), 0) << o << " " << n;
            }
            // The set of cards not located follows the places.
            const bool inconnue =
                c.couleur == ATOUT
                    ? (k.atoutsInconnus[o] >> c.valeur & 1u) != 0
                    : (k.cartesInconnues[o] >> bitCarte(c.couleur, c.valeur) & 1u) != 0;
            ASSERT_EQ(inconnue, l == LIEU_INCONNU) << "observer " << o << " card " << n;
            const bool partie =
                c.couleur == ATOUT
                    ? (k.atoutsPartis[o] >> c.valeur & 1u) != 0
                    : (k.cartesParties[o] >> bitCarte(c.couleur, c.valeur) & 1u) != 0;
            ASSERT_EQ(partie, l == LIEU_JOUEE) << "observer " << o << " card " << n;
        }
}

int candidatsDe(const Jeu& jeu, Siege s) {
    int n = 0;
    for (int i = 1; i <= 18; ++i) n += jeu.donne.cartesJouables[s][i];
    return n;
}

} // namespace

TEST(DonnesCompletes, LesReglesJouentToujoursUneCarteLegale) {
    for (int niveau = 0; niveau <= 4; ++niveau) {
        auto jeu = nouveauJeu();
        jeu->reglages.niveau = niveau;
        jeu->reglages.optionNiveauAdaptatif = niveau % 2 == 1;
        jeu->moteur.niveauSud = niveau;
        for (int numero = 0; numero < 24; ++numero) {
            donneAuHasard(*jeu, numero);
            initialiserConnaissance(*jeu);
            for (int pli = 1; pli <= 18; ++pli) {
                for (int i = 0; i < 4; ++i) {
                    const Siege s = jeu->donne.joueurCourant;
                    jouables(*jeu, s);
                    Tableau<int, 18> legales = jeu->donne.cartesJouables[s];
                    const int n = candidatsDe(*jeu, s);
                    const int slot = jouerOrdinateur(*jeu, s);
                    ASSERT_GE(slot, 1);
                    ASSERT_EQ(legales[slot], 1);
                    ASSERT_EQ(jeu->donne.cartesJouables[s][slot], 1);
                    ASSERT_GE(candidatsDe(*jeu, s), 1);
                    ASSERT_LE(candidatsDe(*jeu, s), n);
                    poser(*jeu, s, slot);
                    ASSERT_NO_FATAL_FAILURE(verifier(*jeu));
                }
                ramasser(*jeu);
            }
            int donnes = 0;
            for (Siege s : SIEGES) donnes += jeu->connaissance.atoutsDonnes[s];
            EXPECT_EQ(jeu->connaissance.atoutsJoues, donnes);
            EXPECT_LE(jeu->moteur.nbReglesDeclenchees, 72);
            if (niveau == 0) {
                EXPECT_EQ(jeu->moteur.nbReglesDeclenchees, 0);
            }
        }
    }
}

TEST(Deductions, PanneauDeSud) {
    auto jeu = nouveauJeu();
    Position p;
    p.contrat = GARDE;
    p.preneur = SUD;
    p.entame = SUD;
    p.mains[1] = {P(14), P(13), A(21), A(2)};
    p.ecart = {Co(14), Co(13), Co(12), Co(11), Tr(1), Tr(2)};
    installer(*jeu, p);
    const TfrmQuarvel& f = jeu->fen.frmQuarvel;
    EXPECT_FALSE(f.MarqueursHonneurs[COEUR][1].visible);
    initialiserConnaissance(*jeu);
    afficherDeductions(*jeu); // as the window model does after each gesture
    // SUD's own discard counts as gone.
    for (int h = 1; h <= 4; ++h) EXPECT_TRUE(f.MarqueursHonneurs[COEUR][h].visible) << h;
    EXPECT_FALSE(f.MarqueursHonneurs[PIQUE][1].visible);
    EXPECT_EQ(f.ComptesCouleurs[COEUR].caption,
              std::to_string(14 - 4 - jeu->connaissance.cartesDonnees[1][COEUR]));
    EXPECT_EQ(f.PanelAtoutMax.caption, "21");
    EXPECT_EQ(f.PanelAtExt.caption, std::to_string(21 - jeu->connaissance.atoutsDonnes[1]));
    EXPECT_FALSE(f.Panel21.visible);

    jouer(*jeu, P(14));
    afficherDeductions(*jeu);
    EXPECT_TRUE(f.MarqueursHonneurs[PIQUE][1].visible);
    EXPECT_FALSE(f.MarqueursHonneurs[PIQUE][2].visible);

    effacerDeductions(*jeu);
    EXPECT_FALSE(f.MarqueursHonneurs[PIQUE][1].visible);
    EXPECT_FALSE(f.MarqueursHonneurs[COEUR][4].visible);
    EXPECT_EQ(f.PanelAtoutMax.caption, "");
    EXPECT_EQ(f.ComptesCouleurs[TREFLE].caption, "");
}

TEST(Deductions, FinDeDonne) {
    auto jeu = nouveauJeu();
    const TfrmQuarvel& f = jeu->fen.frmQuarvel;
    int donnesOuToutTombe = 0;
    for (int numero = 0; numero < 16; ++numero) {
        donneAuHasard(*jeu, numero);
        initialiserConnaissance(*jeu);
        afficherDeductions(*jeu);
        bool toutTombe = false;
        for (int pli : PLIS) {
            for (int i = 0; i < 4; ++i) {
                const Siege s = jeu->donne.joueurCourant;
                jouables(*jeu, s);
                poser(*jeu, s, jouerOrdinateur(*jeu, s));
                afficherDeductions(*jeu);
            }
            if (pli == 18) {
                // The last trick is not shown: the panel keeps what it showed.
                const std::string avant = f.PanelAtoutMax.caption;
                ramasser(*jeu);
                afficherDeductions(*jeu);
                EXPECT_EQ(f.PanelAtoutMax.caption, avant);
                break;
            }
            ramasser(*jeu);
            afficherDeductions(*jeu);
            int partis = 0;
            for (int v = 1; v <= 21; ++v) partis += jeu->connaissance.lieuAtout[1][v] == LIEU_JOUEE;
            if (partis == 21) toutTombe = true;
            if (toutTombe) {
                EXPECT_EQ(f.PanelAtoutMax.caption, "-");
            }
            if (jeu->connaissance.atoutsJoues == 21) {
                EXPECT_EQ(f.PanelAtExt.caption, "0");
            }
            for (int c = 1; c <= 4; ++c) {
                const int n = jeu->connaissance.cartesDehors[1][c];
                EXPECT_EQ(f.ComptesCouleurs[c].caption, n == 0 ? "-" : std::to_string(n));
            }
        }
        donnesOuToutTombe += toutTombe;
    }
    EXPECT_GT(donnesOuToutTombe, 0);
}
