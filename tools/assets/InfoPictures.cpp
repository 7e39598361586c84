// The information screen's small pictures: one per area (64 x 64, shown at about 23 to 33 pixels
// square beside the area's line) and the school beside the age range (70 x 38). The area pictures
// sit on the screen's orange without a frame, so their shapes are bold and dark-edged.

#include "assets/RasterDrawing.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>

namespace numerava::assets {

namespace {

constexpr int AreaPictureSize = 64;
const QColor Ink{45, 30, 25};

QPen InkPen(qreal width = 2.6) { return QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// Area 1: an umbrella.
void DrawUmbrella(QPainter& painter) {
    const QPointF c(32, 32);
    const qreal r = 28;
    const int panels = 4;
    const qreal scallopDepth = 5;
    // Handle: a straight shaft and a hook.
    painter.setPen(QPen(Ink, 4.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(32, 30), QPointF(32, 53));
    painter.drawArc(QRectF(32 - 12, 47, 12, 12), 180 * 16, 180 * 16);

    // Canopy: a half disc whose lower edge is scalloped, panels in turn blue and white.
    QPainterPath canopy;
    canopy.moveTo(c.x() - r, c.y());
    canopy.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180, -180);
    const qreal step = 2 * r / panels;
    for (int i = panels; i > 0; --i) {
        const qreal x = c.x() - r + i * step;
        canopy.quadTo(QPointF(x - step / 2, c.y() - scallopDepth), QPointF(x - step, c.y()));
    }
    canopy.closeSubpath();
    painter.save();
    painter.setClipPath(canopy);
    const std::array<QColor, 2> colours{QColor(30, 110, 230), QColor(255, 255, 255)};
    for (int i = 0; i < panels; ++i) {
        QPainterPath slice;
        slice.moveTo(c.x(), c.y() - r - 2);
        slice.lineTo(c.x() - r + i * step, c.y() + 2);
        slice.lineTo(c.x() - r + (i + 1) * step, c.y() + 2);
        slice.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours[static_cast<size_t>(i % 2)]);
        painter.drawPath(slice);
    }
    painter.restore();
    painter.setPen(InkPen(1.8));
    for (int i = 1; i < panels; ++i) {
        painter.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x() - r + i * step, c.y()));
    }
    painter.setPen(InkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(canopy);
    painter.setBrush(QColor(230, 40, 40));
    painter.drawEllipse(QPointF(c.x(), c.y() - r - 1.5), 2.8, 2.8);
}

// Area 2: a little white horse with a dark mane.
void DrawHorse(QPainter& painter) {
    const QColor coat(255, 255, 255);
    const QColor mane(110, 60, 30);
    painter.setPen(InkPen());
    // Tail.
    painter.setBrush(mane);
    QPainterPath tail;
    tail.moveTo(15, 30);
    tail.cubicTo(5, 30, 4, 44, 8, 50);
    tail.cubicTo(10, 42, 13, 38, 16, 36);
    tail.closeSubpath();
    painter.drawPath(tail);
    // Legs.
    painter.setBrush(coat);
    for (const qreal x : {17.0, 24.0, 38.0, 45.0}) {
        painter.drawRoundedRect(QRectF(x - 2.8, 36, 5.6, 21), 2, 2);
        painter.save();
        painter.setBrush(Ink);
        painter.drawRect(QRectF(x - 2.8, 54, 5.6, 4));
        painter.restore();
    }
    // Body and neck.
    QPainterPath body;
    body.addRoundedRect(QRectF(12, 26, 38, 16), 8, 8);
    QPainterPath neck;
    neck.moveTo(38, 30);
    neck.lineTo(44, 12);
    neck.lineTo(53, 14);
    neck.lineTo(50, 32);
    neck.closeSubpath();
    QPainterPath head;
    head.moveTo(44, 9);
    head.cubicTo(50, 5, 56, 8, 60, 18);
    head.cubicTo(62, 23, 56, 25, 53, 22);
    head.lineTo(48, 18);
    head.closeSubpath();
    QPainterPath horse = body.united(neck).united(head);
    painter.drawPath(horse);
    // Ear, mane, eye, nostril.
    painter.setBrush(coat);
    painter.drawPolygon(QPolygonF{QPointF(45, 9), QPointF(46, 2), QPointF(50, 7.5)});
    painter.setBrush(mane);
    QPainterPath maneShape;
    maneShape.moveTo(45, 8);
    maneShape.cubicTo(38, 10, 36, 20, 36, 30);
    maneShape.lineTo(41, 27);
    maneShape.cubicTo(41, 20, 43, 14, 47, 11);
    maneShape.closeSubpath();
    painter.drawPath(maneShape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawEllipse(QPointF(51.5, 12.5), 2.0, 2.2);
    painter.drawEllipse(QPointF(58, 19), 1.1, 1.1);
    // A red saddle cloth.
    painter.setPen(InkPen(1.8));
    painter.setBrush(QColor(230, 40, 50));
    painter.drawRoundedRect(QRectF(22, 24, 13, 10), 2, 2);
}

// Area 3: the puppet jester, with his red cap and bell, a ruff and a striped coat.
void DrawJester(QPainter& painter) {
    const QPointF face(32, 25);
    // Coat.
    painter.setPen(InkPen());
    painter.setBrush(QColor(40, 150, 60));
    QPainterPath coat;
    coat.moveTo(22, 40);
    coat.lineTo(42, 40);
    coat.lineTo(49, 61);
    coat.lineTo(15, 61);
    coat.closeSubpath();
    painter.drawPath(coat);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 210, 30));
    painter.drawEllipse(QPointF(32, 49), 2.2, 2.2);
    painter.drawEllipse(QPointF(32, 56), 2.2, 2.2);
    // Ruff collar.
    painter.setPen(InkPen(2.0));
    painter.setBrush(QColor(255, 255, 255));
    for (int i = 0; i < 5; ++i) painter.drawEllipse(QPointF(21.5 + i * 5.25, 40), 4.0, 4.0);
    // Face.
    painter.setPen(InkPen());
    painter.setBrush(QColor(255, 214, 180));
    painter.drawEllipse(face, 12, 12);
    // Cap: a red cone flopping to the right, with a yellow bell.
    QPainterPath cap;
    cap.moveTo(19, 22);
    cap.cubicTo(18, 8, 32, 2, 46, 4);
    cap.cubicTo(54, 5, 58, 12, 56, 19);
    cap.cubicTo(52, 12, 46, 11, 44, 18);
    cap.lineTo(45, 22);
    cap.cubicTo(37, 17, 26, 17, 19, 22);
    cap.closeSubpath();
    painter.setBrush(QColor(225, 30, 40));
    painter.drawPath(cap);
    painter.setBrush(QColor(255, 210, 30));
    painter.drawEllipse(QPointF(56, 23), 4.2, 4.2);
    // Eyes, big red nose, smile, cheeks.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawEllipse(QPointF(27.5, 24), 1.7, 2.1);
    painter.drawEllipse(QPointF(36.5, 24), 1.7, 2.1);
    painter.setBrush(QColor(255, 120, 110, 160));
    painter.drawEllipse(QPointF(24, 30), 2.8, 2.0);
    painter.drawEllipse(QPointF(40, 30), 2.8, 2.0);
    painter.setPen(InkPen(1.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(26, 26, 12, 8), 200 * 16, 140 * 16);
    painter.setBrush(QColor(230, 40, 40));
    painter.drawEllipse(QPointF(32, 28.5), 3.0, 2.7);
}

// Area 4: a little fish with bubbles.
void DrawFish(QPainter& painter) {
    const QColor scales(30, 150, 220);
    const QColor fins(255, 220, 40);
    painter.setPen(InkPen());
    // Tail and fins behind the body.
    painter.setBrush(fins);
    painter.drawPolygon(QPolygonF{QPointF(14, 34), QPointF(3, 20), QPointF(6, 34), QPointF(3, 48)});
    painter.drawPolygon(QPolygonF{QPointF(26, 23), QPointF(32, 11), QPointF(42, 22)});
    painter.drawPolygon(QPolygonF{QPointF(28, 44), QPointF(34, 53), QPointF(38, 44)});
    // Body.
    QPainterPath body;
    body.moveTo(10, 34);
    body.cubicTo(18, 16, 46, 14, 56, 34);
    body.cubicTo(46, 52, 18, 52, 10, 34);
    body.closeSubpath();
    QLinearGradient shade(0, 18, 0, 50);
    shade.setColorAt(0.0, scales.lighter(130));
    shade.setColorAt(1.0, scales.darker(115));
    painter.setBrush(shade);
    painter.drawPath(body);
    // Stripes, eye, smile.
    painter.save();
    painter.setClipPath(body);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 3.0));
    painter.drawLine(QPointF(26, 18), QPointF(24, 50));
    painter.drawLine(QPointF(34, 18), QPointF(32, 50));
    painter.restore();
    painter.setPen(InkPen(1.5));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(QPointF(46, 30), 4.8, 4.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawEllipse(QPointF(47.2, 30), 2.4, 2.4);
    painter.setPen(InkPen(1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(44, 35, 9, 6), 200 * 16, 110 * 16);
    // Bubbles.
    painter.setPen(QPen(QColor(255, 255, 255), 1.8));
    painter.drawEllipse(QPointF(59, 22), 3.0, 3.0);
    painter.drawEllipse(QPointF(56, 12), 2.2, 2.2);
    painter.drawEllipse(QPointF(60, 5), 1.6, 1.6);
}

// Area 5: a beach ball.
void DrawBall(QPainter& painter) {
    const QPointF c(32, 33);
    const qreal r = 27;
    QPainterPath ball;
    ball.addEllipse(c, r, r);
    painter.save();
    painter.setClipPath(ball);
    painter.translate(c);
    painter.rotate(-28);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 40, 50));
    painter.drawEllipse(QPointF(0, 0), r, r);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(QPointF(0, 0), r * 0.68, r + 1);
    painter.setBrush(QColor(30, 110, 230));
    painter.drawEllipse(QPointF(0, 0), r * 0.34, r + 1);
    painter.setPen(InkPen(1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), r * 0.68, r + 1);
    painter.drawEllipse(QPointF(0, 0), r * 0.34, r + 1);
    painter.restore();
    // Shine and outline.
    painter.setPen(Qt::NoPen);
    QRadialGradient shine(c + QPointF(-10, -11), 20);
    shine.setColorAt(0.0, QColor(255, 255, 255, 150));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(c, r, r);
    painter.setPen(InkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, r, r);
}

// Area 6: a cube puzzle, three faces of three by three coloured squares.
void DrawCubePuzzle(QPainter& painter) {
    // Isometric corners: the near vertical edge runs from top to bottom of the picture's middle.
    const QPointF top(32, 5);      // far corner of the top face
    const QPointF nearTop(32, 25); // near corner where the three faces meet
    const QPointF left(7, 15);
    const QPointF right(57, 15);
    const QPointF down(0, 33); // height of a side face
    const auto face = [&](const QPointF& origin, const QPointF& u, const QPointF& v, const QColor& colour) {
        painter.setPen(InkPen(1.6));
        painter.setBrush(colour);
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                const QPointF a = origin + u * (i / 3.0) + v * (j / 3.0);
                const QPointF du = u / 3.0;
                const QPointF dv = v / 3.0;
                const QPointF inset = (du + dv) * 0.08;
                painter.drawPolygon(QPolygonF{a + inset, a + du + dv * 0.08 - du * 0.08, a + du + dv - inset,
                                              a + dv + du * 0.08 - dv * 0.08});
            }
        }
    };
    // Black body first, then the stickers.
    painter.setPen(InkPen(2.6));
    painter.setBrush(Ink);
    painter.drawPolygon(QPolygonF{top, right, right + down, nearTop + down, left + down, left});
    face(left, top - left, nearTop - left, QColor(255, 255, 255)); // top face
    face(left, nearTop - left, down, QColor(230, 40, 50));         // left face
    face(nearTop, right - nearTop, down, QColor(40, 120, 230));    // right face
    // Two stickers of other colours, as in a puzzle half solved.
    painter.setPen(InkPen(1.6));
    painter.setBrush(QColor(255, 210, 30));
    {
        const QPointF u = (right - nearTop) / 3.0;
        const QPointF v = down / 3.0;
        const QPointF a = nearTop + u * 2 + v * 2;
        const QPointF inset = (u + v) * 0.08;
        painter.drawPolygon(QPolygonF{a + inset, a + u + v * 0.08 - u * 0.08, a + u + v - inset,
                                      a + v + u * 0.08 - v * 0.08});
    }
    painter.setBrush(QColor(40, 170, 70));
    {
        const QPointF u = (nearTop - left) / 3.0;
        const QPointF v = down / 3.0;
        const QPointF a = left + v * 2;
        const QPointF inset = (u + v) * 0.08;
        painter.drawPolygon(QPolygonF{a + inset, a + u + v * 0.08 - u * 0.08, a + u + v - inset,
                                      a + v + u * 0.08 - v * 0.08});
    }
}

} // namespace

QImage DrawAreaPicture(int area) {
    QImage image = BlankImage(AreaPictureSize, AreaPictureSize, ScreenOrange);
    QPainter painter(&image);
    PrepareSmoothPainter(painter);
    switch (area) {
    case 1: DrawUmbrella(painter); break;
    case 2: DrawHorse(painter); break;
    case 3: DrawJester(painter); break;
    case 4: DrawFish(painter); break;
    case 5: DrawBall(painter); break;
    default: DrawCubePuzzle(painter); break;
    }
    return image;
}

QImage DrawSchoolPicture() {
    constexpr int width = 70;
    constexpr int height = 38;
    QImage image = BlankImage(width, height, QColor(190, 228, 255));
    QPainter painter(&image);
    PrepareSmoothPainter(painter);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(160, 214, 255));
    sky.setColorAt(1.0, QColor(225, 244, 255));
    painter.fillRect(QRect(0, 0, width, height), sky);
    // Grass.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 180, 60));
    painter.drawRect(QRectF(0, 31, width, 7));

    const QPen edge(QColor(70, 45, 35), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    // Building: walls, roof, clock, windows, door.
    painter.setPen(edge);
    painter.setBrush(QColor(255, 226, 120));
    painter.drawRect(QRectF(17.5, 15.5, 35, 17));
    painter.setBrush(QColor(215, 50, 40));
    painter.drawPolygon(QPolygonF{QPointF(14.5, 16), QPointF(35, 3), QPointF(55.5, 16)});
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(QPointF(35, 11), 3.2, 3.2);
    painter.drawLine(QPointF(35, 11), QPointF(35, 9));
    painter.drawLine(QPointF(35, 11), QPointF(36.5, 11));
    painter.setBrush(QColor(120, 200, 255));
    for (const qreal x : {20.5, 26.5, 40.5, 46.5}) {
        painter.drawRect(QRectF(x, 18.5, 3.5, 3.5));
        painter.drawRect(QRectF(x, 25, 3.5, 3.5));
    }
    painter.setBrush(QColor(150, 80, 40));
    painter.drawRoundedRect(QRectF(32, 22.5, 6, 10), 1.5, 1.5);

    // Two happy pupils waving, one on each side.
    const auto pupil = [&](const QPointF& feet, const QColor& shirt, const QColor& hair, bool waveLeft) {
        painter.setPen(QPen(QColor(70, 45, 35), 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(feet + QPointF(-1.5, 0), feet + QPointF(-1.5, -4));
        painter.drawLine(feet + QPointF(1.5, 0), feet + QPointF(1.5, -4));
        const QPointF shoulder = feet + QPointF(0, -11);
        painter.drawLine(shoulder, shoulder + QPointF(waveLeft ? -5 : 5, -5));
        painter.drawLine(shoulder, shoulder + QPointF(waveLeft ? 4 : -4, 4));
        painter.setPen(edge);
        painter.setBrush(shirt);
        painter.drawPolygon(
            QPolygonF{feet + QPointF(-3.5, -3.5), feet + QPointF(0, -12), feet + QPointF(3.5, -3.5)});
        painter.setBrush(QColor(255, 214, 180));
        painter.drawEllipse(feet + QPointF(0, -15), 3.3, 3.3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(hair);
        painter.drawPie(QRectF(feet.x() - 3.5, feet.y() - 18.6, 7, 6), 0, 180 * 16);
    };
    pupil(QPointF(7.5, 35), QColor(230, 40, 60), QColor(120, 70, 30), true);
    pupil(QPointF(62.5, 35), QColor(40, 110, 230), QColor(250, 200, 60), false);
    return image;
}

} // namespace numerava::assets
