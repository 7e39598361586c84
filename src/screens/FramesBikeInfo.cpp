#include "screens/FramesBikeInfo.h"

#include "contest/ContestRules.h"
#include "controls/ControlFont.h"
#include "controls/Label.h"
#include "controls/ScreenBuild.h"
#include "core/Language.h"
#include "platform/Desktop.h"
#include "screens/FramesEngine.h"
#include "shell/FormsMain.h"

#include <QLabel>

namespace numerava {

void StartContest(TfrmMain& main) {
    ContestWarningPending = true;
    main.ContestCounter = 1;
    main.ContestPoints = 0;
    main.ContestStartTick = static_cast<int32_t>(TickCount());
    main.ContestMistakes = 0;
    main.ShowFrame(new TfrmEngine(main));
}

TfrmBikeInfo::TfrmBikeInfo(TfrmMain& main, std::function<TFrame*(TfrmMain&)> topicScreen)
    : TFrame(main), topicScreen_(std::move(topicScreen)) {
    setFixedSize(660, 480);
    SetBackground(this, Orange);

    NumeravaLabel2_ = MakeShadowLabel(this, {0, 24, 660, 50}, Utf8("SOUTĚŽ O DIPLOMY A DALŠÍ CENY"), 32,
                                      Qt::yellow, Qt::black, 2);
    NumeravaLabel2_->SetAlignment(Qt::AlignCenter);

    Label4_ = new TLabel(
        Utf8("Za každý příklad dostaneš bankovku podle rychlosti odpovědi. Za tyto peníze si koupíš "
             "16 dílů jízdního kola."),
        this);
    Label4_->setGeometry(60, 110, 540, 110);
    Label4_->setFont(ControlFont("Tahoma", 24, true));
    Label4_->setWordWrap(true);
    Label4_->setAlignment(Qt::AlignCenter);

    NumeravaLabel4_ =
        MakeShadowLabel(this, {0, 240, 660, 44}, Utf8("každá chyba = -50 bodů!"), 30, Qt::red, Qt::black, 1);
    NumeravaLabel4_->SetAlignment(Qt::AlignCenter);

    lblDuration_ = new TLabel(Utf8("cca 20 min."), this);
    lblDuration_->setGeometry(0, 300, 660, 32);
    lblDuration_->setFont(ControlFont("Tahoma", 24, true));
    lblDuration_->setAlignment(Qt::AlignCenter);

    nvbtnBack_ = MakeButton(this, {16, 416, 150, 48}, ButtonYellow, ButtonYellow, Utf8("Zpět"));
    NumeravaButton2_ = MakeButton(this, {380, 400, 264, 64}, Lime, Lime, Utf8("START SOUTĚŽE"), 24);
    nvbtnBack_->setEnabled(false);
    NumeravaButton2_->setEnabled(false);
    connect(nvbtnBack_, &TNumeravaButton::OnClick, this, [this] { Main().ShowFrame(topicScreen_(Main())); });
    connect(NumeravaButton2_, &TNumeravaButton::OnClick, this, &TfrmBikeInfo::NumeravaButton2Click);

    Timer1.setSingleShot(true);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &TfrmBikeInfo::Timer1Timer);
    Timer1.start();
}

void TfrmBikeInfo::Timer1Timer() {
    nvbtnBack_->setEnabled(true);
    NumeravaButton2_->setEnabled(true);
    NumeravaLabel2_->SetCaption(
        Utf8(ByLanguage("SOUTĚŽ O DIPLOMY A DALŠÍ CENY", "SÚŤAŽ O DIPLOMY A ĎALŠIE CENY")));
    Label4_->setText(
        Utf8(ByLanguage("Za každý příklad dostaneš bankovku podle rychlosti odpovědi. Za tyto peníze si "
                        "koupíš 16 dílů jízdního kola.",
                        "Za každý príklad dostaneš bankovku podľa rýchlosti odpovede. Za tieto peniaze si "
                        "kúpiš 16 dielov bicykla.")));
    NumeravaLabel4_->SetCaption(Utf8(ByLanguage("každá chyba = -50 bodů!", "každá chyba = -50 bodov!")));
    nvbtnBack_->SetCaption(Utf8(ByLanguage("Zpět", "Späť")));
    NumeravaButton2_->SetCaption(Utf8(ByLanguage("START SOUTĚŽE", "ŠTART SÚŤAŽE")));
}

void TfrmBikeInfo::NumeravaButton2Click() { StartContest(Main()); }

} // namespace numerava
