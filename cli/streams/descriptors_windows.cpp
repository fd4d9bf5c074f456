#include "cli/streams/descriptors.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <io.h>

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

bool IsTerminal(int descriptor) {
    return _isatty(descriptor) != 0;
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
