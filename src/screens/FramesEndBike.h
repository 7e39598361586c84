#pragma once
// The contest's final screen: points, time and its bonus, mistakes, the score and its grade, a
// result row, and for a contest category the blinking entry that opens the contest's web form.

#include "contest/ContestFinal.h"
#include "controls/Label.h"
#include "shell/Frame.h"

#include <QTimer>

class QLabel;

namespace numerava {

class TImage;
class TNumeravaButton;
class TNumeravaLabel;
class TShape;

class TfrmEndBike : public TFrame {
    Q_OBJECT
public:
    explicit TfrmEndBike(TfrmMain& main);

    // Handlers, public so that tests can call them without waiting.
    void FormTimer();
    void Timer1Timer();
    void tmrBlinkTimer();
    void Image16Click();
    void nvbtnOKClick();

    QTimer StartTimer;
    QTimer Timer1;
    QTimer tmrBlink;

    // What the contest's rules worked out for this screen.
    const TContestFinal& Final() const { return final_; }
    // Until the record entry has been used (one entry per contest).
    bool EntryOffered() const { return entryOffered_; }
    const QString& ResultAddress() const { return address_; }

    TNumeravaLabel* NumeravaLabel1() const { return NumeravaLabel1_; }
    QLabel* lblMoney() const { return lblMoney_; }
    QLabel* lblPreTime() const { return lblPreTime_; }
    QLabel* lblRealTime() const { return lblRealTime_; }
    QLabel* lblTimeBonus() const { return lblTimeBonus_; }
    QLabel* lblErrors() const { return lblErrors_; }
    QLabel* lblPts() const { return lblPts_; }
    TNumeravaLabel* lblMark() const { return lblMark_; }
    QLabel* lblDesc() const { return lblDesc_; }
    QLabel* nvlblLearning() const { return nvlblLearning_; }
    QLabel* lblTime() const { return lblTime_; }
    TNumeravaLabel* lblBlinker() const { return lblBlinker_; }
    QLabel* Label7() const { return Label7_; }
    TImage* Image16() const { return Image16_; }
    TImage* Image3() const { return Image3_; }
    TShape* Shape3() const { return Shape3_; }
    TNumeravaLabel* Label10() const { return Label10_; }
    TNumeravaButton* nvbtnOK() const { return nvbtnOK_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void HideEntry();

    TContestFinal final_;
    bool entryOffered_ = false;
    bool noEntryMessagePending_ = false;
    int blinkerTag_ = 0;
    QString address_;

    TNumeravaLabel* NumeravaLabel1_;
    TImage* imgSign_;
    TLabel* nvlblLearning_;
    QLabel* Label1_;
    QLabel* lblMoney_;
    QLabel* Label2_;
    QLabel* lblPreTime_;
    QLabel* Label3_;
    QLabel* lblRealTime_;
    QLabel* Label4_;
    QLabel* lblTimeBonus_;
    QLabel* Label6_;
    QLabel* lblErrors_;
    QLabel* Label5_;
    QLabel* lblPts_;
    TImage* Image2_;
    TNumeravaLabel* lblMark_;
    QLabel* lblDesc_;
    TShape* Shape3_;
    TImage* Image16_;
    TImage* Image3_;
    QLabel* Label7_;
    TNumeravaLabel* Label10_;
    QLabel* lblTime_;
    TNumeravaLabel* lblBlinker_;
    TNumeravaButton* nvbtnOK_;
};

} // namespace numerava
