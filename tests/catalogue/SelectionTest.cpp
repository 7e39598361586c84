#include "catalogue/Selection.h"

#include <gtest/gtest.h>

namespace numerava {
namespace {

TEST(Selection, ContinueFillsInTheAreaDefaults) {
    const uint8_t four = MakeSet({4});
    const struct {
        const char* name;
        int area;
        uint8_t difficulties, operations;
        uint8_t expectedDifficulties, expectedOperations;
    } cases[] = {
        {"area 1, nothing chosen", 1, 0, 0, four, SetAllFour},
        {"area 1, everything chosen", 1, SetAllFour, SetAllFour, four, SetAllFour},
        {"area 1, only a difficulty", 1, MakeSet({2}), 0, MakeSet({2}), SetAllFour},
        {"area 1, only an operation", 1, 0, MakeSet({3}), four, MakeSet({3})},
        {"area 1, all difficulties, one operation", 1, SetAllFour, MakeSet({1}), SetAllFour, MakeSet({1})},
        {"area 2, nothing chosen", 2, 0, 0, SetAllFour, SetAllFour},
        {"area 2, only a difficulty", 2, MakeSet({1}), 0, MakeSet({1}), SetAllFour},
        {"area 2, difficulty 4 alone stays", 2, four, MakeSet({2}), four, MakeSet({2})},
        {"area 3, difficulty 4 alone", 3, four, MakeSet({2}), SetAllFour, MakeSet({2})},
        {"area 3, difficulty 4 alone, no operation", 3, four, 0, SetAllFour, SetAllFour},
        {"area 3, only an operation", 3, 0, MakeSet({1}), SetAllFour, MakeSet({1})},
        {"area 4, one operation", 4, 0, MakeSet({1}), 0, MakeSet({1})},
        {"area 4, nothing chosen", 4, 0, 0, SetAllFour, SetAllFour},
        {"area 6, nothing chosen", 6, 0, 0, SetAllFour, SetAllFour},
        {"area 6, one difficulty", 6, MakeSet({3}), 0, MakeSet({3}), 0},
        {"area 5, nothing chosen", 5, 0, 0, SetAllSix, SetAllSix},
        {"area 5, one difficulty", 5, MakeSet({5}), 0, MakeSet({5}), 0},
    };
    for (const auto& c : cases) {
        uint8_t difficulties = c.difficulties;
        uint8_t operations = c.operations;
        FillDefaults(c.area, difficulties, operations);
        EXPECT_EQ(difficulties, c.expectedDifficulties) << c.name;
        EXPECT_EQ(operations, c.expectedOperations) << c.name;
    }
}

TEST(Selection, AButtonAddsOrRemovesItsItem) {
    const struct {
        uint8_t set;
        int item;
        bool present;
        uint8_t result;
    } cases[] = {
        {0, 1, true, MakeSet({1})},
        {MakeSet({1}), 1, true, MakeSet({1})}, // already there
        {MakeSet({1, 3}), 3, false, MakeSet({1})},
        {MakeSet({1}), 2, false, MakeSet({1})}, // not there
        {0, 6, true, MakeSet({6})},
        {MakeSet({2}), 8, true, MakeSet({2})}, // outside the set: unchanged
        {MakeSet({2}), -1, true, MakeSet({2})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithItem(c.set, c.item, c.present), c.result)
            << int(c.set) << " " << c.item << " " << c.present;
}

} // namespace
} // namespace numerava
