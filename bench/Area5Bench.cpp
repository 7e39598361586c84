// Exercises per second for area 5: one problem line of the shipped Czech book, split, parsed and
// filled with two different names.

#include "GeneratorBench.h"

#include "catalogue/Selection.h"
#include "catalogue/WordProblemData.h"
#include "catalogue/WordProblemFile.h"
#include "core/Random.h"
#include "generator/UnitsGenerator.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Area5(benchmark::State& state) {
    using namespace numerava;
    const int section = static_cast<int>(state.range(0));
    if (LoadWordProblemFile(std::string(NUMERAVA_SOURCE_DIR) + "/Graphics/numerava_cz.dat") !=
        WordProblemFileError::None) {
        state.SkipWithError("the Czech word-problem file does not load");
        return;
    }
    bench::RunSelection(state, 5, section <= 6 ? ItemBit(section) : 0, section > 6 ? ItemBit(section - 6) : 0,
                        "section " + std::to_string(section));
}

BENCHMARK(BM_Area5)->DenseRange(1, 12);

} // namespace
