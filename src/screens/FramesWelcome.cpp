#include "screens/FramesWelcome.h"

#include "catalogue/UnitsTexts.h"
#include "catalogue/WebAddresses.h"
#include "catalogue/WordProblemFile.h"
#include "controls/ControlFont.h"
#include "controls/GroupBox.h"
#include "controls/ScreenBuild.h"
#include "core/Language.h"
#include "platform/Desktop.h"
#include "platform/Picture.h"
#include "screens/FrameInfo.h"
#include "screens/FramesResults.h"
#include "screens/FramesSettings.h"
#include "shell/FormsMain.h"
#include "shell/MessageBox.h"

#include <QGroupBox>
#include <QSet>

namespace numerava {

namespace {

const QColor AreaBlue(64, 160, 255);
const QColor ChooseBlue(0, 138, 204);

struct AreaButtonLayout {
    int top, height;
    QRect picture;
};

constexpr AreaButtonLayout AreaButtons[6] = {
    {8, 47, {8, 8, 35, 32}},    {58, 49, {8, 9, 35, 30}},  {111, 50, {12, 7, 24, 35}},
    {164, 47, {8, 12, 35, 25}}, {214, 48, {8, 7, 35, 35}}, {266, 47, {8, 7, 35, 35}},
};

// A flag grows to 50 x 30 when its language is chosen and shrinks back to 40 x 24.
void Enlarge(QWidget* flag) { flag->setGeometry(flag->x() - 5, flag->y() - 3, 50, 30); }
void Shrink(QWidget* flag) { flag->setGeometry(flag->x() + 5, flag->y() + 3, 40, 24); }

// A broken data file is reported once per file and run, not every time the menu comes back.
QSet<QString>& ReportedDataFiles() {
    static QSet<QString> reported;
    return reported;
}

} // namespace

TfrmWelcome::TfrmWelcome(TfrmMain& main) : TFrame(main) {
    setFixedSize(648, 470);
    SetBackground(this, Orange);

    auto* title =
        MakeShadowLabel(this, {8, 15, 511, 115}, QStringLiteral("NUMERAVA"), 93, Navy, Qt::white, 3);
    title->SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The title's 93-pixel letters are slow to draw: they are drawn meanwhile on the second core.
    title->Prepare();
    MakeShadowLabel(this, {17, 4, 365, 30}, Utf8("Testovací program 2023/2024"), 24, Qt::yellow, Qt::black,
                    1);

    czechFlag_ = MakeImage(this, {542, 76, 40, 24}, ":/flag_cz.bmp");
    slovakFlag_ = MakeImage(this, {592, 75, 40, 25}, ":/flag_sk.bmp");
    for (TImage* flag : {czechFlag_, slovakFlag_}) flag->setCursor(Qt::PointingHandCursor);
    // Each language is named in itself, as language choices are.
    czechFlag_->setAccessibleName(Utf8("Čeština"));
    slovakFlag_->setAccessibleName(Utf8("Slovenčina"));
    MakeLabel(this, {550, 58}, QStringLiteral("Vyber jazyk"), 11, true, Qt::black, "MS Sans Serif");
    titlePicture_ = MakeImage(this, {8, 183, 417, 228}, ":/title.bmp");
    MakeLabel(this, {356, 187}, QStringLiteral("1.9.2023"), 16, true, Qt::black, "MS Sans Serif");

    categoriesButton_ = MakeButton(this, {8, 131, 209, 47}, Lime, Lime, QString());
    helpButton_ = MakeButton(this, {224, 131, 205, 47}, Lime, Lime, Utf8("Jak a čím začít?"));

    // The font before the title: a title set first is measured in the default font, which would be
    // loaded for nothing.
    groupBox_ = new TGroupBox(this);
    groupBox_->setFont(ControlFont("MS Sans Serif", 16, true));
    groupBox_->setTitle(Utf8("Nastavení učiva"));
    groupBox_->setGeometry(434, 122, 212, 343);
    auto* choose = new QWidget(groupBox_);
    choose->setGeometry(6, 22, 201, 318);
    SetBackground(choose, ChooseBlue);
    for (int area = 1; area <= 6; ++area) {
        const AreaButtonLayout& layout = AreaButtons[area - 1];
        auto* button = MakeButton(choose, {8, layout.top, 185, layout.height}, AreaBlue, Qt::blue,
                                  QStringLiteral("NUMERAVA %1").arg(area));
        button->SetTag(area);
        button->SetTextDisplacement(37);
        button->SetPictureLeft(layout.picture.left());
        button->SetPictureTop(layout.picture.top());
        button->SetPictureWidth(layout.picture.width());
        button->SetPictureHeight(layout.picture.height());
        button->SetPictureTransparent(area == 1);
        button->LoadPicture(AreaPicture(area));
        connect(button, &TNumeravaButton::OnClick, this, [this, area] {
            Main().SelectArea(area);
            Main().ShowFrame(new TfrmSettings(Main()));
        });
        areaButtons_[static_cast<size_t>(area - 1)] = button;
    }

    nvbtnExit_ = MakeButton(this, {10, 419, 116, 45}, Qt::red, Qt::red, QStringLiteral("Konec"));
    btnResults_ = MakeButton(this, {130, 419, 168, 45}, ButtonYellow, ButtonYellow, Utf8("Přehled známek"));
    btnInfo_ =
        MakeButton(this, {302, 419, 128, 45}, ButtonYellow, ButtonYellow, QStringLiteral("O programe"));

    connect(nvbtnExit_, &TNumeravaButton::OnClick, this, [this] { Main().close(); });
    connect(btnResults_, &TNumeravaButton::OnClick, this,
            [this] { Main().ShowFrame(new TfrmResults(Main())); });
    connect(btnInfo_, &TNumeravaButton::OnClick, this, [this] { Main().ShowFrame(new TfrmInfo(Main())); });
    connect(categoriesButton_, &TNumeravaButton::OnClick, this, [this] {
        OpenContestPage(Language == LanguageSlovak ? "kategorie.php?jazyk=sk" : "kategorie.php?jazyk=cz");
    });
    connect(helpButton_, &TNumeravaButton::OnClick, this, [this] {
        OpenContestPage(Language == LanguageSlovak ? "otazky.php?jazyk=sk&cislo_otazky=5"
                                                   : "otazky.php?jazyk=cz&cislo_otazky=5");
    });
    connect(czechFlag_, &TImage::OnClick, this,
            [this] { FlagClick(czechFlag_, slovakFlag_, LanguageCzech); });
    connect(slovakFlag_, &TImage::OnClick, this,
            [this] { FlagClick(slovakFlag_, czechFlag_, LanguageSlovak); });

    Timer1.setSingleShot(true);
    Timer1.setInterval(1);
    connect(&Timer1, &QTimer::timeout, this, &TfrmWelcome::Timer1Timer);
    Timer1.start();
}

void TfrmWelcome::Timer1Timer() {
    Caption();
    TImage* current = Language == LanguageSlovak ? slovakFlag_ : czechFlag_;
    TImage* other = Language == LanguageSlovak ? czechFlag_ : slovakFlag_;
    Enlarge(current);
    if (other->width() == 50) Shrink(other);
    emit Settled();
    if (!dataFileAfterPaint_) LoadDataFile();
}

void TfrmWelcome::SettleNow() {
    if (!Timer1.isActive()) return;
    Timer1.stop();
    dataFileAfterPaint_ = true;
    Timer1Timer();
}

void TfrmWelcome::WindowPainted() {
    if (!dataFileAfterPaint_) return;
    dataFileAfterPaint_ = false;
    LoadDataFile();
}

void TfrmWelcome::Caption() {
    groupBox_->setTitle(Utf8(ByLanguage("Výběr učiva", "Výber učiva")));
    btnInfo_->SetCaption(Utf8(ByLanguage("O programu", "O programe")));
    nvbtnExit_->SetCaption(Utf8(ByLanguage("Konec", "Koniec")));
    btnResults_->SetCaption(Utf8(ByLanguage("Přehled známek", "Prehľad známok")));
    categoriesButton_->SetCaption(Utf8(ByLanguage("30 kategorií soutěže", "30 kategórií súťaže")));
    helpButton_->SetCaption(Utf8(ByLanguage("Jak ukládat žáky?", "Ako ukladať žiakov?")));
    titlePicture_->setAccessibleName(
        Utf8(ByLanguage("Tabule s příklady, balonky a kolo", "Tabuľa s príkladmi, balóny a bicykel")));
}

void TfrmWelcome::FlagClick(TImage* flag, TImage* other, uint16_t language) {
    if (flag->width() == 40) {
        Enlarge(flag);
        if (other->width() == 50) Shrink(other);
    }
    Language = language;
    Caption();
    LoadDataFile();
}

void TfrmWelcome::LoadDataFile() {
    const std::string path =
        Language == LanguageSlovak ? "Graphics\\numerava_sk.dat" : "Graphics\\numerava_cz.dat";
    // A file with lines left out is still loaded; its message names those lines.
    TWordProblemFileReport report;
    const WordProblemFileError error = LoadWordProblemFile(path, &report);
    // Without the Graphics folder the main window has said so once for all its files.
    if (error == WordProblemFileError::None || !GraphicsFolderPresent()) return;
    const QString file = QString::fromStdString(WithForwardSlashes(path));
    if (ReportedDataFiles().contains(file)) return;
    ReportedDataFiles().insert(file);
    ShowMessageBox(&Main(), QMessageBox::Warning,
                   QString::fromStdString(WordProblemFileMessage(report, Language)) + QStringLiteral("\n") +
                       file);
}

void TfrmWelcome::OpenContestPage(const std::string& pathAndQuery) {
    if (OpenWebAddress(QString::fromStdString(ContestPage(pathAndQuery)))) return;
    ShowMessageBox(
        &Main(), QMessageBox::Critical,
        Utf8(ByLanguage("Máte problém s připojením k internetu!!", "Internet dočasne mimo prevázdku!!")));
}

} // namespace numerava
