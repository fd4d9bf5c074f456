#include "cli/commands/affine_command.h"

#include "cli/exit_codes.h"
#include "cli/input/blanks.h"
#include "cli/matrix_cells.h"
#include "cli/output/messages.h"
#include "codec/affine.h"
#include "codec/layout.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr std::size_t HalfwordDigits = 4;
// Only for a matrix that shears, whose angle and scales are the nearest, not exact.
constexpr int AnglePlaces = 2;
constexpr int ScalePlaces = 3;
constexpr unsigned DigitBits = 4;

constexpr int ShownPlaces = 3;
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

void Write(Session& session, const Record& record) {
    if (session.format == Format::Table) {
        WriteHeader(session.out.buffer, record);
    }
    WriteRecord(session.out.buffer, session.format, record);
    EndRecord(session.out);
}

void Forward(Session& session, const AffineOptions& options) {
    std::optional<double> degrees = 0.0;
    if (options.degrees) {
        degrees = Real(Trimmed(*options.degrees));
        if (!degrees) {
            Fail(session, BadFieldExit,
                 "--angle " + QuotedEcho(*options.degrees) + ": expected a decimal number");
            return;
        }
    }
    Scales scales;
    if (options.scale) {
        std::optional<Scales> read = ReadScales(*options.scale);
        if (!read) {
            Fail(session, BadFieldExit,
                 "--scale " + QuotedEcho(*options.scale) +
                     ": expected a scale S or SX,SY, each a decimal number other than 0");
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
        std::string value;
        AppendDecimal(value, exact[i], ShownPlaces);
        Fail(session, BadFieldExit,
             "--scale: " + std::string(ParameterNames[i]) + " would be " + value +
                 ", outside signed 8.8 (-128.0 to 127.99609375): use a larger scale");
        return;
    }
    Record record;
    AddMatrixCells(record, *matrix);
    Write(session, record);
}

void Back(Session& session, const AffineOptions& options) {
    FixedMatrix matrix{};
    for (std::size_t i = 0; i < MatrixParameters; ++i) {
        std::optional<std::int16_t> halfword = ReadHalfword(Trimmed(options.parameters[i]));
        if (!halfword) {
            Fail(session, BadFieldExit,
                 std::string(ParameterNames[i]) + " " + QuotedEcho(options.parameters[i]) +
                     ": expected a halfword of 1 to 4 hexadecimal digits");
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
    Write(session, record);
}

} // namespace

void RunAffine(Session& session, const AffineOptions& options) {
    bool forward = options.degrees || options.scale;
    if (forward == !options.parameters.empty() ||
        (!forward && options.parameters.size() != MatrixParameters)) {
        Fail(session, UsageExit,
             "affine takes --angle and/or --scale, or the four halfwords PA PB PC PD");
        return;
    }
    forward ? Forward(session, options) : Back(session, options);
}
