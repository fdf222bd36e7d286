// Whole deals played by four computer seats, from the deal to the score of the last trick.
#include "donne/jeu.h"
#include "ia/donne_auto.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace quarvel;

namespace {

void BM_donneComplete(benchmark::State& state) {
    auto jeu = std::make_unique<Jeu>();
    jeu->alea.graine = 12345;
    jeu->reglages.niveau = static_cast<int>(state.range(0));
    jeu->reglages.optionForceMain = 2;
    jeu->reglages.poidsRegles.remplir(100);
    jeu->reglages.optionNiveauAdaptatif = state.range(1) != 0;
    jeu->moteur.niveauSud = jeu->reglages.niveau;
    DonneAuto r;
    for (auto _ : state) {
        jouerDonneAuto(*jeu, r);
        benchmark::DoNotOptimize(r.score);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_donneComplete)->Args({4, 0})->Args({4, 1})->Args({1, 0})->Args({0, 0});

} // namespace
