#include "runtime/text.h"

#include <algorithm>
#include <bit>

namespace {

std::size_t ClampCount(std::int32_t count, std::size_t available) {
    return count <= 0 ? 0 : std::min(static_cast<std::size_t>(count), available);
}

} // namespace

Text FormatBinary(Number value) {
    auto bits = static_cast<std::uint64_t>(value);
    if (bits == 0) {
        return "0";
    }
    Text digits;
    for (int n = std::bit_width(bits) - 1; n >= 0; --n) {
        digits += (bits >> n) & 1 ? '1' : '0';
    }
    return digits;
}

Text FormatHex(Number value) {
    auto bits = static_cast<std::uint64_t>(value);
    Text digits;
    for (int shift = 60; shift >= 0; shift -= 4) {
        unsigned nibble = (bits >> shift) & 0xF;
        if (!digits.empty() || nibble != 0 || shift == 0) {
            digits += UpperHexDigits[nibble];
        }
    }
    return digits;
}

Number ParseNumber(TextRef text) {
    std::string_view s = text.chars;
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i < s.size() && s[i] == '%') {
        base = 2;
        ++i;
    }
    std::uint64_t value = 0;
    for (; i < s.size(); ++i) {
        int digit = DigitValue(s[i], base);
        if (digit < 0) {
            break;
        }
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    return static_cast<Number>(negative ? 0 - value : value);
}

Text PadLeft(TextRef text, std::int32_t length, TextRef fill) {
    std::size_t kept = ClampCount(length, text.chars.size());
    std::size_t pad = length <= 0 ? 0 : static_cast<std::size_t>(length) - kept;
    char fillChar = fill.chars.empty() ? ' ' : fill.chars.front();
    return Text(pad, fillChar) + Text(text.chars.substr(0, kept));
}

Text LeftChars(TextRef text, std::int32_t count) {
    return Text(text.chars.substr(0, ClampCount(count, text.chars.size())));
}

Text RightChars(TextRef text, std::int32_t count) {
    std::size_t kept = ClampCount(count, text.chars.size());
    return Text(text.chars.substr(text.chars.size() - kept));
}

Text MidChars(TextRef text, std::int32_t start, std::int32_t count) {
    std::size_t skip = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (skip >= text.chars.size()) {
        return Text();
    }
    std::string_view rest = text.chars.substr(skip);
    return Text(rest.substr(0, ClampCount(count, rest.size())));
}

std::int32_t TextLength(TextRef text) {
    return static_cast<std::int32_t>(text.chars.size());
}
