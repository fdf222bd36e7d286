#include "ia/moteur.h"
#include "ia/partie_ia.h"
#include "ia/regles.h"
#include "ia/regles_outils.h"

// The Petit, the Excuse, the taker's first leads.

namespace quarvel {

// Every trump left is in my hand and will make a trick: keep the Petit for the last one.
void regle25(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (k.atoutsEnMain[c.moi] + k.atoutsJoues == 21 && plisRestants(jeu) == k.atoutsEnMain[c.moi] &&
        tient(jeu, c.moi, ATOUT, PETIT))
        retirerCarte(jeu, c.moi, ATOUT, PETIT);
}

// The taker whose opponents have no trump left keeps the Petit for the end.
void regle26(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (c.moi == c.T && k.sansAtout[c.T][c.D1] && k.sansAtout[c.T][c.D2] &&
        k.sansAtout[c.T][c.D3] && tient(jeu, c.moi, ATOUT, PETIT))
        retirerCarte(jeu, c.moi, ATOUT, PETIT);
}

// The Petit can win this trick and nobody after me can catch it: play it.
void regle27(PartieIA& jeu, const ContexteDecision& c) {
    if (!tient(jeu, c.moi, ATOUT, PETIT) || c.B == AUCUN_SLOT) return;
    bool sur = (c.moi == c.T && c.position == 4) || (c.moi == c.D1 && !jEntame(c)) ||
               (c.moi == c.D2 && (c.position == 3 || c.position == 4)) ||
               (c.moi == c.D3 && c.position == 4);
    if (sur) garderCarte(jeu, c, ATOUT, PETIT);
}

// A defender leads his master trump to hunt the taker's Petit.
void regle28(PartieIA& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !jEntame(c)) return;
    if (estJouee(jeu, ATOUT, PETIT) || tient(jeu, c.moi, ATOUT, PETIT)) return;
    int maitre = jeu.connaissance.atoutMaitre[c.moi];
    if (maitre >= 2 && tient(jeu, c.moi, ATOUT, maitre)) garderCarte(jeu, c, ATOUT, maitre);
}

// A partner has put down the master trump: save the Petit under it.
void regle29(PartieIA& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !tient(jeu, c.moi, ATOUT, PETIT)) return;
    int maitre = jeu.connaissance.atoutMaitre[c.moi];
    if (maitre < 3) return;
    for (Siege d : {c.D1, c.D2, c.D3}) {
        const Carte& x = carteDe(jeu, d);
        if (estAtout(x) && x.valeur == maitre) {
            garderCarte(jeu, c, ATOUT, PETIT);
            return;
        }
    }
}

// A defender short of trumps with the Petit plays his big trumps while they can win.
void regle30(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!estDefenseur(c) || !tient(jeu, c.moi, ATOUT, PETIT) || jEntame(c)) return;
    if (k.atoutsDonnes[c.moi] < 7 && k.atoutsEnMain[c.moi] > 1)
        decider(jeu, c, premierCandidat(jeu, c.moi, [](const Carte& x) {
                    return x.couleur == ATOUT && x.valeur >= 10;
                }));
}

// The taker, short of trumps and void in a suit opened now, ruffs its first round with the Petit.
void regle31(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (c.moi != c.T || jEntame(c) || !tient(jeu, c.moi, ATOUT, PETIT)) return;
    if (k.atoutsDonnes[c.T] > 8) return;
    Couleur s = carteEntame(jeu, c).couleur;
    if (estCouleurSimple(s) && k.etatCouleur[s] == 2 && k.cartesDonnees[c.T][s] == 0)
        garderCarte(jeu, c, ATOUT, PETIT);
}

// A defender with the Petit plays his highest trump, to keep the Petit protected.
void regle32(PartieIA& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !tient(jeu, c.moi, ATOUT, PETIT)) return;
    if (c.L == c.T && jeu.connaissance.atoutsDonnes[c.moi] >= 6) return;
    for (int slot : SLOTS) {
        const Carte& x = carteMain(jeu, c.moi, slot);
        if (x.couleur == ATOUT && x.valeur >= 2) {
            decider(jeu, c, slot);
            return;
        }
    }
}

// Just before the taker, a defender keeps the Excuse.
void regle33(PartieIA& jeu, const ContexteDecision& c) {
    if (estDefenseur(c) && tient(jeu, c.moi, ATOUT, EXCUSE) && siegeSuivant(c.moi) == c.T &&
        c.position <= 3)
        retirerCarte(jeu, c.moi, ATOUT, EXCUSE);
}

// The taker led the Excuse: open a suit he cannot follow.
void regle34(PartieIA& jeu, const ContexteDecision& c) {
    if (c.L != c.T || !estExcuse(carteDe(jeu, c.T))) return;
    const auto& coupee = jeu.connaissance.couleurCoupee[c.moi][c.T];
    Couleur s = premiereCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur t) { return coupee[t]; });
    if (s != AUCUNE)
        decider(jeu, c,
                premierCandidat(jeu, c.moi, [s](const Carte& x) { return x.couleur == s; }));
}

// Do not lead the Excuse into the taker.
void regle35(PartieIA& jeu, const ContexteDecision& c) {
    if (jEntame(c) && tient(jeu, c.moi, ATOUT, EXCUSE) &&
        (c.moi == c.T || siegeSuivant(c.moi) == c.T))
        retirerCarte(jeu, c.moi, ATOUT, EXCUSE);
}

// The Petit is safe: the taker saves a trump by playing the Excuse on a trump lead.
void regle36(PartieIA& jeu, const ContexteDecision& c) {
    if (c.moi != c.T || !tient(jeu, c.moi, ATOUT, EXCUSE) || jEntame(c)) return;
    if (!tient(jeu, c.moi, ATOUT, PETIT) && !estJouee(jeu, ATOUT, PETIT)) return;
    if (estAtout(carteEntame(jeu, c))) garderCarte(jeu, c, ATOUT, EXCUSE);
}

// I cannot win the trick: play the Excuse (a defender only sometimes, and late).
void regle37(PartieIA& jeu, const ContexteDecision& c) {
    if (!tient(jeu, c.moi, ATOUT, EXCUSE) || jEntame(c) || c.B != AUCUN_SLOT) return;
    if (c.moi == c.T || (tirage(jeu, 40) && jeu.donne.numeroPli >= 9))
        garderCarte(jeu, c, ATOUT, EXCUSE);
}

// The taker has no trump (or none is out): lead a suit he cannot follow, else a master card.
void regle38(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!estDefenseur(c) || !jEntame(c)) return;
    if (k.atoutsDehors[c.moi] != 0 && !k.sansAtout[c.moi][c.T]) return;
    const auto& coupee = k.couleurCoupee[c.moi][c.T];
    Couleur s = premiereCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur t) { return coupee[t]; });
    if (s != AUCUNE && k.cartesEnMain[c.moi][s] >= 1) {
        retirerSi(jeu, c.moi, [s](const Carte& x) { return x.couleur != s; });
        return;
    }
    s = premiereCouleurAuHasard(jeu, Depart::ApresTiree,
                                [&](Couleur t) { return tientMaitresse(jeu, c.moi, t); });
    if (s != AUCUNE) {
        garderCarte(jeu, c, s, k.carteMaitresse[s]);
        return;
    }
    if (tirage(jeu, 95)) retirerCouleur(jeu, c.moi, ATOUT);
}

// The taker has ruffed with the Petit: lead trumps to bleed him.
void regle39(PartieIA& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !jEntame(c) || jeu.connaissance.preneurCoupeDuPetit != 0) return;
    if (!tirage(jeu, 80)) return;
    if (premierCandidat(jeu, c.moi, estAtout) != AUCUN_SLOT)
        retirerSi(jeu, c.moi, [](const Carte& x) { return !estAtout(x); });
}

// A partner signalled trumps: return a small one.
void regle40(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (estDefenseur(c) && jEntame(c) && k.signaleur != Siege::Aucun &&
        !tient(jeu, c.moi, ATOUT, PETIT) && !k.ecartAtoutsSuspect && k.signalAtout)
        decider(jeu, c, plusPetitAtout(jeu, c.moi));
}

// A defender does not lead back the suit the taker just opened.
void regle41(PartieIA& jeu, const ContexteDecision& c) {
    const Couleur s = jeu.connaissance.derniereEntamePreneur;
    if (estDefenseur(c) && jEntame(c) && estCouleurSimple(s)) retirerCouleur(jeu, c.moi, s);
}

// A long-trump taker with the Petit and a good long suit starts with a middle trump.
void regle42(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (c.moi != c.T || k.atoutsDonnes[c.T] < 9 || jeu.donne.boutsPreneur > 1 ||
        !k.pasEncoreEntame[c.T] || !tient(jeu, c.moi, ATOUT, PETIT))
        return;
    Couleur u = k.couleurLongue[c.T];
    int nb = 0;
    for (int slot : SLOTS)
        if (estCandidat(jeu, c.moi, slot) && carteMain(jeu, c.moi, slot).couleur == u) ++nb;
    bool honneurs = k.lieuCarte[c.moi][u][ROI] == entier(c.moi) ||
                    (k.lieuCarte[c.moi][u][DAME] == entier(c.moi) &&
                     k.lieuCarte[c.moi][u][CAVALIER] == entier(c.moi));
    if (nb < 5 || !honneurs || k.atoutsEnMain[c.moi] < 7) return;
    int vus = 0;
    for (int slot : SLOTS)
        if (estAtout(carteMain(jeu, c.moi, slot)) && ++vus == 6) {
            decider(jeu, c, slot);
            return;
        }
}

// A taker with a long suit headed by the Roi leads his singleton to ruff it later.
void regle43(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (c.moi != c.T || !jEntame(c) || !k.pasEncoreEntame[c.T]) return;
    Couleur u = k.couleurLongue[c.T];
    if (k.cartesDonnees[c.T][u] < 5 || k.lieuCarte[c.T][u][ROI] != entier(c.T)) return;
    Couleur s = premiereCouleurAuHasard(jeu, Depart::Tiree,
                                        [&](Couleur t) { return k.cartesDonnees[c.T][t] == 1; });
    if (s == AUCUNE) return;
    int seuil = 6 + jeu.alea(2);
    if (seuil > k.atoutsDonnes[c.T]) return;
    for (int slot : SLOTS) {
        const Carte& x = carteMain(jeu, c.moi, slot);
        if (x.couleur == s && x.valeur <= 10) {
            decider(jeu, c, slot);
            return;
        }
    }
}

// Second to play and void, the taker ruffs high while an honour of the suit is still out.
void regle44(PartieIA& jeu, const ContexteDecision& c) {
    if (!tirage(jeu, 60)) return;
    const Connaissance& k = jeu.connaissance;
    if (c.moi != c.T || c.position != 2 || (k.sansAtout[c.T][c.D1] && k.sansAtout[c.T][c.D2]))
        return;
    Couleur s = carteEntame(jeu, c).couleur;
    if (!estCouleurSimple(s) || k.cartesEnMain[c.T][s] != 0 || k.cartesAutres[c.T][s] >= 5) return;
    bool honneurDehors =
        k.lieuCarte[c.T][s][DAME] != LIEU_JOUEE || k.lieuCarte[c.T][s][ROI] != LIEU_JOUEE;
    if (honneurDehors && !k.sansAtout[c.T][c.T])
        decider(jeu, c,
                premierCandidat(jeu, c.moi, [](const Carte& x) { return x.couleur == ATOUT; }));
}

// Do not lead a Dame while the Roi is out.
void regle45(PartieIA& jeu, const ContexteDecision& c) {
    if (!jEntame(c)) return;
    pourChaqueCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur s) {
        if (tient(jeu, c.moi, s, DAME) && !estJouee(jeu, s, ROI)) retirerCarte(jeu, c.moi, s, DAME);
    });
}

// Do not lead a Cavalier while the Dame is out.
void regle46(PartieIA& jeu, const ContexteDecision& c) {
    if (!jEntame(c)) return;
    pourChaqueCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur s) {
        if (tient(jeu, c.moi, s, CAVALIER) && !estJouee(jeu, s, DAME))
            retirerCarte(jeu, c.moi, s, CAVALIER);
    });
}

// Meant to hold back the long-suit plans below; no condition for it has been chosen yet.
void regle47(PartieIA&, const ContexteDecision&) {}

// The taker opens his long suit from the Roi or a small card, the Dame only when it is safe.
void regle48(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (c.moi != c.T || !jEntame(c)) return;
    Couleur u = k.couleurLongue[c.T];
    if (k.cartesEnMain[c.T][u] <= 0) return;
    int n = 3 - nbDefenseursSansAtout(jeu);
    if (k.defenseCoupeLongue && n > 0) return;
    int longueur = k.cartesDonnees[c.T][u];
    int atouts = k.atoutsDonnes[c.T];
    bool dameSure = (!k.cavalierSousRoi && longueur < 6) || (longueur == 6 && atouts < 10) ||
                    (longueur == 7 && atouts < 8) || (longueur == 8 && atouts < 7);
    for (int slot : SLOTS) {
        const Carte& x = carteMain(jeu, c.moi, slot);
        if (!estCandidat(jeu, c.moi, slot) || x.couleur != u) continue;
        if (x.valeur == ROI || x.valeur <= 10 || (x.valeur == DAME && dameSure)) {
            decider(jeu, c, slot);
            return;
        }
    }
}

// While a defender may still ruff, the taker opens his long suit from the bottom.
void regle49(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (c.moi != c.T || !jEntame(c)) return;
    Couleur u = k.couleurLongue[c.T];
    if (k.cartesEnMain[c.T][u] <= 0) return;
    int n = 3 - nbDefenseursSansAtout(jeu);
    if (k.defenseCoupeLongue || n >= 1)
        decider(jeu, c,
                dernierCandidat(jeu, c.moi, [u](const Carte& x) { return x.couleur == u; }));
}

} // namespace quarvel
