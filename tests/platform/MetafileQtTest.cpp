// The metafile reader: pictures written with the asset tool's writer come back at the right place,
// in the right colours, with the mapping, fill, object and state rules of both formats; the
// program's own pictures draw; damaged data never crashes and keeps what came before the damage.

#include "assets/MetafileWriter.h"
#include "platform/Metafile.h"
#include "platform/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

using numerava::TMetafile;
using numerava::assets::TMetafileWriter;

namespace {

const QColor Background(160, 160, 160);
const QColor Red(230, 20, 20);
const QColor Blue(20, 20, 230);
const QColor Green(20, 200, 20);

std::span<const uint8_t> Span(const QByteArray& bytes) {
    return {reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
}

// A 100 x 100 picture shown at its natural size, so logical units are pixels.
TMetafileWriter Writer(bool emf) {
    return TMetafileWriter(emf ? TMetafileWriter::Format::Emf : TMetafileWriter::Format::Wmf, QSize(100, 100),
                           QSize(100, 100));
}

QImage Render(const QByteArray& bytes, QSize size = QSize(100, 100), QRectF target = QRectF()) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Background);
    if (const auto metafile = TMetafile::Parse(Span(bytes))) {
        QPainter painter(&image);
        metafile->Play(painter, target.isNull() ? QRectF(QPointF(0, 0), QSizeF(size)) : target);
    }
    return image;
}

bool Near(QRgb pixel, const QColor& colour) {
    return std::abs(qRed(pixel) - colour.red()) < 40 && std::abs(qGreen(pixel) - colour.green()) < 40 &&
           std::abs(qBlue(pixel) - colour.blue()) < 40;
}

QString Describe(QRgb pixel) {
    return QStringLiteral("(%1, %2, %3)").arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel));
}

#define EXPECT_COLOUR(image, point, colour)                                                                  \
    QVERIFY2(Near((image).pixel(point), colour), qPrintable(QStringLiteral("pixel (%1, %2) is %3")           \
                                                                .arg((point).x())                            \
                                                                .arg((point).y())                            \
                                                                .arg(Describe((image).pixel(point)))))

// Little-endian bytes for hand-made records.
class TRaw {
public:
    TRaw& U16(uint32_t v) {
        bytes_.append(static_cast<char>(v & 0xFF)).append(static_cast<char>((v >> 8) & 0xFF));
        return *this;
    }
    TRaw& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    TRaw& F32(float v) {
        uint32_t raw;
        std::memcpy(&raw, &v, sizeof raw);
        return U32(raw);
    }
    TRaw& Zeros(int count) {
        bytes_.append(QByteArray(count, '\0'));
        return *this;
    }
    operator QByteArray() const { return bytes_; }

private:
    QByteArray bytes_;
};

// A red square (10..50) before the damage and a blue one (60..90) after it.
QByteArray AroundDamage(bool emf, const QByteArray& damage) {
    TMetafileWriter w = Writer(emf);
    w.SetNoPen();
    w.SetBrush(Red);
    w.Rectangle(10, 10, 50, 50);
    w.AppendBytes(damage);
    w.SetBrush(Blue);
    w.Rectangle(60, 60, 90, 90);
    return w.Bytes();
}

} // namespace

class MetafileQtTest : public QObject {
    Q_OBJECT

private slots:
    void shapesFillWhereTheyAre_data() {
        QTest::addColumn<bool>("emf");
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        for (const bool emf : {false, true}) {
            const char* f = emf ? "emf " : "wmf ";
            const auto row = [&](const char* shape, QPoint inside, QPoint outside) {
                QTest::addRow("%s%s", f, shape) << emf << QString::fromLatin1(shape) << inside << outside;
            };
            row("rectangle", {30, 30}, {55, 55});
            row("ellipse", {50, 50}, {13, 13});
            row("roundrect", {15, 50}, {12, 12});
            row("pie", {65, 35}, {35, 35});
            row("chord", {50, 30}, {50, 70});
            row("polygon", {50, 70}, {15, 20});
            row("polypolygon", {75, 75}, {50, 50});
            row("bezier shape", {50, 50}, {8, 8});
            row("thick polyline", {50, 50}, {50, 80});
            row("thick arc", {50, 10}, {50, 90});
            row("thick lineto", {50, 20}, {50, 60});
            row("wide points", {50, 70}, {15, 20});
        }
    }

    void shapesFillWhereTheyAre() {
        QFETCH(bool, emf);
        QFETCH(QString, shape);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        TMetafileWriter w = Writer(emf);
        w.SetNoPen();
        w.SetBrush(Red);
        const std::vector<QPoint> triangle{{10, 90}, {50, 10}, {90, 90}};
        if (shape == "rectangle") w.Rectangle(10, 10, 50, 50);
        if (shape == "ellipse") w.Ellipse(10, 10, 90, 90);
        if (shape == "roundrect") w.RoundRect(10, 10, 90, 90, 60, 60);
        if (shape == "pie") w.Pie(10, 10, 90, 90, {90, 50}, {50, 10});
        if (shape == "chord") w.Chord(10, 10, 90, 90, {90, 50}, {10, 50});
        if (shape == "polygon") w.Polygon(triangle);
        if (shape == "polypolygon") {
            const std::vector<std::vector<QPoint>> squares{{{10, 10}, {40, 10}, {40, 40}, {10, 40}},
                                                           {{60, 60}, {90, 60}, {90, 90}, {60, 90}}};
            w.PolyPolygon(squares);
        }
        if (shape == "bezier shape")
            w.BezierShape(
                std::vector<QPoint>{{10, 50}, {10, 0}, {90, 0}, {90, 50}, {90, 100}, {10, 100}, {10, 50}});
        if (shape.startsWith("thick")) {
            w.SetPen(Red, 12);
            w.SetNoBrush();
        }
        if (shape == "thick polyline") w.Polyline(std::vector<QPoint>{{10, 50}, {90, 50}});
        if (shape == "thick arc") w.Arc(10, 10, 90, 90, {90, 50}, {10, 50});
        if (shape == "thick lineto") {
            w.MoveTo({10, 20});
            w.LineTo({90, 20});
        }
        if (shape == "wide points") {
            w.SetWidePoints(true);
            w.Polygon(triangle);
        }
        const QImage image = Render(w.Bytes());
        EXPECT_COLOUR(image, inside, Red);
        EXPECT_COLOUR(image, outside, Background);
    }

    // The frame maps onto the target rectangle, wherever and however large it is.
    void frameStretchesOntoTheTarget_data() {
        QTest::addColumn<bool>("emf");
        QTest::addColumn<QRectF>("target");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        for (const bool emf : {false, true}) {
            const char* f = emf ? "emf " : "wmf ";
            QTest::addRow("%swhole", f)
                << emf << QRectF(0, 0, 200, 200) << QPoint(60, 60) << QPoint(110, 110);
            QTest::addRow("%sshifted", f)
                << emf << QRectF(100, 50, 100, 100) << QPoint(130, 80) << QPoint(30, 30);
            QTest::addRow("%sstretched", f)
                << emf << QRectF(0, 0, 200, 50) << QPoint(60, 15) << QPoint(60, 40);
        }
    }

    void frameStretchesOntoTheTarget() {
        QFETCH(bool, emf);
        QFETCH(QRectF, target);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        TMetafileWriter w = Writer(emf);
        w.SetNoPen();
        w.SetBrush(Red);
        w.Rectangle(10, 10, 50, 50);
        const QImage image = Render(w.Bytes(), QSize(200, 200), target);
        EXPECT_COLOUR(image, inside, Red);
        EXPECT_COLOUR(image, outside, Background);
    }

    void windowAndViewportMapping_data() {
        QTest::addColumn<bool>("emf");
        QTest::addColumn<int>("mapMode"); // 0: left as the file starts
        QTest::addColumn<QPoint>("windowOrg");
        QTest::addColumn<QSize>("windowExt");
        QTest::addColumn<QPoint>("viewportOrg");
        QTest::addColumn<QSize>("viewportExt");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        const QRect corner(QPoint(1005, 1000), QPoint(1010, 1005));
        QTest::newRow("wmf window onto the frame")
            << false << 0 << QPoint(1000, 1000) << QSize(10, 10) << QPoint() << QSize() << corner
            << QPoint(75, 25) << QPoint(25, 75);
        QTest::newRow("emf anisotropic window onto viewport")
            << true << 8 << QPoint(1000, 1000) << QSize(10, 10) << QPoint() << QSize(100, 100) << corner
            << QPoint(75, 25) << QPoint(25, 75);
        QTest::newRow("emf text mode ignores extents")
            << true << 0 << QPoint(1000, 1000) << QSize(10, 10) << QPoint() << QSize(100, 100)
            << QRect(QPoint(1005, 1000), QPoint(1030, 1025)) << QPoint(20, 12) << QPoint(75, 25);
        QTest::newRow("emf isotropic keeps the aspect")
            << true << 7 << QPoint(0, 0) << QSize(10, 20) << QPoint() << QSize(100, 100)
            << QRect(QPoint(0, 0), QPoint(10, 20)) << QPoint(25, 50) << QPoint(75, 50);
        QTest::newRow("wmf isotropic keeps the aspect")
            << false << 7 << QPoint(0, 0) << QSize(10, 20) << QPoint() << QSize()
            << QRect(QPoint(0, 0), QPoint(10, 20)) << QPoint(25, 50) << QPoint(75, 50);
        QTest::newRow("emf viewport origin")
            << true << 0 << QPoint(0, 0) << QSize() << QPoint(50, 50) << QSize()
            << QRect(QPoint(0, 0), QPoint(20, 20)) << QPoint(60, 60) << QPoint(10, 10);
        QTest::newRow("emf lometric points up")
            << true << 2 << QPoint(0, 0) << QSize() << QPoint(0, 100) << QSize()
            << QRect(QPoint(0, 0), QPoint(50, 50)) << QPoint(10, 95) << QPoint(10, 70);
    }

    void windowAndViewportMapping() {
        QFETCH(bool, emf);
        QFETCH(int, mapMode);
        QFETCH(QPoint, windowOrg);
        QFETCH(QSize, windowExt);
        QFETCH(QPoint, viewportOrg);
        QFETCH(QSize, viewportExt);
        QFETCH(QRect, box);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        TMetafileWriter w = Writer(emf);
        if (mapMode) w.SetMapMode(static_cast<uint32_t>(mapMode));
        w.SetWindowOrg(windowOrg);
        if (windowExt.isValid()) w.SetWindowExt(windowExt);
        if (!viewportOrg.isNull()) w.SetViewportOrg(viewportOrg);
        if (viewportExt.isValid()) w.SetViewportExt(viewportExt);
        w.SetNoPen();
        w.SetBrush(Red);
        w.Rectangle(box.left(), box.top(), box.right(), box.bottom());
        const QImage image = Render(w.Bytes());
        EXPECT_COLOUR(image, inside, Red);
        EXPECT_COLOUR(image, outside, Background);
    }

    // Arcs turn counter-clockwise on the screen, also when the window turns the y axis upwards.
    void pieDirection_data() {
        QTest::addColumn<bool>("emf");
        QTest::addColumn<bool>("mirrored");
        for (const bool emf : {false, true})
            for (const bool mirrored : {false, true})
                QTest::addRow("%s%s", emf ? "emf" : "wmf", mirrored ? " y up" : "") << emf << mirrored;
    }

    void pieDirection() {
        QFETCH(bool, emf);
        QFETCH(bool, mirrored);
        TMetafileWriter w = Writer(emf);
        const QPoint top = mirrored ? QPoint(50, 90) : QPoint(50, 10);
        if (mirrored) {
            w.SetMapMode(TMetafileWriter::MapAnisotropic);
            w.SetWindowOrg({0, 100});
            w.SetWindowExt({100, -100});
            w.SetViewportExt({100, 100});
        }
        w.SetNoPen();
        w.SetBrush(Red);
        w.Pie(10, 10, 90, 90, {90, 50}, top);
        const QImage image = Render(w.Bytes());
        EXPECT_COLOUR(image, QPoint(65, 35), Red);
        EXPECT_COLOUR(image, QPoint(35, 35), Background);
        EXPECT_COLOUR(image, QPoint(65, 65), Background);
    }

    void fillModes_data() {
        QTest::addColumn<bool>("emf");
        QTest::addColumn<bool>("winding");
        for (const bool emf : {false, true})
            for (const bool winding : {false, true})
                QTest::addRow("%s %s", emf ? "emf" : "wmf", winding ? "winding" : "alternate")
                    << emf << winding;
    }

    // A five-pointed star drawn in one stroke: its centre is inside only under the winding rule.
    void fillModes() {
        QFETCH(bool, emf);
        QFETCH(bool, winding);
        std::vector<QPoint> star;
        for (int i = 0; i < 5; ++i) {
            const double angle = (90 + 144 * i) * M_PI / 180;
            star.emplace_back(static_cast<int>(std::lround(50 + 45 * std::cos(angle))),
                              static_cast<int>(std::lround(55 - 45 * std::sin(angle))));
        }
        TMetafileWriter w = Writer(emf);
        w.SetWinding(winding);
        w.SetNoPen();
        w.SetBrush(Red);
        w.Polygon(star);
        const QImage image = Render(w.Bytes());
        EXPECT_COLOUR(image, QPoint(50, 55), winding ? Red : Background);
        EXPECT_COLOUR(image, QPoint(50, 20), Red); // a point of the star
    }

    // Objects are selected by slot; a deleted slot is reused by the next object (WMF: the lowest
    // free one), and selecting an empty slot leaves the current brush.
    void objectSlots_data() {
        QTest::addColumn<bool>("emf");
        QTest::newRow("wmf") << false;
        QTest::newRow("emf") << true;
    }

    void objectSlots() {
        QFETCH(bool, emf);
        TMetafileWriter w = Writer(emf);
        w.SetNoPen();
        const uint32_t red = w.CreateBrush(TMetafileWriter::BrushSolid, Red);
        const uint32_t blue = w.CreateBrush(TMetafileWriter::BrushSolid, Blue);
        w.SelectObject(red);
        w.Rectangle(0, 0, 30, 30);
        w.SelectObject(blue);
        w.Rectangle(35, 0, 65, 30);
        w.SelectObject(red);
        w.DeleteObject(blue);
        const uint32_t green = w.CreateBrush(TMetafileWriter::BrushSolid, Green);
        QCOMPARE(green, blue); // the writer reuses the slot as the reader must
        w.SelectObject(green);
        w.Rectangle(70, 0, 100, 30);
        w.SelectObject(red);
        w.DeleteObject(green);
        w.SelectObject(green);
        w.Rectangle(0, 40, 30, 70);
        const QImage image = Render(w.Bytes());
        EXPECT_COLOUR(image, QPoint(15, 15), Red);
        EXPECT_COLOUR(image, QPoint(50, 15), Blue);
        EXPECT_COLOUR(image, QPoint(85, 15), Green);
        EXPECT_COLOUR(image, QPoint(15, 55), Red);
    }

    void stockObjects_data() {
        QTest::addColumn<uint32_t>("stockBrush");
        QTest::addColumn<uint32_t>("stockPen");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QColor>("edge");
        QTest::newRow("white brush") << 0u << 0xFFu << QColor(Qt::white) << QColor(Blue);
        QTest::newRow("black brush") << 4u << 0xFFu << QColor(Qt::black) << QColor(Blue);
        QTest::newRow("null brush") << 5u << 0xFFu << Background << QColor(Blue);
        QTest::newRow("null pen") << 0xFFu << 8u << QColor(Red) << Background;
    }

    // EMF records may select the system's stock objects by 0x80000000 + their number.
    void stockObjects() {
        QFETCH(uint32_t, stockBrush);
        QFETCH(uint32_t, stockPen);
        QFETCH(QColor, fill);
        QFETCH(QColor, edge);
        TMetafileWriter w = Writer(true);
        w.SetPen(Blue, 10);
        w.SetBrush(Red);
        if (stockBrush != 0xFF) w.SelectObject(0x80000000 | stockBrush);
        if (stockPen != 0xFF) w.SelectObject(0x80000000 | stockPen);
        w.Rectangle(20, 20, 80, 80);
        const QImage image = Render(w.Bytes());
        EXPECT_COLOUR(image, QPoint(50, 50), fill);
        EXPECT_COLOUR(image, QPoint(17, 50), edge);
    }

    void saveAndRestore_data() {
        QTest::addColumn<bool>("emf");
        QTest::addColumn<int>("restore");
        QTest::addColumn<QColor>("expected");
        for (const bool emf : {false, true}) {
            const char* f = emf ? "emf" : "wmf";
            QTest::addRow("%s one back", f) << emf << -1 << Blue;
            QTest::addRow("%s two back", f) << emf << -2 << Red;
            QTest::addRow("%s first save", f) << emf << 1 << Red;
            QTest::addRow("%s second save", f) << emf << 2 << Blue;
            QTest::addRow("%s no such save", f) << emf << 3 << Green;
            QTest::addRow("%s too far back", f) << emf << -3 << Green;
        }
    }

    void saveAndRestore() {
        QFETCH(bool, emf);
        QFETCH(int, restore);
        QFETCH(QColor, expected);
        TMetafileWriter w = Writer(emf);
        w.SetNoPen();
        const uint32_t red = w.CreateBrush(TMetafileWriter::BrushSolid, Red);
        const uint32_t blue = w.CreateBrush(TMetafileWriter::BrushSolid, Blue);
        const uint32_t green = w.CreateBrush(TMetafileWriter::BrushSolid, Green);
        w.SelectObject(red);
        w.SaveDC();
        w.SelectObject(blue);
        w.SaveDC();
        w.SelectObject(green);
        w.RestoreDC(restore);
        w.Rectangle(10, 10, 90, 90);
        EXPECT_COLOUR(Render(w.Bytes()), QPoint(50, 50), expected);
    }

    // Play leaves the painter as it found it and paints nothing outside the target.
    void playKeepsThePainterAndTheTarget() {
        TMetafileWriter w = Writer(false);
        w.SetPen(Blue, 4);
        w.SetBrush(Red);
        w.Rectangle(-50, -50, 150, 150);
        const auto metafile = TMetafile::Parse(Span(w.Bytes()));
        QVERIFY(metafile);
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Background);
        QPainter painter(&image);
        painter.translate(10, 5);
        const QPen pen(Qt::green, 3);
        painter.setPen(pen);
        painter.setBrush(Qt::yellow);
        metafile->Play(painter, QRectF(20, 20, 40, 40));
        QCOMPARE(painter.transform(), QTransform::fromTranslate(10, 5));
        QCOMPARE(painter.pen(), pen);
        QCOMPARE(painter.brush(), QBrush(Qt::yellow));
        QVERIFY(!painter.hasClipping());
        painter.end();
        EXPECT_COLOUR(image, QPoint(50, 45), Red);
        EXPECT_COLOUR(image, QPoint(25, 20), Background);
        EXPECT_COLOUR(image, QPoint(75, 70), Background);
    }

    void framesAndNaturalSizes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QRectF>("bounds");
        QTest::addColumn<QSize>("natural");
        const auto make = [](bool emf, QSize logical, QSize natural) {
            return TMetafileWriter(emf ? TMetafileWriter::Format::Emf : TMetafileWriter::Format::Wmf, logical,
                                   natural)
                .Bytes();
        };
        QTest::newRow("wmf area picture")
            << make(false, {350, 320}, {35, 32}) << QRectF(0, 0, 350, 320) << QSize(35, 32);
        QTest::newRow("wmf twips") << make(false, {1440, 720}, {96, 48}) << QRectF(0, 0, 1440, 720)
                                   << QSize(96, 48);
        // Without the placeable header the first window gives the frame, in pixels.
        QTest::newRow("plain wmf") << make(false, {200, 100}, {20, 10}).mid(22) << QRectF(0, 0, 200, 100)
                                   << QSize(200, 100);
        QTest::newRow("emf") << make(true, {350, 320}, {35, 32}) << QRectF(0, 0, 35, 32) << QSize(35, 32);
    }

    void framesAndNaturalSizes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QRectF, bounds);
        QFETCH(QSize, natural);
        const auto metafile = TMetafile::Parse(Span(bytes));
        QVERIFY(metafile);
        QCOMPARE(metafile->NaturalSize(), natural);
        const QRectF got = metafile->Bounds();
        QVERIFY2(std::fabs(got.left() - bounds.left()) < 0.05 && std::fabs(got.top() - bounds.top()) < 0.05 &&
                     std::fabs(got.width() - bounds.width()) < 0.05 &&
                     std::fabs(got.height() - bounds.height()) < 0.05,
                 qPrintable(QStringLiteral("bounds %1 %2 %3 %4")
                                .arg(got.left())
                                .arg(got.top())
                                .arg(got.width())
                                .arg(got.height())));
    }

    void ourPicturesDraw_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("emf");
        QTest::addColumn<QSize>("natural");
        for (const char* name :
             {"destnik.wmf", "konik.emf", "kasparek.emf", "rybicka.wmf", "micek.wmf", "rubik.wmf"}) {
            const QString file = QStringLiteral("../../Graphics/") + QString::fromLatin1(name);
            QTest::newRow(name) << QFINDTESTDATA(file) << file.endsWith(".emf") << QSize(35, 32);
        }
        QTest::newRow("info.wmf") << QFINDTESTDATA("../../src/app/resources/info.wmf") << false
                                  << QSize(57, 81);
    }

    // Each picture covers a good part of its button spot and uses several colours.
    void ourPicturesDraw() {
        QFETCH(QString, path);
        QFETCH(bool, emf);
        QFETCH(QSize, natural);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        const auto metafile = TMetafile::Parse(Span(bytes));
        QVERIFY(metafile);
        QCOMPARE(metafile->Kind(), emf ? TMetafile::Format::Emf : TMetafile::Format::Wmf);
        QCOMPARE(metafile->NaturalSize(), natural);
        const QImage image = Render(bytes, natural);
        int painted = 0;
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (pixel == Background.rgb()) continue;
                ++painted;
                colours.insert(pixel & 0xC0C0C0); // coarse, so edge shades count once
            }
        }
        QVERIFY2(painted > image.width() * image.height() / 4, qPrintable(QString::number(painted)));
        QVERIFY2(colours.size() >= 4, qPrintable(QString::number(colours.size())));
    }

    // Bitmaps load by their content: the decoder picked from the first bytes, anything else (or data
    // that only starts like a bitmap) left to Qt's detection.
    void bitmapsLoadByTheirContent_data() {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<bool>("exact");
        QTest::newRow("bmp") << QByteArray("bmp") << true;
        QTest::newRow("png") << QByteArray("png") << true;
        QTest::newRow("jpeg") << QByteArray("jpeg") << false;
        QTest::newRow("ppm, no first-bytes decoder") << QByteArray("ppm") << true;
    }

    void bitmapsLoadByTheirContent() {
        QFETCH(QByteArray, format);
        QFETCH(bool, exact);
        QImage original(7, 5, QImage::Format_RGB32);
        for (int y = 0; y < original.height(); ++y)
            for (int x = 0; x < original.width(); ++x) original.setPixel(x, y, qRgb(30 * x, 40 * y, 200));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(original.save(&buffer, format.constData()));
        numerava::TPicture picture;
        QVERIFY(picture.LoadFromData(bytes));
        QVERIFY(picture.HoldsBitmap());
        QCOMPARE(picture.Size(), original.size());
        if (exact) {
            QImage drawn(original.size(), QImage::Format_RGB32);
            QPainter painter(&drawn);
            picture.Draw(painter, drawn.rect());
            painter.end();
            QCOMPARE(drawn, original);
        }
    }

    void dataThatOnlyLooksLikeABitmapIsRefused() {
        for (const QByteArray& bytes :
             {QByteArray("BM and then nothing a bitmap has"), QByteArray("\x89PNG\r\n\x1a\n broken", 16)}) {
            numerava::TPicture picture;
            QString error;
            QVERIFY(!picture.LoadFromData(bytes, &error));
            QVERIFY(picture.IsEmpty());
            QVERIFY(!error.isEmpty());
        }
    }

    void notMetafiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("bitmap") << QByteArray(
            "BM\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00", 18);
        QTest::newRow("png") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QByteArray emf = Writer(true).Bytes();
        emf[40] = 'X';
        QTest::newRow("emf without signature") << emf;
        QTest::newRow("emf header cut") << Writer(true).Bytes().left(100);
        QByteArray wmf = Writer(false).Bytes();
        wmf[22 + 4] = 0x02; // version 0x0200
        QTest::newRow("wmf of unknown version") << wmf;
        QTest::newRow("placeable header only") << Writer(false).Bytes().left(30);
        QByteArray noise(600, '\0');
        QRandomGenerator random(7);
        for (char& c : noise) c = static_cast<char>(random.bounded(256));
        QTest::newRow("noise") << noise;
    }

    void notMetafiles() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!TMetafile::Parse(Span(bytes)));
    }

    // Every prefix of a file: no header, no metafile; once the red square's record is whole, it draws.
    void truncatedFiles_data() {
        QTest::addColumn<bool>("emf");
        QTest::newRow("wmf") << false;
        QTest::newRow("emf") << true;
    }

    void truncatedFiles() {
        QFETCH(bool, emf);
        const qsizetype headerBytes = emf ? 108 : 40;
        const qsizetype endRecordBytes = emf ? 20 : 6;
        TMetafileWriter w = Writer(emf);
        w.SetNoPen();
        w.SetBrush(Red);
        w.Rectangle(10, 10, 50, 50);
        const qsizetype squareEnd = w.Bytes().size() - endRecordBytes;
        w.SetBrush(Blue);
        w.Polygon(std::vector<QPoint>{{60, 60}, {90, 60}, {90, 90}});
        const QByteArray full = w.Bytes();
        for (qsizetype length = 0; length <= full.size(); ++length) {
            const QByteArray prefix = full.left(length);
            QCOMPARE(TMetafile::Parse(Span(prefix)).has_value(), length >= headerBytes);
            const QImage image = Render(prefix, QSize(40, 40));
            if (length >= squareEnd) EXPECT_COLOUR(image, QPoint(10, 10), Red);
        }
    }

    void damagedRecords_data() {
        QTest::addColumn<bool>("emf");
        QTest::addColumn<QByteArray>("damage");
        const uint32_t polygon16 = 86, polyPolygon16 = 91;
        QTest::newRow("wmf size 0") << false << QByteArray(TRaw().U32(0).U16(0x0324).U16(0));
        QTest::newRow("wmf size below the record header")
            << false << QByteArray(TRaw().U32(2).U16(0x0324).U16(0));
        QTest::newRow("wmf size beyond the end")
            << false << QByteArray(TRaw().U32(0x7FFFFFFF).U16(0x0324).U16(0));
        QTest::newRow("wmf huge point count")
            << false << QByteArray(TRaw().U32(8).U16(0x0324).U16(0x7FFF).Zeros(8));
        QTest::newRow("wmf negative point count")
            << false << QByteArray(TRaw().U32(8).U16(0x0324).U16(0xFFFD).Zeros(8));
        QTest::newRow("wmf huge polygon counts")
            << false
            << QByteArray(TRaw().U32(9).U16(0x0538).U16(3).U16(30000).U16(30000).U16(30000).Zeros(4));
        QTest::newRow("wmf record cut short") << false << QByteArray(TRaw().U32(4).U16(0x041B).U16(5));
        QTest::newRow("wmf select beyond the table")
            << false << QByteArray(TRaw().U32(4).U16(0x012D).U16(500));
        QTest::newRow("wmf delete beyond the table")
            << false << QByteArray(TRaw().U32(4).U16(0x01F0).U16(0xFFFF));
        QTest::newRow("emf size 0") << true << QByteArray(TRaw().U32(43).U32(0));
        QTest::newRow("emf size not a multiple of 4") << true << QByteArray(TRaw().U32(43).U32(10).Zeros(4));
        QTest::newRow("emf size beyond the end")
            << true << QByteArray(TRaw().U32(43).U32(0xFFFFFFF0).Zeros(16));
        QTest::newRow("emf huge point count")
            << true << QByteArray(TRaw().U32(polygon16).U32(36).Zeros(16).U32(0xFFFFFFFF).Zeros(8));
        QTest::newRow("emf huge polygon count")
            << true
            << QByteArray(TRaw().U32(polyPolygon16).U32(40).Zeros(16).U32(0x40000000).U32(2).Zeros(8));
        QTest::newRow("emf polygon counts disagree")
            << true
            << QByteArray(TRaw().U32(polyPolygon16).U32(44).Zeros(16).U32(1).U32(2).U32(0xFFFFFFFF).Zeros(8));
        QTest::newRow("emf rectangle cut short") << true << QByteArray(TRaw().U32(43).U32(12).U32(5));
        QTest::newRow("emf select beyond the table") << true << QByteArray(TRaw().U32(37).U32(12).U32(1000));
        QTest::newRow("emf create into slot 0")
            << true << QByteArray(TRaw().U32(39).U32(24).U32(0).Zeros(12));
        QTest::newRow("emf transform not a number")
            << true
            << QByteArray(TRaw().U32(35).U32(32).F32(std::numeric_limits<float>::quiet_NaN()).Zeros(20));
    }

    // Parsing stops at the damaged record: the red square before it draws, the blue one after does not.
    void damagedRecords() {
        QFETCH(bool, emf);
        QFETCH(QByteArray, damage);
        const QByteArray bytes = AroundDamage(emf, damage);
        QVERIFY(TMetafile::Parse(Span(bytes)));
        const QImage image = Render(bytes);
        EXPECT_COLOUR(image, QPoint(30, 30), Red);
        EXPECT_COLOUR(image, QPoint(75, 75), Background);
    }

    void extremeValues_data() {
        QTest::addColumn<QByteArray>("extreme");
        QTest::newRow("huge world transform")
            << QByteArray(TRaw().U32(35).U32(32).F32(1e30f).Zeros(8).F32(1e30f).Zeros(8));
        QTest::newRow("flat world transform") << QByteArray(TRaw().U32(35).U32(32).Zeros(24));
        QTest::newRow("huge rectangle") << QByteArray(
            TRaw().U32(43).U32(24).U32(0x80000000).U32(0x80000000).U32(0x7FFFFFFF).U32(0x7FFFFFFF));
        QTest::newRow("huge pen") << QByteArray(
            TRaw().U32(38).U32(28).U32(1).U32(0).U32(0x7FFFFFFF).Zeros(8));
        QTest::newRow("zero window extent")
            << QByteArray(TRaw().U32(17).U32(12).U32(8).U32(9).U32(16).Zeros(8));
    }

    // Valid but absurd records are survived: drawing goes on and later records still draw.
    void extremeValues() {
        QFETCH(QByteArray, extreme);
        TMetafileWriter w = Writer(true);
        w.SaveDC();
        w.AppendBytes(extreme);
        w.SelectObject(1);
        w.Ellipse(-1000, -1000, 1000, 1000);
        w.RestoreDC(-1);
        w.SetNoPen();
        w.SetBrush(Red);
        w.Rectangle(10, 10, 50, 50);
        const QImage image = Render(w.Bytes());
        EXPECT_COLOUR(image, QPoint(30, 30), Red);
    }

    // Nested saves beyond any sensible depth are refused quietly.
    void deepSaves() {
        TMetafileWriter w = Writer(false);
        w.SetNoPen();
        w.SetBrush(Red);
        for (int i = 0; i < 5000; ++i) w.SaveDC();
        w.SetBrush(Blue);
        for (int i = 0; i < 5000; ++i) w.RestoreDC(-1);
        w.Rectangle(10, 10, 50, 50);
        EXPECT_COLOUR(Render(w.Bytes()), QPoint(30, 30), Red);
    }
};

QTEST_MAIN(MetafileQtTest)
#include "MetafileQtTest.moc"
