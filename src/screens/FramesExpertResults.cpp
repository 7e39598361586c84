#include "screens/FramesExpertResults.h"

#include "controls/ControlFont.h"
#include "controls/Label.h"
#include "controls/ScreenBuild.h"
#include "core/Format.h"
#include "core/Language.h"
#include "engine/ScoringRules.h"
#include "screens/FramesSummary.h"
#include "shell/FormsMain.h"
#include "shell/Shape.h"

namespace numerava {

namespace {

// The word after the number of exercises survived; n counts the exercise that ended the run, so
// the number on show is n - 1.
const char* ExercisesWord(int exercises) {
    if (exercises == 2) return ByLanguage("příklad", "príklad");
    if (exercises >= 3 && exercises <= 5) return ByLanguage("příklady", "príklady");
    return ByLanguage("příkladů", "príkladov");
}

QLabel* CaptionLabel(QWidget* parent, QPoint position, const char* text) {
    QLabel* label = MakeLabel(parent, position, Utf8(text), 24, true);
    label->setEnabled(false);
    return label;
}

} // namespace

TfrmExpertResults::TfrmExpertResults(TfrmMain& main) : TFrame(main) {
    setFixedSize(660, 480);
    SetBackground(this, Orange);
    const QString topic = QString::fromStdString(TopicText(main.Selection()));

    lblDiff_ = new TLabel(topic, this);
    lblDiff_->setGeometry(8, 4, 625, 53);
    lblDiff_->setFont(ControlFont("Tahoma", 19, true));
    lblDiff_->setWordWrap(true);
    lblDiff_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The longest topics (many items of area 5) take a smaller font rather than a third line.
    lblDiff_->SetShrinkToFit(12);

    Label1_ = CaptionLabel(this, {16, 130}, "Vydržel jsi");
    lblMark_ = MakeShadowLabel(this, {184, 32, 273, 241}, QString(), 200, Qt::blue, Qt::black, 3);
    lblMark_->SetAlignment(Qt::AlignCenter);
    lblDMark_ = CaptionLabel(this, {470, 130}, "");
    lblDMark_->setEnabled(true);

    auto* shpTable = new TShape(this);
    shpTable->setGeometry(177, 276, 285, 145);
    shpTable->SetBrushColor(Qt::black);
    shpTable->SetPen(Qt::blue, 10);
    const SummaryRow tasks = MakeSummaryRow(this, 196, 445, 290, Utf8("Celkem příkladů"));
    const SummaryRow points = MakeSummaryRow(this, 196, 445, 318, Utf8("Celkem bodů"));
    const SummaryRow average = MakeSummaryRow(this, 196, 445, 346, Utf8("Průměr bodů"));
    lblTaskNum_ = tasks.name;
    lblRTaskNum_ = tasks.value;
    lblPtsCount_ = points.name;
    lblRPtsCount_ = points.value;
    lblAverage_ = average.name;
    lblRAverage_ = average.value;
    for (QLabel* label : {lblTaskNum_, lblPtsCount_, lblAverage_}) label->setEnabled(false);
    Label2_ = new TLabel(QStringLiteral("E X P E R T"), this);
    Label2_->setGeometry(196, 380, 249, 25);
    Label2_->setAlignment(Qt::AlignCenter);
    Label2_->setFont(ControlFont("Tahoma", 19, true));
    QPalette palette = Label2_->palette();
    palette.setColor(QPalette::WindowText, Qt::yellow);
    Label2_->setPalette(palette);

    NumeravaButton1_ = MakeButton(this, {432, 428, 201, 45}, Lime, Lime, Utf8("Hlavní menu"));
    NumeravaButton1_->setEnabled(false);
    connect(NumeravaButton1_, &TNumeravaButton::OnClick, this,
            [this] { Main().ShowFrame(Main().NewWelcome()); });

    row_.Topic = topic.toStdString();
    row_.ModeName = "EXPERT";
    main.PutResult(-1, row_);
    rowIndex_ = main.ResultCount() - 1;

    Timer1.setSingleShot(true);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &TfrmExpertResults::Timer1Timer);
    Timer1.start();
}

void TfrmExpertResults::SetPoints(int points) {
    points_ = points;
    lblRPtsCount_->setText(QString::number(points));
    Recompute();
}

void TfrmExpertResults::SetExercises(int exercises) {
    exercises_ = exercises;
    lblRTaskNum_->setText(QString::number(exercises));
    lblMark_->SetCaption(QString::number(exercises - 1));
    lblDMark_->setText(Utf8(ExercisesWord(exercises)));
    lblDMark_->adjustSize();
    Recompute();
}

void TfrmExpertResults::Recompute() {
    if (exercises_ == 0) return;
    // The exercise that ended the run counts in the average too.
    lblRAverage_->setText(QString::fromStdString(AverageText(points_, exercises_)));
    row_.Tasks = std::to_string(exercises_);
    row_.Points = std::to_string(points_);
    row_.Mark = Format(ByLanguage("%d př.", "%d pr."), {exercises_ - 1});
    Main().PutResult(rowIndex_, row_);
}

void TfrmExpertResults::Timer1Timer() {
    for (QLabel* label : {Label1_, lblTaskNum_, lblPtsCount_, lblAverage_}) label->setEnabled(true);
    NumeravaButton1_->setEnabled(true);
    Label1_->setText(Utf8(ByLanguage("Vydržel jsi", "Vydržal si")));
    Label1_->adjustSize();
    lblTaskNum_->setText(Utf8(ByLanguage("Celkem příkladů", "Celkom príkladov")));
    lblPtsCount_->setText(Utf8(ByLanguage("Celkem bodů", "Celkom bodov")));
    lblAverage_->setText(Utf8(ByLanguage("Průměr bodů", "Priemer bodov")));
    NumeravaButton1_->SetCaption(Utf8(ByLanguage("Hlavní menu", "Hlavné menu")));
}

} // namespace numerava
