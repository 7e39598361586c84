// Exercises per second for every area-3 difficulty and level, and for the kinds whose rejection
// loops accept the fewest draws (the Pythagorean roots accept about one draw in 420).

#include "GeneratorBench.h"

#include "catalogue/Selection.h"
#include "core/Random.h"
#include "generator/GenerateContext.h"
#include "generator/UnitsArea3.h"
#include "generator/UnitsGenerator.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_Area3(benchmark::State& state) {
    const int difficulty = static_cast<int>(state.range(0));
    const int level = static_cast<int>(state.range(1));
    numerava::bench::RunSelection(state, 3, numerava::ItemBit(difficulty), numerava::ItemBit(level),
                                  "difficulty " + std::to_string(difficulty) + ", level " +
                                      std::to_string(level));
}

BENCHMARK(BM_Area3)->ArgsProduct({{1, 2, 3, 4}, {1, 2, 3, 4}});

// One kind alone: difficulty, level, kind.
void BM_Area3Kind(benchmark::State& state) {
    using namespace numerava;
    const int difficulty = static_cast<int>(state.range(0));
    const int level = static_cast<int>(state.range(1));
    const int kind = static_cast<int>(state.range(2));
    SeedRandom(12345);
    TNumeravaGenerator generator;
    for (auto _ : state) {
        TGenerateContext context(generator);
        area3::GenerateKind(context, difficulty, level, kind);
        benchmark::DoNotOptimize(context.Question);
        benchmark::DoNotOptimize(context.Expected);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("difficulty " + std::to_string(difficulty) + ", level " + std::to_string(level) +
                   ", kind " + std::to_string(kind));
}

// The Pythagorean roots, the roots of a +- b^2, the quotient e : (p + q) and two fractions with
// whole quotients dividing each other.
BENCHMARK(BM_Area3Kind)
    ->Args({1, 4, 15})
    ->Args({1, 4, 16})
    ->Args({1, 4, 7})
    ->Args({1, 4, 8})
    ->Args({3, 1, 9})
    ->Args({2, 3, 10});

} // namespace
