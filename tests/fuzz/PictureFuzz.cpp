// Pictures are files beside the program that anyone may replace: the completeness check walks any
// bytes without reading outside them, and loading either gives a whole picture or nothing.
#include "platform/Picture.h"
#include "platform/PictureCheck.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65536) return 0;
    const auto completeness = numerava::CheckPictureCompleteness(std::span<const uint8_t>(data, size));
    numerava::TPicture picture;
    const bool loaded =
        picture.LoadFromData(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (loaded == picture.IsEmpty()) std::abort();
    if (loaded && completeness == numerava::TPictureCompleteness::Truncated) std::abort();
    return 0;
}
