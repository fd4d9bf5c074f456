// One job is one entry to decode or one list of name=value to encode; a batch is one job per line
// of input.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

constexpr int SuccessExit = 0;
constexpr int BadEntryExit = 1;
constexpr int BadFieldExit = 2;

constexpr const char* ProgramName = "oamcalc-cli";

// A job's answer for standard output, or, with a non-zero exit code, why it has none.
struct Outcome {
    int exitCode = SuccessExit;
    std::string text;
};

enum class JobKind { Decode, Encode, ByContent };

Outcome DecodeJob(std::string_view entry, bool json);
Outcome EncodeJob(std::span<const std::string> words, bool json);

// Runs every line of `in` as a job of that kind (ByContent: a line with "=" is encoded, any other
// decoded) and writes each answer to `out` as soon as it is known, and each failure to `err` with
// its line number. Blank lines are skipped. Gives the highest exit code of all the jobs.
int RunLines(std::istream& in, std::ostream& out, std::ostream& err, JobKind kind, bool json);
