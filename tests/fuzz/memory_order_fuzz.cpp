// Puts arbitrary bytes through the memory-order reader and the entry reader and holds them to an
// account written apart: blanks split the text into runs of whole bytes, two hexadecimal digits
// each; six bytes are the three attributes, eight add the group halfword, each halfword
// little-endian. What is read is written back the same way, and its twelve digits are the
// independent account's. An entry is twelve digits in runs of whole halfwords, four digits each.
#include "cli/input/digit_groups.h"
#include "cli/input/memory_order.h"
#include "tests/fuzz/fuzz_support.h"

#include <cctype>

namespace {

constexpr std::size_t LongestText = 4096;

// The digits the text names, in capitals, or nothing: each run between blanks whole units.
std::optional<std::string> DigitsOf(std::string_view text, std::size_t unit) {
    std::string digits;
    std::size_t run = 0; // digits since the last blank
    for (char c : text) {
        if (Blanks.find(c) != std::string_view::npos && run % unit == 0) {
            run = 0;
        } else if (std::isxdigit(static_cast<unsigned char>(c))) {
            digits += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            ++run;
        } else {
            return std::nullopt;
        }
    }
    return run % unit == 0 ? std::optional(digits) : std::nullopt;
}

void CheckEntry(std::string_view text) {
    const std::optional<EntryRead> read = ReadEntry(text);
    const std::optional<std::string> digits = DigitsOf(text, 4);
    Require(read.has_value() == (digits && digits->size() == 12));
    if (read) {
        const Attributes attributes = AttributesOfEntry(*digits);
        Require(read->words ==
                AttributeWords{attributes.attr0, attributes.attr1, attributes.attr2});
    }
}

// Each halfword of the digits, its two bytes swapped: memory holds the low byte first.
std::string Swapped(const std::string& digits) {
    std::string swapped;
    for (std::size_t at = 0; at < digits.size(); at += 4) {
        swapped += digits.substr(at + 2, 2) + digits.substr(at, 2);
    }
    return swapped;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > LongestText) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckEntry(text);
    const std::optional<MemoryEntry> read = ReadMemoryOrder(text);
    std::optional<std::string> digits = DigitsOf(text, 2);
    if (digits && digits->size() != 12 && digits->size() != 16) {
        digits.reset();
    }
    Require(read.has_value() == digits.has_value());
    if (!read) {
        return 0;
    }
    const std::string entry = Swapped(*digits);
    const Attributes attributes = AttributesOfEntry(entry);
    Require(read->halfwords[0] == attributes.attr0 && read->halfwords[1] == attributes.attr1 &&
            read->halfwords[2] == attributes.attr2);
    Require(read->hasGroupHalfword == (entry.size() == 16));
    Require(!read->hasGroupHalfword ||
            read->halfwords[3] == AttributesOfEntry(entry.substr(12)).attr0);
    const Text written = EntryTextOf(*read);
    Require(written == EntryText(attributes));
    std::string bytes;
    for (std::size_t at = 0; at < 12; at += 2) {
        bytes += (at == 0 ? "" : " ") + digits->substr(at, 2);
    }
    Require(MemoryOrderText(written) == bytes);
    return 0;
}
