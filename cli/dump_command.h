// dump [FILE|-]: every entry of a raw object attribute memory dump, or with groups its
// rotation/scaling groups.
#pragma once

#include "cli/jobs.h"

#include <optional>
#include <string>

struct DumpOptions {
    std::string path = "-";            // "-" is standard input
    std::optional<std::size_t> engine; // 0 for A, 1 for B; both when not given
    bool visibleOnly = false;
    bool groups = false;
};

void RunDump(Session& session, const DumpOptions& options, int inputDescriptor);
