#pragma once

#include "io/RecipeTextReader.h"

#include <cstddef>
#include <string_view>

class CRecipeBook;
class CRecipeChapter;
class UnitTables;

// Walks a text holding any number of recipes in any mix of the four formats,
// recognising each recipe by its header line, and places what it reads in a
// book in file order: a "BOOK" block gives the book its title and
// introduction, a "CHAPTER" block adds a chapter that takes the recipes after
// it, every other recipe goes to the top level. Mail headers, signatures and
// other text between recipes are counted and left out.
class RecipeTextWalker {
public:
    struct Result {
        std::size_t recipes = 0;
        std::size_t unplacedLines = 0;
    };

    explicit RecipeTextWalker(const UnitTables& units) : m_reader(units) {}

    // text is decoded (RecipeTextDecoder).
    Result ReadInto(std::string_view text, CRecipeBook& book);

private:
    void ReadRecipe(TextLineCursor& cursor, std::string_view header, RecipeTextFormat format);

    RecipeTextReader m_reader;
    CRecipeBook* m_book = nullptr;
    CRecipeChapter* m_chapter = nullptr;
    Result m_result;
};
