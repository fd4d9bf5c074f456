// A raw dump as a file or standard input holds it: its bytes when it has a dump's size, or why
// not. Dump, screen and diff read their dumps here.
#pragma once

#include "codec/affine.h"
#include "codec/decoder.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr const char* StandardInputPath = "-";

// Past this, a file far too large is reported without being read to its end.
constexpr std::size_t LargestCountedSize = 16 * 1024 * 1024;

enum class DumpFault { None, CannotOpen, CannotRead, NotADump };

struct DumpFile {
    std::vector<std::uint8_t> bytes; // at most a dump's
    std::size_t size = 0;            // the whole input's, which may be more than is kept
    DumpFault fault = DumpFault::None;
    int error = 0; // the error number, when it could not be opened or read
};

// The dump at `path` ("-": standard input).
DumpFile ReadDumpFile(const std::string& path, int inputDescriptor);

// Every entry the dump holds, in order: engine A's 128, then engine B's.
std::vector<OamFields> DecodeAll(std::span<const std::uint8_t> dump);

// The matrix of `engine`'s group: the group halfwords of its four carrier entries, which the dump
// must hold whole.
FixedMatrix GroupMatrix(std::span<const std::uint8_t> dump, std::size_t engine, std::size_t group);
