#include "core/Encoding.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace numerava {

namespace {

class Converter {
public:
    Converter() : handle_(iconv_open("UTF-8", "WINDOWS-1250")) {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("The Windows-1250 decoder is not available");
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string Decode(std::string_view bytes) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr); // reset the shift state
        std::string out;
        out.reserve(bytes.size() * 2);
        char buffer[1024];
        auto* in = const_cast<char*>(bytes.data());
        size_t inLeft = bytes.size();
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (result == static_cast<size_t>(-1) && errno != E2BIG) {
                // An undefined byte of the code page: replace it and go on.
                out += "\xEF\xBF\xBD";
                ++in;
                --inLeft;
            }
        }
        return out;
    }

private:
    iconv_t handle_;
};

} // namespace

std::string DecodeWindows1250(std::string_view bytes) {
    thread_local Converter converter;
    return converter.Decode(bytes);
}

size_t CodePointCount(std::string_view utf8) {
    size_t count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

} // namespace numerava
