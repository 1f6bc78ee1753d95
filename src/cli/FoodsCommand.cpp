// savorbridge-cli foods: searches the food items of the nutrient database.
#include "cli/CliCommand.h"
#include "cli/CliNutrientDatabase.h"
#include "nutrition/Database.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace {

struct FoodsArguments {
    bool allWords = false;
    std::filesystem::path folder;
    std::string phrase;
};

bool ParseArguments(const std::vector<std::string>& args, FoodsArguments& parsed, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--all") {
            parsed.allWords = true;
        } else if (args[i] == "--folder" && i + 1 < args.size()) {
            parsed.folder = args[++i];
        } else if (args[i].starts_with("--")) {
            err << "savorbridge-cli foods: unknown option \"" << args[i] << "\"\n";
            return false;
        } else {
            parsed.phrase += (parsed.phrase.empty() ? "" : " ") + args[i];
        }
    }
    if (parsed.phrase.empty()) {
        err << "Usage: savorbridge-cli foods [--all] [--folder DIR] PHRASE\n";
        return false;
    }
    return true;
}

nlohmann::json Nutrients(const Nutrient::Database& database, const Nutrient::FoodItem& item) {
    nlohmann::json nutrients = nlohmann::json::array();
    for (const auto& [id, nutrient] : database.NutrientTable()) {
        const auto value = item.Value(id);
        if (nutrient.load && value) {
            nutrients.push_back({{"id", id}, {"name", nutrient.name}, {"unit", nutrient.unit}, {"value", *value}});
        }
    }
    return nutrients;
}

nlohmann::json Describe(const Nutrient::Database& database, const Nutrient::FoodItem& item) {
    const Nutrient::FoodGroup* group = database.GroupOf(item);
    const Nutrient::SubGroup* subGroup = database.SubGroupOf(item);
    return {{"id", item.Id()},
            {"description", item.Name()},
            {"group", group == nullptr ? "" : group->Name()},
            {"subGroup", subGroup == nullptr ? "" : subGroup->Name()},
            {"nutrients", Nutrients(database, item)}};
}

int RunFoods(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    FoodsArguments parsed;
    if (!ParseArguments(args, parsed, err)) {
        return kExitUsage;
    }
    const auto opened = OpenCliNutrientDatabase(parsed.folder, "foods", err);
    if (!opened) {
        return kExitFailure;
    }
    Nutrient::Database& database = *opened;
    std::vector<Nutrient::FoodItem*> results;
    database.SearchInScope(parsed.phrase, parsed.allWords, Nutrient::SearchScope::Database, results, {}, {});
    nlohmann::json items = nlohmann::json::array();
    for (const Nutrient::FoodItem* item : results) {
        items.push_back(Describe(database, *item));
    }
    const nlohmann::json answer = {{"phrase", parsed.phrase},
                                   {"allWords", parsed.allWords},
                                   {"count", results.size()},
                                   {"items", std::move(items)}};
    out << answer.dump(2) << '\n';
    return kExitOk;
}

const CliRegistrar kFoods({"foods", "[--all] [--folder DIR] PHRASE",
                           "Search the nutrient database's food items (any word, or all with --all) and print their "
                           "loaded nutrients per 100 g as JSON.",
                           RunFoods});

} // namespace
