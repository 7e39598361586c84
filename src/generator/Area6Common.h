#pragma once
// Shared pieces of the area-6 (algebra) exercises: the random draw, the number texts of the
// templates, the prompts, the answers, the captions used by several groups, the group functions
// the area entry dispatches to, and the closing steps of every area-6 exercise.
//
// An area-6 exercise is written as concatenated pieces: literal texts, the letters of the context
// (Letter1..3) and integers. Cat() joins such pieces; Decimal() gives an integer shown with a fixed
// number of decimal places.

#include "core/FixedNumber.h"
#include "core/Random.h"
#include "generator/Draws.h"
#include "generator/GenerateContext.h"

#include <cstdint>
#include <string>
#include <type_traits>

namespace numerava::area6 {

// One more R(2) draw whose non-zero value picks the first of two forms.
inline bool Side() { return R(2) != 0; }

// The integer `value` shown with `places` decimals through FormatNumber (5, 1 -> "0,5";
// 47, 3 -> "0,047"; 50, 2 -> "0,50"). The decimals are kept even when they end in zeros.
std::string Decimal(int64_t value, int places);
inline std::string Tenths(int64_t value) { return Decimal(value, 1); }

// A run of `count` spaces.
inline std::string Spaces(int count) { return std::string(static_cast<size_t>(count), ' '); }

// The prompt after an equation whose root the pupil types: spaces, the letter, "=" ("     x=").
inline std::string LetterPrompt(int spaces, const std::string& letter) {
    return Spaces(spaces) + letter + "=";
}

// The prompt after an expression whose value the pupil types: spaces, "?=" ("     ?=").
inline std::string ValuePrompt(int spaces) { return Spaces(spaces) + "?="; }

// The blank of the mark-up: the place of the number the pupil types, drawn as a highlighted "?".
inline constexpr const char* Blank = "Ö";

// Expected answers.
inline TFixedNumber Whole(int64_t value) { return MakeNumber(0, value); }
inline TFixedNumber Fixed(int32_t decimals, int64_t value) { return MakeNumber(decimals, value); }
// "N": no number fills the blank.
inline TFixedNumber NoNumber() { return SpecialAnswerN(); }

// Sets Question, Suffix and Expected of the exercise at once.
void SetExercise(TGenerateContext& context, std::string question, std::string suffix, TFixedNumber expected);

// The caption of the blank-exponent exercises: one R(2) draw, "Doplň mocnitele" when it is
// non-zero, "Doplň exponent" otherwise (both Czech; the drill translates area-6 captions).
void SetExponentCaption(TGenerateContext& context);

// The exercise cases by difficulty. Each fills Question, Suffix, Expected and TaskText, or leaves
// Question empty, in which case the fallback exercise of the closing steps takes its place.
void GenerateEquations(TGenerateContext& context);           // 1: "Rovnice"
void GenerateExpressionValues(TGenerateContext& context);    // 2: "Hodnota výrazu"
void GenerateManipulation(TGenerateContext& context);        // 3: "Úpravy výrazů"
void GeneratePowers(TGenerateContext& context);              // 4: "Mocniny"
void GenerateBinomialFormulas(TGenerateContext& context);    // 7: "Vzorce pro dvojčleny"
void GenerateFactoring(TGenerateContext& context);           // 8: "Rozklady na součin"
void GenerateConditions(TGenerateContext& context);          // 9: "Podmínky lomených výrazů"
void GenerateRationalExpressions(TGenerateContext& context); // 10: "Úpravy lomených výrazů"

// The closing steps of every area-6 exercise, in this order: the fallback exercise when Question
// is empty, the removal of a coefficient 1 before a letter, and DebugText. (The common closing
// step of Generate then normalises Expected.)
void CloseArea6(TGenerateContext& context);

// The fallback exercise: o/10 a + m a = ? a, with o, m 1..9. TaskText stays as it is.
void SetFallbackExercise(TGenerateContext& context);

// Deletes the "1" of the first "1a", "1b", "1x" and "1y" (each looked up once, in this order) when
// it starts the text or follows neither a digit nor a comma: 3 + 1x becomes 3 + x, 11x and 0,1x stay.
void RemoveCoefficientOne(std::string& text);

// Difficulty/Operation/Question #v# Suffix/ RI:value/ RM:decimals (Expected before normalisation).
std::string Area6DebugText(const TGenerateContext& context);

} // namespace numerava::area6
