#include "codec/affine.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;
// Rounding to 1/256 moves each parameter by at most half a step, so a row by at most this many
// steps; its direction by at most that over the row's length.
constexpr double RoundingReach = std::numbers::sqrt2 / 2;

double AngleBetween(double a, double b) {
    return std::abs(std::remainder(a - b, 2 * std::numbers::pi));
}

} // namespace

ExactMatrix MatrixFor(double degrees, double scaleX, double scaleY) {
    double radians = degrees / DegreesPerRadian;
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

double FromFixedPoint(std::int16_t parameter) {
    return parameter / FixedPointOne;
}

// Row 1 is (cos a, -sin a) / sx and row 2 is (sin a, cos a) / sy: each gives the angle and its
// scale. Rows that disagree on the angle by more than rounding explains are a shear; a mirrored
// row 2 gives a negative sy.
std::optional<RotationScale> RotationScaleOf(const FixedMatrix& m) {
    double pa = m[0], pb = m[1], pc = m[2], pd = m[3];
    double row1 = std::hypot(pa, pb);
    double row2 = std::hypot(pc, pd);
    if (row1 == 0 || row2 == 0) {
        return std::nullopt;
    }
    bool mirrored = pa * pd - pb * pc < 0;
    double sign = mirrored ? -1 : 1;
    // Adding 0.0 turns a negative zero positive, so a half turn is 180 degrees, not -180.
    double angle1 = std::atan2(0.0 - pb, pa);
    double angle2 = std::atan2(sign * pc + 0.0, sign * pd);
    RotationScale result;
    result.degrees = (row1 >= row2 ? angle1 : angle2) * DegreesPerRadian;
    result.scaleX = FixedPointOne / row1;
    result.scaleY = sign * FixedPointOne / row2;
    result.shears = AngleBetween(angle1, angle2) > RoundingReach / row1 + RoundingReach / row2;
    return result;
}
