#include "catalogue/Grades.h"
#include "core/Language.h"

#include <gtest/gtest.h>

#include <string>

namespace numerava {
namespace {

class GradesTest : public ::testing::Test {
protected:
    void SetUp() override { MarkPicture = "untouched"; }
    void TearDown() override {
        Language = LanguageCzech;
        MarkPicture.clear();
    }
};

TEST_F(GradesTest, PracticeAverageBoundaries) {
    const struct {
        int mode;
        float average;
        std::string mark;
        std::string message;
    } cases[]{
        {1, 10.0f, "1*", "Jsi matematický génius, pojď soutěžit o diplomy!"},
        {2, 9.99f, "1", "Jsi bystrý a inteligentní matematik, pojď soutěžit o diplomy!"},
        {3, 9.0f, "1", "Jsi bystrý a inteligentní matematik, pojď soutěžit o diplomy!"},
        {1, 8.99f, "2", "Jsi šikovný matematik, ještě chvíli musíš trénovat!"},
        {1, 7.5f, "2", "Jsi šikovný matematik, ještě chvíli musíš trénovat!"},
        {2, 7.49f, "3", "Jsi průměrný matematik, ještě chvíli musíš trénovat!"},
        {2, 5.0f, "3", "Jsi průměrný matematik, ještě chvíli musíš trénovat!"},
        {3, 2.5f, "4", "Slabý výkon, ještě chvíli musíš trénovat!"},
        {3, 2.49f, "5", "Procvičuj, trénuj!"},
        {1, 0.0f, "5", "Procvičuj, trénuj!"},
        {1, -3.0f, "5", "Procvičuj, trénuj!"},
    };
    for (const auto& c : cases) {
        std::string message;
        std::string mark;
        MarkFor(c.mode, c.average, message, mark);
        EXPECT_EQ(mark, c.mark) << "average " << c.average;
        EXPECT_EQ(message, c.message) << "average " << c.average;
    }
    EXPECT_EQ(MarkPicture, "untouched");
}

TEST_F(GradesTest, ContestScoreBoundaries) {
    const struct {
        float score;
        std::string mark;
        std::string picture;
    } cases[]{
        {-500.0f, "5", "Graphics\\5.jpg"},     {1000.0f, "5", "Graphics\\5.jpg"},
        {1000.5f, "4/5", "Graphics\\4_5.jpg"}, {1001.0f, "4/5", "Graphics\\4_5.jpg"},
        {1500.0f, "4/5", "Graphics\\4_5.jpg"}, {1501.0f, "4", "Graphics\\4.jpg"},
        {2001.0f, "3/4", "Graphics\\3_4.jpg"}, {2401.0f, "3", "Graphics\\3.jpg"},
        {2801.0f, "2/3", "Graphics\\2_3.jpg"}, {3201.0f, "2", "Graphics\\2.jpg"},
        {3601.0f, "1/2", "Graphics\\1_2.jpg"}, {4400.0f, "1", "Graphics\\1.jpg"},
        {4401.0f, "1*", "Graphics\\1h.jpg"},   {9000.0f, "1*", "Graphics\\1h.jpg"},
    };
    for (const auto& c : cases) {
        std::string message;
        std::string mark;
        MarkFor(4, c.score, message, mark);
        EXPECT_EQ(mark, c.mark) << "score " << c.score;
        EXPECT_EQ(MarkPicture, c.picture) << "score " << c.score;
        EXPECT_FALSE(message.empty()) << "score " << c.score;
    }
}

TEST_F(GradesTest, ContestMessagesAtBothEnds) {
    std::string message;
    std::string mark;
    MarkFor(4, 0.0f, message, mark);
    EXPECT_EQ(message,
              "To je ale ostuda! Zapomeň na matematiku a běž do mateřské školky hrát si na písek. Na "
              "kolo zapomeň, beztak na něm neumíš jezdit. Toto učivo zatím nezvládáš.");
    MarkFor(4, 4401.0f, message, mark);
    EXPECT_EQ(message, "Jsi vyjímečný matematický génius! Získáváš sportovní elektrokolo a žlutý diplom "
                       "MATEMATICKÝ TALENT.");
}

TEST_F(GradesTest, OutputsNoRuleSetsStayAsPassed) {
    const struct {
        int mode;
        float value;
    } cases[]{{1, 10.5f}, {3, 100.0f}, {0, 5.0f}, {5, 3000.0f}};
    for (const auto& c : cases) {
        std::string message = "message";
        std::string mark = "mark";
        MarkFor(c.mode, c.value, message, mark);
        EXPECT_EQ(message, "message") << "mode " << c.mode << ", value " << c.value;
        EXPECT_EQ(mark, "mark") << "mode " << c.mode << ", value " << c.value;
        EXPECT_EQ(MarkPicture, "untouched") << "mode " << c.mode << ", value " << c.value;
    }
}

TEST_F(GradesTest, SlovakChangesOnlyTheMessages) {
    Language = LanguageSlovak;
    const struct {
        int mode;
        float value;
        std::string mark;
        std::string message;
    } cases[]{
        {1, 10.0f, "1*", "Si matematický génius, poď súťažiť o diplomy!"},
        {2, 3.0f, "4", "Slabý výkon, ešte chvíľu musíš trénovať!"},
        {4, 1200.0f, "4/5",
         "Veľmi zlý výkon! Tvoja matematika je na úrovni predškoláka. Ty si žiadny bicykel nezaslúžiš, "
         "možno tak detskú trojkolku alebo odrážadlo."},
        {4, 3700.0f, "1/2", "Skvelý výkon! Získavaš super kvalitný horský bicykel pre jazdu do terénu."},
    };
    for (const auto& c : cases) {
        std::string message;
        std::string mark;
        MarkFor(c.mode, c.value, message, mark);
        EXPECT_EQ(mark, c.mark) << "value " << c.value;
        EXPECT_EQ(message, c.message) << "value " << c.value;
    }
    EXPECT_EQ(MarkPicture, "Graphics\\1_2.jpg");
}

} // namespace
} // namespace numerava
