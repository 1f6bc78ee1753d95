#include "setup/AppManagerLocator.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::filesystem::path WriteProgram(const TempDir& temp, const std::string& name, bool executable) {
    const auto path = temp.Write(name, "#!/bin/sh\n");
    std::filesystem::permissions(path,
                                 executable ? std::filesystem::perms::owner_all : std::filesystem::perms::owner_read);
    return path;
}

TEST(AppManagerLocator, FindsAnExecutableManagerOnThePath) {
    const TempDir temp;
    WriteProgram(temp, "first/CEAppMgr", false);
    const auto manager = WriteProgram(temp, "second/CEAppMgr", true);
    const auto searchPath =
        (temp / "none").string() + ":" + (temp / "first").string() + ":" + (temp / "second").string();
    const auto lookup = AppManagerLocator::Locate(std::nullopt, searchPath);
    EXPECT_EQ(lookup.status, ManagerLookup::Status::Found);
    EXPECT_EQ(lookup.path, manager.string());
}

// A relative PATH entry would start a program from wherever the launcher
// happens to run.
TEST(AppManagerLocator, IgnoresRelativeAndEmptyPathEntries) {
    const TempDir temp;
    WriteProgram(temp, "CEAppMgr", true);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(temp.Path());
    const auto lookup = AppManagerLocator::Locate(std::nullopt, ":.:relative");
    std::filesystem::current_path(previous);
    EXPECT_EQ(lookup.status, ManagerLookup::Status::NotRegistered);
}

TEST(AppManagerLocator, ProfileKeyWinsOverThePath) {
    const TempDir temp;
    WriteProgram(temp, "bin/CEAppMgr", true);
    const auto profile = temp.Write("Savorbridge.conf", "[software]\nMicrosoft\\Windows\\CurrentVersion\\App%20Paths\\"
                                                        "CEAppMgr.exe\\Default=/opt/mgr/CEAppMgr\n");
    const auto lookup = AppManagerLocator::Locate(profile, (temp / "bin").string());
    EXPECT_EQ(lookup.status, ManagerLookup::Status::Found);
    EXPECT_EQ(lookup.path, "/opt/mgr/CEAppMgr");
}

TEST(AppManagerLocator, EmptyProfileValueIsUnreadable) {
    const TempDir temp;
    WriteProgram(temp, "bin/CEAppMgr", true);
    const auto profile = temp.Write("Savorbridge.conf", "[software]\nMicrosoft\\Windows\\CurrentVersion\\App%20Paths\\"
                                                        "CEAppMgr.exe\\Default=\n");
    EXPECT_EQ(AppManagerLocator::Locate(profile, (temp / "bin").string()).status, ManagerLookup::Status::Unreadable);
}

} // namespace
