// screen [DUMP|-] [-o FILE.svg]: a picture of the screens a dump draws, as SVG.
#pragma once

#include "cli/jobs.h"
#include "cli/screen_picture.h"

#include <cstdint>
#include <string>

struct ScreenOptions {
    std::string path = "-"; // "-" is standard input
    std::string outputPath; // none: standard output
    std::int32_t scale = DefaultScale;
};

void RunScreen(Session& session, const ScreenOptions& options, int inputDescriptor);
