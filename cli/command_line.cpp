#include "cli/command_line.h"

#include "cli/assignments.h"
#include "cli/field_table.h"
#include "cli/jobs.h"
#include "codec/size_names.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr const char* Description =
    "Converts Nintendo DS OAM sprite entries (twelve hexadecimal digits) to and from their fields.";

constexpr const char* TryHelp = "Run with --help for more information.\n";

constexpr const char* ExamplesHelp = R"(Examples:
  oamcalc-cli decode 7464912C5A01
  oamcalc-cli encode size="32 x 16" xCoordinate=300 tileNumber=513
  oamcalc-cli --json < entries.txt
)";

constexpr const char* BatchHelp = R"(
With no ENTRY or FIELD, each line of standard input is one job: a line with "=" is encoded, any
other line is decoded (after "decode" or "encode", every line is that kind of job). Answers go to
standard output, one line each; a bad line is reported on standard error with its line number,
gives no answer, and the other lines still run.

Exit codes: 0 every job went through; 1 an entry is not twelve hexadecimal digits ("This is not a
valid 6 bytes OAM"); 2 an unknown field, a value outside its field's range, a field that rotScale
does not select, or a bad command line. With several failures, the highest.)";

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
        if (field.reading != FlagReading::Always) {
            note = std::string("only with ") + RotScaleName +
                   (field.reading == FlagReading::FlagOn ? "=1" : "=0");
        }
        help += HelpLine(field.name, RangeText(field), note);
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

int RunWords(const std::vector<std::string>& entries, const std::vector<std::string>& words,
             std::ostream& out, std::ostream& err, bool json) {
    std::vector<Outcome> outcomes;
    for (const std::string& entry : entries) {
        outcomes.push_back(DecodeJob(entry, json));
    }
    if (!words.empty()) {
        outcomes.push_back(EncodeJob(words, json));
    }
    // All or nothing: a script must not take the answers of the good entries for the whole.
    int worst = SuccessExit;
    for (const Outcome& outcome : outcomes) {
        if (outcome.exitCode != SuccessExit) {
            err << ProgramName << ": " << outcome.text << '\n';
            worst = std::max(worst, outcome.exitCode);
        }
    }
    if (worst == SuccessExit) {
        for (const Outcome& outcome : outcomes) {
            out << outcome.text << '\n';
        }
    }
    return worst;
}

} // namespace

int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    CLI::App app(Description, ProgramName);
    // The same arguments mean the same thing on Windows: no /option spellings.
    app.allow_windows_style_options(false);
    app.fallthrough(); // --json may also follow the subcommand
    app.footer(ExamplesHelp + FieldsHelp() + BatchHelp);
    app.require_subcommand(0, 1);
    app.failure_message([](const CLI::App*, const CLI::Error& error) {
        return std::string(ProgramName) + ": " + error.what() + "\n" + TryHelp;
    });

    bool json = false;
    app.add_flag("--json", json,
                 "Print JSON: a decoded entry as an object, an encoded one as a string");

    std::vector<std::string> entries;
    CLI::App* decode =
        app.add_subcommand("decode", "Print the fields of each ENTRY, one line per entry");
    decode->add_option("ENTRY", entries, "Twelve hexadecimal digits, either case");

    std::vector<std::string> words;
    CLI::App* encode = app.add_subcommand("encode", "Print the twelve digits of the entry");
    encode->add_option("FIELD", words, "name=value, e.g. xCoordinate=300 or size=\"32 x 16\"");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error, out, err) == 0 ? SuccessExit : BadFieldExit;
    }

    if (entries.empty() && words.empty()) {
        JobKind kind = decode->parsed()   ? JobKind::Decode
                       : encode->parsed() ? JobKind::Encode
                                          : JobKind::ByContent;
        return RunLines(in, out, err, kind, json);
    }
    return RunWords(entries, words, out, err, json);
}
