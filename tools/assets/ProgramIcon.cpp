// The program's icon for desktop menus: the welcome picture's blackboard with a sum in chalk and a red
// balloon with a digit, on a transparent square. Drawn on a 256-unit grid and scaled, so every size is
// drawn sharp rather than shrunk from a bitmap.

#include "assets/Assets.h"
#include "assets/RasterDrawing.h"

#include <QImageWriter>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace numerava::assets {

namespace {

constexpr qreal Grid = 256.0;

void DrawBoard(QPainter& painter) {
    const QColor wood(176, 108, 52);
    const QColor woodDark(120, 68, 30);
    painter.setPen(QPen(woodDark, 5));
    painter.setBrush(wood);
    painter.drawRoundedRect(QRectF(10, 34, 218, 196), 22, 22);
    QLinearGradient slate(0, 52, 0, 212);
    slate.setColorAt(0.0, QColor(46, 110, 80));
    slate.setColorAt(1.0, QColor(30, 84, 60));
    painter.setPen(QPen(QColor(20, 60, 40), 3));
    painter.setBrush(slate);
    painter.drawRoundedRect(QRectF(28, 52, 182, 160), 8, 8);
}

// Chalk: a soft halo around an almost opaque body, as on the welcome picture's board.
void DrawChalk(QPainter& painter, const QPointF& centre, const QString& text, int pixelSize,
               const QColor& colour) {
    QColor soft = colour;
    soft.setAlpha(80);
    QColor body = colour;
    body.setAlpha(240);
    DrawCentredText(painter, centre, text, PictureFont(pixelSize, true), body, soft, pixelSize / 12.0);
}

void DrawBalloon(QPainter& painter, const QPointF& c, const QColor& colour) {
    QPainterPath string;
    string.moveTo(c + QPointF(0, 44));
    string.cubicTo(c + QPointF(10, 70), c + QPointF(-14, 84), c + QPointF(-4, 108));
    painter.setPen(QPen(QColor(90, 90, 100), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(string);

    QRadialGradient shade(c + QPointF(-12, -16), 56);
    shade.setColorAt(0.0, colour.lighter(145));
    shade.setColorAt(0.6, colour);
    shade.setColorAt(1.0, colour.darker(125));
    painter.setPen(QPen(colour.darker(160), 3.5));
    painter.setBrush(shade);
    QPainterPath balloon;
    balloon.moveTo(c + QPointF(0, 42));
    balloon.cubicTo(c + QPointF(-44, 28), c + QPointF(-38, -42), c + QPointF(0, -42));
    balloon.cubicTo(c + QPointF(38, -42), c + QPointF(44, 28), c + QPointF(0, 42));
    painter.drawPath(balloon);
    painter.drawPolygon(QPolygonF{c + QPointF(0, 41), c + QPointF(-7, 50), c + QPointF(7, 50)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(c + QPointF(-16, -20), 6.5, 11);
    DrawCentredText(painter, c + QPointF(1, 0), QStringLiteral("1"), PictureFont(52, true), Qt::white,
                    colour.darker(170), 7);
}

} // namespace

QImage DrawProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PrepareSmoothPainter(painter);
    painter.scale(size / Grid, size / Grid);
    DrawBoard(painter);
    DrawChalk(painter, QPointF(112, 100), QStringLiteral("2+3"), 70, QColor(255, 255, 255));
    DrawChalk(painter, QPointF(112, 172), QStringLiteral("=5"), 70, QColor(255, 240, 120));
    DrawBalloon(painter, QPointF(204, 52), QColor(235, 50, 60));
    return image;
}

bool WriteProgramIcons(const QDir& iconDir) {
    bool ok = true;
    for (const int size : ProgramIconSizes) {
        const QString path = iconDir.filePath(QStringLiteral("numerava-%1.png").arg(size));
        QImageWriter writer(path, "png");
        if (!writer.write(DrawProgramIcon(size).convertToFormat(QImage::Format_ARGB32))) {
            std::fprintf(stderr, "numerava-assets: cannot write %s: %s\n", qPrintable(path),
                         qPrintable(writer.errorString()));
            ok = false;
        }
    }
    return ok;
}

} // namespace numerava::assets
