// The built program as a script runs it, in its own process, for what only a real process shows:
// a full disk, a closed descriptor, a reader that went away, a directory for input, and memory
// that must not grow with one line's length.
#include "cli/exit_codes.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Closed = -1;

struct Finished {
    int exitCode = -1;
    std::string err;
    long peakKilobytes = 0;
};

// Runs the program with the given descriptors as its standard input and output (Closed: none);
// standard error is kept. `ignoreBrokenPipe` sets SIGPIPE to be ignored, as some shells and
// servers start programs.
Finished RunProgram(std::vector<std::string> args, int in, int out, bool ignoreBrokenPipe = false) {
    std::FILE* err = std::tmpfile();
    pid_t child = fork();
    if (child == 0) {
        std::signal(SIGPIPE, ignoreBrokenPipe ? SIG_IGN : SIG_DFL);
        in == Closed ? close(0) : dup2(in, 0);
        out == Closed ? close(1) : dup2(out, 1);
        dup2(fileno(err), 2);
        std::vector<char*> argv{const_cast<char*>(OAMCALC_CLI_PROGRAM)};
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Finished finished;
    finished.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    finished.peakKilobytes = usage.ru_maxrss;
    std::rewind(err);
    for (int c; (c = std::fgetc(err)) != EOF;) {
        finished.err += static_cast<char>(c);
    }
    std::fclose(err);
    return finished;
}

int InputFile(const std::string& content) {
    std::FILE* file = std::tmpfile();
    std::fwrite(content.data(), 1, content.size(), file);
    std::fflush(file);
    int descriptor = dup(fileno(file));
    std::fclose(file);
    lseek(descriptor, 0, SEEK_SET);
    return descriptor;
}

// A line of `length` bytes without holding it: the child starts as a copy of this process, and its
// peak memory must be its own.
int LongLineFile(std::size_t length) {
    std::FILE* file = std::tmpfile();
    std::string chunk(1024 * 1024, 'x');
    std::fputs("size=8 ", file);
    for (std::size_t written = 0; written < length; written += chunk.size()) {
        std::fwrite(chunk.data(), 1, chunk.size(), file);
    }
    std::fputs("\n7464912C5A01\n", file);
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

TEST(StreamFailures, AFullDiskIsAnOutputError) {
    int full = open("/dev/full", O_WRONLY);
    Finished run = RunProgram({"decode", "7464912C5A01"}, Closed, full);
    close(full);
    EXPECT_EQ(run.exitCode, InputOutputExit);
    EXPECT_EQ(run.err, "oamcalc-cli: cannot write standard output: No space left on device\n");
}

TEST(StreamFailures, AClosedStandardOutputIsAnOutputError) {
    Finished run = RunProgram({"decode", "7464912C5A01"}, Closed, Closed);
    EXPECT_EQ(run.exitCode, InputOutputExit);
    EXPECT_EQ(run.err, "oamcalc-cli: cannot write standard output: Bad file descriptor\n");
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
    EXPECT_EQ(run.exitCode, InputOutputExit);
    EXPECT_EQ(run.err, "oamcalc-cli: cannot write standard output: Broken pipe\n");
    EXPECT_LT(consumed, static_cast<off_t>(input.size() / 4)) << "read on after the reader left";
}

TEST(StreamFailures, ADirectoryForInputIsAnInputError) {
    int directory = open(".", O_RDONLY | O_DIRECTORY);
    Finished run = RunProgram({}, directory, Closed);
    close(directory);
    EXPECT_EQ(run.exitCode, InputOutputExit);
    EXPECT_EQ(run.err, "oamcalc-cli: cannot read standard input: Is a directory\n");
}

TEST(StreamFailures, MemoryStaysFlatWhateverOneLineIsLong) {
    int shortIn = InputFile("7464912C5A01\n");
    int devNull = open("/dev/null", O_WRONLY);
    long base = RunProgram({}, shortIn, devNull).peakKilobytes;
    constexpr std::size_t LongLine = 64 * 1024 * 1024;
    int longIn = LongLineFile(LongLine);
    Finished run = RunProgram({}, longIn, devNull);
    close(shortIn);
    close(longIn);
    close(devNull);
    EXPECT_EQ(run.exitCode, BadEntryExit);
    EXPECT_EQ(run.err, "oamcalc-cli: line 1: longer than 4096 bytes; skipped\n");
    EXPECT_LT(run.peakKilobytes - base, 4 * 1024) << "peak " << run.peakKilobytes << " KiB";
}

} // namespace
