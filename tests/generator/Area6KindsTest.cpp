// Single rules of the area-6 kinds of difficulties 1-4 that a pupil or teacher would notice: the
// captions in both languages, the coefficient 1, the fallback inside an equation kind, the draws
// that a kind excludes, and the even chances of the seven equations m·x = 100.

#include "catalogue/Selection.h"
#include "core/Language.h"
#include "core/Random.h"
#include "generator/Area6Common.h"
#include "generator/Area6Groups.h"
#include "generator/UnitsGenerator.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace numerava {
namespace {

// Exercises of one kind or group with the closing steps of area 6, for random letters.
std::vector<TExercise> Exercises(void (*generate)(TGenerateContext&, int), int kind, int count,
                                 uint32_t seed) {
    static constexpr const char* letters[] = {"a", "b", "x", "y"};
    SeedRandom(seed);
    TNumeravaGenerator generator;
    generator.Area = 6;
    std::vector<TExercise> out;
    for (int i = 0; i < count; ++i) {
        TGenerateContext context(generator);
        const int first = Random(3);
        context.Letter1 = letters[first];
        context.Letter2 = letters[first + 1 + Random(3 - first)];
        context.Letter3 = letters[Random(4)];
        generate(context, kind);
        area6::CloseArea6(context);
        out.push_back(
            {context.Question, context.Suffix, context.Prompt, context.Expected, context.TaskText, {}});
    }
    return out;
}

std::vector<TExercise> Selected(int difficulty, int count, uint32_t seed) {
    SeedRandom(seed);
    TNumeravaGenerator generator;
    generator.Area = 6;
    generator.DifficultySet = MakeSet({difficulty});
    std::vector<TExercise> out;
    for (int i = 0; i < count; ++i) out.push_back(generator.Generate());
    return out;
}

// The Slovak caption a Slovak pupil must read, written out independently of the translation.
std::string SlovakCaption(const std::string& czech) {
    static const std::map<std::string, std::string> whole = {
        {"Urči kořen rovnice", "Urči koreň rovnice"},
        {"Zjednoduš výraz - doplň", "Zjednoduš výraz - doplň"},
        {"Roznásob dvojčleny - doplň", "Roznásob dvojčleny - doplň"},
        {"Zjednoduš - doplň", "Zjednoduš - doplň"},
        {"Zjednoduš - uprav", "Zjednoduš - uprav"},
        {"Zapiš des. číslem", "Zapíš des. číslom"},
        {"Vyjádři v %", "Vyjadri v %"},
        {"Doplň mocnitele", "Doplň mocniteľa"},
        {"Doplň exponent", "Doplň exponenta"},
        {"Vypočítej", "Vypočítaj"},
        {"Doplň", "Doplň"},
    };
    if (const auto it = whole.find(czech); it != whole.end()) return it->second;
    static const std::regex value(R"(Urči hodnotu výrazu pro (.*))");
    static const std::regex letter(R"(Urči ([abxy]), aby hodnota výrazu byla (-?\d+))");
    std::smatch m;
    if (std::regex_match(czech, m, value)) return "Urči hodnotu výrazu pre " + m[1].str();
    if (std::regex_match(czech, m, letter))
        return "Urči " + m[1].str() + ", aby hodnota výrazu bola " + m[2].str();
    return "(no Slovak caption known for \"" + czech + "\")";
}

TEST(Area6Kinds, EveryCaptionReadsRightInSlovakAfterTranslation) {
    std::set<std::string> captions;
    for (int difficulty = 1; difficulty <= 4; ++difficulty)
        for (const TExercise& e : Selected(difficulty, 6000, 71)) captions.insert(e.TaskText);
    EXPECT_GE(captions.size(), 15u);
    // (Alternatives, not a bracket expression: the regex reads UTF-8 byte by byte.)
    const std::regex czechOnly("ř|ě|ů|Ř|Ě|Ů|číslem|mocnitele|pro |byla");
    for (const std::string& caption : captions) {
        // The fraction caption is chosen in the current language already (the next test).
        if (caption == "Doplň zlomek") continue;
        std::string slovak = caption;
        TranslateTaskText(slovak);
        EXPECT_EQ(slovak, SlovakCaption(caption));
        EXPECT_FALSE(std::regex_search(slovak, czechOnly)) << slovak;
    }
}

TEST(Area6Kinds, TheFractionCaptionIsWrittenInTheCurrentLanguage) {
    const uint16_t saved = Language;
    for (const auto& [language, caption] :
         {std::pair{LanguageCzech, "Doplň zlomek"}, {LanguageSlovak, "Doplň zlomok"}}) {
        Language = language;
        for (const TExercise& e : Exercises(area6::GeneratePowersGroup, 8, 200, 5)) {
            if (e.TaskText.starts_with("Doplň zl")) {
                EXPECT_EQ(e.TaskText, caption);
                std::string translated = e.TaskText;
                if (language == LanguageSlovak) TranslateTaskText(translated);
                EXPECT_EQ(translated, caption);
            }
        }
    }
    Language = saved;
}

TEST(Area6Kinds, NoCoefficientOneIsShownBeforeALetter) {
    // A "1" directly before a letter that is not part of a longer number (11x, 0,1x), neither in
    // the question nor after the answer field: only the fallback 0,1a + 1a keeps one, because just
    // the first "1a" is looked at.
    const std::regex one("(^|[^0-9,])1[abxy]");
    int checked = 0;
    for (const int difficulty : {1, 2, 3, 4, 7, 8, 9, 10}) {
        SeedRandom(17);
        TNumeravaGenerator generator;
        generator.Area = 6;
        generator.DifficultySet = difficulty <= 4 ? MakeSet({difficulty}) : 0;
        generator.OperationSet = difficulty <= 4 ? 0 : MakeSet({difficulty - 6});
        for (int i = 0; i < 5000; ++i) {
            const TExercise e = generator.Generate();
            if (e.Question == "0,1a + 1a =") continue;
            EXPECT_FALSE(std::regex_search(e.Question, one)) << e.Question;
            EXPECT_FALSE(std::regex_search(e.Suffix, one)) << e.Question << " | " << e.Suffix;
            ++checked;
        }
    }
    EXPECT_GT(checked, 39000);
}

TEST(Area6Kinds, EquationWithBothCoefficientsOneBecomesTheFallbackWithItsCaption) {
    const std::regex fallback(R"(0,[1-9]a \+ [1-9]?a =)");
    int fallbacks = 0;
    std::set<std::string> sums; // x + 5x, 7x + x: the coefficient 1 is never written
    for (const TExercise& e : Exercises(area6::GenerateEquation, 2, 20000, 8)) {
        if (std::regex_match(e.Question, fallback)) {
            ++fallbacks;
            EXPECT_EQ(e.TaskText, "Urči kořen rovnice");
            EXPECT_EQ(e.Suffix, "a");
        }
    }
    // Form 3 (1 in 5) with both coefficients 1 (1 in 100): about 40 in 20,000.
    EXPECT_GT(fallbacks, 15);
    EXPECT_LT(fallbacks, 80);
}

TEST(Area6Kinds, TheSevenEquationsWithOneHundredAreEquallyLikely) {
    std::map<int, int> roots;
    for (const TExercise& e : Exercises(area6::GenerateEquation, 11, 70000, 9))
        ++roots[static_cast<int>(e.Expected.Value)];
    const std::set<int> expected = {2, 4, 5, 10, 20, 25, 50};
    ASSERT_EQ(roots.size(), expected.size());
    for (const auto& [root, count] : roots) {
        EXPECT_TRUE(expected.contains(root)) << root;
        EXPECT_NEAR(count, 10000, 500) << "root " << root; // five standard deviations
    }
}

TEST(Area6Kinds, DrawsThatKindsExclude) {
    // Powers, group 4: o + m is never 10, so 1,0 never shows; group 8: never 4x : 2x (q = o − m).
    for (const TExercise& e : Exercises(area6::GeneratePowersGroup, 4, 4000, 10))
        EXPECT_EQ(e.Question.find("1,0"), std::string::npos) << e.Question;
    const std::regex fourOverTwo(R"(^(/<)?4[abxy]\^<\d>(>< | : )2[abxy])");
    for (const TExercise& e : Exercises(area6::GeneratePowersGroup, 8, 4000, 11))
        EXPECT_FALSE(std::regex_search(e.Question, fourOverTwo)) << e.Question;
    // Manipulation, group 2: c ≠ e, so the sign after o·x in kind 7 is always defined, and o ≠ c.
    const std::regex kind7(R"(/<(\d+)([abxy]) \+ (\d+)><(\d+)> - (\d+) = (\d+)[abxy] ([+-]) )");
    int seen = 0;
    for (const TExercise& e : Exercises(area6::GenerateManipulationGroup, 2, 6000, 12)) {
        std::smatch m;
        if (!std::regex_match(e.Question, m, kind7)) continue;
        const int c = std::stoi(m[3]) / std::stoi(m[4]);
        const int e7 = std::stoi(m[5]);
        EXPECT_NE(c, e7) << e.Question;
        EXPECT_EQ(m[7] == "+", e7 < c) << e.Question;
        ++seen;
    }
    EXPECT_GT(seen, 50);
}

TEST(Area6Kinds, DecimalNumbersKeepTheirWrittenDecimals) {
    // Group 5 kind 13 writes 0,50 (two decimals) and expects 50; powers group 7 kind 4 shows
    // 0,05 = 5·10^? and expects −2.
    bool fifty = false;
    for (const TExercise& e : Exercises(area6::GenerateManipulationGroup, 5, 4000, 13)) {
        if (e.Question.starts_with("0,50")) {
            fifty = true;
            EXPECT_EQ(e.Expected, MakeNumber(0, 50)) << e.Question;
            EXPECT_EQ(e.Suffix, "% z čísla " + e.Question.substr(e.Question.find_first_of("abxy"), 1));
        }
    }
    EXPECT_TRUE(fifty);
    bool hundredths = false;
    for (const TExercise& e : Exercises(area6::GeneratePowersGroup, 7, 4000, 14)) {
        if (e.Question == "0,05 = 5*10^<Ö>    ?=") {
            hundredths = true;
            EXPECT_EQ(e.Expected, MakeNumber(0, -2));
        }
    }
    EXPECT_TRUE(hundredths);
}

// A caption that asks for an exponent stands only over an exercise whose blank is an exponent: the
// pupil must not be told to fill in an exponent while typing a coefficient, as in (3x)² = ?x².
TEST(Area6Kinds, AnExponentCaptionStandsOnlyOverABlankExponent) {
    // The blank as an exponent: "x^<Ö>", or the second argument of a power such as "^<;</<1><a>>><Ö>".
    const std::string blankExponent = std::string("^<") + area6::Blank + ">";
    const std::string blankSecondArgument = std::string("><") + area6::Blank + ">";
    int coefficientsSeen = 0;
    for (const TExercise& exercise : Selected(4, 20000, 404)) {
        const bool exponentCaption =
            exercise.TaskText == "Doplň exponent" || exercise.TaskText == "Doplň mocnitele";
        const bool asksForExponent = exercise.Question.find(blankExponent) != std::string::npos ||
                                     exercise.Question.find(blankSecondArgument) != std::string::npos ||
                                     exercise.Suffix.starts_with("*10^<");
        if (exponentCaption) {
            EXPECT_TRUE(asksForExponent)
                << exercise.TaskText << ": " << exercise.Question << " | " << exercise.Suffix;
        }
        if (exercise.Question.ends_with(")^<2> = ") || exercise.Question.ends_with(")^<3> = "))
            ++coefficientsSeen;
    }
    EXPECT_GT(coefficientsSeen, 0) << "the coefficient kinds were drawn";
}

} // namespace
} // namespace numerava
