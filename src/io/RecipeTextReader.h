#pragma once

#include "io/RecipeTextHeader.h"
#include "io/TextLineCursor.h"
#include "quantities/IngredientParts.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CRecipe;
class UnitTables;

// Reads one record of a recipe text file at the cursor: a recipe in one of
// the four formats, a book or chapter block of the program's own text, or a
// block of free text. Readers take whole lines, never trust a column to
// exist, and stop at the header of the next recipe even when the blank lines
// that should come first are missing.
class RecipeTextReader {
public:
    // How a block of free text ends, besides the header of the next recipe.
    enum class TextEnd {
        TwoBlankLines, // the program's own text and Now You're Cooking!
        MealMasterEnd, // the "MMMMM" or "-----" line
        MasterCookEnd, // the row of spaced hyphens
    };

    struct Block {
        std::string title;
        std::string text;
    };

    explicit RecipeTextReader(const UnitTables& units) : m_units(units) {}

    // The cursor stands just after the recipe's header line (for the own
    // format it may stand on the "RECIPE" line).
    std::unique_ptr<CRecipe> ReadRecipe(TextLineCursor& cursor, RecipeTextFormat format);

    // A book or chapter block; the cursor stands on its "BOOK" or "CHAPTER"
    // line or just after it.
    static Block ReadBlock(TextLineCursor& cursor);

    // Paragraphs are joined with "\r\n"; the lines of one paragraph with a
    // space. A line that starts with a tab or a space starts a paragraph, a
    // blank line stands for an empty one, and a line of one tab is an empty
    // paragraph that does not count towards the end of the block.
    static std::string ReadTextBlock(TextLineCursor& cursor, TextEnd end);

    // APPLE PIE and apple pie both become Apple Pie: other programs write
    // titles in capitals.
    static std::string TitleCase(std::string_view title);

private:
    void ReadOwn(TextLineCursor& cursor, CRecipe& recipe);
    void ReadMealMaster(TextLineCursor& cursor, CRecipe& recipe);
    void ReadMasterCook(TextLineCursor& cursor, CRecipe& recipe);
    void ReadNowYoureCooking(TextLineCursor& cursor, CRecipe& recipe);
    void ReadIngredients(TextLineCursor& cursor, CRecipe& recipe, RecipeTextFormat format);

    const UnitTables& m_units;
    std::vector<IngredientParts> m_lines;
};
