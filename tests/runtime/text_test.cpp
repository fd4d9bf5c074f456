#include "runtime/text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const char* const Missing = nullptr;

TEST(FormatBinary, WritesDigitsWithoutLeadingZeros) {
    EXPECT_EQ(FormatBinary(0), "0");
    EXPECT_EQ(FormatBinary(1), "1");
    EXPECT_EQ(FormatBinary(2), "10");
    EXPECT_EQ(FormatBinary(255), "11111111");
    EXPECT_EQ(FormatBinary(256), "100000000");
    EXPECT_EQ(FormatBinary(std::numeric_limits<Number>::max()), Text(63, '1'));
}

TEST(FormatBinary, WritesNegativeValuesAsAll64Bits) {
    EXPECT_EQ(FormatBinary(-1), Text(64, '1'));
    EXPECT_EQ(FormatBinary(std::numeric_limits<Number>::min()), "1" + Text(63, '0'));
}

TEST(FormatHex, WritesUpperCaseDigitsWithoutLeadingZeros) {
    EXPECT_EQ(FormatHex(0), "0");
    EXPECT_EQ(FormatHex(10), "A");
    EXPECT_EQ(FormatHex(255), "FF");
    EXPECT_EQ(FormatHex(4660), "1234");
    EXPECT_EQ(FormatHex(65535), "FFFF");
    EXPECT_EQ(FormatHex(0x100000000), "100000000");
    EXPECT_EQ(FormatHex(-1), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(FormatHex(-65536), "FFFFFFFFFFFF0000");
}

TEST(ParseNumber, ReadsTheBaseItsPrefixSelects) {
    struct Case {
        const char* text;
        Number value;
    };
    const Case cases[] = {
        {"$ff", 255}, {"$FF", 255}, {"%101", 5},     {"%102", 2},    {"%2", 0},   {"42", 42},
        {"007", 7},   {"12G4", 12}, {"$12G4", 0x12}, {"$ 7FF", 0},   {"$-10", 0}, {"-$10", -16},
        {"-%11", -3}, {"+7", 7},    {"- 7", 0},      {" \t42x", 42}, {"\n42", 0}, {"--7", 0},
        {"%", 0},     {"$", 0},     {"", 0},         {"abc", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseNumber(c.text), c.value) << '"' << c.text << '"';
    }
    EXPECT_EQ(ParseNumber(Missing), 0);
}

TEST(ParseNumber, WrapsModulo2To64) {
    EXPECT_EQ(ParseNumber("$10000000000000000"), 0);
    EXPECT_EQ(ParseNumber("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(ParseNumber("18446744073709551615"), -1);
    EXPECT_EQ(ParseNumber("18446744073709551617"), 1);
    EXPECT_EQ(ParseNumber("%1" + Text(63, '0')), std::numeric_limits<Number>::min());
    EXPECT_EQ(ParseNumber("-9223372036854775808"), std::numeric_limits<Number>::min());
}

TEST(PadLeft, FillsInFrontAndKeepsTheFirstCharactersOfALongerText) {
    EXPECT_EQ(PadLeft("101", 8, "0"), "00000101");
    EXPECT_EQ(PadLeft("101", 2, "0"), "10");
    EXPECT_EQ(PadLeft("abc", 3, "0"), "abc");
    EXPECT_EQ(PadLeft("", 3, "0"), "000");
    EXPECT_EQ(PadLeft(Missing, 2, "0"), "00");
    EXPECT_EQ(PadLeft("7", 3, "xyz"), "xx7");
}

TEST(PadLeft, TreatsNegativeLengthsAsZeroAndAMissingFillAsABlank) {
    EXPECT_EQ(PadLeft("abc", 0, "0"), "");
    EXPECT_EQ(PadLeft("abc", -1, "0"), "");
    EXPECT_EQ(PadLeft("7", 3, Missing), "  7");
    EXPECT_EQ(PadLeft("7", 3, ""), "  7");
}

TEST(CuttingTexts, LeftAndRightCharsClampTheirCount) {
    EXPECT_EQ(LeftChars("abcd", 2), "ab");
    EXPECT_EQ(LeftChars("abcd", 9), "abcd");
    EXPECT_EQ(LeftChars("abcd", -1), "");
    EXPECT_EQ(LeftChars(Missing, 3), "");
    EXPECT_EQ(RightChars("abcd", 2), "cd");
    EXPECT_EQ(RightChars("abcd", 9), "abcd");
    EXPECT_EQ(RightChars("abcd", 0), "");
    EXPECT_EQ(RightChars("abcd", -3), "");
    EXPECT_EQ(RightChars(Missing, 3), "");
}

TEST(CuttingTexts, MidCharsCountsPositionsFromOne) {
    EXPECT_EQ(MidChars("abcdef", 3, 2), "cd");
    EXPECT_EQ(MidChars("abcdef", 1, 6), "abcdef");
    EXPECT_EQ(MidChars("abcdef", 0, 2), "ab");
    EXPECT_EQ(MidChars("abcdef", -5, 2), "ab");
    EXPECT_EQ(MidChars("abcdef", 6, 5), "f");
    EXPECT_EQ(MidChars("abcdef", 7, 1), "");
    EXPECT_EQ(MidChars("abcdef", 8, 1), "");
    EXPECT_EQ(MidChars("abcdef", 2, -1), "");
    EXPECT_EQ(MidChars("abcdef", std::numeric_limits<std::int32_t>::max(), 1), "");
    EXPECT_EQ(MidChars(Missing, 1, 1), "");
}

TEST(TextLength, CountsCharacters) {
    EXPECT_EQ(TextLength(""), 0);
    EXPECT_EQ(TextLength(Missing), 0);
    EXPECT_EQ(TextLength("0123456789AB"), 12);
}

TEST(Texts, AnArgumentMayBeTheTextBeingBuilt) {
    Text bits = FormatBinary(5);
    bits = PadLeft(bits, 8, "0");
    EXPECT_EQ(bits, "00000101");
    bits = MidChars(bits, 6, 3);
    EXPECT_EQ(bits, "101");
    bits = bits + RightChars(bits, 2);
    EXPECT_EQ(bits, "10101");
}

} // namespace
