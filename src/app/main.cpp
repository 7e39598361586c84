// numerava: until the window is built, the program shows what it can already do: one generated
// exercise of every area-1 topic, with its expected answer, in the system's language.

#include "catalogue/UnitsTexts.h"
#include "core/Language.h"
#include "core/Random.h"
#include "generator/UnitsGenerator.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string_view>

namespace {

// The system language as a Windows language identifier, from the locale variables.
uint16_t SystemLanguageId() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0') continue;
        const std::string_view locale = value;
        if (locale.starts_with("sk")) return numerava::SlovakLangId;
        if (locale.starts_with("cs")) return numerava::CzechLangId;
        return 0;
    }
    return 0;
}

} // namespace

int main() {
    using namespace numerava;
    ChooseLanguageAtStart(SystemLanguageId());
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    SeedRandom(static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));

    for (int operation = 1; operation <= 4; ++operation) {
        for (int difficulty = 1; difficulty <= 4; ++difficulty) {
            const TSelection selection{ModeSmallPractice, 1, ItemBit(difficulty), ItemBit(operation)};
            Generator.Area = selection.Area;
            Generator.DifficultySet = selection.DifficultySet;
            Generator.OperationSet = selection.OperationSet;
            const TExercise exercise = Generator.Generate();
            std::cout << TopicText(selection) << "\n    " << exercise.Question << "   -> "
                      << FormatNumber(exercise.Expected) << '\n';
        }
    }
    return 0;
}
