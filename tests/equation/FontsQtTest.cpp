// The Windows face names of the mark-up map to the fonts-wine files when they are installed, and to
// DejaVu Sans when they are not.
#include "platform/Fonts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace numerava {

namespace {

// The ink pixels of `text` drawn in black with its baseline at `baseline` on a white image.
int InkPixels(const QFont& font, const QString& text, QSize size, int baseline) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(2, baseline), text);
    painter.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += image.pixel(x, y) != qRgb(255, 255, 255);
    return ink;
}

} // namespace

class FontsQtTest : public QObject {
    Q_OBJECT

private slots:
    void missingFilesFallBackToDejaVu() {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        TFontRegistry registry(empty.path());
        QVERIFY(!registry.Register());
        QCOMPARE(registry.Missing(), QStringList({"tahoma.ttf", "symbol.ttf"}));
        QCOMPARE(registry.Family("Tahoma"), QStringLiteral("DejaVu Sans"));
        QCOMPARE(registry.Family("Symbol"), QStringLiteral("DejaVu Sans"));
        QCOMPARE(registry.Family("Courier New"), QStringLiteral("Courier New"));
    }

    void wineFontsAreRegistered() {
        const QString directory = ProgramFontDirectory();
        if (!QFileInfo::exists(directory + "/tahoma.ttf")) QSKIP("no tahoma.ttf (Debian: fonts-wine)");
        QVERIFY(!MissingFonts().contains("tahoma.ttf"));
        const QString tahoma = FontFamily("Tahoma");
        QCOMPARE(tahoma, QStringLiteral("Tahoma"));
        // Qt resolves the family to the registered file, not to a substitute.
        QCOMPARE(QFontInfo(QFont(tahoma)).family(), tahoma);
        QVERIFY(QFontDatabase::families().contains(tahoma));

        if (!QFileInfo::exists(directory + "/symbol.ttf")) return;
        const QString symbol = FontFamily("Symbol");
        QVERIFY(symbol != QStringLiteral("DejaVu Sans"));
        QCOMPARE(QFontInfo(QFont(symbol)).family(), symbol);
        QCOMPARE(RegisterFonts(), MissingFonts().isEmpty());
    }

    void everyLetterLiesWithinTheLine_data() {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        for (const int pixels : {11, 13, 16, 17, 19, 24, 27, 30, 35, 48})
            for (const bool bold : {false, true})
                QTest::addRow("%d px%s", pixels, bold ? " bold" : "") << pixels << bold;
    }

    // A line as tall as the font's cell, with its baseline the ascent below its top, holds every
    // Czech and Slovak letter whole: as much ink as when drawn with room around it.
    void everyLetterLiesWithinTheLine() {
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QFont font(FontFamily("Tahoma"));
        font.setPixelSize(pixels);
        font.setBold(bold);
        const TCellMetrics cell = CellMetrics(font);
        const QString letters = QString::fromUtf8("ÁÄČĎÉĚÍĹĽŇÓÔÖŔŘŠŤÚŮÜÝŽáäčďéěíĺľňóôöŕřšťúůüýžgjpqy(),;");
        const int width = QFontMetrics(font).horizontalAdvance(letters) + 8;
        const int inLine = InkPixels(font, letters, {width, cell.Height()}, cell.Ascent);
        const int roomy = InkPixels(font, letters, {width, 3 * cell.Height()}, 2 * cell.Ascent);
        QCOMPARE(inLine, roomy);
        // Never less than the line Windows gives the face.
        QVERIFY(cell.Ascent >= pixels && cell.Descent >= pixels / 6);
    }
};

} // namespace numerava

QTEST_MAIN(numerava::FontsQtTest)
#include "FontsQtTest.moc"
