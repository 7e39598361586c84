#include "exercises/ExerciseTool.h"
#include "exercises/ExerciseOptions.h"
#include "exercises/Json.h"

#include "catalogue/Selection.h"
#include "catalogue/WordProblemData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
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
        // Only word problems come from a file.
        {"--data", "problems.txt"},
        {"--area", "5", "--data", ""},
        {"--area", "5", "--data", "a.dat", "--markup", "a", "--png", "a.png"},
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
        // Worksheets: a file name, a count a sheet can hold, and exercises rather than a mark-up.
        {"--pdf"},
        {"--pdf", ""},
        {"--pdf", "a.pdf", "--count", "0"},
        {"--count", "1001", "--pdf", "a.pdf"},
        {"--markup", "a", "--png", "a.png", "--pdf", "a.pdf"},
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

TEST(ExerciseOptions, ReadsTheWorksheetOption) {
    struct Case {
        std::vector<std::string> args;
        std::optional<std::string> pdf, png;
        long count;
    };
    const Case cases[] = {
        {{"--pdf", "sheet.pdf"}, "sheet.pdf", std::nullopt, 20},
        {{"--count", "1000", "--pdf", "sheet.pdf"}, "sheet.pdf", std::nullopt, 1000},
        // Pictures and worksheet of the same exercises.
        {{"--pdf", "sheet.pdf", "--png", "pictures", "--count", "1"}, "sheet.pdf", "pictures", 1},
        {{"--count", "0"}, std::nullopt, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseExerciseOptions(c.args);
        ASSERT_TRUE(std::holds_alternative<ExerciseOptions>(parsed)) << std::get<OptionError>(parsed).Message;
        const auto& options = std::get<ExerciseOptions>(parsed);
        EXPECT_EQ(options.Pdf, c.pdf);
        EXPECT_EQ(options.Png, c.png);
        EXPECT_EQ(options.Count, c.count);
    }
}

TEST(ExerciseTool, AWorksheetsLinesRepeatNoExercise) {
    // Counting to 20 with all four operations: 200 exercises drawn freely repeat some.
    ExerciseOptions options;
    options.DifficultySet = 1 << 1;
    options.OperationSet = SetAllFour;
    options.Count = 200;
    options.Seed = 8;
    options.Pdf = "sheet.pdf";
    std::ostringstream out;
    ASSERT_EQ(WriteExercises(options, out), "");
    std::istringstream lines(out.str());
    std::set<std::string> seen;
    for (std::string line; std::getline(lines, line);) EXPECT_TRUE(seen.insert(line).second) << line;
    EXPECT_EQ(seen.size(), 200u);
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

TEST(ExerciseTool, Area5ReadsTheFileOfItsLanguageOrTheOneGiven) {
    struct Case {
        std::vector<std::string> args;
        std::string path;
    };
    const Case cases[] = {
        {{"--area", "5"}, "/opt/numerava/Graphics/numerava_cz.dat"},
        {{"--area", "5", "--language", "sk"}, "/opt/numerava/Graphics/numerava_sk.dat"},
        {{"--data", "book.dat", "--area", "5", "--language", "sk"}, "book.dat"},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseExerciseOptions(c.args);
        ASSERT_TRUE(std::holds_alternative<ExerciseOptions>(parsed)) << std::get<OptionError>(parsed).Message;
        EXPECT_EQ(WordProblemFilePath(std::get<ExerciseOptions>(parsed), "/opt/numerava"), c.path);
    }
}

class WordProblemToolTest : public ::testing::Test {
protected:
    void TearDown() override {
        std::filesystem::remove(path_);
        ClearWordProblemData();
    }

    // A data file with two names and twelve sections of two problems (the header of section k is on
    // line 3k, its problems on the two lines after it); `change` edits its lines first.
    std::string Write(const std::function<void(std::vector<std::string>&)>& change) {
        std::vector<std::string> lines{"Eva", "Jan"};
        for (int k = 1; k <= SectionCount; ++k) {
            lines.push_back(":S" + std::to_string(k));
            lines.push_back("[" + std::to_string(k) + ",5][km]%s a %s");
            lines.push_back("[" + std::to_string(k) + "][m]%s or %s");
        }
        change(lines);
        std::ofstream file(path_, std::ios::binary);
        for (const std::string& line : lines) file << line << "\r\n";
        return path_.string();
    }

    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() /
        ("numerava-tool-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".dat");
};

TEST_F(WordProblemToolTest, AFileItCannotUseGetsOneLineWithFileAndLine) {
    struct Case {
        std::function<void(std::vector<std::string>&)> change;
        std::string where; // what follows the file name
    };
    const Case cases[] = {
        {[](auto& lines) { lines[3] = "[1.5][km]%s a %s"; }, ":4: the answer is not a number"},
        {[](auto& lines) { lines[6] = "[1][km]50 % %s"; }, ":7: a '%' that is"},
        {[](auto& lines) { lines.insert(lines.begin() + 3, ""); }, ":4: empty line"},
        {[](auto& lines) { lines[3] = lines[4] = "// gone"; }, ":3: this section has no usable problem"},
        {[](auto& lines) { lines.resize(10); }, ": fewer than twelve sections"},
        {[](auto& lines) { lines[1] = "Eva"; }, ": fewer than two different first names"},
        {[](auto& lines) {
             lines[3] = "x";
             lines[6] = "y";
         },
         ":4: the answer and the unit are not both written in [brackets] (and 1 more)"},
    };
    for (const Case& c : cases) {
        const std::string path = Write(c.change);
        const std::string message = LoadWordProblems(path);
        SCOPED_TRACE(message);
        EXPECT_TRUE(message.starts_with(path + c.where));
        EXPECT_EQ(message.find('\n'), std::string::npos);
    }
    EXPECT_EQ(
        LoadWordProblems("/nonexistent/numerava_cz.dat"),
        "/nonexistent/numerava_cz.dat: cannot read the file (missing, unreadable or not a regular file)");
}

TEST_F(WordProblemToolTest, WritesTheProblemsOfAGoodFile) {
    // Section 3 keeps only its first problem.
    ASSERT_EQ(LoadWordProblems(Write([](auto& lines) { lines.erase(lines.begin() + 10); })), "");
    ExerciseOptions options;
    options.Area = 5;
    options.DifficultySet = 1 << 3;
    options.OperationSet = 0;
    options.Count = 2;
    options.Seed = 5;
    std::ostringstream out;
    EXPECT_EQ(WriteExercises(options, out), "");
    std::istringstream lines(out.str());
    std::string line;
    while (std::getline(lines, line)) {
        const bool evaFirst = line.find("\"question\":\"Eva a Jan\"") != std::string::npos;
        const bool janFirst = line.find("\"question\":\"Jan a Eva\"") != std::string::npos;
        EXPECT_TRUE(evaFirst || janFirst) << line;
        EXPECT_TRUE(line.starts_with("{\"area\":5,\"difficulty\":3,\"operation\":0,")) << line;
        EXPECT_TRUE(line.ends_with(",\"suffix\":\"km\",\"prompt\":\"\",\"task\":\"\",\"expected\":\"3,5\"}"))
            << line;
    }
}

TEST(Json, EscapesQuotesBackslashesAndControls) {
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString("Bez limitu\r10 příkladů"), "\"Bez limitu\\r10 příkladů\"");
    EXPECT_EQ(JsonString(std::string("\x01", 1)), "\"\\u0001\"");
}

} // namespace
} // namespace numerava::tools
