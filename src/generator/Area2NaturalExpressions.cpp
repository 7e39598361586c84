// Area 2, operation 4 over natural numbers: fifteen kinds of expressions with round numbers up to
// 10000, with and without brackets. The closing step wraps the body as "&<" body "><  = >".

#include "generator/Area2Parts.h"

namespace numerava::area2 {

namespace {} // namespace

void NaturalExpression(TGenerateContext& context) {
    int a = 0, b = 0, c = 0, d = 0;
    switch (R(15)) {
    case 0:
        do {
            a = 50 * (R(20) + 1);
            b = R(10) + 1;
            c = 100 * (R(10) + 1);
        } while (!(a + b * c <= 10000));
        return SetBody(context, Cat(a, " + ", b, " * ", c), a + b * c);
    case 1:
        do {
            a = 100 * (R(20) + 1);
            b = R(8) + 2;
            c = 100 * (R(20) + 1);
        } while (!(Between(50, a * b, 10000) && Between(50, a + c, 1000)));
        return SetBody(context, Cat(a * b, " : ", b, " + ", c), a + c);
    case 2:
        do {
            a = 50 * R(19) + 100;
            b = R(10) + 2;
            c = 100 * (R(9) + 1);
        } while (!(a * b <= 10000 && a >= c));
        return SetBody(context, Cat(a * b, " : ", b, " - ", c), a - c);
    case 3:
        do {
            a = 100 * (R(10) + 1);
            b = R(10) + 1;
            c = 50 * (R(20) + 1);
        } while (!(Between(100, a * b, 10000) && c <= a * b));
        return SetBody(context, Cat(a, " * ", b, " - ", c), a * b - c);
    case 4:
        do {
            a = R(9) + 2;
            b = 100 * (R(10) + 1);
            c = 100 * (R(9) + 1);
        } while (!Between(100, a * b + c, 10000));
        if (R(2) == 0) return SetBody(context, Cat(a, " * ", b, " + ", c), a * b + c);
        return SetBody(context, Cat(b, " * ", a, " + ", c), a * b + c);
    case 5:
        do {
            a = 500 * (R(20) + 1);
            b = 100 * (R(20) + 1);
            c = 100 * (R(20) + 1);
        } while (!(a - b - c >= 0));
        if (R(2) == 0) return SetBody(context, Cat(a, " - ", b, " - ", c), a - b - c);
        return SetBody(context, Cat(a, " - ", c, " - ", b), a - b - c);
    case 6:
        do {
            a = 500 * (R(20) + 1);
            b = 100 * (R(20) + 1);
            c = 100 * (R(20) + 1);
        } while (!(a + b + c <= 10000));
        return SetBody(context, Cat(a, " + ", b, " + ", c), a + b + c);
    case 7:
        do {
            a = 500 * (R(20) + 1);
            b = 100 * (R(20) + 1);
            c = 100 * (R(20) + 1);
        } while (!(a + b <= 10000 && a + b - c <= 1000 && c < a + b));
        return SetBody(context, Cat(a, " + ", b, " - ", c), a + b - c);
    case 8:
        do {
            a = 100 * (R(9) + 1);
            b = 100 * (R(9) + 1);
            c = 100 * (R(9) + 1);
            d = 100 * (R(9) + 1);
        } while (!Between(100, a + b + c + d, 5000));
        return SetBody(context, Cat(a, "+", b, "+", c, "+", d), a + b + c + d);
    case 9: // a is added and taken away again; d is drawn with the others and not shown
        do {
            a = 100 * (R(9) + 1);
            b = 100 * (R(9) + 1);
            c = 100 * (R(9) + 1);
            d = 100 * (R(9) + 1);
        } while (!(b + c <= 5000));
        switch (R(4)) {
        case 0: return SetBody(context, Cat(a, "+", b, "+", c, "-", a), b + c);
        case 1: return SetBody(context, Cat(a, "-", a, "+", b, "+", c), b + c);
        case 2: return SetBody(context, Cat(a, "+", b, "-", a, "+", c), b + c);
        default: return SetBody(context, Cat(b, "+", c, "+", a, "-", a), b + c);
        }
    case 10:
        do {
            a = 50 * (R(20) + 1);
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!Between(100, a * b * c, 10000));
        switch (R(3)) {
        case 0: return SetBody(context, Cat(a, " * ", b, " * ", c), a * b * c);
        case 1: return SetBody(context, Cat(b, " * ", a, " * ", c), a * b * c);
        default: return SetBody(context, Cat(c, " * ", b, " * ", a), a * b * c);
        }
    case 11:
        do {
            a = 100 * (R(20) + 1);
            b = R(30) + 1;
            c = R(10) + 1;
        } while (!(c < b && Between(100, a * (b - c), 10000)));
        if (R(2) == 0) return SetBody(context, Cat(a, " * (", b, " - ", c, ")"), a * (b - c));
        return SetBody(context, Cat("(", b, " - ", c, ") * ", a), a * (b - c));
    case 12:
        do {
            a = R(9) + 2;
            b = 100 * (R(20) + 1);
            c = 100 * (R(20) + 1);
        } while (!Between(100, a * (b + c), 10000));
        if (R(2) == 0) return SetBody(context, Cat(a, " * (", b, " + ", c, ")"), a * (b + c));
        return SetBody(context, Cat("(", b, " + ", c, ") * ", a), a * (b + c));
    case 13:
        do {
            a = 1000 * R(9) + 2000;
            b = R(20) + 1;
            c = R(10) + 1;
        } while (!(c < b && b - c <= 10 && a % (10 * (b - c)) == 0));
        return SetBody(context, Cat(a, " : (", b, " - ", c, ")"), a / (b - c));
    default:
        do {
            a = 1000 * R(9) + 2000;
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!(c < b && b + c <= 10 && a % (10 * (b + c)) == 0));
        return SetBody(context, Cat(a, " : (", b, " + ", c, ")"), a / (b + c));
    }
}

} // namespace numerava::area2
