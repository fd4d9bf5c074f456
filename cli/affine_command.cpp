#include "cli/affine_command.h"

#include "cli/blanks.h"
#include "cli/echo.h"
#include "cli/exit_codes.h"
#include "cli/matrix_cells.h"
#include "codec/affine.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr std::size_t HalfwordDigits = 4;
constexpr int AnglePlaces = 2;
constexpr int ScalePlaces = 3;
constexpr int HexBase = 16;

struct Scales {
    double x = 1;
    double y = 1;
};

std::optional<double> Real(std::string_view text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
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
    std::uint16_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, HexBase);
    if (text.empty() || text.size() > HalfwordDigits || error != std::errc{} ||
        end != text.data() + text.size()) {
        return std::nullopt;
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
    Scales scales;
    if (options.scale) {
        std::optional<Scales> read = ReadScales(*options.scale);
        if (!read) {
            Fail(session, BadFieldExit,
                 "--scale " + QuotedEcho(*options.scale) +
                     ": expected a scale S or SX,SY, each a number other than 0");
            return;
        }
        scales = *read;
    }
    double degrees = options.degrees.value_or(0);
    ExactMatrix exact = MatrixFor(degrees, scales.x, scales.y);
    FixedMatrix matrix{};
    for (std::size_t i = 0; i < MatrixParameters; ++i) {
        std::optional<std::int16_t> fixed = ToFixedPoint(exact[i]);
        if (!fixed) {
            Fail(session, BadFieldExit,
                 std::string(ParameterNames[i]) + " would be " + std::to_string(exact[i]) +
                     ", outside signed 8.8 (-128.0 to 127.99609375): use a larger scale");
            return;
        }
        matrix[i] = *fixed;
    }
    Record record;
    AddMatrixCells(record, matrix);
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
    std::optional<RotationScale> found = RotationScaleOf(matrix);
    if (!found) {
        Fail(session, BadFieldExit, "a row of the matrix is zero: no angle and scale give it");
        return;
    }
    Record record;
    AddDecimal(record, "angle", found->degrees, AnglePlaces);
    AddDecimal(record, "scaleX", found->scaleX, ScalePlaces);
    AddDecimal(record, "scaleY", found->scaleY, ScalePlaces);
    AddNumber(record, "shear", found->shears ? 1 : 0);
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
