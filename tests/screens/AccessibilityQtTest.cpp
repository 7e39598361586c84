// What a screen reader learns through Qt's accessibility interface: the role, name and state of
// every control, the formulas in words, and the verdict the answer field announces.

#include "catalogue/Selection.h"
#include "catalogue/WordProblemFile.h"
#include "controls/ControlsAccessible.h"
#include "controls/NumeravaButton.h"
#include "controls/NumeravaCheck.h"
#include "controls/NumeravaEdit.h"
#include "controls/NumeravaLabel.h"
#include "controls/NumeravaRadio.h"
#include "controls/ScreenBuild.h"
#include "core/FixedNumber.h"
#include "core/Language.h"
#include "equation/EquationAccessible.h"
#include "equation/MarkupSpeech.h"
#include "equation/NumeravaEquation.h"
#include "platform/Desktop.h"
#include "platform/Fonts.h"
#include "screens/FrameInfo.h"
#include "screens/FramesBikeInfo.h"
#include "screens/FramesBikeResult.h"
#include "screens/FramesEndBike.h"
#include "screens/FramesEndEngine.h"
#include "screens/FramesEngine.h"
#include "screens/FramesExpertResults.h"
#include "screens/FramesResults.h"
#include "screens/FramesSettings.h"
#include "screens/FramesWelcome.h"
#include "shell/FormsCloseQuery.h"
#include "shell/FormsMain.h"
#include "support/ModalAnswer.h"
#include "support/Timers.h"
#include "support/WelcomeStub.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <vector>

#ifdef NUMERAVA_QPA_ACCESSIBILITY
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

using namespace numerava;
using numerava::testing::Fire;

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

QAccessibleInterface* Accessible(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    if (accessible == nullptr) qFatal("no accessible interface");
    return accessible;
}

QString Name(QObject* object) { return Accessible(object)->text(QAccessible::Name); }

// The events Qt passes on to screen readers, as they were when sent.
struct TEvent {
    QAccessible::Event Type;
    QObject* Object;
    QString Description;
};
std::vector<TEvent> Events;

void RecordEvent(QAccessibleEvent* event) {
    QAccessibleInterface* accessible = event->accessibleInterface();
    Events.push_back({event->type(), event->object(),
                      accessible != nullptr ? accessible->text(QAccessible::Description) : QString()});
}

int CountEvents(QObject* object, QAccessible::Event type) {
    int count = 0;
    for (const TEvent& event : Events) count += event.Object == object && event.Type == type;
    return count;
}

// Switches Qt's platform accessibility on, as a running screen reader does: only then does Qt
// send events. That takes Qt's private platform interface.
bool ActivateAccessibility() {
    QAccessible::installUpdateHandler(RecordEvent);
#ifdef NUMERAVA_QPA_ACCESSIBILITY
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (platform != nullptr) platform->setActive(true);
#endif
    return QAccessible::isActive();
}

// Every control a screen reader presents under `root` (bare containers and what it is told is
// invisible left out) whose name is empty, as "class at x,y".
QStringList Unnamed(QAccessibleInterface* root) {
    QStringList unnamed;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child == nullptr || child->state().invisible) continue;
        const QAccessible::Role role = child->role();
        const bool container = role == QAccessible::Client || role == QAccessible::Pane ||
                               role == QAccessible::Window || role == QAccessible::Border;
        if (!container && child->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject* object = child->object();
            const QRect place = child->rect();
            unnamed << QStringLiteral("%1 at %2,%3")
                           .arg(object ? object->metaObject()->className() : "?")
                           .arg(place.x())
                           .arg(place.y());
        }
        // The rows and cells of a list are the list's business.
        const bool itemView =
            role == QAccessible::Tree || role == QAccessible::Table || role == QAccessible::List;
        if (!itemView) unnamed << Unnamed(child);
    }
    return unnamed;
}

void SelectPractice(TfrmMain& main, int mode, int area) {
    main.SetMode(mode);
    main.Area = area;
    main.SetDifficultySet(area == 5 ? SetAllSix : SetAllFour);
    main.SetOperationSet(area == 5 ? SetAllSix : SetAllFour);
    main.ContestCounter = 1;
    main.ColorDepth = 32;
}

} // namespace

class AccessibilityQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(numerava);
        RegisterFonts();
        InstallControlsAccessibility();
        InstallEquationAccessibility();
        eventsSeen_ = ActivateAccessibility();
    }

    void init() {
        Language = LanguageCzech;
        Events.clear();
    }

    // Every kind of control: its role, and its name in both languages.
    void everyControlKindHasARoleAndAName() {
        QWidget parent;
        const struct {
            const char* kind;
            QWidget* control;
            QAccessible::Role role;
            const char* czech;
            const char* slovak;
        } cases[] = {
            {"push button", MakeButton(&parent, {}, Qt::yellow, Qt::yellow, U("Zapamatuji se\r\n\"ENTER\"")),
             QAccessible::PushButton, "Zapamatuji se \"ENTER\"", "Zapamatuji se \"ENTER\""},
            {"radio button",
             MakeStyledButton<TNumeravaRadio>(&parent, {}, Qt::yellow, Qt::red, U("Procvičování\r1 malé")),
             QAccessible::RadioButton, "Procvičování 1 malé", "Procvičování 1 malé"},
            {"check button", MakeStyledButton<TNumeravaCheck>(&parent, {}, Qt::yellow, Qt::red, U("Sčítání")),
             QAccessible::CheckBox, "Sčítání", "Sčítání"},
            {"shadowed label",
             MakeShadowLabel(&parent, {}, U("VÝBORNĚ\r\nUmíš to"), 20, Qt::green, Qt::black, 1),
             QAccessible::StaticText, "VÝBORNĚ Umíš to", "VÝBORNĚ Umíš to"},
            {"answer field", new TNumeravaEdit(&parent), QAccessible::EditableText, "Odpověď", "Odpoveď"},
            {"image with a tooltip", MakeImage(&parent, {}, ":/flag_cz.bmp"), QAccessible::Graphic,
             "Zapiš se do tabulky rekordů", "Zapiš se do tabulky rekordů"},
            {"equation", new TNumeravaEquation(&parent), QAccessible::StaticText, "7 lomeno 5", "7 lomené 5"},
            {"equation of a word problem", new TNumeravaEquation(&parent), QAccessible::StaticText,
             "Kolik m na druhou je to?", "Kolik m na druhú je to?"},
        };
        static_cast<TImage*>(cases[5].control)->setToolTip(U("Zapiš se do tabulky rekordů"));
        static_cast<TNumeravaEquation*>(cases[6].control)->SetText("/<7><5>");
        static_cast<TNumeravaEquation*>(cases[7].control)->SetWordWrap(true);
        static_cast<TNumeravaEquation*>(cases[7].control)->SetText("Kolik m^<2> je to?");
        for (const auto& c : cases) {
            QAccessibleInterface* accessible = Accessible(c.control);
            QCOMPARE(accessible->role(), c.role);
            for (const uint16_t language : {LanguageCzech, LanguageSlovak}) {
                Language = language;
                QCOMPARE(accessible->text(QAccessible::Name),
                         U(language == LanguageCzech ? c.czech : c.slovak));
            }
            Language = LanguageCzech;
            // A name given by the screen wins.
            c.control->setAccessibleName(QStringLiteral("given"));
            QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("given"));
        }
    }

    void buttonsShowTheirPushedAndEnabledState() {
        QWidget parent;
        auto* button = MakeButton(&parent, {}, Qt::yellow, Qt::yellow, U("Přerušit"));
        auto* radio = MakeStyledButton<TNumeravaRadio>(&parent, {}, Qt::yellow, Qt::red, U("Expert"));
        auto* check = MakeStyledButton<TNumeravaCheck>(&parent, {}, Qt::yellow, Qt::red, U("Násobení"));
        QVERIFY(!Accessible(button)->state().pressed);
        button->SetPushed(true);
        QVERIFY(Accessible(button)->state().pressed);
        QVERIFY(!Accessible(button)->state().checkable);
        for (TNVCustomButton* checkable :
             {static_cast<TNVCustomButton*>(radio), static_cast<TNVCustomButton*>(check)}) {
            QAccessible::State state = Accessible(checkable)->state();
            QVERIFY(state.checkable && !state.checked);
            checkable->SetPushed(true);
            QVERIFY(Accessible(checkable)->state().checked);
        }
        button->setEnabled(false);
        QVERIFY(Accessible(button)->state().disabled);
    }

    // A screen reader's press or toggle does what the pupil's click does.
    void actionsDoWhatAClickDoes() {
        QWidget parent;
        auto* button = MakeButton(&parent, {}, Qt::yellow, Qt::yellow, U("OK"));
        auto* first = MakeStyledButton<TNumeravaRadio>(&parent, {}, Qt::yellow, Qt::red, U("1"));
        auto* second = MakeStyledButton<TNumeravaRadio>(&parent, {}, Qt::yellow, Qt::red, U("2"));
        auto* check = MakeStyledButton<TNumeravaCheck>(&parent, {}, Qt::yellow, Qt::red, U("3"));
        auto* flag = MakeImage(&parent, {}, ":/flag_sk.bmp");
        auto* picture = MakeImage(&parent, {}, ":/title.bmp");
        flag->setCursor(Qt::PointingHandCursor);
        first->SetRadioGroup(1);
        second->SetRadioGroup(1);
        parent.show();
        const auto act = [](QWidget* widget, const QString& action) {
            QAccessibleActionInterface* actions = Accessible(widget)->actionInterface();
            QVERIFY(actions != nullptr);
            QVERIFY2(actions->actionNames().contains(action), qPrintable(action));
            actions->doAction(action);
        };

        QSignalSpy clicks(button, &TNVCustomButton::OnClick);
        act(button, QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 1);

        first->SetPushed(true);
        act(second, QAccessibleActionInterface::toggleAction());
        QVERIFY(second->Pushed());
        QVERIFY(!first->Pushed()); // the group's other radio is released as by a click
        act(second, QAccessibleActionInterface::toggleAction());
        QVERIFY(second->Pushed()); // a radio stays pushed

        act(check, QAccessibleActionInterface::toggleAction());
        QVERIFY(check->Pushed());
        act(check, QAccessibleActionInterface::toggleAction());
        QVERIFY(!check->Pushed());

        QSignalSpy flagClicks(flag, &TImage::OnClick);
        act(flag, QAccessibleActionInterface::pressAction());
        QCOMPARE(flagClicks.count(), 1);
        QVERIFY(!Accessible(picture)->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));

        // A disabled button offers nothing and does nothing.
        button->setEnabled(false);
        QVERIFY(!Accessible(button)->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        Accessible(button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 1);
    }

    void answerFieldGivesItsTextAsValueAndText() {
        TNumeravaEdit edit;
        edit.SetText(QStringLiteral("-12,5"));
        QAccessibleInterface* accessible = Accessible(&edit);
        QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("-12,5"));
        QAccessibleTextInterface* text = accessible->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->characterCount(), 5);
        QCOMPARE(text->text(0, 5), QStringLiteral("-12,5"));
        QCOMPARE(text->cursorPosition(), 5);
        QCOMPARE(text->selectionCount(), 0);
        QVERIFY(accessible->state().focusable);
        QVERIFY(accessible->state().editable);
    }

    void quitQuestionIsNamedByItsQuestion() {
        TfrmCloseQuery query(nullptr);
        QCOMPARE(Accessible(&query)->role(), QAccessible::Dialog);
        QCOMPARE(Name(&query), U("Opravdu chceš ukončit Numerava?"));
        query.SetQuestion(U("Nechceš zavolat učitele?"));
        QCOMPARE(Name(&query), U("Nechceš zavolat učitele?"));
    }

    // Text that shows nothing is not presented; with text it is, and the accelerator marks go.
    void emptyStaticTextIsNotPresented() {
        QWidget parent;
        auto* label = new TNumeravaLabel(&parent);
        auto* equation = new TNumeravaEquation(&parent);
        label->setGeometry(0, 0, 100, 30);
        equation->setGeometry(0, 40, 100, 30);
        parent.resize(100, 100);
        parent.show();
        QVERIFY(Accessible(label)->state().invisible);
        QVERIFY(Accessible(equation)->state().invisible);
        label->SetShowAccelChar(true);
        label->SetCaption(U("&Ano && ne"));
        equation->SetText("Ö");
        QVERIFY(!Accessible(label)->state().invisible);
        QVERIFY(!Accessible(equation)->state().invisible);
        QCOMPARE(Name(label), U("Ano & ne"));
        QCOMPARE(Name(equation), U("otazník"));
        // Moved out of its parent, the label is seen by nobody.
        label->move(0, 200);
        QVERIFY(Accessible(label)->state().invisible);
    }

    // Changes reach the screen reader: a caption or formula as a changed name, the pushed state as a
    // changed state, the answer field's text as changed text.
    void changesAreSentAsEvents() {
        if (!eventsSeen_) QSKIP("Qt's private platform headers are not installed: events cannot be seen");
        QWidget parent;
        auto* button = MakeButton(&parent, {}, Qt::yellow, Qt::yellow, U("Konec"));
        auto* label = MakeShadowLabel(&parent, {}, U("a"), 20, Qt::green, Qt::black, 1);
        auto* equation = new TNumeravaEquation(&parent);
        auto* edit = new TNumeravaEdit(&parent);
        const struct {
            const char* change;
            std::function<void()> make;
            QObject* object;
            QAccessible::Event type;
        } changes[] = {
            {"caption", [&] { button->SetCaption(U("Koniec")); }, button, QAccessible::NameChanged},
            {"pushed", [&] { button->SetPushed(true); }, button, QAccessible::StateChanged},
            {"label", [&] { label->SetCaption(U("b")); }, label, QAccessible::NameChanged},
            {"formula", [&] { equation->SetText("/<1><2>"); }, equation, QAccessible::NameChanged},
            // Typing and deleting at the end say only what came or went.
            {"typed", [&] { edit->SetText(QStringLiteral("4")); }, edit, QAccessible::TextInserted},
            {"typed more", [&] { edit->SetText(QStringLiteral("45")); }, edit, QAccessible::TextInserted},
            {"deleted", [&] { edit->SetText(QStringLiteral("4")); }, edit, QAccessible::TextRemoved},
            {"replaced", [&] { edit->SetText(QStringLiteral("7")); }, edit, QAccessible::TextUpdated},
        };
        for (const auto& c : changes) {
            Events.clear();
            c.make();
            QVERIFY2(CountEvents(c.object, c.type) == 1, c.change);
        }
        // Setting what is already there says nothing.
        Events.clear();
        button->SetCaption(U("Koniec"));
        edit->SetText(QStringLiteral("7"));
        QVERIFY(Events.empty());
    }

    // The welcome screen, the topic selection and the drill in both languages (the drill in the
    // layouts of a formula, of a word problem and of the contest): everything shown has a name.
    void everyVisibleControlOfTheScreensHasAName() {
        const struct {
            const char* screen;
            std::function<TFrame*(TfrmMain&)> make;
        } screens[] = {
            {"welcome",
             [](TfrmMain& main) {
                 auto* welcome = new TfrmWelcome(main);
                 numerava::testing::TModalAnswers boxes;
                 welcome->SettleNow();
                 return welcome;
             }},
            {"topics",
             [](TfrmMain& main) {
                 SelectPractice(main, ModeSmallPractice, 2);
                 auto* settings = new TfrmSettings(main);
                 (void)Fire(settings->Timer1);
                 return settings;
             }},
            {"drill", [](TfrmMain& main) { return NewDrill(main, ModeSmallPractice, 1); }},
            {"drill of word problems",
             [](TfrmMain& main) {
                 LoadBook();
                 return NewDrill(main, ModeSmallPractice, 5);
             }},
            {"drill of algebra", [](TfrmMain& main) { return NewDrill(main, ModeExpert, 6); }},
            {"drill of the contest", [](TfrmMain& main) { return NewDrill(main, ModeContest, 3); }},
            {"results",
             [](TfrmMain& main) {
                 main.PutResult(-1, {"100", "10", "NU 1: Vše", "Procvičování 1 malé", "1*"});
                 auto* results = new TfrmResults(main);
                 (void)Fire(results->Timer1);
                 return results;
             }},
            {"information",
             [](TfrmMain& main) {
                 auto* info = new TfrmInfo(main);
                 (void)Fire(info->Timer2);
                 return info;
             }},
            {"practice summary",
             [](TfrmMain& main) {
                 SelectPractice(main, ModeSmallPractice, 1);
                 auto* summary = new TfrmEndEngine(main);
                 summary->SetPoints(87);
                 summary->SetExercises(10);
                 (void)Fire(summary->Timer1);
                 return summary;
             }},
            {"expert summary",
             [](TfrmMain& main) {
                 SelectPractice(main, ModeExpert, 1);
                 auto* summary = new TfrmExpertResults(main);
                 summary->SetPoints(40);
                 summary->SetExercises(6);
                 (void)Fire(summary->Timer1);
                 return summary;
             }},
            {"contest introduction",
             [](TfrmMain& main) {
                 SelectPractice(main, ModeContest, 1);
                 auto* info = new TfrmBikeInfo(main, numerava::testing::NewWelcomeStub);
                 (void)Fire(info->Timer1);
                 return info;
             }},
            {"bicycle part",
             [](TfrmMain& main) {
                 SelectPractice(main, ModeContest, 1);
                 main.ContestPoints = 120;
                 auto* part = new TfrmBikeResult(main);
                 (void)Fire(part->Timer1);
                 return part;
             }},
            {"contest's end",
             [](TfrmMain& main) {
                 SelectPractice(main, ModeContest, 2);
                 main.ContestPoints = 2816;
                 main.ContestMistakes = 3;
                 main.ContestStartTick = static_cast<int32_t>(TickCount() - 25 * 60000);
                 auto* end = new TfrmEndBike(main);
                 end->FormTimer();
                 return end;
             }},
        };
        for (const uint16_t language : {LanguageCzech, LanguageSlovak}) {
            for (const auto& s : screens) {
                TfrmMain main(numerava::testing::NewWelcomeStub);
                Language = language; // after the main window, which takes the system's language
                main.show();
                numerava::testing::TModalAnswers boxes; // messages the screens bring up
                TFrame* frame = s.make(main);
                main.ShowFrame(frame);
                QCoreApplication::processEvents();
                QVERIFY(frame->isVisible());
                const QStringList unnamed = Unnamed(Accessible(frame));
                QVERIFY2(unnamed.isEmpty(),
                         qPrintable(QStringLiteral("%1 (%2): %3")
                                        .arg(s.screen, language == LanguageCzech ? "cz" : "sk",
                                             unnamed.join(QStringLiteral("; ")))));
            }
        }
        Language = LanguageCzech;
    }

    // The question's equation reads its formula; the answer field says each verdict once.
    void drillReadsTheQuestionAndAnnouncesTheVerdict() {
        for (const uint16_t language : {LanguageCzech, LanguageSlovak}) {
            const bool czech = language == LanguageCzech;
            TfrmMain main(numerava::testing::NewWelcomeStub);
            Language = language;
            main.show();
            auto* engine = NewDrill(main, ModeSmallPractice, 1);
            main.ShowFrame(engine);
            QCoreApplication::processEvents();
            TNumeravaEdit* field = engine->AnswerEdit();
            QAccessibleInterface* answer = Accessible(field);
            QCOMPARE(answer->text(QAccessible::Name), U(czech ? "Odpověď" : "Odpoveď"));
            QCOMPARE(answer->text(QAccessible::Description), QString());

            const auto questionNamed = [engine](const QString& words) {
                for (TNumeravaEquation* equation : engine->findChildren<TNumeravaEquation*>())
                    if (equation->isVisible() && Name(equation) == words) return true;
                return false;
            };
            QVERIFY(questionNamed(QString::fromStdString(
                SpeakMarkup(engine->Model().Question(), language, TSpeechStyle::Formula))));

            // A wrong answer: the verdict with the correct answer, said once.
            const QString expected = QString::fromStdString(FormatNumber(engine->Model().Expected()));
            Events.clear();
            QTest::keyClicks(field, expected == "1" ? QStringLiteral("2") : QStringLiteral("1"));
            QTest::keyClick(field, Qt::Key_Return);
            const QString verdict = U(czech ? "Chyba, zkus další. Správná odpověď je "
                                            : "Chyba, skús ďalší. Správna odpoveď je ") +
                                    expected;
            QCOMPARE(answer->text(QAccessible::Description), verdict);
            QCOMPARE(answer->text(QAccessible::Value), expected);
            if (eventsSeen_) {
                QCOMPARE(CountEvents(field, QAccessible::Alert), 1);
                for (const TEvent& event : Events)
                    if (event.Object == field && event.Type == QAccessible::Alert)
                        QCOMPARE(event.Description, verdict);
            }

            // Acknowledged, and the verdict's last tick: the next question, no verdict and no alert.
            Events.clear();
            engine->btnRememberClick();
            for (int i = 0; i < 5 && engine->Model().ShowingResult(); ++i) engine->tmrEngineTimer();
            QCOMPARE(answer->text(QAccessible::Description), QString());
            QVERIFY(questionNamed(QString::fromStdString(
                SpeakMarkup(engine->Model().Question(), language, TSpeechStyle::Formula))));
            if (eventsSeen_) QCOMPARE(CountEvents(field, QAccessible::Alert), 0);

            // A right answer.
            QTest::keyClicks(field, QString::fromStdString(FormatNumber(engine->Model().Expected())));
            QTest::keyClick(field, Qt::Key_Return);
            QCOMPARE(answer->text(QAccessible::Description),
                     U(czech ? "VÝBORNĚ Umíš to" : "SPRÁVNE Vieš to"));
            if (eventsSeen_) QCOMPARE(CountEvents(field, QAccessible::Alert), 1);
        }
        Language = LanguageCzech;
    }

    // A word problem keeps its punctuation; its formulas are put in words.
    void wordProblemReadsAsProse() {
        for (const uint16_t language : {LanguageCzech, LanguageSlovak}) {
            TfrmMain main(numerava::testing::NewWelcomeStub);
            Language = language;
            LoadBook();
            main.show();
            auto* engine = NewDrill(main, ModeSmallPractice, 5);
            main.ShowFrame(engine);
            QCoreApplication::processEvents();
            const std::string question = engine->Model().Question();
            const QString words =
                QString::fromStdString(SpeakMarkup(question, language, TSpeechStyle::Prose));
            QVERIFY(!words.isEmpty());
            QCOMPARE(words.contains(QLatin1Char('?')), question.find('?') != std::string::npos);
            bool found = false;
            for (TNumeravaEquation* equation : engine->findChildren<TNumeravaEquation*>())
                found = found || (equation->WordWrap() && Name(equation) == words);
            QVERIFY2(found, qPrintable(words));
        }
        Language = LanguageCzech;
    }

private:
    static void LoadBook() {
        const char* file =
            Language == LanguageSlovak ? "Graphics\\numerava_sk.dat" : "Graphics\\numerava_cz.dat";
        if (LoadWordProblemFile(file) != WordProblemFileError::None)
            qFatal("the word-problem book is missing");
    }

    static TfrmEngine* NewDrill(TfrmMain& main, int mode, int area) {
        SelectPractice(main, mode, area);
        numerava::testing::TModalAnswers boxes; // the contest's one-time warning
        auto* engine = new TfrmEngine(main);
        (void)Fire(engine->Timer1);
        return engine;
    }

    bool eventsSeen_ = false;
};

QTEST_MAIN(AccessibilityQtTest)
#include "AccessibilityQtTest.moc"
