#pragma once

#include <string>

struct CliResult {
    int exitCode;
    std::string output;
};

// Runs savorbridge-cli with the arguments (shell syntax) and returns its exit
// code and everything it printed on both streams.
CliResult RunCli(const std::string& arguments);
