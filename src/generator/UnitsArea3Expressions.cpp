// Area 3, difficulty 2: integer expressions without brackets, with fractions, the product dot and
// the division colon. Some kinds divide by zero on purpose and expect "N". Conditions are tested
// in the written order: a divisibility test comes after the test that keeps its divisor non-zero.

#include "generator/UnitsArea3.h"

#include "core/Format.h"

namespace numerava::area3 {

namespace {

void Level1(TGenerateContext& context, int kind) {
    // The numbers most kinds share; the kinds with fractions draw their own.
    const int a = R(21), b = R(11), c = 10 * R(11), d = 10 * R(11);
    int p = 0, q = 0, e = 0;
    switch (kind) {
    case 0: return SetAnswer(context, Cat(-a, " + ", b, "*", c), b * c - a);
    case 1: return SetAnswer(context, Cat(-a, " + ", b, " - ", c), b - a - c);
    case 2: return SetAnswer(context, Cat(a, "*", b, " + ", c), a * b + c);
    case 3: return SetAnswer(context, Cat(a, "*", b, " - ", c), a * b - c);
    case 4:
        do {
            p = R(50) + 1;
            q = R(50) + 1;
            e = R(10) + 2;
        } while ((p - q) % e != 0);
        return SetAnswer(context, Cat("/<", p, " - ", q, "><", e, ">"), (p - q) / e);
    case 5: {
        p = R(49) + 2;
        const int r = R(100 / p) + 1;
        return SetAnswer(context, Cat("/<", p * r, "><", p, ">"), r);
    }
    case 6:
        do {
            p = R(50) + 1;
            q = R(50) + 1;
            e = R(10) + 2;
        } while ((p + q) % e != 0);
        return SetAnswer(context, Cat("/<", p, " + ", q, "><", e, ">"), (p + q) / e);
    case 7: return SetAnswer(context, Cat(a, " + ", b, " + ", c, " + ", d), a + b + c + d);
    default: { // the denominator p - p is zero
        p = R(15) + 1;
        const int r = R(50 / p) + 1;
        return SetNoValue(context, Cat("/<", p * r, "><", p, " - ", p, ">"));
    }
    }
}

// "&<" left "><" sign "><" right ">": two terms side by side.
std::string Row(const std::string& left, const char* sign, const std::string& right) {
    return "&<" + left + "><" + sign + "><" + right + ">";
}

std::string Fraction(int numerator, int denominator) { return Cat("/<", numerator, "><", denominator, ">"); }

void Level2(TGenerateContext& context, int kind) {
    const int a = R(11), b = R(11), c = R(11), d = R(11);
    int p = 0, q = 0, r = 0, s = 0, e = 0;
    // Kinds 8 to 11: p/q with q dividing p, and a number added or taken away.
    const auto drawQuotient = [&] {
        do {
            p = R(31);
            q = R(11) + 1;
        } while (p % q != 0);
        return R(11);
    };
    switch (kind) {
    case 0: return SetAnswer(context, Cat(-a, " + ", b, " + ", c, " - ", d), b - a + c - d);
    case 1: return SetAnswer(context, Cat(a, " - ", b, " + ", c, " + ", d), a - b + c + d);
    case 2: return SetAnswer(context, Cat(a, " + ", b, " - ", c, " - ", d), a + b - c - d);
    case 3: return SetAnswer(context, Cat(a, " - ", b, "*", c), a - b * c);
    case 4: return SetAnswer(context, Cat(a, " - ", b, " + ", c), a - b + c);
    case 5: return SetAnswer(context, Cat(a, " - ", b, " - ", c), a - b - c);
    case 6:
        do {
            p = R(31);
            q = R(11) + 1;
            r = R(31);
            s = R(11) + 1;
        } while (!(p % q == 0 && r % s == 0));
        if (R(2) != 0) return SetAnswer(context, Row(Fraction(p, q), " - ", Fraction(r, s)), p / q - r / s);
        return SetAnswer(context, Row(Fraction(p, q), " + ", Fraction(r, s)), p / q + r / s);
    case 7: // at least one denominator is zero
        do {
            p = R(21);
            q = R(11);
            r = R(21) + 1;
            s = R(11);
        } while (!(q == 0 || s == 0));
        ++p;
        return SetNoValue(context, Row(Fraction(p, q), R(2) != 0 ? " - " : " + ", Fraction(r, s)));
    case 8: {
        const int n = drawQuotient();
        if (R(2) != 0) return SetAnswer(context, Row(std::to_string(n), " + ", Fraction(p, q)), n + p / q);
        return SetAnswer(context, Row(Fraction(p, q), " + ", std::to_string(n)), p / q + n);
    }
    case 9: {
        const int n = drawQuotient();
        if (R(2) != 0) return SetAnswer(context, Row(std::to_string(n), " - ", Fraction(p, q)), n - p / q);
        return SetAnswer(context, Row(Fraction(p, q), " - ", std::to_string(n)), p / q - n);
    }
    case 10: {
        const int n = drawQuotient();
        if (R(2) != 0) return SetAnswer(context, Cat(n, " - ", p, " : ", q), n - p / q);
        return SetAnswer(context, Cat(p, " : ", q, " - ", n), p / q - n);
    }
    case 11: {
        const int n = drawQuotient();
        if (R(2) != 0) return SetAnswer(context, Cat(n, " + ", p, " : ", q), n + p / q);
        return SetAnswer(context, Cat(p, " : ", q, " + ", n), p / q + n);
    }
    default:
        do {
            p = R(50) + 1;
            q = R(15) + 1;
            e = R(10) + 2;
        } while (p % (q + e) != 0);
        return SetAnswer(context, Cat("/<", p, "><", q, " + ", e, ">"), p / (q + e));
    }
}

void Level3(TGenerateContext& context, int kind) {
    int p = 0, q = 0, r = 0, s = 0, e = 0;
    // Kinds 2 to 5: p/q with q dividing p, then a product of two numbers.
    const auto drawQuotientAndProduct = [&](int& left, int& right) {
        do {
            p = R(21);
            q = R(11) + 1;
        } while (p % q != 0);
        left = R(11);
        right = R(11);
    };
    // Kinds 6 to 9: the difference or sum of p, q over a sum or difference of c, d.
    const auto drawOverSumOrDifference = [&](int& c, int& d, bool numeratorSum, bool denominatorSum) {
        do {
            p = R(15);
            q = R(15);
            c = R(10);
            d = R(10);
        } while (!Divides(denominatorSum ? c + d : c - d, numeratorSum ? p + q : p - q));
    };
    int c = 0, d = 0;
    switch (kind) {
    case 0:
        do {
            p = R(100) + 1;
            q = R(15) + 1;
            e = R(10) + 2;
        } while (!(q != e && p % (q - e) == 0));
        return SetAnswer(context, Cat("/<", p, "><", q, " - ", e, ">"), p / (q - e));
    case 1:
        do {
            p = R(20) + 1;
            q = R(11) + 1;
            r = R(20) + 1;
            s = R(11) + 1;
        } while (!(p % q == 0 && r % s == 0));
        return SetAnswer(context, Row(Fraction(-p, q), " + ", Fraction(r, s)), -p / q + r / s);
    case 2:
        drawQuotientAndProduct(c, d);
        return SetAnswer(context, Cat("&<", Fraction(p, q), ">< - ", c, "*", d, ">"), p / q - c * d);
    case 3:
        drawQuotientAndProduct(c, d);
        return SetAnswer(context, Cat("&<", Fraction(p, q), ">< + ", c, "*", d, ">"), p / q + c * d);
    case 4:
        drawQuotientAndProduct(c, d);
        return SetAnswer(context, Cat("&<", c, "*", d, " + ><", Fraction(p, q), ">"), c * d + p / q);
    case 5:
        drawQuotientAndProduct(c, d);
        return SetAnswer(context, Cat("&<", c, "*", d, " - ><", Fraction(p, q), ">"), c * d - p / q);
    case 6:
        drawOverSumOrDifference(c, d, false, true);
        return SetAnswer(context, Cat("/<", p, " - ", q, "><", c, " + ", d, ">"), (p - q) / (c + d));
    case 7:
        drawOverSumOrDifference(c, d, true, true);
        return SetAnswer(context, Cat("/<", p, " + ", q, "><", c, " + ", d, ">"), (p + q) / (c + d));
    case 8:
        drawOverSumOrDifference(c, d, true, false);
        return SetAnswer(context, Cat("/<", p, " + ", q, "><", c, " - ", d, ">"), (p + q) / (c - d));
    case 9:
        drawOverSumOrDifference(c, d, false, false);
        return SetAnswer(context, Cat("/<", p, " - ", q, "><", c, " - ", d, ">"), (p - q) / (c - d));
    case 10: // (p/q) : (r/s), every quotient whole
        do {
            p = R(15) + 1;
            q = R(11) + 1;
            r = R(15) + 1;
            s = R(11) + 1;
        } while (!(p % q == 0 && r % s == 0 && (p / q) % (r / s) == 0));
        return SetAnswer(context, Row(Fraction(p, q), " : ", Fraction(r, s)), (p / q) / (r / s));
    case 11: // the denominator is q/10, written with one decimal
        do {
            p = R(20) + 1;
            q = R(9) + 1;
        } while (10 * p % q != 0);
        return SetAnswer(context, Cat("/<", p, "><", Fixed(q, 1), ">"), 10 * p / q);
    default: // at least one denominator is zero
        do {
            p = R(20);
            q = R(11);
            r = R(20) + 1;
            s = R(11);
        } while (!(q == 0 || s == 0));
        return SetNoValue(context, Row(Fraction(p + 1, q), " + ", Fraction(r, s)));
    }
}

// The numerator (kinds 0-5) or the denominator (kinds 6-11) of a level-4 kind: sums and
// differences of products of p, q, r, s, in the order of the patterns.
int Level4Term(int kind, int p, int q, int r, int s) {
    switch (kind) {
    case 0:
    case 6: return p * q + r * s;
    case 1:
    case 7: return p * q - r * s;
    case 2:
    case 8: return p + q * r + s;
    case 3:
    case 11: return p + q * r - s;
    case 4:
    case 9: return p - q * r + s;
    default: return p - q * r - s; // kinds 5 and 10
    }
}

void Level4(TGenerateContext& context, int kind) {
    static constexpr const char* patterns[12] = {
        "/<%d*%d + %d*%d><%d>",   "/<%d*%d - %d*%d><%d>",   "/<%d + %d*%d + %d><%d>",
        "/<%d + %d*%d - %d><%d>", "/<%d - %d*%d + %d><%d>", "/<%d - %d*%d - %d><%d>",
        "/<%d><%d*%d + %d*%d>",   "/<%d><%d*%d - %d*%d>",   "/<%d><%d + %d*%d + %d>",
        "/<%d><%d - %d*%d + %d>", "/<%d><%d - %d*%d - %d>", "/<%d><%d + %d*%d - %d>",
    };
    const char* pattern = patterns[kind];
    int p = 0, q = 0, r = 0, s = 0;
    if (kind < 6) { // the expression over e, which divides it
        int e = 0, numerator = 0;
        do {
            p = R(11);
            q = R(11);
            r = R(11);
            s = R(11);
            e = R(10) + 1;
            numerator = Level4Term(kind, p, q, r, s);
        } while (numerator % e != 0);
        return SetAnswer(context, Format(pattern, {p, q, r, s, e}), numerator / e);
    }
    int n = 0, denominator = 0; // n over the expression, which is not zero and divides n
    do {
        p = R(5);
        q = R(5);
        r = R(5);
        s = R(5);
        n = R(50);
        denominator = Level4Term(kind, p, q, r, s);
    } while (!(denominator != 0 && n % denominator == 0));
    SetAnswer(context, Format(pattern, {n, p, q, r, s}), n / denominator);
}

} // namespace

void ExpressionsWithoutBrackets(TGenerateContext& context, int level, int kind) {
    switch (level) {
    case 1: return Level1(context, kind);
    case 2: return Level2(context, kind);
    case 3: return Level3(context, kind);
    default: return Level4(context, kind);
    }
}

} // namespace numerava::area3
