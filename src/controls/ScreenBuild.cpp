#include "controls/ScreenBuild.h"

#include "controls/ControlFont.h"
#include "controls/Label.h"

#include <QMouseEvent>
#include <QPainter>

namespace numerava {

void SetBackground(QWidget* widget, QColor color) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
}

void StyleButton(TNVCustomButton* button, QRect geometry, QColor color, QColor pushedColor,
                 const QString& caption, int fontPixels) {
    button->setGeometry(geometry);
    button->SetColor(color);
    button->SetPushedColor(pushedColor);
    button->SetFont(ControlFont("Tahoma", fontPixels, true));
    button->SetPushedFont(ControlFont("Tahoma", 19, true));
    button->SetPushedFontColor(Qt::white);
    button->SetGrayTextColor(Qt::gray);
    button->SetCaption(caption);
    button->setCursor(Qt::PointingHandCursor);
}

TNumeravaButton* MakeButton(QWidget* parent, QRect geometry, QColor color, QColor pushedColor,
                            const QString& caption, int fontPixels) {
    return MakeStyledButton<TNumeravaButton>(parent, geometry, color, pushedColor, caption, fontPixels);
}

TNumeravaLabel* MakeShadowLabel(QWidget* parent, QRect geometry, const QString& caption, int fontPixels,
                                QColor color, QColor shadowColor, int shadowOffset, bool bold) {
    auto* label = new TNumeravaLabel(parent);
    label->setGeometry(geometry);
    label->SetFont(ControlFont("Tahoma", fontPixels, bold));
    label->SetFontColor(color);
    label->SetShadowColor(shadowColor);
    label->SetShadowOffset(shadowOffset);
    label->SetCaption(caption);
    return label;
}

QLabel* MakeLabel(QWidget* parent, QPoint position, const QString& text, int fontPixels, bool bold,
                  QColor color, std::string_view face) {
    auto* label = new TLabel(text, parent);
    label->setFont(ControlFont(face, fontPixels, bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->move(position);
    label->adjustSize();
    return label;
}

bool TImage::Load(std::string_view path) {
    const bool loaded = picture_.LoadFromFile(path);
    // A metafile filling the control is drawn ahead on a worker thread, with paintEvent's hints.
    if (!proportional_) picture_.Prepare(size(), QPainter::SmoothPixmapTransform, devicePixelRatioF());
    update();
    return loaded;
}

void TImage::SetPicture(TPicture picture) {
    picture_ = std::move(picture);
    update();
}

void TImage::SetProportional(bool proportional) {
    proportional_ = proportional;
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QRect target = rect();
    const QSize size = picture_.Size();
    if (proportional_ && !size.isEmpty()) {
        target.setSize(size.scaled(target.size(), Qt::KeepAspectRatio));
        target.moveCenter(rect().center());
    }
    picture_.Draw(painter, target);
}

void TImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit OnClick();
    QWidget::mousePressEvent(event);
}

TImage* MakeImage(QWidget* parent, QRect geometry, std::string_view path) {
    auto* image = new TImage(parent);
    image->setGeometry(geometry);
    image->Load(path);
    return image;
}

} // namespace numerava
