// Puts files of any size through dump, screen and diff. A whole number of entries up to both
// engines is a dump and the others are refused with the documented codes (1, and 2 for diff); each
// entry dump prints is the independent account's reading of its bytes; every JSON line parses;
// a dump diffed with itself is the same (0), and with one changed byte differs (1). --on-screen
// keeps the entries that the hardware's rule, applied row by row and column by column below, puts
// a pixel of on the screen.
#include "tests/fuzz/fuzz_support.h"

namespace {

constexpr std::size_t EntryBytes = 8;
constexpr std::size_t LargestDumpBytes = 2048;
constexpr std::size_t AttributeBytes = 6;
constexpr std::size_t EntriesPerGroup = 4;

// Width and height by shape (square, wide, tall) and size code; shape 3 has none.
constexpr int Sides[3][4][2] = {{{8, 8}, {16, 16}, {32, 32}, {64, 64}},
                                {{16, 8}, {32, 8}, {32, 16}, {64, 32}},
                                {{8, 16}, {8, 32}, {16, 32}, {32, 64}}};

// Some row r < 192 with (r - Y) mod 256 below the height, and some column c < 256 with
// (c - X) mod 512 below the width; never for a hidden entry or the prohibited shape.
bool OnScreen(Attributes a) {
    const OamFields s = StatesOf(a);
    if (s.shape == 3 || (!s.rotScale && s.objDisable)) {
        return false;
    }
    int twice = s.rotScale && s.doubleSize ? 2 : 1;
    int width = Sides[s.shape][s.sizeCode][0] * twice;
    int height = Sides[s.shape][s.sizeCode][1] * twice;
    bool row = false, column = false;
    for (int r = 0; r < 192; ++r) {
        row = row || (r - s.yCoordinate + 256) % 256 < height;
    }
    for (int c = 0; c < 256; ++c) {
        column = column || (c - s.xCoordinate + 512) % 512 < width;
    }
    return row && column;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool isDump = size >= EntryBytes && size <= LargestDumpBytes && size % EntryBytes == 0;

    Ran dump = RunProgram({"dump", "--json"}, bytes);
    Require(dump.exitCode == (isDump ? 0 : 1));
    std::vector<nlohmann::json> entries = JsonLines(dump.out);
    Require(entries.size() == (isDump ? size / EntryBytes : 0));
    std::vector<nlohmann::json> onScreen =
        JsonLines(RunProgram({"dump", "--json", "--on-screen"}, bytes).out);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Attributes attributes = AttributesAt(data + i * EntryBytes);
        Require(entries[i]["entry"] == EntryText(attributes));
        Require(entries[i]["tileNumber"] == StatesOf(attributes).tileNumber);
        if (OnScreen(attributes)) {
            Require(kept < onScreen.size() && onScreen[kept++] == entries[i]);
        }
    }
    Require(kept == onScreen.size());
    for (const char* format : {"--tsv", "--groups", "--visible", "--on-screen"}) {
        Require(RunProgram({"dump", format}, bytes).exitCode == dump.exitCode);
    }
    JsonLines(RunProgram({"dump", "--groups", "--json"}, bytes).out);

    Require(RunProgram({"screen"}, bytes).exitCode == dump.exitCode);

    Ran same = RunProgram({"diff", "--groups", "-", std::string(SecondFile)}, bytes, bytes);
    Require(same.exitCode == (isDump ? 0 : 2) && same.out.empty());
    if (isDump) {
        // One changed bit, where the first two bytes say: its entry differs, or its group when
        // the dump holds the group whole.
        std::size_t at = (data[0] | data[1] << 8) % size;
        std::string changed(bytes);
        changed[at] = static_cast<char>(changed[at] ^ 1);
        std::size_t entry = at / EntryBytes;
        bool differs = at % EntryBytes < AttributeBytes ||
                       (entry / EntriesPerGroup + 1) * EntriesPerGroup * EntryBytes <= size;
        Ran differ = RunProgram({"diff", "--json", "--groups", "-", std::string(SecondFile)},
                                changed, bytes);
        Require(differ.exitCode == (differs ? 1 : 0));
        Require(JsonLines(differ.out).size() == (differs ? 1u : 0u));
    }
    return 0;
}
