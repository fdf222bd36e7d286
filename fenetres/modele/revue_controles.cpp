// The review windows as flat lists of controls, for their rescaling and for the view.
#include "fenetres/modele/revue.h"

#include <string>

namespace quarvel {

namespace {

using Liste = ListeControles;
using G = Genre;
using A = Allure;

// A review window: its close box sends `fermeture`; all but the previous trick hold the table.
int fenetre(Liste& l, const char* nom, Composant& f, Evt fermeture, int couleur, bool modale) {
    return l.ajouter(nom, f, -1, G::Fenetre,
                     {.allure = A::Revue, .modale = modale, .couleurDefaut = couleurRGB(couleur)},
                     Evenement{fermeture});
}

// Print, with its glyph and its caption.
const Apparence IMPRIMER{.allure = A::Commande, .icone = "imprimer"};
// The window's colour.
const Apparence COULEUR{.icone = "couleur"};
const Apparence COMMANDE{.allure = A::Commande};
const Apparence COIN{.allure = A::Coin};

std::string n(const char* prefixe, int i) {
    return prefixe + std::to_string(i);
}

} // namespace

std::vector<Controle> controles(TfrmPliPrecedent& f) {
    Liste l;
    const int w = fenetre(l, "frmPliPrecedent", f.fenetre, Evt::OkPliPrecedent, 0x1D5E3A, false);
    for (Siege s : SIEGES)
        l.ajouter(n("cardPreviousTrick", entier(s)), f.cardPreviousTrick[s], w, G::ImageCarte);
    l.ajouter("ButtonOkPreviousTrick", f.ButtonOkPreviousTrick, w, G::Bouton, COMMANDE,
              Evenement{Evt::OkPliPrecedent});
    return l.v;
}

std::vector<Controle> controles(TfrmMains& f) {
    static const char* const noms[] = {"PanelMainSud", "PanelMainEst", "PanelMainNord",
                                       "PanelMainOuest"};
    Liste l;
    l.v.reserve(128);
    const int w = fenetre(l, "frmMains", f.fenetre, Evt::MainsOk, 0x808080, true);
    const Apparence cadre{.allure = A::Encadre};
    const Apparence libelle{.allure = A::Etiquette, .policeDefaut = 9};
    int panneaux[5] = {};
    for (Siege s : SIEGES) {
        const int p = panneaux[entier(s)] =
            l.ajouter(noms[entier(s) - 1], f.PanelsMains[s], w, G::Panneau, cadre);
        for (int i = 1; i <= 18; ++i)
            l.ajouter(n("ImageMain", entier(s) * 100 + i), f.ImagesMains[s][i], p, G::ImageCarte,
                      COIN);
        l.ajouter(n("NomMain", entier(s)), f.NomsMains[s], p, G::Panneau, libelle);
    }
    // Each dog panel carries its label under its six cards.
    const int chien =
        l.ajouter("PanelChienAvantEcart", f.PanelChienAvantEcart, w, G::Panneau, cadre);
    for (int k = 1; k <= 6; ++k)
        l.ajouter(n("ImageChien", k), f.ImagesChien[k], chien, G::ImageCarte, COIN);
    l.ajouter("PanelChien", f.PanelChien, chien, G::Panneau, libelle);
    const int ecart =
        l.ajouter("PanelChienApresEcart", f.PanelChienApresEcart, w, G::Panneau, cadre);
    for (int k = 1; k <= 6; ++k)
        l.ajouter(n("ImageEcart", k), f.ImagesEcart[k], ecart, G::ImageCarte, COIN);
    l.ajouter("PanelEcart", f.PanelEcart, ecart, G::Panneau, libelle);
    // A frame lives in the panel that holds its card.
    for (int k = 1; k <= 6; ++k) {
        const int p = f.parentCadre[k];
        const int parent = p >= 1 && p <= 4 ? panneaux[p] : chien;
        l.ajouter(n("Cadre", k), f.Cadres[k], parent, G::Cadre,
                  {.couleurDefaut = couleurRGB(0xFFFF00)});
    }
    l.ajouter("buttonImprimerMains", f.buttonImprimerMains, w, G::Bouton, IMPRIMER,
              Evenement{Evt::MainsImprimer});
    l.ajouter("SBColor", f.SBColor, w, G::BoutonRapide, COULEUR, Evenement{Evt::MainsCouleur});
    l.ajouter("PanelMainsOK", f.PanelMainsOK, w, G::Bouton, COMMANDE, Evenement{Evt::MainsOk});
    return l.v;
}

std::vector<Controle> controles(TfrmScoreDetaille& f) {
    Liste l;
    const int w = fenetre(l, "frmScoreDetaille", f.fenetre, Evt::ScoreOk, 0x808080, true);
    // Figures in framed cells, operators and headings as plain text.
    const std::pair<const char*, Composant*> chiffres[] = {
        {"cardinalPreneur", &f.cardinalPreneur},
        {"panelNbBouts", &f.panelNbBouts},
        {"panelPointsRealises", &f.panelPointsRealises},
        {"panelContrat", &f.panelContrat},
        {"panelAuDessusContrat", &f.panelAuDessusContrat},
        {"panelPrimePetit", &f.panelPrimePetit},
        {"panelScoreApresPetit", &f.panelScoreApresPetit},
        {"panelConstContrat", &f.panelConstContrat},
        {"panelScoreTmp", &f.panelScoreTmp},
        {"panelCoefficientEnchere", &f.panelCoefficientEnchere},
        {"panelScoreApresEnchere", &f.panelScoreApresEnchere},
        {"panelValeurPoignee", &f.panelValeurPoignee},
        {"panelScoreApresPoignee", &f.panelScoreApresPoignee},
        {"panelScoreFinalPreneur", &f.panelScoreFinalPreneur},
    };
    for (const auto& [nom, c] : chiffres) l.ajouter(nom, *c, w, G::Panneau, {.allure = A::Encadre});
    const std::pair<const char*, Composant*> operateurs[] = {
        {"panelMoins", &f.panelMoins},
        {"panelEgal1", &f.panelEgal1},
        {"panelSensPrimePetit", &f.panelSensPrimePetit},
        {"panelEgal2", &f.panelEgal2},
        {"panelSigneGain", &f.panelSigneGain},
        {"panelEgal3", &f.panelEgal3},
        {"panelX", &f.panelX},
        {"panelEgal4", &f.panelEgal4},
        {"panelSensPoignee", &f.panelSensPoignee},
        {"panelEgal5", &f.panelEgal5},
        {"panelX3", &f.panelX3},
    };
    for (const auto& [nom, c] : operateurs)
        l.ajouter(nom, *c, w, G::Panneau, {.allure = A::Etiquette, .policeDefaut = 16});
    const std::pair<const char*, Composant*> libelles[] = {
        {"panelPreneur", &f.panelPreneur},
        {"panelDefNbBouts", &f.panelDefNbBouts},
        {"panelPoints", &f.panelPoints},
        {"panelDefContrat", &f.panelDefContrat},
        {"panelDefPrimePetit", &f.panelDefPrimePetit},
        {"panelDefPrimePoignee", &f.panelDefPrimePoignee},
    };
    for (const auto& [nom, c] : libelles)
        l.ajouter(nom, *c, w, G::Panneau,
                  {.allure = A::Etiquette, .alignement = Alignement::Gauche});
    l.ajouter("SBColor", f.SBColor, w, G::BoutonRapide, COULEUR, Evenement{Evt::ScoreCouleur});
    l.ajouter("buttonImprimer", f.buttonImprimer, w, G::Bouton, IMPRIMER,
              Evenement{Evt::ScoreImprimer});
    l.ajouter("panelFeuilleScore", f.panelFeuilleScore, w, G::Bouton, COMMANDE,
              Evenement{Evt::ScoreOk});
    return l.v;
}

std::vector<Controle> controles(TfrmTousPlis& f) {
    Liste l;
    l.v.reserve(104);
    const int w = fenetre(l, "frmTousPlis", f.fenetre, Evt::TousPlisOk, 0x808080, true);
    for (int i = 1; i <= 72; ++i) l.ajouter(n("ImagePli", i), f.Images[i], w, G::ImageCarte, COIN);
    for (int t : PLIS)
        l.ajouter(n("CadrePli", t), f.Cadres[t], w, G::Cadre,
                  {.couleurDefaut = couleurRGB(0x0000FF)});
    // Clear, back one card, one step with play/pause on it, show all: glyphs alone.
    auto glyphe = [](const char* icone) {
        return Apparence{.allure = A::Glyphe, .icone = icone, .texteAussi = false};
    };
    l.ajouter("PanelEffacer", f.PanelEffacer, w, G::Bouton, glyphe("effacer"),
              Evenement{Evt::TousPlisEffacer});
    l.ajouter("panelEnArriere", f.panelEnArriere, w, G::Bouton, glyphe("arriere"),
              Evenement{Evt::TousPlisArriere});
    const int pas = l.ajouter("PanelPasApas", f.PanelPasApas, w, G::Bouton, glyphe("pas"),
                              Evenement{Evt::TousPlisPas});
    l.ajouter("panelLecture", f.panelLecture, pas, G::Bouton, glyphe("lecture"),
              Evenement{Evt::TousPlisLecture});
    l.ajouter("PanelVoirTout", f.PanelVoirTout, w, G::Bouton, glyphe("tout"),
              Evenement{Evt::TousPlisVoirTout});
    l.ajouter("buttonImprimerPlis", f.buttonImprimerPlis, w, G::Bouton, IMPRIMER,
              Evenement{Evt::TousPlisImprimer});
    l.ajouter("SBColor", f.SBColor, w, G::BoutonRapide, COULEUR, Evenement{Evt::TousPlisCouleur});
    l.ajouter("PanelPlisOk", f.PanelPlisOk, w, G::Bouton, COMMANDE, Evenement{Evt::TousPlisOk});
    return l.v;
}

} // namespace quarvel
