#pragma once
// Area 4 (unit conversions): what its sources share. An amount is drawn from a range, written into
// the Question template's "%s" by the closing step, and converted exactly into the target unit.

#include "core/FixedNumber.h"
#include "generator/GenerateContext.h"

#include <cstdint>

namespace numerava::units {

// One range of amounts: Step * Random(Count) + Offset, with Decimals decimals.
struct TAmountDraw {
    int64_t Step;
    int32_t Count;
    int64_t Offset;
    int32_t Decimals;
};

TFixedNumber DrawAmount(const TAmountDraw& draw);

// From the question's unit to the target unit: Value * Multiplier / Divisor, then Shift more
// decimals. The amounts of every kind are drawn so that the division is exact.
struct TConversion {
    int64_t Multiplier = 1;
    int64_t Divisor = 1;
    int32_t Shift = 0;
};

constexpr TConversion DivideByPowerOfTen(int32_t k) { return {1, 1, k}; }
constexpr TConversion Times(int64_t factor) { return {factor, 1, 0}; }

TFixedNumber Convert(const TFixedNumber& amount, const TConversion& conversion);

// Difficulty 1 (units for the first school years) and difficulty 4 (time).
void GeneratePrimaryUnits(TGenerateContext& context);
void GenerateTimeUnits(TGenerateContext& context);

} // namespace numerava::units
