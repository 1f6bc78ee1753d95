#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <sys/wait.h>

namespace {

struct Result {
    int exitCode;
    std::string output;
};

Result RunCli(const std::string& arguments) {
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

} // namespace

TEST(Cli, HelpAndVersionSucceed) {
    const auto help = RunCli("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("Usage: savorbridge-cli"), std::string::npos);
    const auto version = RunCli("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_NE(version.output.find("4.0a"), std::string::npos);
}

TEST(Cli, BadUsageExitsWithTwoAndSaysWhy) {
    EXPECT_EQ(RunCli("").exitCode, 2);
    const auto unknown = RunCli("frobnicate");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.output.find("unknown command \"frobnicate\""), std::string::npos);
}
