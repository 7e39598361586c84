#include "screens/FramesEndBike.h"

#include "catalogue/UnitsTexts.h"
#include "contest/ContestRules.h"
#include "controls/ControlFont.h"
#include "controls/Label.h"
#include "controls/ScreenBuild.h"
#include "core/Language.h"
#include "platform/Desktop.h"
#include "platform/TimeText.h"
#include "screens/FramesSummary.h"
#include "shell/FormsCloseQuery.h"
#include "shell/FormsMain.h"
#include "shell/MessageBox.h"
#include "shell/Shape.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>

namespace numerava {

namespace {

TImage* EmptyImage(QWidget* parent, QRect place) {
    auto* image = new TImage(parent);
    image->setGeometry(place);
    return image;
}

TLabel* WrappedLabel(QWidget* parent, QRect place, int pixels, Qt::Alignment alignment) {
    auto* label = new TLabel(parent);
    label->setFont(ControlFont("Tahoma", pixels, true));
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    return label;
}

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

} // namespace

TfrmEndBike::TfrmEndBike(TfrmMain& main) : TFrame(main) {
    setFixedSize(660, 480);
    SetBackground(this, Orange);

    NumeravaLabel1_ = MakeShadowLabel(this, {40, 2, 580, 40}, Utf8("Výborně! Můžeš vyrazit!"), 30, Qt::yellow,
                                      Qt::black, 2);
    NumeravaLabel1_->SetAlignment(Qt::AlignCenter);
    imgSign_ = EmptyImage(this, {1, 1, 35, 35});
    // The topic takes the room down to the table: two lines, and a smaller font for the longest
    // topics (many items of area 5), which are no contest category and keep their full text.
    nvlblLearning_ = WrappedLabel(this, {16, 40, 628, 32}, 16, Qt::AlignHCenter | Qt::AlignVCenter);
    nvlblLearning_->SetShrinkToFit(11);

    auto* table = new TShape(this);
    table->setGeometry(12, 72, 400, 226);
    table->SetBrushColor(Qt::black);
    table->SetPen(Qt::blue, 10);
    const SummaryRow money = MakeSummaryRow(this, 28, 396, 86, Utf8("Získané body"));
    const SummaryRow preTime = MakeSummaryRow(this, 28, 396, 118, Utf8("Maximální čas"));
    const SummaryRow realTime = MakeSummaryRow(this, 28, 396, 150, Utf8("Tvůj čas"));
    const SummaryRow bonus = MakeSummaryRow(this, 28, 396, 182, Utf8("Bonus za čas"));
    const SummaryRow errors = MakeSummaryRow(this, 28, 396, 214, Utf8("Za špatné odpovědi"));
    const SummaryRow points = MakeSummaryRow(this, 28, 396, 256, Utf8("Body celkem"));
    Label1_ = money.name;
    lblMoney_ = money.value;
    Label2_ = preTime.name;
    lblPreTime_ = preTime.value;
    Label3_ = realTime.name;
    lblRealTime_ = realTime.value;
    Label4_ = bonus.name;
    lblTimeBonus_ = bonus.value;
    Label6_ = errors.name;
    lblErrors_ = errors.value;
    Label5_ = points.name;
    lblPts_ = points.value;
    // The mistakes text ("5 chyb × 50b.") needs more room than a number.
    Label6_->resize(208, Label6_->height());
    lblErrors_->setGeometry(236, lblErrors_->y(), 160, lblErrors_->height());
    QPalette yellow = lblPts_->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    lblPts_->setPalette(yellow);
    Label5_->setPalette(yellow);

    Image2_ = EmptyImage(this, {424, 72, 80, 75});
    Image2_->SetProportional(true);
    lblMark_ = MakeShadowLabel(this, {506, 72, 146, 75}, QString(), 18, Qt::yellow, Qt::black, 2);
    lblMark_->SetAlignment(Qt::AlignCenter);
    lblMark_->SetWordWrap(true);
    lblDesc_ = WrappedLabel(this, {424, 152, 224, 146}, 13, Qt::AlignHCenter | Qt::AlignTop);

    // The record entry: a framed box with the contest picture and the invitation to click.
    Shape3_ = new TShape(this);
    Shape3_->setGeometry(12, 306, 440, 96);
    Shape3_->SetBrushColor(Qt::yellow);
    Shape3_->SetPen(Qt::red, 4);
    Image16_ = MakeImage(this, {20, 314, 112, 80}, ContestLogoPicture());
    Image16_->SetProportional(true);
    Image16_->setToolTip(Utf8("Zapiš se do tabulky rekordů"));
    Image16_->setCursor(Qt::PointingHandCursor);
    Label7_ = WrappedLabel(this, {140, 316, 300, 50}, 19, Qt::AlignLeft | Qt::AlignTop);
    Label10_ = MakeShadowLabel(this, {140, 364, 200, 32}, Utf8("KLIKNI"), 26, Qt::red, Qt::black, 1);
    Image3_ = MakeImage(this, {352, 326, 92, 68}, BikePicture(15));
    Image3_->SetProportional(true);
    Image3_->setCursor(Qt::PointingHandCursor);
    connect(Image16_, &TImage::OnClick, this, &TfrmEndBike::Image16Click);
    connect(Image3_, &TImage::OnClick, this, &TfrmEndBike::Image16Click);
    connect(&Timer1, &QTimer::timeout, this, &TfrmEndBike::Timer1Timer);

    lblBlinker_ = MakeShadowLabel(this, {12, 408, 420, 32}, QString(), 22, Qt::yellow, Qt::black, 1);
    lblTime_ = WrappedLabel(this, {12, 448, 420, 24}, 14, Qt::AlignLeft | Qt::AlignVCenter);
    nvbtnOK_ = MakeButton(this, {460, 412, 184, 56}, Lime, Lime, Utf8("Pokračovat"));
    nvbtnOK_->setEnabled(false);
    connect(nvbtnOK_, &TNumeravaButton::OnClick, this, &TfrmEndBike::nvbtnOKClick);

    // Everything shown here comes worked out by the contest's rules.
    final_ = ContestFinal({main.Selection(), main.ContestPoints,
                           ContestElapsed(TickCount(), main.ContestStartTick), main.ContestMistakes});
    lblMoney_->setText(QString::number(final_.Points));
    lblRealTime_->setText(Text(final_.Time));
    lblTimeBonus_->setText(QString::number(final_.TimeBonus));
    lblPreTime_->setText(Text(final_.TargetTime));
    lblErrors_->setText(Text(final_.MistakesText));
    lblPts_->setText(QString::number(final_.Score));
    lblMark_->SetCaption(final_.MarkCaption);
    lblDesc_->setText(Text(final_.Description));
    Image2_->Load(final_.MarkPicture);
    nvlblLearning_->setText(Text(final_.Topic));
    imgSign_->Load(final_.AreaPicture);
    // Names for screen readers: the vehicle picture tells the grade, both entry pictures invite.
    Image2_->setAccessibleName(lblMark_->Caption().simplified());
    imgSign_->setAccessibleName(QStringLiteral("NU %1").arg(main.Area));
    for (TImage* entry : {Image16_, Image3_})
        entry->setAccessibleName(
            Utf8(ByLanguage("Zapiš se do tabulky rekordů", "Zapíš sa do tabuľky rekordov")));

    main.ContestScore = final_.Score;
    main.PutResult(-1, final_.Row);
    ContestCategory = final_.AddressCategory;
    address_ = Text(final_.ResultAddress);

    entryOffered_ = final_.EntryOffered;
    if (entryOffered_) {
        Image16_->setEnabled(true);
        Image3_->setEnabled(true);
        Timer1.start(500);
    } else {
        noEntryMessagePending_ = true;
        HideEntry();
    }
    Label7_->setVisible(entryOffered_);

    lblTime_->setText(LongTimeText(QLocale::system(), QTime::currentTime()) + QStringLiteral("  ") +
                      QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));

    connect(&tmrBlink, &QTimer::timeout, this, &TfrmEndBike::tmrBlinkTimer);
    tmrBlink.start(200);
    StartTimer.setSingleShot(true);
    StartTimer.setInterval(10);
    connect(&StartTimer, &QTimer::timeout, this, &TfrmEndBike::FormTimer);
    StartTimer.start();
}

void TfrmEndBike::showEvent(QShowEvent* event) {
    TFrame::showEvent(event);
    // The no-entry message comes over the final screen once it is on show.
    if (noEntryMessagePending_) {
        noEntryMessagePending_ = false;
        QTimer::singleShot(0, this, [this] {
            ShowMessageBox(&Main(), QMessageBox::Information, Text(ContestNoEntryMessage(Language)));
        });
    }
}

void TfrmEndBike::FormTimer() {
    NumeravaLabel1_->SetCaption(Utf8(ByLanguage("Výborně! Můžeš vyrazit!", "Výborne! Môžeš vyraziť!")));
    Label1_->setText(Utf8("Získané body"));
    Label2_->setText(Utf8(ByLanguage("Maximální čas", "Maximálny čas")));
    Label3_->setText(Utf8(ByLanguage("Tvůj čas", "Tvoj čas")));
    Label4_->setText(Utf8("Bonus za čas"));
    Label5_->setText(Utf8(ByLanguage("Body celkem", "Body celkom")));
    Label6_->setText(Utf8(ByLanguage("Za špatné odpovědi", "Chybné odpovede")));
    Label7_->setText(Utf8(ByLanguage("Zapiš se do soutěže o diplomy", "Zapíš sa do súťaže o diplomy")));
    nvbtnOK_->setEnabled(true);
    nvbtnOK_->SetCaption(Utf8(ByLanguage("Pokračovat", "Pokračovať")));
    lblBlinker_->SetCaption(Utf8(ByLanguage("Nechceš zavolat učitele?", "Nechceš zavolať učiteľa?")));
}

void TfrmEndBike::Timer1Timer() {
    // Visible for 700 ms, hidden for 100 ms.
    Timer1.setInterval(Image16_->isVisibleTo(this) ? 100 : 700);
    for (QWidget* widget : std::initializer_list<QWidget*>{Image16_, Shape3_, Label10_, Image3_})
        widget->setVisible(!widget->isVisibleTo(this));
}

void TfrmEndBike::tmrBlinkTimer() {
    static const QColor colors[] = {Qt::yellow, Qt::red, Qt::green};
    blinkerTag_ = (blinkerTag_ + 1) % 3;
    lblBlinker_->SetFontColor(colors[blinkerTag_]);
}

void TfrmEndBike::HideEntry() {
    Timer1.stop();
    Image16_->setEnabled(false);
    Image3_->setEnabled(false);
    for (QWidget* widget : std::initializer_list<QWidget*>{Image16_, Shape3_, Label10_, Image3_, Label7_})
        widget->hide();
}

void TfrmEndBike::Image16Click() {
    if (!entryOffered_) return;
    entryOffered_ = false; // one entry per contest
    if (!OpenWebAddress(address_))
        ShowMessageBox(
            &Main(), QMessageBox::Critical,
            Utf8(ByLanguage("Máte problém s připojením k internetu!!", "Internet dočasne mimo prevázdku!!")));
    HideEntry();
}

void TfrmEndBike::nvbtnOKClick() {
    TfrmCloseQuery query(this);
    query.SetQuestion(Utf8(ByLanguage("Nechceš zavolat učitele?", "Nechceš zavolať učiteľa?")));
    query.nvbtnNo()->SetCaption(Utf8(ByLanguage("Už mě pochválil", "Už ma pochválil")));
    // Shown first so that the form's own placement of its buttons is done before they are moved.
    query.show();
    TNumeravaButton* yes = query.nvbtnYes();
    TNumeravaButton* no = query.nvbtnNo();
    const int yesWidth = yes->width();
    yes->move(yes->x() - yesWidth, yes->y());
    no->setGeometry(no->x() - yesWidth, no->y(), 2 * yesWidth, no->height());
    // Yes keeps the final screen on show for the teacher.
    if (query.exec() == TfrmCloseQuery::ResultNo) Main().ShowFrame(Main().NewWelcome());
}

} // namespace numerava
