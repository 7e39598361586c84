// Exercises per second for every area-4 difficulty (unit conversions): 1 to 4 from the left
// column, 5 to 8 from the right one.

#include "GeneratorBench.h"

#include "catalogue/Selection.h"
#include "core/Random.h"
#include "generator/UnitsGenerator.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Area4(benchmark::State& state) {
    using numerava::ItemBit;
    const int difficulty = static_cast<int>(state.range(0));
    numerava::bench::RunSelection(state, 4, difficulty <= 4 ? ItemBit(difficulty) : 0,
                                  difficulty <= 4 ? 0 : ItemBit(difficulty - 4),
                                  "difficulty " + std::to_string(difficulty));
}

BENCHMARK(BM_Area4)->DenseRange(1, 8);

} // namespace
