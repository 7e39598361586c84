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

// The set with `item` added (present) or removed; an item outside 0..7 leaves it as it is.
uint8_t WithItem(uint8_t set, int item, bool present);

// The topic screen's defaults for empty choices, filled in when it continues: area 1 "Počítání do
// 1000" with all operations (also in place of everything chosen), areas 2 and 3 all items of an empty
// column (area 3's "Všechno učivo" alone meaning all four), areas 4 to 6 all items when both columns
// are empty.
void FillDefaults(int area, uint8_t& difficulties, uint8_t& operations);

struct TSelection {
    int Mode = ModeSmallPractice;
    int Area = 1;
    uint8_t DifficultySet = 0;
    uint8_t OperationSet = 0;
};

} // namespace numerava
