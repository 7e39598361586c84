#pragma once
// The purchase screen between two contest parts: the part just bought, the next one and its price,
// the bicycle so far. The contest clock is paused while it is shown.

#include "shell/Frame.h"

#include <QTimer>

class QLabel;

namespace numerava {

class TImage;
class TNumeravaButton;
class TNumeravaLabel;
class TShape;

class TfrmBikeResult : public TFrame {
    Q_OBJECT
public:
    explicit TfrmBikeResult(TfrmMain& main);

    bool AbortOnEscape() const override { return true; }
    // Enter continues exactly as the continue button does.
    void EnterPressed() override { nvbtnOKClick(); }

    // Handlers, public so that tests can call them without waiting.
    void Timer1Timer();
    void nvbtnOKClick();

    QTimer Timer1;

    TNumeravaLabel* lblCaption() const { return lblCaption_; }
    QLabel* Label1() const { return Label1_; }
    TShape* Shape2() const { return Shape2_; }
    QLabel* lblRBought() const { return lblRBought_; }
    QLabel* lblRBuy() const { return lblRBuy_; }
    QLabel* lblRMoney() const { return lblRMoney_; }
    QLabel* lblRCount() const { return lblRCount_; }
    QLabel* lblBought() const { return lblBought_; }
    QLabel* lblBuy() const { return lblBuy_; }
    QLabel* lblMoney() const { return lblMoney_; }
    QLabel* lblCount() const { return lblCount_; }
    TImage* imgBike() const { return imgBike_; }
    TNumeravaButton* nvbtnOK() const { return nvbtnOK_; }

private:
    bool continued_ = false;
    TNumeravaLabel* lblCaption_;
    TImage* imgBike_;
    TShape* Shape1_;
    TShape* Shape2_;
    QLabel* Label1_;
    QLabel* lblBought_;
    QLabel* lblRBought_;
    QLabel* lblBuy_;
    QLabel* lblRBuy_;
    QLabel* lblMoney_;
    QLabel* lblRMoney_;
    QLabel* lblCount_;
    QLabel* lblRCount_;
    TNumeravaButton* nvbtnOK_;
};

} // namespace numerava
