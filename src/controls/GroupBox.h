#pragma once
// TGroupBox: a group box whose title is drawn by the caption layout like every other text of the
// program (the style would place it by the font's typographic ascent, which cuts the accents of its
// capitals and its lowercase carons at the box's top edge). The style draws the frame.

#include "controls/CaptionLayout.h"

#include <QGroupBox>

namespace numerava {

class TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TGroupBox(QWidget* parent = nullptr) : QGroupBox(parent) {}

    // Where the title is drawn: left in the style's title place, centred in the band above the
    // frame's contents.
    TCaptionLayout CaptionLayout() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace numerava
