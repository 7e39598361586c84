#include "equation/MarkupCanvas.h"

#include <cstdlib>

namespace numerava {

namespace {

constexpr int PixelsPerInch = 96;
constexpr int PointsPerInch = 72;

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long magnitude = (std::llabs(product) + c / 2) / c;
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

} // namespace

int TMarkupCanvas::FontSize() const { return -MulDiv(font_.Height, PointsPerInch, PixelsPerInch); }

void TMarkupCanvas::SetFontSize(int points) { font_.Height = -MulDiv(points, PixelsPerInch, PointsPerInch); }

} // namespace numerava
