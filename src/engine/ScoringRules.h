#pragma once
// The numbers that make a drill: countdown steps, verdict display, points by speed, end rules,
// the average and the progress bar.

#include "catalogue/Selection.h"

#include <string>

namespace numerava {

// Milliseconds per countdown step, by area 1..6 (index 0 unused).
inline constexpr int TickIntervals[7] = {0, 230, 280, 480, 800, 800, 800};
// Drill-timer ticks a correct verdict stays on screen, by area 1..6.
inline constexpr int ResultTicksByArea[7] = {0, 3, 3, 2, 2, 2, 2};

// Width in pixels of the full progress bar.
inline constexpr int ProgressBarWidth = 265;

// False for areas 4, 5 and 6 of the large practice ("Bez limitu"): the gauge does not move there.
bool HasCountdown(int mode, int area);

// Points of a correct answer that used `elapsed` percent of the countdown (100 - gauge): 10 down
// to 1 by tenths in modes 1-3, the bank note in the contest.
int PointsForAnswer(int mode, int elapsed);

// Index of the contest's bank-note picture for `elapsed` percent (0 = 50 points .. 4 = 2 points).
inline int MoneyPictureIndex(int elapsed) { return elapsed / 20; }

// The expert mode's next step interval: 93 % of the current one, rounded to the nearest integer
// with ties to even (230 -> 214 -> 199 -> 185 ...).
int ShrinkInterval(int interval);

// Whether the drill is over after the verdict of exercise `exerciseNumber`.
struct TEndRuleState {
    int Mode = 1;
    int Area = 1;
    int DrillPoints = 0;
    int ExerciseNumber = 0;
    bool LastAnswerCorrect = true;
    int ContestCounter = 1;
};
bool DrillEnds(const TEndRuleState& state);

// Exercises already judged: all of them while a verdict is shown, all but the current one otherwise.
inline int JudgedExercises(int exerciseNumber, bool showingResult) {
    return showingResult ? exerciseNumber : exerciseNumber - 1;
}

// Average points per exercise as the drill's status table and the summaries show it: truncated (not
// rounded) to one decimal, with a decimal comma and no trailing ",0" (47 in 5 -> "9,4", 50 in 5 ->
// "10"); empty for no exercises.
std::string AverageText(int points, int exercises);

// Width of the progress bar's fill (0..265); modes 3 and 4 have no bar and give 0.
int ProgressWidth(int mode, int area, int drillPoints, int judged);
inline bool ProgressVisible(int mode) { return mode == ModeSmallPractice || mode == ModeLargePractice; }

// The contest's status table: price of the part, the part's points, all points of the contest.
struct TContestStatus {
    int PartPrice = 0;
    int Gain = 0;
    int Total = 0;
};
TContestStatus ContestStatus(int contestCounter, int contestPoints, int drillPoints);

} // namespace numerava
