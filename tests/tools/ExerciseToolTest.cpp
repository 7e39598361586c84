#include "exercises/ExerciseTool.h"
#include "exercises/ExerciseOptions.h"
#include "exercises/Json.h"

#include "catalogue/Selection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>

namespace numerava::tools {
namespace {

TEST(ExerciseOptions, ReadsEveryOption) {
    const auto parsed =
        ParseExerciseOptions({"--area", "5", "--difficulties", "1,6", "--operations", "2", "--mode", "4",
                              "--part", "16", "--count", "3", "--seed", "4294967295", "--language", "sk"});
    ASSERT_TRUE(std::holds_alternative<ExerciseOptions>(parsed)) << std::get<OptionError>(parsed).Message;
    const auto& options = std::get<ExerciseOptions>(parsed);
    EXPECT_EQ(options.Area, 5);
    EXPECT_EQ(options.DifficultySet, (1 << 1) | (1 << 6));
    EXPECT_EQ(options.OperationSet, 1 << 2);
    EXPECT_EQ(options.Mode, 4);
    EXPECT_EQ(options.Part, 16);
    EXPECT_EQ(options.Count, 3);
    EXPECT_EQ(options.Seed, 4294967295u);
    EXPECT_EQ(options.Language, 1);
}

TEST(ExerciseOptions, DefaultsToAllItemsOfTheArea) {
    for (const auto& [area, all] : {std::pair{"1", 30}, std::pair{"5", 126}, std::pair{"6", 30}}) {
        const auto parsed = ParseExerciseOptions({"--area", area});
        ASSERT_TRUE(std::holds_alternative<ExerciseOptions>(parsed));
        EXPECT_EQ(std::get<ExerciseOptions>(parsed).DifficultySet, all);
        EXPECT_EQ(std::get<ExerciseOptions>(parsed).OperationSet, all);
    }
}

TEST(ExerciseOptions, RejectsBadArgumentsWithAMessage) {
    const std::vector<std::vector<std::string>> cases = {
        {"--area", "7"},
        {"--area", "0"},
        {"--area", "x"},
        {"--area"},
        {"--difficulties", "5"},
        {"--difficulties", ""},
        {"--operations", "1,,2"},
        {"--operations", "1,"},
        {"--area", "5", "--difficulties", "7"},
        {"--mode", "5"},
        {"--part", "17"},
        {"--count", "-1"},
        {"--seed", "4294967296"},
        {"--language", "en"},
        {"--bogus"},
        {"--data", "problems.txt"},
        {"--count", "1e3"},
        // Pictures: --png needs a name, --markup needs --png, --wrap needs --markup and a size.
        {"--png"},
        {"--png", ""},
        {"--markup", "/<1><2>"},
        {"--wrap", "100x50", "--png", "a.png"},
        {"--markup", "a", "--png", "a.png", "--wrap", "0x50"},
        {"--markup", "a", "--png", "a.png", "--wrap", "100x"},
        {"--markup", "a", "--png", "a.png", "--wrap", "x50"},
        {"--markup", "a", "--png", "a.png", "--wrap", "100*50"},
        {"--markup", "a", "--png", "a.png", "--wrap", "100x50x2"},
        {"--markup", "a", "--png", "a.png", "--wrap", "10001x50"},
    };
    for (const auto& args : cases) {
        const auto parsed = ParseExerciseOptions(args);
        ASSERT_TRUE(std::holds_alternative<OptionError>(parsed)) << args[0];
        const std::string& message = std::get<OptionError>(parsed).Message;
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(message.find('\n'), std::string::npos) << "one line: " << message;
    }
}

TEST(ExerciseOptions, OneColumnMayBeEmptyOnlyWhereBothColumnsListKinds) {
    struct Case {
        std::vector<std::string> args;
        bool accepted;
        uint8_t difficulties, operations;
    };
    const Case cases[] = {
        {{"--area", "4", "--difficulties", ""}, true, 0, SetAllFour},
        {{"--operations", "", "--area", "5", "--difficulties", "6"}, true, 1 << 6, 0},
        {{"--area", "6", "--operations", "", "--difficulties", "2"}, true, 1 << 2, 0},
        {{"--area", "6", "--operations", "", "--difficulties", ""}, false, 0, 0},
        {{"--area", "3", "--operations", ""}, false, 0, 0},
        {{"--area", "1", "--difficulties", ""}, false, 0, 0},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseExerciseOptions(c.args);
        ASSERT_EQ(std::holds_alternative<ExerciseOptions>(parsed), c.accepted) << c.args[1];
        if (!c.accepted) continue;
        EXPECT_EQ(std::get<ExerciseOptions>(parsed).DifficultySet, c.difficulties) << c.args[1];
        EXPECT_EQ(std::get<ExerciseOptions>(parsed).OperationSet, c.operations) << c.args[1];
    }
}

TEST(ExerciseOptions, ReadsPictureOptions) {
    struct Case {
        std::vector<std::string> args;
        std::optional<std::string> png, markup;
        std::optional<ExerciseOptions::WrapSize> wrap;
    };
    const Case cases[] = {
        {{"--count", "3", "--png", "pictures"}, "pictures", std::nullopt, std::nullopt},
        {{"--markup", "/<1><2> h", "--png", "half.png"}, "half.png", "/<1><2> h", std::nullopt},
        {{"--wrap", "593x125", "--png", "text.png", "--markup", "a b c"},
         "text.png",
         "a b c",
         ExerciseOptions::WrapSize{593, 125}},
        {{"--markup", "", "--png", "empty.png"}, "empty.png", "", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseExerciseOptions(c.args);
        ASSERT_TRUE(std::holds_alternative<ExerciseOptions>(parsed)) << std::get<OptionError>(parsed).Message;
        const auto& options = std::get<ExerciseOptions>(parsed);
        EXPECT_EQ(options.Png, c.png);
        EXPECT_EQ(options.Markup, c.markup);
        EXPECT_EQ(options.Wrap, c.wrap);
    }
}

TEST(ExerciseTool, ObserverSeesEachExerciseAndCanStopTheRun) {
    ExerciseOptions options;
    options.DifficultySet = 1 << 1;
    options.OperationSet = 1 << 4;
    options.Count = 5;
    options.Seed = 3;
    std::ostringstream out;
    std::vector<long> numbers;
    const std::string error = WriteExercises(options, out, [&](long number, const TExercise& exercise) {
        numbers.push_back(number);
        EXPECT_NE(out.str().find(JsonString(exercise.Question)), std::string::npos) << "line written first";
        return number == 3 ? std::string("cannot write '00003.png'") : std::string();
    });
    EXPECT_EQ(error, "cannot write '00003.png'");
    EXPECT_EQ(numbers, (std::vector<long>{1, 2, 3}));
    const std::string lines = out.str();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 3);
}

TEST(ExerciseTool, WritesOneJsonObjectPerExercise) {
    ExerciseOptions options;
    options.DifficultySet = 1 << 4;
    options.OperationSet = 1 << 3;
    options.Count = 5;
    options.Seed = 1;
    std::ostringstream out;
    WriteExercises(options, out);
    std::istringstream lines(out.str());
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        EXPECT_TRUE(line.starts_with("{\"area\":1,\"difficulty\":4,\"operation\":3,\"question\":\"")) << line;
        EXPECT_NE(line.find(" : "), std::string::npos) << line;
        EXPECT_NE(line.find("\",\"suffix\":\"\",\"prompt\":\"\",\"task\":\"\",\"expected\":\""),
                  std::string::npos);
        EXPECT_TRUE(line.ends_with("\"}")) << line;
    }
    EXPECT_EQ(count, 5);
}

TEST(Json, EscapesQuotesBackslashesAndControls) {
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString("Bez limitu\r10 příkladů"), "\"Bez limitu\\r10 příkladů\"");
    EXPECT_EQ(JsonString(std::string("\x01", 1)), "\"\\u0001\"");
}

} // namespace
} // namespace numerava::tools
