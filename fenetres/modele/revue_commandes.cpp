// Commands of the review windows: opening, closing, printing, colours; and their dispatcher.
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/options.h"
#include "fenetres/modele/plateforme.h"
#include "fenetres/modele/presentation.h"
#include "fenetres/modele/presentation_fin.h"
#include "fenetres/modele/revue.h"
#include "reglages/persistance.h"
#include "scores/scores_globaux.h"

namespace quarvel {

namespace {

struct CibleRevue {
    Composant* fenetre;
    int* reglage;
    FenetreImprimee imprimee;
};

CibleRevue cible(Jeu& jeu, FenetreRevue f) {
    auto& r = jeu.reglages;
    auto& fen = jeu.fen;
    switch (f) {
    case FenetreRevue::TousPlis:
        return {&fen.frmTousPlis.fenetre, &r.optionCouleurFondEcranPlis, FenetreImprimee::TousPlis};
    case FenetreRevue::Mains:
        return {&fen.frmMains.fenetre, &r.optionCouleurFondEcranMains, FenetreImprimee::Mains};
    case FenetreRevue::ScoreDetaille:
        break;
    }
    return {&fen.frmScoreDetaille.fenetre, &r.optionCouleurFondEcranScores,
            FenetreImprimee::ScoreDetaille};
}

// The line over a printed window: its title, the deal's number, contract and taker.
std::string titreImpression(const Jeu& jeu, const Composant& fenetre) {
    const Donne& d = jeu.donne;
    std::string t = fenetre.caption + " \u2014 " + libelleDonne(jeu);
    if (d.preneur != Siege::Aucun && d.contrat >= PRISE && d.contrat <= GARDE_CONTRE)
        t += " \u2014 " + jeu.textes.nomsEncheres[d.contrat] + ", " +
             jeu.textes.nomsJoueurs[d.preneur];
    return t;
}

} // namespace

std::string nomFichierPdf(const Jeu& jeu, FenetreImprimee fenetre) {
    const Textes& t = jeu.textes;
    const std::string donne =
        texte(t, "quarvel-donne-", "quarvel-deal-") + std::to_string(jeu.donne.numero) + "-";
    switch (fenetre) {
    case FenetreImprimee::TousPlis:
        return donne + texte(t, "plis.pdf", "tricks.pdf");
    case FenetreImprimee::Mains:
        return donne + texte(t, "mains.pdf", "hands.pdf");
    case FenetreImprimee::ScoreDetaille:
        return donne + "score.pdf";
    case FenetreImprimee::MeilleursScores:
        return texte(t, "quarvel-meilleurs-scores.pdf", "quarvel-high-scores.pdf");
    case FenetreImprimee::Statistiques:
        break;
    }
    return texte(t, "quarvel-statistiques.pdf", "quarvel-statistics.pdf");
}

void ouvrirScoreDetaille(Jeu& jeu) {
    remplirFeuilleScore(jeu);
    jeu.fen.frmScoreDetaille.fenetre.visible = true;
}

void imprimerFenetre(Jeu& jeu, FenetreImprimee fenetre, const std::string& titre) {
    if (jeu.plateforme == nullptr || jeu.plateforme->imprimer(fenetre, titre)) return;
    // One question, whose answer Enter gives is the one the player came for.
    if (jeu.plateforme->question(PRODUIT,
                                 texte(jeu.textes,
                                       "Aucune imprimante\u00a0: l'enregistrer en PDF\u00a0?",
                                       "No printer: save it as a PDF?"),
                                 true))
        jeu.plateforme->enregistrerPdf(fenetre, titre, nomFichierPdf(jeu, fenetre));
}

void imprimerRevue(Jeu& jeu, FenetreRevue f) {
    const CibleRevue c = cible(jeu, f);
    imprimerFenetre(jeu, c.imprimee, titreImpression(jeu, *c.fenetre));
}

void couleurRevue(Jeu& jeu, FenetreRevue f) {
    const CibleRevue c = cible(jeu, f);
    int couleur = c.fenetre->couleur;
    if (jeu.plateforme != nullptr && jeu.plateforme->choisirCouleur(couleur)) {
        c.fenetre->couleur = couleur;
        *c.reglage = couleur;
    }
    appliquerOptions(jeu);
    enregistrerReglages(jeu);
}

bool traiterEvenementRevue(Jeu& jeu, Evenement e) {
    auto& fen = jeu.fen;
    const auto& q = fen.frmQuarvel;
    // A gesture on a control the user cannot see or use is taken and ignored.
    auto actif = [](const Composant& c) { return c.visible && c.enabled; };
    const bool resultat = actif(q.PanelResultat);
    const bool plis = fen.frmTousPlis.fenetre.visible;
    const bool mains = fen.frmMains.fenetre.visible;
    const bool feuille = fen.frmScoreDetaille.fenetre.visible;
    switch (e.type) {
    case Evt::MenuScoresGlobaux:
        basculerScores(jeu);
        montrerScores(jeu);
        return true;
    case Evt::ClicScoreTotal:
        if (e.index >= 1 && e.index <= 4 && actif(q.panelScoreTotal[e.index])) {
            basculerScores(jeu);
            montrerScores(jeu);
        }
        return true;
    case Evt::MenuInitScores:
        initialiserScores(jeu);
        return true;

    case Evt::MenuPreviousTrick:
        if (q.menuPreviousTrick.enabled) montrerPliPrecedent(jeu);
        return true;
    case Evt::OkPliPrecedent:
        fen.frmPliPrecedent.fenetre.visible = false;
        return true;

    case Evt::ClicVoirPlis:
        if (resultat && actif(q.PanelVoirPlis)) ouvrirTousPlis(jeu);
        return true;
    case Evt::TickTousPlis:
        tickTousPlis(jeu);
        return true;
    case Evt::TousPlisOk:
        fermerTousPlis(jeu);
        return true;
    case Evt::TousPlisEffacer:
        if (plis) effacerTousPlis(jeu);
        return true;
    case Evt::TousPlisLecture:
        if (plis) lectureTousPlis(jeu);
        return true;
    case Evt::TousPlisPas:
        if (plis) pasTousPlis(jeu);
        return true;
    case Evt::TousPlisArriere:
        if (plis) arriereTousPlis(jeu);
        return true;
    case Evt::TousPlisVoirTout:
        if (plis) voirToutTousPlis(jeu);
        return true;
    case Evt::TousPlisImprimer:
        if (plis) imprimerRevue(jeu, FenetreRevue::TousPlis);
        return true;
    case Evt::TousPlisCouleur:
        if (plis) couleurRevue(jeu, FenetreRevue::TousPlis);
        return true;

    case Evt::ClicVoirMains:
        if (resultat && actif(q.PanelVoirMains)) ouvrirMains(jeu);
        return true;
    case Evt::MainsOk:
        fen.frmMains.fenetre.visible = false;
        return true;
    case Evt::MainsImprimer:
        if (mains) imprimerRevue(jeu, FenetreRevue::Mains);
        return true;
    case Evt::MainsCouleur:
        if (mains) couleurRevue(jeu, FenetreRevue::Mains);
        return true;

    case Evt::ClicScoreDetaille:
        if (resultat && actif(q.PanelScoreDetaille)) ouvrirScoreDetaille(jeu);
        return true;
    case Evt::ScoreOk:
        fen.frmScoreDetaille.fenetre.visible = false;
        return true;
    case Evt::ScoreImprimer:
        if (feuille) imprimerRevue(jeu, FenetreRevue::ScoreDetaille);
        return true;
    case Evt::ScoreCouleur:
        if (feuille) couleurRevue(jeu, FenetreRevue::ScoreDetaille);
        return true;

    default:
        return false;
    }
}

} // namespace quarvel
