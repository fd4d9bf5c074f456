// One job is one entry to decode or one list of name=value to encode; a batch is one job per line
// of input. Answers go to the run's buffered output, failures to standard error or, with inline
// errors, to the output in place of the answer.
#pragma once

#include "cli/output/record.h"
#include "cli/output/standard_output.h"

#include <cstdint>
#include <string_view>

// What one run writes and how, and the worst exit code so far.
struct Session {
    Output out;
    int errorDescriptor = -1;
    Format format = Format::Text;
    bool inlineErrors = false;
    bool memoryOrder = false;
    bool holdAnswers = false; // arguments: answers only when every job went through
    int worst = 0;
};

enum class JobKind { Decode, Encode, ByContent };

// A failed job or run: the error in the output or on standard error, and the exit code kept.
// `line` is 0 when the job has no line number.
void Fail(Session& session, int exitCode, std::string_view message, std::int64_t line = 0,
          std::string_view input = {});

// The table's header row, for a run of decode or encode jobs.
void StartEntryTable(Session& session);

// `number` names the job in messages: its line, or its place among the arguments.
void RunJob(Session& session, JobKind kind, std::string_view job, std::int64_t number);

// Every non-blank line of the input, as a job of that kind (ByContent: a line with "=" is
// encoded, any other decoded), until the input ends, fails, or the output fails.
void RunLines(Session& session, int inputDescriptor, JobKind kind);

// Sends what is left and gives the exit code: the worst of all the jobs, or 74 when the output
// could not be written.
int FinishRun(Session& session);
