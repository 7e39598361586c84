#pragma once
// A screen: a frame the main window shows in its panel, one at a time.

#include <QWidget>

namespace numerava {

class TfrmMain;

class TFrame : public QWidget {
    Q_OBJECT
public:
    explicit TFrame(TfrmMain& main) : main_(main) {}

    TfrmMain& Main() const { return main_; }

    // Escape asks whether to abandon the run (the drill and the bicycle-part screen).
    virtual bool AbortOnEscape() const { return false; }
    // Called before the focused control sees an Enter key (which it still gets).
    virtual void EnterPressed() {}

private:
    TfrmMain& main_;
};

} // namespace numerava
