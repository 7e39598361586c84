#include "screens/FrameInfo.h"

#include "catalogue/UnitsTexts.h"
#include "controls/ScreenBuild.h"
#include "core/Language.h"
#include "shell/FormsMain.h"
#include "shell/Shape.h"

#include <QLabel>

namespace numerava {

namespace {

constexpr int RowTops[6] = {34, 64, 97, 128, 163, 195};

// The descriptions of areas 1 to 5 (area 6 keeps its text in both languages).
constexpr std::pair<const char*, const char*> AreaTexts[5] = {
    {"- početní operace do 20, 50, 100, 1000", "- počtové operácie do 20, 50, 100, 1000"},
    {"- přirozená, desetinná, celá čísla, racionální čísla",
     "- prirodzené, desatinné, celé čísla, racionálne čísla"},
    {"- mocniny, číselné výrazy", "- mocniny, číselné výrazy"},
    {"- převádění jednotek", "- prevody jednotiek"},
    {"- slovní úlohy", "- slovné úlohy"},
};

// Label16 and Label18 .. Label20.
constexpr std::pair<const char*, const char*> ContestTexts[4] = {
    {"- žák se zapíše do tabulek rekordů na internetu", "- žiak sa zapíše do tabuliek rekordov na internete"},
    {"- diplomy a další ceny na konci pololetí", "- diplomy a ďalšie ceny každý polrok"},
    {"- tabulky rekordů jsou společné pro žáky z ČR a SR",
     "- tabuľky rekordov sú spoločné pre žiakov zo SR i ČR"},
    {"- svůj výkon v soutěži si žák může vylepšovat", "- svoj výkon v súťaži si žiak môže zlepšiť"},
};

// The worksheet line under the areas.
constexpr std::pair<const char*, const char*> WorksheetText = {
    "- pracovní list k tisku: Ctrl+P ve výběru učiva", "- pracovný list na tlač: Ctrl+P vo výbere učiva"};

} // namespace

TfrmInfo::TfrmInfo(TfrmMain& main) : TFrame(main) {
    setFixedSize(649, 421);
    SetBackground(this, Orange);

    title_ = MakeShadowLabel(this, {101, -3, 287, 36}, Utf8("Co NUMERAVA umí?"), 29, Navy, Qt::white, 1);
    title_->SetAutoSize(true); // the Slovak title is longer than the design width
    for (int row = 0; row < 6; ++row) {
        const int top = RowTops[row];
        MakeLabel(this, {16, top}, QStringLiteral("NU%1").arg(row + 1), 19, true);
        MakeImage(this, {56, top - 3, 28, 28}, QStringLiteral(":/info_area%1.jpg").arg(row + 1).toStdString())
            ->setAccessibleName(QStringLiteral("NU %1").arg(row + 1));
        QLabel* text =
            MakeLabel(this, {90, top}, Utf8(row < 5 ? AreaTexts[row].first : "- algebraické výrazy, rovnice"),
                      19, false);
        if (row < 5) areaLabels_[row] = text;
    }
    // Between the last area and the contest box, in the small type of the age line.
    worksheetLabel_ = MakeLabel(this, {90, 218}, Utf8(WorksheetText.first), 13, false);
    MakeImage(this, {515, 164, 70, 38}, ":/info_picture.jpg")->setAccessibleName(Utf8("Škola"));
    ageLabel_ = MakeLabel(this, {488, 204}, Utf8("věk 7 - 16 let"), 13, true);
    ageLabel_->setFixedWidth(130);
    ageLabel_->setAlignment(Qt::AlignHCenter);

    auto* contestBox = new TShape(this);
    contestBox->setGeometry(3, 236, 643, 140);
    contestBox->SetBrushColor(Orange);
    contestBox->SetPen(Qt::red, 1);
    // The logo of the language comes with the captions.
    contestLogo_ = new TImage(this);
    contestLogo_->setGeometry(7, 241, 114, 39);
    MakeLabel(this, {125, 237}, Utf8("- cca 10 minutový test"), 19, false);
    contestLabels_[1] = MakeLabel(this, {125, 262}, Utf8(ContestTexts[1].first), 19, false);
    contestLabels_[0] = MakeLabel(this, {12, 288}, Utf8(ContestTexts[0].first), 19, false);
    contestLabels_[2] = MakeLabel(this, {12, 315}, Utf8(ContestTexts[2].first), 19, false);
    contestLabels_[3] = MakeLabel(this, {13, 341}, Utf8(ContestTexts[3].first), 19, false);
    MakeImage(this, {568, 264, 57, 81}, ":/info.wmf")->setAccessibleName(Utf8("Pohár"));

    nvbtnExit_ = MakeButton(this, {280, 389, 96, 29}, ButtonYellow, ButtonYellow, Utf8("Zpět"));
    connect(nvbtnExit_, &TNumeravaButton::OnClick, this, [this] { Main().ShowFrame(Main().NewWelcome()); });

    Timer2.setSingleShot(true);
    Timer2.setInterval(1);
    connect(&Timer2, &QTimer::timeout, this, &TfrmInfo::Timer2Timer);
    Timer2.start();
}

void TfrmInfo::Timer2Timer() {
    contestLogo_->Load(ContestLogoPicture());
    contestLogo_->setAccessibleName(Utf8(ByLanguage("Soutěž", "Súťaž")));
    title_->SetCaption(Utf8(ByLanguage("Co NUMERAVA umí?", "Funkcie programu NUMERAVA")));
    ageLabel_->setText(Utf8(ByLanguage("věk 7 - 16 let", "vek 7 - 16 rokov")));
    for (int row = 0; row < 5; ++row) {
        areaLabels_[row]->setText(Utf8(ByLanguage(AreaTexts[row].first, AreaTexts[row].second)));
        areaLabels_[row]->adjustSize();
    }
    for (int i = 0; i < 4; ++i) {
        contestLabels_[i]->setText(Utf8(ByLanguage(ContestTexts[i].first, ContestTexts[i].second)));
        contestLabels_[i]->adjustSize();
    }
    worksheetLabel_->setText(Utf8(ByLanguage(WorksheetText.first, WorksheetText.second)));
    worksheetLabel_->adjustSize();
    nvbtnExit_->SetCaption(Utf8(ByLanguage("Zpět", "Späť")));
}

} // namespace numerava
