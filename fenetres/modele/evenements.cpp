#include "fenetres/modele/evenements.h"

#include "donne/flux.h"
#include "donne/jeu.h"
#include "donne/main_joueur.h"
#include "donne/nouvelle_donne.h"
#include "encheres/ecart.h"
#include "encheres/encheres.h"
#include "encheres/poignee.h"
#include "fenetres/modele/deductions.h"
#include "fenetres/modele/options.h"
#include "fenetres/modele/revue.h"

#include <string>

namespace quarvel {

namespace {

// Events aimed at the main table (its clicks, keys, tool bar and menus).
bool surLaTable(Evt t) {
    switch (t) {
    case Evt::StartFrench:
    case Evt::StartEnglish:
    case Evt::TickEnchere:
    case Evt::TickEntreCarte:
    case Evt::TickTransition:
    case Evt::TickTousPlis:
    case Evt::ClicCartePoignee:
    case Evt::ClicParesseux:
    case Evt::ClicOkPoignee:
    case Evt::ClicAnnulerPoignee:
    case Evt::OkPliPrecedent:
    case Evt::TousPlisEffacer:
    case Evt::TousPlisLecture:
    case Evt::TousPlisPas:
    case Evt::TousPlisArriere:
    case Evt::TousPlisVoirTout:
    case Evt::TousPlisOk:
    case Evt::TousPlisImprimer:
    case Evt::TousPlisCouleur:
    case Evt::MainsOk:
    case Evt::MainsImprimer:
    case Evt::MainsCouleur:
    case Evt::ScoreOk:
    case Evt::ScoreImprimer:
    case Evt::ScoreCouleur:
        return false;
    default:
        return true;
    }
}

bool dansIntervalle(int i, int a, int b) {
    return i >= a && i <= b;
}

// Once the play has begun the round table is on show, and a click on it goes on.
bool tableMontree(Phase p) {
    switch (p) {
    case Phase::JeuEnCours:
    case Phase::TourSud:
    case Phase::OffrePoignee:
    case Phase::ChoixPoignee:
    case Phase::PliARamasser:
    case Phase::DernierPli:
    case Phase::DonneFinie:
    case Phase::DonneBloquee:
        return true;
    default:
        return false;
    }
}

// The hand images a click reaches: none while the bidding holds them, the row of 24 during the
// discard, then the cards still held.
bool carteMainOfferte(const Jeu& jeu, int i) {
    const Donne& d = jeu.donne;
    switch (d.phase) {
    case Phase::AttentePremiereDonne:
    case Phase::Encheres:
    case Phase::EnchereSud:
    case Phase::EncheresCloses:
        return false;
    case Phase::Ecart:
        return dansIntervalle(i, 1, 24);
    case Phase::ChienMontre:
    case Phase::AttenteJeu:
        return dansIntervalle(i, 1, 18);
    default:
        return dansIntervalle(i, 1, 18) && d.mains[SUD][i].enMain;
    }
}

// The bid bar shows Passe and the bids above the best one so far.
bool enchereOfferte(const Jeu& jeu, int code) {
    return code == PASSE ||
           (dansIntervalle(code, PRISE, GARDE_CONTRE) && code > jeu.encheres.meilleureEnchere);
}

// The gestures of the deal itself; the others have been offered to their owners first. Each is
// taken or ignored by the phase of the deal.
void traiterDonne(Jeu& jeu, Evenement e) {
    const Phase phase = jeu.donne.phase;
    const int i = e.index;
    switch (e.type) {
    case Evt::ClicFond:
        continuer(jeu);
        break;
    case Evt::ToucheEspace:
        continuer(jeu);
        break;
    case Evt::ClicTable:
        if (tableMontree(phase)) continuer(jeu);
        break;
    case Evt::ClicPanelDec:
        // All four bubbles show once the bidding is closed.
        if (dansIntervalle(i, 1, 4) && phase == Phase::EncheresCloses) continuer(jeu);
        break;
    case Evt::ClicCarte3D:
        if (carteMainOfferte(jeu, i)) cliquerCarteMain(jeu, i);
        break;
    case Evt::ClicCarteChien:
        if (dansIntervalle(i, 1, 6) && phase == Phase::ChienMontre) retirerChien(jeu, true);
        break;
    case Evt::ClicLancement:
        if (phase == Phase::AttentePremiereDonne) nouvelleDonne(jeu, false);
        break;
    case Evt::ClicEnchere:
        if (phase == Phase::EnchereSud && enchereOfferte(jeu, i)) enchereJoueur(jeu, i);
        break;
    case Evt::ClicConseil:
        if (phase == Phase::EnchereSud && jeu.reglages.optionVisibiliteConseilEnchere)
            enchereJoueur(jeu, jeu.donne.encheresAnnoncees[SUD]);
        break;
    case Evt::ClicConfirmeEcart:
        if (phase == Phase::Ecart && jeu.ecart.nbEcartees == 6) confirmerEcart(jeu);
        break;
    case Evt::ClicPoignee:
        // A kind the hand cannot show has no button; ouvrirPoignee turns it down all the same.
        if (phase != Phase::OffrePoignee || !dansIntervalle(i, 0, 3)) break;
        if (i == 0)
            refuserPoignee(jeu);
        else
            ouvrirPoignee(jeu, i);
        break;
    case Evt::ClicNouvelleDonne:
        if (donneTerminee(phase)) nouvelleDonne(jeu, false);
        break;
    case Evt::ClicRejouerDonne:
        if (donneTerminee(phase)) nouvelleDonne(jeu, true);
        break;
    case Evt::SBNewGame:
        if (jeu.reglages.optionBarreOutils) nouvelleDonne(jeu, false);
        break;
    case Evt::SBGameAgain:
        if (jeu.reglages.optionBarreOutils && phase != Phase::AttentePremiereDonne)
            nouvelleDonne(jeu, true);
        break;
    case Evt::MenuNewGame:
        nouvelleDonne(jeu, false);
        break;
    case Evt::MenuGameAgain:
        if (phase != Phase::AttentePremiereDonne) nouvelleDonne(jeu, true);
        break;
    case Evt::TickEnchere:
        if (jeu.minuteries.TimerEnchere.enabled) tickEnchere(jeu);
        break;
    case Evt::TickEntreCarte:
        if (jeu.minuteries.TimerEntreCarte.enabled) tourSuivant(jeu);
        break;
    case Evt::TickTransition:
        if (jeu.minuteries.TimerTransition.enabled) {
            jeu.minuteries.TimerTransition.arreter();
            continuer(jeu);
        }
        break;
    case Evt::ClicCartePoignee:
        // Only trumps answer; they are the hand's first slots, the ones the dialog shows.
        if (phase == Phase::ChoixPoignee && dansIntervalle(i, 1, 18)) choisirCartePoignee(jeu, i);
        break;
    case Evt::ClicParesseux:
        if (phase == Phase::ChoixPoignee) boutonParesseux(jeu);
        break;
    case Evt::ClicOkPoignee:
        if (phase == Phase::ChoixPoignee &&
            jeu.poignee.nbSelectionPoignee == taillePoignee(jeu.donne.poignee))
            validerPoignee(jeu);
        break;
    case Evt::ClicAnnulerPoignee:
        if (phase == Phase::ChoixPoignee) annulerPoignee(jeu);
        break;
    default:
        break;
    }
}

void traiterGeste(Jeu& jeu, Evenement e) {
    // While the handful dialog is open, or before the table is shown, the table takes nothing.
    if (surLaTable(e.type) &&
        (!jeu.fen.frmQuarvel.fenetre.visible || jeu.donne.phase == Phase::ChoixPoignee))
        return;
    if (traiterCommandeOption(jeu, e)) return;
    if (traiterEvenementRevue(jeu, e)) return;
    traiterDonne(jeu, e);
}

// The deductions panel shows SUD's knowledge once it is set up for the deal, that is once the
// dog and the discard are settled.
void montrerDeductions(Jeu& jeu) {
    switch (jeu.donne.phase) {
    case Phase::AttentePremiereDonne:
        return;
    case Phase::Encheres:
    case Phase::EnchereSud:
    case Phase::EncheresCloses:
    case Phase::ChienMontre:
    case Phase::Ecart:
        effacerDeductions(jeu);
        return;
    default:
        afficherDeductions(jeu);
    }
}

void ecrire(Composant& c, const std::string& texte) {
    if (c.caption != texte) c.caption = texte;
}

// The running figures of the deal, from its first gathered trick on; the half point dropped.
// The points to make show once the three bouts are accounted for.
void montrerChiffres(Jeu& jeu) {
    const Donne& d = jeu.donne;
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    if (d.phase == Phase::AttentePremiereDonne) return;
    const bool montres = d.numeroPli >= 2;
    auto chiffre = [&](int n) { return montres ? std::to_string(n) : std::string(); };
    ecrire(q.nPointsAttaque, chiffre(d.pointsPreneur / 2));
    ecrire(q.nPointsDefense, chiffre(d.pointsDefense / 2));
    ecrire(q.nBoutsPreneur, chiffre(d.boutsPreneur));
    ecrire(q.nBoutsDefense, chiffre(d.boutsDefense));
    ecrire(q.nContrat, d.boutsPreneur + d.boutsDefense == 3 ? chiffre(d.pointsContrat) : "");
}

// What follows from the phase alone, once a first deal is dealt.
void montrerPhase(Jeu& jeu) {
    const Donne& d = jeu.donne;
    if (d.phase == Phase::AttentePremiereDonne) return;
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    q.PanelLancement.visible = false;
    q.menuGameAgain.enabled = true;
    q.SBGameAgain.enabled = true;
    q.SBGameAgain.checked = d.donneRejouee;
    q.BarreEnchere.visible = d.phase == Phase::EnchereSud;
    for (auto& c : q.CarteChien) c.visible = d.phase == Phase::ChienMontre;
    q.PanelConfirmeEcart.visible = d.phase == Phase::Ecart && jeu.ecart.nbEcartees == 6;
    q.PanelPoignee.visible = d.phase == Phase::OffrePoignee;
    // The handful dialog holds the table until it closes.
    const bool choix = d.phase == Phase::ChoixPoignee;
    jeu.fen.frmPoignee.fenetre.visible = choix;
    q.fenetre.enabled = !choix;
    q.menuPreviousTrick.enabled = d.numeroPli >= 2;

    // The taker and his bid, from the dog on.
    const bool preneur = d.phase != Phase::Encheres && d.phase != Phase::EnchereSud &&
                         d.phase != Phase::EncheresCloses;
    q.PanelPreneur.visible = q.PanelEnchere.visible = preneur;
    ecrire(q.PanelPreneur, preneur ? jeu.textes.nomsJoueurs[d.preneur] : std::string());
    ecrire(q.PanelEnchere, preneur ? jeu.textes.nomsEncheres[d.contrat] : std::string());
}

} // namespace

void montrerMinuteries(Jeu& jeu) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    q.TimerEnchere = jeu.minuteries.TimerEnchere;
    q.TimerEntreCarte = jeu.minuteries.TimerEntreCarte;
    q.TimerTransition = jeu.minuteries.TimerTransition;
}

void traiterEvenement(Jeu& jeu, Evenement e) {
    traiterGeste(jeu, e);
    montrerDeductions(jeu);
    montrerChiffres(jeu);
    montrerPhase(jeu);
    montrerMinuteries(jeu);
}

} // namespace quarvel
