// The steps every area-6 exercise shares: the entry, the fallback exercise, the removal of a
// coefficient 1 and the debug text.

#include "catalogue/Selection.h"
#include "core/Random.h"
#include "generator/Area6Common.h"
#include "generator/UnitsGenerator.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

namespace numerava {
namespace {

TEST(Area6Framework, RemovesOnlyACoefficientOneBeforeALetter) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"1x + 3 = 5", "x + 3 = 5"},            // at the very start
        {"b + 1x", "b + x"},                    // after a space
        {"-1y = 4", "-y = 4"},                  // after a minus sign
        {"(1a+2)", "(a+2)"},                    // after a bracket
        {"11x = 22", "11x = 22"},               // part of 11
        {"0,1a + 3a =", "0,1a + 3a ="},         // part of 0,1
        {"0,1a + 1a =", "0,1a + 1a ="},         // only the first "1a" is looked at
        {"1a + 1b + 1x + 1y", "a + b + x + y"}, // each text once, in its order
        {"1a + 1a", "a + 1a"},
        {"21b - 1", "21b - 1"},
        {"x^<1>", "x^<1>"},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string text = c.before;
        area6::RemoveCoefficientOne(text);
        EXPECT_EQ(text, c.after) << c.before;
    }
}

TEST(Area6Framework, KindsWithoutACaseGiveTheFallbackExercise) {
    // Difficulties 5, 6 (left column) and 11, 12 (right column items 5, 6).
    const struct {
        uint8_t left, right;
        int difficulty;
    } selections[] = {
        {MakeSet({5}), 0, 5}, {MakeSet({6}), 0, 6}, {0, MakeSet({5}), 11}, {0, MakeSet({6}), 12}};
    const std::regex fallback(R"(0,([1-9])a \+ ([1-9]?)a =)");
    SeedRandom(2024);
    for (const auto& s : selections) {
        TNumeravaGenerator generator;
        generator.Area = 6;
        generator.DifficultySet = s.left;
        generator.OperationSet = s.right;
        std::set<std::string> seen;
        for (int i = 0; i < 2000; ++i) {
            const TExercise exercise = generator.Generate();
            std::smatch match;
            ASSERT_TRUE(std::regex_match(exercise.Question, match, fallback)) << exercise.Question;
            EXPECT_EQ(exercise.Topic.Difficulty, s.difficulty);
            EXPECT_EQ(exercise.Suffix, "a");
            EXPECT_EQ(exercise.TaskText, "");
            // o/10 a + m a = (m + o/10) a; a missing m is a removed 1, except 0,1a + 1a where it stays.
            const int o = std::stoi(match[1]);
            const int m = match[2].length() == 0 ? 1 : std::stoi(match[2]);
            if (o == 1) { EXPECT_NE(match[2].length(), 0u) << exercise.Question; }
            const TFixedNumber expected = MakeNumber(1, 10 * m + o);
            EXPECT_TRUE(SameNumber(exercise.Expected, expected)) << exercise.Question;
            EXPECT_EQ(generator.DebugText, std::to_string(s.difficulty) + "/0/" + exercise.Question +
                                               " #v# a/ RI:" + std::to_string(10 * m + o) + "/ RM:1");
            seen.insert(exercise.Question);
        }
        EXPECT_EQ(seen.size(), 81u) << "every o and m from 1 to 9";
    }
}

TEST(Area6Framework, NothingSelectedMeansPowersAndANormalisedAnswerStaysInTheDebugText) {
    TNumeravaGenerator generator;
    generator.Area = 6;
    TGenerateContext context(generator);
    context.Letter1 = "a";
    context.Letter2 = "b";
    context.Letter3 = "x";
    SeedRandom(5);
    GenerateArea6(context);
    EXPECT_EQ(context.Difficulty, 4);
    EXPECT_FALSE(context.Question.empty());
    EXPECT_EQ(generator.DebugText.rfind("4/0/", 0), 0u) << generator.DebugText;
}

} // namespace
} // namespace numerava
