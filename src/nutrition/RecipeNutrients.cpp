#include "nutrition/RecipeNutrients.h"

#include "app/CSettings.h"
#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "model/CRecipeChapter.h"
#include "nutrition/Database.h"
#include "nutrition/NutrientEquation.h"

namespace Nutrient {

bool RecipeNutrients::Available(CRecipe& recipe, Database& database) {
    NutrientCache& cache = recipe.Nutrients();
    if (!cache.Empty()) {
        return true;
    }
    // An earlier attempt that found nothing but errors is not repeated.
    if (cache.ErrorBits() != 0) {
        return false;
    }
    const NutrientEquation equations(database);
    NutrientTotals totals;
    for (const auto& line : recipe.Ingredients()) {
        if (line->Link() != 0 && !line->Description().empty()) {
            totals.AddIngredient(equations, line->Amount(), line->Unit(), line->Link());
        }
    }
    cache = totals.ToCache(database);
    return !cache.Empty();
}

NutrientTotals RecipeNutrients::Totals(const CRecipe& recipe, const Database& database) {
    NutrientTotals totals;
    totals.LoadCache(recipe.Nutrients(), database);
    return totals;
}

std::string RecipeNutrients::Text(CRecipe& recipe, Database& database) {
    Available(recipe, database);
    return std::to_string(recipe.Servings()) + "\n" + Totals(recipe, database).NutrientText(database);
}

std::unique_ptr<LabelHtml> RecipeNutrients::Label(CRecipe& recipe, Database& database, const CSettings& settings,
                                                  bool links, double scale) {
    if (settings.m_showNutrientInfo == 0 || !database.IsAvailable() || !Available(recipe, database)) {
        return nullptr;
    }
    return Totals(recipe, database)
        .BuildLabel(database, settings.m_showPerServing != 0, recipe.Servings(), links, scale);
}

void RecipeNutrients::ClearAll(CRecipeBook& book) {
    for (const auto& recipe : book.Recipes()) {
        recipe->Nutrients().Clear();
    }
    for (const auto& chapter : book.Chapters()) {
        for (const auto& recipe : chapter->Recipes()) {
            recipe->Nutrients().Clear();
        }
    }
}

} // namespace Nutrient
