// The two books of word problems as they ship: the data files are the conversion of their UTF-8
// sources, and every word a pupil reads is spelled as Debian's Czech and Slovak hunspell
// dictionaries spell it, but for a short list of reviewed exceptions.
#include "catalogue/WordProblemData.h"
#include "catalogue/WordProblemFile.h"
#include "catalogue/WordProblemLine.h"
#include "core/Encoding.h"
#include "support/SystemFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace numerava {
namespace {

const std::string Source = NUMERAVA_SOURCE_DIR;

std::string ReadFile(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << stream.rdbuf();
    return bytes.str();
}

struct Book {
    const char* language;   // as the file names write it
    const char* dictionary; // hunspell's name
    // Words the dictionary lacks, each checked by hand.
    std::set<std::string> allowed;
};

const Book Books[] = {
    // Units written after numbers ("5 m", "2 h", "1,5 l", "25 g", "°C") and the abbreviation "des."
    // in the section title "Úlohy s des.čísly a zlomky".
    {"cz", "cs_CZ", {"m", "h", "l", "g", "C", "des"}},
    {"sk", "sk_SK", {}},
};

TEST(WordProblemBookTest, TheDataFilesAreTheirSourcesInWindows1250) {
    for (const Book& book : Books) {
        SCOPED_TRACE(book.language);
        const std::string name = std::string("numerava_") + book.language;
        std::string source = ReadFile(Source + "/tools/data/" + name + ".txt");
        ASSERT_FALSE(source.empty());
        // The script writes CR LF line ends.
        std::string expected;
        for (const char c : source) {
            if (c == '\n') expected += '\r';
            expected += c;
        }
        EXPECT_TRUE(DecodeWindows1250(ReadFile(Source + "/Graphics/" + name + ".dat")) == expected)
            << "run tools/data/build-data-files.sh after editing " << name << ".txt";
    }
}

// Everything the pupil reads of the loaded book: names, titles, and each problem's unit, extra text
// and text, without the format directives and the mark-up escapes.
std::string ReadableText() {
    static const std::regex directives(R"(%[0-2]:s|%s|%%|\\<|\^<[23]>|>)");
    std::string text;
    for (const std::string& name : NameList) text += name + "\n";
    for (size_t k = 1; k <= SectionCount; ++k) {
        text += SectionTitles[k] + "\n";
        for (const std::string& line : SectionLines[k]) {
            const auto parts = SplitProblemLine(line);
            if (!parts) continue;
            const std::string readable = parts->Unit + " " + parts->Prompt.value_or("") + " " + parts->Text;
            text += std::regex_replace(readable, directives, " ") + "\n";
        }
    }
    return text;
}

// The words hunspell does not know, one per line of its "-l" output.
std::set<std::string> UnknownWords(const std::string& dictionary, const std::string& text,
                                   std::string& error) {
    const std::filesystem::path input =
        std::filesystem::temp_directory_path() /
        ("numerava-book-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
         dictionary);
    std::ofstream(input, std::ios::binary) << text;
    const std::string command = "hunspell -i UTF-8 -d " + dictionary + " -l < " + input.string() + " 2>&1";
    std::set<std::string> words;
    std::string output;
    const int status = numerava::testing::RunCommand(command, output);
    std::filesystem::remove(input);
    if (status < 0) {
        error = "cannot start hunspell";
        return words;
    }
    if (status != 0) error = "hunspell failed: " + output;
    std::istringstream lines(output);
    for (std::string word; std::getline(lines, word);)
        if (!word.empty()) words.insert(word);
    return words;
}

TEST(WordProblemBookTest, EveryWordIsSpelledAsTheDictionarySpellsIt) {
#ifdef _WIN32
    GTEST_SKIP() << "the books are spelt against Debian's hunspell dictionaries";
#endif
    for (const Book& book : Books) {
        SCOPED_TRACE(book.language);
        const std::string dictionary = std::string("/usr/share/hunspell/") + book.dictionary + ".dic";
        ASSERT_TRUE(std::filesystem::exists(dictionary))
            << dictionary << " is missing: scripts/install-deps.sh installs hunspell-cs and hunspell-sk";
        ASSERT_EQ(LoadWordProblemFile(Source + "/Graphics/numerava_" + book.language + ".dat"),
                  WordProblemFileError::None);
        std::string error;
        const std::set<std::string> unknown = UnknownWords(book.dictionary, ReadableText(), error);
        ASSERT_EQ(error, "");
        std::string misspelt;
        for (const std::string& word : unknown)
            if (!book.allowed.contains(word)) misspelt += " " + word;
        EXPECT_EQ(misspelt, "") << "words the dictionary does not know";
        // An exception that the book no longer needs leaves the list.
        for (const std::string& word : book.allowed) EXPECT_TRUE(unknown.contains(word)) << word;
    }
    ClearWordProblemData();
}

} // namespace
} // namespace numerava
