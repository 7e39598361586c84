// The shared helpers of the area-6 exercise cases.

#include "generator/Area6Common.h"

#include <utility>

namespace numerava::area6 {

std::string Decimal(int64_t value, int places) { return FormatNumber(MakeNumber(places, value)); }

void SetExercise(TGenerateContext& context, std::string question, std::string suffix, TFixedNumber expected) {
    context.Question = std::move(question);
    context.Suffix = std::move(suffix);
    context.Expected = expected;
}

void SetExponentCaption(TGenerateContext& context) {
    context.TaskText = R(2) != 0 ? "Doplň mocnitele" : "Doplň exponent";
}

} // namespace numerava::area6
