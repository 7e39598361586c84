// The welcome screen's title picture, 417 x 228: a school blackboard with sums on an easel in a
// meadow, a big pencil, balloons with digits tied to a bicycle (the contest's prize is built from
// bicycle parts). The screen writes the date over the top right corner, so that corner is plain sky.

#include "assets/RasterDrawing.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <tuple>

namespace numerava::assets {

namespace {

constexpr int PictureWidth = 417;
constexpr int PictureHeight = 228;

const QColor Outline{60, 40, 30};

QPointF Polar(const QPointF& centre, qreal radius, qreal degrees) {
    const qreal a = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

void DrawSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, 180);
    sky.setColorAt(0.0, QColor(178, 224, 255));
    sky.setColorAt(1.0, QColor(232, 247, 255));
    painter.fillRect(QRect(0, 0, PictureWidth, PictureHeight), sky);
}

void DrawSun(QPainter& painter, const QPointF& c) {
    painter.setPen(QPen(QColor(255, 176, 0), 3.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) painter.drawLine(Polar(c, 17, i * 30.0), Polar(c, 23, i * 30.0));
    QRadialGradient glow(c, 15);
    glow.setColorAt(0.0, QColor(255, 240, 120));
    glow.setColorAt(1.0, QColor(255, 204, 0));
    painter.setPen(QPen(QColor(240, 150, 0), 1.5));
    painter.setBrush(glow);
    painter.drawEllipse(c, 14, 14);
    painter.setPen(QPen(QColor(150, 80, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(c.x() - 7, c.y() - 5, 14, 12), 205 * 16, 130 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 80, 0));
    painter.drawEllipse(c + QPointF(-4.5, -3.5), 1.6, 1.9);
    painter.drawEllipse(c + QPointF(4.5, -3.5), 1.6, 1.9);
    painter.setBrush(QColor(255, 130, 90, 150));
    painter.drawEllipse(c + QPointF(-8, 2), 2.6, 1.8);
    painter.drawEllipse(c + QPointF(8, 2), 2.6, 1.8);
}

void DrawCloud(QPainter& painter, const QPointF& c, qreal scale) {
    QPainterPath cloud;
    cloud.addEllipse(c + QPointF(-14, 0) * scale, 11 * scale, 8 * scale);
    cloud.addEllipse(c + QPointF(0, -5) * scale, 13 * scale, 11 * scale);
    cloud.addEllipse(c + QPointF(14, 0) * scale, 11 * scale, 8 * scale);
    cloud.addRoundedRect(QRectF(c.x() - 22 * scale, c.y() - 2 * scale, 44 * scale, 10 * scale), 5 * scale,
                         5 * scale);
    cloud.setFillRule(Qt::WindingFill);
    painter.setPen(QPen(QColor(190, 215, 235), 1.2));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPath(cloud.simplified());
}

void DrawMeadow(QPainter& painter) {
    QPainterPath back;
    back.moveTo(0, 172);
    back.cubicTo(90, 150, 200, 168, 270, 160);
    back.cubicTo(330, 154, 380, 160, PictureWidth, 156);
    back.lineTo(PictureWidth, PictureHeight);
    back.lineTo(0, PictureHeight);
    back.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(126, 200, 80));
    painter.drawPath(back);

    QPainterPath front;
    front.moveTo(0, 188);
    front.cubicTo(120, 176, 260, 190, PictureWidth, 178);
    front.lineTo(PictureWidth, PictureHeight);
    front.lineTo(0, PictureHeight);
    front.closeSubpath();
    QLinearGradient grass(0, 176, 0, PictureHeight);
    grass.setColorAt(0.0, QColor(98, 184, 62));
    grass.setColorAt(1.0, QColor(62, 150, 44));
    painter.setBrush(grass);
    painter.drawPath(front);
}

void DrawFlower(QPainter& painter, const QPointF& c, const QColor& petals) {
    painter.setPen(QPen(QColor(40, 120, 30), 1.2));
    painter.drawLine(c, c + QPointF(0, 8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(petals);
    for (int i = 0; i < 5; ++i) painter.drawEllipse(Polar(c, 3.0, i * 72.0 - 90.0), 2.4, 2.4);
    painter.setBrush(QColor(255, 220, 40));
    painter.drawEllipse(c, 1.8, 1.8);
}

// Chalk text: slightly soft and not quite opaque.
void DrawChalk(QPainter& painter, const QPointF& baseline, const QString& text, const QColor& colour) {
    QPainterPath path;
    path.addText(baseline, PictureFont(21, true), text);
    QColor soft = colour;
    soft.setAlpha(70);
    painter.setPen(QPen(soft, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QColor body = colour;
    body.setAlpha(235);
    painter.setBrush(body);
    painter.drawPath(path);
}

void DrawBlackboard(QPainter& painter) {
    const QColor wood(176, 108, 52);
    const QColor woodDark(120, 68, 30);

    // Easel legs behind the board.
    painter.setPen(QPen(woodDark, 1.5));
    painter.setBrush(wood);
    painter.drawPolygon(QPolygonF{QPointF(40, 140), QPointF(49, 140), QPointF(34, 204), QPointF(25, 204)});
    painter.drawPolygon(
        QPolygonF{QPointF(186, 140), QPointF(195, 140), QPointF(210, 204), QPointF(201, 204)});

    // Frame and board.
    painter.setPen(QPen(woodDark, 1.5));
    painter.setBrush(wood);
    painter.drawRoundedRect(QRectF(12, 14, 212, 136), 5, 5);
    QLinearGradient slate(0, 22, 0, 142);
    slate.setColorAt(0.0, QColor(46, 110, 80));
    slate.setColorAt(1.0, QColor(30, 84, 60));
    painter.setPen(QPen(QColor(20, 60, 40), 1.0));
    painter.setBrush(slate);
    painter.drawRect(QRectF(21, 22, 194, 119));

    DrawChalk(painter, QPointF(31, 46), QStringLiteral("2 + 3 = 5"), QColor(255, 255, 255));
    DrawChalk(painter, QPointF(31, 74), QStringLiteral("6 · 7 = 42"), QColor(255, 240, 120));
    DrawChalk(painter, QPointF(31, 102), QStringLiteral("12 : 4 = 3"), QColor(170, 225, 255));
    DrawChalk(painter, QPointF(31, 130), QStringLiteral("9 − 5 = 4"), QColor(255, 180, 200));

    // A chalk smiley and a star for the good answers.
    const QPointF face(180, 58);
    painter.setPen(QPen(QColor(255, 255, 255, 225), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(face, 17, 17);
    painter.drawArc(QRectF(face.x() - 10, face.y() - 8, 20, 18), 200 * 16, 140 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 225));
    painter.drawEllipse(face + QPointF(-6, -5), 2.2, 2.6);
    painter.drawEllipse(face + QPointF(6, -5), 2.2, 2.6);
    painter.setPen(QPen(QColor(255, 230, 90, 230), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    DrawStar(painter, QPointF(182, 110), 17, 0.45, 8);

    // Chalk tray with a stick of chalk and a sponge.
    painter.setPen(QPen(woodDark, 1.2));
    painter.setBrush(wood.darker(108));
    painter.drawRect(QRectF(16, 144, 204, 7));
    painter.setPen(QPen(QColor(200, 200, 200), 0.8));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRoundedRect(QRectF(60, 139.5, 18, 5), 2, 2);
    painter.setPen(QPen(QColor(120, 80, 20), 0.8));
    painter.setBrush(QColor(250, 200, 60));
    painter.drawRoundedRect(QRectF(150, 135, 26, 10), 2.5, 2.5);
    painter.setBrush(QColor(90, 70, 60));
    painter.drawRect(QRectF(150, 141, 26, 4));
}

void DrawPencil(QPainter& painter, const QPointF& centre, qreal degrees) {
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    constexpr qreal half = 7.0;
    const QPen outline(Outline, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    // Body in three bands, as the faces of a hexagonal pencil.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 214, 50));
    painter.drawRect(QRectF(-60, -half, 110, half * 2));
    painter.setBrush(QColor(255, 236, 120));
    painter.drawRect(QRectF(-60, -half, 110, half * 0.6));
    painter.setBrush(QColor(230, 170, 20));
    painter.drawRect(QRectF(-60, half * 0.45, 110, half * 0.55));
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(-60, -half, 110, half * 2));
    // Sharpened wood and the lead.
    painter.setBrush(QColor(240, 200, 150));
    painter.drawPolygon(QPolygonF{QPointF(50, -half), QPointF(76, 0), QPointF(50, half)});
    painter.setBrush(QColor(60, 60, 70));
    painter.drawPolygon(QPolygonF{QPointF(68.5, -2.3), QPointF(76, 0), QPointF(68.5, 2.3)});
    // Metal band and eraser.
    painter.setBrush(QColor(190, 196, 205));
    painter.drawRect(QRectF(-72, -half, 12, half * 2));
    painter.setPen(QPen(QColor(140, 146, 155), 0.9));
    painter.drawLine(QPointF(-68, -half + 1), QPointF(-68, half - 1));
    painter.drawLine(QPointF(-64, -half + 1), QPointF(-64, half - 1));
    painter.setPen(outline);
    painter.setBrush(QColor(255, 140, 160));
    painter.drawRoundedRect(QRectF(-86, -half, 15, half * 2), 4, 4);
    painter.restore();
}

void DrawWheel(QPainter& painter, const QPointF& c, qreal radius) {
    painter.setPen(QPen(QColor(150, 150, 160), 0.9));
    for (int i = 0; i < 12; ++i) painter.drawLine(c, Polar(c, radius - 2, i * 30.0 + 8));
    painter.setPen(QPen(QColor(40, 40, 50), 4.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, radius, radius);
    painter.setPen(QPen(QColor(190, 190, 200), 1.2));
    painter.drawEllipse(c, radius - 3, radius - 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 120, 130));
    painter.drawEllipse(c, 2.5, 2.5);
}

// A child's bicycle; returns where the balloons' strings are tied (the handlebar).
QPointF DrawBicycle(QPainter& painter) {
    const QPointF rear(302, 194);
    const QPointF front(384, 194);
    const qreal radius = 21;
    const QPointF crank(338, 196);
    const QPointF seatTop(328, 160);
    const QPointF headTop(372, 158);
    const QPointF headBottom(375, 170);

    // Shadow on the grass.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 90, 20, 70));
    painter.drawEllipse(QPointF(343, 216), 58, 5);

    DrawWheel(painter, rear, radius);
    DrawWheel(painter, front, radius);

    const QColor frame(226, 36, 48);
    painter.setPen(QPen(frame.darker(130), 5.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPolygonF tubes{rear, crank, seatTop, rear};
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(tubes);
    painter.drawLine(crank, headBottom);
    painter.drawLine(QPointF(330, 166), headTop + QPointF(0.6, 3));
    painter.drawLine(headTop, front);
    painter.setPen(QPen(frame, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(tubes);
    painter.drawLine(crank, headBottom);
    painter.drawLine(QPointF(330, 166), headTop + QPointF(0.6, 3));
    painter.drawLine(headTop, front);

    // Chain ring, chain and pedal.
    painter.setPen(QPen(QColor(70, 70, 80), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(rear + QPointF(0, -3), crank + QPointF(0, -6));
    painter.drawLine(rear + QPointF(0, 3), crank + QPointF(0, 6));
    painter.setBrush(QColor(200, 200, 210));
    painter.drawEllipse(crank, 6, 6);
    painter.setPen(QPen(QColor(50, 50, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(crank, crank + QPointF(5, 9));
    painter.drawLine(crank + QPointF(1, 9), crank + QPointF(10, 9));

    // Saddle, stem, handlebar with a grip.
    painter.setPen(QPen(QColor(70, 70, 80), 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(seatTop, seatTop + QPointF(-1, -5));
    painter.drawLine(headTop, headTop + QPointF(-2, -9));
    painter.drawLine(headTop + QPointF(-2, -9), headTop + QPointF(-12, -11));
    painter.setPen(QPen(Outline, 1.0));
    painter.setBrush(QColor(50, 50, 60));
    QPainterPath saddle;
    saddle.moveTo(seatTop + QPointF(-11, -7));
    saddle.cubicTo(seatTop + QPointF(-8, -10), seatTop + QPointF(6, -9), seatTop + QPointF(8, -6));
    saddle.cubicTo(seatTop + QPointF(2, -3), seatTop + QPointF(-8, -3), seatTop + QPointF(-11, -7));
    painter.drawPath(saddle);
    painter.setPen(QPen(QColor(30, 160, 230), 3.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(headTop + QPointF(-7, -10.5), headTop + QPointF(-13, -11.2));
    // A little basket on the front.
    painter.setPen(QPen(QColor(150, 90, 30), 1.2));
    painter.setBrush(QColor(225, 170, 90));
    painter.drawRoundedRect(QRectF(377, 150, 18, 12), 2, 2);
    painter.drawLine(QPointF(383, 150), QPointF(383, 162));
    painter.drawLine(QPointF(389, 150), QPointF(389, 162));
    return headTop + QPointF(-10, -11);
}

void DrawBalloon(QPainter& painter, const QPointF& c, const QColor& colour, const QString& digit,
                 const QPointF& knot) {
    // String first, so the balloon covers its end.
    QPainterPath string;
    const QPointF bottom = c + QPointF(0, 22);
    string.moveTo(bottom);
    string.cubicTo(bottom + QPointF(6, 18), knot + QPointF(-8, -30), knot);
    painter.setPen(QPen(QColor(90, 90, 100), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(string);

    QRadialGradient shade(c + QPointF(-6, -8), 28);
    shade.setColorAt(0.0, colour.lighter(145));
    shade.setColorAt(0.6, colour);
    shade.setColorAt(1.0, colour.darker(125));
    painter.setPen(QPen(colour.darker(160), 1.3));
    painter.setBrush(shade);
    QPainterPath balloon;
    balloon.moveTo(c + QPointF(0, 21));
    balloon.cubicTo(c + QPointF(-22, 14), c + QPointF(-19, -21), c + QPointF(0, -21));
    balloon.cubicTo(c + QPointF(19, -21), c + QPointF(22, 14), c + QPointF(0, 21));
    painter.drawPath(balloon);
    painter.drawPolygon(QPolygonF{c + QPointF(0, 20.5), c + QPointF(-3.5, 25), c + QPointF(3.5, 25)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(c + QPointF(-8, -10), 3.2, 5.5);

    DrawCentredText(painter, c + QPointF(0.5, 0), digit, PictureFont(26, true), QColor(255, 255, 255),
                    colour.darker(170), 3.2);
}

} // namespace

QImage DrawTitlePicture() {
    QImage image = BlankImage(PictureWidth, PictureHeight, QColor(255, 255, 255));
    QPainter painter(&image);
    PrepareSmoothPainter(painter);

    DrawSky(painter);
    DrawCloud(painter, QPointF(292, 112), 0.9);
    DrawSun(painter, QPointF(252, 30));
    DrawMeadow(painter);
    for (const auto& [x, y, colour] :
         {std::tuple{238.0, 184.0, QColor(255, 255, 255)}, std::tuple{262.0, 204.0, QColor(255, 120, 170)},
          std::tuple{18.0, 218.0, QColor(255, 255, 255)}, std::tuple{404.0, 214.0, QColor(180, 120, 255)},
          std::tuple{222.0, 214.0, QColor(255, 200, 40)}}) {
        DrawFlower(painter, QPointF(x, y), colour);
    }

    DrawBlackboard(painter);
    const QPointF knot = DrawBicycle(painter);
    DrawBalloon(painter, QPointF(284, 66), QColor(235, 50, 60), QStringLiteral("1"), knot);
    DrawBalloon(painter, QPointF(362, 84), QColor(40, 120, 230), QStringLiteral("3"), knot);
    DrawBalloon(painter, QPointF(322, 54), QColor(250, 190, 0), QStringLiteral("2"), knot);
    DrawPencil(painter, QPointF(118, 205), -7);
    return image;
}

} // namespace numerava::assets
