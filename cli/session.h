// One run of the program: where its answers go and in which format, and the worst exit code so
// far. Every command writes its records and its failures through here, so a format is started and
// a record ended in one way only.
#pragma once

#include "cli/output/formats.h"
#include "cli/output/record.h"
#include "cli/streams/standard_output.h"

#include <string_view>

struct Session {
    Output out;
    int errorDescriptor = -1;
    Format format = Format::Text;
    bool inlineErrors = false;
    bool memoryOrder = false;
    bool holdAnswers = false; // arguments: answers only when every job went through
    int worst = 0;
};

// A failed run: the message on standard error, and the exit code kept.
void Fail(Session& session, int exitCode, std::string_view message);

// A table has its header row, the names of these cells, even when no row follows.
void StartTable(Session& session, const Record& columns);

// One record in the run's format.
void Write(Session& session, const Record& record);

// Called once an answer is whole in the buffer, however it was written.
void EndAnswer(Session& session);

// Sends what is left and gives the exit code: the worst of all the jobs, or 74 when the output
// could not be written.
int FinishRun(Session& session);
