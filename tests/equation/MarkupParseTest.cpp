#include "equation/Markup.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace numerava {
namespace {

TEST(IsMarkupControl, KnowsTheControlCharacters) {
    for (char32_t c : std::u32string_view(U"#&*/:;@\\^_~ÄÖ"))
        EXPECT_TRUE(IsMarkupControl(c)) << static_cast<unsigned>(c);
    for (char32_t c : std::u32string_view(U"<> a0?=,äöÁ%"))
        EXPECT_FALSE(IsMarkupControl(c)) << static_cast<unsigned>(c);
}

TEST(ParseMarkup, SplitsKindAndArguments) {
    const struct {
        const char* text;
        char32_t kind;
        std::vector<std::string> args;
    } cases[] = {
        // Single items: the groups' contents, inner brackets kept.
        {"/<1><2>", U'/', {"1", "2"}},
        {"^<;</<%d><%d>>><2>", U'^', {";</<%d><%d>>", "2"}},
        {"#<*<%d><%d + %d>>< >", U'#', {"*<%d><%d + %d>", " "}},
        {"&<0,25>< = ></<Ö><7>>", KindRow, {"0,25", " = ", "/<Ö><7>"}},
        {"\\<a/b>", KindLiteral, {"a/b"}},
        {"\\<Ä>", KindLiteral, {"Ä"}},
        {"/<><>", U'/', {"", ""}},
        // A control character without groups.
        {"*", U'*', {}},
        {"_", U'_', {}},
        {"~", U'~', {}},
        {"Ä", KindNotEqual, {}},
        {"Ö", KindBlank, {}},
        // Rows: a control item ends at the first non-bracket character at depth 0.
        {"/<1><2>/<3><4>", KindRow, {"/<1><2>", "/<3><4>"}},
        {"/<1><2> h", KindRow, {"/<1><2>", " h"}},
        {"Ä0    ", KindRow, {"Ä", "0    "}},
        {"^<Ö>     ?=", KindRow, {"^<Ö>", "     ?="}},
        {"ÄÖ", KindRow, {"Ä", "Ö"}},
        {"xÄy", KindRow, {"x", "Ä", "y"}},
        {"ab/<1><2>c", KindRow, {"ab", "/<1><2>", "c"}},
        {"/<1><2>*/<3><4>", KindRow, {"/<1><2>", "*", "/<3><4>"}},
        {"/<1><2>x<3>", KindRow, {"/<1><2>", "x<3>"}},
        {"\\<a>b", KindRow, {"\\<a>", "b"}},
        // Plain text, brackets included, is one argument.
        {"a<b>c", KindNone, {"a<b>c"}},
        {"12 cm", KindNone, {"12 cm"}},
        {"<1>", KindNone, {"<1>"}},
        // Empty or unbalanced after a leading control character: nothing.
        {"", KindNone, {}},
        {"/<1><2", KindNone, {}},
        {"/<1><<2>", KindNone, {}},
        {"^<;</<1><2>><2>", KindNone, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseMarkup(c.text), (TParsedMarkup{c.kind, c.args})) << c.text;
}

TEST(WrapPieces, TakesRowsAndPlainTextOnly) {
    const struct {
        const char* text;
        bool wraps;
        std::vector<std::string> pieces;
    } cases[] = {
        {"ab /<1><2> cd", true, {"ab ", "/<1><2>", " cd"}},
        {"&<ab ><cd>", true, {"ab ", "cd"}},
        {"ab cd", true, {"ab cd"}},
        {"/<1><2>", false, {}},
        {"~<ab cd>", false, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> pieces;
        EXPECT_EQ(WrapPieces(ParseMarkup(c.text), pieces), c.wraps) << c.text;
        EXPECT_EQ(pieces, c.pieces) << c.text;
    }
}

} // namespace
} // namespace numerava
