// Area 2, operation 3 over fractions: a fraction as a quotient, fractions and decimals into each
// other, lowest terms and quotients of fractions.

#include "generator/Area2Parts.h"

#include <array>
#include <cstddef>
#include <utility>

namespace numerava::area2 {

namespace {

// A fixed row of the decimal-to-fraction kinds: the body's prefix, the number written after it and
// the answer.
struct DecimalRow {
    const char* Prefix;
    int Number;
    int Answer;
};

// 0,25 = ?/4 and the like: the blank is the numerator.
constexpr std::array<DecimalRow, 15> BlankNumerators = {{
    {"&<0,25>< = ></<Ö><", 4, 1},
    {"&<0,75>< = ></<Ö><", 4, 3},
    {"&<0,2>< = ></<Ö><", 5, 1},
    {"&<0,4>< = ></<Ö><", 5, 2},
    {"&<0,6>< = ></<Ö><", 5, 3},
    {"&<0,8>< = ></<Ö><", 5, 4},
    {"&<0,3>< = ></<Ö><", 10, 3},
    {"&<0,7>< = ></<Ö><", 10, 7},
    {"&<0,9>< = ></<Ö><", 10, 9},
    {"&<1,2>< = ><1></<Ö><", 5, 1},
    {"&<1,2>< = ><1></<Ö><", 10, 2},
    {"&<1,5>< = ><1></<Ö><", 2, 1},
    {"&<1,5>< = ><1></<Ö><", 10, 5},
    {"&<2,5>< = ><2></<Ö><", 2, 1},
    {"&<2,5>< = ><2></<Ö><", 10, 5},
}};

// 0,25 = 1/? and the like: the blank is the denominator.
constexpr std::array<DecimalRow, 9> BlankDenominators = {{
    {"&<0,25>< = ></<", 1, 4},
    {"&<0,75>< = ></<", 3, 4},
    {"&<0,2>< = ></<", 1, 5},
    {"&<0,4>< = ></<", 2, 5},
    {"&<0,6>< = ></<", 3, 5},
    {"&<0,8>< = ></<", 4, 5},
    {"&<0,3>< = ></<", 3, 10},
    {"&<0,7>< = ></<", 7, 10},
    {"&<0,9>< = ></<", 9, 10},
}};

// Fractions in lowest terms (numerator, denominator) that the reducing kinds expand.
constexpr std::array<std::pair<int, int>, 12> LowestTerms = {{
    {2, 3},
    {3, 4},
    {2, 5},
    {3, 5},
    {4, 5},
    {3, 10},
    {7, 10},
    {2, 7},
    {3, 7},
    {4, 7},
    {3, 8},
    {5, 8},
}};

// m/o : c/d with both fractions proper and not reducing to a unit fraction.
struct Quotient {
    int o = 0, m = 0, c = 0, d = 0;
};

Quotient DrawQuotient() {
    Quotient q;
    do {
        q.o = R(8) + 2;
        q.m = R(8) + 1;
        q.c = R(8) + 2;
        q.d = R(8) + 1;
    } while (!(q.m < q.o && q.o % q.m != 0 && q.d < q.c && q.c % q.d != 0));
    return q;
}

} // namespace

void DivideFractions(TGenerateContext& context) {
    const char* complete = CaptionCompleteFraction();
    int o = 0, m = 0, t = 0;
    switch (R(10)) {
    case 0: // o/m = ? : m, or o/m = o : ?
        do {
            o = R(20) + 1;
            m = R(20) + 2;
        } while (!(m != o && o % m != 0));
        if (R(2) != 0) {
            context.Suffix = Cat(" : ", m);
            return SetBody(context, complete, Cat(" &</<", o, "><", m, ">>< = >"), o);
        }
        return SetBody(context, complete, Cat(" &</<", o, "><", m, ">>< = ><", o, ">< : >"), m);
    case 1: // a fraction that is a whole number
        do {
            t = R(2);
            o = t != 0 ? R(30) + 2 : 10 * R(30) + 20;
            m = R(10) + 2;
        } while (o % m != 0);
        return SetBody(context, Cat(" &</<", o, "><", m, ">>< = >"), o / m);
    case 2: { // hundredths or tenths as a decimal
        int denominator = 0;
        do {
            t = R(2);
            o = t != 0 ? R(329) + 1 : R(29) + 1;
            denominator = t != 0 ? 100 : 10;
        } while (o % denominator == 0);
        return SetBody(context, CaptionWriteDecimal(), Cat(" &</<", o, "><", denominator, ">>< = >"), o,
                       t != 0 ? 2 : 1);
    }
    case 3: // halves as a decimal
        o = 2 * R(6) + 1;
        return SetBody(context, CaptionWriteDecimal(), Cat("&</<", o, "><2>>< = >"), 5 * o, 1);
    case 4: {
        o = R(9) + 1;
        m = R(9) + 1;
        const int s = R(20);
        if (s < static_cast<int>(BlankNumerators.size())) {
            const DecimalRow& row = BlankNumerators[static_cast<std::size_t>(s)];
            return SetBody(context, complete, Cat(row.Prefix, row.Number, ">>", BlankPrompt), row.Answer);
        }
        return SetBody(context, complete,
                       Cat("&<", o, ",", m, ">< = ></<", Blank, "><", 10, ">>", BlankPrompt), 10 * o + m);
    }
    case 5: {
        o = R(9) + 1;
        m = R(9) + 1;
        const int s = R(15);
        if (s < static_cast<int>(BlankDenominators.size())) {
            const DecimalRow& row = BlankDenominators[static_cast<std::size_t>(s)];
            return SetBody(context, complete, Cat(row.Prefix, row.Number, "><", Blank, ">>", BlankPrompt),
                           row.Answer);
        }
        return SetBody(context, complete,
                       Cat("&<", o, ",", m, ">< = ></<", 10 * o + m, "><", Blank, ">>", BlankPrompt), 10);
    }
    case 6: { // reduce to lowest terms: the blank is the denominator
        const int c = R(5) + 2;
        const auto [l, h] = LowestTerms[static_cast<std::size_t>(R(12))];
        return SetBody(context, CaptionLowestTerms(),
                       Cat("&</<", l * c, "><", h * c, ">>< = ></<", l, "><", Blank, ">>", BlankPrompt), h);
    }
    case 7: {
        const Quotient q = DrawQuotient();
        return SetBody(context, complete,
                       Cat("&</<", q.m, "><", q.o, ">>< : ></<", q.c, "><", q.d, ">>< = ></<", Blank, "><",
                           q.o * q.c, ">>", BlankPrompt),
                       q.m * q.d);
    }
    case 8: {
        const Quotient q = DrawQuotient();
        return SetBody(context, complete,
                       Cat("&</<", q.m, "><", q.o, ">>< : ></<", q.c, "><", q.d, ">>< = ></<", q.m * q.d,
                           "><", Blank, ">>", BlankPrompt),
                       q.o * q.c);
    }
    default: { // reduce to lowest terms: the blank is the numerator
        const int c = R(5) + 2;
        const auto [g, f] = LowestTerms[static_cast<std::size_t>(R(12))];
        return SetBody(context, CaptionLowestTerms(),
                       Cat("&</<", g * c, "><", f * c, ">>< = ></<", Blank, "><", f, ">>", BlankPrompt), g);
    }
    }
}

} // namespace numerava::area2
