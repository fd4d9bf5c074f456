// The command line: decode, encode, dump, screen, diff and affine, or one job per line of input,
// with --json, --tsv, --inline-errors, --help and --version. The three standard descriptors are
// parameters so the whole program can run in a test.
#pragma once

#include "cli/streams/descriptors.h"

struct Descriptors {
    int input = StandardInput;
    int output = StandardOutput;
    int error = StandardError;
};

// Gives the exit code: 0 when every job went through, 1 when an entry (or a dump) was not valid,
// 2 for a bad field, 64 for a bad command line, 74 when reading or writing failed; the highest
// when several jobs failed.
int RunCommandLine(int argc, const char* const* argv, const Descriptors& descriptors);
