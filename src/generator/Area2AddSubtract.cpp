// Area 2, operation 1 over natural numbers, decimals and integers: an addition or a subtraction,
// chosen with equal chance. Natural numbers write their body for the closing step to wrap; decimals
// and integers leave A, B and the sign for the closing step to write.

#include "generator/Area2Parts.h"

namespace numerava::area2 {

namespace {

// Round numbers: an addend of tens, hundreds or thousands plus tens, or a difference of two
// numbers of the same scale.
void Natural(TGenerateContext& context, bool addition) {
    static constexpr int scales[] = {10, 100, 1000};
    int a = 0, b = 0;
    if (addition) {
        a = scales[R(3)] * (R(99) + 1);
        b = 10 * (R(99) + 1);
        return SetBody(context, Cat(a, " + ", b), a + b);
    }
    do {
        const int scale = scales[R(3)];
        a = scale * (R(99) + 1);
        b = scale * (R(99) + 1);
    } while (!(b < a));
    SetBody(context, Cat(a, " - ", b), a - b);
}

// Five sub-kinds of tenths and hundredths; sub-kind 4 sums to 1 or differs by 1 (1,37 - 0,37).
void Decimal(TGenerateContext& context, bool addition) {
    int a = 0, b = 0, decimals = 0;
    if (addition) {
        do {
            switch (R(5)) {
            case 0: a = R(59), b = R(59), decimals = 1; break;
            case 1: a = R(59), b = R(59), decimals = 2; break;
            case 2: a = 10 * (R(8) + 1), b = R(59), decimals = 1; break;
            case 3: a = 100 * (R(8) + 1), b = R(59) + 1, decimals = 2; break;
            default: a = R(98) + 1, b = 100 - a, decimals = 2; break;
            }
        } while (!(a >= 1 && b >= 1));
        if (R(2) == 0) std::swap(a, b);
    } else {
        do {
            switch (R(5)) {
            case 0: a = R(59) + 1, b = R(59) + 1, decimals = 1; break;
            case 1: a = R(29) + 1, b = R(29) + 1, decimals = 2; break;
            case 2: a = 10 * (R(8) + 1), b = R(59) + 1, decimals = 1; break;
            case 3: a = 100 * (R(4) + 1), b = R(9) + 1, decimals = 2; break;
            default: b = R(98), a = b + 100, decimals = 2; break;
            }
        } while (!(b < a));
    }
    context.A = TOperand{a, decimals};
    context.B = TOperand{b, decimals};
    context.Generator.AddSign = addition ? " + " : " - ";
    context.Expected = MakeNumber(decimals, addition ? a + b : a - b);
}

// Integers below 15 in size: an addition of two numbers of opposite signs that does not cancel, or a
// subtraction of two different numbers below 10 in size (a negative subtrahend is bracketed).
void Integer(TGenerateContext& context, bool addition) {
    int a = 0, b = 0;
    if (addition) {
        do {
            a = R(30) - 15;
            b = R(30) - 15;
        } while (!(((a < 0 && b > 0) || (a > 0 && b < 0)) && a + b != 0));
    } else {
        do {
            a = R(28) - 14;
            b = R(28) - 14;
        } while (!(-10 < a && a < 10 && -10 < b && b < 10 && b != 0 && a != b));
    }
    context.A = TOperand{a, 0};
    context.B = TOperand{b, 0};
    context.Generator.AddSign = addition ? " + " : " - ";
    context.Expected = MakeNumber(0, addition ? a + b : a - b);
}

} // namespace

void AddOrSubtract(TGenerateContext& context) {
    const bool addition = R(2) == 0;
    switch (context.Difficulty) {
    case 1: return Natural(context, addition);
    case 2: return Decimal(context, addition);
    default: return Integer(context, addition);
    }
}

} // namespace numerava::area2
