#include "controls/NumeravaLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace numerava {

TNumeravaLabel::TNumeravaLabel(QWidget* parent) : QWidget(parent) {}

void TNumeravaLabel::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed();
}

void TNumeravaLabel::SetCaption(std::string_view utf8Caption) {
    SetCaption(QString::fromUtf8(utf8Caption.data(), static_cast<qsizetype>(utf8Caption.size())));
}

void TNumeravaLabel::SetFont(const QFont& font) {
    if (font == font_) return;
    font_ = font;
    Changed();
}

void TNumeravaLabel::SetFontColor(const QColor& color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    update();
}

void TNumeravaLabel::SetColor(const QColor& color) {
    if (color == color_) return;
    color_ = color;
    update();
}

void TNumeravaLabel::SetShadowColor(const QColor& color) {
    if (color == shadowColor_) return;
    shadowColor_ = color;
    update();
}

void TNumeravaLabel::SetShadowOffset(int offset) {
    if (offset == shadowOffset_) return;
    shadowOffset_ = offset;
    Changed();
}

void TNumeravaLabel::SetAlignment(Qt::Alignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Changed();
}

void TNumeravaLabel::SetWordWrap(bool wrap) {
    if (wrap == wordWrap_) return;
    wordWrap_ = wrap;
    Changed();
}

void TNumeravaLabel::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_) return;
    autoSize_ = autoSize;
    Changed();
}

void TNumeravaLabel::SetShowAccelChar(bool show) {
    if (show == showAccelChar_) return;
    showAccelChar_ = show;
    Changed();
}

int TNumeravaLabel::TextFlags(bool measuring) const {
    int flags = Qt::TextExpandTabs | Qt::TextDontClip;
    if (wordWrap_) flags |= Qt::TextWordWrap;
    if (showAccelChar_) flags |= Qt::TextShowMnemonic;
    // The vertical place is worked out beforehand from the measured block.
    if (!measuring) flags |= static_cast<int>(alignment_ & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
    return flags;
}

QRect TNumeravaLabel::TextRect(const QRect& bounds) const {
    // An empty label still measures one line.
    QString text = caption_;
    if (text.isEmpty() || (showAccelChar_ && text == QStringLiteral("&"))) text = QStringLiteral(" ");
    const QRect measured = QFontMetrics(font_).boundingRect(
        QRect(bounds.left(), bounds.top(), bounds.width(), 1 << 20), TextFlags(true), text);
    return {bounds.topLeft(), QSize(measured.width() + shadowOffset_, measured.height() + shadowOffset_)};
}

QSize TNumeravaLabel::sizeHint() const { return TextRect(rect()).size(); }

void TNumeravaLabel::Changed() {
    AdjustBounds();
    updateGeometry();
    update();
}

void TNumeravaLabel::AdjustBounds() {
    if (!autoSize_) return;
    const QSize size = TextRect(rect()).size();
    int x = this->x();
    if (alignment_ & Qt::AlignRight) x += width() - size.width();
    else if (alignment_ & Qt::AlignHCenter) x += (width() - size.width()) / 2;
    setGeometry(x, y(), size.width(), size.height());
}

void TNumeravaLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (color_.isValid()) painter.fillRect(rect(), color_);

    QRect bounds = rect();
    if (alignment_ & (Qt::AlignBottom | Qt::AlignVCenter)) {
        const int textHeight = TextRect(bounds).height();
        bounds.translate(0,
                         alignment_ & Qt::AlignBottom ? height() - textHeight : (height() - textHeight) / 2);
    }

    // Qt draws Unicode, so every Czech and Slovak letter shows whatever the font was made for.
    painter.setFont(font_);
    const int flags = TextFlags(false);
    const bool enabled = isEnabled();
    const int shift = enabled ? shadowOffset_ : 1;
    painter.setPen(enabled ? shadowColor_ : palette().color(QPalette::Light));
    painter.drawText(bounds.translated(shift, shift), flags, caption_);
    painter.setPen(enabled ? fontColor_ : palette().color(QPalette::Dark));
    painter.drawText(bounds, flags, caption_);
}

void TNumeravaLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) update();
}

} // namespace numerava
