#include "setup/LauncherCommandLine.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct DirectoryCase {
    const char* commandLine;
    std::optional<std::string> directory;
};

class LauncherDirectory : public testing::TestWithParam<DirectoryCase> {};

TEST_P(LauncherDirectory, IsTheTextBeforeTheLastSlashWithoutTheOpeningQuote) {
    EXPECT_EQ(LauncherCommandLine::Directory(GetParam().commandLine), GetParam().directory);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, LauncherDirectory,
                         testing::Values(DirectoryCase{"/apps/PocketPC/setup", "/apps/PocketPC"},
                                         DirectoryCase{"\"/apps/PocketPC/setup\"", "/apps/PocketPC"},
                                         DirectoryCase{"\"/my apps/PocketPC/setup\"", "/my apps/PocketPC"},
                                         DirectoryCase{"PocketPC/setup", "PocketPC"}, DirectoryCase{"/setup", "/"},
                                         DirectoryCase{"\"/setup\"", "/"}, DirectoryCase{"setup", std::nullopt},
                                         DirectoryCase{"\"setup\"", std::nullopt}, DirectoryCase{"", std::nullopt}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(LauncherCommandLine, JoinsWithOneSlash) {
    EXPECT_EQ(LauncherCommandLine::Join("/apps", "setup.ini"), "/apps/setup.ini");
    EXPECT_EQ(LauncherCommandLine::Join("/", "setup.ini"), "/setup.ini");
}

} // namespace
