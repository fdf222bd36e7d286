#include "fenetres/modele/presentation_poignee.h"

#include "encheres/poignee.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/mesures.h"
#include "fenetres/modele/plateforme.h"
#include "partie/coeur.h"

namespace quarvel {

namespace {

// The dialog sized for the trumps of the hand and centred (the hand itself hides them while the
// dialog is open: montrerCartes).
void ouvrirDialogue(Jeu& jeu) {
    TfrmPoignee& dlg = jeu.fen.frmPoignee;
    const int n = atoutsSud(jeu);

    const int u = unitePoignee(jeu);
    const int largeur = largeurCarte(jeu);
    dlg.fenetre.geo.width = 2 * u + (n - 1) * 3 * u + largeur;
    dlg.fenetre.geo.left = (largeurEcran(jeu) - dlg.fenetre.geo.width) / 2;
    dlg.fenetre.geo.top = (hauteurEcran(jeu) - dlg.fenetre.geo.height) / 2;

    for (auto& c : dlg.CartePoignee) c.visible = false;
    for (int i = 1; i <= n; ++i) {
        Composant& img = dlg.CartePoignee[i];
        img.geo = Rect{(i - 1) * 3 * u + u, 2 * u + jeu.poignee.decalagesPoignee[i], largeur,
                       hauteurCarte(jeu)};
        img.curseur = Curseur::Main;
        img.carte = jeu.donne.mains[SUD][i];
        img.visible = true;
    }
}

// A chosen card stands one unit higher; OK shows once the kind's count is reached.
void montrerSelection(Jeu& jeu) {
    TfrmPoignee& dlg = jeu.fen.frmPoignee;
    const int u = unitePoignee(jeu);
    const int n = atoutsSud(jeu);
    for (int i = 1; i <= n; ++i)
        dlg.CartePoignee[i].geo.top = 2 * u + jeu.poignee.decalagesPoignee[i] -
                                      (jeu.poignee.selectionPoignee[i] == 1 ? u : 0);
    dlg.PanelOkPoignee.visible =
        estLegale(jeu, Action::poignee(SUD, jeu.donne.poignee, selectionPoigneeSud(jeu)));
}

// The keys go back to the table.
void fermerDialogue(Jeu& jeu) {
    jeu.fen.frmQuarvel.fenetre.focus = true;
}

} // namespace

void montrerPoignee(Jeu& jeu, Phase avant) {
    const bool ouvert = jeu.donne.phase == Phase::ChoixPoignee;
    const bool etaitOuvert = avant == Phase::ChoixPoignee;
    if (ouvert && !etaitOuvert) ouvrirDialogue(jeu);
    if (ouvert) montrerSelection(jeu);
    if (etaitOuvert && !ouvert) fermerDialogue(jeu);
}

void refuserExcusePoignee(Jeu& jeu) {
    if (jeu.plateforme != nullptr)
        jeu.plateforme->message(texte(jeu.textes, "Vous ne pouvez pas sélectionner l'Excuse\u00a0!",
                                      "You can't choose the Fool!"));
}

} // namespace quarvel
