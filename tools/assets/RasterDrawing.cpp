#include "assets/RasterDrawing.h"

#include "platform/Fonts.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace numerava::assets {

QImage BlankImage(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void PrepareSmoothPainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont PictureFont(int pixelSize, bool bold) {
    QFont font(FontFamily("Tahoma"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void DrawCentredText(QPainter& painter, const QPointF& centre, const QString& text, const QFont& font,
                     const QColor& fill, const QColor& outline, qreal outlineWidth) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    path.translate(centre - ink.center());
    painter.save();
    if (outlineWidth > 0) {
        painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

void DrawStar(QPainter& painter, const QPointF& centre, qreal radius, qreal inner, qreal rotationDegrees) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? radius : radius * inner;
        const qreal angle = (rotationDegrees - 90.0 + 36.0 * i) * std::numbers::pi / 180.0;
        star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    painter.drawPolygon(star);
}

} // namespace numerava::assets
