#pragma once
// TNumeravaEdit: the drill's answer field. It shows a text with a drop shadow and a blinking caret
// right of it, but edits nothing itself: every key press, Enter, Escape, Tab and the arrows
// included, goes to OnKeyPress, whose handler builds the new text and assigns Text. The field's
// width follows its text, and it takes the keyboard focus whenever it is painted or clicked, so
// typed keys always reach it.

#include "platform/Caret.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <string_view>

class QKeyEvent;

namespace numerava {

class TNumeravaEdit : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(bool Caret READ Caret WRITE SetCaret)
    Q_PROPERTY(int ShadowOffset READ ShadowOffset WRITE SetShadowOffset)
    Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)

public:
    explicit TNumeravaEdit(QWidget* parent = nullptr);

    // A change sets the width to the text's width + ShadowOffset + 1 (the caret's column) and
    // repaints; the caret moves along.
    const QString& Text() const { return text_; }
    void SetText(const QString& text);
    void SetText(std::string_view utf8Text);

    // A change of the font or of the shadow offset sets the width from the text as well.
    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int offset);
    QColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(const QColor& color);

    // Whether the caret blinks while the field has the focus.
    bool Caret() const { return caret_; }
    void SetCaret(bool caret);
    // Whether the caret is drawn at this moment.
    bool CaretShown() const { return blink_.Visible(); }
    // The caret's rectangle: one pixel wide in the last column, as tall as a line of the font and
    // centred vertically.
    QRect CaretRect() const;

    // The background; an invalid colour (the default) lets the parent show through.
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

    QSize sizeHint() const override;

signals:
    void OnKeyPress(QKeyEvent* event);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FitWidth();
    // Repaints the whole field; the next paint also takes the focus.
    void Invalidate();
    void UpdateCaret();

    QString text_;
    QFont font_;
    QColor fontColor_{0, 0, 0};
    bool caret_ = false;
    int shadowOffset_ = 0;
    QColor shadowColor_{0, 0, 0};
    QColor color_;
    TBlinkingCaret blink_;
    // Set by every repaint except the caret's blinking, whose paints must not pull the focus back.
    bool takeFocusOnPaint_ = true;
};

} // namespace numerava
