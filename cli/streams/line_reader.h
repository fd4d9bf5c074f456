// Standard input as lines, through one fixed buffer: however long the input or one of its lines,
// the memory held stays the same. A line longer than the limit is reported as too long and skipped
// to its end without being kept.
#pragma once

#include "cli/streams/standard_output.h"

#include <cstdint>
#include <string_view>
#include <vector>

// Far longer than any job (an encode job naming every field is under 200 bytes).
constexpr std::size_t LongestLine = 4096;
constexpr std::size_t InputBufferBytes = 64 * 1024;

struct LineReader {
    int descriptor = -1;
    Output* pending = nullptr; // sent before a read that would wait
    std::vector<char> buffer;
    std::size_t start = 0;
    std::size_t end = 0;
    bool startOfInput = true;
    bool ended = false;
    int error = 0;
    std::int64_t lineNumber = 0;
};

enum class LineStatus { Line, TooLong, End, Failed };

struct InputLine {
    LineStatus status = LineStatus::End;
    std::string_view text; // without its line feed; valid until the next call
    std::int64_t number = 0;
};

LineReader OpenLineReader(int descriptor, Output* pending);

InputLine NextLine(LineReader& reader);
