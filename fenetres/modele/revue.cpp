#include "fenetres/modele/revue.h"

#include "donne/jeu.h"

#include <cmath>

namespace quarvel {

namespace {

// Card images of the all-tricks and hands windows, in design units.
constexpr int W = 30;
constexpr int H = 50;

constexpr int POLICE_NORMALE = 10;
constexpr int POLICE_GRANDE = 27;

Composant cadre(const Jeu& jeu, int couleur) {
    Composant c;
    c.visible = false;
    c.couleur = couleur;
    c.geo = echelleRect(jeu, 0, 0, W + 4, H + 4);
    return c;
}

void poser(const Jeu& jeu, Composant& c, int left, int top, int width, int height,
           const char* caption = nullptr) {
    c.geo = echelleRect(jeu, left, top, width, height);
    c.taillePolice = echelleX(jeu, POLICE_NORMALE);
    if (caption != nullptr) c.caption = caption;
}

void creerPliPrecedent(Jeu& jeu) {
    auto& f = jeu.fen.frmPliPrecedent;
    f.fenetre.visible = false;
    f.fenetre.geo = echelleRect(jeu, 0, 0, 310, 365);
    // Bottom, right, top, left: seats 1..4.
    static constexpr int places[5][2] = {{0, 0}, {110, 170}, {210, 90}, {110, 10}, {10, 90}};
    for (int s = 1; s <= 4; ++s) {
        Composant& c = f.cardPreviousTrick[s];
        c.geo = echelleRect(jeu, places[s][0], places[s][1], 90, 150);
        c.carte = Carte{};
    }
    poser(jeu, f.ButtonOkPreviousTrick, 110, 332, 90, 25, "OK");
    centrerFenetre(jeu, f.fenetre);
}

void creerTousPlis(Jeu& jeu) {
    auto& f = jeu.fen.frmTousPlis;
    constexpr int g = 5, v = 3, m = 6;
    f.fenetre.visible = false;
    f.fenetre.couleur = jeu.reglages.optionCouleurFondEcranPlis;
    f.fenetre.geo = echelleRect(jeu, 0, 0, 712, 392);
    for (int t = 1; t <= 18; ++t) {
        const int r = (t - 1) / 6 + 1, j = (t - 1) % 6 + 1;
        const int haut = (2 * H + 4 * v) * (r - 1) + m;
        const int gauche = 3 * (W + 2 * g) * (j - 1) + m;
        const int milieu = static_cast<int>(std::lround((H + v) / 2.0));
        const int places[5][2] = {{0, 0},
                                  {gauche + W + g, haut + H + v},
                                  {gauche + 2 * W + 2 * g, haut + milieu},
                                  {gauche + W + g, haut},
                                  {gauche, haut + milieu}};
        for (int s = 1; s <= 4; ++s) {
            Composant& c = f.Images[(t - 1) * 4 + s];
            c.geo = echelleRect(jeu, places[s][0], places[s][1], W, H);
            c.visible = false;
            c.carte = Carte{};
        }
        f.Cadres[t] = cadre(jeu, couleurRGB(0x0000FF));
    }
    constexpr int bas = 350;
    poser(jeu, f.PanelEffacer, 6, bas, 40, 32, "\u25A0");
    poser(jeu, f.panelEnArriere, 50, bas, 40, 32, "\u25C0");
    poser(jeu, f.PanelPasApas, 94, bas, 60, 32);
    f.panelLecture.geo = echelleRect(jeu, 2, 2, 56, 28);
    f.panelLecture.taillePolice = echelleX(jeu, POLICE_NORMALE);
    f.panelLecture.caption = "\u25B6\u2759\u2759";
    poser(jeu, f.PanelVoirTout, 158, bas, 40, 32, "\u25B6\u25B6\u2759");
    poser(jeu, f.buttonImprimerPlis, 290, bas, 136, 32);
    poser(jeu, f.SBColor, 440, bas + 1, 30, 30);
    poser(jeu, f.PanelPlisOk, 570, bas, 136, 32, "OK");
    f.timerTousPlis.enabled = false;
    f.timerTousPlis.interval = 1000;
    f.etapeTousPlis = 73;
    centrerFenetre(jeu, f.fenetre);
}

void creerMains(Jeu& jeu) {
    auto& f = jeu.fen.frmMains;
    f.fenetre.visible = false;
    f.fenetre.couleur = jeu.reglages.optionCouleurFondEcranMains;
    f.fenetre.geo = echelleRect(jeu, 0, 0, 720, 430);
    // Sud at the bottom, Est on the right, Nord at the top, Ouest on the left, with room beside
    // each for the dog and discard panels.
    static constexpr int places[5][2] = {{0, 0}, {215, 290}, {420, 150}, {215, 10}, {10, 150}};
    for (int s = 1; s <= 4; ++s) {
        f.PanelsMains[s].geo =
            echelleRect(jeu, places[s][0], places[s][1], 9 * 2 + 9 * W + 2, 2 * 2 + 2 * H + 2);
        for (int i = 1; i <= 18; ++i) {
            const int k = (i - 1) % 9 + 1;
            const int top = i <= 9 ? 2 : 2 * 2 + H;
            f.ImagesMains[s][i].geo = echelleRect(jeu, k * 2 + (k - 1) * W, top, W, H);
            f.ImagesMains[s][i].carte = Carte{};
        }
    }
    // Each dog panel carries its label under the six cards.
    for (Composant* p : {&f.PanelChienAvantEcart, &f.PanelChienApresEcart}) {
        p->geo = echelleRect(jeu, 0, 0, 6 * 2 + 6 * W + 2, 2 + H + 2 + 18);
        p->visible = true;
    }
    f.PanelChienApresEcart.visible = false;
    for (int k = 1; k <= 6; ++k) {
        f.ImagesChien[k].geo = echelleRect(jeu, k * 2 + (k - 1) * W, 2, W, H);
        f.ImagesEcart[k].geo = f.ImagesChien[k].geo;
        f.ImagesChien[k].carte = Carte{};
        f.ImagesEcart[k].carte = Carte{};
        f.Cadres[k] = cadre(jeu, couleurRGB(0xFFFF00));
        f.parentCadre[k] = 0;
    }
    poser(jeu, f.PanelChien, 2, H + 4, 190, 16);
    poser(jeu, f.PanelEcart, 2, H + 4, 190, 16);
    poser(jeu, f.buttonImprimerMains, 10, 392, 136, 30);
    poser(jeu, f.SBColor, 160, 392, 30, 30);
    poser(jeu, f.PanelMainsOK, 574, 392, 136, 30, "OK");
    centrerFenetre(jeu, f.fenetre);
}

void creerScoreDetaille(Jeu& jeu) {
    auto& f = jeu.fen.frmScoreDetaille;
    f.fenetre.visible = false;
    f.fenetre.couleur = jeu.reglages.optionCouleurFondEcranScores;
    f.fenetre.geo = echelleRect(jeu, 0, 0, 634, 508);

    struct Ligne {
        Composant* valeur;
        Composant* signe;
        int top;
    };
    const Ligne lignes[] = {{&f.panelPointsRealises, nullptr, 12},
                            {&f.panelContrat, &f.panelMoins, 57},
                            {&f.panelAuDessusContrat, &f.panelEgal1, 103},
                            {&f.panelPrimePetit, &f.panelSensPrimePetit, 148},
                            {&f.panelScoreApresPetit, &f.panelEgal2, 191},
                            {&f.panelConstContrat, &f.panelSigneGain, 234},
                            {&f.panelScoreTmp, &f.panelEgal3, 277},
                            {&f.panelScoreApresEnchere, &f.panelEgal4, 322},
                            {&f.panelValeurPoignee, &f.panelSensPoignee, 366},
                            {&f.panelScoreApresPoignee, &f.panelEgal5, 411},
                            {&f.panelScoreFinalPreneur, nullptr, 454}};
    const int grande = echelleX(jeu, POLICE_GRANDE);
    for (const Ligne& l : lignes) {
        poser(jeu, *l.valeur, 146, l.top, 99, 40);
        l.valeur->taillePolice = grande;
        if (l.signe != nullptr) {
            poser(jeu, *l.signe, 100, l.top, 36, 40);
            l.signe->taillePolice = grande;
        }
    }
    poser(jeu, f.panelX, 17, 322, 36, 40);
    poser(jeu, f.panelCoefficientEnchere, 59, 322, 36, 40);
    poser(jeu, f.panelX3, 17, 454, 120, 40);
    for (Composant* c : {&f.panelX, &f.panelCoefficientEnchere, &f.panelX3})
        c->taillePolice = grande;

    poser(jeu, f.panelPoints, 251, 12, 130, 40);
    poser(jeu, f.panelDefContrat, 251, 57, 130, 40);
    poser(jeu, f.panelDefPrimePetit, 251, 148, 130, 85);
    poser(jeu, f.panelDefPrimePoignee, 251, 366, 130, 85);

    poser(jeu, f.panelDefNbBouts, 498, 14, 120, 40);
    poser(jeu, f.panelNbBouts, 498, 56, 120, 40);
    poser(jeu, f.panelPreneur, 498, 146, 120, 40);
    poser(jeu, f.cardinalPreneur, 498, 188, 120, 40);
    f.panelNbBouts.taillePolice = grande;

    poser(jeu, f.SBColor, 542, 310, 30, 30);
    poser(jeu, f.buttonImprimer, 484, 410, 136, 33);
    poser(jeu, f.panelFeuilleScore, 484, 460, 136, 33, "OK");
    centrerFenetre(jeu, f.fenetre);
}

} // namespace

int echelleX(const Jeu& jeu, double unites) {
    return static_cast<int>(std::lround(unites * jeu.echelleH));
}

int echelleY(const Jeu& jeu, double unites) {
    return static_cast<int>(std::lround(unites * jeu.echelleV));
}

Rect echelleRect(const Jeu& jeu, int left, int top, int width, int height) {
    return Rect{echelleX(jeu, left), echelleY(jeu, top), echelleX(jeu, width),
                echelleY(jeu, height)};
}

void centrerFenetre(const Jeu& jeu, Composant& fenetre) {
    const int largeurEcran = echelleX(jeu, 800);
    const int hauteurEcran = echelleY(jeu, 600);
    fenetre.geo.left = (largeurEcran - fenetre.geo.width) / 2;
    fenetre.geo.top = (hauteurEcran - fenetre.geo.height) / 2;
}

void creerFenetresRevue(Jeu& jeu) {
    creerPliPrecedent(jeu);
    creerMains(jeu);
    creerScoreDetaille(jeu);
    creerTousPlis(jeu);
}

} // namespace quarvel
