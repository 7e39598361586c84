// The formula read aloud for screen readers, in both languages.
#include "equation/MarkupSpeech.h"
#include "core/Language.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace numerava {
namespace {

struct SpeechCase {
    const char* markup;
    const char* czech;
    const char* slovak;
};

void ExpectReadings(const std::vector<SpeechCase>& cases, TSpeechStyle style = TSpeechStyle::Formula) {
    for (const SpeechCase& c : cases) {
        EXPECT_EQ(SpeakMarkup(c.markup, LanguageCzech, style), c.czech) << c.markup;
        EXPECT_EQ(SpeakMarkup(c.markup, LanguageSlovak, style), c.slovak) << c.markup;
    }
}

TEST(SpeakMarkup, ReadsFractions) {
    ExpectReadings({
        {"/<7><5>", "7 lomeno 5", "7 lomené 5"},
        {":<1><2>", "1 lomeno 2", "1 lomené 2"},
        {"/<Ö><11>", "otazník lomeno 11", "otáznik lomené 11"},
        // Parts of more than one word need the fraction's start and end.
        {"/<2 + 3><5>", "začátek zlomku 2 plus 3 lomeno 5 konec zlomku",
         "začiatok zlomku 2 plus 3 lomené 5 koniec zlomku"},
        {"/<x - 5><^<x><2>>", "začátek zlomku x minus 5 lomeno x na druhou konec zlomku",
         "začiatok zlomku x mínus 5 lomené x na druhú koniec zlomku"},
        // A fraction inside a fraction is never short: "1 lomeno 2 lomeno 3" could be either.
        {"/</<1><2>><3>", "začátek zlomku začátek zlomku 1 lomeno 2 konec zlomku lomeno 3 konec zlomku",
         "začiatok zlomku začiatok zlomku 1 lomené 2 koniec zlomku lomené 3 koniec zlomku"},
        // A number touching a fraction is a mixed number.
        {"&<3></<3><11>>< = ></<Ö><11>>", "3 a 3 lomeno 11 rovná se otazník lomeno 11",
         "3 a 3 lomené 11 rovná sa otáznik lomené 11"},
        {"&<8 - ></<1><2>>", "8 minus 1 lomeno 2", "8 mínus 1 lomené 2"},
    });
}

TEST(SpeakMarkup, ReadsPowers) {
    ExpectReadings({
        {"^<3><2>", "3 na druhou", "3 na druhú"},
        {"^<2><3>", "2 na třetí", "2 na tretiu"},
        {"^<7><5>", "7 na pátou", "7 na piatu"},
        {"^<10><1>", "10 na první", "10 na prvú"},
        {"^<10><12>", "10 na dvanáctou", "10 na dvanástu"},
        {"^<10><-3>", "10 na minus třetí", "10 na mínus tretiu"},
        {"^<2><25>", "2 na 25", "2 na 25"},
        {"^<x><n>", "x na n-tou", "x na n-tú"},
        {"^<2><Ö>", "2 na otazník", "2 na otáznik"},
        {"^<2><n + 1>", "2 na exponent n plus 1 konec exponentu", "2 na exponent n plus 1 koniec exponentu"},
        {"^<;</<1><2>>><2>", "závorka 1 lomeno 2 konec závorky na druhou",
         "zátvorka 1 lomené 2 koniec zátvorky na druhú"},
        {"^<300 cm><3>", "300 cm na třetí", "300 cm na tretiu"},
        // An exponent without a base follows the text before it.
        {"4a^<4> + 2a^<3> = 6a^<Ö>   ?=",
         "4a na čtvrtou plus 2a na třetí rovná se 6a na otazník otazník rovná se",
         "4a na štvrtú plus 2a na tretiu rovná sa 6a na otáznik otáznik rovná sa"},
        {"^<2>", "na druhou", "na druhú"},
        // An empty exponent draws only the base.
        {"^<5><>", "5", "5"},
    });
}

TEST(SpeakMarkup, ReadsRoots) {
    ExpectReadings({
        {"#<16>< >", "druhá odmocnina ze 16", "druhá odmocnina zo 16"},
        {"#<9>", "druhá odmocnina z 9", "druhá odmocnina z 9"},
        {"#<8><3>", "třetí odmocnina z 8", "tretia odmocnina z 8"},
        {"#<x><n>", "n-tá odmocnina z x", "n-tá odmocnina z x"},
        {"#<27><Ö>", "odmocnina s odmocnitelem otazník ze 27", "odmocnina s odmocniteľom otáznik zo 27"},
        {"#<64 - 28>< >", "druhá odmocnina ze 64 minus 28 konec odmocniny",
         "druhá odmocnina zo 64 mínus 28 koniec odmocniny"},
        {"#<-36>< >", "druhá odmocnina z minus 36 konec odmocniny",
         "druhá odmocnina z mínus 36 koniec odmocniny"},
        {"*<7><#<5>< >>", "7 krát druhá odmocnina z 5", "7 krát druhá odmocnina z 5"},
    });
}

// "z" becomes "ze" (Czech) or "zo" (Slovak) before the sounds of "šest", "sedm", "sto", "dva", ...
TEST(SpeakMarkup, VoicesThePrepositionBeforeARadicand) {
    const struct {
        const char* radicand;
        const char* czech;
        const char* slovak;
    } cases[] = {
        {"1", "z", "z"},       {"2", "ze", "zo"},  {"3", "ze", "z"},   {"4", "ze", "zo"},
        {"5", "z", "z"},       {"6", "ze", "zo"},  {"7", "ze", "zo"},  {"8", "z", "z"},
        {"10", "z", "z"},      {"12", "ze", "zo"}, {"13", "ze", "z"},  {"14", "ze", "zo"},
        {"15", "z", "z"},      {"17", "ze", "zo"}, {"19", "z", "z"},   {"25", "ze", "zo"},
        {"36", "ze", "z"},     {"49", "ze", "zo"}, {"81", "z", "z"},   {"100", "ze", "zo"},
        {"144", "ze", "zo"},   {"900", "z", "z"},  {"1000", "z", "z"}, {"6000", "ze", "zo"},
        {"12000", "ze", "zo"}, {"0,25", "z", "z"}, {"x", "z", "z"},    {"s", "ze", "zo"},
    };
    for (const auto& c : cases) {
        const std::string markup = std::string("#<") + c.radicand + ">";
        EXPECT_EQ(SpeakMarkup(markup, LanguageCzech),
                  std::string("druhá odmocnina ") + c.czech + " " + c.radicand)
            << c.radicand;
        EXPECT_EQ(SpeakMarkup(markup, LanguageSlovak),
                  std::string("druhá odmocnina ") + c.slovak + " " + c.radicand)
            << c.radicand;
    }
}

TEST(SpeakMarkup, ReadsProductsParenthesesAndSigns) {
    ExpectReadings({
        {"*<(9 + 1)><5>", "závorka 9 plus 1 konec závorky krát 5",
         "zátvorka 9 plus 1 koniec zátvorky krát 5"},
        {"*<10><32 = >", "10 krát 32 rovná se", "10 krát 32 rovná sa"},
        {"*", "krát", "krát"},
        {"*<7>", "7 krát", "7 krát"},
        {"1600 * 50 = ", "1600 krát 50 rovná se", "1600 krát 50 rovná sa"},
        {"&<8 - &</<1><2>>< * ><10>< = >>", "8 minus 1 lomeno 2 krát 10 rovná se",
         "8 mínus 1 lomené 2 krát 10 rovná sa"},
        {";<a + b>", "závorka a plus b konec závorky", "zátvorka a plus b koniec zátvorky"},
        {"34 : 17 = ", "34 děleno 17 rovná se", "34 delené 17 rovná sa"},
        {"&<200 : (9 + 1)>< = >", "200 děleno závorka 9 plus 1 konec závorky rovná se",
         "200 delené zátvorka 9 plus 1 koniec zátvorky rovná sa"},
        {"9a - 4 = -13     a=", "9a minus 4 rovná se minus 13 a rovná se",
         "9a mínus 4 rovná sa mínus 13 a rovná sa"},
        {"/<a - 1><^<a><2> - 1>    aÄ-1    aÄ",
         "začátek zlomku a minus 1 lomeno a na druhou minus 1 konec zlomku a nerovná se minus 1 a nerovná se",
         "začiatok zlomku a mínus 1 lomené a na druhú mínus 1 koniec zlomku a nerovná sa mínus 1 a nerovná "
         "sa"},
        {"Ä", "nerovná se", "nerovná sa"},
        {"Ö", "otazník", "otáznik"},
        // Given two groups, the signs still draw alone.
        {"Ä<1><2>", "nerovná se", "nerovná sa"},
        {"Ö<1><2>", "otazník", "otáznik"},
        {"0,25 = ", "0,25 rovná se", "0,25 rovná sa"},
        {"120% z čísla y = ", "120% z čísla y rovná se", "120% z čísla y rovná sa"},
    });
}

TEST(SpeakMarkup, ReadsSymbolFaceEscapesSpacesAndRows) {
    ExpectReadings({
        {"~<p>", "pí", "pí"},
        {"~<2pR>", "2 pí velké ró", "2 pí veľké ró"},
        {"~<k>", "kappa", "kapa"},
        {"&<2 ><~<p>><r>", "2 pí r", "2 pí r"},
        // The escape draws its text unchanged: control characters too.
        {"\\<Ö>", "Ö", "Ö"},
        {"\\<4 : 5>", "4 děleno 5", "4 delené 5"},
        {"&< ><km/h>", "km/h", "km/h"},
        {"a_b", "a b", "a b"},
        {"_", "", ""},
        {"&<1,4>< min>", "1,4 min", "1,4 min"},
    });
}

TEST(SpeakMarkup, ReadsWhatDrawsLiterallyAsItsCharactersAndNothingAsNothing) {
    ExpectReadings({
        {"", "", ""},
        {"   ", "", ""},
        {"/<1><2", "", ""},
        {"^<;</<1><2>><2>", "", ""},
        {"/<1><2><3>", "/<1><2><3>", "/<1><2><3>"},
        {"~", "~", "~"},
        {"@<1>", "@<1>", "@<1>"},
        {"a<b>c", "a<b>c", "a<b>c"},
    });
}

TEST(SpeakMarkup, ProseKeepsItsPunctuation) {
    ExpectReadings(
        {
            {"Kolik m^<2> koberce koupí?", "Kolik m na druhou koberce koupí?",
             "Kolik m na druhú koberce koupí?"},
            {"Pokoj 4 m × 4,5 m, cena: 100 Kč - sleva.", "Pokoj 4 m × 4,5 m, cena: 100 Kč - sleva.",
             "Pokoj 4 m × 4,5 m, cena: 100 Kč - sleva."},
            {"Je to /<1><2>  dortu.", "Je to 1 lomeno 2 dortu.", "Je to 1 lomené 2 dortu."},
        },
        TSpeechStyle::Prose);
    EXPECT_EQ(SpeakMarkup("Kolik m^<2> koberce koupí?", LanguageCzech),
              "Kolik m na druhou koberce koupí otazník");
}

// Any text reads without crashing, as words between single spaces; nesting too deep to draw reads
// as nothing, however deep.
TEST(SpeakMarkup, AnyTextGivesTidyWords) {
    std::mt19937 random(17);
    const std::string alphabet = "<<>>/:^#*;~_\\&@ÄÖ 12ab+-=?()";
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 40);
        for (int k = 0; k < length; ++k) text += alphabet[random() % alphabet.size()];
        for (const uint16_t language : {LanguageCzech, LanguageSlovak}) {
            const std::string words = SpeakMarkup(text, language);
            EXPECT_EQ(words.find("  "), std::string::npos) << text;
            if (words.empty()) continue;
            EXPECT_NE(words.front(), ' ') << text;
            EXPECT_NE(words.back(), ' ') << text;
        }
    }
    std::string deep;
    for (int i = 0; i < 10000; ++i) deep += "^<";
    deep += "2";
    for (int i = 0; i < 10000; ++i) deep += ">";
    EXPECT_EQ(SpeakMarkup(deep, LanguageCzech), "");
    EXPECT_EQ(SpeakMarkup("^<^<2><3>><2>", LanguageCzech), "2 na třetí na druhou");
}

} // namespace
} // namespace numerava
