// The floor the companion is measured against: the same jobs and the same answers, done the
// plainest fast way, with shifts and masks and buffered output. `floor decode` and `floor encode`
// read one job a line from standard input, as oamcalc-cli decode and encode do.
#include <array>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

namespace {

struct Field {
    const char* name;
    int attribute;
    int shift;
    int width;
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

bool Selected(const Field& field, unsigned rotScale) {
    return field.flag == Always || static_cast<unsigned>(field.flag) == rotScale;
}

int Decode() {
    std::string line;
    while (std::getline(std::cin, line)) {
        std::uint64_t value = std::stoull(line, nullptr, 16);
        std::array<unsigned, 3> attributes = {static_cast<unsigned>(value >> 32 & 0xFFFF),
                                              static_cast<unsigned>(value >> 16 & 0xFFFF),
                                              static_cast<unsigned>(value & 0xFFFF)};
        unsigned rotScale = attributes[0] >> 8 & 1;
        const char* separator = "";
        for (const Field& field : Fields) {
            if (Selected(field, rotScale)) {
                std::cout << separator << field.name << '='
                          << (attributes[field.attribute] >> field.shift &
                              ((1u << field.width) - 1));
                separator = " ";
            }
        }
        std::cout << '\n';
    }
    return 0;
}

int Encode() {
    std::string line;
    while (std::getline(std::cin, line)) {
        std::array<unsigned, 3> attributes{};
        std::string_view rest = line;
        while (!rest.empty()) {
            std::size_t end = rest.find(' ');
            std::string_view word = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
            std::size_t equals = word.find('=');
            unsigned number =
                static_cast<unsigned>(std::stoul(std::string(word.substr(equals + 1))));
            for (const Field& field : Fields) {
                if (word.substr(0, equals) == field.name) {
                    attributes[field.attribute] |= (number & ((1u << field.width) - 1))
                                                   << field.shift;
                }
            }
        }
        char text[16];
        std::snprintf(text, sizeof text, "%04X%04X%04X", attributes[0], attributes[1],
                      attributes[2]);
        std::cout << text << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "decode") {
        return Decode();
    }
    if (mode == "encode") {
        return Encode();
    }
    std::cerr << "usage: floor decode|encode < jobs\n";
    return 64;
}
