#include "controls/Label.h"

#include <QPainter>

namespace numerava {

TLabel::TLabel(QWidget* parent) : QLabel(parent) {}

TLabel::TLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

TCaptionLayout TLabel::CaptionLayout() const {
    return LayOutCaption(font(), text(), contentsRect(), alignment(), wordWrap());
}

QSize TLabel::sizeHint() const {
    // An auto-sized label is as wide as its text; a word-wrapped one keeps its width.
    const int width = wordWrap() && this->width() > 0 ? contentsRect().width() : 0;
    const QSize text = CaptionSize(font(), this->text(), width, wordWrap());
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
