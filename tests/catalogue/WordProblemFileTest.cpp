#include "catalogue/WordProblemFile.h"
#include "core/Encoding.h"
#include "core/FixedNumber.h"
#include "core/Format.h"
#include "core/Language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace numerava {
namespace {

using Lines = std::vector<std::string>;

// A data file from its preamble lines and its sections (title, body lines), joined by `eol`.
std::string MakeFile(const Lines& preamble, const std::vector<std::pair<std::string, Lines>>& sections,
                     const std::string& eol = "\r\n") {
    std::string text;
    for (const std::string& line : preamble) text += line + eol;
    for (const auto& [title, body] : sections) {
        text += ":" + title + eol;
        for (const std::string& line : body) text += line + eol;
    }
    return text;
}

// Twelve sections "S1".."S12", each with one problem line "[k][]%s".
std::vector<std::pair<std::string, Lines>> TwelveSections() {
    std::vector<std::pair<std::string, Lines>> sections;
    for (int k = 1; k <= SectionCount; ++k)
        sections.push_back({"S" + std::to_string(k), {"[" + std::to_string(k) + "][]%s"}});
    return sections;
}

TWordProblemFile Parse(const std::string& bytes, WordProblemFileError& error) {
    return ParseWordProblemFile(bytes, error);
}

TEST(WordProblemFileTest, ReadsNamesTitlesAndLinesWhateverTheLineEnds) {
    const auto sections = TwelveSections();
    const Lines preamble{"// names", "Anna", "//", "Petr"};
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        std::string bytes = MakeFile(preamble, sections, eol);
        for (const bool lastLineEnded : {true, false}) {
            if (!lastLineEnded) bytes.resize(bytes.size() - eol.size());
            WordProblemFileError error = WordProblemFileError::Missing;
            const TWordProblemFile file = Parse(bytes, error);
            SCOPED_TRACE(testing::Message() << "eol " << eol.size() << " bytes, ended " << lastLineEnded);
            EXPECT_EQ(error, WordProblemFileError::None);
            EXPECT_EQ(file.NameList, (Lines{"Anna", "Petr"}));
            for (int k = 1; k <= SectionCount; ++k) {
                EXPECT_EQ(file.SectionTitles[static_cast<size_t>(k)], "S" + std::to_string(k));
                EXPECT_EQ(file.SectionLines[static_cast<size_t>(k)],
                          Lines{"[" + std::to_string(k) + "][]%s"});
            }
        }
    }
}

struct LayoutCase {
    const char* what;
    Lines preamble;
    std::vector<std::pair<std::string, Lines>> sections;
    Lines names;
    Lines titles;              // 1..12
    std::vector<Lines> bodies; // 1..12
};

TEST(WordProblemFileTest, SplitsThePreambleAndTheSectionsByTheirFirstCharacters) {
    Lines titles;
    std::vector<Lines> bodies;
    std::vector<std::pair<std::string, Lines>> sections;
    for (int k = 1; k <= SectionCount; ++k) {
        titles.push_back("S" + std::to_string(k));
        bodies.push_back({});
        sections.push_back({titles.back(), {}});
    }

    std::vector<LayoutCase> cases;
    cases.push_back(
        {"a preamble of comments only gives no names", {"// a", "//b"}, sections, {}, titles, bodies});

    LayoutCase bodies1 = {
        "comments in a body are skipped, one slash is text", {"Eva"}, sections, {"Eva"}, titles, bodies};
    bodies1.sections[0].second = {"// comment", "/ not a comment", "a line"};
    bodies1.bodies[0] = {"/ not a comment", "a line"};
    cases.push_back(bodies1);

    LayoutCase title = {
        "the title is the header without its colon", {"Eva"}, sections, {"Eva"}, titles, bodies};
    title.sections[2].first = ": Angles: acute";
    title.titles[2] = ": Angles: acute";
    title.sections[3].first = "";
    title.titles[3] = "";
    cases.push_back(title);

    LayoutCase thirteenth = {
        "a thirteenth header and what follows are ignored", {"Eva"}, sections, {"Eva"}, titles, bodies};
    thirteenth.sections[11].second = {"last"};
    thirteenth.bodies[11] = {"last"};
    thirteenth.sections.push_back({"S13", {"ignored", "", "// also ignored"}});
    cases.push_back(thirteenth);

    LayoutCase names = {"names keep their order and spaces",
                        {"Jan ", "// x", " Ema", "Lubos"},
                        sections,
                        {"Jan ", " Ema", "Lubos"},
                        titles,
                        bodies};
    cases.push_back(names);

    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.what);
        WordProblemFileError error = WordProblemFileError::Missing;
        const TWordProblemFile file = Parse(MakeFile(c.preamble, c.sections), error);
        ASSERT_EQ(error, WordProblemFileError::None);
        EXPECT_EQ(file.NameList, c.names);
        for (size_t k = 1; k <= SectionCount; ++k) {
            EXPECT_EQ(file.SectionTitles[k], c.titles[k - 1]) << "section " << k;
            EXPECT_EQ(file.SectionLines[k], c.bodies[k - 1]) << "section " << k;
        }
    }
}

TEST(WordProblemFileTest, DecodesWindows1250Letters) {
    // "Šimon", "Kateřina" in the preamble; the title "Úhly"; a line with "ě", "°" and "€".
    std::string bytes = "\x8Aimon\r\nKate\xF8ina\r\n:\xDAhly\r\n[5][\xB0]v\xEC\x74\x61 \x80\r\n";
    for (int k = 2; k <= SectionCount; ++k) bytes += ":S\r\n";
    WordProblemFileError error = WordProblemFileError::Missing;
    const TWordProblemFile file = Parse(bytes, error);
    ASSERT_EQ(error, WordProblemFileError::None);
    EXPECT_EQ(file.NameList, (Lines{"Šimon", "Kateřina"}));
    EXPECT_EQ(file.SectionTitles[1], "Úhly");
    EXPECT_EQ(file.SectionLines[1], Lines{"[5][°]věta €"});
}

struct BrokenCase {
    const char* what;
    std::string bytes;
    WordProblemFileError error;
};

TEST(WordProblemFileTest, RejectsBrokenFilesWithAnEmptyResult) {
    const auto twelve = TwelveSections();
    auto eleven = twelve;
    eleven.pop_back();
    auto emptyInSection = twelve;
    emptyInSection[4].second.insert(emptyInSection[4].second.begin(), "");
    auto emptyInLastSection = twelve;
    emptyInLastSection[11].second.push_back("");

    const std::vector<BrokenCase> cases{
        {"an empty file", "", WordProblemFileError::TooFewSections},
        {"names only", MakeFile({"Eva", "Jan"}, {}), WordProblemFileError::TooFewSections},
        {"eleven sections", MakeFile({"Eva"}, eleven), WordProblemFileError::TooFewSections},
        {"an empty line among the names", MakeFile({"Eva", "", "Jan"}, twelve),
         WordProblemFileError::EmptyLine},
        {"an empty line in a section", MakeFile({"Eva"}, emptyInSection), WordProblemFileError::EmptyLine},
        {"an empty line closing the twelfth section", MakeFile({"Eva"}, emptyInLastSection),
         WordProblemFileError::EmptyLine},
        {"an empty line before too few sections", MakeFile({""}, eleven), WordProblemFileError::EmptyLine},
    };
    for (const BrokenCase& c : cases) {
        SCOPED_TRACE(c.what);
        WordProblemFileError error = WordProblemFileError::None;
        const TWordProblemFile file = Parse(c.bytes, error);
        EXPECT_EQ(error, c.error);
        EXPECT_TRUE(file.NameList.empty());
        for (size_t k = 0; k <= SectionCount; ++k) {
            EXPECT_TRUE(file.SectionTitles[k].empty());
            EXPECT_TRUE(file.SectionLines[k].empty());
        }
    }
}

class WordProblemLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("numerava-wp-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_ / "Graphics");
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        ClearWordProblemData();
    }

    // Writes Graphics/<name> and returns its path as the program writes it, with backslashes.
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / "Graphics" / name, std::ios::binary) << bytes;
        return folder_.string() + "\\Graphics\\" + name;
    }

    static void FillWithOldData() {
        NameList = {"Old"};
        SectionTitles[1] = "Old title";
        SectionLines[1] = {"[1][]old"};
    }

    static bool DataIsEmpty() {
        return NameList.empty() &&
               std::all_of(SectionTitles.begin(), SectionTitles.end(),
                           [](const auto& t) { return t.empty(); }) &&
               std::all_of(SectionLines.begin(), SectionLines.end(), [](const auto& l) { return l.empty(); });
    }

    std::filesystem::path folder_;
};

TEST_F(WordProblemLoadTest, AGoodFileReplacesThePreviousData) {
    FillWithOldData();
    const std::string path = Write("numerava_cz.dat", MakeFile({"Eva", "Jan"}, TwelveSections()));
    ASSERT_EQ(LoadWordProblemFile(path), WordProblemFileError::None);
    EXPECT_EQ(NameList, (Lines{"Eva", "Jan"}));
    EXPECT_EQ(SectionTitles[1], "S1");
    EXPECT_EQ(SectionLines[1], Lines{"[1][]%s"});
    EXPECT_EQ(SectionTitles[12], "S12");
}

TEST_F(WordProblemLoadTest, AMissingOrBrokenFileLeavesArea5Empty) {
    const std::vector<std::pair<std::string, WordProblemFileError>> cases{
        {folder_.string() + "\\Graphics\\absent.dat", WordProblemFileError::Missing},
        {folder_.string() + "\\Graphics", WordProblemFileError::Missing}, // a folder, not a file
        {Write("short.dat", MakeFile({"Eva"}, {{"Only", {"[1][]%s"}}})),
         WordProblemFileError::TooFewSections},
        {Write("blank.dat", "Eva\r\n\r\n" + MakeFile({}, TwelveSections())), WordProblemFileError::EmptyLine},
    };
    for (const auto& [path, expected] : cases) {
        SCOPED_TRACE(path);
        FillWithOldData();
        EXPECT_EQ(LoadWordProblemFile(path), expected);
        EXPECT_TRUE(DataIsEmpty());
    }
}

TEST(WordProblemFileTest, EveryErrorHasItsOwnMessageInBothLanguages) {
    std::set<std::string> messages;
    for (const auto error : {WordProblemFileError::Missing, WordProblemFileError::TooFewSections,
                             WordProblemFileError::EmptyLine})
        for (const uint16_t language : {LanguageCzech, LanguageSlovak})
            messages.insert(WordProblemFileMessage(error, language));
    EXPECT_EQ(messages.size(), 6u);
    EXPECT_FALSE(messages.contains(""));
    EXPECT_EQ(WordProblemFileMessage(WordProblemFileError::None, LanguageSlovak), "");
}

// ---- The shipped data files ----

// Mark-up the problem texts and units may use: plain text, an exponent "^<2>" or "^<3>" after a
// unit, and a literal "\<...>" (for "km/h" and ratios "3 : 2"). Any other control character would
// be drawn as a formula or not at all.
bool IsPlainMarkup(std::string_view text) {
    static const std::vector<std::string_view> controls{"#", "&", "*", "/", ":", ";", "@", "\\",
                                                        "^", "_", "~", "<", ">", "Ä", "Ö"};
    while (!text.empty()) {
        if (text.starts_with("^<2>") || text.starts_with("^<3>")) {
            text.remove_prefix(4);
            continue;
        }
        if (text.starts_with("\\<")) {
            const size_t close = text.find('>');
            if (close == std::string_view::npos ||
                text.substr(2, close - 2).find('<') != std::string_view::npos)
                return false;
            text.remove_prefix(close + 1);
            continue;
        }
        for (const std::string_view control : controls)
            if (text.starts_with(control)) return false;
        text.remove_prefix(1);
    }
    return true;
}

// What the pupil reads: the mark-up items replaced by the characters they draw.
std::string Shown(std::string text) {
    for (const std::string item : {"\\<", "^<", ">"})
        for (size_t at = text.find(item); at != std::string::npos; at = text.find(item, at))
            text.erase(at, item.size());
    return text;
}

// Takes a bracketed part the way the area-5 generator does: up to the first "]", without the
// opening character.
std::string TakePart(std::string& line) {
    const size_t close = line.find(']');
    if (close == std::string::npos || close == 0) return "\x01"; // no part: never valid mark-up
    std::string part = line.substr(1, close - 1);
    line.erase(0, close + 1);
    return part;
}

struct DataFileCase {
    const char* file;
    std::array<const char*, 7> titles; // left 1..6, then right 4
};

TEST(WordProblemFileTest, TheShippedDataFilesFollowTheFormat) {
    const std::vector<DataFileCase> cases{
        {"numerava_cz.dat",
         {"Úlohy pro 1. stupeň", "Úlohy s des.čísly a zlomky", "Úhly", "Celá čísla", "Úlohy o pohybu",
          "Chytáky", "Procenta"}},
        {"numerava_sk.dat",
         {"Úlohy pre 1. stupeň", "Úlohy s des.číslami a zlomkami", "Uhly", "Celé čísla", "Úlohy o pohybe",
          "Chytáky", "Percentá"}},
    };
    for (const DataFileCase& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_EQ(LoadWordProblemFile(std::string(NUMERAVA_SOURCE_DIR) + "/Graphics/" + c.file),
                  WordProblemFileError::None);

        for (size_t k = 1; k <= 6; ++k) EXPECT_EQ(SectionTitles[k], c.titles[k - 1]);
        EXPECT_EQ(SectionTitles[10], c.titles[6]);
        for (size_t k = 1; k <= SectionCount; ++k) {
            EXPECT_FALSE(SectionTitles[k].empty());
            EXPECT_LE(CodePointCount(SectionTitles[k]), 30u) << "a title is a check-button caption";
        }

        ASSERT_GE(NameList.size(), 20u);
        EXPECT_EQ(std::set<std::string>(NameList.begin(), NameList.end()).size(), NameList.size());
        for (const std::string& name : NameList)
            EXPECT_TRUE(IsPlainMarkup(name) && name.find(' ') == std::string::npos) << name;
        // The two longest names give the longest question.
        Lines longest = NameList;
        std::sort(longest.begin(), longest.end(),
                  [](const auto& a, const auto& b) { return CodePointCount(a) > CodePointCount(b); });

        for (size_t k = 1; k <= SectionCount; ++k) {
            EXPECT_GE(SectionLines[k].size(), 5u) << SectionTitles[k];
            for (const std::string& problem : SectionLines[k]) {
                SCOPED_TRACE(problem);
                std::string rest = problem;
                ASSERT_EQ(rest.front(), '[');
                EXPECT_TRUE(ParseNumber(TakePart(rest)).has_value());
                const std::string unit = TakePart(rest);
                EXPECT_TRUE(IsPlainMarkup(unit));
                if (rest.find(']') != std::string::npos) {
                    EXPECT_TRUE(IsPlainMarkup(TakePart(rest))); // the prompt
                }

                // Both names are filled in and every other "%" comes from "%%": a stray directive,
                // or a "%s" that reaches the third argument, would leave a "%" of its own.
                const std::string marked = Format(rest, {"@1", "@2", "%"});
                EXPECT_NE(marked.find("@1"), std::string::npos) << "first name unused";
                EXPECT_NE(marked.find("@2"), std::string::npos) << "second name unused";
                size_t escapedPercents = 0;
                for (size_t at = rest.find("%%"); at != std::string::npos; at = rest.find("%%", at + 2))
                    ++escapedPercents;
                EXPECT_EQ(static_cast<size_t>(std::count(marked.begin(), marked.end(), '%')),
                          escapedPercents);

                // The wrapped display holds about four lines of about 35 characters.
                const std::string question = Format(rest, {longest[0], longest[1], "%"});
                EXPECT_TRUE(IsPlainMarkup(question));
                EXPECT_LE(CodePointCount(Shown(question)), 140u) << Shown(question);
            }
        }
    }
}

} // namespace
} // namespace numerava
