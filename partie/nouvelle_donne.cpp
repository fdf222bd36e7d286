#include "partie/nouvelle_donne.h"

#include "cartes/generation.h"
#include "encheres/evaluation.h"
#include "ia/connaissance.h"
#include "partie/flux.h"
#include "partie/main_joueur.h"
#include "partie/partie.h"
#include "scores/scores_globaux.h"

namespace quarvel {

namespace {

void reinitialiserDonne(Partie& jeu) {
    Donne& d = jeu.donne;
    d.poignee = 0;
    jeu.poignee = EtatPoignee{};
    d.preneur = Siege::Aucun;
    d.contrat = PASSE;
    d.encheresAnnoncees.remplir(PAS_PARLE);
    jeu.encheres = EtatEncheres{};
    passerA(d, Phase::Encheres);
    jeu.ecart = EtatEcart{};
    d.boutsPreneur = d.boutsDefense = 0;
    d.pointsPreneur = d.pointsDefense = 0;
    d.pointsContrat = 0;
    d.petitAuBout = 0;
    for (Siege s : SIEGES) d.pli.cartes[s] = Carte{};
    d.pli.atoutMax = 0;
    d.pli.couleurDemandee = AUCUNE;
    d.pli.valeurEntame = 0;
    // A stale playable flag must not let a card through before the first turn is computed.
    for (Siege s : SIEGES) d.cartesJouables[s].remplir(0);
    jeu.connaissance.petitDansPli = false;
    jeu.challenge.termine = false; // the series just over stops showing
}

} // namespace

OptionsDonne optionsDonne(const Partie& jeu) {
    return {static_cast<EvaluationMain>(&evaluerMain), jeu.reglages.optionForceMain,
            jeu.reglages.optionAuMoinsUneMainDePrise};
}

void produireDonne(Partie& jeu, bool rejouer) {
    jeu.candidats = produireDonne(jeu.donne, jeu.paquet, jeu.alea, optionsDonne(jeu), rejouer);
}

void effacerTable(Partie& jeu) {
    // The review windows and the result panel go with the deal dropped.
    ++jeu.donnesDistribuees;

    jeu.scoresVisibles = true;
    basculerScores(jeu);

    // Every pending tick belongs to the deal being dropped.
    jeu.minuteries.TimerEntreCarte.arreter();
    jeu.minuteries.TimerEnchere.arreter();
    jeu.minuteries.TimerTransition.arreter();
}

void nouvelleDonne(Partie& jeu, bool rejouer) {
    Donne& d = jeu.donne;
    if (!rejouer && jeu.donneChoisie) {
        jeu.alea.graine = jeu.graineSuite;
        jeu.donneChoisie = false;
    }

    d.donneRejouee = rejouer;
    jeu.moteur.nbReglesDeclenchees = 0;
    reinitialiserDonne(jeu);

    effacerTable(jeu);
    if (!rejouer) d.numero = jeu.alea.graine;
    produireDonne(jeu, rejouer);
    d.pli.entame = d.premierParlant;
    d.pli.nbCartesJouees = 0;
    d.joueurCourant = d.premierParlant;

    tirerHauteursMain(jeu);

    d.numeroPli = 0;
    jeu.encheres.etapesTimer = 0;

    etapeEnchere(jeu, d.premierParlant);
}

void nouvelleDonneNumero(Partie& jeu, std::uint32_t numero) {
    const std::uint32_t suite = graineDesDonnes(jeu);
    jeu.donneChoisie = false;
    jeu.alea.graine = numero;
    nouvelleDonne(jeu, false);
    jeu.donneChoisie = true;
    jeu.graineSuite = suite;
}

std::uint32_t graineDesDonnes(const Partie& jeu) {
    return jeu.donneChoisie ? jeu.graineSuite : jeu.alea.graine;
}

} // namespace quarvel
