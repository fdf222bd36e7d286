// Deal generation: candidates per second, hand evaluations per second, and how long a deal
// forced to GARDE CONTRE keeps the hourglass on.
#include "cartes/generation.h"
#include "encheres/evaluation.h"
#include "fenetres/modele/jeu.h"
#include "partie/nouvelle_donne.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <vector>

using namespace quarvel;

namespace {

// CPU time of this thread: the figure that does not depend on how busy the machine is.
double msProcesseur() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void BM_faireCandidat(benchmark::State& state) {
    Donne d;
    Paquet paquet;
    Aleatoire alea{1};
    const OptionsDonne options{static_cast<EvaluationMain>(&evaluerMain), 2, false};
    for (auto _ : state) benchmark::DoNotOptimize(faireCandidat(d, paquet, alea, options, false));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_faireCandidat);

void BM_evaluerMain(benchmark::State& state) {
    // A few hundred real hands, so the branches see real variety.
    auto jeu = std::make_unique<Jeu>();
    jeu->alea.graine = 2;
    std::vector<MainJoueur> mains;
    for (int k = 0; k < 256; ++k) {
        produireDonne(*jeu, false);
        for (Siege s : SIEGES) mains.push_back(jeu->donne.mains[s]);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluerMain(mains[i]));
        i = (i + 1) % mains.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_evaluerMain);

// 1000 deals forced to GARDE CONTRE, each timed alone: median and spread in milliseconds, by the
// wall clock and by the thread's CPU time.
void BM_donneForceeGardeContre(benchmark::State& state) {
    constexpr int NB = 1000;
    auto jeu = std::make_unique<Jeu>();
    jeu->alea.graine = 3;
    jeu->reglages.optionForceMain = 6;
    std::vector<double> durees(NB), cpu(NB);
    long long candidats = 0;
    for (auto _ : state) {
        candidats = 0;
        for (int k = 0; k < NB; ++k) {
            const double cpuDebut = msProcesseur();
            const auto debut = std::chrono::steady_clock::now();
            produireDonne(*jeu, false);
            const auto fin = std::chrono::steady_clock::now();
            cpu[k] = msProcesseur() - cpuDebut;
            durees[k] = std::chrono::duration<double, std::milli>(fin - debut).count();
            candidats += jeu->candidats;
        }
    }
    std::sort(durees.begin(), durees.end());
    std::sort(cpu.begin(), cpu.end());
    state.counters["mediane_ms"] = durees[NB / 2];
    state.counters["mediane_cpu_ms"] = cpu[NB / 2];
    state.counters["p90_ms"] = durees[NB * 9 / 10];
    state.counters["max_ms"] = durees.back();
    state.counters["candidats_par_donne"] = static_cast<double>(candidats) / NB;
}
BENCHMARK(BM_donneForceeGardeContre)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
