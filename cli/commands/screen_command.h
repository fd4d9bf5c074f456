// screen [DUMP|-] [-o FILE.svg]: a picture of the screens a dump draws, as SVG.
#pragma once

#include "cli/commands/jobs_command.h"
#include "cli/screen_picture.h"

#include <cstdint>
#include <string>

constexpr const char* ScreenHelp = R"(Example:
  oamcalc-cli screen oam.bin -o screens.svg

One 256 x 192 screen for each engine the dump reaches, side by side. Each entry is a box labelled
with its index, where the hardware shows it: row r when (r - Y) mod 256 is less than the box's
height, column c when (c - X) mod 512 is less than its width, so a box that passes the bottom or
the right comes back at the top or the left. Double-size boxes are doubled; an entry with
rotation/scaling carries its group ("5 g3"). Boxes are coloured by priority; semi-transparent
entries are paler and dashed, OBJ window entries grey and dotted. Hidden entries, the prohibited
shape, entries wholly off the screen and entries the dump does not hold are listed under the
screen. Exit codes as for dump: 1 a file that is not a dump, 74 a failed read or write.)";

struct ScreenOptions {
    std::string path = "-"; // "-" is standard input
    std::string outputPath; // none: standard output
    std::int32_t scale = DefaultScale;
};

void RunScreen(Session& session, const ScreenOptions& options, int inputDescriptor);
