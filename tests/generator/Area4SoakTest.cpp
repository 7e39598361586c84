// Soak test of the area-4 exercises (unit conversions): for every difficulty, many exercises from
// fixed seeds in both languages. Each Question and Suffix is read as the pupil sees it (numbers,
// fractions, units and their powers) and the amount asked for must equal the answer in the target
// unit plus the remainder the Suffix names, by this test's own table of unit sizes.

#include "catalogue/Selection.h"
#include "core/FixedNumber.h"
#include "core/Language.h"
#include "core/Random.h"
#include "generator/UnitsGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace numerava {
namespace {

__extension__ using Int128 = __int128;

// ---- Units ----

// Every unit as a multiple of the smallest unit of its quantity: mm (and its powers), g, s, W, V,
// and metres per hour for speeds, so that every size is a whole number.
struct UnitSize {
    std::string_view Name;
    std::string_view Quantity;
    int LengthPower; // 1, 2, 3 for units of length, area and volume; 0 otherwise
    int64_t Size;
};

constexpr int64_t Day = 24 * 3600;
constexpr UnitSize Units[] = {
    {"mm", "length", 1, 1},
    {"cm", "length", 1, 10},
    {"dm", "length", 1, 100},
    {"m", "length", 1, 1000},
    {"km", "length", 1, 1'000'000},
    {"a", "length", 2, 100'000'000},
    {"ha", "length", 2, 10'000'000'000},
    {"ml", "length", 3, 1000},
    {"cl", "length", 3, 10'000},
    {"dl", "length", 3, 100'000},
    {"l", "length", 3, 1'000'000},
    {"hl", "length", 3, 100'000'000},
    {"g", "mass", 0, 1},
    {"dag", "mass", 0, 10},
    {"dkg", "mass", 0, 10},
    {"kg", "mass", 0, 1000},
    {"q", "mass", 0, 100'000},
    {"t", "mass", 0, 1'000'000},
    {"s", "time", 0, 1},
    {"min", "time", 0, 60},
    {"h", "time", 0, 3600},
    {"den", "time", 0, Day},
    {"dny", "time", 0, Day},
    {"dní", "time", 0, Day},
    {"dne", "time", 0, Day},
    {"dnů", "time", 0, Day},
    {"deň", "time", 0, Day},
    {"dni", "time", 0, Day},
    {"dňa", "time", 0, Day},
    {"W", "power", 0, 1},
    {"kW", "power", 0, 1000},
    {"MW", "power", 0, 1'000'000},
    {"V", "voltage", 0, 1},
    {"kV", "voltage", 0, 1000},
    {"MV", "voltage", 0, 1'000'000},
    {"m/s", "speed", 0, 3600},
    {"km/h", "speed", 0, 1000},
};

const UnitSize* FindUnit(std::string_view name) {
    for (const UnitSize& unit : Units)
        if (unit.Name == name) return &unit;
    return nullptr;
}

bool IsDayWord(std::string_view name) { return FindUnit(name) && FindUnit(name)->Size == Day; }

// The day word a count takes: one day, two to four days, five and more; a part of a day takes the
// genitive singular.
bool DayWordFits(std::string_view word, Int128 numerator, Int128 denominator, uint16_t language) {
    const bool whole = numerator % denominator == 0;
    const Int128 count = numerator / denominator;
    const bool slovak = language == LanguageSlovak;
    if (!whole) return word == (slovak ? "dňa" : "dne");
    if (count == 1) return word == (slovak ? "deň" : "den");
    if (count >= 2 && count <= 4) return word == (slovak ? "dni" : "dny");
    return word == "dní" || (!slovak && word == "dnů");
}

// ---- Reading the mark-up ----

// A number (decimal or fraction) or a unit with its power, or "+".
struct Token {
    enum Kind { Number, Unit, Plus } Type = Number;
    Int128 Numerator = 0, Denominator = 1; // a number
    std::string Text;                      // as written (a number) or the unit's name
    int Power = 1;                         // a unit written as a power item
    bool Fraction = false;
};

bool IsControl(char c) { return std::string_view("#&*/:;@\\^_~").find(c) != std::string_view::npos; }

// One parsed item: its kind ('\0' plain text, '&' row) and arguments.
struct Item {
    char Kind = '\0';
    std::vector<std::string> Args;
};

// A row's pieces: runs of plain text and control items (a control character with the groups
// right after it).
Item CutRow(std::string_view text) {
    Item row{'&', {}};
    bool anyControl = false;
    size_t i = 0;
    while (i < text.size()) {
        size_t j = i;
        if (!IsControl(text[i])) {
            while (j < text.size() && !IsControl(text[j])) ++j;
        } else {
            anyControl = true;
            int depth = 0;
            for (++j; j < text.size(); ++j) {
                if (text[j] == '<') ++depth;
                else if (text[j] == '>') --depth;
                else if (depth == 0) break;
            }
        }
        row.Args.emplace_back(text.substr(i, j - i));
        i = j;
    }
    if (!anyControl) return Item{'\0', {std::string(text)}};
    return row;
}

// nullopt: unbalanced brackets after a leading control character (nothing would be drawn).
std::optional<Item> Parse(std::string_view text) {
    if (text.empty()) return Item{'\0', {}};
    if (!IsControl(text[0])) return CutRow(text);
    int depth = 0;
    bool row = false;
    std::vector<std::string> groups;
    std::string group;
    for (size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '<') {
            if (depth++ > 0) group += c;
        } else if (c == '>') {
            if (--depth > 0) group += c;
            else if (depth == 0) groups.push_back(std::move(group)), group.clear();
        } else if (depth == 0) {
            row = true;
        } else {
            group += c;
        }
    }
    if (depth != 0) return std::nullopt;
    if (row) return CutRow(text);
    return Item{text[0], std::move(groups)};
}

class MarkupReader {
public:
    explicit MarkupReader(uint16_t language) : language_(language) {}

    // The tokens of a mark-up text, or nullopt with Error() telling why.
    std::optional<std::vector<Token>> Read(std::string_view text) {
        std::vector<Token> tokens;
        std::string pending;
        ReadInto(text, tokens, pending);
        Flush(tokens, pending);
        if (!error_.empty()) return std::nullopt;
        return tokens;
    }
    const std::string& Error() const { return error_; }

private:
    void ReadInto(std::string_view text, std::vector<Token>& tokens, std::string& pending) {
        const std::optional<Item> item = Parse(text);
        if (!item) return Fail("unbalanced brackets in \"" + std::string(text) + "\"");
        switch (item->Kind) {
        case '\0':
            for (const std::string& arg : item->Args) pending += arg;
            return;
        case '&':
            for (const std::string& arg : item->Args) ReadInto(arg, tokens, pending);
            return;
        case '/':
            // A "/" without its two groups is drawn as the character itself ("m/s").
            if (item->Args.size() != 2) {
                pending += text;
                return;
            }
            Flush(tokens, pending);
            return Fraction(item->Args[0], item->Args[1], tokens);
        case '^': {
            if (item->Args.size() != 2) return Fail("power without a base");
            Flush(tokens, pending);
            std::vector<Token> base;
            std::string basePending;
            ReadInto(item->Args[0], base, basePending);
            Flush(base, basePending);
            const std::string& exponent = item->Args[1];
            if (base.empty() || base.back().Type != Token::Unit || (exponent != "2" && exponent != "3"))
                return Fail("power \"" + std::string(text) + "\" is not a unit squared or cubed");
            base.back().Power = exponent[0] - '0';
            tokens.insert(tokens.end(), base.begin(), base.end());
            return;
        }
        default: return Fail("unexpected item \"" + std::string(text) + "\"");
        }
    }

    void Fraction(const std::string& top, const std::string& bottom, std::vector<Token>& tokens) {
        const std::optional<Int128> n = Whole(top), d = Whole(bottom);
        if (!n || !d || *d == 0 || *n == 0 || *n >= *d) return Fail("bad fraction " + top + "/" + bottom);
        Token token;
        token.Numerator = *n;
        token.Denominator = *d;
        token.Text = top + "/" + bottom;
        token.Fraction = true;
        tokens.push_back(token);
    }

    static std::optional<Int128> Whole(std::string_view digits) {
        if (digits.empty() || digits.size() > 12 || (digits.size() > 1 && digits[0] == '0'))
            return std::nullopt;
        Int128 value = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9') return std::nullopt;
            value = value * 10 + (c - '0');
        }
        return value;
    }

    // Plain text: words between blanks.
    void Flush(std::vector<Token>& tokens, std::string& pending) {
        std::string_view rest = pending;
        while (!rest.empty()) {
            const size_t blank = rest.find(' ');
            const std::string_view word = rest.substr(0, blank);
            rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
            if (word.empty()) continue;
            if (word == "+") {
                Token plus;
                plus.Type = Token::Plus;
                tokens.push_back(plus);
            } else if (word[0] >= '0' && word[0] <= '9') {
                Number(word, tokens);
            } else if (const UnitSize* unit = FindUnit(word)) {
                if (IsDayWord(word) && !DayWordOfLanguage(word))
                    Fail("day word \"" + std::string(word) + "\" of the other language");
                Token token;
                token.Type = Token::Unit;
                token.Text = unit->Name;
                tokens.push_back(token);
            } else {
                Fail("unknown word \"" + std::string(word) + "\"");
            }
        }
        pending.clear();
    }

    bool DayWordOfLanguage(std::string_view word) const {
        static constexpr std::string_view czech[] = {"den", "dny", "dní", "dne", "dnů"};
        static constexpr std::string_view slovak[] = {"deň", "dni", "dní", "dňa"};
        if (language_ == LanguageSlovak) return std::ranges::find(slovak, word) != std::end(slovak);
        return std::ranges::find(czech, word) != std::end(czech);
    }

    // A decimal number as the pupil reads it: no leading zeros, no trailing zero decimals.
    void Number(std::string_view word, std::vector<Token>& tokens) {
        const size_t comma = word.find(',');
        const std::optional<Int128> whole = Whole(word.substr(0, comma));
        const std::string_view decimals = comma == std::string_view::npos ? "" : word.substr(comma + 1);
        Int128 denominator = 1, digits = 0;
        for (const char c : decimals) {
            if (c < '0' || c > '9') return Fail("\"" + std::string(word) + "\" is not a number");
            denominator *= 10;
            digits = digits * 10 + (c - '0');
        }
        if (!whole || (comma != std::string_view::npos && (decimals.empty() || decimals.back() == '0')))
            return Fail("number \"" + std::string(word) + "\" not written in normal form");
        Token token;
        token.Numerator = *whole * denominator + digits;
        token.Denominator = denominator;
        token.Text = std::string(word);
        tokens.push_back(token);
    }

    void Fail(const std::string& why) {
        if (error_.empty()) error_ = why;
    }

    uint16_t language_;
    std::string error_;
};

// ---- One exercise ----

// An amount in the smallest unit of its quantity, as a fraction.
struct Amount {
    Int128 Numerator = 0, Denominator = 1;
};

Amount Add(Amount a, Amount b) {
    return {a.Numerator * b.Denominator + b.Numerator * a.Denominator, a.Denominator * b.Denominator};
}
bool Equal(Amount a, Amount b) { return a.Numerator * b.Denominator == b.Numerator * a.Denominator; }
bool Less(Amount a, Amount b) { return a.Numerator * b.Denominator < b.Numerator * a.Denominator; }

// The size of one written unit (with its power) and its quantity, e.g. "length^2".
struct WrittenUnit {
    std::string Name; // "cm2", "kg", "den"
    std::string Quantity;
    Int128 Size = 0;
};

std::optional<WrittenUnit> Measure(const Token& token) {
    const UnitSize* unit = FindUnit(token.Text);
    if (!unit) return std::nullopt;
    if (token.Power != 1 && !(unit->LengthPower == 1)) return std::nullopt; // "^<l><2>" makes no sense
    WrittenUnit written;
    written.Name = IsDayWord(unit->Name) ? "day" : std::string(unit->Name);
    if (token.Power != 1) written.Name += std::to_string(token.Power);
    const int power = unit->LengthPower * token.Power;
    written.Quantity = std::string(unit->Quantity) + (power > 1 ? "^" + std::to_string(power) : "");
    written.Size = 1;
    for (int i = 0; i < token.Power; ++i) written.Size *= unit->Size;
    return written;
}

struct Checked {
    std::string Fault;           // empty: the exercise is right
    std::string Pair;            // "from>to" by the first unit of the Question and the target unit
    std::vector<Amount> Numbers; // the decimal amounts of the Question
};

Int128 MakeDenominator(const TFixedNumber& x) {
    Int128 denominator = 1;
    for (int i = 0; i < x.Decimals; ++i) denominator *= 10;
    return denominator;
}

// Sums "number unit [+] number unit ..."; the first unit met is reported.
std::optional<Amount> Sum(const std::vector<Token>& tokens, size_t from, std::string& quantity,
                          std::string& firstUnit, uint16_t language, std::string& fault) {
    Amount total;
    std::optional<Amount> previousUnit;
    for (size_t i = from; i < tokens.size();) {
        if (tokens[i].Type == Token::Plus && i > from) ++i;
        if (i + 1 >= tokens.size() || tokens[i].Type != Token::Number || tokens[i + 1].Type != Token::Unit) {
            fault = "not a list of amounts with units";
            return std::nullopt;
        }
        const Token& number = tokens[i];
        const std::optional<WrittenUnit> unit = Measure(tokens[i + 1]);
        if (!unit) {
            fault = "unit " + tokens[i + 1].Text + " cannot be raised to a power";
            return std::nullopt;
        }
        if (!quantity.empty() && quantity != unit->Quantity) {
            fault = "mixes " + quantity + " and " + unit->Quantity;
            return std::nullopt;
        }
        quantity = unit->Quantity;
        if (firstUnit.empty()) firstUnit = unit->Name;
        if (IsDayWord(tokens[i + 1].Text) &&
            !DayWordFits(tokens[i + 1].Text, number.Numerator, number.Denominator, language)) {
            fault = "\"" + number.Text + " " + tokens[i + 1].Text + "\": the day word does not fit the count";
            return std::nullopt;
        }
        // In "2 m 5 cm" each later part is less than one of the unit before it.
        const Amount oneUnit{unit->Size, 1};
        if (previousUnit && !Less(Amount{number.Numerator * unit->Size, number.Denominator}, *previousUnit)) {
            fault = "a later part is not smaller than one of the unit before it";
            return std::nullopt;
        }
        previousUnit = oneUnit;
        total = Add(total, Amount{number.Numerator * unit->Size, number.Denominator});
        i += 2;
    }
    return total;
}

Checked Check(const TExercise& exercise, uint16_t language) {
    Checked result;
    const std::string_view qOpen = "&<", qClose = ">< = >", sOpen = "&< ><", sClose = ">";
    const std::string_view question = exercise.Question, suffix = exercise.Suffix;
    if (!question.starts_with(qOpen) || !question.ends_with(qClose) || question.size() <= 7) {
        result.Fault = "question not framed as an amount followed by \" = \"";
        return result;
    }
    if (!suffix.starts_with(sOpen) || !suffix.ends_with(sClose) || suffix.size() <= 6) {
        result.Fault = "suffix not framed as a blank followed by the unit";
        return result;
    }
    if (!exercise.Prompt.empty() || !exercise.TaskText.empty()) {
        result.Fault = "prompt or task text not empty";
        return result;
    }
    const TFixedNumber expected = exercise.Expected;
    TFixedNumber normal = expected;
    NormalizeNumber(normal);
    if (IsSpecial(expected) || expected.Value < 0 || !(normal == expected)) {
        result.Fault = "expected answer not a normalised amount";
        return result;
    }
    if (FormatNumber(expected).size() > 10) {
        result.Fault = "expected answer longer than the answer field";
        return result;
    }

    MarkupReader reader(language);
    const auto asked =
        reader.Read(question.substr(qOpen.size(), question.size() - qOpen.size() - qClose.size()));
    const auto target =
        reader.Read(suffix.substr(sOpen.size(), suffix.size() - sOpen.size() - sClose.size()));
    if (!asked || !target) {
        result.Fault = reader.Error();
        return result;
    }
    for (const Token& token : *asked)
        if (token.Type == Token::Number && !token.Fraction)
            result.Numbers.push_back({token.Numerator, token.Denominator});

    std::string quantity, fromUnit, toUnit;
    const std::optional<Amount> amount = Sum(*asked, 0, quantity, fromUnit, language, result.Fault);
    if (!amount) return result;
    if (fromUnit.empty()) {
        result.Fault = "no amount asked for";
        return result;
    }

    // The Suffix: the target unit, then possibly the remainder ("dm + 7 cm", "dm 7 mm").
    if (target->empty() || target->front().Type != Token::Unit) {
        result.Fault = "suffix does not begin with the target unit";
        return result;
    }
    const std::optional<WrittenUnit> unit = Measure(target->front());
    if (!unit || unit->Quantity != quantity) {
        result.Fault = "target unit of another quantity";
        return result;
    }
    toUnit = unit->Name;
    result.Pair = fromUnit + ">" + toUnit;
    if (IsDayWord(target->front().Text) &&
        !DayWordFits(target->front().Text, expected.Value, MakeDenominator(expected), language)) {
        result.Fault = "the day word after the answer does not fit it";
        return result;
    }
    Amount remainder;
    if (target->size() > 1) {
        size_t from = 1;
        if ((*target)[1].Type == Token::Plus) from = 2;
        std::string remainderQuantity = quantity, remainderUnit;
        const std::optional<Amount> rest =
            Sum(*target, from, remainderQuantity, remainderUnit, language, result.Fault);
        if (!rest) return result;
        // A remainder is a whole answer plus less than one target unit.
        if (expected.Decimals != 0 || !Less(*rest, Amount{unit->Size, 1}) || rest->Numerator <= 0) {
            result.Fault = "the suffix names no true remainder";
            return result;
        }
        remainder = *rest;
    }

    const Amount answer{expected.Value * unit->Size, MakeDenominator(expected)};
    if (!Equal(*amount, Add(answer, remainder))) result.Fault = "the amounts on both sides differ";
    return result;
}

TEST(Area4SoakChecker, AcceptsRightConversionsOnly) {
    const struct {
        uint16_t Language;
        const char* Question;
        const char* Suffix;
        const char* Expected;
        bool Right;
    } cases[] = {
        {LanguageCzech, "&<0,7 dm>< = >", "&< ><m>", "0,07", true},
        {LanguageCzech, "&<0,7 dm>< = >", "&< ><m>", "0,7", false},
        {LanguageCzech, "&<^<0,2 km><3>>< = >", "&< ><^<m><3>>", "200000000", true},
        {LanguageCzech, "&<^<0,2 km><3>>< = >", "&< ><^<m><2>>", "200000000", false}, // area vs volume
        {LanguageCzech, "&<^<3 ha><2>>< = >", "&< ><a>", "300", false},               // ha is no length
        {LanguageCzech, "&<20 m/s>< = >", "&< ><km/h>", "72", true},
        {LanguageCzech, "&<&</<2><3>>< min>>< = >", "&< ><s>", "40", true},
        {LanguageCzech, "&<&<1,0>< min>>< = >", "&< ><s>", "60", false}, // not normalised
        {LanguageCzech, "&<57 cm>< = >", "&< ><dm + 7 cm>", "5", true},
        {LanguageCzech, "&<57 cm>< = >", "&< ><dm + 17 cm>", "4", false}, // no true remainder
        {LanguageCzech, "&<1 t 6 q>< = >", "&< ><q >", "16", true},
        {LanguageCzech, "&<1 t 16 q>< = >", "&< ><q >", "26", false},
        {LanguageCzech, "&<3 dny + 8 h>< = >", "&< ><h >", "80", true},
        {LanguageCzech, "&<5 dny>< = >", "&< ><h>", "120", false},
        {LanguageSlovak, "&<3 dny>< = >", "&< ><h>", "72", false}, // Czech word in Slovak
        {LanguageCzech, "&<36 h>< = >", "&< ><dne>", "1,5", true},
        {LanguageCzech, "&<36 h>< = >", "&< ><dny>", "1,5", false},
        {LanguageCzech, "&<%s dm>< = >", "&< ><m>", "0", false},
        {LanguageCzech, "&<>< = >", "&< ><m>", "0", false},
        {LanguageCzech, "&<5 cm>< = >", "&< ><mm>", "50,0", false},
        {LanguageCzech, "&<5 cm>< = >", "m", "0,05", false},
    };
    for (const auto& c : cases) {
        TExercise exercise;
        exercise.Question = c.Question;
        exercise.Suffix = c.Suffix;
        exercise.Expected = *ParseNumber(c.Expected);
        const Checked checked = Check(exercise, c.Language);
        EXPECT_EQ(checked.Fault.empty(), c.Right)
            << c.Question << " " << c.Expected << " " << c.Suffix << ": " << checked.Fault;
    }
}

// ---- The soak ----

struct SoakCase {
    int Difficulty;
    // Smallest and largest amount (decimal, not fraction) a Question may show, as written.
    const char* Lowest;
    const char* Highest;
    std::set<std::string> Pairs; // every conversion the difficulty offers
};

Amount Parsed(const char* text) {
    const TFixedNumber number = *ParseNumber(text);
    return {number.Value, MakeDenominator(number)};
}

const SoakCase SoakCases[] = {
    {1, "0", "20000", {"cm>dm", "dm>m",  "mm>cm", "dm>cm",  "m>dm",   "cm>mm", "cm>m",   "mm>dm",
                       "m>cm",  "dm>mm", "mm>m",  "m>km",   "m>mm",   "km>m",  "s>min",  "min>h",
                       "min>s", "h>min", "day>h", "h>day",  "h>s",    "g>dag", "g>dkg",  "q>t",
                       "dag>g", "dkg>g", "t>q",   "dag>kg", "dkg>kg", "kg>q",  "kg>dag", "kg>dkg",
                       "q>kg",  "g>kg",  "kg>t",  "kg>g",   "t>kg"}},
    {2,
     "0,001",
     "10000",
     {"dm>m", "mm>cm", "cm>dm", "m>km", "mm>dm", "cm>m", "cm>mm", "dm>cm", "m>dm", "km>m", "dm>mm", "m>cm"}},
    {3,
     "0,1",
     "5000",
     {"g>dag", "q>t", "dag>kg", "kg>q", "kg>t", "g>kg", "dag>g", "kg>dag", "q>kg", "t>q", "t>kg", "kg>g"}},
    {4, "0,1", "300", {"s>min", "min>h", "min>s", "h>min", "day>h", "h>day"}},
    {5, "0,01", "1000000", {"mm2>cm2", "cm2>dm2", "dm2>m2", "mm2>dm2", "cm2>m2",  "mm2>m2",
                            "cm2>mm2", "dm2>cm2", "m2>dm2", "m2>cm2",  "dm2>mm2", "m2>mm2",
                            "m2>a",    "a>ha",    "ha>km2", "m2>ha",   "a>km2",   "m2>km2",
                            "a>m2",    "ha>a",    "km2>ha", "km2>a",   "ha>m2",   "km2>m2"}},
    {6,
     "0,1",
     "10000000000",
     {"mm3>cm3", "cm3>dm3", "dm3>m3", "mm3>dm3", "cm3>m3", "mm3>m3", "m3>km3", "cm3>mm3", "dm3>cm3", "m3>dm3",
      "dm3>mm3", "m3>cm3", "m3>mm3", "km3>m3"}},
    {7, "0,1", "2000", {"cm3>ml", "ml>cm3", "l>dm3", "dm3>l", "ml>cl", "cl>dl", "hl>m3",
                        "dl>dm3", "dl>l",   "l>hl",  "ml>l",  "cm3>l", "cl>ml", "dl>cl",
                        "l>dl",   "hl>l",   "m3>hl", "l>ml",  "l>cm3", "dm3>dl"}},
    {8,
     "0,01",
     "1000000",
     {"W>kW", "V>kV", "W>MW", "V>MV", "kW>W", "kV>V", "m/s>km/h", "km/h>m/s", "MW>W", "MV>V"}},
};

void PrintTo(const SoakCase& c, std::ostream* os) { *os << "difficulty " << c.Difficulty; }

// Seeds of the Czech runs and of the Slovak runs.
constexpr uint32_t Seeds[] = {1u, 20250611u, 3987654321u, 777u};
constexpr int ExercisesPerSeed = 4000;

// NUMERAVA_SOAK_SCALE=20 runs twenty times as many exercises.
int Scale() {
    const char* scale = std::getenv("NUMERAVA_SOAK_SCALE");
    const int value = scale ? std::atoi(scale) : 1;
    return value > 0 ? value : 1;
}

// Area 4 numbers the right column's items 5..8: difficulty d comes from item d or item d - 4.
TNumeravaGenerator GeneratorFor(int difficulty) {
    TNumeravaGenerator generator;
    generator.Area = 4;
    generator.DifficultySet = difficulty <= 4 ? MakeSet({difficulty}) : 0;
    generator.OperationSet = difficulty <= 4 ? 0 : MakeSet({difficulty - 4});
    return generator;
}

class Area4SoakTest : public testing::TestWithParam<SoakCase> {
protected:
    void TearDown() override { Language = LanguageCzech; }
};

TEST_P(Area4SoakTest, EveryAnswerIsTheAmountInTheTargetUnit) {
    const SoakCase& c = GetParam();
    TNumeravaGenerator generator = GeneratorFor(c.Difficulty);
    const Amount lowest = Parsed(c.Lowest), highest = Parsed(c.Highest);

    std::set<std::string> pairsSeen;
    int faults = 0;
    std::string report;
    for (size_t s = 0; s < std::size(Seeds); ++s) {
        Language = s % 2 == 0 ? LanguageCzech : LanguageSlovak;
        SeedRandom(Seeds[s]);
        for (int i = 0; i < ExercisesPerSeed * Scale(); ++i) {
            const TExercise exercise = generator.Generate();
            Checked checked = Check(exercise, Language);
            if (checked.Fault.empty() && exercise.Topic.Difficulty != c.Difficulty)
                checked.Fault = "topic " + std::to_string(exercise.Topic.Difficulty);
            if (checked.Fault.empty() && c.Difficulty == 1 && exercise.Expected.Decimals != 0)
                checked.Fault = "a decimal answer in the first school years";
            for (const Amount& number : checked.Numbers)
                if (checked.Fault.empty() && (Less(number, lowest) || Less(highest, number)))
                    checked.Fault = "an amount outside " + std::string(c.Lowest) + ".." + c.Highest;
            if (checked.Fault.empty()) {
                pairsSeen.insert(checked.Pair);
                continue;
            }
            if (++faults <= 5) {
                report += "\n  seed " + std::to_string(Seeds[s]) + " #" + std::to_string(i) + ": \"" +
                          exercise.Question + "\" ? \"" + exercise.Suffix + "\" expected " +
                          FormatNumber(exercise.Expected) + ": " + checked.Fault;
            }
        }
    }
    EXPECT_EQ(faults, 0) << report;

    std::string missing, unknown;
    for (const std::string& pair : c.Pairs)
        if (!pairsSeen.contains(pair)) missing += " " + pair;
    for (const std::string& pair : pairsSeen)
        if (!c.Pairs.contains(pair)) unknown += " " + pair;
    EXPECT_EQ(missing, "") << "conversions never asked";
    EXPECT_EQ(unknown, "") << "conversions the difficulty does not offer";
}

// ---- Exercises the pupil must meet, with answers worked out by hand ----

// '#' in a pattern stands for any number (digits and a decimal comma).
bool Matches(std::string_view text, std::string_view pattern) {
    while (!pattern.empty()) {
        if (pattern[0] == '#') {
            size_t digits = 0;
            while (digits < text.size() &&
                   ((text[digits] >= '0' && text[digits] <= '9') || text[digits] == ','))
                ++digits;
            if (digits == 0) return false;
            text.remove_prefix(digits);
        } else {
            if (text.empty() || text[0] != pattern[0]) return false;
            text.remove_prefix(1);
        }
        pattern.remove_prefix(1);
    }
    return text.empty();
}

struct MeetCase {
    uint16_t Language;
    int Difficulty;
    const char* Question;
    const char* Suffix;
    const char* Expected;
};

TEST(Area4Exercises, OccurWithTheirRightAnswers) {
    const MeetCase cases[] = {
        // An answer of 0 and an amount of 0 km.
        {LanguageCzech, 1, "&<# m>< = >", "&< ><km + # m>", "0"},
        {LanguageCzech, 1, "&<0 km + # m>< = >", "&< ><m >", "#"},
        // Hundredths of a decimetre divided by ten again.
        {LanguageCzech, 2, "&<1,09 dm>< = >", "&< ><m>", "0,109"},
        // Fractions of a minute, an hour and a day; decimal amounts written without a trailing zero.
        {LanguageCzech, 4, "&<&</<2><3>>< min>>< = >", "&< ><s>", "40"},
        {LanguageCzech, 4, "&<&</<2><3>>< h>>< = >", "&< ><min>", "40"},
        {LanguageCzech, 4, "&<&<1>< h>>< = >", "&< ><min>", "60"},
        {LanguageCzech, 4, "&<&<2>< min>>< = >", "&< ><s>", "120"},
        {LanguageCzech, 4, "&<&</<5><12>>< dne>>< = >", "&< ><h>", "10"},
        {LanguageCzech, 4, "&<&<2,5>< dne>>< = >", "&< ><h>", "60"},
        {LanguageSlovak, 4, "&<&<2,5>< dňa>>< = >", "&< ><h>", "60"},
        {LanguageCzech, 4, "&<108 h>< = >", "&< ><dne>", "4,5"},
        {LanguageSlovak, 4, "&<108 h>< = >", "&< ><dňa>", "4,5"},
        {LanguageCzech, 4, "&<144 h>< = >", "&< ><dnů>", "6"},
        {LanguageSlovak, 4, "&<144 h>< = >", "&< ><dní>", "6"},
        {LanguageCzech, 4, "&<150 s>< = >", "&< ><min>", "2,5"},
        // Day words by count in both languages.
        {LanguageCzech, 1, "&<1 den>< = >", "&< ><h>", "24"},
        {LanguageCzech, 1, "&<3 dny>< = >", "&< ><h>", "72"},
        {LanguageCzech, 1, "&<5 dní>< = >", "&< ><h>", "120"},
        {LanguageSlovak, 1, "&<1 deň>< = >", "&< ><h>", "24"},
        {LanguageSlovak, 1, "&<3 dni>< = >", "&< ><h>", "72"},
        {LanguageSlovak, 1, "&<5 dní>< = >", "&< ><h>", "120"},
        {LanguageCzech, 1, "&<48 h>< = >", "&< ><dny>", "2"},
        {LanguageSlovak, 1, "&<1 deň + 5 h>< = >", "&< ><h >", "29"},
        {LanguageCzech, 1, "&<101 h>< = >", "&< ><dny + 5 h>", "4"},
        // Fractions of a unit and whole units with a remainder.
        {LanguageCzech, 1, "&</<3><4> kg>< = >", "&< ><dag>", "75"},
        {LanguageCzech, 1, "&</<1><10> t>< = >", "&< ><kg>", "100"},
        {LanguageCzech, 1, "&<1 h>< = >", "&< ><s>", "3600"},
        {LanguageCzech, 1, "&<2 t 3 q>< = >", "&< ><q >", "23"},
        {LanguageCzech, 1, "&<105 mm>< = >", "&< ><dm 5 mm>", "1"},
        // Squares and cubes; the largest amount and the longest answer.
        {LanguageCzech, 5, "&<^<0,5 m><2>>< = >", "&< ><^<cm><2>>", "5000"},
        {LanguageCzech, 5, "&<^<3 km><2>>< = >", "&< ><ha>", "300"},
        {LanguageCzech, 6, "&<^<10000000000 mm><3>>< = >", "&< ><^<m><3>>", "10"},
        {LanguageCzech, 6, "&<^<9 m><3>>< = >", "&< ><^<mm><3>>", "9000000000"},
        {LanguageCzech, 6, "&<^<0,1 km><3>>< = >", "&< ><^<m><3>>", "100000000"},
        {LanguageCzech, 7, "&<^<0,5 m><3>>< = >", "&< ><hl>", "5"},
        {LanguageCzech, 8, "&<54 km/h>< = >", "&< ><m/s>", "15"},
        {LanguageCzech, 8, "&<0,07 MW>< = >", "&< ><W>", "70000"},
    };
    constexpr int Attempts = 300'000;
    for (const MeetCase& c : cases) {
        Language = c.Language;
        TNumeravaGenerator generator = GeneratorFor(c.Difficulty);
        SeedRandom(static_cast<uint32_t>(c.Difficulty) * 7919u + c.Language);
        bool met = false;
        for (int i = 0; i < Attempts && !met; ++i) {
            const TExercise exercise = generator.Generate();
            met = Matches(exercise.Question, c.Question) && Matches(exercise.Suffix, c.Suffix) &&
                  Matches(FormatNumber(exercise.Expected), c.Expected);
        }
        EXPECT_TRUE(met) << c.Question << " = " << c.Expected << " " << c.Suffix << " (difficulty "
                         << c.Difficulty << ", language " << c.Language << ")";
    }
    Language = LanguageCzech;
}

std::string SoakCaseName(const testing::TestParamInfo<SoakCase>& info) {
    return "Difficulty" + std::to_string(info.param.Difficulty);
}

INSTANTIATE_TEST_SUITE_P(Area4, Area4SoakTest, testing::ValuesIn(SoakCases), SoakCaseName);

} // namespace
} // namespace numerava
