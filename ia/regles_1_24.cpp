#include "ia/moteur.h"
#include "ia/partie_ia.h"
#include "ia/regles.h"
#include "ia/regles_outils.h"

// Bouts, drawing trumps, honours, discards.

namespace quarvel {

namespace {

bool estHonneur(const Carte& carte, int valeur1, int valeur2) {
    return carte.valeur == valeur1 || carte.valeur == valeur2;
}

} // namespace

// Play the Excuse before the last trick, where it would be lost.
void regle1(PartieIA& jeu, const ContexteDecision& c) {
    if (tient(jeu, c.moi, ATOUT, EXCUSE) && jeu.donne.numeroPli == 17)
        garderCarte(jeu, c, ATOUT, EXCUSE);
}

// The taker does not waste the Excuse on a trick where the Petit lies.
void regle2(PartieIA& jeu, const ContexteDecision& c) {
    if (c.moi == c.T && tient(jeu, c.moi, ATOUT, EXCUSE) && !jEntame(c) &&
        jeu.connaissance.petitDansPli)
        retirerCarte(jeu, c.moi, ATOUT, EXCUSE);
}

// Never lead the Petit.
void regle3(PartieIA& jeu, const ContexteDecision& c) {
    if (jEntame(c) && tient(jeu, c.moi, ATOUT, PETIT)) retirerCarte(jeu, c.moi, ATOUT, PETIT);
}

// A defender holding the Petit does not lead trumps.
void regle4(PartieIA& jeu, const ContexteDecision& c) {
    if (estDefenseur(c) && jEntame(c) && tient(jeu, c.moi, ATOUT, PETIT))
        retirerCouleur(jeu, c.moi, ATOUT);
}

// Against a guard without or against the dog, a defender short of trumps keeps out of his Kings'
// suits; with more trumps he cashes a King.
void regle5(PartieIA& jeu, const ContexteDecision& c) {
    Contrat contrat = jeu.donne.contrat;
    if (!estDefenseur(c) || (contrat != GARDE_SANS && contrat != GARDE_CONTRE)) return;
    premiereCouleurAuHasard(jeu, Depart::ApresTiree, [&](Couleur s) {
        if (!tient(jeu, c.moi, s, ROI)) return false;
        if (jeu.connaissance.atoutsDonnes[c.moi] >= 5) return garderCarte(jeu, c, s, ROI);
        retirerCouleur(jeu, c.moi, s);
        return false;
    });
}

// A defender without the Petit keeps the Excuse while the taker is still to play.
void regle6(PartieIA& jeu, const ContexteDecision& c) {
    if (estDefenseur(c) && preneurJoueApres(c) && (c.position == 2 || c.position == 3) &&
        tient(jeu, c.moi, ATOUT, EXCUSE) && !tient(jeu, c.moi, ATOUT, PETIT))
        retirerCarte(jeu, c.moi, ATOUT, EXCUSE);
}

// The taker catches a Petit just put down with the master trump.
void regle7(PartieIA& jeu, const ContexteDecision& c) {
    if (c.moi != c.T || (c.position != 2 && c.position != 3)) return;
    bool petitEntame = estPetit(carteEntame(jeu, c));
    bool petitEnDeux = c.position == 3 && estPetit(carteDe(jeu, siegeSuivant(c.L)));
    if (!petitEntame && !petitEnDeux) return;
    int maitre = jeu.connaissance.atoutMaitre[c.moi];
    if (maitre >= 2 && tient(jeu, c.moi, ATOUT, maitre)) garderCarte(jeu, c, ATOUT, maitre);
}

// Only the Petit is still out: lead the highest trump to catch it.
void regle8(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!jEntame(c) || k.atoutsEnMain[c.moi] + k.atoutsJoues != 20) return;
    if (tient(jeu, c.moi, ATOUT, PETIT) || estJouee(jeu, ATOUT, PETIT)) return;
    if (estDefenseur(c) && k.sansAtout[c.moi][c.T]) return;
    decider(jeu, c, premierCandidat(jeu, c.moi, estAtout));
}

// Against a handful shown by SUD, a defender short of trumps or holding the Petit leads no trump.
void regle9(PartieIA& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !jEntame(c) || c.T != SUD || jeu.donne.poignee < 1) return;
    if (jeu.connaissance.atoutsDonnes[c.moi] < 7 || tient(jeu, c.moi, ATOUT, PETIT))
        retirerCouleur(jeu, c.moi, ATOUT);
}

// The taker draws trumps while he holds enough masters to cover the trumps out.
void regle10(PartieIA& jeu, const ContexteDecision& c) {
    if (c.moi != c.T || !jEntame(c)) return;
    const Connaissance& k = jeu.connaissance;
    int m = atoutsMaitresTenus(jeu, c.T);
    int o = k.atoutsDehors[c.moi];
    if (m >= o && o >= 1 && k.atoutsEnMain[c.T] >= 1)
        decider(jeu, c, premierCandidat(jeu, c.moi, estAtout));
}

// Trumps drawn, the taker gives up a trick under an opponent's master card, then cashes his own.
void regle11(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (c.moi != c.T || !jEntame(c) || k.atoutsDehors[c.moi] != 0) return;
    if (k.atoutsEnMain[c.moi] >= 1) {
        Couleur s = premiereCouleurAuHasard(jeu, Depart::ApresTiree, [&](Couleur t) {
            int m = k.carteMaitresse[t];
            return m >= 1 && !tient(jeu, c.moi, t, m);
        });
        if (s != AUCUNE && k.cartesEnMain[c.moi][s] >= 1) {
            bool honneur = false;
            for (int v = VALET; v <= ROI; ++v) honneur = honneur || tient(jeu, c.moi, s, v);
            if (honneur) {
                for (int v = 10; v >= 1; --v)
                    if (garderCarte(jeu, c, s, v)) return;
            } else {
                int v = jeu.alea(10);
                for (int i = 1; i <= 10; ++i)
                    if (garderCarte(jeu, c, s, (v - 1 + i) % 10 + 1)) return;
            }
        }
    }
    Couleur s = premiereCouleurAuHasard(jeu, Depart::ApresTiree,
                                        [&](Couleur t) { return tientMaitresse(jeu, c.moi, t); });
    if (s != AUCUNE) garderCarte(jeu, c, s, k.carteMaitresse[s]);
}

// Behind the taker's lead, keep back the master honour when the taker may still hold a guard.
void regle12(PartieIA& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || (c.position != 3 && c.position != 4) || c.L != c.T ||
        c.B != PARTENAIRE_GAGNE)
        return;
    if (!tirage(jeu, 90)) return;
    const Connaissance& k = jeu.connaissance;
    Couleur s = carteEntame(jeu, c).couleur;
    if (!estCouleurSimple(s)) return;
    int m = k.carteMaitresse[s];
    if (!k.couleurCoupee[c.moi][c.T][s] && m >= 11 && !honneurVoisin(jeu, c.moi, s, m) &&
        k.cartesDehors[c.moi][s] != 0)
        retirerCarte(jeu, c.moi, s, m);
}

// The taker is winning and has played: beat him, with my highest honour if I can.
void regle13(PartieIA& jeu, const ContexteDecision& c) {
    Couleur s = carteEntame(jeu, c).couleur;
    if (!estCouleurSimple(s) || !estDefenseur(c) || !preneurAJoue(c)) return;
    const Carte& carteT = carteDe(jeu, c.T);
    bool apresPreneur = estCouleurSimple(carteT.couleur) && (c.position == 3 || c.position == 4);
    if (!apresPreneur && jeu.connaissance.cartesDehors[c.moi][s] > 1) return;
    if (c.B == AUCUN_SLOT || c.W != c.T) return;
    int honneur = plusHauteHonneur(jeu, c.moi);
    if (honneur != AUCUN_SLOT) {
        decider(jeu, c, honneur);
        return;
    }
    decider(jeu, c, dernierCandidat(jeu, c.moi, [&](const Carte& x) {
                return x.couleur == carteT.couleur && x.valeur > carteT.valeur;
            }));
}

// Taker and I are both void in the led suit: ruff high before him.
void regle14(PartieIA& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || jEntame(c) || c.L == c.T) return;
    const Connaissance& k = jeu.connaissance;
    Couleur s = carteEntame(jeu, c).couleur;
    if (!estCouleurSimple(s) || !k.couleurCoupee[c.moi][c.T][s] ||
        !k.couleurCoupee[c.moi][c.moi][s])
        return;
    if (c.moi == c.D3 || (c.moi == c.D2 && c.position == 2))
        decider(jeu, c, premierCandidat(jeu, c.moi, [](const Carte& x) {
                    return x.couleur == ATOUT && x.valeur >= 2;
                }));
}

// Capture the taker's honour with a higher one.
void regle15(PartieIA& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !preneurAJoue(c)) return;
    const Carte& carteT = carteDe(jeu, c.T);
    Couleur s = carteEntame(jeu, c).couleur;
    if (!estCouleurSimple(s) || carteT.couleur != s) return;
    // Each honour is tried when held, with its own chance; the first kept decides.
    auto essayer = [&](int valeur, int seuil) {
        if (!tient(jeu, c.moi, s, valeur)) return false;
        if (seuil < 100 && !tirage(jeu, seuil)) return false;
        return garderCarte(jeu, c, s, valeur);
    };
    switch (carteT.valeur) {
    case CAVALIER:
        if (!essayer(ROI, 98)) essayer(DAME, 98);
        break;
    case DAME:
        essayer(ROI, 100);
        break;
    case VALET:
        if (!essayer(ROI, 70) && !essayer(DAME, 80)) essayer(CAVALIER, 80);
        break;
    default:
        break;
    }
}

// Late in a guard, do not give honours of the one suit the taker still holds.
void regle16(PartieIA& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || !preneurJoueApres(c)) return;
    const Connaissance& k = jeu.connaissance;
    int n = 0, t = 0;
    Couleur u = AUCUNE;
    for (Couleur s : COULEURS) {
        if (k.etatCouleur[s] == 0) ++n;
        if (k.etatCouleur[s] == 1 || k.etatCouleur[s] == 2) u = s;
        if (k.couleursJoueesPreneur[s]) ++t;
    }
    Contrat contrat = jeu.donne.contrat;
    if (n != 3 || u == AUCUNE || t != 3 || (contrat != PRISE && contrat != GARDE)) return;
    if (!jEntame(c) && carteEntame(jeu, c).couleur != u) return;
    for (int v = ROI; v >= VALET; --v) retirerCarte(jeu, c.moi, u, v);
}

// Defenders are pushing a Valet or Cavalier: the taker covers with his Roi, else his Dame.
void regle17(PartieIA& jeu, const ContexteDecision& c) {
    if (c.moi != c.T || jEntame(c) || c.B == AUCUN_SLOT) return;
    const Carte& entame = carteEntame(jeu, c);
    Couleur s = entame.couleur;
    if (!estCouleurSimple(s)) return;
    auto cavalierOuValet = [](const Carte& x) {
        return x.couleur != AUCUNE && estHonneur(x, VALET, CAVALIER);
    };
    bool pousse = cavalierOuValet(entame) ||
                  (c.position == 3 && cavalierOuValet(carteDe(jeu, c.D3))) ||
                  (c.position == 4 &&
                   (cavalierOuValet(carteDe(jeu, c.D3)) || cavalierOuValet(carteDe(jeu, c.D2))));
    if (!pousse || jeu.connaissance.cartesDehors[c.moi][s] < 6) return;
    if (tient(jeu, c.moi, s, ROI))
        garderCarte(jeu, c, s, ROI);
    else
        garderCarte(jeu, c, s, DAME);
}

// On the taker's early small lead, cover with the lower of two touching honours.
void regle18(PartieIA& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || c.L != c.T || jEntame(c)) return;
    const Connaissance& k = jeu.connaissance;
    const Carte& entame = carteEntame(jeu, c);
    Couleur s = entame.couleur;
    if (!estCouleurSimple(s) || entame.valeur > 10) return;
    bool premiereOuSeconde = (k.nbEntamesPreneur >= 1 && k.entamesPreneur[1] == s) ||
                             (k.nbEntamesPreneur >= 2 && k.entamesPreneur[2] == s);
    if (!premiereOuSeconde) return;
    auto a = [&](int v) { return tient(jeu, c.moi, s, v); };
    int choisie = -1;
    if (a(ROI) && a(DAME)) choisie = ROI;
    if (a(DAME) && a(CAVALIER)) choisie = DAME;
    if (a(CAVALIER) && a(VALET)) choisie = CAVALIER;
    if (choisie != -1) {
        garderCarte(jeu, c, s, choisie);
        return;
    }
    if (c.position == 2 || c.W != c.T) retirerCarte(jeu, c.moi, s, ROI);
}

namespace {

// Before the taker, on a first round of a plain suit led by a partner, holding its Dame.
bool cadreDame(PartieIA& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || jEntame(c) || c.L == c.T || !preneurJoueApres(c)) return false;
    Couleur s = carteEntame(jeu, c).couleur;
    return estCouleurSimple(s) && jeu.connaissance.etatCouleur[s] == 2 &&
           tient(jeu, c.moi, s, DAME) && !jeu.connaissance.roiAuChien[s];
}

} // namespace

// Short in a suit a partner opens low: put the Dame up before the taker.
void regle19(PartieIA& jeu, const ContexteDecision& c) {
    if (!tirage(jeu, 80) || !cadreDame(jeu, c)) return;
    Couleur s = carteEntame(jeu, c).couleur;
    if (carteEntame(jeu, c).valeur <= 5 && nbCartesCouleur(jeu, c.moi, s) < 4)
        garderCarte(jeu, c, s, DAME);
}

// Holding Roi and Dame, short in the suit: cash the Roi on the first round.
void regle20(PartieIA& jeu, const ContexteDecision& c) {
    if (!cadreDame(jeu, c)) return;
    Couleur s = carteEntame(jeu, c).couleur;
    int n = nbCartesCouleur(jeu, c.moi, s);
    if ((n < 4 && tirage(jeu, 60)) || (n == 4 && tirage(jeu, 40))) garderCarte(jeu, c, s, ROI);
}

// A partner opened with a middle card: keep the Dame without its Roi back.
void regle21(PartieIA& jeu, const ContexteDecision& c) {
    if (!cadreDame(jeu, c) || carteEntame(jeu, c).valeur <= 5) return;
    Couleur s = carteEntame(jeu, c).couleur;
    if (!tient(jeu, c.moi, s, ROI)) retirerCarte(jeu, c.moi, s, DAME);
}

// With a strong hand the taker draws trumps, from the top when his masters suffice.
void regle22(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!k.mainForte || c.moi != c.T || !jEntame(c) || estJouee(jeu, ATOUT, PETIT)) return;
    if (nbDefenseursSansAtout(jeu) == 2 && k.atoutsDehors[c.T] > k.atoutsEnMain[c.T]) return;
    bool assez = false;
    int maitre = k.atoutMaitre[c.T];
    if (maitre >= 2 && tient(jeu, c.moi, ATOUT, maitre)) {
        int m = atoutsMaitresTenus(jeu, c.T);
        int o = k.atoutsDehors[c.T];
        assez = (o <= 6 && m >= 1) || (o >= 7 && o <= 9 && m >= 2) ||
                (o >= 10 && o <= 11 && m >= 3) || (o >= 12 && o <= 13 && m >= 4);
    }
    if (assez && k.atoutsEnMain[c.T] >= 1) {
        decider(jeu, c, premierCandidat(jeu, c.moi, estAtout));
        return;
    }
    // Not enough masters: lead a middle trump, two thirds of the way down.
    int nb = 0;
    for (int slot : SLOTS)
        if (estCandidat(jeu, c.moi, slot) && estAtout(carteMain(jeu, c.moi, slot))) ++nb;
    if (nb < 3) return;
    int p = (2 * nb + 1) / 3; // 2nb/3 rounded; never a half
    for (int slot : SLOTS)
        if (estCandidat(jeu, c.moi, slot) && --p == 0) {
            decider(jeu, c, slot);
            return;
        }
}

// Under the taker's small trump lead, slip the Petit while high trumps are still out.
void regle23(PartieIA& jeu, const ContexteDecision& c) {
    if (!estDefenseur(c) || (c.position != 2 && c.position != 3)) return;
    if (!tient(jeu, c.moi, ATOUT, PETIT) || c.L != c.T) return;
    const Carte& entame = carteEntame(jeu, c);
    if (!estAtout(entame) || entame.valeur > 17) return;
    int dehors = 0;
    for (int v = entame.valeur + 1; v <= 21; ++v)
        if (!estJouee(jeu, ATOUT, v)) ++dehors;
    if (dehors < 4) return;
    const Connaissance& k = jeu.connaissance;
    bool garder = c.position == 2 ? (!k.sansAtout[c.moi][c.D2] || !k.sansAtout[c.moi][c.D3])
                                  : !k.sansAtout[c.moi][c.D3];
    if (garder) garderCarte(jeu, c, ATOUT, PETIT);
}

namespace {

// Whether a defender without trumps should throw points on this trick.
bool donnerPoints(const PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    const Carte& entame = carteEntame(jeu, c);
    const Carte& carteT = carteDe(jeu, c.T);
    int restants = plisRestants(jeu);
    bool position23 = c.position == 2 || c.position == 3;

    // A partner has put down the master trump.
    int maitre = k.atoutMaitre[c.moi];
    for (Siege d : {c.D1, c.D2, c.D3}) {
        const Carte& x = carteDe(jeu, d);
        if (maitre >= 1 && estAtout(x) && x.valeur == maitre) return true;
    }
    if (c.B == PARTENAIRE_GAGNE && preneurAJoue(c)) return true;
    if (preneurJoueApres(c) && position23 && estCouleurSimple(entame.couleur) &&
        k.couleurCoupee[c.moi][c.T][entame.couleur])
        return k.sansAtout[c.moi][c.T];
    if (c.L == c.T && position23 && estAtout(entame) && entame.valeur <= 20 &&
        restants <= k.atoutsDehors[c.moi]) {
        for (int v = entame.valeur + 1; v <= 21; ++v)
            if (!estJouee(jeu, ATOUT, v)) return true;
    }
    if (!preneurAJoue(c) || c.position == 4) return false;

    Couleur s = entame.couleur;
    if (s == ATOUT ||
        premierCandidat(jeu, c.moi, [&](const Carte& x) { return x.couleur == s; }) != AUCUN_SLOT)
        return false;
    int v = entame.valeur;
    int m = k.carteMaitresse[s];
    bool tSimple = estCouleurSimple(carteT.couleur);
    if (c.L == c.T) {
        if (v == m) return restants <= k.atoutsDehors[c.moi];
        if (v < m)
            return restants < k.atoutsDehors[c.moi] ||
                   (c.B != PARTENAIRE_GAGNE && position23 &&
                    (k.cartesDehors[c.moi][s] > 4 || k.cartesDehors[c.moi][s] > restants));
        return false;
    }
    if (v == m) return tSimple;
    if (v < m) return tSimple && carteT.valeur < m;
    return false;
}

} // namespace

// A defender without trumps throws an honour to a trick the defence will win, else keeps them.
void regle24(PartieIA& jeu, const ContexteDecision& c) {
    const Connaissance& k = jeu.connaissance;
    if (!estDefenseur(c) || jEntame(c) || !k.sansAtout[c.moi][c.moi] ||
        estExcuse(carteEntame(jeu, c)))
        return;
    if (donnerPoints(jeu, c)) {
        // First, when the drawn suit is one the taker is void in, the honours from that suit on
        // (the draw comes before the walk, whose first suit it tests).
        for (int rang = ROI; rang >= VALET; --rang) {
            const Couleur r = couleurNumero(jeu.alea(4));
            if (!k.couleurCoupee[c.moi][c.T][r]) continue;
            if (premiereCouleurDepuis(r, Depart::Tiree, [&](Couleur s) {
                    return garderCarte(jeu, c, s, rang);
                }) != AUCUNE)
                return;
        }
        // Then any honour, keeping back the master of a suit the taker may still open.
        int ouvertes = 0;
        for (Couleur s : COULEURS)
            if (k.couleursJoueesPreneur[s]) ++ouvertes;
        bool contratAvecChien = jeu.donne.contrat == PRISE || jeu.donne.contrat == GARDE;
        for (int rang = ROI; rang >= VALET; --rang) {
            if (premiereCouleurAuHasard(jeu, Depart::Tiree, [&](Couleur s) {
                    bool reserve = k.carteMaitresse[s] == rang && k.etatCouleur[s] == 1 &&
                                   ouvertes < 3 && contratAvecChien;
                    return !reserve && garderCarte(jeu, c, s, rang);
                }) != AUCUNE)
                return;
        }
        return;
    }
    // Not a plain walk from r: the Roi and the Cavalier go r, r + 1, r + 3, r + 2, the others
    // the reverse.
    const Couleur r = couleurNumero(jeu.alea(4));
    const int ordre1[4] = {0, 1, 3, 2};
    const int ordre2[4] = {2, 3, 1, 0};
    for (int i : ordre1) retirerCarte(jeu, c.moi, couleurApres(r, i), ROI);
    for (int i : ordre2) retirerCarte(jeu, c.moi, couleurApres(r, i), DAME);
    for (int i : ordre1) retirerCarte(jeu, c.moi, couleurApres(r, i), CAVALIER);
    for (int i : ordre2) retirerCarte(jeu, c.moi, couleurApres(r, i), VALET);
}

} // namespace quarvel
