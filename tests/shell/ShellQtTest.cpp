// The main window: the posted screen switch, centring, key routing, the quit and abort questions.

#include "controls/NumeravaButton.h"
#include "controls/NumeravaLabel.h"
#include "core/Language.h"
#include "shell/FormsCloseQuery.h"
#include "shell/FormsMain.h"
#include "support/ModalAnswer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace numerava;

namespace {

class TTestFrame : public TFrame {
public:
    TTestFrame(TfrmMain& main, QSize size, bool abortOnEscape = false) : TFrame(main), abort_(abortOnEscape) {
        setFixedSize(size);
    }
    bool AbortOnEscape() const override { return abort_; }
    void EnterPressed() override { ++enterCount; }
    int enterCount = 0;

private:
    bool abort_;
};

TFrame* NewWelcome(TfrmMain& main) { return new TTestFrame(main, {648, 470}); }

// A first screen whose start-up tick the test gives by hand.
class TLateFrame : public TTestFrame {
public:
    explicit TLateFrame(TfrmMain& main) : TTestFrame(main, {648, 470}) {}
    void SettleNow() override { ++settleRequests; }
    int settleRequests = 0;
};

using numerava::testing::AnswerNextQuestion;

} // namespace

class ShellQtTest : public QObject {
    Q_OBJECT
private slots:
    void showFrameSwitchesAfterTheAskingHandlerReturns() {
        TfrmMain main(NewWelcome);
        main.resize(1000, 800);
        auto* first = new TTestFrame(main, {600, 400});
        main.ShowFrame(first);
        QCOMPARE(main.CurrentFrame(), nullptr); // posted, not immediate
        QCoreApplication::processEvents();
        QCOMPARE(main.CurrentFrame(), first);

        // A screen asking for its successor from its own handler is still alive when that returns.
        QPointer<TFrame> old(first);
        auto* second = new TTestFrame(main, {640, 480});
        main.ShowFrame(second);
        QVERIFY(!old.isNull());
        QCoreApplication::processEvents();
        QVERIFY(old.isNull());
        QCOMPARE(main.CurrentFrame(), second);
        QCOMPARE(second->parentWidget(), main.pnlFrames());
    }

    void showingTheCurrentFrameAgainChangesNothing() {
        TfrmMain main(NewWelcome);
        main.resize(1000, 800);
        auto* frame = new TTestFrame(main, {600, 400});
        main.ShowFrame(frame);
        QCoreApplication::processEvents();
        main.pnlFrames()->move(1, 2);
        main.ShowFrame(frame);
        QCoreApplication::processEvents();
        QCOMPARE(main.CurrentFrame(), frame);
        QCOMPARE(main.pnlFrames()->pos(), QPoint(1, 2));
    }

    void centresThePanelTruncatingTowardZero_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QPoint>("panel");
        QTest::newRow("fits") << QSize(1000, 800) << QSize(648, 470) << QPoint(176, 165);
        QTest::newRow("odd space") << QSize(1001, 801) << QSize(648, 470) << QPoint(176, 165);
        QTest::newRow("3 px too wide") << QSize(645, 500) << QSize(648, 470) << QPoint(-1, 15);
        QTest::newRow("much too large") << QSize(600, 400) << QSize(648, 470) << QPoint(-24, -35);
    }
    void centresThePanelTruncatingTowardZero() {
        QFETCH(QSize, window);
        QFETCH(QSize, frame);
        QFETCH(QPoint, panel);
        TfrmMain main(NewWelcome);
        main.resize(window);
        main.ShowFrame(new TTestFrame(main, frame));
        QCoreApplication::processEvents();
        QCOMPARE(main.pnlFrames()->pos(), panel);
        QCOMPARE(main.pnlFrames()->size(), frame);
    }

    void selectAreaKeepsOrClearsTheSelection() {
        TfrmMain main(NewWelcome);
        QCOMPARE(main.Area, 1);
        QCOMPARE(main.Mode, 1);
        main.SetDifficultySet(6);
        main.SetOperationSet(30);
        main.SetMode(3);
        main.SelectArea(1);
        QCOMPARE(main.DifficultySet, 6);
        QCOMPARE(main.OperationSet, 30);
        QCOMPARE(main.Mode, 3);
        main.SelectArea(4);
        QCOMPARE(main.Area, 4);
        QCOMPARE(main.DifficultySet, 0);
        QCOMPARE(main.OperationSet, 0);
        QCOMPARE(main.Mode, 1);
    }

    void putResultAppendsOrReplaces() {
        TfrmMain main(NewWelcome);
        main.PutResult(-1, {"100", "10", "NU 1: Vše", "E X P E R T", "1"});
        main.PutResult(-1, {"50", "5", "NU 2: Vše", "Bez limitu", "3"});
        main.PutResult(0, {"90", "10", "NU 1: Vše", "E X P E R T", "2"});
        QCOMPARE(main.ResultCount(), 2);
        QCOMPARE(main.GetResult(0).Points, std::string("90"));
        QCOMPARE(main.GetResult(1).Mark, std::string("3"));
    }

    void enterReachesTheFrameAndTheFocusedControl() {
        TfrmMain main(NewWelcome);
        auto* frame = new TTestFrame(main, {300, 200});
        main.ShowFrame(frame);
        QCoreApplication::processEvents();
        auto* field = new QWidget(frame);
        field->setFocusPolicy(Qt::StrongFocus);
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(frame->enterCount, 2);
        QTest::keyClick(field, Qt::Key_A);
        QCOMPARE(frame->enterCount, 2);
    }

    void escapeAsksOnlyWhereARunCanBeAbandoned() {
        TfrmMain main(NewWelcome);
        auto* calm = new TTestFrame(main, {300, 200}, false);
        main.ShowFrame(calm);
        QCoreApplication::processEvents();
        QTest::keyClick(calm, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCOMPARE(main.CurrentFrame(), calm);
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        auto* drill = new TTestFrame(main, {300, 200}, true);
        main.ShowFrame(drill);
        QCoreApplication::processEvents();
        AnswerNextQuestion(Qt::Key_Escape); // No: the run goes on
        QTest::keyClick(drill, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(main.CurrentFrame(), drill);

        AnswerNextQuestion(Qt::Key_Return); // Yes: back to a new welcome screen
        QTest::keyClick(drill, Qt::Key_Escape);
        QCoreApplication::processEvents(); // the question
        QCoreApplication::processEvents(); // the switch it posted
        QVERIFY(main.CurrentFrame() != drill);
        QCOMPARE(main.CurrentFrame()->size(), QSize(648, 470));
    }

    void windowShowsItselfOnceTheFirstScreenHasSettled() {
        TLateFrame* first = nullptr;
        TfrmMain main([&first](TfrmMain& owner) -> TFrame* {
            first = new TLateFrame(owner);
            return first;
        });
        main.Start();
        QCOMPARE(main.CurrentFrame(), first);
        QCOMPARE(first->settleRequests, 1);
        // In place, but before its start-up tick: the window would show captions about to change.
        QVERIFY(!main.isVisible());
        emit first->Settled();
        QVERIFY(main.isVisible());
        QCOMPARE(main.geometry(), QGuiApplication::primaryScreen()->geometry());
    }

    void aFirstScreenWithoutATickShowsAtOnce() {
        TfrmMain main(NewWelcome);
        main.Start();
        QVERIFY(main.isVisible());
        QCOMPARE(main.CurrentFrame()->size(), QSize(648, 470));
    }

    void closeAsksTheQuitQuestion() {
        TfrmMain main(NewWelcome);
        main.show();
        AnswerNextQuestion(Qt::Key_Escape);
        QVERIFY(!main.close());
        QVERIFY(main.isVisible());
        AnswerNextQuestion(Qt::Key_Return);
        QVERIFY(main.close());
    }

    void queryTextsFollowTheLanguage() {
        Language = LanguageSlovak;
        {
            TfrmCloseQuery query(nullptr);
            QCOMPARE(query.nvlblQuery()->Caption(), QString::fromUtf8("Naozaj chceš skončiť Numerava?"));
            QCOMPARE(query.nvbtnYes()->Caption(), QString::fromUtf8("Áno"));
            QCOMPARE(query.nvbtnNo()->Caption(), QStringLiteral("Nie"));
        }
        Language = LanguageCzech;
        TfrmCloseQuery query(nullptr);
        QCOMPARE(query.nvlblQuery()->Caption(), QString::fromUtf8("Opravdu chceš ukončit Numerava?"));
        QCOMPARE(query.size(), QSize(382, 116));
        QCOMPARE(query.nvbtnYes()->geometry(), QRect(153, 63, 97, 29));
    }
};

QTEST_MAIN(ShellQtTest)
#include "ShellQtTest.moc"
