// The drill with the real area-3 generator: the pupil who types every expected answer, "N"
// included, is right every time and reaches the end of each mode.

#include "engine/DrillModel.h"

#include "catalogue/Selection.h"
#include "core/Language.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace numerava {
namespace {

struct Area3Drill {
    int32_t ContestStartTick = 0, ContestMistakes = 0, PauseStartTick = 0;
    bool AreaSixHintPending = true;
    std::unique_ptr<TDrillModel> Model;
    int NoValueAnswers = 0;

    explicit Area3Drill(TDrillSetup setup) {
        Model = std::make_unique<TDrillModel>(
            setup, TDrillWindowFields{ContestStartTick, ContestMistakes, PauseStartTick, AreaSixHintPending},
            [] { return 1000u; });
    }

    // Types the expected answer key by key and presses Enter; false if it was not judged right.
    bool AnswerAsExpected() {
        const std::string text = FormatNumber(Model->Expected());
        NoValueAnswers += text == "N";
        for (const char key : text) Model->Key(key);
        if (Model->AnswerText() != text) return false;
        Model->Key('\r');
        const bool right = Model->ShowingResult() && Model->AnswerColor() == TDrillColor::Green;
        for (int i = 0; i < 100 && Model->ShowingResult() && !Model->Ended(); ++i) Model->Tick();
        return right;
    }
};

TDrillSetup Area3Selection(int mode) {
    TDrillSetup setup;
    setup.Mode = mode;
    setup.Area = 3;
    setup.DifficultySet = SetAllFour;
    setup.OperationSet = SetAllFour;
    return setup;
}

TEST(DrillArea3Test, ExpectedAnswersAreRightInEveryMode) {
    Language = LanguageCzech;
    const struct {
        int Mode;
        int ContestCounter;
        int MaxExercises;
        TDrillEnd End; // None: still running after MaxExercises
    } cases[] = {
        {ModeSmallPractice, 1, 10, TDrillEnd::PracticeSummary},
        {ModeLargePractice, 1, 20, TDrillEnd::PracticeSummary},
        {ModeExpert, 1, 60, TDrillEnd::None},
        {ModeContest, 1, 60, TDrillEnd::BikeResult},
        {ModeContest, 16, 200, TDrillEnd::EndBike},
    };
    int noValueAnswers = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.Mode) + ", part " + std::to_string(c.ContestCounter));
        TDrillSetup setup = Area3Selection(c.Mode);
        setup.ContestCounter = c.ContestCounter;
        Area3Drill drill(setup);
        EXPECT_EQ(drill.Model->TaskCaption(), "Vypočítej a stiskni ENTER");
        int answered = 0;
        while (!drill.Model->Ended() && answered < c.MaxExercises) {
            ASSERT_TRUE(drill.AnswerAsExpected()) << drill.Model->Question();
            ++answered;
        }
        EXPECT_EQ(drill.Model->EndScreen(), c.End);
        if (c.End == TDrillEnd::PracticeSummary) { EXPECT_EQ(answered, c.MaxExercises); }
        EXPECT_EQ(drill.ContestMistakes, 0);
        noValueAnswers += drill.NoValueAnswers;
    }
    EXPECT_GT(noValueAnswers, 0); // "N" was typed and judged right
}

TEST(DrillArea3Test, NumberForAnExerciseWithoutValueIsWrong) {
    Language = LanguageCzech;
    Area3Drill drill(Area3Selection(ModeSmallPractice));
    for (int i = 0; i < 200 && !IsSpecial(drill.Model->Expected()); ++i)
        ASSERT_TRUE(drill.AnswerAsExpected());
    ASSERT_TRUE(IsSpecial(drill.Model->Expected()));
    drill.Model->Key('0');
    drill.Model->Key('\r');
    EXPECT_EQ(drill.Model->AnswerColor(), TDrillColor::Red);
    EXPECT_EQ(drill.ContestMistakes, 1);
}

} // namespace
} // namespace numerava
