// The blocks of help that several commands share, each written once, and `oamcalc-cli help
// TOPIC`, which prints one: the fields with their ranges, batches of jobs, memory order, dumps and
// the exit codes. A command's --help names the ones it uses in one line.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class HelpTopic { Fields, Batches, MemoryOrder, Dumps, ExitCodes };

struct TopicHelp {
    HelpTopic topic;
    std::string_view name;    // as `help` takes it
    std::string_view summary; // its line in the list that `help` alone prints
};

std::span<const TopicHelp> HelpTopics();

// Nothing for a name that is no topic.
std::optional<HelpTopic> TopicNamed(std::string_view name);

// The block as `help TOPIC` prints it, ending in a newline.
std::string TopicText(HelpTopic topic);

// "More: oamcalc-cli help fields|exit-codes", one line.
std::string TopicPointer(std::span<const HelpTopic> topics);
