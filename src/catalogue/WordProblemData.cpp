#include "catalogue/WordProblemData.h"

namespace numerava {

std::vector<std::string> NameList;
std::array<std::string, SectionCount + 1> SectionTitles;
std::array<std::vector<std::string>, SectionCount + 1> SectionLines;

void ClearWordProblemData() {
    NameList.clear();
    for (auto& title : SectionTitles) title.clear();
    for (auto& lines : SectionLines) lines.clear();
}

} // namespace numerava
