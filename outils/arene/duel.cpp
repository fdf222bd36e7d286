// quarvel-arene duel: two levels of play against each other on the same deals.
#include "fenetres/modele/jeu.h"
#include "outils/arene/commun.h"
#include "outils/arene/tirage_donnes.h"
#include "partie/donne_auto.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace quarvel::arene {

namespace {

constexpr const char* AIDE_DUEL =
    "usage: quarvel-arene duel [--graine G] [--nombre K] [--niveau-a A] [--niveau-b B]\n"
    "                          [--adaptatif 0|1]\n"
    "  Plays each of K deals (default 1000) twice from a random state drawn from the seed G\n"
    "  and the deal's number: SUD at level A against three seats at level B, then SUD at B\n"
    "  against three at A. Every seat bids what its hand deserves. Prints SUD's mean score\n"
    "  per deal on each side with its 95% confidence interval; the last line reads\n"
    "  'A: mean +- half-width, B: mean +- half-width'.\n"
    "  --niveau-a A, --niveau-b B   0 a legal card at random, 1 Debutant .. 4 Pro\n"
    "                               (defaults 4 and 1)\n"
    "  --adaptatif 0|1              the adaptive level (default 0)\n";

// Running mean and spread (Welford), for the confidence interval.
struct Moyenne {
    long long n = 0;
    double moyenne = 0;
    double m2 = 0;
    void ajouter(double x) {
        ++n;
        const double delta = x - moyenne;
        moyenne += delta / static_cast<double>(n);
        m2 += delta * (x - moyenne);
    }
    double demiLargeur() const {
        if (n < 2) return 0;
        return 1.96 * std::sqrt(m2 / static_cast<double>(n - 1) / static_cast<double>(n));
    }
};

std::unique_ptr<Jeu> nouveauJeu(int niveauSud, int niveauAutres, bool adaptatif) {
    auto jeu = std::make_unique<Jeu>();
    preparerJeuAuto(*jeu);
    jeu->reglages.niveau = niveauAutres;
    jeu->moteur.niveauSud = niveauSud;
    jeu->reglages.optionNiveauAdaptatif = adaptatif;
    return jeu;
}

} // namespace

int modeDuel(int argc, char** argv) {
    Arguments args;
    if (!args.analyser("duel", argc, argv,
                       {{"--graine", true},
                        {"--nombre", true},
                        {"--niveau-a", true},
                        {"--niveau-b", true},
                        {"--adaptatif", true}}))
        return SORTIE_ARGUMENTS;
    if (args.aide()) {
        std::fputs(AIDE_DUEL, stdout);
        return 0;
    }
    unsigned long long graine = 0, nombre = 0, a = 0, b = 0, adaptatif = 0;
    if (!args.entier("--graine", 0, UINT32_MAX, GRAINE_INITIALE, graine) ||
        !args.entier("--nombre", 1, 100000000, 1000, nombre) ||
        !args.entier("--niveau-a", 0, 4, 4, a) || !args.entier("--niveau-b", 0, 4, 1, b) ||
        !args.entier("--adaptatif", 0, 1, 0, adaptatif))
        return SORTIE_ARGUMENTS;

    // One game per side, each keeping its own weights and carried values from deal to deal.
    auto jeuA = nouveauJeu(static_cast<int>(a), static_cast<int>(b), adaptatif != 0);
    auto jeuB = nouveauJeu(static_cast<int>(b), static_cast<int>(a), adaptatif != 0);
    Moyenne sudA, sudB, ecart;
    DonneAuto r;
    for (unsigned long long n = 1; n <= nombre; ++n) {
        const std::uint32_t etat = etatDeLaDonne(static_cast<std::uint32_t>(graine), n);
        placerDonne(*jeuA, etat, n);
        jouerDonneAuto(*jeuA, r);
        const int scoreA = scoreDeSud(r);
        placerDonne(*jeuB, etat, n);
        jouerDonneAuto(*jeuB, r);
        const int scoreB = scoreDeSud(r);
        sudA.ajouter(scoreA);
        sudB.ajouter(scoreB);
        ecart.ajouter(scoreA - scoreB);
        if (nombre >= 10000 && n % 10000 == 0)
            std::fprintf(stderr, "duel: %llu/%llu deals\n", n, nombre);
    }
    std::printf("deals: %llu, seed %llu, SUD's score per deal\n", nombre, graine);
    std::printf("SUD at level %llu against %llu: %.2f +- %.2f\n", a, b, sudA.moyenne,
                sudA.demiLargeur());
    std::printf("SUD at level %llu against %llu: %.2f +- %.2f\n", b, a, sudB.moyenne,
                sudB.demiLargeur());
    std::printf("difference on the same deals (A - B): %.2f +- %.2f\n", ecart.moyenne,
                ecart.demiLargeur());
    std::printf("A: %.2f +- %.2f, B: %.2f +- %.2f\n", sudA.moyenne, sudA.demiLargeur(),
                sudB.moyenne, sudB.demiLargeur());
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace quarvel::arene
