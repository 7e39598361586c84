// Soak test of the area-6 difficulties 1 to 4, each selected alone: every exercise is read back
// from its mark-up by the independent checker of Area6Checker.h and must be mathematically right:
// an equation has the expected root and no other, an expression has the expected value, the
// expected number and only it fills the blank, and "N" is expected exactly where no number does.
// NUMERAVA_SOAK_SCALE=k multiplies the number of exercises (default a few seconds in all).

#include "generator/Area6Checker.h"

#include "catalogue/Selection.h"
#include "core/FixedNumber.h"
#include "core/Language.h"
#include "core/Random.h"
#include "generator/UnitsGenerator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace numerava {
namespace {

using namespace area6check;

int SoakScale() {
    const char* text = std::getenv("NUMERAVA_SOAK_SCALE");
    const int scale = text ? std::atoi(text) : 1;
    return scale > 0 ? scale : 1;
}

Rational AsRational(const TFixedNumber& x) { return FromDecimal(x.Value, x.Decimals); }

// Compares what fills the blank with the expected answer.
std::string CompareBlank(const Solutions& s, const TFixedNumber& expected) {
    if (s.Which == Solutions::All) return "every number fills the blank";
    if (IsSpecial(expected))
        return s.Which == Solutions::None ? "" : "expects N but " + s.Number.Text() + " fills it";
    if (s.Which == Solutions::None) return "no number fills the blank, expected " + FormatNumber(expected);
    return s.Number == AsRational(expected) ? "" : "the blank takes " + s.Number.Text();
}

// Letter values from "Urči hodnotu výrazu pro x=-3" or "... pro a=2, b=3".
std::optional<Values> CaptionValues(const std::string& caption) {
    static const std::regex one(R"(Urči hodnotu výrazu pro ([abxy])=(-?\d+))");
    static const std::regex two(R"(Urči hodnotu výrazu pro ([abxy])=(-?\d+), ([abxy])=(-?\d+))");
    std::smatch m;
    if (std::regex_match(caption, m, one))
        return Values{{static_cast<char32_t>(m[1].str()[0]), Rational(std::stoll(m[2]))}};
    if (std::regex_match(caption, m, two)) {
        return Values{{static_cast<char32_t>(m[1].str()[0]), Rational(std::stoll(m[2]))},
                      {static_cast<char32_t>(m[3].str()[0]), Rational(std::stoll(m[4]))}};
    }
    return std::nullopt;
}

// "equation     x=": the root of the equation in x is the expected number and the only one.
std::string CheckRoot(const std::string& equation, char letter, const TFixedNumber& expected) {
    if (IsSpecial(expected)) return "an equation expects N";
    auto [left, right] = Parser(Tokenize(equation)).Equation();
    const std::optional<Rational> root = OnlyRoot(left, right, static_cast<char32_t>(letter));
    if (!root) return "the equation has no single root";
    return *root == AsRational(expected) ? "" : "the root is " + root->Text();
}

// What is wrong with one exercise of the given difficulty, or empty.
std::string Fault(const TExercise& e, int difficulty) {
    if (e.Topic.Difficulty != difficulty) return "difficulty " + std::to_string(e.Topic.Difficulty);
    if (!e.Prompt.empty()) return "a prompt";
    if (!IsSpecial(e.Expected) && e.Expected.Decimals > 0 && e.Expected.Value % 10 == 0)
        return "expected answer not normalised";

    static const std::regex fallback(R"(0,[1-9]a \+ [1-9]?a =)");
    const bool isFallback = std::regex_match(e.Question, fallback) && e.Suffix == "a";
    static const std::regex rootPrompt(R"((.*\S)( {4,8})([abxy])=)");
    static const std::regex valuePrompt(R"((.*\S) {4,5}\?=)");
    static const std::regex exponentPrompt(R"((.*\S) {2,5}\?=)");
    std::smatch m;
    try {
        if (difficulty == 1 && !isFallback) {
            if (e.TaskText != "Urči kořen rovnice") return "caption";
            if (!e.Suffix.empty() || !std::regex_match(e.Question, m, rootPrompt)) return "layout";
            if (m[2].length() > 6) return "prompt spacing";
            return CheckRoot(m[1], m[3].str()[0], e.Expected);
        }
        if (difficulty == 2) {
            if (!e.Suffix.empty()) return "a suffix";
            static const std::regex target(R"(Urči ([abxy]), aby hodnota výrazu byla (-?\d+))");
            std::smatch t;
            if (std::regex_match(e.TaskText, t, target)) {
                if (!std::regex_match(e.Question, m, rootPrompt) || m[3] != t[1] || m[2].length() < 7)
                    return "layout";
                return CheckRoot(m[1].str() + " = " + t[2].str(), m[3].str()[0], e.Expected);
            }
            const std::optional<Values> values = CaptionValues(e.TaskText);
            if (!values) return "caption";
            if (!std::regex_match(e.Question, m, valuePrompt)) return "layout";
            if (IsSpecial(e.Expected)) return "a value expects N";
            const Rational value = Evaluate(Parser(Tokenize(m[1].str())).Expression(), *values, std::nullopt);
            return value == AsRational(e.Expected) ? "" : "the value is " + value.Text();
        }
        if (e.Question.find("Ö") != std::string::npos) {
            if (!e.Suffix.empty() || !std::regex_match(e.Question, m, exponentPrompt)) return "layout";
            return CompareBlank(BlankSolutions(m[1], true), e.Expected);
        }
        return CompareBlank(BlankSolutions(e.Question + "Ö" + e.Suffix, false), e.Expected);
    } catch (const CheckError& error) { return std::string("unreadable: ") + error.what(); }
}

struct SoakCase {
    int Difficulty;
    int ExercisesPerSeed;
    std::set<std::string> Captions; // exactly the captions the difficulty writes (patterns for 2)
};

const SoakCase SoakCases[] = {
    {1, 4000, {"Urči kořen rovnice"}},
    {2,
     4000,
     {"Urči hodnotu výrazu pro L=v", "Urči hodnotu výrazu pro L=v, L=v",
      "Urči L, aby hodnota výrazu byla v"}},
    {3,
     6000,
     {"Zjednoduš výraz - doplň", "Roznásob dvojčleny - doplň", "Zjednoduš - doplň", "Zapiš des. číslem",
      "Vyjádři v %"}},
    {4,
     8000,
     {"Zjednoduš - uprav", "Doplň mocnitele", "Doplň exponent", "Zjednoduš - doplň", "Vypočítej", "Doplň",
      "Doplň zlomek"}},
};

// A caption with its letters and numbers replaced by L and v.
std::string CaptionPattern(const std::string& caption) {
    static const std::regex letter(R"((pro |, |Urči )[abxy](=|,))");
    static const std::regex number(R"(-?\d+)");
    std::string pattern = std::regex_replace(caption, letter, "$1L$2");
    return std::regex_replace(pattern, number, "v");
}

constexpr uint32_t Seeds[] = {3u, 20261208u, 4000000007u};

class Area6SoakTest : public testing::TestWithParam<SoakCase> {};

TEST_P(Area6SoakTest, EveryExerciseIsRight) {
    const SoakCase& c = GetParam();
    TNumeravaGenerator generator;
    generator.Area = 6;
    generator.DifficultySet = MakeSet({c.Difficulty});
    generator.OperationSet = 0;

    std::set<std::string> captions;
    std::map<std::string, int> answers; // "N", whole, decimal: all kinds of answers occur
    int faults = 0;
    std::string report;
    const int count = c.ExercisesPerSeed * SoakScale();
    for (const uint32_t seed : Seeds) {
        SeedRandom(seed);
        for (int i = 0; i < count; ++i) {
            const TExercise exercise = generator.Generate();
            captions.insert(CaptionPattern(exercise.TaskText));
            ++answers[IsSpecial(exercise.Expected)     ? "N"
                      : exercise.Expected.Decimals > 0 ? "decimal"
                                                       : "whole"];
            const std::string fault = Fault(exercise, c.Difficulty);
            if (fault.empty()) continue;
            if (++faults <= 8) {
                report += "\n  seed " + std::to_string(seed) + " #" + std::to_string(i) + ": \"" +
                          exercise.Question + "\" suffix \"" + exercise.Suffix + "\" expected " +
                          FormatNumber(exercise.Expected) + " (" + exercise.TaskText + "): " + fault;
            }
        }
    }
    EXPECT_EQ(faults, 0) << report;
    EXPECT_EQ(captions, c.Captions);
    EXPECT_EQ(answers["N"] > 0, c.Difficulty >= 3) << "the answer N";
    EXPECT_EQ(answers["decimal"] > 0, c.Difficulty != 2) << "decimal answers";
}

std::string SoakCaseName(const testing::TestParamInfo<SoakCase>& info) {
    return "Difficulty" + std::to_string(info.param.Difficulty);
}

INSTANTIATE_TEST_SUITE_P(Area6, Area6SoakTest, testing::ValuesIn(SoakCases), SoakCaseName);

} // namespace
} // namespace numerava
