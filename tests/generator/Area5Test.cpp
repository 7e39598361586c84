// Area 5: word problems drawn from the loaded data lists.
#include "catalogue/Selection.h"
#include "catalogue/WordProblemData.h"
#include "catalogue/WordProblemFile.h"
#include "core/Random.h"
#include "generator/GenerateContext.h"
#include "generator/UnitsGenerator.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace numerava {
namespace {

using Lines = std::vector<std::string>;

class Area5Test : public ::testing::Test {
protected:
    void SetUp() override {
        ClearWordProblemData();
        NameList = {"Eva", "Jan", "Ema"};
        for (size_t k = 1; k <= SectionCount; ++k)
            SectionLines[k] = {"[" + std::to_string(k) + "][]Section " + std::to_string(k) + " %s %s"};
        SeedRandom(2024);
    }
    void TearDown() override { ClearWordProblemData(); }

    // One exercise of section k (left column 1..6, right column 7..12).
    static TExercise FromSection(int section) {
        TNumeravaGenerator generator;
        generator.Area = 5;
        generator.DifficultySet = section <= 6 ? ItemBit(section) : 0;
        generator.OperationSet = section > 6 ? ItemBit(section - 6) : 0;
        return generator.Generate();
    }
};

struct LineCase {
    const char* line;
    TFixedNumber expected;
    const char* suffix;
    const char* prompt;
    const char* question; // with the names Eva (first) and Jan (second)
};

TEST_F(Area5Test, SplitsTheLineIntoAnswerUnitPromptAndQuestion) {
    NameList = {"Eva", "Jan"};
    const std::vector<LineCase> cases{
        {"[12,5][km]%s a %s jdou.", MakeNumber(1, 125), "km", "", "Eva a Jan jdou."},
        {"[N][]%s a %s nevědí.", SpecialAnswerN(), "", "", "Eva a Jan nevědí."},
        {"[2,50][\\<km/h>]%s", MakeNumber(1, 25), "\\<km/h>", "", "Eva"},
        {"[-3][°C][t = ]%1:s, %0:s", MakeNumber(0, -3), "°C", "t = ", "Jan, Eva"},
        {"[40][%]%s má 40 %% a %s %s.", MakeNumber(0, 40), "%", "", "Eva má 40 % a Jan %."},
        {"[1][]%2:s%0:s%s", MakeNumber(0, 1), "", "", "%EvaJan"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.line);
        SectionLines[3] = {c.line};
        // Whichever name is drawn first, swapping the two gives the text with Eva first.
        TExercise exercise = FromSection(3);
        if (exercise.Question != c.question) {
            std::string swapped = exercise.Question;
            const auto swap = [&swapped](const std::string& from, const std::string& to) {
                for (size_t at = swapped.find(from); at != std::string::npos;
                     at = swapped.find(from, at + to.size()))
                    swapped.replace(at, from.size(), to);
            };
            swap("Eva", "\x01");
            swap("Jan", "Eva");
            swap("\x01", "Jan");
            EXPECT_EQ(swapped, c.question) << exercise.Question;
        }
        EXPECT_EQ(exercise.Expected, c.expected);
        EXPECT_EQ(exercise.Suffix, c.suffix);
        EXPECT_EQ(exercise.Prompt, c.prompt);
        EXPECT_EQ(exercise.TaskText, "");
    }
}

TEST_F(Area5Test, PlainAndIndexedSpecifiersTakeTheNamesInTheOrderDrawn) {
    // The same draws with "%s %s" and "%0:s %1:s" give the same question, and both orders occur.
    std::set<std::string> questions;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        SectionLines[1] = {"[1][]%s %s"};
        SeedRandom(seed);
        const std::string plain = FromSection(1).Question;
        SectionLines[1] = {"[1][]%0:s %1:s"};
        SeedRandom(seed);
        EXPECT_EQ(FromSection(1).Question, plain);
        questions.insert(plain);
    }
    EXPECT_EQ(questions.size(), 6u); // every ordered pair of two different names of three
}

TEST_F(Area5Test, TheTwoNamesAreNeverTheSame) {
    // Repeated entries and names differing only in case: the comparison is exact.
    NameList = {"Eva", "Eva", "Jan", "eva"};
    SectionLines[2] = {"[1][]%s|%s"};
    std::map<std::string, int> pairs;
    for (int i = 0; i < 3000; ++i) {
        const std::string question = FromSection(2).Question;
        const size_t bar = question.find('|');
        ASSERT_NE(question.substr(0, bar), question.substr(bar + 1)) << question;
        ++pairs[question];
    }
    EXPECT_EQ(pairs.size(), 6u);
    EXPECT_GT(pairs["Eva|eva"], 0);
}

TEST_F(Area5Test, FewerThanTwoDifferentNamesGiveTheSameNameTwice) {
    SectionLines[2] = {"[1][]%s|%s"};
    const std::vector<std::pair<Lines, std::string>> cases{
        {{"Eva"}, "Eva|Eva"},
        {{"Eva", "Eva", "Eva"}, "Eva|Eva"},
        {{}, "|"},
    };
    for (const auto& [names, question] : cases) {
        NameList = names;
        EXPECT_EQ(FromSection(2).Question, question);
    }
}

TEST_F(Area5Test, EachItemDrawsFromItsSection) {
    for (int section = 1; section <= SectionCount; ++section) {
        const TExercise exercise = FromSection(section);
        EXPECT_EQ(exercise.Topic.Difficulty, section);
        EXPECT_EQ(exercise.Question.rfind("Section " + std::to_string(section) + " ", 0), 0u)
            << exercise.Question;
        EXPECT_EQ(exercise.Expected, MakeNumber(0, section));
    }
}

TEST_F(Area5Test, NoDifficultyMeansTheSixthSection) {
    TGenerateContext context(Generator);
    context.Difficulty = 0;
    GenerateArea5(context);
    EXPECT_EQ(context.Question.rfind("Section 6 ", 0), 0u) << context.Question;
    EXPECT_EQ(context.Expected, MakeNumber(0, 6));
}

TEST_F(Area5Test, DrawsEveryProblemOfTheSection) {
    SectionLines[4] = {"[1][]A %s", "[2][]B %s", "[3][]C %s"};
    std::map<char, int> seen;
    for (int i = 0; i < 600; ++i) ++seen[FromSection(4).Question.front()];
    EXPECT_EQ(seen.size(), 3u);
    for (const auto& [letter, count] : seen) EXPECT_GT(count, 120) << letter;
}

TEST_F(Area5Test, WithoutUsableDataTheExerciseStaysEmpty) {
    // Only lines the loader checked reach the lists in the program; anything else must not throw.
    const std::vector<Lines> sections{{}, {"no brackets %s"}, {"[x][]%s"}, {"[1]%s"}};
    for (const Lines& lines : sections) {
        SectionLines[5] = lines;
        TExercise exercise;
        ASSERT_NO_THROW(exercise = FromSection(5));
        EXPECT_EQ(exercise.Question, "");
        EXPECT_EQ(exercise.Expected, MakeNumber(0, 0));
    }
}

// Takes "[...]" off the front of a line the plain way.
std::string TakePart(std::string& line) {
    const size_t close = line.find(']');
    std::string part = line.substr(1, close - 1);
    line.erase(0, close + 1);
    return part;
}

TEST(Area5ShippedFiles, EveryProblemGivesItsAnswerAndAFullQuestion) {
    for (const char* file : {"numerava_cz.dat", "numerava_sk.dat"}) {
        SCOPED_TRACE(file);
        ASSERT_EQ(LoadWordProblemFile(std::string(NUMERAVA_SOURCE_DIR) + "/Graphics/" + file),
                  WordProblemFileError::None);
        const auto all = SectionLines;
        NameList = {"Alžběta", "Bohumil"};
        for (int section = 1; section <= SectionCount; ++section) {
            for (const std::string& line : all[static_cast<size_t>(section)]) {
                SCOPED_TRACE(line);
                SectionLines[static_cast<size_t>(section)] = {line};
                TNumeravaGenerator generator;
                generator.Area = 5;
                generator.DifficultySet = section <= 6 ? ItemBit(section) : 0;
                generator.OperationSet = section > 6 ? ItemBit(section - 6) : 0;
                const TExercise exercise = generator.Generate();

                std::string rest = line;
                auto expected = ParseNumber(TakePart(rest));
                ASSERT_TRUE(expected.has_value());
                NormalizeNumber(*expected);
                EXPECT_EQ(exercise.Expected, *expected);
                EXPECT_EQ(exercise.Suffix, TakePart(rest));
                for (const char* specifier : {"%s", "%0:s", "%1:s", "%2:s"})
                    EXPECT_EQ(exercise.Question.find(specifier), std::string::npos) << exercise.Question;
                EXPECT_NE(exercise.Question.find("Alžběta"), std::string::npos) << exercise.Question;
                EXPECT_NE(exercise.Question.find("Bohumil"), std::string::npos) << exercise.Question;
            }
            SectionLines[static_cast<size_t>(section)] = all[static_cast<size_t>(section)];
        }
        ClearWordProblemData();
    }
}

} // namespace
} // namespace numerava
