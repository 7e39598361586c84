#include "controls/NumeravaEdit.h"

#include "platform/AccessibleEvents.h"
#include "platform/Fonts.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace numerava {

TNumeravaEdit::TNumeravaEdit(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // Layouts keep the width the text asks for.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(&blink_, &TBlinkingCaret::Changed, this, [this] { update(CaretRect()); });
    FitWidth();
}

void TNumeravaEdit::SetText(const QString& text) {
    if (text == text_) return;
    const QString before = std::exchange(text_, text);
    FitWidth();
    if (hasFocus() && caret_) blink_.Restart();
    Invalidate();
    NotifyAccessibleTextChanged(this, before, text_);
}

void TNumeravaEdit::SetText(std::string_view utf8Text) {
    SetText(QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size())));
}

void TNumeravaEdit::SetFont(const QFont& font) {
    if (font == font_) return;
    font_ = font;
    FitWidth();
    Invalidate();
}

void TNumeravaEdit::SetFontColor(const QColor& color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    Invalidate();
}

void TNumeravaEdit::SetShadowOffset(int offset) {
    if (offset == shadowOffset_) return;
    shadowOffset_ = offset;
    FitWidth();
    Invalidate();
}

void TNumeravaEdit::SetShadowColor(const QColor& color) {
    if (color == shadowColor_) return;
    shadowColor_ = color;
    Invalidate();
}

void TNumeravaEdit::SetColor(const QColor& color) {
    if (color == color_) return;
    color_ = color;
    Invalidate();
}

void TNumeravaEdit::SetCaret(bool caret) {
    if (caret == caret_) return;
    caret_ = caret;
    UpdateCaret();
}

QRect TNumeravaEdit::CaretRect() const {
    const int caretHeight = CellMetrics(font_).Height();
    return {width() - 1, (height() - caretHeight) / 2, 1, caretHeight};
}

QSize TNumeravaEdit::sizeHint() const {
    return {QFontMetrics(font_).horizontalAdvance(text_) + shadowOffset_ + 1,
            CellMetrics(font_).Height() + shadowOffset_};
}

void TNumeravaEdit::FitWidth() {
    resize(sizeHint().width(), height());
    updateGeometry();
}

void TNumeravaEdit::Invalidate() {
    takeFocusOnPaint_ = true;
    update();
}

void TNumeravaEdit::UpdateCaret() { blink_.SetActive(caret_ && hasFocus()); }

bool TNumeravaEdit::event(QEvent* event) {
    // Every key, Tab included, goes to the key handler instead of moving the focus.
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void TNumeravaEdit::keyPressEvent(QKeyEvent* event) {
    // A handler that leaves the key alone can ignore it to pass it on to the parent.
    event->accept();
    emit OnKeyPress(event);
}

void TNumeravaEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setFocus(Qt::MouseFocusReason);
}

void TNumeravaEdit::paintEvent(QPaintEvent* /*event*/) {
    {
        QPainter painter(this);
        if (color_.isValid()) painter.fillRect(rect(), color_);
        // The line's height and baseline come from the font's cell, as for the equations beside the
        // field, so the typed answer sits on the question's baseline.
        const TCellMetrics cell = CellMetrics(font_);
        const int baseline = (height() - cell.Height()) / 2 + cell.Ascent;
        painter.setFont(font_);
        painter.setPen(shadowColor_);
        painter.drawText(QPoint(shadowOffset_, baseline + shadowOffset_), text_);
        painter.setPen(fontColor_);
        painter.drawText(QPoint(0, baseline), text_);
        if (blink_.Visible()) {
            // Inverts what lies below, like the system caret.
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter.fillRect(CaretRect(), Qt::white);
        }
    }
    if (takeFocusOnPaint_) {
        takeFocusOnPaint_ = false;
        if (!hasFocus()) setFocus(Qt::OtherFocusReason);
    }
}

void TNumeravaEdit::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    UpdateCaret();
}

void TNumeravaEdit::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    UpdateCaret();
}

void TNumeravaEdit::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Invalidate();
}

void TNumeravaEdit::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Invalidate();
}

} // namespace numerava
