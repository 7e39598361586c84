// The drill screen driven by key presses and timer ticks, from creation to the screen that follows.

#include "controls/NumeravaButton.h"
#include "controls/NumeravaEdit.h"
#include "core/FixedNumber.h"
#include "core/Language.h"
#include "platform/Fonts.h"
#include "screens/FramesEndEngine.h"
#include "screens/FramesEngine.h"
#include "shell/FormsMain.h"
#include "support/ModalAnswer.h"
#include "support/WelcomeStub.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

using namespace numerava;

namespace {

using numerava::testing::NewWelcomeStub;
using numerava::testing::TWelcomeStub;

void SelectPractice(TfrmMain& main, int mode) {
    main.SetMode(mode);
    main.Area = 1;
    main.SetDifficultySet(SetAllFour);
    main.SetOperationSet(SetAllFour);
    main.ColorDepth = 32;
}

// Ticks the drill timer while it runs, at most `limit` times.
void TickWhileRunning(TfrmEngine& engine, int limit) {
    for (int i = 0; i < limit && engine.tmrEngine.isActive(); ++i) engine.tmrEngineTimer();
}

void Type(TfrmEngine& engine, const QString& text) {
    QTest::keyClicks(engine.AnswerEdit(), text);
    QTest::keyClick(engine.AnswerEdit(), Qt::Key_Return);
}

QString ExpectedText(const TfrmEngine& engine) {
    return QString::fromStdString(FormatNumber(engine.Model().Expected()));
}

using numerava::testing::AnswerNextQuestion;

} // namespace

class EngineQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(numerava);
        RegisterFonts();
        Language = LanguageCzech;
    }

    // A Czech or Slovak keyboard without Shift types "ěščřžýáíé" on its top row: the field takes
    // them as the digits on those keys, and "+" as nothing.
    void topRowOfCzechAndSlovakKeyboardsTypesDigits() {
        TfrmMain main(NewWelcomeStub);
        SelectPractice(main, ModeSmallPractice);
        auto* engine = new TfrmEngine(main);
        main.ShowFrame(engine);
        QCoreApplication::processEvents();
        const auto type = [engine](const QString& typed) {
            for (const QChar character : typed)
                QTest::sendKeyEvent(QTest::Click, engine->AnswerEdit(), Qt::Key_unknown, QString(character),
                                    Qt::NoModifier);
        };
        type(QStringLiteral("+ěščľřť"));
        QCOMPARE(engine->AnswerEdit()->Text(), QStringLiteral("234255"));
        for (int i = 0; i < 6; ++i) QTest::keyClick(engine->AnswerEdit(), Qt::Key_Backspace);
        type(QStringLiteral("žýáíéúô"));
        QCOMPARE(engine->AnswerEdit()->Text(), QStringLiteral("67890"));
    }

    void wholePracticeDrillEndsAtTheSummary() {
        TfrmMain main(NewWelcomeStub);
        SelectPractice(main, ModeSmallPractice);
        main.show();
        auto* engine = new TfrmEngine(main);
        main.ShowFrame(engine);
        QCoreApplication::processEvents();
        QCOMPARE(main.CurrentFrame(), engine);
        QCOMPARE(engine->tmrEngine.interval(), 230);
        QVERIFY(engine->tmrEngine.isActive());
        engine->Timer1Timer();
        QVERIFY(engine->btnAbort()->isEnabled());

        // Enter on an empty field: only the notice.
        QTest::keyClick(engine->AnswerEdit(), Qt::Key_Return);
        QVERIFY(engine->lblNAN()->isVisible());
        QCOMPARE(engine->lblNAN()->text(), QString::fromUtf8("Toto není číslo!!"));

        // A wrong answer waits; Enter (routed by the main window) acknowledges it.
        TickWhileRunning(*engine, 5);
        QCOMPARE(engine->ggeTimer()->value(), 95);
        QVERIFY(!engine->lblNAN()->isVisible());
        const QString expected = ExpectedText(*engine);
        Type(*engine, expected + QStringLiteral("1"));
        QVERIFY(engine->pnlResult()->isVisible());
        QVERIFY(engine->btnRemember()->isVisible());
        QVERIFY(!engine->tmrEngine.isActive());
        QCOMPARE(engine->AnswerEdit()->Text(), expected);
        QCOMPARE(main.ContestMistakes, 1);
        QTest::keyClick(engine->AnswerEdit(), Qt::Key_Return);
        QVERIFY(!engine->btnRemember()->isVisible());
        QVERIFY(engine->tmrEngine.isActive());
        engine->tmrEngineTimer();
        QCOMPARE(engine->Model().ExerciseNumber(), 2);
        QVERIFY(!engine->pnlResult()->isVisible());
        QCOMPARE(engine->ggeTimer()->value(), 100);

        // Ten instant answers reach 100 points.
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(main.CurrentFrame(), engine);
            Type(*engine, ExpectedText(*engine));
            QVERIFY(engine->pnlResult()->isVisible());
            TickWhileRunning(*engine, 3);
        }
        QCOMPARE(engine->Model().DrillPoints(), 100);
        QVERIFY(!engine->tmrEngine.isActive());
        QCoreApplication::processEvents();
        QVERIFY(qobject_cast<TfrmEndEngine*>(main.CurrentFrame()) != nullptr);
        // The summary appended the run's row: 100 points in 11 exercises, average 9,0 gives "1".
        QCOMPARE(main.ResultCount(), 1);
        QCOMPARE(main.GetResult(0).Points, std::string("100"));
        QCOMPARE(main.GetResult(0).Tasks, std::string("11"));
        QCOMPARE(main.GetResult(0).Mark, std::string("1"));
        QCOMPARE(main.GetResult(0).ModeName, std::string("Procvičování 1 malé"));
    }

    void abortButtonAsksAndReturnsToWelcome() {
        TfrmMain main(NewWelcomeStub);
        SelectPractice(main, ModeExpert);
        main.show();
        auto* engine = new TfrmEngine(main);
        main.ShowFrame(engine);
        QCoreApplication::processEvents();
        QCOMPARE(engine->tmrEngine.interval(), 214);
        engine->Timer1Timer();
        AnswerNextQuestion(Qt::Key_Return);
        QTest::mouseClick(engine->btnAbort(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(dynamic_cast<TWelcomeStub*>(main.CurrentFrame()) != nullptr);
        QCOMPARE(main.ResultCount(), 0);
    }
};

QTEST_MAIN(EngineQtTest)
#include "EngineQtTest.moc"
