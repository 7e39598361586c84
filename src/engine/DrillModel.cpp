#include "engine/DrillModel.h"

#include "catalogue/UnitsTexts.h"
#include "contest/ContestRules.h"
#include "core/Language.h"
#include "core/Random.h"
#include "engine/ScoringRules.h"

#include <utility>

namespace numerava {

bool AnswerColorBlack = false;

namespace {

constexpr size_t MaxAnswerLength = 10;

// Areas 3 and 6 have exercises without a value, and so do area 5's trick questions.
bool AcceptsN(int area) { return area == 3 || area == 5 || area == 6; }

} // namespace

char AnswerKey(char32_t character) {
    if (character < 128) return static_cast<char>(character);
    // The top row from the key "2" to the key "0"; "+" on the key "1" stays an ignored character.
    static constexpr std::pair<char32_t, char> topRow[] = {
        {U'ě', '2'}, {U'ľ', '2'}, {U'š', '3'}, {U'č', '4'}, {U'ř', '5'}, {U'ť', '5'},
        {U'ž', '6'}, {U'ý', '7'}, {U'á', '8'}, {U'í', '9'}, {U'é', '0'},
    };
    for (const auto& [letter, digit] : topRow)
        if (letter == character) return digit;
    return 0;
}

TDrillModel::TDrillModel(const TDrillSetup& setup, TDrillWindowFields window, ClockFunction clock,
                         GenerateFunction generate)
    : setup_(setup), window_(window), clock_(std::move(clock)), generate_(std::move(generate)),
      contestPoints_(setup.ContestPoints) {
    if (setup_.Area < 1 || setup_.Area > 6) throw UnsupportedAreaError();

    SeedRandom(clock_());
    if (LowColor()) AnswerColorBlack = true;

    const bool contest = setup_.Mode == ModeContest;
    if (contest) {
        modeName_ = std::to_string(setup_.ContestCounter) + ByLanguage(". díl - ", ". diel - ") +
                    PartName(setup_.ContestCounter);
        numberCaption_ = ByLanguage("Cena dílu", "Cena dielu");
        pointsCaption_ = ByLanguage("Tvůj zisk", "Tvoj zisk");
        averageCaption_ = ByLanguage("Celkem bodov", "Celkom bodov");
        categoryMark_ = IsContestSelection(setup_.Area, setup_.DifficultySet, setup_.OperationSet);
        otherMark_ = !categoryMark_;
        if (otherMark_ && ContestWarningPending) {
            categoryWarning_ = true;
            ContestWarningPending = false;
        }
    } else {
        modeName_ = ModeText(setup_.Mode, setup_.Area);
        numberCaption_ = "Příklad číslo";
        pointsCaption_ = "Počet bodů";
        averageCaption_ = "Průměr";
    }

    LastAnswerCorrect_ = true;
    ResetNotANumberText();
    interval_ = TickIntervals[setup_.Area];

    if (!generate_) {
        Generator.Area = setup_.Area;
        Generator.DifficultySet = setup_.DifficultySet;
        Generator.OperationSet = setup_.OperationSet;
        Generator.Mode = setup_.Mode;
        Generator.ContestCounter = setup_.ContestCounter;
        generate_ = [] { return Generator.Generate(); };
    }

    numberText_ = "0";
    pointsText_ = "0";
    progressWidth_ = 0;
    averageText_ = contest ? std::to_string(setup_.ContestPoints) : "0";

    Advance();
}

void TDrillModel::ResetNotANumberText() {
    if (setup_.Area == 3 || setup_.Area == 5) {
        nanVisible_ = true;
        nanText_ = ByLanguage("N = Nelze", "N = Nedá sa");
    } else if (setup_.Area == 6) {
        nanVisible_ = true;
        nanText_ = ByLanguage("N = Nedá se doplnit, nesmysl", "N = Nedá sa doplniť, nezmysel");
    } else {
        nanVisible_ = false;
    }
}

std::string TDrillModel::AreaSixHintText() const {
    return std::string("Doplňuješ: 0,1,2,3,4,5,6,7,8,9\r\n") +
           ByLanguage("N = Nedá se doplnit, nesmysl", "N = Nedá sa doplniť, nezmysel");
}

void TDrillModel::StartupTexts() {
    controlsEnabled_ = true;
    if (!numberCaption_.empty() && numberCaption_[0] == 'C') {
        numberCaption_ = ByLanguage("Cena dílu", "Cena dielu");
        pointsCaption_ = ByLanguage("Tvůj zisk", "Tvoj zisk");
        averageCaption_ = ByLanguage("Celkem", "Celkom");
    } else {
        numberCaption_ = ByLanguage("Příklad číslo", "Príklad číslo");
        pointsCaption_ = ByLanguage("Počet bodů", "Počet bodov");
        averageCaption_ = ByLanguage("Průměr", "Priemer");
    }
}

void TDrillModel::RewardCaption() {
    rewardCaptionPending_ = false;
    bikeResultText_ = ByLanguage("VÝBORNĚ\r\n\r\n\r\nODMĚNA", "VÝBORNE\r\n\r\n\r\nODMENA");
}

void TDrillModel::StartTimer() {
    timerRunning_ = true;
    ++timerStarts_;
}

void TDrillModel::LoadExercise() {
    // A selection with a single possible question would repeat forever: after enough attempts the
    // repeat is accepted.
    TExercise exercise = generate_();
    for (int attempt = 1; attempt < MaxGenerateAttempts && exercise.Question == PreviousQuestion_; ++attempt)
        exercise = generate_();
    Expected_ = exercise.Expected;
    PreviousQuestion_ = exercise.Question;
    question_ = exercise.Question;
    suffix_ = exercise.Suffix;
    prompt_ = setup_.Area == 5 ? exercise.Prompt : std::string();

    switch (setup_.Area) {
    case 2: taskCaption_ = exercise.TaskText; break;
    case 5: taskCaption_.clear(); break;
    case 6:
        taskCaption_ = exercise.TaskText;
        if (Language == LanguageSlovak) TranslateTaskText(taskCaption_);
        break;
    default: taskCaption_ = ByLanguage("Vypočítej a stiskni ENTER", "Vypočítaj a stlač ENTER"); break;
    }

    if (setup_.Area == 6 && window_.AreaSixHintPending) {
        hintVisible_ = true;
        rememberVisible_ = true;
    }
}

void TDrillModel::NextExercise() {
    progress_ = 100;
    if (setup_.Mode == ModeExpert) interval_ = ShrinkInterval(interval_);
    suffix_.clear();
    LoadExercise();
    answerText_.clear();
    SetExerciseNumber(ExerciseNumber_ + 1);
}

void TDrillModel::Advance() {
    timerRunning_ = false;
    const TEndRuleState state{setup_.Mode,     setup_.Area,        DrillPoints_,
                              ExerciseNumber_, LastAnswerCorrect_, setup_.ContestCounter};
    if (DrillEnds(state)) {
        // The next screen replaces the drill: its timer stays stopped.
        EndDrill();
        return;
    }
    NextExercise();
    StartTimer();
}

void TDrillModel::EndDrill() {
    switch (setup_.Mode) {
    case ModeExpert: end_ = TDrillEnd::ExpertSummary; break;
    case ModeContest:
        contestPoints_ += DrillPoints_;
        end_ = setup_.ContestCounter == 16 ? TDrillEnd::EndBike : TDrillEnd::BikeResult;
        break;
    default: end_ = TDrillEnd::PracticeSummary; break;
    }
}

void TDrillModel::Key(char key) {
    if (ShowingResult_ || Ended()) return;
    switch (key) {
    case '\b':
    case '/':
        if (answerText_ == "N") answerText_.clear();
        else if (!answerText_.empty()) answerText_.pop_back();
        return;
    case '\r': JudgeAnswer(); return;
    case '*':
    case 'N':
    case 'n':
        if (answerText_.empty() && AcceptsN(setup_.Area)) answerText_ = "N";
        return;
    default: break;
    }
    const bool digit = key >= '0' && key <= '9';
    if (!digit && key != ',' && key != '-' && key != '.') return;
    if (answerText_.size() < MaxAnswerLength && answerText_ != "N") answerText_ += key == '.' ? ',' : key;
}

void TDrillModel::JudgeAnswer() {
    if (progress_ == 0) {
        SetShowingResult(true);
        ResultTicks_ = 2;
        resultColor_ = TDrillColor::Yellow;
        resultText_ = ByLanguage("Konec limitu", "Koniec limitu");
        answerColor_ = TDrillColor::Yellow;
        answerText_ = FormatNumber(Expected_);
        resultFrameVisible_ = true;
        resultTextVisible_ = true;
        LastAnswerCorrect_ = false;
        interval_ = TickIntervals[setup_.Area];
    } else {
        const std::optional<TFixedNumber> answer = ParseNumber(answerText_);
        if (!answer) {
            nanVisible_ = true;
            nanText_ = ByLanguage("Toto není číslo!!", "Toto nie je číslo!!");
            NotANumberTicks_ = 2;
            return;
        }
        if (SameNumber(*answer, Expected_)) {
            const int elapsed = 100 - progress_;
            answerColor_ = TDrillColor::Green;
            resultColor_ = TDrillColor::Green;
            if (setup_.Mode == ModeContest) {
                SetDrillPoints(DrillPoints_ + PointsForAnswer(setup_.Mode, elapsed));
                moneyIndex_ = MoneyPictureIndex(elapsed);
                moneyVisible_ = true;
                bikeResultVisible_ = true;
                rewardCaptionPending_ = true;
            } else {
                resultText_ = ByLanguage("VÝBORNĚ\r\nUmíš to", "SPRÁVNE\r\nVieš to");
                SetDrillPoints(DrillPoints_ + PointsForAnswer(setup_.Mode, elapsed));
                LastAnswerCorrect_ = true;
                resultTextVisible_ = true;
            }
            resultFrameVisible_ = true;
            ResultTicks_ = ResultTicksByArea[setup_.Area];
        } else {
            ++window_.ContestMistakes;
            resultColor_ = TDrillColor::Red;
            resultText_ = ByLanguage("Chyba,\r\nzkus další", "Chyba,\r\nskús ďalší");
            answerColor_ = TDrillColor::Red;
            answerText_ = FormatNumber(Expected_);
            LastAnswerCorrect_ = false;
            resultFrameVisible_ = true;
            resultTextVisible_ = true;
            rememberVisible_ = true;
            timerRunning_ = false;
            interval_ = TickIntervals[setup_.Area];
            window_.PauseStartTick = static_cast<int32_t>(clock_());
        }
    }
    resultPanelVisible_ = true;
    caret_ = false;
    SetShowingResult(true);
    // The first verdict tick comes one full interval after the verdict.
    if (timerRunning_) StartTimer();
}

void TDrillModel::Tick() {
    if (!timerRunning_ || Ended()) return;
    if (!ShowingResult_) {
        if (HasCountdown(setup_.Mode, setup_.Area)) {
            --progress_;
            countdownText_ = std::to_string(progress_ / 10 + 1);
        }
        if (progress_ == 0) JudgeAnswer();
        if (NotANumberTicks_ > 0 && --NotANumberTicks_ == 0) {
            // The wiped text is the pupil's malformed one; a time-out in this same tick has just put
            // the correct answer there, which must stay readable.
            if (!ShowingResult_) answerText_.clear();
            ResetNotANumberText();
        }
        return;
    }
    if (--ResultTicks_ > 0) return;
    SetShowingResult(false);
    resultPanelVisible_ = false;
    moneyVisible_ = false;
    resultTextVisible_ = false;
    resultFrameVisible_ = false;
    bikeResultVisible_ = false;
    answerColor_ = TDrillColor::Answer;
    caret_ = true;
    Advance();
}

void TDrillModel::Acknowledge() {
    if (!rememberVisible_ || Ended()) return;
    if (setup_.Area == 6 && hintVisible_ && window_.AreaSixHintPending) {
        window_.AreaSixHintPending = false;
        hintVisible_ = false;
        rememberVisible_ = false;
        return;
    }
    rememberVisible_ = false;
    ResultTicks_ = 1;
    StartTimer();
    // The time spent reading the correct answer does not count against the contest time.
    window_.ContestStartTick =
        ContestStartAfterPause(clock_(), window_.ContestStartTick, window_.PauseStartTick);
}

void TDrillModel::SetDrillPoints(int points) {
    DrillPoints_ = points;
    pointsText_ = std::to_string(points);
    UpdateStatus();
}

void TDrillModel::SetExerciseNumber(int number) {
    ExerciseNumber_ = number;
    if (setup_.Mode == ModeContest) {
        numberText_ = std::to_string(PartPrice(setup_.ContestCounter));
        return;
    }
    numberText_ = std::to_string(number);
    UpdateStatus();
}

void TDrillModel::SetShowingResult(bool showing) {
    ShowingResult_ = showing;
    UpdateStatus();
}

void TDrillModel::UpdateStatus() {
    if (setup_.Mode == ModeContest) {
        const TContestStatus status = ContestStatus(setup_.ContestCounter, contestPoints_, DrillPoints_);
        numberText_ = std::to_string(status.PartPrice);
        pointsText_ = std::to_string(status.Gain);
        averageText_ = std::to_string(status.Total);
        progressVisible_ = false;
        progressWidth_ = 0;
        return;
    }
    const int judged = JudgedExercises(ExerciseNumber_, ShowingResult_);
    if (judged > 0) averageText_ = numerava::AverageText(DrillPoints_, judged);
    progressVisible_ = ProgressVisible(setup_.Mode);
    progressWidth_ = progressVisible_ ? ProgressWidth(setup_.Mode, setup_.Area, DrillPoints_, judged) : 0;
}

} // namespace numerava
