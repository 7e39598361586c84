#include "screens/FramesEndEngine.h"

#include "catalogue/Grades.h"
#include "controls/ControlFont.h"
#include "controls/Label.h"
#include "controls/ScreenBuild.h"
#include "core/Language.h"
#include "engine/ScoringRules.h"
#include "screens/FramesSummary.h"
#include "shell/FormsMain.h"
#include "shell/Shape.h"

namespace numerava {

namespace {

TLabel* WrappedLabel(QWidget* parent, QRect place, Qt::Alignment alignment) {
    auto* label = new TLabel(parent);
    label->setFont(ControlFont("Tahoma", 19, true));
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    return label;
}

} // namespace

TfrmEndEngine::TfrmEndEngine(TfrmMain& main) : TFrame(main) {
    setFixedSize(660, 480);
    SetBackground(this, Orange);
    const TSelection selection = main.Selection();
    const QString topic = QString::fromStdString(TopicText(selection));
    const std::string modeText = ModeText(selection.Mode, selection.Area);

    lblDiff_ = WrappedLabel(this, {8, 4, 625, 53}, Qt::AlignLeft | Qt::AlignTop);
    // The longest topics (many items of area 5) take a smaller font rather than a third line.
    lblDiff_->SetShrinkToFit(12);
    lblDiff_->setText(topic);
    lblDesc_ = WrappedLabel(this, {16, 56, 640, 108}, Qt::AlignHCenter | Qt::AlignTop);
    lblMark_ = MakeShadowLabel(this, {178, 72, 267, 195}, QString(), 160, Qt::yellow, Qt::black, 2);
    lblMark_->SetAlignment(Qt::AlignCenter);
    // Practice against the clock shows a red mark; the untimed runs of areas 4-6 a green one.
    const bool untimed = selection.Mode == ModeLargePractice && selection.Area >= 4 && selection.Area <= 6;
    lblMark_->SetFontColor(untimed ? QColor(0, 255, 0) : QColor(Qt::red));

    auto* shpTable = new TShape(this);
    shpTable->setGeometry(177, 256, 285, 157);
    shpTable->SetBrushColor(Qt::black);
    shpTable->SetPen(Qt::blue, 10);
    const SummaryRow tasks = MakeSummaryRow(this, 196, 445, 272, Utf8("Celkem příkladů"));
    const SummaryRow points = MakeSummaryRow(this, 196, 445, 302, Utf8("Celkem bodů"));
    const SummaryRow average = MakeSummaryRow(this, 196, 445, 332, Utf8("Průměr"));
    Label1_ = tasks.name;
    lblRTaskNum_ = tasks.value;
    Label3_ = points.name;
    lblRPtsCount_ = points.value;
    lblAverage_ = average.name;
    lblRAverage_ = average.value;
    lblMode_ = new TLabel(Utf8(modeText.c_str()), this);
    lblMode_->setGeometry(196, 365, 249, 20);
    lblMode_->setAlignment(Qt::AlignCenter);
    lblMode_->setFont(ControlFont("Tahoma", 16, true));
    QPalette palette = lblMode_->palette();
    palette.setColor(QPalette::WindowText, Qt::yellow);
    lblMode_->setPalette(palette);
    lblMark_->raise();

    NumeravaButton1_ = MakeButton(this, {432, 428, 201, 45}, Lime, Lime, Utf8("Pokračovat"));
    NumeravaButton1_->setEnabled(false);
    connect(NumeravaButton1_, &TNumeravaButton::OnClick, this,
            [this] { Main().ShowFrame(Main().NewWelcome()); });

    row_.Topic = topic.toStdString();
    row_.ModeName = modeText;
    main.PutResult(-1, row_);
    rowIndex_ = main.ResultCount() - 1;

    Timer1.setSingleShot(true);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &TfrmEndEngine::Timer1Timer);
    Timer1.start();
}

void TfrmEndEngine::SetPoints(int points) {
    points_ = points;
    lblRPtsCount_->setText(QString::number(points));
    Recompute();
}

void TfrmEndEngine::SetExercises(int exercises) {
    exercises_ = exercises;
    lblRTaskNum_->setText(QString::number(exercises));
    Recompute();
}

void TfrmEndEngine::Recompute() {
    if (exercises_ == 0) return;
    lblRAverage_->setText(QString::fromStdString(AverageText(points_, exercises_)));
    // The grade uses the exact quotient, not the truncated average on show.
    std::string description;
    std::string mark;
    MarkFor(Main().Mode, static_cast<float>(points_) / static_cast<float>(exercises_), description, mark);
    lblMark_->SetCaption(std::string_view(mark));
    lblDesc_->setText(QString::fromStdString(description));

    row_.Mark = mark;
    row_.Tasks = std::to_string(exercises_);
    row_.Points = std::to_string(points_);
    Main().PutResult(rowIndex_, row_);
}

void TfrmEndEngine::Timer1Timer() {
    Label1_->setText(Utf8(ByLanguage("Celkem příkladů", "Celkom príkladov")));
    Label3_->setText(Utf8(ByLanguage("Celkem bodů", "Celkom bodov")));
    lblAverage_->setText(Utf8(ByLanguage("Průměr", "Priemer")));
    NumeravaButton1_->setEnabled(true);
    NumeravaButton1_->SetCaption(Utf8(ByLanguage("Pokračovat", "Pokračovať")));
}

} // namespace numerava
