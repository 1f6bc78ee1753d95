#include "cli/CliBook.h"

#include <stdexcept>

namespace {

using Json = nlohmann::ordered_json;

Json NodeJson(const CRecipeObj& node, const char* kind) {
    Json pictures = Json::array();
    for (const RecipeImage& picture : node.Pictures()) {
        pictures.push_back({{"path", picture.Path()}, {"shown", picture.Shown()}});
    }
    return {{"kind", kind},        {"id", node.Id()},     {"title", node.Title()},
            {"text", node.Text()}, {"icon", node.Icon()}, {"sync", {node.Sync().current, node.Sync().synchronised}},
            {"pictures", pictures}};
}

Json RecipeJson(const CRecipe& recipe) {
    Json json = NodeJson(recipe, "recipe");
    json["comments"] = recipe.Comments();
    json["keywords"] = recipe.Keywords();
    json["prep_time"] = recipe.PrepTime();
    json["servings"] = recipe.Servings();
    json["favourite"] = recipe.Favourite();
    Json lines = Json::array();
    for (const auto& line : recipe.Ingredients()) {
        lines.push_back({{"amount", line->Amount()},
                         {"unit", line->Unit()},
                         {"description", line->Description()},
                         {"link", line->Link()}});
    }
    json["ingredients"] = lines;
    return json;
}

Json RecipesJson(const std::vector<std::unique_ptr<CRecipe>>& recipes) {
    Json list = Json::array();
    for (const auto& recipe : recipes) {
        list.push_back(RecipeJson(*recipe));
    }
    return list;
}

Json BookJson(const CRecipeBook& book) {
    Json json = NodeJson(book, "book");
    json["id_counter"] = book.IdCounter();
    json["deleted_ids"] = book.DeletedIds();
    json["recipes"] = RecipesJson(book.Recipes());
    Json chapters = Json::array();
    for (const auto& chapter : book.Chapters()) {
        Json chapterJson = NodeJson(*chapter, "chapter");
        chapterJson["recipes"] = RecipesJson(chapter->Recipes());
        chapters.push_back(chapterJson);
    }
    json["chapters"] = chapters;
    return json;
}

} // namespace

RecipeBookFile::Loaded CliBook::Load(const std::string& path) {
    try {
        // No waiting for clock-based ids: the command line opens one book.
        return RecipeBookFile::Load(path, RecipeBookFile::ReadOptions{nullptr});
    } catch (const FileError& error) {
        throw std::runtime_error("cannot read '" + path + "': " + error.what());
    }
}

nlohmann::ordered_json CliBook::ToJson(const RecipeBookFile::Loaded& loaded) {
    return {{"file_version", loaded.fileVersion},
            {"load_error", loaded.book->LoadError()},
            {"modified", loaded.book->Modified()},
            {"book", BookJson(*loaded.book)}};
}
