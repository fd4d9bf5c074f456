#include "cli/command_line.h"

#include "cli/commands/affine_command.h"
#include "cli/commands/diff_command.h"
#include "cli/commands/dump_command.h"
#include "cli/commands/help_command.h"
#include "cli/commands/jobs_command.h"
#include "cli/commands/screen_command.h"
#include "cli/exit_codes.h"
#include "cli/input/digit_groups.h"
#include "cli/output/messages.h"

#include <CLI/CLI.hpp>

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* Description =
    "Converts Nintendo DS OAM sprite entries (twelve hexadecimal digits) to and from their fields.";

constexpr const char* VersionText = "oamcalc-cli " OAMCALC_VERSION;

// The parser's own message names every stray argument in full; one line, each argument echoed. A
// stray first word where a command would stand is a mistyped command.
std::string UsageProblem(const CLI::App& app, const CLI::ParseError& error) {
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
        std::vector<std::string> extras = app.remaining(true);
        if (!extras.empty() && app.get_subcommands().empty() && !extras.front().starts_with('-')) {
            // An entry or a field where the command belongs: the job lacks only its command.
            if (extras.front().find('=') != std::string::npos) {
                return JobWithoutCommandMessage(extras.front(), EncodeHelp().name);
            }
            if (ReadEntry(extras.front())) {
                return JobWithoutCommandMessage(extras.front(), DecodeHelp().name);
            }
            std::vector<std::string_view> names;
            for (const CLI::App* command :
                 app.get_subcommands([](const CLI::App*) { return true; })) {
                names.push_back(command->get_name());
            }
            return UnknownCommandMessage(extras.front(), names);
        }
        if (!extras.empty()) {
            return UnexpectedArgumentsMessage(extras.front(), extras.size() - 1);
        }
    }
    return UsageMessage(error.what());
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

    // In the order the program's help lists them.
    JobsCommand jobs;
    AddJobCommands(app, jobs);
    DumpCommand dumpCommand;
    CLI::App* dump = AddDumpCommand(app, dumpCommand);
    ScreenCommand screenCommand;
    CLI::App* screen = AddScreenCommand(app, screenCommand);
    DiffCommand diffCommand;
    CLI::App* diff = AddDiffCommand(app, diffCommand);
    AffineCommand affineCommand;
    CLI::App* affine = AddAffineCommand(app, affineCommand);
    HelpCommand helpCommand;
    CLI::App* help = AddHelpCommand(app, helpCommand);
    const std::array<CommandHelp, 6> helps = {DecodeHelp(), EncodeHelp(), DumpHelp(),
                                              ScreenHelp(), DiffHelp(),   AffineHelp()};
    app.footer(ProgramFooter(helps));

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        std::ostringstream out, err;
        int code = app.exit(error, out, err);
        session.out.buffer = out.str();
        if (code != 0) {
            ReportError(session.errorDescriptor, UsageProblem(app, error));
        }
        session.worst = code == 0 ? SuccessExit : UsageExit;
        return FinishRun(session);
    }

    session.format = table ? Format::Table : json ? Format::Json : Format::Text;
    if (dump->parsed()) {
        RunDump(session, dumpCommand, descriptors.input);
    } else if (screen->parsed()) {
        RunScreen(session, screenCommand, descriptors.input);
    } else if (diff->parsed()) {
        RunDiff(session, diffCommand, descriptors.input);
    } else if (affine->parsed()) {
        RunAffine(session, affineCommand);
    } else if (help->parsed()) {
        RunHelp(session, app, helpCommand);
    } else {
        RunJobs(session, jobs, descriptors.input);
    }
    return FinishRun(session);
}
