// Area 3, difficulty 1: powers, roots and powers of ten at four levels. Every kind draws its
// numbers, tests its condition (parts in the written order, so that a later part may divide by
// what an earlier one keeps non-zero) and draws all of them again until it holds.

#include "generator/UnitsArea3.h"

#include "core/Format.h"

namespace numerava::area3 {

namespace {

void Level1(TGenerateContext& context, int kind) {
    switch (kind) {
    case 0: {
        const int a = R(6) + 10;
        return SetAnswer(context, Cat("^<", a, "><2>"), a * a);
    }
    case 1: {
        const int a = R(6) + 10;
        return SetAnswer(context, Cat("#<", a * a, ">< >"), a);
    }
    case 2: {
        const int a = 10 * (R(10) + 1);
        return SetAnswer(context, Cat("^<", a, "><2>"), a * a);
    }
    case 3: { // the square root of a negative number
        const int a = R(10) + 5;
        return SetNoValue(context, Cat("#<", -a * a, ">< >"));
    }
    case 4: {
        const int a = R(9) + 1;
        const int e = R(4) + 1;
        return SetAnswer(context, Cat(a, "*10^<", e, ">"), a * PowerOfTen(e));
    }
    default: {
        const int e = R(6) + 1;
        return SetAnswer(context, Cat("10^<", e, ">"), PowerOfTen(e));
    }
    }
}

void Level2(TGenerateContext& context, int kind) {
    switch (kind) {
    case 0: { // the root of n - (a + n), a negative number
        const int q = R(9);
        const int a = (q + 1) * (q + 1);
        const int n = R(a);
        return SetNoValue(context, Cat("#<", n, " - ", a + n, ">< >"));
    }
    case 1: {
        const int a = 10 * (R(10) + 1);
        return SetAnswer(context, Cat("^<", a, "><2>"), a * a);
    }
    case 2: { // (a/10)^2 = a^2/100
        const int a = R(15) + 1;
        return SetAnswer(context, Cat("^<", Fixed(a, 1), "><2>"), a * a, 2);
    }
    case 3: { // the root of a^2/100 is a/10
        const int a = R(15) + 1;
        return SetAnswer(context, Cat("#<", Fixed(a * a, 2), ">< >"), a, 1);
    }
    case 4: { // a negative base in brackets: the square is positive
        const int a = R(10);
        return SetAnswer(context, Cat("^<(", -(a + 1), ")><2>"), (a + 1) * (a + 1));
    }
    case 5: { // no brackets: the minus sign stands before the square
        const int a = R(10) + 5;
        return SetAnswer(context, Cat("^<", -a, "><2>"), -(a * a));
    }
    case 6: {
        const int a = R(6) + 1;
        return SetAnswer(context, Cat("^<", a, "><3>"), a * a * a);
    }
    default: {
        int a = 0;
        do { a = R(89) + 11; } while (a % 10 == 0);
        const int e = R(4) + 1;
        context.TaskText = "Vypočítej";
        return SetAnswer(context, Cat(Fixed(a, 1), "*10^<", e, ">"), a * PowerOfTen(e), 1);
    }
    }
}

void Level3(TGenerateContext& context, int kind) {
    int a = 0, b = 0;
    switch (kind) {
    case 0: a = R(4) + 2; return SetAnswer(context, Cat("^<(", -a, ")><3>"), -(a * a * a));
    case 1: a = 10 * R(9) + 15; return SetAnswer(context, Cat("^<", a, "><2>"), a * a);
    case 2: a = R(5) + 2; return SetAnswer(context, Cat("#<", a * a * a, "><3>"), a);
    case 3: // an odd root of a negative number is negative
        a = R(4) + 2;
        return SetAnswer(context, Cat("#<(", -(a * a * a), ")><3>"), -a);
    case 4: a = 10 * R(10) + 5; return SetAnswer(context, Cat("#<", a * a, ">< >"), a);
    case 5:
        do {
            a = R(10) + 2;
            b = R(10) + 2;
        } while (!(a * a + b * b <= 199));
        return SetAnswer(context, Cat("&<^<", a, "><2>><^< + ", b, "><2>>"), a * a + b * b);
    case 6:
        do {
            a = R(10) + 2;
            b = R(10) + 2;
        } while (!(b < a));
        return SetAnswer(context, Cat("&<^<", a, "><2>><^< - ", b, "><2>>"), a * a - b * b);
    case 7:
        a = R(12) + 2;
        b = R(a * a - 1) + 2;
        return SetAnswer(context, Cat("#<", b, " + ", a * a - b, ">< >"), a);
    case 8: {
        // The radicand a^2 + n stays within 100, so a is drawn again while a^2 alone exceeds it
        // (a = 11 would leave no n at all).
        do { a = R(10) + 2; } while (a * a > 100);
        const int n = R(101 - a * a);
        return SetAnswer(context, Cat("#<", a * a + n, " - ", n, ">< >"), a);
    }
    case 9:
        a = R(10) + 2;
        b = R(10) + 2;
        return SetAnswer(context, Cat("&<#<", a * a, ">< >>< + ><#<", b * b, ">< >>"), a + b);
    case 10:
        a = R(10) + 2;
        b = R(10) + 2;
        return SetAnswer(context, Cat("&<#<", a * a, ">< >>< - ><#<", b * b, ">< >>"), a - b);
    case 11:
        a = R(6) + 2;
        b = R(15 / a) + 1;
        return SetAnswer(context, Cat("/<#<", a * b * a * b, ">< >><", a, ">"), b);
    case 12: {
        int r = 0;
        do {
            r = R(15) + 1;
            a = R(14) + 2;
        } while (!(r * r * a <= 100));
        return SetAnswer(context, Cat("#</<", r * r * a, "><", a, ">>< >"), r);
    }
    case 13: // with a = 15, b is always 0
        a = R(15) + 1;
        b = R(15 - a);
        return SetAnswer(context, Cat("^<(", a, " + ", b, ")><2>"), (a + b) * (a + b));
    case 14:
        a = R(15);
        b = R(11);
        return SetAnswer(context, Cat("^<(", a, " - ", b, ")><2>"), (a - b) * (a - b));
    case 15:
        a = R(15);
        b = R(15);
        return SetAnswer(context, Cat("^<(", -a, " + ", b, ")><2>"), (b - a) * (b - a));
    case 16:
        a = R(15) + 1;
        if (R(2) == 0) return SetAnswer(context, Cat("#<^<(-", a, ")><2>>"), a);
        return SetAnswer(context, Cat("#<^<", a, "><2>>"), a);
    case 17: // the square of the root of a negative number
        a = R(15) + 1;
        return SetNoValue(context, Cat("^<#<-", a, ">><2>"));
    case 18:
        do {
            a = R(15) + 1;
            b = R(15) + 2;
        } while (a % b != 0);
        return SetAnswer(context, Cat("/<#<", a * a, ">><", b, ">"), a / b);
    case 19:
        do {
            a = R(10) + 1;
            b = R(10) + 2;
        } while (a * a % b != 0);
        return SetAnswer(context, Cat("/<^<", a, "><2>><", b, ">"), a * a / b);
    default: do { a = R(899) + 101;
        } while (a % 10 == 0);
        b = R(4) + 1;
        return SetAnswer(context, Cat(Fixed(a, 2), "*10^<", b, ">"), a * PowerOfTen(b), 2);
    }
}

// Kinds 1 and 2: the root of a*b + c (or a*b - c) where the radicand is r^2; b is drawn until
// it divides r^2 - c (or r^2 + c), and a is the quotient.
void RootOfProduct(TGenerateContext& context, bool plus) {
    const int r = R(14) + 2;
    const int c = R(r * r / 10) + 1; // r = 2 or 3: R(0), so c = 1
    const int rest = plus ? r * r - c : r * r + c;
    int b = 0;
    do { b = R(10) + 1; } while (rest % b != 0);
    const char* pattern = plus ? "#<*<%d><%d + %d>>< >" : "#<*<%d><%d - %d>>< >";
    SetAnswer(context, Format(pattern, {rest / b, b, c}), r);
}

void Level4(TGenerateContext& context, int kind) {
    int a = 0, b = 0, c = 0, e = 0;
    switch (kind) {
    case 0: // (a/b)^2 with a whole quotient of at most 10
        do {
            a = R(101);
            b = R(9) + 2;
        } while (!(a % b == 0 && a / b <= 10));
        return SetAnswer(context, Format("^<;</<%d><%d>>><2>", {a, b}), (a / b) * (a / b));
    case 1: return RootOfProduct(context, true);
    case 2: return RootOfProduct(context, false);
    case 3:
        a = R(10) + 1;
        b = R(15) + 1;
        return SetAnswer(context, Format("*<%d><#<%d>< >>", {a, b * b}), a * b);
    case 4:
        a = R(10) + 1;
        b = R(10) + 1;
        return SetAnswer(context, Format("*<#<%d>< >><#<%d>< >>", {a * a, b * b}), a * b);
    case 5:
        a = R(10) + 1;
        b = R(10) + 1;
        return SetAnswer(context, Cat("&<^<", a, "><2> + ><#<", b * b, ">>"), a * a + b);
    case 6:
        a = R(10) + 1;
        b = R(10) + 1;
        return SetAnswer(context, Cat("&<^<", a, "><2> - ><#<", b * b, ">>"), a * a - b);
    case 7:
        do {
            a = R(100);
            b = R(8) + 1;
            c = R(8) + 1;
        } while (a - b * b != c * c);
        return SetAnswer(context, Cat("#<", a, " - ^<", b, "><2>>"), c);
    case 8:
        do {
            a = R(100);
            b = R(8) + 1;
            c = R(15) + 1;
        } while (a + b * b != c * c);
        return SetAnswer(context, Cat("#<", a, " + ^<", b, "><2>>"), c);
    case 9:
        do {
            a = R(26);
            b = R(5);
        } while (!(a - b * b >= 1));
        return SetAnswer(context, Cat("^<(", a, " - ^<", b, "><2>)><2>"), (a - b * b) * (a - b * b));
    case 10:
        do {
            a = R(5);
            b = R(26);
        } while (!(a * a - b >= 1));
        return SetAnswer(context, Cat("^<(^<", a, "><2> - ", b, ")><2>"), (a * a - b) * (a * a - b));
    case 11:
        do {
            a = R(5) + 1;
            b = R(25) + 2;
        } while (a * a % b != 0);
        c = R(10) + 2;
        if (R(2) != 0) return SetAnswer(context, Cat(c, " + /<^<", a, "><2>><", b, ">"), a * a / b + c);
        return SetAnswer(context, Cat("/<^<", a, "><2>><", b, "> + ", c), a * a / b + c);
    case 12:
        do {
            a = R(10) + 1;
            b = R(15) + 2;
        } while (a % b != 0);
        c = R(10) + 2;
        if (R(2) != 0) return SetAnswer(context, Cat(c, " + /<#<", a * a, ">><", b, ">"), a / b + c);
        return SetAnswer(context, Cat("/<#<", a * a, ">><", b, "> + ", c), a / b + c);
    case 13:
        do {
            a = R(9) + 1;
            e = R(4) + 1;
            c = R(9) + 1;
        } while (!(a - c >= 1));
        return SetAnswer(context, Cat(a, "*10^<", e, "> - ", c, "*10^<", e, ">"), (a - c) * PowerOfTen(e));
    case 14:
        do {
            a = R(9) + 1;
            e = R(4) + 1;
            c = R(9) + 1;
        } while (!(a + c <= 9));
        return SetAnswer(context, Cat(a, "*10^<", e, "> + ", c, "*10^<", e, ">"), (a + c) * PowerOfTen(e));
    case 15: // only Pythagorean triples within 1..15 pass
        do {
            a = R(15) + 1;
            b = R(15) + 1;
            c = R(15) + 1;
        } while (a * a + b * b != c * c);
        return SetAnswer(context, Cat("#<^<", a, "><2> + ^<", b, "><2>>"), c);
    default:
        do {
            a = R(15) + 1;
            b = R(15) + 1;
            c = R(15) + 1;
        } while (a * a - b * b != c * c);
        return SetAnswer(context, Cat("#<^<", a, "><2> - ^<", b, "><2>>"), c);
    }
}

} // namespace

void PowersAndRoots(TGenerateContext& context, int level, int kind) {
    switch (level) {
    case 1: return Level1(context, kind);
    case 2: return Level2(context, kind);
    case 3: return Level3(context, kind);
    default: return Level4(context, kind);
    }
}

} // namespace numerava::area3
