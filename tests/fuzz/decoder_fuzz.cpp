// Puts arbitrary bytes through the window's decoder and the command line's digit reader. Only
// twelve hexadecimal digits decode, in either; what they give lies within every field, the same in
// both, and encoding it gives back the same twelve digits but for what the window cannot hold. The
// corpus holds the near misses: a digit short or over, a letter O, a blank, a sign, a prefix, a
// line end and a NUL.
#include "codec/bit_fields.h"
#include "codec/decoder.h"
#include "codec/encoder.h"
#include "tests/fuzz/fuzz_support.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::size_t LargestInput = 64 * 1024;

bool IsEntryText(const std::string& text) {
    return text.size() == EntryTextLength && std::all_of(text.begin(), text.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c)) != 0;
           });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > LargestInput) {
        return 0;
    }
    const std::string typed(reinterpret_cast<const char*>(data), size);
    const std::optional<OamFields> decoded = DecodeEntry(typed);
    const std::optional<AttributeWords> words = ReadEntryDigits(typed);
    Require(decoded.has_value() == IsEntryText(typed) && words.has_value() == decoded.has_value());
    if (!decoded) {
        return 0;
    }
    const Attributes attributes = AttributesOfEntry(typed);
    Require(*decoded == StatesOf(attributes) && FieldsOfWords(*words) == *decoded);
    Require(
        EncodeEntry(*decoded) ==
        EntryText(WhatTheWindowKeeps(attributes, static_cast<std::uint16_t>(decoded->sizeCode))));
    return 0;
}
