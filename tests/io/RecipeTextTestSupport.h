#pragma once

#include "io/RecipeTextWalker.h"
#include "model/CRecipeBook.h"
#include "quantities/IngredientParts.h"

#include <iosfwd>
#include <memory>
#include <string_view>
#include <vector>

// A book read from the bytes of a recipe text file, as the import reads it.
struct ReadBook {
    std::unique_ptr<CRecipeBook> book;
    RecipeTextWalker::Result result;
};

ReadBook ReadRecipeText(std::string_view bytes);

// Every recipe of the book, top level first, then chapter by chapter.
std::vector<const CRecipe*> AllRecipes(const CRecipeBook& book);

std::vector<IngredientParts> IngredientsOf(const CRecipe& recipe);

// Lets test failures show the three parts of an ingredient.
void PrintTo(const IngredientParts& parts, std::ostream* out);
