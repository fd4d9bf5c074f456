// The whole program, run in-process: what a script sees on standard output, standard error and in
// the exit code.
#include "cli/command_line.h"
#include "cli/jobs.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

CliRun Cli(std::vector<std::string> args, const std::string& input = "") {
    std::vector<const char*> argv{ProgramName};
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    int exitCode = RunCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {exitCode, out.str(), err.str()};
}

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
             BadJob{{"--bogus"}, 2, "--bogus"},
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

} // namespace
