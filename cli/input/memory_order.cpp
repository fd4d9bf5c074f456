#include "cli/input/memory_order.h"

#include "cli/input/blanks.h"
#include "codec/layout.h"
#include "runtime/text.h"

#include <vector>

namespace {

constexpr int DigitBits = 4;
constexpr unsigned ByteMask = 0xFF;
constexpr unsigned BitsPerByte = 8;

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
        int high = DigitValue(text[i], HexBase);
        int low = DigitValue(text[i + 1], HexBase);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes[count++] = static_cast<std::uint8_t>(high << DigitBits | low);
        i += 2;
    }
    return EntryFromBytes(std::span(bytes).first(count));
}

std::string MemoryOrderText(TextRef entry, std::optional<std::uint16_t> groupHalfword) {
    std::string text;
    auto add = [&text](std::uint8_t byte) {
        text += text.empty() ? "" : " ";
        text += UpperHexDigits[byte >> DigitBits];
        text += UpperHexDigits[byte & 0xF];
    };
    for (std::uint8_t byte : MemoryBytesOf(entry)) {
        add(byte);
    }
    if (groupHalfword) {
        add(static_cast<std::uint8_t>(*groupHalfword & ByteMask));
        add(static_cast<std::uint8_t>(*groupHalfword >> BitsPerByte));
    }
    return text;
}
