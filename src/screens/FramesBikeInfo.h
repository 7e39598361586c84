#pragma once
// The contest introduction: what the contest is about, back to the topic screen or start the contest.

#include "shell/Frame.h"

#include <QTimer>

#include <functional>

class QLabel;

namespace numerava {

class TNumeravaButton;
class TNumeravaLabel;

class TfrmBikeInfo : public TFrame {
    Q_OBJECT
public:
    // `topicScreen` creates the topic screen that the back button returns to.
    TfrmBikeInfo(TfrmMain& main, std::function<TFrame*(TfrmMain&)> topicScreen);

    // Handlers, public so that tests can call them without waiting.
    void Timer1Timer();
    void NumeravaButton2Click();

    QTimer Timer1;

    TNumeravaLabel* NumeravaLabel2() const { return NumeravaLabel2_; }
    QLabel* Label4() const { return Label4_; }
    TNumeravaLabel* NumeravaLabel4() const { return NumeravaLabel4_; }
    TNumeravaButton* nvbtnBack() const { return nvbtnBack_; }
    TNumeravaButton* NumeravaButton2() const { return NumeravaButton2_; }

private:
    std::function<TFrame*(TfrmMain&)> topicScreen_;
    TNumeravaLabel* NumeravaLabel2_;
    QLabel* Label4_;
    TNumeravaLabel* NumeravaLabel4_;
    QLabel* lblDuration_;
    TNumeravaButton* nvbtnBack_;
    TNumeravaButton* NumeravaButton2_;
};

// Resets the contest fields of the main window, starts the contest clock and opens the first part.
void StartContest(TfrmMain& main);

} // namespace numerava
