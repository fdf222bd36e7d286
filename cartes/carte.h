#pragma once
#include "cartes/tableau.h"

#include <string>

namespace quarvel {

// Suits, in the order a hand is sorted; Aucune for no card. The values are the records'.
enum class Couleur : int {
    Aucune = -1,
    Atout = 0,
    Pique = 1,
    Coeur = 2,
    Trefle = 3,
    Carreau = 4,
};
inline constexpr Couleur AUCUNE = Couleur::Aucune;
inline constexpr Couleur ATOUT = Couleur::Atout;
inline constexpr Couleur PIQUE = Couleur::Pique;
inline constexpr Couleur COEUR = Couleur::Coeur;
inline constexpr Couleur TREFLE = Couleur::Trefle;
inline constexpr Couleur CARREAU = Couleur::Carreau;
// The four plain suits, in order, for loops over them.
inline constexpr Couleur COULEURS[] = {PIQUE, COEUR, TREFLE, CARREAU};
// The suit of a number (a record's, a plain suit 1..4 drawn at random).
constexpr Couleur couleurNumero(int n) {
    return static_cast<Couleur>(n);
}
// Pique, Coeur, Trefle or Carreau.
constexpr bool estCouleurSimple(Couleur c) {
    return c >= PIQUE && c <= CARREAU;
}
// The plain suit i steps after r, wrapping CARREAU to PIQUE (i = 0 is r itself).
constexpr Couleur couleurApres(Couleur r, int i) {
    return couleurNumero((entier(r) - 1 + i) % 4 + 1);
}

// Seats, in the order they play; Aucun where a seat is not known or not there.
enum class Siege : int {
    Aucun = 0,
    Sud = 1,
    Est = 2,
    Nord = 3,
    Ouest = 4,
};
inline constexpr Siege SUD = Siege::Sud;
inline constexpr Siege EST = Siege::Est;
inline constexpr Siege NORD = Siege::Nord;
inline constexpr Siege OUEST = Siege::Ouest;
// The four seats in playing order, for loops over the table.
inline constexpr Siege SIEGES[] = {SUD, EST, NORD, OUEST};
// The seat of a number 1..4 (a record's, a window's index).
constexpr Siege siegeNumero(int n) {
    return static_cast<Siege>(n);
}

// Contracts (also the strength a hand deserves), in rising order; the values are the records'.
enum class Contrat : int {
    PasParle = -1,
    Passe = 0,
    Prise = 1,
    Garde = 2,
    GardeSans = 3,
    GardeContre = 4,
};
inline constexpr Contrat PAS_PARLE = Contrat::PasParle;
inline constexpr Contrat PASSE = Contrat::Passe;
inline constexpr Contrat PRISE = Contrat::Prise;
inline constexpr Contrat GARDE = Contrat::Garde;
inline constexpr Contrat GARDE_SANS = Contrat::GardeSans;
inline constexpr Contrat GARDE_CONTRE = Contrat::GardeContre;

// Special values
constexpr int EXCUSE = 0; // value of the Excuse among the trumps
constexpr int PETIT = 1;
constexpr int VINGT_ET_UN = 21;
constexpr int VALET = 11;
constexpr int CAVALIER = 12;
constexpr int DAME = 13;
constexpr int ROI = 14;

// Card numbers of the full pack
constexpr int NUMERO_EXCUSE = 57;
constexpr int NUMERO_PETIT = 58;
constexpr int NUMERO_21 = 78;

struct Carte {
    int valeur = 0;
    Couleur couleur = AUCUNE;
    bool enMain = false;

    // Same card: only suit and value count.
    friend constexpr bool operator==(const Carte& a, const Carte& b) {
        return a.valeur == b.valeur && a.couleur == b.couleur;
    }
};

constexpr bool estExcuse(const Carte& c) {
    return c.couleur == ATOUT && c.valeur == EXCUSE;
}
// A trump proper: the Excuse is not one.
constexpr bool estAtout(const Carte& c) {
    return c.couleur == ATOUT && c.valeur >= 1;
}
constexpr bool estBout(const Carte& c) {
    return c.couleur == ATOUT && (c.valeur == 0 || c.valeur == 1 || c.valeur == 21);
}
constexpr bool estPetit(const Carte& c) {
    return c.couleur == ATOUT && c.valeur == PETIT;
}

// Half points.
constexpr int pointsCarte(const Carte& c) {
    if (c.couleur == ATOUT) {
        if (c.valeur < 0 || c.valeur > 21) return 0;
        return estBout(c) ? 9 : 1;
    }
    if (!estCouleurSimple(c.couleur) || c.valeur < 1 || c.valeur > 14) return 0;
    switch (c.valeur) {
    case ROI:
        return 9;
    case DAME:
        return 7;
    case CAVALIER:
        return 5;
    case VALET:
        return 3;
    default:
        return 1;
    }
}

constexpr Siege siegeSuivant(Siege s) {
    return s == OUEST ? SUD : siegeNumero(entier(s) + 1);
}
constexpr Siege siegePrecedent(Siege s) {
    return s == SUD ? OUEST : siegeNumero(entier(s) - 1);
}

// Sorting order of a hand: suit ascending, value descending; the Excuse last among the trumps.
constexpr bool avant(const Carte& a, const Carte& b) {
    if (a.couleur != b.couleur) return a.couleur < b.couleur;
    return a.valeur > b.valeur;
}

constexpr Carte carteDuNumeroConst(int n) {
    Carte c;
    if (n <= 56) {
        c.couleur = couleurNumero((n - 1) / 14 + 1);
        c.valeur = (n - 1) % 14 + 1;
    } else {
        c.couleur = ATOUT;
        c.valeur = n - 57;
    }
    c.enMain = false;
    return c;
}

// The inverse of carteDuNumero; 0 for a record that is not a card.
constexpr int numeroCarte(const Carte& c) {
    if (c.couleur == ATOUT) return (c.valeur >= 0 && c.valeur <= 21) ? 57 + c.valeur : 0;
    if (estCouleurSimple(c.couleur) && c.valeur >= 1 && c.valeur <= 14)
        return (entier(c.couleur) - 1) * 14 + c.valeur;
    return 0;
}

using JeuComplet = Tableau<Carte, 78>;
const JeuComplet& jeuComplet();
Carte carteDuNumero(int n);

// Bitmap name of a card: "PIQUE1".."CARREAU14", "ATOUT1".."ATOUT21", the Excuse "ATOUT22".
std::string nomBitmap(const Carte& c);
// The same without allocating, for hot paths (returns a static string).
const char* nomBitmapC(const Carte& c);

} // namespace quarvel
