#include "cli/commands/jobs_command.h"

#include "cli/exit_codes.h"
#include "cli/input/assignments.h"
#include "cli/input/blanks.h"
#include "cli/input/line_reader.h"
#include "cli/input/memory_order.h"
#include "cli/output/answer_rows.h"
#include "cli/output/messages.h"
#include "codec/bit_fields.h"
#include "codec/layout.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

constexpr const char* EntryExpected = " (twelve hexadecimal digits expected)";
constexpr const char* MemoryOrderExpected = " (six or eight bytes in memory order expected)";

void Answered(Session& session) {
    if (!session.holdAnswers) {
        EndRecord(session.out);
    }
}

void Answer(Session& session, const Record& record) {
    WriteRecord(session.out.buffer, session.format, record);
    Answered(session);
}

void DecodeJob(Session& session, std::string_view job, std::int64_t number) {
    std::optional<AttributeWords> words;
    std::optional<MemoryEntry> memory;
    std::string shownEntry;
    if (session.memoryOrder) {
        memory = ReadMemoryOrder(job);
        if (memory) {
            words = AttributeWords{};
            std::copy_n(memory->halfwords.begin(), AttributeCount, words->begin());
            shownEntry = MemoryOrderText(EntryTextOf(*memory));
        }
    } else {
        words = ReadEntryDigits(job);
    }
    if (!words) {
        Fail(session, BadEntryExit,
             QuotedEcho(job) + ": " + NotAnEntryMessage +
                 (session.memoryOrder ? MemoryOrderExpected : EntryExpected),
             number, job);
        return;
    }
    OamFields fields = FieldsOfWords(*words);
    if (session.format != Format::Table && !session.memoryOrder) {
        WriteFieldsOnly(session.out.buffer, session.format, fields);
        Answered(session);
        return;
    }
    EntryAnswer answer;
    answer.line = number;
    answer.entry = session.memoryOrder ? std::string_view(shownEntry) : job;
    answer.fields = &fields;
    answer.memoryOrder = session.memoryOrder;
    if (memory && memory->hasGroupHalfword) {
        answer.groupHalfword = memory->halfwords[GroupHalfword];
    }
    Answer(session, EntryRecord(answer));
}

void EncodeJob(Session& session, std::string_view job, std::int64_t number) {
    OamFields fields;
    if (std::optional<std::string> problem = ReadAssignments(job, fields)) {
        Fail(session, BadFieldExit, *problem, number, job);
        return;
    }
    Text entry(EntryTextLength, ' ');
    WriteEntryDigits(WordsOfFields(fields), entry.data());
    if (session.memoryOrder) {
        entry = MemoryOrderText(entry);
    }
    if (session.format == Format::Table) {
        EntryAnswer answer;
        answer.line = number;
        answer.entry = entry;
        answer.fields = &fields;
        answer.memoryOrder = session.memoryOrder;
        Answer(session, EntryRecord(answer));
        return;
    }
    // A bare entry, or a JSON string of it: a script takes the answer as it is.
    bool json = session.format == Format::Json;
    std::string_view quote = json ? "\"" : "";
    session.out.buffer.append(quote).append(entry).append(quote) += '\n';
    Answered(session);
}

} // namespace

void Fail(Session& session, int exitCode, std::string_view message, std::int64_t line,
          std::string_view input) {
    session.worst = std::max(session.worst, exitCode);
    if (session.inlineErrors && line > 0) {
        std::string echo = CutInput(input);
        EntryAnswer answer;
        answer.line = line;
        answer.memoryOrder = session.memoryOrder;
        answer.input = echo;
        answer.error = message;
        Answer(session, FailedEntryRecord(answer, session.format));
        return;
    }
    if (line > 0 && !session.holdAnswers) {
        ReportError(session.errorDescriptor,
                    "line " + std::to_string(line) + ": " + std::string(message));
        return;
    }
    ReportError(session.errorDescriptor, message);
}

void StartEntryTable(Session& session) {
    if (session.format == Format::Table) {
        EntryAnswer columnsOnly;
        columnsOnly.memoryOrder = session.memoryOrder;
        WriteHeader(session.out.buffer, EntryRecord(columnsOnly));
    }
}

void RunJob(Session& session, JobKind kind, std::string_view job, std::int64_t number) {
    bool encode = kind == JobKind::Encode ||
                  (kind == JobKind::ByContent && job.find('=') != std::string_view::npos);
    encode ? EncodeJob(session, job, number) : DecodeJob(session, job, number);
}

void RunLines(Session& session, int inputDescriptor, JobKind kind) {
    LineReader reader = OpenLineReader(inputDescriptor, &session.out);
    while (session.out.error == 0) {
        InputLine line = NextLine(reader);
        if (line.status == LineStatus::End) {
            return;
        }
        if (line.status == LineStatus::Failed) {
            Fail(session, InputOutputExit, InputOutputProblem("read standard input", reader.error));
            return;
        }
        if (line.status == LineStatus::TooLong) {
            Fail(session, BadEntryExit,
                 "longer than " + std::to_string(LongestLine) + " bytes; skipped", line.number);
            continue;
        }
        std::string_view job = Trimmed(line.text);
        if (!job.empty()) {
            RunJob(session, kind, job, line.number);
        }
    }
}

int FinishRun(Session& session) {
    Flush(session.out);
    if (session.out.error != 0) {
        ReportError(session.errorDescriptor,
                    InputOutputProblem("write standard output", session.out.error));
        session.worst = std::max(session.worst, InputOutputExit);
    }
    return session.worst;
}
