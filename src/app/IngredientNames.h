#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The ingredient names offered while typing ingredient lines, kept one name
// a line in "ingredients.txt". The program folder holds the shipped list; the
// names a user adds are written to a copy in the data folder, which wins from
// then on, because the program folder is read-only once installed.
class IngredientNames {
public:
    static constexpr const char* kFileName = "ingredients.txt";

    // The names of the file, trimmed, empty lines skipped; the built-in few
    // when the file is missing or names nothing.
    static std::vector<std::string> Load(const std::filesystem::path& path);
    // False when the file cannot be written; callers carry on without it.
    static bool Save(const std::filesystem::path& path, const std::vector<std::string>& names);
    static std::vector<std::string> BuiltIn();

    // The user's copy when there is one, else the shipped list.
    static std::filesystem::path FileToRead(const std::filesystem::path& programFolder,
                                            const std::filesystem::path& dataFolder);
    // Where added names go: the data folder, or the program folder without one.
    static std::filesystem::path FileToWrite(const std::filesystem::path& programFolder,
                                             const std::filesystem::path& dataFolder);

    // Adds the name an ingredient description stands for (the text before
    // " -- ", trimmed) unless the list has it in any case. True when added.
    static bool AddName(std::vector<std::string>& names, const std::string& description);
};
