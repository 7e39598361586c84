// Pictures are files beside the program that anyone may replace or damage: every shipped picture
// loads whole, a cut-off one is refused as a whole, and a file that is no regular file or absurdly
// large is never read.
#include "platform/BackgroundImage.h"
#include "platform/Picture.h"
#include "platform/PictureCheck.h"
#include "support/SystemFiles.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>
#include <vector>

using namespace numerava;

namespace {

std::span<const uint8_t> Bytes(const QByteArray& data) {
    return {reinterpret_cast<const uint8_t*>(data.constData()), static_cast<size_t>(data.size())};
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QByteArray Encode(const QImage& image, const char* format, bool progressive = false) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return data;
}

// A picture with detail in every part, so that every coded block carries data.
QImage Sample() {
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) % 256));
    return image;
}

QString ShippedFolder() { return QDir(QCoreApplication::applicationDirPath()).filePath("Graphics"); }

} // namespace

class PictureTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QDir::setCurrent(QCoreApplication::applicationDirPath()); }

    void shippedPicturesLoadWhole() {
        const QStringList names = QDir(ShippedFolder()).entryList({"*.bmp", "*.jpg", "*.wmf", "*.emf"});
        QVERIFY(names.size() >= 30);
        for (const QString& name : names) {
            TPicture picture;
            QString error;
            QVERIFY2(picture.LoadFromFile(("Graphics\\" + name).toStdString(), &error), qPrintable(error));
            QVERIFY2(!picture.IsEmpty(), qPrintable(name));
        }
    }

    void cutOffPicturesAreRefused_data() {
        QTest::addColumn<QByteArray>("data");
        const QImage sample = Sample();
        QTest::newRow("bmp 24-bit") << Encode(sample, "bmp");
        QTest::newRow("bmp 8-bit") << Encode(sample.convertToFormat(QImage::Format_Indexed8), "bmp");
        QTest::newRow("jpeg baseline") << Encode(sample, "jpeg");
        QTest::newRow("jpeg progressive") << Encode(sample, "jpeg", true);
        QTest::newRow("png") << Encode(sample, "png");
        for (const char* name : {"50.bmp", "kolo08.jpg", "destnik.wmf", "kasparek.emf", "soutez.jpg"})
            QTest::newRow(name) << ReadFile(ShippedFolder() + "/" + name);
    }

    // Every cut point: the first bytes up to one byte short of the whole file.
    void cutOffPicturesAreRefused() {
        QFETCH(QByteArray, data);
        QVERIFY(data.size() > 100);
        TPicture whole;
        QString error;
        QVERIFY2(whole.LoadFromData(data, &error), qPrintable(error));
        const qsizetype step = std::max<qsizetype>(1, data.size() / 150);
        for (qsizetype length = 2; length < data.size(); length += step) {
            TPicture cut;
            const bool loaded = cut.LoadFromData(data.left(length), &error);
            QVERIFY2(
                !loaded,
                qPrintable(QStringLiteral("the first %1 of %2 bytes loaded").arg(length).arg(data.size())));
            QVERIFY(cut.IsEmpty());
        }
        // The last byte matters too.
        TPicture almost;
        QVERIFY(!almost.LoadFromData(data.left(data.size() - 1)));
    }

    // The start-up report judges files without decoding them; it must name exactly the files that
    // loading refuses: whole pictures, cut-off ones, data that only starts like a picture, no data.
    void startupCheckAgreesWithLoading() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QDir::setCurrent(dir.path());
        QVERIFY(QDir().mkdir("Graphics"));
        std::vector<std::pair<std::string, QByteArray>> files;
        const QImage sample = Sample();
        for (const char* format : {"bmp", "jpeg", "png"}) {
            const QByteArray whole = Encode(sample, format);
            files.emplace_back(std::string("whole.") + format, whole);
            files.emplace_back(std::string("half.") + format, whole.left(whole.size() / 2));
            files.emplace_back(std::string("header.") + format, whole.left(40));
        }
        for (const char* name : {"destnik.wmf", "kasparek.emf", "kolo08.jpg"}) {
            const QByteArray whole = ReadFile(ShippedFolder() + "/" + name);
            files.emplace_back(std::string("whole-") + name, whole);
            files.emplace_back(std::string("cut-") + name, whole.left(whole.size() - 7));
        }
        files.emplace_back("empty.bmp", QByteArray());
        files.emplace_back("only-magic.bmp", QByteArray("BM") + QByteArray(200, '\x7f'));
        files.emplace_back("noise.jpg", QByteArray(300, '\x13'));
        std::vector<std::string> paths;
        std::vector<std::string> refused;
        for (const auto& [name, data] : files) {
            QFile file(QString::fromStdString("Graphics/" + name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(data), data.size());
            file.close();
            paths.push_back("Graphics\\" + name);
            if (!TPicture().LoadFromFile(paths.back())) refused.push_back("Graphics/" + name);
        }
        paths.push_back("Graphics\\missing.bmp");
        refused.push_back("Graphics/missing.bmp");
        QCOMPARE(refused.size(), size_t{13}); // every file but the six whole ones
        QCOMPARE(UnreadablePictures(paths), refused);
    }

    void completenessOfStructures_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("expected");
        const auto whole = static_cast<int>(TPictureCompleteness::Whole);
        const auto truncated = static_cast<int>(TPictureCompleteness::Truncated);
        const auto unknown = static_cast<int>(TPictureCompleteness::Unknown);
        const QByteArray jpeg = Encode(Sample(), "jpeg");
        QTest::newRow("jpeg with bytes after its end") << jpeg + QByteArray(40, '\0') << whole;
        QTest::newRow("jpeg without its end marker") << jpeg.left(jpeg.size() - 2) << truncated;
        QTest::newRow("not a picture") << QByteArray("GIF89a....") << unknown;
        QTest::newRow("bmp header only") << QByteArray("BM") << truncated;
        // A run-length coded BMP: two runs and the end-of-bitmap code.
        QByteArray rle("BM", 2);
        rle += QByteArray::fromHex("0000000000000000"
                                   "36040000"); // sizes, pixel offset 1078
        rle += QByteArray::fromHex("28000000"
                                   "02000000"
                                   "01000000"
                                   "0100"
                                   "0800"
                                   "01000000"); // RLE8
        rle += QByteArray(1078 - rle.size(), '\0');
        QTest::newRow("rle8 whole") << rle + QByteArray::fromHex("02050000"
                                                                 "0001")
                                    << whole;
        QTest::newRow("rle8 without its end") << rle + QByteArray::fromHex("02050000") << truncated;
    }

    void completenessOfStructures() {
        QFETCH(QByteArray, data);
        QFETCH(int, expected);
        QCOMPARE(static_cast<int>(CheckPictureCompleteness(Bytes(data))), expected);
    }

    // A metafile drawn ahead on a worker thread comes out as one played in place, also on a display
    // of several pixels to the logical pixel; one prepared for another pixel ratio is not used there.
    void preparedMetafileLooksTheSame_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<qreal>("preparedRatio");
        QTest::newRow("ratio 1") << 1.0 << 1.0;
        QTest::newRow("ratio 2") << 2.0 << 2.0;
        QTest::newRow("ratio 3") << 3.0 << 3.0;
        QTest::newRow("prepared at 1, drawn at 2") << 2.0 << 1.0;
        QTest::newRow("prepared at 2, drawn at 1") << 1.0 << 2.0;
    }
    void preparedMetafileLooksTheSame() {
        QFETCH(qreal, ratio);
        QFETCH(qreal, preparedRatio);
        TPicture picture;
        QVERIFY(picture.LoadFromData(ReadFile(ShippedFolder() + "/kasparek.emf")));
        const auto draw = [&picture, ratio] {
            QImage image(QSize(90, 70) * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(QColor(227, 232, 47));
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            picture.Draw(painter, QRect(7, 5, 64, 56));
            return image;
        };
        const QImage direct = draw();
        picture.Prepare({64, 56}, QPainter::Antialiasing | QPainter::SmoothPixmapTransform, preparedRatio);
        const QImage prepared = draw();
        int largest = 0;
        for (int y = 0; y < direct.height(); ++y)
            for (int x = 0; x < direct.width(); ++x) {
                const QRgb p = direct.pixel(x, y), q = prepared.pixel(x, y);
                largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            }
        QVERIFY2(largest <= 1, qPrintable(QString::number(largest)));
        QImage blank(direct.size(), QImage::Format_RGB32);
        blank.fill(QColor(227, 232, 47));
        QVERIFY(direct.convertToFormat(QImage::Format_RGB32) != blank); // something was drawn
    }

    // Several threads asking for the image at once get it drawn exactly once.
    void backgroundImageIsDrawnOnce() {
        std::atomic<int> draws = 0;
        auto image = TBackgroundImage::Start({8, 8}, 1, {}, [&draws](QPainter& painter) {
            ++draws;
            painter.fillRect(0, 0, 4, 4, Qt::red);
        });
        std::vector<std::thread> askers;
        for (int i = 0; i < 4; ++i) askers.emplace_back([&image] { (void)image->Image(); });
        for (auto& asker : askers) asker.join();
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(draws.load(), 1);
        QCOMPARE(image->Image().pixelColor(1, 1), QColor(Qt::red));
        QCOMPARE(image->Image().pixelColor(6, 6).alpha(), 0);
    }

    // An image its owner gave up before any worker began is never drawn.
    void abandonedImageIsNeverDrawn() {
        int draws = 0;
        TBackgroundImage image({8, 8}, 1, {}, [&draws](QPainter&) { ++draws; });
        image.Abandon();
        QVERIFY(image.Image().isNull());
        QCOMPARE(draws, 0);
    }

    // A picture replaced by a link to an endless device, a pipe or a huge file is a missing
    // picture, found out at once.
    void filesThatAreNoPictureFilesAreNeverRead() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QDir::setCurrent(dir.path());
        QVERIFY(QDir().mkdir("Graphics"));
        // A link to an endless device and a pipe, where the system has them in folders (not Windows).
        if (const char* device = numerava::testing::EndlessDevice()) {
            QVERIFY(QFile::link(device, "Graphics/destnik.wmf"));
            QVERIFY(numerava::testing::MakeFifo("Graphics/50.bmp"));
        }
        QVERIFY(QDir().mkdir("Graphics/kolo01.jpg"));
        QFile huge("Graphics/20.bmp");
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.write(Encode(Sample(), "bmp")));
        QVERIFY(huge.resize(TPicture::MaxFileBytes + 1)); // sparse: no real bytes written
        huge.close();

        QElapsedTimer clock;
        clock.start();
        for (const char* path : {"Graphics\\destnik.wmf", "Graphics\\50.bmp", "Graphics\\kolo01.jpg",
                                 "Graphics\\20.bmp", "Graphics\\missing.bmp"}) {
            TPicture picture;
            QString error;
            QVERIFY2(!picture.LoadFromFile(path, &error), path);
            QVERIFY(picture.IsEmpty());
            QVERIFY2(error.contains(QString::fromUtf8(path + 9)), qPrintable(error));
        }
        QVERIFY2(clock.elapsed() < 5000, "a load waited or read for long");
    }
};

QTEST_MAIN(PictureTest)
#include "PictureQtTest.moc"
