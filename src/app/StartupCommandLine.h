#pragma once

#include <string>
#include <vector>

// What the program's arguments ask for: a book to open and whether to show
// the splash window (not when started for automation).
struct StartupCommandLine {
    std::string file;
    bool splash = true;

    static StartupCommandLine Parse(const std::vector<std::string>& arguments);
};
