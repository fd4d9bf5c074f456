// Puts arbitrary bytes through both readings of an encode job. Whatever the fast reading takes,
// the exact one takes too, with the same fields; and the entry of any job read is the one an
// independent account of the layout gives for those fields.
#include "cli/input/assignments.h"
#include "cli/output/messages.h"
#include "codec/encoder.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/shift_and_mask.h"

namespace {

// Longer than any line the program reads.
constexpr std::size_t LongestJob = 8192;

// The fields the independent account reads back from the entry of `fields`: bit 9 and the five
// bits above the X coordinate are the fields the flag names, and the others read the same bits.
OamFields ReadBack(OamFields fields) {
    if (fields.rotScale != 0) {
        fields.objDisable = fields.doubleSize;
        fields.vFlip = fields.rotScaleParam >> 4 & 1;
        fields.hFlip = fields.rotScaleParam >> 3 & 1;
    } else {
        fields.doubleSize = fields.objDisable;
        fields.rotScaleParam = fields.vFlip << 4 | fields.hFlip << 3;
    }
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > LongestJob) {
        return 0;
    }
    const std::string_view job(reinterpret_cast<const char*>(data), size);
    OamFields plain, exact, read;
    const bool fast = ReadPlainJob(job, plain);
    const std::optional<AssignmentProblem> problem = ReadEveryWord(job, exact);
    Require(!fast || (!problem && plain == exact));
    // A problem names what its message needs: the message is one line.
    Require(!problem || AssignmentMessage(*problem).find('\n') == std::string::npos);
    if (ReadAssignments(job, read)) {
        return 0;
    }
    Require(!problem && read == exact);
    Require(StatesOf(AttributesOfEntry(EncodeEntry(read))) == ReadBack(read));
    return 0;
}
