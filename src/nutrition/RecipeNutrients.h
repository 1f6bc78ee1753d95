#pragma once

#include "nutrition/LabelHtml.h"
#include "nutrition/NutrientTotals.h"

#include <memory>
#include <string>

class CRecipe;
class CRecipeBook;
class CSettings;

namespace Nutrient {

class Database;

// A recipe's nutrients through the table it keeps (and stores in its book
// when "Cache Nutrient Info" is on): filled from the linked ingredients on
// first need and used unchanged until cleared.
class RecipeNutrients {
public:
    // Fills the recipe's table when it is empty and no earlier attempt left
    // error bits; true when it holds an entry.
    static bool Available(CRecipe& recipe, Database& database);

    // The recipe's table, with equation ids as they are in this run.
    static NutrientTotals Totals(const CRecipe& recipe, const Database& database);

    // The servings ("%d" and a line feed), then the table's nutrient text.
    static std::string Text(CRecipe& recipe, Database& database);

    // The label of the recipe page: none unless "Show Nutrient Info" is on,
    // the database is available and the recipe has nutrients. links on the
    // interactive display; scale is the display's scale factor.
    static std::unique_ptr<LabelHtml> Label(CRecipe& recipe, Database& database, const CSettings& settings, bool links,
                                            double scale);

    // After a change of nutrient selection, equations or database folder.
    static void ClearAll(CRecipeBook& book);
};

} // namespace Nutrient
