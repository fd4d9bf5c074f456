// The blanks that may stand around an entry, a job or a word, the same on the command line and in
// standard input: space, tab, carriage return, vertical tab and form feed.
#pragma once

#include <string_view>

// Every character of every job passes here: a comparison or two each, not a search.
inline bool IsBlank(char c) {
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

// The first word of `rest`, which then holds what follows it; empty when only blanks are left.
inline std::string_view NextWord(std::string_view& rest) {
    std::size_t start = 0;
    while (start < rest.size() && IsBlank(rest[start])) {
        ++start;
    }
    std::size_t end = start;
    while (end < rest.size() && !IsBlank(rest[end])) {
        ++end;
    }
    std::string_view word = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return word;
}
