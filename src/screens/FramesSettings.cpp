#include "screens/FramesSettings.h"

#include "catalogue/Selection.h"
#include "catalogue/UnitsTexts.h"
#include "catalogue/WordProblemData.h"
#include "controls/ControlFont.h"
#include "controls/NumeravaCheck.h"
#include "controls/NumeravaRadio.h"
#include "controls/ScreenBuild.h"
#include "core/Language.h"
#include "screens/FramesBikeInfo.h"
#include "screens/FramesEngine.h"
#include "screens/WorksheetSave.h"
#include "shell/FormsMain.h"
#include "shell/MessageBox.h"

#include <QShortcut>

namespace numerava {

namespace {

const QColor LightBlue(64, 160, 255);
const QColor PanelBlue(0, 138, 204);

constexpr int ModeRadioLefts[4] = {9, 168, 324, 480};
constexpr int ModeRadioWidths[4] = {156, 153, 153, 153};
constexpr int RowTops[6] = {8, 60, 112, 164, 216, 268};
// The area whose items are the sections of the word-problem file.
constexpr int WordProblemArea = 5;
// Items 5 and 6 exist only in area 5.
constexpr uint8_t AreaFiveItems = 96;
// The "Bez limitu" captions have two lines and need a smaller font: 11 points at 96 dpi.
constexpr int SmallModeFontPixels = 15;

} // namespace

TfrmSettings::TfrmSettings(TfrmMain& main) : TFrame(main) {
    setFixedSize(640, 475);
    SetBackground(this, Orange);
    const int area = main.Area;

    title_ = MakeShadowLabel(this, {0, 0, 640, 45}, Utf8("Výběr učiva"), 32, Qt::yellow, Qt::black, 1);
    title_->SetAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    imgSign_ = new TImage(this);
    imgSign_->setGeometry(1, 1, 35, 35);
    imgSign_->SetProportional(true);

    for (int mode = 1; mode <= 4; ++mode) {
        const QRect place(ModeRadioLefts[mode - 1], 52, ModeRadioWidths[mode - 1], 45);
        auto* radio =
            MakeStyledButton<TNumeravaRadio>(this, place, mode == 4 ? QColor(Qt::red) : LightBlue, Qt::blue,
                                             Utf8(ModeCaption(mode, 1).c_str()), mode == 3 ? 19 : 17);
        radio->SetRadioGroup(1);
        radio->SetTag(mode);
        connect(radio, &TNVCustomButton::OnPush, this, &TfrmSettings::ModePushed);
        modeRadios_[static_cast<size_t>(mode - 1)] = radio;
    }

    pnlMain_ = new QWidget(this);
    pnlMain_->setGeometry(8, 104, 625, 321);
    SetBackground(pnlMain_, PanelBlue);
    for (int item = 1; item <= 6; ++item) {
        const int top = RowTops[item - 1];
        auto* difficulty = MakeStyledButton<TNumeravaCheck>(pnlMain_, {8, top, 301, 45}, LightBlue, Qt::blue,
                                                            Utf8(DifficultyName(area, item).c_str()));
        // The fourth right-hand row sits one pixel lower and is one pixel shorter.
        const QRect operationPlace = item == 4 ? QRect(316, 165, 301, 44) : QRect(316, top, 301, 45);
        auto* operation = MakeStyledButton<TNumeravaCheck>(pnlMain_, operationPlace, LightBlue, Qt::blue,
                                                           Utf8(OperationName(area, item).c_str()));
        difficulty->SetTag(item);
        operation->SetTag(item);
        connect(difficulty, &TNVCustomButton::OnPush, this, &TfrmSettings::DifficultyPushed);
        connect(operation, &TNVCustomButton::OnPush, this, &TfrmSettings::OperationPushed);
        difficultyButtons_[static_cast<size_t>(item - 1)] = difficulty;
        operationButtons_[static_cast<size_t>(item - 1)] = operation;
    }

    btnSelectAll_ = MakeButton(this, {8, 428, 177, 45}, ButtonYellow, ButtonYellow, Utf8("Označit vše"));
    btnSelectAll_->SetTag(0);
    nvbtnBack_ = MakeButton(this, {272, 444, 97, 29}, ButtonYellow, ButtonYellow, Utf8("Zpět"));
    nvbtnOK_ = MakeButton(this, {432, 428, 201, 45}, Lime, Lime, Utf8("Pokračovat"));
    connect(btnSelectAll_, &TNumeravaButton::OnClick, this, &TfrmSettings::SelectAllClick);
    connect(nvbtnBack_, &TNumeravaButton::OnClick, this, [this] { Main().ShowFrame(Main().NewWelcome()); });
    connect(nvbtnOK_, &TNumeravaButton::OnClick, this, &TfrmSettings::ContinueClick);

    // The current choices show pushed. The pushes notify, and the handlers re-add what is already
    // in the sets, so the selection stays as it was.
    if (main.Mode >= 1 && main.Mode <= 4) ModeRadio(main.Mode)->SetPushed(true);
    const uint8_t difficulties = main.DifficultySet;
    const uint8_t operations = main.OperationSet;
    for (int item = 1; item <= 6; ++item) {
        if (HasItem(difficulties, item)) nvrdbDiff(item)->SetPushed(true);
        if (HasItem(operations, item)) nvchk(item)->SetPushed(true);
    }

    if (area != 5) {
        // Four rows: the fifth is hidden, the sixth lies below the shortened panel.
        nvrdbDiff(5)->hide();
        nvchk(5)->hide();
        main.SetDifficultySet(static_cast<uint8_t>(main.DifficultySet & ~AreaFiveItems));
        main.SetOperationSet(static_cast<uint8_t>(main.OperationSet & ~AreaFiveItems));
        pnlMain_->resize(pnlMain_->width(), 217);
    }
    ModeRadio(4)->SetCaption(Utf8(ModeCaption(4, area).c_str()));
    if (area >= 4 && area <= 6) {
        SetLimitVSmallFont();
        ModeRadio(2)->SetCaption(Utf8(ModeCaption(2, area).c_str()));
    }
    imgSign_->Load(AreaPicture(area));
    imgSign_->setAccessibleName(QStringLiteral("NU %1").arg(area));

    // Ctrl+P saves a worksheet of the current selection to print.
    auto* saveWorksheet = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(saveWorksheet, &QShortcut::activated, this,
            [this] { SaveSelectionWorksheet(this, Main().Selection()); });

    Timer1.setSingleShot(true);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &TfrmSettings::Timer1Timer);
    Timer1.start();
}

void TfrmSettings::SetLimitVSmallFont() {
    TNumeravaRadio* limitV = ModeRadio(2);
    limitV->SetFont(ControlFont("Tahoma", SmallModeFontPixels, true));
    limitV->SetPushedFont(ControlFont("Tahoma", SmallModeFontPixels, true));
}

void TfrmSettings::ModePushed(TNVCustomButton* sender) { Main().SetMode(sender->Tag()); }

void TfrmSettings::DifficultyPushed(TNVCustomButton* sender) {
    Main().SetDifficultySet(WithItem(Main().DifficultySet, sender->Tag(), sender->Pushed()));
}

void TfrmSettings::OperationPushed(TNVCustomButton* sender) {
    Main().SetOperationSet(WithItem(Main().OperationSet, sender->Tag(), sender->Pushed()));
}

void TfrmSettings::SelectAllClick() {
    if (btnSelectAll_->Tag() == 0) {
        const int lastItem = Main().Area == 5 ? 6 : 4;
        for (int item = 1; item <= lastItem; ++item) {
            nvrdbDiff(item)->SetPushed(true);
            nvchk(item)->SetPushed(true);
        }
        btnSelectAll_->SetTag(1);
        btnSelectAll_->SetCaption(Utf8(ByLanguage("Zrušit vše", "Zrušiť všetko")));
    } else {
        for (int item = 1; item <= 6; ++item) {
            nvrdbDiff(item)->SetPushed(false);
            nvchk(item)->SetPushed(false);
        }
        btnSelectAll_->SetTag(0);
        btnSelectAll_->SetCaption(Utf8(ByLanguage("Označit vše", "Označiť všetko")));
    }
}

void TfrmSettings::ContinueClick() {
    TfrmMain& main = Main();
    uint8_t difficulties = main.DifficultySet;
    uint8_t operations = main.OperationSet;
    FillDefaults(main.Area, difficulties, operations);
    // Word problems come from the data file: without it (or without problems in a chosen section)
    // a drill would ask empty questions. The pupil is told and stays here.
    if (main.Area == WordProblemArea && !SectionsHaveProblems(difficulties, operations)) {
        ShowMessageBox(
            &main, QMessageBox::Warning,
            Utf8(ByLanguage("Slovní úlohy teď procvičovat nelze: v souboru Graphics/numerava_cz.dat "
                            "nejsou úlohy pro vybrané učivo (soubor chybí nebo je poškozený).",
                            "Slovné úlohy teraz nemožno precvičovať: v súbore Graphics/numerava_sk.dat "
                            "nie sú úlohy pre vybrané učivo (súbor chýba alebo je poškodený).")));
        return;
    }
    ContestCategory = static_cast<uint16_t>(main.Area);
    main.SetDifficultySet(difficulties);
    main.SetOperationSet(operations);
    if (main.Mode == ModeContest)
        main.ShowFrame(
            new TfrmBikeInfo(main, [](TfrmMain& owner) -> TFrame* { return new TfrmSettings(owner); }));
    else main.ShowFrame(new TfrmEngine(main));
}

void TfrmSettings::Timer1Timer() {
    nvbtnBack_->SetCaption(Utf8(ByLanguage("Zpět", "Späť")));
    if (btnSelectAll_->Caption().startsWith(QLatin1Char('O')))
        btnSelectAll_->SetCaption(Utf8(ByLanguage("Označit vše", "Označiť všetko")));
    else if (btnSelectAll_->Caption().startsWith(QLatin1Char('Z')))
        btnSelectAll_->SetCaption(Utf8(ByLanguage("Zrušit vše", "Zrušiť všetko")));
    nvbtnOK_->SetCaption(Utf8(ByLanguage("Pokračovat", "Pokračovať")));
    ModeRadio(1)->SetCaption(Utf8(ByLanguage("Procvičování 1", "Precvičovanie 1")));
    TNumeravaRadio* limitV = ModeRadio(2);
    if (limitV->Caption().startsWith(QLatin1Char('P'))) {
        limitV->SetCaption(Utf8(ByLanguage("Procvičování 2", "Precvičovanie 2")));
    } else if (limitV->Caption().startsWith(QLatin1Char('B'))) {
        SetLimitVSmallFont();
        const int area = Main().Area;
        limitV->SetCaption(Utf8(
            ByLanguage(area == 4 || area == 5 ? "Bez limitu\r10 příkladů" : "Bez limitu\r20 příkladů",
                       area == 4 || area == 5 ? "Bez limitu\r10 príkladov" : "Bez limitu\r20 príkladov")));
    }
    title_->SetCaption(Utf8(ByLanguage("Výběr učiva", "Výber učiva")));
}

} // namespace numerava
