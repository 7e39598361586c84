// Every formula the generator writes reads aloud as words: a kind of mark-up the reader did not
// know, or an operator it left as a sign, would show here as a bracket or a sign in the words.
#include "catalogue/Selection.h"
#include "catalogue/WordProblemData.h"
#include "catalogue/WordProblemFile.h"
#include "core/Language.h"
#include "core/Random.h"
#include "equation/MarkupSpeech.h"
#include "generator/UnitsGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace numerava {
namespace {

// What no reading may keep: the mark-up's own characters, and in formulas also the operators.
constexpr std::string_view MarkupSigns[] = {"<", ">", "^", "#", "&", "~", "\\", "@", ";", "_", "Ä", "Ö"};
constexpr std::string_view OperatorSigns[] = {"+", "=", ":", "*", "?", "(", ")", "×", "·", " -", "- "};

std::string Fault(const std::string& markup, uint16_t language, TSpeechStyle style) {
    const std::string words = SpeakMarkup(markup, language, style);
    if (words.empty() != (markup.find_first_not_of(' ') == std::string::npos)) return "nothing read";
    for (const std::string_view sign : MarkupSigns)
        if (words.find(sign) != std::string::npos) return "keeps \"" + std::string(sign) + "\": " + words;
    if (style == TSpeechStyle::Prose) return {};
    for (const std::string_view sign : OperatorSigns)
        if (words.find(sign) != std::string::npos || words.starts_with('-'))
            return "keeps \"" + std::string(sign) + "\": " + words;
    return {};
}

TEST(SpokenExercises, EveryFormulaOfTheAreasReadsAsWords) {
    int faults = 0;
    std::string report;
    for (const int area : {1, 2, 3, 4, 6}) {
        TNumeravaGenerator generator;
        generator.Area = area;
        generator.DifficultySet = SetAllFour;
        generator.OperationSet = SetAllFour;
        SeedRandom(static_cast<uint32_t>(area) * 7919u);
        for (int i = 0; i < 4000; ++i) {
            const TExercise exercise = generator.Generate();
            for (const std::string* markup : {&exercise.Question, &exercise.Suffix, &exercise.Prompt}) {
                for (const uint16_t language : {LanguageCzech, LanguageSlovak}) {
                    const std::string fault = Fault(*markup, language, TSpeechStyle::Formula);
                    if (!fault.empty() && ++faults <= 10)
                        report += "\n  area " + std::to_string(area) + " \"" + *markup + "\": " + fault;
                }
            }
        }
    }
    EXPECT_EQ(faults, 0) << report;
}

TEST(SpokenExercises, EveryWordProblemOfTheShippedBooksReads) {
    const struct {
        const char* file;
        uint16_t language;
    } books[] = {{"numerava_cz.dat", LanguageCzech}, {"numerava_sk.dat", LanguageSlovak}};
    for (const auto& book : books) {
        SCOPED_TRACE(book.file);
        ASSERT_EQ(LoadWordProblemFile(std::string(NUMERAVA_SOURCE_DIR) + "/Graphics/" + book.file),
                  WordProblemFileError::None);
        const auto all = SectionLines;
        int problems = 0;
        for (int section = 1; section <= SectionCount; ++section) {
            for (const std::string& line : all[static_cast<size_t>(section)]) {
                SectionLines[static_cast<size_t>(section)] = {line};
                TNumeravaGenerator generator;
                generator.Area = 5;
                generator.DifficultySet = section <= 6 ? ItemBit(section) : 0;
                generator.OperationSet = section > 6 ? ItemBit(section - 6) : 0;
                const TExercise exercise = generator.Generate();
                ++problems;
                EXPECT_EQ(Fault(exercise.Question, book.language, TSpeechStyle::Prose), "") << line;
                EXPECT_EQ(Fault(exercise.Suffix, book.language, TSpeechStyle::Formula), "") << line;
                EXPECT_EQ(Fault(exercise.Prompt, book.language, TSpeechStyle::Formula), "") << line;
            }
        }
        EXPECT_GE(problems, 360);
    }
    ClearWordProblemData();
}

} // namespace
} // namespace numerava
