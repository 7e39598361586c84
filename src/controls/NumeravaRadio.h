#pragma once
// TNumeravaRadio: a button that a left press pushes for good; pushing it releases the other radios of
// its group under the same parent.

#include "controls/NumeravaButtonAnc.h"

namespace numerava {

class TNumeravaRadio : public TNVCustomButton {
    Q_OBJECT
    Q_PROPERTY(int RadioGroup READ RadioGroup WRITE SetRadioGroup)

public:
    explicit TNumeravaRadio(QWidget* parent = nullptr);

    // Radios of one parent with equal numbers release each other. Changing it does not repaint.
    int RadioGroup() const { return radioGroup_; }
    void SetRadioGroup(int group) { radioGroup_ = group; }

protected:
    // When pushed (and not loading): first releases the group's other radios, each notifying its
    // own OnPush, then notifies this radio's OnPush.
    void DoPush() override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int radioGroup_ = 0;
};

} // namespace numerava
