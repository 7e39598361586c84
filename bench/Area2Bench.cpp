// Exercises per second for every area-2 difficulty and operation: the rejection loops of the
// fraction and expression kinds must keep one exercise in the microseconds.

#include "GeneratorBench.h"

#include "catalogue/Selection.h"
#include "core/Random.h"
#include "generator/UnitsGenerator.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_Area2(benchmark::State& state) {
    const int difficulty = static_cast<int>(state.range(0));
    const int operation = static_cast<int>(state.range(1));
    numerava::bench::RunSelection(state, 2, numerava::ItemBit(difficulty), numerava::ItemBit(operation),
                                  "difficulty " + std::to_string(difficulty) + ", operation " +
                                      std::to_string(operation));
}

BENCHMARK(BM_Area2)->ArgsProduct({{1, 2, 3, 4}, {1, 2, 3, 4}});

} // namespace
