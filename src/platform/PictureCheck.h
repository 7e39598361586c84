#pragma once
// Checks that a bitmap file holds the whole picture it announces before it is decoded: image readers
// decode a cut-off BMP, JPEG or PNG without complaint and fill the missing part with black.

#include <cstdint>
#include <span>

namespace numerava {

enum class TPictureCompleteness {
    Whole,     // a BMP, JPEG or PNG of some size with every byte its structure announces
    Truncated, // a BMP, JPEG or PNG that ends before its picture does
    Unknown,   // another format, or a header without a size: the checker has nothing to say
};

// Walks the file's structure (BMP headers and pixel data, JPEG segments up to the end marker, PNG
// chunks up to the end chunk) without decoding pixels.
TPictureCompleteness CheckPictureCompleteness(std::span<const uint8_t> data);

} // namespace numerava
