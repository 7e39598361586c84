// Microseconds per rendered formula: an exercise is drawn into its picture once per question, and
// that must stay well under a millisecond. Area-1 questions (all difficulties and operations) are the
// drill's common case; the second corpus has the two-dimensional kinds. One iteration renders one
// formula, so the time column is the time per formula. The last case reads the formulas as words.

#include "catalogue/Selection.h"
#include "core/Language.h"
#include "core/Random.h"
#include "equation/MarkupSpeech.h"
#include "equation/NumeravaEquation.h"
#include "generator/UnitsGenerator.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace numerava;

// The drill's exercise line: Tahoma 48 px, yellow, shadow 2, on the exercise background.
const TFontState DrillFont{"Tahoma", -48, {255, 255, 0}, false};
const QColor ExerciseBackground(191, 124, 0);
constexpr int DrillShadowOffset = 2;

std::vector<std::string> Area1Questions() {
    SeedRandom(2024);
    TNumeravaGenerator generator;
    generator.Area = 1;
    generator.DifficultySet = SetAllFour;
    generator.OperationSet = SetAllFour;
    std::vector<std::string> questions;
    for (int i = 0; i < 1000; ++i) questions.push_back(generator.Generate().Question);
    return questions;
}

const std::vector<std::string> FormulaCorpus = {
    "/<1><2> h",      "/<3*4 + 5*6><7>",          "*<(12 + 7)><3>", "#<*<16><4 + 5>>< >",
    "*<5><#<49>< >>", "^<;</<2><3>>><2>",         "^<12 cm><2>",    "&<0,25>< = ></<Ö><100>>",
    "Ä0    ",         "*<7><#<something = ><2>>",
};

void RenderCorpus(benchmark::State& state, const std::vector<std::string>& corpus) {
    size_t next = 0;
    for (auto _ : state) {
        QImage image = RenderMarkupImage(corpus[next], DrillFont, ExerciseBackground, DrillShadowOffset);
        benchmark::DoNotOptimize(image);
        next = (next + 1) % corpus.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_RenderArea1Question(benchmark::State& state) {
    static const std::vector<std::string> questions = Area1Questions();
    RenderCorpus(state, questions);
}

void BM_RenderFormula(benchmark::State& state) { RenderCorpus(state, FormulaCorpus); }

// What a screen reader is told of the same formulas: read again whenever it asks for the name.
void BM_SpeakFormula(benchmark::State& state) {
    size_t next = 0;
    for (auto _ : state) {
        std::string words = SpeakMarkup(FormulaCorpus[next], LanguageCzech);
        benchmark::DoNotOptimize(words);
        next = (next + 1) % FormulaCorpus.size();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_RenderArea1Question)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderFormula)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpeakFormula)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // Fonts and painting need a QGuiApplication; no display is needed for pictures.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
