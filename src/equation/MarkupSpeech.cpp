#include "equation/MarkupSpeech.h"

#include "core/Language.h"
#include "equation/Markup.h"

#include <array>
#include <optional>
#include <vector>

namespace numerava {

namespace {

// The words of one language.
struct TVocabulary {
    bool Slovak;
    // Operators of plain formula text.
    std::string_view Plus, Minus, Equals, NotEqual, DividedBy, Times, QuestionMark, OpenBracket, CloseBracket;
    std::string_view Over, FractionStart, FractionEnd;
    std::string_view Root, RootWithIndex, RootEnd, From, FromVoiced;
    std::string_view To, ExponentStart, ExponentEnd;
    // Between the whole part and the fraction of a mixed number.
    std::string_view And;
    std::string_view Capital, Kappa;
    // Feminine ordinals 0..20 in the nominative ("druhá odmocnina").
    std::array<std::string_view, 21> Ordinals;
};

constexpr TVocabulary Czech{
    false,
    "plus",
    "minus",
    "rovná se",
    "nerovná se",
    "děleno",
    "krát",
    "otazník",
    "závorka",
    "konec závorky",
    "lomeno",
    "začátek zlomku",
    "konec zlomku",
    "odmocnina",
    "s odmocnitelem",
    "konec odmocniny",
    "z",
    "ze",
    "na",
    "exponent",
    "konec exponentu",
    "a",
    "velké",
    "kappa",
    {"nultá",    "první",    "druhá",     "třetí",     "čtvrtá",    "pátá",        "šestá",
     "sedmá",    "osmá",     "devátá",    "desátá",    "jedenáctá", "dvanáctá",    "třináctá",
     "čtrnáctá", "patnáctá", "šestnáctá", "sedmnáctá", "osmnáctá",  "devatenáctá", "dvacátá"},
};

constexpr TVocabulary Slovak{
    true,
    "plus",
    "mínus",
    "rovná sa",
    "nerovná sa",
    "delené",
    "krát",
    "otáznik",
    "zátvorka",
    "koniec zátvorky",
    "lomené",
    "začiatok zlomku",
    "koniec zlomku",
    "odmocnina",
    "s odmocniteľom",
    "koniec odmocniny",
    "z",
    "zo",
    "na",
    "exponent",
    "koniec exponentu",
    "a",
    "veľké",
    "kapa",
    {"nultá",    "prvá",     "druhá",     "tretia",     "štvrtá",    "piata",      "šiesta",
     "siedma",   "ôsma",     "deviata",   "desiata",    "jedenásta", "dvanásta",   "trinásta",
     "štrnásta", "pätnásta", "šestnásta", "sedemnásta", "osemnásta", "devätnásta", "dvadsiata"},
};

// The Greek letters the Symbol face shows for the ASCII letters a..z (the same in both languages
// except kappa, which the vocabulary gives).
constexpr std::array<std::string_view, 26> GreekNames = {
    "alfa",  "beta", "chí",     "delta", "epsilon", "fí",      "gama", "éta",   "ióta",
    "fí",    "",     "lambda",  "mí",    "ný",      "omikron", "pí",   "théta", "ró",
    "sigma", "tau",  "ypsilon", "pí",    "omega",   "ksí",     "psí",  "zéta"};

// Ends of words: the accusative of a feminine ordinal ("na druhou", "na druhú").
std::string Accusative(std::string_view nominative, bool slovak) {
    std::string word(nominative);
    constexpr std::string_view LongA = "á";
    if (word.ends_with(LongA)) word.replace(word.size() - LongA.size(), LongA.size(), slovak ? "ú" : "ou");
    else if (slovak && word.ends_with('a')) word.back() = 'u';
    return word;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

// An integer of -20..20 written alone: exponents and indices read as ordinals.
std::optional<int> SmallInteger(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 2) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 20) return std::nullopt;
    return negative ? -value : value;
}

// Whether the number's spoken form begins so that "z" becomes "ze" (Czech: "ze šesti", "ze dvou",
// "ze tří", "ze čtyř", "ze sta") or "zo" (Slovak: "zo šiestich", "zo dvoch", "zo štyroch", "zo sto").
bool NumberVoicesPreposition(std::string_view digits, bool slovak) {
    if (digits.empty() || digits.front() == '0') return false;
    const auto voices = [slovak](int digit) {
        return digit == 2 || digit == 4 || digit == 6 || digit == 7 || (!slovak && digit == 3);
    };
    // The spoken number begins with its leading group of up to three digits; a leading 1 before
    // thousands is not said ("tisíc", "milion").
    const size_t leadLength = (digits.size() - 1) % 3 + 1;
    int lead = 0;
    for (size_t i = 0; i < leadLength; ++i) lead = lead * 10 + (digits[i] - '0');
    if (digits.size() > 3 && lead == 1) return false;
    if (lead >= 100) return lead / 100 == 1 || voices(lead / 100);
    if (lead >= 20) return voices(lead / 10);
    if (lead >= 10) return voices(lead % 10); // "dvanáct", "šestnáct"; not "deset", "patnáct"
    return voices(lead);
}

bool VoicesPreposition(std::string_view words, bool slovak) {
    if (words.empty()) return false;
    if (IsDigit(words.front())) {
        size_t length = 0;
        while (length < words.size() && IsDigit(words[length])) ++length;
        return NumberVoicesPreposition(words.substr(0, length), slovak);
    }
    for (const std::string_view sibilant : {"s", "z", "S", "Z", "š", "ž", "Š", "Ž"})
        if (words.starts_with(sibilant)) return true;
    return false;
}

// Appends words after a space.
void Append(std::string& out, std::string_view words) {
    if (words.empty()) return;
    if (!out.empty()) out += ' ';
    out += words;
}

bool OneWord(std::string_view words) { return !words.empty() && words.find(' ') == std::string_view::npos; }

struct TContext {
    // Inside a fraction's numerator or denominator: fractions take the long form.
    bool InFraction = false;
    // Inside "~": letters are the Greek letters the Symbol face shows.
    bool SymbolFace = false;
};

class TReader {
public:
    TReader(const TVocabulary& words, TSpeechStyle style) : words_(words), style_(style) {}

    // Every result is words separated by single spaces, without spaces around.
    std::string Read(std::string_view text, int depth, TContext context) {
        if (depth > MaxMarkupDepth) return {};
        const TParsedMarkup parsed = ParseMarkup(text);
        if (const std::optional<std::string_view> literal = DrawnText(text, parsed))
            return Plain(*literal, context);
        return ReadItem(parsed, depth, context);
    }

private:
    // The text a piece draws when it draws plain characters: plain text, an escape, a fixed space, or
    // an item with a number of groups its kind does not take (drawn as its own characters).
    static std::optional<std::string_view> DrawnText(std::string_view text, const TParsedMarkup& parsed) {
        const auto count = parsed.Args.size();
        switch (parsed.Kind) {
        case KindNone:
        case KindLiteral: return count == 1 ? std::string_view(parsed.Args[0]) : std::string_view();
        case U'_': return " ";
        case KindRow: return std::nullopt;
        case U'/':
        case U':': return count == 2 ? std::nullopt : std::optional(text);
        case U'^':
        case U'#': return count >= 1 && count <= 2 ? std::nullopt : std::optional(text);
        case U'*': return count <= 2 ? std::nullopt : std::optional(text);
        case U';': return count >= 1 ? std::nullopt : std::optional(text);
        case U'~': return count == 1 ? std::nullopt : std::optional(text);
        case KindNotEqual:
        case KindBlank: return count == 0 || count == 2 ? std::nullopt : std::optional(text);
        default: return text; // the reserved "@" draws its characters
        }
    }

    // An item whose groups its kind takes.
    std::string ReadItem(const TParsedMarkup& parsed, int depth, TContext context) {
        const auto& args = parsed.Args;
        const auto count = args.size();
        switch (parsed.Kind) {
        case KindRow: return Row(args, depth, context);
        case U'/':
        case U':': return Fraction(args, depth, context);
        case U'^': {
            std::string out = count == 2 ? Read(args[0], depth + 1, context) : std::string();
            Append(out, Exponent(args.back(), depth, context));
            return out;
        }
        case U'#': return RootOf(args[0], count == 2 ? std::string_view(args[1]) : " ", depth, context);
        case U'*': {
            std::string out = count >= 1 ? Read(args[0], depth + 1, context) : std::string();
            Append(out, words_.Times);
            Append(out, count >= 2 ? Read(args[1], depth + 1, context) : std::string());
            return out;
        }
        case U';': {
            std::string out(words_.OpenBracket);
            Append(out, Read(args[0], depth + 1, context));
            Append(out, words_.CloseBracket);
            return out;
        }
        case U'~': {
            TContext symbol = context;
            symbol.SymbolFace = true;
            return Read(args[0], depth + 1, symbol);
        }
        case KindNotEqual: return std::string(words_.NotEqual);
        case KindBlank: return std::string(words_.QuestionMark);
        default: return {};
        }
    }

    // Pieces that draw plain characters side by side are read as one text ("km", "/", "h" is
    // "km/h"; "34 ", ":", " 17" is "34 děleno 17"); a number touching a fraction is a mixed number
    // ("3" then "/<3><11>" draws 3 3/11).
    std::string Row(const std::vector<std::string>& pieces, int depth, TContext context) {
        if (depth + 1 > MaxMarkupDepth) return {};
        std::string out;
        std::string plain;
        for (const std::string& piece : pieces) {
            const TParsedMarkup parsed = ParseMarkup(piece);
            if (const std::optional<std::string_view> literal = DrawnText(piece, parsed)) {
                plain += *literal;
                continue;
            }
            const bool mixedNumber =
                (parsed.Kind == U'/' || parsed.Kind == U':') && !plain.empty() && IsDigit(plain.back());
            Append(out, Plain(plain, context));
            plain.clear();
            if (mixedNumber) Append(out, words_.And);
            Append(out, ReadItem(parsed, depth + 1, context));
        }
        Append(out, Plain(plain, context));
        return out;
    }

    std::string Fraction(const std::vector<std::string>& args, int depth, TContext context) {
        TContext inner = context;
        inner.InFraction = true;
        const std::string numerator = Read(args[0], depth + 1, inner);
        const std::string denominator = Read(args[1], depth + 1, inner);
        const bool shortForm = !context.InFraction && OneWord(numerator) && OneWord(denominator);
        std::string out(shortForm ? "" : words_.FractionStart);
        Append(out, numerator);
        Append(out, words_.Over);
        Append(out, denominator);
        if (!shortForm) Append(out, words_.FractionEnd);
        return out;
    }

    std::string Exponent(std::string_view exponent, int depth, TContext context) {
        std::string out(words_.To);
        const std::string_view trimmed = Trim(exponent);
        if (const std::optional<int> n = SmallInteger(trimmed)) {
            if (*n < 0) Append(out, words_.Minus);
            Append(out, Accusative(words_.Ordinals[static_cast<size_t>(*n < 0 ? -*n : *n)], words_.Slovak));
            return out;
        }
        if (trimmed.size() == 1 && IsAsciiLetter(trimmed[0]) && !context.SymbolFace) {
            Append(out, std::string(trimmed) + "-" + Accusative("tá", words_.Slovak)); // "na n-tou"
            return out;
        }
        const std::string spoken = Read(exponent, depth + 1, context);
        if (spoken.empty()) return {}; // an empty exponent draws nothing
        if (OneWord(spoken)) {
            Append(out, spoken);
            return out;
        }
        Append(out, words_.ExponentStart);
        Append(out, spoken);
        Append(out, words_.ExponentEnd);
        return out;
    }

    std::string RootOf(std::string_view radicandText, std::string_view indexText, int depth,
                       TContext context) {
        const std::string index = Read(indexText, depth + 1, context);
        const std::string_view trimmed = Trim(indexText);
        std::string out;
        if (index.empty()) {
            out = words_.Ordinals[2]; // the index defaults to a blank: a square root
        } else if (const std::optional<int> n = SmallInteger(trimmed); n && *n >= 0) {
            out = words_.Ordinals[static_cast<size_t>(*n)];
        } else if (trimmed.size() == 1 && IsAsciiLetter(trimmed[0]) && !context.SymbolFace) {
            out = std::string(trimmed) + "-tá";
        }
        if (out.empty()) {
            out = words_.Root;
            Append(out, words_.RootWithIndex);
            Append(out, index);
        } else {
            Append(out, words_.Root);
        }
        const std::string radicand = Read(radicandText, depth + 1, context);
        Append(out, VoicesPreposition(radicand, words_.Slovak) ? words_.FromVoiced : words_.From);
        Append(out, radicand);
        if (!radicand.empty() && !OneWord(radicand)) Append(out, words_.RootEnd);
        return out;
    }

    // The words of an operator in plain formula text, and how many bytes it takes.
    std::optional<std::string_view> OperatorAt(std::string_view text, size_t& length) const {
        const struct {
            std::string_view Sign;
            std::string_view TVocabulary::*Word;
        } operators[] = {
            {"+", &TVocabulary::Plus},         {"-", &TVocabulary::Minus},
            {"−", &TVocabulary::Minus},        {"=", &TVocabulary::Equals},
            {"≠", &TVocabulary::NotEqual},     {":", &TVocabulary::DividedBy},
            {"÷", &TVocabulary::DividedBy},    {"*", &TVocabulary::Times},
            {"×", &TVocabulary::Times},        {"·", &TVocabulary::Times},
            {"⋅", &TVocabulary::Times},        {"?", &TVocabulary::QuestionMark},
            {"(", &TVocabulary::OpenBracket},  {"[", &TVocabulary::OpenBracket},
            {")", &TVocabulary::CloseBracket}, {"]", &TVocabulary::CloseBracket},
        };
        for (const auto& op : operators) {
            if (text.starts_with(op.Sign)) {
                length = op.Sign.size();
                return words_.*op.Word;
            }
        }
        return std::nullopt;
    }

    std::string GreekName(char letter) const {
        const bool capital = letter >= 'A' && letter <= 'Z';
        const char lower = capital ? static_cast<char>(letter - 'A' + 'a') : letter;
        const std::string_view name =
            lower == 'k' ? words_.Kappa : GreekNames[static_cast<size_t>(lower - 'a')];
        // The Symbol face has a lower-case glyph at "J" (theta) and "V" (final sigma).
        if (!capital || letter == 'J' || letter == 'V') return std::string(name);
        return std::string(words_.Capital) + " " + std::string(name);
    }

    // Plain text: words between spaces; in a formula also its operators as words.
    std::string Plain(std::string_view text, TContext context) const {
        std::string out;
        std::string word;
        const auto endWord = [&] {
            Append(out, word);
            word.clear();
        };
        for (size_t i = 0; i < text.size();) {
            const std::string_view rest = text.substr(i);
            size_t length = 0;
            if (IsSpace(text[i]) || rest.starts_with("\u00A0")) {
                endWord();
                i += IsSpace(text[i]) ? 1 : 2;
            } else if (context.SymbolFace && IsAsciiLetter(text[i])) {
                endWord();
                Append(out, GreekName(text[i]));
                ++i;
            } else if (const auto op =
                           style_ == TSpeechStyle::Formula ? OperatorAt(rest, length) : std::nullopt) {
                endWord();
                Append(out, *op);
                i += length;
            } else {
                word += text[i]; // other bytes, those of UTF-8 letters too, are copied one by one
                ++i;
            }
        }
        endWord();
        return out;
    }

    const TVocabulary& words_;
    TSpeechStyle style_;
};

} // namespace

std::string SpeakMarkup(std::string_view text, uint16_t language, TSpeechStyle style) {
    return TReader(language == LanguageSlovak ? Slovak : Czech, style).Read(text, 0, {});
}

} // namespace numerava
