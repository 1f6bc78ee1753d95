#pragma once

#include "model/RecipeBookFile.h"

#include <nlohmann/json.hpp>
#include <string>

// Reading a book for a subcommand, and its JSON form.
class CliBook {
public:
    // Throws std::runtime_error with a one-line reason naming the file.
    static RecipeBookFile::Loaded Load(const std::string& path);

    static nlohmann::ordered_json ToJson(const RecipeBookFile::Loaded& loaded);
};
