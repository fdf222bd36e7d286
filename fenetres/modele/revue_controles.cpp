// The review windows as flat lists of controls, for their rescaling and for the view.
#include "fenetres/modele/revue.h"

#include <string>

namespace quarvel {

namespace {

using Liste = ListeControles;

std::string n(const char* prefixe, int i) {
    return prefixe + std::to_string(i);
}

} // namespace

std::vector<Controle> controles(TfrmPliPrecedent& f) {
    Liste l;
    const int w = l.ajouter("frmPliPrecedent", f.fenetre, -1, Genre::Fenetre);
    for (Siege s : SIEGES)
        l.ajouter(n("cardPreviousTrick", entier(s)), f.cardPreviousTrick[s], w, Genre::ImageCarte);
    l.ajouter("ButtonOkPreviousTrick", f.ButtonOkPreviousTrick, w, Genre::Bouton);
    return l.v;
}

std::vector<Controle> controles(TfrmMains& f) {
    static const char* const noms[] = {"PanelMainSud", "PanelMainEst", "PanelMainNord",
                                       "PanelMainOuest"};
    Liste l;
    l.v.reserve(128);
    const int w = l.ajouter("frmMains", f.fenetre, -1, Genre::Fenetre);
    int panneaux[5] = {};
    for (Siege s : SIEGES) {
        panneaux[entier(s)] = l.ajouter(noms[entier(s) - 1], f.PanelsMains[s], w, Genre::Panneau);
        for (int i = 1; i <= 18; ++i)
            l.ajouter(n("ImageMain", entier(s) * 100 + i), f.ImagesMains[s][i], panneaux[entier(s)],
                      Genre::ImageCarte);
        l.ajouter(n("NomMain", entier(s)), f.NomsMains[s], panneaux[entier(s)], Genre::Etiquette);
    }
    const int chien = l.ajouter("PanelChienAvantEcart", f.PanelChienAvantEcart, w, Genre::Panneau);
    const int ecart = l.ajouter("PanelChienApresEcart", f.PanelChienApresEcart, w, Genre::Panneau);
    for (int k = 1; k <= 6; ++k)
        l.ajouter(n("ImageChien", k), f.ImagesChien[k], chien, Genre::ImageCarte);
    for (int k = 1; k <= 6; ++k)
        l.ajouter(n("ImageEcart", k), f.ImagesEcart[k], ecart, Genre::ImageCarte);
    l.ajouter("PanelChien", f.PanelChien, chien, Genre::Etiquette);
    l.ajouter("PanelEcart", f.PanelEcart, ecart, Genre::Etiquette);
    // A frame lives in the panel that holds its card.
    for (int k = 1; k <= 6; ++k) {
        const int p = f.parentCadre[k];
        const int parent = p >= 1 && p <= 4 ? panneaux[p] : chien;
        l.ajouter(n("Cadre", k), f.Cadres[k], parent, Genre::Cadre);
    }
    l.ajouter("buttonImprimerMains", f.buttonImprimerMains, w, Genre::Bouton);
    l.ajouter("SBColor", f.SBColor, w, Genre::BoutonRapide);
    l.ajouter("PanelMainsOK", f.PanelMainsOK, w, Genre::Bouton);
    return l.v;
}

std::vector<Controle> controles(TfrmScoreDetaille& f) {
    Liste l;
    const int w = l.ajouter("frmScoreDetaille", f.fenetre, -1, Genre::Fenetre);
    const std::pair<const char*, Composant*> panneaux[] = {
        {"cardinalPreneur", &f.cardinalPreneur},
        {"panelPreneur", &f.panelPreneur},
        {"panelNbBouts", &f.panelNbBouts},
        {"panelDefNbBouts", &f.panelDefNbBouts},
        {"panelPointsRealises", &f.panelPointsRealises},
        {"panelPoints", &f.panelPoints},
        {"panelMoins", &f.panelMoins},
        {"panelContrat", &f.panelContrat},
        {"panelDefContrat", &f.panelDefContrat},
        {"panelEgal1", &f.panelEgal1},
        {"panelAuDessusContrat", &f.panelAuDessusContrat},
        {"panelSensPrimePetit", &f.panelSensPrimePetit},
        {"panelPrimePetit", &f.panelPrimePetit},
        {"panelEgal2", &f.panelEgal2},
        {"panelScoreApresPetit", &f.panelScoreApresPetit},
        {"panelDefPrimePetit", &f.panelDefPrimePetit},
        {"panelSigneGain", &f.panelSigneGain},
        {"panelConstContrat", &f.panelConstContrat},
        {"panelEgal3", &f.panelEgal3},
        {"panelScoreTmp", &f.panelScoreTmp},
        {"panelX", &f.panelX},
        {"panelCoefficientEnchere", &f.panelCoefficientEnchere},
        {"panelEgal4", &f.panelEgal4},
        {"panelScoreApresEnchere", &f.panelScoreApresEnchere},
        {"panelSensPoignee", &f.panelSensPoignee},
        {"panelValeurPoignee", &f.panelValeurPoignee},
        {"panelEgal5", &f.panelEgal5},
        {"panelScoreApresPoignee", &f.panelScoreApresPoignee},
        {"panelDefPrimePoignee", &f.panelDefPrimePoignee},
        {"panelX3", &f.panelX3},
        {"panelScoreFinalPreneur", &f.panelScoreFinalPreneur},
    };
    for (const auto& [nom, c] : panneaux) l.ajouter(nom, *c, w, Genre::Panneau);
    l.ajouter("SBColor", f.SBColor, w, Genre::BoutonRapide);
    l.ajouter("buttonImprimer", f.buttonImprimer, w, Genre::Bouton);
    l.ajouter("panelFeuilleScore", f.panelFeuilleScore, w, Genre::Bouton);
    return l.v;
}

std::vector<Controle> controles(TfrmTousPlis& f) {
    Liste l;
    l.v.reserve(104);
    const int w = l.ajouter("frmTousPlis", f.fenetre, -1, Genre::Fenetre);
    for (int i = 1; i <= 72; ++i) l.ajouter(n("ImagePli", i), f.Images[i], w, Genre::ImageCarte);
    for (int t : PLIS) l.ajouter(n("CadrePli", t), f.Cadres[t], w, Genre::Cadre);
    l.ajouter("PanelEffacer", f.PanelEffacer, w, Genre::Bouton);
    l.ajouter("panelEnArriere", f.panelEnArriere, w, Genre::Bouton);
    const int pas = l.ajouter("PanelPasApas", f.PanelPasApas, w, Genre::Bouton);
    l.ajouter("panelLecture", f.panelLecture, pas, Genre::Bouton);
    l.ajouter("PanelVoirTout", f.PanelVoirTout, w, Genre::Bouton);
    l.ajouter("buttonImprimerPlis", f.buttonImprimerPlis, w, Genre::Bouton);
    l.ajouter("SBColor", f.SBColor, w, Genre::BoutonRapide);
    l.ajouter("PanelPlisOk", f.PanelPlisOk, w, Genre::Bouton);
    return l.v;
}

} // namespace quarvel
