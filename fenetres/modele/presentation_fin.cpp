#include "fenetres/modele/presentation_fin.h"

#include "fenetres/modele/jeu.h"
#include "fenetres/modele/options.h"
#include "fenetres/modele/plateforme.h"
#include "fenetres/modele/revue.h"
#include "reglages/persistance.h"
#include "scores/score.h"
#include "scores/scores_globaux.h"

#include <string>

namespace quarvel {

namespace {

const char* verdict(const Textes& t, bool humainPreneur, bool humainGagne) {
    if (humainPreneur)
        return humainGagne ? texte(t, "Bravo, vous avez gagné contre la Défense\u00a0!",
                                   "Bravo, you won against this so weak Defence!")
                           : texte(t, "AÏÏÏÏE, la Défense vous a fait chuter\u00a0!",
                                   "OWWWW, you lose against the Defence");
    return humainGagne ? texte(t, "Bravo, votre Défense a fait chuter le Preneur\u00a0!",
                               "Bravo to you and the Defence!")
                       : texte(t, "Aïe, vous n'avez pas pu faire chuter le Preneur...",
                               "OWW, your Defence was not very good...");
}

// The deal just scored: the message of a replayed deal, the result panel and its buttons, then
// the settings with the new scores and weights.
void montrerFinDonne(Jeu& jeu) {
    const Donne& d = jeu.donne;
    if (d.donneRejouee && jeu.plateforme != nullptr)
        jeu.plateforme->message(texte(jeu.textes,
                                      "Les points n'ont pas été comptabilisés dans les scores "
                                      "globaux car cette donne a été rejouée ou redémarrée\u00a0!",
                                      "Because you replayed or restarted this deal, global "
                                      "scores didn't change!"));

    auto& f = jeu.fen.frmQuarvel;
    f.PanelTexteResultat.caption = texteResultat(jeu, scorePreneur(d));
    f.PanelTexteResultat.visible = true;
    f.PanelResultat.visible = true;
    for (Composant* b : {&f.PanelVoirMains, &f.PanelVoirPlis, &f.PanelScoreDetaille,
                         &f.panelRejouerDonne, &f.PanelPanelNewPartie})
        b->visible = true;

    enregistrerReglages(jeu);
}

void montrer(Composant& c, const std::string& texteAffiche) {
    c.caption = texteAffiche;
    c.visible = true;
}

} // namespace

void montrerFinEtScores(Jeu& jeu) {
    DejaMontre& vu = jeu.montre;
    // A deal scored during the event (a game put back to an earlier point counts fewer).
    if (jeu.donnesFinies > vu.donnesFinies) montrerFinDonne(jeu);
    vu.donnesFinies = jeu.donnesFinies;
    if (jeu.scoresVisibles != vu.scoresVisibles ||
        !(jeu.reglages.scoresGlobaux == vu.scoresGlobaux))
        montrerScores(jeu);
}

void montrerScores(Jeu& jeu) {
    jeu.montre.scoresVisibles = jeu.scoresVisibles;
    jeu.montre.scoresGlobaux = jeu.reglages.scoresGlobaux;
    auto& f = jeu.fen.frmQuarvel;
    f.menuScoresGlobaux.checked = jeu.scoresVisibles;
    f.SBVoirScoresGlobaux.checked = jeu.scoresVisibles;
    afficherScores(jeu);
}

void afficherScores(Jeu& jeu) {
    auto& f = jeu.fen.frmQuarvel;
    for (Siege s : SIEGES) {
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
    const char* q = texte(jeu.textes, "Voulez-vous réellement remettre les scores à 0\u00a0?",
                          "Do you really want to initialize scores?");
    if (!jeu.plateforme->question(PRODUIT, q)) return;
    remettreScoresAZero(jeu);
    // The panels take the zeros, seen or not.
    for (Siege s : SIEGES) jeu.fen.frmQuarvel.panelScoreTotal[s].caption = "0";
    enregistrerReglages(jeu);
}

std::string texteResultat(const Jeu& jeu, int t) {
    const bool humainPreneur = jeu.donne.preneur == SUD;
    const int gainHumain = humainPreneur ? t : -t / 3;
    std::string r = texte(jeu.textes, "Résultat du Preneur\u00a0: ", "Result for the Taker: ");
    r += std::to_string(t);
    r += " points.\n";
    r += verdict(jeu.textes, humainPreneur, gainHumain > 0);
    return r;
}

void remplirFeuilleScore(Jeu& jeu) {
    const Donne& d = jeu.donne;
    auto& f = jeu.fen.frmScoreDetaille;
    const int p = demiPointsVersPoints(d.pointsPreneur);
    const int ecart = p - d.pointsContrat;
    const bool gagne = ecart >= 0;
    const char* signe = gagne ? "+" : "-";

    montrer(f.cardinalPreneur, d.preneur >= SUD && d.preneur <= OUEST
                                   ? jeu.textes.nomsJoueurs[d.preneur]
                                   : std::string());
    montrer(f.panelNbBouts, std::to_string(d.boutsPreneur));
    montrer(f.panelPointsRealises, std::to_string(p));
    montrer(f.panelMoins, "-");
    montrer(f.panelContrat, std::to_string(d.pointsContrat));
    montrer(f.panelEgal1, "=");
    montrer(f.panelAuDessusContrat, std::to_string(ecart));

    int valeur = ecart;
    const bool avecPetit = d.petitAuBout != 0;
    if (avecPetit) {
        valeur += d.petitAuBout == 1 ? 10 : -10;
        montrer(f.panelSensPrimePetit, d.petitAuBout == 1 ? "+" : "-");
        montrer(f.panelPrimePetit, "10");
        montrer(f.panelEgal2, "=");
        montrer(f.panelScoreApresPetit, std::to_string(valeur));
    }
    for (Composant* c : {&f.panelSensPrimePetit, &f.panelPrimePetit, &f.panelEgal2,
                         &f.panelScoreApresPetit, &f.panelDefPrimePetit})
        c->visible = avecPetit;

    valeur += gagne ? 25 : -25;
    montrer(f.panelSigneGain, signe);
    montrer(f.panelConstContrat, "25");
    montrer(f.panelEgal3, "=");
    montrer(f.panelScoreTmp, std::to_string(valeur));

    static constexpr int coefficients[] = {1, 1, 2, 4, 6};
    const int coef =
        (d.contrat >= PRISE && d.contrat <= GARDE_CONTRE) ? coefficients[entier(d.contrat)] : 1;
    valeur *= coef;
    montrer(f.panelX, "X");
    montrer(f.panelCoefficientEnchere, std::to_string(coef));
    montrer(f.panelEgal4, "=");
    montrer(f.panelScoreApresEnchere, std::to_string(valeur));

    const bool avecPoignee = d.poignee >= 1 && d.poignee <= 3;
    if (avecPoignee) {
        const int prime = 10 * d.poignee + 10;
        valeur += gagne ? prime : -prime;
        montrer(f.panelSensPoignee, signe);
        montrer(f.panelValeurPoignee, std::to_string(prime));
        montrer(f.panelEgal5, "=");
        montrer(f.panelScoreApresPoignee, std::to_string(valeur));
    }
    for (Composant* c : {&f.panelSensPoignee, &f.panelValeurPoignee, &f.panelEgal5,
                         &f.panelScoreApresPoignee, &f.panelDefPrimePoignee})
        c->visible = avecPoignee;

    montrer(f.panelX3, "X 3 =");
    montrer(f.panelScoreFinalPreneur, std::to_string(valeur * 3));

    centrerFenetre(jeu, f.fenetre);
}

} // namespace quarvel
