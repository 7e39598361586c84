#include "platform/Picture.h"

#include "platform/PictureCheck.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <span>

namespace numerava {

namespace {

// The decoder for a bitmap, PNG or JPEG file, picked from its first bytes.
const char* FormatOf(const QByteArray& data) {
    if (data.startsWith("BM")) return "bmp";
    if (data.startsWith("\x89PNG\r\n\x1a\n")) return "png";
    if (data.startsWith("\xFF\xD8\xFF")) return "jpeg";
    return nullptr;
}

// Reads the data with the decoder for `format` alone. Qt's own detection asks every image plugin
// whether it can read the data first, loading each (the JPEG one with its library) even for a
// bitmap, which costs the first picture several milliseconds.
QImage ReadAs(const QByteArray& data, const char* format) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// Reads a picture file whole. Only a regular file of at most MaxFileBytes is read: a pipe would
// wait for a writer, a device would never end.
bool ReadPictureFile(const QString& path, QByteArray* data, QString* why = nullptr) {
    const auto fail = [why](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    if (path.isEmpty()) return fail(QStringLiteral("no file name"));
    const QFileInfo info(path);
    if (!info.exists()) return fail(QStringLiteral("no such file"));
    if (!info.isFile()) return fail(QStringLiteral("not a regular file"));
    if (info.size() > TPicture::MaxFileBytes)
        return fail(QStringLiteral("larger than %1 bytes").arg(TPicture::MaxFileBytes));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
    // read() with a limit: the file may have grown since it was measured.
    *data = file.read(TPicture::MaxFileBytes + 1);
    if (data->size() > TPicture::MaxFileBytes)
        return fail(QStringLiteral("larger than %1 bytes").arg(TPicture::MaxFileBytes));
    return true;
}

// What TPicture::LoadFromData accepts, judged without decoding the pixels: a whole metafile, or a
// BMP, JPEG or PNG of some size whose structure is complete; anything else as far as its decoder
// accepts the header. Checking every picture of the program this way costs no more memory than the
// largest file, and loads no image plugin for the program's own pictures.
bool LooksReadable(const QByteArray& data) {
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(data.constData()),
                                         static_cast<size_t>(data.size()));
    if (auto metafile = TMetafile::Parse(bytes)) return metafile->Complete();
    switch (CheckPictureCompleteness(bytes)) {
    case TPictureCompleteness::Whole: return true;
    case TPictureCompleteness::Truncated: return false;
    case TPictureCompleteness::Unknown: break;
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.canRead() && reader.size().isValid() && !reader.size().isEmpty();
}

} // namespace

QString LocalPath(std::string_view programPath) {
    QString path = QString::fromUtf8(programPath.data(), static_cast<qsizetype>(programPath.size()));
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

bool GraphicsFolderPresent() { return QFileInfo(QString::fromLatin1(GraphicsFolder)).isDir(); }

std::vector<std::string> UnreadablePictures(const std::vector<std::string>& programPaths) {
    std::vector<std::string> unreadable;
    for (const std::string& path : programPaths) {
        QByteArray data;
        if (!ReadPictureFile(LocalPath(path), &data) || !LooksReadable(data))
            unreadable.push_back(LocalPath(path).toStdString());
    }
    return unreadable;
}

TPicture TPicture::FromImage(QImage image) {
    TPicture picture;
    picture.image_ = std::move(image);
    return picture;
}

bool TPicture::LoadFromFile(std::string_view programPath, QString* error) {
    const QString path = LocalPath(programPath);
    const auto fail = [&](const QString& why) {
        const bool transparent = transparent_;
        *this = TPicture{};
        transparent_ = transparent;
        if (error) *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    };
    QByteArray data;
    QString why;
    if (!ReadPictureFile(path, &data, &why)) return fail(why);
    if (!LoadFromData(data, error)) {
        if (error) *error = QStringLiteral("%1: %2").arg(path, *error);
        return false;
    }
    return true;
}

bool TPicture::LoadFromData(const QByteArray& data, QString* error) {
    const bool transparent = transparent_;
    *this = TPicture{};
    transparent_ = transparent;
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(data.constData()),
                                         static_cast<size_t>(data.size()));
    if (auto metafile = TMetafile::Parse(bytes)) {
        if (!metafile->Complete()) {
            if (error) *error = QStringLiteral("damaged or cut-off metafile");
            return false;
        }
        metafile_ = std::move(*metafile);
        return true;
    }
    if (CheckPictureCompleteness(bytes) == TPictureCompleteness::Truncated) {
        if (error) *error = QStringLiteral("the picture is cut off");
        return false;
    }
    const char* format = FormatOf(data);
    QImage image = format ? ReadAs(data, format) : QImage();
    // Data that only looks like one of the three is left to Qt's own detection.
    if (image.isNull() && !image.loadFromData(data)) {
        if (error) *error = QStringLiteral("not a picture Numerava can read");
        return false;
    }
    image_ = std::move(image);
    SetTransparent(transparent_);
    return true;
}

void TPicture::SetTransparent(bool transparent) {
    transparent_ = transparent;
    transparentImage_ = QImage();
    if (!transparent || image_.isNull()) return;
    QImage masked = image_.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = masked.pixel(0, masked.height() - 1);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
    }
    transparentImage_ = std::move(masked);
}

QSize TPicture::Size() const {
    if (!image_.isNull()) return image_.size();
    if (metafile_) return metafile_->NaturalSize();
    return {};
}

namespace {

// The hints that change how a metafile comes out.
constexpr QPainter::RenderHints DrawingHints = QPainter::Antialiasing | QPainter::SmoothPixmapTransform;

} // namespace

void TPicture::Prepare(QSize size, QPainter::RenderHints hints, qreal devicePixelRatio) {
    if (!metafile_ || size.isEmpty()) return;
    if (prepared_ && prepared_->Size() == size && prepared_->Hints() == (hints & DrawingHints) &&
        prepared_->DevicePixelRatio() == devicePixelRatio)
        return;
    prepared_ = TBackgroundImage::Start(size, devicePixelRatio, hints & DrawingHints,
                                        [metafile = *metafile_, size](QPainter& painter) {
                                            metafile.Play(painter, QRectF(QPointF(0, 0), QSizeF(size)));
                                        });
}

void TPicture::Draw(QPainter& painter, const QRect& target) const {
    if (!image_.isNull()) {
        painter.drawImage(target, transparent_ ? transparentImage_ : image_);
    } else if (metafile_) {
        const bool preparedFits = prepared_ && prepared_->Size() == target.size() &&
                                  prepared_->Hints() == (painter.renderHints() & DrawingHints) &&
                                  prepared_->DevicePixelRatio() == painter.device()->devicePixelRatioF() &&
                                  painter.transform().type() <= QTransform::TxTranslate;
        if (preparedFits && !prepared_->Image().isNull())
            painter.drawImage(target.topLeft(), prepared_->Image());
        else metafile_->Play(painter, QRectF(target));
    }
}

void TPicture::AbandonPrepared() {
    if (prepared_) prepared_->Abandon();
}

} // namespace numerava
