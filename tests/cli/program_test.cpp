// The built program as a script runs it, in its own process, for what only a real process shows:
// the exit code a shell sees, a full disk, a closed descriptor, a reader that went away, a
// directory for input, a reader that waits for each answer, and memory that must not grow with
// one line's length. What arguments and input print, and the exit code each case gives, is in
// cases/, for every tree.
#include "tests/cli/run_program.h"

#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>

namespace {

constexpr const char* EntryFields =
    "shape=1 colorsPalettes=1 mosaic=1 mode=1 objDisable=0 rotScale=0 yCoordinate=100 sizeCode=2 "
    "vFlip=0 hFlip=1 xCoordinate=300 paletteNumber=5 priority=2 tileNumber=513\n";

std::string Lines(std::size_t count) {
    std::string lines;
    for (std::size_t i = 0; i < count; ++i) {
        lines += "7464912C5A01\n";
    }
    return lines;
}

// A failed write or read gives 74 and one message, however much output was left to write.
TEST(StreamFailures, EndTheRunWithOneMessage) {
    int full = open("/dev/full", O_WRONLY);
    int directory = open(".", O_RDONLY | O_DIRECTORY);
    const struct {
        int in;
        int out;
        std::string err;
    } rows[] = {
        {InputFile(Lines(20000)), full, "cannot write standard output: No space left on device"},
        {InputFile(Lines(1)), Closed, "cannot write standard output: Bad file descriptor"},
        {directory, Captured, "cannot read standard input: Is a directory"},
    };
    for (const auto& row : rows) {
        Finished run = RunProgram({}, row.in, row.out);
        close(row.in);
        EXPECT_EQ(run.exitCode, 74) << row.err;
        EXPECT_EQ(run.err, "oamcalc-cli: " + row.err + "\n");
    }
    close(full);
}

// By the signal, as Unix tools end (a shell shows 141), unless the signal is ignored: then 74.
TEST(StreamFailures, AReaderThatWentAwayEndsTheRunAtOnce) {
    for (bool ignored : {false, true}) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        close(pipeEnds[0]);
        std::string input = Lines(200000);
        int in = InputFile(input);
        Finished run = RunProgram({}, in, pipeEnds[1], ignored);
        off_t consumed = lseek(in, 0, SEEK_CUR);
        close(in);
        close(pipeEnds[1]);
        EXPECT_EQ(run.exitCode, ignored ? 74 : 128 + SIGPIPE);
        EXPECT_EQ(run.err,
                  ignored ? "oamcalc-cli: cannot write standard output: Broken pipe\n" : "");
        EXPECT_LT(consumed, static_cast<off_t>(input.size() / 4))
            << "read on after the reader left";
    }
}

// A program at the other end of both pipes gets each answer before it must send more.
TEST(Streams, AnAnswerGoesOutBeforeTheProgramWaitsForInput) {
    int request[2], answer[2];
    ASSERT_EQ(pipe2(request, O_CLOEXEC), 0);
    ASSERT_EQ(pipe2(answer, O_CLOEXEC), 0);
    Started started = Start({}, request[0], answer[1]);
    close(request[0]);
    close(answer[1]);
    ASSERT_EQ(write(request[1], "7464912C5A01\n", 13), 13);
    pollfd waiting{answer[0], POLLIN, 0};
    EXPECT_EQ(poll(&waiting, 1, 10000), 1) << "the answer waited for more input";
    close(request[1]);
    std::string got(1000, '\0');
    got.resize(static_cast<std::size_t>(std::max<ssize_t>(read(answer[0], got.data(), 1000), 0)));
    close(answer[0]);
    EXPECT_EQ(Wait(started).exitCode, 0);
    EXPECT_EQ(got, EntryFields);
}

// A line far longer than the buffer is skipped to its end with one message; the lines after it
// run and keep their numbers; memory does not grow with it. The limit itself, and a line just past
// it, are cases/limits_line*.
TEST(Streams, AnOverlongLineIsSkippedWithoutBeingHeld) {
    long base = RunWith({}, Lines(1)).peakKilobytes;
    int in = InputFile("size=8 ", 64 * 1024 * 1024, "\n7464912C5A01\nbad\n");
    Finished run = RunProgram({}, in);
    close(in);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, EntryFields);
    EXPECT_EQ(run.err, "oamcalc-cli: line 1: longer than 4096 bytes; skipped\n"
                       "oamcalc-cli: line 3: \"bad\": This is not a valid 6 bytes OAM (twelve "
                       "hexadecimal digits expected)\n");
    EXPECT_LT(run.peakKilobytes - base, 4 * 1024) << "peak " << run.peakKilobytes << " KiB";
}

// Every JSON answer the cases hold (the program must print each exactly, in every tree) parses:
// among them the echo of input, cut between characters and with bytes that are not UTF-8 as
// U+FFFD (limits_echo).
TEST(Json, EveryJsonLineOfTheCasesParses) {
    int parsed = 0;
    for (const auto& file : std::filesystem::directory_iterator(OAMCALC_CLI_CASES)) {
        std::ifstream text(file.path());
        for (std::string line; std::getline(text, line);) {
            bool object = line.starts_with('{') && line.ends_with('}');
            bool string = line.size() > 1 && line.starts_with('"') && line.ends_with('"');
            if (file.path().extension() == ".out" && (object || string)) {
                EXPECT_FALSE(nlohmann::json::parse(line, nullptr, false).is_discarded()) << line;
                ++parsed;
            }
        }
    }
    EXPECT_GT(parsed, 10);
}

} // namespace
