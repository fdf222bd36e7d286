#include "encheres/encheres.h"

#include "encheres/partie_encheres.h"

namespace quarvel {

Siege siegeQuiParle(const PartieEncheres& jeu) {
    const int n = jeu.encheres.nbEncheres;
    if (n < 0 || n >= 4) return Siege::Aucun;
    Siege s = jeu.donne.premierParlant;
    for (int k = 0; k < n; ++k) s = siegeSuivant(s);
    return s;
}

bool enchereValable(const PartieEncheres& jeu, Contrat code) {
    return code == PASSE ||
           (code >= PRISE && code <= GARDE_CONTRE && code > jeu.encheres.meilleureEnchere);
}

void noterEnchere(PartieEncheres& jeu, Siege siege, Contrat code) {
    const Contrat c = enchereValable(jeu, code) ? code : PASSE;
    jeu.donne.encheresAnnoncees[siege] = c;
    if (c != PASSE) jeu.encheres.meilleureEnchere = c;
    ++jeu.encheres.nbEncheres;
    if (jeu.encheres.nbEncheres >= 4) passerA(jeu.donne, Phase::EncheresCloses);
}

Siege trouverPreneur(PartieEncheres& jeu) {
    Donne& d = jeu.donne;
    Siege siege = d.premierParlant;
    Contrat meilleur = d.encheresAnnoncees[siege];
    Siege s = siege;
    for (int k = 1; k <= 3; ++k) {
        s = siegeSuivant(s);
        if (d.encheresAnnoncees[s] > meilleur) {
            meilleur = d.encheresAnnoncees[s];
            siege = s;
        }
    }
    if (meilleur < PASSE) meilleur = PASSE;
    d.contrat = meilleur;
    return siege;
}

} // namespace quarvel
