// Whether an area-5 selection has problems to ask: every section it draws from must hold one.

#include "catalogue/WordProblemData.h"
#include "catalogue/Selection.h"

#include <gtest/gtest.h>

namespace numerava {
namespace {

struct SectionsCase {
    const char* name;
    std::vector<int> filled; // sections that hold a problem
    uint8_t difficulties;
    uint8_t operations;
    bool expected;
};

class SectionsHaveProblemsTest : public ::testing::TestWithParam<SectionsCase> {};

TEST_P(SectionsHaveProblemsTest, EverySectionOfTheSelectionHoldsAProblem) {
    const SectionsCase& c = GetParam();
    ClearWordProblemData();
    for (const int section : c.filled) SectionLines[static_cast<size_t>(section)] = {"Kolik je 1 + 1? [2]"};
    EXPECT_EQ(SectionsHaveProblems(c.difficulties, c.operations), c.expected);
    ClearWordProblemData();
}

std::vector<int> AllSections() { return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}; }

INSTANTIATE_TEST_SUITE_P(
    Selections, SectionsHaveProblemsTest,
    ::testing::Values(SectionsCase{"NoFileNothingChosen", {}, 0, 0, false},
                      SectionsCase{"NoFileAllChosen", {}, SetAllSix, SetAllSix, false},
                      SectionsCase{"FullFileAllChosen", AllSections(), SetAllSix, SetAllSix, true},
                      // Nothing chosen draws the trick questions, section 6.
                      SectionsCase{"NothingChosenTrickQuestions", {6}, 0, 0, true},
                      SectionsCase{"NothingChosenNoTrickQuestions", {1, 2, 3}, 0, 0, false},
                      // The right column's items are sections 7..12.
                      SectionsCase{"RightItemTwoIsSectionEight", {8}, 0, MakeSet({2}), true},
                      SectionsCase{"RightItemTwoWithoutSectionEight", {2}, 0, MakeSet({2}), false},
                      SectionsCase{"OneChosenSectionEmpty", {1, 2}, MakeSet({1, 2, 3}), 0, false}),
    [](const ::testing::TestParamInfo<SectionsCase>& param) { return std::string(param.param.name); });

} // namespace
} // namespace numerava
