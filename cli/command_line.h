// The command line: decode ENTRY..., encode FIELD..., or one job per line of input, with --json
// and --help. Standard input and output are parameters so the whole program can run in a test.
#pragma once

#include <iosfwd>

// Gives the exit code: 0 when every job went through, 1 when an entry was not twelve hexadecimal
// digits, 2 for a bad field or a bad command line (the highest when several jobs failed).
int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err);
