#include "cli/commands/dump_command.h"

#include "cli/exit_codes.h"
#include "cli/input/descriptors.h"
#include "cli/matrix_cells.h"
#include "cli/output/answer_rows.h"
#include "cli/output/messages.h"
#include "codec/bit_fields.h"
#include "codec/memory_layout.h"
#include "codec/sprite_geometry.h"

#include <string_view>
#include <vector>

namespace {

// Past this, a file far too large is reported without being read to its end.
constexpr std::size_t LargestCountedSize = 16 * 1024 * 1024;
constexpr std::size_t CountingChunk = 64 * 1024;

struct Dump {
    std::vector<std::uint8_t> bytes;
    std::size_t size = 0; // the whole input's, which may be more than is kept
    int error = 0;
};

// Keeps one byte more than the largest dump, to know a larger input from a whole one.
Dump ReadDump(int descriptor) {
    Dump dump;
    dump.bytes.resize(LargestDump + 1);
    std::vector<char> scratch;
    for (;;) {
        bool keeping = dump.size < dump.bytes.size();
        if (!keeping && scratch.empty()) {
            scratch.resize(CountingChunk);
        }
        Transfer got =
            keeping ? ReadSome(descriptor, reinterpret_cast<char*>(dump.bytes.data()) + dump.size,
                               dump.bytes.size() - dump.size)
                    : ReadSome(descriptor, scratch.data(), scratch.size());
        dump.error = got.error;
        dump.size += got.count;
        if (got.count == 0 || dump.size > LargestCountedSize) {
            break;
        }
    }
    dump.bytes.resize(std::min(dump.size, LargestDump));
    return dump;
}

std::string SizeProblem(const std::string& path, std::size_t size) {
    std::string shown = size > LargestCountedSize
                            ? "more than " + std::to_string(LargestCountedSize) + " bytes"
                            : std::to_string(size) + " bytes";
    return path + ": " + shown + " is not a dump: one expects 1 to " +
           std::to_string(LargestDump / BytesPerEntry) + " whole entries of " +
           std::to_string(BytesPerEntry) + " bytes from the start, at most " +
           std::to_string(LargestDump) + " bytes";
}

bool EngineWanted(const DumpOptions& options, std::size_t engine) {
    return !options.engine || *options.engine == engine;
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

// A table has its header row even when no row is chosen, as decode's and encode's have.
void StartTable(Session& session, const Record& columns) {
    if (session.format == Format::Table) {
        WriteHeader(session.out.buffer, columns);
    }
}

void Write(Session& session, const Record& record) {
    WriteRecord(session.out.buffer, session.format, record);
    EndRecord(session.out);
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

void WriteEntries(Session& session, const DumpOptions& options, const Dump& dump) {
    std::vector<OamFields> all = DecodeAll(dump.bytes);
    StartTable(session, EntryRecordOf(0, {}, {}));
    for (std::size_t index = 0; index < all.size(); ++index) {
        if (EngineWanted(options, index / EntriesPerEngine) &&
            !(options.visibleOnly && IsHidden(all[index]))) {
            Text entry = EntryTextOf(DumpEntry(dump.bytes, index));
            Write(session, EntryRecordOf(index, entry, all[index]));
        }
    }
}

// A group is listed when the dump holds all four entries that carry its parameters. The entries
// that use it are those with rotation/scaling on and its number; such entries are never hidden.
void WriteGroups(Session& session, const DumpOptions& options, const Dump& dump) {
    std::vector<OamFields> all = DecodeAll(dump.bytes);
    StartTable(session, GroupRecord(0, 0, {}, {}));
    for (std::size_t engine = 0; engine < EngineCount; ++engine) {
        std::size_t first = engine * EntriesPerEngine;
        for (std::size_t group = 0; group < GroupsPerEngine; ++group) {
            std::size_t carrier = first + group * EntriesPerGroup;
            if (!EngineWanted(options, engine) || carrier + EntriesPerGroup > all.size()) {
                continue;
            }
            FixedMatrix matrix = GroupMatrix(dump.bytes, engine, group);
            std::vector<std::int32_t> users;
            for (std::size_t index = first; index < std::min(first + EntriesPerEngine, all.size());
                 ++index) {
                if (all[index].rotScale != 0 &&
                    static_cast<std::size_t>(all[index].rotScaleParam) == group) {
                    users.push_back(static_cast<std::int32_t>(index - first));
                }
            }
            Write(session, GroupRecord(engine, group, matrix, users));
        }
    }
}

} // namespace

std::string ShownDumpPath(const std::string& path) {
    return path == StandardInputPath ? "standard input" : Echoed(path);
}

std::optional<std::vector<std::uint8_t>> LoadDump(Session& session, const std::string& path,
                                                  int inputDescriptor, int notADumpExit) {
    bool fromStandardInput = path == StandardInputPath;
    int descriptor = inputDescriptor;
    if (fromStandardInput) {
        UseBinaryInput(descriptor);
    } else {
        int error = 0;
        descriptor = OpenForReading(path.c_str(), error);
        if (descriptor < 0) {
            Fail(session, InputOutputExit,
                 InputOutputProblem(("open " + Echoed(path)).c_str(), error));
            return std::nullopt;
        }
    }
    Dump dump = ReadDump(descriptor);
    if (!fromStandardInput) {
        CloseDescriptor(descriptor);
    }
    std::string shownPath = ShownDumpPath(path);
    if (dump.error != 0) {
        Fail(session, InputOutputExit,
             InputOutputProblem(("read " + shownPath).c_str(), dump.error));
    } else if (!IsDumpSize(dump.size)) {
        Fail(session, notADumpExit, SizeProblem(shownPath, dump.size));
    } else {
        return std::move(dump.bytes);
    }
    return std::nullopt;
}

std::vector<OamFields> DecodeAll(std::span<const std::uint8_t> dump) {
    std::vector<OamFields> all;
    for (std::size_t index = 0; index * BytesPerEntry < dump.size(); ++index) {
        MemoryEntry entry = DumpEntry(dump, index);
        all.push_back(FieldsOfWords({entry.halfwords[0], entry.halfwords[1], entry.halfwords[2]}));
    }
    return all;
}

FixedMatrix GroupMatrix(std::span<const std::uint8_t> dump, std::size_t engine, std::size_t group) {
    std::size_t carrier = engine * EntriesPerEngine + group * EntriesPerGroup;
    FixedMatrix matrix{};
    for (std::size_t i = 0; i < MatrixParameters; ++i) {
        matrix[i] =
            static_cast<std::int16_t>(DumpEntry(dump, carrier + i).halfwords[GroupHalfword]);
    }
    return matrix;
}

void RunDump(Session& session, const DumpOptions& options, int inputDescriptor) {
    std::optional<std::vector<std::uint8_t>> bytes =
        LoadDump(session, options.path, inputDescriptor, BadEntryExit);
    if (!bytes) {
        return;
    }
    Dump dump;
    dump.bytes = std::move(*bytes);
    if (options.groups) {
        WriteGroups(session, options, dump);
    } else {
        WriteEntries(session, options, dump);
    }
}
