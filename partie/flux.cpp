#include "partie/flux.h"

#include "donne/pli.h"
#include "encheres/encheres.h"
#include "encheres/poignee.h"
#include "ia/moteur.h"
#include "partie/chien.h"
#include "partie/coeur.h"
#include "partie/expert.h"
#include "partie/nouvelle_donne.h"
#include "partie/partie.h"
#include "scores/fin_donne.h"

#include <optional>

namespace quarvel {

namespace {

void apresEnchere(Partie& jeu) {
    const Siege suivant = siegeQuiParle(jeu);
    if (suivant != Siege::Aucun) etapeEnchere(jeu, suivant);
}

} // namespace

void etapeEnchere(Partie& jeu, Siege siege) {
    Donne& d = jeu.donne;
    if (siege != SUD) {
        const Contrat choix = enchereOrdinateur(jeu, siege);
        passerA(d, Phase::Encheres);
        jeu.encheres.siegeEnAttente = siege;
        jeu.encheres.enchereEnAttente = choix;
        jeu.minuteries.TimerEnchere.demarrer(jeu.maintenant);
        return;
    }
    // The bid bar's advice: what the hand deserves, if it still may be bid.
    const Contrat merite = d.encheresMeritees[siege];
    d.encheresAnnoncees[SUD] = enchereValable(jeu, merite) ? merite : PASSE;
    passerA(d, Phase::EnchereSud);
}

void tickEnchere(Partie& jeu) {
    jeu.minuteries.TimerEnchere.arreter();
    const Siege siege = jeu.encheres.siegeEnAttente;
    if (siege == Siege::Aucun || siege == SUD) return;
    const Contrat choix = jeu.encheres.enchereEnAttente;
    jeu.encheres.siegeEnAttente = Siege::Aucun;
    jeu.encheres.enchereEnAttente = PAS_PARLE;
    appliquer(jeu, Action::enchere(siege, enchereValable(jeu, choix) ? choix : PASSE));
    apresEnchere(jeu);
}

void imposerEnchere(Partie& jeu, Contrat code) {
    const Siege siege = jeu.encheres.siegeEnAttente;
    if (siege == Siege::Aucun || siege == SUD) return;
    jeu.encheres.enchereEnAttente = enchereValable(jeu, code) ? code : PASSE;
}

void enchereJoueur(Partie& jeu, Contrat code) {
    if (jeu.donne.phase != Phase::EnchereSud) return;
    const Action a = Action::enchere(SUD, code);
    if (!estLegale(jeu, a)) {
        if (code > PASSE && code <= GARDE_CONTRE) jeu.encheres.enchereRefusee = true;
        return;
    }
    appliquer(jeu, a);
    apresEnchere(jeu);
}

void relancerJeu(Partie& jeu) {
    jeu.minuteries.TimerEntreCarte.demarrer(jeu.maintenant);
}

void jouerCarte(Partie& jeu, Siege siege, int slot) {
    const Action a = Action::carte(siege, slot);
    if (!estLegale(jeu, a)) return;
    appliquer(jeu, a);
    const Donne& d = jeu.donne;
    if (d.pli.nbCartesJouees >= 1) {
        relancerJeu(jeu);
        return;
    }
    // The fourth card: the trick is scored, and the deal with the last one.
    if (donneTerminee(d.phase))
        finDeDonne(jeu);
    else if (jeu.continuerAuto)
        jeu.minuteries.TimerTransition.demarrer(jeu.maintenant);
}

std::optional<Blocage> tourSuivant(Partie& jeu) {
    Donne& d = jeu.donne;
    jeu.minuteries.TimerEntreCarte.arreter();
    if (d.numeroPli > 18 || d.numeroPli < 1) return std::nullopt;

    const Siege s = d.joueurCourant;
    ouvrirTour(jeu);
    if (s == SUD) {
        passerA(d, Phase::TourSud);
        if (d.numeroPli == 1 && jeu.reglages.optionProposePoignee) proposerPoignee(jeu);
        return std::nullopt;
    }
    passerA(d, Phase::JeuEnCours);
    const int impose = jeu.carteImposee[s];
    jeu.carteImposee[s] = 0;
    const int slot = estLegale(jeu, Action::carte(s, impose)) ? impose : carteOrdinateur(jeu, s);
    if (slot < 1 || slot > 18) {
        passerA(d, Phase::DonneBloquee);
        return Blocage{s};
    }
    jouerCarte(jeu, s, slot);
    return std::nullopt;
}

void continuer(Partie& jeu) {
    Donne& d = jeu.donne;

    jeu.minuteries.TimerTransition.arreter();

    switch (d.phase) {
    case Phase::PliARamasser:
    case Phase::DernierPli:
        // The last trick stays on show beside the result.
        ramasserPli(jeu);
        relancerJeu(jeu);
        break;
    case Phase::AttenteJeu:
        passerA(d, Phase::JeuEnCours);
        relancerJeu(jeu);
        break;
    case Phase::EncheresCloses:
        if (conclureEncheres(jeu))
            montrerChien(jeu);
        else
            nouvelleDonne(jeu, false);
        break;
    case Phase::ChienMontre:
        retirerChien(jeu, false);
        break;
    default:
        break;
    }
}

} // namespace quarvel
