#pragma once
// One word problem as the data file writes it: "[answer][unit]text" or "[answer][unit][extra]text".
// The answer is the expected number ("12,5" or "N"), the unit is shown right of the answer field,
// the optional extra text left of it, and the text is a format text whose "%s", "%0:s", "%1:s" and
// "%2:s" take the first name, the second name and a percent sign ("%%" is a percent sign too).

#include <optional>
#include <string>
#include <string_view>

namespace numerava {

struct TProblemLineParts {
    std::string Answer;
    std::string Unit;
    std::optional<std::string> Prompt; // present when the line holds a third bracketed part
    std::string Text;
};

// Takes the bracketed parts off the front of the line: each runs from its "[" to the first "]",
// and a third part is taken while the rest still holds a "]". Nothing when the answer or the unit
// is not written in brackets.
std::optional<TProblemLineParts> SplitProblemLine(std::string_view line);

// What makes a problem line unusable. Lines with a fault are left out when the file is loaded, so
// the generator only ever meets lines without one.
enum class ProblemLineFault {
    None,
    NoBrackets,      // the answer or the unit is not written in brackets
    AnswerNotNumber, // the answer is neither a decimal number nor "N"
    AnswerTooLong,   // more than the answer field's ten characters, written or as the pupil types it
    StrayBracket,    // a "]" in the problem text would be taken as the extra text
    StrayPercent,    // a "%" that is no "%s", "%0:s" .. "%2:s" or "%%", or a fourth "%s"
};

ProblemLineFault CheckProblemLine(std::string_view line);

// The answer field takes ten characters.
inline constexpr size_t MaxAnswerCharacters = 10;

// Whether a checked problem text puts a name into the question (so it differs with the names).
bool ProblemTextUsesNames(std::string_view text);

} // namespace numerava
