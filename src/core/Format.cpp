#include "core/Format.h"

#include "core/Encoding.h"

namespace numerava {

namespace {

// Reads a run of decimal digits, saturating far below overflow; returns -1 when there are none.
int ReadNumber(std::string_view pattern, size_t& pos) {
    int value = -1;
    while (pos < pattern.size() && pattern[pos] >= '0' && pattern[pos] <= '9') {
        const int digit = pattern[pos] - '0';
        value = value < 0 ? digit : (value > 100000 ? value : value * 10 + digit);
        ++pos;
    }
    return value;
}

// Cuts a UTF-8 text after `count` code points.
std::string_view FirstCodePoints(std::string_view text, size_t count) {
    size_t seen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == count) return text.substr(0, i);
            ++seen;
        }
    }
    return text;
}

std::string FormatInteger(int64_t value, char type, int precision) {
    std::string digits;
    bool negative = false;
    if (type == 'x') {
        static constexpr char hex[] = "0123456789ABCDEF";
        auto bits = static_cast<uint64_t>(value);
        do {
            digits.insert(digits.begin(), hex[bits & 15]);
            bits >>= 4;
        } while (bits != 0);
    } else if (type == 'u') {
        digits = std::to_string(static_cast<uint64_t>(value));
    } else {
        negative = value < 0;
        digits = std::to_string(negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value));
    }
    if (precision > 0 && digits.size() < static_cast<size_t>(precision))
        digits.insert(0, static_cast<size_t>(precision) - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

} // namespace

std::string Format(std::string_view pattern, const std::vector<FormatArg>& args) {
    std::string out;
    out.reserve(pattern.size() + 16);
    size_t nextArg = 0;
    size_t pos = 0;
    while (pos < pattern.size()) {
        const size_t percent = pattern.find('%', pos);
        if (percent == std::string_view::npos) {
            out.append(pattern.substr(pos));
            break;
        }
        out.append(pattern.substr(pos, percent - pos));
        size_t p = percent + 1;
        if (p < pattern.size() && pattern[p] == '%') {
            out += '%';
            pos = p + 1;
            continue;
        }

        // Parse one directive; on any failure copy it literally.
        size_t argIndex = nextArg;
        {
            size_t q = p;
            const int index = ReadNumber(pattern, q);
            if (index >= 0 && q < pattern.size() && pattern[q] == ':') {
                argIndex = static_cast<size_t>(index);
                p = q + 1;
            }
        }
        bool leftAlign = false;
        if (p < pattern.size() && pattern[p] == '-') {
            leftAlign = true;
            ++p;
        }
        const int width = ReadNumber(pattern, p);
        int precision = -1;
        if (p < pattern.size() && pattern[p] == '.') {
            ++p;
            precision = ReadNumber(pattern, p);
        }
        const char type = p < pattern.size() ? static_cast<char>(pattern[p] | 0x20) : '\0';
        const size_t end = p < pattern.size() ? p + 1 : p;
        const std::string_view directive = pattern.substr(percent, end - percent);

        std::string piece;
        bool served = false;
        if (argIndex < args.size()) {
            const FormatArg& arg = args[argIndex];
            if ((type == 'd' || type == 'u' || type == 'x') && arg.Integer()) {
                piece = FormatInteger(*arg.Integer(), type, precision);
                served = true;
            } else if (type == 's' && arg.Text()) {
                piece = precision >= 0
                            ? std::string(FirstCodePoints(*arg.Text(), static_cast<size_t>(precision)))
                            : *arg.Text();
                served = true;
            }
        }
        if (served) {
            const size_t length = CodePointCount(piece);
            if (width > 0 && length < static_cast<size_t>(width)) {
                const std::string pad(static_cast<size_t>(width) - length, ' ');
                piece = leftAlign ? piece + pad : pad + piece;
            }
            out += piece;
            nextArg = argIndex + 1;
        } else {
            out.append(directive);
        }
        pos = end;
    }
    return out;
}

} // namespace numerava
