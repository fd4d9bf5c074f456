#include "cli/descriptors.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

Transfer ReadSome(int descriptor, char* buffer, std::size_t size) {
    for (;;) {
        ssize_t count = read(descriptor, buffer, size);
        if (count >= 0) {
            return {static_cast<std::size_t>(count), 0};
        }
        if (errno != EINTR) {
            return {0, errno};
        }
    }
}

Transfer WriteSome(int descriptor, const char* bytes, std::size_t size) {
    for (;;) {
        ssize_t count = write(descriptor, bytes, size);
        if (count >= 0) {
            return {static_cast<std::size_t>(count), 0};
        }
        if (errno != EINTR) {
            return {0, errno};
        }
    }
}

bool IsTerminal(int descriptor) {
    return isatty(descriptor) == 1;
}

bool ReadWouldWait(int descriptor) {
    pollfd watched{descriptor, POLLIN, 0};
    return poll(&watched, 1, 0) == 0;
}

void UseBinaryInput(int) {}

int OpenForReading(const char* path, int& error) {
    int descriptor = open(path, O_RDONLY | O_CLOEXEC);
    error = descriptor < 0 ? errno : 0;
    return descriptor;
}

void CloseDescriptor(int descriptor) {
    close(descriptor);
}
