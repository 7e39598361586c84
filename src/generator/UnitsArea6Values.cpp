// Area 6, difficulty 2: the value of an expression for given values of its letters (kinds 0-23),
// or the value of the letter that gives the expression a given value (kinds 24-35).

#include "generator/Area6Common.h"
#include "generator/Area6Groups.h"

namespace numerava::area6 {

namespace {

// The numbers of one exercise: the common draws o, m, v, and w of kind 21.
struct TValueDraws {
    int o = 0, m = 0, v = 0, w = 0;
};

void SetOneLetterCaption(TGenerateContext& context, int v) {
    context.TaskText = Cat("Urči hodnotu výrazu pro ", context.Letter3, "=", v);
}

void SetTwoLetterCaption(TGenerateContext& context, int first, int second) {
    context.TaskText =
        Cat("Urči hodnotu výrazu pro ", context.Letter1, "=", first, ", ", context.Letter2, "=", second);
}

// The expression, the prompt "?=" after four or five spaces, the integer value.
void SetValue(TGenerateContext& context, const std::string& expression, int spaces, int value) {
    SetExercise(context, expression + ValuePrompt(spaces), "", Whole(value));
}

// Kinds 0-19, 22 and 23: one letter, whose value v the caption gives.
void OneLetter(TGenerateContext& context, int kind, TValueDraws d) {
    const std::string& x = context.Letter3;
    int& o = d.o;
    int& m = d.m;
    int& v = d.v;
    std::string expression;
    int value = 0;
    int spaces = 5;
    switch (kind) {
    case 0: expression = Cat(o, "*(", x, " - ", m, ")"), value = o * (v - m); break;
    case 1: expression = Cat(o, "*(", x, " + ", m, ")"), value = o * (v + m); break;
    case 2: expression = Cat("(", x, " - ", o, ")*(", x, " - ", m, ")"), value = (v - m) * (v - o); break;
    case 3: expression = Cat("(", x, " - ", o, ")*(", x, " + ", m, ")"), value = (v + m) * (v - o); break;
    case 4: expression = Cat("(", o, " - ", x, ")*(", x, " + ", m, ")"), value = (o - v) * (v + m); break;
    case 5: expression = Cat(x, "^<2> - ", o), value = v * v - o; break;
    case 6: expression = Cat(x, "^<2> + ", o), value = v * v + o; break;
    case 7: expression = Cat(o, x, "^<2> - ", m), value = o * v * v - m, spaces = 4; break;
    case 8: expression = Cat(o, x, "^<2> + ", m), value = o * v * v + m, spaces = 4; break;
    case 9:
        v = R(8);
        expression = Cat(x, "^<2> - ", o, x, " + ", m), value = v * v - o * v + m;
        break;
    case 10:
        v = R(8);
        expression = Cat(x, "^<2> + ", o, x, " + ", m), value = v * v + o * v + m, spaces = 4;
        break;
    case 11:
        do {
            o = R(10) + 2;
            v = R(10);
        } while (v * v % o != 0);
        expression = Cat("/<^<", x, "><2>><", o, ">"), value = v * v / o, spaces = 4;
        break;
    case 12:
        do {
            o = R(10) + 2;
            m = R(15) + 2;
            v = R(10);
        } while ((m - v) % o != 0);
        expression = Cat("/<", m, " - ", x, "><", o, ">"), value = (m - v) / o, spaces = 4;
        break;
    case 13:
        do {
            o = R(10) + 2;
            m = R(10) + 2;
            v = R(10);
        } while ((v + m) % o != 0);
        expression = Cat("/<", x, " + ", m, "><", o, ">"), value = (v + m) / o, spaces = 4;
        break;
    case 14:
        do {
            o = R(10) + 2;
            do {
                m = R(10) + 1;
                v = R(10);
            } while (m == v);
        } while (o % (v - m) != 0);
        expression = Cat("/<", o, "><", x, " - ", m, ">"), value = o / (v - m), spaces = 4;
        break;
    case 15:
        do {
            o = R(10) + 2;
            m = R(10) + 1;
            v = R(10);
        } while (o % (v + m) != 0);
        expression = Cat("/<", o, "><", x, " + ", m, ">"), value = o / (v + m), spaces = 4;
        break;
    case 16:
    case 17: {
        do {
            o = R(20) + 2;
            m = R(10) + 1;
            v = R(10) + 1;
        } while (o % v != 0);
        const std::string fraction = Cat("/<", o, "><", x, ">");
        const bool side = Side();
        if (kind == 16) {
            expression = side ? Cat(m, " - ", fraction) : Cat(fraction, " - ", m);
            value = side ? m - o / v : o / v - m;
        } else {
            expression = side ? Cat(m, " + ", fraction) : Cat(fraction, " + ", m);
            value = o / v + m;
        }
        spaces = 4;
        break;
    }
    case 18:
    case 19: {
        do {
            o = R(10) + 2;
            m = R(10) + 1;
            v = R(20) + 1;
        } while (v % o != 0);
        const std::string fraction = Cat("/<", x, "><", o, ">");
        const bool side = Side();
        if (kind == 18) {
            expression = side ? Cat(m, " + ", fraction) : Cat(fraction, " + ", m);
            value = v / o + m;
        } else {
            expression = side ? Cat(m, " - ", fraction) : Cat(fraction, " - ", m);
            value = side ? m - v / o : v / o - m;
        }
        spaces = 4;
        break;
    }
    case 22:
        o = R(3) + 2;
        m = R(20) + 1;
        v = R(6) - 3;
        expression = Cat("(", o, x, ")^<2> - ", m), value = o * o * v * v - m;
        break;
    default: // 23
        o = R(3) + 2;
        v = R(6) - 3;
        expression = Cat("-(", o, x, ")^<2>"), value = -o * o * v * v;
        break;
    }
    SetOneLetterCaption(context, v);
    SetValue(context, expression, spaces, value);
}

// Kind 20: o·a ± m·b and the like, a = m and b = v.
void TwoLetterSums(TGenerateContext& context, const TValueDraws& d) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const int o = d.o, m = d.m, v = d.v;
    SetTwoLetterCaption(context, m, v);
    switch (R(6)) {
    case 0: return SetValue(context, Cat(o, a, " + ", m, b), 5, o * m + m * v);
    case 1: return SetValue(context, Cat(o, a, " - ", m, b), 5, o * m - m * v);
    case 2: return SetValue(context, Cat(o, a, " + ", b), 5, o * m + v);
    case 3: return SetValue(context, Cat(o, a, " - ", b), 5, o * m - v);
    case 4: return SetValue(context, Cat(a, " + ", m, b), 5, m + m * v);
    default: return SetValue(context, Cat(a, " - ", m, b), 5, m - m * v);
    }
}

// Kind 21: a/o ± b/w with both quotients whole, a = m and b = v.
void TwoLetterFractions(TGenerateContext& context, TValueDraws d) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    int& o = d.o;
    int& m = d.m;
    int& v = d.v;
    int& w = d.w;
    do {
        o = R(10) + 2;
        m = R(10) + 1;
        v = R(10) + 1;
        w = R(10) + 2;
    } while (!(m % o == 0 && v % w == 0));
    SetTwoLetterCaption(context, m, v);
    const int q = m / o;
    const std::string first = Cat("/<", a, "><", o, ">");
    const std::string second = Cat("/<", b, "><", w, ">");
    switch (R(4)) {
    case 0: return SetValue(context, Cat(first, " + ", second), 5, q + v / w);
    case 1: return SetValue(context, Cat(first, " - ", second), 5, q - v / w);
    case 2: return SetValue(context, Cat(second, " + ", first), 5, q + v / w);
    default: return SetValue(context, Cat(second, " - ", first), 5, v / w - q);
    }
}

// Kinds 24-35: the pupil types the value of the letter that gives the expression the value c.
void LetterForValue(TGenerateContext& context, int kind) {
    const std::string& x = context.Letter3;
    const auto set = [&context, &x](int c, const std::string& expression, int spaces, TFixedNumber letter) {
        context.TaskText = Cat("Urči ", x, ", aby hodnota výrazu byla ", c);
        SetExercise(context, expression + LetterPrompt(spaces, x), "", letter);
    };
    switch ((kind - 24) / 2) {
    case 0: {
        const int c = R(5);
        switch (R(4)) {
        case 1: return set(c, Cat("0,01*", x), 7, Whole(100 * c));
        case 2: return set(c, Cat("0,5*", x), 7, Whole(2 * c));
        case 3: return set(c, Cat("0,2*", x), 7, Whole(5 * c));
        default: return set(c, Cat("0,1*", x), 7, Whole(10 * c));
        }
    }
    case 1: {
        const int c = R(11) + 1;
        const int m = R(10) + 2;
        if (R(2) == 0) return set(c, Cat(m * c, " : ", x), 7, Whole(m));
        return set(c, Cat("/<", m * c, "><", x, ">"), 8, Whole(m));
    }
    case 2: {
        const int c = R(11);
        const int m = R(10) + 2;
        switch (R(3)) {
        case 1: return set(c, Cat(x, " : ", m), 7, Whole(m * c));
        case 2: return set(c, Cat("/<", x, "><", m, ">"), 8, Whole(m * c));
        default: return set(c, Cat("/<1><", m, "> ", x), 8, Whole(m * c));
        }
    }
    case 3: {
        const int o = R(8) - 5;
        const int m = R(10) + 2;
        const int c = o * m;
        switch (R(3)) {
        case 1: return set(c, Cat(m, "*", x), 7, Whole(o));
        case 2: return set(c, Cat(x, "*", m), 7, Whole(o));
        default: return set(c, Cat(m, x), 7, Whole(o));
        }
    }
    case 4: {
        const int c = R(11);
        const int m = R(10) + 1;
        return set(c, Cat(x, " + ", m), 7, Whole(c - m));
    }
    default: {
        const int c = R(11);
        const int m = R(10) + 1;
        return set(c, Cat(x, " - ", m), 7, Whole(c + m));
    }
    }
}

void ValueKind(TGenerateContext& context, int kind, const TValueDraws& draws) {
    if (kind == 20) return TwoLetterSums(context, draws);
    if (kind == 21) return TwoLetterFractions(context, draws);
    if (kind >= 24) return LetterForValue(context, kind);
    OneLetter(context, kind, draws);
}

TValueDraws CommonDraws(TGenerateContext& context) {
    TValueDraws draws;
    draws.o = R(10) + 2;
    draws.m = R(10) + 1;
    draws.v = R(8) - 5;
    SetOneLetterCaption(context, draws.v);
    return draws;
}

} // namespace

void GenerateExpressionValues(TGenerateContext& context) {
    const TValueDraws draws = CommonDraws(context);
    ValueKind(context, R(ExpressionValueKinds), draws);
}

void GenerateExpressionValue(TGenerateContext& context, int kind) {
    ValueKind(context, kind, CommonDraws(context));
}

} // namespace numerava::area6
