// A page is opened, not started with arguments: there is nothing to answer.
#include "runtime/command_line.h"

std::optional<int> AnswerCommandLine(int&, char**, const ProgramAbout&) {
    return std::nullopt;
}
