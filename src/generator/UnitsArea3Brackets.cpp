// Area 3, difficulty 3: integer expressions with brackets, products written with the dot and
// divisions with the colon. Some kinds divide by zero on purpose and expect "N". A divisor is
// tested for zero before anything is divided by it.

#include "generator/UnitsArea3.h"

#include "core/Format.h"

namespace numerava::area3 {

namespace {

void Level1(TGenerateContext& context, int kind) {
    const int a = R(11), b = R(11), c = R(11);
    int p = 0, q = 0, e = 0;
    switch (kind) {
    case 0: return SetAnswer(context, Format("*<%d><(%d + %d)>", {-a, b, c}), -a * (b + c));
    case 1: return SetAnswer(context, Format("*<%d><(%d - %d)>", {a, b, c}), a * (b - c));
    case 2: return SetAnswer(context, Format("*<(%d - %d)><%d>", {c, b, a}), (c - b) * a);
    case 3: return SetAnswer(context, Format("*<(%d + %d)><%d>", {c, b, a}), (c + b) * a);
    case 4: return SetAnswer(context, Format("%d - (%d + %d)", {-a, b, c}), -a - b - c);
    case 5: return SetAnswer(context, Format("%d - (%d - %d)", {a, b, c}), a - b + c);
    case 6:
        do {
            p = R(26);
            q = R(26);
            e = R(11) + 1;
        } while (!Divides(e, p + q));
        return SetAnswer(context, Format("(%d + %d) : %d", {p, q, e}), (p + q) / e);
    case 7: return SetNoValue(context, Format("(%d + %d) : 0", {a, b}));
    case 8: return SetNoValue(context, Format("(%d - %d) : 0", {a, b}));
    default:
        do {
            p = R(101);
            q = R(11);
            e = R(11) + 1;
        } while (!Divides(p + q, e));
        return SetAnswer(context, Format("%d : (%d + %d)", {e, p, q}), e / (p + q));
    }
}

void Level2(TGenerateContext& context, int kind) {
    const int a = R(11), b = R(11), c = R(11);
    int p = 0, q = 0, r = 0, s = 0, e = 0;
    switch (kind) {
    case 0: return SetAnswer(context, Format("*<(-%d + %d)><%d>", {c, b, a}), a * (b - c));
    case 1: return SetAnswer(context, Format("*<%d><(-%d + %d)>", {a, c, b}), a * (b - c));
    case 2:
        do {
            p = R(21);
            q = R(21);
            e = R(11) + 1;
        } while (!Divides(e, p - q));
        return SetAnswer(context, Format("(%d - %d) : %d", {p, q, e}), (p - q) / e);
    case 3:
        do {
            p = R(101);
            q = R(11);
            s = R(11);
        } while (!Divides(q - s, p));
        return SetAnswer(context, Format("%d : (%d - %d)", {p, q, s}), p / (q - s));
    default:
        do {
            p = R(11);
            q = R(11);
            r = R(11);
            s = R(11);
        } while (!Divides(r + s, p + q));
        return SetAnswer(context, Format("(%d + %d) : (%d + %d)", {p, q, r, s}), (p + q) / (r + s));
    }
}

void Level3(TGenerateContext& context, int kind) {
    int p = 0, q = 0, r = 0, s = 0;
    // Draws p, q, r, s until the condition on them holds.
    const auto draw = [&](auto condition) {
        do {
            p = R(11);
            q = R(11);
            r = R(11);
            s = R(11);
        } while (!condition());
    };
    switch (kind) {
    case 0:
        draw([&] { return Divides(r + s, p - q); });
        return SetAnswer(context, Cat("(", p, " - ", q, ") : (", r, " + ", s, ")"), (p - q) / (r + s));
    case 1:
        draw([&] { return Divides(r - s, p + q); });
        return SetAnswer(context, Cat("(", p, " + ", q, ") : (", r, " - ", s, ")"), (p + q) / (r - s));
    case 2:
        draw([&] { return Divides(r - s, p - q); });
        return SetAnswer(context, Cat("(", p, " - ", q, ") : (", r, " - ", s, ")"), (p - q) / (r - s));
    case 3:
        draw([&] { return (p + q) * (r + s) <= 100; });
        return SetAnswer(context, Format("*<(%d + %d)><(%d + %d)>", {p, q, r, s}), (p + q) * (r + s));
    case 4:
        draw([&] { return (p - q) * (r + s) <= 100; });
        return SetAnswer(context, Format("*<(%d - %d)><(%d + %d)>", {p, q, r, s}), (p - q) * (r + s));
    case 5:
        draw([&] { return (p + q) * (r - s) <= 100; });
        return SetAnswer(context, Format("*<(%d + %d)><(%d - %d)>", {p, q, r, s}), (p + q) * (r - s));
    case 6:
        draw([&] { return (p - q) * (r - s) <= 100; });
        return SetAnswer(context, Format("*<(%d - %d)><(%d - %d)>", {p, q, r, s}), (p - q) * (r - s));
    default: // divides by r - r
        p = R(11);
        q = R(11);
        r = R(11);
        if (R(2) != 0) return SetNoValue(context, Format("(%d - %d) : (%d - %d)", {p, q, r, r}));
        return SetNoValue(context, Format("(%d + %d) : (%d - %d)", {p, q, r, r}));
    }
}

void Level4(TGenerateContext& context, int kind) {
    const int a = R(11), b = R(11), c = R(11), d = R(11);
    switch (kind) {
    case 0: return SetAnswer(context, Format("%d + (%d + %d)*%d", {a, b, a, c}), a + (a + b) * c);
    case 1: return SetAnswer(context, Format("%d + (%d - %d)*%d", {a, b, a, c}), a + (b - a) * c);
    case 2: return SetAnswer(context, Format("%d - (%d + %d)*%d", {a, b, a, c}), a - (a + b) * c);
    case 3: return SetAnswer(context, Format("%d - (%d - %d)*%d", {a, b, a, c}), a - (b - a) * c);
    case 4: return SetAnswer(context, Format("(%d + %d) * %d - %d", {b, a, c, a}), (a + b) * c - a);
    case 5: return SetAnswer(context, Format("(%d - %d) * %d - %d", {b, a, c, a}), (b - a) * c - a);
    case 6: return SetAnswer(context, Format("(%d + %d) * %d + %d", {b, a, c, a}), (a + b) * c + a);
    case 7: return SetAnswer(context, Format("(%d - %d) * %d + %d", {b, a, c, a}), (b - a) * c + a);
    default: break;
    }
    // Kinds 8 to 10: a times a bracket of three numbers, the bracket first or second at random.
    static constexpr const char* brackets[3] = {"(%d + %d + %d)", "(%d + %d - %d)", "(%d - %d - %d)"};
    const int inner = kind == 8 ? b + c + d : kind == 9 ? b + c - d : b - c - d;
    const std::string bracket = Format(brackets[kind - 8], {b, c, d});
    if (R(2) != 0) return SetAnswer(context, Format("%s* %d ", {bracket, a}), a * inner);
    SetAnswer(context, Format("%d * %s", {a, bracket}), a * inner);
}

} // namespace

void ExpressionsWithBrackets(TGenerateContext& context, int level, int kind) {
    switch (level) {
    case 1: return Level1(context, kind);
    case 2: return Level2(context, kind);
    case 3: return Level3(context, kind);
    default: return Level4(context, kind);
    }
}

} // namespace numerava::area3
