// The blanks that may stand around an entry, a job or a word, the same on the command line and in
// standard input: space, tab, carriage return, vertical tab and form feed.
#pragma once

#include <string_view>

// Every character of every job passes here: a comparison or two each, not a search.
constexpr bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r' && c != '\n');
}

inline std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}
