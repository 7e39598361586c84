#pragma once
// TNumeravaButton: the push button. It shows pushed while the left button is held down over it,
// released when the pointer slides off, and clicks when the button is let go over it.

#include "controls/NumeravaButtonAnc.h"

namespace numerava {

class TNumeravaButton : public TNVCustomButton {
    Q_OBJECT

public:
    explicit TNumeravaButton(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Set from a left press until its release; the mouse is grabbed meanwhile.
    bool tracking_ = false;
};

} // namespace numerava
