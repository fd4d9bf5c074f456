// The two buttons as a person uses them, with what each leaves to see.
#pragma once

#include "tests/e2e/program.h"

#include <string>

// Empties the entry field, clicks "Calculate OAM" and gives the entry text that appears.
std::string EncodeWithTheButton(const Program& program);

// Clicks "Get Attributes". Does not wait: what follows is the fields or the error box.
bool PressGetAttributes(const Program& program);
