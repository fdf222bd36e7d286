// The questions the rules ask about a seat's candidates and the trick on the table.
#include "donne/pli.h"
#include "ia/moteur.h"
#include "ia/partie_ia.h"
#include "ia/regles_outils.h"

namespace quarvel {

int plusPetiteCarteCouleur(const PartieIA& jeu, Siege s) {
    int meilleur = AUCUN_SLOT;
    for (int slot : SLOTS) {
        if (!estCandidat(jeu, s, slot)) continue;
        const Carte& c = carteMain(jeu, s, slot);
        if (c.couleur < PIQUE) continue;
        if (meilleur == AUCUN_SLOT || c.valeur < carteMain(jeu, s, meilleur).valeur)
            meilleur = slot;
    }
    return meilleur;
}

namespace {

// The candidate trump from 2 up with the lowest value among those that pass the filter.
template <class Filtre> int plusPetitAtoutSi(const PartieIA& jeu, Siege s, Filtre filtre) {
    int meilleur = AUCUN_SLOT;
    for (int slot : SLOTS) {
        if (!estCandidat(jeu, s, slot)) continue;
        const Carte& c = carteMain(jeu, s, slot);
        if (c.couleur != ATOUT || c.valeur < 2 || !filtre(c.valeur)) continue;
        if (meilleur == AUCUN_SLOT || c.valeur < carteMain(jeu, s, meilleur).valeur)
            meilleur = slot;
    }
    return meilleur;
}

} // namespace

int plusPetitAtout(const PartieIA& jeu, Siege s) {
    return plusPetitAtoutSi(jeu, s, [](int) { return true; });
}

int plusPetitAtoutImpair(const PartieIA& jeu, Siege s) {
    return plusPetitAtoutSi(jeu, s, [](int v) { return v >= 3 && v % 2 == 1; });
}

int plusPetitAtoutPair(const PartieIA& jeu, Siege s) {
    return plusPetitAtoutSi(jeu, s, [](int v) { return v % 2 == 0; });
}

int plusHauteHonneur(const PartieIA& jeu, Siege s) {
    int meilleur = AUCUN_SLOT;
    for (int slot : SLOTS) {
        if (!estCandidat(jeu, s, slot)) continue;
        const Carte& c = carteMain(jeu, s, slot);
        if (c.couleur < PIQUE || c.valeur <= 10) continue;
        if (meilleur == AUCUN_SLOT || c.valeur > carteMain(jeu, s, meilleur).valeur)
            meilleur = slot;
    }
    return meilleur;
}

int roiGarde(const PartieIA& jeu, Siege s, Couleur c) {
    int roi = AUCUN_SLOT;
    int dessous = 0;
    for (int slot : SLOTS) {
        if (!estCandidat(jeu, s, slot) || carteMain(jeu, s, slot).couleur != c) continue;
        if (carteMain(jeu, s, slot).valeur == ROI)
            roi = slot;
        else
            ++dessous;
    }
    return (roi != AUCUN_SLOT && dessous >= 2) ? roi : AUCUN_SLOT;
}

int petiteSousHonneur(const PartieIA& jeu, Siege s, Couleur c) {
    bool honneur = false;
    int nb = 0;
    int derniere = AUCUN_SLOT;
    for (int slot : SLOTS) {
        if (!estCandidat(jeu, s, slot) || carteMain(jeu, s, slot).couleur != c) continue;
        const int v = carteMain(jeu, s, slot).valeur;
        ++nb;
        if (v == DAME || v == ROI) honneur = true;
        if (v < 5) derniere = slot;
    }
    return (honneur && nb >= 5) ? derniere : AUCUN_SLOT;
}

int nbCartesCouleur(const PartieIA& jeu, Siege s, Couleur c) {
    int n = 0;
    for (int slot : SLOTS)
        if (carteMain(jeu, s, slot).couleur == c) ++n;
    return n;
}

int atoutsMaitresTenus(const PartieIA& jeu, Siege s) {
    const Connaissance& k = jeu.connaissance;
    const int haut = k.atoutMaitre[s];
    int n = 0;
    for (int v = haut; v >= 2; --v) {
        const int h = k.detenteurAtout[v];
        if (h == LIEU_JOUEE) continue;
        if (h != entier(s)) break;
        ++n;
    }
    return n;
}

bool honneurVoisin(const PartieIA& jeu, Siege s, Couleur c, int v) {
    switch (v) {
    case VALET:
        return tient(jeu, s, c, CAVALIER);
    case CAVALIER:
    case DAME:
        return tient(jeu, s, c, v - 1) || tient(jeu, s, c, v + 1);
    case ROI:
        return tient(jeu, s, c, DAME);
    default:
        return false;
    }
}

Siege gagnantActuel(const PartieIA& jeu, Siege s) {
    const Pli& pli = jeu.donne.pli;
    Siege w = pli.entame;
    Siege t = pli.entame;
    for (int i = 1; i < pli.nbCartesJouees; ++i) {
        t = siegeSuivant(t);
        if (t == s) break;
        if (prendLaMain(pli.cartes[t], pli.cartes[w])) w = t;
    }
    return w;
}

int carteQuiBat(const PartieIA& jeu, Siege s) {
    const Donne& d = jeu.donne;
    if (d.pli.nbCartesJouees == 0) return AUCUN_SLOT;
    const Siege w = gagnantActuel(jeu, s);
    if (s != d.preneur && w != d.preneur) return PARTENAIRE_GAGNE;
    const Carte& gagnante = d.pli.cartes[w];
    for (int slot = 18; slot >= 1; --slot)
        if (estCandidat(jeu, s, slot) && prendLaMain(carteMain(jeu, s, slot), gagnante))
            return slot;
    return AUCUN_SLOT;
}

bool joueApres(Siege s, Siege t, int position) {
    if (t == s) return false;
    switch (position) {
    case 1:
        return true;
    case 2:
        return t != siegePrecedent(s);
    case 3:
        return t == siegeSuivant(s);
    default:
        return false;
    }
}

int slotDe(const PartieIA& jeu, Siege s, Couleur couleur, int valeur) {
    const Carte cible{valeur, couleur, true};
    for (int slot : SLOTS) {
        const Carte& c = carteMain(jeu, s, slot);
        if (c.enMain && c == cible) return slot;
    }
    return AUCUN_SLOT;
}

} // namespace quarvel
