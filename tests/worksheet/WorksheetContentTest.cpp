// What a worksheet holds: captions fit for paper, answers as the pupil writes them, no exercise twice,
// and an instruction that tells about "N" wherever an exercise can expect it.
#include "worksheet/WorksheetContent.h"

#include "catalogue/WordProblemFile.h"
#include "core/FixedNumber.h"
#include "core/Language.h"
#include "core/Random.h"

#include <gtest/gtest.h>

#include <set>

namespace numerava::worksheet {
namespace {

class WorksheetContent : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Area 5 draws from the word-problem book the program ships.
        ASSERT_EQ(LoadWordProblemFile(NUMERAVA_SOURCE_DIR "/Graphics/numerava_cz.dat"),
                  WordProblemFileError::None);
    }
    void SetUp() override { Language = LanguageCzech; }
    void TearDown() override { Language = LanguageCzech; }
};

TEST_F(WorksheetContent, CaptionsSayWhatToDoOnPaper) {
    struct Case {
        uint16_t language;
        int area;
        std::string taskText;
        std::string caption;
    };
    const Case cases[] = {
        // The drill's general caption speaks of the Enter key: the sheet's instruction replaces it.
        {LanguageCzech, 2, "Vypočítej a stiskni ENTER", ""},
        {LanguageSlovak, 2, "Vypočítaj a stlač ENTER", ""},
        {LanguageCzech, 2, "Doplň zlomek", "Doplň zlomek"},
        {LanguageSlovak, 2, "Zapíš desatinným číslom", "Zapíš desatinným číslom"},
        // Area 6 writes its captions in Czech; the sheet translates them as the drill does.
        {LanguageCzech, 6, "Urči kořen rovnice", "Urči kořen rovnice"},
        {LanguageSlovak, 6, "Urči kořen rovnice", "Urči koreň rovnice"},
        {LanguageSlovak, 6, "Urči hodnotu výrazu pro x=-3", "Urči hodnotu výrazu pre x=-3"},
        // Other areas show no caption of their own in the drill.
        {LanguageCzech, 3, "Vypočítej", ""},
        {LanguageCzech, 1, "", ""},
    };
    for (const Case& c : cases) {
        Language = c.language;
        TExercise exercise;
        exercise.TaskText = c.taskText;
        EXPECT_EQ(WorksheetCaption(c.area, exercise), c.caption) << c.area << " " << c.taskText;
    }
}

TEST_F(WorksheetContent, TheSheetCarriesTopicAnswersAndPrompts) {
    TExercise fraction;
    fraction.Question = "/<1><2> + /<1><4> = ";
    fraction.Expected = MakeNumber(2, 75);
    fraction.TaskText = "Vypočítej a stiskni ENTER";
    TExercise none = fraction;
    none.Expected = MakeNumber(-1, 0);
    none.Prompt = "never shown outside area 5";
    const TWorksheet sheet =
        MakeWorksheet({ModeSmallPractice, 2, MakeSet({4}), SetAllFour}, {fraction, none});
    EXPECT_EQ(sheet.Area, 2);
    EXPECT_EQ(sheet.Topic, "NU 2: Racionální čísla / Vše");
    ASSERT_EQ(sheet.Exercises.size(), 2u);
    EXPECT_EQ(sheet.Exercises[0].Question, fraction.Question);
    EXPECT_EQ(sheet.Exercises[0].Answer, "0,75");
    EXPECT_EQ(sheet.Exercises[0].Caption, "");
    EXPECT_EQ(sheet.Exercises[1].Answer, "N");
    EXPECT_EQ(sheet.Exercises[1].Prompt, "");

    TExercise problem = fraction;
    problem.Prompt = "Zbude";
    problem.Suffix = "Kč";
    const TWorksheet problems = MakeWorksheet({ModeSmallPractice, 5, SetAllSix, SetAllSix}, {problem});
    EXPECT_EQ(problems.Topic, "NU 5: Vše");
    EXPECT_EQ(problems.Exercises[0].Prompt, "Zbude");
    EXPECT_EQ(problems.Exercises[0].Suffix, "Kč");
}

TEST_F(WorksheetContent, NoExerciseRepeatsOnASheet) {
    // Counting to 20: a few hundred different exercises, so 150 drawn at random would repeat some.
    for (const int area : {1, 4}) {
        SeedRandom(5);
        const auto exercises = WorksheetExercises({ModeSmallPractice, area, MakeSet({1}), SetAllFour}, 150);
        ASSERT_EQ(exercises.size(), 150u);
        std::set<std::string> seen;
        for (const TExercise& exercise : exercises)
            EXPECT_TRUE(seen.insert(exercise.Question + "|" + exercise.Suffix).second)
                << "area " << area << ": " << exercise.Question;
    }
}

TEST_F(WorksheetContent, ASmallSelectionRepeatsRatherThanRunningOut) {
    // Area 1, counting to 20, division: fewer different exercises than the sheet asks for.
    SeedRandom(9);
    const auto exercises = WorksheetExercises({ModeSmallPractice, 1, MakeSet({1}), MakeSet({3})}, 200);
    EXPECT_EQ(exercises.size(), 200u);
}

TEST_F(WorksheetContent, TheInstructionTellsAboutNWhereverAnAnswerCanBeN) {
    for (const uint16_t language : {LanguageCzech, LanguageSlovak}) {
        Language = language;
        for (int area = 1; area <= 6; ++area) {
            SeedRandom(3);
            bool expectsN = false;
            const TSelection all{ModeSmallPractice, area, area == 5 ? SetAllSix : SetAllFour,
                                 area == 5 ? SetAllSix : SetAllFour};
            for (const TExercise& exercise : WorksheetExercises(all, 2000))
                expectsN = expectsN || exercise.Expected.Decimals == -1;
            const std::string instruction = WorksheetTexts(area).Instruction;
            if (expectsN) { EXPECT_NE(instruction.find(" N."), std::string::npos) << "area " << area; }
            EXPECT_FALSE(instruction.empty());
        }
    }
}

TEST_F(WorksheetContent, BlanksAreLabelledInTheSheetsLanguage) {
    const TWorksheetTexts czech = WorksheetTexts(1);
    EXPECT_EQ(czech.Name + czech.Class + czech.Date, "JménoTřídaDatum");
    Language = LanguageSlovak;
    const TWorksheetTexts slovak = WorksheetTexts(1);
    EXPECT_EQ(slovak.Name + slovak.Class + slovak.Date, "MenoTriedaDátum");
}

} // namespace
} // namespace numerava::worksheet
