#pragma once
// Area 3 (powers, roots and integer expressions): the helpers its kinds share and the entry to one
// kind, so that tools and benchmarks can ask for a single kind of exercise.

#include "core/FixedNumber.h"
#include "core/Random.h"
#include "generator/Draws.h"
#include "generator/GenerateContext.h"

#include <cstdint>
#include <string>
#include <type_traits>

namespace numerava::area3 {

// A non-zero divisor that divides the dividend. Conditions test it before they divide by it.
inline bool Divides(int divisor, int dividend) { return divisor != 0 && dividend % divisor == 0; }

// x / 10^decimals written with a decimal comma: Fixed(35, 1) is "3,5".
std::string Fixed(int64_t x, int decimals);

// 10^e for the small exponents the kinds draw.
int64_t PowerOfTen(int e);

// Sets the body and an answer of value / 10^decimals.
void SetAnswer(TGenerateContext& context, std::string body, int64_t value, int decimals = 0);

// Sets the body of an expression that has no value; the answer is "N".
void SetNoValue(TGenerateContext& context, std::string body);

// Kinds per level of one difficulty (1 powers and roots, 2 expressions without brackets, 3 with
// brackets), level 1..4.
int KindCount(int difficulty, int level);

// Writes one exercise of the given kind (0..KindCount-1). Levels whose kinds share a list of
// numbers draw that list here too.
void GenerateKind(TGenerateContext& context, int difficulty, int level, int kind);

// The three groups, one source each.
void PowersAndRoots(TGenerateContext& context, int level, int kind);
void ExpressionsWithoutBrackets(TGenerateContext& context, int level, int kind);
void ExpressionsWithBrackets(TGenerateContext& context, int level, int kind);

} // namespace numerava::area3
