// quarvel-arene duel: two levels of play against each other on the same deals.
#include "fenetres/modele/jeu.h"
#include "ia/connaissance.h"
#include "outils/arene/commun.h"
#include "outils/arene/externe.h"
#include "outils/arene/tirage_donnes.h"
#include "partie/donne_auto.h"
#include "partie/expert.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quarvel::arene {

namespace {

constexpr const char* AIDE_DUEL =
    "usage: quarvel-arene duel [--graine G] [--nombre K] [--niveau-a A] [--niveau-b B]\n"
    "                          [--adaptatif 0|1] [--fils N] [--externe-b COMMAND]\n"
    "                          [--delai-externe S] [--mondes N]\n"
    "  Plays each of K deals (default 1000) twice from a random state drawn from the seed G\n"
    "  and the deal's number: SUD at level A against three seats at level B, then SUD at B\n"
    "  against three at A. Every seat bids what its hand deserves, the Expert what its search\n"
    "  finds. Prints SUD's mean score per deal on each side with its 95% confidence interval;\n"
    "  the last line reads 'A: mean +- half-width, B: mean +- half-width'.\n"
    "  --niveau-a A, --niveau-b B   0 a legal card at random, 1 Debutant .. 4 Pro, 5 Expert\n"
    "                               (defaults 4 and 1)\n"
    "  --adaptatif 0|1              the adaptive level (default 0; it plays on one thread)\n"
    "  --fils N                     threads sharing the deals (default: the number of cores);\n"
    "                               the results do not depend on it\n"
    "  --externe-b COMMAND          side B is another program, started through the shell\n"
    "                               (one per thread) and asked over the line protocol of\n"
    "                               docs/joueur-externe.md; the last line adds 'external\n"
    "                               faults: N'. Exit status 3 when it exits or stays silent\n"
    "  --delai-externe S            seconds it may stay silent (default 10)\n"
    "  --mondes N                   worlds the Expert draws at each bid and card (default 40);\n"
    "                               its thinking times per bid and per card are printed\n";

// Sums of whole scores: exact, so that any split of the deals over threads adds up to the same
// mean and interval, to the last digit.
struct Sommes {
    long long n = 0;
    long long somme = 0;
    long long carres = 0;
    void ajouter(long long x) {
        ++n;
        somme += x;
        carres += x * x;
    }
    void ajouter(const Sommes& o) {
        n += o.n;
        somme += o.somme;
        carres += o.carres;
    }
    double moyenne() const {
        return n == 0 ? 0 : static_cast<double>(somme) / static_cast<double>(n);
    }
    double demiLargeur() const {
        if (n < 2) return 0;
        const long double nn = static_cast<long double>(n);
        const long double s = static_cast<long double>(somme);
        const long double variance = (static_cast<long double>(carres) - s * s / nn) / (nn - 1);
        return static_cast<double>(1.96L * std::sqrt(std::max(0.0L, variance) / nn));
    }
};

struct Bilan {
    Sommes sudA, sudB, ecart;
    long fautes = 0; // of the external program
    // Each Expert decision's thinking time, seconds: its cards, its bids.
    std::vector<float> reflexion, reflexionEncheres;
};

void noterReflexion(void* bilan, DecisionExpert decision, double secondes) {
    Bilan& b = *static_cast<Bilan*>(bilan);
    (decision == DecisionExpert::Carte ? b.reflexion : b.reflexionEncheres)
        .push_back(static_cast<float>(secondes));
}

// The thinking times of one kind of decision: how many, mean, median, 99th percentile, max.
void imprimerReflexion(const std::vector<Bilan>& bilans, std::vector<float> Bilan::*quoi,
                       const char* titre, const char* unite) {
    std::vector<float> temps;
    for (const Bilan& x : bilans) temps.insert(temps.end(), (x.*quoi).begin(), (x.*quoi).end());
    if (temps.empty()) return;
    std::sort(temps.begin(), temps.end());
    double somme = 0;
    for (float x : temps) somme += x;
    const auto rang = [&](double q) {
        return 1000.0 *
               temps[std::min(temps.size() - 1,
                              static_cast<std::size_t>(q * static_cast<double>(temps.size())))];
    };
    std::printf("%s: %zu, thinking time per %s (ms): mean %.2f, median %.2f, 99th percentile "
                "%.2f, max %.2f\n",
                titre, temps.size(), unite, 1000.0 * somme / static_cast<double>(temps.size()),
                rang(0.5), rang(0.99), 1000.0 * temps.back());
}

std::unique_ptr<Jeu> nouveauJeu(int niveauSud, int niveauAutres, bool adaptatif, int mondes) {
    auto jeu = std::make_unique<Jeu>();
    preparerJeuAuto(*jeu);
    jeu->moteur.mondesExpert = mondes;
    jeu->reglages.niveau = niveauAutres;
    jeu->moteur.niveauSud = niveauSud;
    jeu->reglages.optionNiveauAdaptatif = adaptatif;
    return jeu;
}

// The computer players remember the taker's last lead from one deal to the next; a deal of the
// duel starts with nothing remembered, so that it plays the same on whichever thread.
void oublierDonnePrecedente(Jeu& jeu) {
    jeu.connaissance.derniereEntamePreneur = Connaissance{}.derniereEntamePreneur;
}

} // namespace

int modeDuel(int argc, char** argv) {
    Arguments args;
    if (!args.analyser("duel", argc, argv,
                       {{"--graine", true},
                        {"--nombre", true},
                        {"--niveau-a", true},
                        {"--niveau-b", true},
                        {"--mondes", true},
                        {"--adaptatif", true},
                        {"--fils", true},
                        {"--externe-b", true},
                        {"--delai-externe", true}}))
        return SORTIE_ARGUMENTS;
    if (args.aide()) {
        std::fputs(AIDE_DUEL, stdout);
        return 0;
    }
    unsigned long long graine = 0, nombre = 0, a = 0, b = 0, adaptatif = 0, mondes = 0;
    if (!args.entier("--graine", 0, UINT32_MAX, GRAINE_INITIALE, graine) ||
        !args.entier("--nombre", 1, 100000000, 1000, nombre) ||
        !args.entier("--niveau-a", 0, 5, 4, a) || !args.entier("--niveau-b", 0, 5, 1, b) ||
        !args.entier("--mondes", 1, 10000, MONDES_EXPERT, mondes) ||
        !args.entier("--adaptatif", 0, 1, 0, adaptatif))
        return SORTIE_ARGUMENTS;
    const char* externe = args.texte("--externe-b");
    unsigned long long delai = 0;
    if (!args.entier("--delai-externe", 1, 3600, 10, delai)) return SORTIE_ARGUMENTS;
    if (externe && !*externe) return refuser("duel", "--externe-b needs a command");

    unsigned long long fils = 0;
    const unsigned coeurs = std::max(1u, std::thread::hardware_concurrency());
    if (!args.entier("--fils", 1, 256, coeurs, fils)) return SORTIE_ARGUMENTS;
    // The adaptive level carries the weights from one deal to the next: one thread keeps their
    // order, and so the results.
    if (adaptatif != 0 && fils > 1) {
        if (args.present("--fils"))
            std::fputs("duel: the adaptive level plays its deals in order, on one thread\n",
                       stderr);
        fils = 1;
    }
    fils = std::min<unsigned long long>(fils, nombre);

    // Each thread plays a run of consecutive deals with one game per side; a deal's random state
    // comes from the seed and its number alone, whichever thread plays it.
    // An external side B gets its own program on each thread.
    std::vector<Bilan> bilans(fils);
    std::atomic<unsigned long long> jouees{0};
    std::atomic<bool> arret{false};
    std::mutex verrou;
    std::string raisonArret;
    auto jouer = [&](unsigned long long t) {
        try {
            const unsigned long long premier = nombre * t / fils + 1,
                                     dernier = nombre * (t + 1) / fils;
            auto jeuA = nouveauJeu(static_cast<int>(a), static_cast<int>(b), adaptatif != 0,
                                   static_cast<int>(mondes));
            auto jeuB = nouveauJeu(static_cast<int>(b), static_cast<int>(a), adaptatif != 0,
                                   static_cast<int>(mondes));
            std::unique_ptr<ProgrammeExterne> programme;
            std::unique_ptr<SiegesProgramme> autresB, sudB;
            if (externe) {
                programme = std::make_unique<ProgrammeExterne>(externe, static_cast<int>(delai));
                autresB =
                    std::make_unique<SiegesProgramme>(*programme, std::vector{EST, NORD, OUEST});
                sudB = std::make_unique<SiegesProgramme>(*programme, std::vector{SUD});
            }
            Bilan& bilan = bilans[t];
            observerExpert(noterReflexion, &bilan);
            DonneAuto r;
            for (unsigned long long n = premier; n <= dernier && !arret; ++n) {
                const std::uint32_t etat = etatDeLaDonne(static_cast<std::uint32_t>(graine), n);
                placerDonne(*jeuA, etat, n);
                oublierDonnePrecedente(*jeuA);
                if (autresB) autresB->numeroDonne(n), sudB->numeroDonne(n);
                jouerDonneAuto(*jeuA, r, autresB.get());
                const int scoreA = scoreDeSud(r);
                placerDonne(*jeuB, etat, n);
                oublierDonnePrecedente(*jeuB);
                jouerDonneAuto(*jeuB, r, sudB.get());
                const int scoreB = scoreDeSud(r);
                bilan.sudA.ajouter(scoreA);
                bilan.sudB.ajouter(scoreB);
                bilan.ecart.ajouter(scoreA - scoreB);
                const unsigned long long k = ++jouees;
                if (nombre >= 10000 && k % 10000 == 0)
                    std::fprintf(stderr, "duel: %llu/%llu deals\n", k, nombre);
            }
            if (autresB) bilan.fautes = autresB->fautes() + sudB->fautes();
        } catch (const ArretExterne& e) {
            const std::lock_guard<std::mutex> garde(verrou);
            if (!arret.exchange(true)) raisonArret = e.what();
        }
    };
    std::vector<std::thread> threads;
    for (unsigned long long t = 1; t < fils; ++t) threads.emplace_back(jouer, t);
    jouer(0);
    for (std::thread& th : threads) th.join();
    if (arret) {
        refuser("duel", raisonArret);
        return SORTIE_EXTERNE;
    }
    long fautes = 0;
    for (const Bilan& x : bilans) fautes += x.fautes;
    Sommes sudA, sudB, ecart;
    for (const Bilan& x : bilans) {
        sudA.ajouter(x.sudA);
        sudB.ajouter(x.sudB);
        ecart.ajouter(x.ecart);
    }
    std::printf("deals: %llu, seed %llu, SUD's score per deal\n", nombre, graine);
    if (externe) {
        std::printf("SUD at level %llu against the external program: %.2f +- %.2f\n", a,
                    sudA.moyenne(), sudA.demiLargeur());
        std::printf("the external program as SUD against level %llu: %.2f +- %.2f\n", a,
                    sudB.moyenne(), sudB.demiLargeur());
    } else {
        std::printf("SUD at level %llu against %llu: %.2f +- %.2f\n", a, b, sudA.moyenne(),
                    sudA.demiLargeur());
        std::printf("SUD at level %llu against %llu: %.2f +- %.2f\n", b, a, sudB.moyenne(),
                    sudB.demiLargeur());
    }
    imprimerReflexion(bilans, &Bilan::reflexionEncheres, "Expert bids", "bid");
    imprimerReflexion(bilans, &Bilan::reflexion, "Expert cards", "card");
    std::printf("difference on the same deals (A - B): %.2f +- %.2f\n", ecart.moyenne(),
                ecart.demiLargeur());
    std::printf("A: %.2f +- %.2f, B: %.2f +- %.2f", sudA.moyenne(), sudA.demiLargeur(),
                sudB.moyenne(), sudB.demiLargeur());
    if (externe) std::printf(", external faults: %ld", fautes);
    std::printf("\n");
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace quarvel::arene
