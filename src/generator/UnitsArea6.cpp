// Area 6: school algebra. The entry picks the exercise case by difficulty; every exercise then
// passes the same closing steps (fallback, coefficient 1, debug text).

#include "generator/Area6Common.h"

#include <array>

namespace numerava {

void GenerateArea6(TGenerateContext& context) {
    using namespace area6;
    if (context.Difficulty == 0) context.Difficulty = 4;
    switch (context.Difficulty) {
    case 1: GenerateEquations(context); break;
    case 2: GenerateExpressionValues(context); break;
    case 3: GenerateManipulation(context); break;
    case 4: GeneratePowers(context); break;
    case 7: GenerateBinomialFormulas(context); break;
    case 8: GenerateFactoring(context); break;
    case 9: GenerateConditions(context); break;
    case 10: GenerateRationalExpressions(context); break;
    default: break; // 5, 6, 11, 12 have no case: the fallback exercise follows
    }
    CloseArea6(context);
}

namespace area6 {

void CloseArea6(TGenerateContext& context) {
    if (context.Question.empty()) SetFallbackExercise(context);
    RemoveCoefficientOne(context.Question);
    // The text after the answer field gets the same care: "·(1y − 2a)" reads "·(y − 2a)".
    RemoveCoefficientOne(context.Suffix);
    context.Generator.DebugText = Area6DebugText(context);
}

void SetFallbackExercise(TGenerateContext& context) {
    const int o = R(9) + 1;
    const int m = R(9) + 1;
    context.Letter3 = "a";
    context.Question = Cat(Tenths(o), "a", " + ", m, "a", " =");
    context.Suffix = "a";
    context.Expected = Fixed(1, m * 10 + o);
}

void RemoveCoefficientOne(std::string& text) {
    static constexpr std::array<const char*, 4> ones = {"1a", "1b", "1x", "1y"};
    for (const char* one : ones) {
        const size_t at = text.find(one);
        if (at == std::string::npos) continue;
        const char before = at == 0 ? ' ' : text[at - 1];
        const bool partOfNumber = (before >= '0' && before <= '9') || before == ',';
        if (at == 0 || !partOfNumber) text.erase(at, 1);
    }
}

std::string Area6DebugText(const TGenerateContext& context) {
    return Cat(context.Difficulty, "/", context.Operation, "/", context.Question, " #v# ", context.Suffix,
               "/ RI:", context.Expected.Value, "/ RM:", context.Expected.Decimals);
}

} // namespace area6
} // namespace numerava
