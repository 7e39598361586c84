// The area-3 soak's evaluator and the cases that show it reads formulas the way they are drawn.

#include "Area3Evaluator.h"

#include <gtest/gtest.h>

#include <numeric>

namespace numerava::testing_area3 {

namespace {

constexpr std::string_view ControlCharacters = "#&*/:;@\\^_~";
bool IsControl(char c) { return ControlCharacters.find(c) != std::string_view::npos; }

constexpr Int128 Limit = static_cast<Int128>(1) << 62;

// Exact arithmetic on values that may be "no value"; errors end the evaluation.
class Arithmetic {
public:
    std::string Error;

    Evaluation Make(Int128 numerator, Int128 denominator) {
        if (denominator < 0) numerator = -numerator, denominator = -denominator;
        const Int128 divisor = Gcd(numerator < 0 ? -numerator : numerator, denominator);
        numerator /= divisor;
        denominator /= divisor;
        if (numerator >= Limit || numerator <= -Limit || denominator >= Limit) Fail("number too large");
        return {true, {static_cast<int64_t>(numerator), static_cast<int64_t>(denominator)}, {}};
    }
    static Evaluation NoValue() { return {}; }

    Evaluation Add(const Evaluation& a, const Evaluation& b, int sign) {
        if (!a.HasValue || !b.HasValue) return NoValue();
        const Fraction x = a.Value, y = b.Value;
        return Make(Wide(x.Numerator) * y.Denominator + sign * Wide(y.Numerator) * x.Denominator,
                    Wide(x.Denominator) * y.Denominator);
    }
    Evaluation Multiply(const Evaluation& a, const Evaluation& b) {
        if (!a.HasValue || !b.HasValue) return NoValue();
        return Make(Wide(a.Value.Numerator) * b.Value.Numerator,
                    Wide(a.Value.Denominator) * b.Value.Denominator);
    }
    Evaluation Divide(const Evaluation& a, const Evaluation& b) {
        if (!a.HasValue || !b.HasValue || b.Value.Numerator == 0) return NoValue();
        return Make(Wide(a.Value.Numerator) * b.Value.Denominator,
                    Wide(a.Value.Denominator) * b.Value.Numerator);
    }
    Evaluation Power(const Evaluation& base, const Evaluation& exponent) {
        if (!exponent.HasValue || exponent.Value.Denominator != 1 || exponent.Value.Numerator < 0 ||
            exponent.Value.Numerator > 20) {
            Fail("exponent is not a small whole number");
            return NoValue();
        }
        if (!base.HasValue) return NoValue();
        Evaluation result = Make(1, 1);
        for (int64_t i = 0; i < exponent.Value.Numerator && Error.empty(); ++i)
            result = Multiply(result, base);
        return result;
    }
    // The real root; an even root of a negative number has no value. Irrational roots are errors:
    // no exercise may ask for one.
    Evaluation Root(const Evaluation& radicand, const Evaluation& index) {
        if (!index.HasValue || index.Value.Denominator != 1 || index.Value.Numerator < 2 ||
            index.Value.Numerator > 20) {
            Fail("root index is not a whole number from 2");
            return NoValue();
        }
        if (!radicand.HasValue) return NoValue();
        const int n = static_cast<int>(index.Value.Numerator);
        int64_t numerator = radicand.Value.Numerator;
        const bool negative = numerator < 0;
        if (negative && n % 2 == 0) return NoValue();
        if (negative) numerator = -numerator;
        const std::optional<int64_t> top = WholeRoot(numerator, n),
                                     bottom = WholeRoot(radicand.Value.Denominator, n);
        if (!top || !bottom) {
            Fail("irrational root");
            return NoValue();
        }
        return Make(negative ? -*top : *top, *bottom);
    }

    void Fail(const std::string& why) {
        if (Error.empty()) Error = why;
    }

private:
    static Int128 Wide(int64_t x) { return x; }
    static Int128 Gcd(Int128 a, Int128 b) {
        while (b != 0) a = std::exchange(b, a % b);
        return a == 0 ? 1 : a;
    }
    // r with r^n == x, by search: the radicands are small.
    static std::optional<int64_t> WholeRoot(int64_t x, int n) {
        for (int64_t r = 0;; ++r) {
            Int128 power = 1;
            for (int i = 0; i < n && power <= x; ++i) power *= r;
            if (power == x) return r;
            if (power > x) return std::nullopt;
        }
    }
};

struct Token {
    enum Type { Operand, Plus, Minus, Dot, Colon, Open, Close, Raise } Kind;
    Evaluation Value; // the operand, or the exponent of Raise
};

class Reader {
public:
    Arithmetic Math;

    Evaluation Evaluate(std::string_view markup) {
        std::vector<Token> tokens;
        Emit(markup, tokens);
        if (!Math.Error.empty()) return Arithmetic::NoValue();
        size_t position = 0;
        const Evaluation value = Expression(tokens, position);
        if (position != tokens.size()) Math.Fail("unexpected token in \"" + std::string(markup) + "\"");
        return value;
    }

private:
    // Turns one mark-up text into the tokens the pupil reads from left to right.
    void Emit(std::string_view text, std::vector<Token>& tokens) {
        const std::optional<ParsedMarkup> parsed = ParseMarkup(text);
        if (!parsed) return Math.Fail("unbalanced brackets");
        const std::vector<std::string>& arguments = parsed->Arguments;
        const size_t count = arguments.size();
        switch (parsed->Kind) {
        case '\0':
            if (count == 1) Lex(arguments[0], tokens);
            return;
        case '&':
            for (const std::string& argument : arguments) Emit(argument, tokens);
            return;
        case '\\':
            if (count == 1) return Lex(arguments[0], tokens);
            break;
        case '/':
            if (count == 2)
                return tokens.push_back(
                    {Token::Operand, Math.Divide(Evaluate(arguments[0]), Evaluate(arguments[1]))});
            break;
        case ':':
            if (count == 0) return tokens.push_back({Token::Colon, {}});
            if (count == 2)
                return tokens.push_back(
                    {Token::Operand, Math.Divide(Evaluate(arguments[0]), Evaluate(arguments[1]))});
            break;
        case '^':
            if (count == 1 || count == 2) {
                if (count == 2) Emit(arguments[0], tokens);
                return tokens.push_back({Token::Raise, Evaluate(arguments[count - 1])});
            }
            break;
        case '#':
            if (count == 1 || count == 2) {
                const Evaluation index =
                    count == 1 || arguments[1] == " " ? Math.Make(2, 1) : Evaluate(arguments[1]);
                return tokens.push_back({Token::Operand, Math.Root(Evaluate(arguments[0]), index)});
            }
            break;
        case '*':
            if (count <= 2) {
                if (count >= 1) Emit(arguments[0], tokens);
                tokens.push_back({Token::Dot, {}});
                if (count == 2) Emit(arguments[1], tokens);
                return;
            }
            break;
        case ';':
            if (count >= 1) {
                tokens.push_back({Token::Open, {}});
                Emit(arguments[0], tokens);
                return tokens.push_back({Token::Close, {}});
            }
            break;
        default: break;
        }
        Math.Fail("item not readable as arithmetic: \"" + std::string(text) + "\"");
    }

    // Plain text: numbers with an optional decimal comma, + - ( ) and blanks.
    void Lex(std::string_view text, std::vector<Token>& tokens) {
        for (size_t i = 0; i < text.size();) {
            const char c = text[i];
            if (c == ' ') {
                ++i;
            } else if (c >= '0' && c <= '9') {
                Int128 digits = 0, scale = 1;
                bool comma = false;
                for (; i < text.size() && ((text[i] >= '0' && text[i] <= '9') || (text[i] == ',' && !comma));
                     ++i) {
                    if (text[i] == ',') {
                        comma = true;
                        continue;
                    }
                    digits = digits * 10 + (text[i] - '0');
                    if (comma) scale *= 10;
                    if (digits >= Limit) return Math.Fail("number too long");
                }
                if (text[i - 1] == ',') return Math.Fail("number ends with a comma");
                tokens.push_back({Token::Operand, Math.Make(digits, scale)});
            } else {
                const std::string_view signs = "+-()";
                const size_t sign = signs.find(c);
                if (sign == std::string_view::npos)
                    return Math.Fail(std::string("unexpected character '") + c + "'");
                static constexpr Token::Type types[] = {Token::Plus, Token::Minus, Token::Open, Token::Close};
                tokens.push_back({types[sign], {}});
                ++i;
            }
        }
    }

    static bool At(const std::vector<Token>& tokens, size_t position, Token::Type type) {
        return position < tokens.size() && tokens[position].Kind == type;
    }

    // [-] term {(+|-) term}; a leading minus negates the first term.
    Evaluation Expression(const std::vector<Token>& tokens, size_t& position) {
        const bool negate = At(tokens, position, Token::Minus);
        if (negate) ++position;
        Evaluation value = Term(tokens, position);
        if (negate) value = Math.Multiply(Math.Make(-1, 1), value);
        while (At(tokens, position, Token::Plus) || At(tokens, position, Token::Minus)) {
            const int sign = tokens[position++].Kind == Token::Plus ? 1 : -1;
            value = Math.Add(value, Term(tokens, position), sign);
        }
        return value;
    }

    Evaluation Term(const std::vector<Token>& tokens, size_t& position) {
        Evaluation value = Powers(tokens, position);
        while (At(tokens, position, Token::Dot) || At(tokens, position, Token::Colon)) {
            const bool product = tokens[position++].Kind == Token::Dot;
            const Evaluation right = Powers(tokens, position);
            value = product ? Math.Multiply(value, right) : Math.Divide(value, right);
        }
        return value;
    }

    Evaluation Powers(const std::vector<Token>& tokens, size_t& position) {
        Evaluation value = Atom(tokens, position);
        while (At(tokens, position, Token::Raise)) value = Math.Power(value, tokens[position++].Value);
        return value;
    }

    Evaluation Atom(const std::vector<Token>& tokens, size_t& position) {
        if (At(tokens, position, Token::Operand)) return tokens[position++].Value;
        if (At(tokens, position, Token::Open)) {
            ++position;
            const Evaluation value = Expression(tokens, position);
            if (!At(tokens, position, Token::Close)) Math.Fail("missing )");
            ++position;
            return value;
        }
        Math.Fail("operand expected");
        return Arithmetic::NoValue();
    }
};

} // namespace

std::optional<ParsedMarkup> ParseMarkup(std::string_view text) {
    if (text.empty()) return ParsedMarkup{};
    bool row = !IsControl(text[0]);
    int depth = 0;
    for (size_t i = 1; i < text.size() && !row; ++i) {
        if (text[i] == '<') ++depth;
        else if (text[i] == '>') --depth;
        else if (depth == 0) row = true;
        if (depth < 0) return std::nullopt;
    }
    if (!row) {
        if (depth != 0) return std::nullopt;
        ParsedMarkup item{text[0], {}};
        size_t start = 0;
        for (size_t i = 1; i < text.size(); ++i) {
            if (text[i] == '<' && depth++ == 0) start = i + 1;
            else if (text[i] == '>' && --depth == 0)
                item.Arguments.emplace_back(text.substr(start, i - start));
        }
        return item;
    }
    // A row: runs of plain text and control items (a control character and the groups after it).
    ParsedMarkup pieces{'&', {}};
    bool anyItem = false;
    for (size_t i = 0; i < text.size();) {
        size_t end = i + 1;
        if (IsControl(text[i])) {
            anyItem = true;
            for (depth = 0; end < text.size() && (depth > 0 || text[end] == '<'); ++end) {
                if (text[end] == '<') ++depth;
                else if (text[end] == '>') --depth;
            }
            if (depth != 0) return std::nullopt;
        } else {
            while (end < text.size() && !IsControl(text[end])) ++end;
        }
        pieces.Arguments.emplace_back(text.substr(i, end - i));
        i = end;
    }
    if (!anyItem) return ParsedMarkup{'\0', {std::string(text)}};
    return pieces;
}

Evaluation EvaluateMarkup(std::string_view markup) {
    Reader reader;
    Evaluation value = reader.Evaluate(markup);
    value.Error = reader.Math.Error;
    return value;
}

Evaluation EvaluateQuestion(std::string_view question) {
    const std::optional<ParsedMarkup> parsed = ParseMarkup(question);
    if (!parsed || parsed->Kind != '&' || parsed->Arguments.size() != 2 || parsed->Arguments[1] != " = " ||
        !question.starts_with("&<")) {
        return {false, {}, "not a row of the body and \" = \""};
    }
    return EvaluateMarkup(parsed->Arguments[0]);
}

namespace {

struct EvaluatorCase {
    const char* Markup;
    const char* Value; // "N": no value; "error": not readable; else numerator[/denominator]
};

std::string Describe(const Evaluation& e) {
    if (!e.Error.empty()) return "error";
    if (!e.HasValue) return "N";
    std::string text = std::to_string(e.Value.Numerator);
    if (e.Value.Denominator != 1) text += "/" + std::to_string(e.Value.Denominator);
    return text;
}

TEST(Area3EvaluatorTest, ReadsFormulasAsTheyAreDrawn) {
    const EvaluatorCase cases[] = {
        {"^<-7><2>", "-49"},                // the minus stands before the square
        {"^<(-7)><2>", "49"},               // the bracket is squared
        {"^<(-2)><3>", "-8"},               //
        {"&<^<5><2>><^< - 3><2>>", "16"},   // the second power raises only the 3
        {"&<^<4><2> + ><#<9>>", "19"},      //
        {"7*10^<3>", "7000"},               // a bare "*" is the dot, the power raises the 10
        {"3,5*10^<2>", "350"},              //
        {"10^<4>", "10000"},                //
        {"^<0,4><2>", "4/25"},              // 0,16
        {"#<0,16>< >", "2/5"},              //
        {"#</<36><4>>< >", "3"},            //
        {"#<*<4><5 + 9>>< >", "error"},     // 4*5 + 9 = 29: an irrational root is no exercise
        {"#<*<4><5 + 16>>< >", "6"},        // the product item adds no brackets: 4*5 + 16
        {"#<(-27)><3>", "-3"},              // an odd root of a negative number
        {"#<-49>< >", "N"},                 // an even one has no value
        {"^<#<-5>><2>", "N"},               //
        {"#<^<(-5)><2>>", "5"},             //
        {"^<;</<20><4>>><2>", "25"},        // brackets about a fraction
        {"^<(10 - ^<3><2>)><2>", "1"},      //
        {"-5 + 3*40", "115"},               //
        {"7 - 8 : 4", "5"},                 // division before subtraction
        {"&</<12><2>>< : ></<6><2>>", "2"}, // the spaced colon divides the fractions
        {"/<7><0,5>", "14"},                //
        {"(5 + 9) : 0", "N"},               //
        {"&</<3><0>>< + ></<4><2>>", "N"},  // one zero denominator is enough
        {"*<-3><(4 + 5)>", "-27"},          //
        {"(2 + 3 + 4)* 5 ", "45"},          //
        {"4 - (5 - 3)*2", "0"},             //
        {"/<1><3>", "1/3"},                 //
        {"^<2", "error"},                   // unbalanced
        {"5 +", "error"},                   //
        {"5 = ", "error"},                  //
        {"/<1><2><3>", "error"},            // drawn literally
        {"^<3>", "error"},                  // a power with no base
    };
    for (const EvaluatorCase& c : cases) {
        const Evaluation e = EvaluateMarkup(c.Markup);
        EXPECT_EQ(Describe(e), c.Value) << '"' << c.Markup << "\" " << e.Error;
    }
}

TEST(Area3EvaluatorTest, QuestionMustBeTheBodyFollowedByEquals) {
    EXPECT_EQ(Describe(EvaluateQuestion("&<^<12><2>>< = >")), "144");
    EXPECT_EQ(Describe(EvaluateQuestion("&<^<12><2>>")), "error");
    EXPECT_EQ(Describe(EvaluateQuestion("^<12><2> = ")), "error");
}

} // namespace

} // namespace numerava::testing_area3
