#include "RecipeTextTestSupport.h"

#include "io/RecipeTextDecoder.h"
#include "quantities/UnitTables.h"

#include <ostream>

ReadBook ReadRecipeText(std::string_view bytes) {
    static const UnitTables units;
    ReadBook read{std::make_unique<CRecipeBook>(1), {}};
    read.result = RecipeTextWalker(units).ReadInto(RecipeTextDecoder::Decode(bytes), *read.book);
    return read;
}

std::vector<const CRecipe*> AllRecipes(const CRecipeBook& book) {
    std::vector<const CRecipe*> recipes;
    for (const auto& recipe : book.Recipes()) {
        recipes.push_back(recipe.get());
    }
    for (const auto& chapter : book.Chapters()) {
        for (const auto& recipe : chapter->Recipes()) {
            recipes.push_back(recipe.get());
        }
    }
    return recipes;
}

std::vector<IngredientParts> IngredientsOf(const CRecipe& recipe) {
    std::vector<IngredientParts> parts;
    for (const auto& line : recipe.Ingredients()) {
        parts.push_back({line->Amount(), line->Unit(), line->Description()});
    }
    return parts;
}

void PrintTo(const IngredientParts& parts, std::ostream* out) {
    *out << '[' << parts.amount << '|' << parts.unit << '|' << parts.description << ']';
}
