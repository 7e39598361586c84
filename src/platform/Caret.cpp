#include "platform/Caret.h"

#include <QGuiApplication>
#include <QStyleHints>

namespace numerava {

namespace {

// The flash time is a whole on-off cycle; without a GUI application fall back to the usual 1060 ms.
int PhaseInterval() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return 530;
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    return flashTime > 0 ? flashTime / 2 : 0;
}

} // namespace

TBlinkingCaret::TBlinkingCaret(QObject* parent) : QObject(parent), interval_(PhaseInterval()) {
    connect(&timer_, &QTimer::timeout, this, &TBlinkingCaret::Toggle);
}

void TBlinkingCaret::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (active) {
        Restart();
        return;
    }
    timer_.stop();
    const bool wasShown = shown_;
    shown_ = false;
    if (wasShown) emit Changed();
}

void TBlinkingCaret::Restart() {
    if (!active_) return;
    const bool wasShown = shown_;
    shown_ = true;
    if (interval_ > 0) timer_.start(interval_);
    if (!wasShown) emit Changed();
}

void TBlinkingCaret::Toggle() {
    shown_ = !shown_;
    emit Changed();
}

} // namespace numerava
