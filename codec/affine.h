// The rotation/scaling matrix of a group, as the hardware uses it: it maps screen to texture, so
// PA = cos a / sx, PB = -sin a / sx, PC = sin a / sy, PD = cos a / sy for a counter-clockwise
// angle a and scales sx, sy. Each parameter is a signed 8.8 fixed-point halfword (0x0100 is 1.0).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

constexpr double FixedPointOne = 256.0;
constexpr std::size_t MatrixParameters = 4; // PA, PB, PC, PD

using ExactMatrix = std::array<double, MatrixParameters>;
using FixedMatrix = std::array<std::int16_t, MatrixParameters>;

ExactMatrix MatrixFor(double degrees, double scaleX, double scaleY);

// The nearest 1/256, or nothing when that does not fit in signed 8.8.
std::optional<std::int16_t> ToFixedPoint(double value);

double FromFixedPoint(std::int16_t parameter);

struct RotationScale {
    double degrees = 0; // counter-clockwise, more than -180 and at most 180
    double scaleX = 0;
    double scaleY = 0; // negative when the matrix also mirrors
    bool shears = false;
};

// Nothing when a row of the matrix is zero: no angle and scale give it.
std::optional<RotationScale> RotationScaleOf(const FixedMatrix& matrix);
