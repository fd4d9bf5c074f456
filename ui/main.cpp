// Everything the program is given comes from its window; its command line only asks about it.
#include "runtime/command_line.h"
#include "ui/event_loop.h"

namespace {

constexpr ProgramAbout About = {
    "oamcalc", OAMCALC_VERSION,
    "Converts one Nintendo DS OAM sprite entry to and from its fields, in a window."};

} // namespace

int main(int argc, char** argv) {
    if (std::optional<int> answered = AnswerCommandLine(argc, argv, About)) {
        return *answered;
    }
    return RunProgram();
}
