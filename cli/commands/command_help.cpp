#include "cli/commands/command_help.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace {

std::string ExamplesTitle(std::string_view examples) {
    return std::count(examples.begin(), examples.end(), '\n') > 1 ? "Examples:\n" : "Example:\n";
}

// CLI11 puts an empty line before the footer and a newline after it.
std::string CommandFooter(const CommandHelp& help) {
    std::string footer = ExamplesTitle(help.examples) + std::string(help.examples) + "\n" +
                         std::string(help.details);
    if (!help.exitCodes.empty()) {
        footer += "\n" + std::string(help.exitCodes);
    }
    if (!help.topics.empty()) {
        footer += "\n" + TopicPointer(help.topics);
    }
    footer.pop_back();
    return footer;
}

} // namespace

CLI::App* AddCommand(CLI::App& program, const CommandHelp& help) {
    CLI::App* command = program.add_subcommand(std::string(help.name), std::string(help.summary));
    command->footer(CommandFooter(help));
    return command;
}

std::string ProgramFooter(std::span<const CommandHelp> commands) {
    std::string footer = "Examples:\n";
    for (const CommandHelp& help : commands) {
        footer += help.examples;
    }
    std::string topics;
    for (const TopicHelp& topic : HelpTopics()) {
        topics += std::string(topics.empty() ? "  " : ", ") + std::string(topic.name);
    }
    return footer +
           "\nA command's own help: oamcalc-cli COMMAND --help, or oamcalc-cli help COMMAND.\n"
           "What several commands share: oamcalc-cli help TOPIC, where the topics are\n" +
           topics + ".";
}
