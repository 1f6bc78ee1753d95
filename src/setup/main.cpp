#include "setup/SetupLauncher.h"

#include <optional>
#include <string>

int main(int argc, char** argv) {
    std::optional<std::string> commandLine;
    if (argc > 0 && argv[0] != nullptr) {
        commandLine = argv[0];
    }
    return SetupLauncher().Run(commandLine);
}
