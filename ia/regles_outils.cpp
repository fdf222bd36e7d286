#include "ia/regles_outils.h"

namespace quarvel {

int plisRestants(const PartieIA& jeu) {
    return 19 - jeu.donne.numeroPli;
}

const Carte& carteDe(const PartieIA& jeu, Siege siege) {
    return jeu.donne.pli.cartes[siege];
}

const Carte& carteEntame(const PartieIA& jeu, const ContexteDecision& c) {
    return carteDe(jeu, c.L);
}

bool preneurAJoue(const ContexteDecision& c) {
    return c.T != c.moi && !joueApres(c.moi, c.T, c.position);
}

bool preneurJoueApres(const ContexteDecision& c) {
    return joueApres(c.moi, c.T, c.position);
}

static int detenteur(const PartieIA& jeu, Couleur couleur, int valeur) {
    const Connaissance& k = jeu.connaissance;
    if (couleur == ATOUT) {
        if (valeur == EXCUSE) return k.detenteurExcuse;
        if (valeur == PETIT) return k.detenteurPetit;
        if (valeur >= 2 && valeur <= 21) return k.detenteurAtout[valeur];
        return LIEU_INCONNU;
    }
    if (estCouleurSimple(couleur) && valeur >= 1 && valeur <= 14)
        return k.detenteurCarte[couleur][valeur];
    return LIEU_INCONNU;
}

bool tient(const PartieIA& jeu, Siege siege, Couleur couleur, int valeur) {
    return detenteur(jeu, couleur, valeur) == entier(siege);
}

bool estJouee(const PartieIA& jeu, Couleur couleur, int valeur) {
    return detenteur(jeu, couleur, valeur) == LIEU_JOUEE;
}

bool tientMaitresse(const PartieIA& jeu, Siege siege, Couleur c) {
    int m = jeu.connaissance.carteMaitresse[c];
    return m >= 1 && tient(jeu, siege, c, m);
}

int cartesTenues(const PartieIA& jeu, Siege siege, Couleur c) {
    int n = 0;
    for (int v = 1; v <= 14; ++v)
        if (jeu.connaissance.detenteurCarte[c][v] == entier(siege)) ++n;
    return n;
}

int cartesAuChien(const PartieIA& jeu, Couleur c) {
    int n = 0;
    for (const Carte& carte : jeu.donne.chienDonne)
        if (carte.couleur == c) ++n;
    return n;
}

int nbDefenseursSansAtout(const PartieIA& jeu) {
    const Siege T = jeu.donne.preneur;
    int n = 0;
    for (Siege d : SIEGES)
        if (d != T && jeu.connaissance.sansAtout[T][d]) ++n;
    return n;
}

bool decider(PartieIA& jeu, const ContexteDecision& c, int slot) {
    if (!garderSeule(jeu, c.moi, slot)) return false;
    noterRegle(jeu, c.moi);
    return true;
}

bool garderCarte(PartieIA& jeu, const ContexteDecision& c, Couleur couleur, int valeur) {
    if (!tient(jeu, c.moi, couleur, valeur)) return false;
    return decider(jeu, c, slotDe(jeu, c.moi, couleur, valeur));
}

bool deciderPremier(PartieIA& jeu, const ContexteDecision& c, int a, int b, int d) {
    for (int slot : {a, b, d})
        if (slot != AUCUN_SLOT) return decider(jeu, c, slot);
    return false;
}

void signalAtout(PartieIA& jeu, const ContexteDecision& c) {
    Connaissance& kn = jeu.connaissance;
    int carte = AUCUN_SLOT;
    if (kn.atoutsDonnes[c.moi] >= 7) {
        carte = plusPetitAtoutImpair(jeu, c.moi);
        // Set even if the keep fails: the seat has chosen to signal.
        if (carte != AUCUN_SLOT) kn.signaleur = c.moi;
    } else {
        carte = plusPetitAtoutPair(jeu, c.moi);
        if (carte != AUCUN_SLOT && carteMain(jeu, c.moi, carte).valeur > 12) carte = AUCUN_SLOT;
    }
    if (carte != AUCUN_SLOT && decider(jeu, c, carte)) kn.signalAtout = true;
}

} // namespace quarvel
