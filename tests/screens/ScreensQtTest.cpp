// The welcome menu, the results overview and the information screen.

#include "catalogue/UnitsTexts.h"
#include "catalogue/WordProblemData.h"
#include "catalogue/WordProblemFile.h"
#include "controls/NumeravaButton.h"
#include "controls/NumeravaLabel.h"
#include "controls/ScreenBuild.h"
#include "core/Language.h"
#include "screens/FrameInfo.h"
#include "screens/FramesResults.h"
#include "screens/FramesWelcome.h"
#include "shell/FormsMain.h"
#include "support/ModalAnswer.h"
#include "support/Timers.h"

#include <QDir>
#include <QGroupBox>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

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
