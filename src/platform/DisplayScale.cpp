#include "platform/DisplayScale.h"

#include <QByteArray>
#include <QtGlobal>

namespace numerava {

bool DisplayScaleChosenByUser() {
    // Qt ignores an empty value, and so does the program.
    return !qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") ||
           !qEnvironmentVariableIsEmpty("QT_SCREEN_SCALE_FACTORS");
}

void RequestDisplayScale(int scale) {
    if (scale < 2) return;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
}

} // namespace numerava
