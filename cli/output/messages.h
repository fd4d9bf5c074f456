// Every message the program writes on standard error or in place of an answer, made here from what
// the commands read: a command reads its input into a result or a problem, and only then reports.
//
// Text from the input, as it is repeated in a message, is cut to a short prefix, so a huge line
// never becomes a huge message, and every byte that is not printable ASCII is written as \xNN (a
// quote and a backslash as \" and \\), so a message is one clean line whatever was read.
#pragma once

#include "cli/input/assignments.h"
#include "cli/input/dump_file.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

constexpr std::size_t EchoedBytes = 40;

std::string Echoed(std::string_view text, std::size_t longest = EchoedBytes);

// The echo between double quotes.
std::string QuotedEcho(std::string_view text);

// The same bytes of the text, as they are, and the cut mark: for JSON, which escapes them itself.
// A character of several bytes is not cut in two.
std::string CutInput(std::string_view text);

// "cannot write standard output: No space left on device".
std::string InputOutputProblem(std::string_view what, int error);

// The command line. The parser's own message repeats no argument in full.
std::string UsageMessage(std::string_view parserMessage);
std::string UnexpectedArgumentsMessage(std::string_view first, std::size_t more);
// A first argument that is no command, with the nearest commands when one is near.
std::string UnknownCommandMessage(std::string_view given,
                                  std::span<const std::string_view> commands);
// An entry or a name=value where the command belongs: "did you mean "decode 7464912C5A01"?".
std::string JobWithoutCommandMessage(std::string_view given, std::string_view command);
std::string EngineMessage(std::string_view given);
std::string UnknownHelpMessage(std::string_view given);

// What a person at a terminal is to type, and the keys that end it.
std::string AwaitingJobsMessage(bool decodes, bool encodes);
std::string AwaitingDumpMessage();

// Decode and encode jobs; a job of a batch is named by its line.
std::string NotAnEntryText(std::string_view job, bool memoryOrder);
std::string AssignmentMessage(const AssignmentProblem& problem);
std::string LineTooLongMessage();
std::string OnLine(std::int64_t line, std::string_view message);
// One entry typed as several arguments, without the quotes that make it one: `joined` is the one.
std::string UnquotedEntryMessage(std::size_t arguments, std::string_view joined, bool memoryOrder);

// Dumps: "standard input" for "-", the path echoed otherwise.
std::string ShownDumpPath(const std::string& path);
std::string DumpFileMessage(const std::string& path, const DumpFile& file);
std::string ScreenFormatMessage();
std::string ScreenScaleMessage(std::string_view given);
std::string PictureIsDumpMessage(const std::string& picturePath);
std::string PictureUnwrittenMessage(const std::string& picturePath, int error);
std::string BothStandardInputMessage();
// Why dump printed no record. `engine`: the one asked for, if any.
enum class EmptySelection { EngineNotInDump, NoWholeGroup, AllHidden, NoneOnScreen };
std::string EmptySelectionMessage(EmptySelection why, const std::string& path,
                                  std::size_t dumpBytes, std::optional<std::size_t> engine);
std::string DumpSizesDifferMessage(const std::string& oldPath, std::size_t oldEntries,
                                   const std::string& newPath, std::size_t newEntries);

// Affine.
std::string AffineUsageMessage();
std::string AngleMessage(std::string_view given);
std::string ScaleMessage(std::string_view given);
std::string ParameterOutOfRangeMessage(std::size_t parameter, double value);
std::string HalfwordMessage(std::size_t parameter, std::string_view given);
