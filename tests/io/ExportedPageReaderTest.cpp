#include "io/ExportedPageReader.h"
#include "model/CRecipe.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string IngredientRow(const std::string& amount, const std::string& unit, const std::string& description) {
    return "<tr VALIGN=TOP>\n  <td ALIGN=RIGHT WIDTH=\"60\"><!--I1--><font face=\"Arial\">" + amount +
           "&nbsp;</font></td>\n  <td WIDTH=\"60\"><!--I2--><font face=\"Arial\">" + unit +
           "</font></td>\n  <td><!--I3--><font face=\"Arial\">" + description + "</font></td>\n</tr>\n";
}

std::string Page(const std::string& rows, const std::string& instructions, const std::string& comments) {
    return "<html><body><table><tr><td><!--T-->\n<font face=\"Arial\" size=\"5\"><b>Tom &amp; Jerry&#39;s Pie</b>"
           "</font></td></tr></table>\n<!--V: 4.0-->\n<table>" +
           rows + "</table>\n<table><tr><td><!--I--><font face=\"Arial\">" + instructions +
           "</font></p></td></tr></table>\n<!--C--><font face=\"Arial\">" + comments + "</font></body></html>";
}

TEST(ExportedPageReader, ReadsTitleIngredientsInstructionsAndComments) {
    CRecipe recipe;
    const std::string page = Page(IngredientRow("1-1/2", "C", "flour") + IngredientRow("", "", "salt &lt;fine&gt;"),
                                  "Mix.<BR>Bake at 350&#176;F.<br>", "From Aunt Jo.<br>Freezes well.");
    ASSERT_TRUE(ExportedPageReader::Read(recipe, page));
    EXPECT_EQ(recipe.Title(), "Tom & Jerry's Pie");
    ASSERT_EQ(recipe.Ingredients().size(), 2u);
    EXPECT_EQ(recipe.Ingredients()[0]->Amount(), "1-1/2");
    EXPECT_EQ(recipe.Ingredients()[0]->Unit(), "C");
    EXPECT_EQ(recipe.Ingredients()[0]->Description(), "flour");
    EXPECT_EQ(recipe.Ingredients()[1]->Amount(), "");
    EXPECT_EQ(recipe.Ingredients()[1]->Unit(), "");
    EXPECT_EQ(recipe.Ingredients()[1]->Description(), "salt <fine>");
    EXPECT_EQ(recipe.Text(), "Mix.\r\nBake at 350\xC2\xB0"
                             "F.");
    EXPECT_EQ(recipe.Comments(), "From Aunt Jo.\r\nFreezes well.");
}

TEST(ExportedPageReader, FailsWithoutTitleMarkerOrContent) {
    const std::vector<std::string> pages = {
        "",
        "<html><body>No markers here</body></html>",
        Page("", "", ""),
        "<!--T--><b>Half a page<!--I1-->2",
    };
    for (const auto& page : pages) {
        CRecipe recipe;
        EXPECT_FALSE(ExportedPageReader::Read(recipe, page)) << page;
    }
}

TEST(ExportedPageReader, IngredientMarkersAfterTheInstructionsAreNotIngredients) {
    CRecipe recipe;
    const std::string page = Page(IngredientRow("2", "", "eggs"), "Beat.", "") + IngredientRow("9", "lb", "stray");
    ASSERT_TRUE(ExportedPageReader::Read(recipe, page));
    ASSERT_EQ(recipe.Ingredients().size(), 1u);
    EXPECT_EQ(recipe.Ingredients()[0]->Description(), "eggs");
}

} // namespace
