#pragma once
// TNumeravaCheck: a button that each left press pushes or releases.

#include "controls/NumeravaButtonAnc.h"

namespace numerava {

class TNumeravaCheck : public TNVCustomButton {
    Q_OBJECT

public:
    explicit TNumeravaCheck(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace numerava
