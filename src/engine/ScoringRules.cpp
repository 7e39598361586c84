#include "engine/ScoringRules.h"

#include "catalogue/UnitsTexts.h"

#include <cstdint>

namespace numerava {

bool HasCountdown(int mode, int area) { return !(mode == ModeLargePractice && area >= 4 && area <= 6); }

int PointsForAnswer(int mode, int elapsed) {
    if (mode == ModeContest) return NoteValue(elapsed);
    return 10 - elapsed / 10;
}

int ShrinkInterval(int interval) {
    const long long scaled = static_cast<long long>(interval) * 93;
    long long result = scaled / 100;
    const long long remainder = scaled % 100;
    if (remainder > 50 || (remainder == 50 && result % 2 != 0)) ++result;
    return static_cast<int>(result);
}

bool DrillEnds(const TEndRuleState& state) {
    switch (state.Mode) {
    case ModeSmallPractice: return state.DrillPoints >= 100;
    case ModeLargePractice:
        if (state.Area == 4 || state.Area == 5) return state.ExerciseNumber == 10;
        if (state.Area == 6) return state.ExerciseNumber == 20;
        return state.DrillPoints >= 200;
    case ModeExpert: return !state.LastAnswerCorrect;
    case ModeContest: return state.DrillPoints >= PartPrice(state.ContestCounter);
    default: return false;
    }
}

std::string AverageText(int points, int exercises) {
    if (exercises == 0) return {};
    // In 64 bits: ten times a large total would overflow an int.
    const int64_t tenths = int64_t{points} * 10 / exercises;
    const int64_t magnitude = tenths < 0 ? -tenths : tenths;
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(magnitude / 10);
    if (magnitude % 10 != 0) text += "," + std::to_string(magnitude % 10);
    return text;
}

int ProgressWidth(int mode, int area, int drillPoints, int judged) {
    if (mode == ModeSmallPractice)
        return drillPoints >= 100 ? ProgressBarWidth : drillPoints * ProgressBarWidth / 100;
    if (mode == ModeLargePractice) {
        if (drillPoints >= 200) return ProgressBarWidth;
        if (area == 6) return judged * ProgressBarWidth / 20;
        return drillPoints * ProgressBarWidth / 200;
    }
    return 0;
}

TContestStatus ContestStatus(int contestCounter, int contestPoints, int drillPoints) {
    return {PartPrice(contestCounter), drillPoints, contestPoints + drillPoints};
}

} // namespace numerava
