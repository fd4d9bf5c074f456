#include "cli/memory_order.h"

#include "cli/blanks.h"

#include <vector>

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";
constexpr int NotADigit = -1;
constexpr int DigitBits = 4;

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return NotADigit;
}

} // namespace

std::optional<MemoryEntry> ReadMemoryOrder(std::string_view text) {
    std::array<std::uint8_t, BytesPerEntry> bytes{};
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        if (count == bytes.size() || i + 1 >= text.size()) {
            return std::nullopt;
        }
        int high = HexValue(text[i]);
        int low = HexValue(text[i + 1]);
        if (high == NotADigit || low == NotADigit) {
            return std::nullopt;
        }
        bytes[count++] = static_cast<std::uint8_t>(high << DigitBits | low);
        i += 2;
    }
    return EntryFromBytes(std::span(bytes).first(count));
}

std::string MemoryOrderText(TextRef entry) {
    std::string text;
    for (std::uint8_t byte : MemoryBytesOf(entry)) {
        text += text.empty() ? "" : " ";
        text += HexDigits[byte >> DigitBits];
        text += HexDigits[byte & 0xF];
    }
    return text;
}
