// Pictures of the screen, kept with the build so that a person can look at what the tests saw.
#pragma once

#include "tests/e2e/program.h"

#include <string>

// Where a screenshot called `name` goes: the folder in OAMCALC_SCREENSHOTS, created if missing.
std::string ScreenshotPath(const std::string& name);

// Waits until the program has painted all its windows and the screen has stopped changing, then
// saves what the whole screen shows as a PNG file.
bool SaveScreenshot(const Program& program, const std::string& path);
