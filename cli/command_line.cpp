#include "cli/command_line.h"

#include "cli/commands/affine_command.h"
#include "cli/commands/diff_command.h"
#include "cli/commands/dump_command.h"
#include "cli/commands/jobs_command.h"
#include "cli/commands/screen_command.h"
#include "cli/exit_codes.h"
#include "cli/input/assignments.h"
#include "cli/input/blanks.h"
#include "cli/input/field_names.h"
#include "cli/input/line_reader.h"
#include "cli/output/messages.h"
#include "codec/memory_layout.h"
#include "codec/size_names.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* Description =
    "Converts Nintendo DS OAM sprite entries (twelve hexadecimal digits) to and from their fields.";

constexpr const char* TryHelp = "; run with --help for more information";

constexpr const char* VersionText = "oamcalc-cli " OAMCALC_VERSION;

// A parser message repeats no argument in full: past this, it is cut as an echo is.
constexpr std::size_t LongestUsageMessage = 200;

constexpr const char* ExamplesTitle = "Examples:\n";

constexpr const char* DecodeExamples = R"(  oamcalc-cli decode 7464912C5A01
  oamcalc-cli --json < entries.txt
  oamcalc-cli --inline-errors --tsv < entries.txt
  oamcalc-cli decode --memory-order "64 74 2C 91 01 5A 00 01"
)";

constexpr const char* EncodeExamples =
    R"(  oamcalc-cli encode size="32 x 16" xCoordinate=300 tileNumber=513
  oamcalc-cli encode --memory-order xCoordinate=300 tileNumber=513
)";

constexpr const char* DumpExamples = R"(  oamcalc-cli dump --engine a --visible oam.bin
  oamcalc-cli dump --groups oam.bin
)";

constexpr const char* AffineExamples = R"(  oamcalc-cli affine --angle 30 --scale 2
  oamcalc-cli affine 0000 FF00 0100 0000
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

constexpr const char* DumpHelp = R"(
dump [FILE|-]: a raw OAM dump (standard input for "-" or no FILE): 1024 bytes per engine, engine
A from 0x07000000, engine B from 0x07000400; entry n at byte 8n (attr0, attr1, attr2, group
halfword, little-endian). A dump of any whole number of entries from the start, up to 2048 bytes,
is read. One line per entry: engine, index, entry, the fields as decode names them, width and
height in pixels, screenX (signed 9 bits) and screenY (from 192 up, negative), boxWidth and
boxHeight (doubled with doubleSize), hidden (rotScale=0 and objDisable=1), prohibited (shape 3,
which has no size: its four sizes are null in JSON, left out of pairs and empty in a table) and
group (with rotScale=1). --groups lists instead the 32 rotation/scaling groups of each engine the
dump holds whole: PA to PD (the group halfwords of entries 4g to 4g+3) in hex and as signed 8.8
numbers, and users, the entries that use the group.
)";

constexpr const char* AffineHelp = R"(
affine: --angle DEG (counter-clockwise) and --scale S or SX,SY give the matrix as the hardware
uses it, screen to texture: PA = cos/sx, PB = -sin/sx, PC = sin/sy, PD = cos/sy, each rounded to
the nearest 1/256 and refused when outside signed 8.8. Numbers are decimal, finite. Four
halfwords PA PB PC PD give back an angle and scales with the fewest decimals that, given to
--angle and --scale, make the same four halfwords (scaleY negative for a mirror; a zero row takes
the smallest scale beyond 512), and shear=0; when no angle and scales make them, the nearest
ones, to 0.01 degree and 0.001, and shear=1.
)";

constexpr const char* ExitCodesHelp = R"(
Exit codes: 0 every job went through; 1 an entry is not twelve hexadecimal digits ("This is not a
valid 6 bytes OAM"), a line is too long, or a dump is not a whole number of entries; 2 an unknown
field, a value outside its field's range, a field that rotScale does not select, or a bad affine
value; 64 a bad command line; 74 standard input, the dump or standard output could not be read
or written. A reader that goes away ends the run at once: by the signal SIGPIPE (a shell shows
141) unless SIGPIPE is ignored, then with 74. With several failures, the highest.)";

constexpr const char* SubcommandExitCodes = "\nExit codes: see oamcalc-cli --help.";

constexpr std::size_t RangeColumn = 18;
constexpr std::size_t NoteColumn = 32;

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
    std::string help = "\nFields, in the order decode prints them (encode takes 0 for a field not "
                       "given):\n";
    for (const FieldEntry& field : FieldTable()) {
        std::string note;
        if (field.place.reading != FlagReading::Always) {
            note = "only with " + std::string(RotScaleName) +
                   (field.place.reading == FlagReading::FlagOn ? "=1" : "=0");
        }
        help += HelpLine(std::string(field.name), RangeText(field), note);
    }
    help += HelpLine(SizeName, "for shape and sizeCode together, a size of the window's list:", "");
    for (std::size_t shapeStart = 0; shapeStart < SizeNames.size(); shapeStart += SizesPerShape) {
        std::string sizes;
        for (std::size_t item = shapeStart; item < shapeStart + SizesPerShape; ++item) {
            sizes += std::string(item == shapeStart ? "" : ", ") + "\"" + SizeNames[item] + "\"";
        }
        help += HelpLine("", sizes, "");
    }
    return help;
}

// Each argument is one entry; the encode words are one job, as if they were one line.
void RunArguments(Session& session, const std::vector<std::string>& entries,
                  const std::vector<std::string>& words) {
    session.holdAnswers = true;
    StartEntryTable(session);
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

std::optional<std::size_t> EngineNamed(const std::string& name) {
    for (std::size_t engine = 0; engine < EngineCount; ++engine) {
        if (name.size() == 1 &&
            std::toupper(static_cast<unsigned char>(name[0])) == EngineNames[engine][0]) {
            return engine;
        }
    }
    return std::nullopt;
}

// The parser's own message names every stray argument in full; one line, each argument echoed.
std::string UsageProblem(const CLI::App& app, const CLI::ParseError& error) {
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
        std::vector<std::string> extras = app.remaining(true);
        if (!extras.empty()) {
            std::string problem = "unexpected argument " + QuotedEcho(extras.front());
            if (extras.size() > 1) {
                problem += " and " + std::to_string(extras.size() - 1) + " more";
            }
            return problem;
        }
    }
    return Echoed(Trimmed(error.what()), LongestUsageMessage);
}

} // namespace

int RunCommandLine(int argc, const char* const* argv, const Descriptors& descriptors) {
    Session session;
    session.out = OpenOutput(descriptors.output);
    session.errorDescriptor = descriptors.error;

    CLI::App app(Description, ProgramName);
    // The same arguments mean the same thing on Windows: no /option spellings.
    app.allow_windows_style_options(false);
    app.fallthrough(); // the format options may also follow the subcommand
    app.footer(std::string(ExamplesTitle) + DecodeExamples + EncodeExamples + DumpExamples +
               AffineExamples + FieldsHelp() + BatchesHelp + MemoryOrderHelp + DumpHelp +
               AffineHelp + ExitCodesHelp);
    app.require_subcommand(0, 1);
    app.set_version_flag("--version", VersionText, "Print the version and exit");

    bool json = false;
    bool table = false;
    CLI::Option* jsonOption = app.add_flag(
        "--json", json, "Print JSON: a decoded entry as an object, an encoded one as a string");
    app.add_flag("--tsv", table, "Print tab-separated columns under a header row")
        ->excludes(jsonOption);
    app.add_flag("--inline-errors", session.inlineErrors,
                 "Put a bad job's error in standard output in place of its answer, one line per "
                 "non-blank input line");

    std::vector<std::string> entries;
    CLI::App* decode =
        app.add_subcommand("decode", "Print the fields of each ENTRY, one line per entry");
    decode->add_option("ENTRY", entries, "Twelve hexadecimal digits, either case");
    decode->add_flag("--memory-order", session.memoryOrder,
                     "Take each entry as 6 or 8 bytes in memory order");
    decode->footer(std::string(ExamplesTitle) + DecodeExamples + FieldsHelp() + BatchesHelp +
                   MemoryOrderHelp + SubcommandExitCodes);

    std::vector<std::string> words;
    CLI::App* encode = app.add_subcommand("encode", "Print the twelve digits of the entry");
    encode->add_option("FIELD", words, "name=value, e.g. xCoordinate=300 or size=\"32 x 16\"");
    encode->add_flag("--memory-order", session.memoryOrder, "Print the 6 bytes in memory order");
    encode->footer(std::string(ExamplesTitle) + EncodeExamples + FieldsHelp() + BatchesHelp +
                   MemoryOrderHelp + SubcommandExitCodes);

    DumpOptions dumpOptions;
    std::string engineName;
    CLI::App* dump = app.add_subcommand("dump", "Print every entry of a raw OAM memory dump");
    dump->add_option("FILE", dumpOptions.path, "The dump; - or none for standard input");
    // The values are named in the help, where the shell's completion reads them too.
    dump->add_option("--engine", engineName, "Only engine a or b")->type_name("TEXT:{a,b}");
    dump->add_flag("--visible", dumpOptions.visibleOnly, "Leave out hidden entries");
    dump->add_flag("--groups", dumpOptions.groups, "Print the rotation/scaling groups instead");
    dump->footer(std::string(ExamplesTitle) + DumpExamples + DumpHelp + SubcommandExitCodes);

    ScreenOptions screenOptions;
    CLI::App* screen = app.add_subcommand("screen", "Draw the screens of a raw OAM dump, as SVG");
    screen->footer(ScreenHelp);
    screen->add_option("DUMP", screenOptions.path, "The dump; - or none for standard input");
    screen->add_option("-o,--output", screenOptions.outputPath,
                       "Write FILE.svg, not standard output");
    screen->add_option("--scale", screenOptions.scale, "Output pixels per screen pixel (default 2)")
        ->check(CLI::Range(SmallestScale, LargestScale));

    DiffOptions diffOptions;
    CLI::App* diff = app.add_subcommand("diff", "Print what changed between two raw OAM dumps");
    diff->footer(DiffHelp);
    diff->add_option("A", diffOptions.oldPath, "The dump before; - for standard input")->required();
    diff->add_option("B", diffOptions.newPath, "The dump after")->required();
    diff->add_flag("--groups", diffOptions.groups, "Compare the rotation/scaling groups too");

    AffineOptions affineOptions;
    CLI::App* affine =
        app.add_subcommand("affine", "A rotation/scaling matrix from an angle and scales, or back");
    affine->add_option("--angle", affineOptions.degrees, "Degrees, counter-clockwise")
        ->type_name("DEG");
    affine->add_option("--scale", affineOptions.scale, "S, or SX,SY")->type_name("S");
    affine->add_option("PARAMETER", affineOptions.parameters, "PA PB PC PD, hexadecimal");
    affine->footer(std::string(ExamplesTitle) + AffineExamples + AffineHelp + SubcommandExitCodes);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        std::ostringstream out, err;
        int code = app.exit(error, out, err);
        session.out.buffer = out.str();
        if (code != 0) {
            ReportError(session.errorDescriptor, UsageProblem(app, error) + TryHelp);
        }
        session.worst = code == 0 ? SuccessExit : UsageExit;
        return FinishRun(session);
    }

    session.format = table ? Format::Table : json ? Format::Json : Format::Text;
    if (dump->parsed()) {
        dumpOptions.engine = EngineNamed(engineName);
        if (!engineName.empty() && !dumpOptions.engine) {
            Fail(session, UsageExit,
                 "--engine " + QuotedEcho(engineName) + ": expected a or b" + TryHelp);
            return FinishRun(session);
        }
        RunDump(session, dumpOptions, descriptors.input);
    } else if (screen->parsed()) {
        RunScreen(session, screenOptions, descriptors.input);
    } else if (diff->parsed()) {
        RunDiff(session, diffOptions, descriptors.input);
    } else if (affine->parsed()) {
        RunAffine(session, affineOptions);
    } else if (entries.empty() && words.empty()) {
        JobKind kind = decode->parsed()   ? JobKind::Decode
                       : encode->parsed() ? JobKind::Encode
                                          : JobKind::ByContent;
        StartEntryTable(session);
        RunLines(session, descriptors.input, kind);
    } else {
        RunArguments(session, entries, words);
    }
    return FinishRun(session);
}
