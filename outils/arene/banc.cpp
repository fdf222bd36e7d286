// quarvel-arene bench: a fixed list of deals played by the rules at every seat; the signature
// of every card played changes whenever play changes.
#include "fenetres/modele/jeu.h"
#include "outils/arene/commun.h"
#include "outils/arene/tirage_donnes.h"
#include "partie/donne_auto.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace quarvel::arene {

namespace {

constexpr const char* AIDE_BENCH =
    "usage: quarvel-arene bench [--nombre K] [--niveau N]\n"
    "  Plays the K deals (default 2000) of a fixed list, all four seats by the rules at level\n"
    "  N (default 4, adaptive level off). Prints the signature of every card played and\n"
    "  score, and the deals played per second.\n";

constexpr std::uint32_t GRAINE_BANC = 20260101u;

// FNV-1a, 32 bits.
struct Signature {
    std::uint32_t h = 2166136261u;
    void ajouter(int x) {
        for (int i = 0; i < 4; ++i) {
            h ^= static_cast<std::uint32_t>(x >> (8 * i)) & 0xFFu;
            h *= 16777619u;
        }
    }
};

} // namespace

int modeBench(int argc, char** argv) {
    Arguments args;
    if (!args.analyser("bench", argc, argv, {{"--nombre", true}, {"--niveau", true}}))
        return SORTIE_ARGUMENTS;
    if (args.aide()) {
        std::fputs(AIDE_BENCH, stdout);
        return 0;
    }
    unsigned long long nombre = 0, niveau = 0;
    if (!args.entier("--nombre", 1, 100000000, 2000, nombre) ||
        !args.entier("--niveau", 0, 4, 4, niveau))
        return SORTIE_ARGUMENTS;

    auto jeu = std::make_unique<Jeu>();
    preparerJeuAuto(*jeu);
    jeu->reglages.niveau = static_cast<int>(niveau);
    jeu->moteur.niveauSud = static_cast<int>(niveau);
    Signature sig;
    DonneAuto r;
    const auto debut = std::chrono::steady_clock::now();
    for (unsigned long long n = 1; n <= nombre; ++n) {
        // Every deal starts afresh, so the signature of a deal does not hang on the others.
        jeu->reglages.poidsRegles.remplir(100);
        jeu->connaissance.derniereEntamePreneur = ATOUT;
        placerDonne(*jeu, etatDeLaDonne(GRAINE_BANC, n), n);
        jouerDonneAuto(*jeu, r);
        const Donne& d = jeu->donne;
        for (int t : PLIS) {
            Siege s = d.entamesPlis[t];
            for (int k = 0; k < 4; ++k, s = siegeSuivant(s)) {
                const Carte& c = d.mains[s][d.slotsJoues[s][t]];
                sig.ajouter(entier(s) * 100 + numeroCarte(c));
            }
        }
        sig.ajouter(r.score);
    }
    const double secondes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    std::printf("deals: %llu, level %llu\n", nombre, niveau);
    std::printf("signature: %08x\n", sig.h);
    std::printf("deals per second: %.0f\n", static_cast<double>(nombre) / secondes);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace quarvel::arene
