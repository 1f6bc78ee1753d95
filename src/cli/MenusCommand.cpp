#include "cli/CliCommand.h"
#include "menus/MenuFile.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace {

using Json = nlohmann::ordered_json;

Json ItemJson(const CSBMeal::Item& item) {
    return {{"kind", item.kind},      {"count", item.count},        {"text", item.text},
            {"book_id", item.bookId}, {"recipe_id", item.recipeId}, {"food_link", item.foodLink}};
}

Json MenuJson(const CSBMenu& menu) {
    const CMenuRule& rule = menu.Rule();
    Json meals = Json::array();
    for (const auto& meal : menu.Meals()) {
        Json items = Json::array();
        for (const CSBMeal::Item& item : meal->Items()) {
            items.push_back(ItemJson(item));
        }
        meals.push_back({{"name", meal->Name()}, {"items", items}});
    }
    return {
        {"id", menu.Id()},
        {"rule", {{"day", rule.Day()}, {"weekday", rule.Weekday()}, {"month", rule.Month()}, {"year", rule.Year()}}},
        {"missing_books", menu.MissingBooks()},
        {"meals", meals}};
}

int Menus(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "Usage: savorbridge-cli menus FILE.sbm\n";
        return kExitUsage;
    }
    MenuFile::Contents contents;
    try {
        contents = MenuFile::Load(args[0]);
    } catch (const FileError& error) {
        err << "savorbridge-cli menus: " << args[0] << ": " << error.what() << '\n';
        return kExitFailure;
    }
    Json menus = Json::array();
    for (const auto& menu : contents.menus) {
        menus.push_back(MenuJson(*menu));
    }
    const Json json = {{"file_version", contents.fileVersion},
                       {"sync", {contents.counters.current, contents.counters.synchronised}},
                       {"last_menu_id", contents.lastMenuId},
                       {"damaged", contents.damaged},
                       {"menus", menus}};
    out << json.dump(2) << '\n';
    if (contents.damaged) {
        err << "savorbridge-cli menus: " << args[0] << ": the file is damaged; " << contents.menus.size()
            << " menus could be read before the damage\n";
        return kExitFailure;
    }
    return kExitOk;
}

const CliRegistrar registrar({"menus", "FILE.sbm", "Show the menus of a menu file as JSON.", &Menus});

} // namespace
