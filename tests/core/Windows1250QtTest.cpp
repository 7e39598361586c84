// The word-problem files' decoder agrees with a library decoder (Qt's, backed by ICU) on every byte
// and on the shipped books, so that a letter of its table cannot be wrong unnoticed.

#include "core/Encoding.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QTest>

#include <set>
#include <string>

namespace {

// The byte values Windows-1250 leaves undefined; ICU passes them through as C1 controls, the
// program's decoder shows them as U+FFFD.
const std::set<int> Undefined = {0x81, 0x83, 0x88, 0x90, 0x98};

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class Windows1250QtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!QStringDecoder("windows-1250").isValid())
            QSKIP("this Qt has no Windows-1250 decoder (built without ICU)");
    }

    void everyByteAsTheLibraryDecodesIt() {
        for (int value = 0; value < 256; ++value) {
            const char byte = static_cast<char>(value);
            const QString ours = QString::fromStdString(numerava::DecodeWindows1250(std::string(1, byte)));
            QStringDecoder library("windows-1250");
            const QString theirs = library(QByteArray(1, byte));
            const QString expected = Undefined.count(value) ? QString(QChar(0xFFFD)) : theirs;
            QVERIFY2(
                ours == expected,
                qPrintable(QStringLiteral("byte %1: U+%2, the library gives U+%3")
                               .arg(value, 2, 16, QLatin1Char('0'))
                               .arg(ours.isEmpty() ? 0 : ours[0].unicode(), 4, 16, QLatin1Char('0'))
                               .arg(theirs.isEmpty() ? 0 : theirs[0].unicode(), 4, 16, QLatin1Char('0'))));
        }
    }

    void shippedBooksAsTheLibraryDecodesThem() {
        for (const char* name : {"numerava_cz.dat", "numerava_sk.dat"}) {
            const QByteArray bytes =
                ReadFile(QCoreApplication::applicationDirPath() + "/Graphics/" + QLatin1String(name));
            QVERIFY2(bytes.size() > 10000, name);
            QStringDecoder library("windows-1250");
            const QString theirs = library(bytes);
            QVERIFY(!library.hasError());
            const std::string ours =
                numerava::DecodeWindows1250(std::string_view(bytes.constData(), bytes.size()));
            QCOMPARE(QString::fromStdString(ours), theirs);
        }
    }
};

QTEST_MAIN(Windows1250QtTest)
#include "Windows1250QtTest.moc"
