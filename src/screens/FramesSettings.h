#pragma once
// The topic screen: the mode and the items of the area's two columns. Every click goes straight into
// the main window's selection; continue fills in defaults for empty choices and starts the drill.

#include "shell/Frame.h"

#include <QTimer>
#include <array>

class QWidget;

namespace numerava {

class TImage;
class TNVCustomButton;
class TNumeravaButton;
class TNumeravaCheck;
class TNumeravaLabel;
class TNumeravaRadio;

class TfrmSettings : public TFrame {
    Q_OBJECT
public:
    explicit TfrmSettings(TfrmMain& main);

    // Mode radios by mode code 1..4; difficulty (left) and operation (right) buttons by item 1..6.
    TNumeravaRadio* ModeRadio(int mode) const { return modeRadios_.at(static_cast<size_t>(mode - 1)); }
    TNumeravaCheck* nvrdbDiff(int item) const { return difficultyButtons_.at(static_cast<size_t>(item - 1)); }
    TNumeravaCheck* nvchk(int item) const { return operationButtons_.at(static_cast<size_t>(item - 1)); }
    TNumeravaButton* btnSelectAll() const { return btnSelectAll_; }
    TNumeravaButton* nvbtnBack() const { return nvbtnBack_; }
    TNumeravaButton* nvbtnOK() const { return nvbtnOK_; }
    TNumeravaLabel* NumeravaLabel1() const { return title_; }
    TImage* imgSign() const { return imgSign_; }
    QWidget* pnlMain() const { return pnlMain_; }

    // The one-shot start-up tick that gives the screen the captions of the current language.
    QTimer Timer1;

private:
    void ModePushed(TNVCustomButton* sender);
    void DifficultyPushed(TNVCustomButton* sender);
    void OperationPushed(TNVCustomButton* sender);
    void SelectAllClick();
    void ContinueClick();
    void Timer1Timer();
    void SetLimitVSmallFont();

    TNumeravaLabel* title_;
    TImage* imgSign_;
    std::array<TNumeravaRadio*, 4> modeRadios_{};
    QWidget* pnlMain_;
    std::array<TNumeravaCheck*, 6> difficultyButtons_{};
    std::array<TNumeravaCheck*, 6> operationButtons_{};
    TNumeravaButton* btnSelectAll_;
    TNumeravaButton* nvbtnBack_;
    TNumeravaButton* nvbtnOK_;
};

} // namespace numerava
