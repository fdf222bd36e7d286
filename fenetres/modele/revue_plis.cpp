// The previous trick and the all-tricks window with its step-by-step replay.
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/revue.h"

namespace quarvel {

namespace {

// The card a seat played in a trick; an empty card when the record has none.
Carte carteJouee(const Donne& d, Siege siege, int pli) {
    const int slot = d.slotsJoues[siege][pli];
    if (slot < 1 || slot > 18) return Carte{};
    return d.mains[siege][slot];
}

void montrerEtape(TfrmTousPlis& f, int etape, bool visible) {
    f.Images[f.ordreTousPlis[etape]].visible = visible;
}

} // namespace

void montrerPliPrecedent(Jeu& jeu) {
    const Donne& d = jeu.donne;
    const int pli = d.numeroPli - 1;
    if (pli < 1 || pli > 18) return;
    auto& f = jeu.fen.frmPliPrecedent;
    for (Siege s : SIEGES) {
        f.cardPreviousTrick[s].carte = carteJouee(d, s, pli);
        f.cardPreviousTrick[s].visible = true;
    }
    centrerFenetre(jeu, f.fenetre);
    f.fenetre.visible = true;
}

void remplirTousPlis(Jeu& jeu) {
    const Donne& d = jeu.donne;
    auto& f = jeu.fen.frmTousPlis;
    f.etapeTousPlis = 1;
    for (int t : PLIS) {
        Siege entame = d.entamesPlis[t];
        if (entame < SUD || entame > OUEST) entame = SUD;
        Siege s = entame;
        for (int k = 1; k <= 4; ++k) {
            f.ordreTousPlis[(t - 1) * 4 + k] = (t - 1) * 4 + entier(s);
            s = siegeSuivant(s);
        }
        const Rect& carte = f.Images[(t - 1) * 4 + entier(entame)].geo;
        Composant& c = f.Cadres[t];
        c.geo.left = carte.left - echelleX(jeu, 2);
        c.geo.top = carte.top - echelleY(jeu, 2);
        c.couleur = entame == d.preneur ? couleurRGB(0x00FF00) : couleurRGB(0x0000FF);
        for (Siege siege : SIEGES)
            f.Images[(t - 1) * 4 + entier(siege)].carte = carteJouee(d, siege, t);
    }
    for (Composant& c : f.Images) c.visible = true;
    for (Composant& c : f.Cadres) c.visible = true;
}

void ouvrirTousPlis(Jeu& jeu) {
    auto& f = jeu.fen.frmTousPlis;
    f.timerTousPlis.arreter();
    remplirTousPlis(jeu);
    centrerFenetre(jeu, f.fenetre);
    f.fenetre.visible = true;
}

void effacerTousPlis(Jeu& jeu) {
    auto& f = jeu.fen.frmTousPlis;
    for (Composant& c : f.Images) c.visible = false;
    for (Composant& c : f.Cadres) c.visible = false;
    f.etapeTousPlis = 1;
}

void pasTousPlis(Jeu& jeu) {
    auto& f = jeu.fen.frmTousPlis;
    if (f.etapeTousPlis == 1) effacerTousPlis(jeu);
    if (f.etapeTousPlis >= 73) effacerTousPlis(jeu);
    if (f.etapeTousPlis < 1) f.etapeTousPlis = 1;
    montrerEtape(f, f.etapeTousPlis, true);
    f.Cadres[(f.etapeTousPlis + 3) / 4].visible = true;
    ++f.etapeTousPlis;
}

void tickTousPlis(Jeu& jeu) {
    auto& f = jeu.fen.frmTousPlis;
    if (!f.timerTousPlis.enabled) return;
    pasTousPlis(jeu);
    if (f.etapeTousPlis >= 73) f.timerTousPlis.arreter();
}

void lectureTousPlis(Jeu& jeu) {
    auto& f = jeu.fen.frmTousPlis;
    if (f.timerTousPlis.enabled) {
        f.timerTousPlis.arreter();
        return;
    }
    f.timerTousPlis.demarrer(jeu.maintenant);
    pasTousPlis(jeu);
    if (f.etapeTousPlis >= 73) f.timerTousPlis.arreter();
}

void arriereTousPlis(Jeu& jeu) {
    auto& f = jeu.fen.frmTousPlis;
    if (f.etapeTousPlis > 1) --f.etapeTousPlis;
    const int e = f.etapeTousPlis;
    if (e < 1 || e >= 73) return;
    montrerEtape(f, e, false);
    if (e % 4 == 1) f.Cadres[(e + 3) / 4].visible = false;
}

void voirToutTousPlis(Jeu& jeu) {
    auto& f = jeu.fen.frmTousPlis;
    for (Composant& c : f.Images) c.visible = true;
    for (Composant& c : f.Cadres) c.visible = true;
    f.etapeTousPlis = 73;
    f.timerTousPlis.arreter();
}

void fermerTousPlis(Jeu& jeu) {
    auto& f = jeu.fen.frmTousPlis;
    f.timerTousPlis.arreter();
    f.fenetre.visible = false;
}

} // namespace quarvel
