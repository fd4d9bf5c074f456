// Puts arbitrary texts through the number options: --angle and --scale of affine, and --scale of
// screen. Held to an account written apart: a number is decimal as C reads it, with no base
// prefix, no "inf" or "nan" and no leading "+"; affine gives each parameter within half a step of
// the exact matrix, or refuses one beyond signed 8.8; the matrix it gives, read back, names an
// angle and scales that give it again; screen takes exactly the decimal numbers 1 to 8, leading
// zeros and blanks around allowed. Four halfwords in one argument, blanks between, are read as the
// same four given one an argument.
#include "tests/fuzz/fuzz_support.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr std::size_t LongestOption = 256;
constexpr double Step = 1.0 / 256;
constexpr double LargestParameter = 32767 * Step;
constexpr double SmallestParameter = -32768 * Step;
const std::string Parameters[] = {"PA", "PB", "PC", "PD"};

std::string_view Trim(std::string_view text) {
    std::size_t start = text.find_first_not_of(Blanks);
    if (start == std::string_view::npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(Blanks) - start + 1);
}

// Nothing for a text that is no decimal number, and for one too large or too small for a double,
// where either reading may stand.
struct Decimal {
    bool number = false;
    bool unsure = false;
    double value = 0;
};

Decimal DecimalOf(std::string_view text) {
    text = Trim(text);
    if (text.empty() || text.front() == '+' ||
        text.find_first_not_of("0123456789.eE+-") != std::string_view::npos) {
        return {};
    }
    std::string copy(text);
    char* end = nullptr;
    errno = 0;
    double value = std::strtod(copy.c_str(), &end);
    return {end == copy.c_str() + copy.size() && std::isfinite(value), errno == ERANGE, value};
}

void CheckAffine(std::string_view angleText, std::string_view scaleText) {
    Ran ran = RunProgram({"affine", "--json", "--angle=" + std::string(angleText),
                          "--scale=" + std::string(scaleText)});
    // "--angle=" gives the option no value; the parser then takes the next argument for it, or
    // finds it missing. Either way it is refused.
    if (angleText.empty() || scaleText.empty()) {
        Require((ran.exitCode == 2 || ran.exitCode == 64) && ran.out.empty());
        return;
    }
    Require(ran.exitCode == 0 || ran.exitCode == 2);
    Decimal angle = DecimalOf(angleText);
    std::size_t comma = scaleText.find(',');
    Decimal scaleX = DecimalOf(scaleText.substr(0, comma));
    Decimal scaleY =
        comma == std::string_view::npos ? scaleX : DecimalOf(scaleText.substr(comma + 1));
    if (angle.unsure || scaleX.unsure || scaleY.unsure) {
        return;
    }
    bool numbers =
        angle.number && scaleX.number && scaleY.number && scaleX.value != 0 && scaleY.value != 0;
    if (!numbers) {
        Require(ran.exitCode == 2 && ran.out.empty());
        return;
    }
    double radians = std::fmod(angle.value, 360) * std::numbers::pi / 180;
    const double exact[] = {std::cos(radians) / scaleX.value, -std::sin(radians) / scaleX.value,
                            std::sin(radians) / scaleY.value, std::cos(radians) / scaleY.value};
    bool fits = true;
    for (double parameter : exact) {
        // Near the edge of signed 8.8 either answer may stand: the rounding decides.
        if (parameter > LargestParameter + Step || parameter < SmallestParameter - Step) {
            fits = false;
        } else if (parameter > LargestParameter - Step || parameter < SmallestParameter + Step) {
            return;
        }
    }
    Require((ran.exitCode == 0) == fits);
    if (!fits) {
        return;
    }
    std::vector<nlohmann::json> lines = JsonLines(ran.out);
    Require(lines.size() == 1);
    const nlohmann::json& matrix = lines[0];
    // Back from the halfwords to an angle and scales, and forward again to the same halfwords.
    std::vector<std::string> halfwords{"affine", "--json"};
    for (std::size_t i = 0; i < 4; ++i) {
        Require(std::abs(matrix[Parameters[i] + "Value"].get<double>() - exact[i]) <=
                Step / 2 + 1e-9);
        halfwords.push_back(matrix[Parameters[i]]);
    }
    Ran back = RunProgram(halfwords);
    Require(back.exitCode == 0);
    nlohmann::json named = JsonLines(back.out).at(0);
    if (named["shear"] != 0) {
        return;
    }
    Ran again = RunProgram({"affine", "--json", "--angle=" + named["angle"].dump(),
                            "--scale=" + named["scaleX"].dump() + "," + named["scaleY"].dump()});
    Require(again.exitCode == 0);
    nlohmann::json same = JsonLines(again.out).at(0);
    for (const std::string& name : Parameters) {
        Require(same[name] == matrix[name]);
    }
}

void CheckScreenScale(std::string_view scaleText) {
    const std::string oneEntry(8, '\0');
    Ran ran = RunProgram({"screen", "--scale=" + std::string(scaleText)}, oneEntry);
    Require(ran.exitCode == 0 || ran.exitCode == 64);
    std::string_view digits = Trim(scaleText);
    bool decimal =
        !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
    std::size_t nonZero = digits.find_first_not_of('0');
    bool inRange = decimal && nonZero != std::string_view::npos && digits.size() - nonZero == 1 &&
                   digits[nonZero] <= '8';
    Require((ran.exitCode == 0) == inRange);
    if (inRange) {
        Ran plain = RunProgram({"screen", "--scale", std::string(1, digits.back())}, oneEntry);
        Require(ran.out == plain.out);
    }
}

void CheckQuotedHalfwords(std::string_view text) {
    std::vector<std::string> separate{"affine", "--json"};
    for (std::size_t start = text.find_first_not_of(Blanks); start != std::string_view::npos;) {
        std::size_t end = std::min(text.find_first_of(Blanks, start), text.size());
        separate.emplace_back(text.substr(start, end - start));
        start = text.find_first_not_of(Blanks, end);
    }
    // A word that starts with "-" is an option when it stands alone.
    if (std::any_of(separate.begin() + 2, separate.end(),
                    [](const std::string& word) { return word.starts_with('-'); })) {
        return;
    }
    Ran quoted = RunProgram({"affine", "--json", std::string(text)});
    Ran apart = RunProgram(separate);
    Require(quoted.exitCode == apart.exitCode && quoted.out == apart.out &&
            quoted.err == apart.err);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (size > LongestOption || text.find('\0') != std::string_view::npos) {
        return 0;
    }
    std::size_t split = text.find('\n');
    std::string_view first = text.substr(0, split);
    std::string_view second = split == std::string_view::npos ? "1" : text.substr(split + 1);
    CheckAffine(first, second);
    CheckScreenScale(first);
    CheckQuotedHalfwords(first);
    return 0;
}
