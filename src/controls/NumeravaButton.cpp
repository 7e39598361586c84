#include "controls/NumeravaButton.h"

#include <QMouseEvent>
#include <QPointer>

namespace numerava {

TNumeravaButton::TNumeravaButton(QWidget* parent) : TNVCustomButton(parent) {
    // Moves arrive without a pressed button too: any move outside a press releases the button,
    // even one pushed by code.
    setMouseTracking(true);
}

void TNumeravaButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        // Qt grabs the mouse for the widget under a press until the release.
        tracking_ = true;
        QPointer<TNumeravaButton> self(this);
        SetPushed(true);
        if (!self) return;
    }
    TNVCustomButton::mousePressEvent(event);
}

void TNumeravaButton::mouseMoveEvent(QMouseEvent* event) {
    // The last column and row count as outside.
    const QPoint point = event->position().toPoint();
    const bool inside =
        point.x() >= 0 && point.y() >= 0 && point.x() < width() - 1 && point.y() < height() - 1;
    SetPushed(inside && tracking_);
}

void TNumeravaButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        tracking_ = false;
        QPointer<TNumeravaButton> self(this);
        SetPushed(false);
        if (!self) return;
    }
    TNVCustomButton::mouseReleaseEvent(event);
}

} // namespace numerava
