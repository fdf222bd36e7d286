#include "aides/cartes_test.h"
#include "commun/partie_test.h"
#include "fenetres/modele/challenge.h"
#include "fenetres/modele/controles.h"
#include "fenetres/modele/dessin.h"

#include <gtest/gtest.h>

#include <set>

using namespace quarvel;
using namespace quarvel::test;

TEST(Creation, Ecran800x600EstLeDessinInchange) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer({800, 600, 96});
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    EXPECT_EQ(jeu.echelleH, 1.0);
    EXPECT_EQ(jeu.echelleV, 1.0);
    EXPECT_EQ(f.fenetre.geo, (Rect{0, 0, 800, 534}));
    EXPECT_EQ(f.TableRonde.geo, (Rect{215, 6, 352, 341}));
    EXPECT_EQ(f.CarteTable[SUD].geo, (Rect{347, 179, 90, 150}));
    EXPECT_EQ(f.CarteTable[EST].geo, (Rect{446, 94, 90, 150}));
    EXPECT_EQ(f.CarteTable[NORD].geo, (Rect{347, 20, 90, 150}));
    EXPECT_EQ(f.CarteTable[OUEST].geo, (Rect{246, 94, 90, 150}));
    EXPECT_EQ(f.BarreEnchere.geo, (Rect{108, 282, 567, 58}));
    EXPECT_EQ(f.ButtonPasse.geo.width, 110);
    EXPECT_EQ(f.ButtonGardeContre.geo.height, 21);
    EXPECT_EQ(f.evMaMain.geo, (Rect{4, 28, 558, 26}));
    EXPECT_EQ(f.PanelPoignee.geo, (Rect{545, 178, 168, 170}));
    EXPECT_EQ(f.PanelPoigneeAucune.geo, (Rect{6, 129, 156, 34}));
    EXPECT_EQ(f.PanelConfirmeEcart.geo, (Rect{299, 296, 186, 29}));
    EXPECT_EQ(f.PanelLancement.geo, (Rect{205, 106, 371, 127}));
    EXPECT_EQ(f.PanelResultat.geo, (Rect{2, 381, 793, 118}));
    EXPECT_EQ(f.PanelPanelNewPartie.geo, (Rect{620, 88, 167, 25}));
    EXPECT_EQ(f.PanneauScores.geo, (Rect{655, 26, 138, 149}));
    EXPECT_EQ(f.PanelPreneur.geo, (Rect{518, 5, 75, 18}));
    EXPECT_EQ(f.PanelEnchere.geo, (Rect{596, 5, 130, 18}));
    EXPECT_EQ(f.PanelDeductions.geo, (Rect{3, 5, 140, 260}));
    EXPECT_EQ(f.PanelBarreOutils.geo, (Rect{746, 178, 31, 170}));
    EXPECT_EQ(f.panelBarreInfo.geo, (Rect{0, 506, 800, 28}));
    // Bubbles and score panels centred on the table cards (half pixels to the even side),
    // frames a little larger.
    EXPECT_EQ(f.PanelDec[SUD].geo, (Rect{302, 229, 180, 50}));
    EXPECT_EQ(f.panelScoreTotal[NORD].geo, (Rect{305, 74, 173, 43}));
    EXPECT_EQ(f.CadrePreneur[EST].geo, (Rect{441, 89, 100, 160}));

    const Disposition& d = jeu.disposition;
    EXPECT_EQ(d.largeurCarte, 90);
    EXPECT_EQ(d.hauteurCarte, 150);
    EXPECT_EQ(d.margeMain, 20);
    EXPECT_EQ(d.hautMain, 350);
    EXPECT_EQ(d.pasMain, 40);
    EXPECT_EQ(d.pasEcart, 30);
    EXPECT_EQ(d.gaucheChien, 266);
    EXPECT_EQ(d.hautChien, 176);
    EXPECT_EQ(d.leveeCarte, 20);
    EXPECT_EQ(d.unitePoignee, 15);
}

TEST(Creation, Ecran1024x768) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer({1024, 768, 96});
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    const Disposition& d = jeu.disposition;
    EXPECT_EQ(d.largeurCarte, 115);
    EXPECT_EQ(d.hauteurCarte, 192);
    EXPECT_EQ(d.pasMain, 51);
    EXPECT_EQ(d.unitePoignee, 19);
    EXPECT_EQ(d.leveeCarte, 26);
    EXPECT_EQ(d.hautMain, f.BarreEnchere.geo.bottom() + 13);
    EXPECT_EQ(d.gaucheChien, 1024 / 3);
    for (const Composant& c : f.Carte3D) EXPECT_EQ(c.geo.width * 1000 + c.geo.height, 115192);
    for (const Composant& c : f.CarteChien) EXPECT_EQ(c.geo.width * 1000 + c.geo.height, 115192);
    for (const Composant& c : f.CarteTable) EXPECT_EQ(c.geo.width * 1000 + c.geo.height, 115192);
    for (const Composant& c : jeu.fen.frmPoignee.CartePoignee)
        EXPECT_EQ(c.geo.width * 1000 + c.geo.height, 115192);
    EXPECT_EQ(f.CadrePreneur[2].geo.width, 128);
    EXPECT_EQ(f.CadrePreneur[2].geo.height, 205);
    // Everything else grows by 1024 : 800.
    EXPECT_EQ(f.TableRonde.geo, (Rect{275, 8, 451, 436}));
    EXPECT_EQ(f.CarteTable[SUD].geo.left, 444);
    EXPECT_EQ(f.ButtonPasse.geo.width, 141);
    EXPECT_EQ(f.fenetre.geo.width, 1024);
    for (Siege s : SIEGES) {
        const Rect c = f.CarteTable[s].geo, b = f.PanelDec[s].geo;
        EXPECT_LE(std::abs((b.left + b.right()) - (c.left + c.right())), 1) << s;
        EXPECT_LE(std::abs((b.top + b.bottom()) - (c.top + c.bottom())), 1) << s;
    }
    // The start-up screen is centred.
    const Rect s = jeu.fen.frmSplash.fenetre.geo;
    EXPECT_EQ(s.left * 2 + s.width, 1024);
    EXPECT_EQ(s.top * 2 + s.height, 768);
}

TEST(Creation, PolicesEtPppSuiventLeRapport) {
    PartieTest p{sansDemarrer};
    // 1600 pixels at 192 per inch: controls drawn as for 800, cards sized for 1600.
    Jeu& jeu = p.demarrer({1600, 1200, 192});
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    EXPECT_EQ(f.TableRonde.geo, (Rect{215, 6, 352, 341}));
    EXPECT_EQ(jeu.disposition.largeurCarte, 180);
    EXPECT_EQ(jeu.disposition.pasMain, 80);
    EXPECT_EQ(jeu.disposition.rapportM, 800);
    EXPECT_EQ(jeu.disposition.largeurEcran, 1600);

    Jeu& grand = p.demarrer({1200, 900, 96});
    EXPECT_EQ(grand.fen.frmQuarvel.PanelLancement.taillePolice, 24);
    // A screen that could not be measured is taken as 800 x 600.
    Jeu& nul = p.demarrer({0, 0, 0});
    EXPECT_EQ(nul.echelleH, 1.0);
    EXPECT_EQ(nul.fen.frmQuarvel.TableRonde.geo, (Rect{215, 6, 352, 341}));
}

TEST(Creation, ColonnesDesDeductions) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer({1024, 768, 96});
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    const char* lettres[] = {"R", "D", "C", "V"};
    for (int c = 1; c <= 4; ++c) {
        const Rect img = f.ImagesCouleurs[c].geo;
        int haut = img.bottom();
        for (int k = 1; k <= 4; ++k) {
            const Composant& m = f.MarqueursHonneurs[c][k];
            EXPECT_FALSE(m.visible);
            EXPECT_EQ(m.caption, lettres[k - 1]);
            EXPECT_EQ(m.taillePolice, 12);
            EXPECT_EQ(m.couleur, 0xC0C0C0);
            EXPECT_EQ(m.geo.left, img.left);
            EXPECT_EQ(m.geo.width, img.width);
            EXPECT_GT(m.geo.top, haut); // a column, a gap between each
            haut = m.geo.bottom();
        }
        const Composant& n = f.ComptesCouleurs[c];
        EXPECT_TRUE(n.visible);
        EXPECT_EQ(n.couleur, couleurRGB(0x85E49F));
        EXPECT_EQ(n.geo.top, haut + 4);
        EXPECT_LE(n.geo.bottom(), f.PanelDeductions.geo.height);
    }
}

TEST(Creation, EtatAuDemarrage) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer();
    const TfrmQuarvel& f = jeu.fen.frmQuarvel;
    EXPECT_TRUE(jeu.fen.frmSplash.fenetre.visible);
    EXPECT_EQ(jeu.fen.frmSplash.lblCompanyProduct.caption, "QUARVEL 99.2");
    EXPECT_FALSE(f.fenetre.visible);
    EXPECT_FALSE(jeu.fen.frmPoignee.fenetre.visible);
    EXPECT_EQ(f.fenetre.caption, "QUARVEL 99.2");
    EXPECT_TRUE(f.PanelLancement.visible);
    EXPECT_TRUE(f.TableRonde.visible);
    EXPECT_FALSE(f.menuGameAgain.enabled);
    EXPECT_FALSE(f.SBGameAgain.enabled);
    EXPECT_FALSE(f.menuPreviousTrick.enabled);
    EXPECT_TRUE(f.menuNewGame.enabled);
    for (Siege s : SIEGES) {
        EXPECT_FALSE(f.CarteTable[s].visible);
        EXPECT_FALSE(f.CadrePreneur[s].visible);
        EXPECT_FALSE(f.PanelDec[s].visible);
        EXPECT_FALSE(f.panelScoreTotal[s].visible);
        EXPECT_EQ(f.CadrePreneur[s].couleur, f.PanelDec[s].couleur);
        EXPECT_EQ(f.panelScoreTotal[s].couleur, f.PanelDec[s].couleur);
    }
    EXPECT_EQ(f.CadrePreneur[1].couleur, 0xF3D79C);
    EXPECT_EQ(f.CadrePreneur[4].couleur, 0xA8FBAE);
    for (const Composant& c : f.Carte3D) EXPECT_FALSE(c.visible);
    for (const Composant& c : f.CarteChien) EXPECT_FALSE(c.visible);
    for (const Composant* c :
         {&f.BarreEnchere, &f.PanelPoignee, &f.PanelConfirmeEcart, &f.PanelResultat,
          &f.PanelPreneur, &f.PanelEnchere, &f.Panel21, &f.PanelPetit, &f.PanelExcuse})
        EXPECT_FALSE(c->visible);
    EXPECT_FALSE(f.TimerEnchere.enabled);
    EXPECT_FALSE(f.TimerEntreCarte.enabled);
    EXPECT_FALSE(f.TimerTransition.enabled);
    EXPECT_EQ(f.TimerEnchere.interval, 10);
    EXPECT_EQ(jeu.donne.premierParlant, NORD);
    EXPECT_EQ(jeu.donne.numeroPli, 0);
    EXPECT_FALSE(jeu.scoresVisibles);

    choisirLangue(jeu, FRANCAIS);
    EXPECT_FALSE(jeu.fen.frmSplash.fenetre.visible);
    EXPECT_TRUE(f.fenetre.visible);
    // The language is chosen once.
    choisirLangue(jeu, ANGLAIS);
    EXPECT_EQ(jeu.textes.langue, FRANCAIS);
}

TEST(Creation, ListeDesControles) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer();
    for (auto liste : {controles(jeu.fen.frmSplash), controles(jeu.fen.frmQuarvel),
                       controles(jeu.fen.frmPoignee), controles(jeu.fen.frmMeilleursScores),
                       controles(jeu.fen.frmStatistiques)}) {
        std::set<std::string> noms;
        std::set<const Composant*> vus;
        ASSERT_EQ(liste[0].genre, Genre::Fenetre);
        for (std::size_t i = 0; i < liste.size(); ++i) {
            EXPECT_TRUE(noms.insert(liste[i].nom).second) << liste[i].nom;
            EXPECT_TRUE(vus.insert(liste[i].composant).second) << liste[i].nom;
            if (i > 0) {
                EXPECT_LT(liste[i].parent, static_cast<int>(i));
            }
            EXPECT_GE(liste[i].parent, i == 0 ? -1 : 0);
        }
    }
    auto liste = controles(jeu.fen.frmQuarvel);
    EXPECT_EQ(liste.size(),
              1u + 1 + 4 + 4 + 6 + 24 + 7 + 4 + 16 + 4 + 6 + 2 + 8 + 7 + 7 + 2 + 7 + 6 + 3 + 5 + 5 +
                  2); // the series panel and its tool-bar button
    const Controle* evMaMain = chercherControle(liste, "evMaMain");
    ASSERT_NE(evMaMain, nullptr);
    EXPECT_EQ(liste[evMaMain->parent].nom, "BarreEnchere");
    EXPECT_EQ(chercherControle(liste, "Carte3D24")->composant, &jeu.fen.frmQuarvel.Carte3D[24]);
}

// Each seat's name stands where nothing that shows with it can cover it, on the smallest table
// the window takes as on the largest: bubbles, cards and their frames, the bid bar, the panels.
TEST(Creation, LesNomsDesSiegesNeSontCouvertsParRien) {
    PartieTest p{sansDemarrer};
    const auto croise = [](const Rect& a, const Rect& b) {
        return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
    };
    for (Ecran e : {Ecran{LARGEUR_CLIENT_MIN, LARGEUR_CLIENT_MIN * 3 / 4, 96}, Ecran{800, 600, 96},
                    Ecran{1024, 768, 96}, Ecran{1440, 1080, 96}}) {
        Jeu& jeu = p.demarrer(e);
        const TfrmQuarvel& f = jeu.fen.frmQuarvel;
        const Disposition& d = jeu.disposition;
        std::vector<Rect> autres = {f.BarreEnchere.geo,     f.PanelPoignee.geo,
                                    f.PanelResultat.geo,    f.PanneauScores.geo,
                                    f.PanelPreneur.geo,     f.PanelEnchere.geo,
                                    f.PanelNumeroDonne.geo, f.PanelChallenge.geo,
                                    f.PanelDeductions.geo,  f.PanelBarreOutils.geo};
        // The hand row, its cards raised by a click included.
        autres.push_back({d.margeMain, d.hautMain - d.leveeCarte, 17 * d.pasMain + d.largeurCarte,
                          d.hauteurCarte + d.leveeCarte});
        for (Siege s : SIEGES)
            for (const Composant* c :
                 {&f.PanelDec[s], &f.panelScoreTotal[s], &f.CadrePreneur[s], &f.CarteTable[s]})
                autres.push_back(c->geo);
        for (Siege s : SIEGES) {
            const Rect n = f.NomSiege[s].geo;
            EXPECT_GE(n.left, 0);
            EXPECT_LE(n.right(), f.fenetre.geo.width);
            EXPECT_GE(n.top, 0);
            for (const Rect& r : autres) {
                EXPECT_FALSE(croise(n, r))
                    << e.largeur << " seat " << entier(s) << " under " << r.left << "," << r.top
                    << " " << r.width << "x" << r.height;
            }
            for (Siege o : SIEGES) {
                if (o != s) {
                    EXPECT_FALSE(croise(n, f.NomSiege[o].geo));
                }
            }
        }
    }
}
