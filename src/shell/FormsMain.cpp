#include "shell/FormsMain.h"

#include "catalogue/UnitsTexts.h"
#include "controls/NumeravaButton.h"
#include "core/Language.h"
#include "platform/Desktop.h"
#include "shell/FormsCloseQuery.h"
#include "shell/FrameScale.h"
#include "shell/MessageBox.h"
#include "shell/Shape.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <chrono>

namespace numerava {

bool AreaSixHintPending = false;

namespace {

const QColor Green(0, 128, 0);

// The posted screen switch carries the new frame. A switch that is never delivered (the window went
// first) deletes its frame, which nothing else owns yet.
class TShowFrameEvent : public QEvent {
public:
    explicit TShowFrameEvent(TFrame* frame)
        : QEvent(static_cast<QEvent::Type>(TfrmMain::ShowFrameEvent)), frame_(frame) {}
    ~TShowFrameEvent() override {
        if (frame_ && frame_->parent() == nullptr) delete frame_;
    }
    TShowFrameEvent(const TShowFrameEvent&) = delete;
    TShowFrameEvent& operator=(const TShowFrameEvent&) = delete;
    TFrame* Frame() const { return frame_; }

private:
    QPointer<TFrame> frame_;
};

} // namespace

TfrmMain::TfrmMain(std::function<TFrame*(TfrmMain&)> welcome)
    : welcome_(std::move(welcome)), pnlFrames_(new QWidget(this)), shpOuter_(new TShape(this)),
      shpInner_(new TShape(this)) {
    setWindowTitle(QStringLiteral("Numerava"));
    setWindowFlag(Qt::FramelessWindowHint);
    setAutoFillBackground(false);
    // paintEvent covers the whole window: Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(745, 549);

    shpOuter_->SetBrushColor(Qt::yellow);
    shpOuter_->SetPen(Qt::red, 4);
    shpInner_->SetBrushColor(QColor(128, 0, 0));
    shpInner_->SetPen(Qt::black, 10, false);
    shpOuter_->hide();
    shpInner_->hide();
    pnlFrames_->raise();

    // Start-up: the program's folder is the current one, so that "Graphics\..." is found beside it.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    ColorDepth = DisplayColorDepth();
    ChooseLanguageAtStart(SystemDefaultLangId());
    AreaSixHintPending = true;
    LearnResults.clear();
    SelectArea(1);
    SetMode(1);

    // The window sees every key before the focused control.
    qApp->installEventFilter(this);
}

TfrmMain::~TfrmMain() { qApp->removeEventFilter(this); }

void TfrmMain::Start(std::vector<std::string> pictures) {
    checkedPictures_ = std::move(pictures);
    TFrame* first = NewWelcome();
    // Shown before its start-up tick the window would paint the screen twice, the second time with
    // other captions: it waits for the final look.
    connect(first, &TFrame::Settled, this, &TfrmMain::Reveal, Qt::SingleShotConnection);
    finishStartPending_ = true;
    // Nothing is on show yet: the screen goes in at once and need not wait for its tick's timer.
    HandleShowFrame(first);
    first->SettleNow();
}

void TfrmMain::FinishStart() {
    const bool graphics = GraphicsFolderPresent();
    if (!graphics) {
        // One message for everything the folder would hold; the screens stay silent about its files.
        ShowMessageBox(this, QMessageBox::Warning,
                       QString::fromUtf8(ByLanguage(
                           "Vedle programu chybí složka Graphics s obrázky a slovními úlohami.\n"
                           "Program poběží bez nich.",
                           "Vedľa programu chýba priečinok Graphics s obrázkami a so slovnými úlohami.\n"
                           "Program pobeží bez nich.")));
    }
    if (currentFrame_) currentFrame_->WindowPainted();
    imlMoney();
    // Reading the structure and header of every picture takes about a millisecond, after the first
    // paint: done here, it needs no thread of its own.
    if (graphics && !checkedPictures_.empty()) ReportPictures(UnreadablePictures(checkedPictures_));
    picturesReported_ = true;
}

void TfrmMain::ReportPictures(const std::vector<std::string>& unreadable) {
    if (unreadable.empty()) return;
    QStringList files;
    for (const std::string& file : unreadable) files << QString::fromStdString(file);
    ShowMessageBox(this, QMessageBox::Warning,
                   QString::fromUtf8(ByLanguage("Tyto obrázky programu chybí nebo jsou poškozené, program "
                                                "poběží bez nich:",
                                                "Tieto obrázky programu chýbajú alebo sú poškodené, program "
                                                "pobeží bez nich:")) +
                       QStringLiteral("\n\n") + files.join(QLatin1Char('\n')));
}

void TfrmMain::Reveal() {
    // Cover the whole screen also where no window manager maximises the window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
    showMaximized();
    activateWindow();
}

const std::vector<QImage>& TfrmMain::imlMoney() {
    if (money_.empty()) LoadMoney();
    return money_;
}

void TfrmMain::LoadMoney() {
    // Through TPicture: a pipe, a device or a cut-off file is a missing note, never a black block.
    for (const char* file : BankNotePictures()) {
        TPicture picture;
        picture.LoadFromFile(file);
        money_.push_back(picture.HoldsBitmap() ? picture.Image() : QImage());
    }
}

void TfrmMain::ShowFrame(TFrame* frame) { QCoreApplication::postEvent(this, new TShowFrameEvent(frame)); }

bool TfrmMain::event(QEvent* event) {
    if (event->type() == static_cast<QEvent::Type>(ShowFrameEvent)) {
        HandleShowFrame(static_cast<TShowFrameEvent*>(event)->Frame());
        return true;
    }
    return QWidget::event(event);
}

void TfrmMain::HandleShowFrame(TFrame* frame) {
    if (frame == nullptr || frame == currentFrame_) return;
    // Posted, so the handler that asked for the switch has returned: the old frame can go now.
    delete currentFrame_;
    currentFrame_ = frame;
    frame->setParent(pnlFrames_);
    frame->move(0, 0);
    frame->show();
    LayOutFrame();
    frame->setFocus();
}

void TfrmMain::LayOutFrame() {
    if (!currentFrame_) return;
    pnlFrames_->resize(currentFrame_->size());
    // Centred; a frame larger than the window gets negative offsets, truncated toward zero.
    const int left = (width() - pnlFrames_->width()) / 2;
    const int top = (height() - pnlFrames_->height()) / 2;
    pnlFrames_->move(left, top);
    const QRect border(left - FrameBorder, top - FrameBorder, pnlFrames_->width() + 2 * FrameBorder,
                       pnlFrames_->height() + 2 * FrameBorder);
    shpOuter_->setGeometry(border);
    shpInner_->setGeometry(border);
    shpOuter_->show();
    shpInner_->show();
    shpOuter_->raise();
    shpInner_->raise();
    pnlFrames_->raise();
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutFrame();
}

void TfrmMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Green);
    // What the first screen does not show waits until that screen is on the display.
    if (finishStartPending_) {
        finishStartPending_ = false;
        QTimer::singleShot(0, this, &TfrmMain::FinishStart);
    }
}

void TfrmMain::SelectArea(int area) {
    if (area == Area) return;
    Area = area;
    DifficultySet = 0;
    OperationSet = 0;
    Mode = 1;
}

void TfrmMain::PutResult(int index, TNVLearnResults row) {
    if (index == -1) LearnResults.push_back(std::move(row));
    else LearnResults.at(static_cast<size_t>(index)) = std::move(row);
}

bool TfrmMain::AskQuit() {
    TfrmCloseQuery query(this);
    return query.exec() == TfrmCloseQuery::ResultYes;
}

void TfrmMain::AskAbort() {
    if (abortQuestion_) return;
    TfrmCloseQuery query(this);
    abortQuestion_ = &query;
    query.nvbtnYes()->SetColor(Qt::yellow);
    query.SetQuestion(QString::fromUtf8(
        ByLanguage("Opravdu chceš přerušit počítání?", "Naozaj chceš prerušiť počítanie?")));
    const int answer = query.exec();
    abortQuestion_ = nullptr;
    if (answer == TfrmCloseQuery::ResultYes) ShowFrame(NewWelcome());
}

void TfrmMain::EscapePressed() {
    // One question at a time. An open question is answered No; a question posted but not yet open
    // is answered No as well (it is not asked), and a further Escape asks it again.
    if (abortQuestion_) {
        abortQuestion_->done(TfrmCloseQuery::ResultNo);
        return;
    }
    abortQuestionWanted_ = !abortQuestionPosted_ || !abortQuestionWanted_;
    if (abortQuestionPosted_) return;
    abortQuestionPosted_ = true;
    QTimer::singleShot(0, this, [this] {
        abortQuestionPosted_ = false;
        if (abortQuestionWanted_ && currentFrame_ && currentFrame_->AbortOnEscape()) AskAbort();
    });
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false; // the modal questions handle their own keys
    // A key an ignoring child passes on to its parent arrives here again: route it once.
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event == lastKeyEvent_ && key->timestamp() == lastKeyTime_ && lastKeyTarget_ &&
        widget != lastKeyTarget_ && widget->isAncestorOf(lastKeyTarget_))
        return false;
    lastKeyEvent_ = event;
    lastKeyTime_ = key->timestamp();
    lastKeyTarget_ = widget;

    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (currentFrame_) currentFrame_->EnterPressed();
        return false; // the focused control still gets Enter
    }
    if (key->key() == Qt::Key_Escape && currentFrame_ && currentFrame_->AbortOnEscape()) {
        EscapePressed();
        return true;
    }
    return false;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (closing_ || !AskQuit()) {
        event->setAccepted(closing_);
        return;
    }
    closing_ = true;
    event->accept();
}

} // namespace numerava
