// The limits of the companion that only generated input reaches, each at the limit and one past
// it on both sides: the groups a dump holds whole for dump and diff, and dump's options together.
// The others are cases/limits_* (the longest line, 4096 bytes, and one past it, fed or last,
// within the read buffer and across its end, is cases/limits_line*; dumps of 1, 127, 128, 129 and
// 255 entries are cases/limits_dump_sizes, and of 0, 7, 9, 2047, 2049 and 2056 bytes
// cases/*_refused), and the screen's scale is cases/screen_scale (1 and 8) and
// cases/pictures_usage (0 and 9).
#include "tests/cli/run_program.h"

namespace {

constexpr std::size_t EntriesPerEngine = 128;
constexpr std::size_t MostEntries = 256;

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// A dump of `entries` zero entries, with halfword `halfword` of entry `entry` set where it holds
// it.
std::string Dump(std::size_t entries, std::size_t entry = MostEntries, std::size_t halfword = 0,
                 unsigned value = 0x0100) {
    std::string bytes(entries * 8, '\0');
    if (entry < entries) {
        bytes[entry * 8 + halfword * 2] = static_cast<char>(value & 0xFF);
        bytes[entry * 8 + halfword * 2 + 1] = static_cast<char>(value >> 8);
    }
    return bytes;
}

// Standard input holds A, an open file the program names through /dev/fd B.
Finished Diff(const std::string& a, const std::string& b) {
    int second = InputFile(b);
    Finished run = RunWith({"diff", "--groups", "-", "/dev/fd/" + std::to_string(second)}, a);
    close(second);
    return run;
}

// A group is listed, and compared, when the dump (both dumps) hold the four entries carrying it.
TEST(Limits, GroupsAreSeenUpToTheLastOneHeldWhole) {
    const struct {
        std::size_t entries;
        std::size_t groups;
        const char* last;
    } rows[] = {{3, 0, ""},
                {4, 1, "engine=A group=0 "},
                {127, 31, "engine=A group=30 "},
                {131, 32, "engine=A group=31 "},
                {132, 33, "engine=B group=0 "},
                {255, 63, "engine=B group=30 "},
                {256, 64, "engine=B group=31 "}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.entries) + " entries");
        Finished listed = RunWith({"dump", "--groups"}, Dump(row.entries));
        EXPECT_EQ(Occurrences(listed.out, "\n"), row.groups);
        const std::size_t lastLine = listed.out.rfind('\n', listed.out.size() - 2) + 1;
        EXPECT_EQ(listed.out.find(row.last, lastLine), lastLine) << listed.out;
        // The last entry's fourth halfword changed: a record only for a whole group.
        Finished changed = Diff(Dump(row.entries), Dump(row.entries, row.entries - 1, 3));
        const bool whole = row.entries % 4 == 0;
        EXPECT_EQ(changed.exitCode, whole ? 1 : 0);
        EXPECT_EQ(changed.out, whole ? row.last + std::string("PDOld=0000 PDNew=0100\n") : "");
    }
    // The entries that use group 31: the last of each engine.
    std::string users = Dump(MostEntries, EntriesPerEngine - 1, 0, 0x0100);
    users[(MostEntries - 1) * 8 + 1] = 0x01; // rotScale=1
    users[(EntriesPerEngine - 1) * 8 + 3] = users[(MostEntries - 1) * 8 + 3] = 31 << 1;
    Finished listed = RunWith({"dump", "--groups"}, users);
    EXPECT_EQ(Occurrences(listed.out, " group=31 "), 2u);
    EXPECT_EQ(Occurrences(listed.out, " users=127\n"), 2u) << listed.out;
}

// Entries are compared where both dumps hold them, by their three attributes only.
TEST(Limits, DiffComparesTheEntriesBothDumpsHold) {
    const struct {
        std::size_t entriesA, entriesB, entry, halfword;
        const char* record;
    } rows[] = {{256, 256, 255, 0, "engine=B index=127 "},
                {256, 256, 255, 2, "engine=B index=127 "},
                {256, 256, 127, 3, "engine=A group=31 "},
                {4, 3, 2, 0, "engine=A index=2 "},
                {3, 4, 3, 0, ""},
                {3, 4, 3, 3, ""}};
    for (const auto& row : rows) {
        Finished run = Diff(Dump(row.entriesA), Dump(row.entriesB, row.entry, row.halfword));
        SCOPED_TRACE(std::to_string(row.entriesA) + " and " + std::to_string(row.entriesB));
        EXPECT_EQ(run.exitCode, *row.record ? 1 : 0);
        EXPECT_EQ(Occurrences(run.out, "\n"), *row.record ? 1u : 0u);
        EXPECT_TRUE(run.out.starts_with(row.record)) << run.out;
        EXPECT_EQ(run.err.empty(), row.entriesA == row.entriesB) << run.err;
    }
}

// Every combination of dump's options, the format before or after the command: --engine keeps
// one engine's records, --visible leaves out the hidden entries (every fourth here) and no group,
// --groups lists the 32 groups of each engine kept.
TEST(Limits, DumpOptionsCombineInEveryFormat) {
    std::string bytes = Dump(MostEntries);
    for (std::size_t entry = 0; entry < MostEntries; entry += 4) {
        bytes[entry * 8 + 1] = 0x02; // objDisable=1 with rotScale=0: hidden
    }
    const char* Engines[] = {"", "a", "b"};
    const std::pair<const char*, std::string> Formats[] = {
        {"", "engine=@ "}, {"--json", "{\"engine\":\"@\""}, {"--tsv", "\n@\t"}};
    for (int combination = 0; combination < 36; ++combination) {
        const char* engine = Engines[combination % 3];
        const bool visible = combination / 3 % 2, groups = combination / 6 % 2;
        const auto& [format, record] = Formats[combination / 12];
        std::vector<std::string> args{"dump"};
        if (*engine) {
            args.insert(args.end(), {"--engine", engine});
        }
        if (visible) {
            args.push_back("--visible");
        }
        if (groups) {
            args.push_back("--groups");
        }
        if (*format) {
            args.insert(combination % 2 ? args.begin() : args.end(), format);
        }
        SCOPED_TRACE(testing::PrintToString(args));
        Finished run = RunWith(args, bytes);
        EXPECT_EQ(run.exitCode, 0);
        for (char name : {'A', 'B'}) {
            const bool kept = !*engine || std::toupper(*engine) == name;
            std::string marker = record;
            std::replace(marker.begin(), marker.end(), '@', name);
            EXPECT_EQ(Occurrences(run.out, marker), kept ? (groups    ? 32u
                                                            : visible ? 96u
                                                                      : 128u)
                                                         : 0u);
        }
    }
}

} // namespace
