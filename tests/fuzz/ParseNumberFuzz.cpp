// Typed answers: any text must parse or be refused, never crash; a parsed number must survive
// formatting and parsing again unchanged.
#include "core/FixedNumber.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace numerava;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto parsed = ParseNumber(text);
    if (!parsed) return 0;
    const auto again = ParseNumber(FormatNumber(*parsed));
    if (!again || !SameNumber(*again, *parsed)) std::abort();
    NormalizeNumber(*parsed);
    return 0;
}
