#include "catalogue/UnitsTexts.h"
#include "catalogue/WordProblemData.h"
#include "core/Language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace numerava {
namespace {

class UnitsTextsTest : public ::testing::Test {
protected:
    void TearDown() override {
        Language = LanguageCzech;
        ClearWordProblemData();
        ContestCategory = 0;
    }
};

struct TopicCase {
    uint16_t language;
    int area;
    uint8_t difficulties;
    uint8_t operations;
    std::string expected;
};

TEST_F(UnitsTextsTest, TopicTextJoinsColumnsAndCollapsesCompleteOnes) {
    const uint8_t all = SetAllFour;
    const std::vector<TopicCase> cases{
        {LanguageCzech, 1, MakeSet({1}), MakeSet({1}), "NU 1: Počítání do 20 / Sčítání a odčítání"},
        {LanguageCzech, 1, all, MakeSet({4}), "NU 1: Vše / Číselné výrazy"},
        {LanguageCzech, 1, all, all, "NU 1: Vše"},
        {LanguageSlovak, 1, all, all, "NU 1: Všetko"},
        {LanguageSlovak, 1, MakeSet({1}), all, "NU 1: Počítanie do 20 / Všetko"},
        {LanguageCzech, 1, 0, MakeSet({2}), "NU 1:  / Násobení"},
        {LanguageCzech, 2, MakeSet({2}), all, "NU 2: Desetinná čísla / Vše"},
        {LanguageCzech, 2, all, all, "NU 2: Vše"},
        {LanguageCzech, 3, MakeSet({2, 3}), all, "NU 3: Výrazy bez závorek,Výrazy se závorkami / Vše"},
        // Only the exact set {1,2,3,4} counts as complete.
        {LanguageCzech, 3, MakeSet({1, 2, 3}), MakeSet({1, 4}),
         "NU 3: Mocniny a odmocniny,Výrazy bez závorek,Výrazy se závorkami / Lehounké,Velmi těžké"},
        {LanguageCzech, 4, MakeSet({1}), 0, "NU 4: Jednotky pro 1. stupeň"},
        {LanguageCzech, 4, MakeSet({1}), MakeSet({2}), "NU 4: Jednotky pro 1. stupeň, Jednotky objemu"},
        {LanguageCzech, 4, 0, MakeSet({3, 4}), "NU 4: Jednotky objemu tekutin,Další jednotky"},
        {LanguageSlovak, 4, 0, MakeSet({3, 4}), "NU 4: Jednotky objemu tekutín,Ďalšie jednotky"},
        {LanguageCzech, 6, all, all, "NU 6: Vše"},
        {LanguageSlovak, 6, all, all, "NU 6: Všetko"},
        {LanguageCzech, 6, all, 0, "NU 6: Rovnice,Hodnota výrazu,Úpravy výrazů,Mocniny"},
        {LanguageSlovak, 6, MakeSet({3}), MakeSet({1}), "NU 6: Úpravy výrazov, Vzorce pre dvojčlenov"},
        // Area 5 is complete only with all six items in both columns.
        {LanguageCzech, 5, SetAllSix, SetAllSix, "NU 5: Vše"},
        {LanguageCzech, 5, all, all, "NU 5: T1,T2,T3,T4, T7,T8,T9,T10"},
        {LanguageCzech, 5, MakeSet({6}), MakeSet({1, 6}), "NU 5: T6, T7,T12"},
    };
    for (int i = 1; i <= SectionCount; ++i) SectionTitles[static_cast<size_t>(i)] = "T" + std::to_string(i);
    for (const TopicCase& c : cases) {
        Language = c.language;
        const TSelection selection{ModeSmallPractice, c.area, c.difficulties, c.operations};
        EXPECT_EQ(TopicText(selection), c.expected)
            << "language " << c.language << ", area " << c.area << ", sets " << int{c.difficulties} << "/"
            << int{c.operations};
    }
}

TEST_F(UnitsTextsTest, ItemNamesOutsideTheColumns) {
    SectionTitles[1] = "Úlohy pro 1. stupeň";
    SectionTitles[6] = "Chytáky";
    SectionTitles[12] = "Procenta";
    const struct {
        int area;
        int item;
        std::string difficulty;
        std::string operation;
    } cases[]{
        {1, 5, "<unknown nu1 difficulty>", ""},
        {1, 0, "<unknown nu1 difficulty>", ""},
        {6, 5, "<unknown nu6 difficulty>", ""},
        {4, 4, "Jednotky času", "Další jednotky"},
        {0, 1, "<unknown numerava>", ""},
        {7, 1, "<unknown numerava>", ""},
        {5, 1, "Úlohy pro 1. stupeň", ""},
        {5, 6, "Chytáky", "Procenta"},
        {5, 7, "", ""},
        {5, 0, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DifficultyName(c.area, c.item), c.difficulty) << c.area << "/" << c.item;
        EXPECT_EQ(OperationName(c.area, c.item), c.operation) << c.area << "/" << c.item;
    }
}

TEST_F(UnitsTextsTest, ColumnNamesOfOtherAreasAreEmpty) {
    EXPECT_EQ(DifficultyNames(0, SetAllFour), "");
    EXPECT_EQ(OperationNames(7, MakeSet({1})), "");
}

TEST_F(UnitsTextsTest, ModeTextsDependOnAreaAndLanguage) {
    const struct {
        uint16_t language;
        int mode;
        int area;
        std::string text;
        std::string caption;
    } cases[]{
        {LanguageCzech, 1, 1, "Procvičování 1 malé", "Procvičování 1"},
        {LanguageSlovak, 1, 6, "Precvičovanie 1 malé", "Precvičovanie 1"},
        {LanguageCzech, 2, 3, "Procvičování 2 velké", "Procvičování 2"},
        {LanguageSlovak, 2, 3, "Precvičovanie 2 veľké", "Precvičovanie 2"},
        {LanguageCzech, 2, 4, "Bez limitu", "Bez limitu\r10 příkladů"},
        {LanguageSlovak, 2, 5, "Bez limitu", "Bez limitu\r10 príkladov"},
        {LanguageCzech, 2, 6, "Bez limitu", "Bez limitu\r20 příkladů"},
        {LanguageSlovak, 3, 1, "E X P E R T", "Expert"},
        {LanguageCzech, 4, 2, "Celý program", "Celý program\rSOUTĚŽ"},
        {LanguageSlovak, 4, 2, "Celý program", "Celý program\rSÚŤAŽ"},
        {LanguageCzech, 0, 1, "<unknown mode>", ""},
        {LanguageCzech, 5, 1, "<unknown mode>", ""},
    };
    for (const auto& c : cases) {
        Language = c.language;
        EXPECT_EQ(ModeText(c.mode, c.area), c.text) << "mode " << c.mode << ", area " << c.area;
        EXPECT_EQ(ModeCaption(c.mode, c.area), c.caption) << "mode " << c.mode << ", area " << c.area;
    }
}

TEST_F(UnitsTextsTest, AreaPictureRecordsTheAreaAsContestCategory) {
    EXPECT_EQ(AreaPicture(3), "Graphics\\kasparek.emf");
    EXPECT_EQ(ContestCategory, 3);
    EXPECT_EQ(AreaPicture(6), "Graphics\\rubik.wmf");
    EXPECT_EQ(ContestCategory, 6);
    EXPECT_EQ(AreaPicture(9), "");
    EXPECT_EQ(ContestCategory, 9);
}

TEST_F(UnitsTextsTest, PartNamesAndPrices) {
    const struct {
        int part;
        int price;
        std::string czech;
        std::string slovak;
    } cases[]{
        {1, 101, "ZADNÍ RÁFEK", "ZADNÝ RÁFIK"},
        {3, 101, "VÝPLET ZADNÍHO KOLA", "VÝPLET ZADNÉHO KOLESA"},
        {4, 201, "VÝPLET PŘEDNÍHO KOLA", "VÝPLET PREDNÉHO KOLESA"},
        {15, 201, "ŘETĚZ", "REŤAZ"},
        {16, 101, "ZVONEK", "ZVONČEK"},
        {0, 101, "<unknown part>", "<unknown part>"},
        {17, 101, "<unknown part>", "<unknown part>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PartPrice(c.part), c.price) << "part " << c.part;
        Language = LanguageCzech;
        EXPECT_EQ(PartName(c.part), c.czech);
        Language = LanguageSlovak;
        EXPECT_EQ(PartName(c.part), c.slovak);
    }
}

TEST_F(UnitsTextsTest, NoteValueByFifthOfTheTimeUsed) {
    const struct {
        int percent;
        int note;
    } cases[]{
        {0, 50},  {19, 50}, {-19, 50}, {-20, 0}, {20, 20}, {39, 20},
        {40, 10}, {60, 5},  {80, 2},   {99, 2},  {100, 0}, {1000, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(NoteValue(c.percent), c.note) << "percent " << c.percent;
}

} // namespace
} // namespace numerava
