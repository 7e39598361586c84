// Area 2, operation 2 over natural numbers, decimals and integers: the case draws the factors A
// and B; the closing step aligns their decimals, computes the product and writes "A * B = ".

#include "generator/Area2Parts.h"

namespace numerava::area2 {

namespace {

// Round factors whose product stays below 100000.
void Natural(TGenerateContext& context) {
    int a = 0, b = 0;
    do {
        switch (R(5)) {
        case 0: a = 10 * (R(19) + 1), b = 10 * (R(9) + 1); break;
        case 1: a = 100 * (R(19) + 1), b = 10 * (R(9) + 1); break;
        case 2: a = 10 * (R(19) + 1), b = 100 * (R(9) + 1); break;
        case 3: a = 10 * (R(19) + 1), b = 1000 * (R(9) + 1); break;
        default: a = 1000 * (R(19) + 1), b = R(9) + 1; break;
        }
    } while (!(a * b < 100000));
    context.A = TOperand{a, 0};
    context.B = TOperand{b, 0};
}

// Two factors 2..11, moved by a pair of decimal places (30 * 0,4 for the pair -1, 1).
void Decimal(TGenerateContext& context) {
    static constexpr int places[7][2] = {{1, 1}, {0, 1}, {1, 0}, {0, 2}, {2, 0}, {-1, 1}, {1, -1}};
    const int a = R(10) + 2;
    const int b = R(10) + 2;
    const auto& [aPlaces, bPlaces] = places[R(7)];
    context.A = Scaled(a, aPlaces);
    context.B = Scaled(b, bPlaces);
}

// Nonzero factors -14..13, at least one of them negative.
void Integer(TGenerateContext& context) {
    int a = 0, b = 0;
    do {
        a = R(28) - 14;
        b = R(28) - 14;
    } while (!(a != 0 && b != 0 && (a < 0 || b < 0)));
    context.A = TOperand{a, 0};
    context.B = TOperand{b, 0};
}

} // namespace

void Multiply(TGenerateContext& context) {
    switch (context.Difficulty) {
    case 1: return Natural(context);
    case 2: return Decimal(context);
    default: return Integer(context);
    }
}

} // namespace numerava::area2
