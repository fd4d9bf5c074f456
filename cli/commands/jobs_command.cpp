#include "cli/commands/jobs_command.h"

#include "cli/exit_codes.h"
#include "cli/input/assignments.h"
#include "cli/input/blanks.h"
#include "cli/input/field_names.h"
#include "cli/input/memory_order.h"
#include "cli/output/answer_rows.h"
#include "cli/output/messages.h"
#include "cli/streams/line_reader.h"
#include "codec/bit_fields.h"
#include "codec/layout.h"
#include "codec/size_names.h"

#include <CLI/CLI.hpp>

#include <algorithm>
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

constexpr const char* NumbersHelp =
    R"(
Names are taken in any case (XCOORDINATE=1, Size="8 x 8"); answers use the first names above.
Numbers are decimal, or hexadecimal after 0x (x=0x12C); a negative X or Y is the position as
dump shows screenX and screenY: x=-5 is 507 and y=-10 is 246.
)";

constexpr const char* EditHelp = R"(
Editing: words before the first name=value are the entry to change, its twelve digits or, with
--memory-order, its bytes in quotes ("64 74 2C 91 01 5A" x=301); batch lines alike. Only the
named fields change; every other bit stays as it is. A field that rotScale, as the entry has it
or as the job sets it, does not select is refused. When the job changes rotScale, the bits the
two readings share stay as they were and the new flag's fields read them: 000010000000 (hFlip=1)
with rotScale=1 gives rotScaleParam=8.
)";

constexpr const char* BatchesHelp = R"(
Batches: with no ENTRY or FIELD, each line of standard input is one job: a line with "=" is
encoded, any other line is decoded (after "decode" or "encode", every line is that kind of job).
Blanks (space, tab, CR, VT, FF) around a job are ignored, and so is a byte-order mark at the
start; blank lines are skipped; a line may be at most 4096 bytes. Answers go to standard output,
one line each. A bad line is reported on standard error as "line N: ..." and the others still
run; with --inline-errors it is reported in standard output instead, in place of its answer, so
every non-blank line gives exactly one line: line=N error="...", or in JSON {"line":N,
"input":"...","error":"..."} with input the line's first 40 bytes ("..." when cut; a byte that
is not UTF-8 as U+FFFD). --tsv writes a header row and then the columns line, entry,
every field and error, each row the same columns, empty where rotScale does not select a field.
Arguments are all or nothing: any bad one, and no answer is printed.
)";

constexpr const char* MemoryOrderHelp = R"(
Memory order: --memory-order reads and writes an entry's bytes as a memory viewer shows them,
two hexadecimal digits a byte, attr0 attr1 attr2 each little-endian: "64 74 2C 91 01 5A" is
7464912C5A01. Decode takes six bytes, or eight with the group halfword (then also printed as
groupHalfword); blanks may stand between bytes.
)";

constexpr std::size_t RangeColumn = 30;
constexpr std::size_t NoteColumn = 44;

std::string HelpLine(const std::string& name, const std::string& range, const std::string& note) {
    std::string line = "  " + name;
    line.resize(std::max(line.size() + 1, RangeColumn), ' ');
    line += range;
    if (!note.empty()) {
        line.resize(std::max(line.size() + 1, NoteColumn), ' ');
        line += note;
    }
    return line + "\n";
}

// The field list in the help comes from the same table that decoding and encoding use.
std::string FieldsHelp() {
    std::string help =
        "\nFields, in decode's order, with short names (encode takes 0 for a field not given):\n";
    for (const FieldLayout& field : EntryFields) {
        std::string note = NegativeText(field, "or ");
        if (field.place.reading != FlagReading::Always) {
            note = "only with " + std::string(RotScaleName) +
                   (field.place.reading == FlagReading::FlagOn ? "=1" : "=0");
        }
        std::string names(field.name);
        for (std::string_view shortName : ShortNamesOf(field)) {
            names += shortName.empty() ? "" : ", " + std::string(shortName);
        }
        help += HelpLine(names, RangeText(field), note);
    }
    help += HelpLine(std::string(SizeName),
                     "shape and sizeCode together, a size of the window's list:", "");
    for (std::size_t shapeStart = 0; shapeStart < SizeNames.size(); shapeStart += SizesPerShape) {
        std::string sizes;
        for (std::size_t item = shapeStart; item < shapeStart + SizesPerShape; ++item) {
            sizes += std::string(item == shapeStart ? "" : ", ") + "\"" + SizeNames[item] + "\"";
        }
        help += HelpLine("", sizes, "");
    }
    return help;
}

// Decode and encode share them: the program's help gives them once.
std::string JobsDetails() {
    return FieldsHelp() + NumbersHelp + EditHelp + BatchesHelp + MemoryOrderHelp;
}

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
    answer.entry = session.memoryOrder ? std::string_view(shownEntry) : job;
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
// output fails.
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
            FailJob(session, BadEntryExit, LineTooLongMessage(), line.number);
            continue;
        }
        std::string_view job = Trimmed(line.text);
        if (!job.empty()) {
            RunJob(session, kind, job, line.number);
        }
    }
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
    return {"decode",
            "Print the fields of each ENTRY, one line per entry",
            DecodeExamples,
            JobsDetails(),
            {},
            {}};
}

CommandHelp EncodeHelp() {
    return {"encode", "Print the twelve digits of the entry", EncodeExamples, JobsDetails(), {},
            {}};
}

void AddJobCommands(CLI::App& program, JobsCommand& command) {
    command.decode = AddCommand(program, DecodeHelp());
    command.decode->add_option("ENTRY", command.entries, "Twelve hexadecimal digits, either case");
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
