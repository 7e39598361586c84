#pragma once
// The drill screen: one exercise after another against the countdown. The drill's rules live in
// TDrillModel; this screen forwards key presses, timer ticks and clicks to it and shows its state.

#include "engine/DrillModel.h"
#include "shell/Frame.h"

#include <QTimer>

#include <memory>

class QKeyEvent;
class QLabel;
class QProgressBar;

namespace numerava {

class TImage;
class TNumeravaButton;
class TNumeravaEdit;
class TNumeravaEquation;
class TNumeravaLabel;
class TShape;

class TfrmEngine : public TFrame {
    Q_OBJECT
public:
    explicit TfrmEngine(TfrmMain& main);
    ~TfrmEngine() override;

    bool AbortOnEscape() const override { return true; }
    // Enter acknowledges a verdict (or the area-6 hint) while btnRemember is visible.
    void EnterPressed() override;

    const TDrillModel& Model() const { return *model_; }

    // Handlers, public so that tests can drive the screen without waiting.
    void AnswerKeyPress(QKeyEvent* event);
    void tmrEngineTimer();
    void btnRememberClick();
    void Timer1Timer();
    void Timer2Timer();

    QTimer tmrEngine;
    QTimer Timer1;
    QTimer Timer2;

    TNumeravaEdit* nvedtResult() const { return nvedtResult_; }
    TNumeravaEdit* nvedtText() const { return nvedtText_; }
    TNumeravaEdit* AnswerEdit() const;
    TNumeravaButton* btnRemember() const { return btnRemember_; }
    TNumeravaButton* btnAbort() const { return btnAbort_; }
    QWidget* pnlResult() const { return pnlResult_; }
    TNumeravaLabel* lblResult() const { return lblResult_; }
    QLabel* lblNAN() const { return lblNAN_; }
    QProgressBar* ggeTimer() const { return ggeTimer_; }
    TNumeravaLabel* NumeravaLabel1() const { return NumeravaLabel1_; }
    TImage* Image1() const { return Image1_; }
    TImage* Image2() const { return Image2_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildLayout();
    void Render();
    void SyncTimer();
    void EndDrill();

    std::unique_ptr<TDrillModel> model_;
    int seenTimerStarts_ = -1;
    bool endShown_ = false;
    bool categoryWarningPending_ = false;

    TNumeravaLabel* NumeravaLabel1_ = nullptr;
    TShape* shpEquation_ = nullptr;
    QWidget* pnlLREngine_ = nullptr;
    TNumeravaEquation* nvequLeft_ = nullptr;
    TNumeravaEdit* nvedtResult_ = nullptr;
    TNumeravaEquation* nvequRight_ = nullptr;
    QWidget* pnlTextEngine_ = nullptr;
    TNumeravaEquation* nvlblTextL_ = nullptr;
    TNumeravaEquation* nvequTextPre_ = nullptr;
    TNumeravaEdit* nvedtText_ = nullptr;
    TNumeravaEquation* nvequTextR_ = nullptr;
    QLabel* lblNAN_ = nullptr;
    QProgressBar* ggeTimer_ = nullptr;
    QLabel* Label1_ = nullptr;
    TShape* shpTable_ = nullptr;
    QLabel* lblNum_ = nullptr;
    QLabel* lblRNum_ = nullptr;
    QLabel* lblPts_ = nullptr;
    QLabel* lblRPts_ = nullptr;
    QLabel* lblAverage_ = nullptr;
    QLabel* lblRAverage_ = nullptr;
    QLabel* lblMode_ = nullptr;
    TShape* Shape2_ = nullptr;
    TShape* Shape1_ = nullptr;
    QWidget* pnlResult_ = nullptr;
    TShape* shpResult_ = nullptr;
    TNumeravaLabel* lblResult_ = nullptr;
    TNumeravaLabel* nvlblBikeRes_ = nullptr;
    TImage* imgMoney_ = nullptr;
    TNumeravaButton* btnRemember_ = nullptr;
    TNumeravaButton* NumeravaButton1_ = nullptr;
    TNumeravaButton* btnAbort_ = nullptr;
    TImage* imgSign_ = nullptr;
    TImage* Image1_ = nullptr;
    TImage* Image2_ = nullptr;
};

} // namespace numerava
