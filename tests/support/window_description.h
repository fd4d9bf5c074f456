// Reads the committed description of the program's window (main_window.txt), so that the tests
// compare the window with what it must show rather than with the program's own table.
#pragma once

#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

struct DescribedControl {
    int id = 0;
    std::string kind; // label, field, button, frame, spin or list
    int x = 0, y = 0, width = 0, height = 0;
    int minimum = 0, maximum = 0;   // a spin field's range
    std::vector<std::string> texts; // a text, or a list's items
    bool disabled = false;          // when the window is built
};

struct WindowDescription {
    std::string title;
    int innerWidth = 0, innerHeight = 0;
    std::vector<DescribedControl> controls;
};

inline WindowDescription ReadWindowDescription(const char* path = OAMCALC_WINDOW_DESCRIPTION) {
    WindowDescription window;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) {
        std::istringstream in(line);
        std::string first;
        if (!(in >> first) || first.front() == '#') {
            continue;
        }
        if (first == "title") {
            in >> std::quoted(window.title);
        } else if (first == "inner") {
            in >> window.innerWidth >> window.innerHeight;
        } else {
            DescribedControl c;
            c.id = std::stoi(first);
            in >> c.kind >> c.x >> c.y >> c.width >> c.height;
            if (c.kind == "spin") {
                in >> c.minimum >> c.maximum;
            }
            for (std::string word; in >> std::ws && !in.eof();) {
                if (in.peek() == '"') {
                    in >> std::quoted(word);
                    c.texts.push_back(word);
                } else {
                    in >> word;
                    c.disabled = c.disabled || word == "disabled";
                }
            }
            window.controls.push_back(c);
        }
    }
    return window;
}
