// Area 2, operation 1 over fractions: sums and differences of like fractions and conversions
// between mixed numbers and improper fractions. The case writes the whole body (a fraction m/o is
// the item "/<m><o>", a mixed number w m/o the row "&<w></<m><o>>") and the closing step wraps it.

#include "generator/Area2Parts.h"

namespace numerava::area2 {

namespace {

// The numbers of a mixed number w m/o: a whole part 1..3 and a proper fraction that does not
// reduce to a unit fraction (o not a multiple of m).
struct MixedNumber {
    int o = 0, m = 0, w = 0;
    int Improper() const { return o * w + m; }
};

MixedNumber DrawMixedNumber() {
    MixedNumber n;
    do {
        n.o = R(10) + 2;
        n.m = R(10) + 1;
        n.w = R(3) + 1;
    } while (!(n.m < n.o && n.o % n.m != 0));
    return n;
}

} // namespace

void AddOrSubtractFractions(TGenerateContext& context) {
    const char* complete = CaptionCompleteFraction();
    int o = 0, m = 0, c = 0;
    const int kind = R(11);
    switch (kind) {
    case 0:
    case 1:
        do {
            o = R(10) + 2;
            m = R(10) + 2;
        } while (!(m < o));
        if (kind == 0)
            return SetBody(context, Cat("&</<", m, "><", o, ">>< + ></<", o - m, "><", o, ">>< = >"), 1);
        return SetBody(context, Cat("&</<", m, "><", o, ">>< - ></<", m, "><", o, ">>< = >"), 0);
    case 2:
    case 3:
        do {
            o = R(10) + 2;
            m = R(10) + 1;
            c = R(10) + 1;
        } while (!(c + m < o));
        if (kind == 2) {
            return SetBody(context, complete,
                           Cat("&</<", m, "><", o, ">>< + ></<", c, "><", o, ">>< = ></<", c + m, "><", Blank,
                               ">>", BlankPrompt),
                           o);
        }
        return SetBody(context, complete,
                       Cat("&</<", m, "><", o, ">>< + ></<", c, "><", o, ">>< = ></<", Blank, "><", o, ">>",
                           BlankPrompt),
                       c + m);
    case 4:
        do {
            o = R(10) + 2;
            m = R(10) + 1;
            c = R(10) + 1;
        } while (!(0 < m - c && m - c < o));
        return SetBody(context, complete,
                       Cat("&</<", m, "><", o, ">>< - ></<", c, "><", o, ">>< = ></<", Blank, "><", o, ">>",
                           BlankPrompt),
                       m - c);
    case 10:
        o = 2 * R(5) + 2;
        return SetBody(context, complete,
                       Cat("&</<1><", o, ">>< + ></<1><", o, ">>< = ></<1><", Blank, ">>", BlankPrompt),
                       o / 2);
    default: break;
    }

    // Kinds 5 to 9: a mixed number and its improper fraction with one number left blank.
    const MixedNumber n = DrawMixedNumber();
    switch (kind) {
    case 5:
        return SetBody(
            context, complete,
            Cat(" &<", n.w, "></<", n.m, "><", n.o, ">>< = ></<", Blank, "><", n.o, ">>", BlankPrompt),
            n.Improper());
    case 6:
        return SetBody(context, complete,
                       Cat(" &<", n.w, "></<", n.m, "><", n.o, ">>< = ></<", n.Improper(), "><", Blank, ">>",
                           BlankPrompt),
                       n.o);
    case 7:
        return SetBody(context, complete,
                       Cat(" &</<", n.Improper(), "><", n.o, ">>< = ><", Blank, "></<", n.m, "><", n.o, ">>",
                           BlankPrompt),
                       n.w);
    case 8:
        return SetBody(context, complete,
                       Cat(" &</<", n.Improper(), "><", n.o, ">>< = ><", n.w, "></<", Blank, "><", n.o, ">>",
                           BlankPrompt),
                       n.m);
    default:
        return SetBody(context, complete,
                       Cat(" &</<", n.Improper(), "><", n.o, ">>< = ><", n.w, "></<", n.m, "><", Blank, ">>",
                           BlankPrompt),
                       n.o);
    }
}

} // namespace numerava::area2
