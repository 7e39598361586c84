#include "core/FixedNumber.h"

#include <charconv>

namespace numerava {

TFixedNumber MakeNumber(int32_t decimals, int64_t value) { return TFixedNumber{value, decimals}; }

void NormalizeNumber(TFixedNumber& x) {
    while (x.Decimals > 0 && x.Value % 10 == 0) {
        x.Value /= 10;
        --x.Decimals;
    }
}

std::optional<TFixedNumber> ParseNumber(std::string_view text) {
    if (text == "N") return SpecialAnswerN();

    std::string digits(text);
    int32_t decimals = 0;
    if (const auto comma = digits.find(','); comma != std::string::npos) {
        digits.erase(comma, 1);
        decimals = static_cast<int32_t>(digits.size() - comma);
    }

    // A signed decimal integer: optional sign, then at least one digit, nothing else.
    std::string_view body = digits;
    const bool negative = !body.empty() && body.front() == '-';
    if (!body.empty() && (body.front() == '-' || body.front() == '+')) body.remove_prefix(1);
    if (body.empty()) return std::nullopt;
    for (const char c : body)
        if (c < '0' || c > '9') return std::nullopt;

    // Read the magnitude as unsigned so that the most negative 64-bit value parses too.
    uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), magnitude);
    if (error != std::errc{} || end != body.data() + body.size()) return std::nullopt;
    constexpr uint64_t maxPositive = static_cast<uint64_t>(INT64_MAX);
    if (magnitude > maxPositive + (negative ? 1 : 0)) return std::nullopt;

    int64_t value = 0;
    if (negative) value = magnitude == maxPositive + 1 ? INT64_MIN : -static_cast<int64_t>(magnitude);
    else value = static_cast<int64_t>(magnitude);
    return MakeNumber(decimals, value);
}

std::string FormatNumber(const TFixedNumber& x) {
    if (x.Decimals < 0) return x.Value == 0 ? "N" : "Invalid opcode";

    const uint64_t magnitude =
        x.Value < 0 ? 0 - static_cast<uint64_t>(x.Value) : static_cast<uint64_t>(x.Value);
    std::string digits = std::to_string(magnitude);
    if (x.Decimals > 0) {
        const auto decimals = static_cast<size_t>(x.Decimals);
        if (digits.size() <= decimals) digits.insert(0, decimals - digits.size() + 1, '0');
        digits.insert(digits.size() - decimals, 1, ',');
    }
    if (x.Value < 0) digits.insert(0, 1, '-');
    return digits;
}

bool SameNumber(TFixedNumber a, TFixedNumber b) {
    NormalizeNumber(a);
    NormalizeNumber(b);
    return a == b;
}

} // namespace numerava
