// decode and encode: one job is one entry to decode or one list of name=value to encode, from the
// arguments, or one job per line of standard input. Answers go to the run's buffered output,
// failures to standard error or, with inline errors, to the output in place of the answer.
#pragma once

#include "cli/commands/command_help.h"
#include "cli/session.h"

#include <string>
#include <vector>

struct JobsCommand {
    std::vector<std::string> entries; // decode's arguments
    std::vector<std::string> words;   // encode's, one job together
    bool memoryOrder = false;
    CLI::App* decode = nullptr;
    CLI::App* encode = nullptr;
};

CommandHelp DecodeHelp();
CommandHelp EncodeHelp();

void AddJobCommands(CLI::App& program, JobsCommand& command);

// The jobs of the arguments, or with none those of standard input: with neither decode nor encode
// given, a line with "=" is encoded and any other decoded.
void RunJobs(Session& session, const JobsCommand& command, int inputDescriptor);
