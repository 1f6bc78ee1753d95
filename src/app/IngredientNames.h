#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The ingredient names offered while typing ingredient lines, kept one name
// a line in "ingredients.txt" in the program folder.
class IngredientNames {
public:
    static constexpr const char* kFileName = "ingredients.txt";

    // The names of the file, trimmed, empty lines skipped; the built-in few
    // when the file is missing or names nothing.
    static std::vector<std::string> Load(const std::filesystem::path& path);
    // False when the file cannot be written; callers carry on without it.
    static bool Save(const std::filesystem::path& path, const std::vector<std::string>& names);
    static std::vector<std::string> BuiltIn();
};
