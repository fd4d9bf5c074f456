// Puts arbitrary bytes through both readings of an encode job. Whatever the fast reading takes,
// the exact one takes too, with the same fields; and the entry of any job read is the one an
// independent account of the layout gives for those fields. Then reads the same bytes as an entry
// and changes to it: the program's edit in place is the independent account's, and every way a
// person may write a change (a short name, any case, hexadecimal, a negative coordinate) gives the
// same answer as the long name in decimal, in arguments and in a batch line alike.
#include "cli/input/assignments.h"
#include "cli/input/field_names.h"
#include "cli/output/messages.h"
#include "codec/bit_fields.h"
#include "codec/encoder.h"
#include "tests/fuzz/fuzz_support.h"

#include <cctype>

namespace {

// Longer than any line the program reads.
constexpr std::size_t LongestJob = 8192;
constexpr std::size_t EntryBytes = 6;
constexpr std::size_t ChangeBytes = 4;

// Whether the flag, at `rotScale`, selects the field: bit 9 and the five bits above the X
// coordinate are each two fields, one for either side of the flag.
bool Selected(std::int32_t OamFields::*field, int rotScale) {
    if (field == &OamFields::doubleSize || field == &OamFields::rotScaleParam) {
        return rotScale == 1;
    }
    return rotScale == 0 || (field != &OamFields::objDisable && field != &OamFields::vFlip &&
                             field != &OamFields::hFlip);
}

void CheckReadings(std::string_view job) {
    OamFields plain, exact;
    std::uint32_t plainGiven = 0, exactGiven = 0;
    const bool fast = ReadPlainJob(job, plain, plainGiven);
    const std::optional<AssignmentProblem> problem = ReadEveryWord(job, exact, exactGiven);
    Require(!fast || (!problem && plain == exact && plainGiven == exactGiven));
    // A problem names what its message needs: the message is one line.
    Require(!problem || AssignmentMessage(*problem).find('\n') == std::string::npos);
    EntryChanges read;
    if (ReadEncodeJob(job, false, read) || read.start) {
        return;
    }
    Require(!problem && read.fields == exact);
    Attributes selected{};
    for (const FieldBits& bits : EveryFieldBits) {
        if (Selected(bits.field, read.fields.rotScale)) {
            selected = WithState(selected, bits, read.fields.*bits.field);
        }
    }
    Require(EncodeEntry(read.fields) == EntryText(selected));
    Require(WithFields({}, read.fields, read.given) == WordsOfFields(read.fields));
}

std::string Cased(std::string_view name, unsigned form) {
    std::string cased(name);
    for (std::size_t i = 0; i < cased.size(); ++i) {
        auto c = static_cast<unsigned char>(cased[i]);
        bool upper = form == 1 || (form == 3 && i % 2 == 0);
        cased[i] = static_cast<char>(upper ? std::toupper(c) : form == 2 ? std::tolower(c) : c);
    }
    return cased;
}

std::string Hexadecimal(int value, bool upper) {
    char digits[16];
    std::snprintf(digits, sizeof digits, upper ? "0X%X" : "0x%x", value);
    return digits;
}

// One change as a person may write it, chosen by the bits of `form`.
std::string Written(std::size_t index, int value, unsigned form) {
    const FieldLayout& field = EntryFields[index];
    std::string_view name = field.name;
    std::string_view shortName = ShortNamesOf(field)[form >> 6 & 1];
    if ((form & 1) != 0 && !shortName.empty()) {
        name = shortName;
    }
    std::string number =
        (form & 8) != 0 ? Hexadecimal(value, (form & 16) != 0) : std::to_string(value);
    // The positions left of and above the screen, as dump shows them.
    bool x = field.value == &OamFields::xCoordinate, y = field.value == &OamFields::yCoordinate;
    if ((form & 32) != 0 && ((x && value >= 256) || (y && value >= 192))) {
        number = "-" + std::to_string((x ? 512 : 256) - value);
    }
    return Cased(name, form >> 1 & 3) + "=" + number;
}

struct Ask {
    std::vector<std::string> canonical, written;
};

void CheckEdit(const std::uint8_t* data, std::size_t size) {
    if (size < EntryBytes) {
        return;
    }
    const Attributes entry = AttributesAt(data);
    Attributes expected = entry;
    std::uint32_t named = 0;
    bool valid = true;
    Ask ask;
    int rotScale = entry.attr0 >> 8 & 1;
    for (std::size_t at = EntryBytes; at + ChangeBytes <= size && ask.written.size() < 20;
         at += ChangeBytes) {
        std::size_t index = data[at] % std::size(EveryFieldBits);
        const FieldBits& bits = EveryFieldBits[index];
        int value = (data[at + 1] << 8 | data[at + 2]) & ((data[at] & 0x80) ? 0xFFFF : bits.mask);
        valid = valid && value <= bits.mask && (named >> index & 1) == 0;
        named |= 1u << index;
        if (bits.field == &OamFields::rotScale) {
            rotScale = value;
        }
        if (value <= bits.mask) {
            expected = WithState(expected, bits, value);
        }
        ask.canonical.push_back(std::string(EntryFields[index].name) + "=" + std::to_string(value));
        ask.written.push_back(Written(index, value, data[at + 3]));
    }
    // Every field named must be one the flag selects as the job leaves it.
    for (std::size_t index = 0; index < std::size(EveryFieldBits); ++index) {
        if ((named >> index & 1) != 0 && !Selected(EveryFieldBits[index].field, rotScale)) {
            valid = false;
        }
    }
    std::vector<std::string> args{"encode", EntryText(entry)};
    args.insert(args.end(), ask.canonical.begin(), ask.canonical.end());
    Ran canonical = RunProgram(args);
    Require(valid ? canonical.exitCode == 0 && canonical.out == EntryText(expected) + "\n"
                  : canonical.exitCode == 2 && canonical.out.empty());
    std::string line = EntryText(entry);
    for (const std::string& change : ask.written) {
        line += " " + change;
    }
    Ran written = RunProgram({"encode"}, line + "\n");
    Require(written.exitCode == canonical.exitCode && written.out == canonical.out);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > LongestJob) {
        return 0;
    }
    CheckReadings(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckEdit(data, size);
    return 0;
}
