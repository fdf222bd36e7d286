#include "ia/connaissance.h"

#include "ia/partie_ia.h"

#include <bit>

namespace quarvel {

namespace {

int& lieu(Connaissance& k, Siege o, const Carte& c) {
    return c.couleur == ATOUT ? k.lieuAtout[o][c.valeur] : k.lieuCarte[o][c.couleur][c.valeur];
}

constexpr std::uint64_t TOUTES_CARTES = (std::uint64_t{1} << 56) - 1;
constexpr std::uint32_t TOUS_ATOUTS = (1u << 22) - 1;
constexpr unsigned UNE_COULEUR = (1u << 14) - 1;

// o has located card c, which it had not.
void localiser(Connaissance& k, Siege o, const Carte& c) {
    if (c.couleur == ATOUT)
        k.atoutsInconnus[o] &= ~(1u << c.valeur);
    else
        k.cartesInconnues[o] &= ~(std::uint64_t{1} << bitCarte(c.couleur, c.valeur));
}

// Card c joins o's cards gone, or leaves them.
void basculerPartie(Connaissance& k, Siege o, const Carte& c) {
    if (c.couleur == ATOUT)
        k.atoutsPartis[o] ^= 1u << c.valeur;
    else
        k.cartesParties[o] ^= std::uint64_t{1} << bitCarte(c.couleur, c.valeur);
}

// o no longer thinks seat h may hold card c.
void exclure(Connaissance& k, Siege o, Siege h, const Carte& c) {
    if (c.couleur == ATOUT)
        k.atoutsPossibles[o][h] &= ~(1u << c.valeur);
    else
        k.cartesPossibles[o][h] &= ~(std::uint64_t{1} << bitCarte(c.couleur, c.valeur));
}

// lieu: a seat's number, 0 for the dog, LIEU_JOUEE once played.
void noterDetenteur(Connaissance& k, const Carte& c, int lieu, int slot) {
    if (c.couleur >= PIQUE) {
        k.detenteurCarte[c.couleur][c.valeur] = lieu;
        k.slotCarte[c.couleur][c.valeur] = slot;
    } else if (c.valeur >= 2) {
        k.detenteurAtout[c.valeur] = lieu;
        k.slotAtout[c.valeur] = slot;
    } else if (c.valeur == PETIT) {
        k.detenteurPetit = lieu;
        k.slotPetit = slot;
    } else {
        k.detenteurExcuse = lieu;
        k.slotExcuse = slot;
    }
}

// The seat's long suit: a random suit first, then a later suit only when strictly longer.
Couleur couleurLaPlusLongue(PartieIA& jeu, Siege s) {
    const auto& n = jeu.connaissance.cartesDonnees[s];
    const Couleur r = couleurNumero(jeu.alea(4));
    Couleur choix = r;
    for (int i = 1; i <= 3; ++i) {
        const Couleur c = couleurApres(r, i);
        if (n[c] > n[choix]) choix = c;
    }
    return choix;
}

// Whether the taker's hand is strong enough to draw trumps early (the taker is not SUD).
bool calculerMainForte(const PartieIA& jeu) {
    const Donne& d = jeu.donne;
    const Connaissance& k = jeu.connaissance;
    const Siege t = d.preneur;
    if (t == SUD || t == Siege::Aucun) return false;
    const int atouts = k.atoutsDonnes[t];
    if (k.detenteurPetit == entier(t) || atouts < 8) return false;
    const MainJoueur& main = d.mains[t];
    int a = 0;
    for (int slot = 1; slot <= 8; ++slot) {
        const Carte& c = main[slot];
        if (!estAtout(c)) continue;
        a += c.valeur == 21 ? 5 : (c.valeur >= 15 ? 2 : 1);
    }
    if (atouts > 8) a += 2 * (atouts - 8);
    int b = 0;
    for (int slot : SLOTS)
        if (estBout(main[slot])) ++b;
    const Couleur u = k.couleurLongue[t];
    const int l = k.cartesDonnees[t][u];
    int h = l >= 6 ? l - 5 : 0;
    for (int slot : SLOTS) {
        const Carte& c = main[slot];
        if (c.couleur != u) continue;
        if (c.valeur == VALET) h += 1;
        if (c.valeur == CAVALIER) h += 2;
        if (c.valeur == DAME) h += 3;
        if (c.valeur == ROI) h += 5;
    }
    if (a < 11) return false;
    return (b <= 1 && h >= 6) || (b == 2 && h >= 9) || atouts >= 10;
}

void recompterAutres(Connaissance& k) {
    for (Siege o : SIEGES) {
        for (Couleur c : COULEURS) {
            int n = 14;
            for (int v = 1; v <= 14; ++v) {
                const int l = k.lieuCarte[o][c][v];
                if (l == LIEU_JOUEE || l == LIEU_ECART || l == entier(o)) --n;
            }
            k.cartesAutres[o][c] = n;
        }
        int n = 21;
        for (int v = 1; v <= 21; ++v) {
            const int l = k.lieuAtout[o][v];
            if (l == LIEU_JOUEE || l == LIEU_ECART || l == entier(o)) --n;
        }
        k.atoutsAutres[o] = n;
    }
}

// The highest card not gone, from the sets of cards gone: bit v - 1 of a suit, bit v of the
// trumps from the Petit up.
void recalculerMaitres(Connaissance& k) {
    for (Couleur c : COULEURS) {
        const unsigned restantes =
            ~static_cast<unsigned>(k.cartesParties[SUD] >> bitCarte(c, 1)) & UNE_COULEUR;
        k.carteMaitresse[c] = restantes != 0 ? std::bit_width(restantes) : -1;
    }
    for (Siege s : SIEGES) {
        const unsigned restants = ~k.atoutsPartis[s] & TOUS_ATOUTS & ~1u;
        k.atoutMaitre[s] = restants != 0 ? std::bit_width(restants) - 1 : -1;
    }
}

// Where o places a card from now on, keeping o's counts of cards gone and of cards out in step.
void placer(Connaissance& k, Siege o, const Carte& c, int nouveau) {
    int& l = lieu(k, o, c);
    const bool avant = l == LIEU_JOUEE || l == LIEU_ECART || l == entier(o);
    const bool apres = nouveau == LIEU_JOUEE || nouveau == LIEU_ECART || nouveau == entier(o);
    if (l == LIEU_JOUEE) --k.nbPartis[o];
    if (nouveau == LIEU_JOUEE) ++k.nbPartis[o];
    if ((l == LIEU_JOUEE) != (nouveau == LIEU_JOUEE)) basculerPartie(k, o, c);
    if (avant != apres) {
        const int d = apres ? -1 : 1;
        if (c.couleur >= PIQUE)
            k.cartesAutres[o][c.couleur] += d;
        else if (c.valeur >= 1)
            k.atoutsAutres[o] += d;
    }
    l = nouveau;
}

// The cards of a set, all of them cards o has not located: each placed at the only other seat that
// can still hold it (once o knows the discard), or in the discard when none can. Bit i of the sets
// stands for carteDe(i); `possibles` are the sets each seat may hold. A card's place hangs on its
// own entries alone, so the order the cards are taken in makes no difference.
template <class CarteDe>
void deduire(Connaissance& k, Siege o, unsigned cartes, const Tableau<unsigned, 4>& possibles,
             CarteDe carteDe) {
    unsigned unAuMoins = 0, deuxAuMoins = 0; // the cards one other seat may hold, or two
    for (Siege h : SIEGES) {
        if (h == o) continue;
        deuxAuMoins |= unAuMoins & possibles[h];
        unAuMoins |= possibles[h];
    }
    for (unsigned e = cartes & ~unAuMoins; e != 0; e &= e - 1) {
        const Carte c = carteDe(std::countr_zero(e));
        placer(k, o, c, LIEU_ECART);
        localiser(k, o, c);
    }
    if (!k.ecartConnu[o]) return;
    for (unsigned e = cartes & unAuMoins & ~deuxAuMoins; e != 0; e &= e - 1) {
        const int i = std::countr_zero(e);
        const Carte c = carteDe(i);
        for (Siege h : SIEGES)
            if (h != o && (possibles[h] >> i & 1u) != 0) placer(k, o, c, entier(h));
        localiser(k, o, c);
    }
}

void deduireCouleur(Connaissance& k, Siege o, Couleur c) {
    const int base = bitCarte(c, 1);
    Tableau<unsigned, 4> p;
    for (Siege h : SIEGES)
        p[h] = static_cast<unsigned>(k.cartesPossibles[o][h] >> base) & UNE_COULEUR;
    const unsigned inconnues = static_cast<unsigned>(k.cartesInconnues[o] >> base) & UNE_COULEUR;
    deduire(k, o, inconnues, p, [c](int i) { return Carte{i + 1, c, false}; });
}

// The trumps from v up to 21 (the Excuse with them when v is 0).
void deduireAtouts(Connaissance& k, Siege o, int v) {
    Tableau<unsigned, 4> p;
    for (Siege h : SIEGES) p[h] = k.atoutsPossibles[o][h];
    deduire(k, o, k.atoutsInconnus[o] & ~((1u << v) - 1), p, [](int i) {
        return Carte{i, ATOUT, false};
    });
}

// What the last card taught: the cards whose possible holders changed. The inference gives the
// same result for a card whose possible holders and ecartConnu have not moved, so only those
// cards are looked at again (every card after the first card of the deal, or once o learns
// the discard).
struct Changement {
    Couleur couleurVide = AUCUNE; // every card of this plain suit
    int atoutsAuDessus = 0;       // trumps from this value up to 21, 0 none
};

void inferer(Connaissance& k, const Changement& ch) {
    const bool premiere = k.nbCartesJouees == 1;
    for (Siege o : SIEGES) {
        bool tout = premiere;
        if (!k.ecartConnu[o] && k.nbPartis[o] == 6) {
            k.ecartConnu[o] = true;
            tout = true;
        }
        if (tout) {
            for (Couleur c : COULEURS) deduireCouleur(k, o, c);
            deduireAtouts(k, o, 0);
            continue;
        }
        if (estCouleurSimple(ch.couleurVide)) deduireCouleur(k, o, ch.couleurVide);
        if (ch.atoutsAuDessus >= 1) deduireAtouts(k, o, ch.atoutsAuDessus);
    }
}

} // namespace

void initialiserConnaissance(PartieIA& jeu) {
    Connaissance& k = jeu.connaissance;
    const Donne& d = jeu.donne;
    const Couleur derniere = k.derniereEntamePreneur;
    k = Connaissance{};
    k.derniereEntamePreneur = derniere;
    k.graineInitiale = jeu.alea.graine;
    jeu.moteur.nbReglesDeclenchees = 0;
    for (auto& pli : jeu.moteur.grainesCartes) pli.remplir(0);

    const Siege t = d.preneur;
    const bool retourne = chienRetourne(d);

    // Holders, and what each seat was dealt.
    for (Siege s : SIEGES)
        for (int slot : SLOTS) {
            const Carte& c = d.mains[s][slot];
            noterDetenteur(k, c, entier(s), slot);
            if (estAtout(c)) ++k.atoutsDonnes[s];
            if (c.couleur >= PIQUE) ++k.cartesDonnees[s][c.couleur];
        }
    for (int i = 1; i <= 6; ++i) noterDetenteur(k, d.chien[i], 0, 0);

    for (Couleur c : COULEURS) {
        k.etatCouleur[c] = 1;
        k.carteMaitresse[c] = 14;
        k.entamesPreneur[c] = AUCUNE;
    }
    for (Siege s : SIEGES) {
        k.pasEncoreEntame[s] = true;
        k.atoutsEnMain[s] = k.atoutsDonnes[s];
        k.atoutsDehors[s] = 21 - k.atoutsDonnes[s];
        for (Couleur c : COULEURS) {
            k.cartesEnMain[s][c] = k.cartesDonnees[s][c];
            k.cartesDehors[s][c] = 14 - k.cartesDonnees[s][c];
            k.couleurCoupee[s][s][c] = k.cartesDonnees[s][c] == 0;
        }
        k.sansAtout[s][s] = k.atoutsDonnes[s] == 0;
    }
    if (retourne && t != Siege::Aucun)
        for (int i = 1; i <= 6; ++i)
            if (d.chien[i].couleur >= PIQUE) --k.cartesDehors[t][d.chien[i].couleur];

    for (Siege s : SIEGES) k.couleurLongue[s] = couleurLaPlusLongue(jeu, s);

    if (t != Siege::Aucun) {
        for (Couleur c : COULEURS)
            k.roiSec[c] = k.detenteurCarte[c][ROI] == entier(t) && k.cartesDonnees[t][c] == 1;
    }
    if (retourne) {
        k.atoutsAuChien = 0;
        for (int i = 1; i <= 6; ++i) {
            const Carte& c = d.chienDonne[i];
            if (estAtout(c)) ++k.atoutsAuChien;
            if (c.couleur >= PIQUE && c.valeur == ROI) k.roiAuChien[c.couleur] = true;
        }
    }

    // Locations: each observer knows its own hand.
    // A card leaves the unknown ones as its place is set: no place goes back to unknown here.
    for (Siege o : SIEGES) {
        for (auto& couleur : k.lieuCarte[o]) couleur.remplir(LIEU_INCONNU);
        k.lieuAtout[o].remplir(LIEU_INCONNU);
        k.cartesInconnues[o] = TOUTES_CARTES;
        k.atoutsInconnus[o] = TOUS_ATOUTS;
        for (Siege h : SIEGES) {
            k.cartesPossibles[o][h] = TOUTES_CARTES;
            k.atoutsPossibles[o][h] = TOUS_ATOUTS;
        }
        for (int slot : SLOTS) {
            const Carte& c = d.mains[o][slot];
            lieu(k, o, c) = entier(o);
            localiser(k, o, c);
            for (Siege h : SIEGES)
                if (h != o) exclure(k, o, h, c);
        }
    }
    if (retourne && t != Siege::Aucun) {
        k.ecartConnu[t] = true;
        for (int i = 1; i <= 6; ++i) {
            const Carte& c = d.chien[i];
            if (lieu(k, t, c) != LIEU_JOUEE) {
                ++k.nbPartis[t];
                basculerPartie(k, t, c);
            }
            lieu(k, t, c) = LIEU_JOUEE;
            localiser(k, t, c);
            for (Siege h : SIEGES)
                if (h != t) exclure(k, t, h, c);
        }
        // The dog went into the taker's hand or his discard.
        for (Siege o : SIEGES) {
            if (o == t) continue;
            for (int i = 1; i <= 6; ++i)
                for (Siege h : SIEGES)
                    if (h != t) exclure(k, o, h, d.chienDonne[i]);
        }
    }

    recalculerMaitres(k);
    for (Couleur c : COULEURS) k.carteMaitresse[c] = 14;
    k.mainForte = calculerMainForte(jeu);
    recompterAutres(k);
}

void noterCarteJouee(PartieIA& jeu, Siege siege, int slot) {
    Connaissance& k = jeu.connaissance;
    const Donne& d = jeu.donne;
    const Pli& pli = d.pli;
    const Carte c = d.mains[siege][slot];
    const RaisonJouable r = d.raisonsJouables[siege][slot];
    const Siege t = d.preneur;
    const bool entame = pli.nbCartesJouees == 0;
    const bool premiereEntame = entame && k.pasEncoreEntame[siege];
    const bool plain = c.couleur >= PIQUE;
    const bool atout = estAtout(c);
    ++k.nbCartesJouees;

    // Common facts.
    noterDetenteur(k, c, LIEU_JOUEE, LIEU_JOUEE);
    if (atout) ++k.atoutsJoues;
    if (plain && k.etatCouleur[c.couleur] == 1) k.etatCouleur[c.couleur] = 2;
    if (estPetit(c)) k.petitDansPli = true;
    if (plain && c.valeur == ROI) k.roiSec[c.couleur] = false;
    if (siege == t && plain) k.couleursJoueesPreneur[c.couleur] = true;
    if (siege == t && entame && plain) {
        if (!k.couleurEntameePreneur[c.couleur]) {
            k.couleurEntameePreneur[c.couleur] = true;
            ++k.nbEntamesPreneur;
        }
        k.entamesPreneur[k.nbEntamesPreneur] = c.couleur;
    }
    if (siege == t && entame) k.derniereEntamePreneur = plain ? c.couleur : ATOUT;
    if (siege == t && plain && r.code == Raison::Libre) {
        if (k.entamePreneur1 == AUCUNE)
            k.entamePreneur1 = c.couleur;
        else if (k.entamePreneur2 == AUCUNE)
            k.entamePreneur2 = c.couleur;
    }
    if (entame) k.pasEncoreEntame[siege] = false;
    if (premiereEntame && siege != t && atout && c.valeur % 2 == 1) {
        k.signaleur = siege;
        k.signalAtout = true;
    }
    if (estPetit(c)) k.signalAtout = false;
    if (siege == t && estPetit(c) && r.code == Raison::Coupe) k.preneurCoupeDuPetit = 0;
    if (entame && atout && jeu.reglages.niveau >= 3) k.preneurCoupeDuPetit = -1;
    if (siege != t && t != Siege::Aucun && !entame && pli.entame == t) {
        const Couleur u = k.couleurLongue[t];
        const Carte& menee = pli.cartes[t];
        if (c.couleur == u && c.valeur == CAVALIER && menee.couleur == u && menee.valeur == ROI)
            k.cavalierSousRoi = true;
    }
    if (siege != t && t != Siege::Aucun && r.code == Raison::Coupe && !entame &&
        pli.couleurDemandee == k.couleurLongue[t])
        k.defenseCoupeLongue = true;
    if (estPetit(c)) k.ecartAtoutsSuspect = false;

    // Per seat.
    if (atout) {
        --k.atoutsEnMain[siege];
        for (Siege s : SIEGES)
            if (s != siege) --k.atoutsDehors[s];
        if (k.atoutsEnMain[siege] == 0) k.sansAtout[siege][siege] = true;
    }
    if (plain) {
        --k.cartesEnMain[siege][c.couleur];
        for (Siege s : SIEGES)
            if (s != siege) --k.cartesDehors[s][c.couleur];
        if (k.cartesEnMain[siege][c.couleur] == 0) k.couleurCoupee[siege][siege][c.couleur] = true;
    }

    // What everyone learns from the reason the card could be played.
    const bool couleurAsked = r.couleur >= PIQUE && r.couleur <= CARREAU;
    if ((r.code == Raison::Coupe || r.code == Raison::Defausse) && couleurAsked)
        for (Siege o : SIEGES) k.couleurCoupee[o][siege][r.couleur] = true;
    if (r.code == Raison::Defausse || r.code == Raison::SansAtout)
        for (Siege o : SIEGES) k.sansAtout[o][siege] = true;

    // A trump well under the one before it, or far above it, on a trump lead.
    if (atout && !entame) {
        const Carte& menee = pli.cartes[pli.entame];
        const Carte& avant = pli.cartes[siegePrecedent(siege)];
        if (estAtout(menee) && estAtout(avant)) {
            const int p = avant.valeur;
            const int v = c.valeur;
            if ((p > v && p - v <= 6) || (p < v && v - p >= 6)) k.ecartAtoutsSuspect = true;
        }
    }

    // Locations.
    Changement ch;
    if ((r.code == Raison::Coupe || r.code == Raison::Defausse) && couleurAsked)
        ch.couleurVide = r.couleur;
    if (r.code == Raison::SousCoupe) ch.atoutsAuDessus = r.valeur + 1 < 1 ? 1 : r.valeur + 1;
    if (r.code == Raison::Defausse || r.code == Raison::SansAtout) ch.atoutsAuDessus = 1;
    if (ch.atoutsAuDessus > 21) ch.atoutsAuDessus = 0;
    for (Siege o : SIEGES) {
        placer(k, o, c, LIEU_JOUEE);
        localiser(k, o, c);
        for (Siege h : SIEGES) exclure(k, o, h, c);
        if (estCouleurSimple(ch.couleurVide))
            k.cartesPossibles[o][siege] &=
                ~(std::uint64_t{UNE_COULEUR} << bitCarte(ch.couleurVide, 1));
        if (ch.atoutsAuDessus >= 1) k.atoutsPossibles[o][siege] &= (1u << ch.atoutsAuDessus) - 1;
    }

    inferer(k, ch);
}

void noterFinDePli(PartieIA& jeu) {
    Connaissance& k = jeu.connaissance;
    for (Couleur c : COULEURS)
        if (k.etatCouleur[c] == 2) k.etatCouleur[c] = 0;
    k.petitDansPli = false;
    if (k.nbCartesJouees >= 72) return; // the deal is over: nothing left to show
    recalculerMaitres(k);
}

} // namespace quarvel
