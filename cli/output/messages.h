// Text from the input, as it is repeated in a message: cut to a short prefix, so a huge line never
// becomes a huge message, and with every byte that is not printable ASCII written as \xNN (a
// quote and a backslash as \" and \\), so a message is one clean line whatever was read.
#pragma once

#include <string>
#include <string_view>

constexpr std::size_t EchoedBytes = 40;

std::string Echoed(std::string_view text, std::size_t longest = EchoedBytes);

// The echo between double quotes.
std::string QuotedEcho(std::string_view text);

// The same bytes of the text, as they are, and the cut mark: for JSON, which escapes them itself.
// A character of several bytes is not cut in two.
std::string CutInput(std::string_view text);
