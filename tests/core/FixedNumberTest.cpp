#include "core/FixedNumber.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace numerava {
namespace {

TEST(FormatNumber, WritesDecimalCommaWithoutGrouping) {
    const struct {
        int64_t value;
        int32_t decimals;
        const char* text;
    } cases[] = {
        {7, 3, "0,007"},
        {-25, 0, "-25"},
        {0, 2, "0,00"},
        {5, 1, "0,5"},
        {1234, 2, "12,34"},
        {-5, 1, "-0,5"},
        {1234567, 0, "1234567"},
        {100, 2, "1,00"},
        {0, 0, "0"},
        {0, -1, "N"},
        {3, -1, "Invalid opcode"},
        {INT64_MIN, 0, "-9223372036854775808"},
        {INT64_MAX, 18, "9,223372036854775807"},
        {-1, 19, "-0,0000000000000000001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(MakeNumber(c.decimals, c.value)), c.text) << c.value << " / " << c.decimals;
}

TEST(ParseNumber, ReadsCommaDecimalsAndSign) {
    const struct {
        const char* text;
        int64_t value;
        int32_t decimals;
    } cases[] = {
        {"3,250", 3250, 3},
        {"3,25", 325, 2},
        {"0,50", 50, 2},
        {"5,", 5, 0},
        {"05", 5, 0},
        {",5", 5, 1},
        {"-0,5", -5, 1},
        {"-,5", -5, 1},
        {"+7", 7, 0},
        {"N", 0, -1},
        {"-9223372036854775808", INT64_MIN, 0},
        {"9223372036854775807", INT64_MAX, 0},
        {"922337203685477580,7", INT64_MAX, 1},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseNumber(c.text);
        ASSERT_TRUE(parsed.has_value()) << c.text;
        EXPECT_EQ(*parsed, MakeNumber(c.decimals, c.value)) << c.text;
    }
}

TEST(ParseNumber, RejectsWhatIsNotANumber) {
    for (const char* text :
         {"", ",", "-", "+", "n", "NN", "N1", "1,2,3", "1.5", " 5", "5 ", "1-2", "--1", "x",
          "9223372036854775808", "-9223372036854775809", "99999999999999999999999", "1,0000000000000000000"})
        EXPECT_FALSE(ParseNumber(text).has_value()) << '"' << text << '"';
}

TEST(NormalizeNumber, StripsTrailingZeroDecimalsOnly) {
    const struct {
        TFixedNumber in, out;
    } cases[] = {
        {{3250, 3}, {325, 2}}, {{500, 2}, {5, 0}},   {{0, 4}, {0, 0}},   {{-120, 1}, {-12, 0}},
        {{100, 0}, {100, 0}},  {{105, 1}, {105, 1}}, {{0, -1}, {0, -1}},
    };
    for (const auto& c : cases) {
        TFixedNumber x = c.in;
        NormalizeNumber(x);
        EXPECT_EQ(x, c.out) << c.in.Value << " / " << c.in.Decimals;
    }
}

TEST(SameNumber, ComparesTheNormalisedNumbers) {
    // The pupil's "0,50" is the expected 0,5, "5," is 5, and only "N" matches the special answer.
    EXPECT_TRUE(SameNumber(*ParseNumber("0,50"), MakeNumber(1, 5)));
    EXPECT_TRUE(SameNumber(*ParseNumber("5,"), MakeNumber(0, 5)));
    EXPECT_TRUE(SameNumber(*ParseNumber("3,250"), *ParseNumber("3,25")));
    EXPECT_TRUE(SameNumber(*ParseNumber("N"), SpecialAnswerN()));
    EXPECT_FALSE(SameNumber(*ParseNumber("0"), SpecialAnswerN()));
    EXPECT_FALSE(SameNumber(*ParseNumber("0,5"), MakeNumber(0, 5)));
    EXPECT_FALSE(SameNumber(*ParseNumber("-5"), MakeNumber(0, 5)));
}

} // namespace
} // namespace numerava
