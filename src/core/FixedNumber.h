#pragma once
// Exact decimal numbers: the expected answers, the pupil's typed answers and the generator's
// intermediate values. No floating point is ever involved.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numerava {

// The number is Value / 10^Decimals. Decimals == -1 marks a special answer whose code is Value;
// code 0 is "N" (the exercise has no valid value).
struct TFixedNumber {
    int64_t Value = 0;
    int32_t Decimals = 0;

    friend bool operator==(const TFixedNumber&, const TFixedNumber&) = default;
};

inline constexpr int32_t SpecialDecimals = -1;

TFixedNumber MakeNumber(int32_t decimals, int64_t value);
inline TFixedNumber SpecialAnswerN() { return MakeNumber(SpecialDecimals, 0); }
inline bool IsSpecial(const TFixedNumber& x) { return x.Decimals == SpecialDecimals; }

// Strips trailing zero decimals in place (3,250 -> 3,25; 5,0 -> 5). Special answers stay as they are.
void NormalizeNumber(TFixedNumber& x);

// "N" gives the special answer; otherwise the first "," marks the decimals and the rest must be a
// signed 64-bit decimal integer. Anything else (empty text, letters, a second comma, too many
// digits for 64 bits) is a conversion error: std::nullopt.
std::optional<TFixedNumber> ParseNumber(std::string_view text);

// Decimal comma, no grouping: (7, 3 decimals) -> "0,007", (-5, 1) -> "-0,5", special 0 -> "N".
std::string FormatNumber(const TFixedNumber& x);

// True when both denote the same number once normalised (the drill's answer comparison).
bool SameNumber(TFixedNumber a, TFixedNumber b);

} // namespace numerava
