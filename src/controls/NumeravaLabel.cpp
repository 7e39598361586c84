#include "controls/NumeravaLabel.h"

#include "platform/AccessibleEvents.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace numerava {

TNumeravaLabel::TNumeravaLabel(QWidget* parent) : QWidget(parent) {}

TNumeravaLabel::~TNumeravaLabel() {
    if (prepared_) prepared_->Abandon();
}

void TNumeravaLabel::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed();
    NotifyAccessibleNameChanged(this);
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

// Qt fills the glyphs of fonts above this pixel size as outlines on every draw instead of copying
// them from its glyph cache, which makes a large caption slow to paint.
constexpr int LargestCachedGlyphPixels = 64;

TNumeravaLabel::TLook TNumeravaLabel::Look() const {
    TLook look;
    look.Size = size();
    look.Bounds = rect();
    if (alignment_ & (Qt::AlignBottom | Qt::AlignVCenter)) {
        const int textHeight = TextRect(look.Bounds).height();
        look.Bounds.translate(0, alignment_ & Qt::AlignBottom ? height() - textHeight
                                                              : (height() - textHeight) / 2);
    }
    look.Caption = caption_;
    look.Font = font_;
    look.Flags = TextFlags(false);
    const bool enabled = isEnabled();
    look.Shift = enabled ? shadowOffset_ : 1;
    look.ShadowInk = enabled ? shadowColor_ : palette().color(QPalette::Light);
    look.Ink = enabled ? fontColor_ : palette().color(QPalette::Dark);
    return look;
}

void TNumeravaLabel::DrawCaption(QPainter& painter, const TLook& look) {
    // Qt draws Unicode, so every Czech and Slovak letter shows whatever the font was made for.
    painter.setFont(look.Font);
    painter.setPen(look.ShadowInk);
    painter.drawText(look.Bounds.translated(look.Shift, look.Shift), look.Flags, look.Caption);
    painter.setPen(look.Ink);
    painter.drawText(look.Bounds, look.Flags, look.Caption);
}

void TNumeravaLabel::Prepare() {
    if (font_.pixelSize() <= LargestCachedGlyphPixels || size().isEmpty()) return;
    const TLook look = Look();
    if (prepared_ && preparedLook_ == look) return;
    preparedLook_ = look;
    prepared_ =
        TBackgroundImage::Start(look.Size, {}, [look](QPainter& painter) { DrawCaption(painter, look); });
}

void TNumeravaLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (color_.isValid()) painter.fillRect(rect(), color_);
    const TLook look = Look();
    if (prepared_ && preparedLook_ == look && !prepared_->Image().isNull())
        painter.drawImage(0, 0, prepared_->Image());
    else DrawCaption(painter, look);
}

void TNumeravaLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) update();
}

} // namespace numerava
