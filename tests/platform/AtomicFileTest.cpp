#include "platform/AtomicFile.h"
#include "platform/FileError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(AtomicFile, ReplacesTheTargetAndLeavesNoTemporaryFiles) {
    TempDir dir;
    const auto target = dir.Write("book.rcp", "old");
    AtomicFile::Write(target, "new contents");
    EXPECT_EQ(AtomicFile::Read(target), "new contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(AtomicFile, FailedRenameKeepsWhatWasThereAndCleansUp) {
    TempDir dir;
    const auto target = dir.Path() / "book.rcp";
    std::filesystem::create_directory(target);
    dir.Write("book.rcp/inside", "precious");
    EXPECT_THROW(AtomicFile::Write(target, "replacement"), FileError);
    EXPECT_EQ(AtomicFile::Read(target / "inside"), "precious");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(AtomicFile, WriteIntoMissingFolderThrows) {
    TempDir dir;
    EXPECT_THROW(AtomicFile::Write(dir / "missing" / "book.rcp", "x"), FileError);
}

TEST(AtomicFile, ReadingAMissingFileThrows) {
    TempDir dir;
    EXPECT_THROW(AtomicFile::Read(dir / "nothing.rcp"), FileError);
}
