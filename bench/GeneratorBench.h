#pragma once
// What the generator benchmarks share: exercises of one selection generated for as long as the
// benchmark runs, counted as items.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace numerava::bench {

// Generate() over and over for `area` with the given item sets, from a fixed seed.
void RunSelection(benchmark::State& state, int area, uint8_t difficultySet, uint8_t operationSet,
                  const std::string& label);

} // namespace numerava::bench
