#include "render/CHAttrs.h"

#include <gtest/gtest.h>

namespace {

std::string Attributes(const CHAttrs& attrs, int groups) {
    std::string out;
    attrs.AppendText(out, groups);
    return out;
}

std::string ColorAttribute(const CHColor& color) {
    std::string out;
    color.AppendAttribute(out, "bgcolor");
    return out;
}

TEST(CHColorTest, WritesOnlyWhenAllComponentsAreSet) {
    EXPECT_EQ(ColorAttribute(CHColor()), "");
    EXPECT_EQ(ColorAttribute(CHColor(255, -1, 0)), "");
    EXPECT_EQ(ColorAttribute(CHColor(255, 0, 128)), " bgcolor=\"#ff0080\"");
}

TEST(CHColorTest, ReadsEveryColourForm) {
    struct Case {
        const char* name;
        void (*set)(CHColor&);
        const char* expected;
    };
    const Case cases[] = {
        {"packed", [](CHColor& c) { c.SetPacked(0x123456); }, " bgcolor=\"#123456\""},
        {"colour reference", [](CHColor& c) { c.SetColorRef(0x0080FF); }, " bgcolor=\"#ff8000\""},
        {"no colour marker", [](CHColor& c) { c.SetColorRef(-1); }, ""},
        {"unused colour marker", [](CHColor& c) { c.SetColorRef(-2); }, ""},
        {"text with hash", [](CHColor& c) { c.SetText("#D6D6D6"); }, " bgcolor=\"#d6d6d6\""},
        {"text without hash", [](CHColor& c) { c.SetText("FFFF8C"); }, " bgcolor=\"#ffff8c\""},
    };
    for (const auto& c : cases) {
        CHColor color(1, 2, 3);
        c.set(color);
        EXPECT_EQ(ColorAttribute(color), c.expected) << c.name;
    }
}

TEST(CHAttrsTest, WritesWidthByUnit) {
    CHAttrs attrs;
    attrs.SetWidth(80, CHUnit::None);
    EXPECT_EQ(Attributes(attrs, CHAttrs::kAll), "");
    attrs.SetWidth(80, CHUnit::Percent);
    EXPECT_EQ(Attributes(attrs, CHAttrs::kAll), " width=\"80%\"");
    attrs.SetWidth(80, CHUnit::Pixels);
    EXPECT_EQ(Attributes(attrs, CHAttrs::kAll), " width=\"80\"");
}

TEST(CHAttrsTest, WritesGroupsInOrderAndOnlyTheSelectedOnes) {
    CHAttrs attrs;
    attrs.SetWidth(50, CHUnit::Percent);
    attrs.SetHeight(2, CHUnit::Pixels);
    attrs.m_hAlign = CHPos::Right;
    attrs.m_vAlign = CHPos::Top;
    attrs.m_color.SetRgb(0, 0, 255);
    attrs.m_extra = "id=x";
    EXPECT_EQ(Attributes(attrs, CHAttrs::kAll),
              " width=\"50%\" height=\"2\" align=\"right\" valign=\"top\" bgcolor=\"#0000ff\" id=x");
    EXPECT_EQ(Attributes(attrs, CHAttrs::kSize), " width=\"50%\" height=\"2\" id=x");
    EXPECT_EQ(Attributes(attrs, CHAttrs::kPlacement), " align=\"right\" valign=\"top\" bgcolor=\"#0000ff\"");
}

TEST(CHAttrsTest, IgnoresAlignmentsOfTheWrongAxis) {
    CHAttrs attrs;
    attrs.m_hAlign = CHPos::Top;
    attrs.m_vAlign = CHPos::Left;
    EXPECT_EQ(Attributes(attrs, CHAttrs::kAll), "");
    attrs.m_hAlign = CHPos::Center;
    attrs.m_vAlign = CHPos::Middle;
    EXPECT_EQ(Attributes(attrs, CHAttrs::kAll), " align=\"center\" valign=\"middle\"");
}

} // namespace
