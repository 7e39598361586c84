// Area 2, operation 4 over integers: nine kinds of expressions whose results are mostly negative by
// construction. A minus sign of the result is never written into the body.

#include "generator/Area2Parts.h"

namespace numerava::area2 {

void IntegerExpression(TGenerateContext& context) {
    int a = 0, b = 0, c = 0, d = 0;
    const auto whole = [&context](std::string body, int value) { SetBody(context, std::move(body), value); };
    const auto tenths = [&context](std::string body, int value) {
        SetBody(context, std::move(body), value, 1);
    };
    const auto draw12 = [&] {
        a = R(12) + 1;
        b = R(12) + 1;
        c = R(12) + 1;
    };
    switch (R(9)) {
    case 0:
        do draw12();
        while (!(b + c > a));
        switch (R(3)) {
        case 0: return whole(Cat(a, " - ", b, " - ", c), a - b - c);
        case 1: return whole(Cat(a, " - (", b, " + ", c, ")"), a - b - c);
        default: return whole(Cat("(", a, " - ", b, ") - ", c), a - b - c);
        }
    case 1:
        do draw12();
        while (!(a < b));
        switch (R(3)) {
        case 0: return whole(Cat(a, " - ", b, " + ", c), a - b + c);
        case 1: return whole(Cat(a, " - (", b, " - ", c, ")"), a - b + c);
        default: return whole(Cat("(", a, " - ", b, ") + ", c), a - b + c);
        }
    case 2:
        do {
            a = R(12) + 1;
            b = R(12) + 1;
        } while (!(a < b));
        if (R(2) != 0) return whole(Cat("- (", a, " + ", b, ")"), -(a + b));
        return whole(Cat("- (", a, " - ", b, ")"), b - a);
    case 3:
        do {
            a = R(10) + 1;
            b = R(10) + 1;
            c = R(5) + 2;
        } while (!(a < b));
        if (R(2) != 0) return whole(Cat(c, " * ", a, " - ", c, " * ", b), c * (a - b));
        return whole(Cat(c, " * (", a, " - ", b, ")"), c * (a - b));
    case 4:
        do {
            a = R(10) + 1;
            b = R(30) + 1;
            c = R(6) + 2;
        } while (!(b % c == 0 && a < b / c));
        if (R(2) != 0) return whole(Cat(a, " - (", b, " : ", c, ")"), a - b / c);
        return whole(Cat(a, " - ", b, " : ", c), a - b / c);
    case 5: // two decimals, the second larger by more than one
        do {
            a = R(6) + 1;
            b = R(10);
            c = R(5);
            d = R(9) + 1;
        } while (!((10 * a + b) - (10 * c + d) <= -11));
        if (b != 0) return tenths(Cat(a, ",", b, " - ", c, ",", d), 10 * a + b - 10 * c - d);
        return tenths(Cat(a, " - ", c, ",", d), 10 * a + b - 10 * c - d);
    case 6:
        do {
            a = R(20) + 1;
            b = R(8) + 1;
            c = R(8) + 1;
        } while (!(a < b * c));
        if (R(2) != 0) return whole(Cat(a, " - (", b, " * ", c, ")"), a - b * c);
        return whole(Cat(a, " - ", b, " * ", c), a - b * c);
    case 7: { // a negative two-digit number divided by ten; a and b are its digits
        a = R(3) + 1;
        b = R(9) + 1;
        const int value = -(10 * a + b);
        switch (R(3)) {
        case 0: return tenths(Cat("-", a, b, " : ", 10), value);
        case 1: return tenths(Cat("(-", a, b, ") : ", 10), value);
        default: return tenths(Cat(a, b, " : (-", 10, ")"), value);
        }
    }
    default: { // a negative decimal times 10, 100 or 1000
        static constexpr int powers[] = {10, 100, 1000};
        a = R(3);
        b = R(9) + 1;
        c = powers[R(3)];
        const int value = -c * (10 * a + b);
        switch (R(5)) {
        case 0: return tenths(Cat("-", a, ",", b, " * ", c), value);
        case 1: return tenths(Cat("(-", a, ",", b, ") * ", c), value);
        case 2: return tenths(Cat(a, ",", b, " * (-", c, ")"), value);
        case 3: return tenths(Cat(c, " * (-", a, ",", b, ")"), value);
        default: return tenths(Cat("-", c, " * ", a, ",", b), value);
        }
    }
    }
}

} // namespace numerava::area2
