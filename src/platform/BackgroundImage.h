#pragma once
// An image drawn once, ahead of its first use, on Qt's worker threads. Screens build their controls
// before the window appears and paint them all at once; what is slow to draw (large text, which Qt
// fills as outlines, and metafiles) can be drawn meanwhile on the second core. The first user of the
// image finds it finished, waits for the worker that is drawing it, or draws it itself when no
// worker has begun.

#include <QImage>
#include <QPainter>
#include <QSize>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

namespace numerava {

class TBackgroundImage {
public:
    using DrawFunction = std::function<void(QPainter&)>;

    // Starts drawing an image of `size` (logical pixels), transparent where `draw` leaves it, with
    // `hints` set on the painter; `draw` paints in logical pixels. With a `devicePixelRatio` above 1
    // the image has that many times the pixels and is drawn at that resolution, for a display that
    // shows each logical pixel as several. `draw` runs on another thread: it may use only what it
    // holds (copies of fonts, texts, pictures), never a widget.
    static std::shared_ptr<TBackgroundImage> Start(QSize size, qreal devicePixelRatio,
                                                   QPainter::RenderHints hints, DrawFunction draw);

    QSize Size() const { return size_; }
    qreal DevicePixelRatio() const { return devicePixelRatio_; }
    QPainter::RenderHints Hints() const { return hints_; }
    // The finished image (premultiplied ARGB); a null image once abandoned before it was drawn.
    const QImage& Image();
    // Its owner no longer needs it: a drawing not yet begun never starts, one under way is waited
    // for. Owners call it before they go, because a worker still drawing text while the application
    // object is destroyed would use Qt's font database after it is gone.
    void Abandon();

    TBackgroundImage(QSize size, qreal devicePixelRatio, QPainter::RenderHints hints, DrawFunction draw);

private:
    QSize size_;
    qreal devicePixelRatio_;
    QPainter::RenderHints hints_;
    DrawFunction draw_;
    std::once_flag once_;
    std::atomic<bool> abandoned_ = false;
    QImage image_;
};

} // namespace numerava
