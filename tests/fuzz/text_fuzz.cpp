// Feeds arbitrary texts, counts and positions to the digit-text primitives and checks what must
// hold for any input: results of the promised length, cuts that are pieces of their text, and
// numbers that survive being written and read back.
#include "runtime/text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool IsPieceOf(const Text& piece, const Text& text) {
    return text.find(piece) != Text::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    auto length = input.ConsumeIntegralInRange<std::int32_t>(-4, 80);
    auto start = input.ConsumeIntegral<std::int32_t>();
    auto count = input.ConsumeIntegral<std::int32_t>();
    auto value = input.ConsumeIntegral<Number>();
    Text fill = input.ConsumeRandomLengthString(4);
    Text text = input.ConsumeRemainingBytesAsString();

    Number parsed = ParseNumber(text);
    Require(ParseNumber(FormatHex(parsed).insert(0, "$")) == parsed);
    Require(ParseNumber("%" + FormatBinary(value)) == value);
    Require(ParseNumber("$" + FormatHex(value)) == value);
    Require(ParseNumber("-$" + FormatHex(value)) ==
            static_cast<Number>(0 - static_cast<std::uint64_t>(value)));

    Text padded = PadLeft(text, length, fill);
    Require(TextLength(padded) == (length < 0 ? 0 : length));
    std::int32_t atMost = count < 0 ? 0 : count;
    Require(IsPieceOf(LeftChars(text, count), text) &&
            TextLength(LeftChars(text, count)) <= atMost);
    Require(IsPieceOf(RightChars(text, count), text) &&
            TextLength(RightChars(text, count)) <= atMost);
    Text middle = MidChars(text, start, count);
    Require(IsPieceOf(middle, text) && TextLength(middle) <= atMost);
    Require(start > TextLength(text) ||
            MidChars(text, start, TextLength(text)) ==
                RightChars(text, TextLength(text) - (start < 1 ? 0 : start - 1)));
    Require(TextLength(text) == static_cast<std::int32_t>(text.size()));
    return 0;
}
