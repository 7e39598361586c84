#pragma once
// The drawing surface the mark-up is measured and painted on. The logic only sees this interface;
// the window paints through a QPainter canvas, the tests through a recording one.
//
// Font state follows the classic GDI model the mark-up was designed for: a signed font height
// (negative = character height in pixels, positive = cell height), a size in points derived from it
// at 96 dpi, a face name and a colour. Pen and brush state are kept here too, so that every
// implementation restores them the same way.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace numerava {

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TColor {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
    friend bool operator==(const TColor&, const TColor&) = default;
};

inline constexpr TColor ColorBlack{0, 0, 0};
inline constexpr TColor ColorBlue{0, 0, 255};

struct TFontState {
    std::string Name = "Tahoma";
    int Height = -48; // signed, as described above
    TColor Color = ColorBlack;
    bool Bold = false;
    friend bool operator==(const TFontState&, const TFontState&) = default;
};

struct TPenState {
    int Width = 3;
    TColor Color = ColorBlack;
    friend bool operator==(const TPenState&, const TPenState&) = default;
};

class TMarkupCanvas {
public:
    virtual ~TMarkupCanvas() = default;

    // Width of the characters and height of the font's line, in the current font.
    virtual TSize TextExtent(std::string_view text) = 0;
    // Draws text (UTF-8) with the top-left corner of its line at (x, y), without background.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual void Line(TPoint from, TPoint to) = 0;
    virtual void Polyline(std::span<const TPoint> points) = 0;
    // The arc of the ellipse in the box (left, top)-(right, bottom), counter-clockwise from the
    // radial through `start` to the radial through `end`.
    virtual void Arc(int left, int top, int right, int bottom, TPoint start, TPoint end) = 0;
    // An ellipse in the box (right and bottom exclusive), outlined with the pen and filled with the
    // pen's colour.
    virtual void FilledEllipse(int left, int top, int right, int bottom) = 0;

    const TFontState& Font() const { return font_; }
    void SetFont(const TFontState& font) { font_ = font; }
    void SetFontName(std::string name) { font_.Name = std::move(name); }
    void SetFontHeight(int height) { font_.Height = height; }
    void SetFontColor(TColor color) { font_.Color = color; }
    // The size in points the height stands for at 96 dpi, and back (rounded as the platform does).
    int FontSize() const;
    void SetFontSize(int points);

    const TPenState& Pen() const { return pen_; }
    void SetPen(const TPenState& pen) { pen_ = pen; }
    void SetPenWidth(int width) { pen_.Width = width; }
    void SetPenColor(TColor color) { pen_.Color = color; }

private:
    TFontState font_;
    TPenState pen_;
};

// Restores the canvas's font and pen when it goes out of scope: every change made for one argument
// is undone after it.
class TCanvasStateGuard {
public:
    explicit TCanvasStateGuard(TMarkupCanvas& canvas)
        : canvas_(canvas), font_(canvas.Font()), pen_(canvas.Pen()) {}
    ~TCanvasStateGuard() {
        canvas_.SetFont(font_);
        canvas_.SetPen(pen_);
    }
    TCanvasStateGuard(const TCanvasStateGuard&) = delete;
    TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

private:
    TMarkupCanvas& canvas_;
    TFontState font_;
    TPenState pen_;
};

} // namespace numerava
