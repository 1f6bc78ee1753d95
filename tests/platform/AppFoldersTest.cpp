#include "platform/AppFolders.h"
#include "platform/AtomicFile.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>

TEST(AppFolders, ProgramFolderIsTheInstalledShareFolderOrTheBuildTreesData) {
    TempDir dir;
    std::filesystem::create_directories(dir / "build" / "bin");
    EXPECT_EQ(AppFolders::ProgramFolderFor(dir / "build" / "bin" / "Savorbridge"), dir / "build" / "data");

    std::filesystem::create_directories(dir / "usr" / "share" / "savorbridge");
    EXPECT_EQ(AppFolders::ProgramFolderFor(dir / "usr" / "bin" / "Savorbridge"), dir / "usr" / "share" / "savorbridge");
}

TEST(AppFolders, DataFolderFollowsXdgDataHome) {
    TempDir dir;
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old != nullptr ? old : "";
    ::setenv("XDG_DATA_HOME", dir.Path().c_str(), 1);
    EXPECT_EQ(AppFolders::DefaultDataFolder(), dir / "Savorbridge");
    ::setenv("XDG_DATA_HOME", "relative/ignored", 1);
    EXPECT_EQ(AppFolders::DefaultDataFolder().filename(), "Savorbridge");
    EXPECT_NE(AppFolders::DefaultDataFolder().parent_path(), "relative/ignored");
    old != nullptr ? ::setenv("XDG_DATA_HOME", saved.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(AppFolders::EnsureFolder(dir / "a" / "b"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "a" / "b"));
}

TEST(AppFolders, CopyMissingFilesNeverReplacesTheUsersCopy) {
    TempDir dir;
    dir.Write("program/SBNutrient.xml", "shipped definitions");
    dir.Write("program/SBNutrient.csv", "shipped table");
    dir.Write("data/SBNutrient.xml", "user definitions");
    AppFolders::CopyMissingFiles(dir / "program", dir / "data", {"SBNutrient.xml", "SBNutrient.csv", "Absent.csv"});
    EXPECT_EQ(AtomicFile::Read(dir / "data/SBNutrient.xml"), "user definitions");
    EXPECT_EQ(AtomicFile::Read(dir / "data/SBNutrient.csv"), "shipped table");
    EXPECT_FALSE(std::filesystem::exists(dir / "data/Absent.csv"));
}
