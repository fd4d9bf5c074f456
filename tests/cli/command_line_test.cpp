// The whole program, run in-process: what a script sees on standard output, standard error and in
// the exit code.
#include "tests/cli/run_cli.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words{"encode"};
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

struct WorkedExample {
    std::string entry;
    std::string fields;
};

TEST(CommandLine, WorkedExamplesGoThereAndBack) {
    for (const WorkedExample& example : {
             WorkedExample{"7464912C5A01",
                           "shape=1 colorsPalettes=1 mosaic=1 mode=1 objDisable=0 rotScale=0 "
                           "yCoordinate=100 sizeCode=2 vFlip=0 hFlip=1 xCoordinate=300 "
                           "paletteNumber=5 priority=2 tileNumber=513"},
             WorkedExample{"0300FFFFF000",
                           "shape=0 colorsPalettes=0 mosaic=0 mode=0 doubleSize=1 rotScale=1 "
                           "yCoordinate=0 sizeCode=3 rotScaleParam=31 xCoordinate=511 "
                           "paletteNumber=15 priority=0 tileNumber=0"},
         }) {
        CliRun decoded = Cli({"decode", example.entry});
        EXPECT_EQ(decoded.out, example.fields + "\n");
        EXPECT_EQ(Cli(Words(example.fields)).out, example.entry + "\n");

        nlohmann::ordered_json object =
            nlohmann::ordered_json::parse(Cli({"decode", "--json", example.entry}).out);
        std::string pairs;
        for (const auto& [name, value] : object.items()) {
            pairs += (pairs.empty() ? "" : " ") + name + "=" + value.dump();
        }
        EXPECT_EQ(pairs, example.fields);
    }
}

TEST(CommandLine, ProhibitedShapeStillShowsItsSizeCode) {
    EXPECT_NE(Cli({"decode", "c000c0000000"}).out.find("shape=3 "), std::string::npos);
    EXPECT_NE(Cli({"decode", "c000c0000000"}).out.find(" sizeCode=3 "), std::string::npos);
}

TEST(CommandLine, SizeByTheWindowsListText) {
    EXPECT_EQ(Cli({"encode", "size=32 x 16"}).out, "400080000000\n");
    EXPECT_EQ(Cli({"encode", "size=32", "x", "16"}).out, "400080000000\n");
    EXPECT_EQ(Cli({"encode", "size=\"32 x 64\"", "rotScale=1"}).out, "8100C0000000\n");
    EXPECT_EQ(Cli({"encode", "shape=3", "sizeCode=1"}).out, "C00040000000\n");
}

// The numbers scripts test for, one outcome each; a full or closed output stream's 74 is in
// stream_failures_test.cpp, since it needs real descriptors.
TEST(ExitCodes, OnePerKindOfOutcome) {
    const struct {
        const char* outcome;
        std::vector<std::string> args;
        int exitCode;
    } rows[] = {
        {"every job answered", {"decode", "7464912C5A01"}, 0},
        {"an entry that is not one", {"decode", "7464912C5AO1"}, 1},
        {"a field outside its range", {"encode", "tileNumber=1024"}, 2},
        {"a command-line mistake", {"--bogus"}, 64},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Cli(row.args).exitCode, row.exitCode) << row.outcome;
    }
}

struct BadJob {
    std::vector<std::string> args;
    int exitCode;
    std::string message;
};

TEST(CommandLine, BadJobsGiveNoAnswerAndSayWhy) {
    for (const BadJob& job : {
             BadJob{{"decode", "7464912C5AO1"}, 1, "This is not a valid 6 bytes OAM"},
             BadJob{{"decode", "7464912C5A01", "7464912C5A0"}, 1, "\"7464912C5A0\": This is not"},
             BadJob{{"encode", "hflip=1"}, 2, "no field named \"hflip\""},
             BadJob{{"encode", "tileNumber=1024"},
                    2,
                    "tileNumber takes a whole number from 0 to 1023"},
             BadJob{
                 {"encode", "xCoordinate=-1"}, 2, "xCoordinate takes a whole number from 0 to 511"},
             BadJob{{"encode", "hFlip=1", "rotScale=1"},
                    2,
                    "hFlip (0 to 1) is part of the entry only with rotScale=0"},
             BadJob{{"encode", "rotScaleParam=3"},
                    2,
                    "rotScaleParam (0 to 31) is part of the entry only with rotScale=1"},
             BadJob{{"encode", "size=33 x 16"}, 2, "size takes one of \"8  x  8\""},
             BadJob{{"encode", "size=32x16", "sizeCode=1"},
                    2,
                    "sizeCode is already given by size=32x16"},
             BadJob{{"encode", "shape"}, 2, "\"shape\": expected name=value"},
             BadJob{{"--bogus"}, UsageExit, "--bogus"},
             BadJob{{"dump", "--engine", "c"}, UsageExit, "--engine"},
             BadJob{{"affine", "0100"}, UsageExit, "four halfwords"},
         }) {
        CliRun run = Cli(job.args);
        EXPECT_EQ(run.exitCode, job.exitCode) << job.message;
        EXPECT_EQ(run.out, "") << job.message;
        EXPECT_NE(run.err.find(job.message), std::string::npos) << run.err;
    }
}

TEST(CommandLine, BatchRunsEveryLineAndNumbersTheBadOnes) {
    CliRun run = Cli({}, "7464912C5A01\n"
                         "\n"
                         "vFlip=1 yCoordinate=256\n"
                         "xCoordinate=300 size=\"32 x 16\"\r\n"
                         "7464912C5AO1\n"
                         "0300ffffF000\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, Cli({"decode", "7464912C5A01"}).out + "4000812C0000\n" +
                           Cli({"decode", "0300FFFFF000"}).out);
    EXPECT_EQ(run.err, "oamcalc-cli: line 3: yCoordinate=256: yCoordinate takes a whole number "
                       "from 0 to 255\n"
                       "oamcalc-cli: line 5: \"7464912C5AO1\": This is not a valid 6 bytes OAM "
                       "(twelve hexadecimal digits expected)\n");
}

TEST(CommandLine, DecodeBatchTakesEveryLineForAnEntry) {
    CliRun run = Cli({"decode"}, "shape=1\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
}

constexpr const char* EntryFields =
    "shape=1 colorsPalettes=1 mosaic=1 mode=1 objDisable=0 rotScale=0 yCoordinate=100 sizeCode=2 "
    "vFlip=0 hFlip=1 xCoordinate=300 paletteNumber=5 priority=2 tileNumber=513\n";

TEST(Blanks, AreIgnoredAlikeInArgumentsAndStandardInput) {
    for (std::string blank : {" ", "\t", "\r", "\v", "\f"}) {
        std::string padded = blank + "7464912C5A01" + blank;
        EXPECT_EQ(Cli({"decode", padded}).out, EntryFields);
        CliRun batch = Cli({}, padded + "\n" + blank + "\n");
        EXPECT_EQ(batch.out, EntryFields);
        EXPECT_EQ(batch.exitCode, SuccessExit) << batch.err;
    }
    EXPECT_EQ(Cli({"encode", "xCoordinate=300\r", "tileNumber=513\t"}).out, "0000012C0201\n");
}

TEST(Blanks, AByteOrderMarkStartsTheInputOnly) {
    EXPECT_EQ(Cli({}, "\xEF\xBB\xBF"
                      "7464912C5A01\r\n")
                  .out,
              EntryFields);
    CliRun second = Cli({}, "7464912C5A01\n\xEF\xBB\xBF"
                            "7464912C5A01\n");
    EXPECT_EQ(second.exitCode, BadEntryExit);
    EXPECT_NE(second.err.find("line 2: \"\\xEF\\xBB\\xBF7464"), std::string::npos) << second.err;
}

TEST(Messages, EchoAShortEscapedPrefixOfTheInput) {
    CliRun run = Cli({}, std::string("\x01\x7F\xC3(\"\\", 6) + std::string(100, 'A') + "\n");
    EXPECT_EQ(run.err, "oamcalc-cli: line 1: \"\\x01\\x7F\\xC3(\\\"\\\\" + std::string(34, 'A') +
                           "...\": This is not a valid 6 bytes OAM (twelve hexadecimal digits "
                           "expected)\n");
}

TEST(Messages, AnOverlongLineIsReportedAndTheRestRuns) {
    CliRun run = Cli({}, std::string(5000, '7') + "\n7464912C5A01\n");
    EXPECT_EQ(run.exitCode, BadEntryExit);
    EXPECT_EQ(run.out, EntryFields);
    EXPECT_EQ(run.err, "oamcalc-cli: line 1: longer than 4096 bytes; skipped\n");
}

TEST(InlineErrors, GiveOneRecordPerNonBlankLine) {
    std::string input = "7464912C5A01\n\nbad\nhflip=1\n";
    CliRun text = Cli({"--inline-errors"}, input);
    EXPECT_EQ(text.exitCode, BadFieldExit);
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out,
              std::string(EntryFields) +
                  "line=3 error=\"\\\"bad\\\": This is not a valid 6 bytes OAM (twelve "
                  "hexadecimal digits expected)\"\n"
                  "line=4 error=\"hflip=1: no field named \\\"hflip\\\"; the fields are "
                  "shape, colorsPalettes, mosaic, mode, doubleSize, objDisable, rotScale, "
                  "yCoordinate, sizeCode, rotScaleParam, vFlip, hFlip, xCoordinate, "
                  "paletteNumber, priority, tileNumber, size\"\n");

    std::istringstream lines(Cli({"--inline-errors", "--json"}, input).out);
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);) {
        objects.push_back(nlohmann::json::parse(line));
    }
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[0]["tileNumber"], 513);
    EXPECT_EQ(objects[1]["line"], 3);
    EXPECT_EQ(objects[1]["input"], "bad");
    EXPECT_EQ(objects[2]["line"], 4);
}

TEST(Table, HasTheSameColumnsWhateverTheFlag) {
    CliRun run = Cli({"--tsv", "--inline-errors"}, "7464912C5A01\n0300FFFFF000\nbad\nshape=2\n");
    std::istringstream rows(run.out);
    std::vector<std::vector<std::string>> table;
    for (std::string row; std::getline(rows, row);) {
        std::vector<std::string> cells(1);
        for (char c : row) {
            if (c == '\t') {
                cells.emplace_back();
            } else {
                cells.back() += c;
            }
        }
        table.push_back(cells);
    }
    ASSERT_EQ(table.size(), 5u);
    for (const auto& row : table) {
        EXPECT_EQ(row.size(), 19u);
    }
    EXPECT_EQ(table[0][0], "line");
    EXPECT_EQ(table[0][6], "doubleSize");
    EXPECT_EQ(table[1][6], "");  // flag off: no doubleSize
    EXPECT_EQ(table[2][6], "1"); // flag on
    EXPECT_EQ(table[2][12], ""); // flag on: no vFlip
    EXPECT_EQ(table[3][0], "3");
    EXPECT_NE(table[3][18].find("not a valid"), std::string::npos);
    EXPECT_EQ(table[4][1], "800000000000");
}

TEST(MemoryOrder, ReadsAndWritesBytesAsMemoryHoldsThem) {
    EXPECT_EQ(Cli({"decode", "--memory-order", "64 74 2C 91 01 5A"}).out, EntryFields);
    EXPECT_EQ(Cli({"decode", "--memory-order", "64742c91015a0001"}).out,
              std::string(EntryFields)
                  .insert(std::string(EntryFields).size() - 1, " groupHalfword=0100"));
    EXPECT_EQ(Cli({"encode", "--memory-order", "size=32 x 16", "xCoordinate=300"}).out,
              "00 40 2C 81 00 00\n");
    for (std::string bad : {"64 74 2C 91 01", "6 474 2C 91 01 5A", "64742C91015A00"}) {
        EXPECT_EQ(Cli({"decode", "--memory-order", bad}).exitCode, BadEntryExit) << bad;
    }
}

TEST(Version, IsTheProjectVersion) {
    EXPECT_EQ(Cli({"--version"}).out, "oamcalc-cli 1.1.0\n");
}

} // namespace
