// Raw memory dumps, written here byte by byte from known entries and group halfwords, in
// little-endian order, as a memory viewer saves them.
#include "tests/cli/run_cli.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <fstream>
#include <sstream>

namespace {

using Halfwords = std::array<std::uint16_t, 4>;

struct PlacedEntry {
    int slot; // 0 to 255: engine B from 128
    Halfwords halfwords;
};

std::string DumpFile(const std::vector<PlacedEntry>& entries, std::size_t size) {
    std::string bytes(size, '\0');
    for (const PlacedEntry& e : entries) {
        if (static_cast<std::size_t>(e.slot * 8) >= size) {
            continue; // beyond a partial dump
        }
        for (int i = 0; i < 4; ++i) {
            bytes[static_cast<std::size_t>(e.slot * 8 + i * 2)] = static_cast<char>(e.halfwords[i]);
            bytes[static_cast<std::size_t>(e.slot * 8 + i * 2 + 1)] =
                static_cast<char>(e.halfwords[i] >> 8);
        }
    }
    std::string path = ::testing::TempDir() + "oam_dump_test.bin";
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::vector<nlohmann::json> JsonLines(const std::string& out) {
    std::istringstream lines(out);
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);) {
        objects.push_back(nlohmann::json::parse(line));
    }
    return objects;
}

// Entry A0: 32 x 16 at x=300 (screen -212), y=100. A1: rotation/scaling with double size, group 5,
// 8 x 8 at x=511 (screen -1), y=200 (screen -56). A2: hidden. B0: prohibited shape.
// Group A5's parameters sit in entries 20 to 23: 90 degrees.
const std::vector<PlacedEntry> Known = {
    {0, {0x7464, 0x912C, 0x5A01, 0x0000}},
    {1, {0x03C8, 0x0BFF, 0x0000, 0x0000}},
    {2, {0x0200, 0x0000, 0x0000, 0x0000}},
    {20, {0, 0, 0, 0x0000}},
    {21, {0, 0, 0, 0xFF00}},
    {22, {0, 0, 0, 0x0100}},
    {23, {0, 0, 0, 0x0000}},
    {128, {0xC000, 0, 0, 0}},
};

TEST(Dump, FullDumpOfBothEnginesGivesEveryEntry) {
    std::vector<nlohmann::json> entries =
        JsonLines(Cli({"dump", "--json", DumpFile(Known, 2048)}).out);
    ASSERT_EQ(entries.size(), 256u);
    EXPECT_EQ(entries[0]["engine"], "A");
    EXPECT_EQ(entries[0]["entry"], "7464912C5A01");
    EXPECT_EQ(entries[0]["tileNumber"], 513);
    EXPECT_EQ(entries[0]["width"], 32);
    EXPECT_EQ(entries[0]["height"], 16);
    EXPECT_EQ(entries[0]["screenX"], -212);
    EXPECT_EQ(entries[0]["screenY"], 100);
    EXPECT_EQ(entries[0]["hidden"], 0);
    EXPECT_FALSE(entries[0].contains("group"));
    EXPECT_EQ(entries[1]["group"], 5);
    EXPECT_EQ(entries[1]["screenX"], -1);
    EXPECT_EQ(entries[1]["screenY"], -56);
    EXPECT_EQ(entries[1]["boxWidth"], 16);
    EXPECT_EQ(entries[2]["hidden"], 1);
    EXPECT_EQ(entries[128]["engine"], "B");
    EXPECT_EQ(entries[128]["index"], 0);
    EXPECT_EQ(entries[128]["width"], "prohibited");
}

TEST(Dump, EngineAndVisibleChooseEntries) {
    std::string path = DumpFile(Known, 2048);
    EXPECT_EQ(JsonLines(Cli({"dump", "--json", "--engine", "b", path}).out).size(), 128u);
    EXPECT_EQ(JsonLines(Cli({"dump", "--json", "--visible", path}).out).size(), 255u);
}

TEST(Dump, PartialDumpsOfWholeEntriesAreRead) {
    CliRun run = Cli({"dump", "--tsv", "-"}, std::string(24, '\0'));
    EXPECT_EQ(run.exitCode, SuccessExit);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 4); // a header and three rows
}

TEST(Dump, OtherSizesAreRefusedByName) {
    for (std::size_t size : {0, 7, 1001, 2056, 5000}) {
        CliRun run = Cli({"dump"}, std::string(size, '\0'));
        EXPECT_EQ(run.exitCode, BadEntryExit) << size;
        EXPECT_NE(run.err.find(" " + std::to_string(size) + " bytes is not a dump"),
                  std::string::npos)
            << run.err;
    }
}

TEST(Dump, GroupsShowTheirParametersAndUsers) {
    CliRun run = Cli({"dump", "--groups", DumpFile(Known, 1024)});
    std::istringstream lines(run.out);
    std::vector<std::string> groups;
    for (std::string line; std::getline(lines, line);) {
        groups.push_back(line);
    }
    ASSERT_EQ(groups.size(), 32u);
    EXPECT_EQ(groups[5], "engine=A group=5 PA=0000 PB=FF00 PC=0100 PD=0000 PAValue=0.0 "
                         "PBValue=-1.0 PCValue=1.0 PDValue=0.0 users=1");
    EXPECT_EQ(groups[0].substr(groups[0].find("users=")), "users=");
}

} // namespace
