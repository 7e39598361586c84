// The contest's pictures: the bicycle that grows part by part on the purchase screen
// ("kolo01.jpg" ... "kolo15.jpg", 320 x 200) and the vehicle each final grade earns ("5.jpg" ...
// "1h.jpg", 240 x 180). All bicycles are drawn from one side-view geometry; the purchase pictures
// show the parts bought so far, the newest one with a soft yellow glow and the parts still to buy
// as faint outlines, so the pupil sees where the next one goes.

#include "assets/RasterDrawing.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace numerava::assets {

namespace {

constexpr int StageWidth = 320;
constexpr int StageHeight = 200;
constexpr int GradeWidth = 240;
constexpr int GradeHeight = 180;
constexpr int PartCount = 16;

const QColor Outline{60, 40, 30};
const QColor GlowColour{255, 222, 90, 170};
const QColor GhostColour{196, 208, 222};
const QColor Steel{176, 182, 194};
const QColor DarkSteel{110, 116, 128};
const QColor Rubber{48, 48, 54};

QPointF Polar(const QPointF& centre, qreal radius, qreal degrees) {
    const qreal a = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

// How a part is drawn: as bought, as the glow under the newest part, or as the faint outline of a
// part still to buy.
enum class Ink { Normal, Glow, Ghost };

QPen InkPen(Ink ink, const QColor& colour, qreal width) {
    switch (ink) {
    case Ink::Glow: return QPen(GlowColour, width + 9.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    case Ink::Ghost: return QPen(GhostColour, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    case Ink::Normal: break;
    }
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush InkBrush(Ink ink, const QColor& colour) {
    switch (ink) {
    case Ink::Glow: return QBrush(GlowColour);
    case Ink::Ghost: return QBrush(Qt::NoBrush);
    case Ink::Normal: break;
    }
    return QBrush(colour);
}

// A tube with a darker edge (one stroke only for glow and outline).
void DrawTube(QPainter& painter, Ink ink, const QPainterPath& path, const QColor& colour, qreal width) {
    painter.setBrush(Qt::NoBrush);
    if (ink == Ink::Normal) {
        painter.setPen(InkPen(ink, colour.darker(150), width + 2.0));
        painter.drawPath(path);
    }
    painter.setPen(InkPen(ink, colour, width));
    painter.drawPath(path);
}

void DrawTube(QPainter& painter, Ink ink, const QPointF& a, const QPointF& b, const QColor& colour,
              qreal width) {
    QPainterPath path(a);
    path.lineTo(b);
    DrawTube(painter, ink, path, colour, width);
}

// A toothed wheel (chainring, sprocket).
void DrawGear(QPainter& painter, Ink ink, const QPointF& c, qreal radius, int teeth, const QColor& colour) {
    QPolygonF gear;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal r = (i % 2 == 0) ? radius : radius * 0.86;
        gear << Polar(c, r, 360.0 * i / (teeth * 2));
    }
    painter.setPen(InkPen(ink, colour.darker(160), 1.0));
    painter.setBrush(InkBrush(ink, colour));
    painter.drawPolygon(gear);
    if (ink != Ink::Normal) return;
    painter.setBrush(colour.lighter(125));
    painter.drawEllipse(c, radius * 0.55, radius * 0.55);
    painter.setBrush(colour.darker(140));
    painter.drawEllipse(c, radius * 0.18, radius * 0.18);
}

// The look of one bicycle.
struct BikeLook {
    QColor frame{230, 60, 60};
    QColor fork{230, 60, 60};
    QColor rim = Steel;
    QColor saddle{70, 55, 55};
    QColor grip{40, 40, 44};
    qreal tyre = 0.14;       // tyre width, fraction of the wheel radius
    bool knobbly = false;    // mountain tyres
    bool suspension = false; // thick fork legs
    bool flatRear = false;   // a flat rear tyre
    bool rusty = false;      // rust spots on the frame
    bool hinge = false;      // a folding frame: one main tube with a hinge
    bool dropBar = false;    // a racing handlebar
    bool mudguards = false;
    bool basket = false;
    bool rack = false;    // a rear rack with bags
    bool battery = false; // an e-bike's battery on the down tube
};

// The side-view geometry of a bicycle: hubs, bottom bracket and the frame's joints.
struct Bike {
    Bike(const QPointF& rearHub, qreal wheelRadius, qreal frameUnit, qreal wheelbase)
        : r(wheelRadius), u(frameUnit), rear(rearHub), front(rearHub + QPointF(wheelbase * frameUnit, 0)),
          bb(rearHub + QPointF(1.15 * frameUnit, 0.2 * frameUnit)),
          seatTop(rearHub + QPointF(0.82 * frameUnit, -1.32 * frameUnit)),
          headTop(front + QPointF(-0.5 * frameUnit, -1.3 * frameUnit)),
          headBottom(front + QPointF(-0.38 * frameUnit, -0.96 * frameUnit)),
          stemEnd(headTop + QPointF(0.14 * frameUnit, -0.2 * frameUnit)),
          saddle(seatTop + QPointF(-0.08 * frameUnit, -0.34 * frameUnit)) {}

    qreal r;
    qreal u;
    QPointF rear;
    QPointF front;
    QPointF bb;
    QPointF seatTop;
    QPointF headTop;
    QPointF headBottom;
    QPointF stemEnd;
    QPointF saddle;
};

void DrawRim(QPainter& painter, Ink ink, const QPointF& c, const Bike& bike, const BikeLook& look) {
    painter.setBrush(Qt::NoBrush);
    const qreal w = bike.r * 0.08;
    painter.setPen(InkPen(ink, look.rim, w));
    painter.drawEllipse(c, bike.r * 0.84, bike.r * 0.84);
    if (ink != Ink::Normal) return;
    painter.setPen(QPen(look.rim.darker(150), 1.0));
    painter.drawEllipse(c, bike.r * 0.84 - w / 2, bike.r * 0.84 - w / 2);
    painter.setPen(QPen(look.rim.lighter(125), 1.0));
    painter.drawEllipse(c, bike.r * 0.84 + w / 2, bike.r * 0.84 + w / 2);
}

void DrawSpokes(QPainter& painter, Ink ink, const QPointF& c, const Bike& bike, bool bent) {
    const qreal hub = bike.r * 0.1;
    const qreal rim = bike.r * 0.8;
    painter.setPen(InkPen(ink, DarkSteel, 1.0));
    for (int i = 0; i < 18; ++i) {
        const qreal angle = i * 20.0;
        if (bent && i == 4) {
            QPainterPath spoke(Polar(c, hub, angle + 12.0));
            spoke.quadTo(Polar(c, rim * 0.6, angle + 24.0), Polar(c, rim, angle));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(spoke);
            continue;
        }
        // Tangential lacing: each spoke leaves the hub a little ahead of or behind its rim point.
        painter.drawLine(Polar(c, hub, angle + ((i % 2 == 0) ? 40.0 : -40.0)), Polar(c, rim, angle));
    }
    painter.setPen(InkPen(ink, DarkSteel.darker(130), 1.0));
    painter.setBrush(InkBrush(ink, QColor(214, 218, 226)));
    painter.drawEllipse(c, hub * 1.2, hub * 1.2);
}

void DrawTyre(QPainter& painter, Ink ink, const QPointF& c, const Bike& bike, const BikeLook& look,
              bool flat) {
    const qreal w = bike.r * look.tyre;
    const qreal radius = bike.r - w / 2;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(InkPen(ink, Rubber, w));
    painter.drawEllipse(c, radius, radius);
    if (ink != Ink::Normal) return;
    painter.setPen(QPen(QColor(90, 90, 98), 1.0));
    painter.drawEllipse(c, radius - w * 0.25, radius - w * 0.25);
    if (look.knobbly) {
        painter.setPen(QPen(Rubber, 2.6, Qt::SolidLine, Qt::FlatCap));
        for (int i = 0; i < 36; ++i)
            painter.drawLine(Polar(c, bike.r - 0.5, i * 10.0), Polar(c, bike.r + 1.8, i * 10.0));
    }
    if (flat) {
        // The flat tyre sags onto the ground.
        painter.setPen(Qt::NoPen);
        painter.setBrush(Rubber);
        painter.drawEllipse(QRectF(c.x() - bike.r * 0.45, c.y() + bike.r - w * 1.1, bike.r * 0.9, w * 1.6));
    }
}

void DrawCassette(QPainter& painter, Ink ink, const Bike& bike) {
    DrawGear(painter, ink, bike.rear, bike.u * 0.2, 14, QColor(150, 156, 168));
    // The derailleur hangs below the sprockets with its two little pulleys.
    const QPointF upper = bike.rear + QPointF(bike.u * 0.06, bike.u * 0.3);
    const QPointF lower = bike.rear + QPointF(-bike.u * 0.02, bike.u * 0.48);
    DrawTube(painter, ink, bike.rear + QPointF(bike.u * 0.04, bike.u * 0.1), upper, QColor(70, 74, 84),
             bike.u * 0.06);
    DrawTube(painter, ink, upper, lower, QColor(70, 74, 84), bike.u * 0.07);
    painter.setPen(InkPen(ink, QColor(40, 40, 44), 1.0));
    painter.setBrush(InkBrush(ink, QColor(200, 204, 212)));
    painter.drawEllipse(upper, bike.u * 0.05, bike.u * 0.05);
    painter.drawEllipse(lower, bike.u * 0.05, bike.u * 0.05);
}

// Where a folding frame's main tube meets the seat tube.
QPointF FoldingJoint(const Bike& bike) { return bike.bb + (bike.seatTop - bike.bb) * 0.35; }

void DrawFrame(QPainter& painter, Ink ink, const Bike& bike, const BikeLook& look) {
    const qreal w = bike.u * 0.11;
    if (look.hinge) {
        // A folding frame: one low main tube from the head to the seat tube.
        DrawTube(painter, ink, bike.headBottom, FoldingJoint(bike), look.frame, w * 1.4);
    } else {
        DrawTube(painter, ink, bike.bb, bike.headBottom, look.frame, w);
        DrawTube(painter, ink, bike.seatTop + QPointF(bike.u * 0.03, bike.u * 0.06),
                 bike.headTop + QPointF(0, bike.u * 0.1), look.frame, w);
    }
    DrawTube(painter, ink, bike.bb, bike.seatTop, look.frame, w);
    DrawTube(painter, ink, bike.bb, bike.rear, look.frame, w * 0.8);
    DrawTube(painter, ink, bike.seatTop + QPointF(bike.u * 0.02, bike.u * 0.08), bike.rear, look.frame,
             w * 0.7);
    DrawTube(painter, ink, bike.headTop, bike.headBottom, look.frame.darker(115), w * 1.35);
    if (ink != Ink::Normal) return;
    if (look.hinge) {
        const QPointF joint = (bike.headBottom + FoldingJoint(bike)) / 2;
        painter.setPen(QPen(Outline, 1.0));
        painter.setBrush(QColor(60, 64, 72));
        painter.drawRoundedRect(QRectF(joint.x() - w, joint.y() - w, 2 * w, 2 * w), 2, 2);
        painter.setBrush(QColor(220, 224, 230));
        painter.drawEllipse(joint, w * 0.35, w * 0.35);
    }
    if (look.rusty) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(150, 80, 30, 200));
        for (const qreal t : {0.3, 0.55, 0.8}) {
            const QPointF p = bike.bb + (bike.headBottom - bike.bb) * t;
            painter.drawEllipse(p, w * 0.45, w * 0.35);
        }
        painter.drawEllipse(bike.bb + (bike.seatTop - bike.bb) * 0.6, w * 0.4, w * 0.5);
        painter.drawEllipse(bike.bb + (bike.rear - bike.bb) * 0.5, w * 0.45, w * 0.3);
    }
    if (look.battery) {
        // The battery lies along the down tube.
        const QPointF a = bike.bb + (bike.headBottom - bike.bb) * 0.18;
        const QPointF b = bike.bb + (bike.headBottom - bike.bb) * 0.78;
        const QPointF d = b - a;
        const qreal len = std::hypot(d.x(), d.y());
        const qreal angle = std::atan2(d.y(), d.x()) * 180.0 / std::numbers::pi;
        painter.save();
        painter.translate(a);
        painter.rotate(angle);
        painter.setPen(QPen(QColor(20, 20, 24), 1.0));
        painter.setBrush(QColor(45, 48, 56));
        painter.drawRoundedRect(QRectF(0, -w * 1.3, len, w * 1.5), w * 0.5, w * 0.5);
        painter.setBrush(QColor(90, 230, 90));
        for (int i = 0; i < 4; ++i)
            painter.drawRect(QRectF(len * 0.12 + i * w * 0.9, -w * 0.95, w * 0.6, w * 0.5));
        painter.restore();
        // A lightning bolt on the battery.
        const QPointF m = a + d * 0.7 + QPointF(0, -w * 0.1);
        QPolygonF bolt;
        bolt << m + QPointF(-1, -6) << m + QPointF(4, -6) << m + QPointF(1, -1) << m + QPointF(4, -1)
             << m + QPointF(-3, 6) << m + QPointF(-1, 1) << m + QPointF(-4, 1);
        painter.setPen(QPen(QColor(160, 110, 0), 0.8));
        painter.setBrush(QColor(255, 220, 0));
        painter.drawPolygon(bolt);
    }
}

void DrawFork(QPainter& painter, Ink ink, const Bike& bike, const BikeLook& look) {
    QPainterPath fork(bike.headBottom);
    fork.quadTo(bike.front + QPointF(-bike.u * 0.3, -bike.u * 0.3), bike.front);
    DrawTube(painter, ink, fork, look.fork, bike.u * 0.08);
    if (look.suspension) {
        const QPointF top = bike.headBottom;
        const QPointF low = bike.headBottom + (bike.front - bike.headBottom) * 0.5;
        DrawTube(painter, ink, top, low, QColor(40, 42, 48), bike.u * 0.15);
        if (ink == Ink::Normal) {
            painter.setPen(QPen(QColor(255, 200, 0), 2.0, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(top + (low - top) * 0.35, top + (low - top) * 0.65);
        }
    }
}

void DrawStem(QPainter& painter, Ink ink, const Bike& bike) {
    DrawTube(painter, ink, bike.headTop + QPointF(bike.u * 0.02, bike.u * 0.02), bike.stemEnd,
             QColor(80, 84, 94), bike.u * 0.08);
}

void DrawHandlebar(QPainter& painter, Ink ink, const Bike& bike, const BikeLook& look) {
    const qreal w = bike.u * 0.06;
    if (look.dropBar) {
        QPainterPath bar(bike.stemEnd);
        bar.cubicTo(bike.stemEnd + QPointF(bike.u * 0.3, 0),
                    bike.stemEnd + QPointF(bike.u * 0.3, bike.u * 0.3),
                    bike.stemEnd + QPointF(bike.u * 0.05, bike.u * 0.32));
        DrawTube(painter, ink, bar, look.grip, w * 1.2);
        return;
    }
    const QPointF back = bike.stemEnd + QPointF(-bike.u * 0.26, -bike.u * 0.1);
    QPainterPath bar(bike.stemEnd);
    bar.quadTo(bike.stemEnd + QPointF(-bike.u * 0.05, -bike.u * 0.12), back);
    DrawTube(painter, ink, bar, Steel, w);
    const QPointF grip = back + QPointF(-bike.u * 0.16, bike.u * 0.02);
    DrawTube(painter, ink, back, grip, look.grip, w * 1.6);
}

void DrawSaddle(QPainter& painter, Ink ink, const Bike& bike, const BikeLook& look) {
    DrawTube(painter, ink, bike.seatTop, bike.saddle + QPointF(0, bike.u * 0.04), Steel, bike.u * 0.06);
    const QPointF s = bike.saddle;
    const qreal u = bike.u;
    QPainterPath seat(s + QPointF(-0.24 * u, -0.04 * u));
    seat.cubicTo(s + QPointF(-0.24 * u, -0.14 * u), s + QPointF(0.1 * u, -0.12 * u),
                 s + QPointF(0.3 * u, -0.05 * u));
    seat.cubicTo(s + QPointF(0.33 * u, -0.02 * u), s + QPointF(0.3 * u, 0.02 * u),
                 s + QPointF(0.2 * u, 0.02 * u));
    seat.cubicTo(s + QPointF(0, 0.04 * u), s + QPointF(-0.2 * u, 0.06 * u),
                 s + QPointF(-0.24 * u, -0.04 * u));
    painter.setPen(InkPen(ink, look.saddle.darker(160), 1.0));
    painter.setBrush(InkBrush(ink, look.saddle));
    painter.drawPath(seat);
}

void DrawChainring(QPainter& painter, Ink ink, const Bike& bike) {
    DrawGear(painter, ink, bike.bb, bike.u * 0.3, 22, QColor(190, 196, 206));
}

void DrawPedals(QPainter& painter, Ink ink, const Bike& bike) {
    const qreal crank = bike.u * 0.36;
    const QPointF back = Polar(bike.bb, crank, 240.0);
    const QPointF front = Polar(bike.bb, crank, 60.0);
    DrawTube(painter, ink, bike.bb, back, QColor(120, 126, 138), bike.u * 0.06);
    DrawTube(painter, ink, bike.bb, front, QColor(150, 156, 168), bike.u * 0.07);
    const qreal pw = bike.u * 0.24;
    const qreal ph = bike.u * 0.08;
    painter.setPen(InkPen(ink, QColor(20, 20, 24), 1.0));
    for (const QPointF& p : {back, front}) {
        painter.setBrush(InkBrush(ink, QColor(50, 52, 58)));
        painter.drawRoundedRect(QRectF(p.x() - pw / 2, p.y() - ph / 2, pw, ph), 2, 2);
        if (ink == Ink::Normal) {
            painter.setBrush(QColor(255, 140, 0));
            painter.drawRect(QRectF(p.x() - pw / 2 + 1, p.y() - 1, 3, 2));
        }
    }
    painter.setBrush(InkBrush(ink, QColor(210, 214, 222)));
    painter.drawEllipse(bike.bb, bike.u * 0.05, bike.u * 0.05);
}

void DrawChain(QPainter& painter, Ink ink, const Bike& bike, bool hanging) {
    const qreal ring = bike.u * 0.3;
    const qreal sprocket = bike.u * 0.2;
    QPainterPath chain(bike.rear + QPointF(0, -sprocket));
    chain.lineTo(bike.bb + QPointF(0, -ring));
    chain.arcTo(QRectF(bike.bb.x() - ring, bike.bb.y() - ring, 2 * ring, 2 * ring), 90, -180);
    const QPointF lower = bike.rear + QPointF(-bike.u * 0.02, bike.u * 0.48);
    if (hanging) {
        // Off the sprockets, sagging under the bicycle.
        chain.quadTo(bike.bb + QPointF(-bike.u * 0.5, bike.u * 0.7), lower);
    } else {
        chain.lineTo(lower);
        chain.lineTo(bike.rear + QPointF(bike.u * 0.06, bike.u * 0.3));
        chain.lineTo(bike.rear + QPointF(0, sprocket));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(InkPen(ink, QColor(60, 62, 70), bike.u * 0.05));
    painter.drawPath(chain);
    if (ink != Ink::Normal) return;
    QPen links(QColor(170, 174, 184), bike.u * 0.025, Qt::DotLine, Qt::FlatCap);
    painter.setPen(links);
    painter.drawPath(chain);
}

void DrawBell(QPainter& painter, Ink ink, const Bike& bike) {
    const QPointF c = bike.stemEnd + QPointF(-bike.u * 0.14, -bike.u * 0.14);
    const qreal r = bike.u * 0.1;
    painter.setPen(InkPen(ink, QColor(150, 110, 0), 1.0));
    painter.setBrush(InkBrush(ink, QColor(255, 210, 40)));
    painter.drawChord(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 180 * 16);
    painter.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
    if (ink != Ink::Normal) return;
    painter.setBrush(QColor(255, 245, 170));
    painter.drawEllipse(c + QPointF(-r * 0.35, -r * 0.5), r * 0.22, r * 0.18);
    painter.setPen(QPen(QColor(120, 120, 130), 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(c + QPointF(r * 0.6, r * 0.1), c + QPointF(r * 1.3, r * 0.5));
}

// One part, numbered in the contest's buying order (1 rear rim ... 16 bell).
void DrawPart(QPainter& painter, int part, Ink ink, const Bike& bike, const BikeLook& look) {
    switch (part) {
    case 1: DrawRim(painter, ink, bike.rear, bike, look); break;
    case 2: DrawRim(painter, ink, bike.front, bike, look); break;
    case 3: DrawSpokes(painter, ink, bike.rear, bike, false); break;
    case 4: DrawSpokes(painter, ink, bike.front, bike, false); break;
    case 5: DrawTyre(painter, ink, bike.rear, bike, look, false); break;
    case 6: DrawTyre(painter, ink, bike.front, bike, look, false); break;
    case 7: DrawCassette(painter, ink, bike); break;
    case 8: DrawFrame(painter, ink, bike, look); break;
    case 9: DrawFork(painter, ink, bike, look); break;
    case 10: DrawStem(painter, ink, bike); break;
    case 11: DrawHandlebar(painter, ink, bike, look); break;
    case 12: DrawSaddle(painter, ink, bike, look); break;
    case 13: DrawChainring(painter, ink, bike); break;
    case 14: DrawPedals(painter, ink, bike); break;
    case 15: DrawChain(painter, ink, bike, false); break;
    case 16: DrawBell(painter, ink, bike); break;
    default: break;
    }
}

// Back to front: wheels, drive, frame and cockpit, pedals in front of the chain.
constexpr int DrawingOrder[PartCount] = {5, 6, 1, 2, 3, 4, 7, 15, 8, 9, 10, 11, 16, 12, 13, 14};

// The bicycle with its first `bought` parts; the last of them glows, the rest are outlines.
void DrawBicycleParts(QPainter& painter, const Bike& bike, const BikeLook& look, int bought,
                      bool showNewest) {
    for (const int part : DrawingOrder) {
        if (part > bought) DrawPart(painter, part, Ink::Ghost, bike, look);
    }
    if (showNewest && bought >= 1 && bought <= PartCount) DrawPart(painter, bought, Ink::Glow, bike, look);
    for (const int part : DrawingOrder) {
        if (part <= bought) DrawPart(painter, part, Ink::Normal, bike, look);
    }
}

// A whole bicycle with its extras (mudguards, basket, rack, bags).
void DrawBicycle(QPainter& painter, const Bike& bike, const BikeLook& look) {
    const qreal u = bike.u;
    if (look.rack) {
        const QPointF rackEnd = bike.rear + QPointF(-u * 0.45, -u * 0.95);
        const QPointF rackFront = bike.seatTop + QPointF(-u * 0.05, u * 0.1);
        painter.setPen(QPen(QColor(60, 62, 70), 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(rackEnd, rackFront);
        painter.drawLine(rackEnd + QPointF(u * 0.1, 0), bike.rear);
        // A pannier bag hanging from the rack.
        const QRectF bag(bike.rear.x() - u * 0.62, rackEnd.y() + 1, u * 0.72, u * 0.75);
        painter.setPen(QPen(QColor(20, 70, 40), 1.2));
        painter.setBrush(QColor(40, 150, 80));
        painter.drawRoundedRect(bag, 4, 4);
        painter.setBrush(QColor(30, 120, 65));
        painter.drawRoundedRect(QRectF(bag.left(), bag.top(), bag.width(), bag.height() * 0.35), 4, 4);
        painter.setPen(QPen(QColor(230, 230, 230), 1.5));
        painter.drawLine(QPointF(bag.left() + 3, bag.bottom() - 5),
                         QPointF(bag.right() - 3, bag.bottom() - 5));
        // A rolled sleeping mat on top.
        painter.setPen(QPen(QColor(120, 40, 20), 1.0));
        painter.setBrush(QColor(230, 90, 50));
        painter.drawRoundedRect(QRectF(rackEnd.x() - 2, rackEnd.y() - u * 0.22, u * 0.7, u * 0.22), u * 0.1,
                                u * 0.1);
    }
    DrawBicycleParts(painter, bike, look, PartCount, false);
    if (look.flatRear) DrawTyre(painter, Ink::Normal, bike.rear, bike, look, true);
    if (look.mudguards) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(look.frame.lighter(130), u * 0.06, Qt::SolidLine, Qt::RoundCap));
        const qreal g = bike.r * 1.1;
        painter.drawArc(QRectF(bike.rear.x() - g, bike.rear.y() - g, 2 * g, 2 * g), 40 * 16, 120 * 16);
        painter.drawArc(QRectF(bike.front.x() - g, bike.front.y() - g, 2 * g, 2 * g), 20 * 16, 120 * 16);
    }
    if (look.basket) {
        const QRectF basket(bike.stemEnd.x() + u * 0.02, bike.stemEnd.y() + u * 0.08, u * 0.5, u * 0.38);
        painter.setPen(QPen(QColor(120, 80, 30), 1.2));
        painter.setBrush(QColor(210, 160, 80));
        painter.drawRoundedRect(basket, 3, 3);
        painter.setPen(QPen(QColor(150, 100, 40), 1.0));
        for (int i = 1; i < 4; ++i) {
            const qreal x = basket.left() + basket.width() * i / 4;
            painter.drawLine(QPointF(x, basket.top()), QPointF(x, basket.bottom()));
        }
        painter.drawLine(QPointF(basket.left(), basket.center().y()),
                         QPointF(basket.right(), basket.center().y()));
        // A baguette and an apple for the trip.
        painter.setPen(QPen(QColor(150, 90, 30), 1.0));
        painter.setBrush(QColor(230, 180, 100));
        painter.drawRoundedRect(QRectF(basket.left() + 3, basket.top() - u * 0.3, u * 0.1, u * 0.36), 3, 3);
        painter.setPen(QPen(QColor(140, 20, 20), 1.0));
        painter.setBrush(QColor(220, 40, 40));
        painter.drawEllipse(QPointF(basket.right() - u * 0.14, basket.top() - 2), u * 0.1, u * 0.09);
    }
}

// Backgrounds.

void DrawSkyAndGrass(QPainter& painter, int width, int height, qreal horizon, const QColor& skyTop,
                     const QColor& grass) {
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0, skyTop);
    sky.setColorAt(1.0, QColor(240, 250, 255));
    painter.fillRect(QRectF(0, 0, width, horizon), sky);
    QLinearGradient ground(0, horizon, 0, height);
    ground.setColorAt(0.0, grass.lighter(112));
    ground.setColorAt(1.0, grass);
    painter.fillRect(QRectF(0, horizon, width, height - horizon), ground);
}

void DrawSun(QPainter& painter, const QPointF& c, qreal r) {
    painter.setPen(QPen(QColor(255, 190, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) painter.drawLine(Polar(c, r * 1.25, i * 30.0), Polar(c, r * 1.6, i * 30.0));
    QRadialGradient glow(c, r);
    glow.setColorAt(0.0, QColor(255, 245, 140));
    glow.setColorAt(1.0, QColor(255, 206, 20));
    painter.setPen(QPen(QColor(240, 160, 0), 1.2));
    painter.setBrush(glow);
    painter.drawEllipse(c, r, r);
}

void DrawCloud(QPainter& painter, const QPointF& c, qreal scale) {
    QPainterPath cloud;
    cloud.addEllipse(c + QPointF(-12, 0) * scale, 10 * scale, 7 * scale);
    cloud.addEllipse(c + QPointF(0, -4) * scale, 12 * scale, 10 * scale);
    cloud.addEllipse(c + QPointF(12, 0) * scale, 10 * scale, 7 * scale);
    cloud.setFillRule(Qt::WindingFill);
    painter.setPen(QPen(QColor(200, 220, 236), 1.0));
    painter.setBrush(Qt::white);
    painter.drawPath(cloud.simplified());
}

void DrawShadow(QPainter& painter, const QPointF& c, qreal rx, qreal ry) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(c, rx, ry);
}

void DrawFlower(QPainter& painter, const QPointF& c, const QColor& petals) {
    painter.setPen(QPen(QColor(40, 120, 30), 1.2));
    painter.drawLine(c, c + QPointF(0, 8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(petals);
    for (int i = 0; i < 5; ++i) painter.drawEllipse(Polar(c, 2.8, i * 72.0 - 90.0), 2.2, 2.2);
    painter.setBrush(QColor(255, 220, 40));
    painter.drawEllipse(c, 1.7, 1.7);
}

void DrawHills(QPainter& painter, int width, qreal horizon, const QColor& colour, qreal height) {
    QPainterPath hills(QPointF(0, horizon));
    hills.cubicTo(width * 0.2, horizon - height, width * 0.35, horizon - height * 0.3, width * 0.5,
                  horizon - height * 0.6);
    hills.cubicTo(width * 0.65, horizon - height * 1.1, width * 0.85, horizon - height * 0.2, width,
                  horizon - height * 0.5);
    hills.lineTo(width, horizon + 1);
    hills.lineTo(0, horizon + 1);
    hills.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(hills);
}

// The purchase screen's picture after `bought` parts.
QImage DrawBicycleStage(int bought) {
    QImage image = BlankImage(StageWidth, StageHeight, QColor(240, 248, 255));
    QPainter painter(&image);
    PrepareSmoothPainter(painter);
    DrawSkyAndGrass(painter, StageWidth, StageHeight, 178, QColor(196, 230, 255), QColor(150, 206, 110));
    DrawCloud(painter, QPointF(46, 30), 1.0);
    DrawCloud(painter, QPointF(270, 24), 0.8);
    DrawSun(painter, QPointF(160, 22), 10);
    const Bike bike(QPointF(88, 138), 50, 50, 2.95);
    DrawShadow(painter, QPointF(162, 189), 120, 6);
    BikeLook look;
    look.frame = QColor(235, 70, 60);
    look.fork = look.frame;
    DrawBicycleParts(painter, bike, look, bought, true);
    return image;
}

// The grade pictures.

void DrawSandpit(QPainter& painter) {
    DrawSkyAndGrass(painter, GradeWidth, GradeHeight, 92, QColor(170, 220, 255), QColor(110, 190, 80));
    DrawSun(painter, QPointF(204, 30), 13);
    DrawCloud(painter, QPointF(50, 30), 1.1);
    // The wooden box, seen a little from above.
    const QColor wood(196, 130, 70);
    QPolygonF outer;
    outer << QPointF(36, 104) << QPointF(204, 104) << QPointF(232, 160) << QPointF(8, 160);
    painter.setPen(QPen(Outline, 1.4));
    painter.setBrush(wood);
    painter.drawPolygon(outer);
    QPolygonF sand;
    sand << QPointF(46, 110) << QPointF(194, 110) << QPointF(216, 153) << QPointF(24, 153);
    painter.setBrush(QColor(246, 214, 140));
    painter.drawPolygon(sand);
    painter.setBrush(wood.darker(115));
    painter.drawRect(QRectF(8, 160, 224, 10));
    // Sand castle.
    painter.setPen(QPen(QColor(170, 130, 60), 1.2));
    painter.setBrush(QColor(232, 192, 110));
    painter.drawRect(QRectF(88, 118, 36, 22));
    for (int i = 0; i < 3; ++i) painter.drawRect(QRectF(88 + i * 14, 112, 8, 6));
    painter.drawRect(QRectF(100, 102, 12, 16));
    painter.setPen(QPen(QColor(120, 80, 40), 1.0));
    painter.drawLine(QPointF(106, 102), QPointF(106, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 40, 40));
    QPolygonF flag;
    flag << QPointF(106, 90) << QPointF(116, 93) << QPointF(106, 96);
    painter.drawPolygon(flag);
    // A red bucket.
    QPolygonF bucket;
    bucket << QPointF(146, 118) << QPointF(174, 118) << QPointF(170, 146) << QPointF(150, 146);
    painter.setPen(QPen(QColor(140, 20, 20), 1.4));
    painter.setBrush(QColor(235, 50, 50));
    painter.drawPolygon(bucket);
    painter.setBrush(QColor(190, 30, 30));
    painter.drawEllipse(QRectF(146, 115, 28, 7));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(60, 60, 70), 1.6));
    painter.drawArc(QRectF(147, 104, 26, 26), 0, 180 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawRect(QRectF(153, 124, 4, 18));
    // A blue spade stuck in the sand.
    painter.save();
    painter.translate(60, 138);
    painter.rotate(-20);
    painter.setPen(QPen(QColor(20, 60, 140), 1.2));
    painter.setBrush(QColor(60, 120, 230));
    painter.drawRoundedRect(QRectF(-2.5, -44, 5, 38), 2, 2);
    painter.drawRoundedRect(QRectF(-8, -48, 16, 6), 3, 3);
    QPainterPath blade(QPointF(-10, -8));
    blade.lineTo(10, -8);
    blade.lineTo(8, 6);
    blade.quadTo(0, 12, -8, 6);
    blade.closeSubpath();
    painter.drawPath(blade);
    painter.restore();
    // A yellow sand mould shaped like a star.
    painter.setPen(QPen(QColor(200, 140, 0), 1.2));
    painter.setBrush(QColor(255, 214, 40));
    DrawStar(painter, QPointF(190, 138), 10, 0.5, 10);
}

void DrawTricycle(QPainter& painter) {
    DrawSkyAndGrass(painter, GradeWidth, GradeHeight, 120, QColor(190, 226, 255), QColor(120, 196, 90));
    DrawCloud(painter, QPointF(60, 30), 1.1);
    DrawCloud(painter, QPointF(190, 40), 0.9);
    for (int i = 0; i < 6; ++i)
        DrawFlower(painter, QPointF(18 + i * 40, 128 + (i % 2) * 6),
                   i % 2 ? QColor(255, 120, 180) : QColor(250, 250, 250));
    DrawShadow(painter, QPointF(122, 161), 84, 6);

    const QPointF frontHub(168, 126);
    const qreal frontR = 34;
    const QPointF rearHub(74, 141);
    const qreal rearR = 19;
    // Rear axle and the second rear wheel behind.
    const Bike rear(rearHub + QPointF(10, -4), rearR, 30, 3.0);
    BikeLook look;
    look.tyre = 0.28;
    DrawTyre(painter, Ink::Normal, rearHub + QPointF(14, -5), rear, look, false);
    painter.setPen(QPen(QColor(200, 40, 40), 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(rearHub, rearHub + QPointF(14, -5));
    // Frame: from the rear axle up to the head.
    const QPointF head(154, 84);
    QPainterPath frame(rearHub);
    frame.quadTo(QPointF(110, 120), head);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(150, 20, 20), 11, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(frame);
    painter.setPen(QPen(QColor(230, 50, 50), 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(frame);
    // Front wheel with its pedals on the hub.
    const Bike front(frontHub, frontR, 30, 3.0);
    look.rim = QColor(255, 200, 40);
    look.tyre = 0.2;
    DrawTyre(painter, Ink::Normal, frontHub, front, look, false);
    painter.setPen(QPen(QColor(230, 170, 20), 1.2));
    painter.setBrush(QColor(255, 215, 60));
    painter.drawEllipse(frontHub, frontR * 0.8, frontR * 0.8);
    painter.setBrush(QColor(255, 240, 150));
    painter.drawEllipse(frontHub, frontR * 0.3, frontR * 0.3);
    painter.setPen(QPen(QColor(200, 40, 40), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(frontHub, frontHub + QPointF(12, 14));
    painter.setPen(QPen(QColor(40, 40, 48), 1.0));
    painter.setBrush(QColor(60, 120, 230));
    painter.drawRoundedRect(QRectF(frontHub.x() + 5, frontHub.y() + 12, 16, 6), 2, 2);
    // Fork and handlebar.
    painter.setPen(QPen(QColor(230, 50, 50), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(head, frontHub);
    painter.drawLine(head, head + QPointF(-6, -22));
    painter.setPen(QPen(Steel, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(head + QPointF(-6, -22), head + QPointF(-22, -20));
    painter.setPen(QPen(QColor(60, 120, 230), 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(head + QPointF(-18, -20), head + QPointF(-28, -19));
    // Back wheel in front, and the seat.
    DrawTyre(painter, Ink::Normal, rearHub, rear, look, false);
    painter.setPen(QPen(QColor(230, 170, 20), 1.0));
    painter.setBrush(QColor(255, 215, 60));
    painter.drawEllipse(rearHub, rearR * 0.68, rearR * 0.68);
    painter.setBrush(QColor(255, 240, 150));
    painter.drawEllipse(rearHub, rearR * 0.25, rearR * 0.25);
    painter.setPen(QPen(QColor(200, 40, 40), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(110, 112), QPointF(104, 96));
    painter.setPen(QPen(QColor(20, 50, 120), 1.2));
    painter.setBrush(QColor(60, 120, 230));
    QPainterPath seat(QPointF(84, 96));
    seat.cubicTo(QPointF(84, 86), QPointF(118, 86), QPointF(124, 92));
    seat.cubicTo(QPointF(124, 98), QPointF(96, 100), QPointF(84, 96));
    painter.drawPath(seat);
    painter.drawRoundedRect(QRectF(78, 74, 8, 22), 3, 3);
}

// A kick scooter (deck on two small wheels, steering column, T-bar); battered or electric.
void DrawScooter(QPainter& painter, const QColor& colour, bool battered, bool electric) {
    const QPointF rear(58, 148);
    const QPointF front(180, 148);
    const qreal r = electric ? 16 : 13;
    DrawShadow(painter, QPointF(120, 164), 84, 5);
    // The deck.
    QPainterPath deck(QPointF(52, 132));
    deck.lineTo(QPointF(160, 132));
    deck.quadTo(QPointF(170, 132), QPointF(170, 140));
    deck.lineTo(QPointF(60, 142));
    deck.quadTo(QPointF(50, 142), QPointF(52, 132));
    painter.setPen(QPen(colour.darker(170), 1.4));
    painter.setBrush(colour);
    painter.drawPath(deck);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 46));
    painter.drawRect(QRectF(70, 130, 80, 3));
    // Rear mudguard (the brake) and the column.
    painter.setPen(QPen(colour.darker(170), 1.2));
    painter.setBrush(colour.darker(120));
    painter.drawChord(QRectF(rear.x() - r - 2, rear.y() - r - 2, 2 * r + 4, 2 * r + 4), 30 * 16, 130 * 16);
    const QPointF top(164, 46);
    painter.setPen(QPen(colour.darker(170), 9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(front, top);
    painter.setPen(QPen(electric ? QColor(60, 64, 72) : Steel, 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(front + QPointF(-1, -10), top);
    painter.setPen(QPen(colour.darker(170), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(160, 136), front + QPointF(-6, -18));
    // T-bar with grips.
    painter.setPen(QPen(Steel, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(top + QPointF(-14, 0), top + QPointF(14, 0));
    painter.setPen(QPen(QColor(40, 40, 46), 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(top + QPointF(-16, 0), top + QPointF(-24, 0));
    painter.drawLine(top + QPointF(16, 0), top + QPointF(22, 0));
    // Wheels.
    for (const QPointF& c : {rear, front}) {
        painter.setPen(QPen(Rubber, r * 0.45));
        painter.setBrush(QColor(230, 230, 236));
        painter.drawEllipse(c, r * 0.78, r * 0.78);
        painter.setPen(QPen(QColor(120, 120, 130), 1.0));
        painter.setBrush(electric ? QColor(60, 200, 230) : QColor(255, 200, 60));
        painter.drawEllipse(c, r * 0.3, r * 0.3);
    }
    if (battered) {
        // Scratches, dents, rust and a strip of tape.
        painter.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
        painter.drawLine(QPointF(64, 137), QPointF(84, 139));
        painter.drawLine(QPointF(100, 136), QPointF(112, 139));
        painter.drawLine(QPointF(126, 135), QPointF(132, 140));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(140, 80, 30, 210));
        painter.drawEllipse(QPointF(92, 138), 5, 2.5);
        painter.drawEllipse(QPointF(150, 139), 4, 2);
        painter.drawEllipse(QPointF(170, 95), 2.5, 4);
        painter.setPen(QPen(QColor(200, 200, 190), 1.0));
        painter.setBrush(QColor(235, 235, 220));
        painter.save();
        painter.translate(167, 78);
        painter.rotate(20);
        painter.drawRect(QRectF(-7, -4, 14, 8));
        painter.restore();
        // The bent left grip end.
        painter.setPen(QPen(QColor(90, 90, 90), 1.2));
        painter.drawLine(QPointF(58, 126), QPointF(54, 120));
        painter.drawLine(QPointF(54, 120), QPointF(58, 116));
    }
    if (electric) {
        // Display, headlight and a lightning bolt on the deck.
        painter.setPen(QPen(QColor(20, 20, 24), 1.0));
        painter.setBrush(QColor(40, 44, 52));
        painter.drawRoundedRect(QRectF(top.x() - 9, top.y() + 3, 18, 10), 2, 2);
        painter.setBrush(QColor(90, 230, 255));
        painter.drawRect(QRectF(top.x() - 6, top.y() + 5, 12, 6));
        painter.setBrush(QColor(255, 250, 200));
        painter.drawEllipse(QPointF(171, 116), 5, 4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 250, 180, 110));
        QPolygonF beam;
        beam << QPointF(175, 113) << QPointF(236, 100) << QPointF(236, 136) << QPointF(175, 119);
        painter.drawPolygon(beam);
        QPolygonF bolt;
        const QPointF m(110, 137);
        bolt << m + QPointF(-2, -5) << m + QPointF(6, -5) << m + QPointF(2, -1) << m + QPointF(7, -1)
             << m + QPointF(-4, 6) << m + QPointF(-1, 1) << m + QPointF(-6, 1);
        painter.setPen(QPen(QColor(160, 110, 0), 0.8));
        painter.setBrush(QColor(255, 220, 0));
        painter.drawPolygon(bolt);
    }
}

void DrawGardenFence(QPainter& painter, qreal horizon) {
    painter.setPen(QPen(QColor(150, 100, 50), 1.0));
    painter.setBrush(QColor(220, 170, 110));
    for (int x = 4; x < GradeWidth; x += 18) {
        QPolygonF picket;
        picket << QPointF(x, horizon + 6) << QPointF(x, horizon - 30) << QPointF(x + 6, horizon - 36)
               << QPointF(x + 12, horizon - 30) << QPointF(x + 12, horizon + 6);
        painter.drawPolygon(picket);
    }
    painter.drawRect(QRectF(0, horizon - 22, GradeWidth, 5));
    painter.drawRect(QRectF(0, horizon - 6, GradeWidth, 5));
}

void DrawBatteredScooterPicture(QPainter& painter) {
    DrawSkyAndGrass(painter, GradeWidth, GradeHeight, 108, QColor(180, 220, 250), QColor(120, 190, 80));
    DrawCloud(painter, QPointF(190, 26), 1.0);
    DrawGardenFence(painter, 108);
    for (int i = 0; i < 5; ++i)
        DrawFlower(painter, QPointF(12 + i * 52, 114 + (i % 2) * 8),
                   i % 2 ? QColor(255, 90, 90) : QColor(250, 240, 80));
    DrawScooter(painter, QColor(120, 150, 190), true, false);
}

void DrawOldBicyclePicture(QPainter& painter) {
    DrawSkyAndGrass(painter, GradeWidth, GradeHeight, 110, QColor(200, 215, 230), QColor(150, 170, 110));
    // An old shed wall behind.
    painter.setPen(QPen(QColor(110, 80, 50), 1.0));
    painter.setBrush(QColor(170, 130, 90));
    painter.drawRect(QRectF(-1, 20, GradeWidth + 2, 90));
    for (int x = 0; x < GradeWidth; x += 20) painter.drawLine(QPointF(x, 20), QPointF(x, 110));
    painter.setBrush(QColor(120, 90, 60));
    painter.drawRect(QRectF(-1, 14, GradeWidth + 2, 8));
    DrawShadow(painter, QPointF(120, 167), 100, 5);
    const Bike bike(QPointF(66, 128), 36, 36, 2.95);
    BikeLook look;
    look.frame = QColor(120, 110, 100);
    look.fork = look.frame;
    look.rim = QColor(150, 140, 120);
    look.saddle = QColor(110, 80, 60);
    look.rusty = true;
    look.mudguards = false;
    for (const int part : DrawingOrder) {
        if (part == 15) continue;
        if (part == 3) {
            DrawSpokes(painter, Ink::Normal, bike.rear, bike, true);
            continue;
        }
        DrawPart(painter, part, Ink::Normal, bike, look);
    }
    DrawTyre(painter, Ink::Normal, bike.rear, bike, look, true);
    DrawChain(painter, Ink::Normal, bike, true);
    // A torn saddle and a spanner on the ground.
    painter.setPen(QPen(QColor(240, 220, 160), 1.2));
    painter.drawLine(bike.saddle + QPointF(-4, -3), bike.saddle + QPointF(4, -1));
    painter.save();
    painter.translate(196, 168);
    painter.rotate(-15);
    painter.setPen(QPen(QColor(90, 96, 110), 1.0));
    painter.setBrush(QColor(190, 196, 206));
    painter.drawRoundedRect(QRectF(-18, -2.5, 30, 5), 2, 2);
    QPainterPath jaw;
    jaw.addEllipse(QPointF(15, 0), 6, 6);
    QPainterPath notch;
    notch.addRect(QRectF(15, -2.5, 8, 5));
    painter.drawPath(jaw.subtracted(notch));
    painter.restore();
    // A question mark: will it ever ride again?
    DrawCentredText(painter, QPointF(210, 48), QStringLiteral("?"), PictureFont(30, true),
                    QColor(255, 230, 90), Outline, 2.0);
}

void DrawFoldingBicyclePicture(QPainter& painter) {
    DrawSkyAndGrass(painter, GradeWidth, GradeHeight, 118, QColor(180, 222, 255), QColor(180, 180, 186));
    // A town pavement with houses.
    const QColor houses[] = {QColor(250, 200, 150), QColor(180, 210, 240), QColor(250, 230, 140),
                             QColor(220, 180, 220)};
    for (int i = 0; i < 4; ++i) {
        const qreal x = i * 62 - 6;
        const qreal h = 50 + (i % 2) * 14;
        painter.setPen(QPen(QColor(120, 100, 90), 1.0));
        painter.setBrush(houses[i]);
        painter.drawRect(QRectF(x, 118 - h, 56, h));
        painter.setBrush(QColor(200, 80, 60));
        QPolygonF roof;
        roof << QPointF(x - 3, 118 - h) << QPointF(x + 28, 118 - h - 18) << QPointF(x + 59, 118 - h);
        painter.drawPolygon(roof);
        painter.setBrush(QColor(160, 210, 240));
        painter.drawRect(QRectF(x + 8, 118 - h + 10, 12, 12));
        painter.drawRect(QRectF(x + 34, 118 - h + 10, 12, 12));
    }
    DrawShadow(painter, QPointF(124, 165), 80, 5);
    const Bike bike(QPointF(76, 140), 24, 38, 2.3);
    BikeLook look;
    look.frame = QColor(30, 170, 170);
    look.fork = look.frame;
    look.hinge = true;
    look.tyre = 0.2;
    // A folding bicycle sits low: long seat post and a tall stem.
    Bike tall = bike;
    tall.seatTop = bike.rear + QPointF(0.7 * bike.u, -0.95 * bike.u);
    tall.saddle = tall.seatTop + QPointF(-0.1 * bike.u, -0.75 * bike.u);
    tall.headBottom = bike.front + QPointF(-0.2 * bike.u, -0.5 * bike.u);
    tall.headTop = bike.front + QPointF(-0.3 * bike.u, -0.75 * bike.u);
    tall.stemEnd = tall.headTop + QPointF(-0.05 * bike.u, -0.9 * bike.u);
    tall.bb = bike.rear + QPointF(0.95 * bike.u, 0.15 * bike.u);
    DrawBicycleParts(painter, tall, look, PartCount, false);
    // The folding stem is a tube of its own, with a clamp.
    DrawTube(painter, Ink::Normal, tall.headTop, tall.stemEnd, look.frame, tall.u * 0.1);
    painter.setPen(QPen(Outline, 1.0));
    painter.setBrush(QColor(60, 64, 72));
    painter.drawRoundedRect(QRectF(tall.headTop.x() - 4, tall.headTop.y() - 12, 8, 7), 2, 2);
}

void DrawTripPicture(QPainter& painter) {
    DrawSkyAndGrass(painter, GradeWidth, GradeHeight, 106, QColor(160, 215, 255), QColor(110, 190, 80));
    DrawSun(painter, QPointF(30, 28), 12);
    DrawCloud(painter, QPointF(150, 26), 1.0);
    DrawHills(painter, GradeWidth, 107, QColor(140, 205, 110), 24);
    // A road sign: the next village is near.
    painter.setPen(QPen(QColor(90, 90, 96), 2.0));
    painter.drawLine(QPointF(212, 120), QPointF(212, 80));
    painter.setPen(QPen(QColor(20, 60, 140), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(190, 66, 44, 18));
    DrawCentredText(painter, QPointF(212, 75), QStringLiteral("2 km"), PictureFont(11, true),
                    QColor(20, 60, 140), Outline, 0);
    // The path.
    QPainterPath path(QPointF(0, 170));
    path.cubicTo(QPointF(80, 150), QPointF(160, 140), QPointF(240, 128));
    path.lineTo(240, 138);
    path.cubicTo(QPointF(160, 152), QPointF(80, 166), QPointF(0, 180));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(226, 200, 150));
    painter.drawPath(path);
    DrawShadow(painter, QPointF(110, 164), 84, 5);
    const Bike bike(QPointF(58, 128), 32, 34, 2.95);
    BikeLook look;
    look.frame = QColor(60, 170, 80);
    look.fork = look.frame;
    look.saddle = QColor(120, 80, 50);
    look.grip = QColor(120, 80, 50);
    look.basket = true;
    look.mudguards = true;
    DrawBicycle(painter, bike, look);
}

void DrawTouringPicture(QPainter& painter) {
    DrawSkyAndGrass(painter, GradeWidth, GradeHeight, 112, QColor(130, 200, 255), QColor(110, 180, 80));
    DrawSun(painter, QPointF(206, 26), 12);
    // Distant mountains and a castle on a hill: a day's ride away.
    QPolygonF mountains;
    mountains << QPointF(0, 112) << QPointF(30, 66) << QPointF(62, 96) << QPointF(98, 52) << QPointF(140, 100)
              << QPointF(170, 80) << QPointF(240, 112);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 170, 200));
    painter.drawPolygon(mountains);
    painter.setBrush(Qt::white);
    QPolygonF snow;
    snow << QPointF(98, 52) << QPointF(108, 64) << QPointF(100, 61) << QPointF(92, 66) << QPointF(88, 64);
    painter.drawPolygon(snow);
    DrawHills(painter, GradeWidth, 113, QColor(130, 196, 100), 20);
    painter.setPen(QPen(QColor(110, 90, 80), 1.0));
    painter.setBrush(QColor(220, 210, 190));
    painter.drawRect(QRectF(184, 78, 22, 18));
    painter.drawRect(QRectF(200, 70, 8, 26));
    painter.setBrush(QColor(200, 70, 60));
    QPolygonF roof;
    roof << QPointF(198, 70) << QPointF(204, 58) << QPointF(210, 70);
    painter.drawPolygon(roof);
    DrawShadow(painter, QPointF(116, 166), 92, 5);
    const Bike bike(QPointF(60, 130), 34, 36, 2.95);
    BikeLook look;
    look.frame = QColor(40, 90, 200);
    look.fork = QColor(40, 90, 200);
    look.rack = true;
    look.mudguards = true;
    look.dropBar = true;
    DrawBicycle(painter, bike, look);
    // A water bottle on the down tube.
    const QPointF bottle = bike.bb + (bike.headBottom - bike.bb) * 0.45;
    painter.save();
    painter.translate(bottle);
    painter.rotate(-50);
    painter.setPen(QPen(QColor(140, 100, 0), 1.0));
    painter.setBrush(QColor(255, 200, 40));
    painter.drawRoundedRect(QRectF(-10, -9, 20, 8), 3, 3);
    painter.restore();
}

void DrawMountainPicture(QPainter& painter) {
    DrawSkyAndGrass(painter, GradeWidth, GradeHeight, 90, QColor(140, 200, 250), QColor(100, 160, 70));
    DrawCloud(painter, QPointF(40, 26), 1.0);
    QPolygonF peaks;
    peaks << QPointF(0, 91) << QPointF(50, 30) << QPointF(90, 70) << QPointF(140, 16) << QPointF(200, 80)
          << QPointF(240, 50) << QPointF(240, 91);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(130, 140, 160));
    painter.drawPolygon(peaks);
    painter.setBrush(Qt::white);
    QPolygonF snow;
    snow << QPointF(140, 16) << QPointF(156, 38) << QPointF(146, 34) << QPointF(138, 40) << QPointF(128, 32);
    painter.drawPolygon(snow);
    // Pine trees.
    for (const qreal x : {16.0, 206.0, 226.0}) {
        painter.setBrush(QColor(30, 110, 60));
        QPolygonF tree;
        tree << QPointF(x, 58) << QPointF(x + 10, 92) << QPointF(x - 10, 92);
        painter.drawPolygon(tree);
    }
    // The rocky slope the bicycle climbs.
    QPainterPath slope(QPointF(0, 180));
    slope.lineTo(0, 160);
    slope.cubicTo(QPointF(80, 150), QPointF(160, 124), QPointF(240, 112));
    slope.lineTo(240, 180);
    slope.closeSubpath();
    painter.setBrush(QColor(150, 120, 90));
    painter.drawPath(slope);
    painter.setBrush(QColor(120, 120, 128));
    painter.drawEllipse(QPointF(30, 168), 10, 6);
    painter.drawEllipse(QPointF(200, 140), 8, 5);
    painter.drawEllipse(QPointF(150, 160), 12, 7);
    // The bicycle tilts up the hill.
    painter.save();
    painter.translate(120, 128);
    painter.rotate(-12);
    painter.translate(-120, -128);
    DrawShadow(painter, QPointF(118, 172), 90, 4);
    const Bike bike(QPointF(64, 132), 34, 36, 2.9);
    BikeLook look;
    look.frame = QColor(255, 130, 20);
    look.fork = QColor(40, 42, 48);
    look.rim = QColor(60, 62, 70);
    look.tyre = 0.2;
    look.knobbly = true;
    look.suspension = true;
    look.saddle = QColor(30, 30, 36);
    DrawBicycle(painter, bike, look);
    painter.restore();
}

void DrawElectricScooterPicture(QPainter& painter) {
    DrawSkyAndGrass(painter, GradeWidth, GradeHeight, 120, QColor(120, 190, 250), QColor(170, 170, 178));
    // A city skyline.
    painter.setPen(Qt::NoPen);
    const qreal heights[] = {60, 84, 50, 96, 70, 58, 88};
    for (int i = 0; i < 7; ++i) {
        const qreal x = i * 35 - 4;
        painter.setBrush(QColor(150 + i * 8, 170 + (i % 3) * 10, 200));
        painter.drawRect(QRectF(x, 120 - heights[i], 30, heights[i]));
        painter.setBrush(QColor(255, 250, 200));
        for (qreal y = 124 - heights[i]; y < 112; y += 12) {
            painter.drawRect(QRectF(x + 5, y, 6, 6));
            painter.drawRect(QRectF(x + 18, y, 6, 6));
        }
    }
    painter.setBrush(QColor(120, 120, 128));
    painter.drawRect(QRectF(0, 118, GradeWidth, 4));
    DrawScooter(painter, QColor(30, 200, 200), false, true);
    painter.setPen(QPen(QColor(255, 220, 0), 2.0, Qt::SolidLine, Qt::RoundCap));
    // Speed lines.
    for (int i = 0; i < 3; ++i)
        painter.drawLine(QPointF(10, 110 + i * 10), QPointF(34 - i * 4, 110 + i * 10));
}

void DrawDiploma(QPainter& painter, const QRectF& sheet) {
    painter.save();
    painter.translate(sheet.center());
    painter.rotate(-6);
    const QRectF r(-sheet.width() / 2, -sheet.height() / 2, sheet.width(), sheet.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawRect(r.translated(3, 3));
    painter.setPen(QPen(QColor(190, 140, 0), 1.5));
    painter.setBrush(QColor(255, 222, 60));
    painter.drawRect(r);
    painter.setPen(QPen(QColor(200, 130, 0), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(3, 3, -3, -3));
    DrawCentredText(painter, QPointF(0, r.top() + 10), QStringLiteral("DIPLOM"), PictureFont(9, true),
                    QColor(170, 60, 0), Outline, 0);
    DrawCentredText(painter, QPointF(0, r.top() + 24), QStringLiteral("MATEMATICKÝ"), PictureFont(12, true),
                    QColor(30, 40, 110), Outline, 0);
    DrawCentredText(painter, QPointF(0, r.top() + 39), QStringLiteral("TALENT"), PictureFont(14, true),
                    QColor(200, 30, 30), Outline, 0);
    // A red seal with a ribbon.
    const QPointF seal(r.right() - 12, r.bottom() - 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    QPolygonF ribbon;
    ribbon << seal << seal + QPointF(-6, 14) << seal + QPointF(-2, 11) << seal + QPointF(1, 15) << seal;
    painter.drawPolygon(ribbon);
    painter.setPen(QPen(QColor(140, 10, 10), 1.0));
    painter.drawEllipse(seal, 7, 7);
    painter.setBrush(QColor(255, 220, 0));
    painter.setPen(Qt::NoPen);
    DrawStar(painter, seal, 4.5, 0.45);
    painter.restore();
}

void DrawEBikePicture(QPainter& painter) {
    DrawSkyAndGrass(painter, GradeWidth, GradeHeight, 118, QColor(110, 180, 250), QColor(100, 180, 70));
    DrawHills(painter, GradeWidth, 119, QColor(120, 196, 90), 22);
    // Confetti for the champion.
    const QColor confetti[] = {QColor(255, 80, 80), QColor(80, 160, 255), QColor(255, 200, 0),
                               QColor(120, 220, 90)};
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        painter.setBrush(confetti[i % 4]);
        painter.drawRect(QRectF(8 + (i * 37) % 120, 8 + (i * 23) % 60, 4, 3));
    }
    painter.setBrush(QColor(255, 230, 60));
    DrawStar(painter, QPointF(24, 88), 6, 0.45, 10);
    DrawStar(painter, QPointF(128, 20), 5, 0.45, -10);
    DrawShadow(painter, QPointF(112, 168), 92, 5);
    const Bike bike(QPointF(56, 132), 34, 36, 2.95);
    BikeLook look;
    look.frame = QColor(220, 30, 70);
    look.fork = QColor(40, 42, 48);
    look.rim = QColor(40, 42, 48);
    look.tyre = 0.18;
    look.suspension = true;
    look.battery = true;
    look.saddle = QColor(30, 30, 36);
    DrawBicycle(painter, bike, look);
    DrawDiploma(painter, QRectF(142, 10, 92, 54));
}

QImage PaintGradePicture(void (*draw)(QPainter&)) {
    QImage image = BlankImage(GradeWidth, GradeHeight, QColor(240, 248, 255));
    QPainter painter(&image);
    PrepareSmoothPainter(painter);
    draw(painter);
    return image;
}

} // namespace

QImage DrawBicycleAfterPart(int part) { return DrawBicycleStage(part); }

QImage DrawGradePicture(const QString& grade) {
    struct Entry {
        const char* grade;
        void (*draw)(QPainter&);
    };
    static const Entry entries[] = {
        {"5", DrawSandpit},
        {"4/5", DrawTricycle},
        {"4", DrawBatteredScooterPicture},
        {"3/4", DrawOldBicyclePicture},
        {"3", DrawFoldingBicyclePicture},
        {"2/3", DrawTripPicture},
        {"2", DrawTouringPicture},
        {"1/2", DrawMountainPicture},
        {"1", DrawElectricScooterPicture},
        {"1*", DrawEBikePicture},
    };
    for (const Entry& entry : entries) {
        if (grade == QLatin1String(entry.grade)) return PaintGradePicture(entry.draw);
    }
    return {};
}

} // namespace numerava::assets
