// Area 6, difficulty 8: factoring by the binomial formulas and by taking out a common factor, as
// fill-in exercises. Question stops where the pupil's number belongs (often inside a bracket),
// Suffix holds the rest of the product; "N" where no number makes the two sides equal.

#include "generator/Area6Common.h"
#include "generator/Area6RightColumn.h"

namespace numerava::area6 {

namespace {

// Two different numbers drawn together: o, m = offset..offset+8 with o ≠ m.
struct TPair {
    int o = 0, m = 0;
};

TPair DistinctPair(int offset) {
    int a = 0, b = 0;
    do {
        a = R(9);
        b = R(9);
    } while (a == b);
    return {a + offset, b + offset};
}

// o = 2..oRange+1 and m = 1..9 with m ≠ o, redrawn together.
TPair FactorDraws(int oRange) {
    TPair d;
    do {
        d.o = R(oRange) + 2;
        d.m = R(9) + 1;
    } while (d.m == d.o);
    return d;
}

// Kinds 0 and 1: x² − o² = (x + o)(x − ?).
void DifferenceOfSquares(TGenerateContext& context, const TPair& d) {
    const std::string& x = context.Letter3;
    const int o = d.o;
    const int s = o * o;
    switch (R(4)) {
    case 0:
        return SetExercise(context, Cat(x, "^<2> - ", s, " = (", x, "+", o, ")*(", x, "-"), ")", Whole(o));
    case 1:
        return SetExercise(context, Cat(x, "^<2> - ", s, " = (", x, "-", o, ")*(", x, "+"), ")", Whole(o));
    case 2:
        return SetExercise(context, Cat(s, " - ", x, "^<2> = (", o, "+", x, ")*("), Cat("-", x, ")"),
                           Whole(o));
    default:
        return SetExercise(context, Cat(s, " - ", x, "^<2> = (", o, "-", x, ")*("), Cat("+", x, ")"),
                           Whole(o));
    }
}

// Kinds 2 and 3: o·m or a sum of squares where the formula needs a difference of squares.
void FalseDifferenceOfSquares(TGenerateContext& context, const TPair& d) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    const int o = d.o;
    const int s = o * o;
    const int p = o * d.m;
    std::string question;
    std::string suffix = ")";
    switch (R(9)) {
    case 0:
    case 5: question = Cat(x, "^<2> - ", p, " = (", x, "+", o, ")*(", x, "-"); break;
    case 1: question = Cat(x, "^<2> - ", p, " = (", x, "-", o, ")*(", x, "+"); break;
    case 2:
        question = Cat(p, " - ", x, "^<2> = (", o, "+", x, ")*(");
        suffix = Cat("-", x, ")");
        break;
    case 3:
        question = Cat(p, " - ", x, "^<2> = (", o, "-", x, ")*(");
        suffix = Cat("+", x, ")");
        break;
    case 4: question = Cat(x, "^<2> + ", p, " = (", x, "+", o, ")*(", x, "-"); break;
    case 6: question = Cat(x, "^<2> + ", s, " = (", x, "+", o, ")*(", x, "+"); break;
    case 7: question = Cat(x, "^<2> + ", s, " = (", x, "+", o, ")*(", x, "-"); break;
    default: question = Cat(a, b, " - ", s, " = (", a, "+", o, ")*(", b, "-"); break;
    }
    SetExercise(context, question, suffix, NoNumber());
}

// Kinds 4 and 5: x² ∓ 2o·x + o² = (x ∓ o)(x ∓ ?).
void PerfectSquare(TGenerateContext& context, const TPair& d) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    const int o = d.o;
    const std::string minus = Cat(x, "^<2>-", 2 * o, x, "+", o * o, " = ");
    const std::string plus = Cat(x, "^<2>+", 2 * o, x, "+", o * o, " = ");
    const TFixedNumber expected = Whole(o);
    switch (R(8)) {
    case 0: return SetExercise(context, Cat(minus, "(", x, "-", o, ")*(", x, "-"), ")", expected);
    case 1: return SetExercise(context, Cat(plus, "(", x, "+", o, ")*(", x, "+"), ")", expected);
    case 2: return SetExercise(context, Cat(minus, "(", x, "-"), Cat(")*(", x, "-", o, ")"), expected);
    case 3: return SetExercise(context, Cat(plus, "(", x, "+"), Cat(")*(", x, "+", o, ")"), expected);
    case 4:
        return SetExercise(context, Cat("(", x, "-", o, ")^<2> = (", x, "-", o, ")*(", x, "-"), ")",
                           expected);
    case 5:
        return SetExercise(context, Cat("(", x, "+", o, ")^<2> = (", x, "+", o, ")*(", x, "+"), ")",
                           expected);
    case 6:
        return SetExercise(context, Cat("(", a, b, "+", o, ")^<2> = (", a, b, "+", o, ")*(", a, b, "+"), ")",
                           expected);
    default:
        return SetExercise(context, Cat("(", a, b, "-", o, ")^<2> = (", a, b, "-", o, ")*(", a, b, "-"), ")",
                           expected);
    }
}

// Kind 6: trinomials and squares that are not the square of the bracket offered.
void FalsePerfectSquare(TGenerateContext& context, const TPair& d) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    const int o = d.o;
    const int m = d.m;
    const int s = o * o;
    const std::string oL = o > 1 ? Cat(o, x) : x;
    const std::string minusMinus = Cat(" = (", x, "-", o, ")*(", x, "-");
    const std::string plusPlus = Cat(" = (", x, "+", o, ")*(", x, "+");
    std::string question;
    std::string suffix = ")";
    switch (R(14)) {
    case 0: question = Cat(x, "^<2>-", oL, "+", s, minusMinus); break;
    case 1:
    case 3: question = Cat(x, "^<2>-", 2 * o, x, "-", s, minusMinus); break;
    case 2: question = Cat(x, "^<2>+", oL, "+", s, plusPlus); break;
    case 4: question = Cat(x, "^<2>-", x, "+", s, minusMinus); break;
    case 5:
    case 7: question = Cat(x, "^<2>-", 2 * m, x, "-", s, minusMinus); break;
    case 6: question = Cat(x, "^<2>+", x, "+", s, plusPlus); break;
    case 8: question = Cat("(", x, "-", o, ")^<2> = (", x, "+", o, ")*(", x, "-"); break;
    case 9: question = Cat("(", x, "+", m, ")^<2>", plusPlus); break;
    case 10: question = Cat("(", a, b, "+", o, ")^<2> = (", a, "+", o, ")*(", b, "+"); break;
    case 11: question = Cat("(", a, b, "-", o, ")^<2> = (", a, "-", o, ")*(", b, "-"); break;
    case 12:
        question = Cat("(", o, "-", x, ")^<2> = (", m, "-", x, ")*(");
        suffix = Cat("-", x, ")");
        break;
    default:
        question = Cat("(", o, "+", x, ")^<2> = (", m, "+", x, ")*(");
        suffix = Cat("+", x, ")");
        break;
    }
    SetExercise(context, question, suffix, NoNumber());
}

// Kinds 7 and 8: o·x ± o·m = o·(x ± m), with the blank at the factor, in the bracket or at the
// constant term.
void TakeOutFactor(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const auto [o, m] = FactorDraws(9);
    const int p = o * m;
    const std::string plus = Cat(o, x, " + ", p, " = ");
    const std::string minus = Cat(o, x, " - ", p, " = ");
    switch (R(11)) {
    case 0: return SetExercise(context, plus, Cat("*(", x, " + ", m, ")"), Whole(o));
    case 1: return SetExercise(context, minus, Cat("*(", x, " - ", m, ")"), Whole(o));
    case 2: return SetExercise(context, Cat(plus, o, "*(", x, " + "), ")", Whole(m));
    case 3: return SetExercise(context, Cat(minus, o, "*(", x, " - "), ")", Whole(m));
    case 4: return SetExercise(context, Cat(plus, "(", x, " + ", m, ")*"), "", Whole(o));
    case 5: return SetExercise(context, Cat(minus, "(", x, " - ", m, ")*"), "", Whole(o));
    case 6: return SetExercise(context, Cat(o, x, " + "), Cat(" = ", o, "*(", x, " + ", m, ")"), Whole(p));
    case 7: return SetExercise(context, Cat(o, x, " - "), Cat(" = ", o, "*(", x, " - ", m, ")"), Whole(p));
    case 8: return SetExercise(context, minus, Cat("*(", m, " - ", x, ")"), Whole(-o));
    case 9: return SetExercise(context, Cat(minus, "-", o, "*("), Cat(" - ", x, ")"), Whole(m));
    default: return SetExercise(context, Cat(plus, "-", o, "*("), Cat(" - ", x, ")"), Whole(-m));
    }
}

// Kinds 9 and 10: taking out the factor −1.
void TakeOutMinusOne(TGenerateContext& context) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    const auto [o, m] = FactorDraws(9);
    const int p = o * m;
    switch (R(7)) {
    case 0:
        return SetExercise(context, Cat(o, x, " - ", p, " = "), Cat("*(", p, " - ", o, x, ")"), Whole(-1));
    case 1:
        return SetExercise(context, Cat(o, a, " - ", m, b, " = "), Cat("*(", m, b, " - ", o, a, ")"),
                           Whole(-1));
    case 2: return SetExercise(context, Cat(o, x, " - ", p, " = -1*("), Cat(" - ", o, x, ")"), Whole(p));
    case 3:
        return SetExercise(context, Cat(o, a, " - ", m, b, " = -1*("), Cat(b, " - ", o, a, ")"), Whole(m));
    case 4:
        return SetExercise(context, Cat(x, "^<2> - ", o * o, " = -1*("), Cat(" - ", x, "^<2>)"),
                           Whole(o * o));
    case 5: return SetExercise(context, Cat(a, " - ", b, " = "), Cat("*(", b, " - ", a, ")"), Whole(-1));
    default:
        return SetExercise(context, Cat(x, "^<2> - ", x, " = "), Cat("*(", x, " - ", x, "^<2>)"), Whole(-1));
    }
}

// Kinds 11 and 12: the common factor c of two terms.
void CommonFactor(TGenerateContext& context) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    const auto [o, m] = FactorDraws(9);
    const int c = R(5) + 2;
    // The suffix writes a coefficient 1 of the second letter as the bare letter.
    const std::string mb = m == 1 ? b : Cat(m, b);
    switch (R(4)) {
    case 0:
        return SetExercise(context, Cat(o * c, a, " - ", m * c, b, " = "), Cat("*(", o, a, " - ", mb, ")"),
                           Whole(c));
    case 1:
        return SetExercise(context, Cat(o * c, a, " + ", m * c, b, " = "), Cat("*(", o, a, " + ", mb, ")"),
                           Whole(c));
    case 2:
        return SetExercise(context, Cat(o * c, x, " - ", m * c, " = "), Cat("*(", o, x, " - ", m, ")"),
                           Whole(c));
    default:
        return SetExercise(context, Cat(o * c, x, " + ", m * c, " = "), Cat("*(", o, x, " + ", m, ")"),
                           Whole(c));
    }
}

// Kind 13: brackets that do not give back the left side, whatever factor stands before them.
void FalseFactoring(TGenerateContext& context) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    const auto [o, m] = DistinctPair(2);
    const int c = R(4) + 2;
    const int p = o * m;
    const TFixedNumber none = NoNumber();
    switch (R(14)) {
    case 0: return SetExercise(context, Cat(o, x, " + ", p, " = "), Cat("*(", x, " - ", m, ")"), none);
    case 1: return SetExercise(context, Cat(o, x, " - ", p, " = "), Cat("*(", x, " + ", m, ")"), none);
    case 2: return SetExercise(context, Cat(o, x, " - ", p, " = (", x, " + ", m, ")*"), "", none);
    case 3: return SetExercise(context, Cat(o, x, " + ", p, " = (", x, " - ", m, ")*"), "", none);
    case 4: return SetExercise(context, Cat(o, x, " - ", p, " = "), Cat("*(", m, " + ", x, ")"), none);
    case 5:
        return SetExercise(context, Cat(o * c, a, " - ", m * c, b, " = "), Cat("*(", m, a, " - ", o, b, ")"),
                           none);
    case 6:
        return SetExercise(context, Cat(o * c, a, " + ", m * c, b, " = "), Cat("*(", m, a, " + ", o, b, ")"),
                           none);
    case 7:
        return SetExercise(context, Cat(o * c, x, " - ", m * c, " = "), Cat("*(", m, x, " - ", o, ")"), none);
    case 8:
        return SetExercise(context, Cat(o * c, x, " + ", m * c, " = "), Cat("*(", m, x, " + ", o, ")"), none);
    case 9: return SetExercise(context, Cat(o, x, " - ", p, " = "), Cat("*(", o, " - ", p, x, ")"), none);
    case 10:
        return SetExercise(context, Cat(o, a, " - ", m, b, " = "), Cat("*(", o, b, " - ", m, a, ")"), none);
    case 11: return SetExercise(context, Cat(o, x, " - ", p, " = -1*("), Cat(" - ", m, x, ")"), none);
    case 12: return SetExercise(context, Cat(o, a, " - ", m, b, " = -1*("), Cat(b, " - ", m, a, ")"), none);
    default: return SetExercise(context, Cat(a, "^<2> - ", o * o, " = -1*("), Cat(" - ", b, "^<2>)"), none);
    }
}

// Kind 14: the factor 1 before the whole left side.
void FactorOne(TGenerateContext& context) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    const auto [o, m] = FactorDraws(8);
    const int c = R(3) + 2;
    const int t = 2 * o;
    const int s = o * o;
    const int p = o * m;
    std::string left;
    switch (R(11)) {
    case 0:
    case 1: left = Cat(o, x, " - ", p); break;
    case 2:
    case 3: left = Cat(x, " - ", p); break;
    case 4: left = Cat(a, " - ", b); break;
    case 5: left = Cat(a, "^<2> - ", b); break;
    case 6: left = Cat(x, "^<", c, "> - ", x); break;
    case 7: left = Cat(a, "^<", c, "> - ", b); break;
    case 8: left = Cat(x, "^<2> - ", s); break;
    case 9: left = Cat(x, "^<2> - ", t, x); break;
    default: left = Cat(x, "^<2>-", t, x, "+", s); break;
    }
    SetExercise(context, Cat(left, " = "), Cat("*(", left, ")"), Whole(1));
}

} // namespace

void GenerateFactoringKind(TGenerateContext& context, int kind) {
    context.TaskText = "Rozlož na součin - doplň";
    const TPair common = DistinctPair(1);
    if (kind >= 7) context.TaskText = "Rozlož na součin vytýkáním - doplň";
    switch (kind) {
    case 0:
    case 1: return DifferenceOfSquares(context, common);
    case 2:
    case 3: return FalseDifferenceOfSquares(context, common);
    case 4:
    case 5: return PerfectSquare(context, common);
    case 6: return FalsePerfectSquare(context, common);
    case 7:
    case 8: return TakeOutFactor(context);
    case 9:
    case 10: return TakeOutMinusOne(context);
    case 11:
    case 12: return CommonFactor(context);
    case 13: return FalseFactoring(context);
    default: return FactorOne(context);
    }
}

void GenerateFactoring(TGenerateContext& context) { GenerateFactoringKind(context, R(FactoringKinds)); }

} // namespace numerava::area6
