#include "cli/input/dump_file.h"

#include "cli/streams/descriptors.h"
#include "codec/bit_fields.h"
#include "codec/memory_layout.h"

#include <algorithm>

namespace {

constexpr std::size_t CountingChunk = 64 * 1024;

// Keeps one byte more than the largest dump, to know a larger input from a whole one.
void ReadAll(int descriptor, DumpFile& dump) {
    dump.bytes.resize(LargestDump + 1);
    std::vector<char> scratch;
    for (;;) {
        bool keeping = dump.size < dump.bytes.size();
        if (!keeping && scratch.empty()) {
            scratch.resize(CountingChunk);
        }
        Transfer got =
            keeping ? ReadSome(descriptor, reinterpret_cast<char*>(dump.bytes.data()) + dump.size,
                               dump.bytes.size() - dump.size)
                    : ReadSome(descriptor, scratch.data(), scratch.size());
        dump.error = got.error;
        dump.size += got.count;
        if (got.count == 0 || dump.size > LargestCountedSize) {
            break;
        }
    }
    dump.bytes.resize(std::min(dump.size, LargestDump));
}

} // namespace

DumpFile ReadDumpFile(const std::string& path, int inputDescriptor) {
    DumpFile dump;
    bool fromStandardInput = path == StandardInputPath;
    int descriptor = inputDescriptor;
    if (fromStandardInput) {
        UseBinaryInput(descriptor);
    } else {
        descriptor = OpenForReading(path.c_str(), dump.error);
        if (descriptor < 0) {
            dump.fault = DumpFault::CannotOpen;
            return dump;
        }
    }
    ReadAll(descriptor, dump);
    if (!fromStandardInput) {
        CloseDescriptor(descriptor);
    }
    if (dump.error != 0) {
        dump.fault = DumpFault::CannotRead;
    } else if (!IsDumpSize(dump.size)) {
        dump.fault = DumpFault::NotADump;
    }
    return dump;
}

FixedMatrix GroupMatrix(std::span<const std::uint8_t> dump, std::size_t engine, std::size_t group) {
    std::size_t carrier = engine * EntriesPerEngine + group * EntriesPerGroup;
    FixedMatrix matrix{};
    for (std::size_t i = 0; i < MatrixParameters; ++i) {
        matrix[i] =
            static_cast<std::int16_t>(DumpEntry(dump, carrier + i).halfwords[GroupHalfword]);
    }
    return matrix;
}
