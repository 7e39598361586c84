// Area 2, operation 2 over fractions: expanding and reducing, products of fractions and of a
// fraction and a whole number, and a fraction of a number ("2/5 z 30": two fifths of 30).

#include "generator/Area2Parts.h"

namespace numerava::area2 {

namespace {

// A proper fraction m/o that does not reduce to a unit fraction (o not a multiple of m).
bool Proper(int m, int o) { return m < o && o % m != 0; }

} // namespace

void MultiplyFractions(TGenerateContext& context) {
    const char* complete = CaptionCompleteFraction();
    int o = 0, m = 0, c = 0, d = 0;
    switch (R(8)) {
    case 0:
        do {
            o = R(10) + 2;
            m = R(10) + 1;
            c = R(2) != 0 ? 10 : R(3) + 2;
        } while (!Proper(m, o));
        return SetBody(context, complete,
                       Cat(" &</<", m, "><", o, ">>< = ></<", Blank, "><", o * c, ">>", BlankPrompt), m * c);
    case 1:
        do {
            o = R(10) + 2;
            m = R(10) + 1;
            c = R(2) != 0 ? 10 : R(3) + 2;
        } while (!Proper(m, o));
        return SetBody(context, complete,
                       Cat(" &</<", m * c, "><", o * c, ">>< = ></<", Blank, "><", o, ">>", BlankPrompt), m);
    case 2:
        do {
            o = R(10) + 2;
            m = R(10) + 1;
            c = R(10) + 2;
            d = R(10) + 1;
        } while (!(Proper(m, o) && d < c && c % d != 0));
        return SetBody(context, complete,
                       Cat("&</<", m, "><", o, ">>< * ></<", d, "><", c, ">>< = ></<", Blank, "><", o * c,
                           ">>", BlankPrompt),
                       m * d);
    case 3:
        do {
            o = R(10) + 2;
            m = R(10) + 1;
            c = R(3) + 2;
        } while (!Proper(m, o));
        R(2); // one further draw that decides nothing
        return SetBody(
            context, complete,
            Cat(" &</<", m, "><", o, ">>< * ><", c, ">< = ></<", Blank, "><", o, ">>", BlankPrompt), m * c);
    case 4: // 2o times 1/o in either order
        o = R(9) + 2;
        if (R(2) == 0) return SetBody(context, Cat(" &<", 2 * o, ">< * ></<1><", o, ">>< = >"), 2);
        return SetBody(context, Cat(" &</<1><", o, ">>< * ><", 2 * o, ">< = >"), 2);
    case 5: // o times 1/o in either order
        o = R(9) + 2;
        if (R(2) == 0) return SetBody(context, Cat(" &<", o, ">< * ></<1><", o, ">>< = >"), 1);
        return SetBody(context, Cat(" &</<1><", o, ">>< * ><", o, ">< = >"), 1);
    case 6:
        do {
            o = R(9) + 2;
            m = R(9) + 2;
            c = R(100) + 2;
        } while (!(c % o == 0 && m < o));
        return SetBody(context, Cat(" &</<", m, "><", o, ">> z ", c, " = "), m * (c / o));
    default:
        o = R(9) + 2;
        m = R(2) == 0 ? R(9) + 2 : 10 * R(9) + 20;
        return SetBody(context, Cat(" &</<1><", o, ">> z ", o * m, " = "), m);
    }
}

} // namespace numerava::area2
