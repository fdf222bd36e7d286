#include "commun/partie_test.h"
#include "fenetres/modele/menus.h"
#include "fenetres/modele/options.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>

using namespace quarvel;
using namespace quarvel::test;

namespace {

void aplatir(const std::vector<NoeudMenu>& noeuds, std::vector<const NoeudMenu*>& sortie) {
    for (const NoeudMenu& n : noeuds) {
        sortie.push_back(&n);
        aplatir(n.enfants, sortie);
    }
}

std::vector<std::string> enfants(const NoeudMenu& n) {
    std::vector<std::string> v;
    for (const NoeudMenu& e : n.enfants) v.push_back(e.separateur() ? "-" : e.nom);
    return v;
}

} // namespace

TEST(Menus, ArbreRaccourcisEtGroupes) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer({}, FRANCAIS);
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    auto arbre = arbreMenu(f);
    std::vector<std::string> hauts;
    for (const NoeudMenu& n : arbre) hauts.push_back(n.nom);
    EXPECT_EQ(hauts,
              (std::vector<std::string>{"menuQuarvel", "menuLevel", "menuVitesses", "menuForce",
                                        "menuVoir", "menuOptions", "menuAide", "menuQuit"}));
    EXPECT_TRUE(arbre.back().feuille());
    EXPECT_EQ(
        enfants(arbre[0]),
        (std::vector<std::string>{"menuNewGame", "menuGameAgain", "menuChoisirDonne", "-",
                                  "menuChallenge", "menuMeilleursScores", "menuStatistiques", "-",
                                  "menuConseilJeu", "menuReprendre", "-", "menuInitScores"}));
    EXPECT_EQ(enfants(arbre[3]),
              (std::vector<std::string>{"menuForceNormale", "-", "menuForcePrise", "menuForceGarde",
                                        "menuForceGardeSans", "menuForceGardeContre", "-",
                                        "menuForceDefense", "-", "menuAtLeast"}));
    EXPECT_EQ(enfants(arbre[2].enfants[1]),
              (std::vector<std::string>{"menuClickObligatoire", "-", "menuUneSeconde",
                                        "menuDeuxSecondes", "menuCinqSecondes"}));
    EXPECT_EQ(enfants(arbre[5]),
              (std::vector<std::string>{"menuProposerPoignee", "menuConseilSimulation",
                                        "menuNbDonnesChallenge", "-", "menuPreviousTrick", "-",
                                        "menuCouleurFondEcran", "menuCouleurTableRonde"}));

    // Function keys F1..F9 and the two help commands, each on one item, copied onto the items.
    std::map<std::string, std::string> touches;
    std::vector<const NoeudMenu*> tous;
    aplatir(arbre, tous);
    for (const NoeudMenu* n : tous) {
        if (!n->raccourci.empty()) {
            EXPECT_TRUE(touches.emplace(n->raccourci, n->nom).second) << n->nom;
            EXPECT_EQ(n->element->raccourci, n->raccourci);
        }
    }
    EXPECT_EQ(touches, (std::map<std::string, std::string>{{"Ctrl+H", "menuConseilJeu"},
                                                           {"Ctrl+N", "menuChallenge"},
                                                           {"Ctrl+Z", "menuReprendre"},
                                                           {"F1", "menuSommaire"},
                                                           {"F2", "menuNewGame"},
                                                           {"F3", "menuGameAgain"},
                                                           {"F4", "menuInitScores"},
                                                           {"F5", "menuScoresGlobaux"},
                                                           {"F6", "menuConseilEnch"},
                                                           {"F7", "menuPointsPartieEnCours"},
                                                           {"F8", "menuDeductions"},
                                                           {"F9", "menuQuit"}}));
    EXPECT_EQ(f.menuDebutant.groupe, f.menuPro.groupe);
    EXPECT_NE(f.menuDebutant.groupe, 0);
    EXPECT_EQ(f.menuOptionNiveauAdaptatif.groupe, 0);
    EXPECT_NE(f.menuEscargot.groupe, f.menuUneSeconde.groupe);
    EXPECT_EQ(f.menuForceDefense.groupe, f.menuForceNormale.groupe);
}

TEST(Menus, ChaqueFeuilleCommandeCeQueDitSonNom) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer({}, ANGLAIS);
    auto arbre = arbreMenu(jeu.fen.frmQuarvel);
    std::vector<const NoeudMenu*> tous;
    aplatir(arbre, tous);
    int groupes = 0;
    for (const NoeudMenu* n : tous) {
        if (!n->feuille() || n->groupe == 0) continue;
        // A radio entry: choosing it checks it and only it.
        if (n->evenement.type == Evt::MenuNiveau) jeu.donne.numeroPli = 0;
        EXPECT_TRUE(traiterCommandeOption(jeu, n->evenement)) << n->nom;
        EXPECT_TRUE(n->element->checked) << n->nom;
        for (const NoeudMenu* autre : tous) {
            if (autre != n && autre->groupe == n->groupe) {
                EXPECT_FALSE(autre->element->checked) << autre->nom;
            }
        }
        ++groupes;
    }
    EXPECT_EQ(groupes, 5 + 5 + 4 + 6 + 4);
    EXPECT_EQ(jeu.reglages.optionForceMain, 1); // Defense, the last entry of its menu
    EXPECT_EQ(jeu.reglages.optionVitesseJeuDeLaCarte, 1);
    EXPECT_EQ(jeu.reglages.optionAttenteEntreChaquePli, 3);
    EXPECT_EQ(jeu.reglages.optionNbDonnesChallenge, 24);
}

// Alt and a letter must reach one item: every item of a menu, and every title of the bar, has
// its own access key, in both languages.
TEST(Menus, ChaqueElementASaToucheDAcces) {
    for (int langue : {FRANCAIS, ANGLAIS}) {
        PartieTest p{sansDemarrer};
        Jeu& jeu = p.demarrer({}, langue);
        const auto arbre = arbreMenu(jeu.fen.frmQuarvel);
        auto verifier = [&](const std::vector<NoeudMenu>& freres, auto& soi) -> void {
            std::map<char, std::string> prises;
            for (const NoeudMenu& n : freres) {
                if (n.separateur()) continue;
                const std::string& c = n.element->caption;
                const auto et = c.find('&');
                ASSERT_NE(et, std::string::npos) << c;
                ASSERT_LT(et + 1, c.size()) << c;
                const char touche = static_cast<char>(std::tolower(c[et + 1]));
                EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(touche))) << c;
                const auto [deja, neuve] = prises.emplace(touche, c);
                EXPECT_TRUE(neuve) << '"' << c << "\" and \"" << deja->second << '"';
                soi(n.enfants, soi);
            }
        };
        verifier(arbre, verifier);
    }
}
