#include "cli/CliRun.h"
#include "menus/MenuFile.h"
#include "platform/AtomicFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace {

std::string MenuFileBytes() {
    std::vector<std::unique_ptr<CSBMenu>> menus;
    auto menu = std::make_unique<CSBMenu>();
    menu->SetId(7);
    menu->SetRule({2, 3, 0, 0});
    menu->SetMeal("Lunch");
    CSBMeal::Item item;
    item.kind = CSBMeal::Item::SimpleItem;
    item.text = "Apple (medium)";
    item.foodLink = 9003;
    menu->AddItem("Lunch", item);
    menus.push_back(std::move(menu));
    return MenuFile::ToBytes({3, 2}, 7, menus);
}

std::string Quote(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

} // namespace

TEST(MenusCommand, PrintsMenusRulesMealsAndItemsAsJson) {
    TempDir dir;
    const auto result = RunCli("menus " + Quote(dir.Write("menus.sbm", MenuFileBytes())));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto json = nlohmann::json::parse(result.output);
    EXPECT_EQ(json["file_version"], 400);
    EXPECT_EQ(json["last_menu_id"], 7);
    EXPECT_EQ(json["damaged"], false);
    const auto& menu = json["menus"][0];
    EXPECT_EQ(menu["id"], 7);
    EXPECT_EQ(menu["rule"]["day"], 2);
    EXPECT_EQ(menu["rule"]["weekday"], 3);
    EXPECT_EQ(menu["meals"][0]["name"], "Lunch");
    EXPECT_EQ(menu["meals"][0]["items"][0]["text"], "Apple (medium)");
    EXPECT_EQ(menu["meals"][0]["items"][0]["kind"], 3);
    EXPECT_EQ(menu["meals"][0]["items"][0]["food_link"], 9003);
}

TEST(MenusCommand, FailsClearlyOnBadInput) {
    TempDir dir;
    const std::string whole = MenuFileBytes();
    const struct {
        std::string arguments;
        int exitCode;
        std::string says;
    } cases[] = {
        {"menus", 2, "Usage"},
        {"menus " + Quote(dir / "none.sbm"), 1, "cannot open"},
        {"menus " + Quote(dir.Write("text.sbm", "hello")), 1, "not a Savorbridge menu file"},
        {"menus " + Quote(dir.Write("cut.sbm", whole.substr(0, whole.size() - 4))), 1, "damaged"},
    };
    for (const auto& c : cases) {
        const auto result = RunCli(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments;
        EXPECT_NE(result.output.find(c.says), std::string::npos) << result.output;
    }
}
