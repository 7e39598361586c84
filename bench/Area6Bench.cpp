// Exercises per second in area 6: each difficulty selected alone through Generate, and each kind
// or group of difficulties 1-4 alone (with the area's closing steps), so that a slow rejection
// loop of a single kind (difficulty 1 kind 11 accepts 7 of 10,000 draws) shows up by itself.

#include "catalogue/Selection.h"
#include "core/Random.h"
#include "generator/Area6Common.h"
#include "generator/Area6Groups.h"
#include "generator/UnitsGenerator.h"

#include <benchmark/benchmark.h>

namespace {

using namespace numerava;

void BM_Area6Difficulty(benchmark::State& state) {
    const int difficulty = static_cast<int>(state.range(0));
    SeedRandom(12345);
    TNumeravaGenerator generator;
    generator.Area = 6;
    generator.DifficultySet = ItemBit(difficulty);
    generator.OperationSet = 0;
    for (auto _ : state) {
        TExercise exercise = generator.Generate();
        benchmark::DoNotOptimize(exercise);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("difficulty " + std::to_string(difficulty));
}
BENCHMARK(BM_Area6Difficulty)->DenseRange(1, 4);

// One kind or group through `generate`, then the closing steps of area 6.
template <void (*generate)(TGenerateContext&, int)>
void BM_Area6Kind(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    SeedRandom(12345);
    TNumeravaGenerator generator;
    generator.Area = 6;
    for (auto _ : state) {
        TGenerateContext context(generator);
        context.Letter1 = "a";
        context.Letter2 = "b";
        context.Letter3 = "x";
        generate(context, kind);
        area6::CloseArea6(context);
        benchmark::DoNotOptimize(context.Question);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("kind " + std::to_string(kind));
}
BENCHMARK(BM_Area6Kind<area6::GenerateEquation>)
    ->Name("BM_Area6Equation")
    ->DenseRange(0, area6::EquationKinds - 1);
BENCHMARK(BM_Area6Kind<area6::GenerateExpressionValue>)
    ->Name("BM_Area6Value")
    ->DenseRange(0, area6::ExpressionValueKinds - 1);
BENCHMARK(BM_Area6Kind<area6::GenerateManipulationGroup>)
    ->Name("BM_Area6Manipulation")
    ->DenseRange(0, area6::ManipulationGroups - 1);
BENCHMARK(BM_Area6Kind<area6::GeneratePowersGroup>)
    ->Name("BM_Area6Powers")
    ->DenseRange(0, area6::PowerGroups - 1);

} // namespace
