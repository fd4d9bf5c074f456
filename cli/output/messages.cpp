#include "cli/output/messages.h"

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";
constexpr const char* CutMark = "...";

constexpr unsigned ContinuationMask = 0xC0;
constexpr unsigned ContinuationBits = 0x80;
constexpr std::size_t LongestCharacter = 4;

bool IsPrintableAscii(unsigned char c) {
    return c >= ' ' && c <= '~';
}

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & ContinuationMask) == ContinuationBits;
}

} // namespace

std::string Echoed(std::string_view text, std::size_t longest) {
    std::string echo;
    for (char c : text.substr(0, longest)) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            echo += '\\';
            echo += c;
        } else if (IsPrintableAscii(byte)) {
            echo += c;
        } else {
            echo += "\\x";
            echo += HexDigits[byte >> 4];
            echo += HexDigits[byte & 0xF];
        }
    }
    if (text.size() > longest) {
        echo += CutMark;
    }
    return echo;
}

std::string QuotedEcho(std::string_view text) {
    return "\"" + Echoed(text) + "\"";
}

std::string CutInput(std::string_view text) {
    if (text.size() <= EchoedBytes) {
        return std::string(text);
    }
    std::size_t cut = EchoedBytes;
    while (cut > EchoedBytes - LongestCharacter && IsContinuation(text[cut])) {
        --cut;
    }
    return std::string(text.substr(0, cut)) + CutMark;
}
