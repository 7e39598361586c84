#include "catalogue/WordProblemFile.h"

#include "catalogue/WordProblemLine.h"
#include "core/Encoding.h"
#include "core/Format.h"
#include "core/Language.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

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

bool LeftOut(WordProblemNoteKind kind) {
    return kind != WordProblemNoteKind::SameText && kind != WordProblemNoteKind::FewNames;
}

WordProblemNoteKind NoteFor(ProblemLineFault fault) {
    switch (fault) {
    case ProblemLineFault::NoBrackets: return WordProblemNoteKind::NoBrackets;
    case ProblemLineFault::AnswerNotNumber: return WordProblemNoteKind::AnswerNotNumber;
    case ProblemLineFault::AnswerTooLong: return WordProblemNoteKind::AnswerTooLong;
    case ProblemLineFault::StrayBracket: return WordProblemNoteKind::StrayBracket;
    case ProblemLineFault::StrayPercent: return WordProblemNoteKind::StrayPercent;
    case ProblemLineFault::None: break;
    }
    return WordProblemNoteKind::NoBrackets;
}

// Whether a section can give only one question whatever is drawn: the drill, which asks for a
// question different from the previous one, would then give up its search every time.
bool GivesOneQuestion(const std::vector<std::string>& problems, const std::vector<std::string>& names,
                      size_t distinctNames) {
    std::set<std::string> questions;
    const std::string name = names.empty() ? std::string() : names.front();
    for (const std::string& problem : problems) {
        const auto parts = SplitProblemLine(problem);
        if (distinctNames >= 2 && ProblemTextUsesNames(parts->Text)) return false;
        questions.insert(Format(parts->Text, {name, name, "%"}));
        if (questions.size() > 1) return false;
    }
    return true;
}

} // namespace

TWordProblemFile ParseWordProblemFile(std::string_view windows1250Bytes, TWordProblemFileReport& report) {
    report = {};
    const std::string text = DecodeWindows1250(windows1250Bytes);
    const std::vector<std::string_view> lines = SplitLines(text);
    TWordProblemFile file;
    size_t next = 0;

    // Appends the usable entries up to the next header (or the end) to `entries`, skipping comments
    // and noting every line left out.
    const auto readEntries = [&](std::vector<std::string>& entries, bool problems) {
        for (; next < lines.size() && !IsHeader(lines[next]); ++next) {
            const std::string_view line = lines[next];
            if (IsComment(line)) continue;
            WordProblemNoteKind kind = WordProblemNoteKind::SameText; // stands for "usable"
            if (line.empty()) kind = WordProblemNoteKind::EmptyLine;
            else if (CodePointCount(line) > MaxWordProblemLineCharacters)
                kind = WordProblemNoteKind::LongLine;
            else if (problems) {
                if (const ProblemLineFault fault = CheckProblemLine(line); fault != ProblemLineFault::None)
                    kind = NoteFor(fault);
            }
            if (LeftOut(kind)) report.Notes.push_back({next + 1, kind});
            else entries.emplace_back(line);
        }
    };
    const auto refuse = [&](WordProblemFileError error, size_t line) {
        report = {error, line, {}};
        return TWordProblemFile{};
    };

    readEntries(file.NameList, false);
    std::array<size_t, SectionCount + 1> headerLines{};
    for (size_t k = 1; k <= SectionCount; ++k) {
        if (next == lines.size()) return refuse(WordProblemFileError::TooFewSections, 0);
        const std::string_view title = lines[next].substr(1);
        headerLines[k] = next + 1;
        if (CodePointCount(title) > MaxWordProblemLineCharacters)
            return refuse(WordProblemFileError::LongTitle, headerLines[k]);
        file.SectionTitles[k] = std::string(title);
        ++next;
        readEntries(file.SectionLines[k], true);
        if (file.SectionLines[k].empty()) return refuse(WordProblemFileError::EmptySection, headerLines[k]);
    }
    // Whatever follows the twelfth section (a thirteenth header and its lines) is not read.

    // Too few names come first: they are why every section warns then.
    const size_t distinctNames = std::set<std::string>(file.NameList.begin(), file.NameList.end()).size();
    if (distinctNames < 2) report.Notes.push_back({0, WordProblemNoteKind::FewNames});
    for (size_t k = 1; k <= SectionCount; ++k)
        if (GivesOneQuestion(file.SectionLines[k], file.NameList, distinctNames))
            report.Notes.push_back({headerLines[k], WordProblemNoteKind::SameText});
    std::stable_sort(report.Notes.begin(), report.Notes.end(),
                     [](const auto& a, const auto& b) { return a.Line < b.Line; });
    if (!report.Notes.empty()) report.Error = WordProblemFileError::Flawed;
    return file;
}

namespace {

// Reads at most MaxWordProblemFileBytes of a regular file.
WordProblemFileError ReadBytes(const std::filesystem::path& path, std::string& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return WordProblemFileError::Missing;
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return WordProblemFileError::Missing;
    if (size > MaxWordProblemFileBytes) return WordProblemFileError::TooLarge;

    std::ifstream stream(path, std::ios::binary);
    if (!stream.is_open()) return WordProblemFileError::Missing;
    // One byte more than allowed tells a file that grew since its size was read.
    bytes.resize(static_cast<size_t>(size) + 1);
    stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (stream.bad()) return WordProblemFileError::Missing;
    bytes.resize(static_cast<size_t>(stream.gcount()));
    if (bytes.size() > MaxWordProblemFileBytes) return WordProblemFileError::TooLarge;
    return WordProblemFileError::None;
}

} // namespace

WordProblemFileError LoadWordProblemFile(const std::string& path, TWordProblemFileReport* report) {
    TWordProblemFileReport local;
    TWordProblemFileReport& result = report ? *report : local;
    result = {};
    std::string bytes;
    TWordProblemFile file;
    // The path is UTF-8 like every text of the program: made from char8_t it is read as such on every
    // system (Windows would read a plain string in its ANSI code page).
    const std::string slashes = WithForwardSlashes(path);
    const std::filesystem::path local8(std::u8string(slashes.begin(), slashes.end()));
    if (const WordProblemFileError error = ReadBytes(local8, bytes); error != WordProblemFileError::None)
        result.Error = error;
    else file = ParseWordProblemFile(bytes, result);

    // A refused file leaves area 5 empty rather than keeping the previous language's problems; the
    // screens show the message and stay usable.
    ClearWordProblemData();
    if (result.Error != WordProblemFileError::None && result.Error != WordProblemFileError::Flawed)
        return result.Error;
    NameList = std::move(file.NameList);
    SectionTitles = std::move(file.SectionTitles);
    SectionLines = std::move(file.SectionLines);
    return result.Error;
}

namespace {

const char* Text(bool slovak, const char* czech, const char* slovakText) {
    return slovak ? slovakText : czech;
}

std::string NoteReason(WordProblemNoteKind kind, bool slovak) {
    switch (kind) {
    case WordProblemNoteKind::EmptyLine: return Text(slovak, "prázdný řádek", "prázdny riadok");
    case WordProblemNoteKind::LongLine: return Text(slovak, "příliš dlouhý řádek", "príliš dlhý riadok");
    case WordProblemNoteKind::NoBrackets:
        return Text(slovak, "chybí výsledek a jednotka v hranatých závorkách",
                    "chýba výsledok a jednotka v hranatých zátvorkách");
    case WordProblemNoteKind::AnswerNotNumber:
        return Text(slovak, "výsledek není číslo", "výsledok nie je číslo");
    case WordProblemNoteKind::AnswerTooLong:
        return Text(slovak, "výsledek má víc než deset znaků", "výsledok má viac ako desať znakov");
    case WordProblemNoteKind::StrayBracket:
        return Text(slovak, "znak ] v textu úlohy", "znak ] v texte úlohy");
    case WordProblemNoteKind::StrayPercent:
        return Text(slovak, "znak % bez významu (procento se píše %%)",
                    "znak % bez významu (percento sa píše %%)");
    case WordProblemNoteKind::SameText:
    case WordProblemNoteKind::FewNames: break;
    }
    return {};
}

// How many left-out lines the message names one by one.
constexpr size_t ListedLines = 5;

} // namespace

std::string WordProblemFileMessage(const TWordProblemFileReport& report, uint16_t language) {
    const bool slovak = language == LanguageSlovak;
    if (report.Error != WordProblemFileError::Flawed) {
        std::string message = WordProblemFileMessage(report.Error, language);
        if (report.Line == 0 || message.empty()) return message;
        // The refusal names its line: "... poškozený: oddíl na řádku 57 nemá ..." is built here.
        const std::string line = std::to_string(report.Line);
        const std::string damaged = Text(
            slovak, "Soubor se slovními úlohami je poškozený: ", "Súbor so slovnými úlohami je poškodený: ");
        const std::string unavailable = Text(slovak, " Slovní úlohy (NUMERAVA 5) nejsou k dispozici.",
                                             " Slovné úlohy (NUMERAVA 5) nie sú k dispozícii.");
        if (report.Error == WordProblemFileError::EmptySection)
            return damaged + Text(slovak, "oddíl na řádku ", "oddiel na riadku ") + line +
                   Text(slovak, " nemá žádnou použitelnou úlohu.", " nemá ani jednu použiteľnú úlohu.") +
                   unavailable;
        if (report.Error == WordProblemFileError::LongTitle)
            return damaged + Text(slovak, "název oddílu na řádku ", "názov oddielu na riadku ") + line +
                   Text(slovak, " je příliš dlouhý.", " je príliš dlhý.") + unavailable;
        return message;
    }

    std::vector<TWordProblemNote> leftOut;
    for (const TWordProblemNote& note : report.Notes)
        if (LeftOut(note.Kind)) leftOut.push_back(note);
    std::string message;
    if (!leftOut.empty()) {
        message = Text(slovak, "Chybné řádky souboru se slovními úlohami byly vynechány: ",
                       "Chybné riadky súboru so slovnými úlohami boli vynechané: ");
        for (size_t i = 0; i < leftOut.size() && i < ListedLines; ++i) {
            if (i > 0) message += ", ";
            message += Text(slovak, "řádek ", "riadok ") + std::to_string(leftOut[i].Line) + " (" +
                       NoteReason(leftOut[i].Kind, slovak) + ")";
        }
        if (leftOut.size() > ListedLines)
            message += Text(slovak, " a další řádky (", " a ďalšie riadky (") +
                       std::to_string(leftOut.size() - ListedLines) + ")";
        message += ".";
    }
    for (const TWordProblemNote& note : report.Notes) {
        if (note.Kind == WordProblemNoteKind::SameText) {
            if (!message.empty()) message += " ";
            message += Text(slovak, "Oddíl na řádku ", "Oddiel na riadku ") + std::to_string(note.Line) +
                       Text(slovak, " dává pokaždé stejné zadání.", " dáva zakaždým rovnaké zadanie.");
        } else if (note.Kind == WordProblemNoteKind::FewNames) {
            if (!message.empty()) message += " ";
            message +=
                Text(slovak, "Soubor nemá ani dvě různá jména, úlohy proto dostanou dvakrát stejné jméno.",
                     "Súbor nemá ani dve rôzne mená, úlohy preto dostanú dvakrát rovnaké meno.");
        }
    }
    return message;
}

std::string WordProblemFileMessage(WordProblemFileError error, uint16_t language) {
    const bool slovak = language == LanguageSlovak;
    std::string message;
    switch (error) {
    case WordProblemFileError::None: return {};
    case WordProblemFileError::Flawed:
        return Text(slovak, "Soubor se slovními úlohami obsahuje chyby, chybné řádky byly vynechány.",
                    "Súbor so slovnými úlohami obsahuje chyby, chybné riadky boli vynechané.");
    case WordProblemFileError::Missing:
        message = Text(slovak, "Chybí soubor se slovními úlohami.", "Chýba súbor so slovnými úlohami.");
        break;
    case WordProblemFileError::TooLarge:
        message = Text(slovak, "Soubor se slovními úlohami je příliš velký, větší než ",
                       "Súbor so slovnými úlohami je príliš veľký, väčší ako ") +
                  std::to_string(MaxWordProblemFileBytes / (1024 * 1024)) + " MB.";
        break;
    case WordProblemFileError::TooFewSections:
        message = Text(slovak, "Soubor se slovními úlohami je poškozený: má méně než dvanáct oddílů.",
                       "Súbor so slovnými úlohami je poškodený: má menej ako dvanásť oddielov.");
        break;
    case WordProblemFileError::EmptySection:
        message = Text(slovak, "Soubor se slovními úlohami je poškozený: jeden oddíl nemá žádnou úlohu.",
                       "Súbor so slovnými úlohami je poškodený: jeden oddiel nemá ani jednu úlohu.");
        break;
    case WordProblemFileError::LongTitle:
        message = Text(slovak, "Soubor se slovními úlohami je poškozený: název oddílu je příliš dlouhý.",
                       "Súbor so slovnými úlohami je poškodený: názov oddielu je príliš dlhý.");
        break;
    }
    message += Text(slovak, " Slovní úlohy (NUMERAVA 5) nejsou k dispozici.",
                    " Slovné úlohy (NUMERAVA 5) nie sú k dispozícii.");
    return message;
}

std::string WithForwardSlashes(std::string_view path) {
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

} // namespace numerava
