// The contest logo of the information screen, 114 x 39: a golden cup and the word, bright and bold;
// and the drill's two contest marks, 60 x 40: the cup with a tick on green (the result counts) or
// greyed out and crossed on red (it does not).

#include "assets/RasterDrawing.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace numerava::assets {

namespace {

constexpr int LogoWidth = 114;
constexpr int LogoHeight = 39;

void DrawCup(QPainter& painter, const QPointF& topCentre) {
    const qreal x = topCentre.x();
    const qreal y = topCentre.y();
    const QColor gold(255, 200, 0);
    const QColor goldEdge(170, 100, 0);
    painter.setPen(QPen(goldEdge, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Handles.
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(x - 11, y + 2, 8, 9), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(x + 3, y + 2, 8, 9), 270 * 16, 180 * 16);
    // Bowl.
    QPainterPath bowl;
    bowl.moveTo(x - 8, y);
    bowl.lineTo(x + 8, y);
    bowl.cubicTo(x + 8, y + 10, x + 4, y + 15, x, y + 15);
    bowl.cubicTo(x - 4, y + 15, x - 8, y + 10, x - 8, y);
    bowl.closeSubpath();
    QLinearGradient shine(x - 8, y, x + 8, y);
    shine.setColorAt(0.0, gold.lighter(130));
    shine.setColorAt(0.4, gold);
    shine.setColorAt(1.0, gold.darker(125));
    painter.setBrush(shine);
    painter.drawPath(bowl);
    // Stem and foot.
    painter.setBrush(gold);
    painter.drawRect(QRectF(x - 1.5, y + 15, 3, 5));
    painter.drawRoundedRect(QRectF(x - 6, y + 20, 12, 4), 1.5, 1.5);
    // A little star on the bowl.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    DrawStar(painter, QPointF(x, y + 6.5), 3.8, 0.45);
}

// A thick white tick or cross with a dark rim, so it reads on any background.
void DrawVerdictSign(QPainter& painter, const QRectF& box, bool tick) {
    QPainterPath sign;
    if (tick) {
        sign.moveTo(box.left(), box.center().y());
        sign.lineTo(box.left() + box.width() * 0.38, box.bottom());
        sign.lineTo(box.right(), box.top());
    } else {
        sign.moveTo(box.topLeft());
        sign.lineTo(box.bottomRight());
        sign.moveTo(box.topRight());
        sign.lineTo(box.bottomLeft());
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 150), 7.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(sign);
    painter.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(sign);
}

} // namespace

QImage DrawContestMark(bool counts) {
    constexpr int width = 60;
    constexpr int height = 40;
    QImage image = BlankImage(width, height, ScreenOrange);
    QPainter painter(&image);
    PrepareSmoothPainter(painter);

    const QColor base = counts ? QColor(40, 170, 40) : QColor(205, 30, 30);
    QLinearGradient background(0, 0, 0, height);
    background.setColorAt(0.0, base.lighter(135));
    background.setColorAt(1.0, base.darker(115));
    painter.setPen(QPen(base.darker(160), 2.0));
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(1, 1, width - 2, height - 2), 7, 7);

    // The cup on the left: bright when the result counts, a faint ghost when it does not.
    painter.save();
    if (!counts) painter.setOpacity(0.45);
    DrawCup(painter, QPointF(17, 8));
    painter.restore();

    DrawVerdictSign(painter, counts ? QRectF(32, 11, 21, 17) : QRectF(34, 11, 16, 17), counts);
    return image;
}

QImage DrawContestLogo(const QString& word) {
    QImage image = BlankImage(LogoWidth, LogoHeight, ScreenOrange);
    QPainter painter(&image);
    PrepareSmoothPainter(painter);

    QLinearGradient background(0, 0, 0, LogoHeight);
    background.setColorAt(0.0, QColor(255, 236, 80));
    background.setColorAt(1.0, QColor(255, 186, 20));
    painter.setPen(QPen(QColor(214, 24, 24), 2.0));
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(1, 1, LogoWidth - 2, LogoHeight - 2), 6, 6);

    DrawCup(painter, QPointF(15, 7.5));

    // The word, white with a red rim, centred in the space right of the cup.
    DrawCentredText(painter, QPointF(70, 20.5), word, PictureFont(20, true), QColor(255, 255, 255),
                    QColor(200, 16, 16), 3.6);
    return image;
}

} // namespace numerava::assets
