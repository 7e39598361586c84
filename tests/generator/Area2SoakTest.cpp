// Soak test of the area-2 exercises ("NU 2"): for every difficulty and operation, many exercises
// from fixed seeds in both languages. Each one must be written in one of its kind's forms with its
// numbers inside the kind's ranges and conditions, carry its kind's caption, and expect exactly the
// value of the Question as the pupil reads it (the test's own evaluator), in normal form.
// NUMERAVA_SOAK_SCALE=k runs k times as many exercises.

#include "catalogue/Selection.h"
#include "core/FixedNumber.h"
#include "core/Language.h"
#include "core/Random.h"
#include "generator/MarkupEvaluator.h"
#include "generator/UnitsGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace numerava {
namespace {

using testing::Rational;

// ---- Forms: a pattern of the Question with named numbers, and the conditions on them ----

// The numbers of one exercise. In patterns "{x}" is a whole number in plain digits bound to x (a
// name used twice must have the same value twice); "[A]" and "[B]" are signed decimals as the
// closing step prints its operands.
struct V {
    int64_t a = 0, b = 0, c = 0, d = 0, i = 0, l = 0, m = 0, n = 0, o = 0, p = 0, r = 0, w = 0, x = 0, y = 0;
    Rational A, B;
    std::string Bound; // the names a pattern gave a value
    bool Has(char name) const { return Bound.find(name) != std::string::npos; }
};

int64_t* Slot(V& v, char name) {
    switch (name) {
    case 'a': return &v.a;
    case 'b': return &v.b;
    case 'c': return &v.c;
    case 'd': return &v.d;
    case 'i': return &v.i;
    case 'l': return &v.l;
    case 'm': return &v.m;
    case 'n': return &v.n;
    case 'o': return &v.o;
    case 'p': return &v.p;
    case 'r': return &v.r;
    case 'w': return &v.w;
    case 'x': return &v.x;
    default: return &v.y;
    }
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Takes digits without a leading zero from the front of text.
bool TakeDigits(std::string_view& text, std::string_view& digits) {
    std::size_t length = 0;
    while (length < text.size() && IsDigit(text[length])) ++length;
    if (length == 0 || length > 9 || (length > 1 && text[0] == '0')) return false;
    digits = text.substr(0, length);
    text.remove_prefix(length);
    return true;
}

bool Match(std::string_view pattern, std::string_view text, V& v) {
    while (!pattern.empty()) {
        std::string_view digits;
        if (pattern[0] == '{') {
            const char name = pattern[1];
            pattern.remove_prefix(3);
            if (!TakeDigits(text, digits)) return false;
            const int64_t value = std::stoll(std::string(digits));
            int64_t* slot = Slot(v, name);
            if (v.Has(name) && *slot != value) return false;
            *slot = value;
            v.Bound += name;
        } else if (pattern[0] == '[') {
            const char name = pattern[1];
            pattern.remove_prefix(3);
            const bool negative = !text.empty() && text[0] == '-';
            if (negative) text.remove_prefix(1);
            if (!TakeDigits(text, digits)) return false;
            std::string number = std::string(negative ? "-" : "") + std::string(digits);
            if (!text.empty() && text[0] == ',') {
                std::size_t length = 1;
                while (length < text.size() && IsDigit(text[length])) ++length;
                // The closing step strips trailing zero decimals: 30 tenths print as 3.
                if (length == 1 || text[length - 1] == '0') return false;
                number += std::string(text.substr(0, length));
                text.remove_prefix(length);
            }
            (name == 'A' ? v.A : v.B) = testing::ParseDecimal(number);
        } else {
            if (text.empty() || text[0] != pattern[0]) return false;
            pattern.remove_prefix(1);
            text.remove_prefix(1);
        }
    }
    return text.empty();
}

bool In(int64_t x, int64_t low, int64_t high) { return low <= x && x <= high; }
// x = step * k with k in low..high.
bool Steps(int64_t x, int64_t step, int64_t low, int64_t high) {
    return x % step == 0 && In(x / step, low, high);
}
bool OneOf(int64_t x, std::initializer_list<int64_t> values) {
    return std::find(values.begin(), values.end(), x) != values.end();
}
// A proper fraction m/o that does not reduce to a unit fraction.
bool Proper(int64_t m, int64_t o) { return m >= 1 && m < o && o % m != 0; }

// q * 10^places when that is whole, else a value outside every range; places -1 divides by ten.
constexpr int64_t NotWhole = INT64_MIN / 4;
int64_t Units(Rational q, int places) {
    for (; places > 0; --places) q = q * Rational(10);
    if (places < 0) q = q / Rational(10);
    return q.IsWhole() ? q.Numerator() : NotWhole;
}

// Difficulty 2 additions and subtractions, in hundredths: one of the five sub-kinds.
bool DecimalAddends(int64_t a, int64_t b) {
    return (Steps(a, 10, 1, 58) && Steps(b, 10, 1, 58)) || (In(a, 1, 58) && In(b, 1, 58)) ||
           (Steps(a, 100, 1, 8) && Steps(b, 10, 1, 58)) || (Steps(a, 100, 1, 8) && In(b, 1, 59)) ||
           (In(a, 1, 98) && b == 100 - a);
}
bool DecimalDifference(int64_t a, int64_t b) {
    return b < a && ((Steps(a, 10, 1, 59) && Steps(b, 10, 1, 59)) || (In(a, 1, 29) && In(b, 1, 29)) ||
                     (Steps(a, 100, 1, 8) && Steps(b, 10, 1, 59)) || (Steps(a, 100, 1, 4) && In(b, 1, 9)) ||
                     (In(b, 0, 97) && a == b + 100));
}

bool NaturalFactors(int64_t a, int64_t b) {
    return a * b < 100000 &&
           ((Steps(a, 10, 1, 19) && Steps(b, 10, 1, 9)) || (Steps(a, 100, 1, 19) && Steps(b, 10, 1, 9)) ||
            (Steps(a, 10, 1, 19) && Steps(b, 100, 1, 9)) || (Steps(a, 10, 1, 19) && Steps(b, 1000, 1, 9)) ||
            (Steps(a, 1000, 1, 19) && In(b, 1, 9)));
}

bool DecimalFactors(Rational a, Rational b) {
    static constexpr int places[7][2] = {{1, 1}, {0, 1}, {1, 0}, {0, 2}, {2, 0}, {-1, 1}, {1, -1}};
    for (const auto& [pa, pb] : places)
        if (In(Units(a, pa), 2, 11) && In(Units(b, pb), 2, 11)) return true;
    return false;
}

bool NaturalQuotient(int64_t q, int64_t b) {
    return (Steps(q, 10, 2, 10) && Steps(b, 10, 2, 10)) || (In(q, 2, 10) && Steps(b, 100, 2, 10)) ||
           (Steps(q, 100, 2, 10) && In(b, 2, 10)) || (In(q, 2, 10) && Steps(b, 1000, 2, 10)) ||
           (Steps(q, 1000, 2, 10) && In(b, 2, 10));
}

bool IntegerQuotient(Rational a, Rational b) {
    const int64_t q = Units(a / b, 0), divisor = Units(b, 0), dividend = Units(a, 0);
    return q != 0 && In(q, -14, 13) && divisor != 0 && In(divisor, -14, 13) && In(dividend, -99, 99) &&
           (q < 0 || divisor < 0 || dividend < 0);
}

// (numerator, denominator) in the list of fractions in lowest terms.
bool LowestPair(int64_t numerator, int64_t denominator) {
    static constexpr int64_t pairs[12][2] = {{2, 3},  {3, 4}, {2, 5}, {3, 5}, {4, 5}, {3, 10},
                                             {7, 10}, {2, 7}, {3, 7}, {4, 7}, {3, 8}, {5, 8}};
    for (const auto& [g, f] : pairs)
        if (g == numerator && f == denominator) return true;
    return false;
}

// m/o = ?/(o*c) or (m*c)/(o*c) = ?/o with c = 2, 3, 4 or 10.
bool Expansion(int64_t x, int64_t y, int64_t z) {
    const auto factor = [](int64_t c) { return OneOf(c, {2, 3, 4, 10}); };
    const bool expand = In(y, 2, 11) && In(x, 1, 10) && Proper(x, y) && z % y == 0 && factor(z / y);
    const bool reduce =
        In(z, 2, 11) && y % z == 0 && factor(y / z) && x % (y / z) == 0 && Proper(x / (y / z), z);
    return expand || reduce;
}

// m/o : c/d with o 2..9, m 1..8, c 2..9, d 1..8, both fractions proper.
bool SmallQuotient(const V& v) {
    return In(v.o, 2, 9) && In(v.m, 1, 8) && In(v.c, 2, 9) && In(v.d, 1, 8) && Proper(v.m, v.o) &&
           Proper(v.d, v.c);
}

enum class Caption { Compute, Fraction, LowestTerms, Decimal };

std::string CaptionText(Caption caption, bool slovak) {
    switch (caption) {
    case Caption::Compute: return slovak ? "Vypočítaj a stlač ENTER" : "Vypočítej a stiskni ENTER";
    case Caption::Fraction: return slovak ? "Doplň zlomok" : "Doplň zlomek";
    case Caption::LowestTerms:
        return slovak ? "Doplň zlomok na základný tvar" : "Doplň zlomek na základní tvar";
    default: return slovak ? "Zapíš desatinným číslom" : "Zapiš desetinným číslem";
    }
}

using Rule = bool (*)(const V&);
#define RULE(...) [](const V& v) { return static_cast<bool>(__VA_ARGS__); }

// One kind: the forms it writes its Question in (each without the frame that the closing step puts
// around it, see Frame), its caption and the conditions on its numbers.
struct Kind {
    int Difficulty, Operation;
    Caption Cap;
    std::vector<const char*> Bodies;
    Rule Holds;
    const char* Suffix = "";
};

constexpr Caption C = Caption::Compute, F = Caption::Fraction, L = Caption::LowestTerms, D = Caption::Decimal;

// One kind per entry: the table is kept as written rather than one number per line.
// clang-format off
const Kind Kinds[] = {
    // Operation 1: additions and subtractions.
    {1, 1, C, {"{a} + {b}"},
     RULE((Steps(v.a, 10, 1, 99) || Steps(v.a, 100, 1, 99) || Steps(v.a, 1000, 1, 99)) &&
          Steps(v.b, 10, 1, 99))},
    {1, 1, C, {"{a} - {b}"},
     RULE(v.b < v.a && ((Steps(v.a, 10, 1, 99) && Steps(v.b, 10, 1, 99)) ||
                        (Steps(v.a, 100, 1, 99) && Steps(v.b, 100, 1, 99)) ||
                        (Steps(v.a, 1000, 1, 99) && Steps(v.b, 1000, 1, 99))))},
    {2, 1, C, {"[A] + [B]"},
     RULE(DecimalAddends(Units(v.A, 2), Units(v.B, 2)) || DecimalAddends(Units(v.B, 2), Units(v.A, 2)))},
    {2, 1, C, {"[A] - [B]"}, RULE(DecimalDifference(Units(v.A, 2), Units(v.B, 2)))},
    // Opposite signs that do not cancel; a negative second number, and only that, stands in brackets.
    {3, 1, C, {"[A] + [B]"},
     RULE(In(Units(v.A, 0), -15, -1) && In(Units(v.B, 0), 1, 14) && !(v.A + v.B == 0))},
    {3, 1, C, {"[A] + ([B])"},
     RULE(In(Units(v.A, 0), 1, 14) && In(Units(v.B, 0), -15, -1) && !(v.A + v.B == 0))},
    {3, 1, C, {"[A] - [B]"}, RULE(In(Units(v.A, 0), -9, 9) && In(Units(v.B, 0), 1, 9) && !(v.A == v.B))},
    {3, 1, C, {"[A] - ([B])"}, RULE(In(Units(v.A, 0), -9, 9) && In(Units(v.B, 0), -9, -1) && !(v.A == v.B))},
    {4, 1, C, {"&</<{m}><{o}>>< + ></<{r}><{o}>>< = >"},
     RULE(In(v.o, 2, 11) && In(v.m, 2, 10) && v.m < v.o && v.r == v.o - v.m)},
    {4, 1, C, {"&</<{m}><{o}>>< - ></<{m}><{o}>>< = >"}, RULE(In(v.o, 2, 11) && In(v.m, 2, 10) && v.m < v.o)},
    {4, 1, F,
     {"&</<{m}><{o}>>< + ></<{c}><{o}>>< = ></<{r}><Ö>>     ? = ",
      "&</<{m}><{o}>>< + ></<{c}><{o}>>< = ></<Ö><{o}>>     ? = "},
     RULE(In(v.o, 2, 11) && In(v.m, 1, 10) && In(v.c, 1, 10) && v.c + v.m < v.o &&
          (!v.Has('r') || v.r == v.c + v.m))},
    {4, 1, F, {"&</<{m}><{o}>>< - ></<{c}><{o}>>< = ></<Ö><{o}>>     ? = "},
     RULE(In(v.o, 2, 11) && In(v.m, 1, 10) && In(v.c, 1, 10) && 0 < v.m - v.c && v.m - v.c < v.o)},
    // A mixed number w m/o and its improper fraction i/o.
    {4, 1, F,
     {" &<{w}></<{m}><{o}>>< = ></<Ö><{o}>>     ? = ", " &<{w}></<{m}><{o}>>< = ></<{i}><Ö>>     ? = ",
      " &</<{i}><{o}>>< = ><{w}></<{m}><Ö>>     ? = "},
     RULE(In(v.w, 1, 3) && In(v.o, 2, 11) && Proper(v.m, v.o) && (!v.Has('i') || v.i == v.o * v.w + v.m))},
    {4, 1, F, {" &</<{i}><{o}>>< = ><Ö></<{m}><{o}>>     ? = "},
     RULE(In(v.o, 2, 11) && Proper(v.m, v.o) && (v.i - v.m) % v.o == 0 && In((v.i - v.m) / v.o, 1, 3))},
    {4, 1, F, {" &</<{i}><{o}>>< = ><{w}></<Ö><{o}>>     ? = "},
     RULE(In(v.w, 1, 3) && In(v.o, 2, 11) && Proper(v.i - v.o * v.w, v.o))},
    {4, 1, F, {"&</<1><{o}>>< + ></<1><{o}>>< = ></<1><Ö>>     ? = "}, RULE(OneOf(v.o, {2, 4, 6, 8, 10}))},

    // Operation 2: products.
    {1, 2, C, {"[A] * [B]"}, RULE(NaturalFactors(Units(v.A, 0), Units(v.B, 0)))},
    {2, 2, C, {"[A] * [B]"}, RULE(DecimalFactors(v.A, v.B))},
    {3, 2, C, {"[A] * [B]"}, RULE(In(Units(v.A, 0), -14, -1) && In(Units(v.B, 0), 1, 13))},
    {3, 2, C, {"[A] * ([B])"}, RULE(In(Units(v.A, 0), -14, 13) && !(v.A == 0) && In(Units(v.B, 0), -14, -1))},
    {4, 2, F, {" &</<{x}><{y}>>< = ></<Ö><{r}>>     ? = "}, RULE(Expansion(v.x, v.y, v.r))},
    {4, 2, F, {"&</<{m}><{o}>>< * ></<{d}><{c}>>< = ></<Ö><{r}>>     ? = "},
     RULE(In(v.o, 2, 11) && Proper(v.m, v.o) && In(v.c, 2, 11) && Proper(v.d, v.c) && v.r == v.o * v.c)},
    {4, 2, F, {" &</<{m}><{o}>>< * ><{c}>< = ></<Ö><{o}>>     ? = "},
     RULE(In(v.o, 2, 11) && Proper(v.m, v.o) && In(v.c, 2, 4))},
    {4, 2, C, {" &<{x}>< * ></<1><{o}>>< = >", " &</<1><{o}>>< * ><{x}>< = >"},
     RULE(In(v.o, 2, 10) && (v.x == v.o || v.x == 2 * v.o))},
    {4, 2, C, {" &</<{m}><{o}>> z {c} = "},
     RULE(In(v.o, 2, 10) && In(v.m, 2, 10) && v.m < v.o && In(v.c, 2, 101) && v.c % v.o == 0)},
    {4, 2, C, {" &</<1><{o}>> z {x} = "},
     RULE(In(v.o, 2, 10) && v.x % v.o == 0 && (In(v.x / v.o, 2, 10) || Steps(v.x / v.o, 10, 2, 10)))},

    // Operation 3: quotients.
    {1, 3, C, {"[A] : [B]"}, RULE(NaturalQuotient(Units(v.A / v.B, 0), Units(v.B, 0)))},
    {2, 3, C, {"[A] : [B]"},
     RULE(In(Units(v.B, 1), 1, 9) &&
          (In(Units(v.A / v.B, 0), 3, 9) || Steps(Units(v.A / v.B, 0), 10, 3, 9)))},
    {3, 3, C, {"[A] : [B]"}, RULE(IntegerQuotient(v.A, v.B) && Rational(0) < v.B)},
    {3, 3, C, {"[A] : ([B])"}, RULE(IntegerQuotient(v.A, v.B) && v.B < Rational(0))},
    {4, 3, F, {" &</<{o}><{m}>>< = >"}, RULE(In(v.o, 1, 20) && In(v.m, 2, 21) && v.o % v.m != 0), " : {m}"},
    {4, 3, F, {" &</<{o}><{m}>>< = ><{o}>< : >"}, RULE(In(v.o, 1, 20) && In(v.m, 2, 21) && v.o % v.m != 0)},
    {4, 3, C, {" &</<{o}><{m}>>< = >"},
     RULE(In(v.m, 2, 11) && (In(v.o, 2, 31) || Steps(v.o, 10, 2, 31)) && v.o % v.m == 0)},
    {4, 3, D, {" &</<{o}><{d}>>< = >"},
     RULE((v.d == 100 && In(v.o, 1, 329) && v.o % 100 != 0) ||
          (v.d == 10 && In(v.o, 1, 29) && v.o % 10 != 0))},
    {4, 3, D, {"&</<{o}><2>>< = >"}, RULE(In(v.o, 1, 11) && v.o % 2 == 1)},
    // Decimals into fractions: the fixed rows, then the general ones.
    {4, 3, F, {"&<0,{m}>< = ></<Ö><{d}>>     ? = "},
     RULE((v.d == 4 && OneOf(v.m, {25, 75})) || (v.d == 5 && OneOf(v.m, {2, 4, 6, 8})) ||
          (v.d == 10 && OneOf(v.m, {3, 7, 9})))},
    {4, 3, F, {"&<{o},{m}>< = ><{w}></<Ö><{d}>>     ? = "},
     RULE(v.w == v.o && ((v.o == 1 && v.m == 2 && OneOf(v.d, {5, 10})) ||
                         (v.m == 5 && OneOf(v.o, {1, 2}) && OneOf(v.d, {2, 10}))))},
    {4, 3, F, {"&<0,{m}>< = ></<{n}><Ö>>     ? = "},
     RULE((v.m == 25 && v.n == 1) || (v.m == 75 && v.n == 3) ||
          (OneOf(v.m, {2, 4, 6, 8}) && v.n == v.m / 2) || (OneOf(v.m, {3, 7, 9}) && v.n == v.m))},
    {4, 3, F, {"&<{o},{m}>< = ></<Ö><10>>     ? = ", "&<{o},{m}>< = ></<{n}><Ö>>     ? = "},
     RULE(In(v.o, 1, 9) && In(v.m, 1, 9) && (!v.Has('n') || v.n == 10 * v.o + v.m))},
    {4, 3, L, {"&</<{x}><{y}>>< = ></<{l}><Ö>>     ? = "},
     RULE(v.x % v.l == 0 && In(v.x / v.l, 2, 6) && v.y % (v.x / v.l) == 0 &&
          LowestPair(v.l, v.y / (v.x / v.l)))},
    {4, 3, L, {"&</<{x}><{y}>>< = ></<Ö><{d}>>     ? = "},
     RULE(v.y % v.d == 0 && In(v.y / v.d, 2, 6) && v.x % (v.y / v.d) == 0 &&
          LowestPair(v.x / (v.y / v.d), v.d))},
    {4, 3, F, {"&</<{m}><{o}>>< : ></<{c}><{d}>>< = ></<Ö><{r}>>     ? = "},
     RULE(SmallQuotient(v) && v.r == v.o * v.c)},
    {4, 3, F, {"&</<{m}><{o}>>< : ></<{c}><{d}>>< = ></<{r}><Ö>>     ? = "},
     RULE(SmallQuotient(v) && v.r == v.m * v.d)},

    // Operation 4, natural numbers.
    {1, 4, C, {"{a} + {b} * {c}"},
     RULE(Steps(v.a, 50, 1, 20) && In(v.b, 1, 10) && Steps(v.c, 100, 1, 10) && v.a + v.b * v.c <= 10000)},
    {1, 4, C, {"{x} : {b} + {c}"},
     RULE(In(v.b, 2, 9) && v.x % v.b == 0 && Steps(v.x / v.b, 100, 1, 20) && Steps(v.c, 100, 1, 20) &&
          In(v.x, 50, 10000) && In(v.x / v.b + v.c, 50, 1000))},
    {1, 4, C, {"{x} : {b} - {c}"},
     RULE(In(v.b, 2, 11) && v.x % v.b == 0 && Steps(v.x / v.b, 50, 2, 20) && Steps(v.c, 100, 1, 9) &&
          v.x <= 10000 && v.x / v.b >= v.c)},
    {1, 4, C, {"{a} * {b} - {c}"},
     RULE(Steps(v.a, 100, 1, 10) && In(v.b, 1, 10) && Steps(v.c, 50, 1, 20) && In(v.a * v.b, 100, 10000) &&
          v.c <= v.a * v.b)},
    {1, 4, C, {"{x} * {y} + {c}"},
     RULE(((In(v.x, 2, 10) && Steps(v.y, 100, 1, 10)) || (Steps(v.x, 100, 1, 10) && In(v.y, 2, 10))) &&
          Steps(v.c, 100, 1, 9) && In(v.x * v.y + v.c, 100, 10000))},
    {1, 4, C, {"{a} - {x} - {y}"},
     RULE(Steps(v.a, 500, 1, 20) && Steps(v.x, 100, 1, 20) && Steps(v.y, 100, 1, 20) &&
          v.a - v.x - v.y >= 0)},
    {1, 4, C, {"{a} + {b} + {c}"},
     RULE(Steps(v.a, 500, 1, 20) && Steps(v.b, 100, 1, 20) && Steps(v.c, 100, 1, 20) &&
          v.a + v.b + v.c <= 10000)},
    {1, 4, C, {"{a} + {b} - {c}"},
     RULE(Steps(v.a, 500, 1, 20) && Steps(v.b, 100, 1, 20) && Steps(v.c, 100, 1, 20) && v.a + v.b <= 10000 &&
          v.a + v.b - v.c <= 1000 && v.c < v.a + v.b)},
    // Four hundreds, and a hundreds added and taken away again.
    {1, 4, C, {"{a}+{b}+{c}+{d}", "{a}+{b}+{c}-{a}", "{a}-{a}+{b}+{c}", "{a}+{b}-{a}+{c}", "{b}+{c}+{a}-{a}"},
     RULE(Steps(v.a, 100, 1, 9) && Steps(v.b, 100, 1, 9) && Steps(v.c, 100, 1, 9) &&
          (!v.Has('d') || Steps(v.d, 100, 1, 9)))},
    {1, 4, C, {"{x} * {y} * {r}"},
     RULE(In(v.x * v.y * v.r, 100, 10000) && ((Steps(v.x, 50, 1, 20) && In(v.y, 1, 10) && In(v.r, 1, 10)) ||
                                               (In(v.x, 1, 10) && Steps(v.y, 50, 1, 20) && In(v.r, 1, 10)) ||
                                               (In(v.x, 1, 10) && In(v.y, 1, 10) && Steps(v.r, 50, 1, 20))))},
    {1, 4, C, {"{a} * ({b} - {c})", "({b} - {c}) * {a}"},
     RULE(Steps(v.a, 100, 1, 20) && In(v.b, 1, 30) && In(v.c, 1, 10) && v.c < v.b &&
          In(v.a * (v.b - v.c), 100, 10000))},
    {1, 4, C, {"{a} * ({b} + {c})", "({b} + {c}) * {a}"},
     RULE(In(v.a, 2, 10) && Steps(v.b, 100, 1, 20) && Steps(v.c, 100, 1, 20) &&
          In(v.a * (v.b + v.c), 100, 10000))},
    {1, 4, C, {"{a} : ({b} - {c})"},
     RULE(Steps(v.a, 1000, 2, 10) && In(v.b, 1, 20) && In(v.c, 1, 10) && v.c < v.b && v.b - v.c <= 10 &&
          v.a % (10 * (v.b - v.c)) == 0)},
    {1, 4, C, {"{a} : ({b} + {c})"},
     RULE(Steps(v.a, 1000, 2, 10) && In(v.b, 1, 10) && In(v.c, 1, 10) && v.c < v.b && v.b + v.c <= 10 &&
          v.a % (10 * (v.b + v.c)) == 0)},

    // Operation 4, decimals.
    {2, 4, C, {"{a},{b} + {c},{d} + {w}", "{w} + {a},{b} + {c},{d}"},
     RULE(In(v.a, 0, 4) && In(v.b, 1, 9) && In(v.c, 0, 4) && In(v.d, 1, 9) && In(v.w, 1, 5))},
    {2, 4, C, {"{a},{b} + {c},{d} - {w}"},
     RULE(In(v.a, 0, 4) && In(v.b, 1, 9) && In(v.c, 0, 4) && In(v.d, 1, 9) && In(v.w, 1, 5) &&
          10 * v.a + v.b + 10 * v.c + v.d - 10 * v.w > 0)},
    {2, 4, C, {"{a},{b} - {c},{d} - {w}"},
     RULE(In(v.a, 0, 4) && In(v.b, 1, 9) && In(v.c, 0, 4) && In(v.d, 1, 9) && In(v.w, 1, 5) &&
          10 * v.a + v.b - 10 * v.c - v.d - 10 * v.w > 0)},
    {2, 4, C, {"{a},{b} *10 + {c}", "10 * {a},{b} + {c}"},
     RULE(In(v.a, 0, 2) && In(v.b, 1, 9) && In(v.c, 1, 5))},
    {2, 4, C, {"{a},{b} *10 - {c}", "10 * {a},{b} - {c}"},
     RULE(In(v.a, 0, 2) && In(v.b, 1, 9) && In(v.c, 1, 10) && v.c < 10 * v.a + v.b)},
    {2, 4, C, {"{c} - 10 * {a},{b}", "{c} - {a},{b} * 10", "{c} - (10 * {a},{b})", "{c} - ({a},{b} * 10)"},
     RULE(In(v.a, 0, 2) && In(v.b, 1, 9) && In(v.c, 1, 10) && 10 * v.a + v.b < v.c)},
    {2, 4, C,
     {"2 * {a},{y} * 5", "5 * {a},{y} * 2", "5 * 2 * {a},{y}", "{a},{y} * 2 * 5", "(2 * {a},{y}) * 5",
      "(5 * {a},{y}) * 2", "5 * (2 * {a},{y})"},
     RULE(In(v.a, 0, 2) && OneOf(v.y, {2, 5}))},
    {2, 4, C, {"{a} : 2 + {m},5", "{m},5 + {a} : 2", "({a} : 2) + {m},5", "{m},5 + ({a} : 2)"},
     RULE(In(v.a, 1, 19) && v.a % 2 == 1 && In(v.m, 0, 4))},
    {2, 4, C, {"{a} : 10 + {m},5", "{m},5 + {a} : 10", "({a} : 10) + {m},5", "{m},5 + ({a} : 10)"},
     RULE(In(v.a, 1, 19) && In(v.m, 0, 4))},
    {2, 4, C, {"{a} : 10 - {m},5", "({a} : 10) - {m},5"},
     RULE(In(v.a, 1, 59) && In(v.m, 0, 4) && v.a - 10 * v.m - 5 > 0)},

    // Operation 4, integers.
    {3, 4, C, {"{a} - {b} - {c}", "{a} - ({b} + {c})", "({a} - {b}) - {c}"},
     RULE(In(v.a, 1, 12) && In(v.b, 1, 12) && In(v.c, 1, 12) && v.b + v.c > v.a)},
    {3, 4, C, {"{a} - {b} + {c}", "{a} - ({b} - {c})", "({a} - {b}) + {c}"},
     RULE(In(v.a, 1, 12) && In(v.b, 1, 12) && In(v.c, 1, 12) && v.a < v.b)},
    {3, 4, C, {"- ({a} + {b})", "- ({a} - {b})"}, RULE(In(v.a, 1, 12) && In(v.b, 1, 12) && v.a < v.b)},
    {3, 4, C, {"{c} * {a} - {c} * {b}", "{c} * ({a} - {b})"},
     RULE(In(v.a, 1, 10) && In(v.b, 1, 10) && In(v.c, 2, 6) && v.a < v.b)},
    {3, 4, C, {"{a} - ({b} : {c})", "{a} - {b} : {c}"},
     RULE(In(v.a, 1, 10) && In(v.b, 1, 30) && In(v.c, 2, 7) && v.b % v.c == 0 && v.a < v.b / v.c)},
    // A larger decimal taken from a smaller one; a decimal with no tenths is written whole.
    {3, 4, C, {"{a},{b} - {c},{d}", "{a} - {c},{d}"},
     RULE(In(v.a, 1, 6) && In(v.b, 0, 9) && In(v.c, 0, 4) && In(v.d, 1, 9) &&
          10 * v.a + v.b - 10 * v.c - v.d <= -11)},
    {3, 4, C, {"{a} - ({b} * {c})", "{a} - {b} * {c}"},
     RULE(In(v.a, 1, 20) && In(v.b, 1, 8) && In(v.c, 1, 8) && v.a < v.b * v.c)},
    {3, 4, C, {"-{n} : 10", "(-{n}) : 10", "{n} : (-10)"}, RULE(In(v.n, 11, 39) && v.n % 10 != 0)},
    {3, 4, C,
     {"-{a},{b} * {c}", "(-{a},{b}) * {c}", "{a},{b} * (-{c})", "{c} * (-{a},{b})", "-{c} * {a},{b}"},
     RULE(In(v.a, 0, 2) && In(v.b, 1, 9) && OneOf(v.c, {10, 100, 1000}))},

    // Operation 4, fractions.
    {4, 4, C,
     {"&<{w}></<{a}><{b}>>< + ></<{r}><{b}>>< = >", "&<{w}></<{a}><{b}>>< + ><{n}></<{r}><{b}>>< = >"},
     RULE(In(v.w, 1, 2) && (!v.Has('n') || In(v.n, 1, 2)) && In(v.b, 1, 5) && Proper(v.a, v.b) &&
          v.r == v.b - v.a)},
    {4, 4, C,
     {"&<{w}></<{a}><{b}>>< - ><{n}></<{a}><{b}>>< = >", "&<{w}></<{a}><{b}>>< - ></<{a}><{b}>>< = >"},
     RULE(In(v.w, 1, 2) && (!v.Has('n') || (In(v.n, 1, 2) && v.n <= v.w)) && In(v.b, 1, 5) &&
          Proper(v.a, v.b))},
    {4, 4, D, {"&<0,{a}>< - ></<{d}><10>>< = >", "&</<{a}><10>>< - ><0,{d}>< = >"},
     RULE(In(v.a, 1, 9) && In(v.d, 1, 9) && v.a >= v.d)},
    {4, 4, D, {"&<0,{d}>< + ></<{a}><10>>< = >", "&</<{a}><10>>< + ><0,{d}>< = >"},
     RULE(In(v.a, 1, 9) && In(v.d, 1, 9))},
    {4, 4, C, {"&<{c}>< * ><{w}></<1><2>>< = >", "&<{w}></<1><2>>< * ><{c}>< = >"},
     RULE(OneOf(v.c, {2, 4, 10, 100}) && In(v.w, 1, 2))},
    {4, 4, C, {"&</<{a},{b}><{c}>>< = >"}, RULE(In(v.a, 0, 5) && In(v.b, 1, 9) && OneOf(v.c, {10, 100}))},
    {4, 4, C, {"&</<{a},{b}><{c},{d}>>< = >"},
     RULE(In(v.a, 0, 5) && In(v.b, 1, 9) && In(v.c, 0, 1) && In(v.d, 1, 9) &&
          (10 * v.a + v.b) % (10 * v.c + v.d) == 0)},
    {4, 4, C, {"&</<{a}><{b}>>< : ></<{a}><{b}>>< = >"}, RULE(In(v.b, 1, 9) && Proper(v.a, v.b))},
    {4, 4, C, {"&</<{a}><{c}>>< + ></<{b}><{c}>>< + ></<{r}><{c}>>< = >"},
     RULE(In(v.a, 1, 5) && In(v.b, 1, 5) && In(v.c, 1, 9) && v.a + v.b < v.c && v.b % v.a != 0 &&
          v.r == v.c - v.a - v.b)},
    {4, 4, C, {"&</<{a}><{c}>>< + ></<{b}><{c}>>< - ></<{r}><{c}>>< = >"},
     RULE(In(v.a, 1, 5) && In(v.b, 1, 5) && In(v.c, 1, 9) && v.a + v.b < v.c && v.b % v.a != 0 &&
          v.r == v.a + v.b)},
    {4, 4, C,
     {"{p} - &<{c}>< * ><{w}></<1><2>>< = >", "{p} - &<{w}></<1><2>>< * ><{c}>< = >",
      "{p} + &<{c}>< * ><{w}></<1><2>>< = >", "{p} + &<{w}></<1><2>>< * ><{c}>< = >"},
     RULE(In(v.p, 1, 9) && OneOf(v.c, {2, 4, 10}) && In(v.w, 1, 2))},
    {4, 4, C,
     {"{p} - &<{c}>< * ></<1><2>>< = >", "{p} - &</<1><2>>< * ><{c}>< = >", "{p} + &<{c}>< * ></<1><2>>< = >",
      "{p} + &</<1><2>>< * ><{c}>< = >"},
     RULE(In(v.p, 1, 9) && OneOf(v.c, {2, 4, 10, 100}))},
    {4, 4, C, {" &</<{a} + {b}><{c}>>< = >"},
     RULE(In(v.a, 1, 20) && In(v.b, 2, 21) && In(v.c, 2, 11) && (v.a + v.b) % v.c == 0)},
    {4, 4, C, {" &</<{a} - {b}><{c}>>< = >"},
     RULE(In(v.a, 1, 20) && In(v.b, 2, 21) && In(v.c, 2, 11) && (v.a - v.b) % v.c == 0)},
    {4, 4, C, {" &</<{a}><{b} - {c}>>< = >"},
     RULE(In(v.a, 1, 30) && In(v.b, 1, 10) && In(v.c, 1, 10) && v.b != v.c && v.a % (v.b - v.c) == 0)},
    {4, 4, C, {" &</<{a}><{b} + {c}>>< = >"},
     RULE(In(v.a, 1, 30) && In(v.b, 1, 10) && In(v.c, 1, 10) && v.a % (v.b + v.c) == 0)},
};
// clang-format on

// The frame the closing step puts around a body: fraction bodies are wrapped whole, number
// expressions and natural sums get " = " as a group, the other operations end in plain " = ".
std::string Frame(int difficulty, int operation, const std::string& body) {
    if (difficulty == 4) return "&<" + body + ">";
    if (operation == 4 || (operation == 1 && difficulty == 1)) return "&<" + body + ">< = >";
    return body + " = ";
}

// ---- The soak ----

struct SoakCase {
    int Difficulty;
    int Operation;
};

void PrintTo(const SoakCase& c, std::ostream* os) {
    *os << "difficulty " << c.Difficulty << ", operation " << c.Operation;
}

constexpr uint32_t Seeds[] = {1u, 20250611u, 3987654321u, 777u};
constexpr int ExercisesPerSeed = 5000;

int SoakScale() {
    const char* scale = std::getenv("NUMERAVA_SOAK_SCALE");
    return scale != nullptr && std::atoi(scale) > 0 ? std::atoi(scale) : 1;
}

// A kind and one of its bodies, framed as the Question shows it.
struct Pattern {
    std::size_t Kind, Body;
    std::string Question;
};

std::vector<Pattern> PatternsFor(const SoakCase& c) {
    std::vector<Pattern> patterns;
    for (std::size_t k = 0; k < std::size(Kinds); ++k) {
        const Kind& kind = Kinds[k];
        if (kind.Difficulty != c.Difficulty || kind.Operation != c.Operation) continue;
        for (std::size_t b = 0; b < kind.Bodies.size(); ++b)
            patterns.push_back({k, b, Frame(c.Difficulty, c.Operation, kind.Bodies[b])});
    }
    return patterns;
}

// What is wrong with one exercise, or empty; `form` receives the pattern it is written in.
std::string Fault(const TExercise& exercise, const std::vector<Pattern>& patterns, bool slovak,
                  std::size_t& form) {
    const TFixedNumber expected = exercise.Expected;
    if (expected.Decimals < 0 || (expected.Decimals > 0 && expected.Value % 10 == 0)) {
        return "expected " + FormatNumber(expected) + " is not in normal form";
    }
    try {
        const testing::ExerciseEquation equation(exercise.Question, exercise.Suffix);
        const Rational answer = testing::ParseDecimal(FormatNumber(expected));
        if (!equation.HoldsFor(answer)) return "the expected answer does not solve the exercise";
        if (equation.HoldsFor(answer + Rational(1))) return "the exercise has more than one answer";
    } catch (const testing::MarkupError& error) { return std::string("unreadable: ") + error.what(); }
    bool written = false;
    for (std::size_t p = 0; p < patterns.size(); ++p) {
        const Kind& kind = Kinds[patterns[p].Kind];
        V v;
        if (!Match(patterns[p].Question, exercise.Question, v) || !Match(kind.Suffix, exercise.Suffix, v))
            continue;
        written = true;
        if (kind.Holds(v) && exercise.TaskText == CaptionText(kind.Cap, slovak)) {
            form = p;
            return "";
        }
    }
    return written
               ? "numbers outside their kind's conditions, or the wrong caption \"" + exercise.TaskText + "\""
               : "written in no form of its kind";
}

class Area2SoakTest : public ::testing::TestWithParam<SoakCase> {
protected:
    void TearDown() override { Language = LanguageCzech; }
};

TEST_P(Area2SoakTest, EveryExerciseIsRightAndKeepsItsKindsRules) {
    const SoakCase& c = GetParam();
    TNumeravaGenerator generator;
    generator.Area = 2;
    generator.DifficultySet = MakeSet({c.Difficulty});
    generator.OperationSet = MakeSet({c.Operation});

    const std::vector<Pattern> patterns = PatternsFor(c);
    std::vector<bool> seen(patterns.size());
    // The same exercise gets the same verdict: each distinct one is checked once.
    std::unordered_map<std::string, std::pair<std::string, std::size_t>> verdicts;
    int faults = 0;
    std::string report;
    const int count = ExercisesPerSeed * SoakScale();
    for (std::size_t s = 0; s < std::size(Seeds); ++s) {
        const bool slovak = s % 2 == 1; // the captions of both languages
        Language = slovak ? LanguageSlovak : LanguageCzech;
        SeedRandom(Seeds[s]);
        for (int i = 0; i < count; ++i) {
            const TExercise exercise = generator.Generate();
            std::string fault;
            if (exercise.Topic.Difficulty != c.Difficulty || exercise.Topic.Operation != c.Operation) {
                fault = "topic";
            } else if (!exercise.Prompt.empty() || generator.TaskText != exercise.TaskText) {
                fault = "prompt, or the generator's caption differs from the exercise's";
            } else {
                const std::string key = exercise.Question + '\n' + exercise.Suffix + '\n' +
                                        FormatNumber(exercise.Expected) + '\n' + exercise.TaskText;
                auto found = verdicts.find(key);
                if (found == verdicts.end()) {
                    std::size_t form = 0;
                    std::string verdict = Fault(exercise, patterns, slovak, form);
                    found = verdicts.emplace(key, std::pair{std::move(verdict), form}).first;
                }
                fault = found->second.first;
                if (fault.empty()) seen[found->second.second] = true;
            }
            if (fault.empty()) continue;
            if (++faults <= 5) {
                report += "\n  seed " + std::to_string(Seeds[s]) + " #" + std::to_string(i) + ": \"" +
                          exercise.Question + "\" suffix \"" + exercise.Suffix + "\" expected " +
                          FormatNumber(exercise.Expected) + ": " + fault;
            }
        }
    }
    EXPECT_EQ(faults, 0) << report;

    std::string missing;
    for (std::size_t p = 0; p < patterns.size(); ++p)
        if (!seen[p]) missing += "\n  \"" + patterns[p].Question + "\"";
    EXPECT_TRUE(missing.empty()) << "forms never written:" << missing;
}

std::string SoakCaseName(const ::testing::TestParamInfo<SoakCase>& info) {
    return "Difficulty" + std::to_string(info.param.Difficulty) + "Operation" +
           std::to_string(info.param.Operation);
}

INSTANTIATE_TEST_SUITE_P(Area2, Area2SoakTest,
                         ::testing::Values(SoakCase{1, 1}, SoakCase{2, 1}, SoakCase{3, 1}, SoakCase{4, 1},
                                           SoakCase{1, 2}, SoakCase{2, 2}, SoakCase{3, 2}, SoakCase{4, 2},
                                           SoakCase{1, 3}, SoakCase{2, 3}, SoakCase{3, 3}, SoakCase{4, 3},
                                           SoakCase{1, 4}, SoakCase{2, 4}, SoakCase{3, 4}, SoakCase{4, 4}),
                         SoakCaseName);

// In the contest every exercise of a bicycle part has the topic of that part: the operations step
// first, then the difficulties.
TEST(Area2ContestTest, EachPartKeepsItsTopic) {
    TNumeravaGenerator generator;
    generator.Area = 2;
    generator.DifficultySet = MakeSet({2, 4});
    generator.OperationSet = MakeSet({1, 3, 4});
    generator.Mode = ModeContest;
    const TTopic parts[] = {{2, 1}, {2, 3}, {2, 4}, {4, 1}, {4, 3}, {4, 4}, {2, 1}};
    SeedRandom(5);
    for (std::size_t p = 0; p < std::size(parts); ++p) {
        generator.ContestCounter = static_cast<int>(p) + 1;
        for (int i = 0; i < 50; ++i) {
            const TExercise exercise = generator.Generate();
            EXPECT_EQ(exercise.Topic.Difficulty, parts[p].Difficulty) << "part " << p + 1;
            EXPECT_EQ(exercise.Topic.Operation, parts[p].Operation) << "part " << p + 1;
            EXPECT_FALSE(exercise.Question.empty());
        }
    }
}

} // namespace
} // namespace numerava
