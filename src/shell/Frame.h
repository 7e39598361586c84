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
    // Runs the screen's start-up tick now rather than from its timer, when that tick would only keep
    // a waiting window from showing (the first screen of the program). A screen without such a tick
    // is settled from the start.
    virtual void SettleNow() { emit Settled(); }
    // Called once the window has shown its first picture at start, with this screen in it: work the
    // screen does not show can follow now.
    virtual void WindowPainted() {}

signals:
    // The screen has its final look (its start-up tick has given it the captions of the current
    // language). The main window shows itself at start only then, so its first picture is the final one.
    void Settled();

protected:
    // A screen draws nothing that depends on focus: it is not repainted when it gains or loses it
    // (QWidget would repaint the whole screen each time the window is activated).
    void focusInEvent(QFocusEvent* /*event*/) override {}
    void focusOutEvent(QFocusEvent* /*event*/) override {}

private:
    TfrmMain& main_;
};

} // namespace numerava
