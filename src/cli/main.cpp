// savorbridge-cli: the core from the command line, for batch work and scripts.
#include "app/Version.h"
#include "cli/CliCommand.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

void PrintHelp(std::ostream& out) {
    out << "Usage: savorbridge-cli COMMAND [ARGUMENTS]\n"
           "       savorbridge-cli --help | --version\n\n"
           "Works with Savorbridge recipe books and files without opening a window.\n";
    const auto& commands = CliRegistry::Instance().Commands();
    if (commands.empty()) {
        return;
    }
    out << "\nCommands:\n";
    for (const auto& [name, command] : commands) {
        out << "  " << name << ' ' << command.usage << "\n      " << command.summary << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp(std::cerr);
        return kExitUsage;
    }
    const std::string& first = args.front();
    if (first == "--help" || first == "-h" || first == "help") {
        PrintHelp(std::cout);
        return kExitOk;
    }
    if (first == "--version" || first == "-V") {
        std::cout << "savorbridge-cli " << kVersionText << " (release " << kReleaseNumber << ")\n";
        return kExitOk;
    }
    const CliCommand* command = CliRegistry::Instance().Find(first);
    if (command == nullptr) {
        std::cerr << "savorbridge-cli: unknown command \"" << first << "\". Try --help.\n";
        return kExitUsage;
    }
    try {
        return command->run(std::vector<std::string>(args.begin() + 1, args.end()), std::cout, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "savorbridge-cli " << first << ": " << error.what() << '\n';
        return kExitFailure;
    }
}
