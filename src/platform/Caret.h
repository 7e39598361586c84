#pragma once
// A blinking text caret's timing, for controls that draw their own caret: while active it toggles
// between shown and hidden at half the system's cursor flash period and asks for a repaint each time;
// while inactive (the control has no focus) it stays hidden and its timer stops.

#include <QObject>
#include <QTimer>

namespace numerava {

class TBlinkingCaret : public QObject {
    Q_OBJECT

public:
    explicit TBlinkingCaret(QObject* parent = nullptr);

    // Starts blinking in the shown phase, or stops and hides. Repeating the current state does nothing.
    void SetActive(bool active);
    bool Active() const { return active_; }

    // Whether the caret is to be drawn now.
    bool Visible() const { return active_ && shown_; }

    // After the caret moved: show it at once and start a full period, as typing does.
    void Restart();

    // Milliseconds between two phase changes; 0 when the system asks for a caret that does not blink.
    int Interval() const { return interval_; }

signals:
    // Visible() changed: the owner repaints the caret.
    void Changed();

private:
    void Toggle();

    QTimer timer_;
    int interval_;
    bool active_ = false;
    bool shown_ = false;
};

} // namespace numerava
