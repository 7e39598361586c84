// The soak's independent reader of area-6 exercises must itself read and decide right: a table of
// exercises with known answers, wrong answers it must refuse, and texts it must not read.

#include "generator/Area6Checker.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace numerava::area6check {
namespace {

struct BlankCase {
    const char* Equation;
    bool Exponent;
    Solutions::Kind Which;
    Rational Number;
};

TEST(Area6Checker, FindsWhatFillsTheBlank) {
    const BlankCase cases[] = {
        // Exponents, also decimal ones, and bases that are powers of one number.
        {"^<;</<2><4>>><3> = /<2^<Ö>><4^<2>>", true, Solutions::One, Rational(1)},
        {"(4*2)^<3> = 4^<2>*2^<Ö>", true, Solutions::One, Rational(5)},
        {"8^<3>*4^<2> = (8*4)^<Ö>", true, Solutions::One, Rational(13, 5)},
        {"4^<3>*2^<2> = (4*2)^<Ö>", true, Solutions::None, Rational(0)}, // 8/3 cannot be typed
        {"^<;</<5><7>>><3> = /<5^<Ö>><7^<2>>", true, Solutions::None, Rational(0)},
        {"(x-5)(x+5)=(x-5)^<Ö>", true, Solutions::None, Rational(0)},
        {"(a+b)*(a+b)=(a+b)^<Ö>", true, Solutions::One, Rational(2)},
        {"(-3)*(-3)*(-3)=(-3)^<Ö>", true, Solutions::One, Rational(3)},
        {"6730 = 6,73*10^<Ö>", true, Solutions::One, Rational(3)},
        {"0,05 = 5*10^<Ö>", true, Solutions::One, Rational(-2)},
        {"/<1><x^<3>> = x^<Ö>", true, Solutions::One, Rational(-3)},
        {"7a^<4> - 2a^<3> = 5a^<Ö>", true, Solutions::None, Rational(0)},
        {"/<^<a><8>><a * ^<a><3>> = a^<Ö>", true, Solutions::One, Rational(4)},
        {"1^<5> = 1^<Ö>", true, Solutions::All, Rational(0)},
        // A number typed before the suffix.
        {"3*(2a+4b) = 6a + Öb", false, Solutions::One, Rational(12)},
        {"7y^<2> - 3y^<2> = Öy^<2>", false, Solutions::One, Rational(4)},
        {"(x+2)*(x-7) = x^<2>+5x-Ö", false, Solutions::None, Rational(0)}, // the middle term is -5x
        {"(x-2)*(x+7) = x^<2>+5x-Ö", false, Solutions::One, Rational(14)},
        {"/<3><4> x = Ö% z čísla x", false, Solutions::One, Rational(75)},
        {"35% z čísla y = Öy", false, Solutions::One, Rational(7, 20)},
        {"0,5a + 3a =Öa", false, Solutions::One, Rational(7, 2)},
        {"x : y = Ö", false, Solutions::None, Rational(0)},
        {"20a : 4b = Ö * /<a><b>", false, Solutions::One, Rational(5)}, // 20a : 4b is 20a/(4b)
        {" -1*(3x+5) = -3x-Ö", false, Solutions::One, Rational(5)},
        {"&</<1><2>x>< + ></<x><2>> = Öx", false, Solutions::One, Rational(1)},
        {"&</<1><2>a>< + ></<1><2>b> = Öx", false, Solutions::None, Rational(0)},
        {"2 = Ö*10^<0>", false, Solutions::One, Rational(2)},
        {"x - x = Ö - Ö", false, Solutions::All, Rational(0)},
        {"/<1><3> x = Öx", false, Solutions::None, Rational(0)}, // 1/3 cannot be typed
    };
    for (const auto& c : cases) {
        const Solutions s = BlankSolutions(c.Equation, c.Exponent);
        EXPECT_EQ(s.Which, c.Which) << c.Equation;
        if (c.Which == Solutions::One && s.Which == Solutions::One) {
            EXPECT_EQ(s.Number, c.Number) << c.Equation << " gave " << s.Number.Text();
        }
    }
}

TEST(Area6Checker, ReadsRootsAndValuesAsWritten) {
    const struct {
        const char* Equation;
        std::optional<Rational> Root; // nullopt: not exactly one root
    } roots[] = {
        {"1,2 + x = 3,5", Rational(23, 10)}, {"/<12><x> = 3", Rational(4)},
        {"-3 = /<12><x>", Rational(-4)},     {"- /<1><7> y = 8", Rational(-56)},
        {"/<b><0,5> = 3", Rational(3, 2)},   {"5*(x + 2) = 5x + 10", std::nullopt},
        {"2x = 2x + 1", std::nullopt},       {"/<0><x> = 0", std::nullopt},
    };
    for (const auto& r : roots) {
        auto [left, right] = Parser(Tokenize(r.Equation)).Equation();
        const char32_t letter = std::string(r.Equation).find('y') != std::string::npos   ? 'y'
                                : std::string(r.Equation).find('b') != std::string::npos ? 'b'
                                                                                         : 'x';
        EXPECT_EQ(OnlyRoot(left, right, letter), r.Root) << r.Equation;
    }

    const struct {
        const char* Expression;
        Rational Value;
    } values[] = {
        {"-2^<4>", Rational(-16)},      {"(-2)^<3>", Rational(-8)},     {"-(3x)^<2>", Rational(-36)},
        {"10^<-3>", Rational(1, 1000)}, {"/<^<x><2>><4>", Rational(1)}, {"x^<2> - 5x + 6", Rational(20)},
        {"3 - /<8><x>", Rational(7)},   {"/<6><x + 5>", Rational(2)},
    };
    for (const auto& v : values) {
        EXPECT_EQ(Evaluate(Parser(Tokenize(v.Expression)).Expression(), {{'x', Rational(-2)}}, std::nullopt),
                  v.Value)
            << v.Expression;
    }
}

// Reads and computes both sides at x = 3.
void ReadAtThree(const char* text) {
    const auto sides = Parser(Tokenize(text)).Equation();
    Evaluate(sides.first, {{'x', Rational(3)}}, std::nullopt);
    Evaluate(sides.second, {{'x', Rational(3)}}, std::nullopt);
}

TEST(Area6Checker, RefusesWhatAPupilCouldNotRead) {
    // Three groups of a fraction, an open group, two numbers side by side, a stray bracket, two
    // equals signs, a missing operand, a prompt, division by zero.
    for (const char* text : {"/<1><2><3> = 5", "&<x = 5", "5 3 = 8", "/<6^<4>><6^<2>>> = 6", "x = = 2",
                             "2 + = 3", "?= 5", "/<1><x - 3> = 1"}) {
        EXPECT_THROW(ReadAtThree(text), CheckError) << text;
    }
}

} // namespace
} // namespace numerava::area6check
