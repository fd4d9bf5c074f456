#include "cli/input/memory_order.h"

#include "cli/input/digit_groups.h"
#include "codec/layout.h"
#include "runtime/text.h"

#include <vector>

namespace {

constexpr int DigitBits = 4;

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

std::string MemoryOrderText(TextRef entry) {
    std::string text;
    for (std::uint8_t byte : MemoryBytesOf(entry)) {
        text += text.empty() ? "" : " ";
        text += UpperHexDigits[byte >> DigitBits];
        text += UpperHexDigits[byte & 0xF];
    }
    return text;
}
