#include "screens/FramesBikeResult.h"

#include "catalogue/UnitsTexts.h"
#include "contest/ContestRules.h"
#include "controls/ControlFont.h"
#include "controls/Label.h"
#include "controls/ScreenBuild.h"
#include "core/Language.h"
#include "platform/Desktop.h"
#include "screens/FramesEngine.h"
#include "shell/FormsMain.h"
#include "shell/Shape.h"

#include <QLabel>

namespace numerava {

namespace {

constexpr int Parts = 16;

QLabel* TextLabel(QWidget* parent, QRect place, int pixels, QColor color) {
    auto* label = new TLabel(parent);
    label->setGeometry(place);
    label->setFont(ControlFont("Tahoma", pixels, true));
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

} // namespace

TfrmBikeResult::TfrmBikeResult(TfrmMain& main) : TFrame(main) {
    setFixedSize(660, 480);
    SetBackground(this, Orange);
    const int part = main.ContestCounter;

    lblCaption_ = MakeShadowLabel(this, {0, 8, 660, 44}, QString(), 30, Qt::yellow, Qt::black, 2);
    lblCaption_->SetAlignment(Qt::AlignCenter);
    const int price = PartPrice(part);
    lblCaption_->SetCaption(
        part == 1
            ? Utf8(ByLanguage("Výborně, máš prvních %1 bodů!", "Výborne, máš prvých %1 bodov!")).arg(price)
            : Utf8(ByLanguage("Výborně, máš dalších %1 bodů!", "Výborne, máš ďalších %1 bodov!")).arg(price));

    imgBike_ = new TImage(this);
    imgBike_->setGeometry(16, 64, 352, 264);
    imgBike_->SetProportional(true);
    imgBike_->Load(BikePicture(part));
    imgBike_->setAccessibleName(Utf8(ByLanguage("Kolo", "Bicykel")));

    // Progress: 12 pixels per part over a 192-pixel bar.
    Shape1_ = new TShape(this);
    Shape1_->setGeometry(16, 348, 192, 20);
    Shape1_->SetBrushColor(Qt::white);
    Shape1_->SetPen(Qt::black, 1);
    Shape2_ = new TShape(this);
    Shape2_->setGeometry(16, 348, part * 12, 20);
    Shape2_->SetBrushColor(ClGreen);
    Shape2_->SetPen(Qt::black, 1);
    Label1_ = TextLabel(this, {220, 344, 150, 28}, 19, Qt::black);
    Label1_->setText(QStringLiteral("HOTOVO %1/16").arg(part));

    lblBought_ = TextLabel(this, {384, 64, 260, 24}, 16, Qt::black);
    lblRBought_ = TextLabel(this, {384, 88, 260, 48}, 19, Qt::yellow);
    lblRBought_->setText(QString::fromStdString(PartName(part)));
    lblBuy_ = TextLabel(this, {384, 140, 260, 24}, 16, Qt::black);
    lblRBuy_ = TextLabel(this, {384, 164, 260, 48}, 19, Qt::yellow);
    lblRBuy_->setText(QString::fromStdString(PartName(part + 1)));
    lblMoney_ = TextLabel(this, {384, 216, 260, 24}, 16, Qt::black);
    lblRMoney_ = TextLabel(this, {384, 240, 260, 28}, 19, Qt::yellow);
    lblRMoney_->setText(Utf8(ByLanguage("%1 bodů", "%1 bodov")).arg(PartPrice(part + 1)));
    lblCount_ = TextLabel(this, {384, 276, 260, 24}, 16, Qt::black);
    lblRCount_ = TextLabel(this, {384, 300, 260, 28}, 19, Qt::yellow);
    lblRCount_->setText(QString::fromStdString(ContestPartsLeftText(Parts - part, Language)));
    for (QLabel* label : {lblBought_, lblBuy_, lblMoney_, lblCount_}) label->setEnabled(false);

    nvbtnOK_ = MakeButton(this, {412, 400, 232, 64}, Lime, Lime, QString());
    nvbtnOK_->setEnabled(false);
    connect(nvbtnOK_, &TNumeravaButton::OnClick, this, &TfrmBikeResult::nvbtnOKClick);

    // The time spent on this screen does not count.
    main.PauseStartTick = static_cast<int32_t>(TickCount());

    Timer1.setSingleShot(true);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &TfrmBikeResult::Timer1Timer);
    Timer1.start();
}

void TfrmBikeResult::Timer1Timer() {
    for (QLabel* label : {lblBought_, lblBuy_, lblMoney_, lblCount_}) label->setEnabled(true);
    nvbtnOK_->setEnabled(true);
    lblBought_->setText(Utf8(ByLanguage("Získáváš", "Získavaš")));
    lblBuy_->setText(Utf8(ByLanguage("Další díl", "Ďalší diel je")));
    lblMoney_->setText(Utf8(ByLanguage("Cena tohoto dílu", "Cena tohto dielu je")));
    lblCount_->setText(Utf8(ByLanguage("Zbývá koupit", "Zostáva kúpiť")));
    nvbtnOK_->SetCaption(Utf8(ByLanguage("Pokračovat\r\n\"ENTER\"", "Pokračovať\r\n\"ENTER\"")));
}

void TfrmBikeResult::nvbtnOKClick() {
    // The switch to the next drill is posted: a second Enter or click before it must not start
    // another part.
    if (continued_) return;
    continued_ = true;
    TfrmMain& main = Main();
    ++main.ContestCounter;
    main.ContestStartTick = ContestStartAfterPause(TickCount(), main.ContestStartTick, main.PauseStartTick);
    main.ShowFrame(new TfrmEngine(main));
}

} // namespace numerava
