#pragma once
// The welcome menu: the six areas, the results overview, the information screen, the contest's
// web pages, the language flags and the exit. Each new welcome screen loads the word-problem file
// of the current language.

#include "shell/Frame.h"

#include <QTimer>
#include <array>

class QGroupBox;

namespace numerava {

class TImage;
class TNumeravaButton;
class TNumeravaLabel;

class TfrmWelcome : public TFrame {
    Q_OBJECT
public:
    explicit TfrmWelcome(TfrmMain& main);

    TNumeravaButton* AreaButton(int area) const { return areaButtons_.at(static_cast<size_t>(area - 1)); }
    TNumeravaButton* nvbtnExit() const { return nvbtnExit_; }
    TNumeravaButton* btnResults() const { return btnResults_; }
    TNumeravaButton* btnInfo() const { return btnInfo_; }
    TNumeravaButton* NumeravaButton1() const { return helpButton_; }
    TNumeravaButton* NumeravaButton3() const { return categoriesButton_; }
    TImage* Image3() const { return czechFlag_; }
    TImage* Image2() const { return slovakFlag_; }
    QGroupBox* GroupBox2() const { return groupBox_; }

    void SettleNow() override;
    void WindowPainted() override;

    // Opens a contest page; shows the error box when the browser could not be started.
    void OpenContestPage(const std::string& pathAndQuery);

    // The one-shot start-up tick that gives the screen the captions of the current language.
    QTimer Timer1;

private:
    void Timer1Timer();
    void Caption();
    void FlagClick(TImage* flag, TImage* other, uint16_t language);
    void LoadDataFile();

    // The first screen of the program loads the data file once the window has shown it.
    bool dataFileAfterPaint_ = false;

    std::array<TNumeravaButton*, 6> areaButtons_{};
    TNumeravaButton* nvbtnExit_;
    TNumeravaButton* btnResults_;
    TNumeravaButton* btnInfo_;
    TNumeravaButton* helpButton_;
    TNumeravaButton* categoriesButton_;
    TImage* czechFlag_;
    TImage* slovakFlag_;
    TImage* titlePicture_;
    QGroupBox* groupBox_;
};

} // namespace numerava
