#include "cli/streams/descriptors.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

// A call interrupted by a signal is made again; any other failure is reported.
template <typename Call>
Transfer Retried(Call call) {
    for (;;) {
        ssize_t count = call();
        if (count >= 0) {
            return {static_cast<std::size_t>(count), 0};
        }
        if (errno != EINTR) {
            return {0, errno};
        }
    }
}

} // namespace

Transfer ReadSome(int descriptor, char* buffer, std::size_t size) {
    return Retried([&] { return read(descriptor, buffer, size); });
}

Transfer WriteSome(int descriptor, const char* bytes, std::size_t size) {
    return Retried([&] { return write(descriptor, bytes, size); });
}

bool IsTerminal(int descriptor) {
    return isatty(descriptor) == 1;
}

const char* EndOfInputKeys() {
    return "Ctrl-D";
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
