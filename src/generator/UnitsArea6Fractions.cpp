// Area 6, difficulty 10: simplifying fractional expressions by cancelling, as fill-in exercises.
// Question stops where the pupil's number belongs, Suffix holds the rest; "N" where the fraction
// does not cancel as written, so no number makes the two sides equal.

#include "generator/Area6Common.h"
#include "generator/Area6RightColumn.h"

namespace numerava::area6 {

namespace {

// Two different numbers 1..10 drawn together.
struct TPair {
    int o = 0, m = 0;
};

TPair DistinctPair() {
    int a = 0, b = 0;
    do {
        a = R(10);
        b = R(10);
    } while (a == b);
    return {a + 1, b + 1};
}

// "/<" numerator "><" denominator "> =" — a fraction and the equals sign, nothing after it.
std::string FractionEquals(const std::string& numerator, const std::string& denominator) {
    return Cat("/<", numerator, "><", denominator, "> =");
}

// Group 0: differences (and sums) of squares over a bracket.
void DifferencesOfSquares(TGenerateContext& context) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    const int kind = R(12);
    const int o = R(10) + 1;
    const std::string square = Cat("/<^<", x, "><2>");
    const std::string constantFirst = Cat("/<^<", o * o, " - ", x, "><2>><"); // drawn as o² − x²
    const int s = o * o;
    switch (kind) {
    case 0:
        return SetExercise(context, Cat(square, " - ", s, "><", x, " - ", o, "> = ", x, " + "), "", Whole(o));
    case 1:
        return SetExercise(context, Cat(square, " - ", s, "><", x, " + ", o, "> = ", x, " - "), "", Whole(o));
    case 2:
        return SetExercise(context, Cat(square, " + ", s, "><", x, " - ", o, "> = ", x, " + "), "",
                           NoNumber());
    case 3: return SetExercise(context, Cat(constantFirst, o, " - ", x, "> = ", x, " + "), "", Whole(o));
    case 4: return SetExercise(context, Cat(constantFirst, o, " - ", x, "> = "), Cat(" + ", x), Whole(o));
    case 5: return SetExercise(context, Cat(constantFirst, o, " + ", x, "> = "), Cat(" - ", x), Whole(o));
    case 6: {
        // The square is o² of this kind's own o: with the first draw's square it could be m², and
        // (x² − m²)/(x + m) = x − m would cancel after all.
        const auto [own, m] = DistinctPair();
        return SetExercise(context, Cat(square, " - ", own * own, "><", x, " + ", m, "> = ", x, " - "), "",
                           NoNumber());
    }
    case 7: return SetExercise(context, Cat(square, " - ", s, "><^<", x, "><2> - ", s, "> = "), "", Whole(1));
    case 8: return SetExercise(context, Cat(square, " - ", o, "><^<", x, "><2> - ", o, "> = "), "", Whole(1));
    case 9: return SetExercise(context, Cat(square, " + ", o, "><^<", x, "><2> + ", o, "> = "), "", Whole(1));
    case 10:
        return SetExercise(context, Cat("/<^<", a, "><2> - ", s, "><", b, " - ", o, "> = ", x, " + "), "",
                           NoNumber());
    default:
        return SetExercise(context, Cat("/<^<", a, "><2> - ", s, "><", b, " + ", o, "> = ", x, " - "), "",
                           NoNumber());
    }
}

// Group 1: (x ± o)² written expanded, over x ± o.
void PerfectSquares(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const bool plus = Side();
    const int o = R(10) + 1;
    const char* sign = plus ? " + " : " - ";
    SetExercise(context,
                Cat("/<^<", x, plus ? "><2> + " : "><2> - ", 2 * o, x, " + ", o * o, "><", x, sign, o,
                    "> = ", x, sign),
                "", Whole(o));
}

// Group 2: trinomials that are not the square of the denominator (or not a square at all).
void FalsePerfectSquares(TGenerateContext& context) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    const auto [o, m] = DistinctPair();
    const int t = 2 * o;
    const int s = o * o;
    // "/<^<" X "><2>" sign, middle and last term "><" denominator "> = " x sign.
    const auto fraction = [&x](const std::string& square, const std::string& rest,
                               const std::string& denominator, const char* sign) {
        return Cat("/<^<", square, rest, "><", denominator, "> = ", x, sign);
    };
    std::string question;
    switch (R(8)) {
    case 0: question = fraction(x, Cat("><2> + ", t, x, " + ", s), Cat(x, " - ", o), " - "); break;
    case 1: question = fraction(x, Cat("><2> - ", t, x, " + ", s), Cat(x, " + ", o), " - "); break;
    case 2: question = fraction(x, Cat("><2> - ", 4 * o, x, " + ", s), Cat(x, " + ", o), " + "); break;
    case 3: question = fraction(x, Cat("><2> - ", t, x, " + ", o), Cat(x, " + ", o), " + "); break;
    case 4: question = fraction(x, Cat("><2> + ", t, x, " + ", m * m), Cat(x, " + ", m), " + "); break;
    case 5: question = fraction(x, Cat("><2> + ", t, x, " + ", m * m), Cat(x, " + ", o), " + "); break;
    case 6: question = fraction(a, Cat("><2> + ", t, b, " + ", s), Cat(x, " - ", o), " + "); break;
    default: question = fraction(a, Cat("><2> - ", t, b, " + ", s), Cat(x, " - ", o), " + "); break;
    }
    SetExercise(context, question, "", NoNumber());
}

// Group 3: fractions that cancel to 1 or −1, and some that do not cancel.
void PlusMinusOne(TGenerateContext& context) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    const auto [o, m] = DistinctPair();
    const std::string xMinusO = Cat(x, " - ", o);
    const std::string xPlusO = Cat(x, " + ", o);
    const std::string aMinusB = Cat(a, " - ", b);
    const std::string aPlusB = Cat(a, " + ", b);
    switch (R(11)) {
    case 0: return SetExercise(context, FractionEquals(xMinusO, xMinusO), "", Whole(1));
    case 1: return SetExercise(context, FractionEquals(xPlusO, xPlusO), "", Whole(1));
    case 2: return SetExercise(context, FractionEquals(Cat(o, " - ", x), xMinusO), "", Whole(-1));
    case 3: return SetExercise(context, FractionEquals(Cat(o, " + ", x), xPlusO), "", Whole(1));
    case 4: return SetExercise(context, FractionEquals(aMinusB, aMinusB), "", Whole(1));
    case 5: return SetExercise(context, FractionEquals(aPlusB, aPlusB), "", Whole(1));
    case 6: return SetExercise(context, FractionEquals(aMinusB, Cat(b, " - ", a)), "", Whole(-1));
    case 7: {
        const bool side = Side();
        return SetExercise(context, FractionEquals(side ? aPlusB : aMinusB, side ? aMinusB : aPlusB), "",
                           NoNumber());
    }
    case 8: {
        const bool side = Side();
        return SetExercise(context, FractionEquals(side ? xPlusO : xMinusO, side ? xMinusO : xPlusO), "",
                           NoNumber());
    }
    case 9:
        return SetExercise(context, FractionEquals(Side() ? xPlusO : xMinusO, Cat(x, " - ", m)), "",
                           NoNumber());
    default: {
        const bool side = Side();
        const char* sign = side ? " + " : " - ";
        return SetExercise(context, FractionEquals(Cat(a, sign, o), Cat(b, sign, o)), "", NoNumber());
    }
    }
}

// Group 4: a common factor o in the numerator.
void CommonFactor(TGenerateContext& context) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    int o = 0, m = 0;
    do {
        o = R(9) + 2;
        m = R(10) + 1;
    } while (m == o);
    const int p = o * m;
    const TFixedNumber factor = Whole(o);
    switch (R(13)) {
    case 0: return SetExercise(context, FractionEquals(Cat(o, x, " - ", o), Cat(x, " - 1")), "", factor);
    case 1: return SetExercise(context, FractionEquals(Cat(o, x, " + ", o), Cat(x, " + 1")), "", factor);
    case 2:
        return SetExercise(context, FractionEquals(Cat(o, "*(", x, " + ", m, ")"), Cat(x, " + ", m)), "",
                           factor);
    case 3:
        return SetExercise(context, FractionEquals(Cat(o, "*(", x, " - ", m, ")"), Cat(x, " - ", m)), "",
                           factor);
    case 4:
        return SetExercise(context, FractionEquals(Cat("(", x, " + ", m, ")*", o), Cat(x, " + ", m)), "",
                           factor);
    case 5: return SetExercise(context, FractionEquals(Cat(o, x, " + ", p), Cat(x, " + ", m)), "", factor);
    case 6: return SetExercise(context, FractionEquals(Cat(o, x, " - ", p), Cat(x, " - ", m)), "", factor);
    case 7: return SetExercise(context, FractionEquals(Cat(o, a, " + ", o, b), Cat(a, " + ", b)), "", factor);
    case 8: return SetExercise(context, FractionEquals(Cat(o, a, " - ", o, b), Cat(a, " - ", b)), "", factor);
    case 9:
        return SetExercise(context, FractionEquals(Cat(o, a, " - ", o, b), Cat(b, " - ", a)), "", Whole(-o));
    case 10: {
        const bool side = Side();
        return SetExercise(context,
                           FractionEquals(Cat(o, x, side ? " + " : " - ", o), Cat(x, side ? " - 1" : " + 1")),
                           "", NoNumber());
    }
    case 11: {
        const bool side = Side();
        return SetExercise(
            context,
            FractionEquals(Cat(o, "*(", x, side ? " - " : " + ", m, ")"), Cat(x, side ? " + " : " - ", m)),
            "", NoNumber());
    }
    default: {
        const bool side = Side();
        return SetExercise(
            context, FractionEquals(Cat(o, x, side ? " - " : " + ", p), Cat(x, side ? " + " : " - ", m)), "",
            NoNumber());
    }
    }
}

// Group 5: powers of the letter.
void Powers(TGenerateContext& context) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    int o = 0, m = 0;
    do {
        o = R(9) + 2;
        m = R(10);
    } while (m + 3 >= o);
    const int c = R(9) + 2;
    const int kind = R(5);
    m += 2; // 2 <= m <= o - 2
    switch (kind) {
    case 0:
        return SetExercise(context, Cat("/<^<", c, x, "><", o, ">><^<", x, "><", m, ">> = "),
                           Cat("^<", x, "><", o - m, ">"), Whole(c));
    case 1: return SetExercise(context, Cat("/<^<", x, "><", o, ">><^<", x, "><", o, ">> = "), "", Whole(1));
    case 2:
        return SetExercise(context, Cat("/<^<", c, x, "><", o, ">><^<", x, "><", o, ">> = "), "", Whole(c));
    case 3: return SetExercise(context, Cat("/<^<", o * c, x, "><3>><^<", o, x, "><2>> = "), x, Whole(c));
    default:
        return SetExercise(context, Cat("/<^<", a, "><", o, ">><^<", b, "><", m, ">> = "), "", NoNumber());
    }
}

} // namespace

void GenerateRationalGroup(TGenerateContext& context, int group) {
    context.TaskText = "Zjednoduš lomený výraz - doplň";
    switch (group) {
    case 0: return DifferencesOfSquares(context);
    case 1: return PerfectSquares(context);
    case 2: return FalsePerfectSquares(context);
    case 3: return PlusMinusOne(context);
    case 4: return CommonFactor(context);
    default: return Powers(context);
    }
}

void GenerateRationalExpressions(TGenerateContext& context) {
    GenerateRationalGroup(context, R(RationalGroups));
}

} // namespace numerava::area6
