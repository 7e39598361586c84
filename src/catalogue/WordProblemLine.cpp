#include "catalogue/WordProblemLine.h"

#include "core/Encoding.h"
#include "core/FixedNumber.h"

namespace numerava {

namespace {

// Takes "[text]" off the front of `rest`: the part ends at the first "]".
std::optional<std::string> TakePart(std::string_view& rest) {
    if (!rest.starts_with('[')) return std::nullopt;
    const size_t close = rest.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    std::string part(rest.substr(1, close - 1));
    rest.remove_prefix(close + 1);
    return part;
}

// The arguments of a problem text: first name, second name, percent sign.
constexpr size_t ArgumentCount = 3;

// Walks the directives of a problem text and calls use(index) for each argument one takes. False at
// the first "%" that is not one of the directives a problem text may use.
template <typename Use>
bool ScanDirectives(std::string_view text, Use use) {
    size_t next = 0;
    size_t at = text.find('%');
    while (at != std::string_view::npos) {
        const std::string_view rest = text.substr(at + 1);
        size_t index = 0;
        if (rest.starts_with('%')) {
            at = text.find('%', at + 2);
            continue;
        }
        if (rest.starts_with('s')) {
            index = next;
            at += 2;
        } else if (rest.size() >= 3 && rest[0] >= '0' && rest[0] <= '2' && rest[1] == ':' && rest[2] == 's') {
            index = static_cast<size_t>(rest[0] - '0');
            at += 4;
        } else {
            return false;
        }
        // A "%s" after the last argument would stay in the question as written.
        if (index >= ArgumentCount) return false;
        use(index);
        next = index + 1;
        at = text.find('%', at);
    }
    return true;
}

} // namespace

std::optional<TProblemLineParts> SplitProblemLine(std::string_view line) {
    TProblemLineParts parts;
    auto answer = TakePart(line);
    if (!answer) return std::nullopt;
    auto unit = TakePart(line);
    if (!unit) return std::nullopt;
    parts.Answer = std::move(*answer);
    parts.Unit = std::move(*unit);
    if (line.find(']') != std::string_view::npos) {
        parts.Prompt = TakePart(line);
        // A "]" without its "[" cannot start an extra text: the rest stays the problem text.
        if (!parts.Prompt) return std::nullopt;
    }
    parts.Text = std::string(line);
    return parts;
}

ProblemLineFault CheckProblemLine(std::string_view line) {
    // Find out first whether the two mandatory parts are there, then what is wrong with the rest.
    std::string_view rest = line;
    if (!TakePart(rest) || !TakePart(rest)) return ProblemLineFault::NoBrackets;
    const auto parts = SplitProblemLine(line);
    if (!parts) return ProblemLineFault::StrayBracket;

    const auto answer = ParseNumber(parts->Answer);
    if (!answer) return ProblemLineFault::AnswerNotNumber;
    TFixedNumber normalized = *answer;
    NormalizeNumber(normalized);
    // The pupil types the answer as the drill shows it when it was wrong.
    if (CodePointCount(parts->Answer) > MaxAnswerCharacters ||
        FormatNumber(normalized).size() > MaxAnswerCharacters)
        return ProblemLineFault::AnswerTooLong;

    if (!ScanDirectives(parts->Text, [](size_t) {})) return ProblemLineFault::StrayPercent;
    return ProblemLineFault::None;
}

bool ProblemTextUsesNames(std::string_view text) {
    bool uses = false;
    ScanDirectives(text, [&uses](size_t index) { uses = uses || index < 2; });
    return uses;
}

} // namespace numerava
