#pragma once
// TNumeravaEquation: shows one mark-up text as a formula with a drop shadow, on one line (the control
// then takes the formula's width) or word-wrapped and justified within the control's size.

#include "equation/MarkupCanvas.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <string_view>

namespace numerava {

// Renders a mark-up text the way the equation control does: first in black shifted right and down by
// `shadowOffset`, then in the font's colour, on `background`, with a 3-pixel pen. Without `wrapSize`
// the picture is the formula's size plus the offset; with it, a row or plain text is word-wrapped into
// a picture of that size (other kinds still go on one line). With a `devicePixelRatio` above 1 the
// picture has that many times the pixels in each direction, drawn at that resolution, and says so
// (QImage::devicePixelRatio): the same formula, finer. Needs a QGuiApplication.
QImage RenderMarkupImage(const std::string& text, const TFontState& font, const QColor& background,
                         int shadowOffset, std::optional<QSize> wrapSize = std::nullopt,
                         qreal devicePixelRatio = 1);

// The control. Of the layout properties, Align and AutoSize are left to the parent's geometry (the
// screens place their controls absolutely) and ParentColor to the caller, who sets Color; without
// word wrap the control still follows the formula's width when it paints. The font is a plain
// TFontState: assigning it is the only way to change it, so the font's own change notification is
// SetFont.
class TNumeravaEquation : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ TextProperty WRITE SetTextProperty)
    Q_PROPERTY(int ShadowOffset READ ShadowOffset WRITE SetShadowOffset)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)

public:
    explicit TNumeravaEquation(QWidget* parent = nullptr);

    // The rendered formula, at the control's device pixel ratio.
    const QImage& Bitmap() const { return bitmap_; }

    const std::string& Text() const { return text_; }
    // A changed text is rendered at the next paint.
    void SetText(std::string_view text);

    const TFontState& Font() const { return font_; }
    // Copies the font; always renders again.
    void SetFont(const TFontState& font);

    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int offset);

    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);

    // The background of the formula and of the rest of the control.
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

    // True until the next paint has rendered the current text.
    bool Dirty() const { return dirty_; }

    QString TextProperty() const { return QString::fromStdString(text_); }
    void SetTextProperty(const QString& text) { SetText(text.toStdString()); }

protected:
    void paintEvent(QPaintEvent* event) override;
    virtual void RenderBitmap(const std::string& text, QImage& bitmap);

private:
    void Invalidate();

    QImage bitmap_;
    std::string text_;
    TFontState font_;
    int shadowOffset_ = 0;
    bool wordWrap_ = false;
    bool dirty_ = true;
    QColor color_;
};

} // namespace numerava
