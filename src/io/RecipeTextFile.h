#pragma once

#include "io/RecipeTextWalker.h"

#include <filesystem>

class CRecipeBook;
class UnitTables;

// Recipe text files on disk: reading every recipe of a file of any of the
// text formats into a book, and writing a book as the program's own text.
class RecipeTextFile {
public:
    // Throws FileError when the file cannot be read.
    static RecipeTextWalker::Result Read(const std::filesystem::path& path, CRecipeBook& book, const UnitTables& units);

    // Written in UTF-8 with line feeds. Throws FileError.
    static void Write(const std::filesystem::path& path, const CRecipeBook& book, int ingredientForm);
};
