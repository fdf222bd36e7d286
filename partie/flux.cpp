#include "partie/flux.h"

#include "donne/pli.h"
#include "encheres/encheres.h"
#include "encheres/poignee.h"
#include "ia/moteur.h"
#include "partie/chien.h"
#include "partie/main_joueur.h"
#include "partie/nouvelle_donne.h"
#include "partie/partie.h"
#include "partie/poser.h"

#include <optional>

namespace quarvel {

void relancerJeu(Partie& jeu) {
    jeu.minuteries.TimerEntreCarte.demarrer(jeu.maintenant);
}

void apresCarteJouee(Partie& jeu) {
    Donne& d = jeu.donne;
    ++d.pli.nbCartesJouees;
    if (d.pli.nbCartesJouees >= 4) {
        finDePli(jeu);
        return;
    }
    d.joueurCourant = siegeSuivant(d.joueurCourant);
    relancerJeu(jeu);
}

std::optional<Blocage> tourSuivant(Partie& jeu) {
    Donne& d = jeu.donne;
    jeu.minuteries.TimerEntreCarte.arreter();
    if (d.numeroPli > 18 || d.numeroPli < 1) return std::nullopt;

    const Siege s = d.joueurCourant;
    calculerJouables(d, s);
    if (s == SUD) {
        passerA(d, Phase::TourSud);
        if (d.numeroPli == 1 && jeu.reglages.optionProposePoignee) proposerPoignee(jeu);
        return std::nullopt;
    }
    passerA(d, Phase::JeuEnCours);
    const int impose = jeu.carteImposee[s];
    jeu.carteImposee[s] = 0;
    const bool permise = impose >= 1 && impose <= 18 && d.cartesJouables[s][impose] == 1 &&
                         d.mains[s][impose].enMain;
    const int slot = permise ? impose : jouerOrdinateur(jeu, s);
    if (slot < 1 || slot > 18) {
        passerA(d, Phase::DonneBloquee);
        return Blocage{s};
    }
    poserCarte(jeu, s, slot);
    apresCarteJouee(jeu);
    return std::nullopt;
}

void continuer(Partie& jeu) {
    Donne& d = jeu.donne;

    jeu.minuteries.TimerTransition.arreter();

    switch (d.phase) {
    case Phase::PliARamasser:
        [[fallthrough]];
    case Phase::DernierPli:
        // The last trick stays on show beside the result.
        for (Siege s : SIEGES) d.pli.cartes[s] = Carte{};
        [[fallthrough]];
    case Phase::AttenteJeu:
        passerA(d, donneTerminee(d.phase) ? Phase::DonneFinie : Phase::JeuEnCours);
        relancerJeu(jeu);
        break;
    case Phase::EncheresCloses:
        d.numeroPli = 1;
        d.preneur = trouverPreneur(jeu);
        if (d.contrat != PASSE)
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
