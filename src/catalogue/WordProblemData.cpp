#include "catalogue/WordProblemData.h"

#include "catalogue/Selection.h"

#include <utility>

namespace numerava {

std::vector<std::string> NameList;
std::array<std::string, SectionCount + 1> SectionTitles;
std::array<std::vector<std::string>, SectionCount + 1> SectionLines;

void ClearWordProblemData() {
    NameList.clear();
    for (auto& title : SectionTitles) title.clear();
    for (auto& lines : SectionLines) lines.clear();
}

bool SectionsHaveProblems(uint8_t difficultySet, uint8_t operationSet) {
    bool any = false;
    for (int item = 1; item <= 6; ++item) {
        for (const auto& [set, section] :
             {std::pair(difficultySet, item), std::pair(operationSet, item + 6)}) {
            if (!HasItem(set, item)) continue;
            any = true;
            if (SectionLines[static_cast<size_t>(section)].empty()) return false;
        }
    }
    constexpr size_t TrickQuestions = 6;
    return any || !SectionLines[TrickQuestions].empty();
}

} // namespace numerava
