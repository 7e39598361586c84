// The test's own reader of exercises: it must compute what the drawn formula says, and refuse what
// cannot be read, before the soak tests may trust it.

#include "generator/MarkupEvaluator.h"

#include <gtest/gtest.h>

#include <optional>

namespace numerava::testing {
namespace {

// The answer as the pupil types it, e.g. "-2,5".
bool Holds(const char* question, const char* suffix, const char* answer) {
    return ExerciseEquation(question, suffix).HoldsFor(ParseDecimal(answer));
}

TEST(MarkupEvaluatorTest, ReadsFormulasAsDrawn) {
    const struct {
        const char* Question;
        const char* Suffix;
        const char* Right; // makes the equation true
        const char* Wrong; // does not
    } cases[] = {
        {"&<200 + 3 * 100>< = >", "", "500", "2300"},          // product before sum
        {"&<4000 : 2 : 4>< = >", "", "500", "8000"},           // left to right
        {"&<20 - 5 - 3>< = >", "", "12", "18"},                // left to right
        {"&<5 * (16 - 10)>< = >", "", "30", "70"},             // brackets
        {"3,5 * 0,4 = ", "", "1,4", "14"},                     // a bare "*" is the product dot
        {"-4 : (-2) = ", "", "2", "-2"},                       // a bare ":" is the colon
        {"5 - (-3) = ", "", "8", "2"},                         // a bracketed negative number
        {"&<-25 : 10>< = >", "", "-2,5", "2,5"},               // a leading minus
        {"&<- (3 - 5)>< = >", "", "2", "-8"},                  // a minus before a bracket
        {"&<1,5 *10 + 3>< = >", "", "18", "1,53"},             // "*" followed by plain text
        {"&<&<2></<1><2>>< * ><4>< = >>", "", "10", "9"},      // mixed number before a product
        {"&<7 - &<4>< * ><2></<1><2>>< = >>", "", "-3", "17"}, // nested row
        {"&< &</<7 - 1><2 + 1>>< = >>", "", "2", "4"},         // expressions above and below a bar
        {"&<&</<0,3><1,5>>< = >>", "", "0,2", "2"},            // decimals in a fraction
        {"&< &</<2><5>> z 30 = >", "", "12", "75"},            // a fraction of a number
        {"&< &</<3><7>>< = >>", " : 7", "3", "7"},             // the text after the field
        {"&< &</<3><7>>< = ><3>< : >>", "", "7", "3"},         // the field as a divisor
        {"&<&</<3><8>>< + ></<1><8>>< = ></<4><Ö>>     ? = >", "", "8", "4"},
        {"&< &<2></<1><3>>< = ></<Ö><3>>     ? = >", "", "7", "3"}, // mixed number = improper fraction
        {"&< &</<7><3>>< = ><Ö></<1><3>>     ? = >", "", "2", "7"}, // the blank as a whole part
        {"&<&<1,2>< = ><1></<Ö><5>>     ? = >", "", "1", "2"},
        {"&<&</<1><4>>< + ></<1><4>>< = ></<1><Ö>>     ? = >", "", "2", "8"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(Holds(c.Question, c.Suffix, c.Right)) << c.Question << " with " << c.Right;
        EXPECT_FALSE(Holds(c.Question, c.Suffix, c.Wrong)) << c.Question << " with " << c.Wrong;
    }
}

TEST(MarkupEvaluatorTest, RefusesWhatCannotBeRead) {
    const char* const questions[] = {
        "&<2 +>< = >",                          // operand missing
        "&<2 3>< = >",                          // two numbers side by side
        "&<(2 + 3>< = >",                       // bracket not closed
        "&</<1><2><3>>< = >",                   // a fraction with three groups draws its characters
        "&<2 + 3 = 5>< = >",                    // two equations
        "&<2,>< = >",                           // comma without decimals
        "&<&</<1><2>>< + ></<1><Ö>>>",          // a blank without "? = "
        "&<1 + 1>< = >     ? = ",               // "?" without a blank
        "&<&</<Ö><2>>< = ></<1><Ö>>     ? = >", // two blanks
        "&</<1><2>",                            // unbalanced
        "&<^<2><3>>< = >",                      // a power is not part of these exercises
    };
    for (const char* question : questions) {
        EXPECT_THROW(ExerciseEquation(question, "").HoldsFor(Rational(1)), MarkupError) << question;
    }
}

TEST(MarkupEvaluatorTest, DivisionByZeroIsNoSolution) {
    EXPECT_FALSE(Holds("&<&</<2><4>>< = ></<1><Ö>>     ? = >", "", "0"));
    EXPECT_TRUE(Holds("&<&</<2><4>>< = ></<1><Ö>>     ? = >", "", "2"));
    EXPECT_FALSE(Holds("&< &</<6><3 - 3>>< = >>", "", "0"));
}

} // namespace
} // namespace numerava::testing
