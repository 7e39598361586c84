// Area 2, operation 3 over natural numbers, decimals and integers: the quotient and the divisor B
// are drawn and the dividend A is their product, so the closing step's whole quotient is exact.

#include "generator/Area2Parts.h"

namespace numerava::area2 {

namespace {

void Natural(TGenerateContext& context) {
    int q = 0, b = 0;
    switch (R(5)) {
    case 0: q = 10 * R(9) + 20, b = 10 * R(9) + 20; break;
    case 1: q = R(9) + 2, b = 100 * R(9) + 200; break;
    case 2: q = 100 * R(9) + 200, b = R(9) + 2; break;
    case 3: q = R(9) + 2, b = 1000 * R(9) + 2000; break;
    default: q = 1000 * R(9) + 2000, b = R(9) + 2; break;
    }
    context.A = TOperand{q * b, 0};
    context.B = TOperand{b, 0};
}

// A divisor of tenths 0,1..0,9 and a dividend 3..9 times as large, written whole or in tenths:
// 12 : 0,4 = 30 or 1,2 : 0,4 = 3.
void Decimal(TGenerateContext& context) {
    const int f = R(7);
    const int b = R(9) + 1;
    context.B = TOperand{b, 1};
    context.A = TOperand{(f + 3) * b, R(2)};
}

// Nonzero quotient and divisor -14..13 with a dividend of at most two digits, some of the three
// negative.
void Integer(TGenerateContext& context) {
    int q = 0, b = 0, a = 0;
    do {
        q = R(28) - 14;
        b = R(28) - 14;
        a = q * b;
    } while (!(q != 0 && b != 0 && -99 <= a && a <= 99 && (a < 0 || b < 0 || q < 0)));
    context.A = TOperand{a, 0};
    context.B = TOperand{b, 0};
}

} // namespace

void Divide(TGenerateContext& context) {
    switch (context.Difficulty) {
    case 1: return Natural(context);
    case 2: return Decimal(context);
    default: return Integer(context);
    }
}

} // namespace numerava::area2
