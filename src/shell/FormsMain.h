#pragma once
// The main window: borderless and covering the screen, it shows one screen (frame) at a time in
// its panel, holds the process-wide selection, contest fields and result rows, routes Enter and
// Escape, and asks before the program ends.

#include "catalogue/UnitsTexts.h"
#include "platform/Picture.h"
#include "shell/Frame.h"

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace numerava {

class TShape;

// The one-shot flag that lets the drill show its area-6 answer hint once per run.
extern bool AreaSixHintPending;

class TfrmMain : public QWidget {
    Q_OBJECT
public:
    // The screen switch is a posted event of this number, so that a screen can replace itself from
    // inside its own handlers.
    static constexpr int ShowFrameEvent = 1025;

    // `welcome` creates a new welcome screen (the start screen and the target of a confirmed abort).
    explicit TfrmMain(std::function<TFrame*(TfrmMain&)> welcome);
    ~TfrmMain() override;

    // Start-up after construction: shows the first screen and, once that has settled, the window
    // itself, covering the screen. After its first paint it loads the bank notes and checks every
    // picture file in `pictures` on a worker thread; the pictures that are missing or damaged are
    // reported in one message (a missing Graphics folder in one message of its own).
    void Start(std::vector<std::string> pictures = {});

    void ShowFrame(TFrame* frame);
    TFrame* CurrentFrame() const { return currentFrame_; }
    TFrame* NewWelcome() { return welcome_(*this); }

    void SelectArea(int area);
    void SetMode(int code) { Mode = static_cast<uint8_t>(code); }
    void SetDifficultySet(uint8_t set) { DifficultySet = set; }
    void SetOperationSet(uint8_t set) { OperationSet = set; }
    TSelection Selection() const { return {Mode, Area, DifficultySet, OperationSet}; }

    int ResultCount() const { return static_cast<int>(LearnResults.size()); }
    const TNVLearnResults& GetResult(int index) const { return LearnResults.at(static_cast<size_t>(index)); }
    // Index -1 appends; any other index replaces the row there.
    void PutResult(int index, TNVLearnResults row);

    // Asks the quit question; true when the pupil answered Yes.
    bool AskQuit();
    // Asks whether to abandon the run; on Yes shows a new welcome screen. While the question is open
    // it is not asked again.
    void AskAbort();

    // The bank notes 50, 20, 10, 5, 2 (indexes 0..4), loaded on first use; a missing or damaged file
    // leaves a null image (the start-up check reports it).
    const std::vector<QImage>& imlMoney();
    // The start-up check of the pictures has finished and its findings, if any, have been shown.
    bool PicturesChecked() const { return picturesReported_; }

    uint8_t Mode = 0;
    int32_t Area = 0;
    uint8_t DifficultySet = 0;
    uint8_t OperationSet = 0;
    int32_t ContestCounter = 0;
    int32_t ContestPoints = 0;
    int32_t ContestStartTick = 0;
    int32_t ContestMistakes = 0;
    int32_t ContestScore = 0;
    std::vector<TNVLearnResults> LearnResults;
    int32_t PauseStartTick = 0;
    int32_t ColorDepth = 0;

    QWidget* pnlFrames() const { return pnlFrames_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Reveal();
    void FinishStart();
    void HandleShowFrame(TFrame* frame);
    void LayOutFrame();
    void LoadMoney();
    // Names the pictures the start-up check found missing or unreadable, in one message.
    void ReportPictures(const std::vector<std::string>& unreadable);
    void EscapePressed();

    std::function<TFrame*(TfrmMain&)> welcome_;
    QWidget* pnlFrames_;
    TShape* shpOuter_;
    TShape* shpInner_;
    TFrame* currentFrame_ = nullptr;
    std::vector<QImage> money_;
    std::vector<std::string> checkedPictures_;
    bool picturesReported_ = false;
    // The abort question: posted by Escape (and not yet open), or open.
    bool abortQuestionPosted_ = false;
    bool abortQuestionWanted_ = false;
    QPointer<QDialog> abortQuestion_;
    const QEvent* lastKeyEvent_ = nullptr;
    quint64 lastKeyTime_ = 0;
    QPointer<QWidget> lastKeyTarget_;
    bool closing_ = false;
    bool finishStartPending_ = false;
};

} // namespace numerava
