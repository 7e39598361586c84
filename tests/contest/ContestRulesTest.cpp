#include "contest/ContestRules.h"

#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/Selection.h"
#include "catalogue/UnitsTexts.h"
#include "catalogue/WebAddresses.h"
#include "catalogue/WordProblemFile.h"
#include "core/Language.h"

namespace numerava {
namespace {

constexpr uint16_t Cz = LanguageCzech;
constexpr uint16_t Sk = LanguageSlovak;

// ---- Contest clock -------------------------------------------------------------------------------

TEST(ContestClock, ElapsedTimeAndPausesWrapLikeTheTickCount) {
    constexpr uint32_t Top = 0xFFFFFFFFu;
    const struct {
        uint32_t now;
        int32_t start;
        int64_t elapsed;
    } elapsed[] = {
        {160000, 100000, 60000},
        {5000, static_cast<int32_t>(Top - 4999), 10000}, // the tick count wrapped during the contest
        {100000, 160000, -60000},                        // a start in the future reads as negative
    };
    for (const auto& c : elapsed) EXPECT_EQ(ContestElapsed(c.now, c.start), c.elapsed) << c.now;

    const struct {
        uint32_t now;
        int32_t start;
        int32_t pause;
        int32_t movedStart;
    } pauses[] = {
        {145000, 40000, 100000, 85000}, // 45 s of pause move the start on by 45 s
        {100000, 40000, 100000, 40000}, // no pause
        {4000, -10000, -6000, 0},       // across the wrap: 10 s of pause
    };
    for (const auto& c : pauses) {
        EXPECT_EQ(ContestStartAfterPause(c.now, c.start, c.pause), c.movedStart) << c.now;
        // The contest time at the end of the pause is the time at its start.
        EXPECT_EQ(ContestElapsed(c.now, ContestStartAfterPause(c.now, c.start, c.pause)),
                  ContestElapsed(static_cast<uint32_t>(c.pause), c.start));
    }
}

TEST(ContestClock, BicyclePictures) {
    const struct {
        int part;
        const char* picture;
    } cases[] = {{1, "Graphics/kolo01.jpg"},
                 {5, "Graphics/kolo05.jpg"},
                 {6, "Graphics/kolo05.jpg"},
                 {7, "Graphics/kolo07.jpg"},
                 {15, "Graphics/kolo15.jpg"}};
    for (const auto& c : cases) EXPECT_EQ(BikePicture(c.part), c.picture);
}

// ---- Final score --------------------------------------------------------------------------------

TEST(ContestScore, AddsTheTimeBonusAndSubtractsFiftyPerMistake) {
    constexpr int32_t Max = std::numeric_limits<int32_t>::max();
    constexpr int32_t Min = std::numeric_limits<int32_t>::min();
    const struct {
        int32_t points;
        int64_t elapsedMs;
        int32_t mistakes;
        int32_t bonus;
        int32_t score;
    } cases[] = {
        {2816, 25 * 60000, 3, -300, 2366}, // 2816 - 300 - 150
        {0, 0, 0, 1200, 1200},
        {1616, 20 * 60000, 0, 0, 1616}, // exactly on target
        {1616, 1199999, 0, 1, 1617},    // 1199.999 s counts as 1199 s
        {1616, 1200999, 0, 0, 1616},    // 1200.999 s counts as 1200 s
        {1616, 1201000, 0, -1, 1615},
        {1616, 0, 1, 1200, 2766},
        {1616, 40 * 60000, 30, -1200, -1084}, // slow and careless: negative
        {Max, 0, 0, 1200, Min + 1199},        // wraps like a 32-bit integer
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.points << " points, " << c.elapsedMs << " ms, " << c.mistakes << " mistakes");
        EXPECT_EQ(ContestTimeBonus(c.elapsedMs), c.bonus);
        EXPECT_EQ(ContestFinalScore(c.points, c.elapsedMs, c.mistakes), c.score);
    }
}

TEST(ContestScore, FormatsTheDurationAsMinutesAndSeconds) {
    const struct {
        int64_t ms;
        const char* text;
    } cases[] = {
        {0, "00:00"},
        {999, "00:00"},
        {59999, "00:59"},
        {60000, "01:00"},
        {65000, "01:05"},
        {25 * 60000, "25:00"},
        {3600000, "60:00"}, // minutes do not wrap at 60
        {100 * 60000 + 7000, "100:07"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDuration(c.ms), c.text) << c.ms;
}

TEST(ContestScore, WordsTheMistakesByCount) {
    const struct {
        int32_t mistakes;
        const char* czech;
        const char* slovak;
    } cases[] = {
        {0, "bez chyby", "bez chyby"},         {1, "1 chyba × 50b", "1 chyba × 50b"},
        {2, "2 chyby × 50b", "2 chyby × 50b"}, {4, "4 chyby × 50b", "4 chyby × 50b"},
        {5, "5 chyb × 50b.", "5 chýb × 50b."}, {22, "22 chyb × 50b.", "22 chýb × 50b."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ContestMistakesText(c.mistakes, Cz), c.czech) << c.mistakes;
        EXPECT_EQ(ContestMistakesText(c.mistakes, Sk), c.slovak) << c.mistakes;
    }
}

TEST(ContestScore, WordsThePartsLeftByCount) {
    const struct {
        int32_t partsLeft;
        const char* czech;
        const char* slovak;
    } cases[] = {
        {15, "15 dílů", "15 dielov"}, {5, "5 dílů", "5 dielov"}, {4, "4 díly", "4 diely"},
        {3, "3 díly", "3 diely"},     {2, "2 díly", "2 diely"},  {1, "1 díl", "1 diel"},
        {0, "0 dílů", "0 dielov"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ContestPartsLeftText(c.partsLeft, Cz), c.czech) << c.partsLeft;
        EXPECT_EQ(ContestPartsLeftText(c.partsLeft, Sk), c.slovak) << c.partsLeft;
    }
}

// ---- Categories ---------------------------------------------------------------------------------

// Every pair of item sets of an area (the items its topic screen offers).
std::vector<std::pair<uint8_t, uint8_t>> AllChoices(int area) {
    const int items = area == 5 ? 6 : 4;
    std::vector<std::pair<uint8_t, uint8_t>> choices;
    for (int d = 0; d < (1 << items); ++d)
        for (int o = 0; o < (1 << items); ++o)
            choices.emplace_back(static_cast<uint8_t>(d << 1), static_cast<uint8_t>(o << 1));
    return choices;
}

// The final screen's label of a contest on a selection: the topic text, shortened.
std::string FinalLabel(int area, uint8_t difficulties, uint8_t operations) {
    return ShortenContestTopic(TopicText({ModeContest, area, difficulties, operations}));
}

// Every selection a contest can run on: the pupil's choices with the topic screen's defaults.
std::set<std::pair<uint8_t, uint8_t>> ContestChoices(int area) {
    std::set<std::pair<uint8_t, uint8_t>> choices;
    for (auto [difficulties, operations] : AllChoices(area)) {
        FillDefaults(area, difficulties, operations);
        choices.emplace(difficulties, operations);
    }
    return choices;
}

class ContestCategoryTest : public ::testing::Test {
protected:
    // Area 5 names its items from the word-problem file of the language.
    static void UseLanguage(uint16_t language) {
        Language = language;
        const std::string file = language == Sk ? "numerava_sk.dat" : "numerava_cz.dat";
        ASSERT_EQ(LoadWordProblemFile(std::string(NUMERAVA_SOURCE_DIR) + "/Graphics/" + file),
                  WordProblemFileError::None);
    }
    void TearDown() override { UseLanguage(Cz); }
};

TEST_F(ContestCategoryTest, TheDrillNeverWarnsOfNoEntryWhereTheFinalScreenEnters) {
    // The drill marks a wider set of selections as categories; the final screen decides again by its
    // label. Every selection whose label is a category must be among those the drill marks, or the
    // drill would warn that no entry is possible and the final screen then offer one.
    for (const uint16_t language : {Cz, Sk}) {
        UseLanguage(language);
        for (int area = 1; area <= 6; ++area) {
            for (const auto& [difficulties, operations] : ContestChoices(area)) {
                const std::string label = FinalLabel(area, difficulties, operations);
                if (ContestCategoryCode(label, language) == NoContestCategory) continue;
                EXPECT_TRUE(IsContestSelection(area, difficulties, operations))
                    << "language " << language << ", area " << area << ": " << label;
            }
        }
    }
}

TEST_F(ContestCategoryTest, EveryCategoryIsReachedBySomeSelection) {
    for (const uint16_t language : {Cz, Sk}) {
        UseLanguage(language);
        std::set<uint16_t> reached;
        for (int area = 1; area <= 6; ++area) {
            for (const auto& [difficulties, operations] : ContestChoices(area))
                reached.insert(ContestCategoryCode(FinalLabel(area, difficulties, operations), language));
        }
        reached.erase(NoContestCategory);
        EXPECT_EQ(reached.size(), ContestCategories().size()) << "language " << language;
    }
}

TEST(ContestCategory, SelectionsOfTheTopicScreen) {
    const struct {
        int area;
        uint8_t difficulties;
        uint8_t operations;
        bool category;
    } cases[] = {
        {1, SetAllFour, SetAllFour, true},        {1, MakeSet({1}), MakeSet({1}), true},
        {1, MakeSet({4}), MakeSet({1}), false},   {1, MakeSet({1, 2}), SetAllFour, false},
        {2, MakeSet({2}), MakeSet({1}), true},    {2, MakeSet({3}), MakeSet({1}), false},
        {3, MakeSet({2, 3}), SetAllFour, true},   {3, MakeSet({1, 2}), SetAllFour, false},
        {4, MakeSet({1}), MakeSet({1, 2}), true}, {4, MakeSet({1}), MakeSet({2}), false},
        {5, SetAllSix, SetAllSix, true},          {5, MakeSet({2}), MakeSet({4}), true},
        {5, SetAllSix, MakeSet({4}), false},      {5, MakeSet({2}), SetAllSix, false},
        {6, SetAllFour, MakeSet({3, 4}), true},   {6, MakeSet({2}), SetAllFour, false},
        {7, SetAllFour, SetAllFour, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsContestSelection(c.area, c.difficulties, c.operations), c.category)
            << "area " << c.area << " " << int(c.difficulties) << "/" << int(c.operations);
}

TEST(ContestCategory, CodesAreDistinctAndTextsArePairs) {
    std::set<uint16_t> codes;
    for (const ContestCategoryRow& row : ContestCategories()) {
        codes.insert(row.code);
        // Both texts name the same area.
        EXPECT_EQ(std::string(row.czech).substr(0, 5), std::string(row.slovak).substr(0, 5)) << row.czech;
    }
    EXPECT_EQ(codes.size(), 30u);
    EXPECT_EQ(codes.count(NoContestCategory), 0u);
}

TEST(ContestCategory, TheOtherLanguagesTextMissesUnlessBothAreEqual) {
    for (const ContestCategoryRow& row : ContestCategories()) {
        EXPECT_EQ(ContestCategoryCode(row.czech, Cz), row.code) << row.czech;
        EXPECT_EQ(ContestCategoryCode(row.slovak, Sk), row.code) << row.slovak;
        const bool same = std::string(row.czech) == row.slovak;
        const uint16_t expected = same ? row.code : NoContestCategory;
        EXPECT_EQ(ContestCategoryCode(row.czech, Sk), expected) << row.czech;
        EXPECT_EQ(ContestCategoryCode(row.slovak, Cz), expected) << row.slovak;
    }
}

TEST(ContestCategory, OtherTextsAreNoCategory) {
    const struct {
        const char* text;
        uint16_t language;
    } cases[] = {
        {"NU 1: Vše", Cz}, // the whole of area 1 is no category
        {"NU 1: Všetko", Sk},
        {"", Cz},
        {"nu 2: vše", Cz},  // case matters
        {"NU 2: Vše ", Cz}, // so does a trailing space
        {"NU 2: Desetinná čísla / Násobení", Cz},
        {"NU 6: Rovnice,Hodnota výrazu,Úpravy výrazů,Mocniny", Cz}, // recognised only once shortened
    };
    for (const auto& c : cases)
        EXPECT_EQ(ContestCategoryCode(c.text, c.language), NoContestCategory) << c.text;
}

TEST(ContestCategory, ShortensTheLongTopicsOfTheFinalScreen) {
    const struct {
        const char* topic;
        const char* label;
    } cases[] = {
        {"NU 4: Jednotky pro 1. stupeň,Jednotky délky,Jednotky hmotnosti,Jednotky času",
         "NU 4: Jednotky 1/2"},
        {"NU 4: Jednotky pre 1. stupeň,Jednotky dĺžky,Jednotky hmotnosti,Jednotky času",
         "NU 4: Jednotky 1/2"},
        {"NU 5: Úlohy pro 1. stupeň,Úlohy s des.čísly a zlomky,Úhly,Celá čísla,Úlohy o pohybu,Chytáky",
         "NU 5: Slovní úlohy 1/2"},
        {"NU 5: Úlohy pre 1. stupeň,Úlohy s des.číslami a zlomkami,Uhly,Celé čísla,Úlohy o pohybe,Chytáky",
         "NU 5: Slovné úlohy 1/2"},
        {"NU 6: Rovnice,Hodnota výrazu,Úpravy výrazů,Mocniny", "NU 6: Algebra 1/2"},
        {"NU 6: Rovnice,Hodnota výrazu,Úpravy výrazov,Mocniny", "NU 6: Algebra 1/2"},
        // Anything else stays as it is.
        {"NU 6: Rovnice,Hodnota výrazu", "NU 6: Rovnice,Hodnota výrazu"},
        {"NU 6: Rovnice,Hodnota výrazu,Úpravy výrazů,Mocniny ",
         "NU 6: Rovnice,Hodnota výrazu,Úpravy výrazů,Mocniny "},
        {"NU 4: Jednotky pro 1. stupeň", "NU 4: Jednotky pro 1. stupeň"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortenContestTopic(c.topic), c.label) << c.topic;
}

TEST(ContestCategory, ShortenedLongTopicsAreCategories) {
    EXPECT_EQ(
        ContestCategoryCode(ShortenContestTopic("NU 6: Rovnice,Hodnota výrazu,Úpravy výrazů,Mocniny"), Cz),
        61);
    EXPECT_EQ(
        ContestCategoryCode(ShortenContestTopic("NU 6: Rovnice,Hodnota výrazu,Úpravy výrazov,Mocniny"), Sk),
        61);
    EXPECT_EQ(ContestCategoryCode(
                  ShortenContestTopic(
                      "NU 4: Jednotky pre 1. stupeň,Jednotky dĺžky,Jednotky hmotnosti,Jednotky času"),
                  Sk),
              42);
    EXPECT_EQ(ContestCategoryCode(ShortenContestTopic("NU 5: Úlohy pre 1. stupeň,Úlohy s des.číslami a "
                                                      "zlomkami,Uhly,Celé čísla,Úlohy o pohybe,Chytáky"),
                                  Sk),
              52);
}

// ---- Check number and address -------------------------------------------------------------------

TEST(ContestAddress, CheckNumberWrapsLikeSigned32BitArithmetic) {
    // sum = s x 48611 + 1789 + c, reduced to signed 32 bits (± 2^32 = 4294967296), then the
    // remainder of truncating division by 457.
    constexpr int32_t Max = std::numeric_limits<int32_t>::max();
    constexpr int32_t Min = std::numeric_limits<int32_t>::min();
    const struct {
        int32_t score;
        uint16_t category;
        int32_t check;
    } cases[] = {
        {0, 0, 418},      // 1789 = 3 x 457 + 418
        {1, 0, 130},      // 50400 = 110 x 457 + 130
        {2366, 20, 417},  // 115015435 = 251674 x 457 + 417
        {-1, 0, -208},    // -46822 = -102 x 457 - 208
        {-100, 61, -426}, // -4859250 = -10632 x 457 - 426
        // 44179 x 48611 + 1791 = 2147587160 > 2^31 - 1, wraps to -2147380136 = -4698862 x 457 - 202
        {44179, 2, -202},
        // 4861102289 wraps to 566134993 = 1238807 x 457 + 194
        {100000, 500, 194},
        // -2430548210 wraps to 1864419086 = 4079691 x 457 + 299
        {-50000, 1, 299},
        // 104391327566306 wraps (mod 2^32) to 2147437026 = 4698986 x 457 + 424
        {Max, 200, 424},
        // -104391327611133 wraps to -2147481853 = -4699085 x 457 - 8
        {Min, 6, -8},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ContestCheckNumber(c.score, c.category), c.check) << c.score << " / " << c.category;
    }
}

TEST(ContestAddress, ComposesTheFormAddress) {
    const std::string base = ContestSiteAddress;
    const struct {
        int32_t score;
        uint16_t language;
        uint16_t category;
        std::string address;
    } cases[] = {
        {2366, Cz, 20, base + "form.php?skore=2366&jazyk=cz&kontrola=417&uroven=20"},
        {2366, Sk, 20, base + "form.php?skore=2366&jazyk=sk&kontrola=417&uroven=20"},
        {-100, Sk, 61, base + "form.php?skore=-100&jazyk=sk&kontrola=-426&uroven=61"},
        {100000, Cz, 500, base + "form.php?skore=100000&jazyk=cz&kontrola=194&uroven=500"},
    };
    for (const auto& c : cases) EXPECT_EQ(ContestResultAddress(c.score, c.language, c.category), c.address);
}

} // namespace
} // namespace numerava
