#pragma once

#include <string>
#include <string_view>

class CRecipe;
class CRecipeBook;
class CRecipeChapter;

// Writes the program's own plain text: "BOOK", "CHAPTER" and "RECIPE" blocks
// that RecipeTextReader reads back, free text wrapped at 80 columns.
class RecipeTextWriter {
public:
    // A tab before each paragraph, lines broken after the last space before
    // column 80; nothing at all for an empty text.
    static void WriteTextBlock(std::string& out, std::string_view text);

    static void WriteBookBlock(std::string& out, const CRecipeBook& book);
    static void WriteChapterBlock(std::string& out, const CRecipeChapter& chapter);

    // ingredientForm is a value of the "Ingredient Format" setting: 0 gives
    // amount and unit in columns of eight characters, the others their own
    // line form.
    static void WriteRecipeBlock(std::string& out, const CRecipe& recipe, int ingredientForm);

    // The book block, the top-level recipes, then each chapter with its
    // recipes.
    static std::string BookText(const CRecipeBook& book, int ingredientForm);

private:
    static void WriteBlock(std::string& out, std::string_view kind, std::string_view title, std::string_view text);
    static void WriteParagraph(std::string& out, std::string_view paragraph);
    static void WriteIngredients(std::string& out, const CRecipe& recipe, int ingredientForm);
};
