#include "catalogue/WordProblemFile.h"

#include "core/Encoding.h"
#include "core/Language.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace numerava {

namespace {

// Cuts a text into lines at CR LF, LF or a lone CR. A line break at the very end adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

bool IsHeader(std::string_view line) { return !line.empty() && line.front() == ':'; }
bool IsComment(std::string_view line) { return line.starts_with("//"); }

} // namespace

TWordProblemFile ParseWordProblemFile(std::string_view windows1250Bytes, WordProblemFileError& error) {
    const std::string text = DecodeWindows1250(windows1250Bytes);
    const std::vector<std::string_view> lines = SplitLines(text);
    TWordProblemFile file;
    size_t next = 0;

    // Appends the entries up to the next header (or the end) to `entries`, skipping comments.
    const auto readEntries = [&](std::vector<std::string>& entries) {
        for (; next < lines.size() && !IsHeader(lines[next]); ++next) {
            if (lines[next].empty()) return false;
            if (!IsComment(lines[next])) entries.emplace_back(lines[next]);
        }
        return true;
    };

    error = WordProblemFileError::None;
    if (!readEntries(file.NameList)) error = WordProblemFileError::EmptyLine;
    for (size_t k = 1; k <= SectionCount && error == WordProblemFileError::None; ++k) {
        if (next == lines.size()) {
            error = WordProblemFileError::TooFewSections;
            break;
        }
        file.SectionTitles[k] = std::string(lines[next].substr(1));
        ++next;
        if (!readEntries(file.SectionLines[k])) error = WordProblemFileError::EmptyLine;
    }
    // Whatever follows the twelfth section (a thirteenth header and its lines) is not read.
    if (error != WordProblemFileError::None) return {};
    return file;
}

WordProblemFileError LoadWordProblemFile(const std::string& path) {
    const std::filesystem::path localPath = WithForwardSlashes(path);
    WordProblemFileError error = WordProblemFileError::Missing;
    TWordProblemFile file;
    std::error_code ignored;
    if (std::filesystem::is_regular_file(localPath, ignored)) {
        std::ifstream stream(localPath, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
        if (stream.is_open() && !stream.bad()) file = ParseWordProblemFile(bytes, error);
    }

    // A bad file leaves area 5 empty rather than keeping the previous language's problems; the
    // screens show the message and stay usable.
    ClearWordProblemData();
    if (error != WordProblemFileError::None) return error;
    NameList = std::move(file.NameList);
    SectionTitles = std::move(file.SectionTitles);
    SectionLines = std::move(file.SectionLines);
    return error;
}

std::string WordProblemFileMessage(WordProblemFileError error, uint16_t language) {
    const bool slovak = language == LanguageSlovak;
    std::string message;
    switch (error) {
    case WordProblemFileError::None: return {};
    case WordProblemFileError::Missing:
        message = slovak ? "Chýba súbor so slovnými úlohami." : "Chybí soubor se slovními úlohami.";
        break;
    case WordProblemFileError::TooFewSections:
        message = slovak ? "Súbor so slovnými úlohami je poškodený: má menej ako dvanásť oddielov."
                         : "Soubor se slovními úlohami je poškozený: má méně než dvanáct oddílů.";
        break;
    case WordProblemFileError::EmptyLine:
        message = slovak ? "Súbor so slovnými úlohami je poškodený: obsahuje prázdny riadok."
                         : "Soubor se slovními úlohami je poškozený: obsahuje prázdný řádek.";
        break;
    }
    message += slovak ? " Slovné úlohy (NUMERAVA 5) nie sú k dispozícii."
                      : " Slovní úlohy (NUMERAVA 5) nejsou k dispozici.";
    return message;
}

std::string WithForwardSlashes(std::string_view path) {
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

} // namespace numerava
