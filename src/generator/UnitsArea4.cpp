// Area 4: conversions between units. Difficulty 1 and the times of difficulty 4 have sources of
// their own; the other difficulties are tables of kinds: a kind draws one of its amount ranges, then
// one of its unit pairs, and converts the amount exactly. The closing step writes the amount into
// the pair's "%s".

#include "generator/UnitsArea4.h"

#include "core/Random.h"

#include <vector>

namespace numerava {

namespace units {

TFixedNumber DrawAmount(const TAmountDraw& draw) {
    return MakeNumber(draw.Decimals, draw.Step * Random(draw.Count) + draw.Offset);
}

TFixedNumber Convert(const TFixedNumber& amount, const TConversion& conversion) {
    return MakeNumber(amount.Decimals + conversion.Shift,
                      amount.Value * conversion.Multiplier / conversion.Divisor);
}

} // namespace units

namespace {

using units::DivideByPowerOfTen;
using units::TAmountDraw;
using units::TConversion;
using units::Times;

struct TUnitPair {
    const char* Question; // template with "%s" for the amount
    const char* Suffix;   // the target unit
    TConversion Conversion;
};

// Kinds of one difficulty are drawn with chances proportional to Weight (the count of draw values
// that lead to the kind).
struct TConversionKind {
    int Weight;
    std::vector<TAmountDraw> Draws;
    std::vector<TUnitPair> Pairs;
};

using TDifficultyTable = std::vector<TConversionKind>;

// Shorthands for the ranges: Step * R(Count) + Offset with Decimals.
constexpr TAmountDraw Amount(int64_t step, int32_t count, int64_t offset, int32_t decimals) {
    return {step, count, offset, decimals};
}

constexpr int64_t Million = 1'000'000;
constexpr int64_t Billion = 1'000'000'000;

const TDifficultyTable& Lengths() {
    static const TDifficultyTable table = {
        {1,
         {Amount(1, 10, 1, 1), Amount(10, 100, 10, 0), Amount(1, 100, 1, 0), Amount(1, 100, 10, 2)},
         {{"%s dm", "m", DivideByPowerOfTen(1)},
          {"%s mm", "cm", DivideByPowerOfTen(1)},
          {"%s cm", "dm", DivideByPowerOfTen(1)}}},
        {1,
         {Amount(100, 100, 100, 0), Amount(10, 10, 10, 0)},
         {{"%s m", "km", DivideByPowerOfTen(3)},
          {"%s mm", "dm", DivideByPowerOfTen(2)},
          {"%s cm", "m", DivideByPowerOfTen(2)}}},
        {1,
         {Amount(1, 100, 1, 1), Amount(1, 10, 1, 1), Amount(1, 200, 1, 0)},
         {{"%s cm", "mm", Times(10)}, {"%s dm", "cm", Times(10)}, {"%s m", "dm", Times(10)}}},
        {1,
         {Amount(1, 100, 1, 1), Amount(1, 1000, 1, 3), Amount(1, 20, 1, 0)},
         {{"%s km", "m", Times(1000)}}},
        {1,
         {Amount(1, 100, 1, 1), Amount(1, 10, 1, 1), Amount(1, 20, 1, 0)},
         {{"%s dm", "mm", Times(100)}, {"%s m", "cm", Times(100)}}},
    };
    return table;
}

const TDifficultyTable& Masses() {
    static const TDifficultyTable table = {
        {2,
         {Amount(1, 100, 1, 0), Amount(1, 10, 1, 0)},
         {{"%s g", "dag", DivideByPowerOfTen(1)}, {"%s q", "t", DivideByPowerOfTen(1)}}},
        {2,
         {Amount(10, 50, 10, 0), Amount(10, 10, 10, 0)},
         {{"%s dag", "kg", DivideByPowerOfTen(2)}, {"%s kg", "q", DivideByPowerOfTen(2)}}},
        {2,
         {Amount(100, 50, 100, 0), Amount(100, 10, 100, 0)},
         {{"%s kg", "t", DivideByPowerOfTen(3)}, {"%s g", "kg", DivideByPowerOfTen(3)}}},
        {1, {Amount(1, 100, 1, 0), Amount(1, 10, 1, 0)}, {{"%s dag", "g", Times(10)}}},
        {5,
         {Amount(1, 10, 1, 1), Amount(1, 10, 1, 0)},
         {{"%s kg", "dag", Times(100)},
          {"%s q", "kg", Times(100)},
          {"%s t", "q", Times(10)},
          {"%s t", "kg", Times(1000)},
          {"%s kg", "g", Times(1000)}}},
    };
    return table;
}

// Square units are powers: "^<%s cm><2>" shows the amount and its unit with the exponent after both.
const TDifficultyTable& Areas() {
    static const TDifficultyTable table = {
        {1,
         {Amount(10, 100, 10, 0), Amount(1, 100, 1, 0)},
         {{"^<%s mm><2>", "^<cm><2>", DivideByPowerOfTen(2)},
          {"^<%s cm><2>", "^<dm><2>", DivideByPowerOfTen(2)},
          {"^<%s dm><2>", "^<m><2>", DivideByPowerOfTen(2)}}},
        {1,
         {Amount(100, 100, 100, 0), Amount(10, 1000, 10, 0)},
         {{"^<%s mm><2>", "^<dm><2>", DivideByPowerOfTen(4)},
          {"^<%s cm><2>", "^<m><2>", DivideByPowerOfTen(4)}}},
        {1,
         {Amount(100000, 10, 100000, 0), Amount(10000, 100, 10000, 0)},
         {{"^<%s mm><2>", "^<m><2>", DivideByPowerOfTen(6)}}},
        {1,
         {Amount(1, 10, 1, 1), Amount(1, 10, 1, 0)},
         {{"^<%s cm><2>", "^<mm><2>", Times(100)},
          {"^<%s dm><2>", "^<cm><2>", Times(100)},
          {"^<%s m><2>", "^<dm><2>", Times(100)}}},
        {1,
         {Amount(1, 100, 1, 2), Amount(1, 10, 1, 0)},
         {{"^<%s m><2>", "^<cm><2>", Times(10000)},
          {"^<%s dm><2>", "^<mm><2>", Times(10000)},
          {"^<%s m><2>", "^<mm><2>", Times(Million)}}},
        {1,
         {Amount(10, 100, 10, 0), Amount(1, 100, 1, 0)},
         {{"^<%s m><2>", "a", DivideByPowerOfTen(2)},
          {"%s a", "ha", DivideByPowerOfTen(2)},
          {"%s ha", "^<km><2>", DivideByPowerOfTen(2)}}},
        {1,
         {Amount(100, 100, 100, 0), Amount(10, 1000, 10, 0)},
         {{"^<%s m><2>", "ha", DivideByPowerOfTen(4)}, {"%s a", "^<km><2>", DivideByPowerOfTen(4)}}},
        {1,
         {Amount(100000, 10, 100000, 0), Amount(10000, 100, 10000, 0)},
         {{"^<%s m><2>", "^<km><2>", DivideByPowerOfTen(6)}}},
        {1,
         {Amount(1, 10, 1, 1), Amount(1, 10, 1, 0)},
         {{"%s a", "^<m><2>", Times(100)}, {"%s ha", "a", Times(100)}, {"^<%s km><2>", "ha", Times(100)}}},
        {1,
         {Amount(1, 100, 1, 2), Amount(1, 10, 1, 0)},
         {{"^<%s km><2>", "a", Times(10000)},
          {"%s ha", "^<m><2>", Times(10000)},
          {"^<%s km><2>", "^<m><2>", Times(Million)}}},
    };
    return table;
}

// Cubic amounts reach 10^10 mm3 and answers 9 * 10^9 m3: 64-bit throughout.
const TDifficultyTable& Volumes() {
    static const TDifficultyTable table = {
        {3,
         {Amount(100, 10, 100, 0), Amount(10, 100, 10, 0)},
         {{"^<%s mm><3>", "^<cm><3>", DivideByPowerOfTen(3)},
          {"^<%s cm><3>", "^<dm><3>", DivideByPowerOfTen(3)},
          {"^<%s dm><3>", "^<m><3>", DivideByPowerOfTen(3)}}},
        {2,
         {Amount(100000, 10, 100000, 0), Amount(10000, 100, 10000, 0)},
         {{"^<%s mm><3>", "^<dm><3>", DivideByPowerOfTen(6)},
          {"^<%s cm><3>", "^<m><3>", DivideByPowerOfTen(6)}}},
        {2,
         {Amount(Billion, 10, Billion, 0), Amount(100 * Million, 100, 100 * Million, 0)},
         {{"^<%s mm><3>", "^<m><3>", DivideByPowerOfTen(9)},
          {"^<%s m><3>", "^<km><3>", DivideByPowerOfTen(9)}}},
        {7,
         {Amount(1, 9, 1, 0), Amount(1, 9, 1, 1)},
         {{"^<%s cm><3>", "^<mm><3>", Times(1000)},
          {"^<%s dm><3>", "^<cm><3>", Times(1000)},
          {"^<%s m><3>", "^<dm><3>", Times(1000)},
          {"^<%s dm><3>", "^<mm><3>", Times(Million)},
          {"^<%s m><3>", "^<cm><3>", Times(Million)},
          {"^<%s m><3>", "^<mm><3>", Times(Billion)},
          {"^<%s km><3>", "^<m><3>", Times(Billion)}}},
    };
    return table;
}

const TDifficultyTable& Liquids() {
    static const TDifficultyTable table = {
        {4,
         {Amount(1, 20, 1, 0), Amount(1, 20, 1, 1)},
         {{"^<%s cm><3>", "ml", Times(1)},
          {"%s ml", "^<cm><3>", Times(1)},
          {"%s l", "^<dm><3>", Times(1)},
          {"^<%s dm><3>", "l", Times(1)}}},
        {5,
         {Amount(1, 100, 1, 0), Amount(1, 10, 1, 0)},
         {{"%s ml", "cl", DivideByPowerOfTen(1)},
          {"%s cl", "dl", DivideByPowerOfTen(1)},
          {"%s hl", "^<m><3>", DivideByPowerOfTen(1)},
          {"%s dl", "^<dm><3>", DivideByPowerOfTen(1)},
          {"%s dl", "l", DivideByPowerOfTen(1)}}},
        {1, {Amount(1, 100, 1, 0), Amount(10, 100, 10, 0)}, {{"%s l", "hl", DivideByPowerOfTen(2)}}},
        {2,
         {Amount(1, 1000, 1, 0), Amount(100, 20, 100, 0)},
         {{"%s ml", "l", DivideByPowerOfTen(3)}, {"^<%s cm><3>", "l", DivideByPowerOfTen(3)}}},
        {8,
         {Amount(1, 10, 1, 0), Amount(1, 10, 1, 1)},
         {{"%s cl", "ml", Times(10)},
          {"%s dl", "cl", Times(10)},
          {"%s l", "dl", Times(10)},
          {"%s hl", "l", Times(100)},
          {"^<%s m><3>", "hl", Times(10)},
          {"%s l", "ml", Times(1000)},
          {"%s l", "^<cm><3>", Times(1000)},
          {"^<%s dm><3>", "dl", Times(10)}}},
    };
    return table;
}

const TDifficultyTable& OtherUnits() {
    static const TDifficultyTable table = {
        {2,
         {Amount(100, 10, 100, 0), Amount(10, 100, 10, 0)},
         {{"%s W", "kW", DivideByPowerOfTen(3)}, {"%s V", "kV", DivideByPowerOfTen(3)}}},
        {2,
         {Amount(100000, 10, 100000, 0), Amount(10000, 100, 10000, 0)},
         {{"%s W", "MW", DivideByPowerOfTen(6)}, {"%s V", "MV", DivideByPowerOfTen(6)}}},
        {2,
         {Amount(1, 10, 1, 1), Amount(1, 100, 1, 2)},
         {{"%s kW", "W", Times(1000)}, {"%s kV", "V", Times(1000)}}},
        // 1 m/s = 3,6 km/h: speeds that are multiples of 5 m/s and 18 km/h convert to whole numbers.
        {1, {Amount(5, 4, 5, 0)}, {{"%s m/s", "km/h", {36, 10, 0}}}},
        {1, {Amount(18, 4, 18, 0)}, {{"%s km/h", "m/s", {10, 36, 0}}}},
        {2,
         {Amount(1, 10, 1, 1), Amount(1, 100, 1, 2)},
         {{"%s MW", "W", Times(Million)}, {"%s MV", "V", Times(Million)}}},
    };
    return table;
}

int TotalWeight(const TDifficultyTable& table) {
    int total = 0;
    for (const TConversionKind& kind : table) total += kind.Weight;
    return total;
}

void GenerateConversion(TGenerateContext& context, const TDifficultyTable& table) {
    int draw = Random(TotalWeight(table));
    const TConversionKind* kind = &table.front();
    for (const TConversionKind& candidate : table) {
        kind = &candidate;
        if (draw < candidate.Weight) break;
        draw -= candidate.Weight;
    }
    const TAmountDraw& range = kind->Draws[static_cast<size_t>(Random(static_cast<int>(kind->Draws.size())))];
    context.R = units::DrawAmount(range);
    const TUnitPair& pair = kind->Pairs[static_cast<size_t>(Random(static_cast<int>(kind->Pairs.size())))];
    context.Question = pair.Question;
    context.Suffix = pair.Suffix;
    context.Expected = units::Convert(context.R, pair.Conversion);
}

} // namespace

void GenerateArea4(TGenerateContext& context) {
    switch (context.Difficulty) {
    case 1: return units::GeneratePrimaryUnits(context);
    case 2: return GenerateConversion(context, Lengths());
    case 3: return GenerateConversion(context, Masses());
    case 4: return units::GenerateTimeUnits(context);
    case 5: return GenerateConversion(context, Areas());
    case 6: return GenerateConversion(context, Volumes());
    case 7: return GenerateConversion(context, Liquids());
    case 8: return GenerateConversion(context, OtherUnits());
    // Difficulties 9 and 10 (the right column's items 5 and 6) name no kind: nothing is generated.
    default: return;
    }
}

} // namespace numerava
