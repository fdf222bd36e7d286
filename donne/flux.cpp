#include "donne/flux.h"

#include "donne/jeu.h"
#include "donne/main_joueur.h"
#include "donne/mesures.h"
#include "donne/nouvelle_donne.h"
#include "donne/pli.h"
#include "donne/poser.h"
#include "encheres/ecart.h"
#include "encheres/encheres.h"
#include "encheres/poignee.h"
#include "ia/moteur.h"

#include <optional>

namespace quarvel {

namespace {

void montrerTableEtCadre(Jeu& jeu) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    q.TableRonde.visible = true;
    if (jeu.donne.preneur >= 1 && jeu.donne.preneur <= 4)
        q.CadrePreneur[jeu.donne.preneur].visible = true;
}

// The bidding is closed and someone took: mark the taker, then the dog.
void installerPreneur(Jeu& jeu) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    const int p = jeu.donne.preneur;
    for (auto& c : q.PanelDec) c.visible = false;

    const Rect& carte = q.CarteTable[p].geo;
    Composant& cadre = q.CadrePreneur[p];
    cadre.geo.left = carte.left - arrondir(5 * jeu.echelleH);
    cadre.geo.top = carte.top - arrondir(5 * jeu.echelleV);
    const int couleur = cadre.couleur;
    q.nPointsAttaque.couleur = couleur;
    q.nBoutsPreneur.couleur = couleur;
    q.nContrat.couleur = couleur;
    q.PanelPreneur.couleur = couleur;
    q.PanelEnchere.couleur = couleur;
    for (auto& c : q.Carte3D) c.enabled = true;
    montrerChien(jeu);
}

} // namespace

void relancerJeu(Jeu& jeu) {
    jeu.minuteries.TimerEntreCarte.demarrer(jeu.maintenant);
}

void apresCarteJouee(Jeu& jeu) {
    Donne& d = jeu.donne;
    ++d.pli.nbCartesJouees;
    if (d.pli.nbCartesJouees >= 4) {
        finDePli(jeu);
        return;
    }
    d.joueurCourant = siegeSuivant(d.joueurCourant);
    relancerJeu(jeu);
}

std::optional<Blocage> tourSuivant(Jeu& jeu) {
    Donne& d = jeu.donne;
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    jeu.minuteries.TimerEntreCarte.arreter();
    if (d.numeroPli > 18 || d.numeroPli < 1) return std::nullopt;

    const int s = d.joueurCourant;
    calculerJouables(d, s);
    if (s == SUD) {
        curseursMain(jeu);
        q.info.caption = texte(jeu.textes, "A vous de jouer !", "Play !");
        passerA(d, Phase::TourSud);
        if (d.numeroPli == 1 && jeu.reglages.optionProposePoignee) proposerPoignee(jeu);
        return std::nullopt;
    }
    passerA(d, Phase::JeuEnCours);
    const int slot = jouerOrdinateur(jeu, s);
    if (slot < 1 || slot > 18) {
        passerA(d, Phase::DonneBloquee);
        return Blocage{s};
    }
    poserCarte(jeu, s, slot);
    apresCarteJouee(jeu);
    return std::nullopt;
}

void continuer(Jeu& jeu) {
    Donne& d = jeu.donne;
    TfrmQuarvel& q = jeu.fen.frmQuarvel;

    jeu.minuteries.TimerTransition.arreter();

    switch (d.phase) {
    case Phase::PliARamasser:
        for (auto& c : q.CarteTable) c.visible = false;
        [[fallthrough]];
    case Phase::DernierPli:
        // The last trick stays on show beside the result.
        for (int s = 1; s <= 4; ++s) d.pli.cartes[s] = Carte{};
        [[fallthrough]];
    case Phase::AttenteJeu:
        passerA(d, donneTerminee(d.phase) ? Phase::DonneFinie : Phase::JeuEnCours);
        q.info.caption.clear();
        montrerTableEtCadre(jeu);
        relancerJeu(jeu);
        break;
    case Phase::EncheresCloses:
        d.numeroPli = 1;
        d.preneur = trouverPreneur(jeu);
        if (d.contrat != PASSE)
            installerPreneur(jeu);
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
