#include "encheres/encheres.h"

#include "encheres/partie_encheres.h"

namespace quarvel {

namespace {

void enchereSuivante(PartieEncheres& jeu, Siege siege) {
    ++jeu.encheres.nbEncheres;
    if (jeu.encheres.nbEncheres >= 4)
        finEncheres(jeu);
    else
        etapeEnchere(jeu, siegeSuivant(siege));
}

} // namespace

void etapeEnchere(PartieEncheres& jeu, Siege siege) {
    Donne& d = jeu.donne;
    const Contrat merite = d.encheresMeritees[siege];
    if (merite > jeu.encheres.meilleureEnchere) {
        d.encheresAnnoncees[siege] = merite;
        if (siege != SUD) jeu.encheres.meilleureEnchere = merite;
    } else {
        d.encheresAnnoncees[siege] = PASSE;
    }
    if (siege != SUD) {
        passerA(d, Phase::Encheres);
        jeu.encheres.siegeEnAttente = siege;
        jeu.minuteries.TimerEnchere.demarrer(jeu.maintenant);
        return;
    }
    passerA(d, Phase::EnchereSud);
}

void tickEnchere(PartieEncheres& jeu) {
    jeu.minuteries.TimerEnchere.arreter();
    const Siege siege = jeu.encheres.siegeEnAttente;
    if (siege == Siege::Aucun || siege == SUD) return;
    jeu.encheres.siegeEnAttente = Siege::Aucun;
    enchereSuivante(jeu, siege);
}

void imposerEnchere(PartieEncheres& jeu, Contrat code) {
    Donne& d = jeu.donne;
    const Siege siege = jeu.encheres.siegeEnAttente;
    if (siege == Siege::Aucun || siege == SUD) return;
    Contrat meilleure = PASSE;
    for (Siege s = d.premierParlant; s != siege; s = siegeSuivant(s))
        if (d.encheresAnnoncees[s] > meilleure && d.encheresAnnoncees[s] <= GARDE_CONTRE)
            meilleure = d.encheresAnnoncees[s];
    if (code <= meilleure || code > GARDE_CONTRE) code = PASSE;
    d.encheresAnnoncees[siege] = code;
    jeu.encheres.meilleureEnchere = code > meilleure ? code : meilleure;
}

void enchereJoueur(PartieEncheres& jeu, Contrat code) {
    if (jeu.donne.phase != Phase::EnchereSud) return;
    if (code < PASSE || code > GARDE_CONTRE) return;
    if (code != PASSE && code <= jeu.encheres.meilleureEnchere) {
        jeu.encheres.enchereRefusee = true;
        return;
    }
    jeu.donne.encheresAnnoncees[SUD] = code;
    if (code != PASSE) jeu.encheres.meilleureEnchere = code;
    enchereSuivante(jeu, SUD);
}

void finEncheres(PartieEncheres& jeu) {
    passerA(jeu.donne, Phase::EncheresCloses);
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
