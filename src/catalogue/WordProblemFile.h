#pragma once
// The word-problem data file of a language ("Graphics\numerava_cz.dat"): Windows-1250 text, one
// entry per line. The lines before the first ":" line are first names; then twelve sections follow,
// each a ":" header line with the title and the problem lines below it. "//" lines are comments.
//
// The file is edited by hand, so it is checked as it is read: a line that cannot be used (an empty
// line, a problem without its bracketed answer and unit, an answer that is no number, a stray "%")
// is left out and reported with its line number; a file that leaves a section without problems, or
// is not a word-problem file at all, is refused and area 5 stays empty.

#include "catalogue/WordProblemData.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace numerava {

struct TWordProblemFile {
    std::vector<std::string> NameList;
    // Indexed 1..12 like the process-wide lists; element 0 stays empty.
    std::array<std::string, SectionCount + 1> SectionTitles;
    std::array<std::vector<std::string>, SectionCount + 1> SectionLines;
};

// A real book of problems is a few hundred kilobytes at most; a larger file is refused before it
// is read, so that a wrong file cannot stall the program.
inline constexpr uintmax_t MaxWordProblemFileBytes = 4 * 1024 * 1024;
// Longer lines are no names or problems (the question area holds about 150 characters).
inline constexpr size_t MaxWordProblemLineCharacters = 1000;

enum class WordProblemFileError {
    None,
    Missing,        // the file cannot be opened or read, or is no regular file
    TooLarge,       // larger than MaxWordProblemFileBytes
    TooFewSections, // fewer than twelve ":" header lines
    EmptySection,   // a section without a single usable problem
    LongTitle,      // a header line longer than MaxWordProblemLineCharacters
    Flawed,         // loaded, but with lines left out or with the warnings below
};

// One remark about a line of a file that was loaded.
enum class WordProblemNoteKind {
    // The line was left out:
    EmptyLine,
    LongLine,
    NoBrackets,
    AnswerNotNumber,
    AnswerTooLong,
    StrayBracket,
    StrayPercent,
    // Warnings; nothing was left out:
    SameText, // every problem of the section at Line gives the same question
    FewNames, // fewer than two different names (Line 0): a question gets the same name twice
};

struct TWordProblemNote {
    size_t Line = 0; // 1-based line of the file
    WordProblemNoteKind Kind = WordProblemNoteKind::EmptyLine;
    friend bool operator==(const TWordProblemNote&, const TWordProblemNote&) = default;
};

struct TWordProblemFileReport {
    // None or Flawed when the data was loaded; any other value refused the file.
    WordProblemFileError Error = WordProblemFileError::None;
    // The line a refusal is about (the section's header, the long title); 0 when none.
    size_t Line = 0;
    // Lines left out and warnings, in the order of the file (only when the file was loaded).
    std::vector<TWordProblemNote> Notes;
};

// Parses the bytes of a data file (CR LF, LF or CR line ends; the last line may lack one). Texts are
// returned in UTF-8. On a refusal the result is empty.
TWordProblemFile ParseWordProblemFile(std::string_view windows1250Bytes, TWordProblemFileReport& report);

// Reads the file at `path`, written as the program's texts give it ("Graphics\numerava_cz.dat"),
// and on success replaces NameList, SectionTitles and SectionLines with its contents. When the file
// is refused the three lists are cleared: area 5 then offers no problems rather than those of
// another language. Returns report->Error (None, Flawed or the refusal) and fills `report` if given.
WordProblemFileError LoadWordProblemFile(const std::string& path, TWordProblemFileReport* report = nullptr);

// The message the program shows about a load, in Czech (language 0) or Slovak (1): the refusal, or
// the lines left out with their numbers and the warnings. Empty when there is nothing to say.
std::string WordProblemFileMessage(const TWordProblemFileReport& report, uint16_t language);
// A shorter message for an error alone, without line numbers.
std::string WordProblemFileMessage(WordProblemFileError error, uint16_t language);

// "Graphics\numerava_cz.dat" -> "Graphics/numerava_cz.dat".
std::string WithForwardSlashes(std::string_view path);

} // namespace numerava
