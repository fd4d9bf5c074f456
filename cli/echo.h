// Text from the input, as it is repeated in a message: cut to a short prefix, so a huge line never
// becomes a huge message, and with every byte that is not printable ASCII written as \xNN (a
// quote and a backslash as \" and \\), so a message is one clean line whatever was read.
#pragma once

#include <string>
#include <string_view>

constexpr std::size_t EchoedBytes = 40;

std::string Echoed(std::string_view text);

// The echo between double quotes.
std::string QuotedEcho(std::string_view text);
