// Exercises per second for the right column of area 6 (binomial formulas, factoring, conditions
// and simplification of fractional expressions): each item through Generate, as the drill asks,
// and each kind alone, so that the slowest one shows.

#include "catalogue/Selection.h"
#include "core/Random.h"
#include "generator/Area6Common.h"
#include "generator/Area6RightColumn.h"
#include "generator/UnitsGenerator.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace numerava;

void BM_Area6RightColumnItem(benchmark::State& state) {
    const int item = static_cast<int>(state.range(0));
    SeedRandom(12345);
    TNumeravaGenerator generator;
    generator.Area = 6;
    generator.OperationSet = ItemBit(item);
    for (auto _ : state) {
        TExercise exercise = generator.Generate();
        benchmark::DoNotOptimize(exercise);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("difficulty " + std::to_string(item + 6));
}
BENCHMARK(BM_Area6RightColumnItem)->DenseRange(1, 4);

// One kind of one difficulty alone, with the area's closing steps.
template <void (*GenerateKind)(TGenerateContext&, int)>
void KindAlone(benchmark::State& state, int difficulty) {
    const int kind = static_cast<int>(state.range(0));
    SeedRandom(12345);
    TNumeravaGenerator generator;
    for (auto _ : state) {
        TGenerateContext context(generator);
        context.Difficulty = difficulty;
        context.Letter1 = "a";
        context.Letter2 = "b";
        context.Letter3 = "x";
        GenerateKind(context, kind);
        area6::CloseArea6(context);
        benchmark::DoNotOptimize(context.Question);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("difficulty " + std::to_string(difficulty) + ", kind " + std::to_string(kind));
}

void BM_Area6BinomialKind(benchmark::State& state) { KindAlone<area6::GenerateBinomialKind>(state, 7); }
void BM_Area6FactoringKind(benchmark::State& state) { KindAlone<area6::GenerateFactoringKind>(state, 8); }
void BM_Area6ConditionKind(benchmark::State& state) { KindAlone<area6::GenerateConditionKind>(state, 9); }
void BM_Area6RationalGroup(benchmark::State& state) { KindAlone<area6::GenerateRationalGroup>(state, 10); }

BENCHMARK(BM_Area6BinomialKind)->DenseRange(0, area6::BinomialKinds - 1);
BENCHMARK(BM_Area6FactoringKind)->DenseRange(0, area6::FactoringKinds - 1);
BENCHMARK(BM_Area6ConditionKind)->DenseRange(0, area6::ConditionKinds - 1);
BENCHMARK(BM_Area6RationalGroup)->DenseRange(0, area6::RationalGroups - 1);

} // namespace
