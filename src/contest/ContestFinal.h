#pragma once
// Everything the contest's final screen shows or passes on, worked out in one place: the score
// table, the grade, the topic label with its category, whether the record entry is offered and the
// address it opens, and the row for the results overview. The screen only displays it.

#include "catalogue/Selection.h"
#include "catalogue/UnitsTexts.h"

#include <cstdint>
#include <string>

namespace numerava {

// The main window's contest fields when the last part is bought.
struct TContestFinalInput {
    TSelection Selection;
    int32_t ContestPoints = 0;
    int64_t ElapsedMs = 0; // ContestElapsed of the contest clock
    int32_t Mistakes = 0;
};

struct TContestFinal {
    // Score table.
    int32_t Points = 0;       // the points of the bank notes (lblMoney)
    std::string TargetTime;   // "20:00" (lblPreTime)
    std::string Time;         // the contest time, "25:00" (lblRealTime)
    int32_t TimeBonus = 0;    // lblTimeBonus
    std::string MistakesText; // "3 chyby × 50b" (lblErrors)
    int32_t Score = 0;        // the final score (lblPts, the main window's ContestScore)
    // Grade.
    std::string Mark;        // "3/4"
    std::string MarkCaption; // "HODNOCENÍ: 3/4" (lblMark)
    std::string Description; // lblDesc
    std::string MarkPicture; // the vehicle earned, "Graphics\3_4.jpg"
    // Topic and category.
    std::string AreaPicture; // the area's sign
    std::string Topic;       // the topic text, long topics shortened (nvlblLearning)
    uint16_t Category = 0;   // the category of Topic, or NoContestCategory
    // The level the result address reports: the category, or the area when there is none. The screen
    // leaves it in ContestCategory.
    uint16_t AddressCategory = 0;
    // The record entry: offered for a category with a score above 0.
    bool EntryOffered = false;
    std::string ResultAddress;
    // The row of the results overview: topic, "Celý program", time, score, mark.
    TNVLearnResults Row;
};

// In the current language (core/Language.h), as the catalogue's texts. Grading also sets the
// catalogue's MarkPicture, as every contest grading does.
TContestFinal ContestFinal(const TContestFinalInput& input);

} // namespace numerava
