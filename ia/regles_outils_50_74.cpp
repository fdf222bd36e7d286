#include "ia/regles_outils_50_74.h"

#include "ia/moteur.h"

namespace quarvel::outils74 {

const Carte& carteEntame(const Jeu& jeu, const ContexteDecision& c) {
    return jeu.donne.pli.cartes[c.L];
}

bool tient(const Jeu& jeu, int siege, int couleur, int valeur) {
    return jeu.connaissance.detenteurCarte[couleur][valeur] == siege;
}

bool tientAtout(const Jeu& jeu, int siege, int valeur) {
    const Connaissance& k = jeu.connaissance;
    if (valeur == EXCUSE) return k.detenteurExcuse == siege;
    if (valeur == PETIT) return k.detenteurPetit == siege;
    return k.detenteurAtout[valeur] == siege;
}

bool estJouee(const Jeu& jeu, int couleur, int valeur) {
    return jeu.connaissance.detenteurCarte[couleur][valeur] == LIEU_JOUEE;
}

int cartesTenues(const Jeu& jeu, int siege, int couleur) {
    int n = 0;
    for (int v = 1; v <= 14; ++v)
        if (tient(jeu, siege, couleur, v)) ++n;
    return n;
}

int cartesAuChien(const Jeu& jeu, int couleur) {
    int n = 0;
    for (const Carte& carte : jeu.donne.chienDonne)
        if (carte.couleur == couleur) ++n;
    return n;
}

bool estCandidat(const Jeu& jeu, int siege, int slot) {
    return slot >= 1 && slot <= 18 && jeu.donne.cartesJouables[siege][slot] == 1;
}

bool decider(Jeu& jeu, const ContexteDecision& c, int k, int slot) {
    if (!estCandidat(jeu, c.moi, slot) || !garderSeule(jeu, c.moi, slot)) return false;
    noterRegle(jeu, k, c.moi);
    return true;
}

bool garderCarte(Jeu& jeu, const ContexteDecision& c, int k, int couleur, int valeur) {
    if (!tient(jeu, c.moi, couleur, valeur)) return false;
    return decider(jeu, c, k, slotDe(jeu, c.moi, couleur, valeur));
}

bool deciderPremier(Jeu& jeu, const ContexteDecision& c, int k, int a, int b, int d) {
    for (int slot : {a, b, d})
        if (slot != -1) return decider(jeu, c, k, slot);
    return false;
}

void signalAtout(Jeu& jeu, const ContexteDecision& c, int k) {
    Connaissance& kn = jeu.connaissance;
    int carte = -1;
    if (kn.atoutsDonnes[c.moi] >= 7) {
        carte = plusPetitAtoutImpair(jeu, c.moi);
        // Set even if the keep fails: the seat has chosen to signal.
        if (carte != -1) kn.signaleur = c.moi;
    } else {
        carte = plusPetitAtoutPair(jeu, c.moi);
        if (carte != -1 && jeu.donne.mains[c.moi][carte].valeur > 12) carte = -1;
    }
    if (carte != -1 && decider(jeu, c, k, carte)) kn.signalAtout = true;
}

} // namespace quarvel::outils74
