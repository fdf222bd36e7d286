#include "outils/arene/tirage_donnes.h"

#include "fenetres/modele/jeu.h"

namespace quarvel::arene {

void preparerJeuAuto(Jeu& jeu) {
    jeu.reglages.optionForceMain = 2;
    jeu.reglages.optionAuMoinsUneMainDePrise = false;
    jeu.reglages.poidsRegles.remplir(100);
    jeu.reglages.niveau = 4;
}

std::uint32_t etatDeLaDonne(std::uint32_t g, unsigned long long n) {
    // splitmix64 over the seed and the number.
    std::uint64_t z = (static_cast<std::uint64_t>(g) << 32) + n + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<std::uint32_t>(z >> 32);
}

void placerDonne(Jeu& jeu, std::uint32_t etat, unsigned long long n) {
    jeu.alea.graine = etat;
    // The deal advances the first speaker by one before dealing.
    jeu.donne.premierParlant = siegeNumero(static_cast<int>((n + 2) % 4) + 1);
}

int scoreDeSud(const DonneAuto& r) {
    return r.preneur == SUD ? r.score : -r.score / 3;
}

} // namespace quarvel::arene
