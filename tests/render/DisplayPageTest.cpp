#include "render/DisplayPage.h"

#include "app/CSettings.h"
#include "model/CRecipeBook.h"

#include <gtest/gtest.h>

namespace {

std::string Html(CObject* item, const CSBDocBase::Books& books, const CSettings& settings) {
    return DisplayPage(settings, nullptr, "/opt/sb").Build(item, books, PageOptions{})->GetHtml();
}

TEST(DisplayPageTest, HomePageWithoutBooksEndsAfterTheCommandLinks) {
    CSettings settings;
    const std::string html = Html(nullptr, {}, settings);
    EXPECT_NE(html.find("Savorbridge"), std::string::npos);
    EXPECT_NE(html.find("Complete Cookbook Keeping<sup>TM</sup>"), std::string::npos);
    const std::string last = "<a href=\"#NUTRIENTS\">Browse</a> the USDA Nutrient Database...</p>";
    ASSERT_NE(html.find(last), std::string::npos);
    EXPECT_EQ(html.find("<a", html.find(last) + last.size()), std::string::npos);
}

TEST(DisplayPageTest, HomePageLinksEveryOpenBookForDisplay) {
    CSettings settings;
    CSBDocBase::Books books;
    books.push_back(std::make_unique<CRecipeBook>(0x1f));
    books.back()->SetTitle("Soups");
    const std::string html = Html(nullptr, books, settings);
    EXPECT_NE(html.find("href=\"#VIEW#Bok0000001f_0\""), std::string::npos) << html;
    EXPECT_NE(html.find("/opt/sb/book.gif"), std::string::npos);
    EXPECT_NE(html.find("Soups<br>"), std::string::npos);
}

TEST(DisplayPageTest, ShowsTheRecipeWithItsPictures) {
    CSettings settings;
    CRecipeBook book(2);
    CRecipe& recipe = book.AddRecipe(std::make_unique<CRecipe>());
    recipe.SetTitle("Onion Soup");
    recipe.SetPictures({"C:\\pics\\soup.jpg", "/home/u/onion.png"}, {true, true});
    std::string html = Html(&recipe, {}, settings);
    EXPECT_NE(html.find("Onion Soup"), std::string::npos);
    EXPECT_NE(html.find("<img src=\"file:///C:/pics/soup.jpg\""), std::string::npos) << html;
    EXPECT_NE(html.find("<img src=\"file:///home/u/onion.png\""), std::string::npos);

    settings.m_displayBitmaps = 0;
    html = Html(&recipe, {}, settings);
    EXPECT_EQ(html.find("soup.jpg"), std::string::npos);
}

TEST(DisplayPageTest, NutrientsOnlyForRecipesAndWhenShown) {
    CSettings settings;
    CRecipeBook book(2);
    CRecipe& recipe = book.AddRecipe(std::make_unique<CRecipe>());
    const DisplayPage page(settings, nullptr, {});
    EXPECT_TRUE(page.Options(recipe, {}).nutrients);
    EXPECT_FALSE(page.Options(book, {}).nutrients);
    settings.m_showNutrientInfo = 0;
    EXPECT_FALSE(page.Options(recipe, {}).nutrients);
}

} // namespace
