// Area 4, difficulty 1: units for the first school years. Whole amounts of length, mass and time
// written straight into the Question (no amount for the closing step), some with a remainder that
// the Suffix names ("57 cm = ? dm + 7 cm"), and simple fractions of an hour, a minute and a unit.

#include "core/Language.h"
#include "core/Random.h"
#include "generator/Draws.h"
#include "generator/UnitsArea4.h"

#include <string>
#include <type_traits>

namespace numerava::units {

namespace {

// The word for days after a count: 1 den, 2 to 4 dny, 5 and more dní.
const char* DayWord(int count) {
    if (count == 1) return ByLanguage("den", "deň");
    if (count >= 2 && count <= 4) return ByLanguage("dny", "dni");
    return ByLanguage("dní", "dní");
}

void Set(TGenerateContext& context, std::string question, std::string suffix, int expected) {
    context.Question = std::move(question);
    context.Suffix = std::move(suffix);
    context.Expected = MakeNumber(0, expected);
}

// A unit pair: the larger unit and the smaller one.
struct TPair {
    const char* Large;
    const char* Small;
};

// Whole amounts of a smaller unit that convert into whole larger units: x small / large.
void Down(TGenerateContext& context, int x, const TPair& pair, int factor) {
    Set(context, Cat(x, " ", pair.Small), pair.Large, x / factor);
}

// x large / small.
void Up(TGenerateContext& context, int x, const TPair& pair, int factor) {
    Set(context, Cat(x, " ", pair.Large), pair.Small, x * factor);
}

// (factor * x + y) small / "large + y small": the answer is x.
void DownWithRemainder(TGenerateContext& context, int x, int y, const TPair& pair, int factor) {
    Set(context, Cat(factor * x + y, " ", pair.Small), Cat(pair.Large, " + ", y, " ", pair.Small), x);
}

// "x large + y small" / small: the answer is factor * x + y. The target unit carries a trailing blank.
void UpWithRemainder(TGenerateContext& context, int x, int y, const TPair& pair, int factor,
                     const char* joint) {
    Set(context, Cat(x, " ", pair.Large, joint, y, " ", pair.Small), Cat(pair.Small, " "), factor * x + y);
}

// y for kinds 11 and 31: a round hundred, a round ten, any number or a single digit, below 1000.
int ThousandthsRemainder() {
    switch (R(4)) {
    case 0: return 100 * (R(9) + 1);
    case 1: return 10 * (R(98) + 1);
    case 2: return R(998) + 1;
    default: return R(9) + 1;
    }
}

// Fractions of an hour and of a minute, and one whole hour in seconds.
void FractionOfHourOrMinute(TGenerateContext& context) {
    static constexpr const char* fractions[8] = {"/<1><2>", "/<1><4>",  "/<3><4>",  "/<1><3>",
                                                 "/<2><3>", "/<1><10>", "/<3><10>", "/<9><10>"};
    static constexpr int amounts[8] = {30, 15, 45, 20, 40, 6, 18, 54};
    const int entry = R(17);
    if (entry < 8) return Set(context, Cat(fractions[entry], " h"), "min", amounts[entry]);
    if (entry < 16) return Set(context, Cat(fractions[entry - 8], " min"), "s", amounts[entry - 8]);
    Set(context, "1 h", "s", 3600);
}

// A half, a quarter, three quarters or a tenth of a unit in a unit 100, 1000 or 10 times smaller.
void FractionOfUnit(TGenerateContext& context) {
    struct TGroup {
        const char* Fraction;
        int Amount;
    };
    static constexpr TGroup hundredths[4] = {
        {"/<1><2>", 50}, {"/<1><4>", 25}, {"/<3><4>", 75}, {"/<1><10>", 10}};
    static constexpr TGroup thousandths[4] = {
        {"/<1><2>", 500}, {"/<1><4>", 250}, {"/<1><10>", 100}, {"/<3><4>", 750}};
    static constexpr TPair hundredPairs[4] = {{"m", "cm"}, {"kg", "dkg"}, {"kg", "dag"}, {"q", "kg"}};
    static constexpr TPair thousandPairs[4] = {{"km", "m"}, {"kg", "g"}, {"m", "mm"}, {"t", "kg"}};
    static constexpr TPair tenPairs[3] = {{"cm", "mm"}, {"dkg", "g"}, {"dag", "g"}};

    const int entry = R(35);
    TGroup group{"/<1><2>", 5};
    TPair pair = tenPairs[0];
    if (entry < 16) {
        group = hundredths[entry / 4];
        pair = hundredPairs[entry % 4];
    } else if (entry < 32) {
        group = thousandths[(entry - 16) / 4];
        pair = thousandPairs[entry % 4];
    } else {
        pair = tenPairs[entry - 32];
    }
    Set(context, Cat(group.Fraction, " ", pair.Large), pair.Small, group.Amount);
}

constexpr TPair CmDm{"dm", "cm"}, DmM{"m", "dm"}, MmCm{"cm", "mm"}, CmM{"m", "cm"}, MmDm{"dm", "mm"},
    MmM{"m", "mm"}, MKm{"km", "m"}, SMin{"min", "s"}, MinH{"h", "min"}, GDag{"dag", "g"}, GDkg{"dkg", "g"},
    QT{"t", "q"}, DagKg{"kg", "dag"}, DkgKg{"kg", "dkg"}, KgQ{"q", "kg"}, GKg{"kg", "g"}, KgT{"t", "kg"};

void Lengths(TGenerateContext& context, int kind) {
    switch (kind) {
    case 0: {
        const int x = 10 * (R(20) + 1);
        const TPair pairs[3] = {CmDm, DmM, MmCm};
        return Down(context, x, pairs[R(3)], 10);
    }
    case 1: {
        const int x = R(20) + 1;
        const TPair pairs[3] = {CmDm, DmM, MmCm};
        return Up(context, x, pairs[R(3)], 10);
    }
    case 2: {
        const int x = R(10) + 1, y = R(9) + 1;
        const TPair pairs[3] = {CmDm, MmCm, DmM};
        return DownWithRemainder(context, x, y, pairs[R(3)], 10);
    }
    case 3: {
        const int x = R(9) + 1, y = R(9) + 1;
        const TPair pairs[3] = {CmDm, DmM, MmCm};
        return UpWithRemainder(context, x, y, pairs[R(3)], 10, " + ");
    }
    case 4: {
        const int x = 100 * (R(20) + 1);
        const TPair pairs[2] = {CmM, MmDm};
        return Down(context, x, pairs[R(2)], 100);
    }
    case 5: {
        const int x = R(20) + 1;
        const TPair pairs[2] = {CmM, MmDm};
        return Up(context, x, pairs[R(2)], 100);
    }
    case 6: {
        // No "+" between the units here: "105 mm = ? dm 5 mm".
        const int x = R(10) + 1, y = R(19) + 1;
        return Set(context, Cat(100 * x + y, " mm"), Cat("dm ", y, " mm"), x);
    }
    case 7: {
        const int x = R(10) + 1, y = R(19) + 1;
        return UpWithRemainder(context, x, y, CmM, 100, " ");
    }
    case 8: {
        const int x = 1000 * (R(20) + 1);
        const TPair pairs[2] = {MmM, MKm};
        return Down(context, x, pairs[R(2)], 1000);
    }
    case 9: {
        const int x = R(20) + 1;
        const TPair pairs[2] = {MmM, MKm};
        return Up(context, x, pairs[R(2)], 1000);
    }
    case 10: {
        // x may be 0: "57 m = ? km + 57 m" has the answer 0.
        const int x = R(10), y = R(99) + 1;
        const TPair pairs[2] = {MKm, MmM};
        return DownWithRemainder(context, x, y, pairs[R(2)], 1000);
    }
    default: {
        // x may be 0: "0 km + 57 m".
        const int x = R(5);
        const int y = ThousandthsRemainder();
        return UpWithRemainder(context, x, y, MKm, 1000, " + ");
    }
    }
}

void TimeUnits(TGenerateContext& context, int kind) {
    switch (kind) {
    case 12: {
        const int x = R(10) + 1, y = R(58) + 1;
        const TPair pairs[2] = {SMin, MinH};
        return DownWithRemainder(context, x, y, pairs[R(2)], 60);
    }
    case 13: {
        const int x = R(7) + 1, y = R(59) + 1;
        R(2); // both forms are minutes and seconds
        return UpWithRemainder(context, x, y, SMin, 60, " + ");
    }
    case 14: {
        const int x = R(10) + 1;
        const TPair pairs[2] = {SMin, MinH};
        return Up(context, x, pairs[R(2)], 60);
    }
    case 15: {
        const int x = 60 * (R(10) + 1);
        const TPair pairs[2] = {SMin, MinH};
        return Down(context, x, pairs[R(2)], 60);
    }
    case 16: {
        const int x = R(7) + 1;
        return Set(context, Cat(x, " ", DayWord(x)), "h", 24 * x);
    }
    case 17: {
        const int x = 24 * (R(6) + 1), y = x / 24;
        return Set(context, Cat(x, " h"), DayWord(y), y);
    }
    case 18: {
        const int x = R(4) + 1, y = R(10) + 1;
        return Set(context, Cat(24 * x + y, " h"), Cat(DayWord(x), " + ", y, " h"), x);
    }
    default: {
        const int x = R(4) + 1, y = R(10) + 1;
        return Set(context, Cat(x, " ", DayWord(x), " + ", y, " h"), "h ", 24 * x + y);
    }
    }
}

void Masses(TGenerateContext& context, int kind) {
    switch (kind) {
    case 20: {
        const int x = 10 * (R(20) + 1);
        const TPair pairs[3] = {GDag, GDkg, QT};
        return Down(context, x, pairs[R(3)], 10);
    }
    case 21: {
        const int x = R(20) + 1;
        const TPair pairs[3] = {GDag, GDkg, QT};
        return Up(context, x, pairs[R(3)], 10);
    }
    case 22: {
        const int x = R(10) + 1, y = R(9) + 1;
        const TPair pairs[3] = {GDag, GDkg, QT};
        return DownWithRemainder(context, x, y, pairs[R(3)], 10);
    }
    case 23: {
        const int x = R(9) + 1, y = R(9) + 1;
        switch (R(3)) {
        case 0: return UpWithRemainder(context, x, y, GDag, 10, " + ");
        case 1: return UpWithRemainder(context, x, y, GDkg, 10, " + ");
        default: return UpWithRemainder(context, x, y, QT, 10, " "); // "3 t 4 q"
        }
    }
    case 24: {
        const int x = 100 * (R(20) + 1);
        const TPair pairs[3] = {DagKg, DkgKg, KgQ};
        return Down(context, x, pairs[R(3)], 100);
    }
    case 25: {
        const int x = R(20) + 1;
        const TPair pairs[3] = {DagKg, DkgKg, KgQ};
        return Up(context, x, pairs[R(3)], 100);
    }
    case 26: {
        const int x = R(10) + 1, y = R(99) + 1;
        const TPair pairs[2] = {DagKg, DkgKg};
        return DownWithRemainder(context, x, y, pairs[R(2)], 100);
    }
    case 27: {
        const int x = R(10) + 1, y = R(99) + 1;
        const TPair pairs[2] = {DkgKg, DagKg};
        return UpWithRemainder(context, x, y, pairs[R(2)], 100, " + ");
    }
    case 28: {
        const int x = 1000 * (R(20) + 1);
        const TPair pairs[2] = {GKg, KgT};
        return Down(context, x, pairs[R(2)], 1000);
    }
    case 29: {
        const int x = R(20) + 1;
        const TPair pairs[2] = {GKg, KgT};
        return Up(context, x, pairs[R(2)], 1000);
    }
    case 30: {
        const int x = R(10) + 1, y = R(999) + 1;
        const TPair pairs[2] = {GKg, KgT};
        return DownWithRemainder(context, x, y, pairs[R(2)], 1000);
    }
    default: {
        const int x = R(5) + 1;
        const int y = ThousandthsRemainder();
        const TPair pairs[2] = {GKg, KgT};
        return UpWithRemainder(context, x, y, pairs[R(2)], 1000, " + ");
    }
    }
}

} // namespace

void GeneratePrimaryUnits(TGenerateContext& context) {
    const int kind = R(37);
    if (kind <= 11) return Lengths(context, kind);
    if (kind <= 19) return TimeUnits(context, kind);
    if (kind <= 31) return Masses(context, kind);
    if (kind <= 33) return FractionOfHourOrMinute(context);
    FractionOfUnit(context);
}

} // namespace numerava::units
