// affine: a group's matrix from an angle and scales, or the angle and scales of a matrix.
#pragma once

#include "cli/commands/jobs_command.h"

#include <optional>
#include <string>
#include <vector>

struct AffineOptions {
    std::optional<std::string> degrees;
    std::optional<std::string> scale;    // "S" or "SX,SY"
    std::vector<std::string> parameters; // PA PB PC PD, as hexadecimal halfwords
};

void RunAffine(Session& session, const AffineOptions& options);
