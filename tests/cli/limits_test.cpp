// Every limit the help and the man page give the companion, run at the limit and one past it on
// each side: line length, the echo's bytes and characters, dump sizes and the groups a dump holds
// whole, every field's and option's range, and the options together as they are documented.
#include "tests/cli/run_program.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>

namespace {

constexpr const char* Entry = "7464912C5A01";
constexpr const char* NotAnEntry = ": This is not a valid 6 bytes OAM (twelve hexadecimal digits "
                                   "expected)";
constexpr std::size_t LongestLine = 4096;
constexpr std::size_t EchoedBytes = 40;
constexpr std::size_t EntriesPerEngine = 128;
constexpr std::size_t LargestDumpEntries = 256;
const std::string R = "\xEF\xBF\xBD"; // U+FFFD

Finished RunWith(std::vector<std::string> args, const std::string& input = "") {
    int in = InputFile(input);
    Finished run = RunProgram(std::move(args), in);
    close(in);
    return run;
}

std::size_t LineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

std::string LastLine(std::string text) {
    if (text.ends_with('\n')) {
        text.pop_back();
    }
    return text.substr(text.rfind('\n') + 1);
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

// A dump of `entries` zero entries; the halfword `halfword` of entry `entry` set when given.
std::string Dump(std::size_t entries, std::size_t entry = SIZE_MAX, std::size_t halfword = 0,
                 unsigned value = 0x0100) {
    std::string bytes(entries * 8, '\0');
    if (entry < entries) {
        bytes[entry * 8 + halfword * 2] = static_cast<char>(value & 0xFF);
        bytes[entry * 8 + halfword * 2 + 1] = static_cast<char>(value >> 8);
    }
    return bytes;
}

std::string DumpFile(const std::string& bytes) {
    static int made = 0;
    std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("oamcalc-limits-" + std::to_string(getpid()) + "-" + std::to_string(made++) + ".bin");
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

std::string EngineAndIndex(std::size_t index) {
    return std::string("engine=") + (index < EntriesPerEngine ? "A" : "B") +
           " index=" + std::to_string(index % EntriesPerEngine);
}

TEST(Limits, ALineRunsUpTo4096BytesAndOnePastIsSkipped) {
    const std::vector<std::size_t> ManyLines(17, LongestLine); // past the 64 KiB read buffer
    std::vector<std::size_t> tooLongAmongThem = ManyLines;
    tooLongAmongThem[15] = LongestLine + 1; // across the buffer's end
    const struct {
        std::vector<std::size_t> lengths;
        bool lastLineFed;
    } rows[] = {
        {{LongestLine}, true},      {{LongestLine + 1}, true}, {{LongestLine}, false},
        {{LongestLine + 1}, false}, {ManyLines, true},         {tooLongAmongThem, false},
    };
    for (const auto& row : rows) {
        std::string input, err;
        std::size_t answers = 0;
        for (std::size_t i = 0; i < row.lengths.size(); ++i) {
            input += Entry + std::string(row.lengths[i] - std::strlen(Entry), ' ');
            input += i + 1 < row.lengths.size() || row.lastLineFed ? "\n" : "";
            if (row.lengths[i] > LongestLine) {
                err += "oamcalc-cli: line " + std::to_string(i + 1) +
                       ": longer than 4096 bytes; skipped\n";
            } else {
                ++answers;
            }
        }
        Finished run = RunWith({"decode"}, input);
        SCOPED_TRACE(testing::PrintToString(row.lengths) + (row.lastLineFed ? " fed" : ""));
        EXPECT_EQ(run.exitCode, err.empty() ? 0 : 1);
        EXPECT_EQ(run.err, err);
        EXPECT_EQ(LineCount(run.out), answers);
    }
}

// Messages quote the input's first 40 bytes, however many characters their escapes take.
TEST(Limits, AMessageQuotesAtMost40BytesOfTheInput) {
    const std::string x(EchoedBytes, 'x');
    std::string escaped;
    for (std::size_t i = 0; i < EchoedBytes; ++i) {
        escaped += "\\x01";
    }
    const struct {
        std::string line;
        std::string echo;
    } rows[] = {
        {x, x},
        {x + "y", x + "..."},
        {std::string(EchoedBytes, '\x01'), escaped},
        {std::string(EchoedBytes + 1, '\x01'), escaped + "..."},
        {"a\x1F ~\x7F\x80\"\\", "a\\x1F ~\\x7F\\x80\\\"\\\\"},
    };
    std::string input, err;
    int number = 0;
    for (const auto& row : rows) {
        input += row.line + "\n";
        err += "oamcalc-cli: line " + std::to_string(++number) + ": \"" + row.echo + "\"" +
               NotAnEntry + "\n";
    }
    EXPECT_EQ(RunWith({}, input).err, err);
    for (const std::string& engine : {x, x + "y"}) {
        Finished run = RunWith({"dump", "--engine", engine});
        EXPECT_EQ(run.exitCode, 64);
        EXPECT_NE(run.err.find("--engine \"" + x + (engine == x ? "\":" : "...\":")),
                  std::string::npos)
            << run.err;
    }
}

// The JSON echo: the first 40 bytes, cut back to the start of a character that the cut would
// split, and "..." after any cut. Each character length, starting on each side of the cut.
TEST(Limits, TheJsonEchoIsCutTo40BytesNeverInsideACharacter) {
    const std::string Characters[] = {"z", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"};
    std::vector<std::string> lines, echoes;
    for (const std::string& character : Characters) {
        for (std::size_t before = EchoedBytes - 5; before <= EchoedBytes; ++before) {
            for (std::size_t after : {0, 1}) {
                std::string line = std::string(before, 'x') + character + std::string(after, 'y');
                std::size_t end = before + character.size();
                std::size_t cut = end > EchoedBytes && before < EchoedBytes ? before : EchoedBytes;
                lines.push_back(line);
                echoes.push_back(line.size() <= EchoedBytes ? line : line.substr(0, cut) + "...");
            }
        }
    }
    Finished run = RunWith({"--json", "--inline-errors"}, Joined(lines));
    std::vector<nlohmann::json> records = JsonLines(run.out);
    ASSERT_EQ(records.size(), lines.size()) << run.out;
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i]["input"], echoes[i]) << lines[i];
    }
}

// Well-formed UTF-8 is echoed as it is, up to U+10FFFF; every byte of anything else (a lone
// continuation, an overlong form, a surrogate, past U+10FFFF, a cut sequence) is U+FFFD.
TEST(Limits, TheJsonEchoKeepsEveryCodePointAndReplacesEveryOtherByte) {
    const struct {
        std::string bytes;
        std::string echo;
    } rows[] = {
        {"\x1F\x7F", "\x1F\x7F"},
        {"\x80", R},
        {"\xC0\x80", R + R},
        {"\xC1\xBF", R + R},                      // U+007F overlong
        {"\xC2\x80", "\xC2\x80"},                 // U+0080
        {"\xDF\xBF", "\xDF\xBF"},                 // U+07FF
        {"\xE0\x9F\xBF", R + R + R},              // U+07FF overlong
        {"\xE0\xA0\x80", "\xE0\xA0\x80"},         // U+0800
        {"\xED\x9F\xBF", "\xED\x9F\xBF"},         // U+D7FF
        {"\xED\xA0\x80", R + R + R},              // U+D800
        {"\xED\xBF\xBF", R + R + R},              // U+DFFF
        {"\xEE\x80\x80", "\xEE\x80\x80"},         // U+E000
        {"\xEF\xBF\xBF", "\xEF\xBF\xBF"},         // U+FFFF
        {"\xF0\x8F\xBF\xBF", R + R + R + R},      // U+FFFF overlong
        {"\xF0\x90\x80\x80", "\xF0\x90\x80\x80"}, // U+10000
        {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"}, // U+10FFFF
        {"\xF4\x90\x80\x80", R + R + R + R},      // U+110000
        {"\xF5\x80\x80\x80", R + R + R + R},
        {"\xE2\x82q", R + R + "q"},
        {"\xF0\x9F\x98", R + R + R},
    };
    std::string input;
    for (const auto& row : rows) {
        input += "q" + row.bytes + "\n";
    }
    Finished run = RunWith({"--json", "--inline-errors"}, input);
    std::vector<nlohmann::json> records = JsonLines(run.out);
    ASSERT_EQ(records.size(), std::size(rows)) << run.out;
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i]["input"], "q" + rows[i].echo) << i;
    }
}

// dump, screen and diff read 1 to 256 whole entries; engine B starts at entry 128.
TEST(Limits, ADumpIsOneTo256WholeEntries) {
    for (std::size_t size : {0, 7, 8, 9, 1016, 1024, 1032, 2040, 2047, 2048, 2049, 2056}) {
        SCOPED_TRACE(std::to_string(size) + " bytes");
        const std::size_t entries = size / 8;
        const bool dump = size % 8 == 0 && entries >= 1 && entries <= LargestDumpEntries;
        const std::string bytes(size, '\0');
        Finished listed = RunWith({"dump", "-"}, bytes);
        EXPECT_EQ(listed.exitCode, dump ? 0 : 1);
        EXPECT_EQ(LineCount(listed.out), dump ? entries : 0);
        if (dump) {
            EXPECT_TRUE(LastLine(listed.out).starts_with(EngineAndIndex(entries - 1) + " "));
        }
        Finished drawn = RunWith({"screen"}, bytes);
        EXPECT_EQ(drawn.exitCode, dump ? 0 : 1);
        std::size_t screens = 0;
        for (std::size_t at = 0; (at = drawn.out.find("id=\"screen-", at)) != std::string::npos;
             ++at) {
            ++screens;
        }
        EXPECT_EQ(screens, !dump ? 0 : entries > EntriesPerEngine ? 2 : 1);
        std::string file = DumpFile(bytes);
        EXPECT_EQ(RunWith({"diff", "-", file}, bytes).exitCode, dump ? 0 : 2);
        std::filesystem::remove(file);
    }
}

// A group is listed when the dump holds the four entries that carry it; the entries that use
// group 31 are found up to the last entry of each engine.
TEST(Limits, DumpGroupsListsEveryGroupTheDumpHoldsWhole) {
    const struct {
        std::size_t entries;
        std::size_t groups;
        const char* last;
    } rows[] = {
        {3, 0, ""},
        {4, 1, "engine=A group=0 "},
        {127, 31, "engine=A group=30 "},
        {128, 32, "engine=A group=31 "},
        {131, 32, "engine=A group=31 "},
        {132, 33, "engine=B group=0 "},
        {255, 63, "engine=B group=30 "},
        {256, 64, "engine=B group=31 "},
    };
    for (const auto& row : rows) {
        Finished run = RunWith({"dump", "--groups"}, Dump(row.entries));
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(LineCount(run.out), row.groups) << row.entries;
        EXPECT_TRUE(LastLine(run.out).starts_with(row.last)) << row.entries;
    }
    std::string users = Dump(LargestDumpEntries);
    for (std::size_t entry : {EntriesPerEngine - 1, LargestDumpEntries - 1}) {
        users[entry * 8 + 1] = 0x01;    // rotScale=1
        users[entry * 8 + 3] = 31 << 1; // rotScaleParam=31
    }
    Finished run = RunWith({"dump", "--groups"}, users);
    EXPECT_TRUE(run.out.find("group=31 PA=0000") != std::string::npos);
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(line.ends_with(" users=127"), line.find(" group=31 ") != std::string::npos)
            << line;
    }
}

// An entry is compared where both dumps hold it, by its three attributes; a group where both hold
// its four entries, by their fourth halfwords. The change is made in B where B holds the entry.
TEST(Limits, DiffComparesWhatBothDumpsHoldUpToTheLastGroup) {
    const struct {
        std::size_t entriesA;
        std::size_t entriesB;
        std::size_t entry;
        std::size_t halfword;
        const char* record;
    } rows[] = {
        {256, 256, 255, 3, "engine=B group=31 "},
        {256, 256, 127, 3, "engine=A group=31 "},
        {256, 256, 128, 3, "engine=B group=0 "},
        {256, 256, 0, 3, "engine=A group=0 "},
        {255, 255, 252, 3, ""},
        {132, 132, 131, 3, "engine=B group=0 "},
        {131, 131, 128, 3, ""},
        {4, 4, 3, 3, "engine=A group=0 "},
        {3, 3, 2, 3, ""},
        {3, 4, 3, 3, ""},
        {256, 256, 255, 0, "engine=B index=127 "},
        {256, 256, 255, 2, "engine=B index=127 "},
        {4, 3, 2, 0, "engine=A index=2 "},
        {3, 4, 3, 0, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.entriesA) + "/" + std::to_string(row.entriesB) +
                     " entries, " + std::to_string(row.entry) + "." + std::to_string(row.halfword));
        std::string b = DumpFile(Dump(row.entriesB, row.entry, row.halfword));
        Finished run = RunWith({"diff", "--groups", "-", b}, Dump(row.entriesA));
        std::filesystem::remove(b);
        const bool differ = *row.record != '\0';
        EXPECT_EQ(run.exitCode, differ ? 1 : 0);
        EXPECT_EQ(LineCount(run.out), differ ? 1u : 0u);
        EXPECT_TRUE(run.out.starts_with(row.record)) << run.out;
        EXPECT_EQ(run.err.empty(), row.entriesA == row.entriesB) << run.err;
    }
}

// N output pixels per screen pixel, from 1 to 8.
TEST(Limits, ScreenScaleRunsFrom1To8) {
    const std::string bytes = Dump(1);
    std::vector<int> widths, heights;
    for (int scale : {0, 1, 2, 8, 9}) {
        Finished run = RunWith({"screen", "--scale", std::to_string(scale)}, bytes);
        const bool taken = scale >= 1 && scale <= 8;
        EXPECT_EQ(run.exitCode, taken ? 0 : 64) << scale;
        std::smatch size;
        if (taken &&
            std::regex_search(run.out, size, std::regex(R"re(width="(\d+)" height="(\d+)")re"))) {
            widths.push_back(std::stoi(size[1]) - 256 * scale);
            heights.push_back(std::stoi(size[2]) - 192 * scale);
        }
    }
    ASSERT_EQ(widths.size(), 3u);
    EXPECT_EQ(widths, std::vector<int>(3, widths[0])) << "a screen pixel is not N pixels wide";
    EXPECT_EQ(heights, std::vector<int>(3, heights[0])) << "a screen pixel is not N pixels high";
    EXPECT_EQ(RunWith({"screen"}, bytes).out, RunWith({"screen", "--scale", "2"}, bytes).out);
}

// Each field from 0 to the largest number the help gives it, read back by decode; -1 and one
// past refused; a field in the entry only with one setting of rotScale refused with the other.
TEST(Limits, EveryFieldTakesItsWholeRangeAndNothingPast) {
    const struct {
        const char* name;
        int largest;
        const char* rotScale;
    } fields[] = {
        {"shape", 3, ""},         {"colorsPalettes", 1, ""},
        {"mosaic", 1, ""},        {"mode", 3, ""},
        {"doubleSize", 1, "1"},   {"objDisable", 1, "0"},
        {"rotScale", 1, ""},      {"yCoordinate", 255, ""},
        {"sizeCode", 3, ""},      {"rotScaleParam", 31, "1"},
        {"vFlip", 1, "0"},        {"hFlip", 1, "0"},
        {"xCoordinate", 511, ""}, {"paletteNumber", 15, ""},
        {"priority", 3, ""},      {"tileNumber", 1023, ""},
    };
    std::vector<std::string> lines;
    std::vector<std::pair<std::string, int>> taken; // the field and value of each line encoded
    for (const auto& field : fields) {
        const std::string flag = *field.rotScale ? std::string("rotScale=") + field.rotScale : "";
        for (int value : {-1, 0, field.largest, field.largest + 1}) {
            lines.push_back(flag + " " + field.name + "=" + std::to_string(value));
            taken.emplace_back(field.name, value >= 0 && value <= field.largest ? value : -1);
        }
        if (*field.rotScale) {
            lines.push_back(std::string("rotScale=") + (*field.rotScale == '1' ? "0 " : "1 ") +
                            field.name + "=0");
            taken.emplace_back(field.name, -1);
        }
    }
    const struct {
        const char* size;
        int shape;
        int sizeCode;
    } sizes[] = {{"8  x  8", 0, 0}, {"32 x 64", 2, 3}, {"64 x 16", -1, -1}, {"128 x 128", -1, -1}};
    for (const auto& size : sizes) {
        lines.push_back(std::string("size=") + size.size);
        taken.emplace_back("shape", size.shape);
        lines.push_back(std::string("size=") + size.size);
        taken.emplace_back("sizeCode", size.sizeCode);
    }
    Finished encoded = RunWith({"--json", "--inline-errors", "encode"}, Joined(lines));
    EXPECT_EQ(encoded.exitCode, 2);
    std::vector<nlohmann::json> records = JsonLines(encoded.out);
    ASSERT_EQ(records.size(), lines.size()) << encoded.out;
    std::string entries;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(records[i].is_string(), taken[i].second >= 0) << lines[i] << ": " << records[i];
        entries += records[i].is_string() ? records[i].get<std::string>() + "\n" : "";
    }
    Finished decoded = RunWith({"--json", "decode"}, entries);
    std::vector<nlohmann::json> answers = JsonLines(decoded.out);
    std::size_t answer = 0;
    for (std::size_t i = 0; i < lines.size() && answer < answers.size(); ++i) {
        if (taken[i].second >= 0) {
            EXPECT_EQ(answers[answer++][taken[i].first], taken[i].second) << lines[i];
        }
    }
    EXPECT_EQ(answer, answers.size());
}

// Twelve hexadecimal digits of either case, or six or eight bytes in memory order, with the
// blanks the help names around them (and a byte-order mark before the first line) and no others.
TEST(Limits, AnEntryIsExactlyItsDigitsWithinBlanks) {
    const std::string Mark = "\xEF\xBB\xBF";
    const struct {
        std::vector<std::string> args;
        std::vector<std::pair<std::string, bool>> lines;
    } runs[] = {
        {{"decode"},
         {{Mark + Entry, true},
          {"09afAF09afAF", true},
          {"7464912C5A0", false},
          {"7464912C5A010", false},
          {"7464912C5A0/", false},
          {"7464912C5A0:", false},
          {"7464912C5A0@", false},
          {"7464912C5A0G", false},
          {"7464912C5A0`", false},
          {"7464912C5A0g", false},
          {std::string(" \t\v\f\r") + Entry + " \t\v\f\r", true},
          {std::string("\b") + Entry, false},
          {Entry + std::string("\x0E"), false},
          {"\xC2\xA0" + std::string(Entry), false},
          {Mark + Entry, false}}},
        {{"decode", "--memory-order"},
         {{"64 74 2C 91 01", false},
          {"64 74 2C 91 01 5A", true},
          {"64 74 2C 91 01 5A 00", false},
          {"64 74 2C 91 01 5A 00 01", true},
          {"64 74 2C 91 01 5A 00 01 02", false},
          {"64742C91015A0", false},
          {"\t64742c91015a\f", true}}},
    };
    for (const auto& run : runs) {
        std::string input;
        for (const auto& [line, taken] : run.lines) {
            input += line + "\n";
        }
        std::vector<std::string> args = run.args;
        args.push_back("--inline-errors");
        Finished decoded = RunWith(args, input);
        std::istringstream answers(decoded.out);
        for (const auto& [line, taken] : run.lines) {
            std::string answer;
            std::getline(answers, answer);
            EXPECT_EQ(!answer.starts_with("line="), taken) << testing::PrintToString(line);
            EXPECT_EQ(answer.find("groupHalfword=0100") != std::string::npos,
                      line.ends_with(" 00 01"));
        }
        EXPECT_EQ(decoded.exitCode, 1);
    }
}

// Each value of the matrix rounds to a halfword of signed 8.8, from 8000 (-128.0) to 7FFF
// (127.99609375); angles are any finite decimal number.
TEST(Limits, AffineValuesStayWithinSigned88) {
    const struct {
        std::vector<std::string> args;
        const char* answer; // none: refused
    } rows[] = {
        {{"--scale", "0.0078128"}, "PA=7FFF PB=0000 PC=0000 PD=7FFF "},
        {{"--scale", "0.0078125"}, nullptr},
        {{"--scale", "-0.0078125"}, "PA=8000 PB=0000 PC=0000 PD=8000 "},
        {{"--scale", "-0.00781226"}, nullptr},
        {{"--scale", "1,0.0078128"}, "PA=0100 PB=0000 PC=0000 PD=7FFF "},
        {{"--scale", "1,-0.00781226"}, nullptr},
        {{"--angle", "90", "--scale", "0.0078128"}, "PA=0000 PB=8001 PC=7FFF PD=0000 "},
        {{"--angle", "-1e308"}, "PA="},
        {{"--angle", "1e308"}, "PA="},
        {{"--angle", "1e309"}, nullptr},
        {{"7FFF", "8000", "8000", "7FFF"}, "angle="},
        {{"FFFF", "0", "0", "FFFF"}, "angle=180 "},
        {{"10000", "0", "0", "FFFF"}, nullptr},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args{"affine"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        Finished run = RunWith(args);
        SCOPED_TRACE(testing::PrintToString(row.args));
        EXPECT_EQ(run.exitCode, row.answer ? 0 : 2) << run.err;
        EXPECT_TRUE(run.out.starts_with(row.answer ? row.answer : "")) << run.out;
    }
}

// --inline-errors gives every argument one record, in each format, before or after the command;
// without it arguments are all or nothing.
TEST(Limits, InlineErrorsGiveEachArgumentItsRecord) {
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::vector<std::string> starts; // of each line of standard output
    } rows[] = {
        {{"--inline-errors", "decode", Entry, "bad"}, 1, {"shape=1 ", "line=2 error=\"\\\"bad"}},
        {{"decode", "--inline-errors", Entry, "bad"}, 1, {"shape=1 ", "line=2 error="}},
        {{"decode", "--json", "--inline-errors", "bad", Entry},
         1,
         {R"({"line":1,"input":"bad","error":)", R"({"shape":1,)"}},
        {{"--tsv", "--inline-errors", "decode", Entry, "bad"},
         1,
         {"line\tentry\tshape\t", "1\t7464912C5A01\t1\t", "2\t\t\t"}},
        {{"--inline-errors", "encode", "tileNumber=1024"}, 2, {"line=1 error=\"tileNumber=1024"}},
        {{"encode", "--json", "--inline-errors", "tileNumber=1023"}, 0, {"\"0000000003FF\""}},
        {{"decode", Entry, "bad"}, 1, {}},
        {{"--json", "encode", "tileNumber=1024"}, 2, {}},
    };
    for (const auto& row : rows) {
        Finished run = RunWith(row.args);
        SCOPED_TRACE(testing::PrintToString(row.args));
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_EQ(LineCount(run.out), row.starts.size()) << run.out;
        std::istringstream lines(run.out);
        for (const std::string& start : row.starts) {
            std::string line;
            std::getline(lines, line);
            EXPECT_TRUE(line.starts_with(start)) << line;
        }
        EXPECT_EQ(run.err.empty(), !row.starts.empty()) << run.err;
    }
}

// dump's options together, in every format, before or after the command: --engine keeps one
// engine's records, --visible leaves out the hidden entries (every fourth here) but no group, and
// --groups lists the 32 groups of each engine kept.
TEST(Limits, DumpOptionsCombineInEveryFormat) {
    std::string bytes = Dump(LargestDumpEntries);
    for (std::size_t entry = 0; entry < LargestDumpEntries; entry += 4) {
        bytes[entry * 8 + 1] = 0x02; // objDisable=1 with rotScale=0: hidden
    }
    int combination = 0;
    for (const char* engine : {"", "a", "b"}) {
        for (bool visible : {false, true}) {
            for (bool groups : {false, true}) {
                for (const char* format : {"", "--json", "--tsv"}) {
                    std::vector<std::string> args{"dump"};
                    if (*format) {
                        args.insert(++combination % 2 ? args.begin() : args.end(), format);
                    }
                    if (*engine) {
                        args.insert(args.end(), {"--engine", engine});
                    }
                    if (visible) {
                        args.push_back("--visible");
                    }
                    if (groups) {
                        args.push_back("--groups");
                    }
                    SCOPED_TRACE(testing::PrintToString(args));
                    Finished run = RunWith(args, bytes);
                    EXPECT_EQ(run.exitCode, 0) << run.err;
                    const bool table = std::string(format) == "--tsv";
                    const std::size_t perEngine = groups ? 32 : visible ? 96 : 128;
                    const std::size_t engines = *engine ? 1 : 2;
                    EXPECT_EQ(LineCount(run.out), perEngine * engines + (table ? 1 : 0));
                    const std::string engineName = *engine == 'b' ? "B" : "A";
                    const std::string first = std::string(format) == "--json"
                                                  ? "{\"engine\":\"" + engineName + "\""
                                              : table ? "\n" + engineName + "\t"
                                                      : "engine=" + engineName + " ";
                    EXPECT_EQ(run.out.find(first), table ? run.out.find('\n') : 0) << run.out;
                    if (*engine) {
                        const std::string other = *engine == 'a' ? "B" : "A";
                        EXPECT_EQ(run.out.find("engine=" + other), std::string::npos);
                        EXPECT_EQ(run.out.find("\"engine\":\"" + other), std::string::npos);
                        EXPECT_EQ(run.out.find("\n" + other + "\t"), std::string::npos);
                    }
                }
            }
        }
    }
}

} // namespace
