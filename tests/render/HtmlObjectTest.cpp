#include "render/CHComment.h"
#include "render/CHImg.h"
#include "render/CHLine.h"
#include "render/CHLink.h"
#include "render/CHTarget.h"
#include "render/CHText.h"

#include <gtest/gtest.h>

namespace {

TEST(CHLinkTest, WritesAnchorStyleAndTarget) {
    CHLink link("", "top");
    link.Emplace<CHText>("top\n");
    EXPECT_EQ(link.GetHtml(), "<a href=\"#top\" STYLE=\"text-decoration: none\">top</a>\n");
    link.m_underline = true;
    link.m_targetFrame = "SBData";
    link.m_address = "SBData.html";
    link.m_attrs.m_hAlign = CHPos::Right;
    EXPECT_EQ(link.GetHtml(), "<a href=\"SBData.html#top\" target=\"SBData\">top</a>\n");
    EXPECT_EQ(link.GetType(), CHKind::Cell);
}

TEST(CHImgTest, WritesAttributesAltTextAndChildren) {
    CHImg image("recipe.gif", "");
    EXPECT_EQ(image.GetHtml(), "<img src=\"recipe.gif\" border=\"0\">");
    image.m_altText = "Recipe";
    image.m_attrs.m_vAlign = CHPos::Middle;
    image.Emplace<CHText>("Soup<br>");
    EXPECT_EQ(image.GetHtml(), "<img src=\"recipe.gif\" border=\"0\" valign=\"middle\" alt=\"Recipe\">\nSoup<br>\n");
}

TEST(CHTargetTest, WritesNamedAnchorThenChildren) {
    CHTarget target("Rec00000001_00000002");
    target.Emplace<CHText>("x");
    EXPECT_EQ(target.GetHtml(), "<a name=\"Rec00000001_00000002\"></a>\nx\n");
}

TEST(CHCommentTest, WritesMarkerThenChildren) {
    CHComment comment("V: 4.0");
    EXPECT_EQ(comment.GetHtml(), "<!--V: 4.0-->");
    comment.Emplace<CHText>("x");
    EXPECT_EQ(comment.GetHtml(), "<!--V: 4.0-->x\n");
}

TEST(CHLineTest, WritesHeightAsSizeAndShading) {
    CHLine line(true);
    line.m_attrs.SetHeight(1, CHUnit::Pixels);
    EXPECT_EQ(line.GetHtml(), "<hr size=\"1\">\n");
    CHLine flat(false);
    flat.m_attrs.m_extra = "height=3";
    EXPECT_EQ(flat.GetHtml(), "<hr size=3 noshade>\n");
}

TEST(CHObjTest, IgnoresNullChildren) {
    CHText text("x");
    EXPECT_EQ(text.Add(std::unique_ptr<CHText>()), nullptr);
    EXPECT_TRUE(text.Children().empty());
}

TEST(CHObjTest, ChildHtmlEndsEachChildWithALineFeed) {
    CHText text;
    text.Emplace<CHText>("a");
    text.Emplace<CHText>("b");
    EXPECT_EQ(text.GetChildHtml(), "a\nb\n");
}

} // namespace
