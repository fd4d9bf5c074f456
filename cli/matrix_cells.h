// A rotation/scaling matrix in a record: PA to PD as four hexadecimal digits each, then each as a
// signed 8.8 number (PAValue=1.0 for 0100), the same for a dump's groups and for affine.
#pragma once

#include "cli/output/record.h"
#include "codec/affine.h"

#include <array>

inline constexpr std::array<const char*, MatrixParameters> ParameterNames = {"PA", "PB", "PC",
                                                                             "PD"};

void AddMatrixCells(Record& record, const FixedMatrix& matrix);
