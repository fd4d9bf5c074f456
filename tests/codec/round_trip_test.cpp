// Decoding an entry into the window and encoding it again gives the same twelve digits, except
// where the window cannot hold what the entry says: with the flag off the three bits below the
// flips come back as 0, and the prohibited shape keeps the size list's own size code.
#include "ui/buttons.h"

#include "tests/support/fresh_window.h"
#include "tests/support/shift_and_mask.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint16_t UnusedFlipBits = 0x0E00;
constexpr std::uint16_t SizeCodeBits = 0xC000;

Attributes WhatTheWindowKeeps(Attributes a, std::uint16_t keptSizeCodeBits) {
    bool flagOn = a.attr0 & 0x0100;
    bool prohibitedShape = (a.attr0 >> 14) == 3;
    if (!flagOn) {
        a.attr1 &= ~UnusedFlipBits;
    }
    if (prohibitedShape) {
        a.attr1 = static_cast<std::uint16_t>((a.attr1 & ~SizeCodeBits) | keptSizeCodeBits);
    }
    return a;
}

TEST(Window, DecodesThenEncodesEveryValueOfEachAttribute) {
    OpenFreshWindow();
    constexpr std::int32_t KeptSizeItem = 6; // "32 x 16", size code 2
    for (std::uint32_t value = 0; value <= 0xFFFF; ++value) {
        auto v = static_cast<std::uint16_t>(value);
        for (Attributes a : {Attributes{v, 0x912C, 0x5A01}, Attributes{0x0100, v, 0x0000},
                             Attributes{0x4000, v, 0xFFFF}, Attributes{0x7464, 0x912C, v}}) {
            SetControlState(ObjSizeCombo, KeptSizeItem);
            SetControlText(OamValueField, EntryText(a));
            GetAttributes();
            CalculateOam();
            ASSERT_EQ(GetControlText(OamValueField), EntryText(WhatTheWindowKeeps(a, 0x8000)))
                << "decoded " << EntryText(a);
        }
    }
}

} // namespace
