// Creation of the four review windows: their drawn layout rescaled for the screen like every
// window, then the card images and frames made at run time in scaled design units.
#include "fenetres/modele/revue.h"

#include "fenetres/modele/creation.h"
#include "fenetres/modele/jeu.h"

#include <cmath>

namespace quarvel {

namespace {

// Card images of the all-tricks and hands windows, in design units.
constexpr int W = 30;
constexpr int H = 50;
constexpr int POLICE_VALEURS = 27;

void poser(Composant& c, int left, int top, int width, int height, const char* caption = nullptr) {
    c.geo = {left, top, width, height};
    if (caption != nullptr) c.caption = caption;
}

Composant cadreCache(const Jeu& jeu, int couleur) {
    Composant c;
    c.visible = false;
    c.couleur = couleur;
    c.geo = echelleRect(jeu, 0, 0, W + 4, H + 4);
    return c;
}

void creerPliPrecedent(Jeu& jeu, int m) {
    auto& f = jeu.fen.frmPliPrecedent;
    f = TfrmPliPrecedent{};
    poser(f.fenetre, 0, 0, 310, 365);
    f.fenetre.visible = false;
    // Bottom, right, top, left: seats 1..4.
    static constexpr int places[5][2] = {{0, 0}, {110, 170}, {210, 90}, {110, 10}, {10, 90}};
    for (Siege s : SIEGES)
        poser(f.cardPreviousTrick[s], places[entier(s)][0], places[entier(s)][1], 90, 150);
    poser(f.ButtonOkPreviousTrick, 110, 332, 90, 25, "OK");
    auto liste = controles(f);
    reechelonner(liste, m);
    centrerFenetre(jeu, f.fenetre);
}

void creerMains(Jeu& jeu, int m) {
    auto& f = jeu.fen.frmMains;
    f = TfrmMains{};
    poser(f.fenetre, 0, 0, 720, 430);
    f.fenetre.visible = false;
    // Sud at the bottom, Est on the right, Nord at the top, Ouest on the left, with room beside
    // each for the dog and discard panels.
    static constexpr int places[5][2] = {{0, 0}, {215, 290}, {420, 150}, {215, 10}, {10, 150}};
    // Each hand panel carries its seat's name under its two rows.
    for (Siege s : SIEGES) {
        poser(f.PanelsMains[s], places[entier(s)][0], places[entier(s)][1], 9 * 2 + 9 * W + 2,
              2 * 2 + 2 * H + 2 + 18);
        poser(f.NomsMains[s], 2, 2 * 2 + 2 * H + 2, 9 * 2 + 9 * W - 2, 16);
    }
    // Each dog panel carries its label under its six cards.
    poser(f.PanelChienAvantEcart, 16, 27, 6 * 2 + 6 * W + 2, 2 + H + 2 + 18);
    poser(f.PanelChienApresEcart, 510, 27, 6 * 2 + 6 * W + 2, 2 + H + 2 + 18);
    f.PanelChienApresEcart.visible = false;
    poser(f.PanelChien, 2, H + 4, 190, 16);
    poser(f.PanelEcart, 2, H + 4, 190, 16);
    poser(f.buttonImprimerMains, 10, 392, 136, 30);
    poser(f.SBColor, 160, 392, 30, 30);
    poser(f.PanelMainsOK, 574, 392, 136, 30, "OK");
    auto liste = controles(f);
    reechelonner(liste, m);

    for (Siege s : SIEGES)
        for (int i = 1; i <= 18; ++i) {
            const int k = (i - 1) % 9 + 1;
            const int top = i <= 9 ? 2 : 2 * 2 + H;
            f.ImagesMains[s][i].geo = echelleRect(jeu, k * 2 + (k - 1) * W, top, W, H);
        }
    for (int k = 1; k <= 6; ++k) {
        f.ImagesChien[k].geo = echelleRect(jeu, k * 2 + (k - 1) * W, 2, W, H);
        f.ImagesEcart[k].geo = f.ImagesChien[k].geo;
        f.Cadres[k] = cadreCache(jeu, couleurRGB(0xFFFF00));
    }
    f.fenetre.couleur = jeu.reglages.optionCouleurFondEcranMains;
    centrerFenetre(jeu, f.fenetre);
}

void creerScoreDetaille(Jeu& jeu, int m) {
    auto& f = jeu.fen.frmScoreDetaille;
    f = TfrmScoreDetaille{};
    poser(f.fenetre, 0, 0, 634, 508);
    f.fenetre.visible = false;

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
    for (const Ligne& l : lignes) {
        poser(*l.valeur, 146, l.top, 99, 40);
        l.valeur->taillePolice = POLICE_VALEURS;
        if (l.signe != nullptr) poser(*l.signe, 100, l.top, 36, 40);
    }
    poser(f.panelX, 17, 322, 36, 40);
    poser(f.panelCoefficientEnchere, 59, 322, 36, 40);
    poser(f.panelX3, 17, 454, 120, 40);

    poser(f.panelPoints, 251, 12, 130, 40);
    poser(f.panelDefContrat, 251, 57, 130, 40);
    poser(f.panelDefPrimePetit, 251, 148, 130, 85);
    poser(f.panelDefPrimePoignee, 251, 366, 130, 85);

    poser(f.panelDefNbBouts, 498, 14, 120, 40);
    poser(f.panelNbBouts, 498, 56, 120, 40);
    poser(f.panelPreneur, 498, 146, 120, 40);
    poser(f.cardinalPreneur, 498, 188, 120, 40);

    poser(f.SBColor, 542, 310, 30, 30);
    poser(f.buttonImprimer, 484, 410, 136, 33);
    poser(f.panelFeuilleScore, 484, 460, 136, 33, "OK");
    auto liste = controles(f);
    reechelonner(liste, m);
    f.fenetre.couleur = jeu.reglages.optionCouleurFondEcranScores;
    centrerFenetre(jeu, f.fenetre);
}

void creerTousPlis(Jeu& jeu, int m) {
    auto& f = jeu.fen.frmTousPlis;
    f = TfrmTousPlis{};
    poser(f.fenetre, 0, 0, 712, 392);
    f.fenetre.visible = false;
    // Glyphs of clear, back one card, play/pause and show all.
    constexpr int bas = 350;
    poser(f.PanelEffacer, 6, bas, 40, 32, "\u25A0");
    poser(f.panelEnArriere, 50, bas, 40, 32, "\u25C0");
    poser(f.PanelPasApas, 94, bas, 60, 32);
    poser(f.panelLecture, 2, 2, 56, 28, "\u25B6\u2759\u2759");
    poser(f.PanelVoirTout, 158, bas, 40, 32, "\u25B6\u25B6\u2759");
    poser(f.buttonImprimerPlis, 290, bas, 136, 32);
    poser(f.SBColor, 440, bas + 1, 30, 30);
    poser(f.PanelPlisOk, 570, bas, 136, 32, "OK");
    auto liste = controles(f);
    reechelonner(liste, m);

    constexpr int g = 5, v = 3, marge = 6;
    const int milieu = static_cast<int>(std::nearbyint((H + v) / 2.0));
    for (int t : PLIS) {
        const int r = (t - 1) / 6 + 1, j = (t - 1) % 6 + 1;
        const int haut = (2 * H + 4 * v) * (r - 1) + marge;
        const int gauche = 3 * (W + 2 * g) * (j - 1) + marge;
        const int places[5][2] = {{0, 0},
                                  {gauche + W + g, haut + H + v},
                                  {gauche + 2 * W + 2 * g, haut + milieu},
                                  {gauche + W + g, haut},
                                  {gauche, haut + milieu}};
        for (Siege s : SIEGES) {
            Composant& c = f.Images[(t - 1) * 4 + entier(s)];
            c.geo = echelleRect(jeu, places[entier(s)][0], places[entier(s)][1], W, H);
            c.visible = false;
        }
        f.Cadres[t] = cadreCache(jeu, couleurRGB(0x0000FF));
    }
    f.timerTousPlis.interval = 1000;
    f.etapeTousPlis = 73;
    f.fenetre.couleur = jeu.reglages.optionCouleurFondEcranPlis;
    centrerFenetre(jeu, f.fenetre);
}

} // namespace

int echelleX(const Jeu& jeu, double unites) {
    return static_cast<int>(std::nearbyint(unites * jeu.echelleH));
}

int echelleY(const Jeu& jeu, double unites) {
    return static_cast<int>(std::nearbyint(unites * jeu.echelleV));
}

Rect echelleRect(const Jeu& jeu, int left, int top, int width, int height) {
    return Rect{echelleX(jeu, left), echelleY(jeu, top), echelleX(jeu, width),
                echelleY(jeu, height)};
}

void centrerFenetre(const Jeu& jeu, Composant& fenetre) {
    fenetre.geo.left = (echelleX(jeu, 800) - fenetre.geo.width) / 2;
    fenetre.geo.top = (echelleY(jeu, 600) - fenetre.geo.height) / 2;
}

void creerFenetresRevue(Jeu& jeu) {
    // The window's M of the M : 800 rescaling; the screen's pixels per inch are not kept, so
    // this takes the usual 96.
    const int m = echelleX(jeu, 800);
    creerPliPrecedent(jeu, m);
    creerMains(jeu, m);
    creerScoreDetaille(jeu, m);
    creerTousPlis(jeu, m);
}

} // namespace quarvel
