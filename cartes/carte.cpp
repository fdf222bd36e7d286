#include "cartes/carte.h"

#include <array>

namespace quarvel {

namespace {

constexpr JeuComplet construireJeu() {
    JeuComplet j;
    for (int n = 1; n <= 78; ++n) j[n] = carteDuNumeroConst(n);
    return j;
}

constexpr JeuComplet JEU = construireJeu();

const std::array<std::string, 79>& nomsBitmaps() {
    static const std::array<std::string, 79> noms = [] {
        static const char* const prefixes[] = {"ATOUT", "PIQUE", "COEUR", "TREFLE", "CARREAU"};
        std::array<std::string, 79> t{};
        for (int n = 1; n <= 78; ++n) {
            Carte c = JEU[n];
            int v = estExcuse(c) ? 22 : c.valeur;
            t[n] = std::string(prefixes[entier(c.couleur)]) + std::to_string(v);
        }
        return t;
    }();
    return noms;
}

} // namespace

const JeuComplet& jeuComplet() {
    return JEU;
}

// A number outside the pack gives an empty record rather than reading past the table.
Carte carteDuNumero(int n) {
    return (n >= 1 && n <= 78) ? JEU[n] : Carte{};
}

const char* nomBitmapC(const Carte& c) {
    int n = numeroCarte(c);
    return n == 0 ? "" : nomsBitmaps()[n].c_str();
}

std::string nomBitmap(const Carte& c) {
    return nomBitmapC(c);
}

} // namespace quarvel
