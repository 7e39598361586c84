// The two language flags of the welcome screen. The screen stretches them to 40 x 24 (40 x 25) and
// enlarges the chosen one to 50 x 30, so they are drawn at about twice that for a crisp result.

#include "assets/RasterDrawing.h"

#include <QPainterPath>
#include <QPolygonF>

namespace numerava::assets {

namespace {

const QColor FlagWhite{255, 255, 255};
const QColor CzechBlue{17, 69, 126};
const QColor CzechRed{215, 20, 26};
const QColor SlovakBlue{11, 78, 162};
const QColor SlovakRed{238, 28, 37};

// A thin grey edge so the white stripe does not melt into a light background.
void DrawEdge(QPainter& painter, int width, int height) {
    painter.setPen(QPen(QColor(150, 150, 150), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
}

} // namespace

QImage DrawCzechFlag() {
    constexpr int width = 100;
    constexpr int height = 60;
    QImage image = BlankImage(width, height, FlagWhite);
    QPainter painter(&image);
    PrepareSmoothPainter(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(CzechRed);
    painter.drawRect(QRectF(0, height / 2.0, width, height / 2.0));
    // The wedge is as long as on the 3:2 flag of this height (three quarters of the height).
    painter.setBrush(CzechBlue);
    painter.drawPolygon(QPolygonF{QPointF(0, 0), QPointF(height * 0.75, height / 2.0), QPointF(0, height)});
    DrawEdge(painter, width, height);
    return image;
}

QImage DrawSlovakFlag() {
    constexpr int width = 100;
    constexpr int height = 62;
    QImage image = BlankImage(width, height, FlagWhite);
    QPainter painter(&image);
    PrepareSmoothPainter(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SlovakBlue);
    painter.drawRect(QRectF(0, height / 3.0, width, height / 3.0));
    painter.setBrush(SlovakRed);
    painter.drawRect(QRectF(0, height * 2.0 / 3.0, width, height / 3.0 + 1));

    // The coat of arms towards the hoist: a red shield with a white rim, the white double cross
    // standing on three blue hills.
    const qreal left = 19;
    const qreal top = 12;
    const qreal shieldWidth = 28;
    const qreal shieldHeight = 36;
    const qreal centreX = left + shieldWidth / 2;
    QPainterPath shield;
    shield.moveTo(left, top);
    shield.lineTo(left + shieldWidth, top);
    shield.lineTo(left + shieldWidth, top + shieldHeight * 0.55);
    shield.cubicTo(left + shieldWidth, top + shieldHeight * 0.85, centreX + 4, top + shieldHeight * 0.93,
                   centreX, top + shieldHeight);
    shield.cubicTo(centreX - 4, top + shieldHeight * 0.93, left, top + shieldHeight * 0.85, left,
                   top + shieldHeight * 0.55);
    shield.closeSubpath();
    painter.setPen(QPen(FlagWhite, 2.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(SlovakRed);
    painter.drawPath(shield);

    painter.save();
    painter.setClipPath(shield);
    // Three hills, the middle one highest.
    painter.setPen(Qt::NoPen);
    painter.setBrush(SlovakBlue);
    const qreal middleHillTop = top + shieldHeight * 0.68;
    const qreal sideHillTop = top + shieldHeight * 0.77;
    painter.drawEllipse(QRectF(left - 4, sideHillTop, 17, 16));
    painter.drawEllipse(QRectF(left + shieldWidth - 13, sideHillTop, 17, 16));
    painter.drawEllipse(QRectF(centreX - 8.5, middleHillTop, 17, 16));
    painter.drawRect(QRectF(left, sideHillTop + 8, shieldWidth, shieldHeight));
    painter.restore();

    // The double cross: a stem and two bars, the upper one shorter, with slightly widened ends.
    painter.setPen(Qt::NoPen);
    painter.setBrush(FlagWhite);
    const qreal stem = 3.2;
    const qreal crossTop = top + 4;
    const qreal crossBottom = middleHillTop + 1.0;
    painter.drawRect(QRectF(centreX - stem / 2, crossTop, stem, crossBottom - crossTop));
    painter.drawRect(QRectF(centreX - 6.5, top + 8.5, 13, 3.0));
    painter.drawRect(QRectF(centreX - 9.5, top + 15.5, 19, 3.2));
    DrawEdge(painter, width, height);
    return image;
}

} // namespace numerava::assets
