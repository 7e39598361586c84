#pragma once
// The word-problem data file of a language ("Graphics\numerava_cz.dat"): Windows-1250 text, one
// entry per line. The lines before the first ":" line are first names; then twelve sections follow,
// each a ":" header line with the title and the problem lines below it. "//" lines are comments.

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

enum class WordProblemFileError {
    None,
    Missing,        // the file cannot be opened or read
    TooFewSections, // fewer than twelve ":" header lines
    EmptyLine,      // an empty line before the end of the twelfth section
};

// Parses the bytes of a data file (CR LF, LF or CR line ends; the last line may lack one). Texts are
// returned in UTF-8. On an error the result is empty.
TWordProblemFile ParseWordProblemFile(std::string_view windows1250Bytes, WordProblemFileError& error);

// Reads the file at `path`, written as the program's texts give it ("Graphics\numerava_cz.dat"),
// and on success replaces NameList, SectionTitles and SectionLines with its contents. On any error
// the three lists are cleared: area 5 then offers no problems rather than those of another language.
WordProblemFileError LoadWordProblemFile(const std::string& path);

// The message shown for an error in Czech (language 0) or Slovak (1); empty for None.
std::string WordProblemFileMessage(WordProblemFileError error, uint16_t language);

// "Graphics\numerava_cz.dat" -> "Graphics/numerava_cz.dat".
std::string WithForwardSlashes(std::string_view path);

} // namespace numerava
