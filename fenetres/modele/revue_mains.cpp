// The hands window: the four hands as dealt, the dog, the discard and where it came from.
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/revue.h"

#include <cmath>
#include <string>

namespace quarvel {

namespace {

// The dog and discard panels go beside the taker's hand: left and right of the hands at the
// top and bottom, above and below the hands at the sides.
void placerChiens(Jeu& jeu, Siege preneur) {
    auto& f = jeu.fen.frmMains;
    const Rect& main = f.PanelsMains[preneur].geo;
    Rect& chien = f.PanelChienAvantEcart.geo;
    Rect& ecart = f.PanelChienApresEcart.geo;
    const int espace = echelleX(jeu, 5);
    if (preneur == SUD || preneur == NORD) {
        chien.left = main.left - espace - chien.width;
        chien.top = main.top + static_cast<int>(std::lround((main.height - chien.height) / 2.0));
        ecart.left = main.right() + espace;
        ecart.top = chien.top;
    } else {
        chien.left = preneur == EST ? main.right() - chien.width : main.left;
        chien.top = main.top - espace - chien.height;
        ecart.left = chien.left;
        ecart.top = main.bottom() + espace;
    }
}

void marquerOrigine(Jeu& jeu, int k, int origine, Siege preneur) {
    auto& f = jeu.fen.frmMains;
    const Composant* image = nullptr;
    if (origine >= 1 && origine <= 18) {
        image = &f.ImagesMains[preneur][origine];
        f.parentCadre[k] = entier(preneur);
    } else if (origine >= 19 && origine <= 24) {
        image = &f.ImagesChien[origine - 18];
        f.parentCadre[k] = 5;
    }
    if (image == nullptr) return;
    Composant& c = f.Cadres[k];
    c.geo.left = image->geo.left - echelleX(jeu, 2);
    c.geo.top = image->geo.top - echelleY(jeu, 2);
    c.visible = true;
}

} // namespace

void remplirMains(Jeu& jeu) {
    const Donne& d = jeu.donne;
    auto& f = jeu.fen.frmMains;
    for (Composant& c : f.Cadres) c.visible = false;
    const bool preneurConnu = d.preneur >= SUD && d.preneur <= OUEST;
    if (preneurConnu) placerChiens(jeu, d.preneur);

    for (Siege s : SIEGES) {
        for (int i = 1; i <= 18; ++i) {
            f.ImagesMains[s][i].carte = d.mainsDonnees[s][i];
            f.ImagesMains[s][i].visible = true;
        }
        // The taker's hand says his contract too.
        std::string nom = jeu.textes.nomsJoueurs[s];
        if (preneurConnu && s == d.preneur) nom += " \u2014 " + jeu.textes.nomsEncheres[d.contrat];
        f.NomsMains[s].caption = nom;
    }
    for (int k = 1; k <= 6; ++k) {
        f.ImagesChien[k].carte = d.chienDonne[k];
        f.ImagesChien[k].visible = true;
    }
    f.PanelChienAvantEcart.visible = true;

    f.PanelChienApresEcart.visible = false;
    if (!preneurConnu || d.contrat >= GARDE_SANS || d.contrat < PRISE) return;
    for (int k = 1; k <= 6; ++k) {
        f.ImagesEcart[k].carte = d.chien[k];
        f.ImagesEcart[k].visible = true;
    }
    f.PanelChienApresEcart.visible = true;
    for (int k = 1; k <= 6; ++k) marquerOrigine(jeu, k, jeu.ecart.origineEcart[k], d.preneur);
}

void ouvrirMains(Jeu& jeu) {
    remplirMains(jeu);
    auto& f = jeu.fen.frmMains;
    centrerFenetre(jeu, f.fenetre);
    f.fenetre.visible = true;
}

} // namespace quarvel
