// affine: a group's matrix from an angle and scales, or the angle and scales of a matrix.
#pragma once

#include "cli/commands/command_help.h"
#include "cli/session.h"

#include <optional>
#include <string>
#include <vector>

struct AffineCommand {
    std::optional<std::string> degrees;
    std::optional<std::string> scale;    // "S" or "SX,SY"
    std::vector<std::string> parameters; // PA PB PC PD, as hexadecimal halfwords
};

CommandHelp AffineHelp();

CLI::App* AddAffineCommand(CLI::App& program, AffineCommand& command);

void RunAffine(Session& session, const AffineCommand& command);
