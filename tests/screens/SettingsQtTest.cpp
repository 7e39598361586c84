// The topic screen: the choices it shows and edits, select all, and the defaults on continue.

#include "catalogue/UnitsTexts.h"
#include "catalogue/WordProblemData.h"
#include "catalogue/WordProblemFile.h"
#include "controls/NumeravaButton.h"
#include "controls/NumeravaCheck.h"
#include "controls/NumeravaLabel.h"
#include "controls/NumeravaRadio.h"
#include "core/Language.h"
#include "screens/FramesEngine.h"
#include "screens/FramesSettings.h"
#include "screens/FramesWelcome.h"
#include "shell/FormsMain.h"
#include "support/ModalAnswer.h"
#include "support/Timers.h"

#include <QDir>
#include <QTest>

#include <memory>

using namespace numerava;

Q_DECLARE_METATYPE(uint8_t)

namespace {

TFrame* NewWelcome(TfrmMain& main) { return new TfrmWelcome(main); }

void Choose(TfrmMain& main, int area, int mode, uint8_t difficulties, uint8_t operations) {
    main.SelectArea(area);
    main.SetMode(mode);
    main.SetDifficultySet(difficulties);
    main.SetOperationSet(operations);
}

// The items whose buttons show pushed, as a set.
uint8_t PushedItems(const TfrmSettings& screen, bool left) {
    uint8_t set = 0;
    for (int item = 1; item <= 6; ++item)
        if ((left ? static_cast<TNVCustomButton*>(screen.nvrdbDiff(item)) : screen.nvchk(item))->Pushed())
            set = static_cast<uint8_t>(set | ItemBit(item));
    return set;
}

} // namespace

class SettingsQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(numerava);
        // Area 5's items and problems come from the word-problem file beside the program.
        QDir::setCurrent(QCoreApplication::applicationDirPath());
        QCOMPARE(LoadWordProblemFile("Graphics\\numerava_cz.dat"), WordProblemFileError::None);
    }
    void init() { Language = LanguageCzech; }

    void continueFillsInTheAreaDefaults_data() {
        // The defaults themselves are the catalogue's; this checks that continue applies them.
        QTest::addColumn<int>("area");
        QTest::addColumn<uint8_t>("difficulties");
        QTest::addColumn<uint8_t>("operations");
        QTest::addColumn<uint8_t>("expectedDifficulties");
        QTest::addColumn<uint8_t>("expectedOperations");
        QTest::newRow("area 1, everything chosen")
            << 1 << SetAllFour << SetAllFour << MakeSet({4}) << SetAllFour;
        QTest::newRow("area 3, difficulty 4 alone")
            << 3 << MakeSet({4}) << MakeSet({2}) << SetAllFour << MakeSet({2});
        QTest::newRow("area 5, nothing chosen") << 5 << uint8_t(0) << uint8_t(0) << SetAllSix << SetAllSix;
    }

    void continueFillsInTheAreaDefaults() {
        QFETCH(int, area);
        QFETCH(uint8_t, difficulties);
        QFETCH(uint8_t, operations);
        QFETCH(uint8_t, expectedDifficulties);
        QFETCH(uint8_t, expectedOperations);
        TfrmMain main(NewWelcome);
        Choose(main, area, ModeContest, difficulties, operations);
        auto screen = std::make_unique<TfrmSettings>(main);
        ContestCategory = 0;
        QTest::mouseClick(screen->nvbtnOK(), Qt::LeftButton);
        QCOMPARE(main.DifficultySet, expectedDifficulties);
        QCOMPARE(main.OperationSet, expectedOperations);
        QCOMPARE(int(ContestCategory), area);
        // The buttons keep showing what the pupil chose.
        QCOMPARE(PushedItems(*screen, true), difficulties);
        QCOMPARE(PushedItems(*screen, false), operations);
    }

    void continueStartsTheDrillOnlyInModesOneToThree() {
        for (int mode = 1; mode <= 4; ++mode) {
            TfrmMain main(NewWelcome);
            Choose(main, 2, mode, 0, 0);
            auto* screen = new TfrmSettings(main);
            main.ShowFrame(screen);
            QCoreApplication::processEvents();
            QTest::mouseClick(screen->nvbtnOK(), Qt::LeftButton);
            QCoreApplication::processEvents();
            const bool drill = qobject_cast<TfrmEngine*>(main.CurrentFrame()) != nullptr;
            QVERIFY2(drill == (mode != ModeContest), qPrintable(QStringLiteral("mode %1").arg(mode)));
        }
    }

    void selectAllTogglesTheAreaItems_data() {
        QTest::addColumn<int>("area");
        QTest::addColumn<uint8_t>("all");
        for (int area : {1, 3, 4, 6}) QTest::addRow("area %d", area) << area << SetAllFour;
        QTest::newRow("area 5") << 5 << SetAllSix;
    }

    void selectAllTogglesTheAreaItems() {
        QFETCH(int, area);
        QFETCH(uint8_t, all);
        TfrmMain main(NewWelcome);
        Choose(main, area, ModeSmallPractice, MakeSet({2}), 0);
        TfrmSettings screen(main);
        QTest::mouseClick(screen.btnSelectAll(), Qt::LeftButton);
        QCOMPARE(main.DifficultySet, all);
        QCOMPARE(main.OperationSet, all);
        QCOMPARE(PushedItems(screen, true), all);
        QCOMPARE(screen.btnSelectAll()->Caption(), QString::fromUtf8("Zrušit vše"));
        QTest::mouseClick(screen.btnSelectAll(), Qt::LeftButton);
        QCOMPARE(main.DifficultySet, uint8_t(0));
        QCOMPARE(main.OperationSet, uint8_t(0));
        QCOMPARE(PushedItems(screen, false), uint8_t(0));
        QCOMPARE(screen.btnSelectAll()->Caption(), QString::fromUtf8("Označit vše"));
    }

    void clickedButtonsEditTheSelection() {
        TfrmMain main(NewWelcome);
        Choose(main, 1, ModeSmallPractice, 0, 0);
        TfrmSettings screen(main);
        QTest::mouseClick(screen.ModeRadio(3), Qt::LeftButton);
        QCOMPARE(int(main.Mode), ModeExpert);
        QVERIFY(!screen.ModeRadio(1)->Pushed());
        // A pushed radio stays pushed.
        QTest::mouseClick(screen.ModeRadio(3), Qt::LeftButton);
        QVERIFY(screen.ModeRadio(3)->Pushed());
        QCOMPARE(int(main.Mode), ModeExpert);

        QTest::mouseClick(screen.nvrdbDiff(2), Qt::LeftButton);
        QTest::mouseClick(screen.nvchk(4), Qt::LeftButton);
        QTest::mouseClick(screen.nvchk(1), Qt::LeftButton);
        QTest::mouseClick(screen.nvchk(4), Qt::LeftButton);
        QCOMPARE(main.DifficultySet, MakeSet({2}));
        QCOMPARE(main.OperationSet, MakeSet({1}));
    }

    void constructionShowsTheCurrentChoices() {
        TfrmMain main(NewWelcome);
        const uint8_t difficulties = MakeSet({1, 5, 6});
        const uint8_t operations = MakeSet({2, 6});
        Choose(main, 5, ModeExpert, difficulties, operations);
        TfrmSettings screen(main);
        QCOMPARE(main.DifficultySet, difficulties);
        QCOMPARE(main.OperationSet, operations);
        QCOMPARE(int(main.Mode), ModeExpert);
        QCOMPARE(PushedItems(screen, true), difficulties);
        QCOMPARE(PushedItems(screen, false), operations);
        for (int mode = 1; mode <= 4; ++mode) QCOMPARE(screen.ModeRadio(mode)->Pushed(), mode == ModeExpert);
        QVERIFY(!screen.nvrdbDiff(5)->isHidden());
        QCOMPARE(screen.pnlMain()->height(), 321);
    }

    void itemsFiveAndSixExistOnlyInAreaFive() {
        TfrmMain main(NewWelcome);
        Choose(main, 2, ModeLargePractice, MakeSet({1, 5, 6}), MakeSet({6}));
        TfrmSettings screen(main);
        QCOMPARE(main.DifficultySet, MakeSet({1}));
        QCOMPARE(main.OperationSet, uint8_t(0));
        QVERIFY(screen.nvrdbDiff(5)->isHidden());
        QVERIFY(screen.nvchk(5)->isHidden());
        QCOMPARE(screen.pnlMain()->height(), 217);
        // The sixth row lies below the shortened panel.
        QVERIFY(screen.nvrdbDiff(6)->geometry().top() >= screen.pnlMain()->height());
    }

    void anotherAreaStartsFromNothing() {
        TfrmMain main(NewWelcome);
        Choose(main, 2, ModeExpert, MakeSet({1}), MakeSet({2}));
        auto* welcome = new TfrmWelcome(main);
        main.ShowFrame(welcome);
        QCoreApplication::processEvents();
        QTest::mouseClick(welcome->AreaButton(4), Qt::LeftButton);
        QCoreApplication::processEvents();
        auto* screen = qobject_cast<TfrmSettings*>(main.CurrentFrame());
        QVERIFY(screen != nullptr);
        QCOMPARE(main.Area, 4);
        QVERIFY(screen->ModeRadio(1)->Pushed());
        QCOMPARE(PushedItems(*screen, true), uint8_t(0));
        QCOMPARE(PushedItems(*screen, false), uint8_t(0));

        // Back keeps the choices; the same area again shows them pushed.
        QTest::mouseClick(screen->nvchk(3), Qt::LeftButton);
        QTest::mouseClick(screen->nvbtnBack(), Qt::LeftButton);
        QCoreApplication::processEvents();
        welcome = qobject_cast<TfrmWelcome*>(main.CurrentFrame());
        QVERIFY(welcome != nullptr);
        QCOMPARE(main.OperationSet, MakeSet({3}));
        QTest::mouseClick(welcome->AreaButton(4), Qt::LeftButton);
        QCoreApplication::processEvents();
        screen = qobject_cast<TfrmSettings*>(main.CurrentFrame());
        QVERIFY(screen != nullptr);
        QVERIFY(screen->nvchk(3)->Pushed());
    }

    void captionsFollowTheLanguage_data() {
        QTest::addColumn<int>("area");
        QTest::addColumn<QString>("limitV");
        QTest::newRow("area 1") << 1 << QStringLiteral("Precvičovanie 2");
        QTest::newRow("area 5") << 5 << QString::fromUtf8("Bez limitu\r10 príkladov");
        QTest::newRow("area 6") << 6 << QString::fromUtf8("Bez limitu\r20 príkladov");
    }

    void captionsFollowTheLanguage() {
        QFETCH(int, area);
        QFETCH(QString, limitV);
        TfrmMain main(NewWelcome);
        Choose(main, area, ModeSmallPractice, 0, 0);
        Language = LanguageSlovak;
        TfrmSettings screen(main);
        QVERIFY(numerava::testing::Fire(screen.Timer1));
        QCOMPARE(screen.ModeRadio(1)->Caption(), QStringLiteral("Precvičovanie 1"));
        QCOMPARE(screen.ModeRadio(2)->Caption(), limitV);
        QCOMPARE(screen.ModeRadio(3)->Caption(), QStringLiteral("Expert"));
        QCOMPARE(screen.ModeRadio(4)->Caption(), QString::fromUtf8("Celý program\rSÚŤAŽ"));
        QCOMPARE(screen.nvbtnBack()->Caption(), QString::fromUtf8("Späť"));
        QCOMPARE(screen.nvbtnOK()->Caption(), QString::fromUtf8("Pokračovať"));
        QCOMPARE(screen.btnSelectAll()->Caption(), QString::fromUtf8("Označiť všetko"));
        QCOMPARE(screen.NumeravaLabel1()->Caption(), QString::fromUtf8("Výber učiva"));
        QCOMPARE(screen.nvrdbDiff(1)->Caption(), QString::fromStdString(DifficultyName(area, 1)));
        QCOMPARE(screen.nvchk(2)->Caption(), QString::fromStdString(OperationName(area, 2)));
    }

    // Without the word-problem file an area-5 drill would ask empty questions: the pupil is told
    // and stays on the topic screen; with the file the drill starts.
    void wordProblemsNeedTheirFile() {
        TfrmMain main(NewWelcome);
        Choose(main, 5, ModeSmallPractice, MakeSet({1}), 0);
        for (const bool loaded : {false, true}) {
            if (loaded)
                QCOMPARE(LoadWordProblemFile("Graphics\\numerava_cz.dat"), WordProblemFileError::None);
            else ClearWordProblemData();
            auto* screen = new TfrmSettings(main);
            main.ShowFrame(screen);
            QCoreApplication::processEvents();
            numerava::testing::TModalAnswers boxes;
            QTest::mouseClick(screen->nvbtnOK(), Qt::LeftButton);
            QCoreApplication::processEvents();
            QCOMPARE(boxes.Count(), loaded ? 0 : 1);
            if (!loaded) QVERIFY(boxes.LastText().contains(QStringLiteral("Graphics/numerava_cz.dat")));
            QCOMPARE(main.CurrentFrame() == screen, !loaded);
            QCOMPARE(qobject_cast<TfrmEngine*>(main.CurrentFrame()) != nullptr, loaded);
            QCOMPARE(main.DifficultySet, MakeSet({1}));
        }
    }
};

QTEST_MAIN(SettingsQtTest)
#include "SettingsQtTest.moc"
