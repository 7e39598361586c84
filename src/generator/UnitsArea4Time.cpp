// Area 4, difficulty 4: units of time. Seconds, minutes and hours to the next unit up, decimal and
// fractional amounts of hours, minutes and days to the next unit down, and hours to days.

#include "core/Format.h"
#include "core/Language.h"
#include "core/Random.h"
#include "generator/UnitsArea4.h"

namespace numerava::units {

namespace {

struct TFraction {
    const char* Text; // fraction item of the mark-up
    int64_t Amount;   // in the next smaller unit
};

// Fractions of an hour in minutes, the same numbers serve a minute in seconds. Two thirds stands
// twice, which makes it twice as likely.
constexpr TFraction HourFractions[20] = {
    {"/<1><2>", 30},  {"/<1><3>", 20},  {"/<2><3>", 40},  {"/<1><4>", 15},  {"/<2><3>", 40},
    {"/<1><5>", 12},  {"/<2><5>", 24},  {"/<3><5>", 36},  {"/<4><5>", 48},  {"/<1><6>", 10},
    {"/<5><6>", 50},  {"/<1><10>", 6},  {"/<2><10>", 12}, {"/<3><10>", 18}, {"/<4><10>", 24},
    {"/<5><10>", 30}, {"/<6><10>", 36}, {"/<7><10>", 42}, {"/<8><10>", 48}, {"/<9><10>", 54},
};

// Fractions of a day in hours; two thirds stands twice here too.
constexpr TFraction DayFractions[11] = {
    {"/<1><2>", 12},  {"/<2><3>", 16},   {"/<1><4>", 6}, {"/<2><3>", 16}, {"/<1><12>", 2}, {"/<5><12>", 10},
    {"/<7><12>", 14}, {"/<11><12>", 22}, {"/<1><6>", 4}, {"/<5><6>", 20}, {"/<1><3>", 8},
};

// Seconds to minutes or minutes to hours: whole amounts divisible by 6, so that R / 60 has at
// most one decimal (R div 6 with one decimal more).
void ToLargerUnit(TGenerateContext& context) {
    context.R = Random(2) == 0 ? DrawAmount({6, 20, 6, 0}) : DrawAmount({30, 10, 30, 0});
    context.Expected = Convert(context.R, {1, 6, 1});
    if (Random(2) == 0) {
        context.Question = "%s s";
        context.Suffix = "min";
    } else {
        context.Question = "%s min";
        context.Suffix = "h";
    }
}

// A decimal or fractional amount of hours in minutes, or of minutes in seconds. A decimal amount
// stays "%s" here, so that the closing step writes it normalised (1 min, not 1,0 min).
void HoursOrMinutesToSmallerUnit(TGenerateContext& context) {
    switch (Random(3)) {
    case 0:
        context.R = DrawAmount({1, 20, 5, 1});
        context.Expected = Convert(context.R, Times(60));
        context.Question = "%s";
        break;
    case 1:
        context.R = DrawAmount({1, 10, 1, 1});
        context.Expected = Convert(context.R, Times(60));
        context.Question = "%s";
        break;
    default: {
        const TFraction& fraction = HourFractions[Random(20)];
        context.Question = fraction.Text;
        context.Expected = MakeNumber(0, fraction.Amount);
        break;
    }
    }
    if (Random(2) == 0) {
        context.Question = Format("&<%s><%s>", {context.Question, " min"});
        context.Suffix = "s";
    } else {
        context.Question = Format("&<%s><%s>", {context.Question, " h"});
        context.Suffix = "min";
    }
}

// Half days 0,5 to 4,5 or a fraction of a day, in hours.
void DaysToHours(TGenerateContext& context) {
    if (Random(2) == 0) {
        context.R = DrawAmount({10, 5, 5, 1});
        context.Expected = Convert(context.R, Times(24));
        context.Question = "%s";
    } else {
        const TFraction& fraction = DayFractions[Random(11)];
        context.Question = fraction.Text;
        context.Expected = MakeNumber(0, fraction.Amount);
    }
    context.Question = Format("&<%s><%s>", {context.Question, ByLanguage(" dne", " dňa")});
    context.Suffix = "h";
}

// Hours to days: 5 to 7 whole days, or 0,5 to 4,5 days ("of a day" in the genitive).
void HoursToDays(TGenerateContext& context) {
    if (Random(2) == 1) {
        context.R = MakeNumber(0, 24 * (Random(3) + 5));
        context.Suffix = ByLanguage("dnů", "dní");
    } else {
        context.R = MakeNumber(0, 24 * Random(5) + 12);
        context.Suffix = ByLanguage("dne", "dňa");
    }
    context.Question = "%s h";
    context.Expected = Convert(context.R, {5, 12, 1});
}

} // namespace

void GenerateTimeUnits(TGenerateContext& context) {
    switch (Random(6)) {
    case 0:
    case 1: return ToLargerUnit(context);
    case 2:
    case 3: return HoursOrMinutesToSmallerUnit(context);
    case 4: return DaysToHours(context);
    default: return HoursToDays(context);
    }
}

} // namespace numerava::units
