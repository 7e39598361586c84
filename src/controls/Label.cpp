#include "controls/Label.h"

#include <QPainter>

namespace numerava {

TLabel::TLabel(QWidget* parent) : QLabel(parent) {}

TLabel::TLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void TLabel::SetShrinkToFit(int minimumPixels) {
    shrinkToFit_ = minimumPixels;
    update();
}

QFont TLabel::ShownFont() const {
    QFont shown = font();
    if (shrinkToFit_ <= 0 || shown.pixelSize() <= 0) return shown;
    const QRect room = contentsRect();
    for (int pixels = shown.pixelSize(); pixels > shrinkToFit_; --pixels) {
        shown.setPixelSize(pixels);
        const QSize needed = CaptionSize(shown, text(), room.width(), wordWrap());
        if (needed.width() <= room.width() && needed.height() <= room.height()) return shown;
    }
    shown.setPixelSize(shrinkToFit_);
    return shown;
}

TCaptionLayout TLabel::CaptionLayout() const {
    return LayOutCaption(ShownFont(), text(), contentsRect(), alignment(), wordWrap());
}

QSize TLabel::sizeHint() const {
    // An auto-sized label is as wide as its text; a word-wrapped one keeps its width.
    const bool wrapped = wordWrap() && width() > 0;
    const QSize text = CaptionSize(font(), this->text(), wrapped ? contentsRect().width() : 0, wrapped);
    const QMargins margins = contentsMargins();
    return {text.width() + margins.left() + margins.right(),
            text.height() + margins.top() + margins.bottom()};
}

QSize TLabel::minimumSizeHint() const { return sizeHint(); }

int TLabel::heightForWidth(int width) const {
    const QMargins margins = contentsMargins();
    return CaptionSize(font(), text(), width - margins.left() - margins.right(), wordWrap()).height() +
           margins.top() + margins.bottom();
}

void TLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    DrawCaption(painter, CaptionLayout());
}

} // namespace numerava
