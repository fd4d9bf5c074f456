// A JSON string of any bytes, escaped once: a quote, a backslash and the control characters as
// JSON escapes them, well-formed UTF-8 as it is, and each byte that is not part of well-formed
// UTF-8 as U+FFFD, the replacement character, so the line is always valid JSON.
#pragma once

#include <string>
#include <string_view>

void AppendJsonString(std::string& out, std::string_view text);
