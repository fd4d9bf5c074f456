#include "cli/jobs.h"

#include "cli/assignments.h"
#include "cli/output.h"
#include "codec/decoder.h"
#include "codec/encoder.h"
#include "codec/layout.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

namespace {

constexpr const char* NotAnEntryMessage = "This is not a valid 6 bytes OAM";
// A line ending of a file written on Windows is a blank too.
constexpr const char* Blanks = " \t\r";

// The encoder takes the window's control states; the size list's item carries the shape too.
FieldStates StatesOf(const OamFields& f) {
    FieldStates states;
    states.shape = f.shape;
    states.colorsPalettes = f.colorsPalettes;
    states.mosaic = f.mosaic;
    states.mode = f.mode;
    states.doubleSize = f.doubleSize;
    states.objDisable = f.objDisable;
    states.rotScale = f.rotScale;
    states.yCoordinate = f.yCoordinate;
    states.sizeItem = SizeItem(f.shape, f.sizeCode);
    states.rotScaleParam = f.rotScaleParam;
    states.vFlip = f.vFlip;
    states.hFlip = f.hFlip;
    states.xCoordinate = f.xCoordinate;
    states.paletteNumber = f.paletteNumber;
    states.priority = f.priority;
    states.tileNumber = f.tileNumber;
    return states;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

} // namespace

Outcome DecodeJob(std::string_view entry, bool json) {
    std::optional<OamFields> fields = DecodeEntry(entry);
    if (!fields) {
        return {BadEntryExit, "\"" + std::string(entry) + "\": " + NotAnEntryMessage +
                                  " (twelve hexadecimal digits expected)"};
    }
    return {SuccessExit, json ? FieldsJson(*fields) : FieldsText(*fields)};
}

Outcome EncodeJob(std::span<const std::string> words, bool json) {
    OamFields fields;
    if (std::optional<std::string> problem = ReadAssignments(words, fields)) {
        return {BadFieldExit, *problem};
    }
    Text entry = EncodeEntry(StatesOf(fields));
    return {SuccessExit, json ? EntryJson(entry) : entry};
}

int RunLines(std::istream& in, std::ostream& out, std::ostream& err, JobKind kind, bool json) {
    int worst = SuccessExit;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::vector<std::string> words = Words(line);
        if (words.empty()) {
            continue;
        }
        bool encode = kind == JobKind::Encode ||
                      (kind == JobKind::ByContent && line.find('=') != std::string::npos);
        // An entry line keeps its inner blanks, so "7464 912C 5A01" is refused, not joined.
        std::string entry = line.substr(line.find_first_not_of(Blanks));
        entry.erase(entry.find_last_not_of(Blanks) + 1);
        Outcome outcome = encode ? EncodeJob(words, json) : DecodeJob(entry, json);
        if (outcome.exitCode == SuccessExit) {
            out << outcome.text << '\n' << std::flush;
        } else {
            err << ProgramName << ": line " << number << ": " << outcome.text << '\n';
            worst = std::max(worst, outcome.exitCode);
        }
    }
    return worst;
}
