#include "app/PocketPcInstaller.h"

#include "platform/StringTable.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(PocketPcInstaller, FindsTheLauncherInThePocketPcFolder) {
    const TempDir temp;
    const auto setup = temp.Write("PocketPC/setup", "#!/bin/sh\n");
    EXPECT_EQ(PocketPcInstaller::FindSetup(temp.Path()), setup);
}

TEST(PocketPcInstaller, FollowsALinkToTheLauncher) {
    const TempDir temp;
    const auto target = temp.Write("bin/setup", "#!/bin/sh\n");
    std::filesystem::create_directories(temp / "PocketPC");
    std::filesystem::create_symlink(target, temp / "PocketPC" / "setup");
    EXPECT_EQ(PocketPcInstaller::FindSetup(temp.Path()), temp / "PocketPC" / "setup");
}

TEST(PocketPcInstaller, FindsNothingWhereTheLauncherIsMissingOrNotAFile) {
    const TempDir temp;
    EXPECT_EQ(PocketPcInstaller::FindSetup(temp.Path()), std::nullopt);
    temp.Write("setup", "#!/bin/sh\n");
    temp.Write("Palm/setup", "#!/bin/sh\n");
    EXPECT_EQ(PocketPcInstaller::FindSetup(temp.Path()), std::nullopt);
    std::filesystem::create_directories(temp / "PocketPC" / "setup");
    EXPECT_EQ(PocketPcInstaller::FindSetup(temp.Path()), std::nullopt);
    EXPECT_EQ(PocketPcInstaller::FindSetup(temp / "missing"), std::nullopt);
}

TEST(PocketPcInstaller, MissingLauncherMessageIsInTheStringTable) {
    EXPECT_EQ(StringTable::Get(PocketPcInstaller::kSetupMissingMessage).rfind("The 'setup.exe' PocketPC install", 0),
              0U);
}

} // namespace
