#include "controls/NumeravaLabel.h"

#include "platform/AccessibleEvents.h"

#include <QEvent>
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

QString TNumeravaLabel::ShownText() const {
    if (!showAccelChar_) return caption_;
    QString shown;
    for (qsizetype i = 0; i < caption_.size(); ++i) {
        if (caption_[i] == QLatin1Char('&') && i + 1 < caption_.size()) ++i;
        else if (caption_[i] == QLatin1Char('&')) continue;
        shown.append(caption_[i]);
    }
    return shown;
}

QRect TNumeravaLabel::TextRect(const QRect& bounds) const {
    // An empty label still measures one line.
    QString text = ShownText();
    if (text.isEmpty()) text = QStringLiteral(" ");
    const QSize size = CaptionSize(font_, text, bounds.width() - shadowOffset_, wordWrap_);
    return {bounds.topLeft(), QSize(size.width() + shadowOffset_, size.height() + shadowOffset_)};
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

TCaptionLayout TNumeravaLabel::CaptionLayout() const {
    // The text and its shadow are placed as one block.
    const QRect bounds(0, 0, width() - shadowOffset_, height() - shadowOffset_);
    return LayOutCaption(font_, ShownText(), bounds, alignment_, wordWrap_);
}

TNumeravaLabel::TLook TNumeravaLabel::Look() const {
    TLook look;
    look.Size = size();
    look.Ratio = devicePixelRatioF();
    look.Layout = CaptionLayout();
    const bool enabled = isEnabled();
    look.Shift = enabled ? shadowOffset_ : 1;
    look.ShadowInk = enabled ? shadowColor_ : palette().color(QPalette::Light);
    look.Ink = enabled ? fontColor_ : palette().color(QPalette::Dark);
    return look;
}

void TNumeravaLabel::DrawLook(QPainter& painter, const TLook& look) {
    // Qt draws Unicode, so every Czech and Slovak letter shows whatever the font was made for.
    painter.setPen(look.ShadowInk);
    DrawCaption(painter, look.Layout, QPoint(look.Shift, look.Shift));
    painter.setPen(look.Ink);
    DrawCaption(painter, look.Layout);
}

void TNumeravaLabel::Prepare() {
    if (font_.pixelSize() <= LargestCachedGlyphPixels || size().isEmpty()) return;
    const TLook look = Look();
    if (prepared_ && preparedLook_ == look) return;
    preparedLook_ = look;
    prepared_ = TBackgroundImage::Start(look.Size, look.Ratio, {},
                                        [look](QPainter& painter) { DrawLook(painter, look); });
}

void TNumeravaLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (color_.isValid()) painter.fillRect(rect(), color_);
    const TLook look = Look();
    if (prepared_ && preparedLook_ == look && !prepared_->Image().isNull())
        painter.drawImage(0, 0, prepared_->Image());
    else DrawLook(painter, look);
}

void TNumeravaLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) update();
}

} // namespace numerava
