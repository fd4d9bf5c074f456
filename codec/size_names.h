// The size list: each item's size in pixels, and its text, width x height, made from it. Four
// sizes for each of the first three shapes, in item order, so an item's index is
// SizeItem(shape, sizeCode). The window lists the texts and the command line takes a size by them.
#pragma once

#include "codec/layout.h"

#include <array>
#include <cstdint>
#include <string_view>

struct PixelSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// clang-format off
inline constexpr std::array<PixelSize, SizeItemCount> SpriteSizes = {{
    {8, 8},  {16, 16}, {32, 32}, {64, 64}, // square
    {16, 8}, {32, 8},  {32, 16}, {64, 32}, // wide
    {8, 16}, {8, 32},  {16, 32}, {32, 64}, // tall
}};
// clang-format on

namespace size_names_detail {

constexpr std::int32_t TwoDigits = 10;
constexpr std::size_t LongestName = 8; // "64 x 32" and its end
constexpr std::string_view Times = " x ";

using NameChars = std::array<char, LongestName>;

constexpr void Append(NameChars& name, std::size_t& at, std::string_view text) {
    for (char c : text) {
        name[at++] = c;
    }
}

constexpr void AppendNumber(NameChars& name, std::size_t& at, std::int32_t number) {
    if (number >= TwoDigits) {
        name[at++] = static_cast<char>('0' + number / TwoDigits);
    }
    name[at++] = static_cast<char>('0' + number % TwoDigits);
}

// A one-digit width takes a blank after it and a one-digit height one before, so that the sizes
// of one-digit widths line up with the others in the window's list: "8  x  8", "8  x 16",
// "16 x 8".
constexpr NameChars NameOf(PixelSize size) {
    NameChars name{};
    std::size_t at = 0;
    bool widened = size.width < TwoDigits;
    AppendNumber(name, at, size.width);
    Append(name, at, widened ? " " : "");
    Append(name, at, Times);
    Append(name, at, widened && size.height < TwoDigits ? " " : "");
    AppendNumber(name, at, size.height);
    return name;
}

constexpr std::array<NameChars, SizeItemCount> AllNames() {
    std::array<NameChars, SizeItemCount> names{};
    for (std::size_t item = 0; item < names.size(); ++item) {
        names[item] = NameOf(SpriteSizes[item]);
    }
    return names;
}

inline constexpr std::array<NameChars, SizeItemCount> NameTexts = AllNames();

constexpr std::array<const char*, SizeItemCount> NamePointers() {
    std::array<const char*, SizeItemCount> pointers{};
    for (std::size_t item = 0; item < pointers.size(); ++item) {
        pointers[item] = NameTexts[item].data();
    }
    return pointers;
}

} // namespace size_names_detail

inline constexpr std::array<const char*, SizeItemCount> SizeNames =
    size_names_detail::NamePointers();
