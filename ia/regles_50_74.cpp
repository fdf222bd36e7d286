#include "donne/jeu.h"
#include "ia/moteur.h"
#include "ia/regles.h"
#include "ia/regles_outils.h"

// Defenders' leads, trump signals, default plays.

namespace quarvel {

namespace {

bool estPriseOuGarde(const Jeu& jeu) {
    return jeu.donne.contrat == PRISE || jeu.donne.contrat == GARDE;
}

// Keeps my lowest plain card, or failing that my lowest trump from 2 up.
void garderPlusPetite(Jeu& jeu, const ContexteDecision& c, int k) {
    int slot = plusPetiteCarteCouleur(jeu, c.moi);
    if (slot == -1) slot = plusPetitAtout(jeu, c.moi);
    decider(jeu, c, k, slot);
}

} // namespace

// A defender does not open a suit the dog was full of: the taker is short in it.
void regle50(Jeu& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !jEntame(c)) return;
    int r = jeu.alea(4);
    for (int i = 1; i <= 4; ++i) {
        int s = couleurApres(r, i);
        int auChien = 0;
        for (const Carte& x : jeu.donne.chienDonne)
            if (x.couleur == s) ++auChien;
        if (jeu.connaissance.etatCouleur[s] == 1 && auChien >= 3) retirerCouleur(jeu, c.moi, s);
    }
}

// Do not lead from a doubleton honour.
void regle51(Jeu& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !jEntame(c)) return;
    int r = jeu.alea(4);
    for (int i = 1; i <= 4; ++i) {
        int s = couleurApres(r, i);
        if (jeu.connaissance.cartesEnMain[c.moi][s] == 2 &&
            (tient(jeu, c.moi, s, ROI) || tient(jeu, c.moi, s, DAME)))
            retirerCouleur(jeu, c.moi, s);
    }
}

// Against a guard without or against the dog, a defender often opens with a trump signal.
void regle52(Jeu& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !jEntame(c)) return;
    int contrat = jeu.donne.contrat;
    if ((contrat == GARDE_SANS && tirage(jeu, 80)) || (contrat == GARDE_CONTRE && tirage(jeu, 30)))
        signalerAtout(jeu, c, 52);
}

// A defender's first lead, when the dog showed few trumps, is a trump signal.
void regle53(Jeu& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (tient(jeu, c.moi, ATOUT, PETIT) || !estDefenseur(c) || !jEntame(c)) return;
    if (!k.pasEncoreEntame[c.moi] || k.signaleur != -1 || k.ecartAtoutsSuspect) return;
    if (k.atoutsAuChien == 0 || k.atoutsAuChien == 1) signalerAtout(jeu, c, 53);
}

// The dog showed trumps: a defender's first lead comes from his long suit.
void regle54(Jeu& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!estDefenseur(c) || !jEntame(c) || !k.pasEncoreEntame[c.moi] || k.signaleur != -1 ||
        k.atoutsAuChien <= 1)
        return;
    retirerCouleur(jeu, c.moi, ATOUT);
    int u = k.couleurLongue[c.moi];
    auto dansU = [u](int vMin, int vMax) {
        return [u, vMin, vMax](const Carte& x) {
            return x.couleur == u && x.valeur >= vMin && x.valeur <= vMax;
        };
    };
    if (k.atoutsDonnes[c.moi] < 6) {
        bool roi = k.lieuCarte[c.moi][u][ROI] == c.moi;
        bool dame = k.lieuCarte[c.moi][u][DAME] == c.moi;
        if (roi && dame && decider(jeu, c, 54, premierCandidat(jeu, c.moi, dansU(1, 5)))) return;
        if (!roi && !dame) decider(jeu, c, 54, dernierCandidat(jeu, c.moi, dansU(6, 14)));
        return;
    }
    bool roi = tient(jeu, c.moi, u, ROI);
    bool dame = tient(jeu, c.moi, u, DAME);
    if (roi != dame && decider(jeu, c, 54, premierCandidat(jeu, c.moi, dansU(1, 5)))) return;
    if (roi && dame && garderCarte(jeu, c, 54, u, ROI)) return;
    if (dame && tient(jeu, c.moi, u, CAVALIER) && garderCarte(jeu, c, 54, u, CAVALIER)) return;
    if (!roi && !dame) decider(jeu, c, 54, premierCandidat(jeu, c.moi, dansU(1, 10)));
}

// Lead a small card from a long suit headed by an honour.
void regle55(Jeu& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !jEntame(c)) return;
    int r = jeu.alea(4);
    for (int i = 0; i < 4; ++i) {
        int s = couleurApres(r, i);
        if (jeu.connaissance.etatCouleur[s] == 0) continue;
        int slot = petiteSousHonneur(jeu, c.moi, s);
        if (slot != -1) {
            decider(jeu, c, 55, slot);
            return;
        }
    }
}

// Lead the suit the taker is void in, from the bottom, to make him ruff.
void regle56(Jeu& jeu, const ContexteDecision& c) {
    if (!jEntame(c)) return;
    bool tente = (c.moi == c.D1 && tirage(jeu, 90)) || (c.moi == c.D2 && tirage(jeu, 80)) ||
                 (c.moi == c.D3 && tirage(jeu, 70));
    if (!tente) return;
    int r = jeu.alea(4);
    int s = -1;
    for (int i = 0; i < 4; ++i)
        if (jeu.connaissance.couleurCoupee[c.moi][c.T][couleurApres(r, i)]) s = couleurApres(r, i);
    if (s == -1) return;
    decider(jeu, c, 56, dernierCandidat(jeu, c.moi, [s](const Carte& x) {
                return x.couleur == s && x.valeur <= VALET;
            }));
}

// Do not open a suit whose Roi went to the taker with the dog.
void regle57(Jeu& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !jEntame(c)) return;
    int r = jeu.alea(4);
    for (int i = 1; i <= 4; ++i) {
        int s = couleurApres(r, i);
        if (jeu.connaissance.roiAuChien[s] && !estJouee(jeu, s, ROI)) retirerCouleur(jeu, c.moi, s);
    }
}

// The taker last led a trump and holds the master one: do not lead trumps for him.
void regle58(Jeu& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!estDefenseur(c) || !jEntame(c) || k.derniereEntamePreneur != 0) return;
    int maitre = k.atoutMaitre[c.moi];
    if (maitre >= 2 && !tient(jeu, c.moi, ATOUT, maitre)) retirerCouleur(jeu, c.moi, ATOUT);
}

// Without a partner's signal, a defender who lacks the master trump leads no trump.
void regle59(Jeu& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!estDefenseur(c) || !jEntame(c) || k.signalAtout || !tirage(jeu, 80)) return;
    int maitre = k.atoutMaitre[c.moi];
    if (maitre >= 2 && !tient(jeu, c.moi, ATOUT, maitre)) retirerCouleur(jeu, c.moi, ATOUT);
}

// In a suit already opened, a defender does not lead his big honours.
void regle60(Jeu& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !jEntame(c)) return;
    int r = jeu.alea(4);
    for (int i = 0; i < 4; ++i) {
        int s = couleurApres(r, i);
        if (jeu.connaissance.etatCouleur[s] == 0) continue;
        if (estPriseOuGarde(jeu)) retirerCarte(jeu, c.moi, s, ROI);
        retirerCarte(jeu, c.moi, s, DAME);
    }
}

// Never lead a Roi or Dame into the taker's ruff.
void regle61(Jeu& jeu, const ContexteDecision& c) {
    if (!jEntame(c) || !estDefenseur(c)) return;
    int r = jeu.alea(4);
    for (int i = 0; i < 4; ++i) {
        int s = couleurApres(r, i);
        if (!jeu.connaissance.couleurCoupee[c.moi][c.T][s]) continue;
        retirerCarte(jeu, c.moi, s, ROI);
        retirerCarte(jeu, c.moi, s, DAME);
    }
}

// Do not lead a Cavalier unprotected by the Dame in an opened suit.
void regle62(Jeu& jeu, const ContexteDecision& c) {
    if (!jEntame(c)) return;
    int r = jeu.alea(4);
    for (int i = 0; i < 4; ++i) {
        int s = couleurApres(r, i);
        if (jeu.connaissance.etatCouleur[s] != 0 && !tient(jeu, c.moi, s, DAME))
            retirerCarte(jeu, c.moi, s, CAVALIER);
    }
}

// Without Roi or Dame in an unopened suit, do not lead its small cards.
void regle63(Jeu& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !jEntame(c)) return;
    int r = jeu.alea(4);
    for (int i = 0; i < 4; ++i) {
        int s = couleurApres(r, i);
        if (jeu.connaissance.etatCouleur[s] == 0 || tient(jeu, c.moi, s, ROI) ||
            tient(jeu, c.moi, s, DAME))
            continue;
        for (int v = 1; v <= 5; ++v) retirerCarte(jeu, c.moi, s, v);
    }
}

// The taker still has trumps and plays after me: no Roi or Dame in a suit he ruffs.
void regle64(Jeu& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !preneurJoueApres(c) || jeu.connaissance.sansAtout[c.moi][c.T]) return;
    int r = jeu.alea(4);
    for (int i = 0; i < 4; ++i) {
        int s = couleurApres(r, i);
        if (!jeu.connaissance.couleurCoupee[c.moi][c.T][s]) continue;
        retirerCarte(jeu, c.moi, s, ROI);
        retirerCarte(jeu, c.moi, s, DAME);
    }
}

// The taker cashes the Roi of a long opened suit.
void regle65(Jeu& jeu, const ContexteDecision& c) {
    if (c.moi != c.T || !jEntame(c)) return;
    int r = jeu.alea(4);
    for (int i = 0; i < 4; ++i) {
        int s = couleurApres(r, i);
        int n = cartesTenues(jeu, c.moi, s);
        if (jeu.connaissance.etatCouleur[s] != 0 && tient(jeu, c.moi, s, ROI) && n >= 5 && n <= 9) {
            garderCarte(jeu, c, 65, s, ROI);
            return;
        }
    }
}

// The taker does not lead a bare Roi, save when he holds the Petit and the defence has no
// trump left.
void regle66(Jeu& jeu, const ContexteDecision& c) {
    if (c.moi != c.T || !jEntame(c)) return;
    int n = 3 - nbDefenseursSansAtout(jeu);
    if (tient(jeu, c.moi, ATOUT, PETIT) && n == 0) return;
    for (int s = 1; s <= 4; ++s)
        if (jeu.connaissance.roiSec[s]) retirerCarte(jeu, c.moi, s, ROI);
}

// The taker plays a guarded Roi when nobody after him can ruff it.
void regle67(Jeu& jeu, const ContexteDecision& c) {
    if (c.moi != c.T || jEntame(c) || c.B == -1) return;
    int s = carteEntame(jeu, c).couleur;
    if (!estCouleurSimple(s)) return;
    int roi = roiGarde(jeu, c.moi, s);
    if (roi == -1) return;
    const Connaissance& k = jeu.connaissance;
    bool sur = false;
    if (c.position == 2) sur = !k.couleurCoupee[c.moi][c.D1][s] && !k.couleurCoupee[c.moi][c.D2][s];
    if (c.position == 3) sur = !k.couleurCoupee[c.moi][c.D1][s];
    if (sur) decider(jeu, c, 67, roi);
}

// Do not lead a suit the signaller is void in: he would have to waste a trump.
void regle68(Jeu& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!estDefenseur(c) || !jEntame(c) || k.signaleur == -1) return;
    int r = jeu.alea(4);
    for (int i = 0; i < 4; ++i) {
        int s = couleurApres(r, i);
        if (k.couleurCoupee[c.moi][k.signaleur][s]) retirerCouleur(jeu, c.moi, s);
    }
}

// The taker wins and I cannot beat him: throw my smallest card.
void regle69(Jeu& jeu, const ContexteDecision& c) {
    if (c.W != c.T || c.B != -1) return;
    bool apres = ((c.moi == c.D1 || c.moi == c.D2) && (c.position == 3 || c.position == 4)) ||
                 (c.moi == c.D3 && c.position == 4);
    if (apres) garderPlusPetite(jeu, c, 69);
}

// I cannot win the trick: throw my smallest card.
void regle70(Jeu& jeu, const ContexteDecision& c) {
    if (c.B != -1) return;
    if ((c.moi == c.D1 && c.position == 2) || (c.moi == c.T && c.position >= 2))
        garderPlusPetite(jeu, c, 70);
}

// A defender does not lead the taker's first two suits.
void regle71(Jeu& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!estDefenseur(c) || !jEntame(c)) return;
    if (k.entamePreneur1 != -1) retirerCouleur(jeu, c.moi, k.entamePreneur1);
    if (k.entamePreneur2 != -1) retirerCouleur(jeu, c.moi, k.entamePreneur2);
}

// After D1's trump lead, third in hand over-trumps as high as possible.
void regle72(Jeu& jeu, const ContexteDecision& c) {
    if (c.position != 3 || c.L != c.D1 || carteEntame(jeu, c).couleur != ATOUT) return;
    for (int slot = 1; slot <= 18; ++slot)
        if (estCandidat(jeu, c.moi, slot) && jeu.donne.raisonsJouables[c.moi][slot].code == 2) {
            decider(jeu, c, 72, slot);
            return;
        }
}

// Following with trumps: spend the smallest.
void regle73(Jeu& jeu, const ContexteDecision& c) {
    if (jEntame(c) || (c.position == 2 && estExcuse(carteEntame(jeu, c)))) return;
    decider(jeu, c, 73, plusPetitAtout(jeu, c.moi));
}

// I can win the trick: load it with my highest honour, else win it as cheaply as I can.
void regle74(Jeu& jeu, const ContexteDecision& c) {
    if (c.B == -1 || c.B == 100) return;
    bool gagne = (c.moi == c.D1 && !jEntame(c)) ||
                 (c.moi == c.D2 && (c.position == 3 || c.position == 4)) ||
                 ((c.moi == c.D3 || c.moi == c.T) && c.position == 4);
    if (!gagne) return;
    int slot = plusHauteHonneur(jeu, c.moi);
    if (slot == -1) slot = plusPetitAtout(jeu, c.moi);
    if (slot == -1) slot = c.B;
    decider(jeu, c, 74, slot);
}

} // namespace quarvel
