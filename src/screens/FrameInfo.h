#pragma once
// The information screen: what each area offers and what the contest is.

#include "shell/Frame.h"

#include <QTimer>

class QLabel;

namespace numerava {

class TImage;
class TNumeravaButton;
class TNumeravaLabel;

class TfrmInfo : public TFrame {
    Q_OBJECT
public:
    explicit TfrmInfo(TfrmMain& main);

    TNumeravaButton* nvbtnExit() const { return nvbtnExit_; }
    TImage* Image12() const { return contestLogo_; }
    TNumeravaLabel* NumeravaLabel6() const { return title_; }
    // The line that tells about the worksheet (Ctrl+P on the topic screen).
    QLabel* WorksheetLabel() const { return worksheetLabel_; }

    // The one-shot start-up tick that gives the screen the captions of the current language.
    QTimer Timer2;

private:
    void Timer2Timer();

    TNumeravaLabel* title_;
    TNumeravaButton* nvbtnExit_;
    TImage* contestLogo_;
    QLabel* ageLabel_;
    QLabel* areaLabels_[5];
    QLabel* contestLabels_[4];
    QLabel* worksheetLabel_;
};

} // namespace numerava
