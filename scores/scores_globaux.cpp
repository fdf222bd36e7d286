#include "scores/scores_globaux.h"

#include "donne/jeu.h"
#include "fenetres/modele/plateforme.h"
#include "reglages/persistance.h"

#include <string>

namespace quarvel {

void basculerScores(Jeu& jeu) {
    jeu.scoresVisibles = !jeu.scoresVisibles;
    auto& f = jeu.fen.frmQuarvel;
    f.menuScoresGlobaux.checked = jeu.scoresVisibles;
    f.SBVoirScoresGlobaux.checked = jeu.scoresVisibles;
    afficherScores(jeu);
}

void afficherScores(Jeu& jeu) {
    auto& f = jeu.fen.frmQuarvel;
    for (int s = 1; s <= 4; ++s) {
        Composant& p = f.panelScoreTotal[s];
        if (!jeu.scoresVisibles) {
            p.visible = false;
            continue;
        }
        p.caption = std::to_string(jeu.reglages.scoresGlobaux[s]);
        p.visible = true;
    }
}

void initialiserScores(Jeu& jeu) {
    if (jeu.plateforme == nullptr) return;
    const char* q = texte(jeu.textes, "Voulez-vous réellement remettre les scores à 0 ?",
                          "Do you really want to initialize scores ?");
    if (!jeu.plateforme->question(PRODUIT, q)) return;
    for (int s = 1; s <= 4; ++s) {
        jeu.reglages.scoresGlobaux[s] = 0;
        jeu.fen.frmQuarvel.panelScoreTotal[s].caption = "0";
    }
    sauverReglages(jeu);
}

} // namespace quarvel
