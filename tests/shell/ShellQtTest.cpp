// The main window: the posted screen switch, centring, key routing, the quit and abort questions.

#include "controls/NumeravaButton.h"
#include "controls/NumeravaLabel.h"
#include "core/Language.h"
#include "platform/Fonts.h"
#include "shell/FormsCloseQuery.h"
#include "shell/FormsMain.h"
#include "shell/MessageBox.h"
#include "support/ModalAnswer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

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

// Runs `action` once each question dialog is shown and arranged; leaves answering to the action.
class TQuestionHook : public QObject {
public:
    explicit TQuestionHook(std::function<void()> action) : action_(std::move(action)) {
        qApp->installEventFilter(this);
    }
    ~TQuestionHook() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<TfrmCloseQuery*>(watched))
            QMetaObject::invokeMethod(this, action_, Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void()> action_;
};

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

    void quickEscapesAskOneQuestionAtMost_data() {
        QTest::addColumn<int>("escapes");
        QTest::addColumn<int>("questions");
        // Before the question opens, each further Escape answers it No or asks it again.
        QTest::newRow("one: asked") << 1 << 1;
        QTest::newRow("two: answered No before it opens") << 2 << 0;
        QTest::newRow("three: asked again") << 3 << 1;
        QTest::newRow("four") << 4 << 0;
    }

    void quickEscapesAskOneQuestionAtMost() {
        QFETCH(int, escapes);
        QFETCH(int, questions);
        TfrmMain main(NewWelcome);
        auto* drill = new TTestFrame(main, {300, 200}, true);
        main.ShowFrame(drill);
        QCoreApplication::processEvents();
        numerava::testing::TModalAnswers answers(Qt::Key_Escape);
        for (int i = 0; i < escapes; ++i) QTest::keyClick(drill, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(answers.Count(), questions);
        QCOMPARE(main.CurrentFrame(), drill);
    }

    void escapeWhileTheQuestionIsOpenAnswersIt() {
        TfrmMain main(NewWelcome);
        auto* drill = new TTestFrame(main, {300, 200}, true);
        main.ShowFrame(drill);
        QCoreApplication::processEvents();
        // The question opens; a further Escape reaches the main window (the question did not get
        // the keyboard) and must answer it No instead of queueing a second question.
        int shown = 0;
        TQuestionHook hook([&] {
            ++shown;
            QTest::keyClick(drill, Qt::Key_Escape);
        });
        QTest::keyClick(drill, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(shown, 1);
        QCOMPARE(main.CurrentFrame(), drill);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void messageBoxesAreCentredOnTheWindowInTheProgramsFont() {
        TfrmMain main(NewWelcome);
        main.setGeometry(120, 80, 900, 700);
        main.show();
        numerava::testing::TModalAnswers answers(Qt::Key_Return);
        ShowMessageBox(&main, QMessageBox::Warning, QString::fromUtf8("Žluťoučký kůň"));
        QCOMPARE(answers.Count(), 1);
        QCOMPARE(answers.LastText(), QString::fromUtf8("Žluťoučký kůň"));
        QVERIFY((answers.LastGeometry().center() - main.frameGeometry().center()).manhattanLength() <= 2);
        QCOMPARE(answers.LastFont().family(), FontFamily("Tahoma"));
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
