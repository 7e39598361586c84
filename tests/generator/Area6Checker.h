#pragma once
// An independent reader of area-6 exercises: it reads the mark-up as the pupil sees it (fractions,
// powers whose exponent stands after the text before it, brackets, the product dot, ":" for
// division, letters written next to numbers as products, decimal commas, "%" and "% z čísla"),
// builds the two sides of the equation with the blank "Ö" as an unknown, and decides exactly, at
// several rational values of the letters, which numbers make the two sides equal.
//
// It knows nothing of the generator's code: only the mark-up language and the layouts of the
// exercises (a number typed before the suffix, a missing exponent, a root, a value).

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace numerava::area6check {

// A reading or arithmetic failure: the exercise is not what a pupil could read or compute.
struct CheckError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// ---- Exact rationals (overflow is an error, never a wrong value) ----

class Rational {
public:
    Rational(int64_t n = 0, int64_t d = 1) {
        if (d == 0) throw CheckError("division by zero");
        if (d < 0) n = Neg(n), d = Neg(d);
        const int64_t g = std::gcd(n, d);
        num_ = g ? n / g : 0;
        den_ = g ? d / g : 1;
    }
    int64_t Num() const { return num_; }
    int64_t Den() const { return den_; }
    bool IsInteger() const { return den_ == 1; }
    int Sign() const { return num_ > 0 ? 1 : num_ < 0 ? -1 : 0; }

    friend Rational operator+(const Rational& a, const Rational& b) {
        return Make(Add(Mul(a.num_, b.den_), Mul(b.num_, a.den_)), Mul(a.den_, b.den_));
    }
    friend Rational operator-(const Rational& a) { return Rational(Neg(a.num_), a.den_); }
    friend Rational operator-(const Rational& a, const Rational& b) { return a + -b; }
    friend Rational operator*(const Rational& a, const Rational& b) {
        const int64_t g1 = std::gcd(a.num_, b.den_) ? std::gcd(a.num_, b.den_) : 1;
        const int64_t g2 = std::gcd(b.num_, a.den_) ? std::gcd(b.num_, a.den_) : 1;
        return Rational(Mul(a.num_ / g1, b.num_ / g2), Mul(a.den_ / g2, b.den_ / g1));
    }
    friend Rational operator/(const Rational& a, const Rational& b) {
        if (b.num_ == 0) throw CheckError("division by zero");
        return a * Rational(b.den_, b.num_);
    }
    friend bool operator==(const Rational& a, const Rational& b) {
        return a.num_ == b.num_ && a.den_ == b.den_;
    }
    friend bool operator!=(const Rational& a, const Rational& b) { return !(a == b); }

    // Integer powers only; 0 to a negative power is an error.
    Rational Pow(int64_t n) const {
        if (n < 0) return Rational(1) / Pow(-n);
        Rational result(1);
        for (int64_t i = 0; i < n; ++i) result = result * *this;
        return result;
    }

    std::string Text() const { return std::to_string(num_) + (den_ == 1 ? "" : "/" + std::to_string(den_)); }

private:
    static Rational Make(int64_t n, int64_t d) { return Rational(n, d); }
    static int64_t Neg(int64_t v) {
        if (v == INT64_MIN) throw CheckError("overflow");
        return -v;
    }
    static int64_t Add(int64_t a, int64_t b) {
        int64_t r = 0;
        if (__builtin_add_overflow(a, b, &r)) throw CheckError("overflow");
        return r;
    }
    static int64_t Mul(int64_t a, int64_t b) {
        int64_t r = 0;
        if (__builtin_mul_overflow(a, b, &r)) throw CheckError("overflow");
        return r;
    }
    int64_t num_ = 0, den_ = 1;
};

// A decimal number typed by the pupil: Value / 10^Decimals.
inline Rational FromDecimal(int64_t value, int decimals) {
    return Rational(value, Rational(10).Pow(decimals).Num());
}

// True when the pupil can type the number: its denominator has no prime factors but 2 and 5.
inline bool IsTypable(const Rational& r) {
    int64_t d = r.Den();
    while (d % 2 == 0) d /= 2;
    while (d % 5 == 0) d /= 5;
    return d == 1;
}

// ---- From mark-up to tokens ----

enum class Tok { Number, Letter, Blank, Plus, Minus, Times, Divide, Percent, Open, Close, Power, Equals };

struct Token {
    Tok Kind;
    Rational Value;    // Number
    char32_t Name = 0; // Letter
};

inline std::u32string Decode(std::string_view text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += c, ++i;
        } else if ((c & 0xE0) == 0xC0 && i + 1 < text.size()) {
            out +=
                static_cast<char32_t>(((c & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
            i += 2;
        } else {
            throw CheckError("unexpected UTF-8 in the mark-up");
        }
    }
    return out;
}

inline bool IsControl(char32_t c) {
    return std::u32string_view(U"#&*/:;@\\^_~\u00C4\u00D6").find(c) != std::u32string_view::npos;
}

class Tokenizer {
public:
    std::vector<Token> Tokens;

    // One mark-up text (a whole exercise text or one argument).
    void Markup(std::u32string_view text) {
        if (text.empty()) return;
        if (IsControl(text[0])) {
            int depth = 0;
            bool row = false;
            for (size_t i = 1; i < text.size(); ++i) {
                if (text[i] == '<') ++depth;
                else if (text[i] == '>') --depth;
                else if (depth == 0) row = true;
            }
            if (depth != 0) throw CheckError("unbalanced brackets: the text draws nothing");
            if (!row) return Item(text[0], Groups(text.substr(1)));
        }
        // A row: plain runs and control items with the groups directly after them.
        size_t i = 0;
        while (i < text.size()) {
            if (!IsControl(text[i])) {
                size_t end = i;
                while (end < text.size() && !IsControl(text[end])) ++end;
                Plain(text.substr(i, end - i));
                i = end;
                continue;
            }
            size_t end = i + 1;
            while (end < text.size() && text[end] == '<') {
                int depth = 0;
                do {
                    if (text[end] == '<') ++depth;
                    else if (text[end] == '>') --depth;
                    ++end;
                } while (end < text.size() && depth > 0);
                if (depth != 0) throw CheckError("unbalanced group");
            }
            Item(text[i], Groups(text.substr(i + 1, end - i - 1)));
            i = end;
        }
    }

private:
    static std::vector<std::u32string_view> Groups(std::u32string_view text) {
        std::vector<std::u32string_view> groups;
        size_t i = 0;
        while (i < text.size()) {
            if (text[i] != '<') throw CheckError("text after the groups of an item");
            int depth = 0;
            const size_t start = i + 1;
            do {
                if (text[i] == '<') ++depth;
                else if (text[i] == '>') --depth;
                ++i;
            } while (i < text.size() && depth > 0);
            if (depth != 0) throw CheckError("unbalanced group");
            groups.push_back(text.substr(start, i - 1 - start));
        }
        return groups;
    }

    void Add(Tok kind) { Tokens.push_back(Token{kind, Rational(0), 0}); }
    void Bracketed(std::u32string_view text) {
        Add(Tok::Open);
        const size_t before = Tokens.size();
        Markup(text);
        if (Tokens.size() == before) throw CheckError("empty argument");
        Add(Tok::Close);
    }

    void Item(char32_t kind, const std::vector<std::u32string_view>& args) {
        switch (kind) {
        case '&':
            if (args.empty()) throw CheckError("a row item without groups");
            for (const auto arg : args) Markup(arg);
            return;
        case '/':
        case ':':
            if (args.empty() && kind == ':') return Add(Tok::Divide); // drawn as the character ":"
            if (args.size() != 2) throw CheckError("a fraction that is drawn as its literal text");
            Add(Tok::Open), Bracketed(args[0]), Add(Tok::Divide), Bracketed(args[1]), Add(Tok::Close);
            return;
        case '^':
            // The exponent stands after the base text, so it belongs to the base's last atom.
            if (args.size() == 2) Markup(args[0]);
            else if (args.size() != 1) throw CheckError("a power drawn as its literal text");
            Add(Tok::Power), Bracketed(args.back());
            return;
        case '*':
            if (args.empty()) return Add(Tok::Times);
            if (args.size() > 2) throw CheckError("a product drawn as its literal text");
            Add(Tok::Open), Bracketed(args[0]), Add(Tok::Times);
            if (args.size() == 2) Bracketed(args[1]);
            else throw CheckError("a product with an empty operand");
            Add(Tok::Close);
            return;
        case ';':
            if (args.empty()) throw CheckError("brackets without content");
            return Bracketed(args[0]);
        case U'\u00D6':
            if (!args.empty()) throw CheckError("a blank with groups");
            Tokens.push_back(Token{Tok::Blank, Rational(0), 0});
            return;
        case '\\':
            if (args.size() != 1) throw CheckError("an escaped item drawing nothing");
            return Plain(args[0]);
        default: throw CheckError("a mark-up item no exercise of these kinds uses");
        }
    }

    void Plain(std::u32string_view text) {
        static const std::u32string of = U"z \u010D\u00EDsla"; // "z čísla": "of the number"
        size_t i = 0;
        while (i < text.size()) {
            const char32_t c = text[i];
            if (c == ' ') {
                ++i;
            } else if (c >= '0' && c <= '9') {
                int64_t digits = 0;
                int decimals = -1;
                for (; i < text.size(); ++i) {
                    if (text[i] >= '0' && text[i] <= '9') {
                        if (digits > 100'000'000'000LL) throw CheckError("number too long");
                        digits = digits * 10 + (text[i] - '0');
                        if (decimals >= 0) ++decimals;
                    } else if (text[i] == ',' && decimals < 0 && i + 1 < text.size() && text[i + 1] >= '0' &&
                               text[i + 1] <= '9') {
                        decimals = 0;
                    } else {
                        break;
                    }
                }
                Tokens.push_back(Token{Tok::Number, FromDecimal(digits, std::max(decimals, 0)), 0});
            } else if (c == 'a' || c == 'b' || c == 'x' || c == 'y') {
                Tokens.push_back(Token{Tok::Letter, Rational(0), c}), ++i;
            } else if (text.substr(i, of.size()) == of) {
                Add(Tok::Times), i += of.size();
            } else {
                switch (c) {
                case '+': Add(Tok::Plus); break;
                case '-': Add(Tok::Minus); break;
                case '(': Add(Tok::Open); break;
                case ')': Add(Tok::Close); break;
                case '=': Add(Tok::Equals); break;
                case '%': Add(Tok::Percent); break;
                default: throw CheckError("unexpected character in the text");
                }
                ++i;
            }
        }
    }
};

// ---- Expressions ----

struct Node;
using NodePtr = std::shared_ptr<const Node>;
struct Node {
    enum Kind { Number, Letter, Blank, Neg, Add, Sub, Mul, Div, Pow } Op;
    Rational Value;
    char32_t Name = 0;
    NodePtr Left, Right;
};

class Parser {
public:
    explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    // The two sides of the one "=".
    std::pair<NodePtr, NodePtr> Equation() {
        NodePtr left = Sum();
        Expect(Tok::Equals, "\"=\" expected");
        NodePtr right = Sum();
        if (pos_ != tokens_.size()) throw CheckError("text after the right side");
        return {left, right};
    }
    NodePtr Expression() {
        NodePtr e = Sum();
        if (pos_ != tokens_.size()) throw CheckError("text after the expression");
        return e;
    }

private:
    static NodePtr Make(Node::Kind op, NodePtr l = nullptr, NodePtr r = nullptr) {
        return std::make_shared<const Node>(Node{op, Rational(0), 0, std::move(l), std::move(r)});
    }
    bool At(Tok kind) const { return pos_ < tokens_.size() && tokens_[pos_].Kind == kind; }
    void Expect(Tok kind, const char* message) {
        if (!At(kind)) throw CheckError(message);
        ++pos_;
    }

    NodePtr Sum() {
        NodePtr value = Product();
        while (At(Tok::Plus) || At(Tok::Minus)) {
            const bool plus = At(Tok::Plus);
            ++pos_;
            value = Make(plus ? Node::Add : Node::Sub, value, Product());
        }
        return value;
    }
    NodePtr Product() {
        NodePtr value = Unary();
        while (At(Tok::Times) || At(Tok::Divide)) {
            const bool times = At(Tok::Times);
            ++pos_;
            value = Make(times ? Node::Mul : Node::Div, value, Unary());
        }
        return value;
    }
    NodePtr Unary() {
        if (At(Tok::Minus)) {
            ++pos_;
            return Make(Node::Neg, Unary());
        }
        return Juxtaposition();
    }
    // Factors written side by side (3x, 2ab, 1/2 x, (x+1)(x-1), ?x) multiply; a number can only
    // stand first.
    NodePtr Juxtaposition() {
        NodePtr value = Postfix();
        while (At(Tok::Letter) || At(Tok::Open) || At(Tok::Blank)) value = Make(Node::Mul, value, Postfix());
        if (At(Tok::Number)) throw CheckError("a number written right after another factor");
        return value;
    }
    NodePtr Postfix() {
        NodePtr value = Power();
        while (At(Tok::Percent)) {
            ++pos_;
            auto hundred =
                std::make_shared<const Node>(Node{Node::Number, Rational(100), 0, nullptr, nullptr});
            value = Make(Node::Div, value, hundred);
        }
        return value;
    }
    NodePtr Power() {
        NodePtr value = Atom();
        while (At(Tok::Power)) {
            ++pos_;
            value = Make(Node::Pow, value, Atom());
        }
        return value;
    }
    NodePtr Atom() {
        if (pos_ >= tokens_.size()) throw CheckError("the text ends too early");
        const Token& t = tokens_[pos_++];
        switch (t.Kind) {
        case Tok::Number:
            return std::make_shared<const Node>(Node{Node::Number, t.Value, 0, nullptr, nullptr});
        case Tok::Letter:
            return std::make_shared<const Node>(Node{Node::Letter, Rational(0), t.Name, nullptr, nullptr});
        case Tok::Blank: return Make(Node::Blank);
        case Tok::Open: {
            NodePtr inner = Sum();
            Expect(Tok::Close, "\")\" expected");
            return inner;
        }
        default: throw CheckError("a number, letter or bracket expected");
        }
    }

    std::vector<Token> tokens_;
    size_t pos_ = 0;
};

inline std::vector<Token> Tokenize(std::string_view markup) {
    Tokenizer t;
    t.Markup(Decode(markup));
    return t.Tokens;
}

using Values = std::map<char32_t, Rational>;

// The value with the letters' values and the blank's value `blank`.
inline Rational Evaluate(const NodePtr& n, const Values& values, const std::optional<Rational>& blank) {
    switch (n->Op) {
    case Node::Number: return n->Value;
    case Node::Letter: {
        const auto it = values.find(n->Name);
        if (it == values.end()) throw CheckError("a letter without a value");
        return it->second;
    }
    case Node::Blank:
        if (!blank) throw CheckError("the blank where no number is typed");
        return *blank;
    case Node::Neg: return -Evaluate(n->Left, values, blank);
    case Node::Add: return Evaluate(n->Left, values, blank) + Evaluate(n->Right, values, blank);
    case Node::Sub: return Evaluate(n->Left, values, blank) - Evaluate(n->Right, values, blank);
    case Node::Mul: return Evaluate(n->Left, values, blank) * Evaluate(n->Right, values, blank);
    case Node::Div: return Evaluate(n->Left, values, blank) / Evaluate(n->Right, values, blank);
    default: {
        const Rational exponent = Evaluate(n->Right, values, blank);
        if (!exponent.IsInteger() || exponent.Num() > 64 || exponent.Num() < -64)
            throw CheckError("an exponent that is no small whole number");
        const Rational base = Evaluate(n->Left, values, blank);
        if (base.Sign() == 0 && exponent.Num() <= 0) throw CheckError("0 to a power that is not positive");
        return base.Pow(exponent.Num());
    }
    }
}

// ---- Which numbers fill the blank ----

// The numbers that make an equation true at one or at all points: none, exactly one, or every number.
struct Solutions {
    enum Kind { None, One, All } Which = All;
    Rational Number;

    void Intersect(const Solutions& other) {
        if (Which == None || other.Which == All) return;
        if (Which == All) {
            *this = other;
            return;
        }
        if (other.Which == None || other.Number != Number) Which = None;
    }
};

// A value K·B^n where n is the blank in an exponent (B = 1: no blank).
struct PowerTerm {
    Rational K, B;
};

inline PowerTerm EvaluateWithExponentBlank(const NodePtr& n, const Values& values) {
    switch (n->Op) {
    case Node::Blank: throw CheckError("the blank outside an exponent");
    case Node::Neg: {
        const PowerTerm t = EvaluateWithExponentBlank(n->Left, values);
        return {-t.K, t.B};
    }
    case Node::Add:
    case Node::Sub: {
        const PowerTerm l = EvaluateWithExponentBlank(n->Left, values);
        const PowerTerm r = EvaluateWithExponentBlank(n->Right, values);
        if (l.B != Rational(1) || r.B != Rational(1)) throw CheckError("a power with the blank in a sum");
        return {n->Op == Node::Add ? l.K + r.K : l.K - r.K, Rational(1)};
    }
    case Node::Mul:
    case Node::Div: {
        const PowerTerm l = EvaluateWithExponentBlank(n->Left, values);
        const PowerTerm r = EvaluateWithExponentBlank(n->Right, values);
        if (n->Op == Node::Mul) return {l.K * r.K, l.B * r.B};
        return {l.K / r.K, l.B / r.B};
    }
    case Node::Pow:
        if (n->Right->Op == Node::Blank) {
            const PowerTerm base = EvaluateWithExponentBlank(n->Left, values);
            if (base.B != Rational(1)) throw CheckError("the blank twice");
            return {Rational(1), base.K};
        } else {
            const PowerTerm base = EvaluateWithExponentBlank(n->Left, values);
            const Rational exponent = Evaluate(n->Right, values, std::nullopt);
            if (!exponent.IsInteger()) throw CheckError("an exponent that is no whole number");
            return {base.K.Pow(exponent.Num()), base.B.Pow(exponent.Num())};
        }
    default: return {Evaluate(n, values, std::nullopt), Rational(1)};
    }
}

// Exponents of the primes below 1000 in a positive integer; throws for a larger prime factor.
inline std::map<int64_t, int64_t> Factor(int64_t n) {
    static const std::vector<int64_t> primes = [] {
        std::vector<int64_t> list;
        for (int64_t p = 2; p < 1000; ++p) {
            bool prime = true;
            for (int64_t q = 2; q * q <= p; ++q) prime = prime && p % q != 0;
            if (prime) list.push_back(p);
        }
        return list;
    }();
    if (n <= 0) throw CheckError("factoring a number that is not positive");
    std::map<int64_t, int64_t> factors;
    for (const int64_t p : primes) {
        if (n == 1) break;
        while (n % p == 0) n /= p, ++factors[p];
    }
    // What is left has only prime factors above 1000: kept as one key of its own (negative, so
    // it never meets a prime), enough to tell that a number with it is no power of one without.
    if (n != 1) factors[-n] = 1;
    return factors;
}
inline std::map<int64_t, int64_t> Factor(const Rational& r) {
    auto factors = Factor(r.Num() < 0 ? -r.Num() : r.Num());
    for (const auto& [p, k] : Factor(r.Den())) factors[p] -= k;
    std::erase_if(factors, [](const auto& f) { return f.second == 0; });
    return factors;
}

// The exponents n (rational; a typed decimal is one) with target = K·B^n.
inline Solutions SolveExponent(const Rational& target, const PowerTerm& term) {
    Solutions s;
    if (term.K.Sign() == 0) {
        s.Which = target.Sign() == 0 ? Solutions::All : Solutions::None;
        return s;
    }
    const Rational r = target / term.K;
    const Rational& b = term.B;
    if (b == Rational(1)) {
        s.Which = r == Rational(1) ? Solutions::All : Solutions::None;
        return s;
    }
    if (b.Sign() == 0 || b == Rational(-1)) return s; // this point tells nothing about the exponent
    s.Which = Solutions::None;
    if (r.Sign() == 0) return s;
    // |r| = |b|^n: the prime exponents of |r| are n times those of |b|.
    const auto fr = Factor(r.Sign() < 0 ? -r : r);
    const auto fb = Factor(b.Sign() < 0 ? -b : b);
    if (fb.begin()->first < 0) throw CheckError("a base with a large prime factor");
    const auto& [p, k] = *fb.rbegin();
    const Rational n(fr.contains(p) ? fr.at(p) : 0, k);
    for (const auto& [q, kq] : fb)
        if (Rational(fr.contains(q) ? fr.at(q) : 0) != n * Rational(kq)) return s;
    for (const auto& [q, kq] : fr)
        if (!fb.contains(q)) return s;
    // The sign: a positive base gives positive powers; a negative one needs an odd denominator
    // (a real root) and the parity of the numerator decides.
    const int sign = b.Sign() > 0 ? 1 : (n.Den() % 2 == 0 ? 0 : (n.Num() % 2 == 0 ? 1 : -1));
    if (sign != r.Sign()) return s;
    s.Which = Solutions::One;
    s.Number = n;
    return s;
}

// The blank typed as a coefficient: left = right is affine in the blank t. Solutions at one point.
inline Solutions SolveAffine(const NodePtr& left, const NodePtr& right, const Values& values) {
    const auto g = [&](int t) {
        return Evaluate(left, values, Rational(t)) - Evaluate(right, values, Rational(t));
    };
    const Rational g0 = g(0), g1 = g(1), g2 = g(2);
    if (g2 - g1 != g1 - g0) throw CheckError("the two sides are not affine in the blank");
    Solutions s;
    const Rational slope = g1 - g0;
    if (slope.Sign() == 0) {
        s.Which = g0.Sign() == 0 ? Solutions::All : Solutions::None;
        return s;
    }
    s.Which = Solutions::One;
    s.Number = -g0 / slope;
    return s;
}

// Letter values used as evaluation points: non-integer rationals (so no bracket like x − 5 is 0)
// with small prime factors (so exponents can be read off their factorisations).
inline const std::vector<Rational>& PointPool(bool positiveOnly) {
    static const std::vector<Rational> positive = {Rational(5, 2), Rational(7, 3),  Rational(9, 5),
                                                   Rational(4, 7), Rational(3, 10), Rational(14, 5),
                                                   Rational(2, 9), Rational(15, 7), Rational(7, 6)};
    static const std::vector<Rational> mixed = {Rational(5, 2),  Rational(-7, 3),  Rational(9, 5),
                                                Rational(-4, 7), Rational(3, 10),  Rational(-14, 5),
                                                Rational(2, 9),  Rational(-15, 7), Rational(7, 6)};
    return positiveOnly ? positive : mixed;
}

// Point i: the four letters take four different values of the pool.
inline Values Point(int i, bool positiveOnly) {
    const auto& pool = PointPool(positiveOnly);
    const auto at = [&](int k) { return pool[static_cast<size_t>(k) % pool.size()]; };
    return {{'a', at(i)}, {'b', at(i + 2)}, {'x', at(i + 5)}, {'y', at(i + 7)}};
}

inline constexpr int PointCount = 5;

// What fills the blank of "question Ö suffix" (a coefficient before the suffix) or of a question
// with "Ö" in an exponent, as expressions in the letters: the intersection over the points.
// `exponent`: the blank stands in an exponent (otherwise it is a number typed before the suffix).
inline Solutions BlankSolutions(const std::string& equation, bool exponent) {
    auto [left, right] = Parser(Tokenize(equation)).Equation();
    Solutions all;
    for (int i = 0; i < PointCount; ++i) {
        const Values values = Point(i, exponent);
        if (exponent) {
            const Rational target = Evaluate(left, values, std::nullopt);
            all.Intersect(SolveExponent(target, EvaluateWithExponentBlank(right, values)));
        } else {
            all.Intersect(SolveAffine(left, right, values));
        }
    }
    if (all.Which == Solutions::One && !IsTypable(all.Number)) all.Which = Solutions::None;
    return all;
}

// The roots of an equation in one letter that is linear after clearing denominators: the sides
// as polynomial fractions P/Q in the letter, exact.
struct Poly {
    std::vector<Rational> C; // C[i]: coefficient of letter^i
    int Degree() const {
        for (int i = static_cast<int>(C.size()) - 1; i >= 0; --i)
            if (C[static_cast<size_t>(i)].Sign() != 0) return i;
        return -1;
    }
    Rational At(const Rational& v) const {
        Rational r(0);
        for (size_t i = C.size(); i-- > 0;) r = r * v + C[i];
        return r;
    }
};
inline Poly operator*(const Poly& a, const Poly& b) {
    Poly r{std::vector<Rational>(a.C.size() + b.C.size() - 1, Rational(0))};
    for (size_t i = 0; i < a.C.size(); ++i)
        for (size_t j = 0; j < b.C.size(); ++j) r.C[i + j] = r.C[i + j] + a.C[i] * b.C[j];
    return r;
}
inline Poly operator+(const Poly& a, const Poly& b) {
    Poly r{std::vector<Rational>(std::max(a.C.size(), b.C.size()), Rational(0))};
    for (size_t i = 0; i < a.C.size(); ++i) r.C[i] = r.C[i] + a.C[i];
    for (size_t i = 0; i < b.C.size(); ++i) r.C[i] = r.C[i] + b.C[i];
    return r;
}
struct PolyFraction {
    Poly P, Q;
};
inline PolyFraction InLetter(const NodePtr& n, char32_t letter) {
    const auto constant = [](const Rational& v) { return PolyFraction{Poly{{v}}, Poly{{Rational(1)}}}; };
    const auto negate = [](PolyFraction f) {
        for (auto& c : f.P.C) c = -c;
        return f;
    };
    switch (n->Op) {
    case Node::Number: return constant(n->Value);
    case Node::Letter:
        if (n->Name != letter) throw CheckError("a second letter in the equation");
        return PolyFraction{Poly{{Rational(0), Rational(1)}}, Poly{{Rational(1)}}};
    case Node::Blank: throw CheckError("a blank in an equation");
    case Node::Neg: return negate(InLetter(n->Left, letter));
    case Node::Add:
    case Node::Sub: {
        const PolyFraction l = InLetter(n->Left, letter);
        PolyFraction r = InLetter(n->Right, letter);
        if (n->Op == Node::Sub) r = negate(r);
        return PolyFraction{l.P * r.Q + r.P * l.Q, l.Q * r.Q};
    }
    case Node::Mul: {
        const PolyFraction l = InLetter(n->Left, letter), r = InLetter(n->Right, letter);
        return PolyFraction{l.P * r.P, l.Q * r.Q};
    }
    case Node::Div: {
        const PolyFraction l = InLetter(n->Left, letter), r = InLetter(n->Right, letter);
        if (r.P.Degree() < 0) throw CheckError("division by zero");
        return PolyFraction{l.P * r.Q, l.Q * r.P};
    }
    default: {
        const Rational exponent = Evaluate(n->Right, {}, std::nullopt);
        if (!exponent.IsInteger() || exponent.Num() < 0 || exponent.Num() > 8)
            throw CheckError("an exponent of the letter that is not small");
        const PolyFraction base = InLetter(n->Left, letter);
        PolyFraction r = constant(Rational(1));
        for (int64_t i = 0; i < exponent.Num(); ++i) r = PolyFraction{r.P * base.P, r.Q * base.Q};
        return r;
    }
    }
}

// The root of left = right in `letter`, when there is exactly one (the equation reduces to a
// linear one with a root that no denominator excludes); nullopt otherwise.
inline std::optional<Rational> OnlyRoot(const NodePtr& left, const NodePtr& right, char32_t letter) {
    const PolyFraction l = InLetter(left, letter), r = InLetter(right, letter);
    Poly difference = l.P * r.Q;
    const Poly other = r.P * l.Q;
    for (size_t i = 0; i < other.C.size(); ++i) {
        if (i >= difference.C.size()) difference.C.push_back(Rational(0));
        difference.C[i] = difference.C[i] - other.C[i];
    }
    if (difference.Degree() != 1) return std::nullopt;
    const Rational root = -difference.C[0] / difference.C[1];
    if (l.Q.At(root).Sign() == 0 || r.Q.At(root).Sign() == 0) return std::nullopt;
    return root;
}

} // namespace numerava::area6check
