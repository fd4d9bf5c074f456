// The floor the companion is measured against: the same jobs and the same answers, done the
// tightest plain way: standard input read in large blocks, fields cut with shifts and masks,
// answers written into one output buffer that goes out when full. No checks: the jobs are known
// to be good. `floor decode`, `floor decode-json` and `floor encode` read one job a line, as
// oamcalc-cli decode, decode --json and encode do.
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <unistd.h>

namespace {

constexpr std::size_t BlockBytes = 1 << 16;
constexpr std::size_t LongestAnswer = 512;

struct Field {
    std::string_view name;
    unsigned attribute;
    unsigned shift;
    unsigned width;
    int flag; // -1: always; 1: only with rotScale on; 0: only with it off
};

constexpr int Always = -1;
constexpr std::array<Field, 16> Fields = {{
    {"shape", 0, 14, 2, Always},
    {"colorsPalettes", 0, 13, 1, Always},
    {"mosaic", 0, 12, 1, Always},
    {"mode", 0, 10, 2, Always},
    {"doubleSize", 0, 9, 1, 1},
    {"objDisable", 0, 9, 1, 0},
    {"rotScale", 0, 8, 1, Always},
    {"yCoordinate", 0, 0, 8, Always},
    {"sizeCode", 1, 14, 2, Always},
    {"rotScaleParam", 1, 9, 5, 1},
    {"vFlip", 1, 13, 1, 0},
    {"hFlip", 1, 12, 1, 0},
    {"xCoordinate", 1, 0, 9, Always},
    {"paletteNumber", 2, 12, 4, Always},
    {"priority", 2, 10, 2, Always},
    {"tileNumber", 2, 0, 10, Always},
}};

struct Output {
    std::array<char, BlockBytes + LongestAnswer> bytes;
    std::size_t used = 0;
};

void Send(Output& out) {
    for (std::size_t sent = 0; sent < out.used;) {
        ssize_t count = write(1, out.bytes.data() + sent, out.used - sent);
        if (count <= 0) {
            _exit(74);
        }
        sent += static_cast<std::size_t>(count);
    }
    out.used = 0;
}

void Put(Output& out, std::string_view text) {
    std::memcpy(out.bytes.data() + out.used, text.data(), text.size());
    out.used += text.size();
}

void PutNumber(Output& out, unsigned number) {
    char digits[4];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number != 0);
    while (count > 0) {
        out.bytes[out.used++] = digits[--count];
    }
}

// Calls `job` with each line of standard input, without its line feed.
template <typename Job>
void EachLine(Job job) {
    static std::array<char, BlockBytes * 2> block;
    std::size_t held = 0;
    for (;;) {
        ssize_t count = read(0, block.data() + held, BlockBytes);
        if (count <= 0) {
            if (held > 0) {
                job(std::string_view(block.data(), held));
            }
            return;
        }
        held += static_cast<std::size_t>(count);
        std::size_t start = 0;
        for (const char* feed; (feed = static_cast<const char*>(
                                    std::memchr(block.data() + start, '\n', held - start)));) {
            auto end = static_cast<std::size_t>(feed - block.data());
            job(std::string_view(block.data() + start, end - start));
            start = end + 1;
        }
        std::memmove(block.data(), block.data() + start, held - start);
        held -= start;
    }
}

constexpr std::array<std::uint8_t, 256> HexValues = [] {
    std::array<std::uint8_t, 256> values{};
    for (int i = 0; i < 10; ++i) {
        values['0' + i] = static_cast<std::uint8_t>(i);
    }
    for (int i = 0; i < 6; ++i) {
        values['A' + i] = values['a' + i] = static_cast<std::uint8_t>(10 + i);
    }
    return values;
}();

void Decode(bool json) {
    Output out;
    EachLine([&](std::string_view line) {
        std::array<unsigned, 3> attributes{};
        for (std::size_t i = 0; i < 12; ++i) {
            attributes[i / 4] =
                attributes[i / 4] << 4 | HexValues[static_cast<std::uint8_t>(line[i])];
        }
        int rotScale = static_cast<int>(attributes[0] >> 8 & 1);
        if (json) {
            out.bytes[out.used++] = '{';
        }
        std::size_t first = out.used;
        for (const Field& field : Fields) {
            if (field.flag == Always || field.flag == rotScale) {
                if (out.used != first) {
                    out.bytes[out.used++] = json ? ',' : ' ';
                }
                if (json) {
                    out.bytes[out.used++] = '"';
                    Put(out, field.name);
                    Put(out, "\":");
                } else {
                    Put(out, field.name);
                    out.bytes[out.used++] = '=';
                }
                PutNumber(out,
                          attributes[field.attribute] >> field.shift & ((1u << field.width) - 1));
            }
        }
        Put(out, json ? "}\n" : "\n");
        if (out.used >= BlockBytes) {
            Send(out);
        }
    });
    Send(out);
}

void Encode() {
    static constexpr char Digits[] = "0123456789ABCDEF";
    Output out;
    EachLine([&](std::string_view line) {
        std::array<unsigned, 3> attributes{};
        while (!line.empty()) {
            std::size_t equals = line.find('=');
            std::string_view name = line.substr(0, equals);
            unsigned number = 0;
            std::size_t i = equals + 1;
            for (; i < line.size() && line[i] != ' '; ++i) {
                number = number * 10 + static_cast<unsigned>(line[i] - '0');
            }
            for (const Field& field : Fields) {
                if (field.name == name) {
                    attributes[field.attribute] |= number << field.shift;
                    break;
                }
            }
            line.remove_prefix(std::min(i + 1, line.size()));
        }
        for (unsigned attribute : attributes) {
            for (int shift = 12; shift >= 0; shift -= 4) {
                out.bytes[out.used++] = Digits[attribute >> shift & 0xF];
            }
        }
        out.bytes[out.used++] = '\n';
        if (out.used >= BlockBytes) {
            Send(out);
        }
    });
    Send(out);
}

} // namespace

int main(int argc, char** argv) {
    std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "decode" || mode == "decode-json") {
        Decode(mode == "decode-json");
        return 0;
    }
    if (mode == "encode") {
        Encode();
        return 0;
    }
    static constexpr std::string_view Usage = "usage: floor decode|decode-json|encode < jobs\n";
    return write(2, Usage.data(), Usage.size()) < 0 ? 74 : 64;
}
