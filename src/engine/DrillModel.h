#pragma once
// The drill's state machine without widgets: one exercise after another, the countdown, the answer
// keys, the verdicts and the end of the drill. The drill screen forwards its timer ticks, key presses
// and button clicks here and shows the state read back from the accessors.

#include "core/FixedNumber.h"
#include "generator/UnitsGenerator.h"

#include <cstdint>
#include <functional>
#include <string>

namespace numerava {

// Once a drill has run on a display with fewer than 16 bits per pixel the answer text is black
// instead of yellow for the rest of the run.
extern bool AnswerColorBlack;

// What the drill is about, copied from the main window at creation.
struct TDrillSetup {
    int Mode = 1;
    int Area = 1;
    uint8_t DifficultySet = 0;
    uint8_t OperationSet = 0;
    int ContestCounter = 1;
    int ContestPoints = 0;
    int ColorDepth = 32;
};

// The main window's values the drill changes while it runs.
struct TDrillWindowFields {
    int32_t& ContestStartTick;
    int32_t& ContestMistakes;
    int32_t& PauseStartTick;
    bool& AreaSixHintPending;
};

// Colours of the answer field and the verdict; Answer is the typing colour (see AnswerColorBlack).
enum class TDrillColor { Answer, Yellow, Green, Red };

// The key an answer field takes for a typed character: ASCII as it is; the letters of the unshifted
// top row of Czech and Slovak keyboards ("ěščřžýáíé", "ľščťžýáíé") as the digits 2 to 0 printed on
// their keys, so that a child need not hold Shift; 0 (no key) for any other character.
char AnswerKey(char32_t character);

// The screen that follows the drill.
enum class TDrillEnd { None, PracticeSummary, ExpertSummary, BikeResult, EndBike };

class TDrillModel {
public:
    using GenerateFunction = std::function<TExercise()>;
    using ClockFunction = std::function<uint32_t()>;

    // Creation: seeds the random generator from the clock, sets up the generator from the
    // selection (unless `generate` replaces it) and loads the first exercise.
    TDrillModel(const TDrillSetup& setup, TDrillWindowFields window, ClockFunction clock,
                GenerateFunction generate = {});

    // One key of the answer field: '\b' and '/' delete, '\r' judges, the rest per the answer keys.
    void Key(char key);
    // One tick of the drill timer; nothing happens while the timer is stopped.
    void Tick();
    // btnRemember: ends the area-6 hint or acknowledges a wrong answer. Ignored while it is hidden.
    void Acknowledge();
    // Timer1: the final captions of the status labels.
    void StartupTexts();
    // Timer2: the contest reward caption.
    void RewardCaption();

    // Selection.
    int Mode() const { return setup_.Mode; }
    int Area() const { return setup_.Area; }
    bool LowColor() const { return setup_.ColorDepth < 16; }

    // Exercise on screen.
    const std::string& Question() const { return question_; }
    const std::string& Suffix() const { return suffix_; }
    const std::string& Prompt() const { return prompt_; }
    const std::string& TaskCaption() const { return taskCaption_; }
    const TFixedNumber& Expected() const { return Expected_; }
    // Answer field (nvedtText in area 5, nvedtResult otherwise).
    bool TextLayout() const { return setup_.Area == 5; }
    const std::string& AnswerText() const { return answerText_; }
    TDrillColor AnswerColor() const { return answerColor_; }
    bool Caret() const { return caret_; }

    // Countdown.
    int Progress() const { return progress_; }
    // Label1: updated by the countdown ticks only ("10" until the first one).
    const std::string& CountdownText() const { return countdownText_; }
    int TimerInterval() const { return interval_; }
    bool TimerRunning() const { return timerRunning_; }
    // Grows whenever the timer is (re)started: the screen restarts its timer when this changes.
    int TimerStarts() const { return timerStarts_; }

    // lblNAN.
    bool NotANumberVisible() const { return nanVisible_; }
    // Whether it shows "Toto není číslo!!" rather than the hint on "N" of areas 3, 5 and 6.
    bool NotANumberMessageShown() const { return nanVisible_ && NotANumberTicks_ > 0; }
    const std::string& NotANumberText() const { return nanText_; }

    // Verdict display (pnlResult and its children).
    bool ResultPanelVisible() const { return resultPanelVisible_; }
    bool ResultTextVisible() const { return resultTextVisible_; }
    const std::string& ResultText() const { return resultText_; }
    bool ResultFrameVisible() const { return resultFrameVisible_; }
    TDrillColor ResultColor() const { return resultColor_; }
    bool MoneyVisible() const { return moneyVisible_; }
    int MoneyIndex() const { return moneyIndex_; }
    bool BikeResultVisible() const { return bikeResultVisible_; }
    const std::string& BikeResultText() const { return bikeResultText_; }
    bool RewardCaptionPending() const { return rewardCaptionPending_; }

    // Contest category marks: Image1 for a contest category (IsContestSelection), Image2 otherwise
    // (both hidden outside the contest); the warning is due when this drill took the contest's
    // one-time warning (ContestWarningPending).
    bool CategoryMarkVisible() const { return categoryMark_; }
    bool OtherMarkVisible() const { return otherMark_; }
    bool CategoryWarningDue() const { return categoryWarning_; }

    // Buttons.
    bool RememberVisible() const { return rememberVisible_; }
    bool AreaSixHintVisible() const { return hintVisible_; }
    std::string AreaSixHintText() const;
    bool ControlsEnabled() const { return controlsEnabled_; }

    // Status table.
    const std::string& ModeName() const { return modeName_; }
    const std::string& NumberCaption() const { return numberCaption_; }
    const std::string& PointsCaption() const { return pointsCaption_; }
    const std::string& AverageCaption() const { return averageCaption_; }
    const std::string& NumberText() const { return numberText_; }
    const std::string& PointsText() const { return pointsText_; }
    const std::string& AverageText() const { return averageText_; }
    bool ProgressBarVisible() const { return progressVisible_; }
    int ProgressBarFill() const { return progressWidth_; }

    // Drill fields.
    int DrillPoints() const { return DrillPoints_; }
    int ExerciseNumber() const { return ExerciseNumber_; }
    bool ShowingResult() const { return ShowingResult_; }
    bool LastAnswerCorrect() const { return LastAnswerCorrect_; }

    // The end: which screen follows, and the contest points after this part.
    bool Ended() const { return end_ != TDrillEnd::None; }
    TDrillEnd EndScreen() const { return end_; }
    int ContestPoints() const { return contestPoints_; }

    // How many Generate calls the search for a new question may make before it accepts a repeat.
    static constexpr int MaxGenerateAttempts = 1000;

private:
    void LoadExercise();
    void NextExercise();
    void JudgeAnswer();
    void Advance();
    void EndDrill();
    void SetDrillPoints(int points);
    void SetExerciseNumber(int number);
    void SetShowingResult(bool showing);
    void UpdateStatus();
    void StartTimer();
    void ResetNotANumberText();

    TDrillSetup setup_;
    TDrillWindowFields window_;
    ClockFunction clock_;
    GenerateFunction generate_;
    int contestPoints_ = 0;

    int DrillPoints_ = 0;
    int ExerciseNumber_ = 0;
    bool ShowingResult_ = false;
    std::string PreviousQuestion_;
    TFixedNumber Expected_;
    int ResultTicks_ = 0;
    bool LastAnswerCorrect_ = true;
    int NotANumberTicks_ = 0;

    std::string question_, suffix_, prompt_, taskCaption_;
    std::string answerText_;
    TDrillColor answerColor_ = TDrillColor::Answer;
    bool caret_ = true;
    int progress_ = 100;
    std::string countdownText_ = "10";
    int interval_ = 0;
    bool timerRunning_ = false;
    int timerStarts_ = 0;
    bool nanVisible_ = false;
    std::string nanText_;
    bool resultPanelVisible_ = false;
    bool resultTextVisible_ = false;
    std::string resultText_;
    bool resultFrameVisible_ = false;
    TDrillColor resultColor_ = TDrillColor::Green;
    bool moneyVisible_ = false;
    int moneyIndex_ = 0;
    bool bikeResultVisible_ = false;
    std::string bikeResultText_;
    bool rewardCaptionPending_ = false;
    bool categoryMark_ = false;
    bool otherMark_ = false;
    bool categoryWarning_ = false;
    bool rememberVisible_ = false;
    bool hintVisible_ = false;
    bool controlsEnabled_ = false;
    std::string modeName_, numberCaption_, pointsCaption_, averageCaption_;
    std::string numberText_ = "0", pointsText_ = "0", averageText_ = "0";
    bool progressVisible_ = false;
    int progressWidth_ = 0;
    TDrillEnd end_ = TDrillEnd::None;
};

} // namespace numerava
