#pragma once
// A picture as the screens hold it: a bitmap (BMP, JPEG, PNG through Qt's readers) or a metafile
// (WMF, EMF through our reader), drawn stretched into a rectangle.

#include "platform/BackgroundImage.h"
#include "platform/Metafile.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numerava {

// The program's texts write paths as "Graphics\50.bmp" (or "Graphics/kolo01.jpg"), relative to
// the program's folder; this turns one into a path for the file system.
QString LocalPath(std::string_view programPath);

// The folder beside the program that holds the pictures and the word-problem files.
inline constexpr const char* GraphicsFolder = "Graphics";
bool GraphicsFolderPresent();

// The pictures among `programPaths` that are missing or cannot be read as a whole (what
// TPicture::LoadFromFile refuses), as the program's paths with forward slashes, in the given order.
// Reads every file and checks its structure and header without decoding its pixels: reentrant,
// meant for a worker thread.
std::vector<std::string> UnreadablePictures(const std::vector<std::string>& programPaths);

class TPicture {
public:
    TPicture() = default;
    static TPicture FromImage(QImage image);

    // The largest picture file read: far above any real picture, far below what would hurt.
    static constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;

    // Loads a picture file by the program's path. Only a regular file of at most MaxFileBytes is
    // read (a link to a device or a pipe is never opened). On failure the picture is left empty and
    // `error` (when given) says why, in English for the log; screens show their own message.
    bool LoadFromFile(std::string_view programPath, QString* error = nullptr);
    // A cut-off or damaged file is refused as a whole: never half a picture.
    bool LoadFromData(const QByteArray& data, QString* error = nullptr);

    bool IsEmpty() const { return image_.isNull() && !metafile_; }
    bool HoldsBitmap() const { return !image_.isNull(); }
    // The bitmap as loaded (null for a metafile or an empty picture).
    const QImage& Image() const { return image_; }
    // A transparent bitmap leaves out every pixel of the colour of its bottom-left pixel.
    void SetTransparent(bool transparent);
    bool Transparent() const { return transparent_; }
    QSize Size() const;

    // Starts drawing a metafile at `size` with the render hints `hints` on a worker thread, so that
    // the first Draw into a rectangle of that size with those hints, on a device of that pixel
    // ratio, only copies the result (the same pixels). Bitmaps need no preparing; loading another
    // picture drops the prepared one.
    void Prepare(QSize size, QPainter::RenderHints hints, qreal devicePixelRatio);

    void Draw(QPainter& painter, const QRect& target) const;

    // Stops or waits for the preparing worker: the widget holding the picture calls it as it goes.
    void AbandonPrepared();

private:
    QImage image_;
    QImage transparentImage_;
    std::optional<TMetafile> metafile_;
    std::shared_ptr<TBackgroundImage> prepared_;
    bool transparent_ = false;
};

} // namespace numerava
