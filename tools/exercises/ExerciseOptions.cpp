#include "exercises/ExerciseOptions.h"

#include "catalogue/Selection.h"

#include <charconv>
#include <limits>

namespace numerava::tools {

namespace {

// Reads a whole decimal number within [low, high]; nothing else in the text.
std::optional<long long> ReadInteger(const std::string& text, long long low, long long high) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < low ||
        value > high)
        return std::nullopt;
    return value;
}

// "1,3,4" -> the set {1,3,4}; every item must lie in 1..maxItem.
std::optional<uint8_t> ReadItemList(const std::string& text, int maxItem) {
    uint8_t set = 0;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const auto item = ReadInteger(text.substr(start, comma - start), 1, maxItem);
        if (!item) return std::nullopt;
        set = static_cast<uint8_t>(set | ItemBit(static_cast<int>(*item)));
        if (comma == std::string::npos) return set;
        start = comma + 1;
    }
}

// The largest picture side --wrap accepts, in pixels.
constexpr int MaxPictureSide = 10'000;

// "600x120" -> {600, 120}.
std::optional<ExerciseOptions::WrapSize> ReadWrapSize(const std::string& text) {
    const size_t cross = text.find('x');
    if (cross == std::string::npos) return std::nullopt;
    const auto width = ReadInteger(text.substr(0, cross), 1, MaxPictureSide);
    const auto height = ReadInteger(text.substr(cross + 1), 1, MaxPictureSide);
    if (!width || !height) return std::nullopt;
    return ExerciseOptions::WrapSize{static_cast<int>(*width), static_cast<int>(*height)};
}

int ItemsOfArea(int area) { return area == 5 ? 6 : 4; }

} // namespace

std::string ExerciseUsage() {
    return "usage: numerava-exercises [--area 1..6] [--difficulties LIST] [--operations LIST] [--mode 1..4]\n"
           "                          [--part 1..16] [--count N] [--seed S] [--language cz|sk] [--data "
           "FILE]\n"
           "                          [--png DIR] [--pdf FILE]\n"
           "       numerava-exercises --markup TEXT [--wrap WIDTHxHEIGHT] --png FILE\n"
           "Prints generated exercises as JSON lines. LIST is comma-separated items (1..4; 1..6 in area 5);\n"
           "by default all items of the area are selected. In areas 4 to 6 one of the two lists may be\n"
           "empty (\"\") so that the kinds of one column can be asked for alone. --mode 4 --part P picks the "
           "contest topic of\n"
           "bicycle part P. Without --seed the generator is seeded from the clock.\n"
           "Area 5 draws its word problems from Graphics/numerava_cz.dat (numerava_sk.dat with --language "
           "sk)\n"
           "beside the program, or from the word-problem file given with --data FILE. A file with anything\n"
           "the program would refuse, leave out or warn about is refused here with its name and the line,\n"
           "so that a file can be checked before it ships.\n"
           "--png DIR also draws each exercise as the drill shows it, into DIR/00001.png, DIR/00002.png, "
           "...\n"
           "--pdf FILE also writes the exercises as an A4 worksheet to print: the topic, blanks for name,\n"
           "class and date, the numbered exercises with a box for each answer, and the answer key on a page\n"
           "of its own. No exercise repeats on a worksheet (the lines printed are the worksheet's). At most\n"
           "1000 exercises; --pdf goes with --png, not with --markup.\n"
           "--markup draws one mark-up text into the PNG file FILE: on one line in the drill's exercise\n"
           "font, or with --wrap word-wrapped into a picture of that size in the word-problem font.\n";
}

std::variant<ExerciseOptions, OptionError> ParseExerciseOptions(const std::vector<std::string>& args) {
    ExerciseOptions options;
    std::optional<std::string> difficulties, operations;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help" || name == "-h") {
            options.Help = true;
            continue;
        }
        static const char* const known[] = {"--area",  "--difficulties", "--operations", "--mode", "--part",
                                            "--count", "--seed",         "--language",   "--png",  "--markup",
                                            "--wrap",  "--data",         "--pdf"};
        bool isKnown = false;
        for (const char* option : known) isKnown = isKnown || name == option;
        if (!isKnown) return OptionError{"unknown option '" + name + "' (see --help)"};
        if (i + 1 >= args.size()) return OptionError{"option " + name + " needs a value"};
        const std::string& value = args[++i];

        const auto bad = [&](const std::string& expected) {
            return OptionError{"bad value '" + value + "' for " + name + ": expected " + expected};
        };
        if (name == "--area") {
            const auto area = ReadInteger(value, 1, 6);
            if (!area) return bad("an area 1 to 6");
            options.Area = static_cast<int>(*area);
        } else if (name == "--difficulties") {
            difficulties = value;
        } else if (name == "--operations") {
            operations = value;
        } else if (name == "--mode") {
            const auto mode = ReadInteger(value, 1, 4);
            if (!mode) return bad("a mode 1 to 4");
            options.Mode = static_cast<int>(*mode);
        } else if (name == "--part") {
            const auto part = ReadInteger(value, 1, 16);
            if (!part) return bad("a bicycle part 1 to 16");
            options.Part = static_cast<int>(*part);
        } else if (name == "--count") {
            const auto count = ReadInteger(value, 0, 100'000'000);
            if (!count) return bad("a count 0 to 100000000");
            options.Count = static_cast<long>(*count);
        } else if (name == "--seed") {
            const auto seed = ReadInteger(value, 0, std::numeric_limits<uint32_t>::max());
            if (!seed) return bad("a seed 0 to 4294967295");
            options.Seed = static_cast<uint32_t>(*seed);
        } else if (name == "--language") {
            if (value == "cz") options.Language = 0;
            else if (value == "sk") options.Language = 1;
            else return bad("cz or sk");
        } else if (name == "--png") {
            if (value.empty()) return bad("a directory or file name");
            options.Png = value;
        } else if (name == "--pdf") {
            if (value.empty()) return bad("a file name");
            options.Pdf = value;
        } else if (name == "--data") {
            if (value.empty()) return bad("a word-problem file");
            options.Data = value;
        } else if (name == "--markup") {
            options.Markup = value;
        } else if (name == "--wrap") {
            const auto wrap = ReadWrapSize(value);
            if (!wrap) return bad("WIDTHxHEIGHT, each 1 to " + std::to_string(MaxPictureSide));
            options.Wrap = *wrap;
        }
    }
    if (options.Wrap && !options.Markup) return OptionError{"option --wrap needs --markup"};
    if (options.Markup && !options.Png) return OptionError{"option --markup needs --png FILE"};
    if (options.Pdf && options.Markup)
        return OptionError{"option --pdf cannot go with --markup (a worksheet holds generated exercises)"};
    if (options.Pdf && (options.Count < 1 || options.Count > MaxWorksheetCount))
        return OptionError{"option --pdf needs a --count of 1 to " + std::to_string(MaxWorksheetCount)};
    if (options.Data && (options.Area != 5 || options.Markup))
        return OptionError{"option --data needs --area 5 (only word problems come from a file)"};

    // Item lists are checked once the area is known, whatever the order of the options.
    const int items = ItemsOfArea(options.Area);
    const uint8_t all = items == 6 ? SetAllSix : SetAllFour;
    const std::string range = "items 1 to " + std::to_string(items) + ", comma-separated";
    // In areas 4 to 6 both columns list kinds and a pupil may tick items in one column only, so one
    // list may be empty there as long as the other is not.
    const bool kindsInBothColumns = options.Area >= 4;
    const auto readSet = [&](const std::optional<std::string>& list, uint8_t& set) {
        if (!list) {
            set = all;
            return true;
        }
        if (list->empty() && kindsInBothColumns) {
            set = 0;
            return true;
        }
        const auto parsed = ReadItemList(*list, items);
        if (parsed) set = *parsed;
        return parsed.has_value();
    };
    if (!readSet(difficulties, options.DifficultySet))
        return OptionError{"bad value '" + *difficulties + "' for --difficulties: expected " + range};
    if (!readSet(operations, options.OperationSet))
        return OptionError{"bad value '" + *operations + "' for --operations: expected " + range};
    if (options.DifficultySet == 0 && options.OperationSet == 0)
        return OptionError{"the selection is empty: --difficulties and --operations cannot both be empty"};
    return options;
}

} // namespace numerava::tools
