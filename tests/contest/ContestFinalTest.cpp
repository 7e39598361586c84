#include "contest/ContestFinal.h"

#include "catalogue/Grades.h"
#include "catalogue/UnitsTexts.h"
#include "catalogue/WebAddresses.h"
#include "contest/ContestRules.h"
#include "core/Language.h"

#include <gtest/gtest.h>

#include <string>

namespace numerava {
namespace {

struct FinalCase {
    const char* name;
    uint16_t language;
    TContestFinalInput input;
    // Expected.
    const char* time;
    int32_t bonus;
    const char* mistakes;
    int32_t score;
    const char* mark;
    const char* markCaption;
    const char* markPicture;
    const char* topic;
    uint16_t category;
    bool entry;
    const char* address; // after the site's base address
};

constexpr int64_t Minutes = 60000;

const FinalCase Cases[] = {
    {"category with a score above 0",
     LanguageCzech,
     {{ModeContest, 2, SetAllFour, SetAllFour}, 2816, 25 * Minutes, 3},
     "25:00",
     -300,
     "3 chyby × 50b",
     2366,
     "3/4",
     "HODNOCENÍ: 3/4",
     "Graphics\\3_4.jpg",
     "NU 2: Vše",
     2,
     true,
     "form.php?skore=2366&jazyk=cz&kontrola=399&uroven=2"},
    // The whole of area 1 is no category: no entry, and the address reports the area.
    {"no category",
     LanguageCzech,
     {{ModeContest, 1, SetAllFour, SetAllFour}, 3000, 30 * Minutes, 0},
     "30:00",
     -600,
     "bez chyby",
     2400,
     "3/4",
     "HODNOCENÍ: 3/4",
     "Graphics\\3_4.jpg",
     "NU 1: Vše",
     NoContestCategory,
     false,
     "form.php?skore=2400&jazyk=cz&kontrola=203&uroven=1"},
    {"score not above 0",
     LanguageCzech,
     {{ModeContest, 2, SetAllFour, SetAllFour}, 200, 30 * Minutes, 5},
     "30:00",
     -600,
     "5 chyb × 50b.",
     -650,
     "5",
     "HODNOCENÍ: 5",
     "Graphics\\5.jpg",
     "NU 2: Vše",
     2,
     false,
     "form.php?skore=-650&jazyk=cz&kontrola=-207&uroven=2"},
    // A long Slovak topic is shortened to its category.
    {"shortened Slovak topic",
     LanguageSlovak,
     {{ModeContest, 6, SetAllFour, 0}, 4000, 15 * Minutes, 1},
     "15:00",
     300,
     "1 chyba × 50b",
     4250,
     "1",
     "HODNOTENIE: 1",
     "Graphics\\1.jpg",
     "NU 6: Algebra 1/2",
     61,
     true,
     "form.php?skore=4250&jazyk=sk&kontrola=325&uroven=61"},
};

TEST(ContestFinal, WorksOutEverythingTheFinalScreenShows) {
    for (const FinalCase& c : Cases) {
        SCOPED_TRACE(c.name);
        Language = c.language;
        const TContestFinal final = ContestFinal(c.input);
        EXPECT_EQ(final.Points, c.input.ContestPoints);
        EXPECT_EQ(final.TargetTime, "20:00");
        EXPECT_EQ(final.Time, c.time);
        EXPECT_EQ(final.TimeBonus, c.bonus);
        EXPECT_EQ(final.MistakesText, c.mistakes);
        EXPECT_EQ(final.Score, c.score);
        EXPECT_EQ(final.Mark, c.mark);
        EXPECT_EQ(final.MarkCaption, c.markCaption);
        EXPECT_EQ(final.MarkPicture, c.markPicture);
        EXPECT_EQ(MarkPicture, c.markPicture); // the grading leaves its picture for the program too
        EXPECT_FALSE(final.Description.empty());
        EXPECT_EQ(final.AreaPicture, AreaPictureFile(c.input.Selection.Area));
        EXPECT_EQ(final.Topic, c.topic);
        EXPECT_EQ(final.Category, c.category);
        EXPECT_EQ(final.AddressCategory,
                  c.category != NoContestCategory ? c.category : c.input.Selection.Area);
        EXPECT_EQ(final.EntryOffered, c.entry);
        EXPECT_EQ(final.ResultAddress, std::string(ContestSiteAddress) + c.address);

        // The results overview gets the full topic, the time and the score.
        EXPECT_EQ(final.Row.Topic, TopicText(c.input.Selection));
        EXPECT_EQ(final.Row.ModeName, "Celý program");
        EXPECT_EQ(final.Row.Tasks, c.time);
        EXPECT_EQ(final.Row.Points, std::to_string(c.score));
        EXPECT_EQ(final.Row.Mark, c.mark);
    }
    Language = LanguageCzech;
}

} // namespace
} // namespace numerava
