// Word splitting and the justified layout. Positions are worked out from the fake canvas's metrics
// (FakeCanvas.h): at font height -20 every character is 10 x 20, a fraction of two digits 20 x 50.
// The layout's origin is (5, 7).
#include "equation/FakeCanvas.h"
#include "equation/Markup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace numerava {
namespace {

using test::Sorted;
using test::TRecordingCanvas;
using TStrings = std::vector<std::string>;

TEST(WrapWords, SplitsAtSpacesButKeepsFormulasWhole) {
    const struct {
        TStrings pieces;
        TStrings words;
    } cases[] = {
        {{"ab cd"}, {"ab", "cd"}},
        {{"ab  cd"}, {"ab", "", "cd"}},
        {{"a b "}, {"a", "b"}},
        {{" a"}, {"", "a"}},
        {{"/<1><2>"}, {"/<1><2>"}},
        // A formula touching the word before it joins it as a row.
        {{"a ", "/<1><2>", "/<3><4>"}, {"a", "&</<1><2>></<3><4>>"}},
        {{"x", "/<1><2>"}, {"&<x></<1><2>>"}},
        // A literal item is plain text here: its spaces split it.
        {{"x ", "\\<a b>"}, {"x", "\\<a", "b>"}},
    };
    for (const auto& c : cases) EXPECT_EQ(WrapWords(c.pieces), c.words) << c.pieces.front();
}

// Text touching a formula joins it in the same row form, also when the text before the first space
// is empty.
TEST(WrapWords, JoinsTextTouchingAFormulaAsARow) {
    const struct {
        TStrings pieces;
        TStrings words;
    } cases[] = {
        {{"a ", "/<1><2>", "b"}, {"a", "&</<1><2>><b>"}},
        {{"x", "/<1><2>", "y z"}, {"&<&<x></<1><2>>><y>", "z"}},
        {{"^<;</<1><2> something>><2>", "ddd  ", "~<ahoj, jak se vede?>", " Dobre, a jak tobe? ",
          "~<Docela to ujde, dik...>"},
         {"&<^<;</<1><2> something>><2>><ddd>", "", "&<~<ahoj, jak se vede?>><>", "Dobre,", "a", "jak",
          "tobe?", "~<Docela to ujde, dik...>"}},
    };
    for (const auto& c : cases) EXPECT_EQ(WrapWords(c.pieces), c.words) << c.pieces.front();
}

TEST(LayoutWrapped, JustifiesFullLinesAndLeftAlignsTheRest) {
    const struct {
        const char* name;
        TStrings pieces;
        int width;
        TStrings calls; // in any order
    } cases[] = {
        // 20 + 10 + 20 + 10 + 20 + 10 = 90 < 100, "dd" overflows and is carried: three words justified
        // with gaps of (100 - 60) div 2 = 20, then "dd" alone.
        {"justified",
         {"aa bb cc dd"},
         100,
         {"text 5,7 'aa' h-20", "text 45,7 'bb' h-20", "text 85,7 'cc' h-20", "text 5,27 'dd' h-20"}},
        // The width reached exactly: left-aligned with gaps of 10, nothing carried.
        {"exact", {"aa bb cc"}, 60, {"text 5,7 'aa' h-20", "text 35,7 'bb' h-20", "text 5,27 'cc' h-20"}},
        // The last line runs out of words: left-aligned with gaps of 10.
        {"last line",
         {"aa bb cc dd e f"},
         100,
         {"text 5,7 'aa' h-20", "text 45,7 'bb' h-20", "text 85,7 'cc' h-20", "text 5,27 'dd' h-20",
          "text 35,27 'e' h-20", "text 55,27 'f' h-20"}},
        // One word before the carried one is painted at x0.
        {"one before carried",
         {"aaa bbb c"},
         50,
         {"text 5,7 'aaa' h-20", "text 5,27 'bbb' h-20", "text 5,47 'c' h-20"}},
        // A word wider than the line is painted alone at x0.
        {"too wide", {"aaaaaaaaaaaa bb"}, 100, {"text 5,7 'aaaaaaaaaaaa' h-20", "text 5,27 'bb' h-20"}},
        // Empty words take a gap.
        {"empty word", {"a  b"}, 100, {"text 5,7 'a' h-20", "text 35,7 'b' h-20"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TRecordingCanvas canvas;
        LayoutWrapped(canvas, c.pieces, 5, 7, 1000, c.width);
        EXPECT_EQ(canvas.SortedCalls(), Sorted(c.calls));
    }
}

// A tall formula (20 + 10 wide, 50 high) in the first line sets a pitch of 50 that the next two lines
// keep; the long word's one-word line sets it back to 20. Lines start at y = 0, 50, 100, 150, 170.
TEST(LayoutWrapped, KeepsTheTallestPitchUntilAOneWordLine) {
    const TStrings pieces{"aa ", "/<1><2>", "x bb cc dd ee ff gg hhhhhhhhhhhh ii"};
    const std::vector<TStrings> lines{
        // aa, the formula joined with "x", bb: exactly 100, left-aligned, top-aligned.
        {"text 5,7 'aa' h-20", "line 35,32 55,32 w3", "text 40,7 '1' h-20", "text 40,37 '2' h-20",
         "text 55,22 'x' h-20", "text 75,7 'bb' h-20"},
        // ff carried; gaps (100 - 60) div 2.
        {"text 5,57 'cc' h-20", "text 45,57 'dd' h-20", "text 85,57 'ee' h-20"},
        // The long word carried; gap (100 - 40) div 1.
        {"text 5,107 'ff' h-20", "text 85,107 'gg' h-20"},
        {"text 5,157 'hhhhhhhhhhhh' h-20"},
        {"text 5,177 'ii' h-20"},
    };
    // Lines that start at or below the height bound are not drawn.
    const struct {
        int height;
        size_t lines;
    } bounds[] = {{1000, 5}, {171, 5}, {170, 4}, {101, 3}, {100, 2}, {51, 2}, {50, 1}};
    for (const auto& b : bounds) {
        SCOPED_TRACE(b.height);
        TRecordingCanvas canvas;
        LayoutWrapped(canvas, pieces, 5, 7, b.height, 100);
        TStrings expected;
        for (size_t i = 0; i < b.lines; ++i)
            expected.insert(expected.end(), lines[i].begin(), lines[i].end());
        EXPECT_EQ(canvas.SortedCalls(), Sorted(expected));
    }
}

} // namespace
} // namespace numerava
