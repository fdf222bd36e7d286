// Whole deals played by four computer seats, from the deal to the score of the last trick.
#include "fenetres/modele/jeu.h"
#include "partie/coeur.h"
#include "partie/donne_auto.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

using namespace quarvel;

namespace {
// Heap allocations made by the program, to show that a deal makes none per card.
std::atomic<long long> allocations{0};
} // namespace

void* operator new(std::size_t n) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

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
    jouerDonneAuto(*jeu, r); // the window texts reach their size once
    const long long avant = allocations.load();
    for (auto _ : state) {
        jouerDonneAuto(*jeu, r);
        benchmark::DoNotOptimize(r.score);
    }
    state.counters["allocations/donne"] =
        static_cast<double>(allocations.load() - avant) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_donneComplete)->Args({4, 0})->Args({4, 1})->Args({1, 0})->Args({0, 0});

// Every seat by the rules, the game taken as it stands once the first card is down.
class Photographe : public TemoinDonne {
public:
    std::unique_ptr<Partie> photo;

    void carteJouee(const Partie& jeu, Siege, const Carte&) override {
        if (!photo) photo = std::make_unique<Partie>(jeu);
    }
};

// The 71 cards after the first by jouerReste, from a copy of the same game each time; the
// allocations are counted over jouerReste alone.
void BM_jouerReste(benchmark::State& state) {
    auto jeu = std::make_unique<Partie>();
    jeu->alea.graine = 12345;
    jeu->reglages.niveau = 4;
    jeu->reglages.poidsRegles.remplir(100);
    Photographe x;
    DonneAuto r;
    jouerDonneAuto(*jeu, r, &x);
    auto reste = std::make_unique<Partie>();
    long long pendant = 0;
    for (auto _ : state) {
        *reste = *x.photo;
        const long long avant = allocations.load();
        benchmark::DoNotOptimize(jouerReste(*reste));
        pendant += allocations.load() - avant;
    }
    state.counters["allocations/reste"] =
        static_cast<double>(pendant) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_jouerReste);

} // namespace
