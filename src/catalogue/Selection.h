#pragma once
// The selection model: area, mode and the two 8-bit item sets (bit i = item i of a column).

#include <cstdint>
#include <initializer_list>

namespace numerava {

inline constexpr int ModeSmallPractice = 1;
inline constexpr int ModeLargePractice = 2;
inline constexpr int ModeExpert = 3;
inline constexpr int ModeContest = 4;

inline constexpr uint8_t SetAllFour = 30; // items {1,2,3,4}: "all" in areas 1-4 and 6
inline constexpr uint8_t SetAllSix = 126; // items {1..6}: "all" in area 5

constexpr uint8_t ItemBit(int item) { return static_cast<uint8_t>(1u << item); }
constexpr bool HasItem(uint8_t set, int item) { return item >= 0 && item < 8 && (set & ItemBit(item)) != 0; }
constexpr uint8_t MakeSet(std::initializer_list<int> items) {
    uint8_t set = 0;
    for (const int item : items) set = static_cast<uint8_t>(set | ItemBit(item));
    return set;
}

struct TSelection {
    int Mode = ModeSmallPractice;
    int Area = 1;
    uint8_t DifficultySet = 0;
    uint8_t OperationSet = 0;
};

} // namespace numerava
