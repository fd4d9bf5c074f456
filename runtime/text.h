// Digit texts: the conversions between numbers and texts of binary or hexadecimal digits, and the
// cutting and padding of texts, from which the codec builds and takes apart an entry. None of
// them can fail: missing texts, negative counts and out-of-range positions all have defined
// results.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using Text = std::string;
using Number = std::int64_t;

// A text argument. A null pointer stands for the missing text and reads as the empty text, so
// callers never have to guard against one.
struct TextRef {
    std::string_view chars;

    TextRef(const char* text) : chars(text ? text : "") {}
    TextRef(std::string_view text) : chars(text) {}
    TextRef(const std::string& text) : chars(text) {}
};

// The binary digits of a value without leading zeros; "0" for zero, 64 digits for a negative value.
Text FormatBinary(Number value);

// The upper-case hexadecimal digits of a value without leading zeros; "0" for zero, 16 digits for
// a negative value.
Text FormatHex(Number value);

// The digit of each value 0 to 15, as every writer of hexadecimal in the program spells it.
inline constexpr char UpperHexDigits[] = "0123456789ABCDEF";

namespace text_detail {

constexpr int DecimalDigits = 10;
constexpr int LetterDigits = 6; // A to F

// Each character's value as a digit of the largest base, 16; -1 for every other character.
inline constexpr std::array<std::int8_t, 256> DigitValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (int i = 0; i < DecimalDigits; ++i) {
        values['0' + i] = static_cast<std::int8_t>(i);
    }
    for (int i = 0; i < LetterDigits; ++i) {
        values['A' + i] = values['a' + i] = static_cast<std::int8_t>(DecimalDigits + i);
    }
    return values;
}();

} // namespace text_detail

// The value of one digit of base 2, 10 or 16 (either case), or -1 when `c` is not one. Every reader
// of digits in the program goes through here; it is a look-up, since the command line reads every
// digit of its input here.
inline int DigitValue(char c, int base) {
    int value = text_detail::DigitValues[static_cast<unsigned char>(c)];
    return value < base ? value : -1;
}

// Reads an optional sign ("-" or "+") after blanks and tabs, then "$" for hexadecimal, "%" for
// binary or a decimal digit, then digits up to the first one that is not of the base. Wraps
// modulo 2^64; a text without digits gives 0.
Number ParseNumber(TextRef text);

// Exactly `length` characters: the text's FIRST characters, with copies of the first character
// of `fill` (a blank when `fill` is empty) in front when the text is shorter.
Text PadLeft(TextRef text, std::int32_t length, TextRef fill);

// The first or last `count` characters, or the whole text when it is shorter.
Text LeftChars(TextRef text, std::int32_t count);
Text RightChars(TextRef text, std::int32_t count);

// Up to `count` characters from the 1-based position `start`; a start before the first character
// counts from the first.
Text MidChars(TextRef text, std::int32_t start, std::int32_t count);

std::int32_t TextLength(TextRef text);
