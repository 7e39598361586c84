// Worksheets as files: a PDF for every area in both languages with the pages its layout counts,
// Ctrl+P on the topic screen through a replaced save dialog, and the information screen's line.

#include "catalogue/WordProblemData.h"
#include "catalogue/WordProblemFile.h"
#include "core/Language.h"
#include "core/Random.h"
#include "platform/Fonts.h"
#include "screens/FrameInfo.h"
#include "screens/FramesSettings.h"
#include "screens/WorksheetSave.h"
#include "shell/FormsMain.h"
#include "support/ModalAnswer.h"
#include "support/Timers.h"
#include "support/WelcomeStub.h"
#include "worksheet/WorksheetContent.h"
#include "worksheet/WorksheetPdf.h"

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace numerava;

namespace {

const char* DataFile(uint16_t language) {
    return language == LanguageSlovak ? "Graphics/numerava_sk.dat" : "Graphics/numerava_cz.dat";
}

// Page objects of a PDF ("/Type /Page", not the "/Type /Pages" tree); -1 when it is no PDF.
int PdfPageCount(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = pdf.readAll();
    if (!bytes.startsWith("%PDF-") || !bytes.trimmed().endsWith("%%EOF")) return -1;
    return static_cast<int>(
        QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

uint8_t AllItems(int area) { return area == 5 ? SetAllSix : SetAllFour; }

// The save dialog's stand-in: records what it was asked and answers with `file`.
struct TDialogAnswer {
    explicit TDialogAnswer(QString file = {}) : File(std::move(file)) {}
    QString File;
    int Calls = 0;
    QString Title;
    QString Suggested;
};

void ReplaceDialog(TDialogAnswer& answer) {
    SetWorksheetFileAsker([&answer](QWidget*, const QString& title, const QString& suggested) {
        ++answer.Calls;
        answer.Title = title;
        answer.Suggested = suggested;
        return answer.File;
    });
}

} // namespace

class WorksheetQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(numerava);
        RegisterFonts();
        QVERIFY(temp_.isValid());
    }

    void init() { Language = LanguageCzech; }
    void cleanup() {
        SetWorksheetFileAsker({});
        Language = LanguageCzech;
        ClearWordProblemData();
    }

    void everyAreaMakesASheetWithItsKeyOnAPageOfItsOwn_data() {
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("language");
        for (const uint16_t language : {LanguageCzech, LanguageSlovak})
            for (int area = 1; area <= 6; ++area)
                QTest::addRow("area %d %s", area, language == LanguageSlovak ? "sk" : "cz")
                    << area << int(language);
    }

    void everyAreaMakesASheetWithItsKeyOnAPageOfItsOwn() {
        QFETCH(int, area);
        QFETCH(int, language);
        Language = static_cast<uint16_t>(language);
        if (area == 5) {
            QCOMPARE(LoadWordProblemFile(QCoreApplication::applicationDirPath().toStdString() + "/" +
                                         DataFile(Language)),
                     WordProblemFileError::None);
        }
        SeedRandom(static_cast<uint32_t>(area * 100 + language));
        const TSelection all{ModeSmallPractice, area, AllItems(area), AllItems(area)};
        const auto sheet = worksheet::MakeWorksheet(all, worksheet::WorksheetExercises(all, 20));
        const QString file = temp_.filePath(QStringLiteral("area%1-%2.pdf").arg(area).arg(language));
        const worksheet::TWorksheetPdfResult result = worksheet::WriteWorksheetPdf(sheet, file);
        QVERIFY(result.Written);
        QCOMPARE(PdfPageCount(file), result.Pages);
        // One-line exercises of areas 1 to 4 fit one page in two columns; word problems and algebra
        // with its captions may take a few. The key comes after them.
        if (area <= 4) QCOMPARE(result.Pages, 2);
        else QVERIFY2(result.Pages >= 2 && result.Pages <= 4, qPrintable(QString::number(result.Pages)));
    }

    void aLongSheetBreaksIntoPagesAndKeepsItsKey() {
        SeedRandom(4);
        const TSelection selection{ModeSmallPractice, 3, SetAllFour, SetAllFour};
        const auto short20 =
            worksheet::MakeWorksheet(selection, worksheet::WorksheetExercises(selection, 20));
        const auto long300 =
            worksheet::MakeWorksheet(selection, worksheet::WorksheetExercises(selection, 300));
        const auto shortResult = worksheet::WriteWorksheetPdf(short20, temp_.filePath("short.pdf"));
        const auto longResult = worksheet::WriteWorksheetPdf(long300, temp_.filePath("long.pdf"));
        QVERIFY(shortResult.Written && longResult.Written);
        QCOMPARE(PdfPageCount(temp_.filePath("long.pdf")), longResult.Pages);
        QVERIFY(longResult.Pages >= 10 * (shortResult.Pages - 1));
    }

    void aFileThatCannotBeWrittenIsReportedAndLeavesNothing() {
        const TSelection selection{ModeSmallPractice, 1, SetAllFour, SetAllFour};
        const auto sheet = worksheet::MakeWorksheet(selection, worksheet::WorksheetExercises(selection, 3));
        const QString file = temp_.filePath(QStringLiteral("missing-folder/sheet.pdf"));
        QVERIFY(!worksheet::WriteWorksheetPdf(sheet, file).Written);
        QVERIFY(!QFile::exists(file));
    }

    void ctrlPSavesTheSelectionsSheetThroughTheDialog_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("cz") << int(LanguageCzech) << QString::fromUtf8("Uložit pracovní list")
                            << QStringLiteral("pracovni-list.pdf");
        QTest::newRow("sk") << int(LanguageSlovak) << QString::fromUtf8("Uložiť pracovný list")
                            << QStringLiteral("pracovny-list.pdf");
    }

    void ctrlPSavesTheSelectionsSheetThroughTheDialog() {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, fileName);
        TDialogAnswer dialog(temp_.filePath(QStringLiteral("ctrl-p-%1.pdf").arg(language)));
        ReplaceDialog(dialog);
        TfrmMain main(numerava::testing::NewWelcomeStub);
        Language = static_cast<uint16_t>(language); // after the window chose the system's language
        TfrmSettings* screen = ShowSettings(main, 2, MakeSet({2}), MakeSet({1, 3}));
        numerava::testing::TModalAnswers boxes;
        QTest::keyClick(screen, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(dialog.Calls, 1);
        QCOMPARE(dialog.Title, title);
        QVERIFY2(dialog.Suggested.endsWith(QLatin1Char('/') + fileName), qPrintable(dialog.Suggested));
        QCOMPARE(boxes.Count(), 0);
        QVERIFY(PdfPageCount(dialog.File) >= 2);
        // The selection stays as the pupil left it.
        QCOMPARE(main.DifficultySet, MakeSet({2}));
        QCOMPARE(main.OperationSet, MakeSet({1, 3}));
    }

    void ctrlPWithNothingTickedSaysSoInsteadOfAsking() {
        TDialogAnswer dialog(temp_.filePath(QStringLiteral("never.pdf")));
        ReplaceDialog(dialog);
        TfrmMain main(numerava::testing::NewWelcomeStub);
        TfrmSettings* screen = ShowSettings(main, 4, 0, 0);
        numerava::testing::TModalAnswers boxes;
        QTest::keyClick(screen, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(dialog.Calls, 0);
        QCOMPARE(boxes.Count(), 1);
        QVERIFY2(boxes.LastText().contains(QString::fromUtf8("zaškrtni")), qPrintable(boxes.LastText()));
        QVERIFY(!QFile::exists(dialog.File));
    }

    void ctrlPWithoutWordProblemsSaysSo() {
        TDialogAnswer dialog(temp_.filePath(QStringLiteral("no-problems.pdf")));
        ReplaceDialog(dialog);
        TfrmMain main(numerava::testing::NewWelcomeStub);
        ClearWordProblemData(); // as after a data file that could not be read
        TfrmSettings* screen = ShowSettings(main, 5, MakeSet({2}), 0);
        numerava::testing::TModalAnswers boxes;
        QTest::keyClick(screen, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(dialog.Calls, 0);
        QCOMPARE(boxes.Count(), 1);
        QVERIFY2(boxes.LastText().contains(QString::fromUtf8("úlohy")), qPrintable(boxes.LastText()));
    }

    void ctrlPCancelledWritesNothing() {
        TDialogAnswer dialog; // an empty answer: the dialog was cancelled
        ReplaceDialog(dialog);
        TfrmMain main(numerava::testing::NewWelcomeStub);
        TfrmSettings* screen = ShowSettings(main, 1, MakeSet({1}), 0);
        numerava::testing::TModalAnswers boxes;
        QTest::keyClick(screen, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(dialog.Calls, 1);
        QCOMPARE(boxes.Count(), 0);
    }

    void ctrlPReportsAFailureInTheCurrentLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("cz") << int(LanguageCzech) << QString::fromUtf8("Pracovní list se nepodařilo uložit");
        QTest::newRow("sk") << int(LanguageSlovak) << QString::fromUtf8("Pracovný list sa nepodarilo uložiť");
    }

    void ctrlPReportsAFailureInTheCurrentLanguage() {
        QFETCH(int, language);
        QFETCH(QString, message);
        TDialogAnswer dialog(temp_.filePath(QStringLiteral("no-such-folder/sheet.pdf")));
        ReplaceDialog(dialog);
        TfrmMain main(numerava::testing::NewWelcomeStub);
        Language = static_cast<uint16_t>(language);
        TfrmSettings* screen = ShowSettings(main, 6, SetAllFour, 0);
        numerava::testing::TModalAnswers boxes;
        QTest::keyClick(screen, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(boxes.Count(), 1);
        QVERIFY2(boxes.LastText().startsWith(message), qPrintable(boxes.LastText()));
        QVERIFY(boxes.LastText().contains(QStringLiteral("sheet.pdf")));
    }

    void informationScreenMentionsTheSheetWithinItsLayout() {
        TfrmMain main(numerava::testing::NewWelcomeStub);
        for (const uint16_t language : {LanguageCzech, LanguageSlovak}) {
            Language = language;
            TfrmInfo info(main);
            QVERIFY(numerava::testing::Fire(info.Timer2));
            const QLabel* line = info.WorksheetLabel();
            QVERIFY(line->text().contains(QStringLiteral("Ctrl+P")));
            const QRect place = line->geometry();
            QVERIFY2(info.rect().contains(place), qPrintable(line->text()));
            // It overlaps no other control of the screen.
            for (const QWidget* other : info.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other == line || !other->isVisible() || other->size().isEmpty()) continue;
                if (other->geometry().contains(place)) continue; // the contest box is a shape behind
                QVERIFY2(!other->geometry().intersects(place),
                         qPrintable(QStringLiteral("%1 overlaps %2").arg(line->text(), other->objectName())));
            }
        }
    }

private:
    // The topic screen of the selection, shown in an active main window so that its shortcut works.
    static TfrmSettings* ShowSettings(TfrmMain& main, int area, uint8_t difficulties, uint8_t operations) {
        main.SelectArea(area);
        main.SetMode(ModeSmallPractice);
        main.SetDifficultySet(difficulties);
        main.SetOperationSet(operations);
        auto* screen = new TfrmSettings(main);
        main.ShowFrame(screen);
        main.show();
        main.activateWindow();
        QCoreApplication::processEvents();
        if (!QTest::qWaitForWindowActive(&main)) qWarning("the main window did not become active");
        return screen;
    }

    QTemporaryDir temp_;
};

QTEST_MAIN(WorksheetQtTest)
#include "WorksheetQtTest.moc"
