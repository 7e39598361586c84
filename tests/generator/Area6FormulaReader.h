#pragma once
// Reads the algebra mark-up of the fill-in and condition exercises as a pupil reads it and
// decides, exactly, which numbers fill the blank. Written from the mark-up rules alone, without
// the generator's arithmetic:
// - "/<N><D>" is the fraction N over D; "^<B><E>" is the text B with the raised E after it, and a
//   raised exponent belongs to what stands right before it (a number, a letter, a bracket or a
//   fraction), so "^<4x><7>" is 4·x⁷ and "^<9 - x><2>" is 9 − x²;
// - a bare "*" is the product dot; side by side, numbers, letters, brackets and fractions multiply;
// - "Ö" is the blank, "Ä" the not-equal sign, spaces do not matter.
// Values are exact fractions. A value that depends on the blank t is kept as c0 + c1·t; anything
// else (t squared, t in a denominator or an exponent when t is unknown) is refused.

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace numerava::formula {

__extension__ typedef __int128 Int128;

// An exact fraction, always reduced, with a positive denominator.
class Rational {
public:
    Rational(int64_t n = 0, int64_t d = 1) : n_(n), d_(d) { Reduce(); }
    static Rational Of(Int128 n, Int128 d) {
        Rational r;
        r.n_ = n;
        r.d_ = d;
        r.Reduce();
        return r;
    }
    bool IsZero() const { return n_ == 0; }
    Int128 Numerator() const { return n_; }
    Int128 Denominator() const { return d_; }
    friend Rational operator+(const Rational& a, const Rational& b) {
        return Of(Add(Mul(a.n_, b.d_), Mul(b.n_, a.d_)), Mul(a.d_, b.d_));
    }
    friend Rational operator-(const Rational& a) { return Of(-a.n_, a.d_); }
    friend Rational operator-(const Rational& a, const Rational& b) { return a + -b; }
    friend Rational operator*(const Rational& a, const Rational& b) {
        return Of(Mul(a.n_, b.n_), Mul(a.d_, b.d_));
    }
    friend Rational operator/(const Rational& a, const Rational& b) {
        if (b.IsZero()) throw std::domain_error("division by zero");
        return Of(Mul(a.n_, b.d_), Mul(a.d_, b.n_));
    }
    friend bool operator==(const Rational& a, const Rational& b) { return a.n_ == b.n_ && a.d_ == b.d_; }
    friend std::ostream& operator<<(std::ostream& out, const Rational& r) { return out << r.Text(); }
    std::string Text() const {
        std::string text = ToText(n_);
        if (d_ != 1) text += "/" + ToText(d_);
        return text;
    }

private:
    static Int128 Mul(Int128 a, Int128 b) {
        Int128 r = 0;
        if (__builtin_mul_overflow(a, b, &r)) throw std::overflow_error("number too large");
        return r;
    }
    static Int128 Add(Int128 a, Int128 b) {
        Int128 r = 0;
        if (__builtin_add_overflow(a, b, &r)) throw std::overflow_error("number too large");
        return r;
    }
    static Int128 Gcd(Int128 a, Int128 b) {
        if (a < 0) a = -a;
        if (b < 0) b = -b;
        while (b != 0) {
            const Int128 t = a % b;
            a = b;
            b = t;
        }
        return a;
    }
    static std::string ToText(Int128 v) {
        if (v == 0) return "0";
        const bool negative = v < 0;
        std::string digits;
        for (; v != 0; v /= 10)
            digits.insert(digits.begin(), static_cast<char>('0' + (negative ? -(v % 10) : v % 10)));
        return negative ? "-" + digits : digits;
    }
    void Reduce() {
        if (d_ == 0) throw std::domain_error("division by zero");
        if (d_ < 0) n_ = -n_, d_ = -d_;
        const Int128 g = Gcd(n_, d_);
        if (g > 1) n_ /= g, d_ /= g;
    }
    Int128 n_;
    Int128 d_;
};

// One piece of the read mark-up. Fraction: First = numerator, Second = denominator.
// Raised: First = the exponent, applying to what stands before it.
struct Token {
    enum Kind {
        Number,
        Letter,
        Blank,
        Plus,
        Minus,
        Equals,
        Open,
        Close,
        Times,
        Fraction,
        Raised,
        NotEqual,
        Mark
    };
    Kind Type;
    Rational Value;
    char Name = 0;
    std::vector<Token> First, Second;
};
using Tokens = std::vector<Token>;

// Letter values of one evaluation point.
using Point = std::map<char, Rational>;

// c0 + c1·t, t being the blank.
struct Affine {
    Rational C0, C1;
};

// Which numbers make an equation an identity in its letters.
struct Solutions {
    enum Kind { None, One, Every } Type = None;
    Rational Value;
    std::string Text() const {
        switch (Type) {
        case None: return "no number";
        case One: return Value.Text();
        default: return "every number";
        }
    }
};

namespace detail {

inline bool IsLetter(char c) { return c == 'a' || c == 'b' || c == 'x' || c == 'y'; }

// The groups "<...>" that start at `at`; `at` moves past them.
inline std::vector<std::string> Groups(const std::string& text, size_t& at) {
    std::vector<std::string> groups;
    while (at < text.size() && text[at] == '<') {
        int depth = 0;
        size_t end = at;
        for (; end < text.size(); ++end) {
            if (text[end] == '<') ++depth;
            if (text[end] == '>' && --depth == 0) break;
        }
        if (end >= text.size()) throw std::invalid_argument("unbalanced group in " + text);
        groups.push_back(text.substr(at + 1, end - at - 1));
        at = end + 1;
    }
    return groups;
}

class Evaluator {
public:
    Evaluator(const Tokens& tokens, const Point& point, std::optional<Rational> blank)
        : tokens_(tokens), point_(point), blank_(blank) {}

    Affine All() {
        Affine value = Expression();
        if (Next(Token::Equals)) {
            const Affine right = Expression();
            value = {value.C0 - right.C0, value.C1 - right.C1};
        }
        if (at_ != tokens_.size()) throw std::invalid_argument("text after the expression");
        return value;
    }

private:
    bool Next(Token::Kind kind) {
        if (at_ < tokens_.size() && tokens_[at_].Type == kind) return ++at_, true;
        return false;
    }
    bool AtFactor() const {
        if (at_ >= tokens_.size()) return false;
        const Token::Kind k = tokens_[at_].Type;
        return k == Token::Number || k == Token::Letter || k == Token::Blank || k == Token::Open ||
               k == Token::Fraction;
    }
    static Affine Constant(const Rational& r) { return {r, Rational(0)}; }
    static Affine Multiply(const Affine& a, const Affine& b) {
        if (!a.C1.IsZero() && !b.C1.IsZero()) throw std::invalid_argument("the blank times itself");
        return {a.C0 * b.C0, a.C0 * b.C1 + a.C1 * b.C0};
    }
    static Affine Divide(const Affine& a, const Affine& b) {
        if (!b.C1.IsZero()) throw std::invalid_argument("the blank in a denominator");
        return {a.C0 / b.C0, a.C1 / b.C0};
    }

    Affine Expression() {
        bool negative = false;
        if (Next(Token::Minus)) negative = true;
        else Next(Token::Plus);
        Affine value = Term();
        if (negative) value = {-value.C0, -value.C1};
        for (;;) {
            if (Next(Token::Plus)) {
                const Affine right = Term();
                value = {value.C0 + right.C0, value.C1 + right.C1};
            } else if (Next(Token::Minus)) {
                const Affine right = Term();
                value = {value.C0 - right.C0, value.C1 - right.C1};
            } else {
                return value;
            }
        }
    }

    Affine Term() {
        Affine value = Factor();
        for (;;) {
            if (Next(Token::Times)) {
                value = Multiply(value, Factor());
            } else if (AtFactor()) {
                // Two numbers side by side would read as one longer number.
                const Token::Kind before = tokens_[at_ - 1].Type;
                const Token::Kind after = tokens_[at_].Type;
                const bool numeral = before == Token::Number || before == Token::Blank;
                if (numeral && (after == Token::Number || after == Token::Blank))
                    throw std::invalid_argument("two numbers side by side");
                value = Multiply(value, Factor());
            } else {
                return value;
            }
        }
    }

    Affine Factor() {
        Affine value = Primary();
        while (at_ < tokens_.size() && tokens_[at_].Type == Token::Raised) {
            const Affine exponent = Evaluator(tokens_[at_++].First, point_, blank_).All();
            if (!exponent.C1.IsZero()) throw std::invalid_argument("the blank as an unknown exponent");
            const Rational& e = exponent.C0;
            if (e.Denominator() != 1 || e.Numerator() > 40 || e.Numerator() < -40)
                throw std::invalid_argument("exponent not a small whole number");
            if (!value.C1.IsZero() && e.Numerator() != 1) throw std::invalid_argument("the blank raised");
            Rational power(1);
            for (Int128 i = 0; i < (e.Numerator() < 0 ? -e.Numerator() : e.Numerator()); ++i)
                power = power * value.C0;
            if (e.Numerator() < 0) power = Rational(1) / power;
            if (e.Numerator() != 1) value = Constant(power);
        }
        return value;
    }

    Affine Primary() {
        if (at_ >= tokens_.size()) throw std::invalid_argument("a number or letter expected at the end");
        const Token& token = tokens_[at_++];
        switch (token.Type) {
        case Token::Number: return Constant(token.Value);
        case Token::Letter: {
            const auto found = point_.find(token.Name);
            if (found == point_.end()) throw std::invalid_argument("letter without a value");
            return Constant(found->second);
        }
        case Token::Blank:
            if (blank_) return Constant(*blank_);
            return {Rational(0), Rational(1)};
        case Token::Open: {
            const Affine value = Expression();
            if (!Next(Token::Close)) throw std::invalid_argument("missing )");
            return value;
        }
        case Token::Fraction:
            return Divide(Evaluator(token.First, point_, blank_).All(),
                          Evaluator(token.Second, point_, blank_).All());
        default: throw std::invalid_argument("a number or letter expected");
        }
    }

    const Tokens& tokens_;
    const Point& point_;
    std::optional<Rational> blank_;
    size_t at_ = 0;
};

// Points where the letters take unrelated values; a few fall on zeros of some denominator and
// are skipped.
inline const std::vector<Point>& Points() {
    static const std::vector<Point> points = {
        {{'a', Rational(7, 3)}, {'b', Rational(-5, 2)}, {'x', Rational(11, 4)}, {'y', Rational(3, 5)}},
        {{'a', Rational(-4, 5)}, {'b', Rational(13, 3)}, {'x', Rational(-9, 7)}, {'y', Rational(17, 2)}},
        {{'a', Rational(19, 6)}, {'b', Rational(2, 9)}, {'x', Rational(5, 8)}, {'y', Rational(-11, 3)}},
        {{'a', Rational(-13, 4)}, {'b', Rational(-7, 6)}, {'x', Rational(23, 5)}, {'y', Rational(-1, 7)}},
        {{'a', Rational(3, 7)}, {'b', Rational(29, 8)}, {'x', Rational(-17, 9)}, {'y', Rational(8, 3)}},
        {{'a', Rational(31, 10)}, {'b', Rational(-3, 11)}, {'x', Rational(7, 12)}, {'y', Rational(-19, 5)}},
    };
    return points;
}

// Intersects, point by point, the numbers t with c0 + c1·t = 0.
inline Solutions Solve(const Tokens& equation, std::optional<Rational> blank = std::nullopt) {
    Solutions solutions{Solutions::Every, Rational(0)};
    int used = 0;
    for (const Point& point : Points()) {
        Affine difference;
        try {
            difference = Evaluator(equation, point, blank).All();
        } catch (const std::domain_error&) {
            continue; // a denominator is zero here
        }
        ++used;
        if (difference.C1.IsZero()) {
            if (!difference.C0.IsZero()) return {Solutions::None, Rational(0)};
            continue;
        }
        const Rational t = -difference.C0 / difference.C1;
        if (solutions.Type == Solutions::Every) solutions = {Solutions::One, t};
        else if (!(solutions.Value == t)) return {Solutions::None, Rational(0)};
    }
    if (used < 4) throw std::invalid_argument("too few points away from the zeros of the denominators");
    return solutions;
}

inline void CollectDenominators(const Tokens& tokens, std::vector<Tokens>& out) {
    for (const Token& token : tokens) {
        CollectDenominators(token.First, out);
        CollectDenominators(token.Second, out);
        if (token.Type == Token::Fraction) out.push_back(token.Second);
    }
}

// The rational square root of r, if there is one.
inline std::optional<Rational> SquareRoot(const Rational& r) {
    const auto root = [](Int128 v) -> std::optional<Int128> {
        if (v < 0) return std::nullopt;
        Int128 s = 0;
        while ((s + 1) * (s + 1) <= v) ++s; // the values here are small
        if (s * s != v) return std::nullopt;
        return s;
    };
    const auto n = root(r.Numerator());
    const auto d = root(r.Denominator());
    if (!n || !d) return std::nullopt;
    return Rational::Of(*n, *d);
}

} // namespace detail

inline Tokens Read(const std::string& text) {
    static const std::string notEqual = "Ä";
    static const std::string blank = "Ö";
    Tokens tokens;
    size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        const auto startsWith = [&](const std::string& s) { return text.compare(at, s.size(), s) == 0; };
        if (c == ' ') {
            ++at;
        } else if (startsWith(notEqual) || startsWith(blank)) {
            const bool isBlank = startsWith(blank);
            at += 2;
            if (!detail::Groups(text, at).empty()) throw std::invalid_argument("groups after a sign");
            tokens.push_back({isBlank ? Token::Blank : Token::NotEqual, Rational(0), 0, {}, {}});
        } else if (c == '/' || c == '^' || c == '*') {
            ++at;
            const std::vector<std::string> groups = detail::Groups(text, at);
            if (c == '/') {
                if (groups.size() != 2) throw std::invalid_argument("a fraction needs two groups");
                tokens.push_back({Token::Fraction, Rational(0), 0, Read(groups[0]), Read(groups[1])});
            } else if (c == '^') {
                if (groups.size() != 1 && groups.size() != 2)
                    throw std::invalid_argument("a power needs one or two groups");
                if (groups.size() == 2) {
                    const Tokens base = Read(groups[0]);
                    tokens.insert(tokens.end(), base.begin(), base.end());
                }
                tokens.push_back({Token::Raised, Rational(0), 0, Read(groups.back()), {}});
            } else {
                if (!groups.empty()) throw std::invalid_argument("a product item with groups");
                tokens.push_back({Token::Times, Rational(0), 0, {}, {}});
            }
        } else if (c >= '0' && c <= '9') {
            int64_t whole = 0, fraction = 0, scale = 1;
            for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
                whole = whole * 10 + (text[at] - '0');
            if (at + 1 < text.size() && text[at] == ',' && text[at + 1] >= '0' && text[at + 1] <= '9') {
                for (++at; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
                    fraction = fraction * 10 + (text[at] - '0');
                    scale *= 10;
                }
            }
            tokens.push_back({Token::Number, Rational(whole * scale + fraction, scale), 0, {}, {}});
        } else if (detail::IsLetter(c)) {
            tokens.push_back({Token::Letter, Rational(0), c, {}, {}});
            ++at;
        } else {
            static const std::string signs = "+-=()?";
            static const Token::Kind kinds[] = {Token::Plus, Token::Minus, Token::Equals,
                                                Token::Open, Token::Close, Token::Mark};
            const size_t sign = signs.find(c);
            if (sign == std::string::npos)
                throw std::invalid_argument(std::string("unexpected character in ") + text);
            tokens.push_back({kinds[sign], Rational(0), 0, {}, {}});
            ++at;
        }
    }
    return tokens;
}

inline Affine Evaluate(const Tokens& tokens, const Point& point,
                       std::optional<Rational> blank = std::nullopt) {
    return detail::Evaluator(tokens, point, blank).All();
}

inline std::vector<Tokens> Denominators(const Tokens& tokens) {
    std::vector<Tokens> out;
    detail::CollectDenominators(tokens, out);
    return out;
}

inline Solutions SolveBlankBetween(const std::string& question, const std::string& suffix) {
    Tokens equation = Read(question);
    equation.push_back({Token::Blank, Rational(0), 0, {}, {}});
    const Tokens rest = Read(suffix);
    equation.insert(equation.end(), rest.begin(), rest.end());
    return detail::Solve(equation);
}

inline Solutions SolveBlankExponent(const std::string& question) {
    const std::string prompt = "   ?=";
    if (question.size() < prompt.size() ||
        question.compare(question.size() - prompt.size(), prompt.size(), prompt) != 0)
        throw std::invalid_argument("no ?= prompt after the equation");
    const Tokens equation = Read(question.substr(0, question.size() - prompt.size()));
    Solutions found;
    for (int e = -6; e <= 20; ++e) {
        if (detail::Solve(equation, Rational(e)).Type == Solutions::None) continue;
        if (found.Type == Solutions::One) return {Solutions::Every, Rational(0)}; // more than one
        found = {Solutions::One, Rational(e)};
    }
    return found;
}

inline std::vector<Rational> DenominatorZeros(const Tokens& expression, char letter) {
    std::vector<Rational> zeros;
    const auto add = [&zeros](const Rational& z) {
        for (const Rational& known : zeros)
            if (known == z) return;
        zeros.push_back(z);
    };
    for (const Tokens& denominator : Denominators(expression)) {
        // d(v) = p·v² + q·v + r from d(0), d(1), d(−1); d(2) and d(3) confirm the degree.
        const auto at = [&](int64_t v) {
            const Affine value = Evaluate(denominator, {{letter, Rational(v)}});
            return value.C0;
        };
        const Rational r = at(0);
        const Rational plus = at(1), minus = at(-1);
        const Rational p = (plus + minus) / Rational(2) - r;
        const Rational q = (plus - minus) / Rational(2);
        for (int64_t v : {2, 3, -4})
            if (!(at(v) == p * Rational(v * v) + q * Rational(v) + r))
                throw std::invalid_argument("a denominator of degree above 2");
        if (p.IsZero() && q.IsZero()) {
            if (r.IsZero()) throw std::invalid_argument("a denominator that is always zero");
            continue;
        }
        if (p.IsZero()) {
            add(-r / q);
            continue;
        }
        const auto root = detail::SquareRoot(q * q - Rational(4) * p * r);
        if (!root) throw std::invalid_argument("a denominator without rational zeros");
        add((-q + *root) / (Rational(2) * p));
        add((-q - *root) / (Rational(2) * p));
    }
    std::sort(zeros.begin(), zeros.end(), [](const Rational& a, const Rational& b) {
        return a.Numerator() * b.Denominator() < b.Numerator() * a.Denominator();
    });
    return zeros;
}

} // namespace numerava::formula
