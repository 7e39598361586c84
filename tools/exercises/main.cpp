// numerava-exercises: prints generated exercises as JSON lines (see --help).

#include "exercises/ExerciseTool.h"

#include <iostream>

int main(int argc, char** argv) {
    using namespace numerava::tools;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = ParseExerciseOptions(args);
    if (const auto* error = std::get_if<OptionError>(&parsed)) {
        std::cerr << "numerava-exercises: " << error->Message << '\n';
        return 2;
    }
    const auto& options = std::get<ExerciseOptions>(parsed);
    if (options.Help) {
        std::cout << ExerciseUsage();
        return 0;
    }
    std::ios::sync_with_stdio(false);
    WriteExercises(options, std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
}
