#include "cli/streams/descriptors.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

// The C runtime moves at most an int's worth of bytes per call.
unsigned int CallSize(std::size_t size) {
    return static_cast<unsigned int>(size < INT_MAX ? size : INT_MAX);
}

} // namespace

Transfer ReadSome(int descriptor, char* buffer, std::size_t size) {
    int count = _read(descriptor, buffer, CallSize(size));
    if (count < 0) {
        return {0, errno};
    }
    return {static_cast<std::size_t>(count), 0};
}

Transfer WriteSome(int descriptor, const char* bytes, std::size_t size) {
    int count = _write(descriptor, bytes, CallSize(size));
    if (count < 0) {
        return {0, errno};
    }
    return {static_cast<std::size_t>(count), 0};
}

// A console alone: _isatty also holds for NUL and the serial ports, character devices where no
// one types or reads.
bool IsTerminal(int descriptor) {
    DWORD mode = 0;
    return _isatty(descriptor) != 0 &&
           GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(descriptor)), &mode) != 0;
}

// At the start of a line, Ctrl-Z ends the console's input once Enter sends the line.
const char* EndOfInputKeys() {
    return "Ctrl-Z then Enter";
}

// Without a portable way to ask a console or pipe whether data is waiting, every read is taken to
// wait: the buffered output then goes out before each block of input is read, never later.
bool ReadWouldWait(int) {
    return true;
}

void UseBinaryInput(int descriptor) {
    _setmode(descriptor, _O_BINARY);
}

int OpenForReading(const char* path, int& error) {
    int descriptor = _open(path, _O_RDONLY | _O_BINARY);
    error = descriptor < 0 ? errno : 0;
    return descriptor;
}

void CloseDescriptor(int descriptor) {
    _close(descriptor);
}
