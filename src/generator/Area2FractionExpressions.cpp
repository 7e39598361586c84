// Area 2, operation 4 over fractions: mixed numbers that add up to whole numbers, fractions and
// decimals together, products with one half, and fractions whose numerator or denominator is a sum
// or a difference. The closing step wraps the body as "&<" body ">".

#include "generator/Area2Parts.h"

namespace numerava::area2 {

namespace {

// A proper fraction a/b with a, b 1..5 that does not reduce to a unit fraction.
bool SmallProper(int a, int b) { return a < b && b % a != 0; }

// The factor of the products with one half: 2 or 4 (e = 0), 10 (e = 1) or 100 (e = 2).
int HalfFactor(int e) {
    switch (e) {
    case 0: return 2 * R(2) + 2;
    case 1: return 10;
    default: return 100;
    }
}

// Kinds 14 to 16: a fraction with a sum or difference above or below the bar, always whole.
void FractionOfSum(TGenerateContext& context) {
    int a = 0, b = 0, c = 0;
    const int u = R(4);
    if (u <= 1) {
        const bool sum = u == 0;
        do {
            a = R(20) + 1;
            b = R(20) + 2;
            c = R(10) + 2;
        } while ((sum ? a + b : a - b) % c != 0);
        if (sum) return SetBody(context, Cat(" &</<", a, " + ", b, "><", c, ">>< = >"), (a + b) / c);
        return SetBody(context, Cat(" &</<", a, " - ", b, "><", c, ">>< = >"), (a - b) / c);
    }
    if (u == 2) {
        do {
            a = R(30) + 1;
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!(b != c && a % (b - c) == 0));
        return SetBody(context, Cat(" &</<", a, "><", b, " - ", c, ">>< = >"), a / (b - c));
    }
    do {
        a = R(30) + 1;
        b = R(10) + 1;
        c = R(10) + 1;
    } while (a % (b + c) != 0);
    SetBody(context, Cat(" &</<", a, "><", b, " + ", c, ">>< = >"), a / (b + c));
}

} // namespace

void FractionExpression(TGenerateContext& context) {
    const auto tenths = [&context](std::string body, int value) {
        SetBody(context, std::move(body), value, 1);
    };
    int a = 0, b = 0, c = 0, d = 0, w = 0, n = 0, p = 0;
    const int kind = R(17);
    switch (kind) {
    case 0: // w a/b + n (b-a)/b: the fractions make up a whole
        do {
            a = R(5) + 1;
            b = R(5) + 1;
            w = R(2) + 1;
            n = R(3);
        } while (!SmallProper(a, b));
        if (n == 0)
            return SetBody(context, Cat("&<", w, "></<", a, "><", b, ">>< + ></<", b - a, "><", b, ">>< = >"),
                           w + 1);
        return SetBody(context,
                       Cat("&<", w, "></<", a, "><", b, ">>< + ><", n, "></<", b - a, "><", b, ">>< = >"),
                       w + n + 1);
    case 1: // w a/b - n a/b: the fractions cancel
        do {
            a = R(5) + 1;
            b = R(5) + 1;
            w = R(2) + 1;
            n = R(3);
        } while (!(n <= w && SmallProper(a, b)));
        if (n != 0) {
            return SetBody(context,
                           Cat("&<", w, "></<", a, "><", b, ">>< - ><", n, "></<", a, "><", b, ">>< = >"),
                           w - n);
        }
        return SetBody(context, Cat("&<", w, "></<", a, "><", b, ">>< - ></<", a, "><", b, ">>< = >"), w);
    case 2: { // tenths as a decimal and as a fraction, the first minus the second
        do {
            a = R(9) + 1;
            d = R(9) + 1;
        } while (!(a >= d));
        context.TaskText = CaptionWriteDecimal();
        if (R(2) != 0) return tenths(Cat("&<0,", a, ">< - ></<", d, "><10>>< = >"), a - d);
        return tenths(Cat("&</<", a, "><10>>< - ><0,", d, ">< = >"), a - d);
    }
    case 3:
        a = R(9) + 1;
        d = R(9) + 1;
        context.TaskText = CaptionWriteDecimal();
        if (R(2) != 0) return tenths(Cat("&<0,", d, ">< + ></<", a, "><10>>< = >"), a + d);
        return tenths(Cat("&</<", a, "><10>>< + ><0,", d, ">< = >"), a + d);
    case 4:   // c times w and a half
        R(9); // one further draw that decides nothing
        w = R(2) + 1;
        c = HalfFactor(R(3));
        if (R(2) == 0) return tenths(Cat("&<", c, ">< * ><", w, "></<1><2>>< = >"), c * (10 * w + 5));
        return tenths(Cat("&<", w, "></<1><2>>< * ><", c, ">< = >"), c * (10 * w + 5));
    case 5: { // a decimal over 10 or 100
        a = R(6);
        b = R(9) + 1;
        const bool hundred = R(2) != 0;
        return SetBody(context, Cat("&</<", a, ",", b, "><", hundred ? 100 : 10, ">>< = >"), 10 * a + b,
                       hundred ? 3 : 2);
    }
    case 6: // a decimal over a decimal, whole
        do {
            a = R(6);
            b = R(9) + 1;
            c = R(2);
            d = R(9) + 1;
        } while ((10 * a + b) % (10 * c + d) != 0);
        return SetBody(context, Cat("&</<", a, ",", b, "><", c, ",", d, ">>< = >"),
                       (10 * a + b) / (10 * c + d));
    case 7:
        do {
            a = R(9) + 1;
            b = R(9) + 1;
        } while (!(a < b && b % a != 0));
        return SetBody(context, Cat("&</<", a, "><", b, ">>< : ></<", a, "><", b, ">>< = >"), 1);
    case 8:
    case 9:
        do {
            a = R(5) + 1;
            b = R(5) + 1;
            c = R(9) + 1;
        } while (!(a + b < c && b % a != 0));
        if (kind == 8) {
            return SetBody(context,
                           Cat("&</<", a, "><", c, ">>< + ></<", b, "><", c, ">>< + ></<", c - a - b, "><", c,
                               ">>< = >"),
                           1);
        }
        return SetBody(
            context,
            Cat("&</<", a, "><", c, ">>< + ></<", b, "><", c, ">>< - ></<", a + b, "><", c, ">>< = >"), 0);
    case 10:
    case 11: { // a whole number minus or plus c times w and a half
        const char* sign = kind == 10 ? " - &<" : " + &<";
        const int direction = kind == 10 ? -1 : 1;
        p = R(9);
        R(9); // one further draw that decides nothing
        w = R(2) + 1;
        c = R(2) == 0 ? HalfFactor(0) : 10;
        const int value = 10 * (p + 1) + direction * c * (10 * w + 5);
        if (R(2) != 0) return tenths(Cat(p + 1, sign, c, ">< * ><", w, "></<1><2>>< = >"), value);
        return tenths(Cat(p + 1, sign, w, "></<1><2>>< * ><", c, ">< = >"), value);
    }
    case 12:
    case 13: { // a whole number minus or plus c times one half
        const char* sign = kind == 12 ? " - &<" : " + &<";
        const int direction = kind == 12 ? -1 : 1;
        p = R(9);
        R(9); // one further draw that decides nothing
        c = HalfFactor(R(3));
        const int value = 10 * (p + 1) + direction * 5 * c;
        if (R(2) == 0) return tenths(Cat(p + 1, sign, c, ">< * ></<1><2>>< = >"), value);
        return tenths(Cat(p + 1, sign, "/<1><2>>< * ><", c, ">< = >"), value);
    }
    default: return FractionOfSum(context);
    }
}

} // namespace numerava::area2
