// The upper-case hexadecimal digit of each value from 0 to 15: every writer of hexadecimal text
// takes its digits from here.
#pragma once

inline constexpr char HexDigits[] = "0123456789ABCDEF";
