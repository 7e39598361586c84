#pragma once
// Pieces shared by the area-2 cases ("NU 2": natural, decimal, whole and rational numbers): the
// draw shorthand, the body builder, the task captions and the entry point of every case.
//
// Every kind draws all its numbers, tests its condition and draws them all again until it holds,
// so the exercises stay uniform over the accepted draws. A form is drawn after acceptance.

#include "core/FixedNumber.h"
#include "core/Random.h"
#include "generator/Draws.h"
#include "generator/GenerateContext.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

namespace numerava::area2 {

// The blank the pupil fills in, and the text before the answer field that asks for it.
inline constexpr const char* Blank = "Ö";
inline constexpr const char* BlankPrompt = "     ? = ";

// The task captions in the current language.
const char* CaptionCompute();          // every exercise unless its kind names another
const char* CaptionCompleteFraction(); // fill in the fraction
const char* CaptionLowestTerms();      // fill in the fraction in lowest terms
const char* CaptionWriteDecimal();     // write as a decimal number

// Sets the body the closing step wraps and the answer, `value` / 10^decimals.
inline void SetBody(TGenerateContext& context, std::string body, int64_t value, int32_t decimals = 0) {
    context.Question = std::move(body);
    context.Expected = MakeNumber(decimals, value);
}

// The same for a kind that also names its caption.
inline void SetBody(TGenerateContext& context, const char* caption, std::string body, int64_t value,
                    int32_t decimals = 0) {
    context.TaskText = caption;
    SetBody(context, std::move(body), value, decimals);
}

// An operand drawn as `value` with `decimals` places; -1 places means ten times the value.
inline TOperand Scaled(int32_t value, int32_t decimals) {
    if (decimals < 0) return TOperand{value * 10, 0};
    return TOperand{value, decimals};
}

// Operations 1 to 3 over natural numbers, decimals and integers (difficulties 1 to 3).
void AddOrSubtract(TGenerateContext& context);
void Multiply(TGenerateContext& context);
void Divide(TGenerateContext& context);

// Operations 1 to 3 over fractions (difficulty 4).
void AddOrSubtractFractions(TGenerateContext& context);
void MultiplyFractions(TGenerateContext& context);
void DivideFractions(TGenerateContext& context);

// Operation 4, number expressions, one per difficulty.
void NaturalExpression(TGenerateContext& context);
void DecimalExpression(TGenerateContext& context);
void IntegerExpression(TGenerateContext& context);
void FractionExpression(TGenerateContext& context);

} // namespace numerava::area2
