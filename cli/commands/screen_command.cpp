#include "cli/commands/screen_command.h"

#include "cli/commands/dump_command.h"
#include "cli/exit_codes.h"
#include "cli/output/messages.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

namespace {

// The whole picture in one write; a file left behind half written is removed, so a failed run
// never leaves a picture that looks whole.
int WritePicture(const std::string& path, const std::string& picture) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return errno;
    }
    bool written = std::fwrite(picture.data(), 1, picture.size(), file) == picture.size();
    int error = written ? 0 : (errno != 0 ? errno : EIO);
    if (std::fclose(file) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        std::remove(path.c_str());
    }
    return error;
}

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
    if (int error = WritePicture(options.outputPath, picture); error != 0) {
        Fail(session, InputOutputExit,
             InputOutputProblem(("write " + Echoed(options.outputPath)).c_str(), error));
    }
}
