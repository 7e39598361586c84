#include "shell/Shape.h"

#include <QPainter>

namespace numerava {

TShape::TShape(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void TShape::SetBrushColor(QColor color) {
    brush_ = color;
    update();
}

void TShape::SetPen(QColor color, int width, bool visible) {
    pen_ = color;
    penWidth_ = width;
    penVisible_ = visible;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    // The rectangle starts half a pen width in and is (size - pen width + 1) wide, right and bottom
    // edges exclusive. Without a pen only the inside is filled (one pixel less); with a pen the band
    // of pen width is centred on the rectangle's edge.
    QPainter painter(this);
    const int inset = penWidth_ / 2;
    const int w = width() - penWidth_ + 1;
    const int h = height() - penWidth_ + 1;
    if (!penVisible_) {
        painter.fillRect(inset, inset, w - 1, h - 1, brush_);
        return;
    }
    painter.fillRect(inset, inset, w - 1, h - 1, brush_);
    const int band = penWidth_;
    const int left = inset - penWidth_ / 2;
    const int right = inset + w - 1 - penWidth_ / 2;
    const int top = left;
    const int bottom = inset + h - 1 - penWidth_ / 2;
    painter.fillRect(left, top, right + band - left, band, pen_);    // top
    painter.fillRect(left, bottom, right + band - left, band, pen_); // bottom
    painter.fillRect(left, top, band, bottom + band - top, pen_);    // left
    painter.fillRect(right, top, band, bottom + band - top, pen_);   // right
}

} // namespace numerava
