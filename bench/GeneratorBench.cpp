// Exercises per second for every area-1 difficulty and operation (the other areas have their own
// Area*Bench.cpp beside this file): the rejection loops must keep one exercise in the microseconds.

#include "GeneratorBench.h"

#include "catalogue/Selection.h"
#include "core/Random.h"
#include "generator/UnitsGenerator.h"

#include <benchmark/benchmark.h>

namespace numerava::bench {

void RunSelection(benchmark::State& state, int area, uint8_t difficultySet, uint8_t operationSet,
                  const std::string& label) {
    SeedRandom(12345);
    TNumeravaGenerator generator;
    generator.Area = area;
    generator.DifficultySet = difficultySet;
    generator.OperationSet = operationSet;
    for (auto _ : state) {
        TExercise exercise = generator.Generate();
        benchmark::DoNotOptimize(exercise);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(label);
}

} // namespace numerava::bench

namespace {

void BM_Area1(benchmark::State& state) {
    const int difficulty = static_cast<int>(state.range(0));
    const int operation = static_cast<int>(state.range(1));
    numerava::bench::RunSelection(state, 1, numerava::ItemBit(difficulty), numerava::ItemBit(operation),
                                  "difficulty " + std::to_string(difficulty) + ", operation " +
                                      std::to_string(operation));
}

BENCHMARK(BM_Area1)->ArgsProduct({{1, 2, 3, 4}, {1, 2, 3, 4}});

} // namespace

BENCHMARK_MAIN();
