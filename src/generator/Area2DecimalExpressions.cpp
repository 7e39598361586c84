// Area 2, operation 4 over decimals: ten kinds of expressions with tenths and halves. A decimal is
// written as its whole digits, "," and one digit; every answer is counted in tenths (Expected has one
// decimal place before the closing step normalises it).

#include "generator/Area2Parts.h"

namespace numerava::area2 {

void DecimalExpression(TGenerateContext& context) {
    const auto tenths = [&context](std::string body, int value) {
        SetBody(context, std::move(body), value, 1);
    };
    int a = 0, b = 0, c = 0, d = 0, w = 0;
    // Kinds 0 to 2 share their draws: two decimals a,b and c,d below 5 and a whole number w 1..5.
    const auto drawSum = [&] {
        a = R(5);
        b = R(9) + 1;
        c = R(5);
        d = R(9) + 1;
        w = R(5) + 1;
    };
    switch (R(10)) {
    case 0:
        drawSum();
        if (R(2) == 0)
            return tenths(Cat(a, ",", b, " + ", c, ",", d, " + ", w), 10 * a + b + 10 * c + d + 10 * w);
        return tenths(Cat(w, " + ", a, ",", b, " + ", c, ",", d), 10 * a + b + 10 * c + d + 10 * w);
    case 1:
        do drawSum();
        while (!(10 * a + b + 10 * c + d - 10 * w > 0));
        return tenths(Cat(a, ",", b, " + ", c, ",", d, " - ", w), 10 * a + b + 10 * c + d - 10 * w);
    case 2:
        do drawSum();
        while (!(10 * a + b - 10 * c - d - 10 * w > 0));
        return tenths(Cat(a, ",", b, " - ", c, ",", d, " - ", w), 10 * a + b - 10 * c - d - 10 * w);
    case 3: // ten times a decimal plus a whole number
        a = R(3);
        b = R(9) + 1;
        c = R(5) + 1;
        if (R(2) != 0) return tenths(Cat(a, ",", b, " *10 + ", c), 10 * (10 * a + b + c));
        return tenths(Cat("10 * ", a, ",", b, " + ", c), 10 * (10 * a + b + c));
    case 4: // ten times a decimal minus a smaller whole number
        do {
            a = R(3);
            b = R(9) + 1;
            c = R(10) + 1;
        } while (!(c < 10 * a + b));
        if (R(2) != 0) return tenths(Cat(a, ",", b, " *10 - ", c), 10 * (10 * a + b - c));
        return tenths(Cat("10 * ", a, ",", b, " - ", c), 10 * (10 * a + b - c));
    case 5: // a whole number minus ten times a decimal
        do {
            a = R(3);
            b = R(9) + 1;
            c = R(10) + 1;
        } while (!(10 * a + b < c));
        switch (R(4)) {
        case 0: return tenths(Cat(c, " - 10 * ", a, ",", b), 10 * (c - 10 * a - b));
        case 1: return tenths(Cat(c, " - ", a, ",", b, " * 10"), 10 * (c - 10 * a - b));
        case 2: return tenths(Cat(c, " - (10 * ", a, ",", b, ")"), 10 * (c - 10 * a - b));
        default: return tenths(Cat(c, " - (", a, ",", b, " * 10)"), 10 * (c - 10 * a - b));
        }
    case 6: { // a decimal ending in 2 or 5 times 2 and 5 in seven arrangements
        a = R(3);
        const int y = R(2) != 0 ? 2 : 5;
        const int value = 100 * a + 10 * y;
        switch (R(7)) {
        case 0: return tenths(Cat("2 * ", a, ",", y, " * 5"), value);
        case 1: return tenths(Cat("5 * ", a, ",", y, " * 2"), value);
        case 2: return tenths(Cat("5 * 2 * ", a, ",", y), value);
        case 3: return tenths(Cat(a, ",", y, " * 2 * 5"), value);
        case 4: return tenths(Cat("(2 * ", a, ",", y, ") * 5"), value);
        case 5: return tenths(Cat("(5 * ", a, ",", y, ") * 2"), value);
        default: return tenths(Cat("5 * (2 * ", a, ",", y, ")"), value);
        }
    }
    case 7: { // half an odd number plus m and a half: a whole number
        const int p = R(10);
        const int m = R(5);
        const int form = R(4);
        a = 2 * p + 1;
        const int value = 10 * (p + m + 1);
        switch (form) {
        case 0: return tenths(Cat(a, " : 2 + ", m, ",5"), value);
        case 1: return tenths(Cat(m, ",5 + ", a, " : 2"), value);
        case 2: return tenths(Cat("(", a, " : 2) + ", m, ",5"), value);
        default: return tenths(Cat(m, ",5 + (", a, " : 2)"), value);
        }
    }
    case 8: { // a tenth of a number plus m and a half
        a = R(19) + 1;
        const int m = R(5);
        const int value = a + 10 * m + 5;
        switch (R(4)) {
        case 0: return tenths(Cat(a, " : 10 + ", m, ",5"), value);
        case 1: return tenths(Cat(m, ",5 + ", a, " : 10"), value);
        case 2: return tenths(Cat("(", a, " : 10) + ", m, ",5"), value);
        default: return tenths(Cat(m, ",5 + (", a, " : 10)"), value);
        }
    }
    default: { // a tenth of a number minus m and a half
        int m = 0;
        do {
            a = R(59) + 1;
            m = R(5);
        } while (!(a - 10 * m - 5 > 0));
        if (R(2) == 0) return tenths(Cat(a, " : 10 - ", m, ",5"), a - 10 * m - 5);
        return tenths(Cat("(", a, " : 10) - ", m, ",5"), a - 10 * m - 5);
    }
    }
}

} // namespace numerava::area2
