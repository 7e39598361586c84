#pragma once
// The format function of the program's texts ("NU %d: %s", "%.2d:%.2d", "%0:s"). It is safe for
// any pattern, also one read from a data file: a directive it cannot serve is copied literally.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace numerava {

class FormatArg {
public:
    template <typename Integer>
    requires std::is_integral_v<Integer> FormatArg(Integer value) : value_(static_cast<int64_t>(value)) {}
    FormatArg(std::string_view text) : value_(std::string(text)) {}
    FormatArg(const std::string& text) : value_(text) {}
    FormatArg(const char* text) : value_(std::string(text)) {}

    const int64_t* Integer() const { return std::get_if<int64_t>(&value_); }
    const std::string* Text() const { return std::get_if<std::string>(&value_); }

private:
    std::variant<int64_t, std::string> value_;
};

// Directives: "%" [index ":"] ["-"] [width] ["." precision] type, type one of
//   d  signed integer, precision = minimum digits (zero-padded after the sign)
//   u  unsigned integer, x hexadecimal (upper case), s text (precision = maximum characters)
// and "%%" for a percent sign. An index selects the argument for this and the following directives.
// A directive with a missing argument, a mismatched argument type or an unknown type stays as
// written in the result.
std::string Format(std::string_view pattern, const std::vector<FormatArg>& args);
inline std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args) {
    return Format(pattern, std::vector<FormatArg>(args));
}

} // namespace numerava
