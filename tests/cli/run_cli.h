// Runs the whole program in-process on files standing in for its three standard streams, and
// gives what a script would see.
#pragma once

#include "cli/command_line.h"
#include "cli/exit_codes.h"

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
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

inline CliRun Cli(const std::vector<std::string>& args, const std::string& input = "") {
    std::vector<const char*> argv{ProgramName};
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::fflush(in);
    lseek(fileno(in), 0, SEEK_SET);
    int exitCode = RunCommandLine(static_cast<int>(argv.size()), argv.data(),
                                  Descriptors{fileno(in), fileno(out), fileno(err)});
    std::fclose(in);
    return {exitCode, ReadBack(out), ReadBack(err)};
}
