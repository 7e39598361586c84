// Every caption of every screen, in Czech and in Slovak, lies whole inside its control: each screen
// is built and brought into its states (pushed buttons, verdicts, the longest topics, part names,
// grade texts and section titles), and the text of every control is measured where the control
// draws it, by the same layout the control paints with, its drawn ink (accents, descenders, shadow,
// emboldening) included. A caption that does not fit fails the test. Then the pixels of one accented
// capital, the "Č" of "ČR" on the information screen, are checked after rendering, so that a
// mistake in the measuring itself cannot hide a cut-off accent.

#include "catalogue/Grades.h"
#include "catalogue/Selection.h"
#include "catalogue/UnitsTexts.h"
#include "catalogue/WordProblemFile.h"
#include "contest/ContestRules.h"
#include "controls/CaptionItems.h"
#include "controls/CaptionLayout.h"
#include "controls/ControlFont.h"
#include "controls/GroupBox.h"
#include "controls/Label.h"
#include "controls/NumeravaButton.h"
#include "controls/NumeravaEdit.h"
#include "controls/NumeravaLabel.h"
#include "core/FixedNumber.h"
#include "core/Language.h"
#include "core/Random.h"
#include "generator/UnitsGenerator.h"
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

#include <QGroupBox>
#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <map>
#include <set>

using namespace numerava;
using numerava::testing::Fire;
using numerava::testing::TModalAnswers;

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

QString Describe(const QWidget* widget, const QString& text) {
    QString name = QString::fromLatin1(widget->metaObject()->className());
    name.remove(QStringLiteral("numerava::"));
    const QRect place = widget->geometry();
    return QStringLiteral("%1 at (%2, %3) %4x%5 \"%6\"")
        .arg(name)
        .arg(place.x())
        .arg(place.y())
        .arg(place.width())
        .arg(place.height())
        .arg(QString(text).replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace('\n', "\\n"));
}

QString Show(const QRect& rect) {
    return QStringLiteral("(%1, %2)-(%3, %4)")
        .arg(rect.left())
        .arg(rect.top())
        .arg(rect.right())
        .arg(rect.bottom());
}

// Collects the captions that do not fit, with where and why.
class TFitCheck {
public:
    explicit TFitCheck(QString screen) : screen_(std::move(screen)) {}

    // Every control under `root` (the root included) that shows text.
    void Controls(QWidget* root) {
        root_ = root;
        Control(root);
        for (QWidget* child : root->findChildren<QWidget*>()) Control(child);
    }

    void Control(QWidget* widget) {
        if (auto* button = qobject_cast<TNVCustomButton*>(widget)) {
            if (button->Caption().isEmpty()) return;
            // Both faces: the caption may be drawn in the pushed font at any time.
            Layout(widget, button->CaptionLayout(false), 0, button->Caption());
            Layout(widget, button->CaptionLayout(true), 0, button->Caption() + QStringLiteral(" (pushed)"));
        } else if (auto* label = qobject_cast<TNumeravaLabel*>(widget)) {
            const int shift = label->isEnabled() ? label->ShadowOffset() : 1;
            Layout(widget, label->CaptionLayout(), shift, label->Caption());
        } else if (auto* plain = qobject_cast<TLabel*>(widget)) {
            Layout(widget, plain->CaptionLayout(), 0, plain->text());
        } else if (auto* other = qobject_cast<QLabel*>(widget)) {
            // Qt's label places its text by the typographic ascent: the accents of capitals are cut.
            if (!other->text().isEmpty())
                Misfit(widget, other->text(), QStringLiteral("a QLabel, not a TLabel"));
        } else if (auto* group = qobject_cast<TGroupBox*>(widget)) {
            Layout(widget, group->CaptionLayout(), 0, group->title());
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            if (!box->title().isEmpty())
                Misfit(widget, box->title(), QStringLiteral("a QGroupBox, not a TGroupBox"));
        } else if (auto* list = qobject_cast<QTreeWidget*>(widget)) {
            List(list);
        }
    }

    // The lines of `layout` in `widget`: their ink and, `shift` right and down, their shadow's ink
    // lie inside the widget; consecutive lines do not reach into each other.
    void Layout(const QWidget* widget, const TCaptionLayout& layout, int shift, const QString& text,
                QRect bounds = {}) {
        if (text.trimmed().isEmpty()) return;
        // Rows and titles of a list are bounded by their cells; a list scrolls, so only whole controls
        // are held to the screen.
        const bool wholeControl = bounds.isNull();
        if (wholeControl) bounds = widget->rect();
        ++checked_;
        QRect ink = layout.Ink();
        ink |= ink.translated(shift, shift);
        if (!bounds.contains(ink))
            Misfit(widget, text, QStringLiteral("ink %1 outside %2").arg(Show(ink), Show(bounds)));
        // A control that grows with its caption must still keep it on its screen.
        const QRect onScreen(widget->mapTo(root_, ink.topLeft()), ink.size());
        if (wholeControl && root_ != nullptr && root_->isAncestorOf(widget) &&
            !root_->rect().contains(onScreen))
            Misfit(widget, text,
                   QStringLiteral("ink %1 outside the screen %2").arg(Show(onScreen), Show(root_->rect())));
        for (size_t i = 0; i < layout.Lines.size(); ++i) {
            TCaptionLayout line = layout;
            line.Lines = {layout.Lines[i]};
            const QRect lineInk = line.Ink();
            const QRect cell = layout.Lines[i].Cell;
            if (!lineInk.isEmpty() && (lineInk.top() < cell.top() || lineInk.bottom() > cell.bottom()))
                Misfit(widget, text,
                       QStringLiteral("line %1 ink %2 outside its line %3")
                           .arg(i + 1)
                           .arg(Show(lineInk), Show(cell)));
        }
    }

    void List(QTreeWidget* list) {
        auto* header = qobject_cast<TCaptionHeaderView*>(list->header());
        auto* rows = qobject_cast<TCaptionItemDelegate*>(list->itemDelegate());
        if (header == nullptr || rows == nullptr) {
            Misfit(list, QString(), QStringLiteral("titles or rows not drawn by the caption layout"));
            return;
        }
        for (int column = 0; column < list->columnCount(); ++column) {
            const QRect section(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                                header->height());
            const QString title = list->headerItem()->text(column);
            Layout(header, header->SectionLayout(section, column), 0, title, section);
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                const QModelIndex index = list->model()->index(row, column);
                const QRect cell = list->visualRect(index);
                Layout(list->viewport(), rows->TextLayout(list->viewport(), cell, index), 0,
                       index.data().toString(), cell);
            }
        }
    }

    void Misfit(const QWidget* widget, const QString& text, const QString& why) {
        misfits_ << QStringLiteral("%1: %2: %3").arg(screen_, Describe(widget, text), why);
    }

    int Checked() const { return checked_; }
    const QStringList& Misfits() const { return misfits_; }

private:
    QString screen_;
    QWidget* root_ = nullptr;
    int checked_ = 0;
    QStringList misfits_;
};

// Every misfit of all screens, reported together at the end of a test.
QStringList AllMisfits;
int AllChecked = 0;

void Check(const QString& screen, QWidget* root) {
    TFitCheck check(QStringLiteral("%1 (%2)").arg(screen, Language == LanguageSlovak ? "sk" : "cz"));
    check.Controls(root);
    AllMisfits << check.Misfits();
    AllChecked += check.Checked();
}

// Brings the screen in and lets its start-up tick run.
template <typename Frame>
Frame* ShowScreen(TfrmMain& main, Frame* frame) {
    main.ShowFrame(frame);
    QCoreApplication::processEvents();
    return frame;
}

uint8_t AllItems(int area) { return area == 5 ? SetAllSix : SetAllFour; }

// The selection of an area whose topic text is the widest: every combination of items is tried.
std::pair<uint8_t, uint8_t> WidestTopic(int area) {
    static std::map<std::pair<int, int>, std::pair<uint8_t, uint8_t>> known;
    const auto key = std::pair(area, int(Language));
    if (const auto found = known.find(key); found != known.end()) return found->second;
    const int items = area == 5 ? 6 : 4;
    const QFontMetrics metrics(ControlFont("Tahoma", 19, true));
    std::pair<uint8_t, uint8_t> widest{0, 0};
    int widestAdvance = -1;
    for (int left = 0; left < (1 << items); ++left) {
        for (int right = 0; right < (1 << items); ++right) {
            const auto difficulties = static_cast<uint8_t>(left << 1),
                       operations = static_cast<uint8_t>(right << 1);
            const int advance = metrics.horizontalAdvance(
                QString::fromStdString(TopicText({ModeSmallPractice, area, difficulties, operations})));
            if (advance > widestAdvance) {
                widestAdvance = advance;
                widest = {difficulties, operations};
            }
        }
    }
    return known[key] = widest;
}

void Select(TfrmMain& main, int mode, int area, uint8_t difficulties, uint8_t operations) {
    main.Area = area;
    main.SetMode(mode);
    main.SetDifficultySet(difficulties);
    main.SetOperationSet(operations);
    main.ColorDepth = 32;
}

void LoadBook() {
    const char* file = Language == LanguageSlovak ? "Graphics\\numerava_sk.dat" : "Graphics\\numerava_cz.dat";
    QCOMPARE(LoadWordProblemFile(file), WordProblemFileError::None);
}

void AnswerInstantly(TfrmEngine& engine, const QString& answer) {
    QTest::keyClicks(engine.AnswerEdit(), answer);
    QTest::keyClick(engine.AnswerEdit(), Qt::Key_Return);
}

QString Expected(const TfrmEngine& engine) {
    return QString::fromStdString(FormatNumber(engine.Model().Expected()));
}

// Every task caption the drill can show in an area: each item of the left column with each of the
// right, many exercises each.
std::set<std::string> TaskCaptions(int area) {
    std::set<std::string> captions;
    for (int difficulty = 1; difficulty <= 4; ++difficulty) {
        for (int operation = 1; operation <= 4; ++operation) {
            TNumeravaGenerator generator;
            generator.Area = area;
            generator.DifficultySet = ItemBit(difficulty);
            generator.OperationSet = ItemBit(operation);
            generator.Mode = 1;
            SeedRandom(static_cast<uint32_t>(difficulty * 10 + operation));
            for (int i = 0; i < 300; ++i) {
                std::string caption = generator.Generate().TaskText;
                if (area == 6 && Language == LanguageSlovak) TranslateTaskText(caption);
                captions.insert(caption);
            }
        }
    }
    return captions;
}

} // namespace

class CaptionsFitQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(numerava);
        RegisterFonts();
        QDir::setCurrent(QCoreApplication::applicationDirPath());
        SetWebOpener([](const QString&) { return true; });
    }
    void cleanupTestCase() { SetWebOpener({}); }

    void init() {
        AllMisfits.clear();
        AllChecked = 0;
    }

    void everyCaptionFits_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("Czech") << int(LanguageCzech);
        QTest::newRow("Slovak") << int(LanguageSlovak);
    }

    void everyCaptionFits() {
        QFETCH(int, language);
        TModalAnswers boxes(Qt::Key_Escape); // every question and message box answered No / closed
        TfrmMain main(numerava::testing::NewWelcomeStub);
        Language = static_cast<uint16_t>(language);
        LoadBook();

        Welcome(main);
        Topics(main);
        Drills(main);
        Summaries(main);
        Results(main);
        Information(main);
        Questions(main);
        Contest(main);

        QVERIFY2(AllChecked > 300, qPrintable(QString::number(AllChecked)));
        AllMisfits.removeDuplicates();
        for (const QString& misfit : AllMisfits) qWarning("%s", qPrintable(misfit));
        QVERIFY2(AllMisfits.isEmpty(),
                 qPrintable(QStringLiteral("%1 captions do not fit").arg(AllMisfits.size())));
        Language = LanguageCzech;
    }

    // The "Č" of "ČR" on the information screen as rendered: its caron has every pixel it has when
    // the letter is drawn alone with room around it.
    void accentedCapitalIsRenderedWhole_data() { everyCaptionFits_data(); }

    void accentedCapitalIsRenderedWhole() {
        QFETCH(int, language);
        Language = static_cast<uint16_t>(language);
        TfrmMain main(numerava::testing::NewWelcomeStub);
        auto* info = ShowScreen(main, new TfrmInfo(main));
        QVERIFY(Fire(info->Timer2));
        TLabel* line = nullptr;
        for (TLabel* label : info->findChildren<TLabel*>())
            if (label->text().contains(U("ČR"))) line = label;
        QVERIFY(line != nullptr);
        const QImage screen = info->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb background = screen.pixel(line->geometry().right() + 2, line->y() + 2);

        const TCaptionLayout layout = line->CaptionLayout();
        const QString text = layout.Lines.front().Text;
        const QFontMetrics metrics(layout.Font);
        const int at = static_cast<int>(text.indexOf(U("ČR")));
        const QPoint origin = line->mapTo(info, layout.Lines.front().Origin) +
                              QPoint(metrics.horizontalAdvance(text.left(at)), 0);
        // The caron: the rows above the capital's body, across the letter's advance.
        const int capital = -metrics.tightBoundingRect(QStringLiteral("C")).top();
        const int above = CellMetrics(layout.Font).Ascent + 4;
        const auto caronInk = [&](const QImage& image, QPoint baseline) {
            int ink = 0;
            for (int y = baseline.y() - above; y < baseline.y() - capital; ++y)
                for (int x = baseline.x(); x < baseline.x() + metrics.horizontalAdvance(U("Č")); ++x)
                    if (image.valid(x, y) && image.pixel(x, y) != background) ++ink;
            return ink;
        };

        QImage alone(100, 100, QImage::Format_RGB32);
        alone.fill(background);
        {
            QPainter painter(&alone);
            painter.setFont(layout.Font);
            painter.setPen(line->palette().color(QPalette::WindowText));
            painter.drawText(QPoint(20, 60), U("Č"));
        }
        const int expected = caronInk(alone, {20, 60});
        QVERIFY(expected > 4);
        QCOMPARE(caronInk(screen, origin), expected);
        Language = LanguageCzech;
    }

private:
    void Welcome(TfrmMain& main) {
        auto* welcome = ShowScreen(main, new TfrmWelcome(main));
        QVERIFY(Fire(welcome->Timer1));
        Check("welcome", welcome);
    }

    void Topics(TfrmMain& main) {
        // Both faces of every button are measured, so one mode per area shows every caption.
        for (int area = 1; area <= 6; ++area) {
            Select(main, ModeContest, area, 0, 0);
            auto* topics = ShowScreen(main, new TfrmSettings(main));
            QVERIFY(Fire(topics->Timer1));
            Check(QStringLiteral("topics, area %1").arg(area), topics);
            QTest::mouseClick(topics->btnSelectAll(), Qt::LeftButton);
            Check(QStringLiteral("topics, area %1, all selected").arg(area), topics);
        }
    }

    void Drills(TfrmMain& main) {
        for (int area = 1; area <= 6; ++area) {
            for (const int mode : {ModeSmallPractice, ModeLargePractice, ModeExpert, ModeContest}) {
                Select(main, mode, area, AllItems(area), AllItems(area));
                main.ContestCounter = 4; // the longest part name
                AreaSixHintPending = true;
                auto* drill = ShowScreen(main, new TfrmEngine(main));
                drill->Timer1Timer();
                const QString where = QStringLiteral("drill, area %1, mode %2").arg(area).arg(mode);
                Check(where + ", first exercise", drill);
                if (mode == ModeLargePractice || mode == ModeExpert) continue; // only the mode's name differs
                if (area == 6) drill->btnRememberClick();                      // the area-6 hint
                // Not a number, then a wrong answer, then a right one.
                AnswerInstantly(*drill, QString());
                Check(where + ", not a number", drill);
                for (int i = 0; i < 3 && !drill->Model().ShowingResult(); ++i) drill->tmrEngineTimer();
                AnswerInstantly(*drill, Expected(*drill) + QStringLiteral("9"));
                Check(where + ", wrong", drill);
                drill->btnRememberClick();
                drill->tmrEngineTimer();
                AnswerInstantly(*drill, Expected(*drill));
                if (drill->Timer2.isActive()) drill->Timer2Timer();
                Check(where + ", right", drill);
                // Every task caption of the area in the caption across the top.
                if (mode == ModeSmallPractice && (area == 2 || area == 6)) {
                    for (const std::string& caption : TaskCaptions(area)) {
                        drill->NumeravaLabel1()->SetCaption(std::string_view(caption));
                        TFitCheck check(where + QStringLiteral(", task caption"));
                        check.Control(drill->NumeravaLabel1());
                        AllMisfits << check.Misfits();
                        AllChecked += check.Checked();
                    }
                }
            }
        }
        // The name of every part in the contest drill's status.
        for (int part = 1; part <= 16; ++part) {
            Select(main, ModeContest, 1, SetAllFour, SetAllFour);
            main.ContestCounter = part;
            auto* drill = ShowScreen(main, new TfrmEngine(main));
            drill->Timer1Timer();
            Check(QStringLiteral("contest drill, part %1").arg(part), drill);
        }
        // Time out.
        Select(main, ModeSmallPractice, 3, SetAllFour, SetAllFour);
        auto* drill = ShowScreen(main, new TfrmEngine(main));
        drill->Timer1Timer();
        for (int i = 0; i < 200 && !drill->Model().ShowingResult(); ++i) drill->tmrEngineTimer();
        QVERIFY(drill->Model().ShowingResult());
        Check("drill, time out", drill);
    }

    void Summaries(TfrmMain& main) {
        for (int area = 1; area <= 6; ++area) {
            for (const int mode : {ModeSmallPractice, ModeLargePractice}) {
                // Every grade and its description (averages 0 to 10 points an exercise) with the
                // longest topic, one grade with the others.
                for (int points = 0; points <= 100; points += area == 5 ? 5 : 100) {
                    const auto [difficulties, operations] = WidestTopic(area);
                    Select(main, mode, area, difficulties, operations);
                    auto* summary = ShowScreen(main, new TfrmEndEngine(main));
                    summary->SetPoints(points);
                    summary->SetExercises(10);
                    QVERIFY(Fire(summary->Timer1));
                    Check(QStringLiteral("practice summary, area %1, mode %2, %3 points")
                              .arg(area)
                              .arg(mode)
                              .arg(points),
                          summary);
                }
            }
            const auto [difficulties, operations] = WidestTopic(area);
            Select(main, ModeExpert, area, difficulties, operations);
            for (const int exercises : {1, 2, 3, 6, 100}) {
                auto* expert = ShowScreen(main, new TfrmExpertResults(main));
                expert->SetPoints(exercises * 9);
                expert->SetExercises(exercises);
                QVERIFY(Fire(expert->Timer1));
                Check(QStringLiteral("expert summary, area %1, %2 exercises").arg(area).arg(exercises),
                      expert);
            }
        }
    }

    void Results(TfrmMain& main) {
        QVERIFY(main.ResultCount() > 20);
        auto* results = ShowScreen(main, new TfrmResults(main));
        results->resize(results->size()); // lay the list out
        results->show();
        QVERIFY(Fire(results->Timer1));
        QCoreApplication::processEvents();
        Check("results", results);
    }

    void Information(TfrmMain& main) {
        auto* info = ShowScreen(main, new TfrmInfo(main));
        QVERIFY(Fire(info->Timer2));
        Check("information", info);
    }

    void Questions(TfrmMain& main) {
        // Each question is checked while it is shown, then answered No.
        const auto checkShown = [](const QString& name) {
            return [name](QDialog* dialog) { Check(name, dialog); };
        };
        {
            TQuestionCheck check(checkShown("quit question"));
            QVERIFY(!main.AskQuit());
        }
        {
            TQuestionCheck check(checkShown("abort question"));
            main.AskAbort();
        }
        Select(main, ModeContest, 2, SetAllFour, SetAllFour);
        auto* final = ShowScreen(main, new TfrmEndBike(main));
        QVERIFY(Fire(final->StartTimer));
        TQuestionCheck check(checkShown("teacher question"));
        final->nvbtnOKClick();
        QVERIFY(check.Count() == 1);
    }

    void Contest(TfrmMain& main) {
        Select(main, ModeContest, 1, SetAllFour, SetAllFour);
        auto* intro = ShowScreen(
            main, new TfrmBikeInfo(main, [](TfrmMain& owner) -> TFrame* { return new TfrmSettings(owner); }));
        QVERIFY(Fire(intro->Timer1));
        Check("contest introduction", intro);

        // Every part bought, with the names of the part and of the next one.
        for (int part = 1; part <= 15; ++part) {
            main.ContestCounter = part;
            auto* purchase = ShowScreen(main, new TfrmBikeResult(main));
            QVERIFY(Fire(purchase->Timer1));
            Check(QStringLiteral("purchase after part %1").arg(part), purchase);
        }

        // The final screen with and without the record entry: the longest topics, every grade with
        // its description and a run of mistakes.
        for (int area = 1; area <= 6; ++area) {
            for (const int score : {-500, 1200, 2100, 3000, 3800, 4500}) {
                if (area != 5 && score != 3000) continue;
                const auto [difficulties, operations] = WidestTopic(area);
                Select(main, ModeContest, area, difficulties, operations);
                main.ContestPoints = score;
                main.ContestMistakes = score < 0 ? 25 : 1;
                main.ContestStartTick = static_cast<int32_t>(TickCount() - 20 * 60000);
                auto* final = ShowScreen(main, new TfrmEndBike(main));
                QVERIFY(Fire(final->StartTimer));
                Check(QStringLiteral("final screen, area %1, score %2").arg(area).arg(score), final);
            }
        }
    }

    // Runs a check on each dialog when it shows (after its owner has arranged it), then closes it
    // with Escape.
    class TQuestionCheck : public QObject {
    public:
        explicit TQuestionCheck(std::function<void(QDialog*)> check) : check_(std::move(check)) {
            qApp->installEventFilter(this);
        }
        ~TQuestionCheck() override { qApp->removeEventFilter(this); }
        int Count() const { return count_; }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override {
            auto* dialog = event->type() == QEvent::Show ? qobject_cast<QDialog*>(watched) : nullptr;
            if (dialog == nullptr || !dialog->isWindow() || seen_.contains(dialog)) return false;
            seen_ << dialog;
            ++count_;
            QMetaObject::invokeMethod(
                this,
                [this, target = QPointer<QDialog>(dialog)] {
                    if (!target) return;
                    check_(target);
                    QTest::keyClick(target, Qt::Key_Escape);
                },
                Qt::QueuedConnection);
            return false;
        }

    private:
        std::function<void(QDialog*)> check_;
        QList<QDialog*> seen_;
        int count_ = 0;
    };
};

QTEST_MAIN(CaptionsFitQtTest)
#include "CaptionsFitQtTest.moc"
