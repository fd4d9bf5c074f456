// The blanks that may stand around an entry, a job or a word, the same on the command line and in
// standard input: space, tab, carriage return, vertical tab and form feed.
#pragma once

#include <string_view>

constexpr std::string_view Blanks = " \t\r\v\f";

inline bool IsBlank(char c) {
    return Blanks.find(c) != std::string_view::npos;
}

inline std::string_view Trimmed(std::string_view text) {
    std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(Blanks) + 1 - first);
}

// The first word of `rest`, which then holds what follows it; empty when only blanks are left.
inline std::string_view NextWord(std::string_view& rest) {
    std::size_t start = rest.find_first_not_of(Blanks);
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    std::size_t end = rest.find_first_of(Blanks, start);
    std::string_view word = rest.substr(start, end - start);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end);
    return word;
}
