#include "app/PageLink.h"

#include "model/CRecipeBook.h"

#include <gtest/gtest.h>

namespace {

class PageLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto book = std::make_unique<CRecipeBook>(0x0a);
        m_book = book.get();
        m_chapter = &m_book->AddChapter(std::make_unique<CRecipeChapter>());
        m_recipe = &m_chapter->AddRecipe(std::make_unique<CRecipe>());
        m_books.push_back(std::move(book));
    }

    CSBDocBase::Books m_books;
    CRecipeBook* m_book = nullptr;
    CRecipeChapter* m_chapter = nullptr;
    CRecipe* m_recipe = nullptr;
};

TEST_F(PageLinkTest, FindsTheObjectsOfOpenBooksByTheirReference) {
    const struct {
        std::string url;
        CRecipeObj* expected;
    } cases[] = {
        {"file:///x/#VIEW#" + m_recipe->ObjectId(), m_recipe},
        {"#VIEW#" + m_chapter->ObjectId(), m_chapter},
        {"#VIEW#Bok0000000a_0", m_book},
        {"#FAV" + m_recipe->ObjectId(), m_recipe},
        {"#VIEW#Rec0000000a_0000ffff", nullptr},
        {"#VIEW#Rec0000000b_00000001", nullptr},
        {"#VIEW#Bok", nullptr},
        {"#VIEW#", nullptr},
    };
    for (const auto& c : cases) {
        const std::string tag = c.url.find("#FAV") != std::string::npos ? "#FAV" : PageLink::kViewTag;
        const auto reference = PageLink::FindReference(c.url, tag, m_books);
        EXPECT_TRUE(reference.found) << c.url;
        EXPECT_EQ(reference.object, c.expected) << c.url;
    }
}

TEST_F(PageLinkTest, ReadsTheReferenceAsHexadecimal) {
    auto book = std::make_unique<CRecipeBook>(0x0a);
    CRecipe* third = nullptr;
    for (int i = 0; i < 3; ++i) {
        third = &book->AddRecipe(std::make_unique<CRecipe>());
    }
    CSBDocBase::Books books;
    books.push_back(std::move(book));
    ASSERT_EQ(third->Id(), 3u);
    EXPECT_EQ(PageLink::FindReference("#VIEW#Rec0000000a_00000003", PageLink::kViewTag, books).object, third);
}

TEST_F(PageLinkTest, OtherTagsAreNoReference) {
    EXPECT_FALSE(PageLink::FindReference("#FAV" + m_recipe->ObjectId(), PageLink::kViewTag, m_books).found);
}

TEST(PageLinkEditTest, SizesTheEditorOverTheElement) {
    const struct {
        std::string url;
        PageLink::EditKind kind;
        int ingredient;
        int width;
        int height;
    } cases[] = {
        {"#modify_SBTitle(5,6,150,10)", PageLink::EditKind::Title, -1, 234, 24},
        {"#modify_SBIng2(5,6,100,30)", PageLink::EditKind::Ingredient, 2, 200, 30},
        {"#modify_SBInfo(5,6,200,30)", PageLink::EditKind::Introduction, -1, 229, 80},
    };
    for (const auto& c : cases) {
        const auto edit = PageLink::ParseEdit(c.url);
        ASSERT_TRUE(edit) << c.url;
        EXPECT_EQ(edit->kind, c.kind) << c.url;
        EXPECT_EQ(edit->ingredient, c.ingredient) << c.url;
        EXPECT_EQ(edit->left, 5);
        EXPECT_EQ(edit->top, 6);
        EXPECT_EQ(edit->width, c.width) << c.url;
        EXPECT_EQ(edit->height, c.height) << c.url;
    }
}

TEST(PageLinkEditTest, RefusesRequestsWithoutTheirRectangle) {
    EXPECT_FALSE(PageLink::ParseEdit("#modify_SBTitle"));
    EXPECT_FALSE(PageLink::ParseEdit("#modify_SBTitle(1,2)"));
}

TEST(PageLinkNoteTest, NamesTheFiveErrorNotesOnly) {
    EXPECT_EQ(
        PageLink::ErrorText("#ERR4"),
        "An equation could not be evaluated. Use the Options dialog to inspect the equations for correct syntax.");
    EXPECT_TRUE(PageLink::ErrorText("#ERR1").starts_with("A nutrient was not loaded."));
    EXPECT_TRUE(PageLink::ErrorText("#ERR5").starts_with("A unit could not be matched."));
    EXPECT_EQ(PageLink::ErrorText("#ERR7"), "");
    EXPECT_EQ(PageLink::ErrorText("#ERR"), "");
}

TEST(PageLinkStatusTest, ReplacesLinkAddressesByTips) {
    const struct {
        const char* proposed;
        const char* tip;
    } cases[] = {
        {"file:///a/#VIEW#Rec0000000a_00000003", "View this recipe."},
        {"file:///a/#VIEW#Bok0000000a_0", "View this recipe book."},
        {"file:///a/#VIEW#", "Return to the Home page."},
        {"file:///a/#MODRec0000000a_00000003", "Modify the properties of this item."},
        {"#SWAP_SERVING", "Click to display the nutrients on a per-serving basis."},
        {"#SWAP_RECIPE", "Click to display the nutrients for the entire recipe."},
        {"#ERR2", "The calculations may be incomplete. Click for details."},
        {"javascript:void(0)", ""},
        {"http://example.org/book.rcp", "Save this book and all of its recipes to your computer"},
        {"http://example.org/", "http://example.org/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PageLink::StatusTip(c.proposed), c.tip) << c.proposed;
    }
}

TEST(PageLinkStatusTest, RecipeDownloadsNameTheirTarget) {
    const struct {
        const char* proposed;
        const char* book;
        const char* chapter;
        const char* tip;
    } cases[] = {
        {"http://host/x#WebDownloadR12", "", "", "Save this recipe on your computer in a new recipe book"},
        {"http://host/x#WebDR12", "Soups", "", "Save this recipe on your computer in 'Soups'."},
        {"http://host/x.rcp#WebDR12", "Soups", "Cold", "Save this recipe on your computer in 'Soups | Cold'."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PageLink::StatusTip(c.proposed, c.book, c.chapter), c.tip) << c.proposed;
    }
}

} // namespace
