#pragma once
// TNumeravaLabel: a label that draws its text twice, first in the shadow colour shifted right and
// down, then in the font's colour. Disabled, it shows the engraved look of disabled labels instead.
// Transparent unless it is given a background colour.

#include "controls/CaptionLayout.h"
#include "platform/BackgroundImage.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>
#include <string_view>

namespace numerava {

class TNumeravaLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int ShadowOffset READ ShadowOffset WRITE SetShadowOffset)
    Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)

public:
    explicit TNumeravaLabel(QWidget* parent = nullptr);
    ~TNumeravaLabel() override;

    // Line breaks ("\r\n", "\r" or "\n") start new lines.
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    void SetCaption(std::string_view utf8Caption);

    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);

    // The background; an invalid colour (the default) leaves the label transparent.
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

    QColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(const QColor& color);
    // The shadow's shift right and down, in pixels. The shadow is drawn even at 0.
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int offset);

    // One horizontal flag (left, centre, right) and one vertical flag (top, centre, bottom); the
    // text block is placed as a whole, its shadow included.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);

    // Breaks lines between words to fit the label's width.
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);

    // The label takes the size of its text plus the shadow; a right-aligned label keeps its right
    // edge, a centred one its centre.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    // "&&" shows one ampersand and a single "&" is not shown (the character after it would be the
    // accelerator of a control the label names).
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);

    // The text's rectangle when drawn into `bounds` (top-left placement), widened by the shadow.
    QRect TextRect(const QRect& bounds) const;
    // Where the text is drawn (the shadow lies ShadowOffset right and down of it).
    TCaptionLayout CaptionLayout() const;

    // Starts drawing a large caption (above the size Qt keeps in its glyph cache) on a worker
    // thread, so that the first paint only copies it. Call it once the label has its final text,
    // font, colours and size; any later change simply paints directly again.
    void Prepare();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Everything a paint of the caption depends on, so that it can be drawn away from the widget.
    struct TLook {
        QSize Size;
        // Device pixels to the logical pixel: a caption drawn ahead is drawn at that resolution.
        qreal Ratio = 1;
        TCaptionLayout Layout;
        int Shift = 0;
        QColor ShadowInk, Ink;
        bool operator==(const TLook&) const = default;
    };
    TLook Look() const;
    static void DrawLook(QPainter& painter, const TLook& look);

    QString ShownText() const;
    void Changed();
    void AdjustBounds();

    QString caption_;
    QFont font_;
    QColor fontColor_{0, 0, 0};
    QColor color_;
    QColor shadowColor_{0, 0, 0};
    int shadowOffset_ = 0;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap_ = false;
    bool autoSize_ = false;
    bool showAccelChar_ = false;
    std::shared_ptr<TBackgroundImage> prepared_;
    TLook preparedLook_;
};

} // namespace numerava
