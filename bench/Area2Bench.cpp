// Exercises per second for every area-2 difficulty and operation: the rejection loops of the
// fraction and expression kinds must keep one exercise in the microseconds.

#include "catalogue/Selection.h"
#include "core/Random.h"
#include "generator/UnitsGenerator.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_Area2(benchmark::State& state) {
    using namespace numerava;
    const int difficulty = static_cast<int>(state.range(0));
    const int operation = static_cast<int>(state.range(1));
    SeedRandom(12345);
    TNumeravaGenerator generator;
    generator.Area = 2;
    generator.DifficultySet = ItemBit(difficulty);
    generator.OperationSet = ItemBit(operation);
    for (auto _ : state) {
        TExercise exercise = generator.Generate();
        benchmark::DoNotOptimize(exercise);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("difficulty " + std::to_string(difficulty) + ", operation " + std::to_string(operation));
}

BENCHMARK(BM_Area2)->ArgsProduct({{1, 2, 3, 4}, {1, 2, 3, 4}});

} // namespace
