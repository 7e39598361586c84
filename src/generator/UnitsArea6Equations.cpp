// Area 6, difficulty 1: linear equations; the pupil types the root. Each kind draws its numbers
// so that the root is the drawn one and the equation has no other root.

#include "generator/Area6Common.h"
#include "generator/Area6Groups.h"

#include <cstdlib>

namespace numerava::area6 {

namespace {

// The equation, a run of spaces, the letter and "=", and the root.
void SetRoot(TGenerateContext& context, const std::string& equation, int spaces, TFixedNumber root) {
    SetExercise(context, equation + LetterPrompt(spaces, context.Letter3), "", root);
}

// o·x ± m = c in four arrangements.
void CoefficientAndConstant(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const int o = R(8) + 2;
    const int m = R(8) + 1;
    const int r = R(10) - 5;
    std::string equation;
    switch (R(4)) {
    case 0: equation = Cat(o, x, " + ", m, " = ", o * r + m); break;
    case 1: equation = Cat(o, x, " - ", m, " = ", o * r - m); break;
    case 2: equation = Cat(o * r + m, " = ", o, x, " + ", m); break;
    default: equation = Cat(o * r - m, " = ", o, x, " - ", m); break;
    }
    SetRoot(context, equation, 5, Whole(r));
}

// o ± x = m and its mirror images.
void LetterAndConstant(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const int o = R(10) + 1;
    const int m = R(10) + 1;
    const int form = R(8);
    std::string equation;
    int root = 0;
    switch (form) {
    case 0: equation = Cat(o, " - ", x, " = ", m), root = o - m; break;
    case 1: equation = Cat(o, " + ", x, " = ", m), root = m - o; break;
    case 2: equation = Cat(x, " - ", o, " = ", m), root = m + o; break;
    case 3: equation = Cat(x, " + ", o, " = ", m), root = m - o; break;
    case 4: equation = Cat(m, " = ", o, " - ", x), root = o - m; break;
    case 5: equation = Cat(m, " = ", o, " + ", x), root = m - o; break;
    case 6: equation = Cat(m, " = ", x, " - ", o), root = m + o; break;
    default: equation = Cat(m, " = ", x, " + ", o), root = m - o; break;
    }
    SetRoot(context, equation, form < 4 ? 5 : 6, Whole(root));
}

// Products and like terms: o·x = o·m, o·x − m·x = (o−m)·r, o·x + m·x = (o+m)·r, o·m·x = o·m·r.
void Products(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    int o = R(10) + 2;
    int m = R(10) - 6;
    switch (R(5)) {
    case 0: return SetRoot(context, Cat(o, x, " = ", o * m), 5, Whole(m));
    case 1: return SetRoot(context, Cat(x, "*", o, " = ", o * m), 5, Whole(m));
    case 2: {
        int r = 0;
        do {
            o = R(10) + 2;
            m = R(10) + 1;
            r = R(10) - 6;
        } while (!(m < o));
        if (m == 1) return SetRoot(context, Cat(o, x, " - ", x, " = ", (o - 1) * r), 5, Whole(r));
        return SetRoot(context, Cat(o, x, " - ", m, x, " = ", (o - m) * r), 5, Whole(r));
    }
    case 3: {
        const int e = R(10);
        const int f = R(10);
        const int r = R(10) - 6;
        o = e + 1;
        m = f + 1;
        if (o == 1 && m > 1) return SetRoot(context, Cat(x, " + ", m, x, " = ", (1 + m) * r), 5, Whole(r));
        if (o > 1 && m == 1) return SetRoot(context, Cat(o, x, " + ", x, " = ", (o + 1) * r), 5, Whole(r));
        if (o > 1 && m > 1) return SetRoot(context, Cat(o, x, " + ", m, x, " = ", (o + m) * r), 5, Whole(r));
        return; // both coefficients 1: no exercise here, the fallback follows
    }
    default: {
        o = R(5) + 2;
        m = R(5) + 2;
        const int r = R(10) - 6;
        std::string product;
        switch (R(4)) {
        case 0: product = Cat(o, "*", m, "*", x); break;
        case 1: product = Cat(o, "*", m, x); break;
        case 2: product = Cat(o, "*", x, "*", m); break;
        default: product = Cat(x, "*", m, "*", o); break;
        }
        return SetRoot(context, Cat(product, " = ", o * m * r), 5, Whole(r));
    }
    }
}

// 10x = o, 100x = o, ...: a decimal root.
void DecimalRoot(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const int form = R(5);
    const bool side = Side();
    // The two sides of the equation and the root's decimals.
    std::string number, multiple;
    int o = 0;
    int32_t decimals = 0;
    const auto drawTwoDigits = [] {
        int value = 0;
        do value = R(89) + 11;
        while (value % 10 == 0);
        return value;
    };
    switch (form) {
    case 0:
        o = R(9) + 1;
        number = Cat(o), multiple = Cat("10", x), decimals = 1;
        break;
    case 1:
        o = R(99) + 1;
        number = Cat(o), multiple = Cat("100", x), decimals = 2;
        break;
    case 2:
        o = drawTwoDigits();
        number = Tenths(o), multiple = Cat("10", x), decimals = 2;
        break;
    case 3:
        o = drawTwoDigits();
        number = Tenths(o), multiple = Cat("100", x), decimals = 3;
        break;
    default:
        do o = R(898) + 101;
        while (o % 10 == 0);
        number = Cat(o), multiple = Cat("1000", x), decimals = 3;
        break;
    }
    const std::string equation = side ? Cat(number, " = ", multiple) : Cat(multiple, " = ", number);
    SetRoot(context, equation, 5, Fixed(decimals, o));
}

// p/x = m and its signs.
void LetterInDenominator(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const int m = R(9) + 1;
    const int o = R(9) + 1;
    const int p = m * o;
    const std::string fraction = Cat("/<", p, "><", x, ">");
    switch (R(6)) {
    case 0: return SetRoot(context, Cat(fraction, " = ", m), 5, Whole(o));
    case 1: return SetRoot(context, Cat(fraction, " = -", m), 5, Whole(-o));
    case 2: return SetRoot(context, Cat("- ", fraction, " = ", m), 5, Whole(-o));
    case 3: return SetRoot(context, Cat(m, " = ", fraction), 5, Whole(o));
    default: return SetRoot(context, Cat("-", m, " = ", fraction), 5, Whole(-o));
    }
}

// A minus sign in the fraction: (o·m)/(−x) = m or (−o·m)/x = m.
void NegativeFraction(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const int o = R(7) + 1;
    const int m = R(10) + 2;
    const std::string equation =
        R(2) == 0 ? Cat("/<", o * m, "><-", x, "> = ", m) : Cat("/<-", o * m, "><", x, "> = ", m);
    SetRoot(context, equation, 5, Whole(-o));
}

// 1/m · x = ±o.
void UnitFraction(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const int m = R(9) + 2;
    const int o = R(9) + 1;
    const std::string fraction = Cat("/<1><", m, "> ", x);
    switch (R(3)) {
    case 0: return SetRoot(context, Cat(fraction, " = ", o), 5, Whole(m * o));
    case 1: return SetRoot(context, Cat(fraction, " = -", o), 5, Whole(-m * o));
    default: return SetRoot(context, Cat("- ", fraction, " = ", o), 5, Whole(-m * o));
    }
}

// o(x ± m) = value with a root from −8 to −4.
void Brackets(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const int o = R(7) + 2;
    const int m = R(7) + 1;
    const int r = R(5) - 8;
    std::string equation;
    switch (R(3)) {
    case 0: equation = Cat(o, "(", x, " - ", m, ") = ", o * (r - m)); break;
    case 1: equation = Cat(o, "(", x, " + ", m, ") = ", o * (r + m)); break;
    default: equation = Cat(o, "*(", m, " + ", x, ") = ", o * (r + m)); break;
    }
    SetRoot(context, equation, 5, Whole(r));
}

// x/o = m and x divided by 0,5, 0,2, 0,1.
void LetterInNumerator(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const int o = R(7) + 2;
    int m = R(12) - 7;
    switch (R(4)) {
    case 0: return SetRoot(context, Cat("/<", x, "><", o, "> = ", m), 5, Whole(o * m));
    case 1: m = R(10); return SetRoot(context, Cat("/<", x, "><0,5> = ", m), 5, Fixed(1, 5 * m));
    case 2: m = R(10); return SetRoot(context, Cat("/<", x, "><0,2> = ", m), 5, Fixed(1, 2 * m));
    default: m = R(10); return SetRoot(context, Cat("/<", x, "><0,1> = ", m), 5, Fixed(2, 10 * m));
    }
}

// (x ± o)/m = r or r = (x ± o)/m.
void FractionWithSum(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const int r = R(7) + 1;
    const int m = R(8) + 2;
    const int o = R(3) + 1;
    const int form = R(3);
    const bool side = Side();
    std::string numerator;
    int root = 0;
    switch (form) {
    case 0: numerator = Cat(o, " + ", x), root = m * r - o; break;
    case 1: numerator = Cat(x, " + ", o), root = m * r - o; break;
    default: numerator = Cat(x, " - ", o), root = m * r + o; break;
    }
    const std::string fraction = Cat("/<", numerator, "><", m, ">");
    SetRoot(context, side ? Cat(r, " = ", fraction) : Cat(fraction, " = ", r), 5, Whole(root));
}

// 0,25·x = o, 0,5·x = o, 0,2·x = o, 0,1·x = o.
void DecimalCoefficient(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    int o = 0;
    switch (R(4)) {
    case 0: o = R(10) + 1; return SetRoot(context, Cat("0,25*", x, " = ", o), 4, Whole(4 * o));
    case 1: o = R(10) + 1; return SetRoot(context, Cat("0,5*", x, " = ", o), 4, Whole(2 * o));
    case 2: o = R(5) + 1; return SetRoot(context, Cat("0,2*", x, " = ", o), 4, Whole(5 * o));
    default: o = R(5) + 1; return SetRoot(context, Cat("0,1*", x, " = ", o), 4, Whole(10 * o));
    }
}

// m·x = 100 with the root o, o·m = 100. Drawing o and m from 2..101 until o·m = 100 accepts only
// 7 of the 10,000 pairs (some 1,400 tries, over 10 µs); every accepted pair is equally likely, so
// choosing one of the seven pairs uniformly gives exactly the same exercises with the same chances.
void Hundred(TGenerateContext& context) {
    static constexpr int Roots[7] = {2, 4, 5, 10, 20, 25, 50}; // o; m = 100 / o
    const std::string& x = context.Letter3;
    const int o = Roots[R(7)];
    const int m = 100 / o;
    const std::string equation = Side() ? Cat("100 = ", m, x) : Cat(m, x, " = 100");
    SetRoot(context, equation, 5, Whole(o));
}

// c + x/m = q + c with q = o/m whole.
void FractionPlusConstant(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    int o = 0, m = 0, q = 0, c = 0;
    for (;;) {
        o = R(30) - 15;
        m = R(10) + 2;
        if (o % m != 0) continue;
        q = o / m;
        c = R(10) + 1;
        if (q + c >= 0) break;
    }
    const std::string fraction = Cat("/<", x, "><", m, ">");
    const std::string equation =
        R(3) == 1 ? Cat(c, " + ", fraction, " = ", q + c) : Cat(fraction, " + ", c, " = ", q + c);
    SetRoot(context, equation, 5, Whole(o));
}

// Numbers with one decimal: o ± x = m and the like; both shown with a decimal comma.
void OneDecimalNumbers(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    int o = 0, m = 0;
    do {
        o = R(59) + 1;
        m = R(59) + 1;
    } while (std::abs(o - m) < 11);
    const std::string so = Tenths(o);
    const std::string sm = Tenths(m);
    std::string equation;
    int root = 0;
    switch (R(10)) {
    case 0: equation = Cat(so, " + ", x, " = ", sm), root = m - o; break;
    case 1: equation = Cat(so, " - ", x, " = ", sm), root = o - m; break;
    case 2: equation = Cat(so, " = ", sm, " + ", x), root = o - m; break;
    case 3: equation = Cat(so, " = ", sm, " - ", x), root = m - o; break;
    case 4: equation = Cat(so, " + ", x, " = ", so), root = 0; break;
    case 5: equation = Cat(so, " - ", x, " = ", so), root = 0; break;
    case 6: equation = Cat(so, " = ", so, " + ", x), root = 0; break;
    case 7: equation = Cat(so, " = ", so, " - ", x), root = 0; break;
    case 8: equation = Cat(so, " + ", x, " = -", so), root = -2 * o; break;
    default: equation = Cat(so, " - ", x, " = -", so), root = 2 * o; break;
    }
    SetRoot(context, equation, 6, Fixed(1, root));
}

} // namespace

void GenerateEquations(TGenerateContext& context) {
    context.TaskText = "Urči kořen rovnice";
    GenerateEquation(context, R(EquationKinds));
}

void GenerateEquation(TGenerateContext& context, int kind) {
    context.TaskText = "Urči kořen rovnice";
    switch (kind) {
    case 0: return CoefficientAndConstant(context);
    case 1: return LetterAndConstant(context);
    case 2: return Products(context);
    case 3: return DecimalRoot(context);
    case 4: return LetterInDenominator(context);
    case 5: return NegativeFraction(context);
    case 6: return UnitFraction(context);
    case 7: return Brackets(context);
    case 8: return LetterInNumerator(context);
    case 9: return FractionWithSum(context);
    case 10: return DecimalCoefficient(context);
    case 11: return Hundred(context);
    case 12: return FractionPlusConstant(context);
    default: return OneDecimalNumbers(context);
    }
}

} // namespace numerava::area6
