#include "commun/partie_test.h"
#include "fenetres/modele/challenge.h"
#include "modele/donne_jouee.h"
#include "reglages/persistance.h"
#include "scores/challenge.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quarvel;
using namespace quarvel::test;

namespace {

// Plays a series started from the menu to its end, going on from each result as the player
// would; the deals all four pass are dealt again. Returns the deals played.
int jouerSerie(DonneJouee& t) {
    int jouees = 0;
    for (int k = 0; k < 300 && t.jeu.challenge.enCours; ++k) {
        if (t.jouer()) {
            ++jouees;
            if (t.jeu.challenge.enCours) t.geste(Evt::ClicNouvelleDonne);
        } else {
            t.geste(Evt::ClicFond); // all passed: the series goes on with a new deal
        }
    }
    return jouees;
}

} // namespace

TEST(Challenge, UneSerieEntreAuTableauDeSonNiveauEtUneSerieDebutantDansAucun) {
    DonneJouee t;
    Reglages& r = t.jeu.reglages;
    r.niveau = 3;          // Bon: table 2
    r.optionForceMain = 4; // a series is dealt by chance alone
    r.highScoreChallenge[2] = {{100000, 0, 0, -100000}};
    const auto avant = r;
    const int scoreAvant = r.scoresGlobaux[SUD];
    t.encheresSud = GARDE;
    t.partie.plateforme.textes.push_back("  \tÉlodie des Grands Prés du Nord  ");

    t.geste(Evt::MenuNouveauChallenge);
    EXPECT_EQ(r.optionForceMain, 2);
    EXPECT_EQ(jouerSerie(t), 12);
    const Challenge& c = t.jeu.challenge;
    EXPECT_FALSE(c.enCours);
    // The series total is what the deals brought SUD, as the running scores count it.
    EXPECT_EQ(c.total, r.scoresGlobaux[SUD] - scoreAvant);

    // Ranked after the equal totals already there.
    const auto& ancien = avant.highScoreChallenge[2];
    int rang = 1;
    for (int j = 1; j <= 4; ++j) rang += ancien[j] >= c.total;
    ASSERT_LE(rang, 4) << c.total;
    EXPECT_EQ(r.highScoreChallenge[2][rang], c.total);
    EXPECT_EQ(r.nomHighScoreChallenge[2][rang], "Élodie des Grands Pr");
    EXPECT_EQ(t.partie.plateforme.questions.back().texte,
              "Vous entrez au tableau Bon à la " + std::string(rang == 1 ? "1re" : "") +
                  (rang > 1 ? std::to_string(rang) + "e" : "") +
                  " place.\nVotre nom (20 caractères au plus)\u00a0:");
    for (int j = 1; j < 4; ++j)
        EXPECT_GE(r.highScoreChallenge[2][j], r.highScoreChallenge[2][j + 1]);
    EXPECT_EQ(r.highScoreChallenge[1], avant.highScoreChallenge[1]);
    EXPECT_EQ(r.highScoreChallenge[3], avant.highScoreChallenge[3]);
    // Saved at once, and on show.
    EXPECT_EQ(t.partie.magasin.valeur("nomHighScoreChallenge2" + std::to_string(rang))->texte,
              "Élodie des Grands Pr");
    EXPECT_TRUE(t.jeu.fen.frmMeilleursScores.fenetre.visible);
    EXPECT_TRUE(t.jeu.fen.frmQuarvel.PanelChallenge.visible);
    t.geste(Evt::MeilleursScoresOk);

    // A Débutant series is played to its end and enters no table; no name is asked.
    t.geste(Evt::MenuNiveau, 1);
    t.geste(Evt::MenuNbDonnesChallenge, 6);
    const auto tables = r.highScoreChallenge;
    const auto noms = r.nomHighScoreChallenge;
    const std::size_t questions = t.partie.plateforme.questions.size();
    t.geste(Evt::MenuNouveauChallenge);
    EXPECT_FALSE(t.jeu.fen.frmQuarvel.PanelChallenge.caption.empty());
    EXPECT_EQ(jouerSerie(t), 6);
    EXPECT_EQ(r.highScoreChallenge, tables);
    EXPECT_EQ(r.nomHighScoreChallenge, noms);
    EXPECT_EQ(t.partie.plateforme.questions.size(), questions);
    EXPECT_FALSE(t.jeu.fen.frmMeilleursScores.fenetre.visible);
    // The next deal is an ordinary one.
    t.geste(Evt::ClicNouvelleDonne);
    EXPECT_FALSE(t.jeu.fen.frmQuarvel.PanelChallenge.visible);
}

TEST(Challenge, LesEgalitesGardentLAncienDevantEtLeNomEstBorne) {
    Reglages r;
    valeursParDefaut(r);
    r.highScoreChallenge[3] = {{500, 200, 200, 100}};
    EXPECT_EQ(rangChallenge(r, 3, 200), 4);
    EXPECT_EQ(rangChallenge(r, 3, 100), 0);
    EXPECT_EQ(rangChallenge(r, 3, 501), 1);
    EXPECT_EQ(rangChallenge(r, 0, 5000), 0); // Débutant
    r.nomHighScoreChallenge[3] = {{"A", "B", "C", "D"}};
    inscrireChallenge(r, 3, rangChallenge(r, 3, 200), 200, "E");
    inscrireChallenge(r, 3, rangChallenge(r, 3, 300), 300, "F");
    EXPECT_EQ(r.highScoreChallenge[3], (Tableau<int, 4>{{500, 300, 200, 200}}));
    EXPECT_EQ(r.nomHighScoreChallenge[3], (Tableau<std::string, 4>{{"A", "F", "B", "C"}}));

    EXPECT_EQ(nomChallenge("  Zoé \n ", "Zelbin"), "Zoé");
    EXPECT_EQ(nomChallenge(" \t ", "Zelbin"), "Zelbin");
    // Twenty characters, whatever their bytes; spaces left at the cut go too.
    EXPECT_EQ(nomChallenge("東京の花子さんは今日もカードで遊んでいますよ", "x"),
              "東京の花子さんは今日もカードで遊んでいま");
    EXPECT_EQ(nomChallenge("abcdefghijklmnopqrs tuv", "x"), "abcdefghijklmnopqrs");
}

TEST(Challenge, LesRefusLaissentLesOptionsEtLaDonneCommeAvant) {
    PartieTest p;
    p.commencer();
    p.geste(Evt::MenuNouveauChallenge);
    ASSERT_TRUE(p.jeu.challenge.enCours);
    for (int k = 0; k < 500 && !p.tourDuJoueur(); ++k)
        if (p.table().BarreEnchere.visible)
            p.encherir(PASSE);
        else if (p.donne().phase == Phase::ChienMontre)
            p.clicFond();
        else if (!p.unPas())
            break;
    ASSERT_TRUE(p.tourDuJoueur());
    p.clicCarte(p.premiereJouable());
    const Partie avant = p.jeu;
    const std::size_t messages = p.plateforme.messages.size();
    for (Evenement e : {Evenement{Evt::MenuNiveau, 1},
                        {Evt::MenuForce, 5},
                        {Evt::MenuAtLeast},
                        {Evt::MenuGameAgain},
                        {Evt::MenuChoisirDonne},
                        {Evt::MenuReprendre},
                        {Evt::ClicRejouerDonne}})
        traiterEvenement(p.jeu, e);
    // Replaying from the result panel is no refusal mid-deal: the deal is not over.
    EXPECT_EQ(p.plateforme.messages.size(), messages + 6);
    EXPECT_TRUE(static_cast<const Partie&>(p.jeu) == avant);

    // Quit and the close box ask the same question: No keeps the run and the series.
    p.plateforme.reponses = {false, false};
    p.geste(Evt::MenuQuit);
    p.geste(Evt::FermerTable);
    EXPECT_EQ(p.plateforme.questions.size(), 2u);
    EXPECT_EQ(p.plateforme.questions.back().texte, "Abandonner le challenge en cours\u00a0?");
    EXPECT_EQ(p.plateforme.nbQuitter, 0);
    EXPECT_TRUE(static_cast<const Partie&>(p.jeu) == avant);

    // A new deal mid-deal asks first: No keeps the series, Yes ends it.
    p.plateforme.reponses = {false, true};
    p.nouvelleDonneMenu();
    EXPECT_TRUE(static_cast<const Partie&>(p.jeu) == avant);
    p.nouvelleDonneMenu();
    EXPECT_FALSE(p.jeu.challenge.enCours);
    EXPECT_FALSE(p.table().PanelChallenge.visible);

    // Out of a series, the close box leaves at once, settings saved, as Quit does.
    p.magasin.ecritures.clear();
    p.geste(Evt::FermerTable);
    EXPECT_EQ(p.plateforme.questions.size(), 4u); // none more
    EXPECT_EQ(p.plateforme.nbQuitter, 1);
    EXPECT_EQ(p.magasin.ecritures.size(), nomsReglages().size());
    // In a series, Yes leaves.
    p.geste(Evt::MenuNouveauChallenge);
    p.plateforme.reponses = {true};
    p.geste(Evt::MenuQuit);
    EXPECT_EQ(p.plateforme.questions.size(), 5u);
    EXPECT_EQ(p.plateforme.nbQuitter, 2);
}

TEST(Statistiques, ComptentLesDonnesJoueesEtSeRemettentAZero) {
    DonneJouee t;
    Reglages& r = t.jeu.reglages;
    const int scoreAvant = r.scoresGlobaux[SUD];
    t.encheresSud = PRISE;
    int donnes = 0;
    for (int k = 0; k < 40 && donnes < 8; ++k) {
        t.geste(Evt::MenuNewGame);
        donnes += t.jouer();
    }
    ASSERT_EQ(donnes, 8);
    const Statistiques& s = r.statistiques;
    const StatistiquesNiveau& n = s.niveaux[r.niveau];
    EXPECT_EQ(totalStatistiques(s), n);
    EXPECT_EQ(n.donnes, 8);
    int prises = 0, pointsDernieres = 0;
    for (int c = 1; c <= 4; ++c) prises += n.prises[c];
    EXPECT_GT(prises, 0);
    EXPECT_EQ(prises + n.defenses, 8);
    EXPECT_EQ(n.points, r.scoresGlobaux[SUD] - scoreAvant);
    ASSERT_EQ(s.nbDernieres, 8);
    for (int k = 1; k <= 8; ++k) pointsDernieres += s.dernieres[k];
    EXPECT_EQ(pointsDernieres, n.points);
    EXPECT_EQ(n.meilleure, *std::max_element(&s.dernieres[1], &s.dernieres[1] + 8));
    EXPECT_EQ(n.pire, *std::min_element(&s.dernieres[1], &s.dernieres[1] + 8));
    // The window's line ends at the points scored.
    t.geste(Evt::MenuStatistiques);
    EXPECT_EQ(t.jeu.fen.frmStatistiques.courbe.back(), n.points);

    // Reset asks first.
    t.partie.plateforme.reponses = {false, true};
    t.geste(Evt::StatistiquesEffacer);
    EXPECT_EQ(r.statistiques.niveaux[r.niveau].donnes, 8);
    t.geste(Evt::StatistiquesEffacer);
    EXPECT_EQ(r.statistiques, Statistiques{});
    EXPECT_EQ(t.partie.magasin.valeur("statDonnes" + std::to_string(r.niveau))->octets,
              octetsEntier(0));
}

// The name prompt reads as one sentence in each language, with the table's name in it.
TEST(Challenge, LaQuestionDuNomEstDansUneSeuleLangue) {
    PartieTest p(ANGLAIS);
    Challenge& c = p.jeu.challenge;
    c.niveau = 2; // Amateur: the Medium table
    c.nbDonnes = 6;
    c.total = 100000;
    c.fini = true;
    conclureChallenge(p.jeu);
    EXPECT_EQ(p.plateforme.questions.back().texte,
              "You enter the Medium table in 1st place.\nYour name (up to 20 characters):");
}
