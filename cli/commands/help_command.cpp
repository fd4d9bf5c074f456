#include "cli/commands/help_command.h"

#include "cli/exit_codes.h"
#include "cli/output/messages.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace {

constexpr const char* HelpExamples = R"(  oamcalc-cli help fields
  oamcalc-cli help dump
)";

constexpr const char* HelpDetails =
    R"(With no TOPIC, the topics and the commands. A command's help is the same as its --help.
)";

constexpr std::size_t SummaryColumn = 16;

std::string ListLine(std::string_view name, std::string_view summary) {
    std::string line = "  " + std::string(name);
    line.resize(std::max(line.size() + 1, SummaryColumn), ' ');
    return line + std::string(summary) + "\n";
}

std::vector<const CLI::App*> Commands(const CLI::App& program) {
    return program.get_subcommands([](const CLI::App*) { return true; });
}

std::string TopicsAndCommands(const CLI::App& program) {
    std::string list = "Usage: " + program.get_name() +
                       " help [TOPIC|COMMAND]\nA command's help is the same as its --help.\n\n"
                       "Topics:\n";
    for (const TopicHelp& topic : HelpTopics()) {
        list += ListLine(topic.name, topic.summary);
    }
    list += "\nCommands:\n";
    for (const CLI::App* command : Commands(program)) {
        list += ListLine(command->get_name(), command->get_description());
    }
    return list;
}

} // namespace

CommandHelp HelpHelp() {
    return {"help", "Print the help of a topic or a command", HelpExamples, HelpDetails, {}, {}};
}

CLI::App* AddHelpCommand(CLI::App& program, HelpCommand& command) {
    CLI::App* help = AddCommand(program, HelpHelp());
    help->add_option("TOPIC", command.subject, "A topic or a command; none: the list of both");
    return help;
}

void RunHelp(Session& session, const CLI::App& program, const HelpCommand& command) {
    if (command.subject.empty()) {
        session.out.buffer += TopicsAndCommands(program);
        return;
    }
    if (std::optional<HelpTopic> topic = TopicNamed(command.subject)) {
        session.out.buffer += TopicText(*topic);
        return;
    }
    for (const CLI::App* subcommand : Commands(program)) {
        if (subcommand->get_name() == command.subject) {
            session.out.buffer += subcommand->help(program.get_name());
            return;
        }
    }
    Fail(session, UsageExit, UnknownHelpMessage(command.subject));
}
