// Puts arbitrary input through the batches with --json and --inline-errors, by content and as
// memory order: every line written is valid UTF-8 and parses as JSON, and every non-blank line of
// the input gives exactly one.
#include "tests/fuzz/fuzz_support.h"

namespace {

constexpr std::size_t LargestInput = 64 * 1024;
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::size_t NonBlankLines(std::string_view input) {
    if (input.starts_with(ByteOrderMark)) {
        input.remove_prefix(ByteOrderMark.size());
    }
    std::size_t count = 0;
    while (!input.empty()) {
        std::size_t end = std::min(input.find('\n'), input.size());
        count += input.substr(0, end).find_first_not_of(Blanks) != std::string_view::npos;
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > LargestInput) {
        return 0;
    }
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--json", "--inline-errors"},
          std::vector<std::string>{"decode", "--memory-order", "--json", "--inline-errors"}}) {
        Ran ran = RunProgram(args, input);
        Require(ran.exitCode <= 2 && ran.err.empty());
        Require(JsonLines(ran.out).size() == NonBlankLines(input));
    }
    return 0;
}
