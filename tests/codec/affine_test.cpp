// The back conversion of a rotation/scaling matrix, as properties over many matrices: the angle
// and scales it prints, read back as numbers, give the same four halfwords; it finds them for
// every matrix that angles and scales make; it says a matrix shears only where a search over
// angles of its own finds none either; and no scale has a decimal it does not need. The matrices
// once given back wrong, zero rows among them, and two that shear are the companion's
// cases/affine_angle, their texts exactly.
#include "codec/affine.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <random>

namespace {

double Read(const Text& text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc{} && end == text.data() + text.size()) << text;
    return value;
}

std::string Shown(const FixedMatrix& m) {
    char text[40];
    std::snprintf(text, sizeof text, "%04hX %04hX %04hX %04hX", m[0], m[1], m[2], m[3]);
    return text;
}

// Every 0.06 degree, with the scales that put each parameter of a row exactly on its value.
bool SomeSampledAngleGives(const FixedMatrix& m) {
    constexpr int Steps = 6000;
    constexpr double Far = 1000; // a zero row
    for (int step = 0; step < Steps; ++step) {
        double degrees = -180 + 360.0 * step / Steps;
        ExactMatrix unit = MatrixFor(degrees, 1, 1);
        auto scales = [&](std::size_t first) {
            std::vector<double> found{Far};
            for (std::size_t i : {first, first + 1}) {
                if (m[i] != 0) {
                    found.push_back(FixedPointOne * unit[i] / m[i]);
                }
            }
            return found;
        };
        for (double sx : scales(0)) {
            for (double sy : scales(2)) {
                if (FixedMatrixFor(degrees, sx, sy) == m) {
                    return true;
                }
            }
        }
    }
    return false;
}

// The numbers one decimal shorter on either side of `text`; none when it has no decimals.
std::vector<Text> ShorterNeighbours(const Text& text) {
    std::size_t point = text.find('.');
    if (point == Text::npos) {
        return {};
    }
    int places = static_cast<int>(text.size() - point) - 2;
    double power = std::pow(10.0, places);
    std::vector<Text> shorter;
    for (double k : {std::floor(Read(text) * power), std::ceil(Read(text) * power)}) {
        char digits[64];
        std::snprintf(digits, sizeof digits, "%.*f", places, k / power);
        shorter.push_back(digits);
    }
    return shorter;
}

void ExpectExact(const FixedMatrix& m) {
    std::optional<RotationScaleTexts> texts = ExactRotationScale(m);
    ASSERT_TRUE(texts) << Shown(m) << " shears";
    ASSERT_EQ(FixedMatrixFor(Read(texts->degrees), Read(texts->scaleX), Read(texts->scaleY)), m)
        << Shown(m) << ": " << texts->degrees << " " << texts->scaleX << "," << texts->scaleY;
    double degrees = Read(texts->degrees);
    EXPECT_TRUE(degrees > -180 && degrees <= 180) << texts->degrees;
    for (const Text& scaleX : ShorterNeighbours(texts->scaleX)) {
        EXPECT_NE(FixedMatrixFor(degrees, Read(scaleX), Read(texts->scaleY)), m)
            << Shown(m) << ": scaleX " << scaleX << " would do for " << texts->scaleX;
    }
    for (const Text& scaleY : ShorterNeighbours(texts->scaleY)) {
        EXPECT_NE(FixedMatrixFor(degrees, Read(texts->scaleX), Read(scaleY)), m)
            << Shown(m) << ": scaleY " << scaleY << " would do for " << texts->scaleY;
    }
}

TEST(Affine, GivesBackEveryMatrixThatAnglesAndScalesMake) {
    std::mt19937 random(18);
    std::uniform_real_distribution<double> angle(-180, 180);
    std::uniform_real_distribution<double> logScale(std::log(1 / 128.0), std::log(64.0));
    std::bernoulli_distribution mirrored(0.25);
    int trips = 0;
    while (trips < 20000) {
        double sx = std::exp(logScale(random));
        double sy = std::exp(logScale(random)) * (mirrored(random) ? -1 : 1);
        if (std::optional<FixedMatrix> m = FixedMatrixFor(angle(random), sx, sy)) {
            ++trips;
            ExpectExact(*m);
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

// Random parameters nearly always shear; rotations nudged by a step either way are decided by
// less than a step.
TEST(AffineSweep, SaysShearOnlyWhereNoSampledAngleGivesTheMatrix) {
    std::mt19937 random(16);
    std::uniform_int_distribution<int> small(-64, 64), nudge(-1, 1);
    std::uniform_real_distribution<double> angle(-180, 180);
    constexpr int RandomOnes = 20, Nudged = 300;
    int shears = 0;
    for (int i = 0; i < RandomOnes + Nudged; ++i) {
        FixedMatrix m = *FixedMatrixFor(angle(random), 0.5, 0.5);
        for (std::int16_t& p : m) {
            p = static_cast<std::int16_t>(i < RandomOnes ? small(random) : p + nudge(random));
        }
        if (ExactRotationScale(m)) {
            ExpectExact(m);
        } else if (++shears <= RandomOnes || shears % 20 == 0) {
            EXPECT_FALSE(SomeSampledAngleGives(m)) << Shown(m) << " said to shear";
        }
    }
    std::printf("%d random and %d nudged matrices, %d shear\n", RandomOnes, Nudged, shears);
}

} // namespace
