#include "cli/echo.h"

#include "cli/json_string.h"

#include <algorithm>

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";
constexpr const char* CutMark = "...";

bool IsPrintableAscii(unsigned char c) {
    return c >= ' ' && c <= '~';
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

// Cut after the last character that ends within the limit, each byte that is not part of
// well-formed UTF-8 counting as a character of its own, as the JSON string shows it.
std::string CutInput(std::string_view text) {
    if (text.size() <= EchoedBytes) {
        return std::string(text);
    }
    std::size_t cut = 0;
    for (std::size_t next = 0; next <= EchoedBytes;
         next += std::max<std::size_t>(WellFormedLength(text.substr(next)), 1)) {
        cut = next;
    }
    return std::string(text.substr(0, cut)) + CutMark;
}
