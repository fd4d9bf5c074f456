// Digits as people group them when they copy an entry from a memory viewer or the window: blanks
// may stand between whole units (a halfword's four digits, a byte's two) but never inside one. The
// one rule for every argument or line that holds several halfwords or bytes: an entry, its bytes
// in memory order, the four halfwords of a matrix.
#pragma once

#include "codec/bit_fields.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

constexpr std::size_t HalfwordDigits = 4;
constexpr std::size_t ByteDigits = 2;

// The most a grouped text holds: eight bytes, an entry with its group halfword.
constexpr std::size_t LongestDigits = 16;

// The characters between the blanks, in order, with no allocation: a batch reads one per line.
struct Digits {
    std::array<char, LongestDigits> text{};
    std::size_t size = 0;
    std::string_view View() const { return {text.data(), size}; }
};

// The text without its blanks, or nothing when a run between blanks is not whole units or the text
// holds more than LongestDigits characters. Which characters are digits is the unit reader's to
// say.
std::optional<Digits> WithoutBlanks(std::string_view text, std::size_t unitDigits);

// The entry a text names, twelve hexadecimal digits in either case with blanks allowed between
// halfwords, and its digits as given without the blanks, for an answer that repeats the entry.
struct EntryRead {
    AttributeWords words;
    Digits digits;
};

// Every entry the program reads from an argument or a line comes through here.
std::optional<EntryRead> ReadEntry(std::string_view text);

// The words of a text that lists whole units, each between blanks: "00B5 FF4B" as two halfwords.
std::vector<std::string_view> BlankSeparated(std::string_view text);
