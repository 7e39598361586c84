#include "catalogue/WordProblemLine.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace numerava {
namespace {

struct SplitCase {
    const char* line;
    const char* answer;
    const char* unit;
    std::optional<std::string> prompt;
    const char* text;
};

TEST(WordProblemLineTest, TakesTheBracketedPartsOffTheFront) {
    const std::vector<SplitCase> cases{
        {"[12,5][km]%s a %s jdou.", "12,5", "km", std::nullopt, "%s a %s jdou."},
        {"[N][]%s a %s nevědí.", "N", "", std::nullopt, "%s a %s nevědí."},
        {"[3][kg][x = ]%s váží", "3", "kg", "x = ", "%s váží"},
        {"[80][\\<km/h>]%s jede", "80", "\\<km/h>", std::nullopt, "%s jede"},
        {"[1][]", "1", "", std::nullopt, ""},
        // With an extra text the problem text may hold "]" again.
        {"[1][a][b]c] d", "1", "a", "b", "c] d"},
        // A part ends at the first "]", so a "[" inside it is text of the part.
        {"[1[2][u]t", "1[2", "u", std::nullopt, "t"},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.line);
        const auto parts = SplitProblemLine(c.line);
        ASSERT_TRUE(parts.has_value());
        EXPECT_EQ(parts->Answer, c.answer);
        EXPECT_EQ(parts->Unit, c.unit);
        EXPECT_EQ(parts->Prompt, c.prompt);
        EXPECT_EQ(parts->Text, c.text);
    }
}

struct FaultCase {
    const char* line;
    ProblemLineFault fault;
};

TEST(WordProblemLineTest, FindsWhatMakesALineUnusable) {
    using enum ProblemLineFault;
    const std::vector<FaultCase> cases{
        {"[12,5][km]%s a %s", None},
        {"[N][]%s", None},
        {"[-3][°C]%s", None},
        {"[1][u][pre]%s ] %s", None}, // "]" after an extra text is plain text
        {"[-123456789][]%s", None},   // ten characters
        {"[0,25][]%s", None},
        {"[1][]100 %% of %s", None},
        {"[1][]%s, %s and %s", None}, // the third "%s" is the percent sign
        {"[1][]%1:s %s", None},       // after the second name comes the percent sign
        {"[1][]%2:s %0:s", None},
        {"", NoBrackets},
        {"12,5][km]%s", NoBrackets},
        {"[12,5]%s", NoBrackets},
        {"[12,5][km %s", NoBrackets},
        {"(12,5)[km]%s", NoBrackets},
        {"[1.5][km]%s", AnswerNotNumber},
        {"[][km]%s", AnswerNotNumber},
        {"[12 ][km]%s", AnswerNotNumber},
        {"[n][km]%s", AnswerNotNumber},
        {"[1,2,3][]%s", AnswerNotNumber},
        {"[99999999999999999999][]%s", AnswerNotNumber}, // beyond 64 bits
        {"[12345678901][]%s", AnswerTooLong},
        {"[,000000001][]%s", AnswerTooLong}, // written in ten, shown as 0,000000001
        {"[1][km]%s ] %s", StrayBracket},
        {"[1][km]%s [note] %s", StrayBracket},
        {"[1][]50 % of %s", StrayPercent},
        {"[1][]%s%", StrayPercent},
        {"[1][]%d apples", StrayPercent},
        {"[1][]%S", StrayPercent},
        {"[1][]%5s", StrayPercent},
        {"[1][]%3:s", StrayPercent},
        {"[1][]%10:s", StrayPercent},
        {"[1][]%s %s %s %s", StrayPercent}, // no fourth argument
        {"[1][]%2:s %s", StrayPercent},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(CheckProblemLine(c.line), c.fault);
    }
}

TEST(WordProblemLineTest, KnowsWhetherATextTakesAName) {
    const std::vector<std::pair<const char*, bool>> cases{
        {"%s", true},           {"%1:s", true},  {"%2:s %0:s", true}, {"", false},
        {"100 %% sure", false}, {"%2:s", false}, {"no names", false},
    };
    for (const auto& [text, uses] : cases) EXPECT_EQ(ProblemTextUsesNames(text), uses) << text;
}

} // namespace
} // namespace numerava
