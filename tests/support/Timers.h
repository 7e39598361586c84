#pragma once
// Widget tests: a screen's timer fired on demand instead of waited for, so that a test neither
// sleeps nor depends on how busy the machine is.

#include <QMetaObject>
#include <QTimer>

namespace numerava::testing {

// Fires a running timer once now, as its timeout would; a one-shot timer does not fire again later.
// False, doing nothing, when the timer is not running (the screen never started it).
[[nodiscard]] inline bool Fire(QTimer& timer) {
    if (!timer.isActive()) return false;
    if (timer.isSingleShot()) timer.stop();
    return QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection);
}

} // namespace numerava::testing
