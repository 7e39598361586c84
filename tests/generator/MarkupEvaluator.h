#pragma once
// Reads an exercise the way a pupil reads the drawn formula and tells whether a typed answer makes
// it true. Written from the mark-up's definition, independent of the generator: rows, fractions
// ("/<n><d>", a whole number right before a fraction is a mixed number), the product dot ("*"),
// the division colon (":" without groups), brackets, decimal commas, "z" (a fraction "of" a number),
// the blank "Ö" with its "? = " before the answer field, and the text after the field (Suffix).
// Every number is an exact fraction; anything it cannot read is an error, never a guess.

#include <cstdint>
#include <numeric>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace numerava::testing {

struct MarkupError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// An exact fraction with a positive denominator, in lowest terms; overflow is an error.
class Rational {
public:
    Rational(int64_t numerator = 0, int64_t denominator = 1) : n_(numerator), d_(denominator) {
        if (d_ == 0) throw MarkupError("division by zero");
        if (d_ < 0) n_ = Checked(-n_), d_ = -d_;
        const int64_t g = std::gcd(n_, d_);
        if (g > 1) n_ /= g, d_ /= g;
    }
    int64_t Numerator() const { return n_; }
    int64_t Denominator() const { return d_; }
    bool IsWhole() const { return d_ == 1; }

    friend Rational operator+(Rational x, Rational y) {
        return {Add(Mul(x.n_, y.d_), Mul(y.n_, x.d_)), Mul(x.d_, y.d_)};
    }
    friend Rational operator-(Rational x) { return {Checked(-x.n_), x.d_}; }
    friend Rational operator-(Rational x, Rational y) { return x + -y; }
    friend Rational operator*(Rational x, Rational y) { return {Mul(x.n_, y.n_), Mul(x.d_, y.d_)}; }
    friend Rational operator/(Rational x, Rational y) {
        if (y.n_ == 0) throw MarkupError("division by zero");
        return {Mul(x.n_, y.d_), Mul(x.d_, y.n_)};
    }
    friend bool operator==(const Rational&, const Rational&) = default;
    friend bool operator<(Rational x, Rational y) { return Mul(x.n_, y.d_) < Mul(y.n_, x.d_); }

private:
    static int64_t Checked(int64_t x) {
        if (x == INT64_MIN) throw MarkupError("overflow");
        return x;
    }
    static int64_t Add(int64_t x, int64_t y) {
        int64_t r = 0;
        if (__builtin_add_overflow(x, y, &r)) throw MarkupError("overflow");
        return r;
    }
    static int64_t Mul(int64_t x, int64_t y) {
        int64_t r = 0;
        if (__builtin_mul_overflow(x, y, &r)) throw MarkupError("overflow");
        return r;
    }
    int64_t n_, d_;
};

// "12,5" and "-0,07": digits with an optional decimal comma and an optional leading minus.
inline Rational ParseDecimal(std::string_view text) {
    bool negative = !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    int64_t value = 0, scale = 1;
    bool comma = false, digits = false;
    for (const char ch : text) {
        if (ch == ',' && !comma && digits) {
            comma = true;
        } else if (ch >= '0' && ch <= '9') {
            if (value > 100'000'000'000LL) throw MarkupError("number too long");
            value = value * 10 + (ch - '0');
            if (comma) scale *= 10;
            digits = true;
        } else {
            throw MarkupError("bad number \"" + std::string(text) + "\"");
        }
    }
    if (!digits || text.back() == ',') throw MarkupError("bad number \"" + std::string(text) + "\"");
    return {negative ? -value : value, scale};
}

namespace markup {

// "Ö" (the blank) and "Ä" (not equal) are two bytes in UTF-8; they are folded to one byte first.
constexpr char BlankByte = '\x01';
constexpr char NotEqualByte = '\x02';

inline std::string Fold(std::string_view text) {
    std::string folded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "Ö") folded += BlankByte, ++i;
        else if (text.substr(i, 2) == "Ä") folded += NotEqualByte, ++i;
        else folded += text[i];
    }
    return folded;
}

inline bool IsControl(char ch) {
    return std::string_view("#&*/:;@\\^_~").find(ch) != std::string_view::npos || ch == BlankByte ||
           ch == NotEqualByte;
}

enum class Kind { Number, Plus, Minus, Times, Divide, Open, Close, Equals, Query, Fraction, Blank, Answer };

struct Token {
    Kind Type;
    Rational Value{};
    std::vector<Token> Numerator{}, Denominator{}; // of a fraction
};
using Tokens = std::vector<Token>;

// Plain text: numbers, operators, brackets, "=", the "?" before the answer field and "z" ("of").
inline void LexPlain(std::string_view text, Tokens& out) {
    for (std::size_t i = 0; i < text.size();) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            std::size_t end = i;
            while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == ',')) ++end;
            out.push_back({Kind::Number, ParseDecimal(text.substr(i, end - i))});
            i = end;
            continue;
        }
        switch (ch) {
        case ' ': break;
        case '+': out.push_back({Kind::Plus}); break;
        case '-': out.push_back({Kind::Minus}); break;
        case '*':
        case 'z': out.push_back({Kind::Times}); break;
        case ':': out.push_back({Kind::Divide}); break;
        case '(': out.push_back({Kind::Open}); break;
        case ')': out.push_back({Kind::Close}); break;
        case '=': out.push_back({Kind::Equals}); break;
        case '?': out.push_back({Kind::Query}); break;
        default: throw MarkupError(std::string("unexpected text \"") + ch + "\"");
        }
        ++i;
    }
}

// The contents of the groups "<...>" that follow position `from`; `end` receives where they stop.
inline std::vector<std::string> Groups(std::string_view text, std::size_t from, std::size_t& end) {
    std::vector<std::string> groups;
    std::size_t i = from;
    while (i < text.size() && text[i] == '<') {
        int depth = 0;
        const std::size_t open = i;
        do {
            if (text[i] == '<') ++depth;
            else if (text[i] == '>') --depth;
            ++i;
        } while (i < text.size() && depth > 0);
        if (depth != 0) throw MarkupError("unbalanced brackets");
        groups.emplace_back(text.substr(open + 1, i - open - 2));
    }
    end = i;
    return groups;
}

void Lex(std::string_view text, Tokens& out);

// One control character with its groups.
inline void LexItem(char kind, const std::vector<std::string>& args, std::string_view literal, Tokens& out) {
    switch (kind) {
    case '&':
        for (const std::string& arg : args) Lex(arg, out);
        return;
    case '/':
    case ':':
        if (args.size() == 2) {
            Token fraction{Kind::Fraction};
            Lex(args[0], fraction.Numerator);
            Lex(args[1], fraction.Denominator);
            out.push_back(std::move(fraction));
            return;
        }
        if (kind == ':' && args.empty()) return out.push_back({Kind::Divide}); // drawn as the colon itself
        break;
    case '*': // a product dot between its (possibly empty) operands
        if (args.size() <= 2) {
            if (!args.empty()) Lex(args[0], out);
            out.push_back({Kind::Times});
            if (args.size() == 2) Lex(args[1], out);
            return;
        }
        break;
    case ';':
        if (!args.empty()) {
            out.push_back({Kind::Open});
            Lex(args[0], out);
            out.push_back({Kind::Close});
            return;
        }
        break;
    case '\\':
        if (args.size() == 1) return LexPlain(args[0], out);
        break;
    case BlankByte: return out.push_back({Kind::Blank});
    default: throw MarkupError(std::string("item \"") + kind + "\" has no value");
    }
    LexPlain(literal, out); // a wrong number of groups draws the item's characters
}

// A mark-up text: a single item, or a row of plain runs and items.
inline void Lex(std::string_view text, Tokens& out) {
    if (text.empty()) return;
    if (IsControl(text[0])) {
        bool row = false;
        int depth = 0;
        for (std::size_t i = 1; i < text.size(); ++i) {
            if (text[i] == '<') ++depth;
            else if (text[i] == '>') --depth;
            else if (depth == 0) row = true;
        }
        if (!row) {
            if (depth != 0) throw MarkupError("unbalanced brackets");
            std::size_t end = 0;
            return LexItem(text[0], Groups(text, 1, end), text, out);
        }
    }
    for (std::size_t i = 0; i < text.size();) {
        if (IsControl(text[i])) {
            std::size_t end = 0;
            const std::vector<std::string> args = Groups(text, i + 1, end);
            LexItem(text[i], args, text.substr(i, end - i), out);
            i = end;
        } else {
            std::size_t end = i;
            while (end < text.size() && !IsControl(text[end])) ++end;
            LexPlain(text.substr(i, end - i), out);
            i = end;
        }
    }
}

// Sum and product with the usual precedence, left to right; a leading minus negates the first term.
class Evaluator {
public:
    Evaluator(const Tokens& tokens, Rational blank, Rational answer)
        : tokens_(tokens), blank_(blank), answer_(answer) {}

    Rational Whole() {
        const Rational value = Sum();
        if (pos_ != tokens_.size()) throw MarkupError("text after the expression");
        return value;
    }

private:
    bool At(Kind kind) const { return pos_ < tokens_.size() && tokens_[pos_].Type == kind; }

    Rational Sum() {
        const bool negative = At(Kind::Minus);
        if (negative) ++pos_;
        Rational value = Product();
        if (negative) value = -value;
        while (At(Kind::Plus) || At(Kind::Minus)) {
            const bool plus = tokens_[pos_++].Type == Kind::Plus;
            const Rational right = Product();
            value = plus ? value + right : value - right;
        }
        return value;
    }

    Rational Product() {
        Rational value = Factor();
        while (At(Kind::Times) || At(Kind::Divide)) {
            const bool times = tokens_[pos_++].Type == Kind::Times;
            const Rational right = Factor();
            value = times ? value * right : value / right;
        }
        return value;
    }

    Rational Factor() {
        if (pos_ >= tokens_.size()) throw MarkupError("operand missing");
        const Token& token = tokens_[pos_++];
        switch (token.Type) {
        case Kind::Number: return WithFraction(token.Value);
        case Kind::Blank: return WithFraction(blank_);
        case Kind::Answer: return answer_;
        case Kind::Fraction: return FractionValue(token);
        case Kind::Open: {
            const Rational value = Sum();
            if (!At(Kind::Close)) throw MarkupError("missing )");
            ++pos_;
            return value;
        }
        default: throw MarkupError("operand expected");
        }
    }

    // A whole number (or the blank) written right before a fraction is a mixed number.
    Rational WithFraction(Rational whole) {
        if (!At(Kind::Fraction)) return whole;
        return whole + FractionValue(tokens_[pos_++]);
    }

    Rational FractionValue(const Token& fraction) const {
        return Evaluator(fraction.Numerator, blank_, answer_).Whole() /
               Evaluator(fraction.Denominator, blank_, answer_).Whole();
    }

    const Tokens& tokens_;
    std::size_t pos_ = 0;
    Rational blank_, answer_;
};

} // namespace markup

// The exercise as an equation in the typed answer: Question, the answer field, then Suffix.
class ExerciseEquation {
public:
    // Throws MarkupError when the text cannot be read as one equation.
    ExerciseEquation(std::string_view question, std::string_view suffix) {
        using markup::Kind;
        markup::Lex(markup::Fold(question), tokens_);
        tokens_.push_back({Kind::Answer});
        markup::Lex(markup::Fold(suffix), tokens_);

        int queries = 0;
        for (const markup::Token& token : tokens_) queries += token.Type == Kind::Query;
        const int blanks = CountBlanks(tokens_);
        if (blanks > 1) throw MarkupError("more than one blank");
        if (blanks == 1) {
            // "... = ... Ö ...     ? = [answer]": the answer is the blank's value.
            const std::size_t n = tokens_.size();
            if (queries != 1 || n < 3 || tokens_[n - 3].Type != Kind::Query ||
                tokens_[n - 2].Type != Kind::Equals || tokens_[n - 1].Type != Kind::Answer)
                throw MarkupError("a blank needs \"? = \" right before the answer field");
            tokens_.resize(n - 3);
            blankIsAnswer_ = true;
        } else if (queries != 0) {
            throw MarkupError("\"?\" without a blank");
        }
        markup::Tokens side;
        for (markup::Token& token : tokens_) {
            if (token.Type == Kind::Equals) sides_.push_back(std::move(side)), side.clear();
            else side.push_back(std::move(token));
        }
        sides_.push_back(std::move(side));
        if (sides_.size() != 2) throw MarkupError("not one equation");
    }

    // True when the answer makes both sides equal (false when it divides by zero).
    bool HoldsFor(Rational answer) const {
        const Rational blank = blankIsAnswer_ ? answer : Rational(0);
        try {
            return markup::Evaluator(sides_[0], blank, answer).Whole() ==
                   markup::Evaluator(sides_[1], blank, answer).Whole();
        } catch (const MarkupError& error) {
            if (std::string_view(error.what()) == "division by zero") return false;
            throw;
        }
    }

private:
    static int CountBlanks(const markup::Tokens& tokens) {
        int count = 0;
        for (const markup::Token& token : tokens)
            count += (token.Type == markup::Kind::Blank) + CountBlanks(token.Numerator) +
                     CountBlanks(token.Denominator);
        return count;
    }

    markup::Tokens tokens_;
    std::vector<markup::Tokens> sides_;
    bool blankIsAnswer_ = false;
};

} // namespace numerava::testing
