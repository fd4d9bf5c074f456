#include "codec/affine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace {

constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double QuarterTurn = std::numbers::pi / 2;
constexpr double FullTurn = 2 * std::numbers::pi;
constexpr double HalfStep = 0.5; // a parameter rounds to P from within half a step of it
constexpr double HalfTurnDegrees = 180;
constexpr int DecimalBase = 10;
// Enough for any angle or scale a matrix can need, and few enough that k * 10^places fits in 64
// bits for every angle (at most 360) and scale (at most 512, beyond which a row is zero).
constexpr int MostPlaces = 15;
// The decimals of a count nearest the middle of a range that are tried before one more decimal;
// away from the ends of the range every one of them works.
constexpr int CandidatesPerCount = 4;

// A closed range; empty when low > high.
struct Range {
    double low = 0;
    double high = 0;
};

bool IsEmpty(Range range) {
    return !(range.low <= range.high);
}

// The ray directions from the origin through the square of values that round to (p, q), which
// must not hold the origin: its corners' directions, all within a quarter turn of its centre's.
Range RayArc(std::int16_t p, std::int16_t q) {
    double centre = std::atan2(q, p);
    Range offsets{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()};
    for (double dx : {-HalfStep, HalfStep}) {
        for (double dy : {-HalfStep, HalfStep}) {
            double offset = std::remainder(std::atan2(q + dy, p + dx) - centre, FullTurn);
            offsets = {std::min(offsets.low, offset), std::max(offsets.high, offset)};
        }
    }
    return {centre + offsets.low, centre + offsets.high};
}

Range Turned(Range range, double by) {
    return {range.low + by, range.high + by};
}

// Two arcs of less than half a turn each overlap, if at all, once `b` is moved by whole turns
// next to `a`.
Range Overlap(Range a, Range b) {
    double apart = b.low - a.low;
    b = Turned(b, std::remainder(apart, FullTurn) - apart);
    return {std::max(a.low, b.low), std::min(a.high, b.high)};
}

// The directions of (cos a, -sin a), the angle a negated, for which row 1 can lie on its square
// and row 2, a quarter turn further (or, mirrored, a quarter turn back), on its own.
Range Directions(const FixedMatrix& m) {
    bool zero1 = m[0] == 0 && m[1] == 0;
    bool zero2 = m[2] == 0 && m[3] == 0;
    if (zero1 && zero2) {
        return {-std::numbers::pi, std::numbers::pi};
    }
    if (zero1) {
        return Turned(RayArc(m[2], m[3]), -QuarterTurn);
    }
    Range row1 = RayArc(m[0], m[1]);
    if (zero2) {
        return row1;
    }
    Range row2 = RayArc(m[2], m[3]);
    Range both = Overlap(row1, Turned(row2, -QuarterTurn));
    if (IsEmpty(both)) {
        both = Overlap(row1, Turned(row2, QuarterTurn));
    }
    return both;
}

std::int64_t PowerOfTen(int places) {
    std::int64_t power = 1;
    for (int i = 0; i < places; ++i) {
        power *= DecimalBase;
    }
    return power;
}

// The numbers k / 10^places in the range to try, nearest its middle first, or from its low end.
std::vector<std::int64_t> Candidates(Range range, int places, bool fromLow) {
    auto power = static_cast<double>(PowerOfTen(places));
    double low = std::ceil(range.low * power);
    double high = std::floor(range.high * power);
    std::vector<std::int64_t> candidates;
    if (low > high) {
        return candidates;
    }
    double start = fromLow ? low : std::clamp(std::round((low + high) / 2), low, high);
    candidates.push_back(static_cast<std::int64_t>(start));
    for (double step = 1; candidates.size() < CandidatesPerCount && step <= high - low; ++step) {
        for (double k : {start + step, start - step}) {
            if (k >= low && k <= high && candidates.size() < CandidatesPerCount) {
                candidates.push_back(static_cast<std::int64_t>(k));
            }
        }
    }
    return candidates;
}

// k / 10^places written out, without the zeros a shorter text does not need.
Text DecimalText(std::int64_t k, int places) {
    std::int64_t power = PowerOfTen(places);
    std::uint64_t magnitude =
        k < 0 ? 0 - static_cast<std::uint64_t>(k) : static_cast<std::uint64_t>(k);
    Text text = k < 0 ? "-" : "";
    text += std::to_string(magnitude / static_cast<std::uint64_t>(power));
    Text fraction =
        places == 0 ? "" : std::to_string(magnitude % static_cast<std::uint64_t>(power));
    fraction = Text(static_cast<std::size_t>(places) - fraction.size(), '0') + fraction;
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return fraction.empty() ? text : text + "." + fraction;
}

double ReadDecimal(const Text& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The scales that put a row of MatrixFor(degrees, scale, scale) on the square of (p, q): with each
// coefficient k of the row, k / scale rounds to its parameter. A zero row is met by every scale
// from some size on; the positive ones are taken.
std::optional<Range> ScalesFor(double k1, double k2, std::int16_t p, std::int16_t q,
                               bool& fromLow) {
    Range inverse{std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max()};
    for (auto [k, parameter] : {std::pair{k1, p}, std::pair{k2, q}}) {
        double stepLow = (parameter - HalfStep) / FixedPointOne;
        double stepHigh = (parameter + HalfStep) / FixedPointOne;
        if (k == 0) {
            if (parameter != 0) {
                return std::nullopt;
            }
            continue;
        }
        Range by{std::min(stepLow / k, stepHigh / k), std::max(stepLow / k, stepHigh / k)};
        inverse = {std::max(inverse.low, by.low), std::min(inverse.high, by.high)};
    }
    if (IsEmpty(inverse)) {
        return std::nullopt;
    }
    fromLow = inverse.low <= 0 && inverse.high > 0;
    if (fromLow) {
        return Range{1 / inverse.high, 2 / inverse.high};
    }
    return Range{1 / inverse.high, 1 / inverse.low};
}

// The scale text with the fewest decimals that puts row `row` (0 or 1) of the matrix back.
std::optional<Text> ScaleText(double degrees, const FixedMatrix& matrix, std::size_t row) {
    ExactMatrix unit = MatrixFor(degrees, 1, 1);
    std::size_t first = row * 2;
    bool fromLow = false;
    std::optional<Range> scales =
        ScalesFor(unit[first], unit[first + 1], matrix[first], matrix[first + 1], fromLow);
    if (!scales) {
        return std::nullopt;
    }
    for (int places = 0; places <= MostPlaces; ++places) {
        for (std::int64_t k : Candidates(*scales, places, fromLow)) {
            Text text = DecimalText(k, places);
            double scale = ReadDecimal(text);
            ExactMatrix exact = MatrixFor(degrees, scale, scale);
            if (scale != 0 && ToFixedPoint(exact[first]) == matrix[first] &&
                ToFixedPoint(exact[first + 1]) == matrix[first + 1]) {
                return text;
            }
        }
    }
    return std::nullopt;
}

// The same angle written more than -180 and at most 180 degrees.
std::int64_t WithinHalfTurn(std::int64_t k, int places) {
    auto half = static_cast<std::int64_t>(HalfTurnDegrees) * PowerOfTen(places);
    while (k > half) {
        k -= 2 * half;
    }
    while (k <= -half) {
        k += 2 * half;
    }
    return k;
}

} // namespace

ExactMatrix MatrixFor(double degrees, double scaleX, double scaleY) {
    // Whole turns come off first, exactly: a huge angle in radians would keep none of its digits
    // below the turn. Within a turn each way this changes nothing.
    double radians = std::fmod(degrees, 2 * HalfTurnDegrees) / DegreesPerRadian;
    double c = std::cos(radians);
    double s = std::sin(radians);
    return {c / scaleX, -s / scaleX, s / scaleY, c / scaleY};
}

std::optional<std::int16_t> ToFixedPoint(double value) {
    double steps = std::round(value * FixedPointOne);
    if (!(steps >= std::numeric_limits<std::int16_t>::min() &&
          steps <= std::numeric_limits<std::int16_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(steps);
}

std::optional<FixedMatrix> FixedMatrixFor(double degrees, double scaleX, double scaleY) {
    ExactMatrix exact = MatrixFor(degrees, scaleX, scaleY);
    FixedMatrix matrix{};
    for (std::size_t i = 0; i < MatrixParameters; ++i) {
        std::optional<std::int16_t> fixed = ToFixedPoint(exact[i]);
        if (!fixed) {
            return std::nullopt;
        }
        matrix[i] = *fixed;
    }
    return matrix;
}

double FromFixedPoint(std::int16_t parameter) {
    return parameter / FixedPointOne;
}

std::optional<RotationScaleTexts> ExactRotationScale(const FixedMatrix& matrix) {
    Range directions = Directions(matrix);
    if (IsEmpty(directions)) {
        return std::nullopt;
    }
    Range degrees{-directions.high * DegreesPerRadian, -directions.low * DegreesPerRadian};
    for (int places = 0; places <= MostPlaces; ++places) {
        for (std::int64_t k : Candidates(degrees, places, false)) {
            RotationScaleTexts texts;
            texts.degrees = DecimalText(WithinHalfTurn(k, places), places);
            double angle = ReadDecimal(texts.degrees);
            std::optional<Text> scaleX = ScaleText(angle, matrix, 0);
            std::optional<Text> scaleY = ScaleText(angle, matrix, 1);
            if (scaleX && scaleY &&
                FixedMatrixFor(angle, ReadDecimal(*scaleX), ReadDecimal(*scaleY)) == matrix) {
                texts.scaleX = *scaleX;
                texts.scaleY = *scaleY;
                return texts;
            }
        }
    }
    return std::nullopt;
}

// Row 1 is (cos a, -sin a) / sx and row 2 is (sin a, cos a) / sy: each gives the angle and its
// scale; a mirrored row 2 gives a negative sy.
std::optional<RotationScale> NearestRotationScale(const FixedMatrix& m) {
    double pa = m[0], pb = m[1], pc = m[2], pd = m[3];
    double row1 = std::hypot(pa, pb);
    double row2 = std::hypot(pc, pd);
    if (row1 == 0 || row2 == 0) {
        return std::nullopt;
    }
    double sign = pa * pd - pb * pc < 0 ? -1 : 1;
    // Adding 0.0 turns a negative zero positive, so a half turn is 180 degrees, not -180.
    double angle1 = std::atan2(0.0 - pb, pa);
    double angle2 = std::atan2(sign * pc + 0.0, sign * pd);
    RotationScale result;
    result.degrees = (row1 >= row2 ? angle1 : angle2) * DegreesPerRadian;
    result.scaleX = FixedPointOne / row1;
    result.scaleY = sign * FixedPointOne / row2;
    return result;
}
