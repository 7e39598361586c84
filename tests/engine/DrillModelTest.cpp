#include "engine/DrillModel.h"
#include "engine/ScoringRules.h"

#include "core/Language.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace numerava {
namespace {

TExercise MakeExercise(std::string question, TFixedNumber expected) {
    TExercise exercise;
    exercise.Question = std::move(question);
    exercise.Expected = expected;
    return exercise;
}

// Questions "q1 = ", "q2 = ", ... all with the expected answer 7.
TDrillModel::GenerateFunction Counting(int* calls = nullptr) {
    auto counter = std::make_shared<int>(0);
    return [counter, calls] {
        ++*counter;
        if (calls) ++*calls;
        return MakeExercise("q" + std::to_string(*counter) + " = ", MakeNumber(0, 7));
    };
}

// The main window's fields and a settable clock around one drill.
struct Drill {
    int32_t ContestStartTick = 0;
    int32_t ContestMistakes = 0;
    int32_t PauseStartTick = 0;
    bool AreaSixHintPending = true;
    uint32_t Now = 1000;
    std::unique_ptr<TDrillModel> Model;

    explicit Drill(TDrillSetup setup, TDrillModel::GenerateFunction generate = Counting()) {
        Model = std::make_unique<TDrillModel>(
            setup, TDrillWindowFields{ContestStartTick, ContestMistakes, PauseStartTick, AreaSixHintPending},
            [this] { return Now; }, std::move(generate));
    }

    TDrillModel& operator*() { return *Model; }
    TDrillModel* operator->() { return Model.get(); }

    void Type(const std::string& text) {
        for (const char key : text) Model->Key(key);
    }
    void Answer(const std::string& text) {
        Type(text);
        Model->Key('\r');
    }
    void AnswerCorrectly() { Answer(FormatNumber(Model->Expected())); }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) Model->Tick();
    }
    // Ticks until the verdict is over (the next exercise is on screen or the drill has ended).
    void FinishVerdict() {
        for (int i = 0; i < 100 && Model->ShowingResult() && !Model->Ended(); ++i) Model->Tick();
    }
};

TDrillSetup Selection(int mode, int area) {
    TDrillSetup setup;
    setup.Mode = mode;
    setup.Area = area;
    setup.DifficultySet = SetAllFour;
    setup.OperationSet = SetAllFour;
    return setup;
}

class DrillModelTest : public ::testing::Test {
protected:
    void SetUp() override { Language = LanguageCzech; }
};

TEST_F(DrillModelTest, InstantAnswersEndAtExactlyTheTargetPoints) {
    struct Case {
        int mode;
        int exercises;
        int points;
    };
    for (const Case& c : {Case{ModeSmallPractice, 10, 100}, Case{ModeLargePractice, 20, 200}}) {
        SCOPED_TRACE(c.mode);
        Drill drill(Selection(c.mode, 1), {}); // the real area-1 generator
        int answered = 0;
        while (!drill->Ended() && answered < 50) {
            EXPECT_EQ(drill->ExerciseNumber(), answered + 1);
            drill.AnswerCorrectly();
            ASSERT_TRUE(drill->ShowingResult());
            ++answered;
            drill.FinishVerdict();
        }
        EXPECT_EQ(answered, c.exercises);
        EXPECT_EQ(drill->DrillPoints(), c.points);
        EXPECT_EQ(drill->EndScreen(), TDrillEnd::PracticeSummary);
        EXPECT_FALSE(drill->TimerRunning());
    }
}

TEST_F(DrillModelTest, LargePracticeOfAreasFourAndFiveEndsAfterTenExercises) {
    struct Case {
        int area;
        bool correct;
        int points;
    };
    for (const Case& c : {Case{4, true, 100}, Case{5, false, 0}, Case{4, false, 0}}) {
        SCOPED_TRACE(c.area);
        Drill drill(Selection(ModeLargePractice, c.area));
        int answered = 0;
        while (!drill->Ended() && answered < 30) {
            drill.Ticks(50); // no countdown in these areas: waiting costs nothing
            EXPECT_EQ(drill->Progress(), 100);
            drill.Answer(c.correct ? "7" : "8");
            drill->Acknowledge();
            ++answered;
            drill.FinishVerdict();
        }
        EXPECT_EQ(answered, 10);
        EXPECT_EQ(drill->DrillPoints(), c.points);
        EXPECT_EQ(drill.ContestMistakes, c.correct ? 0 : 10);
    }
}

TEST_F(DrillModelTest, ExpertIntervalShrinksPerExerciseAndEndsOnFirstMiss) {
    Drill drill(Selection(ModeExpert, 1));
    std::vector<int> intervals;
    for (int i = 0; i < 4; ++i) {
        intervals.push_back(drill->TimerInterval());
        drill.AnswerCorrectly();
        drill.FinishVerdict();
    }
    EXPECT_EQ(intervals, (std::vector<int>{214, 199, 185, 172}));
    ASSERT_FALSE(drill->Ended());
    drill.Answer("8");
    EXPECT_EQ(drill->TimerInterval(), 230);
    drill->Acknowledge();
    drill.FinishVerdict();
    EXPECT_EQ(drill->EndScreen(), TDrillEnd::ExpertSummary);
    EXPECT_EQ(drill->ExerciseNumber(), 5);
    EXPECT_EQ(drill->DrillPoints(), 40);
}

TEST_F(DrillModelTest, ExpertEndsOnTimeOutAndShowsTheAnswerInYellow) {
    Drill drill(Selection(ModeExpert, 1));
    drill.AnswerCorrectly();
    drill.FinishVerdict();
    drill.Type("12");
    drill.Ticks(100);
    EXPECT_TRUE(drill->ShowingResult());
    EXPECT_EQ(drill->ResultText(), "Konec limitu");
    EXPECT_EQ(drill->AnswerText(), "7");
    EXPECT_EQ(drill->AnswerColor(), TDrillColor::Yellow);
    EXPECT_EQ(drill->TimerInterval(), 230);
    EXPECT_EQ(drill.ContestMistakes, 0); // a time-out is no mistake
    drill.Ticks(2);
    EXPECT_EQ(drill->EndScreen(), TDrillEnd::ExpertSummary);
    EXPECT_EQ(drill->DrillPoints(), 10);
    EXPECT_EQ(drill->ExerciseNumber(), 2);
}

TEST_F(DrillModelTest, PointsDependOnTheGaugeWhenAnswered) {
    struct Case {
        int mode;
        int gauge;
        int points;
        int money;
    };
    for (const Case& c :
         {Case{ModeSmallPractice, 91, 10, 0}, Case{ModeSmallPractice, 10, 1, 0}, Case{ModeContest, 91, 50, 0},
          Case{ModeContest, 10, 2, 4}, Case{ModeContest, 60, 10, 2}}) {
        SCOPED_TRACE(c.gauge);
        TDrillSetup setup = Selection(c.mode, 1);
        setup.ContestCounter = 1;
        setup.ContestPoints = 300;
        Drill drill(setup);
        drill.Ticks(100 - c.gauge);
        ASSERT_EQ(drill->Progress(), c.gauge);
        drill.AnswerCorrectly();
        EXPECT_EQ(drill->DrillPoints(), c.points);
        if (c.mode == ModeContest) {
            EXPECT_TRUE(drill->MoneyVisible());
            EXPECT_EQ(drill->MoneyIndex(), c.money);
            EXPECT_EQ(drill->AverageText(), std::to_string(300 + c.points)); // "Celkem"
            EXPECT_EQ(drill->NumberText(), "101");                           // the part's price
        }
    }
}

TEST_F(DrillModelTest, ContestPartEndsWhenItsPriceIsReached) {
    TDrillSetup setup = Selection(ModeContest, 1);
    setup.ContestCounter = 1;
    setup.ContestPoints = 40;
    Drill drill(setup);
    for (int i = 0; i < 2; ++i) {
        drill.AnswerCorrectly();
        drill.FinishVerdict();
    }
    EXPECT_FALSE(drill->Ended()); // 100 of 101
    drill.AnswerCorrectly();
    drill.FinishVerdict();
    EXPECT_EQ(drill->EndScreen(), TDrillEnd::BikeResult);
    EXPECT_EQ(drill->ContestPoints(), 190);
}

TEST_F(DrillModelTest, AnswerIsJudgedAsANumber) {
    struct Case {
        int area;
        TFixedNumber expected;
        const char* typed;
        bool correct;
    };
    const Case cases[] = {
        {1, MakeNumber(1, 5), "0,50", true},  {1, MakeNumber(1, 5), "0.5", true},
        {1, MakeNumber(0, 5), "5,", true},    {1, MakeNumber(0, 5), "05", true},
        {1, MakeNumber(0, 1), "1,0", true},   {1, MakeNumber(0, 5), "-5", false},
        {1, MakeNumber(1, -5), "-0,5", true}, {3, SpecialAnswerN(), "N", true},
        {3, MakeNumber(0, 0), "N", false},    {3, SpecialAnswerN(), "0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        auto counter = std::make_shared<int>(0);
        Drill drill(Selection(ModeSmallPractice, c.area), [counter, expected = c.expected] {
            return MakeExercise("q" + std::to_string(++*counter), expected);
        });
        drill.Answer(c.typed);
        ASSERT_TRUE(drill->ShowingResult());
        EXPECT_EQ(drill->DrillPoints(), c.correct ? 10 : 0);
        EXPECT_EQ(drill->AnswerColor(), c.correct ? TDrillColor::Green : TDrillColor::Red);
        EXPECT_EQ(drill.ContestMistakes, c.correct ? 0 : 1);
    }
}

TEST_F(DrillModelTest, EnterOnNoNumberOnlyShowsTheNotice) {
    for (const char* typed : {"", "-", "1,2,3"}) {
        SCOPED_TRACE(typed);
        Drill drill(Selection(ModeSmallPractice, 1));
        drill.Ticks(3);
        drill.Answer(typed);
        EXPECT_TRUE(drill->NotANumberVisible());
        EXPECT_EQ(drill->NotANumberText(), "Toto není číslo!!");
        EXPECT_FALSE(drill->ShowingResult());
        EXPECT_EQ(drill->AnswerText(), typed);
        EXPECT_EQ(drill->Progress(), 97);
        EXPECT_EQ(drill->ExerciseNumber(), 1);
        EXPECT_EQ(drill->DrillPoints(), 0);
        EXPECT_EQ(drill.ContestMistakes, 0);
        drill.Ticks(2); // the notice lasts two ticks, then the text is wiped
        EXPECT_FALSE(drill->NotANumberVisible());
        EXPECT_EQ(drill->AnswerText(), "");
        EXPECT_EQ(drill->Progress(), 95);
    }
}

TEST_F(DrillModelTest, NoticeEndingWithATimeOutKeepsTheCorrectAnswerShown) {
    Drill drill(Selection(ModeSmallPractice, 1));
    drill.Ticks(98);
    drill.Answer("-"); // the notice's last tick is the countdown's last one
    drill.Ticks(2);
    EXPECT_TRUE(drill->ShowingResult());
    EXPECT_EQ(drill->AnswerText(), FormatNumber(drill->Expected()));
    EXPECT_FALSE(drill->NotANumberVisible());
}

TEST_F(DrillModelTest, NoticeReturnsToTheNHintWhereNCanBeTyped) {
    for (const int area : {3, 5}) {
        Drill drill(Selection(ModeSmallPractice, area));
        EXPECT_EQ(drill->NotANumberText(), "N = Nelze");
        drill.Answer("");
        drill.Ticks(2);
        EXPECT_TRUE(drill->NotANumberVisible());
        EXPECT_EQ(drill->NotANumberText(), "N = Nelze");
    }
}

TEST_F(DrillModelTest, AnswerKeysEditTheField) {
    struct Case {
        int area;
        const char* keys;
        const char* text;
    };
    const Case cases[] = {
        {1, "12345678901234", "1234567890"}, // never more than ten characters
        {1, "3.5", "3,5"},
        {1, "-1,2,", "-1,2,"},
        {1, "12\b", "1"},
        {1, "12/", "1"},
        {1, "\b", ""},
        {1, "1a+x 2", "12"},
        {1, "N", ""}, // "N" only in areas 3, 5 and 6
        {2, "n", ""},
        {4, "N", ""},
        {3, "n", "N"},
        {5, "N", "N"}, // a trick question may have no answer
        {6, "*", "N"},
        {3, "1N", "1"}, // only into an empty field
        {3, "N5", "N"}, // nothing after "N"
        {3, "N\b", ""},
        {3, "N/7", "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Drill drill(Selection(ModeSmallPractice, c.area));
        drill.Type(c.keys);
        EXPECT_EQ(drill->AnswerText(), c.text);
    }
}

TEST(AnswerKey, TopRowLettersOfCzechAndSlovakKeyboardsAreDigits) {
    const std::pair<char32_t, char> cases[] = {
        {U'ě', '2'},
        {U'ľ', '2'},
        {U'š', '3'},
        {U'č', '4'},
        {U'ř', '5'},
        {U'ť', '5'},
        {U'ž', '6'},
        {U'ý', '7'},
        {U'á', '8'},
        {U'í', '9'},
        {U'é', '0'},
        {U'7', '7'},
        {U',', ','},
        {U'+', '+'},
        // Other letters of the same keyboards are no digits.
        {U'ú', 0},
        {U'ů', 0},
        {U'ô', 0},
        {U'ä', 0},
        {U'Ě', 0},
        {U'€', 0},
    };
    for (const auto& [character, key] : cases)
        EXPECT_EQ(AnswerKey(character), key) << static_cast<int>(character);
}

TEST_F(DrillModelTest, WrongAnswerWaitsForAcknowledgementAndPausesTheContestClock) {
    Drill drill(Selection(ModeSmallPractice, 1));
    drill.ContestStartTick = 5000;
    drill.Now = 10000;
    drill.Answer("8");
    EXPECT_EQ(drill->ResultText(), "Chyba,\r\nzkus další");
    EXPECT_EQ(drill->AnswerText(), "7"); // the correct answer replaces the pupil's
    EXPECT_TRUE(drill->RememberVisible());
    EXPECT_FALSE(drill->TimerRunning());
    EXPECT_EQ(drill.PauseStartTick, 10000);
    EXPECT_EQ(drill.ContestMistakes, 1);

    drill.Ticks(20);
    drill.Answer("7"); // Enter while the verdict is shown does not reach the judge
    EXPECT_TRUE(drill->ShowingResult());
    EXPECT_EQ(drill->ExerciseNumber(), 1);
    EXPECT_EQ(drill->AnswerText(), "7");
    EXPECT_EQ(drill->DrillPoints(), 0);

    drill.Now = 13000;
    const int starts = drill->TimerStarts();
    drill->Acknowledge();
    EXPECT_EQ(drill.ContestStartTick, 8000);
    EXPECT_FALSE(drill->RememberVisible());
    EXPECT_GT(drill->TimerStarts(), starts);
    drill->Tick();
    EXPECT_FALSE(drill->ShowingResult());
    EXPECT_EQ(drill->ExerciseNumber(), 2);
    EXPECT_EQ(drill->AnswerText(), "");
    EXPECT_EQ(drill->AnswerColor(), TDrillColor::Answer);
    EXPECT_EQ(drill->Progress(), 100);
}

TEST_F(DrillModelTest, AreaSixHintIsShownOnceAndKeepsTheCountdown) {
    Drill drill(Selection(ModeSmallPractice, 6));
    EXPECT_TRUE(drill->AreaSixHintVisible());
    EXPECT_TRUE(drill->RememberVisible());
    drill.Ticks(2);
    EXPECT_EQ(drill->Progress(), 98);
    drill->Acknowledge();
    EXPECT_FALSE(drill->AreaSixHintVisible());
    EXPECT_FALSE(drill.AreaSixHintPending);
    EXPECT_FALSE(drill->ShowingResult());
    drill.AnswerCorrectly();
    drill.FinishVerdict();
    EXPECT_FALSE(drill->AreaSixHintVisible());
}

TEST_F(DrillModelTest, RepeatedQuestionIsAvoidedButTheSearchIsBounded) {
    int calls = 0;
    Drill same(Selection(ModeSmallPractice, 1), [&calls] {
        ++calls;
        return MakeExercise("1 + 1 = ", MakeNumber(0, 2));
    });
    same.AnswerCorrectly();
    same.FinishVerdict();
    EXPECT_EQ(same->ExerciseNumber(), 2);
    EXPECT_EQ(calls, 1 + TDrillModel::MaxGenerateAttempts);

    // A question equal to the previous one is skipped.
    const std::vector<std::string> questions = {"a", "a", "a", "b"};
    size_t next = 0;
    Drill drill(Selection(ModeSmallPractice, 1),
                [&] { return MakeExercise(questions.at(next++), MakeNumber(0, 1)); });
    drill.AnswerCorrectly();
    drill.FinishVerdict();
    EXPECT_EQ(drill->Question(), "b");
}

TEST_F(DrillModelTest, StatusShowsAverageAndProgress) {
    Drill drill(Selection(ModeSmallPractice, 1));
    EXPECT_EQ(drill->AverageText(), "0");
    drill.Ticks(15); // e = 15: 9 points
    drill.AnswerCorrectly();
    EXPECT_EQ(drill->AverageText(), "9");
    drill.FinishVerdict();
    drill.AnswerCorrectly(); // 10 points: 19 in 2
    EXPECT_EQ(drill->AverageText(), "9,5");
    EXPECT_EQ(drill->ProgressBarFill(), 19 * 265 / 100);
    drill.FinishVerdict();
    EXPECT_EQ(drill->AverageText(), "9,5"); // still 2 judged while the third is answered
    EXPECT_EQ(drill->NumberText(), "3");
}

TEST(ScoringRulesTest, AverageIsTruncatedToOneDecimal) {
    // The drill's status table and both summaries show this text.
    const struct {
        int points;
        int exercises;
        const char* text;
    } cases[] = {
        {47, 5, "9,4"},
        {50, 5, "10"}, // no ",0"
        {29, 3, "9,6"},
        {1, 3, "0,3"},
        {103, 12, "8,5"},
        {19, 20, "0,9"}, // truncated, not rounded
        {0, 7, "0"},
        {-5, 10, "-0,5"},              // below zero keeps its sign
        {2000000000, 1, "2000000000"}, // ten times the total does not overflow
        {5, 0, ""},                    // no exercises, no average
    };
    for (const auto& c : cases)
        EXPECT_EQ(AverageText(c.points, c.exercises), c.text) << c.points << "/" << c.exercises;
}

TEST(ScoringRulesTest, Rules) {
    EXPECT_EQ(ShrinkInterval(230), 214);
    EXPECT_EQ(ShrinkInterval(214), 199);
    EXPECT_EQ(ShrinkInterval(150), 140); // 139,5 ties to the even 140
    EXPECT_EQ(ShrinkInterval(50), 46);   // 46,5 ties to the even 46

    EXPECT_EQ(ProgressWidth(ModeLargePractice, 4, 100, 10), 132);
    EXPECT_EQ(ProgressWidth(ModeLargePractice, 6, 30, 10), 132);
    EXPECT_EQ(ProgressWidth(ModeSmallPractice, 1, 120, 12), 265);
    EXPECT_EQ(ProgressWidth(ModeExpert, 1, 50, 5), 0);

    EXPECT_TRUE(DrillEnds({ModeLargePractice, 6, 0, 20, false, 1}));
    EXPECT_FALSE(DrillEnds({ModeLargePractice, 6, 250, 19, true, 1}));
    EXPECT_FALSE(DrillEnds({ModeContest, 1, 200, 5, true, 4}));
    EXPECT_TRUE(DrillEnds({ModeContest, 1, 201, 5, true, 4}));
}

} // namespace
} // namespace numerava
