// The verdict a screen-reader user hears from the answer field.
#include "engine/DrillSpeech.h"

#include "catalogue/Selection.h"
#include "core/Language.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace numerava {
namespace {

// A drill of the mode whose every question expects 7.
struct SpokenDrill {
    int32_t ContestStartTick = 0;
    int32_t ContestMistakes = 0;
    int32_t PauseStartTick = 0;
    bool AreaSixHintPending = false;
    std::unique_ptr<TDrillModel> Model;

    explicit SpokenDrill(int mode, int area = 1) {
        TDrillSetup setup;
        setup.Mode = mode;
        setup.Area = area;
        setup.DifficultySet = SetAllFour;
        setup.OperationSet = SetAllFour;
        int count = 0;
        Model = std::make_unique<TDrillModel>(
            setup, TDrillWindowFields{ContestStartTick, ContestMistakes, PauseStartTick, AreaSixHintPending},
            [] { return 1000u; },
            [count]() mutable {
                TExercise exercise;
                exercise.Question = "q" + std::to_string(++count) + " = ";
                exercise.Expected = MakeNumber(0, 7);
                return exercise;
            });
    }
    void Answer(const std::string& text) {
        for (const char key : text) Model->Key(key);
        Model->Key('\r');
    }
};

TEST(VerdictAnnouncement, SaysTheVerdictWithTheCorrectAnswerWhenItWasNotGiven) {
    const struct {
        const char* name;
        std::function<void(SpokenDrill&)> act;
        const char* czech;
        const char* slovak;
    } cases[] = {
        {"nothing answered yet", [](SpokenDrill&) {}, "", ""},
        {"right", [](SpokenDrill& d) { d.Answer("7"); }, "VÝBORNĚ Umíš to", "SPRÁVNE Vieš to"},
        {"wrong", [](SpokenDrill& d) { d.Answer("5"); }, "Chyba, zkus další. Správná odpověď je 7",
         "Chyba, skús ďalší. Správna odpoveď je 7"},
        {"too late",
         [](SpokenDrill& d) {
             for (int i = 0; i < 100 && !d.Model->ShowingResult(); ++i) d.Model->Tick();
         },
         "Konec limitu. Správná odpověď je 7", "Koniec limitu. Správna odpoveď je 7"},
        {"not a number", [](SpokenDrill& d) { d.Answer(","); }, "Toto není číslo!!", "Toto nie je číslo!!"},
        {"not a number, then right",
         [](SpokenDrill& d) {
             d.Answer(",");
             d.Model->Key('\b');
             d.Answer("7");
         },
         "VÝBORNĚ Umíš to", "SPRÁVNE Vieš to"},
        {"not a number, gone after two ticks",
         [](SpokenDrill& d) {
             d.Answer(",");
             d.Model->Tick();
             d.Model->Tick();
         },
         "", ""},
        {"verdict over",
         [](SpokenDrill& d) {
             d.Answer("7");
             for (int i = 0; i < 100 && d.Model->ShowingResult(); ++i) d.Model->Tick();
         },
         "", ""},
    };
    for (const auto& c : cases) {
        for (const uint16_t language : {LanguageCzech, LanguageSlovak}) {
            Language = language;
            SpokenDrill drill(ModeSmallPractice);
            c.act(drill);
            EXPECT_EQ(VerdictAnnouncement(*drill.Model), language == LanguageCzech ? c.czech : c.slovak)
                << c.name;
        }
    }
    Language = LanguageCzech;
}

// Areas 3, 5 and 6 show the hint on "N" where the not-a-number message appears: it is not news.
TEST(VerdictAnnouncement, LeavesTheHintOnNOut) {
    for (const int area : {3, 5, 6}) {
        SpokenDrill drill(ModeSmallPractice, area);
        ASSERT_TRUE(drill.Model->NotANumberVisible());
        EXPECT_EQ(VerdictAnnouncement(*drill.Model), "") << area;
        drill.Answer(",");
        EXPECT_EQ(VerdictAnnouncement(*drill.Model), "Toto není číslo!!") << area;
    }
}

// In the contest a right answer earns a bank note: it is said once the reward caption is up.
TEST(VerdictAnnouncement, NamesTheContestRewardAndItsNote) {
    for (const uint16_t language : {LanguageCzech, LanguageSlovak}) {
        Language = language;
        SpokenDrill drill(ModeContest);
        drill.Answer("7");
        EXPECT_EQ(VerdictAnnouncement(*drill.Model), "");
        drill.Model->RewardCaption();
        EXPECT_EQ(VerdictAnnouncement(*drill.Model),
                  language == LanguageCzech ? "VÝBORNĚ ODMĚNA. Bankovka 50" : "VÝBORNE ODMENA. Bankovka 50");
    }
    Language = LanguageCzech;
}

} // namespace
} // namespace numerava
