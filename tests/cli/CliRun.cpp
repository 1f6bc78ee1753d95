#include "cli/CliRun.h"

#include <array>
#include <cstdio>
#include <memory>
#include <sys/wait.h>

CliResult RunCli(const std::string& arguments) {
    const std::string command = std::string(SB_CLI_PATH) + " " + arguments + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::string output;
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe.get()) != nullptr) {
        output += buffer.data();
    }
    const int status = ::pclose(pipe.release());
    return {WEXITSTATUS(status), output};
}
