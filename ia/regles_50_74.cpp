#include "ia/moteur.h"
#include "ia/partie_ia.h"
#include "ia/regles.h"
#include "ia/regles_outils.h"

// Defenders' leads, trump signals, default plays.

namespace quarvel {

// A defender does not open a suit of which three cards or more lay in the dog.
void regle50(PartieIA& jeu, const ContexteDecision& c) {
    if (!defenseurQuiEntame(c)) return;
    pourChaqueCouleurAuHasard(jeu, Depart::ApresTiree, [&](Couleur s) {
        if (jeu.connaissance.etatCouleur[s] == 1 && cartesAuChien(jeu, s) >= 3)
            retirerCouleur(jeu, c.moi, s);
    });
}

// A defender does not lead from a doubleton holding the Roi or the Dame.
void regle51(PartieIA& jeu, const ContexteDecision& c) {
    if (!defenseurQuiEntame(c)) return;
    pourChaqueCouleurAuHasard(jeu, Depart::ApresTiree, [&](Couleur s) {
        if (jeu.connaissance.cartesEnMain[c.moi][s] == 2 &&
            (tient(jeu, c.moi, s, ROI) || tient(jeu, c.moi, s, DAME)))
            retirerCouleur(jeu, c.moi, s);
    });
}

// Against a guard without or against the dog, a defender often opens with the trump signal.
void regle52(PartieIA& jeu, const ContexteDecision& c) {
    if (!defenseurQuiEntame(c)) return;
    const Contrat contrat = jeu.donne.contrat;
    if ((contrat == GARDE_SANS && tirage(jeu, 80)) || (contrat == GARDE_CONTRE && tirage(jeu, 30)))
        signalAtout(jeu, c);
}

// A defender's first lead, when the dog showed few trumps, is the trump signal.
void regle53(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!tient(jeu, c.moi, ATOUT, PETIT) && defenseurQuiEntame(c) && k.pasEncoreEntame[c.moi] &&
        k.signaleur == Siege::Aucun && !k.ecartAtoutsSuspect &&
        (k.atoutsAuChien == 0 || k.atoutsAuChien == 1))
        signalAtout(jeu, c);
}

// With trumps shown in the dog, a defender's first lead comes from its long suit.
void regle54(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!(defenseurQuiEntame(c) && k.pasEncoreEntame[c.moi] && k.signaleur == Siege::Aucun &&
          k.atoutsAuChien > 1))
        return;
    retirerCouleur(jeu, c.moi, ATOUT);
    const Couleur u = k.couleurLongue[c.moi];
    auto petite = [u](const Carte& x) { return x.couleur == u && x.valeur <= 5; };
    if (k.atoutsDonnes[c.moi] < 6) {
        const bool roi = k.lieuCarte[c.moi][u][ROI] == entier(c.moi);
        const bool dame = k.lieuCarte[c.moi][u][DAME] == entier(c.moi);
        if (roi && dame && decider(jeu, c, premierCandidat(jeu, c.moi, petite))) return;
        if (!roi && !dame)
            decider(jeu, c, dernierCandidat(jeu, c.moi, [u](const Carte& x) {
                        return x.couleur == u && x.valeur > 5;
                    }));
        return;
    }
    const bool roi = tient(jeu, c.moi, u, ROI);
    const bool dame = tient(jeu, c.moi, u, DAME);
    if (roi != dame && decider(jeu, c, premierCandidat(jeu, c.moi, petite))) return;
    if (roi && dame && garderCarte(jeu, c, u, ROI)) return;
    if (dame && tient(jeu, c.moi, u, CAVALIER) && garderCarte(jeu, c, u, CAVALIER)) return;
    if (!roi && !dame)
        decider(jeu, c, premierCandidat(jeu, c.moi, [u](const Carte& x) {
                    return x.couleur == u && x.valeur < VALET;
                }));
}

// A defender leads a small card of a long suit headed by the Dame or the Roi, in a suit not yet
// opened.
void regle55(PartieIA& jeu, const ContexteDecision& c) {
    if (!defenseurQuiEntame(c)) return;
    premiereCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur s) {
        if (jeu.connaissance.etatCouleur[s] == 0) return false;
        const int slot = petiteSousHonneur(jeu, c.moi, s);
        if (slot == AUCUN_SLOT) return false;
        decider(jeu, c, slot);
        return true;
    });
}

// A defender on lead often plays low in a suit the taker ruffs, to shorten his trumps.
void regle56(PartieIA& jeu, const ContexteDecision& c) {
    if (!jEntame(c)) return;
    if (!((c.moi == c.D1 && tirage(jeu, 90)) || (c.moi == c.D2 && tirage(jeu, 80)) ||
          (c.moi == c.D3 && tirage(jeu, 70))))
        return;
    // The last suit of the walk the taker is void in.
    Couleur coupee = AUCUNE;
    pourChaqueCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur s) {
        if (jeu.connaissance.couleurCoupee[c.moi][c.T][s]) coupee = s;
    });
    if (coupee == AUCUNE) return;
    decider(jeu, c, dernierCandidat(jeu, c.moi, [coupee](const Carte& x) {
                return x.couleur == coupee && x.valeur <= VALET;
            }));
}

// A defender does not lead a suit whose Roi went from the dog to the taker.
void regle57(PartieIA& jeu, const ContexteDecision& c) {
    if (!defenseurQuiEntame(c)) return;
    pourChaqueCouleurAuHasard(jeu, Depart::ApresTiree, [&](Couleur s) {
        if (jeu.connaissance.roiAuChien[s] && !estJouee(jeu, s, ROI)) retirerCouleur(jeu, c.moi, s);
    });
}

// A defender does not lead trumps after the taker did, while the master trump is elsewhere.
void regle58(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!defenseurQuiEntame(c) || k.derniereEntamePreneur != ATOUT) return;
    const int maitre = k.atoutMaitre[c.moi];
    if (maitre >= 2 && !tient(jeu, c.moi, ATOUT, maitre)) retirerCouleur(jeu, c.moi, ATOUT);
}

// Without a running signal, a defender mostly avoids leading trumps when not holding the master.
void regle59(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!defenseurQuiEntame(c) || k.signalAtout || !tirage(jeu, 80)) return;
    const int maitre = k.atoutMaitre[c.moi];
    if (maitre >= 2 && !tient(jeu, c.moi, ATOUT, maitre)) retirerCouleur(jeu, c.moi, ATOUT);
}

// A defender does not lead its Dame (nor its Roi when the dog was seen) in an unopened suit.
void regle60(PartieIA& jeu, const ContexteDecision& c) {
    if (!defenseurQuiEntame(c)) return;
    const bool chienVu = jeu.donne.contrat == PRISE || jeu.donne.contrat == GARDE;
    pourChaqueCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur s) {
        if (jeu.connaissance.etatCouleur[s] == 0) return;
        if (chienVu) retirerCarte(jeu, c.moi, s, ROI);
        retirerCarte(jeu, c.moi, s, DAME);
    });
}

// A defender does not lead a Roi or a Dame the taker would ruff.
void regle61(PartieIA& jeu, const ContexteDecision& c) {
    if (!defenseurQuiEntame(c)) return;
    pourChaqueCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur s) {
        if (!jeu.connaissance.couleurCoupee[c.moi][c.T][s]) return;
        retirerCarte(jeu, c.moi, s, ROI);
        retirerCarte(jeu, c.moi, s, DAME);
    });
}

// Nobody leads an unprotected Cavalier in an unopened suit.
void regle62(PartieIA& jeu, const ContexteDecision& c) {
    if (!jEntame(c)) return;
    pourChaqueCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur s) {
        if (jeu.connaissance.etatCouleur[s] != 0 && !tient(jeu, c.moi, s, DAME))
            retirerCarte(jeu, c.moi, s, CAVALIER);
    });
}

// A defender does not open with small cards of a suit it holds no Roi or Dame in.
void regle63(PartieIA& jeu, const ContexteDecision& c) {
    if (!defenseurQuiEntame(c)) return;
    pourChaqueCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur s) {
        if (jeu.connaissance.etatCouleur[s] == 0 || tient(jeu, c.moi, s, ROI) ||
            tient(jeu, c.moi, s, DAME))
            return;
        for (int v = 1; v <= 5; ++v) retirerCarte(jeu, c.moi, s, v);
    });
}

// Before a taker who still has trumps, a defender keeps its Roi and Dame of the suits he ruffs.
void regle64(PartieIA& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !joueApres(c.moi, c.T, c.position) ||
        jeu.connaissance.sansAtout[c.moi][c.T])
        return;
    pourChaqueCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur s) {
        if (!jeu.connaissance.couleurCoupee[c.moi][c.T][s]) return;
        retirerCarte(jeu, c.moi, s, ROI);
        retirerCarte(jeu, c.moi, s, DAME);
    });
}

// The taker cashes the Roi of a fresh suit in which he holds five to nine cards.
void regle65(PartieIA& jeu, const ContexteDecision& c) {
    if (c.moi != c.T || !jEntame(c)) return;
    premiereCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur s) {
        if (jeu.connaissance.etatCouleur[s] == 0 || !tient(jeu, c.moi, s, ROI)) return false;
        const int n = cartesTenues(jeu, c.moi, s);
        if (n < 5 || n > 9) return false;
        garderCarte(jeu, c, s, ROI);
        return true;
    });
}

// The taker does not lead a bare Roi, unless only the Petit is left to bring home.
void regle66(PartieIA& jeu, const ContexteDecision& c) {
    if (c.moi != c.T || !jEntame(c)) return;
    const Connaissance& k = jeu.connaissance;
    int n = 3;
    for (Siege d : {c.D1, c.D2, c.D3})
        if (k.sansAtout[c.T][d]) --n;
    if (tient(jeu, c.moi, ATOUT, PETIT) && n == 0) return;
    for (Couleur s : COULEURS)
        if (k.roiSec[s]) retirerCarte(jeu, c.moi, s, ROI);
}

// The taker puts his guarded Roi on a plain lead when no defender left to play can ruff.
void regle67(PartieIA& jeu, const ContexteDecision& c) {
    if (c.moi != c.T || jEntame(c) || c.B == AUCUN_SLOT) return;
    const Couleur s = carteEntame(jeu, c).couleur;
    if (!estCouleurSimple(s)) return;
    const int roi = roiGarde(jeu, c.moi, s);
    if (roi == AUCUN_SLOT) return;
    const auto& coupee = jeu.connaissance.couleurCoupee[c.moi];
    if ((c.position == 2 && !coupee[c.D1][s] && !coupee[c.D2][s]) ||
        (c.position == 3 && !coupee[c.D1][s]))
        decider(jeu, c, roi);
}

// A defender does not lead the suits its trump-signalling partner is void in.
void regle68(PartieIA& jeu, const ContexteDecision& c) {
    const Siege signaleur = jeu.connaissance.signaleur;
    if (!defenseurQuiEntame(c) || signaleur == Siege::Aucun) return;
    pourChaqueCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur s) {
        if (jeu.connaissance.couleurCoupee[c.moi][signaleur][s]) retirerCouleur(jeu, c.moi, s);
    });
}

// A defender who cannot beat the taker's winning card throws its lowest.
void regle69(PartieIA& jeu, const ContexteDecision& c) {
    if (c.W != c.T || c.B != AUCUN_SLOT) return;
    if (((c.moi == c.D1 || c.moi == c.D2) && c.position >= 3) || (c.moi == c.D3 && c.position == 4))
        deciderPremier(jeu, c, plusPetiteCarteCouleur(jeu, c.moi), plusPetitAtout(jeu, c.moi));
}

// A seat that cannot win the trick throws its lowest card.
void regle70(PartieIA& jeu, const ContexteDecision& c) {
    if (c.B != AUCUN_SLOT) return;
    if ((c.moi == c.D1 && c.position == 2) || (c.moi == c.T && c.position >= 2))
        deciderPremier(jeu, c, plusPetiteCarteCouleur(jeu, c.moi), plusPetitAtout(jeu, c.moi));
}

// A defender does not lead the first two suits the taker opened.
void regle71(PartieIA& jeu, const ContexteDecision& c) {
    if (!defenseurQuiEntame(c)) return;
    const Connaissance& k = jeu.connaissance;
    if (k.entamePreneur1 != AUCUNE) retirerCouleur(jeu, c.moi, k.entamePreneur1);
    if (k.entamePreneur2 != AUCUNE) retirerCouleur(jeu, c.moi, k.entamePreneur2);
}

// Third on a trump lead from the first defender, over-trump with the highest trump.
void regle72(PartieIA& jeu, const ContexteDecision& c) {
    if (c.position != 3 || c.L != c.D1 || carteEntame(jeu, c).couleur != ATOUT) return;
    const auto& raisons = jeu.donne.raisonsJouables[c.moi];
    for (int slot : SLOTS)
        if (estCandidat(jeu, c.moi, slot) && raisons[slot].code == Raison::Surcoupe) {
            decider(jeu, c, slot);
            return;
        }
}

// When trumps are to be played, play the smallest one (never the Petit).
void regle73(PartieIA& jeu, const ContexteDecision& c) {
    if (jEntame(c) || (c.position == 2 && estExcuse(carteEntame(jeu, c)))) return;
    decider(jeu, c, plusPetitAtout(jeu, c.moi));
}

// Able to win, the seat gives its highest honour, else its smallest trump, else the cheapest
// winner.
void regle74(PartieIA& jeu, const ContexteDecision& c) {
    if (c.B < 1 || c.B > 18) return;
    if ((c.moi == c.D1 && !jEntame(c)) || (c.moi == c.D2 && c.position >= 3) ||
        ((c.moi == c.D3 || c.moi == c.T) && c.position == 4))
        deciderPremier(jeu, c, plusHauteHonneur(jeu, c.moi), plusPetitAtout(jeu, c.moi), c.B);
}

} // namespace quarvel
