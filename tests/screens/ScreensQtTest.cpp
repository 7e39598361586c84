// The welcome menu, the results overview and the information screen.

#include "catalogue/UnitsTexts.h"
#include "catalogue/WordProblemData.h"
#include "catalogue/WordProblemFile.h"
#include "controls/NumeravaButton.h"
#include "controls/NumeravaLabel.h"
#include "controls/ScreenBuild.h"
#include "core/Language.h"
#include "platform/Picture.h"
#include "screens/FrameInfo.h"
#include "screens/FramesResults.h"
#include "screens/FramesWelcome.h"
#include "screens/ProgramPictures.h"
#include "shell/FormsMain.h"
#include "support/ModalAnswer.h"
#include "support/Timers.h"

#include <QDir>
#include <QGroupBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <sys/stat.h>

using namespace numerava;

namespace {

TFrame* NewWelcome(TfrmMain& main) { return new TfrmWelcome(main); }

// Fires the welcome screen's start-up tick, closing the message a broken data file would bring.
void Settle(TfrmWelcome& welcome) {
    numerava::testing::TModalAnswers boxes;
    QVERIFY(numerava::testing::Fire(welcome.Timer1));
}

} // namespace

class ScreensQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(numerava);
        // The program reads its pictures and data files beside itself; the build copies Graphics there.
        QVERIFY(QDir(QCoreApplication::applicationDirPath() + "/Graphics").exists());
    }

    void init() { Language = LanguageCzech; }

    void welcomeCaptionsAndFlagsFollowTheLanguage() {
        TfrmMain main(NewWelcome);
        Language = LanguageCzech; // the main window chose the system's language
        auto* welcome = new TfrmWelcome(main);
        main.ShowFrame(welcome);
        QCoreApplication::processEvents();
        Settle(*welcome);
        QCOMPARE(welcome->btnInfo()->Caption(), QStringLiteral("O programu"));
        QCOMPARE(welcome->GroupBox2()->title(), QString::fromUtf8("Výběr učiva"));
        QCOMPARE(welcome->Image3()->geometry(), QRect(537, 73, 50, 30)); // the Czech flag enlarged
        QCOMPARE(welcome->Image2()->geometry(), QRect(592, 75, 40, 25));

        QTest::mouseClick(welcome->Image2(), Qt::LeftButton);
        QCOMPARE(Language, LanguageSlovak);
        QCOMPARE(welcome->btnInfo()->Caption(), QStringLiteral("O programe"));
        QCOMPARE(welcome->nvbtnExit()->Caption(), QStringLiteral("Koniec"));
        QCOMPARE(welcome->NumeravaButton1()->Caption(), QString::fromUtf8("Ako ukladať žiakov?"));
        QCOMPARE(welcome->Image2()->geometry(), QRect(587, 72, 50, 30));
        QCOMPARE(welcome->Image3()->geometry(), QRect(542, 76, 40, 24));

        // The enlarged flag again: the data file is reloaded, nothing moves.
        QTest::mouseClick(welcome->Image2(), Qt::LeftButton);
        QCOMPARE(welcome->Image2()->geometry(), QRect(587, 72, 50, 30));
        QCOMPARE(welcome->Image3()->geometry(), QRect(542, 76, 40, 24));
        Language = LanguageCzech;
    }

    void settlingAtOnceGivesTheFinalLookOnce() {
        TfrmMain main(NewWelcome);
        QCOMPARE(LoadWordProblemFile("Graphics\\numerava_cz.dat"), WordProblemFileError::None);
        Language = LanguageSlovak;
        TfrmWelcome welcome(main);
        QSignalSpy settled(&welcome, &TFrame::Settled);
        {
            numerava::testing::TModalAnswers boxes;
            welcome.SettleNow();
        }
        QCOMPARE(settled.count(), 1);
        QVERIFY(!welcome.Timer1.isActive()); // the tick does not come a second time
        QCOMPARE(welcome.btnInfo()->Caption(), QStringLiteral("O programe"));
        QCOMPARE(welcome.nvbtnExit()->Caption(), QStringLiteral("Koniec"));
        QCOMPARE(welcome.Image2()->geometry(), QRect(587, 72, 50, 30)); // the Slovak flag enlarged
        welcome.SettleNow();
        QCOMPARE(settled.count(), 1);
        // The data file of the language follows once the window has painted the screen.
        QCOMPARE(DifficultyName(5, 1), std::string("Úlohy pro 1. stupeň"));
        welcome.WindowPainted();
        QCOMPARE(DifficultyName(5, 1), std::string("Úlohy pre 1. stupeň"));
        Language = LanguageCzech;
    }

    void flagClickLoadsTheDataFileOfThatLanguage() {
        TfrmMain main(NewWelcome);
        auto* welcome = new TfrmWelcome(main);
        main.ShowFrame(welcome);
        QCoreApplication::processEvents();
        Settle(*welcome);
        QCOMPARE(DifficultyName(5, 1), std::string("Úlohy pro 1. stupeň"));
        QTest::mouseClick(welcome->Image2(), Qt::LeftButton);
        QCOMPARE(DifficultyName(5, 1), std::string("Úlohy pre 1. stupeň"));
        QCOMPARE(OperationName(5, 4), std::string("Percentá"));
        QVERIFY(NameList.size() >= 20);
        QTest::mouseClick(welcome->Image3(), Qt::LeftButton);
        QCOMPARE(OperationName(5, 4), std::string("Procenta"));
    }

    void areaButtonsSelectTheirArea() {
        TfrmMain main(NewWelcome);
        auto* welcome = new TfrmWelcome(main);
        main.ShowFrame(welcome);
        QCoreApplication::processEvents();
        main.SetDifficultySet(6);
        QTest::mouseClick(welcome->AreaButton(1), Qt::LeftButton);
        QCOMPARE(main.DifficultySet, 6); // the same area keeps the choice
        QTest::mouseClick(welcome->AreaButton(3), Qt::LeftButton);
        QCOMPARE(main.Area, 3);
        QCOMPARE(main.DifficultySet, 0);
        for (int area = 1; area <= 6; ++area) QVERIFY(!welcome->AreaButton(area)->Picture().IsEmpty());
    }

    void resultsListTheRowsOldestFirst() {
        TfrmMain main(NewWelcome);
        auto* empty = new TfrmResults(main);
        QCOMPARE(empty->lsvResults()->topLevelItemCount(), 0);
        QCOMPARE(empty->lsvResults()->headerItem()->text(2), QString::fromUtf8("Příkladů/čas"));
        delete empty;

        main.PutResult(-1, {"100", "10", "NU 1: Vše", "Procvičování 1 malé", "1*"});
        main.PutResult(-1, {"87", "20", "NU 2: Vše", "E X P E R T", "2"});
        main.PutResult(-1, {"2366", "25:00", "NU 1: Vše", "Celý program", "2/3"});
        Language = LanguageSlovak;
        TfrmResults results(main);
        QVERIFY(numerava::testing::Fire(results.Timer1));
        QTreeWidget* list = results.lsvResults();
        QCOMPARE(list->topLevelItemCount(), 3);
        const QStringList first = {"NU 1: Vše", QString::fromUtf8("Procvičování 1 malé"), "10", "100", "1*"};
        for (int column = 0; column < 5; ++column)
            QCOMPARE(list->topLevelItem(0)->text(column), first[column]);
        QCOMPARE(list->topLevelItem(2)->text(4), QStringLiteral("2/3"));
        QCOMPARE(list->headerItem()->text(4), QStringLiteral("Hodnotenie"));
        QCOMPARE(results.nvbtnExit()->Caption(), QString::fromUtf8("Späť"));
        QCOMPARE(list->columnWidth(0), 275);
        Language = LanguageCzech;
    }

    void informationLoadsTheLogoOfTheLanguage() {
        TfrmMain main(NewWelcome);
        for (const uint16_t language : {LanguageCzech, LanguageSlovak}) {
            Language = language;
            TfrmInfo info(main);
            QVERIFY(info.Image12()->Picture().IsEmpty());
            QVERIFY(numerava::testing::Fire(info.Timer2));
            QVERIFY(!info.Image12()->Picture().IsEmpty());
            QCOMPARE(info.NumeravaLabel6()->Caption(),
                     QString::fromUtf8(language == LanguageSlovak ? "Funkcie programu NUMERAVA"
                                                                  : "Co NUMERAVA umí?"));
        }
        Language = LanguageCzech;
    }

    // The start-up check reads every picture file the program ships, and only those.
    void startupCheckCoversEveryShippedPicture() {
        QStringList shipped = QDir(QCoreApplication::applicationDirPath() + "/Graphics")
                                  .entryList({"*.bmp", "*.jpg", "*.png", "*.wmf", "*.emf"}, QDir::Files);
        QStringList checked;
        for (const std::string& file : ProgramPictureFiles())
            checked << QFileInfo(LocalPath(file)).fileName();
        shipped.sort();
        checked.sort();
        QCOMPARE(checked, shipped);
    }

    void startupReportsBadPicturesInOneMessage_data() {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QStringList>("damaged"); // cut, pipe, device, gone, garbage
        QTest::addColumn<QStringList>("reported");
        QTest::newRow("all well") << true << QStringList{} << QStringList{};
        QTest::newRow("damaged") << true
                                 << QStringList{"50.bmp", "5.bmp", "destnik.wmf", "kolo07.jpg", "2.jpg"}
                                 << QStringList{"Graphics/50.bmp", "Graphics/5.bmp", "Graphics/destnik.wmf",
                                                "Graphics/kolo07.jpg", "Graphics/2.jpg"};
        QTest::newRow("no Graphics folder") << false << QStringList{} << QStringList{"Graphics"};
    }

    void startupReportsBadPicturesInOneMessage() {
        QFETCH(bool, folder);
        QFETCH(QStringList, damaged);
        QFETCH(QStringList, reported);
        TfrmMain main(NewWelcome);
        // A copy of the program's folder, with the pictures damaged in five ways.
        QTemporaryDir copy;
        QVERIFY(copy.isValid());
        const QDir shipped(QCoreApplication::applicationDirPath() + "/Graphics");
        const QDir graphics(copy.path() + "/Graphics");
        if (folder) {
            QVERIFY(QDir(copy.path()).mkdir("Graphics"));
            for (const QString& name : shipped.entryList(QDir::Files))
                QVERIFY(QFile::copy(shipped.filePath(name), graphics.filePath(name)));
        }
        for (int i = 0; i < damaged.size(); ++i) {
            const QString path = graphics.filePath(damaged[i]);
            QVERIFY(QFile::remove(path));
            if (i == 0) {
                QFile original(shipped.filePath(damaged[i]));
                QVERIFY(original.open(QIODevice::ReadOnly));
                QFile cut(path);
                QVERIFY(cut.open(QIODevice::WriteOnly));
                cut.write(original.read(100));
            } else if (i == 1) {
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            } else if (i == 2) {
                QVERIFY(QFile::link("/dev/zero", path));
            } else if (i == 4) {
                QFile garbage(path);
                QVERIFY(garbage.open(QIODevice::WriteOnly));
                garbage.write("\xFF\xD8\xFF this is no picture");
            }
        }
        QDir::setCurrent(copy.path());

        numerava::testing::TModalAnswers boxes;
        main.Start(ProgramPictureFiles());
        if (folder) QTRY_VERIFY_WITH_TIMEOUT(main.PicturesChecked(), 20000);
        else QTRY_COMPARE_WITH_TIMEOUT(boxes.Count(), 1, 20000);
        QCoreApplication::processEvents();
        QDir::setCurrent(QCoreApplication::applicationDirPath());

        QCOMPARE(boxes.Count(), reported.isEmpty() ? 0 : 1);
        for (const QString& file : reported)
            QVERIFY2(boxes.LastText().contains(file), qPrintable(boxes.LastText()));
        if (folder) {
            // One line a picture, after the sentence and a blank line.
            QCOMPARE(boxes.LastText().count(QLatin1Char('\n')), reported.isEmpty() ? 0 : reported.size() + 1);
            // A cut bank note is no note at all, not a black block.
            QCOMPARE(main.imlMoney()[0].isNull(), damaged.contains("50.bmp"));
        }
    }

    void backButtonsReturnToTheWelcomeScreen() {
        TfrmMain main(NewWelcome);
        auto* results = new TfrmResults(main);
        main.ShowFrame(results);
        QCoreApplication::processEvents();
        QTest::mouseClick(results->nvbtnExit(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(qobject_cast<TfrmWelcome*>(main.CurrentFrame()) != nullptr);
        auto* welcome = static_cast<TfrmWelcome*>(main.CurrentFrame());
        QTest::mouseClick(welcome->btnInfo(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(qobject_cast<TfrmInfo*>(main.CurrentFrame()) != nullptr);
    }
};

QTEST_MAIN(ScreensQtTest)
#include "ScreensQtTest.moc"
