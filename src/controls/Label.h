#pragma once
// TLabel: the plain label of the screens. It is a QLabel (text, alignment, word wrap, colours and
// enabled state as usual) whose text is laid out and drawn as the program's other controls draw
// theirs, by the font's line (CaptionLayout): Qt's own label would place the text by the font's
// typographic ascent and cut the accents of capitals at its top.

#include "controls/CaptionLayout.h"

#include <QLabel>

namespace numerava {

class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr);
    explicit TLabel(const QString& text, QWidget* parent = nullptr);

    // Where the text is drawn.
    TCaptionLayout CaptionLayout() const;

    // A text too long for the label at its font is drawn in the largest smaller size, down to
    // `minimumPixels`, at which it fits (0, the default: always the label's font).
    void SetShrinkToFit(int minimumPixels);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont ShownFont() const;

    int shrinkToFit_ = 0;
};

} // namespace numerava
