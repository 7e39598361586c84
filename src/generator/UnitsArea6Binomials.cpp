// Area 6, difficulty 7: the binomial formulas — the square of a sum or a difference and the
// product of a sum and a difference — as fill-in exercises. Question stops where the pupil's
// number belongs, Suffix holds the rest of the equation; "N" where no number makes the two sides
// equal. Kinds 20 and 21 ask for an exponent: the blank stands inside the formula and Question
// ends with a "?=" prompt.

#include "generator/Area6Common.h"
#include "generator/Area6RightColumn.h"

namespace numerava::area6 {

namespace {

// Two different numbers 1..range1 and 1..range2 (a and b redrawn together until they differ).
struct TPair {
    int o = 0, m = 0;
};

TPair DistinctPair(int range1, int range2) {
    int a = 0, b = 0;
    do {
        a = R(range1);
        b = R(range2);
    } while (a == b);
    return {a + 1, b + 1};
}

// Kind 10: (x + o)² = x² + ?x + c where the constant or its sign is wrong, so nothing fills the blank.
void WrongConstant(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const auto [o, m] = DistinctPair(8, 8);
    std::string suffix;
    switch (R(6)) {
    case 0: suffix = Cat(x, "+", o * m); break;
    case 1: suffix = Cat(x, "+", m * m); break;
    case 2: suffix = Cat(x, "-", o * m); break;
    case 3: suffix = Cat(x, "-", o); break;
    case 4: suffix = Cat(x, "-", m * m); break;
    default: suffix = Cat(x, "-", o * o); break;
    }
    SetExercise(context, Cat("(", x, " + ", o, ")^<2> = ", x, "^<2>+"), suffix, NoNumber());
}

// Kind 12: the middle term of (x ± o)² written as o·x or as 2m·x, so the constant cannot mend it.
void WrongMiddleTerm(TGenerateContext& context) {
    const std::string& x = context.Letter3;
    const auto [o, m] = DistinctPair(10, 10);
    std::string question;
    switch (R(4)) {
    case 0: question = Cat("(", x, " + ", o, ")^<2> = ", x, "^<2> + ", o, x, " + "); break;
    case 1: question = Cat("(", x, " - ", o, ")^<2> = ", x, "^<2> - ", o, x, " + "); break;
    case 2: question = Cat("(", x, " + ", o, ")^<2> = ", x, "^<2> + ", 2 * m, x, " + "); break;
    default: question = Cat("(", x, " - ", o, ")^<2> = ", x, "^<2> - ", 2 * m, x, " + "); break;
    }
    SetExercise(context, question, "", NoNumber());
}

// Kind 18: (a ± o)(b ∓ o) is no difference of squares, whatever is subtracted.
void TwoLettersNoFormula(TGenerateContext& context, int o) {
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    std::string question;
    const int form = R(6);
    const char* first = form % 2 == 0 ? "+" : "-";
    const char* second = form % 2 == 0 ? "-" : "+";
    const std::string product = Cat("(", a, first, o, ")*(", b, second, o, ") = ");
    if (form < 2) question = Cat(product, a, "^<2>", b, "^<2> - ");
    else if (form < 4) question = Cat(product, "(", a, b, ")^<2> - ");
    else question = Cat(product, a, b, " - ");
    SetExercise(context, question, "", NoNumber());
}

// Kind 20: the exponent 2 of x² in a binomial formula.
void MissingExponent(TGenerateContext& context) {
    SetExponentCaption(context);
    const std::string& x = context.Letter3;
    const int o = R(9) + 1;
    const int s = o * o;
    const int t = 2 * o;
    const std::string prompt = ValuePrompt(3);
    std::string question;
    switch (R(4)) {
    case 0: question = Cat("(", x, "+", o, ")^<2>=", x, "^<", Blank, ">+", t, x, "+", s, prompt); break;
    case 1: question = Cat("(", x, "-", o, ")^<2>=", x, "^<", Blank, ">-", t, x, "+", s, prompt); break;
    case 2: question = Cat(x, "^<", Blank, ">- ", s, " = (", x, "+", o, ")*(", x, "-", o, ")", prompt); break;
    default:
        question = Cat(x, "^<", Blank, ">- ", s, " = (", x, "-", o, ")*(", x, "+", o, ")", prompt);
        break;
    }
    SetExercise(context, question, "", Whole(2));
}

// Kind 21: as kind 20 with one term wrong, so no exponent makes the two sides equal.
void WrongTermBesideExponent(TGenerateContext& context) {
    SetExponentCaption(context);
    const std::string& x = context.Letter3;
    const auto [o, m] = DistinctPair(9, 9);
    const int s = o * o;
    const int t = 2 * o;
    const int u = 2 * m;
    const std::string prompt = ValuePrompt(3);
    // Forms 0-11: (x S o)² = x^? S2 c·x S3 d.
    struct TSquareForm {
        const char* S;
        const char* S2;
        int c;
        const char* S3;
        int d;
    };
    const TSquareForm squares[12] = {
        {"+", "+", t, "-", s},     {"+", "-", t, "-", s}, {"+", "-", t, "+", s}, {"-", "+", t, "-", s},
        {"-", "-", t, "-", s},     {"-", "+", t, "+", s}, {"+", "+", o, "+", s}, {"+", "+", u, "+", s},
        {"+", "+", u, "+", m * m}, {"-", "-", o, "+", s}, {"-", "-", u, "+", s}, {"-", "-", u, "+", m * m},
    };
    const std::string power = Cat(x, "^<", Blank, ">- ");
    std::string question;
    const int form = R(16);
    if (form < 12) {
        const TSquareForm& f = squares[form];
        question = Cat("(", x, f.S, o, ")^<2>=", x, "^<", Blank, ">", f.S2, f.c, x, f.S3, f.d, prompt);
    } else if (form == 12) {
        question = Cat(power, s, " = (", x, "+", o, ")*(", x, "+", o, ")", prompt);
    } else if (form == 13) {
        question = Cat(power, s, " = (", x, "-", o, ")*(", x, "-", o, ")", prompt);
    } else if (form == 14) {
        question = Cat(power, o * m, " = (", x, "+", o, ")*(", x, "-", m, ")", prompt);
    } else { // o and m written side by side as one number
        question = Cat(power, o, m, " = (", x, "-", o, ")*(", x, "+", m, ")", prompt);
    }
    SetExercise(context, question, "", NoNumber());
}

} // namespace

void GenerateBinomialKind(TGenerateContext& context, int kind) {
    context.TaskText = "Uprav podle vzorce - doplň";
    const std::string& a = context.Letter1;
    const std::string& b = context.Letter2;
    const std::string& x = context.Letter3;
    const int common = DistinctPair(9, 10).o; // o of the common draw, 1..9
    const int q = common * common;
    switch (kind) {
    case 0: {
        const int o = R(10) + 1;
        return SetExercise(context, Cat("(", x, " + ", o, ")^<2> = ", x, "^<2>+"), Cat(x, "+", o * o),
                           Whole(2 * o));
    }
    case 1: {
        const int o = R(10) + 1;
        return SetExercise(context, Cat("(", x, " - ", o, ")^<2> = ", x, "^<2>-"), Cat(x, "+", o * o),
                           Whole(2 * o));
    }
    case 2: {
        const int o = R(10) + 1;
        return SetExercise(context, Cat("(", x, " + ", o, ")^<2> = ", x, "^<2> + ", 2 * o, x, " + "), "",
                           Whole(o * o));
    }
    case 3:
        return SetExercise(context,
                           Cat("(", x, " - ", common, ")^<2> = ", x, "^<2> - ", 2 * common, x, " + "), "",
                           Whole(q));
    case 4:
        return SetExercise(context, Cat("(", a, " + ", b, ")^<2> = ", a, "^<2> + "),
                           Cat(a, b, " + ", b, "^<2>"), Whole(2));
    case 5:
        return SetExercise(context, Cat("(", a, " - ", b, ")^<2> = ", a, "^<2> - "),
                           Cat(a, b, " + ", b, "^<2>"), Whole(2));
    case 6: {
        const int o = R(6) + 2;
        return SetExercise(context, Cat("(", o, a, " + 1)^<2> = "), Cat(a, "^<2> + ", 2 * o, a, " + 1"),
                           Whole(o * o));
    }
    case 7: {
        const int o = R(6) + 2;
        return SetExercise(context, Cat("(", o, a, " - 1)^<2> = "), Cat(a, "^<2> - ", 2 * o, a, " + 1"),
                           Whole(o * o));
    }
    case 8: {
        const int o = R(6) + 2;
        return SetExercise(context, Cat("(", o, a, " + 1)^<2> = ", o * o, a, "^<2> + "), Cat(a, " + 1"),
                           Whole(2 * o));
    }
    case 9: {
        const int o = R(6) + 2;
        return SetExercise(context, Cat("(", o, a, " - 1)^<2> = ", o * o, a, "^<2> - "), Cat(a, " + 1"),
                           Whole(2 * o));
    }
    case 10: return WrongConstant(context);
    case 11: // (a − b)² with the sign of b² or its square wrong
        return SetExercise(context, Cat("(", a, " - ", b, ")^<2> = ", a, "^<2> - "),
                           Side() ? Cat(a, b, " + ", b) : Cat(a, b, " - ", b, "^<2>"), NoNumber());
    case 12: return WrongMiddleTerm(context);
    case 13: {
        const std::string right = Cat(") = ", x, "^<2> - ");
        switch (R(3)) {
        case 0:
            return SetExercise(context, Cat("(", x, "+", common, ")*(", x, "-", common, right), "", Whole(q));
        case 1:
            return SetExercise(context, Cat("(", x, "-", common, ")*(", x, "+", common, right), "", Whole(q));
        default:
            return SetExercise(context, Cat("(", common, "+", x, ")*(", x, "-", common, right), "", Whole(q));
        }
    }
    case 14: {
        const std::string suffix = Cat(" - ", x, "^<2>");
        switch (R(3)) {
        case 0:
            return SetExercise(context, Cat("(", common, "-", x, ")*(", common, "+", x, ") = "), suffix,
                               Whole(q));
        case 1:
            return SetExercise(context, Cat("(", common, "+", x, ")*(", common, "-", x, ") = "), suffix,
                               Whole(q));
        default:
            return SetExercise(context, Cat("(", common, "-", x, ")*(", x, "+", common, ") = "), suffix,
                               Whole(q));
        }
    }
    case 15: {
        const int o = R(8) + 2;
        const std::string question =
            Side() ? Cat("(", o, x, "+1)*(", o, x, "-1) = ") : Cat("(", o, x, "-1)*(", o, x, "+1) = ");
        return SetExercise(context, question, Cat(x, "^<2> - 1"), Whole(o * o));
    }
    case 16: {
        const std::string right = Cat(") = ", x, "^<4> - ");
        const std::string question = Side() ? Cat("(", x, "^<2>-", common, ")*(", x, "^<2>+", common, right)
                                            : Cat("(", x, "^<2>+", common, ")*(", x, "^<2>-", common, right);
        return SetExercise(context, question, "", Whole(q));
    }
    case 17: {
        const int o = R(9) + 1;
        const int form = R(4);
        const std::string product = form % 2 == 0 ? Cat("(", a, b, "+", o, ")*(", a, b, "-", o, ") = ")
                                                  : Cat("(", a, b, "-", o, ")*(", a, b, "+", o, ") = ");
        const std::string square = form < 2 ? Cat("(", a, b, ")^<2>-") : Cat(a, "^<2>", b, "^<2>-");
        return SetExercise(context, product + square, "", Whole(o * o));
    }
    case 18: return TwoLettersNoFormula(context, common);
    case 19: {
        const int o = R(7) + 1; // 0,1 .. 0,7
        const std::string tenths = Tenths(o);
        const std::string question =
            Side() ? Cat("(", x, "-", tenths, ")*(", x, "+", tenths, ") = ", x, "^<2>-")
                   : Cat("(", x, "+", tenths, ")*(", x, "-", tenths, ") = ", x, "^<2>-");
        return SetExercise(context, question, "", Fixed(2, o * o));
    }
    case 20: return MissingExponent(context);
    default: return WrongTermBesideExponent(context);
    }
}

void GenerateBinomialFormulas(TGenerateContext& context) { GenerateBinomialKind(context, R(BinomialKinds)); }

} // namespace numerava::area6
