// The drill's reward bank notes: 100 x 50, each value its own colour and motif, the value big on
// the left and a round medallion on the right.

#include "assets/RasterDrawing.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace numerava::assets {

namespace {

constexpr int NoteWidth = 100;
constexpr int NoteHeight = 50;

enum class Motif { Star, Sun, Flower, Heart, Leaf };

struct NoteStyle {
    QColor dark;  // border, value, pattern
    QColor paper; // background
    Motif motif;
    QColor motifColour;
};

NoteStyle StyleOf(int value) {
    switch (value) {
    case 50: return {QColor(106, 52, 176), QColor(234, 222, 250), Motif::Star, QColor(255, 196, 0)};
    case 20: return {QColor(22, 128, 58), QColor(214, 243, 219), Motif::Sun, QColor(255, 170, 0)};
    case 10: return {QColor(196, 44, 36), QColor(253, 222, 212), Motif::Flower, QColor(235, 70, 140)};
    case 5: return {QColor(24, 92, 190), QColor(214, 232, 252), Motif::Heart, QColor(230, 40, 60)};
    default: return {QColor(150, 88, 20), QColor(250, 236, 204), Motif::Leaf, QColor(60, 170, 60)};
    }
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Fine wavy lines over the paper, as on real notes.
void DrawGuilloche(QPainter& painter, const NoteStyle& style) {
    painter.save();
    painter.setClipRect(QRectF(3, 3, NoteWidth - 6, NoteHeight - 6));
    painter.setPen(QPen(Mix(style.paper, style.dark, 0.22), 0.7));
    painter.setBrush(Qt::NoBrush);
    for (int line = -2; line < 12; ++line) {
        QPainterPath wave;
        for (int x = 0; x <= NoteWidth; x += 2) {
            const qreal y = line * 5.0 + 3.0 * std::sin(x * 0.16 + line * 0.9);
            if (x == 0) wave.moveTo(x, y);
            else wave.lineTo(x, y);
        }
        painter.drawPath(wave);
    }
    painter.restore();
}

void DrawStarMotif(QPainter& painter, const QPointF& c, const QColor& colour) {
    painter.setPen(QPen(colour.darker(150), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    DrawStar(painter, c + QPointF(0, 0.8), 11.5, 0.45);
}

void DrawSunMotif(QPainter& painter, const QPointF& c, const QColor& colour) {
    painter.setPen(QPen(colour.darker(130), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * std::numbers::pi / 4.0;
        const QPointF direction(std::cos(a), std::sin(a));
        painter.drawLine(c + direction * 8.0, c + direction * 11.5);
    }
    painter.setPen(QPen(colour.darker(140), 1.0));
    painter.setBrush(QColor(255, 214, 40));
    painter.drawEllipse(c, 6.5, 6.5);
    // A smile.
    painter.setPen(QPen(QColor(120, 60, 0), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(c.x() - 3.5, c.y() - 3.0, 7, 6), 200 * 16, 140 * 16);
    painter.setBrush(QColor(120, 60, 0));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(c + QPointF(-2.2, -1.8), 0.9, 0.9);
    painter.drawEllipse(c + QPointF(2.2, -1.8), 0.9, 0.9);
}

void DrawFlowerMotif(QPainter& painter, const QPointF& c, const QColor& colour) {
    painter.setPen(QPen(colour.darker(150), 0.9));
    painter.setBrush(colour);
    for (int i = 0; i < 5; ++i) {
        const qreal a = (i * 72.0 - 90.0) * std::numbers::pi / 180.0;
        painter.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * 6.0, 4.8, 4.8);
    }
    painter.setBrush(QColor(255, 210, 40));
    painter.setPen(QPen(QColor(200, 140, 0), 0.9));
    painter.drawEllipse(c, 3.8, 3.8);
}

void DrawHeartMotif(QPainter& painter, const QPointF& c, const QColor& colour) {
    QPainterPath heart;
    heart.moveTo(c + QPointF(0, 10));
    heart.cubicTo(c + QPointF(-15, -1), c + QPointF(-7, -13), c + QPointF(0, -5));
    heart.cubicTo(c + QPointF(7, -13), c + QPointF(15, -1), c + QPointF(0, 10));
    painter.setPen(QPen(colour.darker(150), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(heart);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(c + QPointF(-4.5, -3.5), 2.0, 1.4);
}

void DrawLeafMotif(QPainter& painter, const QPointF& c, const QColor& colour) {
    QPainterPath leaf;
    leaf.moveTo(c + QPointF(-9, 9));
    leaf.cubicTo(c + QPointF(-10, -6), c + QPointF(2, -11), c + QPointF(10, -10));
    leaf.cubicTo(c + QPointF(11, 0), c + QPointF(4, 10), c + QPointF(-9, 9));
    painter.setPen(QPen(colour.darker(160), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(leaf);
    painter.setPen(QPen(colour.darker(170), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(c + QPointF(-9, 9), c + QPointF(6, -6));
}

void DrawMotif(QPainter& painter, const NoteStyle& style, const QPointF& centre) {
    switch (style.motif) {
    case Motif::Star: DrawStarMotif(painter, centre, style.motifColour); break;
    case Motif::Sun: DrawSunMotif(painter, centre, style.motifColour); break;
    case Motif::Flower: DrawFlowerMotif(painter, centre, style.motifColour); break;
    case Motif::Heart: DrawHeartMotif(painter, centre, style.motifColour); break;
    case Motif::Leaf: DrawLeafMotif(painter, centre, style.motifColour); break;
    }
}

} // namespace

QImage DrawBankNote(int value) {
    const NoteStyle style = StyleOf(value);
    QImage image = BlankImage(NoteWidth, NoteHeight, style.paper);
    QPainter painter(&image);
    PrepareSmoothPainter(painter);

    DrawGuilloche(painter, style);

    // Border: a dark band and a fine inner line.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(style.dark, 2.0));
    painter.drawRect(QRectF(1, 1, NoteWidth - 2, NoteHeight - 2));
    painter.setPen(QPen(Mix(style.paper, style.dark, 0.6), 0.8));
    painter.drawRect(QRectF(4.5, 4.5, NoteWidth - 9, NoteHeight - 9));

    // Medallion on the right with the motif.
    const QPointF medallion(75, 25);
    painter.setPen(QPen(style.dark, 1.5));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(medallion, 16.5, 16.5);
    painter.setPen(QPen(Mix(style.paper, style.dark, 0.45), 0.8, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(medallion, 14.0, 14.0);
    DrawMotif(painter, style, medallion);

    // The value, big, dark with a white rim.
    DrawCentredText(painter, QPointF(31, 25), QString::number(value), PictureFont(34, true), style.dark,
                    QColor(255, 255, 255), 3.5);
    return image;
}

} // namespace numerava::assets
