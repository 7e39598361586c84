// Pictures are files beside the program that anyone may replace: any bytes must parse and play
// without crashing, hanging or reading outside the data, and playing leaves the painter as it was.
#include "platform/Metafile.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65536) return 0;
    const auto metafile = numerava::TMetafile::Parse(std::span<const uint8_t>(data, size));
    if (!metafile) return 0;
    const QRectF bounds = metafile->Bounds();
    if (bounds.width() < 0 || bounds.height() < 0) std::abort();
    (void)metafile->NaturalSize();

    QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(1, 2);
    const QTransform before = painter.transform();
    metafile->Play(painter, QRectF(0, 0, 20, 18));
    metafile->Play(painter, QRectF(3, 2, 40, 6)); // another stretch, partly outside the image
    if (painter.transform() != before || painter.hasClipping()) std::abort();
    return 0;
}
