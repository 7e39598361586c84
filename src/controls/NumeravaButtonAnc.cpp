#include "controls/NumeravaButtonAnc.h"

#include "platform/AccessibleEvents.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace numerava {

namespace {

QColor Lighter(const QColor& c) {
    return QColor(c.red() + (255 - c.red()) / 2, c.green() + (255 - c.green()) / 2,
                  c.blue() + (255 - c.blue()) / 2);
}

QColor Darker(const QColor& c) { return QColor(c.red() / 2, c.green() / 2, c.blue() / 2); }

// A one-pixel frame: `topLeft` on the left column and the top row (but not the top row's last
// pixel), `bottomRight` on the right column and the bottom row (but not the bottom row's first
// pixel), as two pen strokes around the edge leave them.
void DrawBevel(QPainter& painter, int width, int height, const QColor& topLeft, const QColor& bottomRight) {
    if (width <= 0 || height <= 0) return;
    painter.fillRect(0, 0, 1, height, topLeft);
    painter.fillRect(0, 0, width - 1, 1, topLeft);
    painter.fillRect(width - 1, 0, 1, height - 1, bottomRight);
    painter.fillRect(1, height - 1, width - 1, 1, bottomRight);
}

} // namespace

TNVCustomButton::TNVCustomButton(QWidget* parent) : QWidget(parent) {
    // The face fills every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TNVCustomButton::~TNVCustomButton() { picture_.AbandonPrepared(); }

void TNVCustomButton::SetPushed(bool pushed) {
    if (pushed == pushed_) return;
    pushed_ = pushed;
    update();
    QAccessible::State changed;
    changed.pressed = changed.checked = true;
    NotifyAccessibleStateChanged(this, changed);
    DoPush();
}

void TNVCustomButton::DoPush() {
    if (!loading_) emit OnPush(this);
}

void TNVCustomButton::SetPushedColor(const QColor& color) {
    if (color == pushedColor_) return;
    pushedColor_ = color;
    if (pushed_) update();
}

void TNVCustomButton::SetPushedFont(const QFont& font) {
    if (font == pushedFont_) return;
    pushedFont_ = font;
    if (pushed_) update();
}

void TNVCustomButton::SetPushedFontColor(const QColor& color) {
    if (color == pushedFontColor_) return;
    pushedFontColor_ = color;
    if (pushed_) update();
}

void TNVCustomButton::SetGrayTextColor(const QColor& color) {
    if (color == grayTextColor_) return;
    grayTextColor_ = color;
    if (!isEnabled()) update();
}

void TNVCustomButton::SetPicture(const TPicture& picture) {
    picture_ = picture;
    PictureChanged();
}

bool TNVCustomButton::LoadPicture(std::string_view programPath, QString* error) {
    const bool loaded = picture_.LoadFromFile(programPath, error);
    PictureChanged();
    return loaded;
}

void TNVCustomButton::PictureChanged() {
    if (picture_.HoldsBitmap()) picture_.SetTransparent(pictureTransparent_);
    // A metafile is drawn ahead on a worker thread, with the hints paintEvent uses.
    if (pictureWidth_ > 0 && pictureHeight_ > 0)
        picture_.Prepare({pictureWidth_, pictureHeight_},
                         QPainter::Antialiasing | QPainter::SmoothPixmapTransform, devicePixelRatioF());
    update();
}

void TNVCustomButton::SetPictureLeft(int left) {
    if (left == pictureLeft_) return;
    pictureLeft_ = left;
    update();
}

void TNVCustomButton::SetPictureTop(int top) {
    if (top == pictureTop_) return;
    pictureTop_ = top;
    update();
}

void TNVCustomButton::SetPictureHeight(int height) {
    if (height == pictureHeight_) return;
    pictureHeight_ = height;
    update();
}

void TNVCustomButton::SetPictureWidth(int width) {
    if (width == pictureWidth_) return;
    pictureWidth_ = width;
    update();
}

void TNVCustomButton::SetTextDisplacement(int displacement) {
    if (displacement == textDisplacement_) return;
    textDisplacement_ = displacement;
    update();
}

void TNVCustomButton::SetPictureTransparent(bool transparent) {
    pictureTransparent_ = transparent;
    // Only a bitmap has transparency; a real change of it repaints.
    if (picture_.HoldsBitmap() && picture_.Transparent() != transparent) {
        picture_.SetTransparent(transparent);
        update();
    }
}

void TNVCustomButton::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update();
    NotifyAccessibleNameChanged(this);
}

void TNVCustomButton::SetCaption(std::string_view utf8Caption) {
    SetCaption(QString::fromUtf8(utf8Caption.data(), static_cast<qsizetype>(utf8Caption.size())));
}

void TNVCustomButton::SetColor(const QColor& color) {
    if (color == color_) return;
    color_ = color;
    update();
}

void TNVCustomButton::SetFont(const QFont& font) {
    if (font == font_) return;
    font_ = font;
    update();
}

void TNVCustomButton::SetFontColor(const QColor& color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    update();
}

TCaptionLayout TNVCustomButton::CaptionLayout(bool pushed) const {
    // One block of lines, centred vertically, each line centred between TextDisplacement and the
    // right edge.
    return LayOutCaption(pushed ? pushedFont_ : font_, caption_,
                         QRect(textDisplacement_, 0, width() - textDisplacement_, height()),
                         Qt::AlignHCenter | Qt::AlignVCenter);
}

void TNVCustomButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor face = pushed_ ? pushedColor_ : color_;
    const QColor ink = !isEnabled() ? grayTextColor_ : pushed_ ? pushedFontColor_ : fontColor_;

    painter.fillRect(rect(), face);

    painter.setPen(ink);
    DrawCaption(painter, CaptionLayout(pushed_));

    if (pushed_) DrawBevel(painter, width(), height(), Darker(face), Lighter(face));
    else DrawBevel(painter, width(), height(), Lighter(face), Darker(face));

    if (!picture_.IsEmpty() && pictureWidth_ > 0 && pictureHeight_ > 0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::Antialiasing);
        picture_.Draw(painter, QRect(pictureLeft_, pictureTop_, pictureWidth_, pictureHeight_));
    }
}

void TNVCustomButton::resizeEvent(QResizeEvent* event) {
    update();
    QWidget::resizeEvent(event);
}

void TNVCustomButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) update();
}

void TNVCustomButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) clickArmed_ = true;
}

void TNVCustomButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !clickArmed_) return;
    clickArmed_ = false;
    if (rect().contains(event->position().toPoint())) emit OnClick();
}

void SetButtonsLoading(QWidget* root, bool loading) {
    if (root == nullptr) return;
    if (auto* button = qobject_cast<TNVCustomButton*>(root)) button->SetLoading(loading);
    for (TNVCustomButton* button : root->findChildren<TNVCustomButton*>()) button->SetLoading(loading);
}

} // namespace numerava
