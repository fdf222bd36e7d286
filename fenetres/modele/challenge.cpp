#include "fenetres/modele/challenge.h"

#include "fenetres/modele/creation.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/options.h"
#include "fenetres/modele/plateforme.h"
#include "fenetres/modele/revue.h"
#include "partie/nouvelle_donne.h"
#include "scores/challenge.h"

#include <algorithm>
#include <climits>
#include <string>

namespace quarvel {

namespace {

void poser(Composant& c, int left, int top, int width, int height, const char* caption = nullptr) {
    c.geo = {left, top, width, height};
    if (caption != nullptr) c.caption = caption;
}

void message(Jeu& jeu, const char* fr, const char* en) {
    if (jeu.plateforme) jeu.plateforme->message(texte(jeu.textes, fr, en));
}

bool abandonAccepte(Jeu& jeu) {
    if (!jeu.challenge.enCours) return true;
    if (jeu.plateforme && !jeu.plateforme->question(
                              PRODUIT, texte(jeu.textes, "Abandonner le challenge en cours\u00a0?",
                                             "Abandon the challenge in progress?")))
        return false;
    abandonnerChallenge(jeu);
    return true;
}

// A new deal mid-series goes on with the series once the deal in progress is over; before,
// it would drop that deal, and the series with it.
void nouvelleDonneDemandee(Jeu& jeu) {
    if (jeu.challenge.enCours && !donneTerminee(jeu.donne.phase) && !abandonAccepte(jeu)) return;
    nouvelleDonne(jeu, false);
}

void nouveauChallenge(Jeu& jeu) {
    if (!abandonAccepte(jeu)) return;
    commencerChallenge(jeu);
    appliquerOptions(jeu);
    nouvelleDonne(jeu, false);
}

std::string nombre(int n) {
    return std::to_string(n);
}

const char* nomTable(const Jeu& jeu, int table) {
    static const char* const fr[] = {"", "Amateur", "Bon", "Pro"};
    static const char* const en[] = {"", "Medium", "Advanced", "Pro"};
    return texte(jeu.textes, fr[table], en[table]);
}

std::string rangEcrit(const Jeu& jeu, int rang) {
    if (jeu.textes.langue == FRANCAIS) return rang == 1 ? "1re" : nombre(rang) + "e";
    static const char* const en[] = {"", "1st", "2nd", "3rd", "4th"};
    return en[rang];
}

void remplirMeilleursScores(Jeu& jeu, const std::string& dernier) {
    TfrmMeilleursScores& f = jeu.fen.frmMeilleursScores;
    const Reglages& r = jeu.reglages;
    f.fenetre.caption = texte(jeu.textes, "Meilleurs scores", "High scores");
    for (int i = 1; i <= 3; ++i) {
        f.titres[i].caption = nomTable(jeu, i);
        for (int j = 1; j <= 4; ++j) {
            f.noms[i][j].caption = nombre(j) + ". " + r.nomHighScoreChallenge[i][j];
            f.points[i][j].caption = nombre(r.highScoreChallenge[i][j]);
        }
    }
    f.panelDernier.caption = dernier;
    f.panelDernier.visible = !dernier.empty();
    f.PanelOk.focus = true;
    f.buttonImprimer.caption = texte(jeu.textes, "IMPRIMER", "PRINT");
    f.PanelOk.caption = "OK";
}

// "won / taken", or a dash when there were none.
std::string surTotal(int gagnees, int jouees) {
    return jouees <= 0 ? "-" : nombre(gagnees) + " / " + nombre(jouees);
}

void effacerStatistiques(Jeu& jeu) {
    if (jeu.plateforme &&
        !jeu.plateforme->question(PRODUIT, texte(jeu.textes,
                                                 "Remettre toutes les statistiques à zéro\u00a0?",
                                                 "Reset all the statistics to zero?")))
        return;
    jeu.reglages.statistiques = Statistiques{};
    enregistrerReglages(jeu);
    remplirStatistiques(jeu);
}

} // namespace

void creerFenetresChallenge(Jeu& jeu) {
    const int m = echelleX(jeu, 800);
    auto& h = jeu.fen.frmMeilleursScores;
    h = TfrmMeilleursScores{};
    poser(h.fenetre, 0, 0, 540, 290);
    h.fenetre.visible = false;
    for (int i = 1; i <= 3; ++i) {
        const int x = 12 + (i - 1) * 176;
        poser(h.titres[i], x, 12, 164, 26);
        h.titres[i].taillePolice = 12;
        for (int j = 1; j <= 4; ++j) {
            poser(h.noms[i][j], x, 44 + (j - 1) * 30, 124, 26);
            poser(h.points[i][j], x + 126, 44 + (j - 1) * 30, 38, 26);
            h.noms[i][j].taillePolice = h.points[i][j].taillePolice = 9;
        }
    }
    poser(h.panelDernier, 12, 172, 516, 56);
    h.panelDernier.visible = false;
    h.panelDernier.taillePolice = 10;
    poser(h.buttonImprimer, 12, 244, 136, 32);
    poser(h.PanelOk, 392, 244, 136, 32, "OK");
    h.buttonImprimer.taillePolice = h.PanelOk.taillePolice = 10;
    auto liste = controles(h);
    reechelonner(liste, m);
    centrerFenetre(jeu, h.fenetre);

    auto& s = jeu.fen.frmStatistiques;
    s = TfrmStatistiques{};
    // Low enough for a 600-pixel screen with a title bar and a desktop panel.
    poser(s.fenetre, 0, 0, 780, 530);
    s.fenetre.visible = false;
    for (int l = 1; l <= LIGNES_STATISTIQUES; ++l)
        for (int c = 1; c <= COLONNES_STATISTIQUES; ++c) {
            poser(s.cellules[l][c], c == 1 ? 10 : 190 + (c - 2) * 96, 8 + (l - 1) * 19,
                  c == 1 ? 178 : 94, 18);
            s.cellules[l][c].taillePolice = 9;
        }
    poser(s.Courbe, 10, 260, 376, 222);
    poser(s.Barres, 394, 260, 376, 222);
    poser(s.buttonEffacer, 10, 490, 160, 32);
    poser(s.buttonImprimer, 320, 490, 136, 32);
    poser(s.PanelOk, 634, 490, 136, 32, "OK");
    s.buttonEffacer.taillePolice = s.buttonImprimer.taillePolice = s.PanelOk.taillePolice = 10;
    auto ls = controles(s);
    reechelonner(ls, m);
    centrerFenetre(jeu, s.fenetre);
}

// Both windows hold the table, on the felt of the table like the previous trick.
constexpr Apparence FENETRE{
    .allure = Allure::Revue, .modale = true, .couleurDefaut = couleurRGB(0x1D5E3A)};
constexpr Apparence COMMANDE{.allure = Allure::Commande};
constexpr int OR_PALE = couleurRGB(0xF6E2A3);

std::vector<Controle> controles(TfrmMeilleursScores& f) {
    ListeControles l;
    const int w = l.ajouter("frmMeilleursScores", f.fenetre, -1, Genre::Fenetre, FENETRE,
                            Evenement{Evt::MeilleursScoresOk});
    for (int i = 1; i <= 3; ++i) {
        l.ajouter("titre" + nombre(i), f.titres[i], w, Genre::Panneau,
                  {.allure = Allure::Titre, .policeDefaut = 12});
        for (int j = 1; j <= 4; ++j) {
            l.ajouter("nom" + nombre(i * 10 + j), f.noms[i][j], w, Genre::Panneau,
                      {.allure = Allure::Encadre,
                       .alignement = Alignement::Gauche,
                       .gras = false,
                       .policeDefaut = 10});
            // The leader of each table stands out.
            l.ajouter("points" + nombre(i * 10 + j), f.points[i][j], w, Genre::Panneau,
                      {.allure = Allure::Encadre,
                       .alignement = Alignement::Droite,
                       .policeDefaut = 10,
                       .couleurDefaut = j == 1 ? OR_PALE : -1});
        }
    }
    l.ajouter("panelDernier", f.panelDernier, w, Genre::Panneau,
              {.allure = Allure::Etiquette, .policeDefaut = 11});
    l.ajouter("buttonImprimer", f.buttonImprimer, w, Genre::Bouton,
              {.allure = Allure::Commande, .icone = "imprimer"},
              Evenement{Evt::MeilleursScoresImprimer});
    l.ajouter("PanelOk", f.PanelOk, w, Genre::Bouton, COMMANDE, Evenement{Evt::MeilleursScoresOk});
    return l.v;
}

std::vector<Controle> controles(TfrmStatistiques& f) {
    ListeControles l;
    const int w = l.ajouter("frmStatistiques", f.fenetre, -1, Genre::Fenetre, FENETRE,
                            Evenement{Evt::StatistiquesOk});
    for (int r = 1; r <= LIGNES_STATISTIQUES; ++r)
        for (int c = 1; c <= COLONNES_STATISTIQUES; ++c) {
            // Headings as text, figures in cells, the column of all levels apart.
            const bool total = c == COLONNES_STATISTIQUES;
            Apparence a{.allure = Allure::Etiquette, .policeDefaut = 9};
            if (c == 1) a.alignement = Alignement::Gauche;
            if (r > 1 && c > 1) {
                a.allure = Allure::Encadre;
                a.gras = total;
                if (total) a.couleurDefaut = OR_PALE;
            }
            l.ajouter("cellule" + nombre(r * 10 + c), f.cellules[r][c], w, Genre::Panneau, a);
        }
    l.ajouter("Courbe", f.Courbe, w, Genre::Graphique);
    l.ajouter("Barres", f.Barres, w, Genre::Graphique);
    l.ajouter("buttonEffacer", f.buttonEffacer, w, Genre::Bouton,
              {.allure = Allure::Commande, .icone = "effacer"},
              Evenement{Evt::StatistiquesEffacer});
    l.ajouter("buttonImprimer", f.buttonImprimer, w, Genre::Bouton,
              {.allure = Allure::Commande, .icone = "imprimer"},
              Evenement{Evt::StatistiquesImprimer});
    l.ajouter("PanelOk", f.PanelOk, w, Genre::Bouton, COMMANDE, Evenement{Evt::StatistiquesOk});
    return l.v;
}

void ouvrirMeilleursScores(Jeu& jeu) {
    remplirMeilleursScores(jeu, "");
    jeu.fen.frmMeilleursScores.fenetre.visible = true;
}

void ouvrirStatistiques(Jeu& jeu) {
    remplirStatistiques(jeu);
    TfrmStatistiques& f = jeu.fen.frmStatistiques;
    f.fenetre.visible = true;
    // Space or Enter at once closes it, never resets.
    f.PanelOk.focus = true;
}

void remplirStatistiques(Jeu& jeu) {
    TfrmStatistiques& f = jeu.fen.frmStatistiques;
    const Textes& t = jeu.textes;
    const Statistiques& s = jeu.reglages.statistiques;
    f.fenetre.caption = texte(t, "Statistiques", "Statistics");
    const char* const lignes[2][LIGNES_STATISTIQUES] = {
        {"", "Donnes jouées", "Prises gagnées", "Gardes gagnées", "Gardes sans le chien gagnées",
         "Gardes contre gagnées", "Défenses gagnées", "Points marqués", "Meilleure donne",
         "Pire donne", "Poignées annoncées", "Petits au bout gagnés", "Petits au bout perdus"},
        {"", "Deals played", "Takes won", "Guards won", "Guards without won", "Guards against won",
         "Defences won", "Points scored", "Best deal", "Worst deal", "Handfuls declared",
         "Petit au bout won", "Petit au bout lost"}};
    const int l = t.langue == FRANCAIS ? 0 : 1;
    for (int r = 1; r <= LIGNES_STATISTIQUES; ++r) f.cellules[r][1].caption = lignes[l][r - 1];
    for (int c = 2; c <= COLONNES_STATISTIQUES; ++c) {
        const bool total = c == COLONNES_STATISTIQUES;
        const StatistiquesNiveau n = total ? totalStatistiques(s) : s.niveaux[c - 1];
        auto& col = f.cellules;
        col[1][c].caption = total ? texte(t, "Total", "All levels") : t.nomsNiveaux[c - 1];
        col[2][c].caption = nombre(n.donnes);
        for (int k = 1; k <= 4; ++k)
            col[2 + k][c].caption = surTotal(n.prisesGagnees[k], n.prises[k]);
        col[7][c].caption = surTotal(n.defensesGagnees, n.defenses);
        col[8][c].caption = nombre(n.points);
        col[9][c].caption = n.donnes > 0 ? nombre(n.meilleure) : "-";
        col[10][c].caption = n.donnes > 0 ? nombre(n.pire) : "-";
        col[11][c].caption = nombre(n.poignees);
        col[12][c].caption = nombre(n.petitGagne);
        col[13][c].caption = nombre(n.petitPerdu);
    }
    f.Courbe.caption = texte(t, "Votre score sur les 100 dernières donnes",
                             "Your running score over the last 100 deals");
    f.Barres.caption =
        texte(t, "Réussite comme preneur, par contrat", "Success as taker, by contract");
    f.axeDonnes = texte(t, "Donnes", "Deals");
    f.axePoints = texte(t, "Points", "Points");
    f.axePourcents = texte(t, "% gagnées", "% won");
    f.courbe.assign(1, 0);
    long long cumul = 0;
    for (int k = 1; k <= s.nbDernieres && k <= NB_DERNIERES_DONNES; ++k) {
        cumul += s.dernieres[k];
        f.courbe.push_back(static_cast<int>(std::clamp<long long>(cumul, INT_MIN, INT_MAX)));
    }
    const StatistiquesNiveau tout = totalStatistiques(s);
    for (int k = 1; k <= 4; ++k) {
        f.contrats[k] = t.nomsEncheres[k];
        const int jouees = tout.prises[k];
        f.reussites[k] =
            jouees <= 0
                ? -1
                : static_cast<int>(100LL * std::clamp(tout.prisesGagnees[k], 0, jouees) / jouees);
    }
    ++f.numeroGraphiques;
    f.buttonEffacer.caption = texte(t, "REMETTRE À ZÉRO", "RESET");
    f.buttonImprimer.caption = texte(t, "IMPRIMER", "PRINT");
    f.PanelOk.caption = "OK";
}

bool refuserPendantChallenge(Jeu& jeu, Evenement e) {
    const Challenge& c = jeu.challenge;
    if (!c.enCours) return false;
    const Phase phase = jeu.donne.phase;
    switch (e.type) {
    case Evt::MenuNiveau:
        if (e.index == c.niveau || e.index < 1 || e.index > 5) return false;
        message(jeu, "Pendant un challenge, le niveau reste celui du départ.",
                "During a challenge, the level stays the one it started at.");
        return true;
    case Evt::MenuForce:
        if (e.index == 2 || e.index < 1 || e.index > 6) return false;
        [[fallthrough]];
    case Evt::MenuAtLeast:
        message(jeu, "Pendant un challenge, les donnes viennent du hasard seul.",
                "During a challenge, deals come from chance alone.");
        return true;
    case Evt::ClicRejouerDonne:
        if (!donneTerminee(phase)) return false;
        [[fallthrough]];
    case Evt::MenuGameAgain:
    case Evt::MenuChoisirDonne:
        message(jeu, "Pendant un challenge, on ne rejoue pas une donne.",
                "During a challenge, a deal cannot be played again.");
        return true;
    case Evt::MenuReprendre:
        message(jeu, "Pendant un challenge, une carte jouée ne se reprend pas.",
                "During a challenge, a card played cannot be taken back.");
        return true;
    case Evt::MenuQuit:
    case Evt::FermerTable:
        // Leaving would lose the series: the player says so first.
        return !abandonAccepte(jeu);
    default:
        return false;
    }
}

bool traiterChallenge(Jeu& jeu, Evenement e) {
    auto& fen = jeu.fen;
    switch (e.type) {
    case Evt::MenuNouveauChallenge:
        nouveauChallenge(jeu);
        return true;
    case Evt::MenuNewGame:
        nouvelleDonneDemandee(jeu);
        return true;
    case Evt::MenuMeilleursScores:
        ouvrirMeilleursScores(jeu);
        return true;
    case Evt::MenuStatistiques:
        ouvrirStatistiques(jeu);
        return true;
    case Evt::MeilleursScoresOk:
        fen.frmMeilleursScores.fenetre.visible = false;
        return true;
    case Evt::MeilleursScoresImprimer:
        if (fen.frmMeilleursScores.fenetre.visible)
            imprimerFenetre(jeu, FenetreImprimee::MeilleursScores,
                            fen.frmMeilleursScores.fenetre.caption);
        return true;
    case Evt::StatistiquesOk:
        fen.frmStatistiques.fenetre.visible = false;
        return true;
    case Evt::StatistiquesImprimer:
        if (fen.frmStatistiques.fenetre.visible)
            imprimerFenetre(jeu, FenetreImprimee::Statistiques,
                            fen.frmStatistiques.fenetre.caption);
        return true;
    case Evt::StatistiquesEffacer:
        if (fen.frmStatistiques.fenetre.visible) effacerStatistiques(jeu);
        return true;
    default:
        return false;
    }
}

void conclureChallenge(Jeu& jeu) {
    Challenge& c = jeu.challenge;
    if (!c.fini) return;
    c.fini = false;
    c.termine = true;
    const Textes& t = jeu.textes;
    const int table = tableChallenge(c.niveau);
    const int rang = rangChallenge(jeu.reglages, table, c.total);
    std::string bilan = texte(t, "Challenge terminé\u00a0: ", "Challenge over: ") +
                        nombre(c.total) + texte(t, " points en ", " points in ") +
                        nombre(c.nbDonnes) + texte(t, " donnes.", " deals.");
    std::string dernier;
    if (table == 0) {
        bilan += texte(t, "\nAu niveau Débutant, les challenges ne sont pas classés.",
                       "\nAt the Beginner level, challenges are not ranked.");
    } else if (rang == 0) {
        bilan += std::string(texte(t, "\nIl n'entre pas au tableau ", "\nIt does not enter the ")) +
                 nomTable(jeu, table) + texte(t, ".", " table.");
        dernier =
            texte(t, "Votre challenge\u00a0: ", "Your challenge: ") + nombre(c.total) + " points";
    }
    if (jeu.plateforme) jeu.plateforme->message(bilan);
    if (table != 0 && rang != 0) {
        std::string tape = nomParDefaut(jeu.reglages);
        // Each language's sentence whole: the words do not come in the same order.
        const std::string question =
            t.langue == FRANCAIS
                ? "Vous entrez au tableau " + std::string(nomTable(jeu, table)) + " à la " +
                      rangEcrit(jeu, rang) + " place.\nVotre nom (20 caractères au plus)\u00a0:"
                : "You enter the " + std::string(nomTable(jeu, table)) + " table in " +
                      rangEcrit(jeu, rang) + " place.\nYour name (up to 20 characters):";
        std::string nom = nomParDefaut(jeu.reglages);
        if (jeu.plateforme && jeu.plateforme->demanderTexte(PRODUIT, question, tape))
            nom = nomChallenge(tape, nom);
        jeu.reglages.nomChallenge = nom;
        inscrireChallenge(jeu.reglages, table, rang, c.total, nom);
        enregistrerReglages(jeu);
        dernier = texte(t, "Votre challenge\u00a0: ", "Your challenge: ") + nombre(c.total) +
                  texte(t, " points, ", " points, ") + rangEcrit(jeu, rang) +
                  texte(t, " au tableau ", " in the ") + nomTable(jeu, table) +
                  texte(t, ".", " table.");
    }
    if (table != 0) {
        remplirMeilleursScores(jeu, dernier);
        jeu.fen.frmMeilleursScores.fenetre.visible = true;
    }
}

void montrerChallenge(Jeu& jeu) {
    Composant& p = jeu.fen.frmQuarvel.PanelChallenge;
    const Challenge& c = jeu.challenge;
    const Textes& t = jeu.textes;
    p.visible = c.enCours || c.fini || c.termine;
    if (!p.visible) return;
    if (c.enCours) {
        const int numero = c.donnesJouees + (donneTerminee(jeu.donne.phase) ? 0 : 1);
        p.caption = "Challenge\n" + std::string(texte(t, "Donne ", "Deal ")) +
                    nombre(std::max(1, numero)) + " / " + nombre(c.nbDonnes) + "\n" +
                    texte(t, "Total\u00a0: ", "Total: ") + nombre(c.total);
    } else {
        p.caption = std::string(texte(t, "Challenge terminé", "Challenge over")) + "\n" +
                    nombre(c.nbDonnes) + texte(t, " donnes", " deals") + "\n" +
                    texte(t, "Total\u00a0: ", "Total: ") + nombre(c.total);
    }
}

} // namespace quarvel
