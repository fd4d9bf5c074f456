#include "cli/echo.h"

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";
constexpr const char* CutMark = "...";

bool IsPrintableAscii(unsigned char c) {
    return c >= ' ' && c <= '~';
}

} // namespace

std::string Echoed(std::string_view text) {
    std::string echo;
    for (char c : text.substr(0, EchoedBytes)) {
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
    if (text.size() > EchoedBytes) {
        echo += CutMark;
    }
    return echo;
}

std::string QuotedEcho(std::string_view text) {
    return "\"" + Echoed(text) + "\"";
}
