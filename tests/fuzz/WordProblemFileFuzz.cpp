// The word-problem file is edited by hand outside the program: any bytes must parse safely, what is
// kept must keep the file's rules (no empty entry, no header or comment taken as an entry, only
// checked problem lines), and area 5 must then generate from every section without failing.
#include "catalogue/WordProblemData.h"
#include "catalogue/WordProblemFile.h"
#include "catalogue/WordProblemLine.h"
#include "core/Random.h"
#include "generator/UnitsGenerator.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool IsEntry(const std::string& line) {
    return !line.empty() && line.front() != ':' && !line.starts_with("//");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace numerava;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TWordProblemFileReport report;
    TWordProblemFile file = ParseWordProblemFile(bytes, report);

    // Parsing never reports a file it could not read or that is too large.
    if (report.Error == WordProblemFileError::Missing || report.Error == WordProblemFileError::TooLarge)
        std::abort();
    const bool ok =
        report.Error == WordProblemFileError::None || report.Error == WordProblemFileError::Flawed;
    if (ok && report.Line != 0) std::abort();
    if ((report.Error == WordProblemFileError::Flawed) == report.Notes.empty()) std::abort();
    if (!ok && !file.NameList.empty()) std::abort();
    for (const std::string& name : file.NameList)
        if (!IsEntry(name)) std::abort();
    if (!file.SectionTitles[0].empty() || !file.SectionLines[0].empty()) std::abort();
    for (size_t k = 1; k <= SectionCount; ++k) {
        if (!ok && (!file.SectionTitles[k].empty() || !file.SectionLines[k].empty())) std::abort();
        if (ok && file.SectionLines[k].empty()) std::abort(); // an empty section refuses the file
        for (const std::string& line : file.SectionLines[k])
            if (!IsEntry(line) || CheckProblemLine(line) != ProblemLineFault::None) std::abort();
    }
    if (!ok) return 0;

    // Area 5 over what was kept: a few exercises of every section.
    NameList = std::move(file.NameList);
    SectionTitles = std::move(file.SectionTitles);
    SectionLines = std::move(file.SectionLines);
    SeedRandom(static_cast<uint32_t>(size));
    TNumeravaGenerator generator;
    generator.Area = 5;
    for (int section = 1; section <= SectionCount; ++section) {
        generator.DifficultySet = section <= 6 ? static_cast<uint8_t>(1u << section) : 0;
        generator.OperationSet = section > 6 ? static_cast<uint8_t>(1u << (section - 6)) : 0;
        for (int i = 0; i < 3; ++i) {
            const TExercise exercise = generator.Generate();
            if (exercise.Topic.Difficulty != section || exercise.Expected.Decimals < -1) std::abort();
            if (FormatNumber(exercise.Expected).size() > MaxAnswerCharacters) std::abort();
        }
    }
    ClearWordProblemData();
    return 0;
}
