#include "app/StartupCommandLine.h"

#include <gtest/gtest.h>

TEST(StartupCommandLine, TakesTheFirstFileAndTurnsOffTheSplashForAutomation) {
    const struct {
        std::vector<std::string> args;
        std::string file;
        bool splash;
    } cases[] = {
        {{}, "", true},
        {{"/home/cook/Soups.rcp"}, "/home/cook/Soups.rcp", true},
        {{"a.rcp", "b.rcp"}, "a.rcp", true},
        {{"-Embedding", "x.rcp"}, "x.rcp", false},
        {{"/Automation"}, "", false},
        {{"--embedding"}, "", false},
        {{"-platform", "/Embed.rcp"}, "/Embed.rcp", true},
    };
    for (const auto& c : cases) {
        const auto parsed = StartupCommandLine::Parse(c.args);
        EXPECT_EQ(parsed.file, c.file);
        EXPECT_EQ(parsed.splash, c.splash);
    }
}
