// dump [FILE|-]: every entry of a raw object attribute memory dump, or with groups its
// rotation/scaling groups.
#pragma once

#include "cli/commands/jobs_command.h"
#include "codec/affine.h"
#include "codec/decoder.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

constexpr const char* StandardInputPath = "-";

struct DumpOptions {
    std::string path = "-";            // "-" is standard input
    std::optional<std::size_t> engine; // 0 for A, 1 for B; both when not given
    bool visibleOnly = false;
    bool groups = false;
};

void RunDump(Session& session, const DumpOptions& options, int inputDescriptor);

// What the other dump commands share. The dump at `path` ("-": standard input), its bytes when it
// has a dump's size; otherwise nothing, the failure reported and its exit code kept: 74 when it
// could not be read, `notADumpExit` for any other size.
std::optional<std::vector<std::uint8_t>> LoadDump(Session& session, const std::string& path,
                                                  int inputDescriptor, int notADumpExit);

// "standard input" for "-", the path echoed otherwise, as messages name a dump.
std::string ShownDumpPath(const std::string& path);

// Every entry the dump holds, in order: engine A's 128, then engine B's.
std::vector<OamFields> DecodeAll(std::span<const std::uint8_t> dump);

// The matrix of `engine`'s group: the group halfwords of its four carrier entries, which the dump
// must hold whole.
FixedMatrix GroupMatrix(std::span<const std::uint8_t> dump, std::size_t engine, std::size_t group);
