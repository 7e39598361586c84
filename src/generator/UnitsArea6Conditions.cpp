// Area 6, difficulty 9: the conditions of fractional expressions. The pupil types the value of
// the letter for which a denominator is zero: after "x =" (where the expression has no meaning)
// or after "x ≠" (the condition), or, where the denominator has two zeros and one condition is
// shown finished, the other one.

#include "generator/Area6Common.h"
#include "generator/Area6RightColumn.h"

namespace numerava::area6 {

namespace {

// The not-equal sign of the mark-up.
constexpr const char* NotEqual = "Ä";

// Two different numbers 1..range drawn together.
struct TPair {
    int o = 0, m = 0;
};

TPair DistinctPair(int range) {
    int a = 0, b = 0;
    do {
        a = R(range);
        b = R(range);
    } while (a == b);
    return {a + 1, b + 1};
}

// Three different numbers 1..9 drawn together.
struct TTriple {
    int o = 0, m = 0, c = 0;
};

TTriple DistinctTriple() {
    int a = 0, b = 0, d = 0;
    do {
        a = R(9);
        b = R(9);
        d = R(9);
    } while (a == b || a == d || b == d);
    return {a + 1, b + 1, d + 1};
}

// One draw picks the wording and the relation sign: "x =" asks where the expression has no
// meaning, "x ≠" asks for the condition; the number is the same. Returns the prompt that follows
// the fraction: the closing ">" of the fraction, `spaces` spaces, the letter and the sign.
std::string RelationPrompt(TGenerateContext& context, int spaces) {
    const bool whereMeaningless = Side();
    context.TaskText = whereMeaningless ? "Doplň, kdy nemá výraz smysl" : "Urči podmínku lomeného výrazu";
    return Cat(">", Spaces(spaces), context.Letter3, whereMeaningless ? "=" : NotEqual);
}

constexpr const char* SecondConditionCaption = "Doplň druhou podmínku lomeného výrazu";

// Kinds 0 and 1: (x − m)/(x ∓ o).
void LinearDenominator(TGenerateContext& context, bool plus) {
    const std::string& x = context.Letter3;
    const std::string prompt = RelationPrompt(context, 5);
    const auto [o, m] = DistinctPair(10);
    const char* sign = plus ? " + " : " - ";
    const std::string denominator = R(3) < 2 ? Cat(x, sign, o) : Cat(o, sign, x);
    SetExercise(context, Cat("/<", x, " - ", m, "><", denominator, prompt), "", Whole(plus ? -o : o));
}

// Kind 2: the denominator is the letter, its square or a multiple of it: the condition is 0.
void LetterDenominator(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const std::string prompt = RelationPrompt(context, 5);
    const int m = R(10) + 1;
    const int o = R(4) + 2;
    // Forms 0-5 divide by x, 6-9 by x², 10-15 by o·x; the numerators x − m, x + m and m − x take
    // turns (over x² only the first two).
    const int form = R(16);
    std::string denominator;
    int turn = 0;
    if (form < 6) {
        denominator = x;
        turn = form % 3;
    } else if (form < 10) {
        denominator = Cat("^<", x, "><2>");
        turn = (form - 6) % 2;
    } else {
        denominator = Cat(o, x);
        turn = (form - 10) % 3;
    }
    const std::string numerator = turn == 0   ? Cat(x, " - ", m)
                                  : turn == 1 ? Cat(x, " + ", m)
                                              : Cat(m, " - ", x);
    SetExercise(context, Cat("/<", numerator, "><", denominator, prompt), "", Whole(0));
}

// Kind 3: the denominator (x ± o)², written expanded.
void SquareDenominator(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const std::string prompt = RelationPrompt(context, 5);
    const int o = R(10) + 1;
    const int m = R(10) + 1;
    const bool plus = Side();
    const int d = m * m;
    const std::string denominator = Cat("^<", x, plus ? "><2> + " : "><2> - ", 2 * o, x, " + ", o * o);
    std::string numerator;
    switch (R(6)) {
    case 0: numerator = Cat(x, " - ", m); break;
    case 1: numerator = Cat(x, " + ", m); break;
    case 2: numerator = Cat("^<", x, "><2> - ", d); break;
    case 3: numerator = Cat(m, " - ", x); break;
    case 4: numerator = Cat(d, " - ", x); break;
    default: numerator = Cat(m); break;
    }
    SetExercise(context, Cat("/<", numerator, "><", denominator, prompt), "", Whole(plus ? -o : o));
}

// Kind 4: the second zero of o² − x² or x² − o²; the first is shown as a finished condition.
void SecondZeroOfSquares(TGenerateContext& context) {
    context.TaskText = SecondConditionCaption;
    const std::string& x = context.Letter3;
    const int o = R(10) + 1;
    const int m = R(10) + 1;
    const bool showNegative = Side();
    const int n = o * o;
    const std::string constantFirst = Cat("^<", n, " - ", x, "><2>"); // drawn as n − x²
    const std::string letterFirst = Cat("^<", x, "><2> - ", n);
    const int form = R(8);
    const std::string& denominator = form < 4 ? constantFirst : letterFirst;
    std::string numerator;
    switch (form % 4) {
    case 0: numerator = Cat(m); break;
    case 1: numerator = x; break;
    case 2: numerator = Cat(x, " - ", m); break;
    default: numerator = Cat(m, " - ", x); break;
    }
    const int shown = showNegative ? -o : o;
    SetExercise(context,
                Cat("/<", numerator, "><", denominator, ">    ", x, NotEqual, shown, "    ", x, NotEqual), "",
                Whole(-shown));
}

// Kind 5: the second zero of x² ∓ o·x (0 and ±o).
void SecondZeroOfLetterTimesBracket(TGenerateContext& context) {
    context.TaskText = SecondConditionCaption;
    const std::string& x = context.Letter3;
    const int o = R(9) + 2;
    const int m = R(10) + 1;
    const int form = R(8);
    const std::string numerator = Cat(x, form < 4 ? " - " : " + ", m);
    const bool minus = form % 4 < 2;     // x² − o·x: zeros 0 and o
    const bool showZero = form % 2 == 1; // the finished condition is x ≠ 0
    const int other = minus ? o : -o;
    const int shown = showZero ? 0 : other;
    const int expected = showZero ? other : 0;
    SetExercise(context,
                Cat("/<", numerator, "><^<", x, minus ? "><2> - " : "><2> + ", o, x, ">    ", x, NotEqual,
                    shown, "    ", x, NotEqual),
                "", Whole(expected));
}

// Kind 6: the denominator o·x ∓ o·m, zero at ±m.
void MultipleDenominator(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const std::string prompt = RelationPrompt(context, 5);
    const int o = R(8) + 2;
    const int m = R(8) + 1;
    const int c = R(10) + 1;
    const int form = R(8);
    const int p = o * m;
    const bool plus = form % 2 == 1;
    const char* sign = plus ? " + " : " - ";
    const std::string numerator = form % 4 < 2 ? Cat(x, sign, c) : Cat(c, sign, x);
    const std::string denominator = form < 4 ? Cat(o, x, sign, p) : Cat(p, sign, o, x);
    SetExercise(context, Cat("/<", numerator, "><", denominator, prompt), "", Whole(plus ? -m : m));
}

// Kind 7: a decimal zero: k·x − 1 with k = 2, 4, 5, 10, or 10x − o.
void DecimalZero(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const std::string prompt = RelationPrompt(context, 5);
    const int c = R(8) + 1;
    const int o = R(8) + 2;
    const int form = R(9);
    const char* sign = (form == 0 || form == 1 || form == 4 || form == 5) ? " - " : " + ";
    struct TUnitZero {
        int k;
        TFixedNumber zero;
    };
    // Forms 0/2, 1/3, 4/6 and 5/7 share the denominator k·x − 1 and its zero 1/k.
    static const TUnitZero unitZeros[4] = {
        {2, MakeNumber(1, 5)}, {4, MakeNumber(2, 25)}, {5, MakeNumber(1, 2)}, {10, MakeNumber(1, 1)}};
    const std::string numerator = Cat("/<", x, sign, c);
    if (form == 8) return SetExercise(context, Cat(numerator, "><10", x, " - ", o, prompt), "", Fixed(1, o));
    const TUnitZero& unit = unitZeros[(form < 4 ? 0 : 2) + form % 2];
    SetExercise(context, Cat(numerator, "><", unit.k, x, " - 1", prompt), "", unit.zero);
}

// Kind 8: the second zero of a product of two brackets.
void SecondZeroOfProduct(TGenerateContext& context) {
    context.TaskText = SecondConditionCaption;
    const std::string& x = context.Letter3;
    const auto [o, m, c] = DistinctTriple();
    const std::string xo = Cat(x, " - ", o);
    const std::string ox = Cat(o, " - ", x);
    const auto product = [](const std::string& first, const std::string& second) {
        return Cat("(", first, ")*(", second, ")");
    };
    // Forms 0-3 have the other zero m, forms 4-7 have −m.
    const int form = R(8);
    std::string denominator;
    switch (form) {
    case 0: denominator = product(xo, Cat(x, " - ", m)); break;
    case 1: denominator = product(Cat(x, " - ", m), xo); break;
    case 2: denominator = product(Cat(m, " - ", x), xo); break;
    case 3: denominator = product(Cat(m, " - ", x), ox); break;
    case 4: denominator = product(xo, Cat(x, " + ", m)); break;
    case 5: denominator = product(Cat(x, " + ", m), xo); break;
    case 6: denominator = product(Cat(m, " + ", x), xo); break;
    default: denominator = product(Cat(m, " + ", x), ox); break;
    }
    SetExercise(context, Cat("/<", x, " - ", c, "><", denominator, ">   ", x, NotEqual, o, "  ", x, NotEqual),
                "", Whole(form < 4 ? m : -m));
}

// Kind 9: one fraction with a linear denominator o·x ± o·m.
void LinearMultipleDenominator(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const std::string prompt = RelationPrompt(context, 4);
    const auto [o, m] = DistinctPair(9);
    const int p = o * m;
    std::string numerator;
    switch (R(8)) {
    case 0: numerator = Cat(x, " - ", o); break;
    case 1: numerator = Cat(x, " + ", o); break;
    case 2: numerator = Cat(o, " - ", x); break;
    case 3: numerator = Cat(o, " + ", x); break;
    case 4: numerator = Cat("^<", x, "><2> - ", m * m); break;
    case 5: numerator = Cat("^<", x, "><2>"); break;
    case 6: numerator = Cat("^<", x, "><2> - ", 2 * m, x, " + ", m * m); break;
    default: numerator = Cat("^<", x, "><2> + ", 2 * m, x, " + ", m * m); break;
    }
    // o·x − p and p − o·x are zero at m, o·x + p and p + o·x at −m.
    const int form = R(4);
    std::string denominator;
    switch (form) {
    case 1: denominator = Cat(o, x, " - ", p); break;
    case 2: denominator = Cat(p, " + ", o, x); break;
    case 3: denominator = Cat(p, " - ", o, x); break;
    default: denominator = Cat(o, x, " + ", p); break;
    }
    const int zero = form % 2 == 1 ? m : -m;
    SetExercise(context, Cat("/<", numerator, "><", denominator, prompt), "", Whole(zero));
}

// Kinds 10 and 11: two fractions joined by + − or ·; only one denominator holds the letter.
void TwoFractions(TGenerateContext& context, bool variableFirst) {
    const std::string& x = context.Letter3;
    const std::string prompt = RelationPrompt(context, 4);
    // Plain names, not a structured binding: the lambdas below capture them, which clang before 16
    // does not allow for bindings.
    const TTriple triple = DistinctTriple();
    const int o = triple.o, constant = triple.m, c = triple.c;
    const int multiple = variableFirst ? o + 1 : c + 1; // the coefficient of the denominator c'·x
    const auto firstNumerator = [&] {
        switch (R(6)) {
        case 0: return Cat(c);
        case 1: return x;
        case 2: return Cat(x, " - ", c);
        case 3: return Cat(x, " + ", c);
        case 4: return Cat(c, " - ", x);
        default: return Cat(c, " + ", x);
        }
    };
    const auto secondNumerator = [&] {
        switch (R(11)) {
        case 0: return Cat(o);
        case 1: return x;
        case 2: return Cat(x, " - ", o);
        case 3: return Cat(x, " + ", o);
        case 4: return Cat(o, " - ", x);
        case 5: return Cat(o, " + ", x);
        case 6: return Cat(c);
        case 7: return Cat(x, " - ", c);
        case 8: return Cat(x, " + ", c);
        case 9: return Cat(c, " - ", x);
        default: return Cat(c, " + ", x);
        }
    };
    const auto operation = [] {
        switch (R(3)) {
        case 1: return " - ";
        case 2: return " * ";
        default: return " + ";
        }
    };
    int zero = 0;
    const auto variableDenominator = [&] {
        switch (R(5)) {
        case 0: zero = 0; return x;
        case 1: zero = 0; return Cat(multiple, x);
        case 2: zero = o; return Cat(x, " - ", o);
        case 3: zero = -o; return Cat(x, " + ", o);
        default: zero = o; return Cat(o, " - ", x);
        }
    };
    std::string question;
    if (variableFirst) {
        // Draw order: first numerator, variable denominator, operator, second numerator.
        const std::string n1 = firstNumerator();
        const std::string d1 = variableDenominator();
        const char* op = operation();
        const std::string n2 = secondNumerator();
        question = Cat("/<", n1, "><", d1, ">", op, "/<", n2, "><", constant, prompt);
    } else {
        // Draw order: first numerator, operator, second numerator, variable denominator.
        const std::string n1 = firstNumerator();
        const char* op = operation();
        const std::string n2 = secondNumerator();
        const std::string d2 = variableDenominator();
        question = Cat("/<", n1, "><", constant, ">", op, "/<", n2, "><", d2, prompt);
    }
    SetExercise(context, question, "", Whole(zero));
}

} // namespace

void GenerateConditionKind(TGenerateContext& context, int kind) {
    switch (kind) {
    case 0: return LinearDenominator(context, false);
    case 1: return LinearDenominator(context, true);
    case 2: return LetterDenominator(context);
    case 3: return SquareDenominator(context);
    case 4: return SecondZeroOfSquares(context);
    case 5: return SecondZeroOfLetterTimesBracket(context);
    case 6: return MultipleDenominator(context);
    case 7: return DecimalZero(context);
    case 8: return SecondZeroOfProduct(context);
    case 9: return LinearMultipleDenominator(context);
    case 10: return TwoFractions(context, false);
    default: return TwoFractions(context, true);
    }
}

void GenerateConditions(TGenerateContext& context) { GenerateConditionKind(context, R(ConditionKinds)); }

} // namespace numerava::area6
