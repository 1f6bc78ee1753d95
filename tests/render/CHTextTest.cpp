#include "render/CHText.h"

#include <gtest/gtest.h>

namespace {

TEST(CHTextTest, PlainTextIsWrittenAsItIs) {
    EXPECT_EQ(CHText("a &lt; b").GetHtml(), "a &lt; b");
}

TEST(CHTextTest, FontWithFaceOnlyThenBoldItalicThenChildren) {
    CHText text("Hello", true, true);
    text.m_face = "Arial";
    text.Emplace<CHText>("child\n\n");
    EXPECT_EQ(text.GetHtml(), "<font face=\"Arial\"><b><i>Hello</i></b></font>child");
}

TEST(CHTextTest, ChildrenInsideGoRightAfterTheText) {
    CHText text("Home", true, false);
    text.m_childrenInside = true;
    text.m_size = "2";
    text.Emplace<CHText>(" | x");
    EXPECT_EQ(text.GetHtml(), "<font size=\"2\"><b>Home | x</b></font>");
}

TEST(CHTextTest, ParagraphWithColourWritesItTwice) {
    CHText text("T");
    text.m_paragraph = true;
    text.m_attrs.m_color.SetRgb(0, 0, 220);
    text.m_attrs.m_hAlign = CHPos::Center;
    EXPECT_EQ(text.GetHtml(), "<p align=\"center\" bgcolor=\"#0000dc\"><font color=\"#0000dc\">T</font></p>");
}

TEST(CHTextTest, StyleCopyTakesTheLookButNotTheChildren) {
    CHText style("ignored", true, false);
    style.m_face = "Arial";
    style.m_size = "-2";
    style.m_paragraph = true;
    style.m_attrs.m_extra = "id=a";
    style.Emplace<CHText>("child");
    const CHText copy("top", style);
    EXPECT_TRUE(copy.Children().empty());
    EXPECT_EQ(copy.m_attrs.m_extra, "id=a");
    EXPECT_EQ(copy.GetHtml(), "<p><font size=\"-2\" face=\"Arial\"><b>top</b></font></p>");
}

TEST(CHTextTest, AddBreakAppendsALineBreak) {
    CHText text("a");
    text.AddBreak();
    EXPECT_EQ(text.GetHtml(), "a<br>\n");
}

} // namespace
