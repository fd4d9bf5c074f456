#include "cli/commands/jobs_command.h"

#include "cli/exit_codes.h"
#include "cli/input/assignments.h"
#include "cli/input/blanks.h"
#include "cli/input/digit_groups.h"
#include "cli/input/field_names.h"
#include "cli/input/memory_order.h"
#include "cli/output/answer_rows.h"
#include "cli/output/messages.h"
#include "cli/streams/descriptors.h"
#include "cli/streams/line_reader.h"
#include "codec/bit_fields.h"
#include "codec/layout.h"
#include "codec/size_names.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace {

constexpr const char* DecodeExamples = R"(  oamcalc-cli decode 7464912C5A01
  oamcalc-cli --json < entries.txt
  oamcalc-cli --inline-errors --tsv < entries.txt
  oamcalc-cli decode --memory-order "64 74 2C 91 01 5A 00 01"
)";

constexpr const char* EncodeExamples =
    R"(  oamcalc-cli encode size="32 x 16" xCoordinate=300 tileNumber=513
  oamcalc-cli encode 7464912C5A01 x=301 prio=0
  oamcalc-cli encode --memory-order xCoordinate=300 tileNumber=513
)";

constexpr const char* DecodeDetails =
    R"(Prints the fields that the rotation/scaling flag selects, as name=value in a fixed order, and
sizeCode for every shape. With no ENTRY, each line of standard input is one job.
)";

constexpr const char* EncodeDetails =
    R"(Fields not given are 0, or as ENTRY has them when the words before the first name=value
give an entry to change; size="W x H" gives shape and sizeCode together, by the window's size
names. Names in any case, short names, and numbers in hexadecimal after 0x or negative for X and
Y: help fields. All the arguments are one job; with none, each line of standard input is one.
)";

constexpr std::array JobTopics = {HelpTopic::Fields, HelpTopic::Batches, HelpTopic::MemoryOrder,
                                  HelpTopic::ExitCodes};

enum class JobKind { Decode, Encode, ByContent };

// A failed job: its error in the output, with inline errors, or on standard error, named by its
// line in a batch; the exit code kept.
void FailJob(Session& session, int exitCode, std::string_view message, std::int64_t line,
             std::string_view input = {}) {
    session.worst = std::max(session.worst, exitCode);
    if (session.inlineErrors) {
        std::string echo = CutInput(input);
        EntryAnswer answer;
        answer.line = line;
        answer.memoryOrder = session.memoryOrder;
        answer.input = echo;
        answer.error = message;
        Write(session, FailedEntryRecord(answer, session.format));
        return;
    }
    ReportError(session.errorDescriptor,
                session.holdAnswers ? std::string(message) : OnLine(line, message));
}

void DecodeJob(Session& session, std::string_view job, std::int64_t number) {
    std::optional<AttributeWords> words;
    std::optional<MemoryEntry> memory;
    std::string shownEntry;
    Digits typed; // the entry's digits as given, without the blanks between halfwords
    if (session.memoryOrder) {
        memory = ReadMemoryOrder(job);
        if (memory) {
            words = AttributeWords{};
            std::copy_n(memory->halfwords.begin(), AttributeCount, words->begin());
            shownEntry = MemoryOrderText(EntryTextOf(*memory));
        }
    } else if (std::optional<EntryRead> read = ReadEntry(job)) {
        words = read->words;
        typed = read->digits;
    }
    if (!words) {
        FailJob(session, BadEntryExit, NotAnEntryText(job, session.memoryOrder), number, job);
        return;
    }
    OamFields fields = FieldsOfWords(*words);
    if (session.format != Format::Table && !session.memoryOrder) {
        WriteFieldsOnly(session.out.buffer, session.format, fields);
        EndAnswer(session);
        return;
    }
    EntryAnswer answer;
    answer.line = number;
    answer.entry = session.memoryOrder ? std::string_view(shownEntry) : typed.View();
    answer.fields = &fields;
    answer.memoryOrder = session.memoryOrder;
    if (memory && memory->hasGroupHalfword) {
        answer.groupHalfword = memory->halfwords[GroupHalfword];
    }
    Write(session, EntryRecord(answer));
}

void EncodeJob(Session& session, std::string_view job, std::int64_t number) {
    EntryChanges read;
    if (std::optional<AssignmentProblem> problem = ReadEncodeJob(job, session.memoryOrder, read)) {
        int exitCode = problem->fault == AssignmentFault::NotAnEntry ? BadEntryExit : BadFieldExit;
        FailJob(session, exitCode, AssignmentMessage(*problem), number, job);
        return;
    }
    AttributeWords words{};
    std::optional<std::uint16_t> groupHalfword;
    if (read.start) {
        std::copy_n(read.start->halfwords.begin(), AttributeCount, words.begin());
        if (read.start->hasGroupHalfword) {
            groupHalfword = read.start->halfwords[GroupHalfword];
        }
    }
    words = WithFields(words, read.fields, read.given);
    Text entry(EntryTextLength, ' ');
    WriteEntryDigits(words, entry.data());
    if (session.memoryOrder) {
        entry = MemoryOrderText(entry, groupHalfword);
    }
    if (session.format == Format::Table) {
        // The fields the entry's bits now give, as decode would print them.
        OamFields fields = FieldsOfWords(words);
        EntryAnswer answer;
        answer.line = number;
        answer.entry = entry;
        answer.fields = &fields;
        answer.memoryOrder = session.memoryOrder;
        answer.groupHalfword = groupHalfword;
        Write(session, EntryRecord(answer));
        return;
    }
    // A bare entry, or a JSON string of it: a script takes the answer as it is.
    bool json = session.format == Format::Json;
    std::string_view quote = json ? "\"" : "";
    session.out.buffer.append(quote).append(entry).append(quote) += '\n';
    EndAnswer(session);
}

// `number` names the job in messages: its line, or its place among the arguments.
void RunJob(Session& session, JobKind kind, std::string_view job, std::int64_t number) {
    bool encode = kind == JobKind::Encode ||
                  (kind == JobKind::ByContent && job.find('=') != std::string_view::npos);
    encode ? EncodeJob(session, job, number) : DecodeJob(session, job, number);
}

// Every non-blank line of the input, as a job of that kind, until the input ends, fails, or the
// output fails. A person at a terminal is told what to type, and how to end.
void RunLines(Session& session, int inputDescriptor, JobKind kind) {
    if (IsTerminal(inputDescriptor)) {
        ReportError(session.errorDescriptor,
                    AwaitingJobsMessage(kind != JobKind::Encode, kind != JobKind::Decode));
    }
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
            FailJob(session, BadEntryExit, LineTooLongMessage(), line.number);
            continue;
        }
        std::string_view job = Trimmed(line.text);
        if (!job.empty()) {
            RunJob(session, kind, job, line.number);
        }
    }
}

// Bytes or halfwords typed without quotes reach the program as arguments of their own: each alone
// is no entry, all together one. That is one mistake of the command line, said once, not a failed
// entry for each piece. The pieces joined, as one argument would give them.
std::optional<std::string> UnquotedEntry(const std::vector<std::string>& entries,
                                         bool memoryOrder) {
    auto reads = [memoryOrder](std::string_view text) {
        return memoryOrder ? ReadMemoryOrder(text).has_value() : ReadEntry(text).has_value();
    };
    if (entries.size() < 2) {
        return std::nullopt;
    }
    std::string joined;
    for (const std::string& entry : entries) {
        if (reads(entry)) {
            return std::nullopt;
        }
        joined += std::string(joined.empty() ? "" : " ") + std::string(Trimmed(entry));
    }
    return reads(joined) ? std::optional(joined) : std::nullopt;
}

// Each argument is one entry; the encode words are one job, as if they were one line.
void RunArguments(Session& session, const std::vector<std::string>& entries,
                  const std::vector<std::string>& words) {
    session.holdAnswers = true;
    std::int64_t number = 0;
    for (const std::string& entry : entries) {
        RunJob(session, JobKind::Decode, Trimmed(entry), ++number);
    }
    if (!words.empty()) {
        std::string job;
        for (const std::string& word : words) {
            job += word;
            job += ' ';
        }
        RunJob(session, JobKind::Encode, job, ++number);
    }
    // All or nothing: a script must not take the answers of the good entries for the whole.
    if (session.worst != SuccessExit && !session.inlineErrors) {
        session.out.buffer.clear();
    }
}

} // namespace

CommandHelp DecodeHelp() {
    return {"decode",       "Print the fields of each ENTRY, one line per entry",
            DecodeExamples, DecodeDetails,
            JobTopics,      {}};
}

CommandHelp EncodeHelp() {
    return {"encode",       "Print the twelve digits of the entry",
            EncodeExamples, EncodeDetails,
            JobTopics,      {}};
}

void AddJobCommands(CLI::App& program, JobsCommand& command) {
    command.decode = AddCommand(program, DecodeHelp());
    command.decode->add_option("ENTRY", command.entries,
                               "Twelve hex digits, either case; blanks only between halfwords");
    command.decode->add_flag("--memory-order", command.memoryOrder,
                             "Take each entry as 6 or 8 bytes in memory order");

    command.encode = AddCommand(program, EncodeHelp());
    command.encode->add_option(
        "FIELD", command.words,
        "name=value, e.g. xCoordinate=300 or size=\"32 x 16\", after an ENTRY to edit if any");
    command.encode->add_flag("--memory-order", command.memoryOrder,
                             "Take and print the entry as its bytes in memory order");
}

void RunJobs(Session& session, const JobsCommand& command, int inputDescriptor) {
    session.memoryOrder = command.memoryOrder;
    if (std::optional<std::string> joined = UnquotedEntry(command.entries, command.memoryOrder)) {
        Fail(session, UsageExit,
             UnquotedEntryMessage(command.entries.size(), *joined, command.memoryOrder));
        return;
    }
    EntryAnswer columnsOnly;
    columnsOnly.memoryOrder = session.memoryOrder;
    StartTable(session, EntryRecord(columnsOnly));
    if (!command.entries.empty() || !command.words.empty()) {
        RunArguments(session, command.entries, command.words);
        return;
    }
    JobKind kind = command.decode->parsed()   ? JobKind::Decode
                   : command.encode->parsed() ? JobKind::Encode
                                              : JobKind::ByContent;
    RunLines(session, inputDescriptor, kind);
}
