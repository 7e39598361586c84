// Format patterns can come from a data file: any pattern with any arguments must format safely.
#include "core/Format.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace numerava;
    const std::string_view pattern(reinterpret_cast<const char*>(data), size);
    const std::string result = Format(pattern, {"Petr", 42, "ž", -7});
    (void)Format(pattern, {});
    return result.size() > size * 64 + 64 ? 1 : 0;
}
