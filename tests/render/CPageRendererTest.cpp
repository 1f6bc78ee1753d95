#include "render/CPageRenderer.h"

#include "render/CHText.h"
#include "render/HtmlStyle.h"

#include <gtest/gtest.h>

namespace {

class RenderTextTest : public ::testing::Test {
protected:
    std::string Render(std::string_view text, bool editable) {
        CHText parent;
        PageOptions options = editable ? PageOptions() : PageOptions::Export(0);
        CPageRenderer(m_settings).RenderText(CSettings::RecipeInstructions, parent, text, options);
        return parent.GetHtml();
    }

    CSettings m_settings;
};

TEST_F(RenderTextTest, EmptyTextShowsThePromptOnlyWhenEditable) {
    EXPECT_EQ(Render("", false), "");
    EXPECT_EQ(Render("", true), "<p><font size=\"2\" face=\"Arial\"><SPAN id=\"SBInfo\" "
                                "ondblclick=\"editItem('SBInfo')\">[ Double-click here to add a description ]"
                                "</SPAN></font></p>");
}

TEST_F(RenderTextTest, IndentedLinesKeepTheirIndent) {
    EXPECT_EQ(Render("Mix.\r\n  Then bake.", true),
              "<p><font size=\"2\" face=\"Arial\">&nbsp;&nbsp;<SPAN id=\"SBInfo\" ondblclick=\"editItem('SBInfo')\">"
              "Mix.<br>&nbsp;&nbsp;Then bake.</SPAN></font></p>");
}

TEST_F(RenderTextTest, LineBreaksBecomeBreaks) {
    EXPECT_EQ(Render("a\r\nb\r\n\r\nc", false), "<p><font size=\"2\" face=\"Arial\">a<br>b<br><br>c</font></p>");
}

TEST(HtmlStyleTest, AppliesFaceEmphasisColourAndSize) {
    const struct {
        CTextStyle style;
        const char* html;
    } cases[] = {
        {{.Color = Rgb(0, 0, 220), .Bold = 1, .Italic = 1, .Size = 300},
         "<p bgcolor=\"#0000dc\"><font color=\"#0000dc\" size=\"6\" face=\"Arial\"><b><i>T</i></b></font></p>"},
        {{.Name = "Arial Narrow", .Size = -1}, "<p><font face=\"Arial Narrow\">T</font></p>"},
        {{.Size = 80}, "<p><font size=\"1\" face=\"Arial\">T</font></p>"},
        {{.Size = 81}, "<p><font size=\"2\" face=\"Arial\">T</font></p>"},
        {{.Size = 5}, "<p><font size=\"5\" face=\"Arial\">T</font></p>"},
        {{.Size = 301}, "<p><font size=\"7\" face=\"Arial\">T</font></p>"},
    };
    for (const auto& c : cases) {
        CHText text("T");
        HtmlStyle::Apply(text, c.style, true);
        EXPECT_EQ(text.GetHtml(), c.html);
    }
}

} // namespace
