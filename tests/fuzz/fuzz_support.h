// What the companion's fuzzers share: a failed check ends the run where libFuzzer sees it, an entry
// made of the fuzzer's bytes, the whole program run in this process on bytes as its standard
// input, and the check that a line of its output is JSON as a script's parser reads it.
#pragma once

#include "cli/command_line.h"
#include "tests/support/shift_and_mask.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

// What the program's readers take as blanks between words.
constexpr std::string_view Blanks = " \t\r\v\f";

inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// A file in memory holding `bytes`, read from its start.
inline int MemoryFile(std::string_view bytes) {
    int descriptor = memfd_create("fuzz", MFD_CLOEXEC);
    Require(descriptor >= 0 &&
            write(descriptor, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
    lseek(descriptor, 0, SEEK_SET);
    return descriptor;
}

inline std::string ContentsOf(int descriptor) {
    std::string text(static_cast<std::size_t>(lseek(descriptor, 0, SEEK_END)), '\0');
    Require(pread(descriptor, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()));
    return text;
}

// The entry whose three attributes the six bytes at `data` hold, each halfword as memory holds it,
// the low byte first.
inline Attributes AttributesAt(const std::uint8_t* data) {
    auto at = [data](int i) { return static_cast<std::uint16_t>(data[i] | data[i + 1] << 8); };
    return {at(0), at(2), at(4)};
}

struct Ran {
    int exitCode;
    std::string out;
    std::string err;
};

// An argument naming a second file, for a command that reads two.
constexpr std::string_view SecondFile = "/dev/fd/SECOND";

// The program with these arguments, `input` as its standard input and `second` as SecondFile.
inline Ran RunProgram(std::vector<std::string> args, std::string_view input = {},
                      std::string_view second = {}) {
    Descriptors descriptors{MemoryFile(input), MemoryFile({}), MemoryFile({})};
    int secondDescriptor = MemoryFile(second);
    std::vector<const char*> argv{"oamcalc-cli"};
    for (std::string& arg : args) {
        if (arg == SecondFile) {
            arg = "/dev/fd/" + std::to_string(secondDescriptor);
        }
        argv.push_back(arg.c_str());
    }
    int exitCode = RunCommandLine(static_cast<int>(argv.size()), argv.data(), descriptors);
    Ran ran{exitCode, ContentsOf(descriptors.output), ContentsOf(descriptors.error)};
    for (int descriptor :
         {descriptors.input, descriptors.output, descriptors.error, secondDescriptor}) {
        close(descriptor);
    }
    return ran;
}

// Each line of the output, which must be one JSON value. The parser refuses any string that is
// not well-formed UTF-8 (an overlong form, a surrogate, a byte out of place), so a line it takes
// is valid UTF-8 too.
inline std::vector<nlohmann::json> JsonLines(const std::string& out) {
    std::vector<nlohmann::json> values;
    for (std::size_t start = 0; start < out.size();) {
        std::size_t end = out.find('\n', start);
        Require(end != std::string::npos);
        std::string_view line(out.data() + start, end - start);
        values.push_back(nlohmann::json::parse(line, nullptr, false));
        Require(!values.back().is_discarded());
        start = end + 1;
    }
    return values;
}
