// The rotation/scaling matrix of a group, as the hardware uses it: it maps screen to texture, so
// PA = cos a / sx, PB = -sin a / sx, PC = sin a / sy, PD = cos a / sy for a counter-clockwise
// angle a and scales sx, sy. Each parameter is a signed 8.8 fixed-point halfword (0x0100 is 1.0).
#pragma once

#include "runtime/text.h"

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

// Every parameter of the angle and scales, or nothing when one does not fit.
std::optional<FixedMatrix> FixedMatrixFor(double degrees, double scaleX, double scaleY);

double FromFixedPoint(std::int16_t parameter);

// An angle and scales as decimal texts, which read back as numbers give the matrix again.
struct RotationScaleTexts {
    Text degrees; // more than -180 and at most 180
    Text scaleX;
    Text scaleY; // negative when the matrix also mirrors
};

// The angle with the fewest decimals for which some scales give the matrix back through
// FixedMatrixFor, then each scale with the fewest decimals; nothing when no angle and scales give
// it, that is when the matrix shears. A zero row is given by any scale beyond 512 (every
// parameter then rounds to 0), and gets the smallest.
std::optional<RotationScaleTexts> ExactRotationScale(const FixedMatrix& matrix);

struct RotationScale {
    double degrees = 0; // counter-clockwise, more than -180 and at most 180
    double scaleX = 0;
    double scaleY = 0; // negative when the matrix also mirrors
};

// The angle and scales nearest a matrix that shears: the angle of its longer row and the length
// of each row. Nothing when a row of the matrix is zero.
std::optional<RotationScale> NearestRotationScale(const FixedMatrix& matrix);
