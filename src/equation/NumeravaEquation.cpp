#include "equation/NumeravaEquation.h"

#include "equation/Markup.h"
#include "equation/QtMarkupCanvas.h"
#include "platform/AccessibleEvents.h"

#include <QPaintEvent>
#include <QPainter>

#include <vector>

namespace numerava {

namespace {

// Fraction bars, radical signs, parentheses and dots are drawn with this pen.
constexpr int MarkupPenWidth = 3;

} // namespace

QImage RenderMarkupImage(const std::string& text, const TFontState& font, const QColor& background,
                         int shadowOffset, std::optional<QSize> wrapSize, qreal devicePixelRatio) {
    TQtMarkupCanvas canvas(nullptr);
    canvas.SetFont(font);
    canvas.SetPen({MarkupPenWidth, ColorBlack});
    const TParsedMarkup parsed = ParseMarkup(text);
    std::vector<std::string> pieces;
    const bool wrapped = wrapSize && WrapPieces(parsed, pieces);

    QSize size;
    if (wrapped) {
        size = *wrapSize;
    } else {
        const TSize formula = MeasureMarkup(canvas, text);
        size = QSize(formula.Width + shadowOffset, formula.Height + shadowOffset);
    }
    if (size.width() <= 0 || size.height() <= 0) return {};
    // Laid out in logical pixels as at ratio 1; the painter maps them onto the finer pixels.
    QImage image(size * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    canvas.SetPainter(&painter);

    // The shadow in black, then the face in the font's colour over it.
    const int width = size.width() - shadowOffset;
    const int height = size.height() - shadowOffset;
    for (const auto& [origin, color] : {std::pair{shadowOffset, ColorBlack}, std::pair{0, font.Color}}) {
        canvas.SetFontColor(color);
        canvas.SetPenColor(color);
        if (wrapped) LayoutWrapped(canvas, pieces, origin, origin, height, width);
        else PaintMarkup(canvas, text, origin, origin);
    }
    return image;
}

TNumeravaEquation::TNumeravaEquation(QWidget* parent)
    : QWidget(parent), color_(palette().color(QPalette::Window)) {}

void TNumeravaEquation::Invalidate() {
    dirty_ = true;
    update();
}

void TNumeravaEquation::SetText(std::string_view text) {
    if (text == text_) return;
    text_ = text;
    Invalidate();
    NotifyAccessibleNameChanged(this);
}

void TNumeravaEquation::SetFont(const TFontState& font) {
    font_ = font;
    Invalidate();
}

void TNumeravaEquation::SetShadowOffset(int offset) {
    if (offset == shadowOffset_) return;
    shadowOffset_ = offset;
    Invalidate();
}

void TNumeravaEquation::SetWordWrap(bool wrap) {
    if (wrap == wordWrap_) return;
    wordWrap_ = wrap;
    Invalidate();
}

void TNumeravaEquation::SetColor(const QColor& color) {
    if (color == color_) return;
    color_ = color;
    // The background is part of the rendered picture.
    Invalidate();
}

void TNumeravaEquation::RenderBitmap(const std::string& text, QImage& bitmap) {
    bitmap = RenderMarkupImage(text, font_, color_, shadowOffset_,
                               wordWrap_ ? std::optional<QSize>(size()) : std::nullopt, devicePixelRatioF());
}

void TNumeravaEquation::paintEvent(QPaintEvent* /*event*/) {
    // A picture rendered for another pixel ratio (the window went to another screen) is drawn again.
    if (dirty_ || (!bitmap_.isNull() && bitmap_.devicePixelRatio() != devicePixelRatioF())) {
        RenderBitmap(text_, bitmap_);
        dirty_ = false;
    }
    // The control follows the formula's width; the resize repaints it at the new size.
    const QSize formula = bitmap_.deviceIndependentSize().toSize();
    if (!wordWrap_ && width() != formula.width() + 1) resize(formula.width() + 1, height());
    QPainter painter(this);
    painter.fillRect(rect(), color_);
    painter.drawImage(QPoint(0, (height() - formula.height()) / 2), bitmap_);
}

} // namespace numerava
