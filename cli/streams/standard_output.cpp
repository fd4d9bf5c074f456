#include "cli/streams/standard_output.h"

#include "cli/exit_codes.h"
#include "cli/streams/descriptors.h"

namespace {

int WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        Transfer written = WriteSome(descriptor, bytes.data(), bytes.size());
        if (written.error != 0) {
            return written.error;
        }
        bytes.remove_prefix(written.count);
    }
    return 0;
}

} // namespace

Output OpenOutput(int descriptor) {
    Output output;
    output.descriptor = descriptor;
    output.flushEachRecord = IsTerminal(descriptor);
    output.buffer.reserve(OutputBufferBytes + OutputBufferBytes / 4);
    return output;
}

void Flush(Output& output) {
    if (output.error == 0 && !output.buffer.empty()) {
        output.error = WriteAll(output.descriptor, output.buffer);
    }
    output.buffer.clear();
}

void EndRecord(Output& output) {
    if (output.flushEachRecord || output.buffer.size() >= OutputBufferBytes) {
        Flush(output);
    }
}

void ReportError(int descriptor, std::string_view message) {
    std::string line = std::string(ProgramName) + ": ";
    line += message;
    line += '\n';
    WriteAll(descriptor, line);
}
