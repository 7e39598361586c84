#pragma once
// Command-line options of numerava-exercises.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace numerava::tools {

struct ExerciseOptions {
    int Area = 1;
    uint8_t DifficultySet = 0; // 0 until parsed: all items of the area
    uint8_t OperationSet = 0;
    int Mode = 1;
    int Part = 1;
    long Count = 20;
    std::optional<uint32_t> Seed; // absent: seeded from the clock like the drill
    uint16_t Language = 0;
    bool Help = false;
    // --data: the word-problem file of area 5 instead of the one beside the program.
    std::optional<std::string> Data;
    // --png: the directory of the exercise pictures, or with --markup the one picture file.
    std::optional<std::string> Png;
    // --pdf: the worksheet file (A4 PDF) of the generated exercises.
    std::optional<std::string> Pdf;
    // --markup: draw this mark-up instead of generating exercises.
    std::optional<std::string> Markup;
    // --wrap WIDTHxHEIGHT: word-wrap the mark-up into a picture of this size.
    struct WrapSize {
        int Width = 0;
        int Height = 0;
        friend bool operator==(const WrapSize&, const WrapSize&) = default;
    };
    std::optional<WrapSize> Wrap;
};

// What went wrong with the arguments, as one line for the user.
struct OptionError {
    std::string Message;
};

std::variant<ExerciseOptions, OptionError> ParseExerciseOptions(const std::vector<std::string>& args);

std::string ExerciseUsage();

// The most exercises one worksheet (--pdf) takes.
inline constexpr long MaxWorksheetCount = 1000;

} // namespace numerava::tools
