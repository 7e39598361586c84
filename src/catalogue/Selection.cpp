#include "catalogue/Selection.h"

namespace numerava {

uint8_t WithItem(uint8_t set, int item, bool present) {
    if (item < 0 || item > 7) return set;
    return present ? static_cast<uint8_t>(set | ItemBit(item)) : static_cast<uint8_t>(set & ~ItemBit(item));
}

void FillDefaults(int area, uint8_t& difficulties, uint8_t& operations) {
    const uint8_t allItems = area == 5 ? SetAllSix : SetAllFour;
    switch (area) {
    case 1:
        if ((difficulties == 0 && operations == 0) ||
            (difficulties == SetAllFour && operations == SetAllFour)) {
            difficulties = MakeSet({4});
            operations = SetAllFour;
        }
        if (difficulties == 0) difficulties = MakeSet({4});
        if (operations == 0) operations = SetAllFour;
        break;
    case 2:
    case 3:
        if (difficulties == 0) difficulties = SetAllFour;
        if (operations == 0) operations = SetAllFour;
        if (area == 3 && difficulties == MakeSet({4})) difficulties = SetAllFour;
        break;
    default:
        if (difficulties == 0 && operations == 0) difficulties = operations = allItems;
        break;
    }
}

} // namespace numerava
