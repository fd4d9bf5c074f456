#include "cli/commands/help_topics.h"

#include "cli/input/field_names.h"
#include "codec/layout.h"
#include "codec/size_names.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<TopicHelp, 5> Topics = {{
    {HelpTopic::Fields, "fields", "The fields of an entry, their ranges and the size names"},
    {HelpTopic::Batches, "batches", "One job per line of standard input, and inline errors"},
    {HelpTopic::MemoryOrder, "memory-order", "An entry as its bytes in memory"},
    {HelpTopic::Dumps, "dumps", "Raw OAM memory dumps, as dump, screen and diff read them"},
    {HelpTopic::ExitCodes, "exit-codes", "What each exit code means"},
}};

constexpr const char* TopicCommand = "oamcalc-cli help ";

constexpr const char* BatchesText =
    R"(Batches: with no ENTRY or FIELD, each line of standard input is one job: a line with "=" is
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

constexpr const char* MemoryOrderText =
    R"(Memory order: --memory-order reads and writes an entry's bytes as a memory viewer shows them,
two hexadecimal digits a byte, attr0 attr1 attr2 each little-endian: "64 74 2C 91 01 5A" is
7464912C5A01. Decode takes six bytes, or eight with the group halfword (then also printed as
groupHalfword); blanks may stand between bytes.
)";

constexpr const char* DumpsText =
    R"(Dumps: dump, screen and diff read a raw OAM dump from a file, or from standard input for "-"
(dump and screen also with no file): 1024 bytes per engine, engine A from 0x07000000, engine B
from 0x07000400; entry n at byte 8n (attr0, attr1, attr2, group halfword, little-endian). A dump
of any whole number of entries from the start, up to 2048 bytes, is read.
)";

constexpr const char* ExitCodesText =
    R"(Exit codes: 0 every job went through; 1 an entry is not twelve hexadecimal digits ("This is not a
valid 6 bytes OAM"), a line is too long, or a dump is not a whole number of entries; 2 an unknown
field, a value outside its field's range, a field that rotScale does not select, or a bad affine
value; 64 a bad command line; 74 standard input, the dump or standard output could not be read
or written. A reader that goes away ends the run at once: by the signal SIGPIPE (a shell shows
141) unless SIGPIPE is ignored, then with 74. With several failures, the highest. diff has its
own, as diff(1): oamcalc-cli diff --help.
)";

constexpr const char* NumbersText =
    R"(Names are taken in any case (XCOORDINATE=1, Size="8 x 8"); answers use the first names above.
Numbers are decimal, or hexadecimal after 0x (x=0x12C); a negative X or Y is the position as
dump shows screenX and screenY: x=-5 is 507 and y=-10 is 246.
)";

constexpr const char* EditText =
    R"(Editing: words before the first name=value are the entry to change, its twelve digits or, with
--memory-order, its bytes in quotes ("64 74 2C 91 01 5A" x=301); batch lines alike. Only the
named fields change; every other bit stays as it is. A field that rotScale, as the entry has it
or as the job sets it, does not select is refused. When the job changes rotScale, the bits the
two readings share stay as they were and the new flag's fields read them: 000010000000 (hFlip=1)
with rotScale=1 gives rotScaleParam=8.
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

// The field list comes from the same table that decoding and encoding use.
std::string FieldsText() {
    std::string help =
        "Fields, in decode's order, with short names (encode takes 0 for a field not given):\n";
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
    return help + "\n" + NumbersText + "\n" + EditText;
}

const TopicHelp& TopicOf(HelpTopic topic) {
    return *std::find_if(Topics.begin(), Topics.end(),
                         [topic](const TopicHelp& help) { return help.topic == topic; });
}

} // namespace

std::span<const TopicHelp> HelpTopics() {
    return Topics;
}

std::optional<HelpTopic> TopicNamed(std::string_view name) {
    for (const TopicHelp& help : Topics) {
        if (help.name == name) {
            return help.topic;
        }
    }
    return std::nullopt;
}

std::string TopicText(HelpTopic topic) {
    switch (topic) {
    case HelpTopic::Fields:
        return FieldsText();
    case HelpTopic::Batches:
        return BatchesText;
    case HelpTopic::MemoryOrder:
        return MemoryOrderText;
    case HelpTopic::Dumps:
        return DumpsText;
    case HelpTopic::ExitCodes:
        return ExitCodesText;
    }
    return {};
}

std::string TopicPointer(std::span<const HelpTopic> topics) {
    std::string line = std::string("More: ") + TopicCommand;
    for (HelpTopic topic : topics) {
        line += std::string(topic == topics.front() ? "" : "|") + std::string(TopicOf(topic).name);
    }
    return line + "\n";
}
