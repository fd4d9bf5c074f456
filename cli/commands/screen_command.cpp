#include "cli/commands/screen_command.h"

#include "cli/commands/dump_command.h"
#include "cli/exit_codes.h"
#include "cli/input/blanks.h"
#include "cli/input/dump_file.h"
#include "cli/output/messages.h"
#include "cli/streams/file_replace.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <optional>
#include <vector>

namespace {

constexpr const char* ScreenExamples = "  oamcalc-cli screen oam.bin -o screens.svg\n";

constexpr const char* ScreenDetails =
    R"(One 256 x 192 screen for each engine the dump reaches, side by side. Each entry is a box labelled
with its index, where the hardware shows it: row r when (r - Y) mod 256 is less than the box's
height, column c when (c - X) mod 512 is less than its width, so a box that passes the bottom or
the right comes back at the top or the left. Double-size boxes are doubled; an entry with
rotation/scaling carries its group ("5 g3"). Boxes are coloured by priority; semi-transparent
entries are paler and dashed, OBJ window entries grey and dotted. Hidden entries, the prohibited
shape, entries wholly off the screen and entries the dump does not hold are listed under the
screen. Exit codes as for dump: 1 a file that is not a dump, 74 a failed read or write.
)";

constexpr std::array ScreenTopics = {HelpTopic::Dumps};

// --scale as plain decimal digits between blanks, as every other number the program reads: the
// parser's own reading would take "010" as octal 8 and "0x8" as 8. The text becomes the number's
// own digits for the parser to convert.
std::string ReadScreenScale(std::string& text) {
    std::string_view digits = Trimmed(text);
    std::int32_t scale = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), scale);
    bool decimal = !digits.empty() && std::all_of(digits.begin(), digits.end(),
                                                  [](char c) { return c >= '0' && c <= '9'; });
    if (!decimal || error != std::errc{} || end != digits.data() + digits.size() ||
        scale < SmallestScale || scale > LargestScale) {
        return ScreenScaleMessage(text);
    }
    text = std::to_string(scale);
    return "";
}

// Drawing a dump over itself would lose the dump: the two names may differ and still be one file.
bool IsSameFile(const std::string& dump, const std::string& picture) {
    std::error_code error;
    return dump != StandardInputPath && std::filesystem::equivalent(dump, picture, error);
}

} // namespace

CommandHelp ScreenHelp() {
    return {"screen",       "Draw the screens of a raw OAM dump, as SVG",
            ScreenExamples, ScreenDetails,
            ScreenTopics,   {}};
}

CLI::App* AddScreenCommand(CLI::App& program, ScreenCommand& command) {
    CLI::App* screen = AddCommand(program, ScreenHelp());
    screen->add_option("DUMP", command.path, "The dump; - or none for standard input");
    screen->add_option("-o,--output", command.outputPath, "Write FILE.svg, not standard output");
    screen->add_option("--scale", command.scale, "Output pixels per screen pixel (default 2)")
        ->transform(CLI::Validator(ReadScreenScale, "INT in [" + std::to_string(SmallestScale) +
                                                        " - " + std::to_string(LargestScale) +
                                                        "]"));
    return screen;
}

void RunScreen(Session& session, const ScreenCommand& command, int inputDescriptor) {
    if (session.format != Format::Text) {
        Fail(session, UsageExit, ScreenFormatMessage());
        return;
    }
    if (!command.outputPath.empty() && IsSameFile(command.path, command.outputPath)) {
        Fail(session, UsageExit, PictureIsDumpMessage(command.outputPath));
        return;
    }
    std::optional<std::vector<std::uint8_t>> dump =
        LoadDump(session, command.path, inputDescriptor, BadEntryExit);
    if (!dump) {
        return;
    }
    std::string picture = ScreensPicture(DecodeAll(*dump), command.scale);
    if (command.outputPath.empty()) {
        session.out.buffer += picture;
        return;
    }
    if (int error = WriteWholeFile(command.outputPath, picture); error != 0) {
        Fail(session, InputOutputExit, PictureUnwrittenMessage(command.outputPath, error));
    }
}
