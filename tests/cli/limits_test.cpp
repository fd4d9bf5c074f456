// Every combination of dump's options, on a dump of the most entries: the options the companion's
// cases pin one at a time. The other limits of the companion are cases/limits_* (the longest line,
// 4096 bytes, and one past it, fed or last, within the read buffer and across its end, is
// cases/limits_line*; dumps of 1, 127, 128, 129 and 255 entries are cases/limits_dump_sizes, and
// of 0, 7, 9, 2047, 2049 and 2056 bytes cases/*_refused; the groups a dump holds whole, for dump
// and diff, and the entries diff compares, cases/limits_groups*), and the screen's scale is
// cases/screen_scale (1 and 8) and cases/pictures_usage (0 and 9).
#include "tests/cli/run_program.h"

namespace {

constexpr std::size_t MostEntries = 256;

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// Every combination of dump's options, the format before or after the command: --engine keeps
// one engine's records, --visible leaves out the hidden entries (every fourth here) and no group,
// --groups lists the 32 groups of each engine kept.
TEST(Limits, DumpOptionsCombineInEveryFormat) {
    std::string bytes(MostEntries * 8, '\0');
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
