// Puts arbitrary bytes through the memory-order reader and holds it to an account written apart:
// blanks split the text into runs of whole bytes, two hexadecimal digits each; six bytes are the
// three attributes, eight add the group halfword, each halfword little-endian. What is read is
// written back the same way, and its twelve digits are the independent account's.
#include "cli/input/memory_order.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/shift_and_mask.h"

#include <cctype>
#include <cstdio>

namespace {

constexpr std::size_t LongestText = 4096;
constexpr std::string_view Blanks = " \t\r\v\f";

// The bytes the text names, or nothing.
std::optional<std::vector<std::uint8_t>> BytesOf(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    std::size_t run = 0; // digits since the last blank
    unsigned value = 0;
    for (char c : text) {
        if (Blanks.find(c) != std::string_view::npos) {
            if (run % 2 != 0) {
                return std::nullopt;
            }
            run = 0;
            continue;
        }
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
        value = value << 4 | static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c))
                                                       ? c - '0'
                                                       : (c | 0x20) - 'a' + 10);
        if (++run % 2 == 0) {
            bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        }
    }
    if (run % 2 != 0) {
        return std::nullopt;
    }
    return bytes;
}

std::uint16_t Halfword(const std::vector<std::uint8_t>& bytes, std::size_t index) {
    return static_cast<std::uint16_t>(bytes[2 * index] | bytes[2 * index + 1] << 8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > LongestText) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<MemoryEntry> read = ReadMemoryOrder(text);
    const std::optional<std::vector<std::uint8_t>> bytes = BytesOf(text);
    const bool entry = bytes && (bytes->size() == 6 || bytes->size() == 8);
    Require(read.has_value() == entry);
    if (!read) {
        return 0;
    }
    const Attributes attributes{Halfword(*bytes, 0), Halfword(*bytes, 1), Halfword(*bytes, 2)};
    Require(read->halfwords[0] == attributes.attr0 && read->halfwords[1] == attributes.attr1 &&
            read->halfwords[2] == attributes.attr2);
    Require(read->hasGroupHalfword == (bytes->size() == 8));
    Require(!read->hasGroupHalfword || read->halfwords[3] == Halfword(*bytes, 3));
    const Text digits = EntryTextOf(*read);
    Require(digits == EntryText(attributes));
    std::string written;
    for (std::size_t i = 0; i < 6; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, i == 0 ? "%02X" : " %02X", (*bytes)[i]);
        written += byte;
    }
    Require(MemoryOrderText(digits) == written);
    return 0;
}
