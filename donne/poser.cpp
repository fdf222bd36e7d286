#include "donne/poser.h"

#include "donne/jeu.h"
#include "donne/pli.h"
#include "ia/connaissance.h"
#include "scores/fin_donne.h"

#include <string>

namespace quarvel {

void poserCarte(Jeu& jeu, int siege, int slot) {
    Donne& d = jeu.donne;
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    const Carte c = d.mains[siege][slot];

    noterCarteJouee(jeu, siege, slot);
    if (d.numeroPli >= 1 && d.numeroPli <= 18) {
        d.slotsJoues[siege][d.numeroPli] = slot;
        if (siege == d.pli.entame) d.entamesPlis[d.numeroPli] = siege;
    }
    poserCarteDansPli(d, siege, slot);

    if (siege == SUD) q.Carte3D[slot].visible = false;
    q.CarteTable[siege].carte = c;
    q.CarteTable[siege].visible = true;
}

void finDePli(Jeu& jeu) {
    Donne& d = jeu.donne;
    TfrmQuarvel& q = jeu.fen.frmQuarvel;

    jeu.connaissance.petitDansPli = false;
    compterFinDePli(d);

    const bool derniere = donneTerminee(d.phase);
    if (!derniere)
        q.info.caption = texte(jeu.textes, "Cliquez n'importe où pour continuer à jouer... !",
                               "Click anywhere to go on playing...");
    noterFinDePli(jeu);
    if (derniere) finDeDonne(jeu);

    if (jeu.continuerAuto && !derniere) jeu.minuteries.TimerTransition.demarrer(jeu.maintenant);
}

} // namespace quarvel
