// The built companion run as a script runs it, in its own process: its exit code, its two
// streams and its peak memory.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

constexpr int Closed = -1;
constexpr int Captured = -2;

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

inline std::string ReadBack(std::FILE* file) {
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
inline Started Start(std::vector<std::string> args, int in, int out,
                     bool ignoreBrokenPipe = false) {
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

inline Finished Wait(const Started& started) {
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

inline Finished RunProgram(std::vector<std::string> args, int in, int out = Captured,
                           bool ignoreBrokenPipe = false) {
    return Wait(Start(std::move(args), in, out, ignoreBrokenPipe));
}

// A descriptor reading `head`, then `length` bytes of 'x', then `tail`, written a chunk at a time:
// the child starts as a copy of this process, and its peak memory must be its own.
inline int InputFile(const std::string& head, std::size_t length = 0,
                     const std::string& tail = "") {
    std::FILE* file = std::tmpfile();
    std::fwrite(head.data(), 1, head.size(), file);
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

// The program with `input` as its standard input.
inline Finished RunWith(std::vector<std::string> args, const std::string& input = "") {
    int in = InputFile(input);
    Finished run = RunProgram(std::move(args), in);
    close(in);
    return run;
}
