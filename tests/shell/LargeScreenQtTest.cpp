// Large screens: the factor the window draws its screens larger by, and that at two device pixels to
// the logical pixel formulas and large captions are drawn at that resolution rather than stretched.
// The program runs as the program does on a large screen: its main asks Qt to draw twice as large.

#include "catalogue/Selection.h"
#include "controls/ControlFont.h"
#include "controls/NumeravaLabel.h"
#include "equation/NumeravaEquation.h"
#include "platform/DisplayScale.h"
#include "screens/FrameInfo.h"
#include "screens/FramesBikeInfo.h"
#include "screens/FramesBikeResult.h"
#include "screens/FramesEndBike.h"
#include "screens/FramesEndEngine.h"
#include "screens/FramesEngine.h"
#include "screens/FramesExpertResults.h"
#include "screens/FramesResults.h"
#include "screens/FramesSettings.h"
#include "screens/FramesWelcome.h"
#include "shell/FormsMain.h"
#include "shell/FrameScale.h"

#include <QApplication>
#include <QtTest>

#include <functional>
#include <memory>

using namespace numerava;

namespace {

constexpr int Ratio = 2;

// The 2x2 blocks of device pixels that are not of one colour. A picture drawn at one pixel per
// logical pixel and stretched has none.
int MixedBlocks(const QImage& image, const QRect& area) {
    int mixed = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            mixed += image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                     image.pixel(x + 1, y + 1) != corner;
        }
    return mixed;
}

// The logical pixel at (x, y) of a picture with `Ratio` device pixels to it, as the average of its
// device pixels' grey.
int AverageGrey(const QImage& image, int x, int y) {
    int sum = 0;
    for (int dy = 0; dy < Ratio; ++dy)
        for (int dx = 0; dx < Ratio; ++dx) sum += qGray(image.pixel(x * Ratio + dx, y * Ratio + dy));
    return sum / (Ratio * Ratio);
}

QImage Grab(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

} // namespace

class LargeScreenQtTest : public QObject {
    Q_OBJECT
private slots:
    void scaleFactor_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("scale");
        // The largest screen with its border is 694 x 510.
        QTest::newRow("1280x1024") << 1280 << 1024 << 1;
        QTest::newRow("1366x768") << 1366 << 768 << 1;
        QTest::newRow("1920x1080") << 1920 << 1080 << 2;
        QTest::newRow("1920x1019, a pixel short of twice the height") << 1920 << 1019 << 1;
        QTest::newRow("1387x1080, a pixel short of twice the width") << 1387 << 1080 << 1;
        QTest::newRow("1388x1020, exactly twice") << 1388 << 1020 << 2;
        QTest::newRow("2560x1440") << 2560 << 1440 << 2;
        QTest::newRow("2560x1600") << 2560 << 1600 << 3;
        QTest::newRow("3840x2160 (4K)") << 3840 << 2160 << 4;
        QTest::newRow("5120x2880 (5K)") << 5120 << 2880 << 5;
        QTest::newRow("7680x4320 (8K)") << 7680 << 4320 << 8;
        QTest::newRow("3440x1440, wide") << 3440 << 1440 << 2;
        QTest::newRow("1080x1920, portrait") << 1080 << 1920 << 1;
        QTest::newRow("2160x3840, portrait 4K") << 2160 << 3840 << 3;
        QTest::newRow("1600x1200 at a system scale of 2: 800x600") << 800 << 600 << 1;
        QTest::newRow("no screen") << 0 << 0 << 1;
    }
    void scaleFactor() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, scale);
        QCOMPARE(FrameScale(width, height, FramedWidth, FramedHeight), scale);
        // Whatever the factor, the framed screen fits.
        QVERIFY(scale == 1 || (scale * FramedWidth <= width && scale * FramedHeight <= height));
    }

    // The factor is worked out from the largest screen: every screen fits inside it.
    void everyScreenFitsTheLargest() {
        TfrmMain main([](TfrmMain& window) { return new TfrmWelcome(window); });
        main.SetDifficultySet(SetAllFour);
        main.SetOperationSet(SetAllFour);
        const std::vector<std::pair<const char*, std::function<TFrame*()>>> screens = {
            {"drill", [&] { return new TfrmEngine(main); }},
            {"welcome", [&] { return new TfrmWelcome(main); }},
            {"topics", [&] { return new TfrmSettings(main); }},
            {"practice summary", [&] { return new TfrmEndEngine(main); }},
            {"expert summary", [&] { return new TfrmExpertResults(main); }},
            {"results", [&] { return new TfrmResults(main); }},
            {"information", [&] { return new TfrmInfo(main); }},
            {"contest",
             [&] { return new TfrmBikeInfo(main, [](TfrmMain& m) { return new TfrmSettings(m); }); }},
            {"contest part", [&] { return new TfrmBikeResult(main); }},
            {"contest end", [&] { return new TfrmEndBike(main); }},
        };
        QSize largest;
        for (const auto& [name, make] : screens) {
            const std::unique_ptr<TFrame> screen(make());
            QVERIFY2(screen->width() <= LargestFrameWidth && screen->height() <= LargestFrameHeight, name);
            largest = largest.expandedTo(screen->size());
        }
        QCOMPARE(largest, QSize(LargestFrameWidth, LargestFrameHeight));
    }

    // The test program runs as the program on a large screen does.
    void theApplicationDrawsTwiceAsLarge() { QCOMPARE(qApp->devicePixelRatio(), qreal(Ratio)); }

    // A formula is rendered at the device's resolution: twice the pixels of the picture at ratio 1,
    // laid out the same (averaged down it is close to that picture), with detail a stretched picture
    // lacks, and the control shows it pixel for pixel at its logical size.
    void formulaIsRenderedAtDeviceResolution() {
        const TFontState font{"Tahoma", -48, {255, 255, 0}, false};
        const QColor background(191, 124, 0);
        const std::string text = "/<7><5> + ^<3><2> = #";
        const QImage single = RenderMarkupImage(text, font, background, 2);

        TNumeravaEquation equation;
        equation.SetFont(font);
        equation.SetColor(background);
        equation.SetShadowOffset(2);
        equation.SetText(text);
        equation.resize(400, 200);
        (void)Grab(equation); // the first paint renders the formula and takes its width
        const QImage shown = Grab(equation);
        const QImage& fine = equation.Bitmap();
        QCOMPARE(fine.devicePixelRatio(), qreal(Ratio));
        QCOMPARE(fine.size(), single.size() * Ratio);
        QCOMPARE(equation.width(), single.width() + 1);

        int far = 0;
        for (int y = 0; y < single.height(); ++y)
            for (int x = 0; x < single.width(); ++x)
                far += std::abs(AverageGrey(fine, x, y) - qGray(single.pixel(x, y))) > 96;
        QVERIFY2(far * 50 < single.width() * single.height(), qPrintable(QString::number(far)));
        QVERIFY2(MixedBlocks(fine, fine.rect()) > 500,
                 qPrintable(QString::number(MixedBlocks(fine, fine.rect()))));

        const int top = (equation.height() - single.height()) / 2 * Ratio;
        QCOMPARE(shown.size(), equation.size() * Ratio);
        int differing = 0;
        for (int y = 0; y < fine.height(); ++y)
            for (int x = 0; x < fine.width(); ++x) differing += shown.pixel(x, top + y) != fine.pixel(x, y);
        QCOMPARE(differing, 0);
    }

    // The welcome title, drawn ahead on a worker thread, comes out as drawn in place: fine, and bold
    // by the same share of the letter as at ratio 1 (Tahoma's bold stem is about a sixth of the em).
    void largeTitleIsDrawnAtDeviceResolution() {
        TNumeravaLabel label;
        label.resize(120, 120);
        label.SetColor(Qt::white);
        label.SetFont(ControlFont("Tahoma", 93, true));
        label.SetFontColor(Qt::black);
        label.SetShadowColor(Qt::black);
        label.SetCaption(QStringLiteral("I"));
        const QImage direct = Grab(label);
        label.Prepare();
        const QImage prepared = Grab(label);
        QCOMPARE(prepared.size(), label.size() * Ratio);
        int largest = 0;
        for (int y = 0; y < direct.height(); ++y)
            for (int x = 0; x < direct.width(); ++x)
                largest =
                    std::max(largest, std::abs(qGray(direct.pixel(x, y)) - qGray(prepared.pixel(x, y))));
        QVERIFY2(largest <= 1, qPrintable(QString::number(largest)));
        QVERIFY(MixedBlocks(prepared, prepared.rect()) > 100);

        int top = prepared.height(), bottom = -1;
        for (int y = 0; y < prepared.height(); ++y)
            for (int x = 0; x < prepared.width(); ++x)
                if (qGray(prepared.pixel(x, y)) < 128) top = std::min(top, y), bottom = std::max(bottom, y);
        QVERIFY(bottom > top);
        int stem = 0;
        for (int x = 0; x < prepared.width(); ++x) stem += qGray(prepared.pixel(x, (top + bottom) / 2)) < 128;
        QVERIFY2(stem >= 14 * Ratio && stem <= 18 * Ratio, qPrintable(QString::number(stem)));
    }
};

int main(int argc, char** argv) {
    RequestDisplayScale(Ratio);
    QApplication app(argc, argv);
    LargeScreenQtTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LargeScreenQtTest.moc"
