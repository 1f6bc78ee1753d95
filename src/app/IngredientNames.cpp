#include "app/IngredientNames.h"

#include "platform/AtomicFile.h"
#include "platform/FileError.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace {

std::string Trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = line.find_last_not_of(" \t\r\n");
    return line.substr(first, last - first + 1);
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

} // namespace

std::vector<std::string> IngredientNames::Load(const std::filesystem::path& path) {
    std::vector<std::string> names;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::string name = Trimmed(line);
        if (!name.empty()) {
            names.push_back(std::move(name));
        }
    }
    return names.empty() ? BuiltIn() : names;
}

bool IngredientNames::Save(const std::filesystem::path& path, const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += name + '\n';
    }
    try {
        AtomicFile::Write(path, text);
    } catch (const FileError&) {
        return false;
    }
    return true;
}

std::vector<std::string> IngredientNames::BuiltIn() {
    return {"butter", "buttermilk", "chicken", "corn starch", "egg",   "flour",   "garlic", "margarine", "milk",
            "oil",    "pepper",     "salt",    "shortening",  "sugar", "vanilla", "water",  "yeast"};
}

std::filesystem::path IngredientNames::FileToRead(const std::filesystem::path& programFolder,
                                                  const std::filesystem::path& dataFolder) {
    std::error_code error;
    if (!dataFolder.empty() && std::filesystem::is_regular_file(dataFolder / kFileName, error)) {
        return dataFolder / kFileName;
    }
    return programFolder / kFileName;
}

std::filesystem::path IngredientNames::FileToWrite(const std::filesystem::path& programFolder,
                                                   const std::filesystem::path& dataFolder) {
    return (dataFolder.empty() ? programFolder : dataFolder) / kFileName;
}

bool IngredientNames::AddName(std::vector<std::string>& names, const std::string& description) {
    const std::string name = Trimmed(description.substr(0, description.find(" -- ")));
    if (name.empty()) {
        return false;
    }
    const bool known =
        std::any_of(names.begin(), names.end(), [&](const std::string& own) { return SameIgnoringCase(own, name); });
    if (known) {
        return false;
    }
    names.push_back(name);
    return true;
}
