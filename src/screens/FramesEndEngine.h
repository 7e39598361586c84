#pragma once
// The practice summary: points, exercises, average and grade; appends the run's result row.

#include "catalogue/UnitsTexts.h"
#include "controls/Label.h"
#include "shell/Frame.h"

#include <QTimer>

class QLabel;

namespace numerava {

class TNumeravaButton;
class TNumeravaLabel;

class TfrmEndEngine : public TFrame {
    Q_OBJECT
public:
    explicit TfrmEndEngine(TfrmMain& main);
    void SetPoints(int points);
    void SetExercises(int exercises);

    QLabel* lblDiff() const { return lblDiff_; }
    QLabel* lblDesc() const { return lblDesc_; }
    TNumeravaLabel* lblMark() const { return lblMark_; }
    QLabel* Label1() const { return Label1_; }
    QLabel* lblRTaskNum() const { return lblRTaskNum_; }
    QLabel* Label3() const { return Label3_; }
    QLabel* lblRPtsCount() const { return lblRPtsCount_; }
    QLabel* lblAverage() const { return lblAverage_; }
    QLabel* lblRAverage() const { return lblRAverage_; }
    QLabel* lblMode() const { return lblMode_; }
    TNumeravaButton* NumeravaButton1() const { return NumeravaButton1_; }

    // The one-shot start-up tick that gives the screen the captions of the current language.
    QTimer Timer1;

private:
    void Recompute();
    void Timer1Timer();

    TLabel* lblDiff_;
    QLabel* lblDesc_;
    TNumeravaLabel* lblMark_;
    QLabel* Label1_;
    QLabel* lblRTaskNum_;
    QLabel* Label3_;
    QLabel* lblRPtsCount_;
    QLabel* lblAverage_;
    QLabel* lblRAverage_;
    QLabel* lblMode_;
    TNumeravaButton* NumeravaButton1_;

    int points_ = 0;
    int exercises_ = 0;
    // The row this summary appended to the main window's list, and its index there.
    TNVLearnResults row_;
    int rowIndex_ = -1;
};

} // namespace numerava
