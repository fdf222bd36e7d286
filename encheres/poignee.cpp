#include "encheres/poignee.h"

#include "encheres/partie_encheres.h"

#include <cmath>

namespace quarvel {

namespace {

void basculerSelection(EtatPoignee& p, int slot) {
    if (p.selectionPoignee[slot] == 1) {
        p.selectionPoignee[slot] = 0;
        --p.nbSelectionPoignee;
    } else {
        p.selectionPoignee[slot] = 1;
        ++p.nbSelectionPoignee;
    }
}

} // namespace

int atoutsSud(const PartieEncheres& jeu) {
    int n = 0;
    for (const Carte& c : jeu.donne.mains[SUD])
        if (c.couleur == ATOUT) ++n;
    return n;
}

int taillePoignee(int type) {
    return type == 1 ? 10 : type == 2 ? 13 : type == 3 ? 15 : 0;
}

void proposerPoignee(PartieEncheres& jeu) {
    if (jeu.donne.numeroPli != 1 || !jeu.reglages.optionProposePoignee) return;
    if (atoutsSud(jeu) < taillePoignee(1)) return;
    passerA(jeu.donne, Phase::OffrePoignee);
}

void ouvrirPoignee(PartieEncheres& jeu, int type, int unite) {
    const int n = atoutsSud(jeu);
    if (type < 1 || type > 3 || n < taillePoignee(type)) return;

    jeu.donne.poignee = type;
    passerA(jeu.donne, Phase::ChoixPoignee);

    // One draw per trump shown, in their order: the dialog's layout uses them.
    for (int i = 1; i <= n; ++i)
        jeu.poignee.decalagesPoignee[i] = static_cast<int>(std::nearbyint(jeu.alea(unite) / 4.0));
    jeu.poignee.nbSelectionPoignee = 0;
    jeu.poignee.selectionPoignee.remplir(0);
}

bool choisirCartePoignee(PartieEncheres& jeu, int slot) {
    if (jeu.donne.phase != Phase::ChoixPoignee || slot < 1 || slot > 18) return true;
    const Carte& c = jeu.donne.mains[SUD][slot];
    if (c.couleur != ATOUT) return true;
    const int taille = taillePoignee(jeu.donne.poignee);
    // The Excuse only when the kind needs every trump, the Excuse with them.
    if (!estAtout(c) && slot != taille) return false;
    basculerSelection(jeu.poignee, slot);
    return true;
}

void boutonParesseux(PartieEncheres& jeu) {
    if (jeu.donne.phase != Phase::ChoixPoignee) return;
    const int taille = taillePoignee(jeu.donne.poignee);
    for (int i = 1; i <= taille; ++i) jeu.poignee.selectionPoignee[i] = 1;
    // Trumps chosen by hand beyond the kind's size are dropped, so the count stays honest.
    for (int i = taille + 1; i <= 18; ++i) jeu.poignee.selectionPoignee[i] = 0;
    jeu.poignee.nbSelectionPoignee = taille;
}

std::uint32_t selectionPoigneeSud(const PartieEncheres& jeu) {
    std::uint32_t slots = 0;
    for (int i = 1; i <= 18; ++i)
        if (jeu.poignee.selectionPoignee[i] == 1) slots |= 1u << i;
    return slots;
}

void annulerPoignee(PartieEncheres& jeu) {
    jeu.donne.poignee = 0;
    fermerPoignee(jeu);
}

void fermerPoignee(PartieEncheres& jeu) {
    passerA(jeu.donne, Phase::TourSud);
}

} // namespace quarvel
