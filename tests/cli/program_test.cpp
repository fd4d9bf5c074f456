// The built program as a script runs it, in its own process, for what only a real process shows:
// the exit code a shell sees, a full disk, a closed descriptor, a reader that went away, a
// directory for input, a reader that waits for each answer, and memory that must not grow with
// one line's length. What arguments and input print is in cases/, for every tree.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Closed = -1;
constexpr int Captured = -2;

constexpr const char* EntryFields =
    "shape=1 colorsPalettes=1 mosaic=1 mode=1 objDisable=0 rotScale=0 yCoordinate=100 sizeCode=2 "
    "vFlip=0 hFlip=1 xCoordinate=300 paletteNumber=5 priority=2 tileNumber=513\n";

struct Finished {
    int exitCode = -1;
    std::string out;
    std::string err;
    long peakKilobytes = 0;
};

struct Started {
    pid_t child = -1;
    std::FILE* out = nullptr; // when captured
    std::FILE* err = nullptr;
};

std::string ReadBack(std::FILE* file) {
    std::string text;
    std::rewind(file);
    for (int c; (c = std::fgetc(file)) != EOF;) {
        text += static_cast<char>(c);
    }
    std::fclose(file);
    return text;
}

// The program with the given descriptors as its standard input and output (Closed: none;
// Captured: a file read back at the end); standard error is kept. `ignoreBrokenPipe` sets SIGPIPE
// to be ignored, as some shells and servers start programs.
Started Start(std::vector<std::string> args, int in, int out, bool ignoreBrokenPipe = false) {
    Started started{-1, out == Captured ? std::tmpfile() : nullptr, std::tmpfile()};
    started.child = fork();
    if (started.child == 0) {
        std::signal(SIGPIPE, ignoreBrokenPipe ? SIG_IGN : SIG_DFL);
        in == Closed ? close(0) : dup2(in, 0);
        out == Closed ? close(1) : dup2(started.out ? fileno(started.out) : out, 1);
        dup2(fileno(started.err), 2);
        std::vector<char*> argv{const_cast<char*>(OAMCALC_CLI_PROGRAM)};
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return started;
}

Finished Wait(const Started& started) {
    int status = 0;
    rusage usage{};
    wait4(started.child, &status, 0, &usage);
    Finished finished;
    finished.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    finished.peakKilobytes = usage.ru_maxrss;
    finished.out = started.out ? ReadBack(started.out) : "";
    finished.err = ReadBack(started.err);
    return finished;
}

Finished RunProgram(std::vector<std::string> args, int in, int out = Captured,
                    bool ignoreBrokenPipe = false) {
    return Wait(Start(std::move(args), in, out, ignoreBrokenPipe));
}

// A descriptor reading `head`, then `length` bytes of 'x', then `tail`, written a chunk at a time:
// the child starts as a copy of this process, and its peak memory must be its own.
int InputFile(const std::string& head, std::size_t length = 0, const std::string& tail = "") {
    std::FILE* file = std::tmpfile();
    std::fputs(head.c_str(), file);
    std::string chunk(1024 * 1024, 'x');
    for (std::size_t written = 0; written < length; written += chunk.size()) {
        std::fwrite(chunk.data(), 1, std::min(chunk.size(), length - written), file);
    }
    std::fputs(tail.c_str(), file);
    std::fflush(file);
    int descriptor = dup(fileno(file));
    std::fclose(file);
    lseek(descriptor, 0, SEEK_SET);
    return descriptor;
}

std::string Lines(std::size_t count) {
    std::string lines;
    for (std::size_t i = 0; i < count; ++i) {
        lines += "7464912C5A01\n";
    }
    return lines;
}

// The numbers scripts test for, written out rather than taken from cli/exit_codes.h: each with
// one run that must give it. With several failures the highest is given; the cases show that.
TEST(ExitCodes, OneRunForEach) {
    const struct {
        int exitCode;
        std::vector<std::string> args;
    } rows[] = {
        {0, {"decode", "7464912C5A01"}},    // every job went through
        {1, {"decode", "7464912C5AO1"}},    // not an entry
        {2, {"encode", "tileNumber=1024"}}, // a value outside its field's range
        {64, {"encode", "--bogus"}},        // a command-line mistake
        {74, {"dump", "no-such-dump.bin"}}, // the dump could not be read
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RunProgram(row.args, Closed).exitCode, row.exitCode) << row.args[1];
    }
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

TEST(StreamFailures, AReaderThatWentAwayEndsTheRunAtOnce) {
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    close(pipeEnds[0]);
    std::string input = Lines(200000);
    int in = InputFile(input);
    Finished run = RunProgram({}, in, pipeEnds[1], true);
    off_t consumed = lseek(in, 0, SEEK_CUR);
    close(in);
    close(pipeEnds[1]);
    EXPECT_EQ(run.exitCode, 74);
    EXPECT_EQ(run.err, "oamcalc-cli: cannot write standard output: Broken pipe\n");
    EXPECT_LT(consumed, static_cast<off_t>(input.size() / 4)) << "read on after the reader left";
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

// A line over 4096 bytes is skipped to its end, held in the buffer or far longer than it, with
// one message; the lines after it run and keep their numbers; memory does not grow with it.
TEST(Streams, AnOverlongLineIsSkippedWithoutBeingHeld) {
    int shortInput = InputFile(Lines(1));
    long base = RunProgram({}, shortInput).peakKilobytes;
    close(shortInput);
    for (std::size_t length : {5000, 64 * 1024 * 1024}) {
        int in = InputFile("size=8 ", length, "\n7464912C5A01\nbad\n");
        Finished run = RunProgram({}, in);
        close(in);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, EntryFields);
        EXPECT_EQ(run.err, "oamcalc-cli: line 1: longer than 4096 bytes; skipped\n"
                           "oamcalc-cli: line 3: \"bad\": This is not a valid 6 bytes OAM (twelve "
                           "hexadecimal digits expected)\n");
        EXPECT_LT(run.peakKilobytes - base, 4 * 1024) << "peak " << run.peakKilobytes << " KiB";
    }
}

} // namespace
