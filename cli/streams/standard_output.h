// Standard output, buffered: one write per full buffer, and sooner only when the input would make
// the program wait or when a person watches a terminal. A failed write is kept, not thrown, and
// stops every later one, so the run can end with its own message and exit code.
#pragma once

#include <string>
#include <string_view>

struct Output {
    int descriptor = -1;
    bool flushEachRecord = false;
    std::string buffer;
    int error = 0; // the first failed write's error number
};

constexpr std::size_t OutputBufferBytes = 64 * 1024;

Output OpenOutput(int descriptor);

void Flush(Output& output);

// Called once a record is complete in the buffer.
void EndRecord(Output& output);

// "oamcalc-cli: " and the message on its own line, written at once, as nothing may be lost if
// the run ends next. A failure to write an error has nowhere to be reported, and is not.
void ReportError(int descriptor, std::string_view message);
