#include "menus/MenuFile.h"
#include "menus/OldMenuWriter.h"
#include "model/VersionBanner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

MenuFile::Contents Read(const std::string& bytes) {
    std::istringstream in(bytes);
    return MenuFile::Load(in, "test.sbm");
}

std::unique_ptr<CSBMenu> FullMenu(std::int32_t id) {
    auto menu = std::make_unique<CSBMenu>();
    menu->SetId(id);
    menu->SetRule({2, 3, 0, 0});
    menu->AddMissingBook("Holidays");
    menu->SetMeal("Brunch");
    CSBMeal::Item item;
    item.kind = CSBMeal::Item::SimpleItem;
    item.text = "Apple (medium) \u00BD";
    item.foodLink = 9003;
    item.count = 3;
    menu->AddItem("Brunch", item);
    item.kind = CSBMeal::Item::LinkedRecipe;
    item.bookId = 0x41000001;
    item.recipeId = 17;
    item.text = "Pancakes";
    item.foodLink = 0;
    menu->AddItem("Brunch", item);
    menu->SetMeal("Dinner");
    return menu;
}

std::string CurrentFile() {
    std::vector<std::unique_ptr<CSBMenu>> menus;
    menus.push_back(FullMenu(4));
    menus.push_back(FullMenu(0x10007));
    return MenuFile::ToBytes({12, 10}, 0x10007, menus);
}

} // namespace

TEST(MenuFile, CurrentFileRoundTripsIdsCountersAndItems) {
    const std::string bytes = CurrentFile();
    const MenuFile::Contents contents = Read(bytes);
    EXPECT_FALSE(contents.damaged);
    EXPECT_EQ(contents.fileVersion, 400);
    EXPECT_EQ(contents.counters.current, 12U);
    EXPECT_EQ(contents.counters.synchronised, 10U);
    EXPECT_EQ(contents.lastMenuId, 0x10007);
    ASSERT_EQ(contents.menus.size(), 2U);
    const CSBMenu& menu = *contents.menus[1];
    EXPECT_EQ(menu.Id(), 0x10007);
    EXPECT_EQ(menu.Rule(), CMenuRule(2, 3, 0, 0));
    EXPECT_EQ(menu.MissingBooks(), std::vector<std::string>{"Holidays"});
    ASSERT_EQ(menu.Meals().size(), 2U);
    const auto& items = menu.FindMeal("Brunch")->Items();
    ASSERT_EQ(items.size(), 2U);
    EXPECT_EQ(items[0].text, "Apple (medium) \u00BD");
    EXPECT_EQ(items[0].foodLink, 9003);
    EXPECT_EQ(items[0].count, 3);
    // Read without its book, the recipe waits as an unlinked item with its ids.
    EXPECT_EQ(items[1].recipe, nullptr);
    EXPECT_EQ(items[1].bookId, 0x41000001U);
    EXPECT_EQ(items[1].recipeId, 17U);
    EXPECT_EQ(MenuFile::ToBytes(contents.counters, contents.lastMenuId, contents.menus), bytes);
}

TEST(MenuFile, ThreePointXMenusReadAsThreeNamedMeals) {
    OldMenuFile file{5, 5, 9, {}};
    OldMenu menu;
    menu.rule = {25, 0, 12, 0};
    menu.id = 9;
    menu.missingBooks = {"Feasts"};
    menu.items[1] = {{1, 2, 33, 0x42, "Goose"}};
    menu.items[2] = {{3, 1, 0, 0, "Cheese"}};
    file.menus = {menu, menu};
    for (const int version : {300, 390}) {
        const MenuFile::Contents contents = Read(WriteOldMenuFile(file, version));
        EXPECT_FALSE(contents.damaged) << version;
        EXPECT_EQ(contents.counters.current, 5U);
        EXPECT_EQ(contents.lastMenuId, 9);
        ASSERT_EQ(contents.menus.size(), 2U);
        const CSBMenu& read = *contents.menus[1];
        EXPECT_EQ(read.Id(), 9);
        EXPECT_EQ(read.Rule(), CMenuRule(25, 0, 12, 0));
        ASSERT_EQ(read.Meals().size(), 3U);
        EXPECT_EQ(read.Meals()[0]->Name(), "Breakfast");
        EXPECT_EQ(read.Meals()[1]->Name(), "Lunch");
        EXPECT_EQ(read.Meals()[2]->Name(), "Dinner");
        ASSERT_EQ(read.Meals()[1]->Items().size(), 1U);
        EXPECT_EQ(read.Meals()[1]->Items()[0].count, 2);
        EXPECT_EQ(read.Meals()[1]->Items()[0].recipeId, 33U);
        EXPECT_EQ(read.Meals()[2]->Items()[0].kind, CSBMeal::Item::SimpleItem);
    }
}

TEST(MenuFile, MenusBeforeThreePointOhKeepTitlesAndFreeItems) {
    OldMenu menu;
    menu.rule = {0, 1, 0, 0};
    menu.missingBooks = {"Basics"};
    menu.pairs[0] = {{"Breads", "Scones"}};
    menu.unlinked[1] = {"Leftovers"};
    menu.simple[2] = {"Water (glass)"};
    for (const int version : {100, 200, 250, 251}) {
        const MenuFile::Contents contents = Read(WriteOldMenuFile({0, 0, 0, {menu}}, version));
        EXPECT_FALSE(contents.damaged) << version;
        ASSERT_EQ(contents.menus.size(), 1U) << version;
        const CSBMenu& read = *contents.menus[0];
        EXPECT_EQ(read.Rule(), CMenuRule(0, 1, 0, 0));
        const std::vector<std::string> missing = version >= 250 ? std::vector<std::string>{"Basics", "Breads"}
                                                                : std::vector<std::string>{"Breads", "Basics"};
        EXPECT_EQ(read.MissingBooks(), missing) << version;
        const auto& breakfast = read.Meals()[0]->Items();
        ASSERT_EQ(breakfast.size(), 1U);
        EXPECT_EQ(breakfast[0].kind, CSBMeal::Item::UnlinkedRecipe);
        EXPECT_EQ(breakfast[0].text, "Scones");
        EXPECT_EQ(breakfast[0].bookId, 0U);
        ASSERT_EQ(read.Meals()[1]->Items().size(), 1U);
        EXPECT_EQ(read.Meals()[1]->Items()[0].text, "Leftovers");
        const auto& dinner = read.Meals()[2]->Items();
        ASSERT_EQ(dinner.size(), version >= 250 ? 1U : 0U) << version;
        if (version >= 250) {
            EXPECT_EQ(dinner[0].kind, CSBMeal::Item::SimpleItem);
        }
    }
}

TEST(MenuFile, ForeignAndEmptyFilesAreRefused) {
    for (const std::string& bytes :
         {std::string(), std::string("plain text, not menus"), std::string("\x05Hello", 6), std::string(1, '\xff')}) {
        EXPECT_THROW(Read(bytes), NotAMenuFileError);
    }
}

TEST(MenuFile, TruncatedFileKeepsTheMenusBeforeTheDamage) {
    const std::string bytes = CurrentFile();
    const std::size_t firstMenuEnd = [&] {
        std::vector<std::unique_ptr<CSBMenu>> one;
        one.push_back(FullMenu(4));
        return MenuFile::ToBytes({12, 10}, 0x10007, one).size();
    }();
    for (std::size_t length = VersionBanner::Current().size() + 1; length < bytes.size(); ++length) {
        const MenuFile::Contents contents = Read(bytes.substr(0, length));
        EXPECT_TRUE(contents.damaged) << length;
        EXPECT_EQ(contents.menus.size(), length >= firstMenuEnd ? 1U : 0U) << length;
    }
}

TEST(MenuFile, MissingFileIsAFileError) {
    TempDir dir;
    EXPECT_THROW(MenuFile::Load(dir / "none.sbm"), FileError);
}
