// The area pictures (shown about 35 x 32 pixels at the left of the big buttons, and smaller on the
// information screen) and the information screen's trophy. Bold shapes, strong dark outlines and
// bright colours, so that each stays recognisable at that size. The area pictures are drawn on a
// 350 x 320 grid (ten units to a pixel), the trophy on 570 x 810.

#include "assets/Assets.h"
#include "assets/MetafileWriter.h"

#include <QFile>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace numerava::assets {

namespace {

using Format = TMetafileWriter::Format;
using Points = std::vector<QPoint>;

const QSize AreaGrid(350, 320);
const QSize AreaPixels(35, 32);
const QColor Ink(35, 30, 60);
constexpr int Outline = 14;

QPoint At(double x, double y) {
    return QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

// Points along an ellipse from one angle to another (degrees, counter-clockwise from three o'clock).
Points EllipseArc(QPointF centre, double rx, double ry, double from, double to, int steps) {
    Points points;
    for (int i = 0; i <= steps; ++i) {
        const double angle = (from + (to - from) * i / steps) * std::numbers::pi / 180;
        points.push_back(At(centre.x() + rx * std::cos(angle), centre.y() - ry * std::sin(angle)));
    }
    return points;
}

// A thick line with a dark edge: drawn twice, wide in ink, then narrower in its colour.
void EdgedLine(TMetafileWriter& w, const Points& points, QColor color, int width) {
    w.SetPen(Ink, width + 2 * Outline - 4);
    w.Polyline(points);
    w.SetPen(color, width);
    w.Polyline(points);
}

bool Save(const QDir& dir, const char* name, const TMetafileWriter& writer) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    const QByteArray bytes = writer.Bytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "numerava-assets: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

// An umbrella: four panels between curved ribs, a scalloped hem, a hooked handle.
TMetafileWriter Umbrella() {
    TMetafileWriter w(Format::Wmf, AreaGrid, AreaPixels);
    const QPointF centre(175, 178);
    const double ry = 140, hem = 26;
    const QColor panelColours[] = {QColor(235, 35, 45), QColor(255, 215, 0), QColor(235, 35, 45),
                                   QColor(255, 215, 0)};

    EdgedLine(w, {At(175, 160), At(175, 262)}, QColor(150, 80, 30), 16);
    w.SetPen(Ink, 16 + 2 * Outline - 4);
    w.Arc(127, 238, 175, 286, At(127, 262), At(175, 262));
    w.SetPen(QColor(150, 80, 30), 16);
    w.Arc(127, 238, 175, 286, At(127, 262), At(175, 262));

    // Rib k runs from the tip to the hem at x = 20 + 77.5 k, along a quarter ellipse.
    const auto rib = [&](int k) {
        const double x = 20 + 77.5 * k;
        const double reach = x - centre.x();
        return EllipseArc(centre, std::fabs(reach), ry, 90, reach < 0 ? 180 : 0, 16);
    };
    w.SetPen(Ink, Outline);
    for (int i = 0; i < 4; ++i) {
        Points panel = rib(i);
        const double left = 20 + 77.5 * i;
        for (int s = 1; s < 12; ++s)
            panel.push_back(At(left + 77.5 * s / 12, centre.y() - hem * std::sin(std::numbers::pi * s / 12)));
        Points back = rib(i + 1);
        panel.insert(panel.end(), back.rbegin(), back.rend());
        w.SetBrush(panelColours[i]);
        w.Polygon(panel);
    }
    w.SetBrush(QColor(255, 215, 0));
    w.Ellipse(162, 20, 188, 46);
    return w;
}

// A little fish swimming left: orange body with a white band, fins, a big eye, two bubbles.
TMetafileWriter Fish() {
    TMetafileWriter w(Format::Wmf, AreaGrid, AreaPixels);
    w.SetPen(Ink, Outline);
    const QColor fin(240, 90, 20);
    w.SetBrush(fin);
    w.Polygon(Points{At(250, 170), At(330, 95), At(312, 172), At(330, 250)});
    w.BezierShape(Points{At(120, 112), At(140, 55), At(200, 50), At(225, 118)});
    w.BezierShape(Points{At(140, 228), At(150, 265), At(185, 275), At(195, 230)});
    w.SetBrush(QColor(255, 150, 0));
    w.BezierShape(
        Points{At(40, 172), At(90, 70), At(220, 70), At(272, 172), At(220, 274), At(90, 274), At(40, 172)});
    w.SetBrush(Qt::white);
    w.BezierShape(Points{At(150, 100), At(178, 140), At(178, 205), At(150, 245), At(128, 245), At(118, 245),
                         At(116, 240), At(140, 200), At(140, 145), At(116, 104), At(120, 100), At(135, 97),
                         At(150, 100)});
    w.SetPen(Ink, 8);
    w.Ellipse(62, 112, 120, 170);
    w.SetNoPen();
    w.SetBrush(Ink);
    w.Ellipse(74, 128, 100, 154);
    w.SetPen(QColor(30, 90, 200), 12);
    w.SetBrush(Qt::white);
    w.Ellipse(12, 52, 50, 90);
    w.Ellipse(52, 8, 80, 36);
    return w;
}

// A beach ball: bright strips between meridians and a white shine.
TMetafileWriter Ball() {
    TMetafileWriter w(Format::Wmf, AreaGrid, AreaPixels);
    const QPointF centre(175, 162);
    const double r = 142;
    const QColor strips[] = {QColor(30, 110, 230), QColor(235, 35, 45), QColor(255, 215, 0),
                             QColor(40, 175, 60)};
    const double edges[] = {-1, -0.62, 0, 0.62, 1};
    w.SetPen(Ink, Outline);
    for (int i = 0; i < 4; ++i) {
        // Each meridian is half an ellipse from the top pole to the bottom one.
        const auto meridian = [&](double x) {
            return EllipseArc(centre, r * std::fabs(x), r, 90, x < 0 ? 270 : -90, 24);
        };
        Points strip = meridian(edges[i]);
        Points back = meridian(edges[i + 1]);
        strip.insert(strip.end(), back.rbegin(), back.rend());
        w.SetBrush(strips[i]);
        w.Polygon(strip);
    }
    w.SetNoBrush();
    w.Ellipse(At(centre.x() - r, 0).x(), At(0, centre.y() - r).y(), At(centre.x() + r, 0).x(),
              At(0, centre.y() + r).y());
    w.SetPen(Qt::white, 18);
    w.Arc(60, 48, 290, 278, At(120, 60), At(60, 150));
    return w;
}

// A twisting cube puzzle in three-quarter view: coloured squares on a black body.
TMetafileWriter Cube() {
    TMetafileWriter w(Format::Wmf, AreaGrid, AreaPixels);
    const QPointF top(175, 18), left(35, 95), right(315, 95), middle(175, 172), leftLow(35, 238),
        rightLow(315, 238), bottom(175, 315);
    w.SetPen(Ink, Outline);
    w.SetBrush(QColor(25, 25, 30));
    w.Polygon(Points{At(top.x(), top.y()), At(right.x(), right.y()), At(rightLow.x(), rightLow.y()),
                     At(bottom.x(), bottom.y()), At(leftLow.x(), leftLow.y()), At(left.x(), left.y())});
    const QColor red(235, 35, 45), yellow(255, 215, 0), blue(30, 110, 230), green(40, 175, 60),
        white(250, 250, 250), orange(255, 140, 0);
    struct TFace {
        QPointF origin, across, down;
        QColor colours[9];
    };
    const TFace faces[] = {
        {left,
         top - left,
         middle - left,
         {yellow, yellow, yellow, yellow, yellow, green, yellow, yellow, yellow}},
        {left, middle - left, leftLow - left, {red, red, red, red, red, red, orange, red, red}},
        {middle, right - middle, bottom - middle, {blue, blue, white, blue, blue, blue, blue, blue, blue}},
    };
    w.SetPen(Ink, 4);
    constexpr double gap = 0.07;
    for (const TFace& face : faces) {
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                const auto corner = [&](double a, double d) {
                    const QPointF p =
                        face.origin + face.across * ((column + a) / 3) + face.down * ((row + d) / 3);
                    return At(p.x(), p.y());
                };
                w.SetBrush(face.colours[row * 3 + column]);
                w.Polygon(Points{corner(gap, gap), corner(1 - gap, gap), corner(1 - gap, 1 - gap),
                                 corner(gap, 1 - gap)});
            }
        }
    }
    return w;
}

// A little horse, trotting right: chestnut body, dark mane and tail, white blaze.
TMetafileWriter Horse() {
    TMetafileWriter w(Format::Emf, AreaGrid, AreaPixels);
    const QColor coat(205, 120, 45), mane(110, 50, 20), hoof(60, 40, 30);
    w.SetPen(Ink, Outline);
    // Tail.
    w.SetBrush(mane);
    w.BezierShape(Points{At(72, 140), At(20, 130), At(10, 210), At(30, 250), At(45, 215), At(50, 180),
                         At(80, 168), At(72, 140)});
    // Far legs, a shade darker.
    const QColor farCoat(170, 95, 35);
    w.SetBrush(farCoat);
    w.RoundRect(92, 190, 122, 290, 20, 20);
    w.RoundRect(218, 190, 248, 290, 20, 20);
    // Body and neck as one outline.
    w.SetBrush(coat);
    w.BezierShape(Points{At(70, 170),  At(60, 120),  At(110, 118), At(170, 125), At(200, 128), At(215, 110),
                         At(230, 70),  At(240, 45),  At(262, 40),  At(280, 58),  At(290, 80),  At(265, 120),
                         At(262, 150), At(280, 195), At(250, 225), At(200, 220), At(160, 222), At(120, 226),
                         At(75, 225),  At(72, 190),  At(70, 170)});
    // Near legs.
    w.RoundRect(70, 195, 102, 295, 20, 20);
    w.RoundRect(196, 195, 228, 295, 20, 20);
    w.SetBrush(hoof);
    w.RoundRect(66, 272, 106, 302, 12, 12);
    w.RoundRect(192, 272, 232, 302, 12, 12);
    w.RoundRect(89, 268, 125, 294, 12, 12);
    w.RoundRect(215, 268, 251, 294, 12, 12);
    // Head.
    w.SetBrush(coat);
    w.BezierShape(Points{At(248, 48), At(275, 30), At(310, 60), At(335, 100), At(345, 122), At(330, 140),
                         At(310, 134), At(285, 125), At(262, 110), At(248, 48)});
    // Ear and mane.
    w.Polygon(Points{At(250, 50), At(258, 8), At(280, 44)});
    w.SetBrush(mane);
    w.BezierShape(Points{At(252, 40), At(230, 30), At(205, 70), At(195, 112), At(185, 128), At(170, 132),
                         At(200, 135), At(222, 120), At(235, 90), At(245, 60), At(252, 40)});
    // Eye and nostril.
    w.SetBrush(Ink);
    w.Ellipse(278, 62, 296, 80);
    w.SetNoPen();
    w.Ellipse(322, 110, 332, 120);
    return w;
}

// A puppet jester's head: a three-pointed cap with bells, a round face with a red nose and a wide
// smile, a collar of red and yellow points.
TMetafileWriter Jester() {
    TMetafileWriter w(Format::Emf, AreaGrid, AreaPixels);
    const QColor red(230, 30, 45), yellow(255, 210, 0), skin(255, 214, 175), cheek(255, 150, 140);
    w.SetPen(Ink, Outline);
    for (int i = 0; i < 4; ++i) {
        const int x = 80 + i * 48;
        w.SetBrush(i % 2 ? red : yellow);
        w.Polygon(Points{At(x - 6, 236), At(x + 54, 236), At(x + 24, 310)});
    }
    // Cap points: left and right curl outwards, the middle stands up.
    w.SetBrush(yellow);
    w.BezierShape(Points{At(108, 150), At(80, 110), At(55, 80), At(24, 88), At(60, 55), At(130, 65),
                         At(178, 118), At(108, 150)});
    w.BezierShape(Points{At(242, 150), At(270, 110), At(295, 80), At(326, 88), At(290, 55), At(220, 65),
                         At(172, 118), At(242, 150)});
    w.SetBrush(red);
    w.BezierShape(Points{At(118, 130), At(130, 80), At(160, 45), At(175, 24), At(190, 45), At(220, 80),
                         At(232, 130), At(118, 130)});
    w.SetBrush(skin);
    w.Ellipse(95, 100, 255, 260);
    // Cap band across the forehead, bells on the points.
    w.SetBrush(red);
    w.Chord(87, 76, 263, 226, At(263, 142), At(87, 142));
    w.SetBrush(yellow);
    w.Ellipse(6, 72, 42, 108);
    w.Ellipse(308, 72, 344, 108);
    w.Ellipse(157, 2, 193, 38);
    // Cheeks, eyes, smile, nose.
    w.SetNoPen();
    w.SetBrush(cheek);
    w.Ellipse(106, 186, 136, 210);
    w.Ellipse(214, 186, 244, 210);
    w.SetPen(Ink, 10);
    w.SetBrush(Ink);
    w.Ellipse(135, 150, 155, 174);
    w.Ellipse(195, 150, 215, 174);
    w.SetBrush(QColor(190, 20, 40));
    w.Chord(125, 170, 225, 246, At(125, 208), At(225, 208));
    w.SetBrush(red);
    w.Ellipse(156, 166, 194, 204);
    return w;
}

// The information screen's picture: a golden trophy with a star.
TMetafileWriter Trophy() {
    TMetafileWriter w(Format::Wmf, QSize(570, 810), QSize(57, 81));
    const QColor gold(255, 195, 20), darkGold(215, 140, 0), wood(150, 60, 40);
    constexpr int line = 20;
    // Handles: thick golden loops with dark edges.
    for (const bool leftSide : {true, false}) {
        const int l = leftSide ? 40 : 370, r = leftSide ? 200 : 530;
        const QPoint start = leftSide ? At(120, 110) : At(450, 330);
        const QPoint end = leftSide ? At(120, 330) : At(450, 110);
        w.SetPen(Ink, 46 + 2 * line);
        w.Arc(l, 110, r, 330, start, end);
        w.SetPen(gold, 46);
        w.Arc(l, 110, r, 330, start, end);
    }
    w.SetPen(Ink, line);
    // Base, stem, cup.
    w.SetBrush(wood);
    w.Rectangle(130, 660, 440, 780);
    w.SetBrush(darkGold);
    w.Polygon(Points{At(180, 660), At(390, 660), At(360, 600), At(210, 600)});
    w.Rectangle(250, 470, 320, 610);
    w.SetBrush(gold);
    w.BezierShape(Points{At(110, 70), At(110, 330), At(180, 470), At(285, 480), At(390, 470), At(460, 330),
                         At(460, 70), At(110, 70)});
    w.SetBrush(darkGold);
    w.Ellipse(100, 40, 470, 100);
    // A white star on the cup, and a plate on the base.
    Points star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 ? 45 : 105;
        const double angle = (90 + 36 * i) * std::numbers::pi / 180;
        star.push_back(At(285 + radius * std::cos(angle), 260 - radius * std::sin(angle)));
    }
    w.SetPen(Ink, 12);
    w.SetBrush(Qt::white);
    w.Polygon(star);
    w.SetBrush(gold);
    w.Rectangle(200, 695, 370, 745);
    return w;
}

} // namespace

bool WriteMetafileAssets(const QDir& graphicsDir, const QDir& resourceDir) {
    return Save(graphicsDir, "destnik.wmf", Umbrella()) && Save(graphicsDir, "konik.emf", Horse()) &&
           Save(graphicsDir, "kasparek.emf", Jester()) && Save(graphicsDir, "rybicka.wmf", Fish()) &&
           Save(graphicsDir, "micek.wmf", Ball()) && Save(graphicsDir, "rubik.wmf", Cube()) &&
           Save(resourceDir, "info.wmf", Trophy());
}

} // namespace numerava::assets
