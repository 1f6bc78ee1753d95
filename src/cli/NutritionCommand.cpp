// savorbridge-cli nutrition: the nutrient totals of a book's recipes.
#include "cli/CliBook.h"
#include "cli/CliCommand.h"
#include "cli/CliNutrientDatabase.h"
#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "model/CRecipeChapter.h"
#include "nutrition/Database.h"
#include "nutrition/NutrientEquation.h"
#include "nutrition/RecipeNutrients.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <stdexcept>

namespace {

struct NutritionArguments {
    std::filesystem::path folder;
    std::string book;
    std::string recipe;
};

bool ParseArguments(const std::vector<std::string>& args, NutritionArguments& parsed, std::ostream& err) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--folder" && i + 1 < args.size()) {
            parsed.folder = args[++i];
        } else if (args[i].starts_with("--")) {
            err << "savorbridge-cli nutrition: unknown option \"" << args[i] << "\"\n";
            return false;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.empty() || positional.size() > 2) {
        err << "Usage: savorbridge-cli nutrition [--folder DIR] BOOK.rcp [RECIPE-REF]\n";
        return false;
    }
    parsed.book = positional[0];
    parsed.recipe = positional.size() == 2 ? positional[1] : std::string();
    return true;
}

std::vector<CRecipe*> AllRecipes(const CRecipeBook& book) {
    std::vector<CRecipe*> recipes;
    for (const auto& chapter : book.Chapters()) {
        for (const auto& recipe : chapter->Recipes()) {
            recipes.push_back(recipe.get());
        }
    }
    for (const auto& recipe : book.Recipes()) {
        recipes.push_back(recipe.get());
    }
    return recipes;
}

// A recipe is named by its object reference ("Rec…") or by its title.
std::vector<CRecipe*> Chosen(const CRecipeBook& book, const std::string& reference) {
    std::vector<CRecipe*> recipes = AllRecipes(book);
    if (reference.empty()) {
        return recipes;
    }
    std::erase_if(recipes, [&reference](const CRecipe* recipe) {
        return recipe->ObjectId() != reference && recipe->Title() != reference;
    });
    return recipes;
}

nlohmann::ordered_json Entries(const Nutrient::Database& database, const Nutrient::NutrientTotals& totals,
                               int servings) {
    nlohmann::ordered_json entries = nlohmann::ordered_json::array();
    for (const auto& [key, value] : totals.Values()) {
        const auto info = database.Info(key);
        nlohmann::ordered_json entry = {{"id", key},
                                        {"name", info ? info->name : std::string()},
                                        {"unit", info ? info->unit : std::string()},
                                        {"perRecipe", value}};
        entry["perServing"] = servings > 0 ? nlohmann::ordered_json(value / servings) : nlohmann::ordered_json();
        entries.push_back(std::move(entry));
    }
    return entries;
}

nlohmann::ordered_json Describe(CRecipe& recipe, Nutrient::Database& database) {
    Nutrient::RecipeNutrients::Available(recipe, database);
    const Nutrient::NutrientTotals totals = Nutrient::RecipeNutrients::Totals(recipe, database);
    return {{"id", recipe.ObjectId()},
            {"title", recipe.Title()},
            {"servings", recipe.Servings()},
            {"errorBits", totals.ErrorBits()},
            {"nutrients", Entries(database, totals, recipe.Servings())}};
}

int RunNutrition(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    NutritionArguments parsed;
    if (!ParseArguments(args, parsed, err)) {
        return kExitUsage;
    }
    const auto opened = OpenCliNutrientDatabase(parsed.folder, "nutrition", err);
    if (!opened) {
        return kExitFailure;
    }
    Nutrient::Database& database = *opened;
    RecipeBookFile::Loaded loaded;
    try {
        loaded = CliBook::Load(parsed.book);
    } catch (const std::runtime_error& error) {
        err << "savorbridge-cli nutrition: " << error.what() << '\n';
        return kExitFailure;
    }
    const std::vector<CRecipe*> recipes = Chosen(*loaded.book, parsed.recipe);
    if (!parsed.recipe.empty() && recipes.empty()) {
        err << "savorbridge-cli nutrition: no recipe \"" << parsed.recipe << "\" in " << parsed.book << '\n';
        return kExitFailure;
    }
    nlohmann::ordered_json answer = nlohmann::ordered_json::array();
    for (CRecipe* recipe : recipes) {
        // Values stored with the book may come from other food tables;
        // the command always works them out afresh.
        recipe->Nutrients().Clear();
        answer.push_back(Describe(*recipe, database));
    }
    out << answer.dump(2) << '\n';
    return kExitOk;
}

const CliRegistrar kNutrition({"nutrition", "[--folder DIR] BOOK.rcp [RECIPE-REF]",
                               "Print the nutrient totals of the book's recipes (or of the one named by its "
                               "reference or title), per recipe and per serving, with their error bits, as JSON.",
                               RunNutrition});

} // namespace
