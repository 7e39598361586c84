#include "controls/NumeravaCheck.h"

#include <QMouseEvent>
#include <QPointer>

namespace numerava {

TNumeravaCheck::TNumeravaCheck(QWidget* parent) : TNVCustomButton(parent) {}

void TNumeravaCheck::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QPointer<TNumeravaCheck> self(this);
        SetPushed(!Pushed());
        if (!self) return;
    }
    TNVCustomButton::mousePressEvent(event);
}

} // namespace numerava
