// A JSON string of any bytes, escaped once: a quote, a backslash and the control characters as
// JSON escapes them, well-formed UTF-8 as it is, and each byte that is not part of well-formed
// UTF-8 as U+FFFD, the replacement character, so the line is always valid JSON.
#pragma once

#include <string_view>

// Each byte of text takes at most this many in the string.
constexpr std::size_t JsonGrowth = 6; // \u001F

// The length of the well-formed UTF-8 sequence of two to four bytes at the start of `text`, or 0.
std::size_t WellFormedLength(std::string_view text);

// Writes the string, its quotes included, at `at`, which has room for 2 + JsonGrowth bytes per
// byte of text; gives the end.
char* PutJsonString(char* at, std::string_view text);
