// Soak test of the area-1 exercises ("NU 1"): for every difficulty and operation, many exercises
// from fixed seeds, each checked for its Question form, its draw ranges and acceptance conditions,
// and an answer recomputed from the Question exactly as the pupil reads it.

#include "catalogue/Selection.h"
#include "core/FixedNumber.h"
#include "core/Random.h"
#include "generator/UnitsGenerator.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace numerava {
namespace {

// Whole-number arithmetic over + - * : and brackets, multiplication and division before addition
// and subtraction, left to right. Fails on what a pupil could not compute in whole numbers: a
// division with a remainder or by zero, or a result that drops below zero at any step.
class WholeNumberEvaluator {
public:
    explicit WholeNumberEvaluator(std::string_view text) : text_(text) {}

    // The value, or nullopt with Error() telling why.
    std::optional<int64_t> Evaluate() {
        const int64_t value = Expression();
        if (error_.empty() && Peek() != '\0') Fail("unexpected text");
        if (!error_.empty()) return std::nullopt;
        return value;
    }
    const std::string& Error() const { return error_; }

private:
    // Far above any exercise, far below overflow of a product of two such values.
    static constexpr int64_t Ceiling = 1'000'000'000;

    int64_t Expression() {
        int64_t value = Term();
        for (char op = Peek(); error_.empty() && (op == '+' || op == '-'); op = Peek()) {
            ++pos_;
            const int64_t right = Term();
            value = op == '+' ? value + right : value - right;
            if (value < 0) Fail("negative intermediate result");
            Bound(value);
        }
        return value;
    }

    int64_t Term() {
        int64_t value = Factor();
        for (char op = Peek(); error_.empty() && (op == '*' || op == ':'); op = Peek()) {
            ++pos_;
            const int64_t right = Factor();
            if (!error_.empty()) break;
            if (op == '*') {
                value *= right;
            } else if (right == 0) {
                Fail("division by zero");
            } else if (value % right != 0) {
                Fail("division with a remainder");
            } else {
                value /= right;
            }
            Bound(value);
        }
        return value;
    }

    int64_t Factor() {
        if (Peek() == '(') {
            ++pos_;
            const int64_t value = Expression();
            if (error_.empty() && Peek() != ')') Fail("missing )");
            ++pos_;
            return value;
        }
        int64_t value = 0;
        std::size_t digits = 0;
        for (; error_.empty() && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9';
             ++pos_, ++digits) {
            value = value * 10 + (text_[pos_] - '0');
            Bound(value);
        }
        if (digits == 0) Fail("number expected");
        return value;
    }

    char Peek() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Bound(int64_t value) {
        if (value > Ceiling) Fail("too large");
    }
    void Fail(const std::string& why) {
        if (error_.empty()) error_ = why + " at " + std::to_string(pos_);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

std::optional<int64_t> EvaluateWhole(std::string_view text) { return WholeNumberEvaluator(text).Evaluate(); }

struct EvaluatorCase {
    const char* Text;
    std::optional<int64_t> Value; // nullopt: must be refused
};

TEST(Area1SoakEvaluatorTest, ComputesWholeNumberExpressionsAsWritten) {
    const EvaluatorCase cases[] = {
        {"36 : (9 - 5)", 9},
        {"2 + 3 * 4", 14},
        {"100+200+300+400", 1000},
        {"20 - 5 - 3", 12}, // left to right, not 20 - (5 - 3)
        {"(7 - 3) * 2", 8},
        {"24 : 4 : 2", 3}, // left to right, not 24 : (4 : 2)
        {"8 : 2 * 4", 16}, // left to right, not 8 : (2 * 4)
        {"35 : 7 + 9", 14},
        {"4 * (5 + 3)", 32},
        {"100-100+300+400", 700},
        {"12 - 12", 0},
        {"7 - 3 * 2 + 1", 2},
        {"13 : 4", std::nullopt},      // not whole
        {"5 : (3 - 3)", std::nullopt}, // by zero
        {"3 - 5 + 4", std::nullopt},   // passes through -2
        {"(2 + 3", std::nullopt},
        {"2 +", std::nullopt},
        {"2 3", std::nullopt},
        {"", std::nullopt},
    };
    for (const EvaluatorCase& c : cases) {
        EXPECT_EQ(EvaluateWhole(c.Text), c.Value) << '"' << c.Text << '"';
    }
}

// ---- What each kind of exercise may look like ----

using Numbers = std::vector<int64_t>;

// The values of one draw: Low..High in steps of Step.
struct Span {
    int64_t Low;
    int64_t High;
    int64_t Step = 1;
    bool Has(int64_t x) const { return x >= Low && x <= High && (x - Low) % Step == 0; }
};

bool Between(int64_t x, int64_t low, int64_t high) { return x >= low && x <= high; }

// a = n[0] / n[1] when the division is exact, else -1 (which no span holds).
int64_t ExactQuotient(const Numbers& n) { return n[1] > 0 && n[0] % n[1] == 0 ? n[0] / n[1] : -1; }

// One shape of expression (every number written as "n", operators and brackets as written) with
// the conditions its numbers n, in written order, and its answer v must meet.
struct ShapeRule {
    std::string Shape;
    std::function<bool(const Numbers& n, int64_t v)> Holds;
};
using Rules = std::vector<ShapeRule>;

Rules AdditionSubtractionRules(int difficulty) {
    struct Limits {
        Span Operand;
        int64_t SumLow, SumHigh, DifferenceLow;
    };
    if (difficulty == 4) {
        const Span addend{10, 990, 10}, minuend{10, 990, 10}, subtrahend{10, 80, 10};
        return {
            {"n + n",
             [=](const Numbers& n, int64_t) {
                 return addend.Has(n[0]) && addend.Has(n[1]) && Between(n[0] + n[1], 100, 999) &&
                        (n[0] < 100 || n[1] < 100);
             }},
            {"n - n", [=](const Numbers& n,
                          int64_t) { return minuend.Has(n[0]) && subtrahend.Has(n[1]) && n[1] < n[0]; }},
        };
    }
    const Limits limits[] = {{{1, 20}, 6, 20, 1}, {{1, 50}, 10, 50, 10}, {{1, 100}, 20, 100, 20}};
    const Limits l = limits[difficulty - 1];
    return {
        {"n + n",
         [=](const Numbers& n, int64_t) {
             return l.Operand.Has(n[0]) && l.Operand.Has(n[1]) && Between(n[0] + n[1], l.SumLow, l.SumHigh);
         }},
        {"n - n",
         [=](const Numbers& n, int64_t) {
             return l.Operand.Has(n[0]) && l.Operand.Has(n[1]) && n[0] - n[1] >= l.DifferenceLow;
         }},
    };
}

Rules MultiplicationRules(int difficulty) {
    if (difficulty == 4) {
        return {{"n * n", [](const Numbers& n, int64_t v) {
                     return Span{2, 100}.Has(n[0]) && Span{2, 100}.Has(n[1]) && v <= 999 &&
                            (n[0] % 10 == 0 || n[1] % 10 == 0);
                 }}};
    }
    const Span factors[] = {{2, 11}, {2, 21}, {2, 21}};
    const int64_t lows[] = {0, 20, 50}, highs[] = {20, 50, 100};
    const Span f = factors[difficulty - 1];
    const int64_t low = lows[difficulty - 1], high = highs[difficulty - 1];
    return {{"n * n", [=](const Numbers& n, int64_t v) {
                 return f.Has(n[0]) && f.Has(n[1]) && Between(v, low, high);
             }}};
}

// n = {dividend, divisor}, v = quotient.
Rules DivisionRules(int difficulty) {
    const Span draws[] = {{2, 31}, {2, 31}, {2, 51}, {20, 100, 10}};
    const int64_t lows[] = {0, 20, 50, 0}, highs[] = {20, 50, 100, 1000};
    const Span d = draws[difficulty - 1];
    const int64_t low = lows[difficulty - 1], high = highs[difficulty - 1];
    return {{"n : n", [=](const Numbers& n, int64_t v) {
                 return d.Has(v) && d.Has(n[1]) && Between(n[0], low, high);
             }}};
}

// Kind 9: a is added and taken away again, so the answer is b + c. Forms 0 (a, b, c, a) and 3
// (b, c, a, a) share one shape.
Rules CancellingRules(bool blanks, Span a, Span b, Span c, int64_t low, int64_t high) {
    const std::string plus = blanks ? " + " : "+", minus = blanks ? " - " : "-";
    return {
        {"n" + plus + "n" + plus + "n" + minus + "n",
         [=](const Numbers& n, int64_t v) {
             const bool form0 = n[0] == n[3] && a.Has(n[0]) && b.Has(n[1]) && c.Has(n[2]);
             const bool form3 = n[2] == n[3] && b.Has(n[0]) && c.Has(n[1]) && a.Has(n[2]);
             return (form0 || form3) && Between(v, low, high);
         }},
        {"n" + minus + "n" + plus + "n" + plus + "n",
         [=](const Numbers& n, int64_t v) {
             return n[0] == n[1] && a.Has(n[0]) && b.Has(n[2]) && c.Has(n[3]) && Between(v, low, high);
         }},
        {"n" + plus + "n" + minus + "n" + plus + "n",
         [=](const Numbers& n, int64_t v) {
             return n[0] == n[2] && a.Has(n[0]) && b.Has(n[1]) && c.Has(n[3]) && Between(v, low, high);
         }},
    };
}

// Kinds 11 and 12: a * (b op c) or (b op c) * a; with "-", c < b.
Rules BracketProductRules(char op, Span a, Span b, Span c, int64_t low, int64_t high) {
    const std::string inner = std::string("n ") + op + " n";
    const auto holds = [=](int64_t x, int64_t y, int64_t z) {
        return a.Has(x) && b.Has(y) && c.Has(z) && (op == '+' || z < y) &&
               Between(x * (op == '+' ? y + z : y - z), low, high);
    };
    return {
        {"n * (" + inner + ")", [=](const Numbers& n, int64_t) { return holds(n[0], n[1], n[2]); }},
        {"(" + inner + ") * n", [=](const Numbers& n, int64_t) { return holds(n[2], n[0], n[1]); }},
    };
}

// Kinds 13 and 14: a : (b op c) with a divisor of at most maxDivisor and a quotient of at most
// maxQuotient; with "-", c < b.
Rules BracketQuotientRules(char op, Span a, Span b, Span c, int64_t maxDivisor, int64_t maxQuotient) {
    const std::string shape = std::string("n : (n ") + op + " n)";
    return {{shape, [=](const Numbers& n, int64_t) {
                 const int64_t divisor = op == '+' ? n[1] + n[2] : n[1] - n[2];
                 return a.Has(n[0]) && b.Has(n[1]) && c.Has(n[2]) && Between(divisor, 1, maxDivisor) &&
                        n[0] % divisor == 0 && n[0] / divisor <= maxQuotient;
             }}};
}

Rules Join(std::initializer_list<Rules> parts) {
    Rules rules;
    for (const Rules& part : parts) rules.insert(rules.end(), part.begin(), part.end());
    return rules;
}

Rules ExpressionRulesLimit20() {
    const Span s10{1, 10}, s20{1, 20}, quotientDivisor{2, 9};
    return {
        {"n + n * n",
         [=](const Numbers& n, int64_t) {
             return s10.Has(n[0]) && s10.Has(n[1]) && s10.Has(n[2]) && n[1] * n[2] <= 20 &&
                    n[0] + n[1] * n[2] <= 20;
         }},
        {"n : n + n",
         [=](const Numbers& n, int64_t) {
             const int64_t a = ExactQuotient(n);
             return quotientDivisor.Has(n[1]) && s20.Has(a) && s20.Has(n[2]) && n[0] <= 20 && a + n[2] <= 20;
         }},
        {"n : n - n",
         [=](const Numbers& n, int64_t) {
             const int64_t a = ExactQuotient(n);
             return quotientDivisor.Has(n[1]) && s20.Has(a) && s20.Has(n[2]) && n[0] <= 20 && a - n[2] >= 1;
         }},
        {"n * n - n",
         [=](const Numbers& n, int64_t) {
             return s10.Has(n[0]) && s10.Has(n[1]) && s20.Has(n[2]) && n[0] * n[1] <= 20 &&
                    n[0] * n[1] - n[2] >= 1;
         }},
        {"n * n + n",
         [=](const Numbers& n, int64_t) {
             return s10.Has(n[0]) && s10.Has(n[1]) && s10.Has(n[2]) && n[0] * n[1] <= 20 &&
                    n[0] * n[1] + n[2] <= 20;
         }},
        {"n - n - n",
         [=](const Numbers& n, int64_t) {
             return s20.Has(n[0]) && s20.Has(n[1]) && s20.Has(n[2]) && n[0] - n[1] - n[2] >= 1;
         }},
        {"n + n + n",
         [=](const Numbers& n, int64_t) {
             return s20.Has(n[0]) && s20.Has(n[1]) && s20.Has(n[2]) && n[0] + n[1] + n[2] <= 20;
         }},
        {"n + n - n",
         [=](const Numbers& n, int64_t) {
             return s20.Has(n[0]) && s20.Has(n[1]) && s20.Has(n[2]) && n[0] + n[1] <= 20 &&
                    n[2] < n[0] + n[1];
         }},
    };
}

Rules ExpressionRulesLimit50() {
    const Span s10{1, 10}, s20{1, 20}, s30{1, 30}, s50{1, 50}, from2{2, 10}, fives{5, 25, 5};
    const Rules first = {
        {"n + n * n",
         [=](const Numbers& n, int64_t) {
             return s30.Has(n[0]) && s10.Has(n[1]) && s10.Has(n[2]) && Between(n[1] * n[2], 20, 50) &&
                    Between(n[0] + n[1] * n[2], 20, 50);
         }},
        {"n : n + n",
         [=](const Numbers& n, int64_t) {
             const int64_t a = ExactQuotient(n);
             return Span{2, 9}.Has(n[1]) && s50.Has(a) && s20.Has(n[2]) && Between(n[0], 20, 50) &&
                    Between(a + n[2], 20, 50);
         }},
        {"n : n - n",
         [=](const Numbers& n, int64_t) {
             const int64_t a = ExactQuotient(n);
             return from2.Has(n[1]) && from2.Has(a) && s50.Has(n[2]) && n[0] <= 50 && a >= n[2];
         }},
        {"n * n - n",
         [=](const Numbers& n, int64_t) {
             return s10.Has(n[0]) && s10.Has(n[1]) && s50.Has(n[2]) && Between(n[0] * n[1], 20, 50) &&
                    n[2] <= n[0] * n[1];
         }},
        {"n * n + n",
         [=](const Numbers& n, int64_t) {
             return from2.Has(n[0]) && from2.Has(n[1]) && s30.Has(n[2]) &&
                    Between(n[0] * n[1] + n[2], 20, 50);
         }},
        {"n - n - n",
         [=](const Numbers& n, int64_t) {
             const Span a{10, 50, 10}, b = s20, c{10, 30, 10};
             return a.Has(n[0]) && ((b.Has(n[1]) && c.Has(n[2])) || (c.Has(n[1]) && b.Has(n[2]))) &&
                    n[0] - n[1] - n[2] >= 1;
         }},
        {"n + n + n",
         [=](const Numbers& n, int64_t) {
             return fives.Has(n[0]) && s20.Has(n[1]) && fives.Has(n[2]) && n[0] + n[1] + n[2] <= 50;
         }},
        {"n + n - n",
         [=](const Numbers& n, int64_t) {
             return Span{5, 40, 5}.Has(n[0]) && s20.Has(n[1]) && fives.Has(n[2]) && n[0] + n[1] <= 50 &&
                    n[2] < n[0] + n[1];
         }},
        {"n + n + n + n",
         [=](const Numbers& n, int64_t v) {
             return fives.Has(n[0]) && s20.Has(n[1]) && fives.Has(n[2]) && fives.Has(n[3]) &&
                    Between(v, 20, 50);
         }},
        {"n * n * n",
         [=](const Numbers& n, int64_t v) {
             return Span{0, 7}.Has(n[0]) && Span{0, 7}.Has(n[1]) && Span{0, 7}.Has(n[2]) &&
                    Between(v, 20, 50);
         }},
    };
    return Join({first, CancellingRules(true, fives, s20, fives, 20, 50),
                 BracketProductRules('-', from2, s10, s10, 20, 50),
                 BracketProductRules('+', from2, s10, s10, 20, 50),
                 BracketQuotientRules('-', {20, 50}, s20, s10, 10, 10),
                 BracketQuotientRules('+', {20, 50}, s10, s10, 10, 10)});
}

Rules ExpressionRulesLimit100() {
    const Span s10{1, 10}, s20{1, 20}, s50{1, 50}, from2{2, 10}, fives{5, 50, 5};
    const Rules first = {
        {"n + n * n",
         [=](const Numbers& n, int64_t) {
             return s50.Has(n[0]) && s10.Has(n[1]) && s10.Has(n[2]) && Between(n[1] * n[2], 50, 100) &&
                    Between(n[0] + n[1] * n[2], 50, 100);
         }},
        {"n : n + n",
         [=](const Numbers& n, int64_t) {
             const int64_t a = ExactQuotient(n);
             return Span{2, 9}.Has(n[1]) && s50.Has(a) && s20.Has(n[2]) && Between(n[0], 50, 100) &&
                    Between(a + n[2], 50, 100);
         }},
        {"n : n - n",
         [=](const Numbers& n, int64_t) {
             const int64_t a = ExactQuotient(n);
             return Span{2, 11}.Has(n[1]) && Span{2, 11}.Has(a) && s50.Has(n[2]) && n[0] <= 100 && a >= n[2];
         }},
        {"n * n - n",
         [=](const Numbers& n, int64_t) {
             return s10.Has(n[0]) && s10.Has(n[1]) && s50.Has(n[2]) && Between(n[0] * n[1], 50, 100) &&
                    n[2] <= n[0] * n[1];
         }},
        {"n * n + n",
         [=](const Numbers& n, int64_t) {
             return from2.Has(n[0]) && from2.Has(n[1]) && Span{10, 90, 10}.Has(n[2]) &&
                    Between(n[0] * n[1] + n[2], 50, 100);
         }},
        {"n - n - n",
         [=](const Numbers& n, int64_t) {
             const Span a{20, 100, 20}, b = s20, c{10, 50, 10};
             return a.Has(n[0]) && ((b.Has(n[1]) && c.Has(n[2])) || (c.Has(n[1]) && b.Has(n[2]))) &&
                    n[0] - n[1] - n[2] >= 1;
         }},
        {"n + n + n",
         [=](const Numbers& n, int64_t) {
             const Span tens{10, 50, 10};
             return tens.Has(n[0]) && s20.Has(n[1]) && tens.Has(n[2]) && n[0] + n[1] + n[2] <= 100;
         }},
        {"n + n - n",
         [=](const Numbers& n, int64_t) {
             const Span tens{10, 80, 10};
             return tens.Has(n[0]) && s20.Has(n[1]) && tens.Has(n[2]) && n[0] + n[1] <= 100 &&
                    n[2] < n[0] + n[1];
         }},
        {"n + n + n + n",
         [=](const Numbers& n, int64_t v) {
             return fives.Has(n[0]) && s20.Has(n[1]) && fives.Has(n[2]) && fives.Has(n[3]) &&
                    Between(v, 50, 100);
         }},
        {"n * n * n",
         [=](const Numbers& n, int64_t v) {
             return Span{0, 10}.Has(n[0]) && Span{0, 10}.Has(n[1]) && Span{0, 10}.Has(n[2]) &&
                    Between(v, 50, 100);
         }},
    };
    return Join({first, CancellingRules(true, fives, s20, fives, 50, 100),
                 BracketProductRules('-', from2, s20, s10, 50, 100),
                 BracketProductRules('+', from2, s10, s10, 50, 100),
                 BracketQuotientRules('-', {50, 100}, s20, s10, 20, 20),
                 BracketQuotientRules('+', {50, 100}, s10, s10, 20, 20)});
}

Rules ExpressionRulesLimit1000() {
    const Span s10{1, 10}, s20{1, 20}, fifties{50, 1000, 50}, tens{10, 200, 10}, hundreds{100, 900, 100};
    const Rules first = {
        {"n + n * n",
         [=](const Numbers& n, int64_t) {
             const Span b{10, 100, 10};
             return fifties.Has(n[0]) && b.Has(n[1]) && b.Has(n[2]) && Between(n[1] * n[2], 100, 1000) &&
                    Between(n[0] + n[1] * n[2], 100, 1000);
         }},
        {"n : n + n",
         [=](const Numbers& n, int64_t) {
             const int64_t a = ExactQuotient(n);
             return Span{2, 9}.Has(n[1]) && fifties.Has(a) && s20.Has(n[2]) && Between(n[0], 50, 1000) &&
                    Between(a + n[2], 50, 1000);
         }},
        {"n : n - n",
         [=](const Numbers& n, int64_t) {
             const int64_t a = ExactQuotient(n);
             return Span{2, 11}.Has(n[1]) && Span{100, 1000, 50}.Has(a) && Span{1, 50}.Has(n[2]) &&
                    n[0] <= 1000 && a >= n[2];
         }},
        {"n * n - n",
         [=](const Numbers& n, int64_t) {
             return Span{100, 1000, 100}.Has(n[0]) && s10.Has(n[1]) && fifties.Has(n[2]) &&
                    Between(n[0] * n[1], 100, 1000) && n[2] <= n[0] * n[1];
         }},
        {"n * n + n",
         [=](const Numbers& n, int64_t) {
             const Span a{2, 10};
             return ((a.Has(n[0]) && fifties.Has(n[1])) || (fifties.Has(n[0]) && a.Has(n[1]))) &&
                    hundreds.Has(n[2]) && Between(n[0] * n[1] + n[2], 100, 1000);
         }},
        {"n - n - n",
         [=](const Numbers& n, int64_t) {
             return fifties.Has(n[0]) && tens.Has(n[1]) && tens.Has(n[2]) && n[0] - n[1] - n[2] >= 0;
         }},
        {"n + n + n",
         [=](const Numbers& n, int64_t) {
             return fifties.Has(n[0]) && tens.Has(n[1]) && tens.Has(n[2]) && n[0] + n[1] + n[2] <= 1000;
         }},
        {"n + n - n",
         [=](const Numbers& n, int64_t) {
             return fifties.Has(n[0]) && tens.Has(n[1]) && tens.Has(n[2]) && n[0] + n[1] <= 1000 &&
                    n[2] < n[0] + n[1];
         }},
        {"n+n+n+n",
         [=](const Numbers& n, int64_t v) {
             return hundreds.Has(n[0]) && hundreds.Has(n[1]) && hundreds.Has(n[2]) && hundreds.Has(n[3]) &&
                    Between(v, 100, 1000);
         }},
        // Forms a * b * c, b * a * c, c * b * a: the multiple of 50 may stand anywhere.
        {"n * n * n",
         [=](const Numbers& n, int64_t v) {
             bool oneFifty = false;
             for (int i = 0; i < 3; ++i) {
                 oneFifty =
                     oneFifty || (fifties.Has(n[i]) && s10.Has(n[(i + 1) % 3]) && s10.Has(n[(i + 2) % 3]));
             }
             return oneFifty && Between(v, 100, 1000);
         }},
    };
    return Join({first, CancellingRules(false, hundreds, hundreds, hundreds, 0, 1000),
                 BracketProductRules('-', fifties, s20, s10, 100, 1000),
                 BracketProductRules('+', {2, 10}, fifties, fifties, 100, 1000),
                 BracketQuotientRules('-', {200, 1000, 100}, s20, s10, 20, 20),
                 BracketQuotientRules('+', {200, 1000, 100}, s10, s10, 20, 20)});
}

Rules RulesFor(int difficulty, int operation) {
    switch (operation) {
    case 1: return AdditionSubtractionRules(difficulty);
    case 2: return MultiplicationRules(difficulty);
    case 3: return DivisionRules(difficulty);
    default: break;
    }
    switch (difficulty) {
    case 1: return ExpressionRulesLimit20();
    case 2: return ExpressionRulesLimit50();
    case 3: return ExpressionRulesLimit100();
    default: return ExpressionRulesLimit1000();
    }
}

// ---- Reading a Question ----

// The arithmetic a Question asks for, as plain text, and its numbers and shape.
struct ReadQuestion {
    std::string Expression;
    Numbers Values;
    std::string Shape;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Takes a number written in plain digits (no sign, no leading zero) from the front of text.
std::optional<std::string> TakeNumber(std::string_view& text) {
    std::size_t length = 0;
    while (length < text.size() && IsDigit(text[length])) ++length;
    if (length == 0 || length > 9 || (length > 1 && text[0] == '0')) return std::nullopt;
    std::string number(text.substr(0, length));
    text.remove_prefix(length);
    return number;
}

bool TakeLiteral(std::string_view& text, std::string_view literal) {
    if (!text.starts_with(literal)) return false;
    text.remove_prefix(literal.size());
    return true;
}

// Splits an expression into its numbers and its shape; nullopt for a badly written number.
std::optional<ReadQuestion> Analyse(std::string expression) {
    ReadQuestion read{std::move(expression), {}, {}};
    std::string_view rest = read.Expression;
    while (!rest.empty()) {
        if (IsDigit(rest[0])) {
            const std::optional<std::string> number = TakeNumber(rest);
            if (!number) return std::nullopt;
            read.Values.push_back(std::stoll(*number));
            read.Shape += 'n';
        } else {
            read.Shape += rest[0];
            rest.remove_prefix(1);
        }
    }
    return read;
}

// Checks the frame the closing step puts around each operation's Question and returns what is
// inside it as an expression; nullopt when the frame is wrong.
std::optional<ReadQuestion> Read(std::string_view question, int operation) {
    switch (operation) {
    case 2: { // "*<" A "><" B " = >": one product item
        std::string_view rest = question;
        if (!TakeLiteral(rest, "*<")) return std::nullopt;
        const std::optional<std::string> a = TakeNumber(rest);
        if (!a || !TakeLiteral(rest, "><")) return std::nullopt;
        const std::optional<std::string> b = TakeNumber(rest);
        if (!b || rest != " = >") return std::nullopt;
        return Analyse(*a + " * " + *b);
    }
    case 3: { // "A : B = ": plain text, nothing else
        std::string_view rest = question;
        const std::optional<std::string> a = TakeNumber(rest);
        if (!a || !TakeLiteral(rest, " : ")) return std::nullopt;
        const std::optional<std::string> b = TakeNumber(rest);
        if (!b || rest != " = ") return std::nullopt;
        return Analyse(*a + " : " + *b);
    }
    default: { // "&<" body ">< = >"
        const std::string_view open = "&<", close = ">< = >";
        if (question.size() < open.size() + close.size() || !question.starts_with(open) ||
            !question.ends_with(close)) {
            return std::nullopt;
        }
        return Analyse(
            std::string(question.substr(open.size(), question.size() - open.size() - close.size())));
    }
    }
}

// ---- The soak ----

struct SoakCase {
    int Difficulty;
    int Operation;
    std::size_t Shapes;            // distinct expression shapes the kinds and forms can write
    std::size_t DistinctQuestions; // every possible Question, where there are few enough; 0: not counted
};

// Shapes of operation 4: difficulty 1 has eight kinds of eight shapes. Difficulties 2-4 have 15
// kinds: kind 9's four forms give three shapes (forms 0 and 3 coincide), kinds 11 and 12 two each,
// and the forms of kinds 4, 5 and 10 only reorder numbers, so 12 + 3 + 2 + 2 = 19.
// The Question counts are the whole pairs each table accepts, e.g. the eight divisions of 1000.
const SoakCase SoakCases[] = {
    {1, 1, 2, 370}, {1, 2, 1, 27},  {1, 3, 1, 27},  {1, 4, 8, 0},  //
    {2, 1, 2, 0},   {2, 2, 1, 77},  {2, 3, 1, 85},  {2, 4, 19, 0}, //
    {3, 1, 2, 0},   {3, 2, 1, 95},  {3, 3, 1, 179}, {3, 4, 19, 0}, //
    {4, 1, 2, 0},   {4, 2, 1, 529}, {4, 3, 1, 8},   {4, 4, 19, 0}, //
};

void PrintTo(const SoakCase& c, std::ostream* os) {
    *os << "difficulty " << c.Difficulty << ", operation " << c.Operation;
}

// The highest answer each difficulty allows: every kind of every operation stays within it.
constexpr int64_t AnswerLimit[] = {0, 20, 50, 100, 1000};

constexpr uint32_t Seeds[] = {1u, 20250611u, 3987654321u, 777u};
constexpr int ExercisesPerSeed = 10000;

// What is wrong with one exercise, or empty.
std::string Fault(const TExercise& exercise, const SoakCase& c, const Rules& rules,
                  std::set<std::string>& shapesSeen) {
    if (exercise.Topic.Difficulty != c.Difficulty || exercise.Topic.Operation != c.Operation) {
        return "topic (" + std::to_string(exercise.Topic.Difficulty) + ", " +
               std::to_string(exercise.Topic.Operation) + ")";
    }
    if (!exercise.Suffix.empty() || !exercise.Prompt.empty() || !exercise.TaskText.empty()) {
        return "suffix, prompt or task text not empty";
    }
    if (exercise.Expected.Decimals != 0 || exercise.Expected.Value < 0) {
        return "expected " + std::to_string(exercise.Expected.Value) + " with " +
               std::to_string(exercise.Expected.Decimals) + " decimals";
    }
    const std::optional<ReadQuestion> read = Read(exercise.Question, c.Operation);
    if (!read) return "malformed question";
    WholeNumberEvaluator evaluator(read->Expression);
    const std::optional<int64_t> value = evaluator.Evaluate();
    if (!value) return "not computable in whole numbers: " + evaluator.Error();
    if (*value != exercise.Expected.Value) {
        return "question's value is " + std::to_string(*value) + ", expected " +
               std::to_string(exercise.Expected.Value);
    }
    if (*value > AnswerLimit[c.Difficulty]) return "answer above the difficulty's limit";
    for (const ShapeRule& rule : rules) {
        if (rule.Shape != read->Shape) continue;
        shapesSeen.insert(rule.Shape);
        return rule.Holds(read->Values, *value) ? "" : "numbers outside their ranges or conditions";
    }
    return "unknown shape \"" + read->Shape + "\"";
}

class Area1SoakTest : public testing::TestWithParam<SoakCase> {};

TEST_P(Area1SoakTest, EveryExerciseKeepsItsKindsRules) {
    const SoakCase& c = GetParam();
    const Rules rules = RulesFor(c.Difficulty, c.Operation);

    TNumeravaGenerator generator;
    generator.Area = 1;
    generator.DifficultySet = MakeSet({c.Difficulty});
    generator.OperationSet = MakeSet({c.Operation});

    std::set<std::string> shapesSeen, questionsSeen;
    int faults = 0;
    std::string report;
    for (const uint32_t seed : Seeds) {
        SeedRandom(seed);
        for (int i = 0; i < ExercisesPerSeed; ++i) {
            const TExercise exercise = generator.Generate();
            if (c.DistinctQuestions != 0) questionsSeen.insert(exercise.Question);
            const std::string fault = Fault(exercise, c, rules, shapesSeen);
            if (fault.empty()) continue;
            if (++faults <= 5) {
                report += "\n  seed " + std::to_string(seed) + " #" + std::to_string(i) + ": \"" +
                          exercise.Question + "\" expected " + FormatNumber(exercise.Expected) + ": " + fault;
            }
        }
    }
    EXPECT_EQ(faults, 0) << report;

    std::string missing;
    for (const ShapeRule& rule : rules) {
        if (!shapesSeen.contains(rule.Shape)) missing += " \"" + rule.Shape + "\"";
    }
    EXPECT_EQ(shapesSeen.size(), c.Shapes) << "never written:" << missing;
    if (c.DistinctQuestions != 0) { EXPECT_EQ(questionsSeen.size(), c.DistinctQuestions); }
}

std::string SoakCaseName(const testing::TestParamInfo<SoakCase>& info) {
    return "Difficulty" + std::to_string(info.param.Difficulty) + "Operation" +
           std::to_string(info.param.Operation);
}

INSTANTIATE_TEST_SUITE_P(Area1, Area1SoakTest, testing::ValuesIn(SoakCases), SoakCaseName);

} // namespace
} // namespace numerava
