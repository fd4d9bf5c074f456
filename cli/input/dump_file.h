// A raw dump as a file or standard input holds it: its bytes when it has a dump's size, or why
// not. Dump, screen and diff read their dumps here.
#pragma once

#include "codec/affine.h"
#include "codec/decoder.h"
#include "codec/dump_contents.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr const char* StandardInputPath = "-";

enum class DumpFault { None, CannotOpen, CannotRead, NotADump };

struct DumpFile {
    std::vector<std::uint8_t> bytes; // at most a dump's
    std::size_t size = 0;            // the whole input's, which may be more than is kept
    DumpFault fault = DumpFault::None;
    int error = 0; // the error number, when it could not be opened or read
};

// The dump at `path` ("-": standard input).
DumpFile ReadDumpFile(const std::string& path, int inputDescriptor);

// The matrix of `engine`'s group: the group halfwords of its four carrier entries, which the dump
// must hold whole.
FixedMatrix GroupMatrix(std::span<const std::uint8_t> dump, std::size_t engine, std::size_t group);
