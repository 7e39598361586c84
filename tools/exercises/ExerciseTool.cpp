#include "exercises/ExerciseTool.h"

#include "catalogue/WordProblemFile.h"
#include "core/Language.h"
#include "core/Random.h"
#include "exercises/Json.h"
#include "worksheet/WorksheetContent.h"

#include <chrono>

namespace numerava::tools {

std::string ExerciseJson(int area, const TExercise& exercise) {
    std::string line = "{\"area\":" + std::to_string(area);
    line += ",\"difficulty\":" + std::to_string(exercise.Topic.Difficulty);
    line += ",\"operation\":" + std::to_string(exercise.Topic.Operation);
    line += ",\"question\":" + JsonString(exercise.Question);
    line += ",\"suffix\":" + JsonString(exercise.Suffix);
    line += ",\"prompt\":" + JsonString(exercise.Prompt);
    line += ",\"task\":" + JsonString(exercise.TaskText);
    line += ",\"expected\":" + JsonString(FormatNumber(exercise.Expected));
    line += '}';
    return line;
}

std::string WordProblemFilePath(const ExerciseOptions& options, const std::string& programDirectory) {
    if (options.Data) return *options.Data;
    const std::string file = options.Language == LanguageSlovak ? "numerava_sk.dat" : "numerava_cz.dat";
    return programDirectory.empty() ? "Graphics/" + file : programDirectory + "/Graphics/" + file;
}

namespace {

std::string ErrorText(WordProblemFileError error) {
    switch (error) {
    case WordProblemFileError::Missing:
        return "cannot read the file (missing, unreadable or not a regular file)";
    case WordProblemFileError::TooLarge:
        return "the file is larger than " + std::to_string(MaxWordProblemFileBytes / (1024 * 1024)) + " MB";
    case WordProblemFileError::TooFewSections: return "fewer than twelve sections (\":\" header lines)";
    case WordProblemFileError::EmptySection: return "this section has no usable problem";
    case WordProblemFileError::LongTitle:
        return "the section title is longer than " + std::to_string(MaxWordProblemLineCharacters) +
               " characters";
    case WordProblemFileError::None:
    case WordProblemFileError::Flawed: break;
    }
    return {};
}

std::string NoteText(WordProblemNoteKind kind) {
    switch (kind) {
    case WordProblemNoteKind::EmptyLine: return "empty line";
    case WordProblemNoteKind::LongLine:
        return "line longer than " + std::to_string(MaxWordProblemLineCharacters) + " characters";
    case WordProblemNoteKind::NoBrackets: return "the answer and the unit are not both written in [brackets]";
    case WordProblemNoteKind::AnswerNotNumber: return "the answer is not a number (decimal comma) or N";
    case WordProblemNoteKind::AnswerTooLong:
        return "the answer is longer than the answer field's 10 characters";
    case WordProblemNoteKind::StrayBracket: return "a ']' in the problem text";
    case WordProblemNoteKind::StrayPercent:
        return "a '%' that is none of %s, %0:s, %1:s, %2:s, %% (or a fourth %s)";
    case WordProblemNoteKind::SameText: return "every problem of this section gives the same question";
    case WordProblemNoteKind::FewNames: return "fewer than two different first names";
    }
    return {};
}

std::string Located(const std::string& path, size_t line) {
    return line == 0 ? path + ": " : path + ":" + std::to_string(line) + ": ";
}

} // namespace

std::string LoadWordProblems(const std::string& path) {
    TWordProblemFileReport report;
    const WordProblemFileError error = LoadWordProblemFile(path, &report);
    if (error == WordProblemFileError::None) return {};
    if (error != WordProblemFileError::Flawed) return Located(path, report.Line) + ErrorText(error);
    const TWordProblemNote& first = report.Notes.front();
    std::string message = Located(path, first.Line) + NoteText(first.Kind);
    if (report.Notes.size() > 1) message += " (and " + std::to_string(report.Notes.size() - 1) + " more)";
    return message;
}

std::string WriteExercises(const ExerciseOptions& options, std::ostream& out,
                           const ExerciseObserver& observer) {
    Language = options.Language;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    SeedRandom(options.Seed.value_or(
        static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count())));

    TNumeravaGenerator generator;
    generator.Area = options.Area;
    generator.DifficultySet = options.DifficultySet;
    generator.OperationSet = options.OperationSet;
    generator.Mode = options.Mode;
    generator.ContestCounter = options.Part;
    // A worksheet repeats no exercise; the lines describe the worksheet's exercises.
    worksheet::TWorksheetExercisePicker picker(generator);
    for (long i = 0; i < options.Count; ++i) {
        const TExercise exercise = options.Pdf ? picker.Next() : generator.Generate();
        out << ExerciseJson(options.Area, exercise) << '\n';
        if (observer) {
            std::string error = observer(i + 1, exercise);
            if (!error.empty()) return error;
        }
    }
    return {};
}

} // namespace numerava::tools
