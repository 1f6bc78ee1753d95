#include "render/CHtmlWriter.h"
#include "render/CHFrameSet.h"
#include "render/CHText.h"

#include "platform/AtomicFile.h"
#include "platform/FileError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(CHtmlWriterTest, AsAFragmentGivesOnlyTheChildren) {
    CHtmlWriter page;
    page.Emplace<CHText>("a");
    EXPECT_EQ(page.GetHtml(), "a\n");
}

TEST(CHtmlWriterTest, WritesHeadBodyAndChildren) {
    TempDir dir;
    CHtmlWriter page(dir / "page.html");
    page.m_title = "Soups";
    page.m_meta.push_back("name=\"Generator\" content=\"Savorbridge\"");
    page.m_bodyExtra = " topmargin=0";
    page.Emplace<CHText>("Hello");
    page.WriteFile();
    const std::string written = AtomicFile::Read(dir / "page.html");
    EXPECT_EQ(written, "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
                       "<title>Soups</title>\n"
                       "  <meta name=\"Description\" content=\"Savorbridge HTML export. Copyright 2025 the "
                       "Savorbridge developers.\">\n"
                       "  <meta name=\"Generator\" content=\"Savorbridge\">\n"
                       "</head>\n"
                       "<body bgcolor=\"#ffffff\" alink=\"#ff0000\" link=\"#0000ff\" text=\"#000000\" "
                       "vlink=\"#800080\" topmargin=0>\n"
                       "Hello\n"
                       "</body>\n</html>\n");
    EXPECT_EQ(page.GetDocument(), written);
}

TEST(CHtmlWriterTest, FramesetDocumentHasNoBodyAndWritesItsFrames) {
    TempDir dir;
    std::filesystem::create_directories(dir / "sub");
    CHtmlWriter frames(dir / "index.html");
    auto& frameSet = frames.Emplace<CHFrameSet>();
    frameSet.m_extra = " border=2";
    frameSet.m_rows = "30%,*";
    frameSet.m_columns = "50%,*";
    auto toc = std::make_unique<CHtmlWriter>(dir / "SBTOC.html");
    toc->Emplace<CHText>("contents");
    frameSet.Emplace<CHFrame>("SBTOC", std::move(toc), dir / "index.html");
    auto& data = frameSet.Emplace<CHFrame>("SBData", std::make_unique<CHtmlWriter>(dir / "sub" / "SBData.html"),
                                           dir / "index.html");
    data.m_target = "SBData";
    data.m_resizable = false;
    data.m_scrollingAuto = false;

    frames.WriteFile();

    const std::string index = AtomicFile::Read(dir / "index.html");
    EXPECT_EQ(index.find("<body"), std::string::npos);
    EXPECT_NE(index.find("</head>\n<frameset  border=2 rows=\"30%,*\">\n"
                         "<frame name=\"SBTOC\" target=\"\" src=\"SBTOC.html\" scrolling=\"auto\">\n\n"
                         "<frame name=\"SBData\" target=\"SBData\" src=\"sub/SBData.html\" scrolling=\"no\" noresize>\n"
                         "\n</frameset>\n\n</html>\n"),
              std::string::npos);
    EXPECT_NE(AtomicFile::Read(dir / "SBTOC.html").find("<body"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir / "sub" / "SBData.html"));
}

TEST(CHtmlWriterTest, ContainersTakeOnlyTheirKinds) {
    CHFrameSet frameSet;
    auto text = std::make_unique<CHText>("x");
    EXPECT_EQ(frameSet.Add(std::move(text)), nullptr);
    EXPECT_NE(text, nullptr);
    EXPECT_NE(frameSet.Add(std::make_unique<CHFrameSet>()), nullptr);
    CHFrame frame("f", std::make_unique<CHtmlWriter>("a.html"), "b.html");
    EXPECT_EQ(frame.Add(std::make_unique<CHText>("x")), nullptr);
    EXPECT_EQ(frame.m_source, "a.html");
}

TEST(CHtmlWriterTest, FrameSourceFallsBackToTheFullPathWithoutARelativeOne) {
    CHFrame frame("f", std::make_unique<CHtmlWriter>("/data/a.html"), "relative/index.html");
    EXPECT_EQ(frame.m_source, "/data/a.html");
}

TEST(CHtmlWriterTest, FailureToWriteAFrameFailsTheWholeDocument) {
    TempDir dir;
    CHtmlWriter frames(dir / "index.html");
    auto& frameSet = frames.Emplace<CHFrameSet>();
    frameSet.Emplace<CHFrame>("SBData", std::make_unique<CHtmlWriter>(dir / "missing" / "SBData.html"),
                              dir / "index.html");
    EXPECT_THROW(frames.WriteFile(), FileError);
    EXPECT_FALSE(std::filesystem::exists(dir / "index.html"));
}

TEST(CHtmlWriterTest, UnwritableFileThrowsAndKeepsTheOldOne) {
    TempDir dir;
    CHtmlWriter page(dir / "missing" / "page.html");
    EXPECT_THROW(page.WriteFile(), FileError);
}

} // namespace
