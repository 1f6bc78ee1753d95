#include "menus/CSBMenu.h"
#include "model/CRecipeBook.h"

#include <gtest/gtest.h>

namespace {

using Item = CSBMeal::Item;

// A book with the given id holding recipes with the given ids and titles.
std::unique_ptr<CRecipeBook> MakeBook(std::uint32_t id, const std::string& title,
                                      const std::vector<std::pair<std::uint32_t, std::string>>& recipes) {
    auto book = std::make_unique<CRecipeBook>(id);
    book->SetTitle(title);
    book->SetIdAssignment(false);
    auto chapter = std::make_unique<CRecipeChapter>();
    CRecipeChapter& added = book->AddChapter(std::move(chapter));
    for (const auto& [recipeId, recipeTitle] : recipes) {
        auto recipe = std::make_unique<CRecipe>();
        recipe->SetId(recipeId);
        recipe->SetTitle(recipeTitle);
        added.AddRecipe(std::move(recipe));
    }
    book->SetIdAssignment(true);
    return book;
}

Item StoredRecipe(std::uint32_t bookId, std::uint32_t recipeId, const std::string& text, std::int32_t count = 1) {
    Item item;
    item.kind = Item::LinkedRecipe;
    item.bookId = bookId;
    item.recipeId = recipeId;
    item.text = text;
    item.count = count;
    return item;
}

std::unique_ptr<CSBMenu> MenuWithMeals(const CMenuRule& rule = {}) {
    auto menu = std::make_unique<CSBMenu>();
    menu->SetRule(rule);
    for (const char* name : {"Breakfast", "Lunch", "Dinner"}) {
        menu->SetMeal(name);
    }
    return menu;
}

} // namespace

TEST(CSBMealItem, SplitsNameAndPortionAndShowsCounts) {
    const struct {
        std::string text;
        std::string name;
        std::string portion;
    } cases[] = {
        {"Apple (medium)", "Apple", "medium"},
        {"Apple(medium)", "Apple", "medium"},
        {"Apple", "Apple", ""},
        {"(medium) Apple", "(medium) Apple", ""},
        {"Bread (2 slices) (toasted)", "Bread", "2 slices"},
        {"Soup (bowl", "Soup", "bowl"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        Item item;
        item.kind = Item::SimpleItem;
        item.text = c.text;
        EXPECT_EQ(item.DisplayName(), c.name) << c.text;
        EXPECT_EQ(item.Portion(), c.portion) << c.text;
    }
    Item item;
    EXPECT_EQ(item.CountSuffix(), "");
    item.count = 3;
    EXPECT_EQ(item.CountSuffix(), " (3)");
}

TEST(CSBMenu, MealsAreReplacedRemovedAndCollectedByName) {
    auto menu = MenuWithMeals();
    menu->AddItem("Lunch", StoredRecipe(1, 2, "Soup"));
    menu->SetMeal("Lunch");
    ASSERT_EQ(menu->Meals().size(), 3U);
    EXPECT_EQ(menu->Meals().back()->Name(), "Lunch");
    EXPECT_TRUE(menu->Meals().back()->Items().empty());
    menu->RemoveMeal("Breakfast");
    menu->AddItemText("Supper", "Toast", "Bakery");
    EXPECT_TRUE(menu->MissingBooks().empty());
    menu->AddItemText("Dinner", "Stew", "Winter");
    menu->AddItemText("Dinner", "Roast", "Winter");
    EXPECT_EQ(menu->MissingBooks(), std::vector<std::string>{"Winter"});
    std::vector<std::string> names{"Dinner", "Tea"};
    menu->CollectMealNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Dinner", "Tea", "Lunch"}));
    menu->Clear(false);
    EXPECT_EQ(menu->Meals().size(), 2U);
    EXPECT_TRUE(menu->FindMeal("Dinner")->Items().empty());
    menu->Clear(true);
    EXPECT_TRUE(menu->Meals().empty());
}

TEST(CSBMenuLinks, ItemLinksByIdsWhateverTheTitles) {
    const auto book = MakeBook(7, "Any Title", {{12, "New Name"}});
    auto menu = MenuWithMeals();
    menu->AddItem("Dinner", StoredRecipe(7, 12, "Old Name"));
    const std::vector<std::unique_ptr<CRecipeBook>> none;
    menu->Resolve(none);
    const Item& item = menu->FindMeal("Dinner")->Items()[0];
    EXPECT_EQ(item.kind, Item::UnlinkedRecipe);
    EXPECT_EQ(item.text, "Old Name");

    std::vector<std::unique_ptr<CRecipeBook>> books;
    books.push_back(MakeBook(7, "Any Title", {{12, "New Name"}}));
    menu->Resolve(books);
    EXPECT_EQ(item.kind, Item::LinkedRecipe);
    EXPECT_EQ(item.recipe, books[0]->FindRecipe(12));
    EXPECT_EQ(item.text, "New Name");
}

TEST(CSBMenuLinks, OldItemLinksByTitleInAMissingBookAndKeepsItsIds) {
    auto menu = MenuWithMeals();
    menu->AddItemText("Dinner", "Apple Pie", "Desserts");
    menu->AddItemText("Dinner", "Fudge", "Sweets");
    std::vector<std::unique_ptr<CRecipeBook>> books;
    books.push_back(MakeBook(0x44, "Desserts", {{3, "Crumble"}, {9, "Apple Pie"}}));
    menu->Resolve(books);
    const Item& pie = menu->FindMeal("Dinner")->Items()[0];
    EXPECT_EQ(pie.kind, Item::LinkedRecipe);
    EXPECT_EQ(pie.bookId, 0x44U);
    EXPECT_EQ(pie.recipeId, 9U);
    EXPECT_EQ(menu->MissingBooks(), std::vector<std::string>{"Sweets"});

    // Closing the book unlinks; opening it again links by ids, even under a new title.
    const CRecipe& recipe = *books[0]->FindRecipe(9);
    EXPECT_TRUE(menu->Unlink(recipe));
    EXPECT_EQ(pie.kind, Item::UnlinkedRecipe);
    EXPECT_EQ(pie.recipe, nullptr);
    EXPECT_EQ(pie.text, "Apple Pie");
    books.clear();
    books.push_back(MakeBook(0x44, "Renamed", {{9, "Apple Tart"}}));
    menu->Resolve(books);
    EXPECT_EQ(pie.kind, Item::LinkedRecipe);
    EXPECT_EQ(pie.text, "Apple Tart");
}

TEST(CSBMenuLinks, UnlinkAndRefreshReachEveryItemOfTheRecipe) {
    std::vector<std::unique_ptr<CRecipeBook>> books;
    books.push_back(MakeBook(5, "Book", {{1, "Soup"}}));
    CRecipe& soup = *books[0]->FindRecipe(1);
    auto menu = MenuWithMeals();
    menu->AddRecipe("Lunch", soup);
    menu->AddRecipe("Lunch", soup);
    menu->AddRecipe("Dinner", soup);

    soup.SetTitle("Tomato Soup");
    EXPECT_EQ(menu->Refresh(soup), 2);
    for (const Item& item : menu->FindMeal("Lunch")->Items()) {
        EXPECT_EQ(item.text, "Tomato Soup");
    }
    EXPECT_TRUE(menu->Unlink(soup));
    for (const auto& meal : menu->Meals()) {
        for (const Item& item : meal->Items()) {
            EXPECT_EQ(item.recipe, nullptr);
            EXPECT_EQ(item.kind, Item::UnlinkedRecipe);
        }
    }
    EXPECT_FALSE(menu->Unlink(soup));
}

TEST(CSBMenuMerge, MergesOnlyEqualRules) {
    const struct {
        CMenuRule incoming;
        bool merges;
    } cases[] = {
        {{25, 0, 12, 0}, true},  {{25, 0, 12, 2024}, false}, {{24, 0, 12, 0}, false},
        {{25, 1, 12, 0}, false}, {{25, 0, 11, 0}, false},
    };
    for (const auto& c : cases) {
        auto existing = MenuWithMeals({25, 0, 12, 0});
        auto incoming = MenuWithMeals(c.incoming);
        incoming->AddItem("Lunch", StoredRecipe(1, 2, "Goose"));
        EXPECT_EQ(existing->MergeFrom(*incoming, {}), c.merges);
        EXPECT_EQ(existing->FindMeal("Lunch")->Items().size(), c.merges ? 1U : 0U);
    }
}

TEST(CSBMenuMerge, RaisesCountsAppendsNewItemsAndIgnoresUnknownMeals) {
    auto existing = MenuWithMeals();
    existing->AddItem("Lunch", StoredRecipe(1, 2, "Soup", 1));
    existing->AddItem("Lunch", StoredRecipe(1, 3, "Bread", 4));
    auto incoming = std::make_unique<CSBMenu>();
    incoming->SetMeal("Lunch");
    incoming->SetMeal("Elevenses");
    incoming->AddItem("Lunch", StoredRecipe(1, 2, "Soup", 2));
    incoming->AddItem("Lunch", StoredRecipe(1, 3, "Bread", 1));
    incoming->AddItem("Lunch", StoredRecipe(1, 4, "Salad", 1));
    incoming->AddItem("Elevenses", StoredRecipe(1, 5, "Cake", 1));
    EXPECT_TRUE(existing->MergeFrom(*incoming, {}));
    const auto& lunch = existing->FindMeal("Lunch")->Items();
    ASSERT_EQ(lunch.size(), 3U);
    EXPECT_EQ(lunch[0].count, 2);
    EXPECT_EQ(lunch[1].count, 4);
    EXPECT_EQ(lunch[2].text, "Salad");
    EXPECT_EQ(existing->FindMeal("Elevenses"), nullptr);
    EXPECT_EQ(existing->Meals().size(), 3U);
}
