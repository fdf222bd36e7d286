#include "encheres/poignee.h"

#include "donne/jeu.h"
#include "donne/mesures.h"
#include "fenetres/modele/plateforme.h"

namespace quarvel {

namespace {

void basculerSelection(Jeu& jeu, int slot) {
    EtatPoignee& p = jeu.poignee;
    Composant& img = jeu.fen.frmPoignee.CartePoignee[slot];
    const int u = unitePoignee(jeu);
    if (p.selectionPoignee[slot] == 1) {
        p.selectionPoignee[slot] = 0;
        img.geo.top += u;
        --p.nbSelectionPoignee;
    } else {
        p.selectionPoignee[slot] = 1;
        img.geo.top -= u;
        ++p.nbSelectionPoignee;
    }
}

} // namespace

int atoutsSud(const Jeu& jeu) {
    int n = 0;
    for (const Carte& c : jeu.donne.mains[SUD])
        if (c.couleur == ATOUT) ++n;
    return n;
}

int taillePoignee(int type) {
    return type == 1 ? 10 : type == 2 ? 13 : type == 3 ? 15 : 0;
}

void proposerPoignee(Jeu& jeu) {
    if (jeu.donne.numeroPli != 1 || !jeu.reglages.optionProposePoignee) return;
    if (atoutsSud(jeu) < taillePoignee(1)) return;
    passerA(jeu.donne, Phase::OffrePoignee);
}

void refuserPoignee(Jeu& jeu) {
    passerA(jeu.donne, Phase::TourSud);
}

void ouvrirPoignee(Jeu& jeu, int type) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    TfrmPoignee& dlg = jeu.fen.frmPoignee;
    const int n = atoutsSud(jeu);
    if (type < 1 || type > 3 || n < taillePoignee(type)) return;

    jeu.donne.poignee = type;
    passerA(jeu.donne, Phase::ChoixPoignee);
    for (int i = 1; i <= n; ++i) q.Carte3D[i].visible = false;

    const int u = unitePoignee(jeu);
    const int largeur = largeurCarte(jeu);
    dlg.fenetre.geo.width = 2 * u + (n - 1) * 3 * u + largeur;
    dlg.fenetre.geo.left = (largeurEcran(jeu) - dlg.fenetre.geo.width) / 2;
    dlg.fenetre.geo.top = (hauteurEcran(jeu) - dlg.fenetre.geo.height) / 2;

    for (auto& c : dlg.CartePoignee) c.visible = false;
    for (int i = 1; i <= n; ++i) {
        Composant& img = dlg.CartePoignee[i];
        img.geo = Rect{(i - 1) * 3 * u + u, 2 * u + arrondir(jeu.alea(u) / 4.0), largeur,
                       hauteurCarte(jeu)};
        img.curseur = Curseur::Main;
        img.carte = jeu.donne.mains[SUD][i];
        img.visible = true;
    }
    jeu.poignee.nbSelectionPoignee = 0;
    jeu.poignee.selectionPoignee.remplir(0);
    dlg.PanelOkPoignee.visible = false;
}

void choisirCartePoignee(Jeu& jeu, int slot) {
    TfrmPoignee& dlg = jeu.fen.frmPoignee;
    if (jeu.donne.phase != Phase::ChoixPoignee || slot < 1 || slot > 18) return;
    const Carte& c = jeu.donne.mains[SUD][slot];
    if (c.couleur != ATOUT) return;
    const int taille = taillePoignee(jeu.donne.poignee);
    if (estAtout(c)) {
        basculerSelection(jeu, slot);
    } else if (slot == taille) {
        basculerSelection(jeu, slot);
    } else if (jeu.plateforme) {
        jeu.plateforme->message(texte(jeu.textes, "Vous ne pouvez pas sélectionner l'Excuse !",
                                      "You can't choose the Fool !"));
    }
    dlg.PanelOkPoignee.visible = jeu.poignee.nbSelectionPoignee == taille;
}

void boutonParesseux(Jeu& jeu) {
    TfrmPoignee& dlg = jeu.fen.frmPoignee;
    if (jeu.donne.phase != Phase::ChoixPoignee) return;
    const int taille = taillePoignee(jeu.donne.poignee);
    const int u = unitePoignee(jeu);
    for (int i = 1; i <= taille; ++i) {
        if (jeu.poignee.selectionPoignee[i] == 1) continue;
        jeu.poignee.selectionPoignee[i] = 1;
        dlg.CartePoignee[i].geo.top -= u;
    }
    // Trumps chosen by hand beyond the kind's size are dropped, so the count stays honest.
    for (int i = taille + 1; i <= 18; ++i) {
        if (jeu.poignee.selectionPoignee[i] != 1) continue;
        jeu.poignee.selectionPoignee[i] = 0;
        dlg.CartePoignee[i].geo.top += u;
    }
    jeu.poignee.nbSelectionPoignee = taille;
    dlg.PanelOkPoignee.visible = true;
}

void validerPoignee(Jeu& jeu) {
    fermerPoignee(jeu);
}

void annulerPoignee(Jeu& jeu) {
    jeu.donne.poignee = 0;
    fermerPoignee(jeu);
}

void fermerPoignee(Jeu& jeu) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    passerA(jeu.donne, Phase::TourSud);
    for (int i = 1; i <= 18; ++i)
        if (jeu.donne.mains[SUD][i].enMain) q.Carte3D[i].visible = true;
    q.fenetre.focus = true;
}

} // namespace quarvel
