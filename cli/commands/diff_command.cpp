#include "cli/commands/diff_command.h"

#include "cli/commands/dump_command.h"
#include "cli/exit_codes.h"
#include "cli/input/dump_file.h"
#include "cli/output/answer_rows.h"
#include "cli/output/messages.h"
#include "codec/memory_layout.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace {

constexpr const char* DiffExamples = "  oamcalc-cli diff before.bin after.bin\n";

constexpr const char* DiffDetails =
    R"(One record per entry whose three attributes differ: engine, index, entryOld and entryNew, and
for each changed field its value in A and in B as NAMEOld and NAMENew (a field that the
rotation/scaling flag selects on one side only is shown on that side alone). --groups also
compares the 32 rotation/scaling matrices of each engine, one record per group whose PA to PD
differ; with --tsv they follow as a second table after an empty line. Dumps of different sizes
are compared over the entries both hold, with a note on standard error.
)";

constexpr const char* DiffExitCodes =
    R"(Exit codes, as diff(1): 0 the dumps are the same, 1 they differ, 2 a file is not a dump; 64 a bad
command line, 74 a failed read or write.
)";

constexpr std::array DiffTopics = {HelpTopic::Dumps, HelpTopic::Fields};

constexpr const char* EngineName = "engine";
constexpr const char* IndexName = "index";
constexpr const char* GroupName = "group";
constexpr const char* OldSuffix = "Old";
constexpr const char* NewSuffix = "New";
constexpr std::size_t AttributeHalfwords = 3; // the group halfword belongs to the matrices

// A changed value is named by its name and Old or New, so every format keeps its flat records:
// xCoordinateOld=300 xCoordinateNew=301.
struct ChangeNames {
    std::string before;
    std::string after;
};

ChangeNames NamesOf(std::string_view name) {
    const std::string base(name);
    return {base + OldSuffix, base + NewSuffix};
}

const std::vector<ChangeNames>& FieldChangeNames() {
    static const std::vector<ChangeNames> names = [] {
        std::vector<ChangeNames> made;
        for (const FieldLayout& field : EntryFields) {
            made.push_back(NamesOf(field.name));
        }
        return made;
    }();
    return names;
}

const ChangeNames& EntryChangeNames() {
    static const ChangeNames names = NamesOf("entry");
    return names;
}

const std::vector<ChangeNames>& ParameterChangeNames() {
    static const std::vector<ChangeNames> names = [] {
        std::vector<ChangeNames> made;
        for (const char* parameter : ParameterNames) {
            made.push_back(NamesOf(parameter));
        }
        return made;
    }();
    return names;
}

struct Side {
    std::span<const std::uint8_t> bytes;
    std::vector<OamFields> fields;
};

// Both sides of one entry, or none for the table's header.
struct EntryPair {
    std::size_t index = 0;
    std::array<Text, 2> texts;
    std::array<const OamFields*, 2> fields{};
};

void AddOneSide(Record& record, const char* name, const OamFields* fields,
                const FieldLayout& field) {
    if (fields && FlagSelects(field.place, fields->rotScale)) {
        AddNumber(record, name, fields->*field.value);
    } else {
        AddAbsent(record, name);
    }
}

// A field counts as changed when its value changed or when the rotation/scaling flag makes it
// part of only one of the two; that side alone then shows it.
bool FieldChanged(const EntryPair& pair, const FieldLayout& field) {
    if (!pair.fields[0]) {
        return false;
    }
    const OamFields& before = *pair.fields[0];
    const OamFields& after = *pair.fields[1];
    bool inBefore = FlagSelects(field.place, before.rotScale);
    bool inAfter = FlagSelects(field.place, after.rotScale);
    return inBefore != inAfter || (inBefore && before.*field.value != after.*field.value);
}

Record EntryChangeRecord(const EntryPair& pair) {
    Record record;
    AddWord(record, EngineName, EngineNames[pair.index / EntriesPerEngine]);
    AddNumber(record, IndexName, static_cast<std::int64_t>(pair.index % EntriesPerEngine));
    const ChangeNames& entryNames = EntryChangeNames();
    pair.fields[0] ? AddWord(record, entryNames.before.c_str(), pair.texts[0])
                   : AddAbsent(record, entryNames.before.c_str());
    pair.fields[1] ? AddWord(record, entryNames.after.c_str(), pair.texts[1])
                   : AddAbsent(record, entryNames.after.c_str());
    for (std::size_t i = 0; i < EntryFields.size(); ++i) {
        bool changed = FieldChanged(pair, EntryFields[i]);
        const ChangeNames& names = FieldChangeNames()[i];
        AddOneSide(record, names.before.c_str(), changed ? pair.fields[0] : nullptr,
                   EntryFields[i]);
        AddOneSide(record, names.after.c_str(), changed ? pair.fields[1] : nullptr, EntryFields[i]);
    }
    return record;
}

// Both matrices of one group, or none for the table's header.
struct GroupPair {
    std::size_t engine = 0;
    std::size_t group = 0;
    std::optional<std::array<FixedMatrix, 2>> matrices;
};

Record GroupChangeRecord(const GroupPair& pair) {
    Record record;
    AddWord(record, EngineName, EngineNames[pair.engine]);
    AddNumber(record, GroupName, static_cast<std::int64_t>(pair.group));
    for (std::size_t i = 0; i < MatrixParameters; ++i) {
        const ChangeNames& names = ParameterChangeNames()[i];
        if (pair.matrices && (*pair.matrices)[0][i] != (*pair.matrices)[1][i]) {
            AddHalfword(record, names.before.c_str(),
                        static_cast<std::uint16_t>((*pair.matrices)[0][i]));
            AddHalfword(record, names.after.c_str(),
                        static_cast<std::uint16_t>((*pair.matrices)[1][i]));
        } else {
            AddAbsent(record, names.before.c_str());
            AddAbsent(record, names.after.c_str());
        }
    }
    return record;
}

bool AttributesDiffer(const Side& before, const Side& after, std::size_t index) {
    MemoryEntry a = DumpEntry(before.bytes, index);
    MemoryEntry b = DumpEntry(after.bytes, index);
    return !std::equal(a.halfwords.begin(), a.halfwords.begin() + AttributeHalfwords,
                       b.halfwords.begin());
}

void CompareEntries(Session& session, const std::array<Side, 2>& sides, std::size_t count) {
    StartTable(session, EntryChangeRecord({}));
    for (std::size_t index = 0; index < count; ++index) {
        if (!AttributesDiffer(sides[0], sides[1], index)) {
            continue;
        }
        EntryPair pair;
        pair.index = index;
        for (std::size_t side = 0; side < sides.size(); ++side) {
            pair.texts[side] = EntryTextOf(DumpEntry(sides[side].bytes, index));
            pair.fields[side] = &sides[side].fields[index];
        }
        Write(session, EntryChangeRecord(pair));
        session.worst = std::max(session.worst, DifferentExit);
    }
}

// A group is compared when both dumps hold the four entries that carry it.
void CompareGroups(Session& session, const std::array<Side, 2>& sides, std::size_t count) {
    if (session.format == Format::Table) {
        session.out.buffer += '\n'; // a second table, under its own header
    }
    StartTable(session, GroupChangeRecord({}));
    for (std::size_t engine = 0; engine < EngineCount; ++engine) {
        for (std::size_t group = 0; group < GroupsPerEngine; ++group) {
            std::size_t end = engine * EntriesPerEngine + (group + 1) * EntriesPerGroup;
            if (end > count) {
                continue;
            }
            std::array<FixedMatrix, 2> matrices = {GroupMatrix(sides[0].bytes, engine, group),
                                                   GroupMatrix(sides[1].bytes, engine, group)};
            if (matrices[0] != matrices[1]) {
                Write(session, GroupChangeRecord({engine, group, matrices}));
                session.worst = std::max(session.worst, DifferentExit);
            }
        }
    }
}

} // namespace

CommandHelp DiffHelp() {
    return {"diff",       "Print what changed between two raw OAM dumps",
            DiffExamples, DiffDetails,
            DiffTopics,   DiffExitCodes};
}

CLI::App* AddDiffCommand(CLI::App& program, DiffCommand& command) {
    CLI::App* diff = AddCommand(program, DiffHelp());
    diff->add_option("A", command.oldPath, "The dump before; - for standard input")->required();
    diff->add_option("B", command.newPath, "The dump after")->required();
    diff->add_flag("--groups", command.groups, "Compare the rotation/scaling groups too");
    return diff;
}

void RunDiff(Session& session, const DiffCommand& command, int inputDescriptor) {
    std::array<const std::string*, 2> paths = {&command.oldPath, &command.newPath};
    if (*paths[0] == StandardInputPath && *paths[1] == StandardInputPath) {
        Fail(session, UsageExit, BothStandardInputMessage());
        return;
    }
    std::array<std::optional<std::vector<std::uint8_t>>, 2> dumps;
    for (std::size_t side = 0; side < dumps.size(); ++side) {
        dumps[side] = LoadDump(session, *paths[side], inputDescriptor, NotADumpExit);
    }
    if (!dumps[0] || !dumps[1]) {
        return;
    }
    std::array<Side, 2> sides;
    for (std::size_t side = 0; side < sides.size(); ++side) {
        sides[side] = {*dumps[side], DecodeAll(*dumps[side])};
    }
    std::size_t count = std::min(sides[0].fields.size(), sides[1].fields.size());
    if (sides[0].fields.size() != sides[1].fields.size()) {
        ReportError(session.errorDescriptor,
                    DumpSizesDifferMessage(*paths[0], sides[0].fields.size(), *paths[1],
                                           sides[1].fields.size()));
    }
    CompareEntries(session, sides, count);
    if (command.groups) {
        CompareGroups(session, sides, count);
    }
}
