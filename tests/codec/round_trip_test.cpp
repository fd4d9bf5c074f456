// Decoding an entry into the window and encoding it again gives the same twelve digits, but for
// what the window cannot hold.
#include "ui/buttons.h"

#include "harness/shift_and_mask.h"
#include "tests/support/fresh_window.h"

#include <gtest/gtest.h>

namespace {

TEST(Window, DecodesThenEncodesEveryValueOfEachAttribute) {
    OpenFreshWindow();
    constexpr std::int32_t KeptSizeItem = 6; // "32 x 16", size code 2
    constexpr std::uint16_t KeptSizeCode = 2;
    for (std::uint32_t value = 0; value <= 0xFFFF; ++value) {
        auto v = static_cast<std::uint16_t>(value);
        for (Attributes a : {Attributes{v, 0x912C, 0x5A01}, Attributes{0x0100, v, 0x0000},
                             Attributes{0x4000, v, 0xFFFF}, Attributes{0x7464, 0x912C, v}}) {
            SetControlState(ObjSizeCombo, KeptSizeItem);
            SetControlText(OamValueField, EntryText(a));
            GetAttributes();
            CalculateOam();
            ASSERT_EQ(GetControlText(OamValueField), EntryText(WhatTheWindowKeeps(a, KeptSizeCode)))
                << "decoded " << EntryText(a);
        }
    }
}

} // namespace
