// Sizes and drawing calls of each kind of item, worked out by hand from the fake canvas's metrics
// (FakeCanvas.h): at font height -20 a character is 10 x 20, at -10 it is 5 x 10, at -11 5 x 11.
// Every item is painted at (100, 50).
#include "equation/FakeCanvas.h"
#include "equation/Markup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace numerava {
namespace {

using test::Sorted;
using test::TRecordingCanvas;

struct TGeometryCase {
    const char* markup;
    TSize size;
    std::vector<std::string> calls; // in any order
    int fontHeight = -20;
};

// Sizes in points follow the height at 96 dpi rounded to the nearest value, with negative heights
// (character heights) as the platform's point sizes give: -20 px = 15 pt, 18 pt = -24 px,
// -23 px = 17.25 pt -> 17 pt, 12 pt = -16 px, 7 pt = -9.33 px -> -9 px. The "Ä" case uses -23 px
// because from a whole number of points some of the sizes it derives land on a two-thirds
// fraction, where rounding and truncation would disagree.
const TGeometryCase GeometryCases[] = {
    // Empty, plain and literal text.
    {"", {0, 0}, {}},
    {"ab", {20, 20}, {"text 100,50 'ab' h-20"}},
    {"a<b>", {40, 20}, {"text 100,50 'a<b>' h-20"}},
    {"\\</<1>>", {40, 20}, {"text 100,50 '/<1>' h-20"}},
    // Fraction: bar at hn + 5, numerator and denominator centred.
    {"/<1><234>", {40, 50}, {"line 100,75 140,75 w3", "text 115,50 '1' h-20", "text 105,80 '234' h-20"}},
    // Small fraction: font -20 div 2 - 1 = -11, pen 3 div 2 = 1.
    {":<1><234>", {21, 28}, {"line 100,64 121,64 w1", "text 108,50 '1' h-11", "text 103,67 '234' h-11"}},
    // Nested: -11 div 2 - 1 = -6 (truncated toward zero), pen 1 div 2 = 0.
    {":<:<1><2>><3>",
     {15, 35},
     {"line 100,71 115,71 w1", "line 103,59 112,59 w0", "text 106,50 '1' h-6", "text 106,62 '2' h-6",
      "text 105,74 '3' h-11"}},
    // A positive height halves too: 20 div 2 - 1 = 9.
    {":<1><2>", {10, 24}, {"line 100,62 110,62 w1", "text 103,50 '1' h9", "text 103,65 '2' h9"}, 20},
    // Power: exponent at half height, level with the base's top, adding no height.
    {"^<ab><2>", {25, 20}, {"text 100,50 'ab' h-20", "text 120,50 '2' h-10"}},
    {"^<2>", {5, 20}, {"text 100,50 '2' h-10"}},
    {"^</<1><2>><3>",
     {25, 50},
     {"line 100,75 120,75 w3", "text 105,50 '1' h-20", "text 105,80 '2' h-20", "text 120,50 '3' h-10"}},
    // Root: index 5 x 10, radicand 20 x 20, so w = 33, h = 23; one group means the index " ".
    {"#<ab><3>",
     {33, 23},
     {"text 100,50 '3' h-10", "poly 133,50 110,50 107,73 105,60 100,60 w3", "text 113,53 'ab' h-20"}},
    {"#<ab>< >",
     {33, 23},
     {"text 100,50 ' ' h-10", "poly 133,50 110,50 107,73 105,60 100,60 w3", "text 113,53 'ab' h-20"}},
    {"#<ab>",
     {33, 23},
     {"text 100,50 ' ' h-10", "poly 133,50 110,50 107,73 105,60 100,60 w3", "text 113,53 'ab' h-20"}},
    // Product: at least 24 high, dot centred, operands bottom-aligned.
    {"*<ab><c>", {54, 24}, {"ellipse 128,58 136,66 w3", "text 100,54 'ab' h-20", "text 144,54 'c' h-20"}},
    {"*<ab>", {44, 24}, {"ellipse 128,58 136,66 w3", "text 100,54 'ab' h-20"}},
    {"*", {24, 24}, {"ellipse 108,58 116,66 w3"}},
    {"*</<1><2>><3>",
     {54, 50},
     {"ellipse 128,71 136,79 w3", "line 100,75 120,75 w3", "text 105,50 '1' h-20", "text 105,80 '2' h-20",
      "text 144,80 '3' h-20"}},
    // A bare "*" between two fractions: a 24 x 24 box centred in the 50 high row.
    {"/<1><2>*/<3><4>",
     {64, 50},
     {"line 100,75 120,75 w3", "text 105,50 '1' h-20", "text 105,80 '2' h-20", "ellipse 128,71 136,79 w3",
      "line 144,75 164,75 w3", "text 149,50 '3' h-20", "text 149,80 '4' h-20"}},
    // Parentheses: left half of the box (x+2..x+10), right half of (x+w-10..x+w-2).
    {";</<1><2>>",
     {36, 50},
     {"arc 102,50 110,100 from 106,50 to 106,100 w3", "arc 126,50 134,100 from 130,100 to 130,50 w3",
      "line 108,75 128,75 w3", "text 113,50 '1' h-20", "text 113,80 '2' h-20"}},
    {";<ab><cd>",
     {36, 20},
     {"arc 102,50 110,70 from 106,50 to 106,70 w3", "arc 126,50 134,70 from 130,70 to 130,50 w3",
      "text 108,50 'ab' h-20"}},
    // Symbol face (twice as wide in the fake), then the previous face again.
    {"~<ab>", {40, 20}, {"text 100,50 'ab' h-20 Symbol"}},
    {"&<~<a>><b>", {30, 20}, {"text 100,50 'a' h-20 Symbol", "text 120,50 'b' h-20"}},
    // Fixed space.
    {"_", {5, 0}, {}},
    {"a_b", {25, 20}, {"text 100,50 'a' h-20", "text 115,50 'b' h-20"}},
    // Not-equal sign at 17 pt: "=" at 12 pt, "/" at 7 pt (see the note above).
    {"Ä", {11, 23}, {"text 100,57 '=' h-16", "text 109,59 '/' h-9"}, -23},
    // Blank at 15 pt: "?" at 18 pt, four times in blue around the one in the font's colour.
    {"Ö",
     {10, 20},
     {"text 98,48 '?' h-24 #0000ff", "text 98,51 '?' h-24 #0000ff", "text 101,48 '?' h-24 #0000ff",
      "text 101,51 '?' h-24 #0000ff", "text 100,50 '?' h-24"}},
    // With two groups they measure as a small fraction of them but still draw only the sign.
    {"Ö<1><234>",
     {21, 28},
     {"text 98,48 '?' h-24 #0000ff", "text 98,51 '?' h-24 #0000ff", "text 101,48 '?' h-24 #0000ff",
      "text 101,51 '?' h-24 #0000ff", "text 100,50 '?' h-24"}},
    // At -23 the groups are set at -23 div 2 - 1 = -12: 6 x 12 per character.
    {"Ä<1><234>", {24, 30}, {"text 100,57 '=' h-16", "text 109,59 '/' h-9"}, -23},
    // Rows: side by side, each centred vertically ((h - hi) div 2).
    {"ab/<1><2>c",
     {50, 50},
     {"text 100,65 'ab' h-20", "line 120,75 140,75 w3", "text 125,50 '1' h-20", "text 125,80 '2' h-20",
      "text 140,65 'c' h-20"}},
    {"/<1><2> h",
     {40, 50},
     {"line 100,75 120,75 w3", "text 105,50 '1' h-20", "text 105,80 '2' h-20", "text 120,65 ' h' h-20"}},
    {"a#<b>",
     {33, 23},
     {"text 100,51 'a' h-20", "text 110,50 ' ' h-10", "poly 133,50 120,50 117,73 115,60 110,60 w3",
      "text 123,53 'b' h-20"}},
    // Items with a wrong number of groups show their characters.
    {"/<1><2><3>", {100, 20}, {"text 100,50 '/<1><2><3>' h-20"}},
    {"#<1><2><3>", {100, 20}, {"text 100,50 '#<1><2><3>' h-20"}},
    {"~", {10, 20}, {"text 100,50 '~' h-20"}},
    {"a~", {20, 20}, {"text 100,50 'a' h-20", "text 110,50 '~' h-20"}},
    // Unbalanced brackets after a control character: nothing at all.
    {"/<1><2", {0, 0}, {}},
    {"^<;</<1><2>><2>", {0, 0}, {}},
};

TEST(MarkupGeometry, MeasuresAndPaintsEachKind) {
    for (const TGeometryCase& c : GeometryCases) {
        SCOPED_TRACE(c.markup);
        TRecordingCanvas canvas(c.fontHeight);
        EXPECT_EQ(MeasureMarkup(canvas, c.markup), c.size);
        EXPECT_TRUE(canvas.Calls.empty()) << "measuring drew " << canvas.Calls.front();
        PaintMarkup(canvas, c.markup, 100, 50);
        EXPECT_EQ(canvas.SortedCalls(), Sorted(c.calls));
    }
}

TEST(MarkupGeometry, RestoresFontAndPenAfterEveryItem) {
    const TFontState font{"Arial", -20, {10, 20, 30}, false};
    const TPenState pen{5, {1, 2, 3}};
    for (const TGeometryCase& c : GeometryCases) {
        SCOPED_TRACE(c.markup);
        TRecordingCanvas canvas;
        canvas.SetFont(font);
        canvas.SetPen(pen);
        MeasureMarkup(canvas, c.markup);
        EXPECT_EQ(canvas.Font(), font);
        EXPECT_EQ(canvas.Pen(), pen);
        PaintMarkup(canvas, c.markup, 100, 50);
        EXPECT_EQ(canvas.Font(), font);
        EXPECT_EQ(canvas.Pen(), pen);
    }
}

TEST(MarkupGeometry, DrawsInTheFontAndPenColours) {
    TRecordingCanvas canvas;
    canvas.SetFontColor({200, 0, 0});
    canvas.SetPenColor({200, 0, 0});
    PaintMarkup(canvas, "*<ab>", 0, 0);
    EXPECT_EQ(canvas.SortedCalls(), Sorted({"ellipse 28,8 36,16 w3 #c80000", "text 0,4 'ab' h-20 #c80000"}));
}

TEST(MarkupGeometry, BlankDrawsItsCentreLastInTheFontColour) {
    TRecordingCanvas canvas;
    canvas.SetFontColor({200, 0, 0});
    PaintMarkup(canvas, "Ö", 100, 50);
    ASSERT_EQ(canvas.Calls.size(), 5u);
    EXPECT_EQ(canvas.Calls.back(), "text 100,50 '?' h-24 #c80000");
    for (size_t i = 0; i < 4; ++i)
        EXPECT_NE(canvas.Calls[i].find("#0000ff"), std::string::npos) << canvas.Calls[i];
}

} // namespace
} // namespace numerava
