#include "generator/UnitsGenerator.h"
#include "catalogue/Selection.h"
#include "core/Random.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace numerava {
namespace {

TEST(ChooseTopic, ContestStepsOperationsFirstThenDifficulties) {
    // Operations {1, 2}, difficulties {1, 3}: parts 1..5 play (1,1), (2,1), (1,3), (2,3), (1,1).
    const uint8_t difficulties = MakeSet({1, 3});
    const uint8_t operations = MakeSet({1, 2});
    const std::pair<int, int> expected[] = {{1, 1}, {2, 1}, {1, 3}, {2, 3}, {1, 1}};
    for (int part = 1; part <= 5; ++part) {
        const TTopic topic = ChooseTopic(1, difficulties, operations, ModeContest, part);
        EXPECT_EQ(topic.Operation, expected[part - 1].first) << "part " << part;
        EXPECT_EQ(topic.Difficulty, expected[part - 1].second) << "part " << part;
    }
}

TEST(ChooseTopic, ContestStepsThroughTheKindsOfAreas4To6) {
    // Area 6: left {2, 4} and right {1} give kinds 2, 4, 7 in that order, again from the start.
    const int expected[] = {2, 4, 7, 2, 4, 7, 2};
    for (int part = 1; part <= 7; ++part)
        EXPECT_EQ(ChooseTopic(6, MakeSet({2, 4}), MakeSet({1}), ModeContest, part).Difficulty,
                  expected[part - 1]);
    // Area 4 numbers its kinds 1..10: the right column's items come out as 5..10.
    EXPECT_EQ(ChooseTopic(4, MakeSet({4}), MakeSet({6}), ModeContest, 2).Difficulty, 10);
    EXPECT_EQ(ChooseTopic(4, 0, MakeSet({1}), ModeContest, 1).Operation, 0);
}

TEST(ChooseTopic, DrawsOnlySelectedItemsAndEachOfThem) {
    const struct {
        int area;
        uint8_t difficulties, operations;
        std::vector<std::pair<int, int>> topics; // (difficulty, operation) that must all appear
    } cases[] = {
        {1, MakeSet({2}), MakeSet({3}), {{2, 3}}},
        {2, MakeSet({1, 4}), MakeSet({2, 4}), {{1, 2}, {1, 4}, {4, 2}, {4, 4}}},
        {4, MakeSet({2}), MakeSet({1}), {{2, 0}, {5, 0}}},
        {5, MakeSet({6}), MakeSet({6}), {{6, 0}, {12, 0}}},
        {6, SetAllFour, 0, {{1, 0}, {2, 0}, {3, 0}, {4, 0}}},
    };
    SeedRandom(7);
    for (const auto& c : cases) {
        std::map<std::pair<int, int>, int> seen;
        for (int i = 0; i < 2000; ++i) {
            const TTopic topic = ChooseTopic(c.area, c.difficulties, c.operations, ModeSmallPractice, 1);
            ++seen[{topic.Difficulty, topic.Operation}];
        }
        EXPECT_EQ(seen.size(), c.topics.size()) << "area " << c.area;
        for (const auto& topic : c.topics)
            EXPECT_GT(seen[topic], 0) << "area " << c.area << " topic " << topic.first;
    }
}

TEST(ChooseTopic, EmptySelectionsChooseNothing) {
    EXPECT_EQ(ChooseTopic(1, SetAllFour, 0, ModeSmallPractice, 1).Operation, 0);
    EXPECT_EQ(ChooseTopic(1, 0, MakeSet({2}), ModeSmallPractice, 1).Difficulty, 0);
    EXPECT_EQ(ChooseTopic(6, 0, 0, ModeContest, 3).Difficulty, 0);
}

TEST(Generate, RefusesUnsupportedAreasAndEmptySelections) {
    TNumeravaGenerator generator;
    generator.DifficultySet = SetAllFour;
    generator.OperationSet = SetAllFour;
    generator.TaskText = "old caption";
    for (const int area : {0, 7, -1}) {
        generator.Area = area;
        try {
            generator.Generate();
            ADD_FAILURE() << "area " << area << " generated an exercise";
        } catch (const UnsupportedAreaError& error) {
            EXPECT_STREQ(error.what(), "This numerava is not supported, yet");
        }
        EXPECT_EQ(generator.TaskText, "") << "the opening steps clear the caption";
    }

    generator.Area = 1;
    generator.OperationSet = 0;
    EXPECT_THROW(generator.Generate(), EmptySelectionError);
    generator.OperationSet = SetAllFour;
    generator.DifficultySet = 0;
    EXPECT_THROW(generator.Generate(), EmptySelectionError);
    generator.Area = 6;
    generator.OperationSet = 0;
    EXPECT_THROW(generator.Generate(), EmptySelectionError);
}

TEST(Generate, SameSeedGivesTheSameExercises) {
    TNumeravaGenerator generator;
    generator.DifficultySet = SetAllFour;
    generator.OperationSet = SetAllFour;
    std::vector<std::string> first, second;
    SeedRandom(99);
    for (int i = 0; i < 50; ++i) first.push_back(generator.Generate().Question);
    SeedRandom(99);
    for (int i = 0; i < 50; ++i) second.push_back(generator.Generate().Question);
    EXPECT_EQ(first, second);
}

TEST(TranslateTaskText, WholeTextsThenFirstOccurrenceSubstrings) {
    const struct {
        const char* czech;
        const char* slovak;
    } cases[] = {
        {"Urči kořen rovnice", "Urči koreň rovnice"},
        {"Doplň exponent", "Doplň exponenta"},
        {"Rozlož na součin vytýkáním", "Rozlož na súčin"},
        {"Rozlož na součin vytýkáním - doplň", "Rozlož na súčin - doplň"},
        {"Uprav podle vzorce - doplň", "Doplň podľa vzorca"},
        {"Vyjádři v %", "Vyjadri v %"},
        // A longer text that contains a whole-text rule is left to the substring rules.
        {"Doplň exponent pro x", "Doplň exponent pre x"},
        {"Urči hodnotu výrazu pro a = 2", "Urči hodnotu výrazu pre a = 2"},
        {"pro a pro b", "pre a pro b"},
        {"Dopočítej součin, který byla", "Vypočítaj súčin, který bola"},
        {"Vypočítej", "Vypočítaj"},
        {"Text bez pravidla", "Text bez pravidla"},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string text = c.czech;
        TranslateTaskText(text);
        EXPECT_EQ(text, c.slovak) << c.czech;
    }
}

} // namespace
} // namespace numerava
