// Area 3: powers and roots (difficulty 1), expressions without brackets (2) and with brackets (3);
// difficulty 4 ("all of it") stands for one of the three at random. The operation is the level
// 1..4. Each level draws its kind uniformly; the kinds live in one source per difficulty.

#include "generator/UnitsArea3.h"

#include <array>

namespace numerava {

namespace area3 {

std::string Fixed(int64_t x, int decimals) { return FormatNumber(MakeNumber(decimals, x)); }

int64_t PowerOfTen(int e) {
    int64_t power = 1;
    for (int i = 0; i < e; ++i) power *= 10;
    return power;
}

void SetAnswer(TGenerateContext& context, std::string body, int64_t value, int decimals) {
    context.Question = std::move(body);
    context.Expected = MakeNumber(decimals, value);
}

void SetNoValue(TGenerateContext& context, std::string body) {
    context.Question = std::move(body);
    context.Expected = SpecialAnswerN();
}

int KindCount(int difficulty, int level) {
    static constexpr std::array<std::array<int, 4>, 3> counts = {{
        {6, 8, 21, 17},  // powers and roots
        {9, 13, 13, 12}, // expressions without brackets
        {10, 5, 8, 11},  // expressions with brackets
    }};
    return counts[static_cast<size_t>(difficulty - 1)][static_cast<size_t>(level - 1)];
}

void GenerateKind(TGenerateContext& context, int difficulty, int level, int kind) {
    switch (difficulty) {
    case 1: return PowersAndRoots(context, level, kind);
    case 2: return ExpressionsWithoutBrackets(context, level, kind);
    default: return ExpressionsWithBrackets(context, level, kind);
    }
}

} // namespace area3

void GenerateArea3(TGenerateContext& context) {
    if (context.Difficulty == 4) context.Difficulty = R(3) + 1;
    const int level = context.Operation;
    area3::GenerateKind(context, context.Difficulty, level, R(area3::KindCount(context.Difficulty, level)));
}

} // namespace numerava
