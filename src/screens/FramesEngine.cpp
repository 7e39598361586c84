#include "screens/FramesEngine.h"

#include "catalogue/UnitsTexts.h"
#include "contest/ContestRules.h"
#include "controls/ControlFont.h"
#include "controls/ControlsAccessible.h"
#include "controls/Label.h"
#include "controls/NumeravaEdit.h"
#include "controls/ScreenBuild.h"
#include "core/Language.h"
#include "engine/DrillSpeech.h"
#include "equation/NumeravaEquation.h"
#include "platform/Desktop.h"
#include "screens/FramesBikeResult.h"
#include "screens/FramesEndBike.h"
#include "screens/FramesEndEngine.h"
#include "screens/FramesExpertResults.h"
#include "shell/FormsMain.h"
#include "shell/MessageBox.h"
#include "shell/Shape.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>

#include <vector>

namespace numerava {

namespace {

const QColor BrownOrange(191, 124, 0);
const QColor Fuchsia(255, 0, 255);
const QColor AnswerYellow(255, 255, 0);

// A panel whose children sit side by side from the left edge, in the order they were added, each
// as wide as it makes itself and as tall as the panel (the equations and the answer field change
// their own widths with their texts).
class TLeftAlignedRow : public QWidget {
public:
    explicit TLeftAlignedRow(QWidget* parent) : QWidget(parent) {}

    void Add(QWidget* child) {
        child->setParent(this);
        children_.push_back(child);
        child->installEventFilter(this);
        Arrange();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show || event->type() == QEvent::Hide)
            Arrange();
        return QWidget::eventFilter(watched, event);
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        Arrange();
    }

private:
    void Arrange() {
        int x = 0;
        for (QWidget* child : children_) {
            if (child->isHidden()) continue;
            if (child->geometry() != QRect(x, 0, child->width(), height()))
                child->setGeometry(x, 0, child->width(), height());
            x += child->width();
        }
    }

    std::vector<QWidget*> children_;
};

QWidget* Spacer(int width) {
    auto* spacer = new QWidget;
    spacer->resize(width, 1);
    return spacer;
}

TNumeravaEquation* MakeEquation(int pixels, bool bold, int shadow, bool wordWrap) {
    auto* equation = new TNumeravaEquation;
    TFontState font;
    font.Name = "Tahoma";
    font.Height = -pixels;
    font.Bold = bold;
    font.Color = {255, 255, 0};
    equation->SetFont(font);
    equation->SetShadowOffset(shadow);
    equation->SetWordWrap(wordWrap);
    equation->SetColor(BrownOrange);
    return equation;
}

TNumeravaEdit* MakeEdit(int pixels, bool bold) {
    auto* edit = new TNumeravaEdit;
    edit->SetFont(ControlFont("Tahoma", pixels, bold));
    edit->SetFontColor(AnswerYellow);
    edit->SetShadowOffset(2);
    edit->SetShadowColor(Qt::black);
    edit->SetCaret(true);
    return edit;
}

QLabel* MakeTableLabel(QWidget* parent, QRect geometry, const QString& text, Qt::Alignment alignment) {
    auto* label = new TLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(ControlFont("Tahoma", 16, true));
    label->setAlignment(alignment | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QColor ShownColor(TDrillColor color) {
    switch (color) {
    case TDrillColor::Answer: return AnswerColorBlack ? QColor(Qt::black) : AnswerYellow;
    case TDrillColor::Yellow: return AnswerYellow;
    case TDrillColor::Green: return ClGreen;
    case TDrillColor::Red: return QColor(255, 0, 0);
    }
    return AnswerYellow;
}

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

} // namespace

TfrmEngine::TfrmEngine(TfrmMain& main) : TFrame(main) {
    BuildLayout();

    const TDrillSetup setup{main.Mode,           main.Area,          main.DifficultySet, main.OperationSet,
                            main.ContestCounter, main.ContestPoints, main.ColorDepth};
    model_ = std::make_unique<TDrillModel>(setup,
                                           TDrillWindowFields{main.ContestStartTick, main.ContestMistakes,
                                                              main.PauseStartTick, AreaSixHintPending},
                                           [] { return TickCount(); });

    if (model_->LowColor()) {
        for (TNumeravaEquation* equation :
             {nvlblTextL_, nvequTextPre_, nvequTextR_, nvequLeft_, nvequRight_}) {
            TFontState font = equation->Font();
            font.Color = {0, 0, 0};
            equation->SetFont(font);
            equation->SetShadowOffset(0);
        }
        for (TNumeravaEdit* edit : {nvedtText_, nvedtResult_}) edit->SetShadowOffset(0);
    }
    pnlLREngine_->setVisible(!model_->TextLayout());
    pnlTextEngine_->setVisible(model_->TextLayout());
    imgSign_->Load(AreaPicture(main.Area));
    Image1_->setVisible(model_->CategoryMarkVisible());
    Image2_->setVisible(model_->OtherMarkVisible());
    // The warning comes over the drill once it is on show (see showEvent).
    categoryWarningPending_ = model_->CategoryWarningDue();

    connect(nvedtResult_, &TNumeravaEdit::OnKeyPress, this, &TfrmEngine::AnswerKeyPress);
    connect(nvedtText_, &TNumeravaEdit::OnKeyPress, this, &TfrmEngine::AnswerKeyPress);
    connect(btnRemember_, &TNumeravaButton::OnClick, this, &TfrmEngine::btnRememberClick);
    connect(btnAbort_, &TNumeravaButton::OnClick, this, [this] { Main().AskAbort(); });
    connect(&tmrEngine, &QTimer::timeout, this, &TfrmEngine::tmrEngineTimer);
    Timer1.setSingleShot(true);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &TfrmEngine::Timer1Timer);
    Timer2.setSingleShot(true);
    Timer2.setInterval(10);
    connect(&Timer2, &QTimer::timeout, this, &TfrmEngine::Timer2Timer);

    Render();
    Timer1.start();
}

TfrmEngine::~TfrmEngine() = default;

void TfrmEngine::showEvent(QShowEvent* event) {
    TFrame::showEvent(event);
    if (!categoryWarningPending_) return;
    categoryWarningPending_ = false;
    QTimer::singleShot(0, this, [this] {
        // The first exercise's countdown waits while the pupil reads the warning.
        tmrEngine.stop();
        ShowMessageBox(&Main(), QMessageBox::Warning, Text(ContestNoEntryMessage(Language)));
        seenTimerStarts_ = -1;
        SyncTimer();
    });
}

void TfrmEngine::BuildLayout() {
    setFixedSize(678, 494);
    SetBackground(this, Orange);

    NumeravaLabel1_ = MakeShadowLabel(this, {0, 0, 678, 36}, QString(), 24, Qt::yellow, Qt::black, 1);
    NumeravaLabel1_->SetAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    NumeravaLabel1_->setEnabled(false);

    shpEquation_ = new TShape(this);
    shpEquation_->setGeometry(8, 36, 625, 221);
    shpEquation_->SetBrushColor(BrownOrange);
    shpEquation_->SetPen(BrownOrange, 8);

    // Areas 1-4 and 6: question, answer and suffix on one line after a 13-pixel margin.
    auto* row = new TLeftAlignedRow(this);
    pnlLREngine_ = row;
    row->setGeometry(16, 44, 609, 205);
    SetBackground(row, BrownOrange);
    nvequLeft_ = MakeEquation(48, false, 2, false);
    nvedtResult_ = MakeEdit(48, false);
    nvequRight_ = MakeEquation(48, false, 2, false);
    row->Add(Spacer(13));
    row->Add(nvequLeft_);
    row->Add(nvedtResult_);
    row->Add(nvequRight_);

    // Area 5: the word problem above, prompt, answer and suffix in a row below.
    pnlTextEngine_ = new QWidget(this);
    pnlTextEngine_->setGeometry(16, 44, 609, 205);
    SetBackground(pnlTextEngine_, BrownOrange);
    nvlblTextL_ = MakeEquation(27, true, 2, true);
    nvlblTextL_->setParent(pnlTextEngine_);
    nvlblTextL_->setGeometry(8, 12, 593, 125);
    auto* textRow = new TLeftAlignedRow(pnlTextEngine_);
    textRow->setGeometry(0, 132, 609, 61);
    nvequTextPre_ = MakeEquation(35, true, 2, false);
    nvedtText_ = MakeEdit(35, true);
    nvequTextR_ = MakeEquation(35, true, 2, false);
    textRow->Add(Spacer(21));
    textRow->Add(nvequTextPre_);
    textRow->Add(Spacer(5));
    textRow->Add(nvedtText_);
    textRow->Add(Spacer(5));
    textRow->Add(nvequTextR_);

    lblNAN_ = new TLabel(this);
    lblNAN_->setGeometry(360, 260, 273, 17);
    lblNAN_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblNAN_->setFont(ControlFont("Tahoma", 16));
    lblNAN_->hide();

    ggeTimer_ = new QProgressBar(this);
    ggeTimer_->setGeometry(312, 280, 15, 157);
    ggeTimer_->setOrientation(Qt::Vertical);
    ggeTimer_->setRange(0, 100);
    ggeTimer_->setValue(100);
    ggeTimer_->setTextVisible(false);
    ggeTimer_->setStyleSheet("QProgressBar { border: 1px solid black; background: white; }"
                             "QProgressBar::chunk { background: rgb(191, 124, 0); }");

    Label1_ = new TLabel(QStringLiteral("10"), this);
    Label1_->setGeometry(299, 440, 41, 14);
    Label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1_->setFont(ControlFont("Tahoma", 11, true));

    shpTable_ = new TShape(this);
    shpTable_->setGeometry(348, 280, 285, 157);
    shpTable_->SetBrushColor(Qt::black);
    shpTable_->SetPen(Qt::blue, 10);
    lblNum_ = MakeTableLabel(this, {364, 293, 170, 26}, Utf8("Příklad číslo"), Qt::AlignLeft);
    lblRNum_ = MakeTableLabel(this, {534, 293, 85, 26}, QStringLiteral("0"), Qt::AlignRight);
    lblPts_ = MakeTableLabel(this, {364, 323, 170, 26}, Utf8("Počet bodů"), Qt::AlignLeft);
    lblRPts_ = MakeTableLabel(this, {534, 323, 85, 26}, QStringLiteral("0"), Qt::AlignRight);
    lblAverage_ = MakeTableLabel(this, {364, 353, 170, 26}, Utf8("Průměr"), Qt::AlignLeft);
    lblRAverage_ = MakeTableLabel(this, {534, 353, 85, 26}, QStringLiteral("0"), Qt::AlignRight);
    // The mode's line spans the table inside its blue frame: the longest contest part's line
    // ("4. diel - VÝPLET PREDNÉHO KOLESA") needs all of it.
    lblMode_ = MakeTableLabel(this, {359, 385, 263, 26}, QString(), Qt::AlignHCenter);
    for (QLabel* label : {lblNum_, lblPts_, lblAverage_}) label->setEnabled(false);

    Shape2_ = new TShape(this);
    Shape2_->setGeometry(358, 420, 265, 7);
    Shape2_->SetBrushColor(Qt::black);
    Shape2_->SetPen(Fuchsia, 1);
    Shape1_ = new TShape(this);
    Shape1_->setGeometry(359, 420, 0, 7);
    Shape1_->SetBrushColor(Fuchsia);
    Shape1_->SetPen(Fuchsia, 1);

    pnlResult_ = new QWidget(this);
    pnlResult_->setGeometry(9, 280, 284, 157);
    shpResult_ = new TShape(pnlResult_);
    shpResult_->setGeometry(0, 0, 284, 157);
    shpResult_->SetBrushColor(Orange);
    lblResult_ = MakeShadowLabel(pnlResult_, {6, 6, 272, 145}, QString(), 32, ClGreen, Qt::black, 1);
    lblResult_->SetAlignment(Qt::AlignCenter);
    nvlblBikeRes_ = MakeShadowLabel(pnlResult_, {6, 6, 272, 145}, QString(), 24, ClGreen, Qt::black, 1);
    nvlblBikeRes_->SetAlignment(Qt::AlignCenter);
    nvlblBikeRes_->setEnabled(false);
    imgMoney_ = new TImage(pnlResult_);
    imgMoney_->setGeometry(82, 58, 120, 41);
    pnlResult_->hide();

    btnRemember_ = MakeButton(this, {453, 193, 169, 53}, Lime, Lime, Utf8("Zapamatuji se\r\n\"ENTER\""), 16);
    btnRemember_->setEnabled(false);
    btnRemember_->hide();
    NumeravaButton1_ = MakeButton(this, {56, 72, 364, 122}, ButtonYellow, ButtonYellow, QString(), 19);
    NumeravaButton1_->setEnabled(false);
    NumeravaButton1_->hide();
    btnAbort_ = MakeButton(this, {266, 456, 114, 33}, ButtonYellow, ButtonYellow, Utf8("Přerušit"));
    btnAbort_->setEnabled(false);

    imgSign_ = new TImage(this);
    imgSign_->setGeometry(1, 1, 35, 35);
    // The contest marks: the result counts (a cup with a tick) or does not (a greyed, crossed cup).
    Image1_ = MakeImage(this, {481, 444, 60, 40}, ":/contest_counts.png");
    Image1_->setToolTip(Utf8("Zápis do tabulek je aktivní"));
    Image2_ = MakeImage(this, {481, 444, 60, 40}, ":/contest_not_counted.png");
    Image1_->hide();
    Image2_->hide();

    // Names for screen readers where the picture or the gauge has no text of its own.
    ggeTimer_->setAccessibleName(Utf8(ByLanguage("Zbývající čas", "Zostávajúci čas")));
    imgSign_->setAccessibleName(QStringLiteral("NU %1").arg(Main().Area));
    Image1_->setAccessibleName(
        Utf8(ByLanguage("Zápis do tabulek je aktivní", "Zápis do tabuliek je aktívny")));
    Image2_->setAccessibleName(
        Utf8(ByLanguage("Zápis do tabulek není aktivní", "Zápis do tabuliek nie je aktívny")));

    tmrEngine.setInterval(2000);
}

TNumeravaEdit* TfrmEngine::AnswerEdit() const { return model_->TextLayout() ? nvedtText_ : nvedtResult_; }

void TfrmEngine::AnswerKeyPress(QKeyEvent* event) {
    char key = 0;
    if (event->key() == Qt::Key_Backspace) key = '\b';
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) key = '\r';
    else if (event->text().size() == 1) key = AnswerKey(event->text()[0].unicode());
    if (key == 0) return;
    model_->Key(key);
    Render();
}

void TfrmEngine::tmrEngineTimer() {
    model_->Tick();
    Render();
}

void TfrmEngine::btnRememberClick() {
    model_->Acknowledge();
    Render();
}

void TfrmEngine::EnterPressed() {
    if (btnRemember_->isVisibleTo(this)) btnRememberClick();
}

void TfrmEngine::Timer1Timer() {
    model_->StartupTexts();
    for (QWidget* control : std::initializer_list<QWidget*>{btnRemember_, btnAbort_, lblNum_, lblPts_,
                                                            lblAverage_, NumeravaLabel1_})
        control->setEnabled(true);
    btnRemember_->SetCaption(Utf8(ByLanguage("Zapamatuji se\r\n\"ENTER\"", "Zapamätám si\r\n\"ENTER\"")));
    btnAbort_->SetCaption(Utf8(ByLanguage("Přerušit", "Prerušiť")));
    Render();
}

void TfrmEngine::Timer2Timer() {
    model_->RewardCaption();
    nvlblBikeRes_->setEnabled(true);
    nvlblBikeRes_->SetFont(ControlFont("Tahoma", 24, true)); // 18 points
    nvlblBikeRes_->SetFontColor(ClGreen);
    Render();
}

void TfrmEngine::Render() {
    const TDrillModel& model = *model_;

    NumeravaLabel1_->SetCaption(model.TaskCaption());
    if (model.TextLayout()) {
        nvlblTextL_->SetText(model.Question());
        nvequTextPre_->SetText(model.Prompt());
        nvequTextR_->SetText(model.Suffix());
    } else {
        nvequLeft_->SetText(model.Question());
        nvequRight_->SetText(model.Suffix());
    }
    TNumeravaEdit* edit = AnswerEdit();
    edit->SetText(model.AnswerText());
    edit->SetFontColor(ShownColor(model.AnswerColor()));
    edit->SetCaret(model.Caret());
    if (model.AnswerText().empty() && model.TextLayout()) nvedtResult_->SetText(QString());

    lblNAN_->setText(Text(model.NotANumberText()));
    lblNAN_->setVisible(model.NotANumberVisible());

    ggeTimer_->setValue(model.Progress());
    Label1_->setText(Text(model.CountdownText()));

    lblNum_->setText(Text(model.NumberCaption()));
    lblPts_->setText(Text(model.PointsCaption()));
    lblAverage_->setText(Text(model.AverageCaption()));
    lblRNum_->setText(Text(model.NumberText()));
    lblRPts_->setText(Text(model.PointsText()));
    lblRAverage_->setText(Text(model.AverageText()));
    lblMode_->setText(Text(model.ModeName()));
    Shape2_->setVisible(model.ProgressBarVisible());
    Shape1_->setVisible(model.ProgressBarVisible() && model.ProgressBarFill() > 0);
    Shape1_->resize(model.ProgressBarFill(), Shape1_->height());

    const QColor verdict = ShownColor(model.ResultColor());
    shpResult_->SetPen(verdict, 6);
    shpResult_->setVisible(model.ResultFrameVisible());
    lblResult_->SetFontColor(verdict);
    lblResult_->SetCaption(model.ResultText());
    lblResult_->setVisible(model.ResultTextVisible());
    nvlblBikeRes_->SetCaption(model.BikeResultText());
    nvlblBikeRes_->setVisible(model.BikeResultVisible());
    if (model.MoneyVisible()) {
        const auto& money = Main().imlMoney();
        const size_t index = static_cast<size_t>(model.MoneyIndex());
        imgMoney_->SetPicture(index < money.size() ? TPicture::FromImage(money[index]) : TPicture());
        imgMoney_->setAccessibleName(Text(BankNoteName(NoteValue(model.MoneyIndex() * 20))));
    }
    imgMoney_->setVisible(model.MoneyVisible());
    pnlResult_->setVisible(model.ResultPanelVisible());
    if (model.RewardCaptionPending() && !Timer2.isActive()) Timer2.start();

    Announce(edit, Text(VerdictAnnouncement(model)));

    btnRemember_->setVisible(model.RememberVisible());
    NumeravaButton1_->SetCaption(Utf8(model.AreaSixHintText().c_str()));
    NumeravaButton1_->setVisible(model.AreaSixHintVisible());

    SyncTimer();
    if (model.Ended()) EndDrill();
}

void TfrmEngine::SyncTimer() {
    if (!model_->TimerRunning() || model_->Ended()) {
        tmrEngine.stop();
        return;
    }
    // A new start (a new exercise, a verdict, an acknowledgement) makes the next tick a full
    // interval away.
    if (model_->TimerStarts() != seenTimerStarts_ || !tmrEngine.isActive()) {
        seenTimerStarts_ = model_->TimerStarts();
        tmrEngine.start(model_->TimerInterval());
    }
}

void TfrmEngine::EndDrill() {
    if (endShown_) return;
    endShown_ = true;
    tmrEngine.stop();
    Timer2.stop();
    TfrmMain& main = Main();
    const TDrillModel& model = *model_;
    switch (model.EndScreen()) {
    case TDrillEnd::ExpertSummary: {
        auto* results = new TfrmExpertResults(main);
        results->SetPoints(model.DrillPoints());
        results->SetExercises(model.ExerciseNumber());
        main.ShowFrame(results);
        break;
    }
    case TDrillEnd::BikeResult:
    case TDrillEnd::EndBike:
        main.ContestPoints = model.ContestPoints();
        if (model.EndScreen() == TDrillEnd::EndBike) main.ShowFrame(new TfrmEndBike(main));
        else main.ShowFrame(new TfrmBikeResult(main));
        break;
    case TDrillEnd::PracticeSummary:
    case TDrillEnd::None: {
        auto* summary = new TfrmEndEngine(main);
        summary->SetPoints(model.DrillPoints());
        summary->SetExercises(model.ExerciseNumber());
        main.ShowFrame(summary);
        break;
    }
    }
}

} // namespace numerava
