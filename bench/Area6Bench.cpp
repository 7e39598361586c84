// Exercises per second in area 6: each item selected alone through Generate, and each kind or group
// alone (with the area's closing steps), so that a slow rejection loop of a single kind (difficulty
// 1 kind 11 accepts 7 of 10,000 draws) shows up by itself.

#include "GeneratorBench.h"

#include "catalogue/Selection.h"
#include "core/Random.h"
#include "generator/Area6Common.h"
#include "generator/Area6Groups.h"
#include "generator/Area6RightColumn.h"
#include "generator/UnitsGenerator.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace numerava;

void BM_Area6Difficulty(benchmark::State& state) {
    const int difficulty = static_cast<int>(state.range(0));
    bench::RunSelection(state, 6, ItemBit(difficulty), 0, "difficulty " + std::to_string(difficulty));
}
BENCHMARK(BM_Area6Difficulty)->DenseRange(1, 4);

void BM_Area6RightColumnItem(benchmark::State& state) {
    const int item = static_cast<int>(state.range(0));
    bench::RunSelection(state, 6, 0, ItemBit(item), "difficulty " + std::to_string(item + 6));
}
BENCHMARK(BM_Area6RightColumnItem)->DenseRange(1, 4);

// One kind or group of a difficulty alone, with fixed letters.
template <void (*generate)(TGenerateContext&, int), int difficulty>
void BM_Area6Kind(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    SeedRandom(12345);
    TNumeravaGenerator generator;
    generator.Area = 6;
    for (auto _ : state) {
        TGenerateContext context(generator);
        context.Difficulty = difficulty;
        context.Letter1 = "a";
        context.Letter2 = "b";
        context.Letter3 = "x";
        generate(context, kind);
        area6::CloseArea6(context);
        benchmark::DoNotOptimize(context.Question);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("difficulty " + std::to_string(difficulty) + ", kind " + std::to_string(kind));
}

BENCHMARK(BM_Area6Kind<area6::GenerateEquation, 1>)
    ->Name("BM_Area6Equation")
    ->DenseRange(0, area6::EquationKinds - 1);
BENCHMARK(BM_Area6Kind<area6::GenerateExpressionValue, 2>)
    ->Name("BM_Area6Value")
    ->DenseRange(0, area6::ExpressionValueKinds - 1);
BENCHMARK(BM_Area6Kind<area6::GenerateManipulationGroup, 3>)
    ->Name("BM_Area6Manipulation")
    ->DenseRange(0, area6::ManipulationGroups - 1);
BENCHMARK(BM_Area6Kind<area6::GeneratePowersGroup, 4>)
    ->Name("BM_Area6Powers")
    ->DenseRange(0, area6::PowerGroups - 1);
BENCHMARK(BM_Area6Kind<area6::GenerateBinomialKind, 7>)
    ->Name("BM_Area6BinomialKind")
    ->DenseRange(0, area6::BinomialKinds - 1);
BENCHMARK(BM_Area6Kind<area6::GenerateFactoringKind, 8>)
    ->Name("BM_Area6FactoringKind")
    ->DenseRange(0, area6::FactoringKinds - 1);
BENCHMARK(BM_Area6Kind<area6::GenerateConditionKind, 9>)
    ->Name("BM_Area6ConditionKind")
    ->DenseRange(0, area6::ConditionKinds - 1);
BENCHMARK(BM_Area6Kind<area6::GenerateRationalGroup, 10>)
    ->Name("BM_Area6RationalGroup")
    ->DenseRange(0, area6::RationalGroups - 1);

} // namespace
