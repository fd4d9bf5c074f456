// The digit-text primitives, one table per function.
#include "runtime/text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const char* const Missing = nullptr;
constexpr Number Largest = std::numeric_limits<Number>::max();
constexpr Number Smallest = std::numeric_limits<Number>::min();

TEST(FormatBinary, WritesDigitsWithoutLeadingZerosAndNegativesAsAll64Bits) {
    const struct {
        Number value;
        Text text;
    } cases[] = {
        // clang-format off
        {0, "0"}, {1, "1"}, {2, "10"}, {255, "11111111"}, {256, "100000000"},
        {Largest, Text(63, '1')}, {-1, Text(64, '1')}, {Smallest, "1" + Text(63, '0')},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatBinary(c.value), c.text) << c.value;
    }
}

TEST(FormatHex, WritesUpperCaseDigitsWithoutLeadingZeros) {
    const struct {
        Number value;
        const char* text;
    } cases[] = {
        // clang-format off
        {0, "0"}, {10, "A"}, {255, "FF"}, {4660, "1234"}, {65535, "FFFF"},
        {0x100000000, "100000000"}, {-1, "FFFFFFFFFFFFFFFF"}, {-65536, "FFFFFFFFFFFF0000"},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatHex(c.value), c.text) << c.value;
    }
}

TEST(ParseNumber, ReadsTheBaseItsPrefixSelectsAndWrapsModulo2To64) {
    const struct {
        Text text;
        Number value;
    } cases[] = {
        // clang-format off
        // The prefix names the base; reading stops at the first character that is not its digit.
        {"$ff", 255}, {"$FF", 255}, {"%101", 5}, {"%102", 2}, {"%2", 0},
        {"42", 42}, {"007", 7}, {"12G4", 12}, {"$12G4", 0x12}, {"$ 7FF", 0}, {"$-10", 0},
        // One sign before the prefix, after blanks and tabs but not a new line.
        {"-$10", -16}, {"-%11", -3}, {"+7", 7}, {"- 7", 0}, {" \t42x", 42}, {"\n42", 0},
        {"--7", 0}, {"%", 0}, {"$", 0}, {"", 0}, {"abc", 0},
        // Modulo 2 to the 64.
        {"$10000000000000000", 0}, {"$FFFFFFFFFFFFFFFF", -1}, {"18446744073709551615", -1},
        {"18446744073709551617", 1}, {"%1" + Text(63, '0'), Smallest},
        {"-9223372036854775808", Smallest},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseNumber(c.text), c.value) << '"' << c.text << '"';
    }
    EXPECT_EQ(ParseNumber(Missing), 0);
}

TEST(PadLeft, FillsInFrontAndKeepsTheFirstCharactersOfALongerText) {
    const struct {
        const char* text;
        std::int32_t length;
        const char* fill;
        const char* padded;
    } cases[] = {{"101", 8, "0", "00000101"}, {"101", 2, "0", "10"},   {"abc", 3, "0", "abc"},
                 {"", 3, "0", "000"},         {Missing, 2, "0", "00"}, {"7", 3, "xyz", "xx7"},
                 {"abc", 0, "0", ""},         {"abc", -1, "0", ""},    {"7", 3, Missing, "  7"},
                 {"7", 3, "", "  7"}};
    for (const auto& c : cases) {
        EXPECT_EQ(PadLeft(c.text, c.length, c.fill), c.padded) << c.padded;
    }
}

TEST(CuttingTexts, MidCharsClampsWhatItIsAskedFor) {
    const struct {
        Text cut;
        const char* expected;
    } cases[] = {
        {MidChars("abcdef", 3, 2), "cd"},
        {MidChars("abcdef", 1, 6), "abcdef"},
        {MidChars("abcdef", 0, 2), "ab"},
        {MidChars("abcdef", -5, 2), "ab"},
        {MidChars("abcdef", 6, 5), "f"},
        {MidChars("abcdef", 7, 1), ""},
        {MidChars("abcdef", 8, 1), ""},
        {MidChars("abcdef", 2, -1), ""},
        {MidChars(Missing, 1, 1), ""},
        {MidChars("abcdef", std::numeric_limits<std::int32_t>::max(), 1), ""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].cut, cases[i].expected) << "case " << i;
    }
}

} // namespace
