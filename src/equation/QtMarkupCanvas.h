#pragma once
// The mark-up canvas on a QPainter: the drawing surface of TNumeravaEquation and of the pictures the
// exercise tool writes.

#include "equation/MarkupCanvas.h"
#include "platform/Fonts.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>

#include <string>
#include <vector>

class QPainter;

namespace numerava {

QColor ToQColor(TColor color);

// Draws with the painter it is given (nullptr: measuring only, the drawing calls do nothing). Needs a
// QGuiApplication for the fonts.
//
// A text's line is the font's cell as Windows measures it (CellMetrics), so accents above capitals
// fit in it. Integer coordinates name pixels: lines and outlines are centred on pixel centres, so a
// 3-pixel pen covers the row above, the row itself and the row below.
class TQtMarkupCanvas final : public TMarkupCanvas {
public:
    explicit TQtMarkupCanvas(QPainter* painter);
    // Measuring first and painting then can share one canvas and its fonts.
    void SetPainter(QPainter* painter) { painter_ = painter; }

    TSize TextExtent(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void Line(TPoint from, TPoint to) override;
    void Polyline(std::span<const TPoint> points) override;
    void Arc(int left, int top, int right, int bottom, TPoint start, TPoint end) override;
    void FilledEllipse(int left, int top, int right, int bottom) override;

    // The Qt font the current font state stands for, and its line.
    const QFont& CurrentQFont() { return Resolve().Font; }
    TCellMetrics CurrentCell() { return Resolve().Cell; }

private:
    // One resolved font; the mark-up switches between a few sizes, so they are kept instead of being
    // built again on every call.
    struct TResolvedFont {
        std::string Name;
        int Height;
        bool Bold;
        QFont Font;
        QFontMetrics Metrics;
        TCellMetrics Cell;
    };

    const TResolvedFont& Resolve();
    // Sets the painter's pen from the canvas pen (brush off) for lines and arcs.
    void ApplyPen();

    QPainter* painter_;
    std::vector<TResolvedFont> fonts_;
    size_t current_ = 0; // index into fonts_ of the last resolved font, valid when fonts_ is not empty
};

} // namespace numerava
