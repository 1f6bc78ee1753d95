#include "app/IngredientNames.h"

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
    std::ofstream out(path, std::ios::trunc);
    for (const std::string& name : names) {
        out << name << '\n';
    }
    out.flush();
    return static_cast<bool>(out);
}

std::vector<std::string> IngredientNames::BuiltIn() {
    return {"butter", "buttermilk", "chicken", "corn starch", "egg",   "flour",   "garlic", "margarine", "milk",
            "oil",    "pepper",     "salt",    "shortening",  "sugar", "vanilla", "water",  "yeast"};
}
