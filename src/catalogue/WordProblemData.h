#pragma once
// The word-problem data of the current language: first names and twelve titled sections.
// Filled by the data-file loader of the welcome screen; read by the catalogue (area-5 item names)
// and the area-5 generator. Empty until a file is loaded.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace numerava {

inline constexpr int SectionCount = 12;

extern std::vector<std::string> NameList;
// Indexed 1..12 as the file numbers its sections; element 0 is unused and stays empty.
extern std::array<std::string, SectionCount + 1> SectionTitles;
extern std::array<std::vector<std::string>, SectionCount + 1> SectionLines;

void ClearWordProblemData();

// True when every section an area-5 selection draws from holds a problem: left item i is section i,
// right item i section 6 + i, nothing chosen the trick questions (section 6). Without the file (or
// with a section all of whose lines were left out) the drill would have nothing to ask.
bool SectionsHaveProblems(uint8_t difficultySet, uint8_t operationSet);

} // namespace numerava
