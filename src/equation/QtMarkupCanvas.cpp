#include "equation/QtMarkupCanvas.h"

#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace numerava {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The centre of the pixel an integer coordinate names.
QPointF PixelCentre(int x, int y) { return {x + 0.5, y + 0.5}; }
QPointF PixelCentre(TPoint point) { return PixelCentre(point.X, point.Y); }

// The ellipse of a box whose right and bottom are exclusive, through the centres of its edge pixels.
QRectF EllipseBox(int left, int top, int right, int bottom) {
    return {left + 0.5, top + 0.5, static_cast<double>(right - left - 1),
            static_cast<double>(bottom - top - 1)};
}

// Qt's angle (degrees, counter-clockwise from 3 o'clock) of the ellipse point on the radial from the
// box's centre through `point`, both in the box's own coordinates. Qt's ellipse angles are
// parametric, so the radial is scaled to the unit circle first; screen y points down, hence the minus.
double EllipseAngle(int left, int top, int right, int bottom, TPoint point) {
    const double radiusX = std::max((right - left) / 2.0, 0.5);
    const double radiusY = std::max((bottom - top) / 2.0, 0.5);
    const double dx = (point.X - (left + right) / 2.0) / radiusX;
    const double dy = (point.Y - (top + bottom) / 2.0) / radiusY;
    if (dx == 0 && dy == 0) return 0;
    return std::atan2(-dy, dx) * 180 / std::numbers::pi;
}

} // namespace

QColor ToQColor(TColor color) { return QColor(color.Red, color.Green, color.Blue); }

TQtMarkupCanvas::TQtMarkupCanvas(QPainter* painter) : painter_(painter) {}

const TQtMarkupCanvas::TResolvedFont& TQtMarkupCanvas::Resolve() {
    const TFontState& state = Font();
    const auto matches = [&](const TResolvedFont& font) {
        return font.Height == state.Height && font.Bold == state.Bold && font.Name == state.Name;
    };
    if (!fonts_.empty() && matches(fonts_[current_])) return fonts_[current_];
    const auto found = std::find_if(fonts_.begin(), fonts_.end(), matches);
    if (found != fonts_.end()) {
        current_ = static_cast<size_t>(found - fonts_.begin());
        return *found;
    }

    QFont font(FontFamily(state.Name));
    font.setWeight(state.Bold ? QFont::Bold : QFont::Normal);
    // The mark-up's widths are those of plain character advances.
    font.setKerning(false);
    font.setPixelSize(PixelSizeForHeight(font, state.Height));
    fonts_.push_back({state.Name, state.Height, state.Bold, font, QFontMetrics(font), CellMetrics(font)});
    current_ = fonts_.size() - 1;
    return fonts_.back();
}

TSize TQtMarkupCanvas::TextExtent(std::string_view text) {
    const TResolvedFont& font = Resolve();
    return {font.Metrics.horizontalAdvance(ToQString(text)), font.Cell.Height()};
}

void TQtMarkupCanvas::TextOut(int x, int y, std::string_view text) {
    if (painter_ == nullptr || text.empty()) return;
    const TResolvedFont& font = Resolve();
    painter_->setFont(font.Font);
    painter_->setPen(ToQColor(Font().Color));
    painter_->drawText(QPoint(x, y + font.Cell.Ascent), ToQString(text));
}

void TQtMarkupCanvas::ApplyPen() {
    painter_->setPen(QPen(ToQColor(Pen().Color), Pen().Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_->setBrush(Qt::NoBrush);
}

void TQtMarkupCanvas::Line(TPoint from, TPoint to) {
    if (painter_ == nullptr) return;
    ApplyPen();
    painter_->drawLine(PixelCentre(from), PixelCentre(to));
}

void TQtMarkupCanvas::Polyline(std::span<const TPoint> points) {
    if (painter_ == nullptr || points.empty()) return;
    ApplyPen();
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const TPoint point : points) polygon.append(PixelCentre(point));
    painter_->drawPolyline(polygon);
}

void TQtMarkupCanvas::Arc(int left, int top, int right, int bottom, TPoint start, TPoint end) {
    if (painter_ == nullptr) return;
    ApplyPen();
    const double from = EllipseAngle(left, top, right, bottom, start);
    double span = EllipseAngle(left, top, right, bottom, end) - from;
    // Counter-clockwise from start to end; equal radials make the whole ellipse.
    while (span <= 0) span += 360;
    painter_->drawArc(EllipseBox(left, top, right, bottom), static_cast<int>(std::lround(from * 16)),
                      static_cast<int>(std::lround(span * 16)));
}

void TQtMarkupCanvas::FilledEllipse(int left, int top, int right, int bottom) {
    if (painter_ == nullptr) return;
    ApplyPen();
    painter_->setBrush(ToQColor(Pen().Color));
    painter_->drawEllipse(EllipseBox(left, top, right, bottom));
    painter_->setBrush(Qt::NoBrush);
}

} // namespace numerava
