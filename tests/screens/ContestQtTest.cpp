// The contest screens: the introduction, the purchase screen between parts and the final screen,
// driven by clicks, keys and timer ticks against a replaced clock.

#include "catalogue/UnitsTexts.h"
#include "contest/ContestFinal.h"
#include "contest/ContestRules.h"
#include "controls/NumeravaButton.h"
#include "controls/NumeravaEdit.h"
#include "controls/NumeravaLabel.h"
#include "controls/ScreenBuild.h"
#include "core/FixedNumber.h"
#include "core/Language.h"
#include "platform/Desktop.h"
#include "platform/Fonts.h"
#include "platform/TimeText.h"
#include "screens/FramesBikeInfo.h"
#include "screens/FramesBikeResult.h"
#include "screens/FramesEndBike.h"
#include "screens/FramesEngine.h"
#include "shell/FormsCloseQuery.h"
#include "shell/FormsMain.h"
#include "shell/Shape.h"
#include "support/ModalAnswer.h"
#include "support/WelcomeStub.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace numerava;

namespace {

using numerava::testing::NewWelcomeStub;
using numerava::testing::TModalAnswers;

uint32_t Now = 0;

void SelectContest(TfrmMain& main, int area, uint8_t difficulties, uint8_t operations) {
    main.SetMode(ModeContest);
    main.Area = area;
    main.SetDifficultySet(difficulties);
    main.SetOperationSet(operations);
    main.ColorDepth = 32;
}

template <typename Frame>
Frame* Current(TfrmMain& main) {
    QCoreApplication::processEvents();
    return qobject_cast<Frame*>(main.CurrentFrame());
}

void AnswerInstantly(TfrmEngine& engine) {
    QTest::keyClicks(engine.AnswerEdit(), QString::fromStdString(FormatNumber(engine.Model().Expected())));
    QTest::keyClick(engine.AnswerEdit(), Qt::Key_Return);
    for (int i = 0; i < 5 && engine.Model().ShowingResult(); ++i) engine.tmrEngineTimer();
}

QString U(const char* text) { return QString::fromUtf8(text); }

} // namespace

class ContestQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(numerava);
        RegisterFonts();
        SetTickSource([] { return Now; });
    }
    void init() { Now = 100000; }
    void cleanupTestCase() { SetTickSource({}); }

    void purchaseScreenTexts_data() {
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("progress");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("picture");
        QTest::newRow("first") << 1 << U("Výborně, máš prvních 101 bodů!") << "HOTOVO 1/16"
                               << U("PŘEDNÍ RÁFEK") << U("101 bodů") << U("15 dílů") << "Graphics/kolo01.jpg";
        QTest::newRow("sixth shows the fifth picture")
            << 6 << U("Výborně, máš dalších 201 bodů!") << "HOTOVO 6/16"
            << "SEDMIKOLEČKO" << U("201 bodů") << U("10 dílů") << "Graphics/kolo05.jpg";
        QTest::newRow("thirteenth") << 13 << U("Výborně, máš dalších 201 bodů!") << "HOTOVO 13/16"
                                    << U("ŠLAPADLA") << U("201 bodů") << U("3 díly") << "Graphics/kolo13.jpg";
        QTest::newRow("fifteenth") << 15 << U("Výborně, máš dalších 201 bodů!") << "HOTOVO 15/16"
                                   << "ZVONEK" << U("101 bodů") << U("1 díl") << "Graphics/kolo15.jpg";
    }
    void purchaseScreenTexts() {
        QFETCH(int, part);
        TfrmMain main(NewWelcomeStub);
        Language = LanguageCzech;
        SelectContest(main, 1, SetAllFour, SetAllFour);
        main.ContestCounter = part;
        TfrmBikeResult screen(main);
        screen.Timer1Timer();
        QTEST(screen.lblCaption()->Caption(), "caption");
        QTEST(screen.Label1()->text(), "progress");
        QCOMPARE(screen.Shape2()->width(), part * 12);
        QCOMPARE(screen.lblRBought()->text(), QString::fromStdString(PartName(part)));
        QTEST(screen.lblRBuy()->text(), "next");
        QTEST(screen.lblRMoney()->text(), "price");
        QTEST(screen.lblRCount()->text(), "left");
        QTEST(QString::fromStdString(BikePicture(part)), "picture");
        QCOMPARE(screen.nvbtnOK()->Caption(), U("Pokračovat\r\n\"ENTER\""));
        QCOMPARE(main.PauseStartTick, int32_t(100000));
    }

    void slovakPurchaseScreenAfterPartOne() {
        TfrmMain main(NewWelcomeStub); // chooses the language of the system
        Language = LanguageSlovak;
        main.ContestCounter = 1;
        TfrmBikeResult screen(main);
        screen.Timer1Timer();
        QCOMPARE(screen.lblCaption()->Caption(), U("Výborne, máš prvých 101 bodov!"));
        QCOMPARE(screen.lblRBuy()->text(), U("PREDNÝ RÁFIK"));
        QCOMPARE(screen.lblRCount()->text(), U("15 dielov"));
        QCOMPARE(screen.lblBuy()->text(), U("Ďalší diel je"));
    }

    void categoryWarningComesOncePerContest() {
        TfrmMain main(NewWelcomeStub);
        Language = LanguageCzech;
        SelectContest(main, 1, MakeSet({1, 2}), MakeSet({1}));
        main.show();
        auto* info = new TfrmBikeInfo(main, NewWelcomeStub);
        main.ShowFrame(info);
        QCoreApplication::processEvents();
        info->Timer1Timer();
        TfrmEngine* first = nullptr;
        {
            // The warning comes over the drill, not over the introduction, centred on the window.
            TModalAnswers boxes;
            QTest::mouseClick(info->NumeravaButton2(), Qt::LeftButton);
            QCOMPARE(boxes.Count(), 0);
            first = Current<TfrmEngine>(main);
            QVERIFY(first);
            QCoreApplication::processEvents();
            QCOMPARE(boxes.Count(), 1);
            QCOMPARE(boxes.LastText(),
                     U("Po dokončení tohoto testu\r\nzápis do soutěže nebude možný!\r\nPříště si vyber "
                       "jednu ze 30 kategorií!"));
            QVERIFY((boxes.LastGeometry().center() - main.frameGeometry().center()).manhattanLength() <= 2);
            QCOMPARE(boxes.LastFont().family(), FontFamily("Tahoma"));
            // The countdown, stopped while the warning was open, runs again.
            QVERIFY(first->tmrEngine.isActive());
        }
        QCOMPARE(main.ContestCounter, 1);
        {
            // The next part's drill keeps quiet.
            TModalAnswers boxes;
            main.ShowFrame(new TfrmEngine(main));
            QVERIFY(Current<TfrmEngine>(main) != first);
            QCOMPARE(boxes.Count(), 0);
        }
        {
            // A new contest warns again.
            TModalAnswers boxes;
            StartContest(main);
            QVERIFY(Current<TfrmEngine>(main));
            QCoreApplication::processEvents();
            QCOMPARE(boxes.Count(), 1);
        }
    }

    void enterAndButtonContinueAlike_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("Enter") << true;
        QTest::newRow("button") << false;
    }
    void enterAndButtonContinueAlike() {
        QFETCH(bool, byEnter);
        TfrmMain main(NewWelcomeStub);
        Language = LanguageCzech;
        SelectContest(main, 1, SetAllFour, SetAllFour);
        main.show();
        main.ContestCounter = 3;
        main.ContestStartTick = 40000;
        Now = 100000; // 60 s of contest time so far
        auto* screen = new TfrmBikeResult(main);
        main.ShowFrame(screen);
        QCoreApplication::processEvents();
        screen->Timer1Timer();
        Now = 145000;                 // 45 s on the purchase screen
        for (int i = 0; i < 2; ++i) { // a second press before the switch changes nothing
            if (byEnter) QTest::keyClick(screen->nvbtnOK(), Qt::Key_Return);
            else QTest::mouseClick(screen->nvbtnOK(), Qt::LeftButton);
        }
        QCOMPARE(main.ContestCounter, 4);
        QCOMPARE(Now - static_cast<uint32_t>(main.ContestStartTick), uint32_t(60000));
        QVERIFY(Current<TfrmEngine>(main));
    }

    void finalScreenShowsAndPassesOnTheWorkedOutResult() {
        TfrmMain main(NewWelcomeStub);
        Language = LanguageCzech;
        SelectContest(main, 2, SetAllFour, SetAllFour);
        main.ContestPoints = 2816;
        main.ContestMistakes = 3;
        main.ContestStartTick = static_cast<int32_t>(Now - 25 * 60000);
        ContestCategory = 0;
        TfrmEndBike screen(main);
        screen.FormTimer();

        // The contest rules work the values out from the main window's fields and the clock.
        const TContestFinal expected =
            ContestFinal({main.Selection(), 2816, ContestElapsed(Now, main.ContestStartTick), 3});
        const TContestFinal& final = screen.Final();
        QCOMPARE(final.Score, expected.Score);
        QCOMPARE(final.ResultAddress, expected.ResultAddress);

        // The screen shows them ...
        QCOMPARE(screen.lblMoney()->text(), QString::number(final.Points));
        QCOMPARE(screen.lblRealTime()->text(), QString::fromStdString(final.Time));
        QCOMPARE(screen.lblPreTime()->text(), QString::fromStdString(final.TargetTime));
        QCOMPARE(screen.lblTimeBonus()->text(), QString::number(final.TimeBonus));
        QCOMPARE(screen.lblErrors()->text(), QString::fromStdString(final.MistakesText));
        QCOMPARE(screen.lblPts()->text(), QString::number(final.Score));
        QCOMPARE(screen.lblMark()->Caption(), QString::fromStdString(final.MarkCaption));
        QCOMPARE(screen.lblDesc()->text(), QString::fromStdString(final.Description));
        QCOMPARE(screen.nvlblLearning()->text(), QString::fromStdString(final.Topic));
        QVERIFY(screen.EntryOffered());
        QVERIFY(screen.Image16()->isVisibleTo(&screen));
        QVERIFY(screen.Timer1.isActive());
        QCOMPARE(screen.ResultAddress(), QString::fromStdString(final.ResultAddress));

        // ... and passes them on: the score, the result row, the level the address reports.
        QCOMPARE(main.ContestScore, final.Score);
        QCOMPARE(main.ResultCount(), 1);
        const TNVLearnResults& row = main.GetResult(0);
        QCOMPARE(row.Topic, final.Row.Topic);
        QCOMPARE(row.Tasks, final.Row.Tasks);
        QCOMPARE(row.Points, final.Row.Points);
        QCOMPARE(row.Mark, final.Row.Mark);
        QCOMPARE(int(ContestCategory), int(final.AddressCategory));

        // The record entry opens the composed address, once per contest.
        QStringList opened;
        SetWebOpener([&opened](const QString& address) {
            opened << address;
            return true;
        });
        QTest::mouseClick(screen.Image16(), Qt::LeftButton);
        QTest::mouseClick(screen.Image3(), Qt::LeftButton);
        SetWebOpener({});
        QCOMPARE(opened, QStringList{screen.ResultAddress()});
        QVERIFY(!screen.EntryOffered());
        QVERIFY(!screen.Image16()->isVisibleTo(&screen));
    }

    void timeFormatLosesOnlyItsZone_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zone last") << "H:mm:ss t"
                                   << "H:mm:ss";
        QTest::newRow("zone after AM/PM") << "h:mm:ss AP t"
                                          << "h:mm:ss AP";
        QTest::newRow("zone first") << "t HH:mm:ss"
                                    << "HH:mm:ss";
        QTest::newRow("long zone name") << "HH:mm:ss tttt"
                                        << "HH:mm:ss";
        QTest::newRow("quoted t stays") << "H 'to' mm t"
                                        << "H 'to' mm";
        QTest::newRow("no zone") << "HH:mm:ss"
                                 << "HH:mm:ss";
    }

    void timeFormatLosesOnlyItsZone() {
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(TimeFormatWithoutZone(format), expected);
    }

    // The final screen's time of day, in the long format of any system language, names no zone.
    void finalScreenTimeHasNoZone() {
        const QTime time(18, 14, 11);
        const QString zone = QDateTime(QDate(2026, 12, 8), time).timeZoneAbbreviation();
        QVERIFY(!zone.isEmpty());
        for (const char* name : {"cs_CZ", "sk_SK", "en_US", "de_DE", "hu_HU", "zh_CN"}) {
            const QLocale locale(QString::fromLatin1(name));
            QVERIFY2(locale.toString(time, QLocale::LongFormat).contains(zone), name);
            const QString shown = LongTimeText(locale, time);
            QVERIFY2(!shown.contains(zone) && shown.contains(QStringLiteral("14")), qPrintable(shown));
        }
        TfrmMain main(NewWelcomeStub);
        SelectContest(main, 2, SetAllFour, SetAllFour);
        main.ContestPoints = 3000;
        main.ContestStartTick = static_cast<int32_t>(Now - 15 * 60000);
        TfrmEndBike screen(main);
        QVERIFY2(!screen.lblTime()->text().contains(zone), qPrintable(screen.lblTime()->text()));
    }

    void recordEntryReportsABrowserFailure() {
        TfrmMain main(NewWelcomeStub);
        Language = LanguageSlovak;
        SelectContest(main, 2, SetAllFour, SetAllFour);
        main.ContestPoints = 2816;
        main.ContestStartTick = static_cast<int32_t>(Now);
        Now += 20 * 60000;
        TfrmEndBike screen(main);
        screen.FormTimer();
        QVERIFY(screen.EntryOffered());
        QVERIFY(screen.ResultAddress().contains(QStringLiteral("jazyk=sk")));
        SetWebOpener([](const QString&) { return false; });
        TModalAnswers boxes;
        QTest::mouseClick(screen.Image16(), Qt::LeftButton);
        SetWebOpener({});
        QCOMPARE(boxes.Count(), 1);
        QCOMPARE(boxes.LastText(), U("Internet dočasne mimo prevázdku!!"));
        QVERIFY(!screen.EntryOffered());
        Language = LanguageCzech;
    }

    void finalScreenBlinks() {
        TfrmMain main(NewWelcomeStub);
        Language = LanguageCzech;
        SelectContest(main, 2, SetAllFour, SetAllFour);
        main.ContestPoints = 2816;
        main.ContestStartTick = static_cast<int32_t>(Now);
        Now += 25 * 60000;
        TfrmEndBike screen(main);
        screen.FormTimer();

        // The entry blinks: visible 700 ms, hidden 100 ms.
        screen.Timer1Timer();
        QVERIFY(!screen.Image16()->isVisibleTo(&screen));
        QCOMPARE(screen.Timer1.interval(), 100);
        screen.Timer1Timer();
        QVERIFY(screen.Image16()->isVisibleTo(&screen));
        QCOMPARE(screen.Timer1.interval(), 700);

        // The teacher blinker: yellow, red, green, ...
        const QColor expected[] = {Qt::red, Qt::green, Qt::yellow, Qt::red};
        for (const QColor& color : expected) {
            screen.tmrBlinkTimer();
            QCOMPARE(screen.lblBlinker()->FontColor(), color);
        }
    }

    void finalScreenWithoutEntry_data() {
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("mistakes");
        QTest::addColumn<QString>("errors");
        QTest::newRow("no category") << 1 << 3000 << 0 << U("bez chyby");
        QTest::newRow("score not above 0") << 2 << 200 << 5 << U("5 chyb × 50b.");
    }
    void finalScreenWithoutEntry() {
        QFETCH(int, area);
        TfrmMain main(NewWelcomeStub);
        Language = LanguageCzech;
        SelectContest(main, area, SetAllFour, SetAllFour);
        QFETCH(int, points);
        QFETCH(int, mistakes);
        main.ContestPoints = points;
        main.ContestMistakes = mistakes;
        main.ContestStartTick = static_cast<int32_t>(Now - 30 * 60000); // bonus -600
        main.show();
        TModalAnswers boxes;
        auto* screen = new TfrmEndBike(main);
        main.ShowFrame(screen);
        // The switch, then the message over the shown screen.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(boxes.Count(), 1);
        QCOMPARE(boxes.LastText(), QString::fromStdString(ContestNoEntryMessage(LanguageCzech)));
        QTEST(screen->lblErrors()->text(), "errors");
        QVERIFY(!screen->EntryOffered());
        QVERIFY(!screen->Image16()->isVisibleTo(screen));
        QVERIFY(!screen->Label10()->isVisibleTo(screen));
        QVERIFY(!screen->Timer1.isActive());
    }

    void teacherQuestion_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("staysOnFinalScreen");
        QTest::newRow("Yes keeps the screen") << int(Qt::Key_Return) << true;
        QTest::newRow("No leaves it") << int(Qt::Key_Escape) << false;
    }
    void teacherQuestion() {
        TfrmMain main(NewWelcomeStub);
        Language = LanguageCzech;
        SelectContest(main, 2, SetAllFour, SetAllFour);
        main.ContestPoints = 3000;
        main.ContestStartTick = static_cast<int32_t>(Now - 600000);
        main.show();
        auto* screen = new TfrmEndBike(main);
        main.ShowFrame(screen);
        QCoreApplication::processEvents();
        screen->FormTimer();

        QRect yes, no;
        QString noCaption;
        QTimer::singleShot(0, [&] {
            auto* query = qobject_cast<TfrmCloseQuery*>(QApplication::activeModalWidget());
            QVERIFY(query);
            yes = query->nvbtnYes()->geometry();
            no = query->nvbtnNo()->geometry();
            noCaption = query->nvbtnNo()->Caption();
        });
        QFETCH(int, key);
        numerava::testing::AnswerNextQuestion(static_cast<Qt::Key>(key));
        QTest::mouseClick(screen->nvbtnOK(), Qt::LeftButton);
        QCoreApplication::processEvents();

        QCOMPARE(noCaption, U("Už mě pochválil"));
        // Yes moved left by its width, No twice as wide and moved left by Yes's width.
        QCOMPARE(yes, QRect(56, 63, 97, 29));
        QCOMPARE(no, QRect(164, 63, 194, 29));
        QTEST(main.CurrentFrame() == screen, "staysOnFinalScreen");
    }

    void wholeContestReachesTheFinalScreen_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("warning");
        QTest::newRow("Czech") << int(LanguageCzech) << U("každá chyba = -50 bodů!");
        QTest::newRow("Slovak") << int(LanguageSlovak) << U("každá chyba = -50 bodov!");
    }
    void wholeContestReachesTheFinalScreen() {
        QFETCH(int, language);
        QFETCH(QString, warning);
        TfrmMain main(NewWelcomeStub);
        Language = static_cast<uint16_t>(language);
        SelectContest(main, 2, SetAllFour, SetAllFour);
        main.show();
        auto* info = new TfrmBikeInfo(main, NewWelcomeStub);
        main.ShowFrame(info);
        QCoreApplication::processEvents();
        info->Timer1Timer();
        QCOMPARE(info->NumeravaLabel4()->Caption(), warning);
        QTest::mouseClick(info->NumeravaButton2(), Qt::LeftButton);

        int purchases = 0;
        int expectedPoints = 0;
        for (int part = 1; part <= 16; ++part) {
            auto* engine = Current<TfrmEngine>(main);
            QVERIFY2(engine, qPrintable(QStringLiteral("part %1").arg(part)));
            QCOMPARE(main.ContestCounter, part);
            int answers = 0;
            while (main.CurrentFrame() == engine && answers < 20) {
                Now += 2000;
                AnswerInstantly(*engine);
                ++answers;
                QCoreApplication::processEvents();
            }
            expectedPoints += answers * 50; // an instant answer pays the 50 note
            QCOMPARE(main.ContestPoints, expectedPoints);
            if (part < 16) {
                auto* purchase = Current<TfrmBikeResult>(main);
                QVERIFY(purchase);
                ++purchases;
                Now += 30000; // not counted
                QTest::keyClick(purchase, Qt::Key_Return);
            }
        }
        QCOMPARE(purchases, 15);
        auto* final = Current<TfrmEndBike>(main);
        QVERIFY(final);
        QCOMPARE(final->lblMoney()->text(), QString::number(expectedPoints));
        QCOMPARE(main.ResultCount(), 1);
        QCOMPARE(main.GetResult(0).Points, std::to_string(main.ContestScore));
        QVERIFY(final->EntryOffered());
        QVERIFY(final->ResultAddress().contains(language == LanguageSlovak ? "jazyk=sk" : "jazyk=cz"));
        Language = LanguageCzech;
    }
};

QTEST_MAIN(ContestQtTest)
#include "ContestQtTest.moc"
