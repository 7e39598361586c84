// Soak test of the area-6 exercises of the right column: binomial formulas, factoring, conditions
// of fractional expressions and their simplification. Every exercise is read back by the formula
// reader of Area6FormulaReader.h: the expected number must be the one number that makes the
// equation an identity in its letters ("N" exactly when no number does), and a condition must be
// the zero of the denominator (the other zero, when one is shown).
//
// NUMERAVA_SOAK_SCALE=k multiplies the counts for long runs.

#include "Area6FormulaReader.h"

#include "catalogue/Selection.h"
#include "core/FixedNumber.h"
#include "core/Random.h"
#include "generator/Area6Common.h"
#include "generator/Area6RightColumn.h"
#include "generator/UnitsGenerator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace numerava {
namespace {

using formula::Rational;
using formula::Solutions;

int SoakScale() {
    const char* scale = std::getenv("NUMERAVA_SOAK_SCALE");
    const int value = scale != nullptr ? std::atoi(scale) : 1;
    return value > 0 ? value : 1;
}

// ---- The reader itself ----

TEST(Area6FormulaReaderTest, FindsTheNumbersThatFillTheBlank) {
    const struct {
        const char* question;
        const char* suffix;
        const char* solutions;
    } cases[] = {
        {"(x + 3)^<2> = x^<2> + 6x + ", "", "9"},
        {"(x + 3)^<2> = x^<2>+", "x+9", "6"},
        {"(x+0,3)*(x-0,3) = x^<2>-", "", "9/100"},
        {"(2a + 1)^<2> = ", "a^<2> + 4a + 1", "4"},
        {"(a - b)^<2> = a^<2> - ", "ab - b^<2>", "no number"},
        {"(x + 1)^<2> = x^<2> + x + ", "", "no number"},
        {"x^<2> - 16 = (x+4)*(x-", ")", "4"},
        {"x^<2> + 9 = (x+3)*(x+", ")", "no number"},
        {"3x + 6 = -3*(", " - x)", "-2"},
        {"9y + 45 = (y + 5)*", "", "9"},
        {"x - 9 = ", "*(x - 9)", "1"},
        {"5a - 2y = ", "*(2y - 5a)", "-1"},
        {"/<^<x><2> - 9><x + 3> = x - ", "", "3"},         // cancels: x − 3
        {"/<^<x><2> + 9><x - 3> = x + ", "", "no number"}, // a sum of squares
        {"/<^<25 - x><2>><5 + x> = ", " - x", "5"},        // 25 − x² over 5 + x
        {"/<^<4x><7>><^<x><3>> = ", "^<x><4>", "4"},       // the exponent belongs to x
        {"/<^<a><7>><^<b><3>> = ", "", "no number"},
        {"/<5a - 5b><b - a> =", "", "-5"},
        {"/<^<x><2> - 6x + 9><x - 3> = x - ", "", "3"},
        {"x = x + 0*", "", "every number"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formula::SolveBlankBetween(c.question, c.suffix).Text(), c.solutions)
            << c.question << c.suffix;
    }
    EXPECT_EQ(formula::SolveBlankExponent("x^<Ö>- 9 = (x+3)*(x-3)   ?=").Text(), "2");
    EXPECT_EQ(formula::SolveBlankExponent("(y+7)^<2>=y^<Ö>+14y+49   ?=").Text(), "2");
    EXPECT_EQ(formula::SolveBlankExponent("(y+7)^<2>=y^<Ö>+14y-49   ?=").Text(), "no number");
    // Misread mark-up is refused rather than guessed.
    EXPECT_THROW(formula::SolveBlankBetween("x - 9 = 1", "*(x - 9)"),
                 std::invalid_argument); // 1 and the blank
    EXPECT_THROW(formula::SolveBlankBetween("/<x><2", "= x"), std::invalid_argument);
}

TEST(Area6FormulaReaderTest, FindsTheZerosOfEveryDenominator) {
    const struct {
        const char* expression;
        std::vector<Rational> zeros;
    } cases[] = {
        {"/<x - 5><x - 3>", {Rational(3)}},
        {"/<x - 5><8 + x>", {Rational(-8)}},
        {"/<7><^<x><2> + 6x + 9>", {Rational(-3)}},
        {"/<x><^<9 - x><2>>", {Rational(-3), Rational(3)}},
        {"/<x + 2><^<x><2> - 4x>", {Rational(0), Rational(4)}},
        {"/<x - 1><(x - 3)*(x + 2)>", {Rational(-2), Rational(3)}},
        {"/<x + 3><4x - 1>", {Rational(1, 4)}},
        {"/<x><2> * /<x - 3><x + 3>", {Rational(-3)}}, // the constant denominator has no zero
        {"/<x><7> + /<1><12 - 4x>", {Rational(3)}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formula::DenominatorZeros(formula::Read(c.expression), 'x'), c.zeros) << c.expression;
    }
    EXPECT_THROW(formula::DenominatorZeros(formula::Read("/<1><^<x><2> - 2>"), 'x'), std::invalid_argument);
}

// ---- Checking one exercise ----

// The condition exercises end with a prompt: "x=" or "x≠" after the fraction, or a finished
// condition "x≠v" and then "x≠".
const std::regex OneCondition(R"((.*>) +([abxy])(=|Ä))");
const std::regex SecondCondition(R"((.*>) +([abxy])Ä(-?\d+) +([abxy])Ä)");

bool IsN(const TFixedNumber& x) { return x.Decimals == -1; }

Rational ValueOf(const TFixedNumber& x) {
    int64_t scale = 1;
    for (int i = 0; i < x.Decimals; ++i) scale *= 10;
    return Rational(x.Value, scale);
}

// Empty when the exercise is right, else what is wrong.
std::string CheckExercise(int difficulty, const std::string& question, const std::string& suffix,
                          const TFixedNumber& expected) {
    try {
        if (difficulty == 9) {
            if (!suffix.empty()) return "a condition with a suffix";
            if (IsN(expected)) return "a condition expects N";
            std::smatch match;
            if (std::regex_match(question, match, SecondCondition)) {
                if (match[2] != match[4]) return "two letters in the prompt";
                const auto zeros = formula::DenominatorZeros(formula::Read(match[1]), match[2].str()[0]);
                const Rational shown(std::stoll(match[3]));
                const Rational other = ValueOf(expected);
                const bool right =
                    zeros.size() == 2 && !(shown == other) &&
                    ((zeros[0] == shown && zeros[1] == other) || (zeros[1] == shown && zeros[0] == other));
                return right ? "" : "the zeros are not the shown one and the expected one";
            }
            if (!std::regex_match(question, match, OneCondition)) return "no condition prompt";
            const auto zeros = formula::DenominatorZeros(formula::Read(match[1]), match[2].str()[0]);
            if (zeros.size() != 1) return std::to_string(zeros.size()) + " zeros of the denominators";
            return zeros[0] == ValueOf(expected) ? "" : "the zero is " + zeros[0].Text();
        }
        const bool exponent = question.find(area6::Blank) != std::string::npos;
        if (exponent && (difficulty != 7 || !suffix.empty())) return "a blank inside the question";
        const Solutions solutions =
            exponent ? formula::SolveBlankExponent(question) : formula::SolveBlankBetween(question, suffix);
        if (IsN(expected))
            return solutions.Type == Solutions::None ? "" : "N, but " + solutions.Text() + " fits";
        if (solutions.Type != Solutions::One || !(solutions.Value == ValueOf(expected)))
            return "expects " + FormatNumber(expected) + ", filled by " + solutions.Text();
        return "";
    } catch (const std::exception& error) { return std::string("unreadable: ") + error.what(); }
}

// ---- Every kind alone ----

enum class Answers { Numbers, NoNumber, Both };

struct KindRule {
    int Kind;
    Answers Answer;
    std::set<std::string> Captions;
};

const std::set<std::string> FormulaCaption = {"Uprav podle vzorce - doplň"};
const std::set<std::string> ExponentCaptions = {"Doplň mocnitele", "Doplň exponent"};
const std::set<std::string> FactoringCaption = {"Rozlož na součin - doplň"};
const std::set<std::string> FactorOutCaption = {"Rozlož na součin vytýkáním - doplň"};
const std::set<std::string> RelationCaptions = {"Doplň, kdy nemá výraz smysl",
                                                "Urči podmínku lomeného výrazu"};
const std::set<std::string> SecondConditionCaption = {"Doplň druhou podmínku lomeného výrazu"};
const std::set<std::string> SimplifyCaption = {"Zjednoduš lomený výraz - doplň"};

struct Family {
    int Difficulty;
    std::function<void(TGenerateContext&, int)> Generate;
    std::vector<KindRule> Kinds;
    int Count; // exercises per kind
};

std::vector<Family> Families() {
    using A = Answers;
    std::vector<KindRule> binomials;
    for (int k = 0; k < area6::BinomialKinds; ++k) {
        const bool none = k == 10 || k == 11 || k == 12 || k == 18 || k == 21;
        binomials.push_back(
            {k, none ? A::NoNumber : A::Numbers, k >= 20 ? ExponentCaptions : FormulaCaption});
    }
    std::vector<KindRule> factoring;
    for (int k = 0; k < area6::FactoringKinds; ++k) {
        const bool none = k == 2 || k == 3 || k == 6 || k == 13;
        factoring.push_back(
            {k, none ? A::NoNumber : A::Numbers, k >= 7 ? FactorOutCaption : FactoringCaption});
    }
    std::vector<KindRule> conditions;
    for (int k = 0; k < area6::ConditionKinds; ++k) {
        const bool second = k == 4 || k == 5 || k == 8;
        conditions.push_back({k, A::Numbers, second ? SecondConditionCaption : RelationCaptions});
    }
    const std::vector<KindRule> fractions = {
        {0, A::Both, SimplifyCaption}, {1, A::Numbers, SimplifyCaption}, {2, A::NoNumber, SimplifyCaption},
        {3, A::Both, SimplifyCaption}, {4, A::Both, SimplifyCaption},    {5, A::Both, SimplifyCaption}};
    return {
        {7, area6::GenerateBinomialKind, binomials, 800},
        {8, area6::GenerateFactoringKind, factoring, 800},
        {9, area6::GenerateConditionKind, conditions, 800},
        {10, area6::GenerateRationalGroup, fractions, 5000},
    };
}

// Letter1 < Letter2 from a, b, x, y and any Letter3: the 24 combinations in turn.
void SetLetters(TGenerateContext& context, int index) {
    static const char* pairs[6][2] = {{"a", "b"}, {"a", "x"}, {"a", "y"}, {"b", "x"}, {"b", "y"}, {"x", "y"}};
    static const char* letters[4] = {"a", "b", "x", "y"};
    context.Letter1 = pairs[index % 6][0];
    context.Letter2 = pairs[index % 6][1];
    context.Letter3 = letters[(index / 6) % 4];
}

TEST(Area6RightColumnSoakTest, EveryKindAloneGivesTheOneNumberThatFits) {
    TNumeravaGenerator generator;
    generator.Area = 6;
    SeedRandom(7007);
    for (const Family& family : Families()) {
        for (const KindRule& rule : family.Kinds) {
            int answeredN = 0;
            int failures = 0;
            const int count = family.Count * SoakScale();
            for (int i = 0; i < count && failures < 5; ++i) {
                TGenerateContext context(generator);
                context.Difficulty = family.Difficulty;
                SetLetters(context, i);
                family.Generate(context, rule.Kind);
                area6::CloseArea6(context);
                const std::string where = "difficulty " + std::to_string(family.Difficulty) + " kind " +
                                          std::to_string(rule.Kind) + ": " + context.Question + " | " +
                                          context.Suffix + " | " + FormatNumber(context.Expected);
                EXPECT_TRUE(rule.Captions.count(context.TaskText))
                    << where << " caption " << context.TaskText;
                const std::string fault =
                    CheckExercise(family.Difficulty, context.Question, context.Suffix, context.Expected);
                if (!fault.empty()) {
                    ++failures;
                    ADD_FAILURE() << where << ": " << fault;
                }
                answeredN += IsN(context.Expected);
            }
            const std::string kind = std::to_string(family.Difficulty) + "/" + std::to_string(rule.Kind);
            switch (rule.Answer) {
            case Answers::Numbers: EXPECT_EQ(answeredN, 0) << kind; break;
            case Answers::NoNumber: EXPECT_EQ(answeredN, count) << kind; break;
            case Answers::Both:
                EXPECT_GT(answeredN, 0) << kind;
                EXPECT_LT(answeredN, count) << kind;
                break;
            }
        }
    }
}

// The path the drill takes: one item of the right column selected, Generate with its closing steps.
TEST(Area6RightColumnSoakTest, EachItemChosenAloneThroughGenerate) {
    SeedRandom(4242);
    for (int item = 1; item <= 4; ++item) {
        TNumeravaGenerator generator;
        generator.Area = 6;
        generator.OperationSet = ItemBit(item);
        const int count = 4000 * SoakScale();
        int failures = 0;
        for (int i = 0; i < count && failures < 5; ++i) {
            const TExercise exercise = generator.Generate();
            ASSERT_EQ(exercise.Topic.Difficulty, item + 6);
            ASSERT_FALSE(exercise.Question.empty());
            const std::string fault =
                CheckExercise(item + 6, exercise.Question, exercise.Suffix, exercise.Expected);
            if (!fault.empty()) {
                ++failures;
                ADD_FAILURE() << exercise.Question << " | " << exercise.Suffix << " | "
                              << FormatNumber(exercise.Expected) << ": " << fault;
            }
        }
    }
}

// ---- Exercises as the pupil sees them ----

struct Example {
    int Difficulty;
    int Kind;
    const char* Question;
    const char* Suffix;
    const char* Expected;
};

TEST(Area6RightColumnSoakTest, WritesTheExercisesAsTheyAreRead) {
    const Example examples[] = {
        {7, 2, "(x + 3)^<2> = x^<2> + 6x + ", "", "9"},
        {7, 19, "(x+0,3)*(x-0,3) = x^<2>-", "", "0,09"},
        {7, 6, "(2a + 1)^<2> = ", "a^<2> + 4a + 1", "4"},
        {7, 12, "(x + 1)^<2> = x^<2> + x + ", "", "N"}, // the coefficient 1 is not written
        {7, 20, "x^<Ö>- 9 = (x+3)*(x-3)   ?=", "", "2"},
        {7, 21, "x^<Ö>- 35 = (x-3)*(x+5)   ?=", "", "N"},
        {8, 0, "x^<2> - 16 = (x+4)*(x-", ")", "4"},
        {8, 2, "x^<2> + 9 = (x+3)*(x+", ")", "N"},
        {8, 6, "x^<2>-x+25 = (x-5)*(x-", ")", "N"},
        {8, 11, "12a - 4b = ", "*(3a - b)", "4"}, // no coefficient 1 in the suffix
        {8, 7, "3x + 6 = -3*(", " - x)", "-2"},
        {8, 14, "x^<2> - 9 = ", "*(x^<2> - 9)", "1"},
        {9, 0, "/<x - 5><x - 3>     x=", "", "3"},
        {9, 5, "/<x - 2><^<x><2> - 4x>    xÄ0    xÄ", "", "4"},
        {9, 7, "/<x - 3><4x - 1>     xÄ", "", "0,25"},
        {9, 4, "/<x><^<9 - x><2>>    xÄ-3    xÄ", "", "3"},
        {9, 8, "/<x - 1><(x - 3)*(x + 2)>   xÄ3  xÄ", "", "-2"},
        {10, 0, "/<^<x><2> - 9><x - 3> = x + ", "", "3"},
        {10, 5, "/<^<4x><7>><^<x><3>> = ", "^<x><4>", "4"},
        {10, 2, "/<^<x><2> - 6x + 3><x + 3> = x + ", "", "N"},
        {10, 4, "/<5a - 5b><b - a> =", "", "-5"},
        {10, 3, "/<4 - x><x - 4> =", "", "-1"},
    };
    const std::map<int, std::function<void(TGenerateContext&, int)>> generate = {
        {7, area6::GenerateBinomialKind},
        {8, area6::GenerateFactoringKind},
        {9, area6::GenerateConditionKind},
        {10, area6::GenerateRationalGroup}};
    TNumeravaGenerator generator;
    SeedRandom(99);
    for (const Example& example : examples) {
        bool found = false;
        for (int i = 0; i < 20000 && !found; ++i) {
            TGenerateContext context(generator);
            context.Letter1 = "a";
            context.Letter2 = "b";
            context.Letter3 = "x";
            generate.at(example.Difficulty)(context, example.Kind);
            area6::CloseArea6(context);
            if (context.Question != example.Question || context.Suffix != example.Suffix) continue;
            found = true;
            NormalizeNumber(context.Expected);
            EXPECT_EQ(FormatNumber(context.Expected), example.Expected) << example.Question;
        }
        EXPECT_TRUE(found) << example.Question << " | " << example.Suffix;
    }
}

// Two fractions joined by a spaced plus, minus or product dot; each operator appears.
TEST(Area6RightColumnSoakTest, TwoFractionsAreJoinedByASpacedSign) {
    const std::regex shape(R"(/<[^<>]+><[^<>]+>( \+ | - | \* )/<[^<>]+><[^<>]+>    x(=|Ä))");
    TNumeravaGenerator generator;
    SeedRandom(17);
    for (int kind : {10, 11}) {
        std::set<std::string> operators;
        for (int i = 0; i < 600; ++i) {
            TGenerateContext context(generator);
            context.Letter3 = "x";
            area6::GenerateConditionKind(context, kind);
            std::smatch match;
            ASSERT_TRUE(std::regex_match(context.Question, match, shape)) << context.Question;
            operators.insert(match[1]);
        }
        EXPECT_EQ(operators.size(), 3u) << kind;
    }
}

// (x² − s)/(x + m) = x − ? is filled by m exactly when s = m²; "N" otherwise.
TEST(Area6RightColumnSoakTest, ADifferenceOfSquaresOverASumIsNeverCalledUncancellableWhenItCancels) {
    const std::regex shape(R"(/<\^<x><2> - (\d+)><x \+ (\d+)> = x - )");
    TNumeravaGenerator generator;
    SeedRandom(31);
    int seen = 0;
    for (int i = 0; i < 30000; ++i) {
        TGenerateContext context(generator);
        context.Letter3 = "x";
        area6::GenerateRationalGroup(context, 0);
        std::smatch match;
        if (!std::regex_match(context.Question, match, shape)) continue;
        ++seen;
        const int s = std::stoi(match[1]);
        const int m = std::stoi(match[2]);
        if (s == m * m) EXPECT_TRUE(SameNumber(context.Expected, MakeNumber(0, m))) << context.Question;
        else EXPECT_TRUE(IsN(context.Expected)) << context.Question;
    }
    EXPECT_GT(seen, 1000);
}

// ---- Captions ----

TEST(Area6RightColumnSoakTest, EveryCaptionReadsRightInSlovak) {
    const std::map<std::string, std::string> slovak = {
        {"Uprav podle vzorce - doplň", "Doplň podľa vzorca"},
        {"Doplň mocnitele", "Doplň mocniteľa"},
        {"Doplň exponent", "Doplň exponenta"},
        {"Rozlož na součin - doplň", "Rozlož na súčin - doplň"},
        {"Rozlož na součin vytýkáním - doplň", "Rozlož na súčin - doplň"},
        {"Doplň, kdy nemá výraz smysl", "Doplň, kedy výraz nemá zmysel"},
        {"Urči podmínku lomeného výrazu", "Urči podmienku lomeného výrazu"},
        {"Doplň druhou podmínku lomeného výrazu", "Doplň druhú podmienku lomeného výrazu"},
        {"Zjednoduš lomený výraz - doplň", "Zjednoduš lomený výraz - doplň"}, // the same words in both
    };
    TNumeravaGenerator generator;
    generator.Area = 6;
    generator.OperationSet = MakeSet({1, 2, 3, 4});
    SeedRandom(5);
    std::set<std::string> captions;
    for (int i = 0; i < 20000; ++i) captions.insert(generator.Generate().TaskText);
    for (const auto& [czech, expected] : slovak)
        EXPECT_TRUE(captions.count(czech)) << "never shown: " << czech;
    for (const std::string& czech : captions) {
        ASSERT_TRUE(slovak.count(czech)) << "caption without a Slovak form: " << czech;
        std::string text = czech;
        TranslateTaskText(text);
        EXPECT_EQ(text, slovak.at(czech));
    }
}

} // namespace
} // namespace numerava
