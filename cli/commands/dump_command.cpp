#include "cli/commands/dump_command.h"

#include "cli/exit_codes.h"
#include "cli/input/dump_file.h"
#include "cli/output/answer_rows.h"
#include "cli/output/messages.h"
#include "cli/streams/descriptors.h"
#include "codec/memory_layout.h"
#include "codec/screen_pieces.h"
#include "codec/sprite_geometry.h"

#include <CLI/CLI.hpp>

#include <array>
#include <cctype>
#include <string_view>
#include <vector>

namespace {

constexpr const char* DumpExamples = R"(  oamcalc-cli dump --engine a --visible oam.bin
  oamcalc-cli dump --on-screen --tsv oam.bin
  oamcalc-cli dump --groups oam.bin
)";

constexpr const char* DumpDetails =
    R"(One line per entry: engine, index, entry, the fields as decode names them, width and height in
pixels, screenX (signed 9 bits) and screenY (from 192 up, negative), boxWidth and boxHeight
(doubled with doubleSize), hidden (rotScale=0 and objDisable=1), prohibited (shape 3, which has
no size: its four sizes are null in JSON, left out of pairs and empty in a table) and group (with
rotScale=1). --on-screen takes the box as screen draws it: X signed 9 bits, Y wrapping at 256.
A choice that leaves nothing says so on standard error (exit 0). --groups lists instead the 32
rotation/scaling groups of each engine the dump holds whole: PA to PD (the group halfwords of
entries 4g to 4g+3) in hex and as signed 8.8 numbers, and users, the entries that use the group.
)";

constexpr std::array DumpTopics = {HelpTopic::Dumps, HelpTopic::Fields, HelpTopic::ExitCodes};

// 0 for A, 1 for B.
std::optional<std::size_t> EngineNamed(const std::string& name) {
    for (std::size_t engine = 0; engine < EngineCount; ++engine) {
        if (name.size() == 1 &&
            std::toupper(static_cast<unsigned char>(name[0])) == EngineNames[engine][0]) {
            return engine;
        }
    }
    return std::nullopt;
}

// Both engines when none is named.
bool EngineWanted(std::optional<std::size_t> wanted, std::size_t engine) {
    return !wanted || *wanted == engine;
}

// The prohibited shape has no size: null in JSON, so arithmetic on it fails loudly, and left out
// of pairs and rows; its own cell says why.
void AddSizeCell(Record& record, const char* name, std::optional<std::int32_t> pixels) {
    pixels ? AddNumber(record, name, *pixels) : AddNull(record, name);
}

Record EntryRecordOf(std::size_t index, std::string_view entry, const OamFields& fields) {
    Record record;
    AddWord(record, "engine", EngineNames[index / EntriesPerEngine]);
    AddNumber(record, "index", static_cast<std::int64_t>(index % EntriesPerEngine));
    AddWord(record, "entry", entry);
    AddFieldCells(record, &fields);
    std::optional<PixelSize> size = SpriteSize(fields.shape, fields.sizeCode);
    std::optional<PixelSize> box;
    if (size) {
        box = BoundingBox(*size, fields);
    }
    AddSizeCell(record, "width", size ? std::optional(size->width) : std::nullopt);
    AddSizeCell(record, "height", size ? std::optional(size->height) : std::nullopt);
    AddNumber(record, "screenX", ScreenX(fields.xCoordinate));
    AddNumber(record, "screenY", ScreenY(fields.yCoordinate));
    AddSizeCell(record, "boxWidth", box ? std::optional(box->width) : std::nullopt);
    AddSizeCell(record, "boxHeight", box ? std::optional(box->height) : std::nullopt);
    AddNumber(record, "hidden", IsHidden(fields) ? 1 : 0);
    AddNumber(record, "prohibited", size ? 0 : 1);
    fields.rotScale != 0 ? AddNumber(record, "group", fields.rotScaleParam)
                         : AddAbsent(record, "group");
    return record;
}

Record GroupRecord(std::size_t engine, std::size_t group, const FixedMatrix& matrix,
                   std::span<const std::int32_t> users) {
    Record record;
    AddWord(record, "engine", EngineNames[engine]);
    AddNumber(record, "group", static_cast<std::int64_t>(group));
    AddMatrixCells(record, matrix);
    AddNumbers(record, "users", users);
    return record;
}

// --visible drops what OAM switches off; --on-screen also what the screen does not show: the same
// placement the picture of the screens draws by.
bool Chosen(const DumpCommand& command, const OamFields& fields) {
    if (command.onScreenOnly) {
        return PlacementOf(fields).showing == Showing::Drawn;
    }
    return !(command.visibleOnly && IsHidden(fields));
}

// How many records were written.
std::size_t WriteEntries(Session& session, const DumpCommand& command,
                         std::optional<std::size_t> engine, std::span<const std::uint8_t> dump) {
    std::vector<OamFields> all = DecodeAll(dump);
    StartTable(session, EntryRecordOf(0, {}, {}));
    std::size_t written = 0;
    for (std::size_t index = 0; index < all.size(); ++index) {
        if (EngineWanted(engine, index / EntriesPerEngine) && Chosen(command, all[index])) {
            Text entry = EntryTextOf(DumpEntry(dump, index));
            Write(session, EntryRecordOf(index, entry, all[index]));
            ++written;
        }
    }
    return written;
}

// A group is listed when the dump holds all four entries that carry its parameters. The entries
// that use it are those with rotation/scaling on and its number; such entries are never hidden.
std::size_t WriteGroups(Session& session, std::optional<std::size_t> wanted,
                        std::span<const std::uint8_t> dump) {
    std::vector<OamFields> all = DecodeAll(dump);
    StartTable(session, GroupRecord(0, 0, {}, {}));
    std::size_t written = 0;
    for (std::size_t engine = 0; engine < EngineCount; ++engine) {
        std::size_t first = engine * EntriesPerEngine;
        for (std::size_t group = 0; group < GroupsPerEngine; ++group) {
            std::size_t carrier = first + group * EntriesPerGroup;
            if (!EngineWanted(wanted, engine) || carrier + EntriesPerGroup > all.size()) {
                continue;
            }
            FixedMatrix matrix = GroupMatrix(dump, engine, group);
            std::vector<std::int32_t> users;
            for (std::size_t index = first; index < std::min(first + EntriesPerEngine, all.size());
                 ++index) {
                if (all[index].rotScale != 0 &&
                    static_cast<std::size_t>(all[index].rotScaleParam) == group) {
                    users.push_back(static_cast<std::int32_t>(index - first));
                }
            }
            Write(session, GroupRecord(engine, group, matrix, users));
            ++written;
        }
    }
    return written;
}

} // namespace

CommandHelp DumpHelp() {
    return {"dump",       "Print every entry of a raw OAM memory dump",
            DumpExamples, DumpDetails,
            DumpTopics,   {}};
}

CLI::App* AddDumpCommand(CLI::App& program, DumpCommand& command) {
    CLI::App* dump = AddCommand(program, DumpHelp());
    dump->add_option("FILE", command.path, "The dump; - or none for standard input");
    // The values are named in the help, where the shell's completion reads them too.
    dump->add_option("--engine", command.engineName, "Only engine a or b")->type_name("TEXT:{a,b}");
    dump->add_flag("--visible", command.visibleOnly,
                   "Leave out hidden entries (rotScale=0 and objDisable=1), only those");
    dump->add_flag("--on-screen", command.onScreenOnly,
                   "Only entries with at least one pixel on the 256 x 192 screen");
    dump->add_flag("--groups", command.groups, "Print the rotation/scaling groups instead");
    return dump;
}

std::optional<std::vector<std::uint8_t>> LoadDump(Session& session, const std::string& path,
                                                  int inputDescriptor, int notADumpExit) {
    if (path == StandardInputPath && IsTerminal(inputDescriptor)) {
        ReportError(session.errorDescriptor, AwaitingDumpMessage());
    }
    DumpFile file = ReadDumpFile(path, inputDescriptor);
    if (file.fault == DumpFault::None) {
        return std::move(file.bytes);
    }
    Fail(session, file.fault == DumpFault::NotADump ? notADumpExit : InputOutputExit,
         DumpFileMessage(path, file));
    return std::nullopt;
}

void RunDump(Session& session, const DumpCommand& command, int inputDescriptor) {
    std::optional<std::size_t> engine = EngineNamed(command.engineName);
    if (!command.engineName.empty() && !engine) {
        Fail(session, UsageExit, EngineMessage(command.engineName));
        return;
    }
    std::optional<std::vector<std::uint8_t>> dump =
        LoadDump(session, command.path, inputDescriptor, BadEntryExit);
    if (!dump) {
        return;
    }
    std::size_t written = command.groups ? WriteGroups(session, engine, *dump)
                                         : WriteEntries(session, command, engine, *dump);
    // A selection that leaves nothing says why: an empty answer alone looks like a failure unseen.
    if (written == 0) {
        EmptySelection why = engine && *engine * EntriesPerEngine >= dump->size() / BytesPerEntry
                                 ? EmptySelection::EngineNotInDump
                             : command.groups       ? EmptySelection::NoWholeGroup
                             : command.onScreenOnly ? EmptySelection::NoneOnScreen
                                                    : EmptySelection::AllHidden;
        ReportError(session.errorDescriptor,
                    EmptySelectionMessage(why, command.path, dump->size(), engine));
    }
}
