// Area 6, difficulty 4: powers. Adding like powers, missing exponents (the blank stands in the
// exponent and the pupil types it), computing powers, powers of ten and dividing monomials.

#include "core/Language.h"
#include "generator/Area6Common.h"
#include "generator/Area6Groups.h"

namespace numerava::area6 {

namespace {

// A blank exponent: "^<Ö>", a run of spaces and "?=".
std::string BlankExponent(int spaces) { return Cat("^<", Blank, ">", ValuePrompt(spaces)); }

// "^<n>": the exponent n of the text written just before it.
std::string Exponent(int n) { return Cat("^<", n, ">"); }

int PowerOfTen(int exponent) {
    int value = 1;
    for (int i = 0; i < exponent; ++i) value *= 10;
    return value;
}

// "f*f*...*f" with `count` factors.
std::string Factors(const std::string& factor, int count) {
    std::string text = factor;
    for (int i = 1; i < count; ++i) text += "*" + factor;
    return text;
}

// The fraction 1/X in brackets, as the base of a power: "^<;</<1><X>>><n>".
std::string UnitFractionPower(const std::string& x, const std::string& exponent) {
    return Cat("^<;</<1><", x, ">>><", exponent, ">");
}
std::string UnitFractionInBrackets(const std::string& x) { return Cat(";</<1><", x, ">>"); }

// Group 0: like terms with squares, cubes and decimal coefficients.
void AddLikeTerms(TGenerateContext& context) {
    context.TaskText = "Zjednoduš - uprav";
    const std::string& x = context.Letter3;
    int o = 0, b = 0;
    do {
        o = R(8) + 2;
        b = R(8);
    } while (!(b + 2 < o));
    const int m = b + 1;
    const int s = o + m;
    const int d = o - m;
    const std::string square = Cat(x, "^<2>");
    const std::string cube = Cat(x, "^<3>");
    switch (R(6)) {
    case 0: return SetExercise(context, Cat(o, square, " + ", m, square, " = "), square, Whole(s));
    case 1: return SetExercise(context, Cat(o, square, " - ", m, square, " = "), square, Whole(d));
    case 2: return SetExercise(context, Cat(o, cube, " + ", m, cube, " = "), cube, Whole(s));
    case 3: return SetExercise(context, Cat(o, cube, " - ", m, cube, " = "), cube, Whole(d));
    case 4: return SetExercise(context, Cat(Tenths(o), x, " + ", Tenths(m), x, " = "), x, Fixed(1, s));
    default: return SetExercise(context, Cat(Tenths(o), x, " - ", Tenths(m), x, " = "), x, Fixed(1, d));
    }
}

// The numbers of groups 1 and 2: o 3..8 (m only bounds it), c and e 2..4.
struct TFactorDraws {
    int o = 0, m = 0, c = 0, e = 0;
};

TFactorDraws DrawFactors() {
    TFactorDraws d;
    do {
        d.o = R(8) + 1;
        d.m = R(9);
        d.c = R(3) + 2;
        d.e = R(3) + 2;
    } while (!(d.m + 2 < d.o));
    return d;
}

// Group 1: a product of equal factors written as a power.
void RepeatedFactors(TGenerateContext& context) {
    SetExponentCaption(context);
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const TFactorDraws d = DrawFactors();
    const int o = d.o;
    const std::string blank5 = BlankExponent(5);
    const std::string blank4 = BlankExponent(4);
    const auto set = [&context](const std::string& question, TFixedNumber exponent) {
        SetExercise(context, question, "", exponent);
    };
    const int kind = R(13);
    switch (kind) {
    case 0:
    case 1:
    case 2:
    case 3: return set(Cat(Factors(a, kind + 2), " = ", a, blank5), Whole(kind + 2));
    case 4: return set(Cat(Factors(a, 3), "*", Factors(b, 2), " = ", a, "^<3>", b, blank5), Whole(2));
    case 5: return set(Cat(Factors(a, 2), "*", Factors(b, 3), " = ", a, "^<2>", b, blank5), Whole(3));
    case 6: {
        const std::string bracket = Cat("(", a, "+", o, ")");
        const std::string product = Side() ? bracket + bracket : bracket + "*" + bracket;
        return set(Cat(product, "=", bracket, blank4), Whole(2));
    }
    case 7: // (a − o)(a + o) is no power of a − o
        if (Side())
            return set(Cat("(", a, "-", o, ")(", a, "+", o, ")=(", a, "-", o, ")", blank4), NoNumber());
        return set(Cat("(", a, "+", o, ")*(", a, "-", o, ")=(", a, "-", o, ")", blank4), NoNumber());
    case 8:
        if (Side()) return set(Cat("(", a, "-", b, ")(", a, "-", b, ")=(", a, "-", b, ")", blank4), Whole(2));
        return set(Cat("(", a, "+", b, ")*(", a, "+", b, ")=(", a, "+", b, ")", blank4), Whole(2));
    case 9:
        if (Side()) return set(Cat(Factors(Cat("(-", o, ")"), 3), "=(-", o, ")", blank4), Whole(3));
        return set(Cat(Factors(Cat(o), 3), "=", o, blank4), Whole(3));
    case 10:
        if (Side()) return set(Cat(Factors(Cat("(-", o, ")"), 2), "=(-", o, ")", blank4), Whole(2));
        return set(Cat(Factors(Cat(o), 2), "=", o, blank4), Whole(2));
    default: { // 11 and 12: three or two factors 1/X, X a letter or c
        const std::string x = Side() ? context.Letter3 : Cat(d.c);
        const int count = kind == 11 ? 3 : 2;
        std::string row = "&";
        for (int i = 0; i < count; ++i) row += Cat(i > 0 ? "<*>" : "", "</<1><", x, ">>");
        return set(Cat(row, " = ", UnitFractionPower(x, Blank), ValuePrompt(4)), Whole(count));
    }
    }
}

// Group 2: multiplying powers of one base.
void MultiplyPowers(TGenerateContext& context) {
    SetExponentCaption(context);
    const std::string& x = context.Letter3;
    const TFactorDraws d = DrawFactors();
    const int c = d.c, e = d.e;
    const std::string o = Cat(d.o);
    const std::string negative = Cat("(-", d.o, ")");
    const std::string blank5 = BlankExponent(5);
    const auto set = [&context](const std::string& question, int exponent) {
        SetExercise(context, question, "", Whole(exponent));
    };
    // base^e * base^c * base, or base * base^c * base^e.
    const auto threeFactors = [c, e](const std::string& base) {
        if (Side()) return Cat(base, Exponent(e), "*", base, Exponent(c), "*", base);
        return Cat(base, "*", base, Exponent(c), "*", base, Exponent(e));
    };
    switch (R(8)) {
    case 0: return set(Cat(x, Exponent(c), "*", x, Exponent(e), " = ", x, blank5), c + e);
    case 1: return set(Cat(threeFactors(x), " = ", x, blank5), c + e + 1);
    case 2: return set(Cat(o, Exponent(c), "*", o, Exponent(e), " = ", o, blank5), c + e);
    case 3: return set(Cat(threeFactors(o), " = ", o, blank5), c + e + 1);
    case 4:
        return set(Cat(negative, Exponent(c), "*", negative, Exponent(e), " = ", negative, blank5), c + e);
    case 5: return set(Cat(threeFactors(negative), " = ", negative, BlankExponent(2)), c + e + 1);
    case 6: {
        const std::string base = Side() ? x : o;
        return set(Cat(UnitFractionPower(base, Cat(c)), "*", UnitFractionPower(base, Cat(e)), "=",
                       UnitFractionPower(base, Blank), ValuePrompt(5)),
                   c + e);
    }
    default: {
        const int form = R(4);
        const std::string base = form == 0 || form == 2 ? o : x;
        const std::string power = UnitFractionPower(base, Cat(c));
        const std::string plain = UnitFractionInBrackets(base);
        const std::string product = form <= 1 ? Cat(plain, "*", power) : Cat(power, "*", plain);
        return set(Cat(product, "=", UnitFractionPower(base, Blank), ValuePrompt(5)), c + 1);
    }
    }
}

// Group 3: dividing powers of one base.
void DividePowers(TGenerateContext& context) {
    SetExponentCaption(context);
    const std::string& x = context.Letter3;
    int a = 0, m = 0, c = 0, f = 0, e = 0, o = 0;
    do {
        a = R(9);
        m = R(9);
        c = R(5) + 2;
        f = R(3);
        e = f + 2;
        o = a + 1;
    } while (!(m + 2 < o && f + 3 < c));
    const std::string blank5 = BlankExponent(5);
    const std::string blank3 = BlankExponent(3);
    const auto set = [&context](const std::string& question, int exponent) {
        SetExercise(context, question, "", Whole(exponent));
    };
    switch (R(5)) {
    case 0:
        switch (R(4)) {
        case 0: return set(Cat(x, Exponent(c), " : ", x, Exponent(e), " = ", x, blank5), c - e);
        case 1: return set(Cat("/<", x, Exponent(c), "><", x, Exponent(e), "> = ", x, blank5), c - e);
        case 2: return set(Cat(o, Exponent(c), " : ", o, Exponent(e), " = ", o, blank5), c - e);
        default: return set(Cat("/<", o, Exponent(c), "><", o, Exponent(e), "> = ", o, blank5), c - e);
        }
    case 1: {
        const std::string base = Side() ? x : Cat(o);
        return set(Cat(UnitFractionPower(base, Cat(c)), ": ", UnitFractionPower(base, Cat(e)), "= ",
                       UnitFractionPower(base, Blank), ValuePrompt(5)),
                   c - e);
    }
    case 2: {
        const std::string n = Cat("(", -o, ")");
        if (!Side()) return set(Cat(n, Exponent(c), ":", n, Exponent(e), " = ", n, BlankExponent(2)), c - e);
        return set(Cat("/<", n, Exponent(c), "><", n, Exponent(e), "> = ", n, BlankExponent(2)), c - e);
    }
    case 3: {
        SetExponentCaption(context);
        int p = 0, q = 0, r = 0;
        do {
            p = R(5);
            q = R(5);
            r = R(8);
        } while (!(p + q - r > 1));
        const int o1 = p + 1, m1 = q + 1, c1 = r + 2;
        const std::string denominator = Cat("^<", x, "><", c1, ">");
        std::string question;
        if (q == 0) {
            question = Side() ? Cat("/<", x, Exponent(o1), " * ", x, "><", denominator, ">")
                              : Cat("/<", x, Exponent(o1), "><", denominator, "> * ", x);
        } else if (p == 0) {
            question = Side() ? Cat(x, " * /<^<", x, "><", m1, ">><", denominator, ">")
                              : Cat("/<", x, " * ", x, Exponent(m1), "><", denominator, ">");
        } else {
            question = Cat("/<^<", x, "><", o1, "> * ^<", x, "><", m1, ">><", denominator, ">");
        }
        return set(Cat(question, " = ", x, blank3), o1 + m1 - c1);
    }
    default: {
        SetExponentCaption(context);
        int o1 = 0, u = 0, v = 0;
        do {
            o1 = R(5) + 4;
            u = R(3);
            v = R(3);
        } while (!(o1 - (u + 1) - (v + 2) > 1));
        const int m1 = u + 1, c1 = v + 2;
        const std::string first = m1 > 1 ? Cat("^<", x, "><", m1, ">") : x;
        return set(Cat("/<^<", x, "><", o1, ">><", first, " * ^<", x, "><", c1, ">> = ", x, blank3),
                   o1 - m1 - c1);
    }
    }
}

// The numbers of groups 4 and 5: o 6..9 and m 2..o−2 with o + m ≠ 10, exponents e < c, 2..4.
struct TLikePowerDraws {
    int o = 0, m = 0, c = 0, e = 0;
};

TLikePowerDraws DrawLikePowers() {
    TLikePowerDraws d;
    for (;;) {
        d.o = R(8) + 2;
        d.m = R(8);
        d.c = R(3) + 2;
        d.e = R(3) + 2;
        if (!(d.m + 3 < d.o)) continue;
        d.m += 2;
        if (d.o + d.m == 10) continue;
        if (d.e < d.c) break;
    }
    return d;
}

// Group 4: sums and differences of powers; only like powers of one letter give a single power.
void LikeAndUnlikePowers(TGenerateContext& context) {
    SetExponentCaption(context);
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    const TLikePowerDraws d = DrawLikePowers();
    const int o = d.o, m = d.m, c = d.c, e = d.e;
    const int s = o + m, difference = o - m;
    const int form = R(4);
    const bool minus = Side();
    const char* sign = minus ? "> - " : "> + ";
    const int result = minus ? difference : s;
    const std::string blank = BlankExponent(3);
    const auto set = [&context](const std::string& question, TFixedNumber exponent) {
        SetExercise(context, question, "", exponent);
    };
    switch (form) {
    case 0: return set(Cat(o, x, "^<", e, sign, m, x, "^<", e, "> = ", result, x, blank), Whole(e));
    case 1: // different exponents: no single power
        return set(Cat(o, x, "^<", c, sign, m, x, "^<", e, "> = ", result, x, blank), NoNumber());
    case 2:
        return set(Cat(Tenths(o), x, "^<", e, sign, Tenths(m), x, "^<", e, "> = ", Tenths(result), x, blank),
                   Whole(e));
    default: // different letters: no single power
        return set(Cat(o, a, "^<", e, sign, m, b, "^<", e, "> = ", result, x, blank), NoNumber());
    }
}

// Bases that are powers of one number, like 2 and 4: an exponent, maybe a decimal one, turns
// (m/o)^c into m^n/o^e or (o·m)^c into o^e·m^n, so those exercises would not be unfillable.
bool PowersOfOneNumber(int m, int o) {
    return (m == 2 && o == 4) || (m == 3 && o == 9) || (m == 4 && o == 8);
}

// Group 5: the rules for powers.
void PowerRules(TGenerateContext& context) {
    SetExponentCaption(context);
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    TLikePowerDraws d = DrawLikePowers();
    const auto set = [&context](const std::string& question, const std::string& suffix, TFixedNumber answer) {
        SetExercise(context, question, suffix, answer);
    };
    const int kind = R(12);
    switch (kind) {
    case 0: return set(Cat(x, " * ", x, " = ", x, BlankExponent(3)), "", Whole(2));
    case 1: return set(Cat(d.o, x, " * ", x, " = ", d.o, x, BlankExponent(3)), "", Whole(2));
    case 2: {
        context.TaskText = "Zjednoduš - doplň";
        const int c = d.c, e = d.e;
        switch (R(3)) {
        case 0: return set(Cat(x, Exponent(c), " : ", x, Exponent(c), " = "), "", Whole(1));
        case 1: return set(Cat("/<", x, Exponent(c), "><", x, Exponent(c), "> = "), "", Whole(1));
        default: {
            const std::string term = Cat(a, Exponent(c), b, Exponent(e));
            return set(Cat("/<", term, "><", term, "> = "), "", Whole(1));
        }
        }
    }
    case 3:
        context.TaskText = "Vypočítej";
        switch (R(3)) {
        case 1: return set(Cat(d.o, "^<0> = "), "", Whole(1));
        case 2: return set(Cat("(", -d.o, ")^<0> = "), "", Whole(1));
        default: return set(Cat(x, "^<0> = "), "", Whole(1));
        }
    case 4:
    case 5: {
        // A power of a fraction and the fraction of powers. Kind 5 writes c on the left side
        // where kind 4 writes e, so no exponent fills its blank.
        SetExponentCaption(context);
        const int form = R(6);
        if (kind == 5 && form >= 3)
            while (PowersOfOneNumber(d.m, d.o)) d = DrawLikePowers();
        const std::string p = form < 3 ? a : Cat(d.m);
        const std::string q = form < 3 ? b : Cat(d.o);
        const int left = kind == 4 ? d.e : d.c;
        const int e = d.e;
        const TFixedNumber answer = kind == 4 ? Whole(e) : NoNumber();
        const std::string fraction = Cat(";</<", p, "><", q, ">>");
        switch (form % 3) {
        case 0:
            return set(Cat("^<", fraction, "><", left, "> = /<", p, "^<", Blank, ">><", q, Exponent(e), ">",
                           ValuePrompt(3)),
                       "", answer);
        case 1:
            return set(Cat("^<", fraction, "><", left, "> = /<", p, Exponent(e), "><", q, "^<", Blank, ">>",
                           ValuePrompt(3)),
                       "", answer);
        default:
            return set(Cat("/<", p, Exponent(left), "><", q, Exponent(e), "> = ^<", fraction, "><", Blank,
                           ">", ValuePrompt(4)),
                       "", answer);
        }
    }
    case 6:
    case 7: {
        // A power of a product and the product of powers; kind 7 writes e where kind 6 writes c
        // (forms 0-5), or joins o and m into one two-digit number (forms 6-8), so nothing fills it.
        SetExponentCaption(context);
        const int form = R(9);
        if (kind == 7 && form >= 3 && form <= 5)
            while (PowersOfOneNumber(d.m, d.o)) d = DrawLikePowers();
        const int c = d.c;
        const int known = kind == 6 ? c : d.e;
        const TFixedNumber answer = kind == 6 ? Whole(c) : NoNumber();
        const std::string o = Cat(d.o), m = Cat(d.m);
        // Forms 0-2 with the letters, 3-5 with o*m, 6-8 with the product number (kind 6) or the
        // digits side by side (kind 7).
        const std::string first = form < 3 ? a : o;
        const std::string second = form < 3 ? b : m;
        const std::string together = form < 3    ? Cat(a, b)
                                     : form < 6  ? Cat(o, "*", m)
                                     : kind == 6 ? Cat(d.o * d.m)
                                                 : Cat(o, m);
        const std::string blank3 = ValuePrompt(3);
        const int exponentOfKnown = form < 6 ? known : c;
        switch (form) {
        case 0:
        case 3:
        case 6:
            return set(Cat("(", together, ")", Exponent(c), " = ", first, Exponent(exponentOfKnown), "*",
                           second, "^<", Blank, ">", blank3),
                       "", answer);
        case 1:
        case 4:
        case 7:
            return set(Cat("(", together, ")", Exponent(c), " = ", first, "^<", Blank, ">*", second,
                           Exponent(exponentOfKnown), blank3),
                       "", answer);
        case 8: // the product written without brackets
            return set(Cat(first, Exponent(c), "*", second, Exponent(c), " = ", together, "^<", Blank, ">",
                           ValuePrompt(4)),
                       "", answer);
        default: // 2 and 5
            return set(Cat(first, Exponent(c), "*", second, Exponent(exponentOfKnown), " = (", together,
                           ")^<", Blank, ">", ValuePrompt(4)),
                       "", answer);
        }
    }
    case 8: {
        SetExponentCaption(context);
        const std::string base = Side() ? Cat(d.o) : x;
        return set(Cat("/<1><", base, Exponent(d.c), "> = ", base, BlankExponent(4)), "", Whole(-d.c));
    }
    case 9: {
        const int o = R(9) + 2;
        return set(Cat("(", o, x, ")^<2> = "), Cat(x, "^<2>"), Whole(o * o));
    }
    case 10: {
        const int o = R(4) + 2;
        return set(Cat("(", o, x, ")^<3> = "), Cat(x, "^<3>"), Whole(o * o * o));
    }
    default: {
        SetExponentCaption(context);
        const int k = R(9) + 2;
        int o = 0, m = 0;
        do {
            o = R(7) + 2;
            m = R(7) + 2;
        } while (!(o * m <= 16));
        const std::string base = Side() ? x : Cat(k);
        return set(Cat("(", base, Exponent(o), ")", Exponent(m), " = ", base, BlankExponent(3)), "",
                   Whole(o * m));
    }
    }
}

// Group 6: the value of a power.
void ComputePowers(TGenerateContext& context) {
    context.TaskText = "Vypočítej";
    const auto set = [&context](const std::string& power, int n, TFixedNumber value) {
        SetExercise(context, Cat(power, "^<", n, "> = "), "", value);
    };
    const auto powerOf = [](int base, int n) {
        int value = 1;
        for (int i = 0; i < n; ++i) value *= base;
        return value;
    };
    int n = 0;
    switch (R(12)) {
    case 0: n = R(6) + 3; return set("2", n, Whole(powerOf(2, n)));
    case 1: n = R(2) + 3; return set("3", n, Whole(powerOf(3, n)));
    case 2: n = R(4) + 3; return set("10", n, Whole(powerOf(10, n)));
    case 3: n = R(4) + 3; return set("(-2)", n, Whole(powerOf(-2, n)));
    case 4: n = R(4) + 3; return set("-2", n, Whole(-powerOf(2, n)));
    case 5: n = R(4) + 3; return set("-10", n, Whole(-powerOf(10, n)));
    case 6: n = R(20) + 3; return set("1", n, Whole(1));
    case 7: n = R(20) + 3; return set("-1", n, Whole(-1));
    case 8: n = R(20) + 3; return set("(-1)", n, Whole(powerOf(-1, n)));
    case 9:
    case 10: n = R(4) + 1; return SetExercise(context, Cat("10^<-", n, "> = "), "", Fixed(n, 1));
    default: return SetExercise(context, "10^<0> = ", "", Whole(1));
    }
}

// Group 7: powers of ten and numbers written as a multiple of a power of ten.
void PowersOfTen(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    (void)x;
    const int kind = R(17);
    if (kind <= 3 || (kind >= 11 && kind <= 13)) context.TaskText = "Vypočítej";
    else if (kind >= 8 && kind <= 10) context.TaskText = "Doplň";
    else SetExponentCaption(context);

    // A one-digit, two-digit or three-digit number that does not end in 0.
    const auto one = [] { return R(9) + 1; };
    const auto two = [] {
        int value = 0;
        do value = R(89) + 11;
        while (value % 10 == 0);
        return value;
    };
    const auto three = [](int range) {
        int value = 0;
        do value = R(range) + 101;
        while (value % 10 == 0);
        return value;
    };
    // The number value/10^places written without trailing decimal zeros only where the
    // rows say so: places ≤ 0 gives the whole number value·10^-places.
    const auto shifted = [](int value, int places) {
        return places > 0 ? Decimal(value, places) : Cat(value * PowerOfTen(-places));
    };
    const std::string blank4 = BlankExponent(4);
    const std::string blank3 = BlankExponent(3);
    const auto set = [&context](const std::string& question, const std::string& suffix, TFixedNumber answer) {
        SetExercise(context, question, suffix, answer);
    };
    switch (kind) {
    case 0: {
        const int o = one(), m = R(6);
        return set(Cat(o, "*10^<", m, "> = "), "", Whole(o * PowerOfTen(m)));
    }
    case 1: {
        const int o = two(), m = R(6);
        return set(Cat(Tenths(o), "*10^<", m, "> = "), "", Fixed(1, o * PowerOfTen(m)));
    }
    case 2: {
        const int o = three(899), m = R(6);
        return set(Cat(Decimal(o, 2), "*10^<", m, "> = "), "", Fixed(2, o * PowerOfTen(m)));
    }
    case 3: {
        const int o = one(), k = R(3) + 1;
        return set(Cat(o, "*10^<", -k, "> = "), "", Fixed(2 * k, o * PowerOfTen(k)));
    }
    case 4: {
        const int o = one(), k = R(3) + 1;
        return set(Cat(Decimal(o, k), " = ", o, "*10", blank4), "", Whole(-k));
    }
    case 5: {
        const int o = one(), m = R(6);
        return set(Cat(o * PowerOfTen(m), " = ", o, "*10", blank4), "", Whole(m));
    }
    case 6: {
        const int o = two(), m = R(6);
        return set(Cat(shifted(o, 1 - m), " = ", Tenths(o), "*10", blank4), "", Whole(m));
    }
    case 7: {
        const int o = three(898), m = R(6);
        return set(Cat(shifted(o, 2 - m), " = ", Decimal(o, 2), "*10", blank4), "", Whole(m));
    }
    case 8: {
        const int o = one(), m = R(6);
        return set(Cat(o * PowerOfTen(m), " = "), Cat("*10^<", m, ">"), Whole(o));
    }
    case 9: {
        const int o = two(), m = R(6);
        return set(Cat(shifted(o, 1 - m), " = "), Cat("*10^<", m, ">"), Fixed(1, o));
    }
    case 10: {
        const int o = three(898), m = R(6);
        return set(Cat(shifted(o, 2 - m), " = "), Cat("*10^<", m, ">"), Fixed(2, o));
    }
    case 11: {
        const int o = one(), k = R(3) + 1;
        return set(Cat(o, "*10^<-", k, "> = "), "", Fixed(k, o));
    }
    case 12: {
        const int o = two(), k = R(3) + 1;
        return set(Cat(Tenths(o), "*10^<-", k, "> = "), "", Fixed(k + 1, o));
    }
    case 13: {
        const int o = three(898), k = R(3) + 1;
        return set(Cat(Decimal(o, 2), "*10^<-", k, "> = "), "", Fixed(k + 2, o));
    }
    case 14: {
        const int o = one(), j = R(3);
        return set(Cat(Decimal(o, j + 1), " = ", o, "*10", blank3), "", Whole(-(j + 1)));
    }
    case 15: {
        const int o = two(), j = R(3);
        return set(Cat(Decimal(o, j + 2), " = ", Tenths(o), "*10", blank3), "", Whole(-(j + 1)));
    }
    default: {
        const int o = three(898), j = R(3);
        return set(Cat(Decimal(o, j + 3), " = ", Decimal(o, 2), "*10", blank3), "", Whole(-(j + 1)));
    }
    }
}

// Group 8: dividing monomials o·x^i by m·x^2.
void DivideMonomials(TGenerateContext& context) {
    context.TaskText = ByLanguage("Doplň zlomek", "Doplň zlomok");
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    int o = 0, m = 0, q = 0, c = 0, e = 0;
    for (;;) {
        const int first = R(50);
        const int second = R(2);
        e = R(3) + 1;
        c = R(3) + e + 2;
        o = first + 2;
        m = second + 2;
        if (o % m != 0 || first == second) continue;
        q = o / m;
        if (q != o - m) break;
    }
    const int kind = R(10);
    if (kind <= 7) {
        const bool fraction = R(2) == 1;
        const int i = kind <= 2 ? 2 : kind <= 4 ? 3 : 4;
        const std::string& top = kind == 7 ? a : x;
        const std::string& bottom = kind == 7 ? b : x;
        const std::string question = fraction ? Cat("/<", o, top, Exponent(i), "><", m, bottom, "^<2>> = ")
                                              : Cat(o, top, Exponent(i), " : ", m, bottom, "^<2> = ");
        const std::string square = Cat(x, "^<2>");
        switch (kind) {
        case 0:
        case 1: return SetExercise(context, question, "", Whole(q));
        case 2: return SetExercise(context, question, square, NoNumber()); // x²/x² is 1, no square of x
        case 3:
        case 4: return SetExercise(context, question, x, Whole(q));
        case 7: return SetExercise(context, question, square, NoNumber()); // two different letters
        default: return SetExercise(context, question, square, Whole(q));
        }
    }
    SetExponentCaption(context);
    const std::string divisor = e == 1 ? Cat(m, x) : Cat(m, x, Exponent(e));
    const std::string question = Side() ? Cat(o, x, Exponent(c), " : ", divisor, " = ")
                                        : Cat("/<", o, x, Exponent(c), "><", divisor, "> = ");
    SetExercise(context, Cat(question, q, x, BlankExponent(4)), "", Whole(c - e));
}

void PowersGroup(TGenerateContext& context, int group) {
    switch (group) {
    case 0: return AddLikeTerms(context);
    case 1: return RepeatedFactors(context);
    case 2: return MultiplyPowers(context);
    case 3: return DividePowers(context);
    case 4: return LikeAndUnlikePowers(context);
    case 5: return PowerRules(context);
    case 6: return ComputePowers(context);
    case 7: return PowersOfTen(context);
    default: return DivideMonomials(context);
    }
}

} // namespace

void GeneratePowers(TGenerateContext& context) { PowersGroup(context, R(PowerGroups)); }

void GeneratePowersGroup(TGenerateContext& context, int group) { PowersGroup(context, group); }

} // namespace numerava::area6
