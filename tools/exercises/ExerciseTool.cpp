#include "exercises/ExerciseTool.h"

#include "core/Language.h"
#include "core/Random.h"
#include "exercises/Json.h"

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
    for (long i = 0; i < options.Count; ++i) {
        const TExercise exercise = generator.Generate();
        out << ExerciseJson(options.Area, exercise) << '\n';
        if (observer) {
            std::string error = observer(i + 1, exercise);
            if (!error.empty()) return error;
        }
    }
    return {};
}

} // namespace numerava::tools
