#include "encheres/encheres.h"

#include "donne/jeu.h"

namespace quarvel {

namespace {

void afficherAnnonce(Jeu& jeu, int siege, int code) {
    Composant& p = jeu.fen.frmQuarvel.PanelDec[siege];
    p.caption = jeu.textes.nomsEncheres[code];
    p.taillePolice = code == PASSE ? 10 : 14;
    p.visible = true;
}

void enchereSuivante(Jeu& jeu, int siege) {
    ++jeu.encheres.nbEncheres;
    if (jeu.encheres.nbEncheres >= 4)
        finEncheres(jeu);
    else
        etapeEnchere(jeu, siegeSuivant(siege));
}

void ouvrirBarre(Jeu& jeu) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    q.info.caption = texte(jeu.textes, "Cliquez sur l'enchère que vous désirez annoncer !",
                           "Click on the bid you want to do.");
    q.evMaMain.focus = q.evMaMain.visible;
}

} // namespace

void etapeEnchere(Jeu& jeu, int siege) {
    Donne& d = jeu.donne;
    const int merite = d.encheresMeritees[siege];
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
    ouvrirBarre(jeu);
}

void tickEnchere(Jeu& jeu) {
    jeu.minuteries.TimerEnchere.arreter();
    const int siege = jeu.encheres.siegeEnAttente;
    if (siege < 2 || siege > 4) return;
    jeu.encheres.siegeEnAttente = 0;
    afficherAnnonce(jeu, siege, jeu.donne.encheresAnnoncees[siege]);
    enchereSuivante(jeu, siege);
}

void enchereJoueur(Jeu& jeu, int code) {
    TfrmQuarvel& q = jeu.fen.frmQuarvel;
    if (jeu.donne.phase != Phase::EnchereSud) return;
    if (code < PASSE || code > GARDE_CONTRE) return;
    if (code != PASSE && code <= jeu.encheres.meilleureEnchere) {
        q.info.caption = texte(jeu.textes, "Vous devez faire une meilleure enchère ou passer !",
                               "Make a better bid or pass !");
        return;
    }
    q.evMaMain.focus = false;
    afficherAnnonce(jeu, SUD, code);
    jeu.donne.encheresAnnoncees[SUD] = code;
    if (code != PASSE) jeu.encheres.meilleureEnchere = code;
    enchereSuivante(jeu, SUD);
}

void finEncheres(Jeu& jeu) {
    jeu.fen.frmQuarvel.info.caption =
        texte(jeu.textes, "Cliquez n'importe où pour continuer à jouer... !",
              "Click anywhere to go on playing...");
    passerA(jeu.donne, Phase::EncheresCloses);
}

int trouverPreneur(Jeu& jeu) {
    Donne& d = jeu.donne;
    int siege = d.premierParlant;
    int meilleur = d.encheresAnnoncees[siege];
    int s = siege;
    for (int k = 1; k <= 3; ++k) {
        s = siegeSuivant(s);
        if (d.encheresAnnoncees[s] > meilleur) {
            meilleur = d.encheresAnnoncees[s];
            siege = s;
        }
    }
    if (meilleur < PASSE) meilleur = PASSE;
    d.contrat = meilleur;
    jeu.fen.frmQuarvel.PanelEnchere.caption = jeu.textes.nomsEncheres[meilleur];
    return siege;
}

} // namespace quarvel
