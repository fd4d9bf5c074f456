#include "cli/commands/affine_command.h"

#include "cli/exit_codes.h"
#include "cli/input/blanks.h"
#include "cli/input/digit_groups.h"
#include "cli/output/answer_rows.h"
#include "cli/output/messages.h"
#include "codec/affine.h"
#include "codec/layout.h"

#include <CLI/CLI.hpp>

#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr const char* AffineExamples = R"(  oamcalc-cli affine --angle 30 --scale 2
  oamcalc-cli affine 0000 FF00 0100 0000
  oamcalc-cli affine "00B5 FF4B 00B5 00B5"
)";

constexpr const char* AffineDetails =
    R"(--angle DEG (counter-clockwise) and --scale S or SX,SY give the matrix as the hardware
uses it, screen to texture: PA = cos/sx, PB = -sin/sx, PC = sin/sy, PD = cos/sy, each rounded to
the nearest 1/256 and refused when outside signed 8.8. Numbers are decimal, finite. Four
halfwords PA PB PC PD, as four arguments or in quotes as one, give back an angle and scales with
the fewest decimals that, given to --angle and --scale, make the same four halfwords (scaleY
negative for a mirror; a zero row takes the smallest scale beyond 512), and shear=0; when no
angle and scales make them, the nearest ones, to 0.01 degree and 0.001, and shear=1.
)";

constexpr std::array AffineTopics = {HelpTopic::ExitCodes};

// Only for a matrix that shears, whose angle and scales are the nearest, not exact.
constexpr int AnglePlaces = 2;
constexpr int ScalePlaces = 3;
constexpr unsigned DigitBits = 4;

constexpr const char* AngleName = "angle";
constexpr const char* ScaleXName = "scaleX";
constexpr const char* ScaleYName = "scaleY";
constexpr const char* ShearName = "shear";

struct Scales {
    double x = 1;
    double y = 1;
};

// Every number option is read here: decimal digits with an optional sign, point and exponent,
// finite; no hexadecimal, no "nan" or "inf", no blanks inside.
std::optional<double> Real(std::string_view text) {
    double value = 0;
    auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<Scales> ReadScales(std::string_view text) {
    std::size_t comma = text.find(',');
    std::optional<double> x = Real(Trimmed(text.substr(0, comma)));
    std::optional<double> y =
        comma == std::string_view::npos ? x : Real(Trimmed(text.substr(comma + 1)));
    if (!x || !y || *x == 0 || *y == 0) {
        return std::nullopt;
    }
    return Scales{*x, *y};
}

std::optional<std::int16_t> ReadHalfword(std::string_view text) {
    if (text.empty() || text.size() > HalfwordDigits) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (char c : text) {
        int digit = DigitValue(c, HexBase);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value << DigitBits | static_cast<unsigned>(digit);
    }
    return static_cast<std::int16_t>(value);
}

// One record, under its own header row in a table.
void WriteTable(Session& session, const Record& record) {
    StartTable(session, record);
    Write(session, record);
}

void Forward(Session& session, const AffineCommand& command) {
    std::optional<double> degrees = 0.0;
    if (command.degrees) {
        degrees = Real(Trimmed(*command.degrees));
        if (!degrees) {
            Fail(session, BadFieldExit, AngleMessage(*command.degrees));
            return;
        }
    }
    Scales scales;
    if (command.scale) {
        std::optional<Scales> read = ReadScales(*command.scale);
        if (!read) {
            Fail(session, BadFieldExit, ScaleMessage(*command.scale));
            return;
        }
        scales = *read;
    }
    ExactMatrix exact = MatrixFor(*degrees, scales.x, scales.y);
    std::optional<FixedMatrix> matrix = FixedMatrixFor(*degrees, scales.x, scales.y);
    if (!matrix) {
        std::size_t i = 0;
        while (ToFixedPoint(exact[i])) {
            ++i;
        }
        Fail(session, BadFieldExit, ParameterOutOfRangeMessage(i, exact[i]));
        return;
    }
    Record record;
    AddMatrixCells(record, *matrix);
    WriteTable(session, record);
}

void Back(Session& session, const std::vector<std::string_view>& parameters) {
    FixedMatrix matrix{};
    for (std::size_t i = 0; i < MatrixParameters; ++i) {
        std::optional<std::int16_t> halfword = ReadHalfword(parameters[i]);
        if (!halfword) {
            Fail(session, BadFieldExit, HalfwordMessage(i, parameters[i]));
            return;
        }
        matrix[i] = *halfword;
    }
    Record record;
    std::optional<RotationScaleTexts> exact = ExactRotationScale(matrix);
    if (exact) {
        AddNumberText(record, AngleName, exact->degrees);
        AddNumberText(record, ScaleXName, exact->scaleX);
        AddNumberText(record, ScaleYName, exact->scaleY);
        AddNumber(record, ShearName, 0);
    } else {
        // A shearing matrix has both rows: a zero row agrees with every angle.
        RotationScale nearest = *NearestRotationScale(matrix);
        AddDecimal(record, AngleName, nearest.degrees, AnglePlaces);
        AddDecimal(record, ScaleXName, nearest.scaleX, ScalePlaces);
        AddDecimal(record, ScaleYName, nearest.scaleY, ScalePlaces);
        AddNumber(record, ShearName, 1);
    }
    WriteTable(session, record);
}

} // namespace

CommandHelp AffineHelp() {
    return {"affine",       "A rotation/scaling matrix from an angle and scales, or back",
            AffineExamples, AffineDetails,
            AffineTopics,   {}};
}

CLI::App* AddAffineCommand(CLI::App& program, AffineCommand& command) {
    CLI::App* affine = AddCommand(program, AffineHelp());
    affine->add_option("--angle", command.degrees, "Degrees, counter-clockwise")->type_name("DEG");
    affine->add_option("--scale", command.scale, "S, or SX,SY")->type_name("S");
    affine->add_option("PARAMETER", command.parameters,
                       "PA PB PC PD, hexadecimal; blanks inside quotes split them");
    return affine;
}

void RunAffine(Session& session, const AffineCommand& command) {
    // The four halfwords as separate arguments or, copied from a memory viewer, in quotes.
    std::vector<std::string_view> parameters;
    for (const std::string& argument : command.parameters) {
        std::vector<std::string_view> words = BlankSeparated(argument);
        parameters.insert(parameters.end(), words.begin(), words.end());
    }
    bool forward = command.degrees || command.scale;
    if (forward == !command.parameters.empty() ||
        (!forward && parameters.size() != MatrixParameters)) {
        Fail(session, UsageExit, AffineUsageMessage());
        return;
    }
    forward ? Forward(session, command) : Back(session, parameters);
}
