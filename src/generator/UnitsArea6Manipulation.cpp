// Area 6, difficulty 3: completing simplified, expanded or rewritten expressions, and fractions
// as decimal numbers or percentages. Question stops where the pupil's number belongs, Suffix holds
// the rest of the right side; "N" where no number makes the two sides equal.

#include "generator/Area6Common.h"
#include "generator/Area6Groups.h"

#include <cstdlib>

namespace numerava::area6 {

namespace {

// The numbers every group starts from: o 2..10 and m 1..9 with m ≠ o, c 2..5.
struct TCommonDraws {
    int o = 0, m = 0, c = 0;
};

TCommonDraws CommonDraws() {
    TCommonDraws d;
    do {
        d.o = R(9) + 2;
        d.m = R(9) + 1;
    } while (d.m == d.o);
    d.c = R(4) + 2;
    return d;
}

// Group 0: a factor times a bracket.
void DistributeFactor(TGenerateContext& context, const TCommonDraws& d) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    const int o = d.o, m = d.m, c = d.c;
    switch (R(9)) {
    case 0: return SetExercise(context, Cat(o, "*(", x, "+", m, ") = ", o, x, " + "), "", Whole(o * m));
    case 1: return SetExercise(context, Cat(o, "*(", x, "-", m, ") = ", o, x, " - "), "", Whole(o * m));
    case 2: return SetExercise(context, Cat(o, "*(", a, "+", m, b, ") = ", o, a, " + "), b, Whole(o * m));
    case 3: return SetExercise(context, Cat(o, "*(", a, "-", m, b, ") = ", o, a, " - "), b, Whole(o * m));
    case 4:
        return SetExercise(context, Cat(o, "*(", m, a, "+", c, b, ") = ", o * m, a, " + "), b, Whole(o * c));
    case 5:
        return SetExercise(context, Cat(o, "*(", m, a, "-", c, b, ") = ", o * m, a, " - "), b, Whole(o * c));
    case 6:
        return SetExercise(context, Cat(o, "*(", x, "^<2> - ", c, x, ") = ", o, x, "^<2> - "), x,
                           Whole(o * c));
    case 7:
        return SetExercise(context, Cat(o, "*(", a, "^<2> - ", c, b, ") = ", o, a, "^<2> - "), b,
                           Whole(o * c));
    default: // the coefficient of the square is m, not the factor o
        return SetExercise(context, Cat(o, "*(", a, "^<2> - ", c, b, ") = ", m, a, "^<2> - "), b, NoNumber());
    }
}

// Group 1: the product of two binomials x ± o and x ± m.
void MultiplyBinomials(TGenerateContext& context) {
    context.TaskText = "Roznásob dvojčleny - doplň";
    const std::string& x = context.Letter3;
    int o = 0, m = 0;
    do {
        o = R(9) + 1;
        m = R(9) + 1;
    } while (std::abs(o - m) < 2);
    const int d = std::abs(o - m);
    const int s = o + m;
    const int p = o * m;
    // The coefficient of x in (x − o)(x + m) is m − o: "+" when m ≥ o.
    const char* sign = m >= o ? "^<2>+" : "^<2>-";
    const char* opposite = m >= o ? "^<2>-" : "^<2>+";
    const std::string square = Cat(x, "^<2>");
    switch (R(9)) {
    case 0:
        return SetExercise(context, Cat("(", x, "+", o, ")*(", x, "+", m, ") = ", square, "+", s, x, "+"), "",
                           Whole(p));
    case 1:
        return SetExercise(context, Cat("(", x, "-", o, ")*(", x, "-", m, ") = ", square, "-", s, x, "+"), "",
                           Whole(p));
    case 2:
        return SetExercise(context, Cat("(", x, "-", o, ")*(", x, "+", m, ") = ", x, sign, d, x, "-"), "",
                           Whole(p));
    case 3:
        return SetExercise(context, Cat("(", x, "+", o, ")*(", x, "-", m, ") = ", x, opposite, d, x, "-"), "",
                           Whole(p));
    case 4:
        return SetExercise(context, Cat("(", x, "+", o, ")*(", x, "+", m, ") = ", square, "+"),
                           Cat(x, "+", p), Whole(s));
    case 5:
        return SetExercise(context, Cat("(", x, "-", o, ")*(", x, "-", m, ") = ", square, "-"),
                           Cat(x, "+", p), Whole(s));
    case 6:
        return SetExercise(context, Cat("(", x, "-", o, ")*(", x, "+", m, ") = ", x, sign), Cat(x, "-", p),
                           Whole(d));
    case 7: // the constant term is +p, not −p
        return SetExercise(context, Cat("(", x, "+", o, ")*(", x, "+", m, ") = ", square, "+"),
                           Cat(x, "-", p), NoNumber());
    default: // the sign of the middle term is the wrong one
        return SetExercise(context, Cat("(", x, "+", o, ")*(", x, "-", m, ") = ", x, sign, d, x, "-"), "",
                           NoNumber());
    }
}

// Group 2: fractions with a common denominator m, and like terms written as fractions.
void FractionsAndLikeTerms(TGenerateContext& context) {
    context.TaskText = "Zjednoduš - doplň";
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    int o = 0, m = 0, c = 0, e = 0;
    for (;;) {
        o = R(9);
        m = R(9);
        c = R(4) + 2;
        e = R(4) + 1;
        if (c == e) continue;
        o += 2;
        if (o != c) break;
    }
    const int kind = R(24);
    m += 2;
    const int w = o * m;
    const std::string sum = Cat("/<", w, x, " + ", m * c, "><", m, ">");        // (w·x + m·c)/m
    const std::string difference = Cat("/<", w, x, " - ", m * c, "><", m, ">"); // (w·x − m·c)/m
    // Four fractions with the same denominator joined by − + −, as a row.
    const auto fourFractions = [](const std::string& l1, const std::string& l2, const std::string& l3,
                                  const std::string& l4, const std::string& denominator) {
        return Cat("&</<", l1, "><", denominator, ">>< - ></<", l2, "><", denominator, ">>< + ></<", l3, "><",
                   denominator, ">>< - ></<", l4, "><", denominator, ">> = ");
    };
    switch (kind) {
    case 0: return SetExercise(context, Cat("/<", w, x, "><", m, "> ="), x, Whole(o));
    case 1:
        return SetExercise(context, Cat("/<", w, x, "^<", c, ">><", m, "> ="), Cat(x, "^<", c, ">"),
                           Whole(o));
    case 2: return SetExercise(context, Cat(sum, " ="), Cat(x, " + ", c), Whole(o));
    case 3: return SetExercise(context, Cat(difference, " ="), Cat(x, " - ", c), Whole(o));
    case 4: return SetExercise(context, Cat(sum, " = ", o, x, " + "), "", Whole(c));
    case 5: return SetExercise(context, Cat(difference, " = ", o, x, " - "), "", Whole(c));
    case 6: return SetExercise(context, Cat(sum, " + ", e, " = ", o, x, " + "), "", Whole(c + e));
    case 7:
        return SetExercise(context, Cat(sum, " - ", e, " = ", o, x, e < c ? " + " : " - "), "",
                           Whole(std::abs(c - e)));
    case 8: return SetExercise(context, Cat(difference, " - ", e, " = ", o, x, "-"), "", Whole(c + e));
    case 9: return SetExercise(context, Cat(sum, " + ", c, x, " = "), Cat(x, " + ", c), Whole(o + c));
    case 10: return SetExercise(context, Cat(difference, " - ", c, x, " = "), Cat(x, " - ", c), Whole(o - c));
    case 11: return SetExercise(context, Cat("&</<", x, "><2>>< + ></<", x, "><2>> = "), x, Whole(1));
    case 12:
        return SetExercise(context, Cat("&</<", x, "><", m, ">>< - ></<", x, "><", m, ">> = "), "", Whole(0));
    case 13:
        return SetExercise(
            context, Cat("&</<", x, "><2>>< + ></<", x, "><2>>< + ></<", x, "><2>>< + ></<", x, "><2>> = "),
            x, Whole(2));
    case 14: return SetExercise(context, fourFractions(x, x, x, x, Cat(m)), "", Whole(0));
    case 15: return SetExercise(context, fourFractions(a, a, b, b, Cat(m)), "", Whole(0));
    case 16: return SetExercise(context, fourFractions(a, b, b, a, Cat(m)), "", Whole(0));
    case 17:
        return SetExercise(context,
                           Cat("&</<", a, "><", o, ">>< - ></<", b, "><", c, ">>< + ></<", b, "><", c,
                               ">>< - ></<", a, "><", o, ">> = "),
                           "", Whole(0));
    case 18: return SetExercise(context, Cat("&</<1><2>", x, ">< + ></<1><2>", x, "> = "), x, Whole(1));
    case 19:
        return SetExercise(context, Cat("&</<1><", o, ">", x, ">< - ></<1><", o, ">", x, "> = "), "",
                           Whole(0));
    case 20: return SetExercise(context, Cat("&</<1><2>", x, ">< + ></<", x, "><2>> = "), x, Whole(1));
    case 21: return SetExercise(context, Cat("&</<1><2>", x, ">< - ></<", x, "><2>> = "), "", Whole(0));
    case 22: // the coefficient of the letter is o, not c
        return SetExercise(context, Cat(sum, " - ", e, " = ", c, x, e < c ? " + " : " - "), "", NoNumber());
    default: // half of one letter and half of another are no multiple of a single letter
        return SetExercise(context, Cat("&</<1><2>", a, ">< + ></<1><2>", b, "> = "), x, NoNumber());
    }
}

// Group 3: collecting like terms, products and quotients of monomials.
void LikeTerms(TGenerateContext& context) {
    context.TaskText = "Zjednoduš - doplň";
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    int o = 0, m = 0;
    do {
        o = R(9) + 2;
        m = R(9) + 2;
    } while (std::abs(o - m) < 2);
    const int p = o * m;
    switch (R(21)) {
    case 0: return SetExercise(context, Cat(o, x, " + ", m, x, " = "), x, Whole(o + m));
    case 1: return SetExercise(context, Cat(o, x, " - ", m, x, " = "), x, Whole(o - m));
    case 2: return SetExercise(context, Cat(o, x, " - ", o, x, " = "), "", Whole(0));
    case 3: return SetExercise(context, Cat(o, x, " * ", m, x, " = "), Cat(x, "^<2>"), Whole(p));
    case 4: return SetExercise(context, Cat(o, a, " * ", m, b, " = "), Cat(a, b), Whole(p));
    case 5: return SetExercise(context, Cat(x, " + ", x, " = "), x, Whole(2));
    case 6: return SetExercise(context, Cat(x, " - ", x, " = "), "", Whole(0));
    case 7: return SetExercise(context, Cat(x, " : ", x, " = "), "", Whole(1));
    case 8: return SetExercise(context, Cat("/<", x, "><", x, "> = "), "", Whole(1));
    case 9: return SetExercise(context, Cat(p, x, " : ", m, x, " = "), "", Whole(o));
    case 10: return SetExercise(context, Cat(p, x, " : ", m, " = "), x, Whole(o));
    case 11: return SetExercise(context, Cat("/<", p, x, "><", m, x, "> = "), "", Whole(o));
    case 12: return SetExercise(context, Cat("/<", p, x, "><", m, "> = "), x, Whole(o));
    case 13:
        return SetExercise(context, Cat(p, a, " : ", m, b, " = "), Cat(" * /<", a, "><", b, ">"), Whole(o));
    // Different letters: no single number makes the two sides equal.
    case 14: return SetExercise(context, Cat(o, a, " + ", m, b, " = "), x, NoNumber());
    case 15: return SetExercise(context, Cat(o, a, " - ", m, b, " = "), x, NoNumber());
    case 16: return SetExercise(context, Cat(o, a, " - ", o, b, " = "), Cat(a, b), NoNumber());
    case 17: return SetExercise(context, Cat(a, " + ", b, " = "), Cat(a, b), NoNumber());
    case 18: return SetExercise(context, Cat(a, " - ", b, " = "), Cat(a, b), NoNumber());
    case 19: return SetExercise(context, Cat(a, " : ", b, " = "), "", NoNumber());
    default: return SetExercise(context, Cat("/<", a, "><", b, "> = "), "", NoNumber());
    }
}

// Group 4: removing brackets after a plus or minus sign.
void RemoveBrackets(TGenerateContext& context) {
    context.TaskText = "Zjednoduš - doplň";
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    int o = 0, m = 0, c = 0;
    int first = 0, second = 0;
    do {
        first = R(7);
        second = R(8);
        c = R(5) + 2;
        o = first + 3;
    } while (!(second + 3 < o));
    m = second + 2;
    const int d = o - m;
    const int kind = R(14);
    // Kinds 0-3 and 8-13 have two forms; a side draw picks one.
    const bool side = (kind <= 3 || kind >= 8) && Side();
    const char* inner = side ? "-" : "+";   // the sign inside the bracket of kinds 0-3
    const char* flipped = side ? "+" : "-"; // the same sign after a minus in front of the bracket
    const std::string minusOne = side ? " -1*(" : " - (";
    switch (kind) {
    case 0:
        return SetExercise(context, Cat(o, x, " + (", m, x, inner, c, ") = "), Cat(x, inner, c),
                           Whole(o + m));
    case 1:
        return SetExercise(context, Cat(o, x, " - (", m, x, inner, c, ") = "), Cat(x, flipped, c), Whole(d));
    case 2:
        return SetExercise(context, Cat(m, x, " - (", o, x, inner, c, ") = "), Cat(x, flipped, c),
                           Whole(m - o));
    case 3:
        return SetExercise(context, Cat(o, a, " - (", m, a, inner, c, b, ") = "), Cat(a, flipped, c, b),
                           Whole(d));
    case 4:
        return SetExercise(context, Cat(o, a, " - (", c, b, "+", m, a, ") = "), Cat(a, "-", c, b), Whole(d));
    case 5: return SetExercise(context, Cat(o, x, " - (", c, "+", m, x, ") = "), Cat(x, "-", c), Whole(d));
    case 6: return SetExercise(context, Cat(o, " - (", c, x, "+", m, ") = ", -c, x, "+"), "", Whole(d));
    case 7: return SetExercise(context, Cat(m, " - (", c, x, "+", o, ") = ", -c, x, "-"), "", Whole(d));
    case 8: return SetExercise(context, Cat(minusOne, c, x, "+", o, ") = ", -c, x, "-"), "", Whole(o));
    case 9: return SetExercise(context, Cat(minusOne, c, x, "+", o, ") = "), Cat(x, "-", o), Whole(-c));
    case 10: return SetExercise(context, Cat(minusOne, -c, x, "+", o, ") = "), Cat(x, "-", o), Whole(c));
    case 11:
        return SetExercise(context, Cat(minusOne, c, a, "+", o, b, ") = "), Cat(a, "-", o, b), Whole(-c));
    case 12:
        return SetExercise(context, Cat(minusOne, -c, a, "+", o, b, ") = "), Cat(a, "-", o, b), Whole(c));
    default:
        return SetExercise(context, Cat(minusOne, o, a, "+", m, b, "+", c, ") = "), Cat(a, "-", m, b, "-", c),
                           Whole(-o));
    }
}

// Group 5: a fraction or a decimal number as a decimal number or a percentage.
void DecimalsAndPercentages(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const int kind = R(19);
    const bool percent = kind >= 5 && kind <= 14;
    context.TaskText = percent ? "Vyjádři v %" : "Zapiš des. číslem";
    const std::string suffix = percent ? Cat("% z čísla ", x) : x;
    // A number from `draw` that is no multiple of `step`.
    const auto drawAvoiding = [](auto draw, int step) {
        int value = 0;
        do value = draw();
        while (value % step == 0);
        return value;
    };
    if (kind <= 10) {
        int o = 0, denominator = 0;
        TFixedNumber expected;
        switch (kind) {
        case 0: o = 2 * R(3) + 1, denominator = 2, expected = Fixed(1, 5 * o); break;
        case 1:
            o = drawAvoiding([] { return R(15) + 1; }, 10), denominator = 10, expected = Fixed(1, o);
            break;
        case 2:
            o = drawAvoiding([] { return R(10) + 1; }, 4), denominator = 4, expected = Fixed(2, 25 * o);
            break;
        case 3:
            o = drawAvoiding([] { return R(16) + 1; }, 5), denominator = 5, expected = Fixed(1, 2 * o);
            break;
        case 4:
            o = drawAvoiding([] { return R(500) + 1; }, 10), denominator = 100, expected = Fixed(2, o);
            break;
        case 5: o = 2 * R(3) + 1, denominator = 2, expected = Whole(50 * o); break;
        case 6:
            o = drawAvoiding([] { return R(15) + 1; }, 10), denominator = 10, expected = Whole(10 * o);
            break;
        case 7:
            o = drawAvoiding([] { return R(7) + 1; }, 4), denominator = 4, expected = Whole(25 * o);
            break;
        case 8:
            o = drawAvoiding([] { return R(9) + 1; }, 5), denominator = 5, expected = Whole(20 * o);
            break;
        case 9:
            o = drawAvoiding([] { return R(19) + 1; }, 10), denominator = 10, expected = Whole(10 * o);
            break;
        default:
            o = drawAvoiding([] { return R(99) + 1; }, 10), denominator = 100, expected = Whole(o);
            break;
        }
        std::string question;
        switch (R(3)) {
        case 1: question = Cat("/<", o, "><", denominator, "> ", x, " = "); break;
        case 2:
            question =
                o > 1 ? Cat("/<", o, x, "><", denominator, "> = ") : Cat("/<", x, "><", denominator, "> = ");
            break;
        default: question = Cat("/<", o, "><", denominator, ">*", x, " = "); break;
        }
        return SetExercise(context, question, suffix, expected);
    }
    if (kind <= 14) {
        int o = 0;
        std::string number;
        TFixedNumber expected;
        switch (kind) {
        case 11:
            o = drawAvoiding([] { return R(99) + 1; }, 10), number = Decimal(o, 2), expected = Whole(o);
            break;
        case 12:
            o = drawAvoiding([] { return R(15) + 1; }, 10), number = Decimal(o, 1), expected = Whole(10 * o);
            break;
        case 13:
            o = drawAvoiding([] { return 25 * R(6); }, 100), number = Decimal(o, 2), expected = Whole(o);
            break;
        default:
            o = drawAvoiding([] { return 20 * R(8); }, 100), number = Decimal(o, 2), expected = Whole(o);
            break;
        }
        const bool dot = Side(); // a non-zero side draw writes the product dot
        return SetExercise(context, dot ? Cat(number, "*", x, " = ") : Cat(number, x, " = "), suffix,
                           expected);
    }
    // Kinds 15-18: a percentage of the letter as a decimal number.
    int o = 0;
    do {
        switch (R(4)) {
        case 0: o = R(199) + 1; break;
        case 1: o = 10 * R(14); break;
        case 2: o = 20 * R(8); break;
        default: o = 25 * R(8); break;
        }
    } while (o % 100 == 0);
    SetExercise(context, Cat(o, "% z čísla ", x, " = "), suffix, Fixed(2, o));
}

void ManipulationGroup(TGenerateContext& context, int group, const TCommonDraws& draws) {
    switch (group) {
    case 0: return DistributeFactor(context, draws);
    case 1: return MultiplyBinomials(context);
    case 2: return FractionsAndLikeTerms(context);
    case 3: return LikeTerms(context);
    case 4: return RemoveBrackets(context);
    default: return DecimalsAndPercentages(context);
    }
}

} // namespace

void GenerateManipulation(TGenerateContext& context) {
    context.TaskText = "Zjednoduš výraz - doplň";
    const TCommonDraws draws = CommonDraws();
    ManipulationGroup(context, R(ManipulationGroups), draws);
}

void GenerateManipulationGroup(TGenerateContext& context, int group) {
    context.TaskText = "Zjednoduš výraz - doplň";
    ManipulationGroup(context, group, CommonDraws());
}

} // namespace numerava::area6
