#include "fenetres/modele/deductions.h"

#include "fenetres/modele/jeu.h"

#include <charconv>
#include <string_view>

namespace quarvel {

namespace {

// Short texts stay in the string's own buffer: no allocation per refresh.
void ecrireNombre(Composant& panneau, int n, bool tiretPourZero) {
    char tampon[12];
    const char* fin = tampon + 1;
    if (n < 0 || (tiretPourZero && n == 0))
        tampon[0] = '-';
    else
        fin = std::to_chars(tampon, tampon + sizeof tampon, n).ptr;
    const std::string_view texte(tampon, static_cast<std::size_t>(fin - tampon));
    if (panneau.caption != texte) panneau.caption.assign(texte);
}

constexpr int honneurs[5] = {0, ROI, DAME, CAVALIER, VALET};

} // namespace

void afficherDeductions(Jeu& jeu) {
    const Connaissance& k = jeu.connaissance;
    TfrmQuarvel& f = jeu.fen.frmQuarvel;

    ecrireNombre(f.PanelAtoutMax, k.atoutMaitre[SUD], false);
    ecrireNombre(f.PanelAtExt, k.atoutsDehors[SUD], false);
    // Drawn from the tables alone, so that a card taken back is no longer shown as gone.
    f.Panel21.visible = k.detenteurAtout[21] == LIEU_JOUEE;
    f.PanelPetit.visible = k.detenteurPetit == LIEU_JOUEE;
    f.PanelExcuse.visible = k.detenteurExcuse == LIEU_JOUEE;
    for (int c = 1; c <= 4; ++c) {
        for (int h = 1; h <= 4; ++h)
            f.MarqueursHonneurs[c][h].visible = k.lieuCarte[SUD][c][honneurs[h]] == LIEU_JOUEE;
        ecrireNombre(f.ComptesCouleurs[c], k.cartesDehors[SUD][c], true);
    }
}

void effacerDeductions(Jeu& jeu) {
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    f.PanelAtoutMax.caption.clear();
    f.PanelAtExt.caption.clear();
    f.Panel21.visible = false;
    f.PanelPetit.visible = false;
    f.PanelExcuse.visible = false;
    for (int c = 1; c <= 4; ++c) {
        for (int h = 1; h <= 4; ++h) f.MarqueursHonneurs[c][h].visible = false;
        f.ComptesCouleurs[c].caption.clear();
    }
}

} // namespace quarvel
