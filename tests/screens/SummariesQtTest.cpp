// The practice and expert summaries: totals, average, grade or exercises survived, and the result row.

#include "catalogue/Grades.h"
#include "catalogue/UnitsTexts.h"
#include "controls/NumeravaButton.h"
#include "controls/NumeravaLabel.h"
#include "core/Language.h"
#include "screens/FramesEndEngine.h"
#include "screens/FramesExpertResults.h"
#include "screens/FramesWelcome.h"
#include "shell/FormsMain.h"
#include "support/Timers.h"

#include <QLabel>
#include <QTest>

#include <memory>

using namespace numerava;

namespace {

TFrame* NewWelcome(TfrmMain& main) { return new TfrmWelcome(main); }

using numerava::testing::Fire;

void Choose(TfrmMain& main, int area, int mode) {
    main.SelectArea(area);
    main.SetMode(mode);
    main.SetDifficultySet(MakeSet({1, 2}));
    main.SetOperationSet(MakeSet({1}));
}

} // namespace

class SummariesQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Q_INIT_RESOURCE(numerava); }
    void init() { Language = LanguageCzech; }

    void practiceSummaryGradesTheExactQuotient_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("exercises");
        QTest::addColumn<QString>("average");
        QTest::addColumn<QString>("mark");
        QTest::newRow("103 in 12") << 103 << 12 << QStringLiteral("8,5") << QStringLiteral("2");
        // 7,9 is a "2"; a whole-number quotient (7) would give "3".
        QTest::newRow("79 in 10") << 79 << 10 << QStringLiteral("7,9") << QStringLiteral("2");
        QTest::newRow("all points") << 100 << 10 << QStringLiteral("10") << QStringLiteral("1*");
        QTest::newRow("none") << 0 << 4 << QStringLiteral("0") << QStringLiteral("5");
    }

    void practiceSummaryGradesTheExactQuotient() {
        QFETCH(int, points);
        QFETCH(int, exercises);
        QFETCH(QString, average);
        QFETCH(QString, mark);
        TfrmMain main(NewWelcome);
        Choose(main, 1, ModeSmallPractice);
        TfrmEndEngine summary(main);
        summary.SetPoints(points);
        summary.SetExercises(exercises);
        QCOMPARE(summary.lblRAverage()->text(), average);
        QCOMPARE(summary.lblMark()->Caption(), mark);
        std::string description;
        std::string expectedMark;
        MarkFor(ModeSmallPractice, static_cast<float>(points) / static_cast<float>(exercises), description,
                expectedMark);
        QCOMPARE(summary.lblDesc()->text(), QString::fromStdString(description));
        QCOMPARE(summary.lblRTaskNum()->text(), QString::number(exercises));
        QCOMPARE(summary.lblRPtsCount()->text(), QString::number(points));
    }

    void practiceRowIsAppendedOnceAndFilledIn() {
        TfrmMain main(NewWelcome);
        Choose(main, 2, ModeLargePractice);
        main.PutResult(-1, {"1", "2", "earlier run", "x", "3"});
        TfrmEndEngine summary(main);
        QCOMPARE(main.ResultCount(), 2);
        // Nothing is graded before the number of exercises is known.
        summary.SetPoints(103);
        QCOMPARE(main.GetResult(1).Mark, std::string());
        summary.SetExercises(12);
        QCOMPARE(main.ResultCount(), 2);
        QCOMPARE(main.GetResult(0).Topic, std::string("earlier run"));
        const TNVLearnResults& row = main.GetResult(1);
        QCOMPARE(row.Topic, TopicText(main.Selection()));
        QCOMPARE(row.ModeName, ModeText(ModeLargePractice, 2));
        QCOMPARE(row.Tasks, std::string("12"));
        QCOMPARE(row.Points, std::string("103"));
        QCOMPARE(row.Mark, std::string("2"));
        QCOMPARE(summary.lblMode()->text(), QString::fromStdString(ModeText(ModeLargePractice, 2)));
    }

    void markColourFollowsModeAndArea_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("area");
        QTest::addColumn<QColor>("colour");
        const QColor red(Qt::red);
        const QColor green(0, 255, 0);
        QTest::newRow("mode 1, area 1") << 1 << 1 << red;
        QTest::newRow("mode 1, area 6") << 1 << 6 << red;
        QTest::newRow("mode 2, area 3") << 2 << 3 << red;
        QTest::newRow("mode 2, area 4") << 2 << 4 << green;
        QTest::newRow("mode 2, area 6") << 2 << 6 << green;
    }

    void markColourFollowsModeAndArea() {
        QFETCH(int, mode);
        QFETCH(int, area);
        QFETCH(QColor, colour);
        TfrmMain main(NewWelcome);
        Choose(main, area, mode);
        TfrmEndEngine summary(main);
        QCOMPARE(summary.lblMark()->FontColor(), colour);
    }

    void practiceCaptionsAfterTheFirstTick() {
        TfrmMain main(NewWelcome);
        Choose(main, 1, ModeSmallPractice);
        Language = LanguageSlovak;
        TfrmEndEngine summary(main);
        QVERIFY(!summary.NumeravaButton1()->isEnabled());
        QVERIFY(Fire(summary.Timer1));
        QCOMPARE(summary.Label1()->text(), QStringLiteral("Celkom príkladov"));
        QCOMPARE(summary.Label3()->text(), QStringLiteral("Celkom bodov"));
        QCOMPARE(summary.lblAverage()->text(), QStringLiteral("Priemer"));
        QVERIFY(summary.NumeravaButton1()->isEnabled());
        QCOMPARE(summary.NumeravaButton1()->Caption(), QString::fromUtf8("Pokračovať"));
    }

    void expertSummaryCountsTheExercisesSurvived_data() {
        QTest::addColumn<int>("exercises");
        QTest::addColumn<QString>("survived");
        QTest::addColumn<QString>("czech");
        QTest::addColumn<QString>("slovak");
        QTest::newRow("failed the first")
            << 1 << "0" << QString::fromUtf8("příkladů") << QString::fromUtf8("príkladov");
        QTest::newRow("failed the second")
            << 2 << "1" << QString::fromUtf8("příklad") << QString::fromUtf8("príklad");
        QTest::newRow("failed the third")
            << 3 << "2" << QString::fromUtf8("příklady") << QString::fromUtf8("príklady");
        QTest::newRow("failed the fifth")
            << 5 << "4" << QString::fromUtf8("příklady") << QString::fromUtf8("príklady");
        QTest::newRow("failed the sixth")
            << 6 << "5" << QString::fromUtf8("příkladů") << QString::fromUtf8("príkladov");
    }

    void expertSummaryCountsTheExercisesSurvived() {
        QFETCH(int, exercises);
        QFETCH(QString, survived);
        QFETCH(QString, czech);
        QFETCH(QString, slovak);
        for (const uint16_t language : {LanguageCzech, LanguageSlovak}) {
            TfrmMain main(NewWelcome); // chooses the system's language
            Language = language;
            Choose(main, 3, ModeExpert);
            TfrmExpertResults summary(main);
            summary.SetPoints(8 * (exercises - 1));
            summary.SetExercises(exercises);
            QCOMPARE(summary.lblMark()->Caption(), survived);
            QCOMPARE(summary.lblDMark()->text(), language == LanguageCzech ? czech : slovak);
            QCOMPARE(main.GetResult(0).Mark,
                     survived.toStdString() + (language == LanguageCzech ? " př." : " pr."));
        }
    }

    void expertRowAndAverageCountTheFailedExercise() {
        TfrmMain main(NewWelcome);
        Choose(main, 4, ModeExpert);
        TfrmExpertResults summary(main);
        QCOMPARE(main.ResultCount(), 1);
        summary.SetPoints(25);
        summary.SetExercises(3);
        QCOMPARE(main.ResultCount(), 1);
        QCOMPARE(summary.lblRAverage()->text(), QStringLiteral("8,3"));
        QCOMPARE(summary.lblRTaskNum()->text(), QStringLiteral("3"));
        QCOMPARE(summary.lblRPtsCount()->text(), QStringLiteral("25"));
        const TNVLearnResults& row = main.GetResult(0);
        QCOMPARE(row.Topic, TopicText(main.Selection()));
        QCOMPARE(row.ModeName, std::string("EXPERT"));
        QCOMPARE(row.Tasks, std::string("3"));
        QCOMPARE(row.Points, std::string("25"));
        QCOMPARE(row.Mark, std::string("2 př."));
    }

    void expertCaptionsAndTheWayBack() {
        TfrmMain main(NewWelcome);
        Choose(main, 1, ModeExpert);
        Language = LanguageSlovak;
        auto* summary = new TfrmExpertResults(main);
        main.ShowFrame(summary);
        QCoreApplication::processEvents();
        QVERIFY(!summary->NumeravaButton1()->isEnabled());
        QVERIFY(Fire(summary->Timer1));
        QCOMPARE(summary->Label1()->text(), QStringLiteral("Vydržal si"));
        QCOMPARE(summary->lblAverage()->text(), QStringLiteral("Priemer bodov"));
        QCOMPARE(summary->NumeravaButton1()->Caption(), QString::fromUtf8("Hlavné menu"));
        QVERIFY(summary->Label1()->isEnabled());
        QTest::mouseClick(summary->NumeravaButton1(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(qobject_cast<TfrmWelcome*>(main.CurrentFrame()) != nullptr);
    }
};

QTEST_MAIN(SummariesQtTest)
#include "SummariesQtTest.moc"
