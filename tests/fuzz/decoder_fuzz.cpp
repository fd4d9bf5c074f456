// Puts arbitrary bytes through the decoder. Only twelve hexadecimal digits decode; what they give
// lies within every field, and encoding it gives back the same twelve digits but for what the
// window cannot hold.
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
    Require(decoded.has_value() == IsEntryText(typed));
    if (!decoded) {
        return 0;
    }
    const Attributes attributes = AttributesOfEntry(typed);
    Require(*decoded == StatesOf(attributes));
    Require(
        EncodeEntry(*decoded) ==
        EntryText(WhatTheWindowKeeps(attributes, static_cast<std::uint16_t>(decoded->sizeCode))));
    return 0;
}
