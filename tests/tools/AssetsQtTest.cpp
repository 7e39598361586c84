// numerava-assets' raster pictures: every file the program and the screens load is written, loads,
// and has the format and size it is shown at.

#include "assets/Assets.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct ExpectedPicture {
    const char* folder; // "graphics" or "resources"
    const char* name;
    const char* format; // as QImageReader names it
    QSize size;
};

const ExpectedPicture Pictures[] = {
    {"graphics", "50.bmp", "bmp", {100, 50}},
    {"graphics", "20.bmp", "bmp", {100, 50}},
    {"graphics", "10.bmp", "bmp", {100, 50}},
    {"graphics", "5.bmp", "bmp", {100, 50}},
    {"graphics", "2.bmp", "bmp", {100, 50}},
    {"graphics", "soutez.jpg", "jpeg", {114, 39}},
    {"graphics", "sutaz.jpg", "jpeg", {114, 39}},
    {"graphics", "kolo01.jpg", "jpeg", {320, 200}},
    {"graphics", "kolo02.jpg", "jpeg", {320, 200}},
    {"graphics", "kolo03.jpg", "jpeg", {320, 200}},
    {"graphics", "kolo04.jpg", "jpeg", {320, 200}},
    {"graphics", "kolo05.jpg", "jpeg", {320, 200}},
    {"graphics", "kolo07.jpg", "jpeg", {320, 200}},
    {"graphics", "kolo08.jpg", "jpeg", {320, 200}},
    {"graphics", "kolo09.jpg", "jpeg", {320, 200}},
    {"graphics", "kolo10.jpg", "jpeg", {320, 200}},
    {"graphics", "kolo11.jpg", "jpeg", {320, 200}},
    {"graphics", "kolo12.jpg", "jpeg", {320, 200}},
    {"graphics", "kolo13.jpg", "jpeg", {320, 200}},
    {"graphics", "kolo14.jpg", "jpeg", {320, 200}},
    {"graphics", "kolo15.jpg", "jpeg", {320, 200}},
    {"graphics", "5.jpg", "jpeg", {240, 180}},
    {"graphics", "4_5.jpg", "jpeg", {240, 180}},
    {"graphics", "4.jpg", "jpeg", {240, 180}},
    {"graphics", "3_4.jpg", "jpeg", {240, 180}},
    {"graphics", "3.jpg", "jpeg", {240, 180}},
    {"graphics", "2_3.jpg", "jpeg", {240, 180}},
    {"graphics", "2.jpg", "jpeg", {240, 180}},
    {"graphics", "1_2.jpg", "jpeg", {240, 180}},
    {"graphics", "1.jpg", "jpeg", {240, 180}},
    {"graphics", "1h.jpg", "jpeg", {240, 180}},
    {"resources", "flag_cz.bmp", "bmp", {100, 60}},
    {"resources", "flag_sk.bmp", "bmp", {100, 62}},
    {"resources", "title.bmp", "bmp", {417, 228}},
    {"resources", "info_area1.jpg", "jpeg", {64, 64}},
    {"resources", "info_area2.jpg", "jpeg", {64, 64}},
    {"resources", "info_area3.jpg", "jpeg", {64, 64}},
    {"resources", "info_area4.jpg", "jpeg", {64, 64}},
    {"resources", "info_area5.jpg", "jpeg", {64, 64}},
    {"resources", "info_area6.jpg", "jpeg", {64, 64}},
    {"resources", "info_picture.jpg", "jpeg", {70, 38}},
};

} // namespace

class AssetsQtTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QVERIFY(QDir().mkpath(Graphics().path()));
        QVERIFY(QDir().mkpath(Resources().path()));
        QVERIFY(numerava::assets::WriteRasterAssets(Graphics(), Resources()));
    }

    void picturesLoadWithTheirFormatAndSize_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        for (const ExpectedPicture& picture : Pictures) {
            const QDir& dir = qstrcmp(picture.folder, "graphics") == 0 ? Graphics() : Resources();
            QTest::newRow(picture.name) << dir.filePath(QString::fromLatin1(picture.name))
                                        << QByteArray(picture.format) << picture.size;
        }
    }

    void picturesLoadWithTheirFormatAndSize() {
        QFETCH(QString, path);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    // The main window's image list takes the bank notes as 24-bit bitmaps.
    void bankNotesAre24BitBitmaps() {
        for (const char* name : {"50.bmp", "20.bmp", "10.bmp", "5.bmp", "2.bmp"}) {
            QFile file(Graphics().filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray header = file.read(30);
            QCOMPARE(header.size(), 30);
            QCOMPARE(header.left(2), QByteArray("BM"));
            const int bitCount =
                static_cast<unsigned char>(header[28]) | (static_cast<unsigned char>(header[29]) << 8);
            QCOMPARE(bitCount, 24);
        }
    }

    // Each reward must be told apart from the others.
    void bankNotesDiffer() {
        QList<QImage> notes;
        for (const char* name : {"50.bmp", "20.bmp", "10.bmp", "5.bmp", "2.bmp"}) {
            notes.append(QImage(Graphics().filePath(QString::fromLatin1(name))));
        }
        for (qsizetype i = 0; i < notes.size(); ++i) {
            for (qsizetype j = i + 1; j < notes.size(); ++j) QVERIFY(notes[i] != notes[j]);
        }
    }

    // The resource list names every file of the resource folder (and the information screen's
    // metafile, written there by the metafile drawings), so nothing is left out of the program.
    void resourceListNamesEveryResource() {
        QFile list(Resources().filePath(QStringLiteral("numerava.qrc")));
        QVERIFY(list.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(list.readAll());
        QVERIFY(text.contains(QStringLiteral("<qresource prefix=\"/\">")));
        QSet<QString> listed;
        const QRegularExpression entry(QStringLiteral("<file>([^<]+)</file>"));
        for (auto match = entry.globalMatch(text); match.hasNext();) listed.insert(match.next().captured(1));

        QSet<QString> expected{QStringLiteral("info.wmf")};
        for (const QString& name : Resources().entryList(QDir::Files)) {
            if (name != QLatin1String("numerava.qrc")) expected.insert(name);
        }
        QCOMPARE(listed, expected);
    }

    // Desktops show the icon on any background and at each size from its own file: a transparent
    // square of exactly that size with the blackboard opaque in the middle.
    void programIconsAreTransparentSquaresOfTheirSize() {
        const QDir icons(folder_.filePath(QStringLiteral("icons")));
        QVERIFY(QDir().mkpath(icons.path()));
        QVERIFY(numerava::assets::WriteProgramIcons(icons));
        for (const int size : numerava::assets::ProgramIconSizes) {
            QImageReader reader(icons.filePath(QStringLiteral("numerava-%1.png").arg(size)));
            reader.setDecideFormatFromContent(true);
            QCOMPARE(reader.format(), QByteArray("png"));
            const QImage icon = reader.read();
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
            QCOMPARE(qAlpha(icon.pixel(0, size - 1)), 0);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size * 3 / 5)), 255);
        }
    }

private:
    QDir Graphics() const { return QDir(folder_.filePath(QStringLiteral("Graphics"))); }
    QDir Resources() const { return QDir(folder_.filePath(QStringLiteral("resources"))); }

    QTemporaryDir folder_;
};

QTEST_MAIN(AssetsQtTest)
#include "AssetsQtTest.moc"
