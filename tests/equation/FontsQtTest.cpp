// The Windows face names of the mark-up map to the fonts-wine files when they are installed, and to
// DejaVu Sans when they are not.
#include "platform/Fonts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace numerava {

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
};

} // namespace numerava

QTEST_MAIN(numerava::FontsQtTest)
#include "FontsQtTest.moc"
