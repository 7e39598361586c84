// Area 2: the four operations and number expressions over natural numbers (difficulty 1),
// decimals (2), integers (3) and fractions (4). Every exercise carries a task caption in the
// current language; fraction kinds replace the general one with their own.

#include "core/Language.h"
#include "generator/Area2Parts.h"

namespace numerava {

namespace area2 {

const char* CaptionCompute() { return ByLanguage("Vypočítej a stiskni ENTER", "Vypočítaj a stlač ENTER"); }
const char* CaptionCompleteFraction() { return ByLanguage("Doplň zlomek", "Doplň zlomok"); }
const char* CaptionLowestTerms() {
    return ByLanguage("Doplň zlomek na základní tvar", "Doplň zlomok na základný tvar");
}
const char* CaptionWriteDecimal() { return ByLanguage("Zapiš desetinným číslem", "Zapíš desatinným číslom"); }

} // namespace area2

void GenerateArea2(TGenerateContext& context) {
    using namespace area2;
    context.TaskText = CaptionCompute();
    const bool fractions = context.Difficulty == 4;
    switch (context.Operation) {
    case 1: return fractions ? AddOrSubtractFractions(context) : AddOrSubtract(context);
    case 2: return fractions ? MultiplyFractions(context) : Multiply(context);
    case 3: return fractions ? DivideFractions(context) : Divide(context);
    default: break;
    }
    switch (context.Difficulty) {
    case 1: return NaturalExpression(context);
    case 2: return DecimalExpression(context);
    case 3: return IntegerExpression(context);
    default: return FractionExpression(context);
    }
}

} // namespace numerava
