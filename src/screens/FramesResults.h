#pragma once
// The results overview: every finished run of this session, oldest first.

#include "shell/Frame.h"

#include <QTimer>

class QTreeWidget;

namespace numerava {

class TNumeravaButton;
class TNumeravaLabel;

class TfrmResults : public TFrame {
    Q_OBJECT
public:
    explicit TfrmResults(TfrmMain& main);

    QTreeWidget* lsvResults() const { return lsvResults_; }
    TNumeravaButton* nvbtnExit() const { return nvbtnExit_; }
    TNumeravaLabel* NumeravaLabel1() const { return title_; }

    // The one-shot start-up tick that gives the screen the captions of the current language.
    QTimer Timer1;

private:
    void Timer1Timer();

    TNumeravaLabel* title_;
    TNumeravaButton* nvbtnExit_;
    QTreeWidget* lsvResults_;
};

} // namespace numerava
