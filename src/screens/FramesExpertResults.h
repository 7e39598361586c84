#pragma once
// The expert summary: how many exercises the pupil survived; appends the run's result row.

#include "catalogue/UnitsTexts.h"
#include "controls/Label.h"
#include "shell/Frame.h"

#include <QTimer>

class QLabel;

namespace numerava {

class TNumeravaButton;
class TNumeravaLabel;

class TfrmExpertResults : public TFrame {
    Q_OBJECT
public:
    explicit TfrmExpertResults(TfrmMain& main);
    void SetPoints(int points);
    void SetExercises(int exercises);

    QLabel* lblDiff() const { return lblDiff_; }
    QLabel* Label1() const { return Label1_; }
    TNumeravaLabel* lblMark() const { return lblMark_; }
    QLabel* lblDMark() const { return lblDMark_; }
    QLabel* lblTaskNum() const { return lblTaskNum_; }
    QLabel* lblRTaskNum() const { return lblRTaskNum_; }
    QLabel* lblPtsCount() const { return lblPtsCount_; }
    QLabel* lblRPtsCount() const { return lblRPtsCount_; }
    QLabel* lblAverage() const { return lblAverage_; }
    QLabel* lblRAverage() const { return lblRAverage_; }
    QLabel* Label2() const { return Label2_; }
    TNumeravaButton* NumeravaButton1() const { return NumeravaButton1_; }

    // The one-shot start-up tick that gives the screen the captions of the current language.
    QTimer Timer1;

private:
    void Recompute();
    void Timer1Timer();

    TLabel* lblDiff_;
    QLabel* Label1_;
    TNumeravaLabel* lblMark_;
    QLabel* lblDMark_;
    QLabel* lblTaskNum_;
    QLabel* lblRTaskNum_;
    QLabel* lblPtsCount_;
    QLabel* lblRPtsCount_;
    QLabel* lblAverage_;
    QLabel* lblRAverage_;
    QLabel* Label2_;
    TNumeravaButton* NumeravaButton1_;

    int points_ = 0;
    int exercises_ = 0;
    // The row this summary appended to the main window's list, and its index there.
    TNVLearnResults row_;
    int rowIndex_ = -1;
};

} // namespace numerava
