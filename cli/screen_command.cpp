#include "cli/screen_command.h"

#include "cli/dump_command.h"
#include "cli/echo.h"
#include "cli/exit_codes.h"
#include "cli/file_replace.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace {

// Drawing a dump over itself would lose the dump: the two names may differ and still be one file.
bool IsSameFile(const std::string& dump, const std::string& picture) {
    std::error_code error;
    return dump != StandardInputPath && std::filesystem::equivalent(dump, picture, error);
}

} // namespace

void RunScreen(Session& session, const ScreenOptions& options, int inputDescriptor) {
    if (session.format != Format::Text) {
        Fail(session, UsageExit, "screen draws SVG: --json and --tsv do not apply");
        return;
    }
    if (!options.outputPath.empty() && IsSameFile(options.path, options.outputPath)) {
        Fail(session, UsageExit,
             Echoed(options.outputPath) + " is the dump itself: not overwritten");
        return;
    }
    std::optional<std::vector<std::uint8_t>> dump =
        LoadDump(session, options.path, inputDescriptor, BadEntryExit);
    if (!dump) {
        return;
    }
    std::string picture = ScreensPicture(DecodeAll(*dump), options.scale);
    if (options.outputPath.empty()) {
        session.out.buffer += picture;
        return;
    }
    if (int error = WriteWholeFile(options.outputPath, picture); error != 0) {
        Fail(session, InputOutputExit,
             InputOutputProblem(("write " + Echoed(options.outputPath)).c_str(), error));
    }
}
