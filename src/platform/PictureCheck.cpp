#include "platform/PictureCheck.h"

#include <array>
#include <cstring>

namespace numerava {

namespace {

using Bytes = std::span<const uint8_t>;

uint32_t Little16(Bytes data, size_t at) { return static_cast<uint32_t>(data[at] | data[at + 1] << 8); }
uint32_t Little32(Bytes data, size_t at) { return Little16(data, at) | Little16(data, at + 2) << 16; }
uint32_t Big16(Bytes data, size_t at) { return static_cast<uint32_t>(data[at] << 8 | data[at + 1]); }
uint32_t Big32(Bytes data, size_t at) { return Big16(data, at) << 16 | Big16(data, at + 2); }

constexpr uint32_t BmpRgb = 0, BmpRle8 = 1, BmpRle4 = 2, BmpBitFields = 3, BmpAlphaBitFields = 6;

// Run-length coded pixels are whole when the end-of-bitmap code lies inside the data.
TPictureCompleteness CheckRunLengths(Bytes data, size_t at, bool fourBits) {
    while (at + 2 <= data.size()) {
        const uint8_t count = data[at];
        const uint8_t code = data[at + 1];
        at += 2;
        if (count != 0) continue; // an encoded run
        if (code == 1) return TPictureCompleteness::Whole;
        if (code == 0) continue; // end of line
        if (code == 2) {         // delta: two more bytes
            at += 2;
            continue;
        }
        size_t bytes = fourBits ? (code + 1u) / 2 : code; // absolute run, padded to a word
        at += bytes + (bytes & 1u);
    }
    return TPictureCompleteness::Truncated;
}

TPictureCompleteness CheckBmp(Bytes data) {
    constexpr size_t fileHeader = 14;
    if (data.size() < fileHeader + 12) return TPictureCompleteness::Truncated;
    const uint64_t pixelsAt = Little32(data, 10);
    const uint32_t infoSize = Little32(data, fileHeader);
    int64_t width = 0, height = 0;
    uint32_t bitCount = 0, compression = BmpRgb;
    if (infoSize == 12) { // the old core header
        width = Little16(data, 18);
        height = Little16(data, 20);
        bitCount = Little16(data, 24);
    } else {
        if (data.size() < fileHeader + 20) return TPictureCompleteness::Truncated;
        width = static_cast<int32_t>(Little32(data, 18));
        height = static_cast<int32_t>(Little32(data, 22));
        bitCount = Little16(data, 28);
        compression = Little32(data, 30);
    }
    if (height < 0) height = -height;
    if (width <= 0 || height == 0 || bitCount == 0 || bitCount > 64) return TPictureCompleteness::Unknown;
    if (pixelsAt > data.size()) return TPictureCompleteness::Truncated;

    switch (compression) {
    case BmpRgb:
    case BmpBitFields:
    case BmpAlphaBitFields: {
        const uint64_t stride = (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
        const uint64_t needed = pixelsAt + stride * static_cast<uint64_t>(height);
        return needed <= data.size() ? TPictureCompleteness::Whole : TPictureCompleteness::Truncated;
    }
    case BmpRle8: return CheckRunLengths(data, static_cast<size_t>(pixelsAt), false);
    case BmpRle4: return CheckRunLengths(data, static_cast<size_t>(pixelsAt), true);
    default: return TPictureCompleteness::Unknown; // embedded JPEG or PNG, or unknown coding
    }
}

// A start-of-frame marker: baseline, progressive and the other codings (not the tables that share
// the range).
bool FrameMarker(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Segments with a length up to the first scan, the coded data of each scan (where a 0xFF byte is
// followed by a stuffed zero or a restart code), and so on until the end-of-image marker. A file
// without a frame of some size has no picture, whole or not: a decoder decides.
TPictureCompleteness CheckJpeg(Bytes data) {
    size_t at = 2;
    bool frame = false;
    while (at < data.size()) {
        if (data[at] != 0xFF) { // stray bytes between segments: decoders skip them
            ++at;
            continue;
        }
        while (at < data.size() && data[at] == 0xFF) ++at; // fill bytes
        if (at >= data.size()) break;
        const uint8_t marker = data[at++];
        if (marker == 0xD9) return frame ? TPictureCompleteness::Whole : TPictureCompleteness::Unknown;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue; // no length
        if (at + 2 > data.size()) break;
        const size_t length = Big16(data, at);
        if (length < 2 || at + length > data.size()) break;
        // Precision, height and width follow the length.
        if (FrameMarker(marker) && length >= 8 && Big16(data, at + 3) != 0 && Big16(data, at + 5) != 0)
            frame = true;
        at += length;
        if (marker != 0xDA) continue;
        // Coded data of a scan: runs until a marker that is neither a stuffed zero nor a restart.
        while (at + 1 < data.size()) {
            if (data[at] == 0xFF) {
                const uint8_t next = data[at + 1];
                if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
                    at += 2;
                    continue;
                }
                if (next != 0xFF) break;
            }
            ++at;
        }
        if (at + 1 >= data.size()) break;
    }
    return TPictureCompleteness::Truncated;
}

// Chunks (length, type, data, checksum) up to the end chunk. The first chunk is the header with a
// size; without it the file holds no picture, whole or not: a decoder decides.
TPictureCompleteness CheckPng(Bytes data) {
    if (data.size() >= 8 + 16 && std::memcmp(data.data() + 12, "IHDR", 4) == 0 &&
        (Big32(data, 16) == 0 || Big32(data, 20) == 0))
        return TPictureCompleteness::Unknown;
    if (data.size() >= 8 + 8 && std::memcmp(data.data() + 12, "IHDR", 4) != 0)
        return TPictureCompleteness::Unknown;
    size_t at = 8;
    while (at + 12 <= data.size()) {
        const uint64_t length = Big32(data, at);
        if (std::memcmp(data.data() + at + 4, "IEND", 4) == 0) return TPictureCompleteness::Whole;
        if (length > data.size() - at - 12) break;
        at += 12 + static_cast<size_t>(length);
    }
    return TPictureCompleteness::Truncated;
}

} // namespace

TPictureCompleteness CheckPictureCompleteness(std::span<const uint8_t> data) {
    static constexpr std::array<uint8_t, 8> pngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') return CheckBmp(data);
    if (data.size() >= 2 && data[0] == 0xFF && data[1] == 0xD8) return CheckJpeg(data);
    if (data.size() >= pngSignature.size() &&
        std::memcmp(data.data(), pngSignature.data(), pngSignature.size()) == 0)
        return CheckPng(data);
    return TPictureCompleteness::Unknown;
}

} // namespace numerava
