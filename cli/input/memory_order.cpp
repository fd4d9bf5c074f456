#include "cli/input/memory_order.h"

#include "cli/input/digit_groups.h"
#include "codec/layout.h"
#include "runtime/text.h"

#include <vector>

namespace {

constexpr int DigitBits = 4;
constexpr unsigned ByteMask = 0xFF;
constexpr unsigned BitsPerByte = 8;

} // namespace

std::optional<MemoryEntry> ReadMemoryOrder(std::string_view text) {
    std::optional<Digits> digits = WithoutBlanks(text, ByteDigits);
    if (!digits) {
        return std::nullopt;
    }
    std::array<std::uint8_t, BytesPerEntry> bytes{};
    std::size_t count = digits->size / ByteDigits;
    for (std::size_t i = 0; i < count; ++i) {
        int high = DigitValue(digits->text[i * ByteDigits], HexBase);
        int low = DigitValue(digits->text[i * ByteDigits + 1], HexBase);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes[i] = static_cast<std::uint8_t>(high << DigitBits | low);
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
