#include "cli/CliRun.h"

#include <gtest/gtest.h>

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
