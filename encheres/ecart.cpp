#include "encheres/ecart.h"

#include "encheres/partie_encheres.h"

namespace quarvel {

bool ecartable(const Carte& c) {
    return c.couleur >= PIQUE && c.couleur <= CARREAU && c.valeur != ROI;
}

namespace {

void ecarter(EtatEcart& e, int position) {
    if (e.garderCarte[position] == 1 && e.nbEcartees < 6) {
        e.garderCarte[position] = 0;
        ++e.nbEcartees;
    }
}

bool dansRangee(const EtatEcart& e, Couleur couleur, int valeur) {
    for (const Carte& c : e.rangeeEcart)
        if (c.couleur == couleur && c.valeur == valeur) return true;
    return false;
}

int positionDe(const EtatEcart& e, Couleur couleur, int valeur) {
    for (int p = 1; p <= 24; ++p)
        if (e.rangeeEcart[p].couleur == couleur && e.rangeeEcart[p].valeur == valeur) return p;
    return 0;
}

void choisirEcartRangee(PartieEncheres& jeu);

// The row split into the new hand and the discard, in row order.
void ecrireEcart(PartieEncheres& jeu, std::uint32_t positions) {
    Donne& d = jeu.donne;
    EtatEcart& e = jeu.ecart;
    MainJoueur& main = d.mains[d.preneur];
    int slot = 0, k = 0;
    for (int p = 1; p <= 24; ++p) {
        Carte c = e.rangeeEcart[p];
        if ((positions >> p & 1u) && k < 6) {
            c.enMain = false;
            d.chien[++k] = c;
        } else if (slot < 18) {
            c.enMain = true;
            main[++slot] = c;
        }
    }
    calculerOrigineEcart(jeu);
}

} // namespace

void poserEcart(PartieEncheres& jeu, std::uint32_t positions) {
    ecrireEcart(jeu, positions);
}

namespace {

// The taker's hand and the dog merged in the order of the hand: f(p, card, source) for each
// position p of the row.
template <class F> void parcourirRangee(const Donne& d, F&& f) {
    const MainJoueur& main = d.mains[d.preneur];
    int h = 1, c = 1;
    for (int p = 1; p <= 24; ++p) {
        bool prendreMain;
        if (h > 18)
            prendreMain = false;
        else if (c > 6)
            prendreMain = true;
        else {
            const Carte& a = main[h];
            const Carte& b = d.chien[c];
            prendreMain = a.couleur < b.couleur || (a.couleur == b.couleur && a.valeur > b.valeur);
        }
        if (prendreMain) {
            f(p, main[h], h);
            ++h;
        } else {
            f(p, d.chien[c], 18 + c);
            ++c;
        }
    }
}

} // namespace

void fusionnerRangee(PartieEncheres& jeu) {
    EtatEcart& e = jeu.ecart;
    parcourirRangee(jeu.donne, [&e](int p, const Carte& c, int source) {
        e.rangeeEcart[p] = c;
        e.sourceRangee[p] = source;
    });
}

std::uint32_t positionsEcartables(const PartieEncheres& jeu) {
    std::uint32_t masque = 0;
    parcourirRangee(jeu.donne, [&masque](int p, const Carte& c, int) {
        if (ecartable(c)) masque |= 1u << p;
    });
    return masque;
}

void choisirEcartOrdinateur(PartieEncheres& jeu) {
    EtatEcart& e = jeu.ecart;
    // During the user's discard the count is his selection's: the choice must not eat it.
    const int selectionUtilisateur = e.nbEcartees;
    choisirEcartRangee(jeu);
    if (jeu.donne.phase == Phase::Ecart) e.nbEcartees = selectionUtilisateur;
}

namespace {

void choisirEcartRangee(PartieEncheres& jeu) {
    EtatEcart& e = jeu.ecart;
    fusionnerRangee(jeu);
    e.garderCarte.remplir(1);
    e.nbEcartees = 0;

    // Survey of the plain suits, from a random first one.
    Couleur courte = AUCUNE, longue = AUCUNE;
    int nbCourte = 99, nbLongue = -1;
    Couleur c = couleurNumero(jeu.alea(4));
    for (int k = 0; k < 4; ++k, c = couleurApres(c, 1)) {
        int nb = 0;
        for (const Carte& x : e.rangeeEcart)
            if (x.couleur == c && x.valeur != ROI) ++nb;
        const bool roi = dansRangee(e, c, ROI);
        const bool dameEtCavalier = dansRangee(e, c, DAME) && dansRangee(e, c, CAVALIER);
        if (nb >= 1 && !roi && !dameEtCavalier && nb < nbCourte) {
            courte = c;
            nbCourte = nb;
        }
        if (nb > nbLongue) {
            longue = c;
            nbLongue = nb;
        }
    }

    // Void the short suit, from its highest card down (the row is sorted).
    if (courte != AUCUNE)
        for (int p = 1; p <= 24 && e.nbEcartees < 6; ++p)
            if (e.rangeeEcart[p].couleur == courte) ecarter(e, p);

    int bouts = 0, atouts = 0;
    for (const Carte& x : e.rangeeEcart) {
        if (estBout(x)) ++bouts;
        if (estAtout(x)) ++atouts;
    }
    const bool excuse = dansRangee(e, ATOUT, EXCUSE);

    // A second suit to void, with a strong trump hand.
    Couleur seconde = AUCUNE;
    if (courte != AUCUNE && e.nbEcartees < 6 && ((atouts >= 8 && bouts >= 2) || atouts >= 9)) {
        c = couleurNumero(jeu.alea(4));
        for (int k = 0; k < 4; ++k, c = couleurApres(c, 1)) {
            if (c == courte) continue;
            int nb = 0;
            for (const Carte& x : e.rangeeEcart)
                if (x.couleur == c) ++nb;
            if (nb <= 6 - e.nbEcartees && !dansRangee(e, c, ROI)) {
                seconde = c;
                break;
            }
        }
    }
    if (seconde != AUCUNE)
        for (int p = 1; p <= 24 && e.nbEcartees < 6; ++p)
            if (e.rangeeEcart[p].couleur == seconde) ecarter(e, p);

    // Lone honours.
    c = couleurNumero(jeu.alea(4));
    for (int k = 0; k < 4 && e.nbEcartees < 6; ++k, c = couleurApres(c, 1)) {
        const bool roi = dansRangee(e, c, ROI), dame = dansRangee(e, c, DAME);
        const bool cavalier = dansRangee(e, c, CAVALIER), valet = dansRangee(e, c, VALET);
        const int nbHonneurs = roi + dame + cavalier + valet;
        if (nbHonneurs != 1) continue;
        int p = 0;
        if (dame) {
            p = positionDe(e, c, DAME);
            if (e.garderCarte[p] == 1 && !(excuse && jeu.alea(100) < 10)) ecarter(e, p);
        } else if (cavalier) {
            p = positionDe(e, c, CAVALIER);
            if (e.garderCarte[p] == 1 && jeu.alea(100) < 90) ecarter(e, p);
        } else if (valet) {
            p = positionDe(e, c, VALET);
            if (e.garderCarte[p] == 1 && jeu.alea(100) < 70) ecarter(e, p);
        }
    }

    // Random fill, sparing the long suit.
    if (e.nbEcartees < 6) {
        int p = jeu.alea(24);
        for (int k = 0; k < 24 && e.nbEcartees < 6; ++k) {
            const Carte& x = e.rangeeEcart[p];
            if (e.garderCarte[p] == 1 && ecartable(x) && x.couleur != longue) ecarter(e, p);
            p = p == 1 ? 24 : p - 1;
        }
    }
    // Last fill.
    for (int p = 24; p >= 1 && e.nbEcartees < 6; --p)
        if (e.garderCarte[p] == 1 && ecartable(e.rangeeEcart[p])) ecarter(e, p);
}

} // namespace

std::uint32_t ecartOrdinateur(PartieEncheres& jeu) {
    EtatEcart& e = jeu.ecart;
    if (e.ecartImpose) {
        fusionnerRangee(jeu);
        std::uint32_t imposees = 0;
        int n = 0;
        for (const Carte& c : e.cartesImposees)
            for (int p = 1; p <= 24; ++p)
                if (!(imposees >> p & 1u) && ecartable(c) &&
                    e.rangeeEcart[p].couleur == c.couleur && e.rangeeEcart[p].valeur == c.valeur) {
                    imposees |= 1u << p;
                    ++n;
                    break;
                }
        if (n == 6) return imposees;
    }
    choisirEcartRangee(jeu);
    std::uint32_t positions = 0;
    for (int p = 1; p <= 24; ++p)
        if (e.garderCarte[p] == 0) positions |= 1u << p;
    return positions;
}

void proposerEcart(PartieEncheres& jeu) {
    EtatEcart& e = jeu.ecart;
    for (int i = 1; i <= 24; ++i) e.hauteursRangee[i] = jeu.alea(3);
    fusionnerRangee(jeu);
    e.nbEcartees = 0;
    e.selectionMain.remplir(0);
    e.selectionChien.remplir(0);
}

void choisirCarteEcart(PartieEncheres& jeu, int position) {
    EtatEcart& e = jeu.ecart;
    if (jeu.donne.phase != Phase::Ecart || position < 1 || position > 24) return;
    if (!ecartable(e.rangeeEcart[position])) return;
    const int source = e.sourceRangee[position];
    int& choisie = source <= 18 ? e.selectionMain[source] : e.selectionChien[source - 18];
    if (choisie == 1) {
        choisie = 0;
        --e.nbEcartees;
    } else if (e.nbEcartees < 6) {
        choisie = 1;
        ++e.nbEcartees;
    }
}

void calculerOrigineEcart(PartieEncheres& jeu) {
    const Donne& d = jeu.donne;
    for (int i = 1; i <= 6; ++i) {
        const Carte& c = d.chien[i];
        int origine = -1;
        for (int j = 1; j <= 18 && origine < 0; ++j)
            if (d.mainsDonnees[d.preneur][j] == c) origine = j;
        for (int k = 1; k <= 6 && origine < 0; ++k)
            if (d.chienDonne[k] == c) origine = 18 + k;
        jeu.ecart.origineEcart[i] = origine;
    }
}

std::uint32_t selectionEcart(const PartieEncheres& jeu) {
    const EtatEcart& e = jeu.ecart;
    std::uint32_t positions = 0;
    for (int p = 1; p <= 24; ++p) {
        const int s = e.sourceRangee[p];
        if (s >= 1 && s <= 18 ? e.selectionMain[s] == 1
                              : s >= 19 && s <= 24 && e.selectionChien[s - 18] == 1)
            positions |= 1u << p;
    }
    return positions;
}

} // namespace quarvel
