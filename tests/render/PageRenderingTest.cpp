#include "SampleBook.h"

#include "model/CRecipe.h"
#include "model/CRecipeChapter.h"
#include "quantities/UnitTables.h"
#include "render/CHCell.h"
#include "render/CHtmlWriter.h"
#include "render/CPageRenderer.h"
#include "render/HtmlSectionWriter.h"

#include <gtest/gtest.h>

namespace {

class PageRenderingTest : public ::testing::Test {
protected:
    PageRenderingTest() { m_settings.m_programDirectory = "/usr/share/savorbridge"; }

    std::string Render(const CRecipeObj& object, const PageOptions& options) const {
        CHtmlWriter page;
        CPageRenderer(m_settings, &m_units).RenderPage(object, page, options);
        return page.GetHtml();
    }

    static PageOptions Display() { return PageOptions(); }

    static PageOptions DisplayWithoutLinks() {
        PageOptions options;
        options.actionLinks = false;
        return options;
    }

    CSettings m_settings;
    UnitTables m_units;
    SampleBook m_sample;
};

TEST_F(PageRenderingTest, InteractivePagesMatchTheGoldenFiles) {
    PageOptions doubled;
    doubled.SetPortion(2, 1);
    ExpectGolden("book_interactive.html", Render(*m_sample.book, Display()));
    ExpectGolden("chapter_interactive.html", Render(*m_sample.soups, DisplayWithoutLinks()));
    ExpectGolden("recipe_interactive.html", Render(*m_sample.tomatoSoup, doubled));
    ExpectGolden("recipe_empty_interactive.html", Render(*m_sample.plainBroth, Display()));
}

TEST_F(PageRenderingTest, ExportPagesMatchTheGoldenFiles) {
    ExpectGolden("recipe_export.html", Render(*m_sample.tomatoSoup, PageOptions::Export(0)));
    m_settings.m_useAltRecipeFormat = 1;
    ExpectGolden("recipe_alt_export.html", Render(*m_sample.tomatoSoup, PageOptions::Export(0)));
}

TEST_F(PageRenderingTest, ExportedBookDocumentMatchesTheGoldenFile) {
    CHtmlWriter document;
    document.m_title = m_sample.book->Title();
    CPageRenderer renderer(m_settings, &m_units);
    const PageOptions options = PageOptions::Export(0);
    renderer.RenderPage(*m_sample.book, document, options);
    for (const auto& chapter : m_sample.book->Chapters()) {
        renderer.RenderPage(*chapter, document, options);
        for (const auto& recipe : chapter->Recipes()) {
            renderer.RenderPage(*recipe, document, options);
        }
    }
    for (const auto& recipe : m_sample.book->Recipes()) {
        renderer.RenderPage(*recipe, document, options);
    }
    ExpectGolden("book_export.html", document.GetDocument());
}

TEST_F(PageRenderingTest, MainTableHasASecondColumnOnlyForLinksNutrientsOrTheTopLink) {
    EXPECT_NE(Render(*m_sample.soups, DisplayWithoutLinks())
                  .find("<a name=\"Chp5f3e2a10_00000001\"></a>\n\n<table "
                        "width=\"100%\" cellspacing=\"0\" cellpadding=\"2\" "
                        "border=\"0\">\n<tr valign=\"top\">\n<td>\n<p"),
              std::string::npos);
    const std::string withLinks = Render(*m_sample.soups, Display());
    EXPECT_NE(withLinks.find("</td><td align=\"right\" valign=\"top\">\n<table"), std::string::npos);
    const std::string exported = Render(*m_sample.soups, PageOptions::Export(0));
    EXPECT_NE(exported.find("<td align=\"right\" valign=\"top\">\n<a href=\"#top\""), std::string::npos);
    EXPECT_EQ(CountOf(Render(*m_sample.soups, PageOptions::Export(1)), "<td"), 1);
}

TEST_F(PageRenderingTest, RecipeActionLinksComeInOrder) {
    const std::string html = Render(*m_sample.tomatoSoup, Display());
    const auto modify = html.find("href=\"#MODRec5f3e2a10_00000002\">");
    const auto favourite = html.find("href=\"#FAVRec5f3e2a10_00000002\">");
    const auto shopping = html.find("href=\"#ASLRec5f3e2a10_00000002\">");
    const auto usda = html.find("href=\"#LNKRec5f3e2a10_00000002\">");
    ASSERT_NE(modify, std::string::npos);
    EXPECT_LT(modify, favourite);
    EXPECT_LT(favourite, shopping);
    EXPECT_LT(shopping, usda);
    EXPECT_NE(usda, std::string::npos);
    const std::string chapter = Render(*m_sample.soups, Display());
    EXPECT_EQ(CountOf(chapter, "#MOD"), 1);
    EXPECT_EQ(CountOf(chapter, "#FAV"), 0);
}

TEST_F(PageRenderingTest, EmptyInstructionsShowThePromptOnlyInteractively) {
    EXPECT_NE(Render(*m_sample.plainBroth, Display()).find("[ Double-click here to add a description ]"),
              std::string::npos);
    const std::string exported = Render(*m_sample.plainBroth, PageOptions::Export(0));
    EXPECT_EQ(exported.find("Double-click"), std::string::npos);
    EXPECT_NE(exported.find("<!--I--></td>"), std::string::npos);
}

TEST_F(PageRenderingTest, IndentedInstructionLinesKeepTheirIndentInsideTheEditingHook) {
    EXPECT_NE(Render(*m_sample.tomatoSoup, Display())
                  .find("&nbsp;&nbsp;<SPAN id=\"SBInfo\" ondblclick=\"editItem('SBInfo')\">Melt the butter.<br>"
                        "&nbsp;&nbsp;Add the tomatoes and simmer.<br>Season to taste.</SPAN>"),
              std::string::npos);
}

TEST_F(PageRenderingTest, ChapterGridSpreadsSevenRecipesTwoTwoThree) {
    const std::string html = Render(*m_sample.soups, Display());
    const auto grid = html.find("<hr size=\"1\">\n<table width=\"100%\"");
    ASSERT_NE(grid, std::string::npos);
    std::vector<int> perCell;
    for (auto cell = html.find("<td width=\"33%\"", grid); cell != std::string::npos;
         cell = html.find("<td width=\"33%\"", cell + 1)) {
        const auto end = html.find("</td>", cell);
        perCell.push_back(CountOf(html.substr(cell, end - cell), "<img"));
    }
    EXPECT_EQ(perCell, (std::vector<int>{2, 2, 3}));
    EXPECT_NE(html.find("<img src=\"/usr/share/savorbridge/recipe.gif\" border=\"0\">\nTomato Soup<br>"),
              std::string::npos);
    EXPECT_NE(Render(*m_sample.soups, PageOptions::Export(0)).find("<a href=\"#Rec5f3e2a10_00000002\" STYLE="),
              std::string::npos);
}

TEST_F(PageRenderingTest, EditableIngredientRowsCarryTheirIds) {
    const std::string html = Render(*m_sample.tomatoSoup, Display());
    for (int row = 0; row < 3; ++row) {
        const std::string id = "SBIng" + std::to_string(row);
        EXPECT_NE(html.find("id=\"" + id + "\" ondblclick=\"editItem('" + id + "')\""), std::string::npos) << id;
    }
    EXPECT_EQ(html.find("SBIng3"), std::string::npos);
    EXPECT_EQ(Render(*m_sample.tomatoSoup, PageOptions::Export(0)).find("SBIng"), std::string::npos);
}

TEST_F(PageRenderingTest, PortionFactorScalesAmountsServingsAndTitle) {
    PageOptions doubled;
    doubled.SetPortion(2, 1);
    const std::string html = Render(*m_sample.tomatoSoup, doubled);
    EXPECT_NE(html.find(">3&nbsp;<"), std::string::npos);
    EXPECT_NE(html.find(">4--6&nbsp;<"), std::string::npos);
    EXPECT_NE(html.find("Number of Servings: 8"), std::string::npos);
    EXPECT_NE(html.find("</SPAN>  (2:1)"), std::string::npos);
    const std::string exported = Render(*m_sample.tomatoSoup, [] {
        PageOptions options = PageOptions::Export(0);
        options.SetPortion(2, 1);
        return options;
    }());
    EXPECT_NE(exported.find(">1-1/2&nbsp;<"), std::string::npos);
    EXPECT_NE(exported.find("Number of Servings: 4"), std::string::npos);
    EXPECT_EQ(exported.find("(2:1)"), std::string::npos);
}

TEST_F(PageRenderingTest, NavigationBarFollowsTheSetting) {
    EXPECT_NE(Render(*m_sample.tomatoSoup, Display())
                  .find("<a href=\"#VIEW#\" STYLE=\"text-decoration: none\">Home</a>\n\n | \n"
                        "<a href=\"#VIEW#Bok5f3e2a10_0\" STYLE=\"text-decoration: none\">Family Favourites</a>\n\n"
                        " | \n<a href=\"#VIEW#Chp5f3e2a10_00000001\" STYLE=\"text-decoration: none\">Soups</a>\n\n"
                        " | Tomato Soup</b></font>"),
              std::string::npos);
    m_settings.m_showNavigationLinks = 0;
    const std::string html = Render(*m_sample.soups, Display());
    EXPECT_EQ(html.find("Home"), std::string::npos);
    EXPECT_EQ(html.find("<hr"), std::string::npos);
}

TEST_F(PageRenderingTest, ConvertedAmountsCarryTheTargetUnit) {
    CUnit& cup = m_units.Unit(UnitTables::Volume, 7);
    ASSERT_EQ(cup.Abbreviation(), "C");
    cup.SetTarget(&m_units.Unit(UnitTables::Volume, 1));
    const std::string html = Render(*m_sample.tomatoSoup, PageOptions::Export(0));
    const std::string target = m_units.Unit(UnitTables::Volume, 1).DisplayText();
    EXPECT_NE(html.find("<!--I2-->\n<font size=\"2\" face=\"Arial\">" + target + "</font>"), std::string::npos) << html;
}

TEST(HtmlSectionWriterTest, SectionsMatchTheGoldenFile) {
    const SampleBook sample;
    std::string out;
    const HtmlSectionWriter writer;
    writer.Write(*sample.book, out, false);
    writer.Write(*sample.soups, out, false);
    writer.Write(*sample.tomatoSoup, out, true);
    writer.Write(*sample.plainBroth, out, false);
    ExpectGolden("sections.html", out);
}

} // namespace
