#include "controls/NumeravaRadio.h"

#include <QMouseEvent>
#include <QPointer>

#include <vector>

namespace numerava {

TNumeravaRadio::TNumeravaRadio(QWidget* parent) : TNVCustomButton(parent) {}

void TNumeravaRadio::DoPush() {
    if (Pushed() && !Loading() && parentWidget() != nullptr) {
        // Collected first: an OnPush handler may create or delete siblings.
        std::vector<QPointer<TNumeravaRadio>> others;
        for (auto* radio :
             parentWidget()->findChildren<TNumeravaRadio*>(QString(), Qt::FindDirectChildrenOnly))
            if (radio != this && radio->RadioGroup() == radioGroup_) others.emplace_back(radio);
        QPointer<TNumeravaRadio> self(this);
        for (const auto& radio : others) {
            if (radio) radio->SetPushed(false);
            if (!self) return;
        }
    }
    TNVCustomButton::DoPush();
}

void TNumeravaRadio::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QPointer<TNumeravaRadio> self(this);
        SetPushed(true);
        if (!self) return;
    }
    TNVCustomButton::mousePressEvent(event);
}

} // namespace numerava
