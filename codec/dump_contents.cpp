#include "codec/dump_contents.h"

#include "codec/bit_fields.h"
#include "codec/memory_layout.h"

std::vector<OamFields> DecodeAll(std::span<const std::uint8_t> dump) {
    std::vector<OamFields> all;
    for (std::size_t index = 0; index * BytesPerEntry < dump.size(); ++index) {
        MemoryEntry entry = DumpEntry(dump, index);
        all.push_back(FieldsOfWords({entry.halfwords[0], entry.halfwords[1], entry.halfwords[2]}));
    }
    return all;
}

std::string NotADumpProblem(std::string_view shownName, std::size_t size) {
    std::string shown = size > LargestCountedSize
                            ? "more than " + std::to_string(LargestCountedSize) + " bytes"
                            : std::to_string(size) + " bytes";
    return std::string(shownName) + ": " + shown + " is not a dump: one expects 1 to " +
           std::to_string(LargestDump / BytesPerEntry) + " whole entries of " +
           std::to_string(BytesPerEntry) + " bytes from the start, at most " +
           std::to_string(LargestDump) + " bytes";
}
