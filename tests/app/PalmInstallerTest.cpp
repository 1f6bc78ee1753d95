#include "app/PalmInstaller.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(PalmInstallerTest, PrefersThePalmFolderThenTheProgramFolder) {
    TempDir dir;
    EXPECT_EQ(PalmInstaller::FindPrc(dir.Path()), std::nullopt);
    std::filesystem::create_directories(dir / "Palm" / "Savorbridge.prc"); // a folder is no application
    EXPECT_EQ(PalmInstaller::FindPrc(dir.Path()), std::nullopt);
    const auto beside = dir.Write("Savorbridge.prc", "prc");
    EXPECT_EQ(PalmInstaller::FindPrc(dir.Path()), beside);
    std::filesystem::remove(dir / "Palm" / "Savorbridge.prc");
    const auto inPalm = dir.Write("Palm/Savorbridge.prc", "prc");
    EXPECT_EQ(PalmInstaller::FindPrc(dir.Path()), inPalm);
}

} // namespace
