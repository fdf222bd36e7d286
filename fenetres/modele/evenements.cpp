#include "fenetres/modele/evenements.h"

#include "donne/flux.h"
#include "donne/jeu.h"
#include "donne/main_joueur.h"
#include "donne/nouvelle_donne.h"
#include "encheres/ecart.h"
#include "encheres/encheres.h"
#include "encheres/poignee.h"
#include "fenetres/modele/revue.h"
#include "reglages/options.h"

namespace quarvel {

namespace {

bool actif(const Composant& c) {
    return c.visible && c.enabled;
}

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

const Composant* boutonEnchere(const TfrmQuarvel& q, int code) {
    switch (code) {
    case PASSE:
        return &q.ButtonPasse;
    case PRISE:
        return &q.ButtonPrise;
    case GARDE:
        return &q.ButtonGarde;
    case GARDE_SANS:
        return &q.ButtonGardeSans;
    case GARDE_CONTRE:
        return &q.ButtonGardeContre;
    default:
        return nullptr;
    }
}

const Composant* boutonPoignee(const TfrmQuarvel& q, int type) {
    switch (type) {
    case 0:
        return &q.PanelPoigneeAucune;
    case 1:
        return &q.PanelPoigneeSimple;
    case 2:
        return &q.PanelPoigneeDouble;
    case 3:
        return &q.PanelPoigneeTriple;
    default:
        return nullptr;
    }
}

// The gestures of the deal itself; the others have been offered to their owners first.
void traiterDonne(Jeu& jeu, Evenement e) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    TfrmPoignee& dlg = jeu.fen.frmPoignee;
    const int i = e.index;
    switch (e.type) {
    case Evt::ClicFond:
        continuer(jeu);
        break;
    case Evt::ToucheEspace:
        continuer(jeu);
        break;
    case Evt::ClicTable:
        if (actif(q.TableRonde)) continuer(jeu);
        break;
    case Evt::ClicPanelDec:
        if (dansIntervalle(i, 1, 4) && actif(q.PanelDec[i])) continuer(jeu);
        break;
    case Evt::ClicCarte3D:
        if (dansIntervalle(i, 1, 24) && actif(q.Carte3D[i])) cliquerCarteMain(jeu, i);
        break;
    case Evt::ClicCarteChien:
        if (dansIntervalle(i, 1, 6) && actif(q.CarteChien[i]) && jeu.donne.chienMontre)
            retirerChien(jeu, true);
        break;
    case Evt::ClicLancement:
        if (actif(q.PanelLancement)) nouvelleDonne(jeu, false);
        break;
    case Evt::ClicEnchere: {
        const Composant* b = boutonEnchere(q, i);
        if (b && actif(*b) && actif(q.BarreEnchere)) enchereJoueur(jeu, i);
        break;
    }
    case Evt::ClicConseil:
        if (actif(q.evMaMain) && actif(q.BarreEnchere))
            enchereJoueur(jeu, jeu.donne.encheresAnnoncees[SUD]);
        break;
    case Evt::ClicConfirmeEcart:
        if (actif(q.PanelConfirmeEcart)) confirmerEcart(jeu);
        break;
    case Evt::ClicPoignee: {
        const Composant* b = boutonPoignee(q, i);
        if (!b || !actif(*b) || !actif(q.PanelPoignee)) break;
        if (i == 0)
            refuserPoignee(jeu);
        else
            ouvrirPoignee(jeu, i);
        break;
    }
    case Evt::ClicNouvelleDonne:
        if (actif(q.PanelResultat) && actif(q.PanelPanelNewPartie)) nouvelleDonne(jeu, false);
        break;
    case Evt::ClicRejouerDonne:
        if (actif(q.PanelResultat) && actif(q.panelRejouerDonne)) nouvelleDonne(jeu, true);
        break;
    case Evt::SBNewGame:
        if (actif(q.PanelBarreOutils) && actif(q.SBNewGame)) nouvelleDonne(jeu, false);
        break;
    case Evt::SBGameAgain:
        if (actif(q.PanelBarreOutils) && actif(q.SBGameAgain)) nouvelleDonne(jeu, true);
        break;
    case Evt::MenuNewGame:
        if (q.menuNewGame.enabled) nouvelleDonne(jeu, false);
        break;
    case Evt::MenuGameAgain:
        if (q.menuGameAgain.enabled) nouvelleDonne(jeu, true);
        break;
    case Evt::TickEnchere:
        if (q.TimerEnchere.enabled) tickEnchere(jeu);
        break;
    case Evt::TickEntreCarte:
        if (q.TimerEntreCarte.enabled) tourSuivant(jeu);
        break;
    case Evt::TickTransition:
        if (q.TimerTransition.enabled) {
            q.TimerTransition.arreter();
            continuer(jeu);
        }
        break;
    case Evt::ClicCartePoignee:
        if (dlg.fenetre.visible && dansIntervalle(i, 1, 18) && actif(dlg.CartePoignee[i]))
            choisirCartePoignee(jeu, i);
        break;
    case Evt::ClicParesseux:
        if (dlg.fenetre.visible && actif(dlg.PanelBoutonParesseux)) boutonParesseux(jeu);
        break;
    case Evt::ClicOkPoignee:
        if (dlg.fenetre.visible && actif(dlg.PanelOkPoignee)) validerPoignee(jeu);
        break;
    case Evt::ClicAnnulerPoignee:
        if (dlg.fenetre.visible && actif(dlg.PanelAnnulerPoignee)) annulerPoignee(jeu);
        break;
    default:
        break;
    }
}

} // namespace

void traiterEvenement(Jeu& jeu, Evenement e) {
    // While the handful dialog holds the table disabled, or before the table is shown, the table
    // takes nothing.
    if (surLaTable(e.type) && !actif(jeu.fen.frmQuarvel.fenetre)) return;
    if (traiterCommandeOption(jeu, e)) return;
    if (traiterEvenementRevue(jeu, e)) return;
    traiterDonne(jeu, e);
}

} // namespace quarvel
