#include "partie/poser.h"

#include "donne/pli.h"
#include "ia/connaissance.h"
#include "partie/partie.h"
#include "scores/fin_donne.h"

#include <string>

namespace quarvel {

void poserCarte(Partie& jeu, Siege siege, int slot) {
    Donne& d = jeu.donne;

    noterCarteJouee(jeu, siege, slot);
    if (d.numeroPli >= 1 && d.numeroPli <= 18) {
        d.slotsJoues[siege][d.numeroPli] = slot;
        if (siege == d.pli.entame) d.entamesPlis[d.numeroPli] = siege;
    }
    poserCarteDansPli(d, siege, slot);
}

void finDePli(Partie& jeu) {
    Donne& d = jeu.donne;

    jeu.connaissance.petitDansPli = false;
    compterFinDePli(d);

    const bool derniere = donneTerminee(d.phase);
    noterFinDePli(jeu);
    if (derniere) finDeDonne(jeu);

    if (jeu.continuerAuto && !derniere) jeu.minuteries.TimerTransition.demarrer(jeu.maintenant);
}

} // namespace quarvel
