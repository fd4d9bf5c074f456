#include "cli/command_line.h"

#include <iostream>

int main(int argc, char** argv) {
    return RunCommandLine(argc, argv, std::cin, std::cout, std::cerr);
}
