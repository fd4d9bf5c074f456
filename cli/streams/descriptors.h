// The few calls on open files that differ between platforms. Everything above them speaks in
// descriptor numbers and error numbers, so the program's reading and writing is the same code on
// every platform; each platform has its own file behind this header.
#pragma once

#include <cstddef>

constexpr int StandardInput = 0;
constexpr int StandardOutput = 1;
constexpr int StandardError = 2;

// How many bytes a call moved, or, when it failed, the error number (errno) and no bytes.
struct Transfer {
    std::size_t count = 0;
    int error = 0;
};

// Up to `size` bytes; a count of 0 without an error is the end of the input. A call that was
// interrupted by a signal is repeated, not reported.
Transfer ReadSome(int descriptor, char* buffer, std::size_t size);

// Some of the bytes; WriteAll in standard_output.cpp repeats until all are written.
Transfer WriteSome(int descriptor, const char* bytes, std::size_t size);

// A terminal or console a person types at or reads.
bool IsTerminal(int descriptor);

// The keys that end input typed at a terminal, for the line that says what is awaited.
const char* EndOfInputKeys();

// True when a read now would block: the output waiting in the buffer is then sent first, so a
// program on the other end of both pipes gets its answers before it has to send more.
bool ReadWouldWait(int descriptor);

// Bytes as they are, with no line-ending translation: a memory dump is not text.
void UseBinaryInput(int descriptor);

// A descriptor for reading the file, or -1 with the error number in `error`.
int OpenForReading(const char* path, int& error);
void CloseDescriptor(int descriptor);
