#include "cli/output/json_string.h"

#include "runtime/text.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";
constexpr unsigned char FirstNonAscii = 0x80;
constexpr unsigned char FirstControl = 0x20;
constexpr unsigned ContinuationMask = 0xC0;
constexpr unsigned ContinuationBits = 0x80;
constexpr unsigned PayloadBits = 6;
constexpr unsigned PayloadMask = 0x3F;
constexpr std::uint32_t LargestCodePoint = 0x10FFFF;
constexpr std::uint32_t FirstSurrogate = 0xD800;
constexpr std::uint32_t LastSurrogate = 0xDFFF;

struct Lead {
    unsigned char first; // the lead bytes from `first` to `last` start `length` bytes,
    unsigned char last;  // the lead carrying `mask` of the code point, which must be at least
    std::size_t length;  // `smallest` (a shorter sequence would do: an overlong one)
    unsigned mask;
    std::uint32_t smallest;
};

constexpr Lead Leads[] = {
    {0xC2, 0xDF, 2, 0x1F, 0x80},
    {0xE0, 0xEF, 3, 0x0F, 0x800},
    {0xF0, 0xF4, 4, 0x07, 0x10000},
};

} // namespace

std::size_t WellFormedLength(std::string_view text) {
    auto lead = static_cast<unsigned char>(text[0]);
    for (const Lead& kind : Leads) {
        if (lead < kind.first || lead > kind.last || text.size() < kind.length) {
            continue;
        }
        std::uint32_t codePoint = lead & kind.mask;
        for (std::size_t i = 1; i < kind.length; ++i) {
            auto next = static_cast<unsigned char>(text[i]);
            if ((next & ContinuationMask) != ContinuationBits) {
                return 0;
            }
            codePoint = codePoint << PayloadBits | (next & PayloadMask);
        }
        bool surrogate = codePoint >= FirstSurrogate && codePoint <= LastSurrogate;
        return codePoint >= kind.smallest && codePoint <= LargestCodePoint && !surrogate
                   ? kind.length
                   : 0;
    }
    return 0;
}

char* PutJsonString(char* at, std::string_view text) {
    *at++ = '"';
    while (!text.empty()) {
        char c = text[0];
        auto byte = static_cast<unsigned char>(c);
        std::size_t taken = 1;
        if (c == '"' || c == '\\') {
            *at++ = '\\';
            *at++ = c;
        } else if (byte < FirstControl) {
            for (char escaped :
                 {'\\', 'u', '0', '0', UpperHexDigits[byte >> 4], UpperHexDigits[byte & 0xF]}) {
                *at++ = escaped;
            }
        } else if (byte < FirstNonAscii) {
            *at++ = c;
        } else if (std::size_t length = WellFormedLength(text); length > 0) {
            std::memcpy(at, text.data(), length);
            at += length;
            taken = length;
        } else {
            std::memcpy(at, ReplacementCharacter.data(), ReplacementCharacter.size());
            at += ReplacementCharacter.size();
        }
        text.remove_prefix(taken);
    }
    *at++ = '"';
    return at;
}
