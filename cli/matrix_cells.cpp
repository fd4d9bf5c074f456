#include "cli/matrix_cells.h"

#include <array>

namespace {

constexpr std::array<const char*, MatrixParameters> ValueNames = {"PAValue", "PBValue", "PCValue",
                                                                  "PDValue"};
// 1/256 is 0.00390625: eight places show every 8.8 value exactly.
constexpr int FixedPointPlaces = 8;

} // namespace

void AddMatrixCells(Record& record, const FixedMatrix& matrix) {
    for (std::size_t i = 0; i < MatrixParameters; ++i) {
        AddHalfword(record, ParameterNames[i], static_cast<std::uint16_t>(matrix[i]));
    }
    for (std::size_t i = 0; i < MatrixParameters; ++i) {
        AddDecimal(record, ValueNames[i], FromFixedPoint(matrix[i]), FixedPointPlaces);
    }
}
