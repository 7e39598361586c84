// Area 1: whole-number arithmetic up to 20, 50, 100 and 1000. Every kind draws all its operands,
// tests its condition and draws them all again until it holds, so the distributions stay uniform
// over the accepted exercises.

#include "core/Random.h"
#include "generator/Draws.h"
#include "generator/GenerateContext.h"

#include <string>

namespace numerava {

namespace {

void SetBody(TGenerateContext& context, std::string body, int value) {
    context.Question = std::move(body);
    context.Expected = MakeNumber(0, value);
}

// Operation 1: addition or subtraction, chosen with equal chance.
void AddOrSubtract(TGenerateContext& context) {
    const bool addition = R(2) == 0;
    int a = 0, b = 0;
    switch (context.Difficulty) {
    case 1:
        if (addition) {
            do {
                a = R(20) + 1;
                b = R(20) + 1;
            } while (!Between(6, a + b, 20));
        } else {
            do {
                a = R(20) + 1;
                b = R(20) + 1;
            } while (!(b < a));
        }
        break;
    case 2:
        if (addition) {
            do {
                a = R(50) + 1;
                b = R(50) + 1;
            } while (!Between(10, a + b, 50));
        } else {
            do {
                a = R(50) + 1;
                b = R(50) + 1;
            } while (!(b < a && a - b >= 10));
        }
        break;
    case 3:
        if (addition) {
            do {
                a = R(100) + 1;
                b = R(100) + 1;
            } while (!Between(20, a + b, 100));
        } else {
            do {
                a = R(100) + 1;
                b = R(100) + 1;
            } while (!(b < a && a - b >= 20));
        }
        break;
    default:
        if (addition) {
            do {
                a = 10 * (R(99) + 1);
                b = 10 * (R(99) + 1);
            } while (!(a + b >= 100 && a + b < 1000 && (a < 100 || b < 100)));
        } else {
            do {
                a = 10 * (R(99) + 1);
                b = 10 * (R(8) + 1);
            } while (!(b < a));
        }
        break;
    }
    if (addition) SetBody(context, Cat(a, " + ", b), a + b);
    else SetBody(context, Cat(a, " - ", b), a - b);
}

// Operation 2: a product; the closing step writes it as a product item with a dot.
void Multiply(TGenerateContext& context) {
    int a = 0, b = 0;
    switch (context.Difficulty) {
    case 1:
        do {
            a = R(10) + 2;
            b = R(10) + 2;
        } while (!(a * b <= 20));
        break;
    case 2:
        do {
            a = R(20) + 2;
            b = R(20) + 2;
        } while (!Between(20, a * b, 50));
        break;
    case 3:
        do {
            a = R(20) + 2;
            b = R(20) + 2;
        } while (!Between(50, a * b, 100));
        break;
    default:
        do {
            a = R(99) + 2;
            b = R(99) + 2;
        } while (!(a * b <= 999 && (a % 10 == 0 || b % 10 == 0)));
        break;
    }
    context.A.Value = a;
    context.B.Value = b;
    context.Expected = MakeNumber(0, a * b);
}

// Operation 3: the quotient and the divisor are drawn, the dividend is their product.
void Divide(TGenerateContext& context) {
    int q = 0, b = 0;
    switch (context.Difficulty) {
    case 1:
        do {
            q = R(30) + 2;
            b = R(30) + 2;
        } while (!(q * b <= 20));
        break;
    case 2:
        do {
            q = R(30) + 2;
            b = R(30) + 2;
        } while (!Between(20, q * b, 50));
        break;
    case 3:
        do {
            q = R(50) + 2;
            b = R(50) + 2;
        } while (!Between(50, q * b, 100));
        break;
    default:
        do {
            q = 10 * (R(9) + 2);
            b = 10 * (R(9) + 2);
        } while (!(q * b <= 1000));
        break;
    }
    context.A.Value = q * b;
    context.B.Value = b;
    context.Expected = MakeNumber(0, q);
}

// Operation 4, difficulty 1: eight kinds of three-number expressions up to 20.
void ExpressionUpTo20(TGenerateContext& context) {
    int a = 0, b = 0, c = 0;
    switch (R(8)) {
    case 0:
        do {
            a = R(10) + 1;
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!(b * c <= 20 && a + b * c <= 20));
        return SetBody(context, Cat(a, " + ", b, " * ", c), a + b * c);
    case 1:
        do {
            a = R(20) + 1;
            b = R(8) + 2;
            c = R(10) + 1;
        } while (!(a * b <= 20 && a + c <= 20));
        return SetBody(context, Cat(a * b, " : ", b, " + ", c), a + c);
    case 2:
        do {
            a = R(20) + 1;
            b = R(8) + 2;
            c = R(20) + 1;
        } while (!(a * b <= 20 && a - c >= 1));
        return SetBody(context, Cat(a * b, " : ", b, " - ", c), a - c);
    case 3:
        do {
            a = R(10) + 1;
            b = R(10) + 1;
            c = R(20) + 1;
        } while (!(a * b <= 20 && a * b - c >= 1));
        return SetBody(context, Cat(a, " * ", b, " - ", c), a * b - c);
    case 4:
        do {
            a = R(10) + 1;
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!(a * b <= 20 && a * b + c <= 20));
        return SetBody(context, Cat(a, " * ", b, " + ", c), a * b + c);
    case 5:
        do {
            a = R(20) + 1;
            b = R(20) + 1;
            c = R(20) + 1;
        } while (!(a - b - c >= 1));
        return SetBody(context, Cat(a, " - ", b, " - ", c), a - b - c);
    case 6:
        do {
            a = R(20) + 1;
            b = R(20) + 1;
            c = R(20) + 1;
        } while (!(a + b + c <= 20));
        return SetBody(context, Cat(a, " + ", b, " + ", c), a + b + c);
    default:
        do {
            a = R(20) + 1;
            b = R(20) + 1;
            c = R(20) + 1;
        } while (!(a + b <= 20 && c < a + b));
        return SetBody(context, Cat(a, " + ", b, " - ", c), a + b - c);
    }
}

struct Numbers {
    int a = 0, b = 0, c = 0, d = 0;
};

// Draws the numbers of kind k of difficulty 2 (up to 50) until its condition holds.
Numbers DrawUpTo50(int kind) {
    Numbers n;
    auto& [a, b, c, d] = n;
    switch (kind) {
    case 0:
        do {
            a = R(30) + 1;
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!(Between(20, b * c, 50) && Between(20, a + b * c, 50)));
        break;
    case 1:
        do {
            a = R(50) + 1;
            b = R(8) + 2;
            c = R(20) + 1;
        } while (!(Between(20, a * b, 50) && Between(20, a + c, 50)));
        break;
    case 2:
        do {
            a = R(9) + 2;
            b = R(9) + 2;
            c = R(50) + 1;
        } while (!(a * b <= 50 && a >= c));
        break;
    case 3:
        do {
            a = R(10) + 1;
            b = R(10) + 1;
            c = R(50) + 1;
        } while (!(Between(20, a * b, 50) && c <= a * b));
        break;
    case 4:
        do {
            a = R(9) + 2;
            b = R(9) + 2;
            c = R(30) + 1;
        } while (!Between(20, a * b + c, 50));
        break;
    case 5:
        do {
            a = 10 * (R(5) + 1);
            b = R(20) + 1;
            c = 10 * (R(3) + 1);
        } while (!(a - b - c >= 1));
        break;
    case 6:
        do {
            a = 5 * (R(5) + 1);
            b = R(20) + 1;
            c = 5 * (R(5) + 1);
        } while (!(a + b + c <= 50));
        break;
    case 7:
        do {
            a = 5 * (R(8) + 1);
            b = R(20) + 1;
            c = 5 * (R(5) + 1);
        } while (!(a + b <= 50 && c < a + b));
        break;
    case 8:
        do {
            a = 5 * (R(5) + 1);
            b = R(20) + 1;
            c = 5 * (R(5) + 1);
            d = 5 * (R(5) + 1);
        } while (!Between(20, a + b + c + d, 50));
        break;
    case 9:
        do {
            a = 5 * (R(5) + 1);
            b = R(20) + 1;
            c = 5 * (R(5) + 1);
        } while (!Between(20, b + c, 50));
        break;
    case 10:
        do {
            a = R(8);
            b = R(8);
            c = R(8);
        } while (!Between(20, a * b * c, 50));
        break;
    case 11:
        do {
            a = R(9) + 2;
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!(c < b && Between(20, a * (b - c), 50)));
        break;
    case 12:
        do {
            a = R(9) + 2;
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!Between(20, a * (b + c), 50));
        break;
    case 13:
        do {
            a = R(31) + 20;
            b = R(20) + 1;
            c = R(10) + 1;
        } while (!(c < b && b - c <= 10 && a % (b - c) == 0 && a / (b - c) <= 10));
        break;
    default:
        do {
            a = R(31) + 20;
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!(b + c <= 10 && a % (b + c) == 0 && a / (b + c) <= 10));
        break;
    }
    return n;
}

// Difficulty 3 (up to 100): the same kinds with other ranges.
Numbers DrawUpTo100(int kind) {
    Numbers n;
    auto& [a, b, c, d] = n;
    switch (kind) {
    case 0:
        do {
            a = R(50) + 1;
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!(Between(50, b * c, 100) && Between(50, a + b * c, 100)));
        break;
    case 1:
        do {
            a = R(50) + 1;
            b = R(8) + 2;
            c = R(20) + 1;
        } while (!(Between(50, a * b, 100) && Between(50, a + c, 100)));
        break;
    case 2:
        do {
            a = R(10) + 2;
            b = R(10) + 2;
            c = R(50) + 1;
        } while (!(a * b <= 100 && a >= c));
        break;
    case 3:
        do {
            a = R(10) + 1;
            b = R(10) + 1;
            c = R(50) + 1;
        } while (!(Between(50, a * b, 100) && c <= a * b));
        break;
    case 4:
        do {
            a = R(9) + 2;
            b = R(9) + 2;
            c = 10 * (R(9) + 1);
        } while (!Between(50, a * b + c, 100));
        break;
    case 5:
        do {
            a = 20 * (R(5) + 1);
            b = R(20) + 1;
            c = 10 * (R(5) + 1);
        } while (!(a - b - c >= 1));
        break;
    case 6:
        do {
            a = 10 * (R(5) + 1);
            b = R(20) + 1;
            c = 10 * (R(5) + 1);
        } while (!(a + b + c <= 100));
        break;
    case 7:
        do {
            a = 10 * (R(8) + 1);
            b = R(20) + 1;
            c = 10 * (R(8) + 1);
        } while (!(a + b <= 100 && c < a + b));
        break;
    case 8:
        do {
            a = 5 * (R(10) + 1);
            b = R(20) + 1;
            c = 5 * (R(10) + 1);
            d = 5 * (R(10) + 1);
        } while (!Between(50, a + b + c + d, 100));
        break;
    case 9:
        do {
            a = 5 * (R(10) + 1);
            b = R(20) + 1;
            c = 5 * (R(10) + 1);
        } while (!Between(50, b + c, 100));
        break;
    case 10:
        do {
            a = R(11);
            b = R(11);
            c = R(11);
        } while (!Between(50, a * b * c, 100));
        break;
    case 11:
        do {
            a = R(9) + 2;
            b = R(20) + 1;
            c = R(10) + 1;
        } while (!(c < b && Between(50, a * (b - c), 100)));
        break;
    case 12:
        do {
            a = R(9) + 2;
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!Between(50, a * (b + c), 100));
        break;
    case 13:
        do {
            a = R(51) + 50;
            b = R(20) + 1;
            c = R(10) + 1;
        } while (!(c < b && b - c <= 20 && a % (b - c) == 0 && a / (b - c) <= 20));
        break;
    default:
        do {
            a = R(51) + 50;
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!(b + c <= 20 && a % (b + c) == 0 && a / (b + c) <= 20));
        break;
    }
    return n;
}

// Difficulty 4 (up to 1000): round numbers, and a few kinds with more forms.
Numbers DrawUpTo1000(int kind) {
    Numbers n;
    auto& [a, b, c, d] = n;
    switch (kind) {
    case 0:
        do {
            a = 50 * (R(20) + 1);
            b = 10 * (R(10) + 1);
            c = 10 * (R(10) + 1);
        } while (!(Between(100, b * c, 1000) && Between(100, a + b * c, 1000)));
        break;
    case 1:
        do {
            a = 50 * (R(20) + 1);
            b = R(8) + 2;
            c = R(20) + 1;
        } while (!(Between(50, a * b, 1000) && Between(50, a + c, 1000)));
        break;
    case 2:
        do {
            a = 50 * R(19) + 100;
            b = R(10) + 2;
            c = R(50) + 1;
        } while (!(a * b <= 1000 && a >= c));
        break;
    case 3:
        do {
            a = 100 * (R(10) + 1);
            b = R(10) + 1;
            c = 50 * (R(20) + 1);
        } while (!(Between(100, a * b, 1000) && c <= a * b));
        break;
    case 4:
        do {
            a = R(9) + 2;
            b = 50 * (R(20) + 1);
            c = 100 * (R(9) + 1);
        } while (!Between(100, a * b + c, 1000));
        break;
    case 5:
        do {
            a = 50 * (R(20) + 1);
            b = 10 * (R(20) + 1);
            c = 10 * (R(20) + 1);
        } while (!(a - b - c >= 0));
        break;
    case 6:
        do {
            a = 50 * (R(20) + 1);
            b = 10 * (R(20) + 1);
            c = 10 * (R(20) + 1);
        } while (!(a + b + c <= 1000));
        break;
    case 7:
        do {
            a = 50 * (R(20) + 1);
            b = 10 * (R(20) + 1);
            c = 10 * (R(20) + 1);
        } while (!(a + b <= 1000 && c < a + b));
        break;
    case 8:
        do {
            a = 100 * (R(9) + 1);
            b = 100 * (R(9) + 1);
            c = 100 * (R(9) + 1);
            d = 100 * (R(9) + 1);
        } while (!Between(100, a + b + c + d, 1000));
        break;
    // The fourth number is drawn with the others and not used.
    case 9:
        do {
            a = 100 * (R(9) + 1);
            b = 100 * (R(9) + 1);
            c = 100 * (R(9) + 1);
            d = 100 * (R(9) + 1);
        } while (!(b + c <= 1000));
        break;
    case 10:
        do {
            a = 50 * (R(20) + 1);
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!Between(100, a * b * c, 1000));
        break;
    case 11:
        do {
            a = 50 * (R(20) + 1);
            b = R(20) + 1;
            c = R(10) + 1;
        } while (!(c < b && Between(100, a * (b - c), 1000)));
        break;
    case 12:
        do {
            a = R(9) + 2;
            b = 50 * (R(20) + 1);
            c = 50 * (R(20) + 1);
        } while (!Between(100, a * (b + c), 1000));
        break;
    case 13:
        do {
            a = 100 * R(9) + 200;
            b = R(20) + 1;
            c = R(10) + 1;
        } while (!(c < b && b - c <= 20 && a % (b - c) == 0 && a / (b - c) <= 20));
        break;
    default:
        do {
            a = 100 * R(9) + 200;
            b = R(10) + 1;
            c = R(10) + 1;
        } while (!(b + c <= 20 && a % (b + c) == 0 && a / (b + c) <= 20));
        break;
    }
    return n;
}

// Writes the body of kind k for difficulties 2 to 4, drawing the form after acceptance.
void ExpressionBody(TGenerateContext& context, int kind, const Numbers& n) {
    const auto [a, b, c, d] = n;
    const bool upTo1000 = context.Difficulty == 4;
    // Difficulty 4 writes its four-term sums without blanks.
    const char* plus = upTo1000 ? "+" : " + ";
    const char* minus = upTo1000 ? "-" : " - ";
    switch (kind) {
    case 0: return SetBody(context, Cat(a, " + ", b, " * ", c), a + b * c);
    case 1: return SetBody(context, Cat(a * b, " : ", b, " + ", c), a + c);
    case 2: return SetBody(context, Cat(a * b, " : ", b, " - ", c), a - c);
    case 3: return SetBody(context, Cat(a, " * ", b, " - ", c), a * b - c);
    case 4:
        if (upTo1000 && R(2) == 1) return SetBody(context, Cat(b, " * ", a, " + ", c), a * b + c);
        return SetBody(context, Cat(a, " * ", b, " + ", c), a * b + c);
    case 5:
        if (R(2) == 0) return SetBody(context, Cat(a, " - ", b, " - ", c), a - b - c);
        return SetBody(context, Cat(a, " - ", c, " - ", b), a - b - c);
    case 6: return SetBody(context, Cat(a, " + ", b, " + ", c), a + b + c);
    case 7: return SetBody(context, Cat(a, " + ", b, " - ", c), a + b - c);
    case 8: return SetBody(context, Cat(a, plus, b, plus, c, plus, d), a + b + c + d);
    case 9:
        switch (R(4)) {
        case 0: return SetBody(context, Cat(a, plus, b, plus, c, minus, a), b + c);
        case 1: return SetBody(context, Cat(a, minus, a, plus, b, plus, c), b + c);
        case 2: return SetBody(context, Cat(a, plus, b, minus, a, plus, c), b + c);
        default: return SetBody(context, Cat(b, plus, c, plus, a, minus, a), b + c);
        }
    case 10:
        switch (upTo1000 ? R(3) : 0) {
        case 0: return SetBody(context, Cat(a, " * ", b, " * ", c), a * b * c);
        case 1: return SetBody(context, Cat(b, " * ", a, " * ", c), a * b * c);
        default: return SetBody(context, Cat(c, " * ", b, " * ", a), a * b * c);
        }
    case 11:
        if (R(2) == 0) return SetBody(context, Cat(a, " * (", b, " - ", c, ")"), a * (b - c));
        return SetBody(context, Cat("(", b, " - ", c, ") * ", a), a * (b - c));
    case 12:
        if (R(2) == 0) return SetBody(context, Cat(a, " * (", b, " + ", c, ")"), a * (b + c));
        return SetBody(context, Cat("(", b, " + ", c, ") * ", a), a * (b + c));
    case 13: return SetBody(context, Cat(a, " : (", b, " - ", c, ")"), a / (b - c));
    default: return SetBody(context, Cat(a, " : (", b, " + ", c, ")"), a / (b + c));
    }
}

void NumberExpression(TGenerateContext& context) {
    if (context.Difficulty == 1) return ExpressionUpTo20(context);
    const int kind = R(15);
    const Numbers numbers = context.Difficulty == 2   ? DrawUpTo50(kind)
                            : context.Difficulty == 3 ? DrawUpTo100(kind)
                                                      : DrawUpTo1000(kind);
    ExpressionBody(context, kind, numbers);
}

} // namespace

void GenerateArea1(TGenerateContext& context) {
    switch (context.Operation) {
    case 1: return AddOrSubtract(context);
    case 2: return Multiply(context);
    case 3: return Divide(context);
    default: return NumberExpression(context);
    }
}

} // namespace numerava
