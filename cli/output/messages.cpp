#include "cli/output/messages.h"

#include "cli/input/blanks.h"
#include "cli/input/field_names.h"
#include "cli/input/nearest_names.h"
#include "cli/output/answer_rows.h"
#include "cli/output/formats.h"
#include "cli/output/json_string.h"
#include "cli/streams/descriptors.h"
#include "cli/streams/line_reader.h"
#include "codec/dump_contents.h"
#include "codec/memory_layout.h"
#include "codec/screen_picture.h"
#include "codec/size_names.h"
#include "runtime/text.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr const char* CutMark = "...";
constexpr const char* TryHelp = "; run with --help for more information";
// A parser message repeats no argument in full: past this, it is cut as an echo is.
constexpr std::size_t LongestUsageMessage = 200;
constexpr const char* EntryExpected = " (twelve hexadecimal digits expected)";
constexpr const char* MemoryOrderExpected = " (six or eight bytes in memory order expected)";
// How far out of range a parameter would be, to three places.
constexpr int OutOfRangePlaces = 3;

bool IsPrintableAscii(unsigned char c) {
    return c >= ' ' && c <= '~';
}

std::string SizeChoices() {
    std::string choices;
    for (const char* name : SizeNames) {
        choices += std::string(choices.empty() ? "" : ", ") + "\"" + name + "\"";
    }
    return choices;
}

std::string FieldNames() {
    std::string names;
    for (const FieldLayout& field : EntryFields) {
        names += std::string(field.name) + ", ";
    }
    return names + std::string(SizeName);
}

// "; did you mean "x"?" (or "x" or "y"), or nothing when no name is near.
std::string Suggestion(std::string_view given, std::span<const std::string_view> known) {
    std::vector<std::string_view> nearest = NearestNames(given, known);
    if (nearest.empty()) {
        return {};
    }
    std::string names;
    for (std::size_t i = 0; i < nearest.size(); ++i) {
        names += i == 0 ? "" : i + 1 == nearest.size() ? " or " : ", ";
        names += "\"" + std::string(nearest[i]) + "\"";
    }
    return "; did you mean " + names + "?";
}

} // namespace

std::string Echoed(std::string_view text, std::size_t longest) {
    std::string echo;
    for (char c : text.substr(0, longest)) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            echo += '\\';
            echo += c;
        } else if (IsPrintableAscii(byte)) {
            echo += c;
        } else {
            echo += "\\x";
            echo += UpperHexDigits[byte >> 4];
            echo += UpperHexDigits[byte & 0xF];
        }
    }
    if (text.size() > longest) {
        echo += CutMark;
    }
    return echo;
}

std::string QuotedEcho(std::string_view text) {
    return "\"" + Echoed(text) + "\"";
}

// Cut after the last character that ends within the limit, each byte that is not part of
// well-formed UTF-8 counting as a character of its own, as the JSON string shows it.
std::string CutInput(std::string_view text) {
    if (text.size() <= EchoedBytes) {
        return std::string(text);
    }
    std::size_t cut = 0;
    for (std::size_t next = 0; next <= EchoedBytes;
         next += std::max<std::size_t>(WellFormedLength(text.substr(next)), 1)) {
        cut = next;
    }
    return std::string(text.substr(0, cut)) + CutMark;
}

std::string InputOutputProblem(std::string_view what, int error) {
    return "cannot " + std::string(what) + ": " + std::strerror(error);
}

std::string UsageMessage(std::string_view parserMessage) {
    return Echoed(Trimmed(parserMessage), LongestUsageMessage) + TryHelp;
}

std::string UnexpectedArgumentsMessage(std::string_view first, std::size_t more) {
    std::string message = "unexpected argument " + QuotedEcho(first);
    if (more > 0) {
        message += " and " + std::to_string(more) + " more";
    }
    return message + TryHelp;
}

std::string UnknownCommandMessage(std::string_view given,
                                  std::span<const std::string_view> commands) {
    std::string message = "unknown command " + QuotedEcho(given);
    std::string suggestion = Suggestion(given, commands);
    if (!suggestion.empty()) {
        return message + suggestion;
    }
    message += "; the commands are ";
    for (std::size_t i = 0; i < commands.size(); ++i) {
        message += std::string(i == 0 ? "" : ", ") + std::string(commands[i]);
    }
    return message;
}

std::string JobWithoutCommandMessage(std::string_view given, std::string_view command) {
    return "unknown command " + QuotedEcho(given) + "; did you mean \"" + std::string(command) +
           " " + Echoed(given) + "\"?";
}

std::string EngineMessage(std::string_view given) {
    return "--engine " + QuotedEcho(given) + ": expected a or b" + TryHelp;
}

std::string AwaitingJobsMessage(bool decodes, bool encodes) {
    std::string jobs = decodes && encodes ? "entries to decode or name=value jobs to encode"
                       : decodes          ? "entries to decode"
                                          : "name=value jobs to encode";
    return "waiting for " + jobs + ", one a line, on standard input; end with " + EndOfInputKeys();
}

std::string AwaitingDumpMessage() {
    return std::string(
               "waiting for a raw OAM dump on standard input (or name its file); end with ") +
           EndOfInputKeys();
}

std::string UnknownHelpMessage(std::string_view given) {
    return "no help topic or command " + QuotedEcho(given) +
           "; oamcalc-cli help lists the topics and the commands";
}

std::string NotAnEntryText(std::string_view job, bool memoryOrder) {
    return QuotedEcho(job) + ": " + NotAnEntryMessage +
           (memoryOrder ? MemoryOrderExpected : EntryExpected);
}

std::string AssignmentMessage(const AssignmentProblem& problem) {
    std::string shown = Echoed(problem.shown);
    switch (problem.fault) {
    case AssignmentFault::NotAnEntry:
        return NotAnEntryText(problem.shown, problem.memoryOrder);
    case AssignmentFault::NotAnAssignment:
        return QuotedEcho(problem.shown) + ": expected name=value";
    case AssignmentFault::NoSuchSize:
        return shown + ": " + std::string(SizeName) + " takes one of " + SizeChoices();
    case AssignmentFault::NoSuchField: {
        std::string suggestion = Suggestion(problem.name, EveryFieldName());
        return shown + ": no field named " + QuotedEcho(problem.name) +
               (suggestion.empty() ? "; the fields are " + FieldNames() : suggestion);
    }
    case AssignmentFault::OutOfRange:
        return shown + ": " + std::string(problem.field->name) + " takes a whole number from " +
               RangeText(*problem.field) + NegativeText(*problem.field, ", or ") +
               ", in decimal or in hexadecimal after 0x";
    case AssignmentFault::GivenTwice:
        return shown + ": " + std::string(problem.field->name) + " is already given by " +
               Echoed(problem.earlier);
    case AssignmentFault::NotSelected:
        return shown + ": " + std::string(problem.field->name) + " (" + RangeText(*problem.field) +
               ") is part of the entry only with " + std::string(RotScaleName) + "=" +
               (problem.rotScale != 0 ? "0" : "1");
    }
    return shown;
}

std::string LineTooLongMessage() {
    return "longer than " + std::to_string(LongestLine) + " bytes; skipped";
}

std::string OnLine(std::int64_t line, std::string_view message) {
    return "line " + std::to_string(line) + ": " + std::string(message);
}

std::string UnquotedEntryMessage(std::size_t arguments, std::string_view joined, bool memoryOrder) {
    return std::to_string(arguments) + " arguments make one entry" +
           (memoryOrder ? " in memory order: give its bytes" : ": give its digits") +
           " as one argument, in quotes: " + QuotedEcho(joined);
}

std::string ShownDumpPath(const std::string& path) {
    return path == StandardInputPath ? "standard input" : Echoed(path);
}

std::string DumpFileMessage(const std::string& path, const DumpFile& file) {
    switch (file.fault) {
    case DumpFault::CannotOpen:
        return InputOutputProblem("open " + Echoed(path), file.error);
    case DumpFault::CannotRead:
        return InputOutputProblem("read " + ShownDumpPath(path), file.error);
    case DumpFault::NotADump:
    case DumpFault::None:
        break;
    }
    return NotADumpProblem(ShownDumpPath(path), file.size);
}

std::string ScreenFormatMessage() {
    return "screen draws SVG: --json and --tsv do not apply";
}

std::string ScreenScaleMessage(std::string_view given) {
    // The parser echoes it safely, after the option's name.
    return "Value " + std::string(given) + " is not a whole number from " +
           std::to_string(SmallestScale) + " to " + std::to_string(LargestScale) + ", in decimal";
}

std::string PictureIsDumpMessage(const std::string& picturePath) {
    return Echoed(picturePath) + " is the dump itself: not overwritten";
}

std::string PictureUnwrittenMessage(const std::string& picturePath, int error) {
    return InputOutputProblem("write " + Echoed(picturePath), error);
}

std::string BothStandardInputMessage() {
    return "A and B cannot both be standard input";
}

std::string EmptySelectionMessage(EmptySelection why, const std::string& path,
                                  std::size_t dumpBytes, std::optional<std::size_t> engine) {
    std::string dump = ShownDumpPath(path);
    std::string of = engine ? " of engine " + std::string(EngineNames[*engine]) + " in " : " in ";
    std::string said;
    switch (why) {
    case EmptySelection::EngineNotInDump:
        said = dump + " holds engine " + std::string(EngineNames[0]) + " only (" +
               std::to_string(dumpBytes) + " bytes)";
        break;
    case EmptySelection::NoWholeGroup:
        said = "no rotation/scaling group" + of + dump +
               " is whole (group g is carried by entries 4g to 4g+3)";
        break;
    case EmptySelection::AllHidden:
        said = "every entry" + of + dump + " is hidden (rotScale=0 and objDisable=1)";
        break;
    case EmptySelection::NoneOnScreen:
        said = "no entry" + of + dump + " has a pixel on the screen";
        break;
    }
    return "nothing printed: " + said;
}

std::string DumpSizesDifferMessage(const std::string& oldPath, std::size_t oldEntries,
                                   const std::string& newPath, std::size_t newEntries) {
    return ShownDumpPath(oldPath) + " holds " + std::to_string(oldEntries) + " entries and " +
           ShownDumpPath(newPath) + " " + std::to_string(newEntries) + ": only the first " +
           std::to_string(std::min(oldEntries, newEntries)) + " are compared";
}

std::string AffineUsageMessage() {
    return "affine takes --angle and/or --scale, or the four halfwords PA PB PC PD";
}

std::string AngleMessage(std::string_view given) {
    return "--angle " + QuotedEcho(given) + ": expected a decimal number";
}

std::string ScaleMessage(std::string_view given) {
    return "--scale " + QuotedEcho(given) +
           ": expected a scale S or SX,SY, each a decimal number other than 0";
}

std::string ParameterOutOfRangeMessage(std::size_t parameter, double value) {
    std::string shown;
    AppendDecimal(shown, value, OutOfRangePlaces);
    return "--scale: " + std::string(ParameterNames[parameter]) + " would be " + shown +
           ", outside signed 8.8 (-128.0 to 127.99609375): use a larger scale";
}

std::string HalfwordMessage(std::size_t parameter, std::string_view given) {
    return std::string(ParameterNames[parameter]) + " " + QuotedEcho(given) +
           ": expected a halfword of 1 to 4 hexadecimal digits";
}
