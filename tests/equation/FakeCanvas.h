#pragma once
// A canvas with fixed character metrics that records every drawing call, so the mark-up tests can
// work out positions by hand.
//
// Metrics, in the current font with height H (signed; only |H| counts):
//   - every code point is |H| / 2 pixels wide, or |H| wide in the "Symbol" face (so measuring in
//     the wrong face shows);
//   - the line is |H| pixels high, also for an empty text (as a real font's extent is).
// So at H = -20 "ab" is 20 x 20, "Wg" is 20 high, and at H = -10 "2" is 5 x 10.
//
// Each call is kept as a one-line description holding the points, the text, the font height and the
// pen width; the face and the colour are added only when they differ from "Tahoma" and black:
//   text 115,50 '1' h-20 [Symbol] [#0000ff]
//   line 100,75 140,75 w3 [#rrggbb]
//   poly 133,50 110,50 107,73 w3
//   arc 102,50 110,70 from 106,50 to 106,70 w3
//   ellipse 128,58 136,66 w3

#include "equation/MarkupCanvas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace numerava::test {

class TRecordingCanvas : public TMarkupCanvas {
public:
    explicit TRecordingCanvas(int fontHeight = -20) { SetFontHeight(fontHeight); }

    std::vector<std::string> Calls;

    TSize TextExtent(std::string_view text) override {
        const int h = std::abs(Font().Height);
        const int charWidth = Font().Name == "Symbol" ? h : h / 2;
        return {CodePoints(text) * charWidth, h};
    }

    void TextOut(int x, int y, std::string_view text) override {
        std::string call =
            "text " + Point({x, y}) + " '" + std::string(text) + "' h" + std::to_string(Font().Height);
        if (Font().Name != "Tahoma") call += " " + Font().Name;
        Calls.push_back(call + Color(Font().Color));
    }
    void Line(TPoint from, TPoint to) override { Record("line " + Point(from) + " " + Point(to)); }
    void Polyline(std::span<const TPoint> points) override {
        std::string call = "poly";
        for (const TPoint& p : points) call += " " + Point(p);
        Record(call);
    }
    void Arc(int left, int top, int right, int bottom, TPoint start, TPoint end) override {
        Record("arc " + Point({left, top}) + " " + Point({right, bottom}) + " from " + Point(start) + " to " +
               Point(end));
    }
    void FilledEllipse(int left, int top, int right, int bottom) override {
        Record("ellipse " + Point({left, top}) + " " + Point({right, bottom}));
    }

    // The calls in a fixed order, for comparisons where the drawing order does not matter.
    std::vector<std::string> SortedCalls() const {
        std::vector<std::string> sorted = Calls;
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }

private:
    static int CodePoints(std::string_view text) {
        return static_cast<int>(std::count_if(
            text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    }
    static std::string Point(TPoint p) { return std::to_string(p.X) + "," + std::to_string(p.Y); }
    static std::string Color(TColor c) {
        if (c == ColorBlack) return "";
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, " #%02x%02x%02x", c.Red, c.Green, c.Blue);
        return buffer;
    }
    void Record(const std::string& call) {
        Calls.push_back(call + " w" + std::to_string(Pen().Width) + Color(Pen().Color));
    }
};

inline std::vector<std::string> Sorted(std::vector<std::string> calls) {
    std::sort(calls.begin(), calls.end());
    return calls;
}

} // namespace numerava::test
