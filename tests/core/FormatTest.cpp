#include "core/Format.h"

#include <gtest/gtest.h>

namespace numerava {
namespace {

TEST(Format, ServesTheDirectivesOfTheProgramTexts) {
    EXPECT_EQ(Format("NU %d: %s", {3, "Vše"}), "NU 3: Vše");
    EXPECT_EQ(Format("%.2d:%.2d", {5, 7}), "05:07");
    EXPECT_EQ(Format("%.2d", {-5}), "-05");
    EXPECT_EQ(Format("%.2d", {123}), "123");
    EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b", "c"}), "b a b"); // an index moves the argument cursor
    EXPECT_EQ(Format("100 %% jistě", {}), "100 % jistě");
    EXPECT_EQ(Format("[%5s|%-5s]", {"ab", "cd"}), "[   ab|cd   ]");
    EXPECT_EQ(Format("[%3s]", {"čč"}), "[ čč]"); // width counts letters, not bytes
    EXPECT_EQ(Format("%.2s", {"žluť"}), "žl");
    EXPECT_EQ(Format("%x %u", {255, 7}), "FF 7");
    EXPECT_EQ(Format("%d", {INT64_MIN}), "-9223372036854775808");
}

TEST(Format, CopiesWhatItCannotServeLiterally) {
    // Patterns may come from a data file: nothing in them may crash or read a missing argument.
    const struct {
        const char* pattern;
        const char* result;
    } cases[] = {
        {"%s and %s", "x and %s"},
        {"%d", "%d"},
        {"%", "%"},
        {"50%", "50%"},
        {"%q", "%q"},
        {"%9:s", "%9:s"},
        {"%.", "%."},
        {"%99999999999999999999d", "%99999999999999999999d"},
        {"%-", "%-"},
        {"%s%", "x%"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(c.pattern, {"x"}), c.result) << c.pattern;
    EXPECT_EQ(Format("%s", {5}), "%s");   // a number where a text is expected
    EXPECT_EQ(Format("%d", {"5"}), "%d"); // a text where a number is expected
}

} // namespace
} // namespace numerava
