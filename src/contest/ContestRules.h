#pragma once
// The contest's rules without a screen: the contest clock, the final score and its time bonus, the
// texts of the final and purchase screens that depend on a count, the selections that are contest
// categories and the 30 categories recognised from the topic text, and the address that enters a
// result into the contest's web form.
//
// Every function takes the language explicitly (LanguageCzech or LanguageSlovak from core/Language.h);
// a screen passes numerava::Language.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace numerava {

// ---- Contest clock and purchases ----------------------------------------------------------------

// Milliseconds of contest time at tick count `nowTick` for a contest started at `startTick` (moved on
// by every pause): the difference wraps like the 32-bit tick counts, read as a signed number.
int64_t ContestElapsed(uint32_t nowTick, int32_t startTick);

// The contest's start tick moved on by a pause from `pauseStartTick` to `nowTick`, so that the pause
// does not count (the tick counts wrap like 32-bit unsigned values).
int32_t ContestStartAfterPause(uint32_t nowTick, int32_t startTick, int32_t pauseStartTick);

// The picture of the bicycle after part n ("Graphics/kolo05.jpg"); part 6 has no picture of its own
// and shows part 5's.
std::string BikePicture(int part);

// ---- Final score --------------------------------------------------------------------------------

// The target time of a contest in seconds (shown as "20:00") and the penalty per wrong answer.
inline constexpr int32_t ContestTargetSeconds = 1200;
inline constexpr int32_t ContestMistakePenalty = 50;

// Seconds saved against the 20-minute target: 1200 - elapsedMs div 1000 (negative when slower).
int32_t ContestTimeBonus(int64_t elapsedMs);

// ContestScore = time bonus + contest points - 50 x mistakes. The sums wrap like the program's
// 32-bit integers (two's complement), which no real contest comes near.
int32_t ContestFinalScore(int32_t contestPoints, int64_t elapsedMs, int32_t mistakes);

// "%.2d:%.2d" of minutes (not wrapped at 60) and seconds: 1500000 -> "25:00", 65000 -> "01:05".
std::string FormatDuration(int64_t elapsedMs);

// The final screen's mistakes text (lblErrors): "bez chyby", "1 chyba × 50b", "3 chyby × 50b",
// "5 chyb × 50b." (Czech) / "5 chýb × 50b." (Slovak).
std::string ContestMistakesText(int32_t mistakes, uint16_t language);

// The purchase screen's count of parts still to buy (lblRCount): "1 díl", "3 díly", "15 dílů"
// (Czech) / "1 diel", "3 diely", "15 dielov" (Slovak).
std::string ContestPartsLeftText(int32_t partsLeft, uint16_t language);

// ---- Categories ---------------------------------------------------------------------------------

// Whether a selection (area, difficulty and operation sets) is one of the contest categories whose
// result the final screen may enter into the records. The drill marks the others as such.
bool IsContestSelection(int area, uint8_t difficulties, uint8_t operations);

// True from the start of a contest until a drill has warned that its selection is no contest
// category, so that the warning comes once per contest although every part creates a new drill.
extern bool ContestWarningPending;

// The warning that a finished contest on this selection cannot be entered into the records.
std::string ContestNoEntryMessage(uint16_t language);

// The final screen's topic label: a few long topic texts are replaced by short forms
// ("NU 6: Rovnice,Hodnota výrazu,Úpravy výrazů,Mocniny" -> "NU 6: Algebra 1/2"); any other text is
// returned unchanged. The long forms of both languages are recognised whatever the language.
std::string ShortenContestTopic(std::string_view topicText);

// Returned by ContestCategoryCode when the text is no contest category (no category has code 0).
inline constexpr uint16_t NoContestCategory = 0;

struct ContestCategoryRow {
    uint16_t code;
    const char* czech;
    const char* slovak;
};

// The 30 categories in the order they are compared.
std::span<const ContestCategoryRow> ContestCategories();

// The code of the category whose text in the given language equals topicText exactly, or
// NoContestCategory. topicText is the final screen's label, so already passed through
// ShortenContestTopic. A Czech text compared in Slovak matches nothing (unless both are equal).
uint16_t ContestCategoryCode(std::string_view topicText, uint16_t language);

// ---- Result address -----------------------------------------------------------------------------

// The check number the web form verifies: (score x 48611 + 1789 + category) mod 457 in signed
// 32-bit arithmetic (wrapping, remainder with the sign of the dividend); -456..456.
int32_t ContestCheckNumber(int32_t score, uint16_t category);

// ContestSiteAddress + "form.php?skore=<score>&jazyk=cz|sk&kontrola=<check>&uroven=<category>".
std::string ContestResultAddress(int32_t score, uint16_t language, uint16_t category);

} // namespace numerava
