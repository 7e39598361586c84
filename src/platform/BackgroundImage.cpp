#include "platform/BackgroundImage.h"

#include <QThreadPool>

namespace numerava {

TBackgroundImage::TBackgroundImage(QSize size, qreal devicePixelRatio, QPainter::RenderHints hints,
                                   DrawFunction draw)
    : size_(size), devicePixelRatio_(devicePixelRatio), hints_(hints), draw_(std::move(draw)) {}

std::shared_ptr<TBackgroundImage> TBackgroundImage::Start(QSize size, qreal devicePixelRatio,
                                                          QPainter::RenderHints hints, DrawFunction draw) {
    auto image = std::make_shared<TBackgroundImage>(size, devicePixelRatio, hints, std::move(draw));
    QThreadPool::globalInstance()->start([image] { image->Image(); });
    return image;
}

const QImage& TBackgroundImage::Image() {
    std::call_once(once_, [this] {
        if (abandoned_) return;
        QImage image(size_ * devicePixelRatio_, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(devicePixelRatio_);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(hints_);
        draw_(painter);
        painter.end();
        image_ = std::move(image);
        draw_ = nullptr; // what it held is no longer needed
    });
    return image_;
}

void TBackgroundImage::Abandon() {
    abandoned_ = true;
    std::call_once(once_, [this] { draw_ = nullptr; });
}

} // namespace numerava
