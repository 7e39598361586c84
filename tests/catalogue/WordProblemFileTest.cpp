#include "catalogue/WordProblemFile.h"
#include "core/Encoding.h"
#include "core/FixedNumber.h"
#include "core/Format.h"
#include "core/Language.h"
#include "support/SystemFiles.h"

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
    TWordProblemFileReport report;
    TWordProblemFile file = ParseWordProblemFile(bytes, report);
    error = report.Error;
    return file;
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
            SCOPED_TRACE(::testing::Message() << "eol " << eol.size() << " bytes, ended " << lastLineEnded);
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
        bodies.push_back({"[1][]%s"});
        sections.push_back({titles.back(), bodies.back()});
    }

    std::vector<LayoutCase> cases;
    cases.push_back(
        {"a preamble of comments only gives no names", {"// a", "//b"}, sections, {}, titles, bodies});

    LayoutCase bodies1 = {"comments in a body are skipped", {"Eva"}, sections, {"Eva"}, titles, bodies};
    bodies1.sections[0].second = {"// comment", "[2][]/ %s", "[3][]%s"};
    bodies1.bodies[0] = {"[2][]/ %s", "[3][]%s"};
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
    thirteenth.sections[11].second = {"[9][]last %s"};
    thirteenth.bodies[11] = {"[9][]last %s"};
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
        // A single name draws a warning, and the file is still read.
        ASSERT_TRUE(error == WordProblemFileError::None || error == WordProblemFileError::Flawed);
        EXPECT_EQ(file.NameList, c.names);
        for (size_t k = 1; k <= SectionCount; ++k) {
            EXPECT_EQ(file.SectionTitles[k], c.titles[k - 1]) << "section " << k;
            EXPECT_EQ(file.SectionLines[k], c.bodies[k - 1]) << "section " << k;
        }
    }
}

TEST(WordProblemFileTest, DecodesWindows1250Letters) {
    // "Šimon", "Kateřina" in the preamble; the title "Úhly"; a line with "ě", "°" and "€".
    std::string bytes = "\x8Aimon\r\nKate\xF8ina\r\n:\xDAhly\r\n[5][\xB0]v\xEC\x74\x61 \x80 %s\r\n";
    for (int k = 2; k <= SectionCount; ++k) bytes += ":S\r\n[1][]%s\r\n";
    WordProblemFileError error = WordProblemFileError::Missing;
    const TWordProblemFile file = Parse(bytes, error);
    ASSERT_EQ(error, WordProblemFileError::None);
    EXPECT_EQ(file.NameList, (Lines{"Šimon", "Kateřina"}));
    EXPECT_EQ(file.SectionTitles[1], "Úhly");
    EXPECT_EQ(file.SectionLines[1], Lines{"[5][°]věta € %s"});
}

struct BrokenCase {
    const char* what;
    std::string bytes;
    WordProblemFileError error;
    size_t line;
};

TEST(WordProblemFileTest, RefusesFilesThatLeaveASectionWithoutProblems) {
    const auto twelve = TwelveSections();
    auto eleven = twelve;
    eleven.pop_back();
    auto emptyFifth = twelve;
    emptyFifth[4].second = {"// only a comment"};
    auto badLast = twelve;
    badLast[11].second = {"[x][]%s", ""};
    auto longTitle = twelve;
    longTitle[1].first = std::string(MaxWordProblemLineCharacters + 1, 'T');

    const std::vector<BrokenCase> cases{
        {"an empty file", "", WordProblemFileError::TooFewSections, 0},
        {"names only", MakeFile({"Eva", "Jan"}, {}), WordProblemFileError::TooFewSections, 0},
        {"eleven sections", MakeFile({"Eva", "Jan"}, eleven), WordProblemFileError::TooFewSections, 0},
        // Line 1 Eva, 2 Jan, then two lines per section: the fifth header is line 11.
        {"a section with comments only", MakeFile({"Eva", "Jan"}, emptyFifth),
         WordProblemFileError::EmptySection, 11},
        {"a section whose lines are all bad", MakeFile({"Eva", "Jan"}, badLast),
         WordProblemFileError::EmptySection, 25},
        {"a title beyond the line limit", MakeFile({"Eva", "Jan"}, longTitle),
         WordProblemFileError::LongTitle, 5},
    };
    for (const BrokenCase& c : cases) {
        SCOPED_TRACE(c.what);
        TWordProblemFileReport report;
        const TWordProblemFile file = ParseWordProblemFile(c.bytes, report);
        EXPECT_EQ(report.Error, c.error);
        EXPECT_EQ(report.Line, c.line);
        EXPECT_TRUE(report.Notes.empty());
        EXPECT_TRUE(file.NameList.empty());
        for (size_t k = 0; k <= SectionCount; ++k) {
            EXPECT_TRUE(file.SectionTitles[k].empty());
            EXPECT_TRUE(file.SectionLines[k].empty());
        }
    }
}

TEST(WordProblemFileTest, LeavesOutBadLinesAndNotesEachWithItsLine) {
    auto sections = TwelveSections();
    sections[0].second = {
        "[1][]%s ok",        // line 5
        "",                  // 6
        "1][]%s",            // 7
        "[1,5.][]%s",        // 8
        "[12345678901][]%s", // 9
        "[1][]%s ] %s",      // 10
        "[1][]50 % %s",      // 11
        "// comment",        // 12
        "[2][]%s%% fine",    // 13
    };
    sections[1].second.push_back("[1][]%s " + std::string(MaxWordProblemLineCharacters, 'x')); // line 16
    const std::string bytes = MakeFile({"Eva", "", "Jan"}, sections);

    TWordProblemFileReport report;
    const TWordProblemFile file = ParseWordProblemFile(bytes, report);
    using enum WordProblemNoteKind;
    EXPECT_EQ(report.Error, WordProblemFileError::Flawed);
    EXPECT_EQ(report.Notes, (std::vector<TWordProblemNote>{{2, EmptyLine},
                                                           {6, EmptyLine},
                                                           {7, NoBrackets},
                                                           {8, AnswerNotNumber},
                                                           {9, AnswerTooLong},
                                                           {10, StrayBracket},
                                                           {11, StrayPercent},
                                                           {16, LongLine}}));
    EXPECT_EQ(file.NameList, (Lines{"Eva", "Jan"}));
    EXPECT_EQ(file.SectionLines[1], (Lines{"[1][]%s ok", "[2][]%s%% fine"}));
    EXPECT_EQ(file.SectionLines[2], Lines{"[2][]%s"});
}

TEST(WordProblemFileTest, WarnsAboutSectionsWithOneQuestionAndTooFewNames) {
    // Only a section whose every line gives one and the same question is a warning; one line without
    // a name among others with names, or two different texts without names, give several questions.
    auto sections = TwelveSections();
    sections[2].second = {"[1][]The same text.", "[2][km]The same text."}; // header on line 7
    sections[3].second = {"[1][]No name.", "[1][]Another text."};
    sections[4].second = {"[1][]No name.", "[1][]%s"};
    sections[5].second = {"[1][]100 %%"}; // header on line 16

    TWordProblemFileReport report;
    ParseWordProblemFile(MakeFile({"Eva", "Jan"}, sections), report);
    using enum WordProblemNoteKind;
    EXPECT_EQ(report.Error, WordProblemFileError::Flawed);
    EXPECT_EQ(report.Notes, (std::vector<TWordProblemNote>{{7, SameText}, {16, SameText}}));

    // With a single distinct name every one-line section asks one question only.
    const auto one = TwelveSections();
    for (const Lines& names : {Lines{"Eva", "Eva"}, Lines{}}) {
        ParseWordProblemFile(MakeFile(names, one), report);
        ASSERT_EQ(report.Error, WordProblemFileError::Flawed);
        ASSERT_EQ(report.Notes.size(), 13u);
        EXPECT_EQ(report.Notes.front(), (TWordProblemNote{0, FewNames}));
    }
    ParseWordProblemFile(MakeFile({"Eva", "Jan"}, one), report);
    EXPECT_EQ(report.Error, WordProblemFileError::None);
    EXPECT_TRUE(report.Notes.empty());
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
    TWordProblemFileReport report;
    ASSERT_EQ(LoadWordProblemFile(path, &report), WordProblemFileError::None);
    EXPECT_EQ(report.Error, WordProblemFileError::None);
    EXPECT_EQ(NameList, (Lines{"Eva", "Jan"}));
    EXPECT_EQ(SectionTitles[1], "S1");
    EXPECT_EQ(SectionLines[1], Lines{"[1][]%s"});
    EXPECT_EQ(SectionTitles[12], "S12");
}

TEST_F(WordProblemLoadTest, AFileWithBadLinesIsLoadedWithoutThem) {
    FillWithOldData();
    auto sections = TwelveSections();
    sections[3].second.push_back("[x][]%s");
    const std::string path = Write("numerava_sk.dat", MakeFile({"Eva", "Jan"}, sections));
    TWordProblemFileReport report;
    EXPECT_EQ(LoadWordProblemFile(path, &report), WordProblemFileError::Flawed);
    EXPECT_EQ(report.Notes, (std::vector<TWordProblemNote>{{11, WordProblemNoteKind::AnswerNotNumber}}));
    EXPECT_EQ(SectionLines[4], Lines{"[4][]%s"});
    EXPECT_EQ(NameList, (Lines{"Eva", "Jan"}));
}

TEST_F(WordProblemLoadTest, AMissingBrokenOrHugeFileLeavesArea5Empty) {
    // A valid file just over the limit: its size alone refuses it, before anything is read.
    std::string huge = MakeFile({"Eva", "Jan"}, TwelveSections());
    const std::string filler = "// " + std::string(76, '.') + "\r\n";
    while (huge.size() <= MaxWordProblemFileBytes) huge += filler;
    std::string atLimit = MakeFile({"Eva", "Jan"}, TwelveSections());
    atLimit += "// " + std::string(MaxWordProblemFileBytes - atLimit.size() - 3, '.');
    ASSERT_EQ(atLimit.size(), MaxWordProblemFileBytes);

    std::vector<std::pair<std::string, WordProblemFileError>> cases{
        {folder_.string() + "\\Graphics\\absent.dat", WordProblemFileError::Missing},
        {folder_.string() + "\\Graphics", WordProblemFileError::Missing}, // a folder, not a file
        {Write("short.dat", MakeFile({"Eva"}, {{"Only", {"[1][]%s"}}})),
         WordProblemFileError::TooFewSections},
        {Write("huge.dat", huge), WordProblemFileError::TooLarge},
    };
    // A pipe would block a reader (there are none in a Windows folder).
    if (const std::filesystem::path fifo = folder_ / "Graphics" / "fifo.dat";
        numerava::testing::MakeFifo(fifo))
        cases.emplace_back(fifo.string(), WordProblemFileError::Missing);
    for (const auto& [path, expected] : cases) {
        SCOPED_TRACE(path);
        FillWithOldData();
        TWordProblemFileReport report;
        EXPECT_EQ(LoadWordProblemFile(path, &report), expected);
        EXPECT_EQ(report.Error, expected);
        EXPECT_TRUE(DataIsEmpty());
    }
    EXPECT_EQ(LoadWordProblemFile(Write("limit.dat", atLimit)), WordProblemFileError::None);
}

TEST(WordProblemFileTest, EveryRefusalHasItsOwnMessageInBothLanguages) {
    std::set<std::string> messages;
    for (const auto error :
         {WordProblemFileError::Missing, WordProblemFileError::TooLarge, WordProblemFileError::TooFewSections,
          WordProblemFileError::EmptySection, WordProblemFileError::LongTitle, WordProblemFileError::Flawed})
        for (const uint16_t language : {LanguageCzech, LanguageSlovak})
            messages.insert(WordProblemFileMessage(error, language));
    EXPECT_EQ(messages.size(), 12u);
    EXPECT_FALSE(messages.contains(""));
    EXPECT_EQ(WordProblemFileMessage(WordProblemFileError::None, LanguageSlovak), "");
    EXPECT_NE(WordProblemFileMessage(WordProblemFileError::TooLarge, LanguageCzech).find("4 MB"),
              std::string::npos);
}

struct MessageCase {
    TWordProblemFileReport report;
    uint16_t language;
    const char* message;
};

TEST(WordProblemFileTest, MessagesNameTheLines) {
    using enum WordProblemNoteKind;
    std::vector<TWordProblemNote> many;
    for (size_t line = 10; line < 17; ++line) many.push_back({line, AnswerNotNumber});
    const std::vector<MessageCase> cases{
        {{WordProblemFileError::EmptySection, 57, {}},
         LanguageCzech,
         "Soubor se slovními úlohami je poškozený: oddíl na řádku 57 nemá žádnou použitelnou úlohu. Slovní "
         "úlohy (NUMERAVA 5) nejsou k dispozici."},
        {{WordProblemFileError::EmptySection, 57, {}},
         LanguageSlovak,
         "Súbor so slovnými úlohami je poškodený: oddiel na riadku 57 nemá ani jednu použiteľnú úlohu. "
         "Slovné "
         "úlohy (NUMERAVA 5) nie sú k dispozícii."},
        {{WordProblemFileError::Flawed, 0, {{3, EmptyLine}, {40, StrayPercent}}},
         LanguageCzech,
         "Chybné řádky souboru se slovními úlohami byly vynechány: řádek 3 (prázdný řádek), řádek 40 (znak % "
         "bez významu (procento se píše %%))."},
        {{WordProblemFileError::Flawed, 0, {{8, NoBrackets}, {30, SameText}, {0, FewNames}}},
         LanguageSlovak,
         "Chybné riadky súboru so slovnými úlohami boli vynechané: riadok 8 (chýba výsledok a jednotka v "
         "hranatých zátvorkách). Oddiel na riadku 30 dáva zakaždým rovnaké zadanie. Súbor nemá ani dve rôzne "
         "mená, úlohy preto dostanú dvakrát rovnaké meno."},
        {{WordProblemFileError::Flawed, 0, many},
         LanguageCzech,
         "Chybné řádky souboru se slovními úlohami byly vynechány: řádek 10 (výsledek není číslo), řádek 11 "
         "(výsledek není číslo), řádek 12 (výsledek není číslo), řádek 13 (výsledek není číslo), řádek 14 "
         "(výsledek není číslo) a další řádky (2)."},
        {{WordProblemFileError::Missing, 0, {}},
         LanguageCzech,
         "Chybí soubor se slovními úlohami. Slovní úlohy (NUMERAVA 5) nejsou k dispozici."},
    };
    for (const MessageCase& c : cases) EXPECT_EQ(WordProblemFileMessage(c.report, c.language), c.message);
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
        TWordProblemFileReport report;
        LoadWordProblemFile(std::string(NUMERAVA_SOURCE_DIR) + "/Graphics/" + c.file, &report);
        // Nothing left out and nothing to warn about.
        ASSERT_EQ(report.Error, WordProblemFileError::None)
            << "line " << report.Line << (report.Notes.empty() ? "" : ", first note on line ")
            << (report.Notes.empty() ? 0 : report.Notes.front().Line);

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
        for (size_t k = 1; k <= SectionCount; ++k) {
            EXPECT_GE(SectionLines[k].size(), 30u) << SectionTitles[k];
            EXPECT_EQ(std::set<std::string>(SectionLines[k].begin(), SectionLines[k].end()).size(),
                      SectionLines[k].size())
                << "a problem written twice in " << SectionTitles[k];
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
                const std::string marked = Format(rest, {"Name1", "Name2", "%"});
                EXPECT_NE(marked.find("Name1"), std::string::npos) << "first name unused";
                EXPECT_NE(marked.find("Name2"), std::string::npos) << "second name unused";
                size_t escapedPercents = 0;
                for (size_t at = rest.find("%%"); at != std::string::npos; at = rest.find("%%", at + 2))
                    ++escapedPercents;
                EXPECT_EQ(static_cast<size_t>(std::count(marked.begin(), marked.end(), '%')),
                          escapedPercents);
                EXPECT_TRUE(IsPlainMarkup(marked));
            }
        }
    }
}

} // namespace
} // namespace numerava
